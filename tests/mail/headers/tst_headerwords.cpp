// The routines that take header values apart: quotes, parameters, the bare
// content type, mail addresses, and the address list.
#include "mail/headers/HeaderWords.h"
#include "mail/headers/MailAddress.h"

#include <QtTest>
#include <stdexcept>

class TestHeaderWords : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void unquoteText_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expected");

        QTest::newRow("outer-quotes-and-blanks") << "  \"Joe\"\t"
                                                 << "Joe";
        QTest::newRow("repeated-quotes") << "\"\"Joe\"\""
                                         << "Joe";
        QTest::newRow("inner-quotes-stay") << "\"Joe \"J\" Doe\""
                                           << "Joe \"J\" Doe";
        QTest::newRow("uncovered-blanks-stay") << "\" Joe \""
                                               << " Joe ";
        QTest::newRow("only-quotes") << "\"\"\""
                                     << "";
    }

    void unquoteText() {
        QFETCH(QString, text);
        QFETCH(QString, expected);
        QCOMPARE(UnquoteText(text), expected);
    }

    void getHeaderParam_data() {
        QTest::addColumn<QString>("param");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("expected");

        QTest::newRow("quoted") << "charset"
                                << "text/plain; charset=\"utf-8\""
                                << "utf-8";
        QTest::newRow("unquoted-semicolon-removed") << "charset"
                                                    << "text/plain; charset=utf-8; format=flowed"
                                                    << "utf-8";
        QTest::newRow("quoted-with-space-any-case") << "BOUNDARY"
                                                    << "multipart/mixed; Boundary=\"b 1\""
                                                    << "b 1";
        QTest::newRow("unclosed-quote-runs-to-end") << "name"
                                                    << "x; name=\"a b"
                                                    << "a b";
        QTest::newRow("first-occurrence") << "name"
                                          << "x; name=a; name=b"
                                          << "a";
        QTest::newRow("found-inside-longer-name") << "name"
                                                  << "x; filename=a.zip"
                                                  << "a.zip";
        QTest::newRow("missing") << "charset"
                                 << "text/plain"
                                 << "";
    }

    void getHeaderParam() {
        QFETCH(QString, param);
        QFETCH(QString, value);
        QFETCH(QString, expected);
        QCOMPARE(GetHeaderParam(param, value), expected);
    }

    void firstToken_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expected");

        QTest::newRow("type-then-parameters") << "text/plain; charset=x"
                                              << "text/plain";
        QTest::newRow("type-then-space") << "text/html charset"
                                         << "text/html";
        QTest::newRow("bare-type") << "text/plain\t"
                                   << "text/plain";
    }

    void firstToken() {
        QFETCH(QString, text);
        QFETCH(QString, expected);
        QCOMPARE(FirstToken(text), expected);
    }

    void parseMailAddress_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("address");
        QTest::addColumn<QString>("name");

        const QString longText(300, u'a');
        QTest::newRow("name-then-angle-address") << "Joe Doe <joe@x.com>"
                                                 << "joe@x.com"
                                                 << "Joe Doe";
        QTest::newRow("quoted-name-with-comma") << "\"Doe, John\" <john@x>"
                                                << "john@x"
                                                << "Doe, John";
        QTest::newRow("angle-address-only") << "<a@x>"
                                            << "a@x"
                                            << "";
        QTest::newRow("quoted-address-unquoted") << "Joe < \"a@x\" >"
                                                 << "a@x"
                                                 << "Joe";
        QTest::newRow("address-then-parenthesised-name") << "a@x (Joe Doe)"
                                                         << "a@x"
                                                         << "Joe Doe";
        QTest::newRow("parenthesis-form-drops-last-character") << "a@x (Joe) "
                                                               << "a@x"
                                                               << "Joe)";
        QTest::newRow("bare-address-as-it-stands") << " a@x "
                                                   << " a@x "
                                                   << "";
        QTest::newRow("unclosed-angle-whole-text-is-name") << "Joe <a@x"
                                                           << ""
                                                           << "Joe <a@x";
        QTest::newRow("closing-before-opening") << "a> Joe <b"
                                                << ""
                                                << "a> Joe <b";
        QTest::newRow("comment-after-angle-address-in-name") << "Joe <a@x> (work)"
                                                             << "a@x"
                                                             << "Joe  (work)";
        QTest::newRow("fields-cut-to-255")
            << longText + " <" + longText + ">" << longText.left(255) << longText.left(255);
        QTest::newRow("bare-address-cut-to-255") << longText << longText.left(255) << "";
        QTest::newRow("empty") << ""
                               << ""
                               << "";
    }

    void parseMailAddress() {
        QFETCH(QString, text);
        QFETCH(QString, address);
        QFETCH(QString, name);
        TmsMailAddress parsed{"old name", "old@address"};
        ParseMailAddress(text, parsed);
        QCOMPARE(parsed.Address, address);
        QCOMPARE(parsed.Name, name);

        QString splitAddress, splitName;
        SplitMailAddress(text, splitAddress, splitName);
        QCOMPARE(splitAddress, address);
        QCOMPARE(splitName, name);
    }

    void addressListOwnsCopies() {
        TmsAddressList source;
        QCOMPARE(source.Add(new TmsMailAddress{"Joe", "joe@x"}), 0);
        QCOMPARE(source.Add(new TmsMailAddress{"Ann", "ann@x"}), 1);

        TmsAddressList copy;
        copy.Add(new TmsMailAddress{"Old", "old@x"});
        copy.Assign(source);
        source.Items(0)->Clear();
        QCOMPARE(copy.Count(), 2);
        QCOMPARE(copy.Items(0)->Address, QStringLiteral("joe@x"));
        QCOMPARE(copy.Items(1)->Name, QStringLiteral("Ann"));
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, copy.Items(2));

        copy.Clear();
        QCOMPARE(copy.Count(), 0);
    }
};

QTEST_GUILESS_MAIN(TestHeaderWords)
#include "tst_headerwords.moc"
