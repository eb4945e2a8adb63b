// The header list: loading raw lines, reading fields and field lists, removing
// fields and the body, and the word extraction used on reply lines.
#include "mail/headers/Headers.h"

#include <QtTest>

class TestHeaders : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void loadFromBytes_data() {
        QTest::addColumn<QByteArray>("raw");
        QTest::addColumn<QStringList>("lines");

        QTest::newRow("crlf-lf-cr-mixed")
            << QByteArray("a\r\nb\nc\rd") << QStringList{"a", "b", "c", "d"};
        QTest::newRow("final-break-adds-no-line") << QByteArray("a\r\n") << QStringList{"a"};
        QTest::newRow("empty-lines-kept")
            << QByteArray("a\r\n\r\n\nb") << QStringList{"a", "", "", "b"};
        QTest::newRow("empty-input") << QByteArray() << QStringList{};
        QTest::newRow("utf8-line")
            << QByteArray("Subject: J\xc3\xb6rg") << QStringList{u"Subject: Jörg"_qs};
        QTest::newRow("byte-order-mark-dropped")
            << QByteArray("\xef\xbb\xbfSubject: x\r\nB") << QStringList{"Subject: x", "B"};
        QTest::newRow("invalid-utf8-is-windows-1252")
            << QByteArray("Subject: \x80 caf\xe9") << QStringList{u"Subject: € café"_qs};
        QTest::newRow("each-line-decided-alone")
            << QByteArray("A: \xc3\xa9\r\nB: \xe9") << QStringList{u"A: é"_qs, u"B: é"_qs};
    }

    void loadFromBytes() {
        QFETCH(QByteArray, raw);
        QFETCH(QStringList, lines);
        TmsHeaders headers{"old line"};
        headers.LoadFromBytes(raw);
        QCOMPARE(QStringList(headers), lines);
    }

    void getFieldValue_data() {
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("expected");

        const QString longText(300, u'x');
        const QString rawType = "text/plain; name==?a?Q?b_c?=; " + longText;
        QTest::newRow("space-after-colon-goes") << QStringList{"Subject: Hello"} << "Subject"
                                                << "Hello";
        QTest::newRow("no-space-loses-first-char") << QStringList{"Subject:Hello"} << "Subject"
                                                   << "ello";
        QTest::newRow("name-with-colon") << QStringList{"Subject: Hello"} << "Subject:"
                                         << "Hello";
        QTest::newRow("blanks-trimmed") << QStringList{"Subject: \t Hi \t"} << "Subject"
                                        << "Hi";
        QTest::newRow("empty-value") << QStringList{"Subject:"} << "Subject"
                                     << "";
        QTest::newRow("first-of-two") << QStringList{"Subject: one", "Subject: two"} << "Subject"
                                      << "one";
        QTest::newRow("tab-continuation-joined")
            << QStringList{"Subject: first", "\tsecond  ", "  third", "Next: x"} << "Subject"
            << "first second third";
        QTest::newRow("case-insensitive-skips-look-alikes")
            << QStringList{"X-From: other", "From joe@x Mon Jan 1", "FROM: Joe <joe@x>"} << "From"
            << "Joe <joe@x>";
        QTest::newRow("missing-field-empty") << QStringList{"From: a"} << "Subject"
                                             << "";
        QTest::newRow("empty-list-empty") << QStringList{} << "Subject"
                                          << "";
        QTest::newRow("value-cut-to-255")
            << QStringList{"Subject: " + longText} << "Subject" << longText.left(255);
        QTest::newRow("content-type-whole-and-raw")
            << QStringList{"Content-Type: " + rawType} << "content-type" << rawType;
        QTest::newRow("x-uidl-raw") << QStringList{"X-UIDL: a_=?a?Q?b?="} << "X-UIDL"
                                    << "a_=?a?Q?b?=";
        QTest::newRow("encoded-word-decoded")
            << QStringList{"Subject: =?utf-8?Q?Gr=C3=BC=C3=9Fe?= _all"} << "Subject"
            << u"Grüße all"_qs;
        QTest::newRow("no-space-before-encoded-word")
            << QStringList{"Subject:=?utf-8?B?UFJJWkU=?= DEAL"} << "Subject"
            << "?utf-8?B?UFJJWkU=?= DEAL";
        QTest::newRow("bad-encoded-word-does-not-throw")
            << QStringList{"Subject: Win =?utf-8?B?***?= now"} << "Subject"
            << "Win =?utf-8?B?***?= now";
        // Names and lines beyond ASCII compare as characters, without regard to case.
        QTest::newRow("non-ascii-line-is-not-the-field")
            << QStringList{u"Süb: x"_qs, u"Sübject: no"_qs, "Subject: yes"} << "Subject"
            << "yes";
        QTest::newRow("non-ascii-name-any-case")
            << QStringList{u"X-ÄRGER: ja"_qs} << u"x-ärger"_qs << "ja";
    }

    void getFieldValue() {
        QFETCH(QStringList, lines);
        QFETCH(QString, name);
        QFETCH(QString, expected);
        QCOMPARE(TmsHeaders(lines).GetFieldValue(name), expected);
    }

    void getFieldList_data() {
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QStringList>("expected");

        QTest::newRow("quoted-comma-does-not-split")
            << QStringList{"To: \"Doe, John\" <j@x>, jane@x"} << "To"
            << QStringList{"\"Doe, John\" <j@x>", "jane@x"};
        QTest::newRow("unclosed-quote-protects-nothing")
            << QStringList{"To: \"Doe, John <j@x>"} << "To" << QStringList{"\"Doe", "John <j@x>"};
        QTest::newRow("field-twice-collected")
            << QStringList{"To: a@x", "Subject: s", "to: b@x"} << "To" << QStringList{"a@x", "b@x"};
        QTest::newRow("colonless-lines-continue")
            << QStringList{"Cc: a@x,", "  b@x, c@x", "d@x", "Subject: s, t"} << "Cc"
            << QStringList{"a@x", "b@x", "c@x", "d@x"};
        QTest::newRow("continuation-not-quote-protected")
            << QStringList{"Cc: a@x,", " \"Doe, J\" <j@x>"} << "Cc"
            << QStringList{"a@x", "\"Doe", "J\" <j@x>"};
        QTest::newRow("name-matches-as-prefix")
            << QStringList{"Tod: a@x", "TO: b@x"} << "TO" << QStringList{"a@x", "b@x"};
        QTest::newRow("field-line-without-colon-ends-scan")
            << QStringList{"To a@x", "To: b@x"} << "To" << QStringList{};
        QTest::newRow("inner-empty-kept-trailing-blank-dropped")
            << QStringList{"To: a@x,,b@x, "} << "To" << QStringList{"a@x", "", "b@x"};
        QTest::newRow("items-decoded-space-after-word-lost")
            << QStringList{"To: =?utf-8?Q?J=C3=B6rg?= <j@x>, =?x?B?QUJD?="} << "To"
            << QStringList{u"Jörg<j@x>"_qs, "ABC"};
        QTest::newRow("item-cut-to-255") << QStringList{"To: " + QString(300, u'a') + ", b"} << "To"
                                         << QStringList{QString(255, u'a'), "b"};
        QTest::newRow("y-diaeresis-is-not-a-comma")
            << QStringList{u"To: \"\u00ff, x\" <\u00ff@x>"_qs} << "To"
            << QStringList{u"\"\u00ff, x\" <\u00ff@x>"_qs};
        QTest::newRow("bad-encoded-word-does-not-throw")
            << QStringList{"To: =?x?B?#?= <a@x>"} << "To" << QStringList{"=?x?B?#?= <a@x>"};
    }

    void getFieldList() {
        QFETCH(QStringList, lines);
        QFETCH(QString, name);
        QFETCH(QStringList, expected);
        QStringList list{"stale"};
        TmsHeaders(lines).GetFieldList(name, list);
        QCOMPARE(list, expected);
    }

    void deleteField_data() {
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QStringList>("expected");

        QTest::newRow("first-with-its-continuations")
            << QStringList{"A: 1", "subject: x", "\ty", " z", "B: 2", "Subject: again"} << "Subject"
            << QStringList{"A: 1", "B: 2", "Subject: again"};
        QTest::newRow("longer-name-not-matched")
            << QStringList{"Subjects: x", " y"} << "Subject:" << QStringList{"Subjects: x", " y"};
        QTest::newRow("last-line") << QStringList{"A: 1", "B: 2"} << "b" << QStringList{"A: 1"};
    }

    void deleteField() {
        QFETCH(QStringList, lines);
        QFETCH(QString, name);
        QFETCH(QStringList, expected);
        TmsHeaders headers(lines);
        headers.DeleteField(name);
        QCOMPARE(QStringList(headers), expected);
    }

    void stripBody_data() {
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<QStringList>("expected");

        QTest::newRow("blank-line-and-body-go")
            << QStringList{"A: 1", "B: 2", "", "body", "", "more"} << QStringList{"A: 1", "B: 2"};
        QTest::newRow("no-blank-line-keeps-all")
            << QStringList{"A: 1", " b"} << QStringList{"A: 1", " b"};
        QTest::newRow("spaces-are-not-empty")
            << QStringList{"A: 1", " ", "b"} << QStringList{"A: 1", " ", "b"};
        QTest::newRow("empty-first-line") << QStringList{"", "A: 1"} << QStringList{};
    }

    void stripBody() {
        QFETCH(QStringList, lines);
        QFETCH(QStringList, expected);
        TmsHeaders headers(lines);
        headers.StripBody();
        QCOMPARE(QStringList(headers), expected);
    }

    void extractWord_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("skip");
        QTest::addColumn<bool>("single");
        QTest::addColumn<QString>("expected");

        QTest::newRow("unique-id-of-uidl-reply") << "+OK 3 abc" << 2 << true << "abc";
        QTest::newRow("first-word") << "+OK 3 abc" << 0 << true << "+OK";
        QTest::newRow("not-single-keeps-rest") << "+OK 2 320 more" << 1 << false << "2 320 more";
        QTest::newRow("too-few-words-empty") << "+OK 3" << 2 << true << "";
        QTest::newRow("runs-of-spaces") << "+OK   7    xyz  " << 2 << true << "xyz";
        QTest::newRow("tab-does-not-separate") << "a\tb c" << 0 << true << "a\tb";
    }

    void extractWord() {
        QFETCH(QString, text);
        QFETCH(int, skip);
        QFETCH(bool, single);
        QFETCH(QString, expected);
        QCOMPARE(ExtractWord(text, skip, single), expected);
    }
};

QTEST_GUILESS_MAIN(TestHeaders)
#include "tst_headers.moc"
