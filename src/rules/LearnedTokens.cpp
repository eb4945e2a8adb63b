#include "rules/LearnedTokens.h"

#include "mail/headers/HeaderWords.h"
#include "mail/headers/Headers.h"
#include "mail/headers/MailAddress.h"
#include "mail/mime/HeaderText.h"

#include <QRegularExpression>
#include <QSet>
#include <algorithm>

namespace {

// Fields that only give a time, or that the receiving side or a collector adds:
// whole names, then name prefixes.
const char* const ExcludedNames[] = {
    "date",
    "delivered-to",
    "x-original-to",
    "x-delivered-to",
    "return-path",
    "envelope-to",
    "x-envelope-from",
    "x-envelope-to",
    "x-keywords",
    "x-status",
    "status",
    "x-uid",
    "x-uidl",
    "lines",
    "content-length",
    "x-bogosity",
    "authentication-results",
    "received-spf",
    "x-received",
    "x-originalarrivaltime",
    "reply-by",
    "x-gmail-labels",
    "x-original-arrival-time",
};
const char* const ExcludedPrefixes[] = {
    "x-spam", "x-mozilla-",  "x-virus",  "x-razor", "x-pyzor",     "x-dcc",
    "arc-",   "x-evolution", "x-amavis", "x-gm-",   "x-fetchmail",
};

// Short second-level labels under which a country's domains are registered.
const char* const SecondLevels[] = {"co", "com", "net", "org", "gov",
                                    "ac", "edu", "ne",  "or",  "go"};

// Field values longer than this give no whole-value token.
constexpr qsizetype ShortValue = 40;
// Words outside this length give no word token.
constexpr qsizetype MinWord = 2, MaxWord = 24;

struct Field {
    QString name;  // lower case, without the colon
    QString value; // continuation lines joined with one space, trimmed
};

// The header's fields in order. A line that is neither a field nor continues one
// (such as a mailbox file's "From " separator line) is skipped.
QList<Field> fieldsOf(const TmsHeaders& headers) {
    QList<Field> fields;
    fields.reserve(headers.size());
    bool inField = false;
    for (qsizetype i = 0; i < headers.size(); ++i) {
        const QString line = headers.at(i);
        if (line.isEmpty()) break;
        if (line[0] == u' ' || line[0] == u'\t') {
            if (!inField) continue;
            QString& value = fields.last().value;
            const QStringView more = QStringView(line).trimmed();
            if (more.isEmpty()) continue;
            if (!value.isEmpty()) value += u' ';
            value += more;
            continue;
        }
        const qsizetype colon = line.indexOf(u':');
        bool named = colon > 0;
        for (qsizetype k = 0; named && k < colon; ++k)
            named = line[k] > u' ' && line[k] < QChar(127);
        inField = named;
        if (!named) continue;
        fields.append({line.left(colon).toLower(), line.mid(colon + 1).trimmed()});
    }
    return fields;
}

bool isDigits(QStringView s) {
    if (s.isEmpty()) return false;
    for (QChar c : s)
        if (c < u'0' || c > u'9') return false;
    return true;
}

// The four numbers of a dotted IPv4 address, or false.
bool parseIp(QStringView text, int (&parts)[4]) {
    if (text.isEmpty() || !text.front().isDigit() || !text.back().isDigit()) return false;
    int n = 0;
    for (QStringView piece : text.split(u'.')) {
        if (n == 4 || !isDigits(piece) || piece.size() > 3) return false;
        parts[n++] = piece.toInt();
        if (parts[n - 1] > 255) return false;
    }
    return n == 4;
}

bool isPrivateIp(const int (&p)[4]) {
    return p[0] == 10 || p[0] == 127 || (p[0] == 172 && p[1] >= 16 && p[1] < 32) ||
           (p[0] == 192 && p[1] == 168) || (p[0] == 169 && p[1] == 254) || p[0] == 0;
}

// A shape of a text: runs of digits become "9", of lower-case letters "a", of
// upper-case letters "A"; other characters stay. "1028311679.886@x" is "9.9@a".
QString shapeOf(QStringView text) {
    QString shape;
    QChar last;
    for (QChar c : text) {
        QChar k = c;
        if (c.isDigit())
            k = u'9';
        else if (c.isLower())
            k = u'a';
        else if (c.isUpper())
            k = u'A';
        else if (c.isLetter())
            k = u'a';
        if (k == last && (k == u'9' || k == u'a' || k == u'A')) continue;
        shape += k;
        last = k;
        if (shape.size() >= 24) break;
    }
    return shape;
}

// One Received field taken apart.
struct Hop {
    QString helo; // the name the sending host gave
    QString rdns; // the name the receiving host looked up for it
    QString ip;   // the sending host's address
    QString by;   // the receiving host
    QString with; // the protocol
};

// The first word of text from pos on: up to a blank, '(', ')', ';' or '['.
QString wordAt(QStringView text, qsizetype pos) {
    while (pos < text.size() && text[pos] == u' ')
        ++pos;
    qsizetype end = pos;
    while (end < text.size() && text[end] != u' ' && text[end] != u'(' && text[end] != u')' &&
           text[end] != u';' && text[end] != u'[')
        ++end;
    return text.mid(pos, end - pos).toString().toLower();
}

// Where the word (lower case, with a blank on each side) starts in text, or -1.
qsizetype keyword(QStringView text, QLatin1StringView word, qsizetype from = 0) {
    return text.indexOf(word, from, Qt::CaseInsensitive);
}

Hop parseHop(QStringView value) {
    Hop hop;
    // The time after the last ';' is never read.
    const qsizetype semi = value.lastIndexOf(u';');
    if (semi >= 0) value = value.left(semi);
    const QString padded = u' ' + value.toString() + u' ';
    const QStringView text = padded;
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
                hop.ip = ip.toString();
            }
        }
        const qsizetype paren = from.indexOf(u'(', f + 6);
        if (paren >= 0) {
            QString name = wordAt(from, paren + 1);
            const qsizetype at = name.lastIndexOf(u'@');
            if (at >= 0) name = name.mid(at + 1);
            int p[4];
            if (name.contains(u'.') && !parseIp(name, p))
                hop.rdns = name;
            else if (name == QLatin1String("unknown"))
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

bool isLocalHost(const QString& host) {
    if (host.isEmpty()) return false;
    int p[4];
    if (parseIp(host, p)) return isPrivateIp(p);
    return !host.contains(u'.') || host == QLatin1String("localhost") ||
           host.endsWith(QLatin1String(".localdomain")) ||
           host.startsWith(QLatin1String("localhost."));
}

class Collector {
public:
    QStringList tokens;
    QList<quint64> hashes;

    Collector() {
        tokens.reserve(128);
        hashes.reserve(128);
    }

    void add(const QString& token) {
        const quint64 h = LearnedTokenizer::hash(token);
        if (hashes.contains(h)) return;
        hashes.append(h);
        tokens.append(token);
    }
    // prefix + rest; nothing when rest is empty.
    void add(const QString& prefix, QStringView rest) {
        if (rest.isEmpty()) return;
        QString token;
        token.reserve(prefix.size() + rest.size());
        token.append(prefix);
        token.append(rest);
        add(token);
    }

    // Every word of text as prefix + word, lower case; numbers give "prefix#".
    void words(const QString& prefix, QStringView text) {
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
                    add(prefix + QLatin1Char('#'));
                else if (w.size() >= MinWord && w.size() <= MaxWord)
                    add(prefix, w.toString().toLower());
                else if (w.size() > MaxWord)
                    add(prefix + QLatin1String("long"));
            }
            i = end;
        }
    }

    // A host name as tokens: its registrable domain, and the whole name.
    void host(const QString& prefix, const QString& host) {
        if (host.isEmpty()) return;
        int p[4];
        if (parseIp(host, p)) return;
        add(prefix, LearnedTokenizer::baseDomain(host));
    }

    void ip(const QString& prefix, const QString& ip) {
        int p[4];
        if (!parseIp(ip, p)) return;
        add(prefix, QStringLiteral("%1.%2.%3").arg(p[0]).arg(p[1]).arg(p[2]));
        add(prefix, QStringLiteral("%1.%2").arg(p[0]).arg(p[1]));
    }

