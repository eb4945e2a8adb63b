#include "mail/imap/ImapResponse.h"

#include "mail/Exceptions.h"

namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// Digits as an unsigned number; nothing when empty, not all digits or too large.
std::optional<quint64> digitsValue(QByteArrayView digits) {
    if (digits.isEmpty() || digits.size() > 19) return std::nullopt;
    quint64 value = 0;
    for (char c : digits) {
        if (!isDigit(c)) return std::nullopt;
        value = value * 10 + quint64(c - '0');
    }
    return value;
}

[[noreturn]] void unreadable(const QString& why, QByteArrayView bytes) {
    const qsizetype lf = bytes.indexOf('\n');
    QByteArray line = bytes.first(lf < 0 ? bytes.size() : lf).toByteArray().left(120);
    for (char& c : line)
        if (static_cast<unsigned char>(c) < 32 || c == 127) c = ' ';
    throw EServerError(TrText::translate("Exception", "The server's reply cannot be read (%1): %2")
                           .arg(why, QString::fromLatin1(line.trimmed())));
}

// The length a line announces for the literal that follows it ("{12}",
// "{12+}", "~{12}" at its very end); -1 when it announces none.
qint64 announcedLiteral(QByteArrayView line) {
    if (line.endsWith('\r')) line.chop(1);
    if (!line.endsWith('}')) return -1;
    const qsizetype open = line.lastIndexOf('{');
    if (open < 0) return -1;
    QByteArrayView digits = line.sliced(open + 1, line.size() - open - 2);
    if (digits.endsWith('+')) digits.chop(1);
    const std::optional<quint64> n = digitsValue(digits);
    if (!n || *n > quint64(std::numeric_limits<qint64>::max())) return -1;
    return qint64(*n);
}

// A cursor over one complete response.
class Parser {
public:
    Parser(QByteArrayView bytes, int depthLimit) : m_b(bytes), m_depthLimit(depthLimit) {}

    ImapResponse parse();

private:
    bool atEnd() const { return m_i >= m_b.size(); }
    char peek() const { return atEnd() ? '\0' : m_b[m_i]; }
    bool atLineEnd() const { return atEnd() || peek() == '\r' || peek() == '\n'; }
    [[noreturn]] void fail(const QString& why) const { unreadable(why, m_b); }

    void skipSpaces() {
        while (!atEnd() && peek() == ' ')
            ++m_i;
    }
    // One or more spaces; fails otherwise.
    void expectSpace() {
        if (peek() != ' ') fail(QStringLiteral("a space is missing"));
        skipSpaces();
    }
    // The rest of the line, without its line end.
    QByteArray restOfLine() {
        const qsizetype from = m_i;
        while (!atLineEnd())
            ++m_i;
        return m_b.sliced(from, m_i - from).toByteArray();
    }
    // An atom: up to a space, a parenthesis, a line end or (in a response code)
    // a closing bracket; a bracketed section ("BODY[HEADER.FIELDS (A B)]")
    // belongs to it whole.
    QByteArray atom(bool inCode = false);
    ImapValue value(int depth, bool inCode = false);
    ImapValue list(int depth, bool inCode);
    QByteArray quoted();
    QByteArray literal();
    // Values up to the end of the line (or a closing bracket in a code).
    QList<ImapValue> values(int depth, bool inCode = false);
    void statusRest(ImapResponse& r);
    void fetchItems(ImapResponse& r);

    QByteArrayView m_b;
    qsizetype m_i = 0;
    int m_depthLimit;
};

QByteArray Parser::atom(bool inCode) {
    const qsizetype from = m_i;
    while (!atLineEnd()) {
        const char c = peek();
        if (c == ' ' || c == '(' || c == ')' || c == '"' || c == '{') break;
        if (c == ']' && inCode) break;
        if (c == '[') {
            const qsizetype close = m_b.indexOf(']', m_i);
            const qsizetype end = m_b.indexOf('\n', m_i);
            if (close < 0 || (end >= 0 && close > end))
                fail(QStringLiteral("a section is not closed"));
            m_i = close + 1;
            continue;
        }
        ++m_i;
    }
    if (m_i == from) fail(QStringLiteral("a value is missing"));
    return m_b.sliced(from, m_i - from).toByteArray();
}

