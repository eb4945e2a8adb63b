#include "rules/LearnedTokens.h"

#include "mail/headers/HeaderWords.h"
#include "mail/headers/Headers.h"
#include "mail/headers/MailAddress.h"
#include "mail/mime/HeaderText.h"

#include <QRegularExpression>
#include <QVarLengthArray>
#include <algorithm>
#include <array>
#include <cstdio>
#include <vector>

namespace {

// Fields that only give a time, or that the receiving side or a collector adds:
// whole names, then name prefixes.
constexpr QLatin1StringView ExcludedNames[] = {
    QLatin1StringView("date"),
    QLatin1StringView("delivered-to"),
    QLatin1StringView("x-original-to"),
    QLatin1StringView("x-delivered-to"),
    QLatin1StringView("return-path"),
    QLatin1StringView("envelope-to"),
    QLatin1StringView("x-envelope-from"),
    QLatin1StringView("x-envelope-to"),
    QLatin1StringView("x-keywords"),
    QLatin1StringView("x-status"),
    QLatin1StringView("status"),
    QLatin1StringView("x-uid"),
    QLatin1StringView("x-uidl"),
    QLatin1StringView("lines"),
    QLatin1StringView("content-length"),
    QLatin1StringView("x-bogosity"),
    QLatin1StringView("authentication-results"),
    QLatin1StringView("received-spf"),
    QLatin1StringView("x-received"),
    QLatin1StringView("x-originalarrivaltime"),
    QLatin1StringView("reply-by"),
    QLatin1StringView("x-gmail-labels"),
    QLatin1StringView("x-original-arrival-time"),
};
constexpr QLatin1StringView ExcludedPrefixes[] = {
    QLatin1StringView("x-spam"),  QLatin1StringView("x-mozilla-"),  QLatin1StringView("x-virus"),
    QLatin1StringView("x-razor"), QLatin1StringView("x-pyzor"),     QLatin1StringView("x-dcc"),
    QLatin1StringView("arc-"),    QLatin1StringView("x-evolution"), QLatin1StringView("x-amavis"),
    QLatin1StringView("x-gm-"),   QLatin1StringView("x-fetchmail"),
};

// Fields whose short value is a token as it stands.
constexpr QLatin1StringView ListFields[] = {
    QLatin1StringView("list-id"),      QLatin1StringView("x-beenthere"),
    QLatin1StringView("list-post"),    QLatin1StringView("mailing-list"),
    QLatin1StringView("x-loop"),       QLatin1StringView("precedence"),
    QLatin1StringView("organization"),
};

// Short second-level labels under which a country's domains are registered.
constexpr QLatin1StringView SecondLevels[] = {
    QLatin1StringView("co"),  QLatin1StringView("com"), QLatin1StringView("net"),
    QLatin1StringView("org"), QLatin1StringView("gov"), QLatin1StringView("ac"),
    QLatin1StringView("edu"), QLatin1StringView("ne"),  QLatin1StringView("or"),
    QLatin1StringView("go"),
};

// Field values longer than this give no whole-value token.
constexpr qsizetype ShortValue = 40;
// Words outside this length give no word token.
constexpr qsizetype MinWord = 2, MaxWord = 24;

constexpr quint64 FnvOffset = 14695981039346656037ull, FnvPrime = 1099511628211ull;

bool sameText(QStringView a, QStringView b) {
    return a.size() == b.size() && a.compare(b, Qt::CaseInsensitive) == 0;
}
bool sameText(QStringView a, QLatin1StringView b) {
    return a.size() == b.size() && a.compare(b, Qt::CaseInsensitive) == 0;
}

struct Field {
    QStringView name;  // as written, without the colon
    QStringView value; // continuation lines joined with one space, trimmed
    int joined = -1;   // the index of the joined value's text, or -1 for a single line
};

// The header's lines and fields, worked out without copying where the text allows.
class FieldReader {
public:
    explicit FieldReader(const TmsHeaders& headers) {
        const QByteArray& packed = headers.packedText();
        const QList<int>& ends = headers.packedEnds();
        m_all = QString::fromUtf8(packed);
        // ASCII text has a character for every byte: the lines are views of one text.
        const bool ascii = m_all.size() == packed.size();
        if (!ascii) {
            m_lines.reserve(headers.size());
            for (qsizetype i = 0; i < headers.size(); ++i)
                m_lines.append(headers.at(i));
        }
        fields.reserve(headers.size());
        m_joined.reserve(8);
        bool inField = false;
        for (qsizetype i = 0; i < headers.size(); ++i) {
            const qsizetype start = i == 0 ? 0 : ends[i - 1];
            const QStringView line =
                ascii ? QStringView(m_all).mid(start, ends[i] - start) : QStringView(m_lines[i]);
            if (line.isEmpty()) break;
            if (line[0] == u' ' || line[0] == u'\t') {
                if (!inField) continue;
                Field& f = fields.back();
                const QStringView more = line.trimmed();
                if (more.isEmpty()) continue;
                if (f.joined < 0) {
                    f.joined = int(m_joined.size());
                    m_joined.push_back(f.value.toString());
                }
                QString& value = m_joined[f.joined];
                if (!value.isEmpty()) value += u' ';
                value += more;
                f.value = value;
                continue;
            }
            const qsizetype colon = line.indexOf(u':');
            bool named = colon > 0;
            for (qsizetype k = 0; named && k < colon; ++k)
                named = line[k] > u' ' && line[k] < QChar(127);
            inField = named;
            if (!named) continue;
            fields.push_back({line.left(colon), line.mid(colon + 1).trimmed()});
        }
    }

