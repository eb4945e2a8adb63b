#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <optional>

// One value of an IMAP response: an atom (flags, keywords, sequence sets and
// section names like BODY[HEADER] included), a number, a string (quoted or a
// literal, its bytes as sent), NIL, or a parenthesised list.
struct ImapValue {
    enum class Kind { Atom, Number, String, Nil, List };
    Kind kind = Kind::Nil;
    QByteArray text;        // atom and string bytes; a number's digits
    quint64 number = 0;     // for Number
    QList<ImapValue> items; // for List

    bool isAtom() const { return kind == Kind::Atom; }
    bool isNumber() const { return kind == Kind::Number; }
    bool isString() const { return kind == Kind::String; }
    bool isNil() const { return kind == Kind::Nil; }
    bool isList() const { return kind == Kind::List; }
    // An atom or a number compared with name without regard to case.
    bool is(QByteArrayView name) const;
    // A string, an atom or a number as text; empty for NIL and lists.
    QByteArray textValue() const;
};

// A response code in brackets after a status: "[UIDVALIDITY 3857529045]". name
// is upper case; args holds what follows it, read as values where it can be
// (a code of a form not known keeps its raw text only).
struct ImapCode {
    QByteArray name;
    QByteArray raw; // the text between the name and the closing bracket
    QList<ImapValue> args;

    bool isEmpty() const { return name.isEmpty(); }
    // The first argument as a number; nothing when it is none.
    std::optional<quint64> number() const;
};

// What a FETCH response gave for one message. Items not asked for are skipped.
struct ImapFetch {
    std::optional<quint32> uid;
    std::optional<qint64> size;       // RFC822.SIZE
    std::optional<QByteArray> header; // BODY[HEADER] (NIL reads as empty)
    std::optional<QByteArray> body;   // BODY[] (NIL reads as empty)
    std::optional<QList<QByteArray>> flags;
};

// One response of the server, as the reader found it.
struct ImapResponse {
    enum class Kind { Continuation, Tagged, Untagged };
    enum class Status { None, Ok, No, Bad, PreAuth, Bye };
    Kind kind = Kind::Untagged;
    QByteArray tag;               // for Tagged
    Status status = Status::None; // a status response (tagged, or untagged OK/NO/BAD/...)
    ImapCode code;                // its response code, when it has one
    QByteArray text;              // its human-readable text; a continuation's text
    // Untagged data: "* 3 EXISTS" gives number 3 and name "EXISTS"; "* CAPABILITY
    // IMAP4rev1 IDLE" gives name "CAPABILITY" and the atoms in data. name is
    // upper case; number is -1 when the response has none.
    QByteArray name;
    qint64 number = -1;
    QList<ImapValue> data;
    // For "* n FETCH (...)": the items read from it.
    ImapFetch fetch;

    bool isStatus() const { return status != Status::None; }
    bool ok() const { return status == Status::Ok; }
    // The response as a line for a failure's text: up to limit bytes of its
    // first line, control characters as spaces.
    QByteArray summary(qsizetype limit = 200) const { return firstLine.left(limit); }
    QByteArray firstLine;
};

// Reads IMAP responses out of the bytes a server sends: feed() whatever
// arrived, then take the complete responses with next(). It holds no socket;
// what a response promises (a literal of n bytes) it waits for, and what
// breaks the grammar or a limit raises EServerError with the reason, after
// which the stream cannot be read on (the connection must go).
class ImapReader {
public:
    // The largest literal accepted, and the longest text outside literals in one
    // response; a server announcing more raises at once, before the bytes come.
    static constexpr qint64 DefaultLiteralLimit = 512 * 1024;
    static constexpr qint64 LineLimit = 256 * 1024;
    // How deep lists may nest: deeper is no server's answer to our commands.
    static constexpr int DepthLimit = 32;

    // Appends bytes as received.
    void feed(QByteArrayView bytes);
    // Takes the next complete response into response; false when what was fed
    // does not complete one yet. Raises EServerError for bytes that are no
    // response.
    bool next(ImapResponse& response);
    // The largest literal the next responses may carry.
    void setLiteralLimit(qint64 limit) { m_literalLimit = limit; }
    qint64 literalLimit() const { return m_literalLimit; }
    // Bytes fed and not yet taken as a response.
    qsizetype pending() const { return m_buffer.size() - m_start; }
    // Forgets everything fed.
    void clear();

    // Reads one complete response (with its CR LF and literals); raises
    // EServerError when it is not one.
    static ImapResponse parse(QByteArrayView bytes, int depthLimit = DepthLimit);

private:
    QByteArray m_buffer;
    qsizetype m_start = 0;       // where the response being assembled starts
    qsizetype m_scan = 0;        // where the search for its line end goes on
    qsizetype m_lineStart = 0;   // where its line (after a literal) starts
    qsizetype m_literalEnd = -1; // the end of the literal awaited; -1 for none
    qint64 m_textLength = 0;     // its bytes outside literals so far
    qint64 m_literalLimit = DefaultLiteralLimit;
};
