// The IMAP response reader over recorded server bytes: one table of named
// quirks, each read whole and byte by byte; the texts of commands (quoting,
// folder names, UID sets) and the LIST response.
#include "mail/Exceptions.h"
#include "mail/imap/ImapResponse.h"
#include "mail/imap/ImapText.h"

#include <QtTest>

namespace {

QByteArray describe(const ImapValue& v) {
    switch (v.kind) {
    case ImapValue::Kind::Atom:
        return v.text;
    case ImapValue::Kind::Number:
        return "#" + QByteArray::number(v.number);
    case ImapValue::Kind::String:
        return "\"" + v.text + "\"";
    case ImapValue::Kind::Nil:
        return "NIL";
    case ImapValue::Kind::List: {
        QByteArrayList items;
        for (const ImapValue& i : v.items)
            items << describe(i);
        return "(" + items.join(' ') + ")";
    }
    }
    return {};
}

// One response as a line that names what the reader made of it.
QByteArray describe(const ImapResponse& r) {
    static const char* statuses[] = {"", "OK", "NO", "BAD", "PREAUTH", "BYE"};
    QByteArray out;
    switch (r.kind) {
    case ImapResponse::Kind::Continuation:
        return "+ " + r.text;
    case ImapResponse::Kind::Tagged:
        out = "tagged " + r.tag;
        break;
    case ImapResponse::Kind::Untagged:
        out = "*";
        break;
    }
    if (r.isStatus()) {
        out += QByteArray(" ") + statuses[int(r.status)];
        if (!r.code.isEmpty()) {
            QByteArrayList args;
            for (const ImapValue& a : r.code.args)
                args << describe(a);
            out += " [" + r.code.name + (args.isEmpty() ? "" : " " + args.join(' ')) + "]";
        }
        return out + " text=" + r.text;
    }
    if (r.number >= 0) out += " " + QByteArray::number(r.number);
    out += " " + r.name;
    if (r.name == "FETCH") {
        const ImapFetch& f = r.fetch;
        if (f.uid) out += " uid=" + QByteArray::number(*f.uid);
        if (f.size) out += " size=" + QByteArray::number(*f.size);
        if (f.header) out += " header=" + *f.header;
        if (f.body) out += " body=" + *f.body;
        if (f.flags) out += " flags=" + f.flags->join(',');
        return out;
    }
    for (const ImapValue& v : r.data)
        out += " " + describe(v);
    return out;
}

// Everything the reader takes out of bytes fed in pieces of step bytes, or
// "error: " and the failure's text after what it took before.
QByteArrayList readAll(const QByteArray& bytes, qsizetype step, qint64 literalLimit) {
    ImapReader reader;
    reader.setLiteralLimit(literalLimit);
    QByteArrayList out;
    try {
        for (qsizetype at = 0; at < bytes.size(); at += step) {
            reader.feed(QByteArrayView(bytes).sliced(at, std::min(step, bytes.size() - at)));
            ImapResponse r;
            while (reader.next(r))
                out << describe(r);
        }
        if (reader.pending() > 0) out << "incomplete";
    } catch (const EServerError& e) {
        out << "error: " + e.message().toUtf8();
    }
    return out;
}

} // namespace