    std::vector<Field> fields;

private:
    QString m_all;
    QStringList m_lines;
    std::vector<QString> m_joined;
};

bool isDigits(QStringView s) {
    if (s.isEmpty()) return false;
    for (QChar c : s)
        if (c < u'0' || c > u'9') return false;
    return true;
}

// The four numbers of a dotted IPv4 address, or false.
bool parseIp(QStringView text, int (&parts)[4]) {
    if (text.size() < 7 || text.size() > 15 || !text.front().isDigit() || !text.back().isDigit())
        return false;
    int n = 0, value = 0, digits = 0;
    for (const QChar c : text) {
        if (c == u'.') {
            if (digits == 0 || n == 3) return false;
            parts[n++] = value;
            value = digits = 0;
        } else if (c >= u'0' && c <= u'9') {
            if (++digits > 3) return false;
            value = value * 10 + (c.unicode() - u'0');
            if (value > 255) return false;
        } else {
            return false;
        }
    }
    if (n != 3 || digits == 0) return false;
    parts[3] = value;
    return true;
}

bool isPrivateIp(const int (&p)[4]) {
    return p[0] == 10 || p[0] == 127 || (p[0] == 172 && p[1] >= 16 && p[1] < 32) ||
           (p[0] == 192 && p[1] == 168) || (p[0] == 169 && p[1] == 254) || p[0] == 0;
}

// The registrable part of a host name, as written (see LearnedTokenizer::baseDomain).
QStringView baseOf(QStringView host) {
    while (host.endsWith(u'.'))
        host.chop(1);
    int p[4];
    if (parseIp(host, p)) return host;
    const qsizetype last = host.lastIndexOf(u'.');
    if (last < 0) return host;
    const qsizetype second = host.lastIndexOf(u'.', last - 1);
    if (second < 0) return host;
    qsizetype start = second + 1;
    if (host.size() - last - 1 == 2) {
        const QStringView label = host.mid(second + 1, last - second - 1);
        for (const QLatin1StringView s : SecondLevels)
            if (sameText(label, s)) {
                start = host.lastIndexOf(u'.', second - 1) + 1;
                break;
            }
    }
    return host.mid(start);
}

// A token as it is worked out: FNV-1a over its UTF-16 code units, and its text
// when the names are kept.
class Tok {
public:
    explicit Tok(QString* text) : m_text(text) {
        if (m_text) m_text->clear();
    }
    Tok& unit(char16_t c) {
        m_hash = (m_hash ^ c) * FnvPrime;
        if (m_text) m_text->append(QChar(c));
        return *this;
    }
    Tok& lit(QLatin1StringView s) {
        for (const char c : s)
            unit(char16_t(uchar(c)));
        return *this;
    }
    Tok& raw(QStringView s) {
        for (const QChar c : s)
            unit(c.unicode());
        return *this;
    }
    // The text in lower case.
    Tok& lower(QStringView s) {
        for (qsizetype i = 0; i < s.size(); ++i) {
            const char16_t c = s[i].unicode();
            if (c < 128) {
                unit(c >= u'A' && c <= u'Z' ? char16_t(c + 32) : c);
            } else if (QChar::isHighSurrogate(c) && i + 1 < s.size() &&
                       QChar::isLowSurrogate(s[i + 1].unicode())) {
                const char32_t low = QChar::toLower(QChar::surrogateToUcs4(c, s[i + 1].unicode()));
                unit(QChar::highSurrogate(low));
                unit(QChar::lowSurrogate(low));
                ++i;
            } else {
                unit(QChar::toLower(c));
            }
        }
        return *this;
    }
    // A shape of a text: runs of digits become "9", of lower-case letters "a", of
    // upper-case letters "A"; other characters stay. "1028311679.886@x" is "9.9@a".
    Tok& shape(QStringView text) {
        char16_t last = 0;
        int size = 0;
        for (const QChar c : text) {
            char16_t k = c.unicode();
            if (c.isDigit())
                k = u'9';
            else if (c.isLower())
                k = u'a';
            else if (c.isUpper())
                k = u'A';
            else if (c.isLetter())
                k = u'a';
            if (k == last && (k == u'9' || k == u'a' || k == u'A')) continue;
            unit(k);
            last = k;
            if (++size >= 24) break;
        }
        return *this;
    }
    Tok& number(int n) {
        char digits[12];
        const int len = std::snprintf(digits, sizeof digits, "%d", n);
        return lit(QLatin1StringView(digits, len));
    }
    quint64 hash() const { return m_hash; }

private:
    quint64 m_hash = FnvOffset;
    QString* m_text;
};

class Collector {
public:
    std::vector<quint64>& hashes;
    QStringList* names;

