// quillmere-cli decode over stored message files: the text and JSON forms,
// and the failures with their statuses.
#include "CliRunner.h"
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

namespace {

// A text body in ISO-8859-1 with one uuencoded attachment after it.
const QByteArray kMessage("From: \"Ann\" <ann@a.example>\r\nSubject: Hello\r\n"
                          "Content-Type: text/plain; charset=iso-8859-1\r\n\r\n"
                          "Gr\xfc\xdf"
                          "e\r\nbegin 644 file.zip\r\n#86)C\r\n`\r\nend\r\n");

} // namespace

class TestCliDecode : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;

    QString write(const QString& name, const QByteArray& raw) {
        QFile f(m_dir.filePath(name));
        if (!f.open(QIODevice::WriteOnly) || f.write(raw) != raw.size()) return {};
        return f.fileName();
    }

    Run run(const QStringList& args) {
        return cli(QStringList{QStringLiteral("decode")} + args);
    }

private Q_SLOTS:
    void text() {
        const QString file = write(QStringLiteral("msg_0.eml"), kMessage);
        const Run r = run({file});
        QCOMPARE(r.err, QString());
        QCOMPARE(r.code, 0);
        QCOMPARE(r.out,
                 QStringLiteral("Subject: Hello\nSender: Ann <ann@a.example>\n"
                                "Content type: \nCharacter set: csUSASCII\n"
                                "Encoding: meUU\n\nGrüße\n\n"
                                "Attachment: file.zip (application/zip, kind 1, 3 bytes)\n"));
    }

    void json() {
        const QString file = write(QStringLiteral("msg_1.eml"), kMessage);
        const Run r = run({file, QStringLiteral("--json")});
        QCOMPARE(r.code, 0);
        QJsonParseError error;
        const QJsonObject o = QJsonDocument::fromJson(r.out.toUtf8(), &error).object();
        QCOMPARE(error.error, QJsonParseError::NoError);
        const QJsonObject expected{
            {"subject", "Hello"},
            {"sender", "Ann <ann@a.example>"},
            {"contentType", ""},
            {"charset", "csUSASCII"},
            {"encoding", "meUU"},
            {"body", QJsonArray{"Grüße"}},
            {"attachments", QJsonArray{QJsonObject{{"name", "file.zip"},
                                                   {"contentType", "application/zip"},
                                                   {"kind", 1},
                                                   {"size", 3}}}},
        };
        QCOMPARE(o, expected);
    }

    void failures_data() {
        QTest::addColumn<QStringList>("args"); // "@" stands for the written file
        QTest::addColumn<QByteArray>("raw");
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("err");

        QTest::newRow("malformed-header-status-1")
            << QStringList{"@"} << QByteArray("Subject: s\r\n\xff\xff\xff\xff\r\n\r\nx\r\n") << 1
            << "Unable to retrieve headers\n";
        QTest::newRow("missing-file-status-1")
            << QStringList{"/nonexistent/msg.eml"} << QByteArray() << 1
            << "Cannot open \"/nonexistent/msg.eml\": No such file or directory\n";
        QTest::newRow("no-file-is-usage")
            << QStringList{} << QByteArray() << 2 << "usage: quillmere-cli decode FILE [--json]\n";
        QTest::newRow("unknown-option-is-usage")
            << QStringList{"@", "--xml"} << QByteArray("\r\n") << 2
            << "usage: quillmere-cli decode FILE [--json]\n";
    }

    void failures() {
        QFETCH(QStringList, args);
        QFETCH(QByteArray, raw);
        QFETCH(int, code);
        QFETCH(QString, err);
        if (!raw.isEmpty())
            args.replaceInStrings(QStringLiteral("@"), write(QStringLiteral("bad.eml"), raw));
        const Run r = run(args);
        QCOMPARE(r.err, err);
        QCOMPARE(r.out, QString());
        QCOMPARE(r.code, code);
    }
};

QTEST_GUILESS_MAIN(TestCliDecode)
#include "tst_cli_decode.moc"