QByteArray Parser::quoted() {
    ++m_i; // the opening quote
    QByteArray text;
    for (;;) {
        if (atLineEnd()) fail(QStringLiteral("a quoted string is not closed"));
        const char c = m_b[m_i++];
        if (c == '"') return text;
        if (c == '\\') {
            if (atLineEnd()) fail(QStringLiteral("a quoted string is not closed"));
            text += m_b[m_i++];
            continue;
        }
        text += c;
    }
}

QByteArray Parser::literal() {
    if (peek() == '~') ++m_i;
    const qsizetype close = m_b.indexOf('}', m_i);
    if (close < 0) fail(QStringLiteral("a literal's length is not closed"));
    QByteArrayView digits = m_b.sliced(m_i + 1, close - m_i - 1);
    if (digits.endsWith('+')) digits.chop(1);
    const std::optional<quint64> n = digitsValue(digits);
    if (!n) fail(QStringLiteral("a literal's length is not a number"));
    m_i = close + 1;
    if (peek() == '\r') ++m_i;
    if (peek() != '\n') fail(QStringLiteral("a literal's length does not end its line"));
    ++m_i;
    if (*n > quint64(m_b.size() - m_i)) fail(QStringLiteral("a literal is cut short"));
    const QByteArray bytes = m_b.sliced(m_i, qsizetype(*n)).toByteArray();
    m_i += qsizetype(*n);
    return bytes;
}

ImapValue Parser::list(int depth, bool inCode) {
    if (depth >= m_depthLimit) fail(QStringLiteral("lists nest too deep"));
    ++m_i; // the opening parenthesis
    ImapValue v;
    v.kind = ImapValue::Kind::List;
    for (;;) {
        skipSpaces();
        if (atLineEnd()) fail(QStringLiteral("a list is not closed"));
        if (peek() == ')') {
            ++m_i;
            return v;
        }
        v.items.append(value(depth + 1, inCode));
    }
}

ImapValue Parser::value(int depth, bool inCode) {
    ImapValue v;
    const char c = peek();
    if (c == '(') return list(depth, inCode);
    if (c == '"') {
        v.kind = ImapValue::Kind::String;
        v.text = quoted();
        return v;
    }
    if (c == '{' || (c == '~' && m_i + 1 < m_b.size() && m_b[m_i + 1] == '{')) {
        v.kind = ImapValue::Kind::String;
        v.text = literal();
        return v;
    }
    if (c == ')') fail(QStringLiteral("a parenthesis closes nothing"));
    v.text = atom(inCode);
    if (const std::optional<quint64> n = digitsValue(v.text)) {
        v.kind = ImapValue::Kind::Number;
        v.number = *n;
    } else if (v.text.compare("NIL", Qt::CaseInsensitive) == 0) {
        v.kind = ImapValue::Kind::Nil;
        v.text.clear();
    } else {
        v.kind = ImapValue::Kind::Atom;
    }
    return v;
}

QList<ImapValue> Parser::values(int depth, bool inCode) {
    QList<ImapValue> out;
    for (;;) {
        skipSpaces();
        if (atLineEnd() || (inCode && peek() == ']')) return out;
        out.append(value(depth, inCode));
    }
}

void Parser::statusRest(ImapResponse& r) {
    skipSpaces();
    if (peek() == '[') {
        ++m_i;
        const qsizetype from = m_i;
        const qsizetype close = m_b.indexOf(']', m_i);
        const qsizetype end = m_b.indexOf('\n', m_i);
        if (close < 0 || (end >= 0 && close > end))
            fail(QStringLiteral("a response code is not closed"));
        const QByteArrayView inside = m_b.sliced(from, close - from);
        qsizetype nameEnd = 0;
        while (nameEnd < inside.size() && inside[nameEnd] != ' ')
            ++nameEnd;
        r.code.name = inside.first(nameEnd).toByteArray().toUpper();
        r.code.raw = inside.sliced(nameEnd).trimmed().toByteArray();
        // The arguments as values where they read as such: a code of another
        // form keeps its raw text.
        try {
            Parser inner(r.code.raw, m_depthLimit);
            r.code.args = inner.values(0, true);
        } catch (const EServerError&) {
            r.code.args.clear();
        }
        m_i = close + 1;
        skipSpaces();
    }
    r.text = restOfLine();
}

