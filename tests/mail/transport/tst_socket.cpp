// The transport against a scripted peer on loopback: resolving, lines and
// data blocks exactly as sent, time-outs, cancels and the peer's failures.
#include "mail/Exceptions.h"
#include "mail/transport/Socket.h"
#include "support/servers/ScriptedPop3Server.h"

#include <QElapsedTimer>
#include <QTcpServer>
#include <QTimer>
#include <QtTest>
#include <sys/resource.h>

namespace {

// Records the transport's events by name, in order.
struct EventLog {
    QStringList events;
    void attach(TagSocket& s) {
        s.OnOpen = [this](QObject*) { events << "open"; };
        s.OnClosing = [this](QObject*) { events << "closing"; };
        s.OnClosed = [this](QObject*) { events << "closed"; };
        s.OnCancel = [this](QObject*) { events << "cancel"; };
        s.OnError = [this](QObject*, QString& m) { events << "error: " + m; };
    }
};

double cpuSeconds() {
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    return double(u.ru_utime.tv_sec + u.ru_stime.tv_sec) +
           double(u.ru_utime.tv_usec + u.ru_stime.tv_usec) / 1e6;
}

// Opens and connects a transport to a scripted server.
void connectTo(TagSocket& s, const ScriptedPop3Server& server) {
    s.Server = server.server();
    s.ServiceName = QStringLiteral("pop3");
    s.ResetState();
    s.Open();
    s.ConnectSocket();
}

enum class Failure { None, Socket, TimedOut, Canceled };

// A transport whose tests name what a wait is for, as a protocol does.
struct AwaitingSocket : TagSocket {
    using TagSocket::setAwaiting;
};

} // namespace

class TestSocket : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void resolvesPort_data() {
        QTest::addColumn<QString>("server");
        QTest::addColumn<QString>("service");
        QTest::addColumn<int>("port");
        QTest::addColumn<bool>("serviceLookedUp");