private:
    static bool isWordChar(QChar c) { return c.isLetterOrNumber() || c == u'$'; }
    // Characters that stay inside a word when a word character follows.
    static bool isInnerChar(QStringView text, qsizetype i) {
        const QChar c = text[i];
        return (c == u'-' || c == u'\'' || c == u'.' || c == u',') && i + 1 < text.size() &&
               isWordChar(text[i + 1]);
    }
};

// A part that a hop does not name is a token of its own: "none".
QString orNone(const QString& part) {
    return part.isEmpty() ? QStringLiteral("none") : part;
}

QString countBucket(qsizetype n) {
    if (n <= 2) return QString::number(n);
    if (n <= 5) return QStringLiteral("3-5");
    if (n <= 20) return QStringLiteral("6-20");
    return QStringLiteral("21+");
}

// The address, the domain and the display name of a sender-like field.
void addressTokens(Collector& c, const QString& prefix, const QString& value) {
    TmsMailAddress a;
    ParseMailAddress(value, a);
    const QString address = a.Address.trimmed().toLower();
    const qsizetype at = address.lastIndexOf(u'@');
    const QString local = at >= 0 ? address.left(at) : address;
    const QString domain = at >= 0 ? address.mid(at + 1) : QString();
    c.add(prefix + QLatin1String("addr:"), address);
    if (!domain.isEmpty()) {
        c.add(prefix + QLatin1String("domain:"), domain);
        c.add(prefix + QLatin1String("base:"), LearnedTokenizer::baseDomain(domain));
    } else {
        c.add(prefix + QLatin1String("no-domain"));
    }
    c.add(prefix + QLatin1String("local-shape:"), shapeOf(local));
    if (a.Name.isEmpty())
        c.add(prefix + QLatin1String("no-name"));
    else
        c.words(prefix + QLatin1String("name:"), a.Name);
    if (a.Name.contains(u'@')) c.add(prefix + QLatin1String("name-has-at"));
}

