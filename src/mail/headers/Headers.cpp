#include "mail/headers/Headers.h"

#include "mail/mime/HeaderText.h"
#include "mail/mime/Text.h"

#include <QStringDecoder>
#include <algorithm>

namespace {

constexpr qsizetype kValueLimit = 255;

QString withColon(const QString& name) {
    return name.endsWith(u':') ? name : name + u':';
}

// Splits text at its commas (not at those in protected) and appends each item,
// trimmed, cut and decoded. The last item is kept only when it is not blank.
void appendItems(QStringView text, const QList<bool>& isProtected, QStringList& list) {
    qsizetype start = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] != u',' || (i < isProtected.size() && isProtected[i])) continue;
        list.append(DecodeHeaderText(TrimBlanks(text.mid(start, i - start)).left(kValueLimit)));
        start = i + 1;
    }
    const QString last = TrimBlanks(text.mid(start));
    if (!last.isEmpty()) list.append(DecodeHeaderText(last.left(kValueLimit)));
}

// Marks every comma that lies between an opening and a closing double quote.
QList<bool> quotedCommas(QStringView text) {
    QList<bool> marks(text.size(), false);
    qsizetype open = -1;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] != u'"') continue;
        if (open < 0) {
            open = i;
            continue;
        }
        for (qsizetype k = open + 1; k < i; ++k)
            marks[k] = text[k] == u',';
        open = -1;
    }
    return marks;
}

} // namespace

namespace {

bool isAscii(QByteArrayView bytes) {
    for (char c : bytes)
        if (uchar(c) >= 0x80) return false;
    return true;
}

// The prefix as UTF-8 when it is plain ASCII (then a line's leading ASCII bytes
// can be compared with it directly); else empty.
QByteArray asciiOf(const QString& prefix) {
    for (QChar c : prefix)
        if (c.unicode() >= 0x80) return {};
    return prefix.toLatin1();
}

} // namespace

TmsHeaders::TmsHeaders(const QStringList& lines) {
    for (const QString& line : lines)
        append(line);
}

TmsHeaders::TmsHeaders(std::initializer_list<QString> lines) {
    for (const QString& line : lines)
        append(line);
}

QString TmsHeaders::at(qsizetype i) const {
    // Stored text is valid UTF-8; a leading U+FEFF is a character of the line.
    QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::Stateless |
                                                    QStringConverter::Flag::ConvertInitialBom);
    return utf8.decode(bytesOf(i));
}

QStringList TmsHeaders::toStringList() const {
    QStringList lines;
    lines.reserve(size());
    for (qsizetype i = 0; i < size(); ++i)
        lines.append(at(i));
    return lines;
}

qsizetype TmsHeaders::indexOf(const QString& line, qsizetype from) const {
    const QByteArray wanted = line.toUtf8();
    for (qsizetype i = std::max<qsizetype>(0, from); i < size(); ++i)
        if (bytesOf(i) == QByteArrayView(wanted)) return i;
    return -1;
}

void TmsHeaders::appendBytes(QByteArrayView utf8) {
    m_text.append(utf8);
    m_ends.append(int(m_text.size()));
}

bool TmsHeaders::setPacked(const QByteArray& text, const QList<int>& ends) {
    int start = 0;
    for (int end : ends) {
        if (end < start) return false;
        start = end;
    }
    if (start != text.size() || !QByteArrayView(text).isValidUtf8()) return false;
    m_text = text;
    m_ends = ends;
    return true;
}

void TmsHeaders::append(const QString& line) {
    appendBytes(line.toUtf8());
}

void TmsHeaders::clear() {
    m_text.clear();
    m_ends.clear();
}

void TmsHeaders::remove(qsizetype i, qsizetype n) {
    if (n <= 0) return;
    const qsizetype from = startOf(i);
    const int cut = int(m_ends[i + n - 1] - from);
    m_text.remove(from, cut);
    m_ends.remove(i, n);
    for (qsizetype k = i; k < m_ends.size(); ++k)
        m_ends[k] -= cut;
}

void TmsHeaders::resize(qsizetype n) {
    if (n >= size()) {
        while (size() < n)
            appendBytes({});
        return;
    }
    m_text.truncate(startOf(n));
    m_ends.resize(n);
}

