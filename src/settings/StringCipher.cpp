#include "settings/StringCipher.h"

#include "mail/Exceptions.h"
#include "settings/TextFiles.h"

#include <QRandomGenerator>

namespace {
// Walks the key positions 1..L, wrapping, and gives the code at each step.
class KeyWalker {
public:
    explicit KeyWalker(const QByteArray& key) : m_key(key) {}
    int next() {
        if (m_key.isEmpty()) return 0;
        m_k = m_k < m_key.size() ? m_k + 1 : 1;
        return static_cast<unsigned char>(m_key[m_k - 1]);
    }

private:
    const QByteArray& m_key;
    qsizetype m_k = 0;
};

int hexDigit(QChar c) {
    const char16_t u = c.unicode();
    if (u >= '0' && u <= '9') return u - '0';
    if (u >= 'a' && u <= 'f') return u - 'a' + 10;
    if (u >= 'A' && u <= 'F') return u - 'A' + 10;
    return -1;
}

// The two hexadecimal digits at 0-based position at.
int hexPair(const QString& text, qsizetype at) {
    const int hi = at < text.size() ? hexDigit(text[at]) : -1;
    const int lo = at + 1 < text.size() ? hexDigit(text[at + 1]) : -1;
    if (hi < 0 || lo < 0)
        throw EConvertError(
            TrText::translate("StringCipher", "An enciphered password is not hexadecimal text"));
    return hi * 16 + lo;
}

QString hex2(int v) {
    return QStringLiteral("%1").arg(v, 2, 16, QLatin1Char('0')).toUpper();
}
} // namespace

QString TStringCipher::encipherBytes(const QByteArray& key, const QByteArray& plain, int r) {
    QString out = hex2(r);
    KeyWalker walker(key);
    int c = r;
    for (const char ch : plain) {
        const int p = static_cast<unsigned char>(ch);
        c = ((c + p) % 255) ^ walker.next();
        out += hex2(c);
    }
    return out;
}

QByteArray TStringCipher::decipherBytes(const QByteArray& key, const QString& cipher) {
    QByteArray out;
    int prev = hexPair(cipher, 0);
    KeyWalker walker(key);
    qsizetype position = 2; // 0-based start of the next pair
    do {
        const int c = hexPair(cipher, position);
        const int d = c ^ walker.next();
        const int plain = prev < d ? d - prev : d - prev + 255;
        out += static_cast<char>(plain & 0xFF);
        prev = c;
        position += 2;
    } while (position + 1 < cipher.size());
    return out;
}

void TStringCipher::Execute() {
    if (Input.isEmpty()) {
        Output.clear();
        return;
    }
    const QByteArray key = Key.toUtf8();
    if (Action == atEncryption)
        Output = encipherBytes(key, Input.toUtf8(), QRandomGenerator::global()->bounded(256));
    else
        Output = TextFiles::decode(decipherBytes(key, Input));
}