QString addressOf(const QString& value) {
    QString address, name;
    SplitMailAddress(value, address, name);
    return address.trimmed().toLower();
}

QString domainOf(const QString& address) {
    const qsizetype at = address.lastIndexOf(u'@');
    return at >= 0 ? address.mid(at + 1) : QString();
}

// Splits a recipients' field at commas outside double quotes.
QStringList recipients(const QString& value) {
    QStringList list;
    bool quoted = false;
    qsizetype start = 0;
    for (qsizetype i = 0; i <= value.size(); ++i) {
        if (i < value.size() && value[i] == u'"') quoted = !quoted;
        if (i == value.size() || (value[i] == u',' && !quoted)) {
            const QString item = value.mid(start, i - start).trimmed();
            if (!item.isEmpty()) list.append(item);
            start = i + 1;
        }
    }
    return list;
}

void recipientTokens(Collector& c, const QString& prefix, const QString& value,
                     const QString& sender) {
    const QStringList list = recipients(value);
    c.add(prefix + QLatin1String("count:"), countBucket(list.size()));
    int domains = 0;
    for (const QString& item : list) {
        if (item.contains(QLatin1String("undisclosed"), Qt::CaseInsensitive))
            c.add(prefix + QLatin1String("undisclosed"));
        const QString address = addressOf(item);
        if (!sender.isEmpty() && address == sender) c.add(prefix + QLatin1String("is-sender"));
        const QString domain = domainOf(address);
        if (!domain.isEmpty() && domains++ < 5) {
            c.add(prefix + QLatin1String("base:"), LearnedTokenizer::baseDomain(domain));
            c.add(prefix + QLatin1String("addr:"), address);
        }
    }
}

// The subject: its words, tags and shape.
void subjectTokens(Collector& c, const QString& raw) {
    if (raw.isEmpty()) {
        c.add(QStringLiteral("subject:empty"));
        return;
    }
    const qsizetype encoded = raw.indexOf(QLatin1String("=?"));
    if (encoded >= 0) {
        const qsizetype q = raw.indexOf(u'?', encoded + 2);
        if (q > encoded)
            c.add(QStringLiteral("subject:encoded:"),
                  raw.mid(encoded + 2, q - encoded - 2).toLower());
    }
    const QString text = DecodeHeaderText(raw.left(255));
    c.words(QStringLiteral("subject:"), text);
    QStringView rest = QStringView(text).trimmed();
    if (rest.startsWith(QLatin1StringView("re:"), Qt::CaseInsensitive))
        c.add(QStringLiteral("subject:is-reply"));
    if (rest.startsWith(QLatin1StringView("fw"), Qt::CaseInsensitive))
        c.add(QStringLiteral("subject:is-forward"));
    const qsizetype tag = text.indexOf(u'[');
    if (tag >= 0) {
        const qsizetype close = text.indexOf(u']', tag);
        if (close > tag)
            c.add(QStringLiteral("subject:tag:"), text.mid(tag + 1, close - tag - 1).toLower());
    }
    int letters = 0, upper = 0, marks = 0;
    for (QChar ch : text) {
        if (ch.isLetter()) {
            ++letters;
            if (ch.isUpper()) ++upper;
        }
        if (ch == u'!' || ch == u'$' || ch == u'%') ++marks;
        if (ch.unicode() >= 0x80 && encoded < 0) c.add(QStringLiteral("subject:8bit"));
    }
    if (letters >= 6 && upper * 10 >= letters * 7) c.add(QStringLiteral("subject:capitals"));
    if (marks > 0) c.add(QStringLiteral("subject:marks:") + countBucket(marks));
    // Spaces followed by a number at the end: a serial number added to pass filters.
    const QString trimmed = text.trimmed();
    qsizetype end = trimmed.size();
    while (end > 0 && trimmed[end - 1].isDigit())
        --end;
    if (end < trimmed.size() && end >= 3 && trimmed[end - 1] == u' ' && trimmed[end - 2] == u' ')
        c.add(QStringLiteral("subject:padded-number"));
}

} // namespace