        QTest::newRow("port-after-colon") << "127.0.0.1:2345"
                                          << "pop3" << 2345 << false;
        QTest::newRow("no-port-uses-services-database") << "127.0.0.1"
                                                        << "pop3" << 110 << true;
        QTest::newRow("text-after-colon-is-no-port") << "127.0.0.1:abc"
                                                     << "pop3" << 110 << true;
        QTest::newRow("zero-is-no-port") << "127.0.0.1:0"
                                         << "pop3" << 110 << true;
        QTest::newRow("only-low-16-bits-count") << "127.0.0.1:65646"
                                                << "pop3" << 110 << false;
        QTest::newRow("unknown-service-uses-default-port")
            << "127.0.0.1"
            << "no-such-service-here" << 4321 << true;
        QTest::newRow("secure-scheme-uses-secure-service") << "pop3s://127.0.0.1"
                                                           << "pop3" << 995 << true;
    }

    void resolvesPort() {
        QFETCH(QString, server);
        QFETCH(QString, service);
        QFETCH(int, port);
        QFETCH(bool, serviceLookedUp);
        TagSocket s;
        s.Server = server;
        s.ServiceName = service;
        s.DefaultPort = 4321;
        s.SecureScheme = s.SecureServiceName = QStringLiteral("pop3s");
        s.SecurePort = 995;
        s.ResetState();
        s.Open();
        QCOMPARE(int(s.RemotePort()), port);
        QCOMPARE(s.ServiceResolved, serviceLookedUp);
        QCOMPARE(s.RemoteAddress, QStringLiteral("127.0.0.1"));
        QVERIFY(!s.HostResolved); // a dotted address needs no lookup
        QVERIFY(s.Connected());
    }

    void resolvesHostName() {
        TagSocket s;
        s.Server = QStringLiteral("localhost:110");
        s.ResetState();
        s.Open();
        QVERIFY(s.HostResolved);
        QCOMPARE(s.RemoteAddress, QStringLiteral("127.0.0.1"));
    }

    void preconditionFailures_data() {
        QTest::addColumn<QString>("server");
        QTest::addColumn<QString>("service");
        QTest::addColumn<QString>("message");

        QTest::newRow("server-empty") << ""
                                      << "pop3"
                                      << "Server property is required";
        QTest::newRow("scheme-without-host") << "pop3s://"
                                             << "pop3"
                                             << "Server property is required";
        QTest::newRow("no-port-and-no-service") << "127.0.0.1"
                                                << ""
                                                << "Service name is required";
    }

    void preconditionFailures() {
        QFETCH(QString, server);
        QFETCH(QString, service);
        QFETCH(QString, message);
        TagSocket s;
        EventLog log;
        log.attach(s);
        s.Server = server;
        s.ServiceName = service;
        s.SecureScheme = QStringLiteral("pop3s");
        QVERIFY_THROWS_EXCEPTION(ESocketError, s.Open());
        QCOMPARE(log.events, (QStringList{"open", "error: " + message}));
        QVERIFY(!s.Connected());
    }

    void operationsNeedASocket() {
        TagSocket s;
        QString line;
        QByteArray block;
        const std::function<void()> operations[] = {
            [&] { s.SendLine(QStringLiteral("NOOP")); },
            [&] { s.ReadReplyLine(line); },
            [&] { s.ReadToStream(block, -1); },
        };
        for (const auto& op : operations) {
            try {
                op();
                QFAIL("no failure");
            } catch (const ESocketError& e) {
                QCOMPARE(e.message(), QStringLiteral("You have to connect to the server first"));
            }
        }
    }

    void refusedConnection() {
        QTcpServer probe;
        probe.listen(QHostAddress::LocalHost, 0);
        const quint16 port = probe.serverPort();
        probe.close();
        TagSocket s;
        EventLog log;
        log.attach(s);
        s.Server = QStringLiteral("127.0.0.1:%1").arg(port);
        s.ResetState();
        s.Open();
        QElapsedTimer t;
        t.start();
        QVERIFY_THROWS_EXCEPTION(ESocketError, s.ConnectSocket());
        QVERIFY(t.elapsed() < 900); // reported at once, not after a time-out
        QCOMPARE(log.events.last(), QStringLiteral("error: Connection refused"));
    }

    // Lines and blocks that arrive together: each read takes its own part only.
    void readsExactlyWhatBelongsToIt() {
        ScriptedPop3Server server(Pop3Script{
            {"", "+OK first\r\n+OK second\r\n..dot\r\nline\r\n.\r\n+OK after the block\r\n"},
        });
        TagSocket s;
        s.setTimeOut(5);
        connectTo(s, server);
        QString line;
        QCOMPARE(s.ReadReplyLine(line), -1); // "+OK" is not a three-digit number
        QCOMPARE(line, QStringLiteral("+OK first"));
        s.ReadReplyLine(line);
        QCOMPARE(line, QStringLiteral("+OK second"));
        QByteArray block;
        s.ReadToStream(block, -1);
        QCOMPARE(block, QByteArray("..dot\r\nline\r\n.\r\n"));
        s.ReadReplyLine(line);
        QCOMPARE(line, QStringLiteral("+OK after the block"));
    }

    void readsDataBlocks_data() {
        QTest::addColumn<QByteArray>("block");
        QTest::addColumn<int>("pieces");
        QTest::addColumn<int>("gapMs");

        QTest::newRow("only-the-terminating-line") << QByteArray(".\r\n") << 1 << 0;
        QTest::newRow("terminator-split-over-pieces") << QByteArray("a\r\nb\r\n.\r\n") << 9 << 30;
        QTest::newRow("dot-stuffed-lines-kept") << QByteArray("..\r\n...x\r\n.\r\n") << 1 << 0;
        QTest::newRow("silences-shorter-than-timeout-add-up-beyond-it")
            << QByteArray("0123456789abcdef\r\n.\r\n") << 6 << 600;
        QTest::newRow("larger-than-one-receive") << QByteArray(100000, 'x') + "\r\n.\r\n"
                                                 << 3 << 20;
    }

    void readsDataBlocks() {
        QFETCH(QByteArray, block);
        QFETCH(int, pieces);
        QFETCH(int, gapMs);
        ScriptStep step{"", block};
        step.pieces = pieces;
        step.gapMs = gapMs;
        ScriptedPop3Server server(Pop3Script{step});
        TagSocket s;
        s.setTimeOut(2);
        connectTo(s, server);
        QByteArray received;
        s.ReadToStream(received, -1);
        QCOMPARE(received, block);
    }

    void reportsProgress() {
        ScriptStep step{"", "abcde12345\r\n.\r\n"};
        step.pieces = 3;
        step.gapMs = 300;
        ScriptedPop3Server server(Pop3Script{step});
        TagSocket s;
        connectTo(s, server);
        QList<QPair<int, int>> progress;
        s.OnProgress = [&](QObject*, int perc, int transferred) {
            progress.append({perc, transferred});
        };
        QByteArray block;
        s.ReadToStream(block, 8);
        // Reported before each receipt is stored; 5 of 8 is 62.5, rounded to even.
        QCOMPARE(progress, (QList<QPair<int, int>>{{0, 0}, {62, 5}, {125, 10}}));
    }

    void replyLineLength_data() {
        QTest::addColumn<int>("length");
        QTest::addColumn<bool>("fits");
        QTest::newRow("1024-bytes-with-crlf-fit") << 1024 << true;
        QTest::newRow("1025-bytes-are-too-long") << 1025 << false;
    }

    void replyLineLength() {
        QFETCH(int, length);
        QFETCH(bool, fits);
        const QByteArray line = "+OK " + QByteArray(length - 6, 'x') + "\r\n";
        ScriptedPop3Server server(Pop3Script{{"", line + "+OK next\r\n"}});
        TagSocket s;
        EventLog log;
        log.attach(s);
        s.setTimeOut(3);
        connectTo(s, server);
        QString text;
        if (fits) {
            s.ReadReplyLine(text);
            QCOMPARE(text.size(), length - 2);
            s.ReadReplyLine(text);
            QCOMPARE(text, QStringLiteral("+OK next"));
            return;
        }
        QVERIFY_THROWS_EXCEPTION(ESocketError, s.ReadReplyLine(text));
        QCOMPARE(log.events, (QStringList{"open", "error: Reply line is longer than 1024 bytes",
                                          "closing", "closed"}));
        QVERIFY(!s.Connected()); // nothing of the rest is taken for a reply
    }

    void peerFailures_data() {
        QTest::addColumn<int>("action");
        QTest::addColumn<QByteArray>("reply");
        QTest::addColumn<bool>("block"); // a data block is awaited, not a line
        QTest::addColumn<int>("failure");
        QTest::addColumn<QStringList>("events");

        const QStringList closing{"closing", "closed"};
        QTest::newRow("closed-in-the-middle-of-a-line")
            << int(ScriptStep::Close) << QByteArray("+OK 2 3") << false << int(Failure::None)
            << QStringList{};
        QTest::newRow("closed-before-a-line-fails-at-once")
            << int(ScriptStep::Close) << QByteArray() << false << int(Failure::Socket)
            << QStringList{"error: Connection closed by the server while waiting for the reply "
                           "to NOOP"} +
                   closing;
        QTest::newRow("closed-before-a-block-fails-at-once")
            << int(ScriptStep::Close) << QByteArray() << true << int(Failure::Socket)
            << QStringList{"error: Connection closed by the server in the middle of the reply "
                           "to NOOP"} +
                   closing;
        QTest::newRow("closed-in-the-middle-of-a-block-fails-at-once")
            << int(ScriptStep::Close) << QByteArray("Subject: a\r\n") << true
            << int(Failure::Socket)
            << QStringList{"error: Connection closed by the server in the middle of the reply "
                           "to NOOP"} +
                   closing;
        QTest::newRow("reset") << int(ScriptStep::Reset) << QByteArray() << false
                               << int(Failure::Socket)
                               << QStringList{"error: Connection reset by peer while waiting for "
                                              "the reply to NOOP"} +
                                      closing;
        QTest::newRow("silence-times-out")
            << int(ScriptStep::Stall) << QByteArray() << false << int(Failure::TimedOut)
            << QStringList{"error: Operation timed out"} + closing;
    }

    // A peer that closes, resets or falls silent while a reply is awaited: a
    // close or a reset fails at once and names what was awaited; a wait in the
    // event loop uses next to no processor time meanwhile.
    void peerFailures() {
        QFETCH(int, action);
        QFETCH(QByteArray, reply);
        QFETCH(bool, block);
        QFETCH(int, failure);
        QFETCH(QStringList, events);
        ScriptedPop3Server server(
            Pop3Script{{"", "+OK hello\r\n"}, {"NOOP", reply, ScriptStep::Action(action)}});
        AwaitingSocket s;
        EventLog log;
        s.setTimeOut(2);
        connectTo(s, server);
        QString line;
        s.ReadReplyLine(line);
        log.attach(s);
        s.setAwaiting(QStringLiteral("the reply to NOOP"));
        s.SendLine(QStringLiteral("NOOP"));
        const double cpu = cpuSeconds();
        QElapsedTimer wall;
        wall.start();
        int code = 0;
        QByteArray received;
        try {
            if (block)
                s.ReadToStream(received, -1);
            else
                code = s.ReadReplyLine(line);
            QCOMPARE(failure, int(Failure::None));
        } catch (const ESocketError&) {
            QCOMPARE(failure, int(Failure::Socket));
            QVERIFY2(wall.elapsed() < 1000, qPrintable(QString::number(wall.elapsed())));
        } catch (const ETimedOutError& e) {
            QCOMPARE(failure, int(Failure::TimedOut));
            QCOMPARE(e.message(), QStringLiteral("Operation timed out"));
            QVERIFY2(wall.elapsed() >= 1000 && wall.elapsed() < 4000,
                     qPrintable(QString::number(wall.elapsed())));
            const double used = cpuSeconds() - cpu;
            QVERIFY2(used < 0.1 * wall.elapsed() / 1000.0, qPrintable(QString::number(used)));
        }
        if (failure == int(Failure::None)) {
            QCOMPARE(code, -1);
            QCOMPARE(line, QString());
            QVERIFY(s.Connected());
        } else {
            QVERIFY(!s.Connected());
        }
        QCOMPARE(log.events, events);
    }

    void cancelDuringWait() {
        ScriptedPop3Server server(Pop3Script{{"", "", ScriptStep::Stall}});
        TagSocket s;
        EventLog log;
        log.attach(s);
        s.setTimeOut(10);
        connectTo(s, server);
        QTimer::singleShot(200, &s, [&] { s.Cancel(); });
        QString line;
        QElapsedTimer t;
        t.start();
        QVERIFY_THROWS_EXCEPTION(ECanceledError, s.ReadReplyLine(line));
        QVERIFY(t.elapsed() < 2000);
        QCOMPARE(log.events, (QStringList{"open", "cancel", "closing", "closed",
                                          "error: Operation has been canceled"}));
        QVERIFY(!s.Connected());
    }

    void errorHandlerMayChangeText_data() {
        QTest::addColumn<bool>("timeOut");
        QTest::addColumn<QString>("message");
        QTest::newRow("socket-error-takes-the-new-text") << false << "changed";
        QTest::newRow("time-out-keeps-its-text") << true << "Operation timed out";
    }

    void errorHandlerMayChangeText() {
        QFETCH(bool, timeOut);
        QFETCH(QString, message);
        ScriptedPop3Server server(Pop3Script{{"", "", ScriptStep::Stall}});
        TagSocket s;
        s.setTimeOut(0);
        if (timeOut) connectTo(s, server);
        s.OnError = [](QObject*, QString& m) { m = QStringLiteral("changed"); };
        QString line;
        try {
            s.ReadReplyLine(line);
            QFAIL("no failure");
        } catch (const Exception& e) {
            QCOMPARE(e.message(), message);
        }
    }
};

QTEST_GUILESS_MAIN(TestSocket)
#include "tst_socket.moc"
