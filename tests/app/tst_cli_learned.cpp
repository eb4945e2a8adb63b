// quillmere-cli learn, score and the learned counts in the rules listing, on a
// private profile with hand-written messages in a Maildir folder and a mailbox file.
#include "CliRunner.h"
#include "support/LearnedMail.h"
#include "support/TempProfile.h"
#include "support/TestFiles.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QtTest>

namespace {

QByteArray message(const QStringList& header) {
    return header.join(QStringLiteral("\r\n")).toUtf8() + "\r\n\r\nThe body is never read.\r\n";
}

} // namespace

class TestCliLearned : public QObject {
    Q_OBJECT

    TempProfile* m_profile = nullptr;
    QTemporaryDir m_mail;

    // A Maildir of spam messages first..first+count-1 (half in cur, half in new).
    QString spamMaildir(int first, int count) {
        const QString dir = m_mail.filePath(QStringLiteral("spam%1").arg(first));
        for (int i = first; i < first + count; ++i)
            writeFile(QStringLiteral("%1/%2/%3.eml").arg(dir, i % 2 ? "cur" : "new").arg(i),
                      message(LearnedMail::spam(i)));
        return dir;
    }
    // A mailbox file of other messages first..first+count-1.
    QString otherMailbox(int first, int count) {
        QByteArray box;
        for (int i = first; i < first + count; ++i)
            box += "From ben@club.example  Mon Aug  5 10:00:00 2002\n" +
                   message(LearnedMail::other(i)) + "\n";
        const QString path = m_mail.filePath(QStringLiteral("other%1.mbox").arg(first));
        writeFile(path, box);
        return path;
    }

private Q_SLOTS:
    void init() { m_profile = new TempProfile; }
    void cleanup() { delete m_profile; }

    void learnThenScore() {
        const QString spam = spamMaildir(0, 50);
        const QString other = otherMailbox(0, 49);
        const QString probe = m_mail.filePath(QStringLiteral("probe.eml"));
        writeFile(probe, message(LearnedMail::spam(777)));

        Run r = cli({"learn", "spam", spam});
        QCOMPARE(r.code, 0);
        QVERIFY2(r.out.startsWith(QLatin1String("Learned 50 messages as spam")), qPrintable(r.out));
        r = cli({"learn", "ham", other});
        QCOMPARE(r.code, 0);
        QVERIFY(r.out.contains(QLatin1String("49 other messages")));
        // One short of the minimum: nothing is judged yet.
        r = cli({"score", probe});
        QCOMPARE(r.code, 0);
        QCOMPARE(r.out, probe + QStringLiteral(": not judged\n"));
        QVERIFY(r.err.contains(QLatin1String("needs 50 of each")));

        r = cli({"learn", "ham", otherMailbox(49, 1), other});
        QCOMPARE(r.code, 0);
        QVERIFY2(r.out.contains(QLatin1String("Learned 1 message as other mail, moved 0 over from "
                                              "spam; 49 were learned so before")),
                 qPrintable(r.out));

        r = cli({"score", probe, "--json"});
        QCOMPARE(r.code, 0);
        const QJsonObject o = QJsonDocument::fromJson(r.out.toUtf8()).object();
        QCOMPARE(o["ready"].toBool(), true);
        QCOMPARE(o["learned"].toObject()["spam"].toInt(), 50);
        const QJsonObject m = o["messages"].toArray().first().toObject();
        QCOMPARE(m["file"].toString(), probe);
        QVERIFY(m["score"].toDouble() > 0.9);
        const QJsonArray toward = m["towardSpam"].toArray();
        QVERIFY(!toward.isEmpty());
        QVERIFY(toward.first().toObject()["probability"].toDouble() > 0.9);

        r = cli({"rules"});
        QCOMPARE(r.code, 0);
        QVERIFY2(r.out.contains(QRegularExpression(
                     "Learned judgement \\(.*learned\\.db\\): 50 spam, 50 other, \\d+ tokens\\n")),
                 qPrintable(r.out));

        // Moved over the other way.
        r = cli({"learn", "ham", spam + QStringLiteral("/cur/1.eml")});
        QVERIFY(r.out.contains(QLatin1String("moved 1 over from spam")));
        QVERIFY(r.out.contains(QLatin1String("49 spam messages, 51 other messages")));
    }

    void failuresChangeNothing() {
        const QString db = m_profile->appFile(QStringLiteral("learned.db"));
        // A path that cannot be read: nothing learned, no database made.
        Run r = cli({"learn", "spam", spamMaildir(0, 3), m_mail.filePath("missing.eml")});
        QCOMPARE(r.code, 1);
        QVERIFY(r.err.contains(QLatin1String("missing.eml")));
        QVERIFY(!QFileInfo::exists(db));
        r = cli({"learn", "maybe", m_mail.path()});
        QCOMPARE(r.code, 2);

        // A damaged database is reported by each command and left as it is.
        const QByteArray damaged = QByteArray("garbage, not a database\n").repeated(100);
        writeFile(db, damaged);
        for (const QStringList& args :
             {QStringList{"learn", "spam", spamMaildir(10, 2)},
              QStringList{"score", spamMaildir(20, 1)}, QStringList{"rules"}}) {
            r = cli(args);
            QCOMPARE(r.code, 1);
            QVERIFY2(r.err.contains(db + QStringLiteral(" cannot be read")), qPrintable(r.err));
        }
        QCOMPARE(readAll(db), damaged);
        // Forgetting replaces it.
        r = cli({"learn", "forget"});
        QCOMPARE(r.code, 0);
        r = cli({"rules"});
        QCOMPARE(r.code, 0);
        QVERIFY(r.out.contains(QLatin1String("0 spam, 0 other, 0 tokens")));
    }
};

QTEST_GUILESS_MAIN(TestCliLearned)
#include "tst_cli_learned.moc"