    Collector(std::vector<quint64>& out, QStringList* names) : hashes(out), names(names) {
        hashes.clear();
        m_seen.fill(0);
    }

    Tok tok() { return Tok(names ? &m_text : nullptr); }

    void add(const Tok& t) {
        const quint64 h = t.hash() ? t.hash() : 1;
        // Each token once: an open table of the hashes seen.
        for (std::size_t slot = h % m_seen.size();; slot = (slot + 1) % m_seen.size()) {
            if (m_seen[slot] == h) return;
            if (m_seen[slot] == 0) {
                if (hashes.size() * 2 >= m_seen.size()) {
                    if (std::find(hashes.begin(), hashes.end(), t.hash()) != hashes.end()) return;
                } else {
                    m_seen[slot] = h;
                }
                break;
            }
        }
        hashes.push_back(t.hash());
        if (names) names->append(m_text);
    }
    void add(QLatin1StringView token) { add(tok().lit(token)); }
    // prefix + rest in lower case; nothing when rest is empty.
    void add(QLatin1StringView prefix, QStringView rest) {
        if (!rest.isEmpty()) add(tok().lit(prefix).lower(rest));
    }

    // Every word of text as prefix + word, lower case; numbers give "prefix#".
    void words(QLatin1StringView prefix, QStringView text) {
        qsizetype i = 0;
        while (i < text.size()) {
            while (i < text.size() && !isWordChar(text[i]))
                ++i;
            qsizetype end = i;
            while (end < text.size() && (isWordChar(text[end]) || isInnerChar(text, end)))
                ++end;
            const QStringView w = text.mid(i, end - i);
            if (!w.isEmpty()) {
                if (isDigits(w))
                    add(tok().lit(prefix).unit(u'#'));
                else if (w.size() >= MinWord && w.size() <= MaxWord)
                    add(prefix, w);
                else if (w.size() > MaxWord)
                    add(tok().lit(prefix).lit(QLatin1StringView("long")));
            }
            i = end;
        }
    }

    // A host name as a token: its registrable domain; nothing for an address.
    void host(QLatin1StringView prefix, QStringView host) {
        if (host.isEmpty()) return;
        int p[4];
        if (parseIp(host, p)) return;
        add(prefix, baseOf(host));
    }

