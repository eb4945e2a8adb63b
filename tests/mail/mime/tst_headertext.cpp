// Encoded words in header values: both forms, character sets, and the quirks
// of how the text around a word is treated.
#include "mail/mime/HeaderText.h"

#include <QtTest>

class TestHeaderText : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void decode_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expected");

        const QString longTail(290, u'c');
        QTest::newRow("no-word-unchanged-underscores-kept") << "a_b =c ?= d"
                                                            << "a_b =c ?= d";
        QTest::newRow("q-latin1") << "=?ISO-8859-1?Q?Caf=E9?=" << u"Café"_qs;
        QTest::newRow("b-ascii") << "=?US-ASCII?B?SGVsbG8=?="
                                 << "Hello";
        QTest::newRow("b-utf8") << "=?UTF-8?B?w6TDtsO8?=" << u"äöü"_qs;
        QTest::newRow("b-koi8r") << "=?koi8-r?b?8NLJ18XU?=" << u"Привет"_qs;
        QTest::newRow("b-iso-2022-jp") << "=?ISO-2022-JP?B?GyRCRnxLXBsoQg==?=" << u"日本"_qs;
        QTest::newRow("charset-with-language") << "=?utf-8*en?Q?=C3=A9?=" << u"é"_qs;
        QTest::newRow("unknown-charset-is-windows-1252") << "=?x-none?Q?=80=E9?=" << u"€é"_qs;
        QTest::newRow("invalid-utf8-is-windows-1252") << "=?utf-8?Q?Caf=E9?=" << u"Café"_qs;
        QTest::newRow("raw-8bit-in-word-kept-as-read")
            << u"=?iso-8859-1?Q?Caf\u00e9?="_qs << u"Café"_qs;
        QTest::newRow("q-word-starting-with-escape") << "=?ISO-8859-1?Q?=E9t=E9?=" << u"été"_qs;
        QTest::newRow("lower-case-q-word-starting-with-escape")
            << "=?utf-8?q?=C3=A9t=C3=A9?=" << u"été"_qs;
        QTest::newRow("one-letter-text-like-an-encoding-letter") << "=?a?Q?B?= =?a?q?b?="
                                                                 << "Bb";
        QTest::newRow("suffix-trimmed-underscore-space") << "=?US-ASCII?Q?a_b?= c"
                                                         << "a bc";
        QTest::newRow("prefix-kept-its-underscores-replaced") << "Re:_x =?a?Q?b?="
                                                              << "Re: x b";
        QTest::newRow("escaped-underscore-becomes-space") << "=?a?Q?x=5Fy?="
                                                          << "x y";
        QTest::newRow("adjacent-words-joined") << "=?x?B?QUJD?= =?x?B?REVG?="
                                               << "ABCDEF";
        QTest::newRow("unterminated-opening-dropped") << "Price =? low"
                                                      << "Price ";
        QTest::newRow("unterminated-after-word-dropped") << "=?a?Q?ok?= =?a?Q?x"
                                                         << "ok";
        QTest::newRow("q-first-line-only") << "=?a?Q?one=0D=0Atwo?= z"
                                           << "onez";
        QTest::newRow("q-soft-break-dropped") << "=?a?Q?ab=?="
                                              << "ab";
        QTest::newRow("decoded-text-cut-to-255")
            << "=?a?Q?ab?= " + longTail << "ab" + longTail.left(253);
        QTest::newRow("decoded-word-opens-another") << "=?x?B?PT94P1E/Wj89?="
                                                    << "Z";
        // A word that cannot be decoded stays as it stands, and the rest of the
        // value is still decoded.
        QTest::newRow("bad-base64-kept") << "Hi =?utf-8?B?@@@?= there"
                                         << "Hi =?utf-8?B?@@@?= there";
        QTest::newRow("bad-base64-kept-next-decoded") << "=?x?B?!!?= =?x?Q?o_k?="
                                                      << "=?x?B?!!?= o k";
        QTest::newRow("unknown-encoding-letter-kept") << "=?x?X?abc?= y"
                                                      << "=?x?X?abc?= y";
        QTest::newRow("word-without-charset-mark-kept") << "=?abc?= y"
                                                        << "=?abc?= y";
        QTest::newRow("word-without-letter-kept") << "=?abc?\?= y"
                                                  << "=?abc?\?= y";
        // "=?=": the '?' of the opening closes the word at once, an empty word
        // that stays as it stands, and the search goes on after it.
        QTest::newRow("opening-closed-at-once-kept") << "?utf-8?B?UFJJWkU=?= DEAL"
                                                     << "?utf-8?B?UFJJWkU=?= DEAL";
        QTest::newRow("opening-closed-at-once-next-decoded") << "a=?= =?x?Q?b_c?="
                                                             << "a=?= b c";
        QTest::newRow("opening-closed-at-once-at-the-start-unterminated") << "=?= x"
                                                                          << "";
    }

    void decode() {
        QFETCH(QString, text);
        QFETCH(QString, expected);
        QCOMPARE(DecodeHeaderText(text), expected);
    }
};

QTEST_GUILESS_MAIN(TestHeaderText)
#include "tst_headertext.moc"
