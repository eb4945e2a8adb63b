// The message decoder over small message files: body lines, markers and
// attachments for plain, uuencoded, quoted-printable and multipart messages,
// the error body, and the failures that reach the caller.
#include "mail/Exceptions.h"
#include "mail/message/Message.h"

#include <QTemporaryDir>
#include <QtTest>

namespace {

// One attachment as "name | type | kind | bytes"; the whole file shows as <file>.
QString describe(const TmsAttItem& a, const QByteArray& raw) {
    const QString data = a.Data == raw ? QStringLiteral("<file>") : QString::fromLatin1(a.Data);
    return QStringLiteral("%1 | %2 | %3 | %4")
        .arg(a.FileName(), a.ContentType)
        .arg(a.Kind)
        .arg(data);
}

const QByteArray mime("MIME-Version: 1.0\r\n");

QByteArray multipart(const QByteArray& type, const QByteArray& parts) {
    return mime + "Content-Type: " + type + "; boundary=\"XX\"\r\n\r\nPreamble\r\n" + parts;
}

const QStringList errorBody(const QString& error) {
    return {QStringLiteral("The following error has been occured while processing the message:"),
            error, QStringLiteral("The original message will be stored as an attachment")};
}

} // namespace

class TestMessageDecoder : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;

    QString write(const QByteArray& raw) {
        const QString path = m_dir.filePath(QStringLiteral("msg_0.eml"));
        QFile f(path);
        if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(raw) != raw.size())
            return {};
        return path;
    }

