#include "mail/imap/ImapText.h"

#include <algorithm>

bool fitsQuoted(QByteArrayView bytes) {
    for (char c : bytes) {
        const auto u = static_cast<unsigned char>(c);
        if (u == 0 || u == '\r' || u == '\n' || u > 127) return false;
    }
    return true;
}

QByteArray imapQuoted(QByteArrayView bytes) {
    QByteArray out;
    out.reserve(bytes.size() + 2);
    out += '"';
    for (char c : bytes) {
        if (c == '"' || c == '\\') out += '\\';
        out += c;
    }
    out += '"';
    return out;
}

namespace {
const char Base64[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+,";

int base64Value(char c) {
    const char* at = std::find(Base64, Base64 + 64, c);
    return at == Base64 + 64 ? -1 : int(at - Base64);
}
} // namespace

QByteArray encodeFolderName(const QString& name) {
    QByteArray out;
    QList<char16_t> pending; // UTF-16 units waiting for the shift
    const auto flush = [&] {
        if (pending.isEmpty()) return;
        out += '&';
        quint32 bits = 0;
        int count = 0;
        for (char16_t u : pending) {
            bits = (bits << 16) | u;
            count += 16;
            while (count >= 6) {
                count -= 6;
                out += Base64[(bits >> count) & 0x3F];
            }
        }
        if (count > 0) out += Base64[(bits << (6 - count)) & 0x3F];
        out += '-';
        pending.clear();
    };
    for (QChar c : name) {
        const char16_t u = c.unicode();
        if (u >= 0x20 && u <= 0x7E) {
            flush();
            out += u == '&' ? QByteArray("&-") : QByteArray(1, char(u));
        } else {
            pending.append(u);
        }
    }
    flush();
    return out;
}

QString decodeFolderName(QByteArrayView name) {
    QString out;
    for (qsizetype i = 0; i < name.size(); ++i) {
        const char c = name[i];
        if (static_cast<unsigned char>(c) > 127) return QString::fromUtf8(name);
        if (c != '&') {
            out += QLatin1Char(c);
            continue;
        }
        const qsizetype end = name.indexOf('-', i + 1);
        if (end < 0) return QString::fromUtf8(name);
        if (end == i + 1) {
            out += u'&';
            i = end;
            continue;
        }
        quint32 bits = 0;
        int count = 0;
        for (qsizetype k = i + 1; k < end; ++k) {
            const int v = base64Value(name[k]);
            if (v < 0) return QString::fromUtf8(name);
            bits = (bits << 6) | quint32(v);
            count += 6;
            if (count >= 16) {
                count -= 16;
                out += QChar(char16_t((bits >> count) & 0xFFFF));
            }
        }
        i = end;
    }
    return out;
}

QByteArray uidSetText(QList<quint32> uids) {
    std::sort(uids.begin(), uids.end());
    uids.erase(std::unique(uids.begin(), uids.end()), uids.end());
    QByteArray out;
    for (qsizetype i = 0; i < uids.size();) {
        qsizetype j = i;
        while (j + 1 < uids.size() && uids[j + 1] == uids[j] + 1)
            ++j;
        if (!out.isEmpty()) out += ',';
        out += QByteArray::number(uids[i]);
        if (j > i) out += ':' + QByteArray::number(uids[j]);
        i = j + 1;
    }
    return out;
}

std::optional<QList<quint32>> uidSetValues(QByteArrayView set, qsizetype limit) {
    QList<quint32> out;
    const auto number = [](QByteArrayView text) -> std::optional<quint32> {
        if (text == "*") return 0xFFFFFFFFu;
        if (text.isEmpty() || text.size() > 10) return std::nullopt;
        quint64 v = 0;
        for (char c : text) {
            if (c < '0' || c > '9') return std::nullopt;
            v = v * 10 + quint64(c - '0');
        }
        if (v == 0 || v > 0xFFFFFFFFu) return std::nullopt;
        return quint32(v);
    };
    for (QByteArrayView part : QByteArray(set.toByteArray()).split(',')) {
        const qsizetype colon = part.indexOf(':');
        const std::optional<quint32> a = number(colon < 0 ? part : part.first(colon));
        const std::optional<quint32> b = colon < 0 ? a : number(part.sliced(colon + 1));
        if (!a || !b) return std::nullopt;
        const quint32 low = std::min(*a, *b), high = std::max(*a, *b);
        if (qint64(high - low) + out.size() >= limit) return std::nullopt;
        for (quint64 u = low; u <= high; ++u)
            out.append(quint32(u));
    }
    std::sort(out.begin(), out.end());
    out.erase(std::unique(out.begin(), out.end()), out.end());
    return out;
}

bool ImapFolder::has(QByteArrayView attribute) const {
    return std::any_of(attributes.begin(), attributes.end(), [&](const QByteArray& a) {
        return QByteArrayView(a).compare(attribute, Qt::CaseInsensitive) == 0;
    });
}

std::optional<ImapFolder> listedFolder(const ImapResponse& response) {
    if (response.kind != ImapResponse::Kind::Untagged || response.name != "LIST" ||
        response.data.size() < 3)
        return std::nullopt;
    const ImapValue& attributes = response.data.at(0);
    const ImapValue& delimiter = response.data.at(1);
    const ImapValue& name = response.data.at(2);
    if (!attributes.isList() || !(delimiter.isString() || delimiter.isNil()) || name.isList() ||
        name.isNil())
        return std::nullopt;
    ImapFolder folder;
    for (const ImapValue& a : attributes.items)
        folder.attributes << a.text;
    folder.delimiter = delimiter.text;
    folder.rawName = name.text;
    folder.name = decodeFolderName(name.text);
    return folder;
}