void Parser::fetchItems(ImapResponse& r) {
    skipSpaces();
    if (peek() != '(') fail(QStringLiteral("a FETCH response holds no list"));
    const ImapValue items = list(0, false);
    for (qsizetype k = 0; k + 1 < items.items.size(); k += 2) {
        const ImapValue& name = items.items.at(k);
        const ImapValue& v = items.items.at(k + 1);
        if (!name.isAtom()) fail(QStringLiteral("a FETCH item has no name"));
        QByteArray item = name.text.toUpper();
        // A partial's origin ("BODY[]<0>") names the same item.
        if (item.endsWith('>') && item.contains('<')) item.truncate(item.lastIndexOf('<'));
        if (item == "UID") {
            if (!v.isNumber() || v.number == 0 || v.number > 0xFFFFFFFFu)
                fail(QStringLiteral("a UID is not a number"));
            r.fetch.uid = quint32(v.number);
        } else if (item == "RFC822.SIZE") {
            if (!v.isNumber() || v.number > quint64(std::numeric_limits<qint64>::max()))
                fail(QStringLiteral("a size is not a number"));
            r.fetch.size = qint64(v.number);
        } else if (item == "BODY[HEADER]" || item == "RFC822.HEADER") {
            if (!v.isString() && !v.isNil()) fail(QStringLiteral("a header is not a string"));
            r.fetch.header = v.text;
        } else if (item == "BODY[]" || item == "RFC822" || item == "BINARY[]") {
            if (!v.isString() && !v.isNil()) fail(QStringLiteral("a message is not a string"));
            r.fetch.body = v.text;
        } else if (item == "FLAGS") {
            if (!v.isList()) fail(QStringLiteral("flags are not a list"));
            QList<QByteArray> flags;
            for (const ImapValue& f : v.items)
                flags << f.text;
            r.fetch.flags = flags;
        }
    }
    if (items.items.size() % 2 != 0) fail(QStringLiteral("a FETCH item has no value"));
}

ImapResponse Parser::parse() {
    ImapResponse r;
    const qsizetype lf = m_b.indexOf('\n');
    r.firstLine = m_b.first(lf < 0 ? m_b.size() : lf).toByteArray();
    if (r.firstLine.endsWith('\r')) r.firstLine.chop(1);
    for (char& c : r.firstLine)
        if (static_cast<unsigned char>(c) < 32 || c == 127) c = ' ';

    if (peek() == '+') {
        ++m_i;
        r.kind = ImapResponse::Kind::Continuation;
        if (peek() == ' ') ++m_i;
        r.text = restOfLine();
        return r;
    }
    const auto statusOf = [](const QByteArray& word) {
        const QByteArray w = word.toUpper();
        if (w == "OK") return ImapResponse::Status::Ok;
        if (w == "NO") return ImapResponse::Status::No;
        if (w == "BAD") return ImapResponse::Status::Bad;
        if (w == "PREAUTH") return ImapResponse::Status::PreAuth;
        if (w == "BYE") return ImapResponse::Status::Bye;
        return ImapResponse::Status::None;
    };
    if (peek() == '*') {
        ++m_i;
        r.kind = ImapResponse::Kind::Untagged;
        expectSpace();
        const QByteArray word = atom();
        if (const std::optional<quint64> n = digitsValue(word)) {
            if (*n > 0xFFFFFFFFu) fail(QStringLiteral("a message number is too large"));
            r.number = qint64(*n);
            expectSpace();
            r.name = atom().toUpper();
            if (r.name == "FETCH") {
                fetchItems(r);
            } else if (r.name != "EXISTS" && r.name != "RECENT" && r.name != "EXPUNGE") {
                r.data = values(0);
            }
            return r;
        }
        r.status = statusOf(word);
        if (r.isStatus()) {
            statusRest(r);
            return r;
        }
        r.name = word.toUpper();
        // Data of a kind the client never asked for need not be read to the
        // letter: its text may be free-form.
        static const QByteArray known[] = {"CAPABILITY", "LIST",   "LSUB",
                                           "FLAGS",      "SEARCH", "ENABLED"};
        const bool needed =
            std::find(std::begin(known), std::end(known), r.name) != std::end(known);
        try {
            r.data = values(0);
        } catch (const EServerError&) {
            if (needed) throw;
            r.data.clear();
        }
        return r;
    }
    r.kind = ImapResponse::Kind::Tagged;
    r.tag = atom();
    expectSpace();
    r.status = statusOf(atom());
    if (r.status != ImapResponse::Status::Ok && r.status != ImapResponse::Status::No &&
        r.status != ImapResponse::Status::Bad)
        fail(QStringLiteral("a tagged response has no status"));
    statusRest(r);
    return r;
}

} // namespace