bool LearnedTokenizer::isExcludedField(QStringView name) {
    for (const char* n : ExcludedNames)
        if (name.compare(QLatin1StringView(n), Qt::CaseInsensitive) == 0) return true;
    for (const char* p : ExcludedPrefixes)
        if (name.startsWith(QLatin1StringView(p), Qt::CaseInsensitive)) return true;
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
    while (host.endsWith(u'.'))
        host.chop(1);
    int p[4];
    if (parseIp(host, p)) return host.toString().toLower();
    // Where the last two labels start, and the last three.
    const qsizetype last = host.lastIndexOf(u'.');
    if (last < 0) return host.toString().toLower();
    const qsizetype second = host.lastIndexOf(u'.', last - 1);
    if (second < 0) return host.toString().toLower();
    qsizetype start = second + 1;
    if (host.size() - last - 1 == 2) {
        const QStringView label = host.mid(second + 1, last - second - 1);
        for (const char* s : SecondLevels)
            if (label.compare(QLatin1StringView(s), Qt::CaseInsensitive) == 0) {
                start = host.lastIndexOf(u'.', second - 1) + 1;
                break;
            }
    }
    return host.mid(start).toString().toLower();
}

quint64 LearnedTokenizer::hash(QStringView token) {
    quint64 h = 14695981039346656037ull;
    for (const QChar c : token)
        h = (h ^ c.unicode()) * 1099511628211ull;
    return h;
}