    void ip(QLatin1StringView prefix, QStringView ip) {
        int p[4];
        if (!parseIp(ip, p)) return;
        add(tok().lit(prefix).number(p[0]).unit(u'.').number(p[1]).unit(u'.').number(p[2]));
        add(tok().lit(prefix).number(p[0]).unit(u'.').number(p[1]));
    }

private:
    static bool isWordChar(QChar c) { return c.isLetterOrNumber() || c == u'$'; }
    // Characters that stay inside a word when a word character follows.
    static bool isInnerChar(QStringView text, qsizetype i) {
        const QChar c = text[i];
        return (c == u'-' || c == u'\'' || c == u'.' || c == u',') && i + 1 < text.size() &&
               isWordChar(text[i + 1]);
    }

    std::array<quint64, 512> m_seen;
    QString m_text;
};

// One Received field taken apart; the parts are views of the field's text.
struct Hop {
    QStringView helo; // the name the sending host gave
    QStringView rdns; // the name the receiving host looked up for it
    QStringView ip;   // the sending host's address
    QStringView by;   // the receiving host
    QStringView with; // the protocol
};

// The first word of text from pos on: up to a blank, '(', ')', ';' or '['.
QStringView wordAt(QStringView text, qsizetype pos) {
    while (pos < text.size() && text[pos] == u' ')
        ++pos;
    qsizetype end = pos;
    while (end < text.size() && text[end] != u' ' && text[end] != u'(' && text[end] != u')' &&
           text[end] != u';' && text[end] != u'[')
        ++end;
    return text.mid(pos, end - pos);
}

// Where word (lower-case ASCII, such as " by ") starts in text in any case, or -1.
qsizetype keyword(QStringView text, QLatin1StringView word, qsizetype from = 0) {
    const qsizetype last = text.size() - word.size();
    for (qsizetype i = from; i <= last; ++i) {
        qsizetype k = 0;
        while (k < word.size()) {
            char16_t c = text[i + k].unicode();
            if (c >= u'A' && c <= u'Z') c += 32;
            if (c != word[k].unicode()) break;
            ++k;
        }
        if (k == word.size()) return i;
    }
    return -1;
}

// The hop's parts are views of padded, which holds the field with a blank on
// each side (the time after the last ';' is never read).
Hop parseHop(QStringView value, QVarLengthArray<QChar, 512>& padded) {
    Hop hop;
    const qsizetype semi = value.lastIndexOf(u';');
    if (semi >= 0) value = value.left(semi);
    padded.resize(value.size() + 2);
    padded[0] = u' ';
    std::copy(value.begin(), value.end(), padded.begin() + 1);
    padded[value.size() + 1] = u' ';
    const QStringView text(padded.constData(), padded.size());
    const qsizetype by = keyword(text, QLatin1StringView(" by "));
    const QStringView from = by >= 0 ? text.left(by) : text;
    const qsizetype f = keyword(from, QLatin1StringView(" from "));
    if (f >= 0) {
        hop.helo = wordAt(from, f + 6);
        // The first bracketed address after the name, and the looked-up name
        // inside the parentheses ("(user@host.example [192.0.2.1])").
        const qsizetype open = from.indexOf(u'[', f + 6);
        if (open >= 0) {
            const qsizetype close = from.indexOf(u']', open);
            if (close > open) {
                QStringView ip = from.mid(open + 1, close - open - 1);
                if (ip.startsWith(QLatin1StringView("IPv6:"), Qt::CaseInsensitive)) ip = ip.mid(5);
                hop.ip = ip;
            }
        }
        const qsizetype paren = from.indexOf(u'(', f + 6);
        if (paren >= 0) {
            QStringView name = wordAt(from, paren + 1);
            const qsizetype at = name.lastIndexOf(u'@');
            if (at >= 0) name = name.mid(at + 1);
            int p[4];
            if (name.contains(u'.') && !parseIp(name, p))
                hop.rdns = name;
            else if (sameText(name, QLatin1StringView("unknown")))
                hop.rdns = name;
        }
        if (hop.ip.isEmpty()) {
            int p[4];
            if (parseIp(hop.helo, p)) hop.ip = hop.helo;
        }
    }
    if (by >= 0) {
        hop.by = wordAt(text, by + 4);
        const qsizetype with = keyword(text, QLatin1StringView(" with "), by);
        if (with >= 0) hop.with = wordAt(text, with + 6);
    }
    return hop;
}

bool isLocalHost(QStringView host) {
    if (host.isEmpty()) return false;
    int p[4];
    if (parseIp(host, p)) return isPrivateIp(p);
    return !host.contains(u'.') || sameText(host, QLatin1StringView("localhost")) ||
           host.endsWith(QLatin1StringView(".localdomain"), Qt::CaseInsensitive) ||
           host.startsWith(QLatin1StringView("localhost."), Qt::CaseInsensitive);
}

// A part that a hop does not name is a token of its own: "none".
QStringView orNone(QStringView part) {
    return part.isEmpty() ? QStringView(u"none") : part;
}

QLatin1StringView countBucket(qsizetype n) {
    static const char* const small[] = {"0", "1", "2"};
    if (n <= 2) return QLatin1StringView(small[std::max<qsizetype>(n, 0)]);
    if (n <= 5) return QLatin1StringView("3-5");
    if (n <= 20) return QLatin1StringView("6-20");
    return QLatin1StringView("21+");
}

QString addressOf(const QString& value) {
    QString address, name;
    SplitMailAddress(value, address, name);
    return address.trimmed().toLower();
}

QStringView domainOf(QStringView address) {
    const qsizetype at = address.lastIndexOf(u'@');
    return at >= 0 ? address.mid(at + 1) : QStringView();
}

// The address, the domain and the display name of a sender-like field.
void addressTokens(Collector& c, QLatin1StringView prefix, const QString& value) {
    TmsMailAddress a;
    ParseMailAddress(value, a);
    const QStringView address = QStringView(a.Address).trimmed();
    const qsizetype at = address.lastIndexOf(u'@');
    const QStringView local = at >= 0 ? address.left(at) : address;
    const QStringView domain = at >= 0 ? address.mid(at + 1) : QStringView();
    if (!address.isEmpty())
        c.add(c.tok().lit(prefix).lit(QLatin1StringView("addr:")).lower(address));
    if (!domain.isEmpty()) {
        c.add(c.tok().lit(prefix).lit(QLatin1StringView("domain:")).lower(domain));
        const QStringView base = baseOf(domain);
        if (!base.isEmpty()) c.add(c.tok().lit(prefix).lit(QLatin1StringView("base:")).lower(base));
    } else {
        c.add(c.tok().lit(prefix).lit(QLatin1StringView("no-domain")));
    }
    if (!local.isEmpty()) {
        // The shape of the local part as written in lower case.
        const QString folded = local.toString().toLower();
        c.add(c.tok().lit(prefix).lit(QLatin1StringView("local-shape:")).shape(folded));
    }
    if (a.Name.isEmpty()) {
        c.add(c.tok().lit(prefix).lit(QLatin1StringView("no-name")));
    } else {
        char name[32];
        const int len = std::snprintf(name, sizeof name, "%sname:", prefix.data());
        c.words(QLatin1StringView(name, len), a.Name);
    }
    if (a.Name.contains(u'@')) c.add(c.tok().lit(prefix).lit(QLatin1StringView("name-has-at")));
}

void recipientTokens(Collector& c, QLatin1StringView prefix, QStringView value,
                     const QString& sender) {
    // The items at commas outside double quotes.
    QVarLengthArray<QStringView, 16> list;
    bool quoted = false;
    qsizetype start = 0;
    for (qsizetype i = 0; i <= value.size(); ++i) {
        if (i < value.size() && value[i] == u'"') quoted = !quoted;
        if (i == value.size() || (value[i] == u',' && !quoted)) {
            const QStringView item = value.mid(start, i - start).trimmed();
            if (!item.isEmpty()) list.append(item);
            start = i + 1;
        }
    }
    c.add(c.tok().lit(prefix).lit(QLatin1StringView("count:")).lit(countBucket(list.size())));
    int domains = 0;
    for (const QStringView item : list) {
        if (item.contains(QLatin1StringView("undisclosed"), Qt::CaseInsensitive))
            c.add(c.tok().lit(prefix).lit(QLatin1StringView("undisclosed")));
        const QString address = addressOf(item.toString());
        if (!sender.isEmpty() && address == sender)
            c.add(c.tok().lit(prefix).lit(QLatin1StringView("is-sender")));
        const QStringView domain = domainOf(address);
        if (!domain.isEmpty() && domains++ < 5) {
            c.add(c.tok().lit(prefix).lit(QLatin1StringView("base:")).lower(baseOf(domain)));
            c.add(c.tok().lit(prefix).lit(QLatin1StringView("addr:")).lower(address));
        }
    }
}

// The subject: its words, tags and shape.
void subjectTokens(Collector& c, QStringView raw) {
    if (raw.isEmpty()) {
        c.add(QLatin1StringView("subject:empty"));
        return;
    }
    const qsizetype encoded = raw.indexOf(QLatin1StringView("=?"));
    QString decoded;
    if (encoded >= 0) {
        const qsizetype q = raw.indexOf(u'?', encoded + 2);
        if (q > encoded)
            c.add(QLatin1StringView("subject:encoded:"), raw.mid(encoded + 2, q - encoded - 2));
        decoded = DecodeHeaderText(raw.left(255).toString());
    }
    // Without an encoded word the decoded text is the text itself.
    const QStringView text = encoded >= 0 ? QStringView(decoded) : raw.left(255);
    c.words(QLatin1StringView("subject:"), text);
    const QStringView rest = text.trimmed();
    if (rest.startsWith(QLatin1StringView("re:"), Qt::CaseInsensitive))
        c.add(QLatin1StringView("subject:is-reply"));
    if (rest.startsWith(QLatin1StringView("fw"), Qt::CaseInsensitive))
        c.add(QLatin1StringView("subject:is-forward"));
    const qsizetype tag = text.indexOf(u'[');
    if (tag >= 0) {
        const qsizetype close = text.indexOf(u']', tag);
        if (close > tag)
            c.add(QLatin1StringView("subject:tag:"), text.mid(tag + 1, close - tag - 1));
    }
    int letters = 0, upper = 0, marks = 0;
    bool eightBit = false;
    for (QChar ch : text) {
        if (ch.isLetter()) {
            ++letters;
            if (ch.isUpper()) ++upper;
        }
        if (ch == u'!' || ch == u'$' || ch == u'%') ++marks;
        if (ch.unicode() >= 0x80) eightBit = true;
    }
    if (eightBit && encoded < 0) c.add(QLatin1StringView("subject:8bit"));
    if (letters >= 6 && upper * 10 >= letters * 7) c.add(QLatin1StringView("subject:capitals"));
    if (marks > 0) c.add(c.tok().lit(QLatin1StringView("subject:marks:")).lit(countBucket(marks)));
    // Spaces followed by a number at the end: a serial number added to pass filters.
    qsizetype end = rest.size();
    while (end > 0 && rest[end - 1].isDigit())
        --end;
    if (end < rest.size() && end >= 3 && rest[end - 1] == u' ' && rest[end - 2] == u' ')
        c.add(QLatin1StringView("subject:padded-number"));
}

template <class List> bool isOneOf(QStringView name, const List& names) {
    for (const QLatin1StringView n : names)
        if (sameText(name, n)) return true;
    return false;
}
bool isOneOf(QStringView name, std::initializer_list<QLatin1StringView> names) {
    return isOneOf<std::initializer_list<QLatin1StringView>>(name, names);
}

} // namespace