bool ImapValue::is(QByteArrayView name) const {
    return (isAtom() || isNumber()) && QByteArrayView(text).compare(name, Qt::CaseInsensitive) == 0;
}

QByteArray ImapValue::textValue() const {
    return isList() || isNil() ? QByteArray() : text;
}

std::optional<quint64> ImapCode::number() const {
    if (args.isEmpty() || !args.first().isNumber()) return std::nullopt;
    return args.first().number;
}

void ImapReader::feed(QByteArrayView bytes) {
    m_buffer.append(bytes.data(), bytes.size());
}

void ImapReader::clear() {
    m_buffer.clear();
    m_start = m_scan = 0;
    m_lineStart = 0;
    m_literalEnd = -1;
    m_textLength = 0;
}

bool ImapReader::next(ImapResponse& response) {
    for (;;) {
        if (m_literalEnd >= 0) {
            if (m_buffer.size() < m_literalEnd) return false;
            m_scan = m_lineStart = m_literalEnd;
            m_literalEnd = -1;
        }
        const qsizetype lf = m_buffer.indexOf('\n', m_scan);
        if (lf < 0) {
            m_scan = m_buffer.size();
            if (m_textLength + (m_buffer.size() - m_lineStart) > LineLimit)
                unreadable(QStringLiteral("a line is longer than %1 bytes").arg(LineLimit),
                           QByteArrayView(m_buffer).sliced(m_start));
            return false;
        }
        m_textLength += lf + 1 - m_lineStart;
        if (m_textLength > LineLimit)
            unreadable(QStringLiteral("a line is longer than %1 bytes").arg(LineLimit),
                       QByteArrayView(m_buffer).sliced(m_start));
        const qint64 literal =
            announcedLiteral(QByteArrayView(m_buffer).sliced(m_lineStart, lf - m_lineStart));
        if (literal >= 0) {
            if (literal > m_literalLimit)
                throw EServerError(
                    TrText::translate("Exception", "The server's reply is larger than %1 bytes")
                        .arg(m_literalLimit));
            m_literalEnd = lf + 1 + qsizetype(literal);
            continue;
        }
        const qsizetype end = lf + 1;
        response = parse(QByteArrayView(m_buffer).sliced(m_start, end - m_start));
        m_start = m_scan = m_lineStart = end;
        m_textLength = 0;
        // What was read goes once it is a good part of the buffer.
        if (m_start > 65536 && m_start * 2 > m_buffer.size()) {
            m_buffer.remove(0, m_start);
            m_scan -= m_start;
            m_lineStart -= m_start;
            m_start = 0;
        }
        return true;
    }
}

ImapResponse ImapReader::parse(QByteArrayView bytes, int depthLimit) {
    return Parser(bytes, depthLimit).parse();
}
