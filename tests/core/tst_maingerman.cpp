// Under German the window speaks German while the activity log keeps its
// English words: a failed check shows the German text and logs the English one,
// and the log reads back as it would have under English.
#include "ControllerFixture.h"
#include "activity/LogEntries.h"
#include "activity/LogReader.h"
#include "settings/Translations.h"
#include "support/servers/ScriptedPop3Server.h"

#include <QRegularExpression>
#include <QTcpServer>
#include <QTest>
#include <optional>

namespace {

// The stamp at the end of a log line, so that lines can be compared.
QString withoutStamp(QString line) {
    static const QRegularExpression stamp(QStringLiteral(" (AT|at) [^\"]*$"));
    return line.remove(stamp);
}

// A port nobody listens on.
quint16 closedPort() {
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost);
    const quint16 port = probe.serverPort();
    probe.close();
    return port;
}

const QByteArray greeting = "+OK ready\r\n";

} // namespace

class TestMainGerman : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() {
        qputenv("LANGUAGE", "de");
        QCOMPARE(Translations::install(), QStringLiteral("de"));
    }

    // The failure from the connection (Qt's own words), from the server's
    // reply, and from the dialogue's own words: each in German on the screen
    // and in English in the log.
    void failedCheckLogsEnglishAndShowsGerman_data() {
        QTest::addColumn<QList<Pop3Script>>("scripts"); // none: nobody listens
        QTest::addColumn<QString>("english");
        QTest::addColumn<QString>("german");

        QTest::newRow("connection-refused-in-qt-words")
            << QList<Pop3Script>{} << "Connection refused"
            << "Verbindung verweigert";
        QTest::newRow("server-reply-with-our-words")
            << QList<Pop3Script>{{{"", greeting},
                                  {"CAPA", "-ERR unknown command\r\n"},
                                  {"USER tester", "+OK\r\n"},
                                  {"PASS secret", "-ERR [AUTH] Nope.\r\n"}}}
            << "-ERR [AUTH] Nope. (the reply to PASS)"
            << "-ERR [AUTH] Nope. (die Antwort auf PASS)";
        QTest::newRow("closed-while-waiting")
            << QList<Pop3Script>{{{"", greeting},
                                  {"CAPA", "-ERR unknown command\r\n"},
                                  {"USER tester", "", ScriptStep::Close}}}
            << "Connection closed by the server while waiting for the reply to USER"
            << "Der Server hat die Verbindung geschlossen, während auf die Antwort auf USER "
               "gewartet wurde";
    }

    void failedCheckLogsEnglishAndShowsGerman() {
        QFETCH(QList<Pop3Script>, scripts);
        QFETCH(QString, english);
        QFETCH(QString, german);

        std::optional<ScriptedPop3Server> server;
        QString address = QStringLiteral("127.0.0.1:%1").arg(closedPort());
        if (!scripts.isEmpty()) {
            server.emplace(scripts);
            address = server->server();
        }
        Harness h;
        Harness::slot(1, address, QStringLiteral("tester"));
        MainController& c = h.start();

        QVERIFY(!c.btListClick());

        QCOMPARE(h.prompter.texts(), QStringList{german});
        QCOMPARE(c.LastFailure(), german);
        QCOMPARE(c.state().StatusText, german);
        QCOMPARE(c.state().btExitCaption, QStringLiteral("Abbrechen"));
        // Exactly the line English would have written.
        const QStringList errors = h.logLinesStartingWith(QStringLiteral("ERROR"));
        QCOMPARE(errors.size(), 1);
        QCOMPARE(withoutStamp(errors.first()),
                 withoutStamp(ErrorEntry(english, QStringLiteral("tester"), address,
                                         QStringLiteral("stamp"))));
    }

    // A check that lists and one that fails, under German: the log holds the
    // English entries, and the statistics read them back as English would.
    void logReadsBackAsUnderEnglish() {
        ScriptedPop3Server server(QList<Pop3Script>{ScriptedPop3Server::signIn("+OK 0 0") +
                                                        Pop3Script{{"QUIT", "+OK bye\r\n"}},
                                                    {{"", "-ERR busy\r\n"}}});
        Harness h;
        Harness::slot(1, server.server(), QStringLiteral("tester"));
        MainController& c = h.start();

        QVERIFY2(c.btListClick(), qPrintable(c.LastFailure()));
        QCOMPARE(c.state().StatusText,
                 QStringLiteral("Nachrichten insgesamt: 0, davon markiert: 0"));
        QVERIFY(!c.btListClick());
        QCOMPARE(c.LastFailure(), QStringLiteral("-ERR busy (die Begrüßung)"));

        QStringList lines;
        for (const QString& line : h.logLines())
            if (!line.isEmpty()) lines << withoutStamp(line);
        const QString mailbox = QStringLiteral("tester");
        QCOMPARE(lines,
                 (QStringList{withoutStamp(MailCheckEntry(0, mailbox, server.server(), "stamp")),
                              withoutStamp(ErrorEntry("-ERR busy (the greeting)", mailbox,
                                                      server.server(), "stamp"))}));

        const ActivityRecords records = LogReader().readInLogFile(c.logPath());
        QCOMPARE(records.Checks.size(), 1);
        QCOMPARE(records.Checks.first().Number, QStringLiteral("0"));
        QCOMPARE(records.Checks.first().Mailbox, mailbox);
        QCOMPARE(records.Checks.first().Server, server.server());
        QCOMPARE(records.Mailboxes, (QStringList{LogReader::AllMailboxes(), mailbox}));
    }
};

QTEST_GUILESS_MAIN(TestMainGerman)
#include "tst_maingerman.moc"