bool LearnedTokenizer::isExcludedField(QStringView name) {
    for (const QLatin1StringView n : ExcludedNames)
        if (sameText(name, n)) return true;
    for (const QLatin1StringView p : ExcludedPrefixes)
        if (name.startsWith(p, Qt::CaseInsensitive)) return true;
    return name.endsWith(QLatin1StringView("-date"), Qt::CaseInsensitive);
}

QStringList LearnedTokenizer::parseDomains(const QString& text) {
    QStringList list;
    for (const QString& d :
         text.toLower().split(QRegularExpression(QStringLiteral("[,;\\s]+")), Qt::SkipEmptyParts))
        list.append(d);
    return list;
}

QString LearnedTokenizer::baseDomain(QStringView host) {
    return baseOf(host).toString().toLower();
}

quint64 LearnedTokenizer::hash(QStringView token) {
    return Tok(nullptr).raw(token).hash();
}

QStringList LearnedTokenizer::tokens(const TmsHeaders& headers, QList<quint64>* hashes) const {
    std::vector<quint64> keys;
    QStringList names;
    scan(headers, keys, &names);
    if (hashes) *hashes = QList<quint64>(keys.begin(), keys.end());
    return names;
}

void LearnedTokenizer::keys(const TmsHeaders& headers, std::vector<quint64>& out) const {
    scan(headers, out, nullptr);
}

