// The transfer decodings: base64 lines, quoted-printable lines and paragraphs,
// and uuencoded lines with their begin lines.
#include "mail/Exceptions.h"
#include "mail/mime/Base64.h"
#include "mail/mime/QuotedPrintable.h"
#include "mail/mime/UUCode.h"

#include <QBuffer>
#include <QtTest>

namespace {

// Runs decode and gives its bytes, or the failure's class and message.
template <typename F> QByteArray outcome(F decode) {
    try {
        return decode();
    } catch (const EMessageParserError& e) {
        return "EMessageParserError: " + e.message().toUtf8();
    } catch (const Exception& e) {
        return "Exception: " + e.message().toUtf8();
    }
}

const QByteArray invalidCharacter("EMessageParserError: Invalid Character");

} // namespace

class TestCodings : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void base64_data() {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QByteArray>("expected");

        QTest::newRow("padded") << QByteArray("SGVsbG8=") << QByteArray("Hello");
        QTest::newRow("unpadded") << QByteArray("QUJD") << QByteArray("ABC");
        QTest::newRow("double-padding") << QByteArray("QQ==") << QByteArray("A");
        QTest::newRow("short-group-counts-as-padded") << QByteArray("QUJ") << QByteArray("AB");
        QTest::newRow("lone-character-no-byte") << QByteArray("QUJDQ") << QByteArray("ABC");
        QTest::newRow("inner-padding-fills-its-place")
            << QByteArray("QQ==QUJD") << QByteArray("A\0\0ABC", 6);
        QTest::newRow("binary") << QByteArray("/+8A") << QByteArray("\xff\xef\x00", 3);
        QTest::newRow("empty") << QByteArray() << QByteArray();
        QTest::newRow("output-cut-to-255")
            << QByteArray("QUJD").repeated(100) << QByteArray("ABC").repeated(85);
        QTest::newRow("space-invalid") << QByteArray("SGVs bG8=") << invalidCharacter;
        QTest::newRow("url-safe-alphabet-invalid") << QByteArray("ab-_") << invalidCharacter;
        QTest::newRow("8bit-invalid") << QByteArray("\xc3\xa9QQ") << invalidCharacter;
        QTest::newRow("line-break-invalid") << QByteArray("QUJD\r\n") << invalidCharacter;
    }

    void base64() {
        QFETCH(QByteArray, text);
        QFETCH(QByteArray, expected);
        QCOMPARE(outcome([&] { return DecodeBase64Line(text); }), expected);
    }

    void quotedPrintable_data() {
        QTest::addColumn<QByteArrayList>("lines");
        QTest::addColumn<QByteArray>("expected");

        const QByteArray a254(254, 'a');
        const QByteArrayList bigParagraph(96, a254 + '=');
        QTest::newRow("soft-break-joins")
            << QByteArrayList{"abc=", "def"} << QByteArray("abcdef\r\n");
        QTest::newRow("escaped-equals-keeps-break")
            << QByteArrayList{"a=3D"} << QByteArray("a=\r\n");
        QTest::newRow("hex-either-case")
            << QByteArrayList{"caf=e9=E9"} << QByteArray("caf\xe9\xe9\r\n");
        QTest::newRow("bad-escape-stays")
            << QByteArrayList{"=4G x =Z y"} << QByteArray("=4G x =Z y\r\n");
        QTest::newRow("second-last-equals-reads-one-digit")
            << QByteArrayList{"ab=4"} << QByteArray("ab\x04\r\n");
        QTest::newRow("scanning-goes-on-after-byte")
            << QByteArrayList{"=3D41"} << QByteArray("=41\r\n");
        QTest::newRow("equals-before-soft-break-stays")
            << QByteArrayList{"ab==", "c"} << QByteArray("ab=c\r\n");
        QTest::newRow("code-26-gets-no-break")
            << QByteArrayList{"x=1A", "y"} << QByteArray("x\x1Ay\r\n");
        QTest::newRow("empty-line-is-a-break")
            << QByteArrayList{"", "x"} << QByteArray("\r\nx\r\n");
        QTest::newRow("last-soft-break-still-written")
            << QByteArrayList{"abc="} << QByteArray("abc");
        QTest::newRow("line-cut-to-255")
            << QByteArrayList{QByteArray(300, 'a')} << QByteArray(255, 'a') + "\r\n";
        QTest::newRow("cut-line-ending-in-equals-is-soft")
            << QByteArrayList{a254 + "=zz", "b"} << a254 + "b\r\n";
        QTest::newRow("paragraph-of-24574-bytes")
            << bigParagraph + QByteArrayList{QByteArray(188, 'b')}
            << a254.repeated(96) + QByteArray(188, 'b') + "\r\n";
        QTest::newRow("paragraph-of-24575-bytes-too-large")
            << bigParagraph + QByteArrayList{QByteArray(189, 'b')}
            << QByteArray("Exception: Paragraph is too large");
    }

    void quotedPrintable() {
        QFETCH(QByteArrayList, lines);
        QFETCH(QByteArray, expected);
        QBuffer out;
        out.open(QIODevice::WriteOnly);
        QCOMPARE(outcome([&] {
                     TQuotedPrintable(&out, lines).Decode();
                     return out.data();
                 }),
                 expected);
    }

    void uuBeginLine_data() {
        QTest::addColumn<QString>("line");
        QTest::addColumn<bool>("isBegin");
        QTest::addColumn<QString>("fileName");

        QTest::newRow("plain") << "begin 644 file.zip" << true << "file.zip";
        QTest::newRow("upper-case") << "BEGIN 600 x.txt" << true << "x.txt";
        QTest::newRow("name-ends-at-space") << "begin 644 a b.txt" << true << "a";
        QTest::newRow("quoted-name") << "begin 644 \"a b.txt\" x" << true << "a b.txt";
        QTest::newRow("unclosed-quote-no-name") << "begin 644 \"a b" << true << "";
        QTest::newRow("nine-characters") << "begin 644" << true << "";
        QTest::newRow("eight-characters-too-short") << "begin 64" << false << "";
        QTest::newRow("two-digit-mode") << "begin 64 file" << false << "";
        QTest::newRow("mode-not-a-number") << "begin abc file" << false << "";
        QTest::newRow("indented") << " begin 644 x" << false << "";
        QTest::newRow("beginning-is-no-begin") << "beginning of the text" << false << "";
    }

    void uuBeginLine() {
        QFETCH(QString, line);
        QFETCH(bool, isBegin);
        QFETCH(QString, fileName);
        QCOMPARE(IsUUBeginLine(line), isBegin);
        if (isBegin) QCOMPARE(UUFileName(line), fileName);
    }

    void uuLine_data() {
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<QByteArray>("expected");

        QTest::newRow("hash-carries-three") << QByteArray("#86)C") << QByteArray("abc");
        QTest::newRow("backtick-carries-none") << QByteArray("`") << QByteArray();
        QTest::newRow("empty") << QByteArray() << QByteArray();
        QTest::newRow("count-cuts-output") << QByteArray("!86)C") << QByteArray("a");
        QTest::newRow("short-group-zero-filled") << QByteArray("#86)") << QByteArray("ab@");
        QTest::newRow("space-and-backtick-are-zero")
            << QByteArray("# ` `") << QByteArray("\0\0\0", 3);
        QTest::newRow("full-line")
            << QByteArray("M5&AE('%U:6-K(&)R;W=N(&9O>\"!J=6UP<R!O=F5R('1H92!L87IY(&1O9R!A")
            << QByteArray("The quick brown fox jumps over the lazy dog a");
        QTest::newRow("lower-case-invalid") << QByteArray("#86)c") << invalidCharacter;
        QTest::newRow("line-break-invalid") << QByteArray("#86)C\r") << invalidCharacter;
        QTest::newRow("characters-after-255-ignored")
            << QByteArray("#86)C") + QByteArray(250, '`') + "~~" << QByteArray("abc");
    }

    void uuLine() {
        QFETCH(QByteArray, line);
        QFETCH(QByteArray, expected);
        QCOMPARE(outcome([&] { return DecodeUULine(line); }), expected);
    }
};

QTEST_GUILESS_MAIN(TestCodings)
#include "tst_codings.moc"