private Q_SLOTS:
    void decode_data() {
        QTest::addColumn<QByteArray>("raw");
        QTest::addColumn<QStringList>("body");
        QTest::addColumn<QStringList>("attachments");
        QTest::addColumn<QString>("markers"); // content type, character set, encoding

        QTest::newRow("plain-uu-attachment-after-text")
            << QByteArray("From: a@b.example\r\nSubject: s\r\n\r\nHello\r\nbegin 644 file.zip\r\n"
                          "#86)C\r\n`\r\nend\r\n")
            << QStringList{"Hello"} << QStringList{"file.zip | application/zip | 1 | abc"}
            << " csUSASCII meUU";
        QTest::newRow("plain-two-uu-attachments-nameless-one-counted")
            << QByteArray("\r\nText\r\nbegin 644 a.txt\r\n#86)C\r\nEND\r\nskipped\r\n"
                          "begin 644\r\n#86)C\r\n")
            << QStringList{"Text"}
            << QStringList{"a.txt | text/plain | 2 | abc",
                           "att.1 | application/octet-stream | 1 | abc"}
            << " csUSASCII meUU";
        QTest::newRow("plain-trailing-dot-removed")
            << QByteArray("Subject: s\r\n\r\nHi\r\n.\r\n") << QStringList{"Hi"} << QStringList{}
            << " csUSASCII meMIME";
        QTest::newRow("plain-only-the-last-dot-line-removed")
            << QByteArray("Subject: s\r\n\r\nHi\r\n.\r\n.\r\n") << QStringList{"Hi", "."}
            << QStringList{} << " csUSASCII meMIME";
        QTest::newRow("quoted-printable-body")
            << mime + "Content-Type: text/plain; charset=iso-8859-1\r\n"
                      "Content-Transfer-Encoding: quoted-printable\r\n\r\nCaf=E9 =\r\nau lait\r\n"
            << QStringList{"Café au lait"} << QStringList{} << " csISO8859 meMIME";
        QTest::newRow("html-body-sets-content-type")
            << mime + "Content-Type: text/HTML\r\n\r\n<p>x</p>\r\n"
            << QStringList{"<p>x</p>"} << QStringList{} << "text/html csUSASCII meMIME";
        QTest::newRow("base64-body-skips-dot-line")
            << mime + "Content-Type: text/plain\r\nContent-Transfer-Encoding: base64\r\n\r\n"
                      "SGVsbG8K\r\n\r\nd29ybGQ=\r\n.\r\n"
            << QStringList{"Hello", "world"} << QStringList{} << " csUSASCII meMIME";
        QTest::newRow("mime-text-with-begin-line-restarts-plain")
            << mime + "Content-Type: text/plain\r\n\r\nSee:\r\nbegin 644 f.bin\r\n#86)C\r\nend\r\n"
            << QStringList{"See:"} << QStringList{"f.bin | application/octet-stream | 1 | abc"}
            << " csUSASCII meUU";
        QTest::newRow("text-without-subtype-is-plain-text")
            << mime + "Content-Type: text; charset=us-ascii\r\n\r\nHi,\r\nthere\r\n"
            << QStringList{"Hi,", "there"} << QStringList{} << " csUSASCII meMIME";
        QTest::newRow("single-attachment-lines-kept-whole")
            << mime +
                   "Content-Type: application/x-data; name=\"d.bin\"\r\n"
                   "Content-Transfer-Encoding: 8bit\r\n\r\n" +
                   QByteArray(300, 'y') + "\r\n"
            << QStringList{}
            << QStringList{"d.bin | application/x-data | 0 | " + QString(300, u'y') + "\r\n"}
            << " csUSASCII meMIME";
        QTest::newRow("forwarded-message-gives-its-text")
            << mime + "Content-Type: message/rfc822\r\n\r\nSubject: inner\r\n"
                      "Content-Type: text/plain\r\n\r\nInner text\r\n"
            << QStringList{"Inner text"}
            << QStringList{"att.0 | message/rfc822 | 0 | Subject: inner\r\nContent-Type: "
                           "text/plain\r\n\r\nInner text\r\n"}
            << " csUSASCII meMIME";
        QTest::newRow("header-block-without-empty-line-ends-at-the-first-other-line")
            << QByteArray("From: a@b.example\r\nSubject: s\r\nno separating line here\r\n"
                          "second\r\n")
            << QStringList{"no separating line here", "second"} << QStringList{}
            << " csUSASCII meMIME";
        QTest::newRow("single-attachment-base64-stops-at-dot")
            << mime + "Content-Type: application/pdf; name=\"x.pdf\"\r\n"
                      "Content-Transfer-Encoding: base64\r\n\r\nYWJj\r\n.\r\nignored\r\n"
            << QStringList{} << QStringList{"x.pdf | application/pdf | 1 | abc"}
            << " csUSASCII meMIME";
        QTest::newRow("multipart-with-and-without-names")
            << multipart("multipart/mixed",
                         "--XX\r\nContent-Type: text/plain\r\n\r\nBody\r\n"
                         "--XX\r\nContent-Type: text/plain; name=\"r.txt\"\r\n"
                         "Content-Transfer-Encoding: quoted-printable\r\n\r\na=3Db\r\n"
                         "--XX\r\nContent-Type: application/octet-stream\r\n"
                         "Content-Transfer-Encoding: base64\r\n\r\nYWJj\r\n\r\n"
                         "--XX\r\nContent-Type: application/pdf\r\n"
                         "Content-Disposition: attachment; filename=\"b.pdf\"\r\n\r\nraw\r\n"
                         "--XX--\r\n")
            << QStringList{"Body"}
            << QStringList{"r.txt | text/plain | 2 | a=b\r\n",
                           "att.1 | application/octet-stream | 1 | abc",
                           "b.pdf | application/pdf | 0 | raw\r\n"}
            << " csUSASCII meMIME";
        // Once a crash in the type lookup of the name.
        QTest::newRow("nul-characters-in-an-attachment-name-are-left-out")
            << multipart("multipart/mixed", "--XX\r\nContent-Type: text/plain\r\n\r\nBody\r\n"
                                            "--XX\r\nContent-Type: text/plain; name=\"r" +
                                                QByteArray(19, '\0') +
                                                ".txt\"\r\n\r\nx\r\n--XX--\r\n")
            << QStringList{"Body"} << QStringList{"r.txt | text/plain | 0 | x\r\n"}
            << " csUSASCII meMIME";
        QTest::newRow("multipart-only-part-sets-content-type")
            << multipart(
                   "multipart/mixed",
                   "--XX\r\nContent-Type: Text/Plain; charset=us-ascii\r\n\r\nOne\r\n--XX--\r\n")
            << QStringList{"One"} << QStringList{} << "text/plain csUSASCII meMIME";
        QTest::newRow("multipart-base64-first-part-is-attachment")
            << multipart("multipart/mixed",
                         "--XX\r\nContent-Type: application/octet-stream\r\n"
                         "Content-Transfer-Encoding: base64\r\n\r\nYWJj\r\n--XX--\r\n")
            << QStringList{} << QStringList{"att.0 | application/octet-stream | 1 | abc"}
            << " csUSASCII meMIME";
        // Text in base64, as much mail in UTF-8 is sent, is the body all the same.
        QTest::newRow("multipart-base64-plain-first-part-is-the-body")
            << multipart("multipart/mixed",
                         "--XX\r\nContent-Type: text/plain; charset=utf-8\r\n"
                         "Content-Transfer-Encoding: base64\r\n\r\n" +
                             QByteArray("Gr\xc3\xbc\xc3\x9f"
                                        "e\r\nzwei\r\n")
                                 .toBase64() +
                             "\r\n--XX\r\nContent-Type: application/pdf\r\n\r\nraw\r\n--XX--\r\n")
            << QStringList{"Grüße", "zwei"} << QStringList{"att.0 | application/pdf | 0 | raw\r\n"}
            << " csUSASCII meMIME";
        QTest::newRow("multipart-base64-html-only-part-is-the-body")
            << multipart("multipart/alternative",
                         "--XX\r\nContent-Type: text/html; charset=iso-8859-1\r\n"
                         "Content-Transfer-Encoding: base64\r\n\r\n" +
                             QByteArray("<p>caf\xe9</p>").toBase64() + "\r\n--XX--\r\n")
            << QStringList{"<p>café</p>"} << QStringList{} << "text/html csUSASCII meMIME";
        QTest::newRow("multipart-long-base64-lines-kept-whole")
            << multipart("multipart/mixed", "--XX\r\nContent-Type: text/plain\r\n\r\nBody\r\n"
                                            "--XX\r\nContent-Type: application/octet-stream\r\n"
                                            "Content-Transfer-Encoding: base64\r\n\r\n" +
                                                QByteArray(300, 'x').toBase64() + "\r\n--XX--\r\n")
            << QStringList{"Body"}
            << QStringList{"att.0 | application/octet-stream | 1 | " + QString(300, u'x')}
            << " csUSASCII meMIME";
        QTest::newRow("top-level-alternative-names-alt")
            << multipart("multipart/alternative",
                         "--XX\r\nContent-Type: text/plain\r\n\r\nPlain\r\n"
                         "--XX\r\nContent-Type: text/html\r\n\r\n<b>x</b>\r\n--XX--\r\n")
            << QStringList{"Plain"} << QStringList{"_alt.0 | text/html | 0 | <b>x</b>\r\n"}
            << " csUSASCII meMIME";
        QTest::newRow("nested-alternative-then-attachment")
            << multipart("multipart/mixed",
                         "--XX\r\nContent-Type: multipart/alternative; boundary=\"YY\"\r\n\r\n"
                         "--YY\r\nContent-Type: text/plain\r\n\r\nPlain\r\n"
                         "--YY\r\nContent-Type: text/html\r\n\r\n<b>x</b>\r\n--YY--\r\n\r\n"
                         "--XX\r\nContent-Type: text/plain\r\n\r\nnote\r\n--XX--\r\n")
            << QStringList{"Plain"}
            << QStringList{"_alt.0 | text/html | 0 | <b>x</b>\r\n",
                           "att.1 | text/plain | 0 | note\r\n"}
            << " csUSASCII meMIME";
        QTest::newRow("nested-alternative-without-closing-boundary")
            << multipart("multipart/mixed",
                         "--XX\r\nContent-Type: multipart/alternative; boundary=\"YY\"\r\n\r\n"
                         "--YY\r\nContent-Type: text/plain\r\n\r\nPlain\r\n"
                         "--YY\r\nContent-Type: text/html\r\n\r\n<b>x</b>\r\n--YY--\r\n")
            << QStringList{"Plain"} + errorBody("Cannot find closing boundary")
            << QStringList{"_alt.0 | text/html | 0 | <b>x</b>\r\n",
                           "original.eml | message/rfc822 | 0 | <file>"}
            << " csUSASCII meMIME";
        QTest::newRow("missing-boundary-gives-error-body")
            << multipart("multipart/mixed", "--YY\r\nContent-Type: text/plain\r\n\r\nText\r\n")
            << errorBody("Cannot find boundary")
            << QStringList{"original.eml | message/rfc822 | 0 | <file>"} << " csUSASCII meMIME";
        QTest::newRow("bad-base64-attachment-gives-error-body")
            << multipart("multipart/mixed",
                         "--XX\r\nContent-Type: text/plain\r\n\r\nBody\r\n"
                         "--XX\r\nContent-Type: image/png\r\nContent-Transfer-Encoding: base64\r\n"
                         "\r\nab!d\r\n--XX--\r\n")
            << QStringList{"Body"} + errorBody("Invalid Character")
            << QStringList{"original.eml | message/rfc822 | 0 | <file>"} << " csUSASCII meMIME";
        QTest::newRow("overlong-qp-attachment-is-decoding-error")
            << multipart("multipart/mixed", "--XX\r\nContent-Type: text/plain\r\n\r\nBody\r\n"
                                            "--XX\r\nContent-Type: text/plain\r\n"
                                            "Content-Transfer-Encoding: quoted-printable\r\n\r\n" +
                                                QByteArray("0123456789=\r\n").repeated(2500) +
                                                "--XX--\r\n")
            << QStringList{"Body"} + errorBody("Error decoding the attachment")
            << QStringList{"original.eml | message/rfc822 | 0 | <file>"} << " csUSASCII meMIME";

        // Text in the character set its part declares, else UTF-8 or Windows-1252.
        QTest::newRow("utf8-declared")
            << mime + "Content-Type: text/plain; charset=\"UTF-8\"\r\n\r\nGr\xc3\xbc\xc3\x9f"
                      "e\r\n"
            << QStringList{"Grüße"} << QStringList{} << " csUSASCII meMIME";
        QTest::newRow("iso-8859-1-declared")
            << mime + "Content-Type: text/plain; charset=iso-8859-1\r\n\r\nGr\xfc\xdf"
                      "e\r\n"
            << QStringList{"Grüße"} << QStringList{} << " csUSASCII meMIME";
        QTest::newRow("utf8-quoted-printable-in-multipart")
            << multipart("multipart/mixed", "--XX\r\nContent-Type: text/plain; charset=utf-8\r\n"
                                            "Content-Transfer-Encoding: "
                                            "quoted-printable\r\n\r\nGr=C3=BC=C3=9Fe\r\n--XX--\r\n")
            << QStringList{"Grüße"} << QStringList{} << "text/plain csISO8859 meMIME";
        QTest::newRow("undeclared-utf8")
            << QByteArray("Subject: s\r\n\r\n\xe2\x82\xac 5\r\n") << QStringList{"€ 5"}
            << QStringList{} << " csUSASCII meMIME";
        QTest::newRow("undeclared-8bit-is-windows-1252")
            << QByteArray("Subject: s\r\n\r\n\x80 5\r\n") << QStringList{"€ 5"} << QStringList{}
            << " csUSASCII meMIME";
        QTest::newRow("unknown-charset-falls-back")
            << mime + "Content-Type: text/plain; charset=x-nonsense\r\n\r\n\xe9t\xe9\r\n"
            << QStringList{"été"} << QStringList{} << " csUSASCII meMIME";
    }

    void decode() {
        QFETCH(QByteArray, raw);
        QFETCH(QStringList, body);
        QFETCH(QStringList, attachments);
        QFETCH(QString, markers);

        const QString path = write(raw);
        QVERIFY(!path.isEmpty());
        TmsMessage m;
        m.LoadFromFile(path);
        QCOMPARE(m.Body, body);
        QStringList got;
        for (int i = 0; i < m.Attachments.Count(); ++i)
            got << describe(*m.Attachments.Items(i), raw);
        QCOMPARE(got, attachments);
        QCOMPARE(m.ContentType + u' ' + CharSetName(m.CharSet) + u' ' + EncodingName(m.Encoding),
                 markers);
    }

    void headerFields() {
        TmsMessage m;
        m.Subject = QStringLiteral("xxx quillmere");
        m.LoadFromBytes(
            "From: \"Ann\" <ann@a.example>\r\nTo: b@b.example, \"C, D\" <c@c.example>\r\n"
            "Cc: e@e.example\r\nSubject: =?ISO-8859-1?Q?Caf=E9?=\r\nX-Priority: 1\r\n"
            "Return-Receipt-To: ann@a.example\r\n\r\nx\r\n");
        QCOMPARE(m.Sender.Name, QStringLiteral("Ann"));
        QCOMPARE(m.Sender.Address, QStringLiteral("ann@a.example"));
        QCOMPARE(m.Recipients.Count(), 2);
        QCOMPARE(m.Recipients.Items(1)->Name, QStringLiteral("C, D"));
        QCOMPARE(m.CC.Count(), 1);
        QCOMPARE(m.BCC.Count(), 0);
        QCOMPARE(m.Subject, QStringLiteral("Café"));
        QCOMPARE(m.Priority, ptHigh);
        QVERIFY(m.ReturnReceipt);
        QCOMPARE(m.Headers.size(), 6);
    }

    void failuresReachCaller_data() {
        QTest::addColumn<QByteArray>("raw"); // empty: no such file
        QTest::addColumn<QString>("error");

        QTest::newRow("missing-file") << QByteArray() << "Cannot open";
        QTest::newRow("end-marker-in-header")
            << QByteArray("Subject: s\r\n\xff\xff\xff\xff\r\n\r\nx\r\n")
            << "Unable to retrieve headers";
        QTest::newRow("overlong-qp-body")
            << mime + "Content-Transfer-Encoding: quoted-printable\r\n\r\n" +
                   QByteArray("0123456789=\r\n").repeated(2500)
            << "Paragraph is too large";
    }

    void failuresReachCaller() {
        QFETCH(QByteArray, raw);
        QFETCH(QString, error);
        const QString path =
            raw.isEmpty() ? m_dir.filePath(QStringLiteral("none.eml")) : write(raw);
        TmsMessage m;
        try {
            m.LoadFromFile(path);
            QFAIL("no failure");
        } catch (const Exception& e) {
            QVERIFY2(e.message().startsWith(error), qPrintable(e.message()));
        }
    }
};

QTEST_GUILESS_MAIN(TestMessageDecoder)
#include "tst_messagedecoder.moc"