void LearnedTokenizer::scan(const TmsHeaders& headers, std::vector<quint64>& out,
                            QStringList* names) const {
    const FieldReader reader(headers);
    Collector c(out, names);

    // The provider: the domains named, and that of the topmost hop's receiving host.
    if (m_ownFor != ownDomains) {
        m_ownFor = ownDomains;
        m_ownBases.clear();
        for (const QString& d : ownDomains)
            if (!d.trimmed().isEmpty()) m_ownBases.append(baseDomain(d.trimmed()));
    }
    QString topmost; // the base domain of the topmost hop's receiving host
    const auto isOwn = [this, &topmost](QStringView host) {
        if (isLocalHost(host)) return true;
        if (host.isEmpty()) return false;
        const QStringView base = baseOf(host);
        if (!topmost.isEmpty() && sameText(base, topmost)) return true;
        for (const QString& own : m_ownBases)
            if (sameText(base, own)) return true;
        return false;
    };

    QString from, sender, senderBase;
    for (const Field& f : reader.fields)
        if (sameText(f.name, QLatin1StringView("from"))) {
            const QString value = f.value.left(255).toString();
            from = value.contains(QLatin1StringView("=?")) ? DecodeHeaderText(value) : value;
            sender = addressOf(from);
            senderBase = baseDomain(domainOf(sender));
            break;
        }
    bool firstFrom = true;

    bool outside = false;
    bool sawHop = false;
    int outsideHops = 0;
    bool hasMessageId = false;
    QVarLengthArray<QChar, 512> padded;
    for (const Field& f : reader.fields) {
        const QStringView name = f.name;
        const QStringView value = f.value;
        if (isExcludedField(name)) continue;
        if (sameText(name, QLatin1StringView("received"))) {
            const Hop hop = parseHop(value, padded);
            if (!sawHop && !hop.by.isEmpty() && !isLocalHost(hop.by))
                topmost = baseOf(hop.by).toString();
            sawHop = true;
            if (!outside) {
                // The sending side is the provider's when its address is private, or
                // when the name looked up for its address (else the name it gave) is
                // the provider's.
                int p[4];
                const bool privateIp = parseIp(hop.ip, p) && isPrivateIp(p);
                const bool fromOwn = privateIp || (hop.helo.isEmpty() && hop.ip.isEmpty()) ||
                                     isOwn(hop.rdns.isEmpty() ? hop.helo : hop.rdns);
                if (hop.by.isEmpty() || isOwn(hop.by)) {
                    if (fromOwn) continue;
                    // The hand-over: the host that gave the message to the provider.
                    outside = true;
                    c.host(QLatin1StringView("relay:domain:"), hop.rdns);
                    c.add(QLatin1StringView("relay:host:"), orNone(hop.rdns));
                    c.ip(QLatin1StringView("relay:ip:"), hop.ip);
                    c.host(QLatin1StringView("relay:helo:"), hop.helo);
                    if (hop.rdns.isEmpty() || sameText(hop.rdns, QLatin1StringView("unknown")))
                        c.add(QLatin1StringView("relay:no-rdns"));
                    else if (!sameText(baseOf(hop.helo), baseOf(hop.rdns)))
                        c.add(QLatin1StringView("relay:helo-differs"));
                    if (!senderBase.isEmpty() && sameText(baseOf(hop.rdns), senderBase))
                        c.add(QLatin1StringView("relay:is-sender-domain"));
                    c.add(QLatin1StringView("relay:with:"), orNone(hop.with));
                    ++outsideHops;
                    continue;
                }
                outside = true;
            }
            ++outsideHops;
            c.host(QLatin1StringView("rcvd:domain:"), hop.rdns.isEmpty() ? hop.helo : hop.rdns);
            c.host(QLatin1StringView("rcvd:domain:"), hop.by);
            c.ip(QLatin1StringView("rcvd:ip:"), hop.ip);
            c.add(QLatin1StringView("rcvd:with:"), orNone(hop.with));
            continue;
        }

        c.add(QLatin1StringView("field:"), name);

        if (sameText(name, QLatin1StringView("subject"))) {
            subjectTokens(c, value);
        } else if (sameText(name, QLatin1StringView("from"))) {
            if (firstFrom) {
                addressTokens(c, QLatin1StringView("from:"), from);
            } else {
                const QString v = value.left(255).toString();
                addressTokens(c, QLatin1StringView("from:"), DecodeHeaderText(v));
            }
            firstFrom = false;
        } else if (isOneOf(name, {QLatin1StringView("reply-to"), QLatin1StringView("sender"),
                                  QLatin1StringView("errors-to")})) {
            const QString address = addressOf(value.toString());
            const QStringView base = baseOf(domainOf(address));
            c.add(c.tok().lower(name).lit(QLatin1StringView(":base:")).lower(base));
            if (!senderBase.isEmpty() && !sameText(base, senderBase))
                c.add(c.tok().lower(name).lit(QLatin1StringView(":differs")));
        } else if (isOneOf(name, {QLatin1StringView("to"), QLatin1StringView("cc")})) {
            recipientTokens(c,
                            sameText(name, QLatin1StringView("to")) ? QLatin1StringView("to:")
                                                                    : QLatin1StringView("cc:"),
                            value, sender);
        } else if (sameText(name, QLatin1StringView("message-id"))) {
            hasMessageId = true;
            QStringView id = value;
            const qsizetype open = id.indexOf(u'<'), close = id.lastIndexOf(u'>');
            if (open >= 0 && close > open) id = id.mid(open + 1, close - open - 1);
            const qsizetype at = id.lastIndexOf(u'@');
            if (at < 0) {
                c.add(QLatin1StringView("msgid:no-at"));
            } else {
                const QStringView base = baseOf(id.mid(at + 1));
                c.add(QLatin1StringView("msgid:base:"), base);
                if (!senderBase.isEmpty())
                    c.add(sameText(base, senderBase) ? QLatin1StringView("msgid:sender-domain")
                                                     : QLatin1StringView("msgid:other-domain"));
            }
            if (!id.isEmpty()) c.add(c.tok().lit(QLatin1StringView("msgid:shape:")).shape(id));
        } else if (isOneOf(name, {QLatin1StringView("x-mailer"), QLatin1StringView("user-agent"),
                                  QLatin1StringView("x-mimeole")})) {
            c.add(QLatin1StringView("mailer:"), value.left(ShortValue));
            c.words(QLatin1StringView("mailer:"), value.left(80));
        } else if (sameText(name, QLatin1StringView("content-type"))) {
            const QString v = value.toString();
            c.add(QLatin1StringView("ctype:"), FirstToken(v));
            const QString charset = GetHeaderParam(QStringLiteral("charset"), v);
            c.add(QLatin1StringView("charset:"),
                  charset.isEmpty() ? QStringView(u"none") : QStringView(charset));
            const QString boundary = GetHeaderParam(QStringLiteral("boundary"), v);
            if (!boundary.isEmpty())
                c.add(c.tok().lit(QLatin1StringView("boundary:")).shape(boundary));
        } else if (sameText(name, QLatin1StringView("x-authentication-warning"))) {
            const qsizetype colon = value.indexOf(u':');
            const QStringView host = (colon >= 0 ? value.left(colon) : value).trimmed();
            if (!isOwn(host)) c.host(QLatin1StringView("authwarn:"), host);
        } else if (isOneOf(name, ListFields)) {
            c.add(c.tok().lower(name).unit(u':').lower(value.left(ShortValue)));
        } else if (isOneOf(name, {QLatin1StringView("in-reply-to"), QLatin1StringView("references"),
                                  QLatin1StringView("mime-version")})) {
            // The field's presence says it all.
        } else if (value.size() <= ShortValue) {
            c.add(c.tok().lower(name).unit(u'=').lower(value));
        }
    }
    if (!hasMessageId) c.add(QLatin1StringView("msgid:missing"));
    c.add(c.tok().lit(QLatin1StringView("rcvd:outside-hops:")).number(std::min(outsideHops, 6)));
}