bool TmsHeaders::startsWith(qsizetype i, const QString& prefix, const QByteArray& ascii) const {
    const QByteArrayView line = bytesOf(i);
    if (!ascii.isEmpty() || prefix.isEmpty()) {
        // Where the line's first characters are ASCII as well, bytes compare
        // as characters do.
        if (line.size() < ascii.size()) return false;
        const QByteArrayView head = line.first(ascii.size());
        if (isAscii(head)) return head.compare(ascii, Qt::CaseInsensitive) == 0;
    }
    return at(i).startsWith(prefix, Qt::CaseInsensitive);
}

qsizetype TmsHeaders::findField(const QString& field, qsizetype from) const {
    const QByteArray ascii = asciiOf(field);
    for (qsizetype i = from; i < size(); ++i)
        if (startsWith(i, field, ascii)) return i;
    return -1;
}

bool TmsHeaders::isContinuation(qsizetype i) const {
    const QByteArrayView line = bytesOf(i);
    return line.startsWith(' ') || line.startsWith('\t');
}

void TmsHeaders::LoadFromBytes(const QByteArray& raw) {
    clear();
    m_text.reserve(raw.size());
    const auto add = [this](QByteArrayView line) {
        // ASCII reads the same either way; anything else is decided line by line.
        if (isAscii(line))
            appendBytes(line);
        else
            appendBytes(TextFromBytes(line).toUtf8());
    };
    qsizetype start = 0;
    for (qsizetype i = 0; i < raw.size(); ++i) {
        const char c = raw[i];
        if (c != '\r' && c != '\n') continue;
        add(QByteArrayView(raw).sliced(start, i - start));
        if (c == '\r' && i + 1 < raw.size() && raw[i + 1] == '\n') ++i;
        start = i + 1;
    }
    if (start < raw.size()) add(QByteArrayView(raw).sliced(start));
    m_text.squeeze();
    m_ends.squeeze();
}

QString TmsHeaders::GetFieldValue(const QString& Name) const {
    const QString field = withColon(Name);
    qsizetype i = findField(field);
    if (i < 0) return {};
    const QString line = at(i);
    // The character after the colon goes with it, whatever it is.
    QString value = TrimBlanks(QStringView(line).mid(line.indexOf(u':') + 2));
    for (++i; i < size() && isContinuation(i); ++i)
        value += u' ' + TrimBlanks(at(i));
    const QString bare = field.chopped(1);
    if (bare.compare(QLatin1String("Content-Type"), Qt::CaseInsensitive) == 0 ||
        bare.compare(QLatin1String("X-UIDL"), Qt::CaseInsensitive) == 0)
        return value;
    return DecodeHeaderText(value.left(kValueLimit));
}

void TmsHeaders::GetFieldList(const QString& Name, QStringList& List) const {
    List.clear();
    qsizetype i = findField(Name);
    while (i >= 0 && i < size()) {
        const QString line = at(i);
        const qsizetype colon = line.indexOf(u':');
        if (colon < 0) return;
        const QStringView text = QStringView(line).mid(colon + 2);
        appendItems(text, text.contains(u'"') ? quotedCommas(text) : QList<bool>(), List);
        // Lines without a colon continue the field, whatever they begin with.
        for (++i; i < size() && !bytesOf(i).contains(':'); ++i)
            appendItems(at(i), {}, List);
        if (i < size()) i = findField(Name, i);
    }
}

void TmsHeaders::DeleteField(const QString& Name) {
    const qsizetype i = findField(withColon(Name));
    if (i < 0) return;
    qsizetype end = i + 1;
    while (end < size() && isContinuation(end))
        ++end;
    remove(i, end - i);
}

void TmsHeaders::StripBody() {
    for (qsizetype i = 0; i < size(); ++i)
        if (m_ends[i] == startOf(i)) {
            resize(i);
            m_text.squeeze();
            m_ends.squeeze();
            return;
        }
}

QString ExtractWord(const QString& Text, int Skip, bool Single) {
    QString rest = Text;
    for (int k = 0; k < Skip; ++k) {
        const qsizetype space = rest.indexOf(u' ');
        if (space < 0) return {};
        rest = TrimBlanks(QStringView(rest).mid(space + 1));
    }
    if (Single) {
        const qsizetype space = rest.indexOf(u' ');
        if (space >= 0) rest.truncate(space);
    }
    return TrimBlanks(rest);
}