QStringList LearnedTokenizer::tokens(const TmsHeaders& headers, QList<quint64>* hashes) const {
    const QList<Field> fields = fieldsOf(headers);
    Collector c;

    // The provider: the domains named, and that of the topmost hop's receiving host.
    QSet<QString> own;
    for (const QString& d : ownDomains)
        if (!d.trimmed().isEmpty()) own.insert(baseDomain(d.trimmed()));
    const auto isOwn = [&own](const QString& host) {
        return isLocalHost(host) || (!host.isEmpty() && own.contains(baseDomain(host)));
    };

    QString from, sender, senderBase;
    for (const Field& f : fields)
        if (f.name == QLatin1String("from")) {
            from = DecodeHeaderText(f.value.left(255));
            sender = addressOf(from);
            senderBase = baseDomain(domainOf(sender));
            break;
        }
    bool firstFrom = true;

    bool outside = false;
    bool sawHop = false;
    int outsideHops = 0;
    bool hasMessageId = false;
    for (const Field& f : fields) {
        const QString& name = f.name;
        if (isExcludedField(name)) continue;
        if (name == QLatin1String("received")) {
            const Hop hop = parseHop(f.value);
            if (!sawHop && !hop.by.isEmpty() && !isLocalHost(hop.by))
                own.insert(baseDomain(hop.by));
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
                    c.host(QStringLiteral("relay:domain:"), hop.rdns);
                    c.add(QStringLiteral("relay:host:"), orNone(hop.rdns));
                    c.ip(QStringLiteral("relay:ip:"), hop.ip);
                    c.host(QStringLiteral("relay:helo:"), hop.helo);
                    if (hop.rdns.isEmpty() || hop.rdns == QLatin1String("unknown"))
                        c.add(QStringLiteral("relay:no-rdns"));
                    else if (baseDomain(hop.helo) != baseDomain(hop.rdns))
                        c.add(QStringLiteral("relay:helo-differs"));
                    if (!senderBase.isEmpty() && baseDomain(hop.rdns) == senderBase)
                        c.add(QStringLiteral("relay:is-sender-domain"));
                    c.add(QStringLiteral("relay:with:"), orNone(hop.with));
                    ++outsideHops;
                    continue;
                }
                outside = true;
            }
            ++outsideHops;
            c.host(QStringLiteral("rcvd:domain:"), hop.rdns.isEmpty() ? hop.helo : hop.rdns);
            c.host(QStringLiteral("rcvd:domain:"), hop.by);
            c.ip(QStringLiteral("rcvd:ip:"), hop.ip);
            c.add(QStringLiteral("rcvd:with:"), orNone(hop.with));
            continue;
        }

        c.add(QStringLiteral("field:"), name);

        if (name == QLatin1String("subject")) {
            subjectTokens(c, f.value);
        } else if (name == QLatin1String("from")) {
            addressTokens(c, QStringLiteral("from:"),
                          firstFrom ? from : DecodeHeaderText(f.value.left(255)));
            firstFrom = false;
        } else if (name == QLatin1String("reply-to") || name == QLatin1String("sender") ||
                   name == QLatin1String("errors-to")) {
            const QString address = addressOf(f.value);
            const QString base = baseDomain(domainOf(address));
            c.add(name + QLatin1String(":base:") + base);
            if (!senderBase.isEmpty() && base != senderBase)
                c.add(name + QLatin1String(":differs"));
        } else if (name == QLatin1String("to") || name == QLatin1String("cc")) {
            recipientTokens(
                c, name == QLatin1String("to") ? QStringLiteral("to:") : QStringLiteral("cc:"),
                f.value, sender);
        } else if (name == QLatin1String("message-id")) {
            hasMessageId = true;
            QString id = f.value;
            const qsizetype open = id.indexOf(u'<'), close = id.lastIndexOf(u'>');
            if (open >= 0 && close > open) id = id.mid(open + 1, close - open - 1);
            const qsizetype at = id.lastIndexOf(u'@');
            if (at < 0) {
                c.add(QStringLiteral("msgid:no-at"));
            } else {
                const QString domain = id.mid(at + 1).toLower();
                const QString base = baseDomain(domain);
                c.add(QStringLiteral("msgid:base:"), base);
                if (!senderBase.isEmpty())
                    c.add(base == senderBase ? QStringLiteral("msgid:sender-domain")
                                             : QStringLiteral("msgid:other-domain"));
            }
            c.add(QStringLiteral("msgid:shape:"), shapeOf(id));
        } else if (name == QLatin1String("x-mailer") || name == QLatin1String("user-agent") ||
                   name == QLatin1String("x-mimeole")) {
            c.add(QStringLiteral("mailer:"), f.value.left(ShortValue).toLower());
            c.words(QStringLiteral("mailer:"), f.value.left(80));
        } else if (name == QLatin1String("content-type")) {
            c.add(QStringLiteral("ctype:"), FirstToken(f.value).toLower());
            const QString charset = GetHeaderParam(QStringLiteral("charset"), f.value);
            c.add(QStringLiteral("charset:"),
                  charset.isEmpty() ? QStringLiteral("none") : charset.toLower());
            const QString boundary = GetHeaderParam(QStringLiteral("boundary"), f.value);
            if (!boundary.isEmpty()) c.add(QStringLiteral("boundary:"), shapeOf(boundary));
        } else if (name == QLatin1String("x-authentication-warning")) {
            const QString host = f.value.section(u':', 0, 0).trimmed().toLower();
            if (!isOwn(host)) c.host(QStringLiteral("authwarn:"), host);
        } else if (name == QLatin1String("list-id") || name == QLatin1String("x-beenthere") ||
                   name == QLatin1String("list-post") || name == QLatin1String("mailing-list") ||
                   name == QLatin1String("x-loop") || name == QLatin1String("precedence") ||
                   name == QLatin1String("organization")) {
            c.add(name + u':' + f.value.left(ShortValue).toLower());
        } else if (name == QLatin1String("in-reply-to") || name == QLatin1String("references") ||
                   name == QLatin1String("mime-version")) {
            // The field's presence says it all.
        } else if (f.value.size() <= ShortValue) {
            c.add(name + u'=' + f.value.toLower());
        }
    }
    if (!hasMessageId) c.add(QStringLiteral("msgid:missing"));
    c.add(QStringLiteral("rcvd:outside-hops:") + QString::number(std::min(outsideHops, 6)));
    if (hashes) *hashes = std::move(c.hashes);
    return c.tokens;
}