class TestImapResponse : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void quirks_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QByteArrayList>("expected");
        QTest::addColumn<qint64>("literalLimit");
        const qint64 normal = ImapReader::DefaultLiteralLimit;

        QTest::newRow("greeting-with-capability-code")
            << QByteArray("* OK [CAPABILITY IMAP4rev1 STARTTLS LOGINDISABLED] ready\r\n")
            << QByteArrayList{"* OK [CAPABILITY IMAP4rev1 STARTTLS LOGINDISABLED] text=ready"}
            << normal;
        QTest::newRow("select-codes")
            << QByteArray("* FLAGS (\\Answered \\Seen $Junk)\r\n* 3 EXISTS\r\n* 0 RECENT\r\n"
                          "* OK [UIDVALIDITY 3857529045] UIDs valid\r\n"
                          "* OK [PERMANENTFLAGS (\\Seen \\*)] Limited\r\n"
                          "A3 OK [READ-WRITE] SELECT completed\r\n")
            << QByteArrayList{"* FLAGS (\\Answered \\Seen $Junk)",
                              "* 3 EXISTS",
                              "* 0 RECENT",
                              "* OK [UIDVALIDITY #3857529045] text=UIDs valid",
                              "* OK [PERMANENTFLAGS (\\Seen \\*)] text=Limited",
                              "tagged A3 OK [READ-WRITE] text=SELECT completed"}
            << normal;
        QTest::newRow("fetch-header-literal")
            << QByteArray("* 1 FETCH (UID 7 RFC822.SIZE 120 BODY[HEADER] {10}\r\nSubject: a"
                          ")\r\n")
            << QByteArrayList{"* 1 FETCH uid=7 size=120 header=Subject: a"} << normal;
        QTest::newRow("fetch-items-in-another-order-and-lower-case")
            << QByteArray("* 2 fetch (body[header] {5}\r\nX: ab rfc822.size 9 uid 8)\r\n")
            << QByteArrayList{"* 2 FETCH uid=8 size=9 header=X: ab"} << normal;
        QTest::newRow("fetch-header-quoted-not-literal")
            << QByteArray("* 1 FETCH (UID 1 BODY[HEADER] \"X: \\\"q\\\"\")\r\n")
            << QByteArrayList{"* 1 FETCH uid=1 header=X: \"q\""} << normal;
        QTest::newRow("fetch-header-nil-reads-empty")
            << QByteArray("* 1 FETCH (UID 1 BODY[HEADER] NIL)\r\n")
            << QByteArrayList{"* 1 FETCH uid=1 header="} << normal;
        QTest::newRow("fetch-partial-origin-and-literal8")
            << QByteArray("* 1 FETCH (BODY[]<0> ~{4}\r\nab\r\n UID 3)\r\n")
            << QByteArrayList{"* 1 FETCH uid=3 body=ab\r\n"} << normal;
        QTest::newRow("fetch-non-synchronizing-literal-from-server")
            << QByteArray("* 1 FETCH (UID 4 BODY[] {2+}\r\nhi)\r\n")
            << QByteArrayList{"* 1 FETCH uid=4 body=hi"} << normal;
        QTest::newRow("fetch-literal-holds-brackets-braces-and-line-ends")
            << QByteArray("* 1 FETCH (UID 1 BODY[HEADER] {14}\r\nA: {9}\r\n[x])\r\n)\r\n")
            << QByteArrayList{"* 1 FETCH uid=1 header=A: {9}\r\n[x])\r\n"} << normal;
        QTest::newRow("fetch-flags-and-unknown-items-skipped")
            << QByteArray("* 5 FETCH (FLAGS (\\Seen) MODSEQ (12) X-GM-LABELS (\"a b\") UID 9)"
                          "\r\n")
            << QByteArrayList{"* 5 FETCH uid=9 flags=\\Seen"} << normal;
        QTest::newRow("fetch-section-with-spaces-in-its-name")
            << QByteArray("* 1 FETCH (BODY[HEADER.FIELDS (SUBJECT FROM)] {0}\r\n UID 2)\r\n")
            << QByteArrayList{"* 1 FETCH uid=2"} << normal;
        QTest::newRow("bare-lf-line-ends")
            << QByteArray("* 1 FETCH (UID 2 BODY[HEADER] {2}\nab)\nA1 OK done\n")
            << QByteArrayList{"* 1 FETCH uid=2 header=ab", "tagged A1 OK text=done"} << normal;
        QTest::newRow("double-spaces")
            << QByteArray("*  1  FETCH  (UID  2)\r\nA1  OK  done\r\n")
            << QByteArrayList{"* 1 FETCH uid=2", "tagged A1 OK text=done"} << normal;
        QTest::newRow("status-without-text")
            << QByteArray("A1 OK\r\nA2 NO [TRYCREATE]\r\n")
            << QByteArrayList{"tagged A1 OK text=", "tagged A2 NO [TRYCREATE] text="} << normal;
        QTest::newRow("copyuid-code")
            << QByteArray("A4 OK [COPYUID 38505 304,319:320 3956:3958] Done\r\n")
            << QByteArrayList{"tagged A4 OK [COPYUID #38505 304,319:320 3956:3958] text=Done"}
            << normal;
        QTest::newRow("copyuid-before-the-tagged-ok-as-untagged")
            << QByteArray("* OK [COPYUID 1 5 9] Moved\r\n* 1 EXPUNGE\r\nA5 OK Done\r\n")
            << QByteArrayList{"* OK [COPYUID #1 #5 #9] text=Moved", "* 1 EXPUNGE",
                              "tagged A5 OK text=Done"}
            << normal;
        QTest::newRow("unknown-code-keeps-its-text")
            << QByteArray("* NO [WEIRD \"open] quota\r\n")
            << QByteArrayList{"* NO [WEIRD] text=quota"} << normal;
        QTest::newRow("continuations")
            << QByteArray("+ idling\r\n+\r\n+ eyJzdGF0dXMiOiI0MDEifQ==\r\n")
            << QByteArrayList{"+ idling", "+ ", "+ eyJzdGF0dXMiOiI0MDEifQ=="} << normal;
        QTest::newRow("bye-in-the-middle-of-a-fetch")
            << QByteArray("* 1 FETCH (UID 1)\r\n* BYE shutting down\r\n")
            << QByteArrayList{"* 1 FETCH uid=1", "* BYE text=shutting down"} << normal;
        QTest::newRow("list-name-as-literal")
            << QByteArray("* LIST (\\HasNoChildren \\Junk) \"/\" {4}\r\nSpam\r\n")
            << QByteArrayList{"* LIST (\\HasNoChildren \\Junk) \"/\" \"Spam\""} << normal;
        QTest::newRow("list-nil-delimiter-atom-name")
            << QByteArray("* LIST () NIL INBOX\r\n") << QByteArrayList{"* LIST () NIL INBOX"}
            << normal;
        QTest::newRow("search-without-results")
            << QByteArray("* SEARCH\r\n* SEARCH 2 84 882\r\n")
            << QByteArrayList{"* SEARCH", "* SEARCH #2 #84 #882"} << normal;
        QTest::newRow("free-text-data-of-another-kind-is-not-read")
            << QByteArray("* XSTATE \"unclosed (\r\nA1 OK\r\n")
            << QByteArrayList{"* XSTATE", "tagged A1 OK text="} << normal;
        QTest::newRow("response-waits-for-its-literal")
            << QByteArray("* 1 FETCH (BODY[] {5}\r\nab") << QByteArrayList{"incomplete"} << normal;

        QTest::newRow("refused-literal-over-the-limit")
            << QByteArray("* 1 FETCH (UID 1 BODY[HEADER] {11}\r\n")
            << QByteArrayList{"error: The server's reply is larger than 10 bytes"} << qint64(10);
        QTest::newRow("refused-unclosed-quoted-string")
            << QByteArray("* LIST () \"/ INBOX\r\n")
            << QByteArrayList{"error: The server's reply cannot be read (a quoted string is not "
                              "closed): * LIST () \"/ INBOX"}
            << normal;
        QTest::newRow("refused-tagged-without-status")
            << QByteArray("A1 HELLO there\r\n")
            << QByteArrayList{"error: The server's reply cannot be read (a tagged response has "
                              "no status): A1 HELLO there"}
            << normal;
        QTest::newRow("refused-fetch-with-a-uid-of-zero")
            << QByteArray("* 1 FETCH (UID 0)\r\n")
            << QByteArrayList{"error: The server's reply cannot be read (a UID is not a number): "
                              "* 1 FETCH (UID 0)"}
            << normal;
        QTest::newRow("refused-lists-nested-too-deep")
            << QByteArray("* 1 FETCH (X " + QByteArray(40, '(') + QByteArray(40, ')') + ")\r\n")
            << QByteArrayList{"error: The server's reply cannot be read (lists nest too deep): * "
                              "1 FETCH (X " +
                              QByteArray(40, '(') + QByteArray(41, ')')}
            << normal;
        QTest::newRow("refused-line-that-never-ends")
            << QByteArray("* OK " + QByteArray(ImapReader::LineLimit + 10, 'x'))
            << QByteArrayList{"error: The server's reply cannot be read (a line is longer than "
                              "262144 bytes): * OK " +
                              QByteArray(115, 'x')}
            << normal;
    }

    // The same responses whether the bytes come whole or one at a time.
    void quirks() {
        QFETCH(QByteArray, bytes);
        QFETCH(QByteArrayList, expected);
        QFETCH(qint64, literalLimit);
        QCOMPARE(readAll(bytes, bytes.size(), literalLimit), expected);
        QCOMPARE(readAll(bytes, 1, literalLimit), expected);
    }

    void readsManyResponsesInOnePass() {
        QByteArray bytes;
        for (int i = 1; i <= 3000; ++i)
            bytes += "* " + QByteArray::number(i) + " FETCH (UID " + QByteArray::number(i) +
                     " BODY[HEADER] {40}\r\n" + QByteArray(38, 'h') + "\r\n)\r\n";
        ImapReader reader;
        int read = 0;
        for (qsizetype at = 0; at < bytes.size(); at += 4096) {
            reader.feed(
                QByteArrayView(bytes).sliced(at, std::min<qsizetype>(4096, bytes.size() - at)));
            ImapResponse r;
            while (reader.next(r)) {
                ++read;
                QCOMPARE(*r.fetch.uid, quint32(read));
            }
        }
        QCOMPARE(read, 3000);
        QCOMPARE(reader.pending(), 0);
    }

    void quoting_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("fits");
        QTest::addColumn<QByteArray>("quoted");
        QTest::newRow("plain") << QByteArray("tester") << true << QByteArray("\"tester\"");
        QTest::newRow("quote-and-backslash")
            << QByteArray("a\"b\\c") << true << QByteArray("\"a\\\"b\\\\c\"");
        QTest::newRow("space-and-brace") << QByteArray("a {5}") << true << QByteArray("\"a {5}\"");
        QTest::newRow("8-bit-needs-literal") << QByteArray("gr\xc3\xbc") << false << QByteArray();
        QTest::newRow("line-end-needs-literal") << QByteArray("a\r\nb") << false << QByteArray();
    }

    void quoting() {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, fits);
        QFETCH(QByteArray, quoted);
        QCOMPARE(fitsQuoted(bytes), fits);
        if (fits) QCOMPARE(imapQuoted(bytes), quoted);
    }

    void folderNames_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("encoded");
        QTest::newRow("ascii") << QStringLiteral("Junk") << QByteArray("Junk");
        QTest::newRow("ampersand") << QStringLiteral("A&B") << QByteArray("A&-B");
        QTest::newRow("umlaut") << u"Entwürfe"_qs << QByteArray("Entw&APw-rfe");
        QTest::newRow("rfc-example")
            << u"~peter/mail/台北/日本語"_qs << QByteArray("~peter/mail/&U,BTFw-/&ZeVnLIqe-");
    }

    void folderNames() {
        QFETCH(QString, name);
        QFETCH(QByteArray, encoded);
        QCOMPARE(encodeFolderName(name), encoded);
        QCOMPARE(decodeFolderName(encoded), name);
    }

    void folderNameInUtf8ReadsAsSent() {
        QCOMPARE(decodeFolderName("Entw\xc3\xbcrfe"), u"Entwürfe"_qs);
        QCOMPARE(decodeFolderName("Bad&AP"), QStringLiteral("Bad&AP"));
    }

    void uidSets() {
        QCOMPARE(uidSetText({9, 3, 4, 5, 5, 11, 12}), QByteArray("3:5,9,11:12"));
        QCOMPARE(uidSetText({}), QByteArray());
        QCOMPARE(uidSetValues("3:5,9,12:11").value(), (QList<quint32>{3, 4, 5, 9, 11, 12}));
        QVERIFY(!uidSetValues("3:x"));
        QVERIFY(!uidSetValues("0"));
        QVERIFY(!uidSetValues("1:*", 100)); // names more than the limit
    }

    void listResponses() {
        const auto folder = [](const QByteArray& line) {
            ImapReader reader;
            reader.feed(line);
            ImapResponse r;
            reader.next(r);
            return listedFolder(r);
        };
        const std::optional<ImapFolder> junk =
            folder("* LIST (\\HasNoChildren \\junk) \".\" \"Courrier ind&AOk-sirable\"\r\n");
        QVERIFY(junk);
        QVERIFY(junk->has("\\Junk"));
        QCOMPARE(junk->delimiter, QByteArray("."));
        QCOMPARE(junk->name, u"Courrier indésirable"_qs);
        QCOMPARE(junk->rawName, QByteArray("Courrier ind&AOk-sirable"));
        QVERIFY(!folder("* LIST \\Junk \".\" Spam\r\n")); // attributes must be a list
        QVERIFY(!folder("* 1 EXISTS\r\n"));
    }
};

QTEST_GUILESS_MAIN(TestImapResponse)
#include "tst_imapresponse.moc"
