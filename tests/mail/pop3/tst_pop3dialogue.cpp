// The POP3 client against a scripted server: the exact command lines, the
// events in order, the replies' quirks and every failure of the dialogue.
#include "PopEvents.h"
#include "mail/cache/HeaderCache.h"
#include "support/servers/DovecotServer.h"
#include "support/servers/ScriptedPop3Server.h"

#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

namespace {

QByteArray top(const QByteArray& headers) {
    return "+OK\r\n" + headers + "\r\nbody\r\n.\r\n";
}

const QByteArray headersOne = "Subject: one\r\nMessage-ID: <1@example.org>\r\n";
const QByteArray headersTwo = "Subject: two\r\nMessage-ID: <2@example.org>\r\n";
const QByteArray headersThree = "Subject: three\r\nMessage-ID: <3@example.org>\r\n";

// What the server's CAPA reply lists; Refused: it does not know CAPA.
enum Capa { Refused = 0, Top = 1, Uidl = 2, Pipelining = 4, Ahead = Top | Uidl | Pipelining };

QByteArray capaReply(int capa) {
    if (capa == Refused) return "-ERR unknown command\r\n";
    QByteArray reply = "+OK\r\nUSER\r\n";
    if (capa & Top) reply += "TOP\r\n";
    if (capa & Uidl) reply += "UIDL\r\n";
    if (capa & Pipelining) reply += "PIPELINING\r\n";
    return reply + ".\r\n";
}

// The sign-in of a server whose CAPA reply lists capa.
Pop3Script signIn(const QByteArray& stat, int capa) {
    Pop3Script script = ScriptedPop3Server::signIn(stat);
    script[1].reply = capaReply(capa);
    return script;
}

// The reply to UIDL for messages 1 to count, with the ids u1, u2...
QByteArray uidlListing(int count) {
    QByteArray reply = "+OK\r\n";
    for (int n = 1; n <= count; ++n)
        reply += QByteArray::number(n) + " u" + QByteArray::number(n) + "\r\n";
    return reply + ".\r\n";
}

// A full listing of the given header blocks on a fresh connection.
Pop3Script listing(const QList<QByteArray>& headers, int capa = Refused, bool quit = true) {
    Pop3Script script =
        signIn(QByteArray("+OK ") + QByteArray::number(headers.size()) + " 999", capa);
    if ((capa & Uidl) && !headers.isEmpty())
        script << ScriptStep{"UIDL", uidlListing(int(headers.size()))};
    for (int i = 0; i < headers.size(); ++i) {
        const QByteArray n = QByteArray::number(i + 1);
        script << ScriptStep{"LIST " + n,
                             "+OK " + n + " " + QByteArray::number(100 * (i + 1)) + "\r\n"}
               << ScriptStep{"TOP " + n + " 1", top(headers.at(i))};
    }
    if (quit) script << ScriptStep{"QUIT", "+OK bye\r\n"};
    return script;
}

// The header lines a listing keeps of a header block sent by TOP n 1.
TmsHeaders listed(const QByteArray& headers) {
    TmsHeaders lines;
    lines.LoadFromBytes(top(headers).mid(5));
    lines.StripBody();
    return lines;
}

// A cache of the tests' mailbox holding "id:size" entries; u1 to u3 with the
// header lines of messages one to three, any other id with a message gone since.
HeaderCache cacheHolding(const QStringList& held) {
    HeaderCache cache({"127.0.0.1", "tester", "INBOX"});
    std::vector<HeaderCache::Entry> entries;
    const QList<QByteArray> blocks{headersOne, headersTwo, headersThree};
    for (const QString& entry : held) {
        const QString id = entry.section(':', 0, 0);
        const int n = QStringList{"u1", "u2", "u3"}.indexOf(id);
        entries.push_back(
            {id, entry.section(':', 1).toInt(), listed(n >= 0 ? blocks[n] : "Subject: gone\r\n")});
    }
    cache.replace(std::move(entries));
    cache.decode(cache.encode()); // as a check finds it on disk
    return cache;
}

QStringList keysOf(const HeaderCache& cache) {
    QStringList keys;
    for (const HeaderCache::Entry& e : cache.entries())
        keys << QStringLiteral("%1:%2").arg(e.Key).arg(e.Size);
    return keys;
}

void configure(TmsRemotePOP& pop, const ScriptedPop3Server& server) {
    pop.Server = server.server();
    pop.UserName = QStringLiteral("tester");
    pop.Password = QStringLiteral("secret");
    pop.setTimeOut(3);
}

} // namespace

class TestPop3Dialogue : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void cleanup() { TagSocket::setExtraCaCertificates({}); }

    void listingSendsTheCommandsAndFiresTheEvents() {
        Pop3Script script = listing({headersOne, headersTwo});
        script[3].expect = "PASS p\xc3\xa4ss w\xc3\xb6rd"; // the password's UTF-8 bytes
        ScriptedPop3Server server(script);
        TmsRemotePOP pop;
        configure(pop, server);
        pop.Password = u"päss wörd"_qs;
        PopEvents log;
        log.attach(pop);

        pop.UpdateInfo();

        QCOMPARE(server.received(),
                 (QStringList{"CAPA", "USER tester", u"PASS päss wörd"_qs, "STAT", "LIST 1",
                              "TOP 1 1", "LIST 2", "TOP 2 1", "QUIT"}));
        QCOMPARE(server.receivedBytes().at(2), QByteArray("PASS p\xc3\xa4ss w\xc3\xb6rd"));
        QCOMPARE(log.events, (QStringList{"open", "updating", "next 0", "next 1", "closing",
                                          "closed", "updated"}));
        QCOMPARE(pop.MessageCount, 2);
        QCOMPARE(pop.TotalSize, 999);
        QCOMPARE(pop.RemoteInfo.Count(), 2);
        QCOMPARE(pop.RemoteInfo.Items(1).Size, 200);
        QCOMPARE(QStringList(pop.RemoteInfo.Items(1).Headers),
                 (QStringList{"Subject: two", "Message-ID: <2@example.org>"}));
        QVERIFY(!pop.Connected());
    }

    void deletionVerifiesThenDeletes() {
        ScriptedPop3Server server(
            QList<Pop3Script>{listing({headersOne, headersTwo, headersThree}, Top | Uidl),
                              signIn("+OK 3 999", Top | Uidl) + Pop3Script{
                                                                    {"UIDL 3", "+OK 3 u3\r\n"},
                                                                    {"LIST 3", "+OK 3 300\r\n"},
                                                                    {"TOP 3 1", top(headersThree)},
                                                                    {"DELE 3", "+OK deleted\r\n"},
                                                                    {"QUIT", "+OK bye\r\n"},
                                                                }});
        TmsRemotePOP pop;
        configure(pop, server);
        pop.UpdateInfo();
        PopEvents log;
        log.attach(pop);
        pop.MarkDelete(2);

        pop.TransferData();

        QCOMPARE(server.received(1), server.expected(1));
        QCOMPARE(log.events, (QStringList{"open", "transferring", "deleting 2", "deleted 2",
                                          "transfered", "closing", "closed"}));
    }

    void deleteReplies_data() {
        QTest::addColumn<QByteArray>("reply");
        QTest::addColumn<QStringList>("events");
        QTest::addColumn<QString>("failure");
        QTest::newRow("accepted") << QByteArray("+OK deleted\r\n")
                                  << QStringList{"deleting 0", "deleted 0", "deleting 1",
                                                 "deleted 1"}
                                  << "none";
        QTest::newRow("refused-the-next-goes-on")
            << QByteArray("-ERR message locked\r\n")
            << QStringList{"deleting 0", "refused 0", "deleting 1", "deleted 1"} << "none";
        QTest::newRow("no-status-line-commits-nothing")
            << QByteArray("what?\r\n") << QStringList{"deleting 0", "closing", "closed"}
            << "EServerError: what? (the reply to DELE 1)";
        QTest::newRow("closed-before-the-answer-commits-nothing")
            << QByteArray("+O") << QStringList{"deleting 0", "closing", "closed"}
            << "EServerError: The server closed the connection before it answered the deletion "
               "of message 1";
    }

    // Only a deletion the server accepted is announced as done; a refusal is
    // announced and the others go on; anything else ends the session without QUIT.
    void deleteReplies() {
        QFETCH(QByteArray, reply);
        QFETCH(QStringList, events);
        QFETCH(QString, failure);
        const QByteArray n1 = headersOne, n2 = headersTwo;
        Pop3Script transfer = ScriptedPop3Server::signIn("+OK 2 300") +
                              Pop3Script{{"LIST 1", "+OK 1 100\r\n"}, {"TOP 1 1", top(n1)}};
        const bool goesOn = failure == "none";
        if (goesOn)
            transfer << ScriptStep{"DELE 1", reply}
                     << Pop3Script{{"LIST 2", "+OK 2 200\r\n"},
                                   {"TOP 2 1", top(n2)},
                                   {"DELE 2", "+OK\r\n"},
                                   {"QUIT", "+OK bye\r\n"}};
        else
            transfer << ScriptStep{"DELE 1", reply,
                                   reply.endsWith('\n') ? ScriptStep::Continue : ScriptStep::Close};
        ScriptedPop3Server server(QList<Pop3Script>{listing({n1, n2}), transfer});
        TmsRemotePOP pop;
        configure(pop, server);
        pop.UpdateInfo();
        pop.MarkDelete(0);
        pop.MarkDelete(1);
        PopEvents log;
        log.attach(pop);

        QCOMPARE(failureOf([&] { pop.TransferData(); }), failure);

        QCOMPARE(log.events.filter(QRegularExpression("^(deleting|deleted|refused|closing|closed)"))
                     .mid(0, events.size()),
                 events);
        QCOMPARE(server.received(1), server.expected(1)); // QUIT only when it went on
        QVERIFY(!pop.Connected());
    }

    void listingAheadOrInStep_data() {
        QTest::addColumn<bool>("pipelining");
        QTest::addColumn<int>("refusedTop"); // the index whose TOP is refused; -1 for none
        QTest::addColumn<QStringList>("events");
        QTest::addColumn<QString>("failure");
        const QStringList all{"open",   "updating", "next 0", "next 1",
                              "next 2", "closing",  "closed", "updated"};
        const QStringList firstOnly{"open", "updating", "next 0", "closing", "closed"};
        QTest::newRow("in-step-lists-all") << false << -1 << all << "none";
        QTest::newRow("ahead-lists-all-with-the-same-wire-and-events")
            << true << -1 << all << "none";
        QTest::newRow("in-step-refused-top-keeps-the-rows-before")
            << false << 1 << firstOnly
            << "EServerError: -ERR no such message (the reply to TOP 2 1)";
        QTest::newRow("ahead-refused-top-keeps-the-rows-before")
            << true << 1 << firstOnly
            << "EServerError: -ERR no such message (the reply to TOP 2 1)";
    }

    // With PIPELINING the same commands go out in the same order and the events
    // come as without it; the one UIDL ahead of them gives every row its id; a
    // failure keeps the rows read before it.
    void listingAheadOrInStep() {
        QFETCH(bool, pipelining);
        QFETCH(int, refusedTop);
        QFETCH(QStringList, events);
        QFETCH(QString, failure);
        Pop3Script script =
            listing({headersOne, headersTwo, headersThree}, pipelining ? Ahead : Top | Uidl);
        if (refusedTop >= 0) {
            const QByteArray topLine = "TOP " + QByteArray::number(refusedTop + 1) + " 1";
            const auto at =
                std::find_if(script.begin(), script.end(),
                             [&](const ScriptStep& step) { return step.expect == topLine; }) -
                script.begin();
            script[at].reply = "-ERR no such message\r\n";
            script.resize(at + 1);
        }
        ScriptedPop3Server server(script);
        TmsRemotePOP pop;
        configure(pop, server);
        PopEvents log;
        log.attach(pop);

        QCOMPARE(failureOf([&] { pop.UpdateInfo(); }), failure);

        QCOMPARE(log.events, events);
        QCOMPARE(pop.RemoteInfo.Count(), refusedTop < 0 ? 3 : refusedTop);
        QCOMPARE(pop.RemoteInfo.Items(0).Size, 100);
        QCOMPARE(pop.RemoteInfo.Items(0).Headers.GetFieldValue("Subject"), "one");
        QCOMPARE(pop.RemoteInfo.Items(0).UID, "u1");
        if (refusedTop < 0) QCOMPARE(pop.RemoteInfo.Items(2).UID, "u3");
        // Commands sent ahead of a failure may follow; those before it are exact.
        QCOMPARE(server.received().mid(0, server.expected().size()), server.expected());
        if (refusedTop < 0) QCOMPARE(server.received(), server.expected());
        QVERIFY(!pop.Connected());
    }

    void cachedListing_data() {
        QTest::addColumn<int>("capa");
        QTest::addColumn<QStringList>("held"); // the cache before: "id:size"
        QTest::addColumn<QByteArray>("uidl");  // the reply to UIDL
        QTest::addColumn<QList<int>>("tops");  // the messages whose TOP n 1 is sent
        QTest::addColumn<QStringList>("kept"); // the cache after
        const QByteArray ids = uidlListing(3);
        const QStringList all{"u1:100", "u2:200", "u3:300"};
        QTest::newRow("nothing-held-every-header-is-downloaded")
            << int(Ahead) << QStringList{} << ids << QList<int>{1, 2, 3} << all;
        QTest::newRow("in-step-nothing-held")
            << int(Top | Uidl) << QStringList{} << ids << QList<int>{1, 2, 3} << all;
        QTest::newRow("held-ones-are-not-downloaded")
            << int(Ahead) << QStringList{"u1:100", "u3:300"} << ids << QList<int>{2} << all;
        QTest::newRow("in-step-held-ones-are-not-downloaded")
            << int(Top | Uidl) << QStringList{"u1:100", "u3:300"} << ids << QList<int>{2} << all;
        QTest::newRow("a-size-that-changed-is-downloaded-again")
            << int(Ahead) << QStringList{"u1:100", "u2:999", "u3:300"} << ids << QList<int>{2}
            << all;
        QTest::newRow("messages-gone-leave-the-cache")
            << int(Ahead) << QStringList{"u9:50", "u1:100", "u2:200", "u3:300"} << ids
            << QList<int>{} << all;
        QTest::newRow("an-id-listed-twice-is-downloaded-and-not-kept")
            << int(Ahead) << QStringList{"u1:100", "u3:300"}
            << QByteArray("+OK\r\n1 u1\r\n2 u1\r\n3 u3\r\n.\r\n") << QList<int>{1, 2}
            << QStringList{"u3:300"};
        QTest::newRow("a-message-without-id-is-downloaded-and-not-kept")
            << int(Ahead) << QStringList{"u1:100", "u3:300"}
            << QByteArray("+OK\r\n1 u1\r\n3 u3\r\n.\r\n") << QList<int>{2}
            << QStringList{"u1:100", "u3:300"};
    }

    // With a header cache: one UIDL and one LIST for the whole mailbox, then
    // TOP n 1 only for the messages the cache does not hold under their id and
    // size. The rows and the events are those of a listing without a cache,
    // and the cache holds exactly the messages listed under one id each.
    void cachedListing() {
        QFETCH(int, capa);
        QFETCH(QStringList, held);
        QFETCH(QByteArray, uidl);
        QFETCH(QList<int>, tops);
        QFETCH(QStringList, kept);
        const QList<QByteArray> blocks{headersOne, headersTwo, headersThree};
        Pop3Script script =
            signIn("+OK 3 600", capa) +
            Pop3Script{{"UIDL", uidl}, {"LIST", "+OK\r\n1 100\r\n2 200\r\n3 300\r\n.\r\n"}};
        for (int n : tops)
            script << ScriptStep{"TOP " + QByteArray::number(n) + " 1", top(blocks[n - 1])};
        script << ScriptStep{"QUIT", "+OK bye\r\n"};
        ScriptedPop3Server server(script);
        TmsRemotePOP pop;
        configure(pop, server);
        HeaderCache cache = cacheHolding(held);
        pop.Cache = &cache;
        PopEvents log;
        log.attach(pop);

        pop.UpdateInfo();

        QCOMPARE(server.received(), server.expected());
        QCOMPARE(log.events, (QStringList{"open", "updating", "next 0", "next 1", "next 2",
                                          "closing", "closed", "updated"}));
        QCOMPARE(pop.RemoteInfo.Count(), 3);
        for (int i = 0; i < 3; ++i) {
            QCOMPARE(pop.RemoteInfo.Items(i).Size, 100 * (i + 1));
            QCOMPARE(QStringList(pop.RemoteInfo.Items(i).Headers), QStringList(listed(blocks[i])));
        }
        QCOMPARE(pop.RemoteInfo.Items(2).UID, "u3");
        QCOMPARE(keysOf(cache), kept);
        QCOMPARE(cache.changed(), kept != held);
    }

    // With pipelining UIDL and LIST go out together, and with nothing held the
    // first TOP commands with them; in step each waits for its reply.
    void cachedListingGoesAhead_data() {
        QTest::addColumn<int>("capa");
        QTest::addColumn<bool>("held");
        QTest::addColumn<QString>("lastSent");
        QTest::newRow("ahead-nothing-held") << int(Ahead) << false << "TOP 3 1";
        QTest::newRow("ahead-some-held") << int(Ahead) << true << "LIST";
        QTest::newRow("in-step") << int(Top | Uidl) << false << "UIDL";
    }

    void cachedListingGoesAhead() {
        QFETCH(int, capa);
        QFETCH(bool, held);
        QFETCH(QString, lastSent);
        ScriptedPop3Server server(signIn("+OK 3 600", capa) +
                                  Pop3Script{{"UIDL", "", ScriptStep::Stall}});
        TmsRemotePOP pop;
        configure(pop, server);
        pop.setTimeOut(2);
        HeaderCache cache = cacheHolding(held ? QStringList{"u1:100"} : QStringList{});
        pop.Cache = &cache;

        QCOMPARE(failureOf([&] { pop.UpdateInfo(); }), "ETimedOutError: Operation timed out");

        QTRY_COMPARE(server.received().last(), lastSent);
        QCOMPARE(keysOf(cache), held ? QStringList{"u1:100"} : QStringList{});
    }

    // A server without UIDL is listed as without a cache, which it empties; a
    // LIST that leaves out a message STAT counted fails the check and keeps it.
    void cacheAndAServerItCannotServe() {
        ScriptedPop3Server server(QList<Pop3Script>{
            listing({headersOne}, Top | Pipelining),
            signIn("+OK 2 300", Ahead) +
                Pop3Script{{"UIDL", uidlListing(2)}, {"LIST", "+OK\r\n1 100\r\n.\r\n"}}});
        TmsRemotePOP pop;
        configure(pop, server);
        HeaderCache cache = cacheHolding({"u1:100"});
        pop.Cache = &cache;

        pop.UpdateInfo();
        QCOMPARE(server.received(0), server.expected(0));
        QVERIFY(cache.isEmpty());

        cache = cacheHolding({"u1:100"});
        QCOMPARE(failureOf([&] { pop.UpdateInfo(); }),
                 "EServerError: The server's reply to LIST leaves out message 2");
        QCOMPARE(keysOf(cache), QStringList{"u1:100"});
        QVERIFY(!pop.Connected());
    }

    void howFarCommandsGoAhead_data() {
        QTest::addColumn<int>("messages");
        QTest::addColumn<bool>("offered");
        QTest::addColumn<bool>("allowed");
        QTest::addColumn<QString>("lastSent");
        QTest::newRow("without-pipelining-each-waits-for-its-reply")
            << 3 << false << true << "LIST 2";
        QTest::newRow("pipelining-sends-every-message-ahead") << 3 << true << true << "TOP 3 1";
        QTest::newRow("the-window-bounds-what-goes-ahead")
            << TmsRemotePOP::PipelineWindow + 2 << true << true
            << QStringLiteral("TOP %1 1").arg(TmsRemotePOP::PipelineWindow);
        QTest::newRow("turned-off-each-waits-for-its-reply") << 3 << true << false << "LIST 2";
    }

    // The server answers the first message and then falls silent: the lines it
    // received by then show how far the client went ahead of the replies.
    void howFarCommandsGoAhead() {
        QFETCH(int, messages);
        QFETCH(bool, offered);
        QFETCH(bool, allowed);
        QFETCH(QString, lastSent);
        ScriptedPop3Server server(signIn("+OK " + QByteArray::number(messages) + " 999",
                                         offered ? Top | Pipelining : Top) +
                                  Pop3Script{{"LIST 1", "+OK 1 100\r\n"},
                                             {"TOP 1 1", top(headersOne), ScriptStep::Stall}});
        TmsRemotePOP pop;
        configure(pop, server);
        pop.setTimeOut(2); // a loaded machine still signs in within it
        pop.AllowPipelining = allowed;

        QCOMPARE(failureOf([&] { pop.UpdateInfo(); }), "ETimedOutError: Operation timed out");

        QCOMPARE(pop.RemoteInfo.Count(), 1);
        QTRY_COMPARE(server.received().last(), lastSent);
        QVERIFY(!pop.Connected());
    }

    // Cancel in the middle of a window drops the connection at once, without
    // QUIT and without reading the replies still on their way; the next
    // listing signs in anew even though the connection was to be kept.
    void cancelWithCommandsAhead() {
        const QList<QByteArray> three{headersOne, headersTwo, headersThree};
        ScriptedPop3Server server(
            QList<Pop3Script>{listing(three, Ahead, false), listing(three, Ahead, false)});
        TmsRemotePOP pop;
        configure(pop, server);
        pop.KeepConnection = true;
        PopEvents log;
        log.attach(pop);
        pop.OnNextInfoUpdated = [&](QObject*, int n) {
            log.events << QStringLiteral("next %1").arg(n);
            if (server.connectionCount() == 1) pop.Cancel();
        };

        QCOMPARE(failureOf([&] { pop.UpdateInfo(); }),
                 "ECanceledError: Operation has been canceled");
        QCOMPARE(log.events, (QStringList{"open", "updating", "next 0", "cancel", "closing",
                                          "closed", "error: Operation has been canceled"}));
        QCOMPARE(pop.RemoteInfo.Count(), 1);
        QVERIFY(!pop.Connected());
        QVERIFY(!server.received().contains("QUIT"));

        pop.UpdateInfo();
        QCOMPARE(server.connectionCount(), 2);
        QCOMPARE(server.received(1), server.expected(1));
        QCOMPARE(pop.RemoteInfo.Count(), 3);
        QCOMPARE(pop.RemoteInfo.Items(2).Headers.GetFieldValue("Subject"), "three");
    }

    void deletionAhead_data() {
        // What message 3 answers now: its UIDL n reply and its header block.
        QTest::addColumn<QByteArray>("uidl3");
        QTest::addColumn<QByteArray>("headers3");
        QTest::addColumn<QStringList>("events");
        QTest::addColumn<QString>("failure");
        const QStringList stopped{"transferring", "deleting 0", "error: IDs are different",
                                  "closing", "closed"};
        QTest::newRow("verified-messages-are-deleted-in-order")
            << QByteArray("+OK 3 u3\r\n") << headersThree
            << QStringList{"transferring", "deleting 0", "deleting 2", "deleted 0",
                           "deleted 2",    "transfered", "closing",    "closed"}
            << "none";
        QTest::newRow("changed-headers-stop-the-transfer-before-its-dele")
            << QByteArray("+OK 3 u3\r\n") << headersTwo << stopped
            << "ESocketError: IDs are different";
        QTest::newRow("another-uidl-alone-stops-the-transfer-before-its-dele")
            << QByteArray("+OK 3 u9\r\n") << headersThree << stopped
            << "ESocketError: IDs are different";
        QTest::newRow("refused-uidl-stops-the-transfer-before-its-dele")
            << QByteArray("-ERR no such message\r\n") << headersThree
            << QStringList{"transferring", "deleting 0", "closing", "closed"}
            << "EServerError: -ERR no such message (the reply to UIDL 3)";
    }

    // The verifications go out ahead; DELE n only after message n's own
    // verification; a changed message ends the session without QUIT, so the
    // DELE already sent for an earlier message is not committed either.
    void deletionAhead() {
        QFETCH(QByteArray, uidl3);
        QFETCH(QByteArray, headers3);
        QFETCH(QStringList, events);
        QFETCH(QString, failure);
        Pop3Script transfer = signIn("+OK 3 600", Ahead) +
                              Pop3Script{{"UIDL 1", "+OK 1 u1\r\n"},   {"LIST 1", "+OK 1 100\r\n"},
                                         {"TOP 1 1", top(headersOne)}, {"UIDL 3", uidl3},
                                         {"LIST 3", "+OK 3 300\r\n"},  {"TOP 3 1", top(headers3)},
                                         {"DELE 1", "+OK\r\n"}};
        const bool changed = failure != "none";
        if (!changed) transfer << ScriptStep{"DELE 3", "+OK\r\n"} << ScriptStep{"QUIT", "+OK\r\n"};
        ScriptedPop3Server server(
            QList<Pop3Script>{listing({headersOne, headersTwo, headersThree}, Ahead), transfer});
        TmsRemotePOP pop;
        configure(pop, server);
        pop.UpdateInfo();
        pop.MarkDelete(0);
        pop.MarkDelete(2);
        PopEvents log;
        log.attach(pop);

        QCOMPARE(failureOf([&] { pop.TransferData(); }), failure);

        QCOMPARE(log.events.mid(1), events);
        if (changed) {
            QVERIFY(server.waitForClientClose(1));
            const QStringList sent = server.received(1);
            QVERIFY(!sent.contains("DELE 3"));
            QVERIFY(!sent.contains("QUIT"));
        } else {
            QCOMPARE(server.received(1), server.expected(1));
        }
        QVERIFY(!pop.Connected());
    }

    void replyLimits_data() {
        QTest::addColumn<QByteArray>("capa");
        QTest::addColumn<QByteArray>("secondTop");
        QTest::addColumn<int>("pieces");
        QTest::addColumn<QString>("failure");
        QTest::addColumn<int>("rows");
        const QByteArray ahead = capaReply(Top | Pipelining);
        // A TOP block of exactly n bytes (after its status line).
        const auto topOf = [](qsizetype n) {
            const QByteArray head = "Subject: two\r\nX-Fill: ", tail = "\r\n\r\nbody\r\n.\r\n";
            return "+OK\r\n" + head + QByteArray(n - head.size() - tail.size(), 'f') + tail;
        };
        const QString tooLarge = "ESocketError: The server's reply is larger than %1 bytes";
        QTest::newRow("top-reply-at-its-limit-is-read")
            << ahead << topOf(TmsCustomPOP::TopReplyLimit) << 1 << "none" << 2;
        QTest::newRow("top-reply-past-its-limit-ends-the-listing-after-the-rows-before")
            << ahead << topOf(TmsCustomPOP::TopReplyLimit + 1) << 1
            << tooLarge.arg(TmsCustomPOP::TopReplyLimit) << 1;
        QTest::newRow("capa-flood-ends-the-sign-in-before-user")
            << "+OK\r\n" + QByteArray("X-FLOOD\r\n").repeated(10000) + ".\r\n"
            << top(headersTwo) << 1 << tooLarge.arg(TmsCustomPOP::CapaReplyLimit) << 0;
        QTest::newRow("dribbling-top-reply-hits-the-ceiling")
            << ahead << top(headersTwo) << 40 << "ETimedOutError: Operation timed out" << 1;
    }

    void replyLimits() {
        QFETCH(QByteArray, capa);
        QFETCH(QByteArray, secondTop);
        QFETCH(int, pieces);
        QFETCH(QString, failure);
        QFETCH(int, rows);
        Pop3Script script = listing({headersOne, headersTwo});
        script[1].reply = capa;
        ScriptStep& dribble = script[8];
        dribble.reply = secondTop;
        dribble.pieces = pieces;
        dribble.gapMs = 100; // 4 s in all, 0.1 s between two parts
        ScriptedPop3Server server(script);
        TmsRemotePOP pop;
        configure(pop, server);
        if (pieces > 1) pop.BlockCeiling = 1;

        QCOMPARE(failureOf([&] { pop.UpdateInfo(); }), failure);

        QCOMPARE(pop.RemoteInfo.Count(), rows);
        QCOMPARE(server.received().contains("USER tester"), rows > 0);
        QVERIFY(!pop.Connected());
    }

    void emptyMailbox() {
        ScriptedPop3Server server(ScriptedPop3Server::signIn("+OK 0 0") +
                                  Pop3Script{{"QUIT", "+OK bye\r\n"}});
        TmsRemotePOP pop;
        configure(pop, server);
        PopEvents log;
        log.attach(pop);
        pop.UpdateInfo();
        QCOMPARE(log.events, (QStringList{"open", "updating", "closing", "closed", "updated"}));
        QCOMPARE(server.received(), server.expected());

        log.events.clear();
        pop.TransferData(); // nothing listed: no connection, no events
        QCOMPARE(server.connectionCount(), 1);
        QCOMPARE(log.events, QStringList());
    }

    void statReply_data() {
        QTest::addColumn<QByteArray>("reply");
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("total");
        QTest::addColumn<QString>("failure");
        QTest::newRow("count-and-size") << QByteArray("+OK 2 320") << 2 << 320 << "none";
        QTest::newRow("words-after-the-size")
            << QByteArray("+OK 2 320 octets") << 2 << 320 << "none";
        QTest::newRow("count-only-leaves-the-size-unknown")
            << QByteArray("+OK 3") << 3 << -1 << "none";
        QTest::newRow("nothing-after-ok-is-refused")
            << QByteArray("+OK") << -1 << -1
            << "EServerError: The server's reply to STAT gives no message count: +OK";
    }

    // The second session of a reused client: nothing of the first session's
    // STAT stands for it, and a listing without a count is refused.
    void statReply() {
        QFETCH(QByteArray, reply);
        QFETCH(int, count);
        QFETCH(int, total);
        QFETCH(QString, failure);
        ScriptedPop3Server server(QList<Pop3Script>{ScriptedPop3Server::signIn("+OK 5 500") +
                                                        Pop3Script{{"QUIT", "+OK\r\n"}},
                                                    ScriptedPop3Server::signIn(reply)});
        TmsRemotePOP pop;
        configure(pop, server);
        pop.Connect();
        pop.Disconnect();

        QCOMPARE(failureOf([&] { pop.Connect(); }), failure);

        QCOMPARE(pop.MessageCount, count);
        QCOMPARE(pop.TotalSize, total);
        QCOMPARE(pop.Connected(), failure == "none");
    }

    void listAndTopReplies_data() {
        QTest::addColumn<QByteArray>("list");
        QTest::addColumn<QByteArray>("top");
        QTest::addColumn<int>("size");
        QTest::addColumn<QStringList>("headers");

        QTest::newRow("size-after-the-number")
            << QByteArray("+OK 1 120") << top("A: 1\r\n B: folded\r\n") << 120
            << QStringList{"A: 1", " B: folded"};
        QTest::newRow("words-after-the-size-ignored")
            << QByteArray("+OK 1 120 octets") << top("A: 1\r\n") << 120 << QStringList{"A: 1"};
        QTest::newRow("size-not-a-number-gives-0")
            << QByteArray("+OK 1 many") << top("A: 1\r\n") << 0 << QStringList{"A: 1"};
        QTest::newRow("no-size-gives-the-number")
            << QByteArray("+OK 1") << top("A: 1\r\n") << 1 << QStringList{"A: 1"};
        QTest::newRow("top-without-empty-line-keeps-terminator")
            << QByteArray("+OK 1 7") << QByteArray("+OK\r\nA: 1\r\nB: 2\r\n.\r\n") << 7
            << QStringList{"A: 1", "B: 2", "."};
        QTest::newRow("empty-top")
            << QByteArray("+OK 1 0") << QByteArray("+OK\r\n.\r\n") << 0 << QStringList{"."};
    }

    void listAndTopReplies() {
        QFETCH(QByteArray, list);
        QFETCH(QByteArray, top);
        QFETCH(int, size);
        QFETCH(QStringList, headers);
        ScriptedPop3Server server(
            ScriptedPop3Server::signIn("+OK 1 9") +
            Pop3Script{{"LIST 1", list + "\r\n"}, {"TOP 1 1", top}, {"QUIT", "+OK\r\n"}});
        TmsRemotePOP pop;
        configure(pop, server);
        pop.UpdateInfo();
        QCOMPARE(pop.RemoteInfo.Items(0).Size, size);
        QCOMPARE(QStringList(pop.RemoteInfo.Items(0).Headers), headers);
    }

    void failures_data() {
        QTest::addColumn<Pop3Script>("script");
        QTest::addColumn<int>("security");
        QTest::addColumn<QString>("failure");
        QTest::addColumn<bool>("reported"); // through OnError

        const int optional = int(MailSecurity::StartTlsOptional);
        const Pop3Script signIn = ScriptedPop3Server::signIn("+OK 1 100");
        auto with = [](Pop3Script s, int step, const QByteArray& reply,
                       ScriptStep::Action action = ScriptStep::Continue) {
            s[step].reply = reply;
            s[step].action = action;
            return s.mid(0, step + 1);
        };
        const Pop3Script listed =
            signIn + Pop3Script{{"LIST 1", "+OK 1 100\r\n"}, {"TOP 1 1", top(headersOne)}};

        QTest::newRow("negative-greeting") << with(signIn, 0, "-ERR go away\r\n") << optional
                                           << "EServerError: -ERR go away (the greeting)" << false;
        QTest::newRow("garbage-greeting")
            << with(signIn, 0, "\x16\x03\x01 garbage\r\n") << optional
            << "EServerError: \x16\x03\x01 garbage (the greeting)" << false;
        QTest::newRow("wrong-password")
            << with(signIn, 3, "-ERR [AUTH] Authentication failed.\r\n") << optional
            << "EServerError: -ERR [AUTH] Authentication failed. (the reply to PASS)" << false;
        QTest::newRow("stat-count-not-a-number")
            << with(signIn, 4, "+OK many 100\r\n") << optional
            << "EConvertError: 'many' is not a valid integer value" << false;
        QTest::newRow("negative-top")
            << with(listed, 6, "-ERR no such message\r\n") << optional
            << "EServerError: -ERR no such message (the reply to TOP 1 1)" << false;
        QTest::newRow("closed-in-the-middle-of-a-reply")
            << with(listed, 5, "+OK 1 1", ScriptStep::Close) << optional
            << "EServerError: Connection closed by the server in the middle of the reply to LIST 1"
            << false;
        QTest::newRow("closed-in-the-middle-of-a-data-block")
            << with(listed, 6, "+OK\r\nSubject: one\r\n", ScriptStep::Close) << optional
            << "ESocketError: Connection closed by the server in the middle of the reply to TOP "
               "1 1"
            << true;
        QTest::newRow("reset-during-top")
            << with(listed, 6, "+OK\r\nSubj", ScriptStep::Reset) << optional
            << "ESocketError: Connection reset by peer while waiting for the reply to TOP 1 1"
            << true;
        QTest::newRow("oversized-reply")
            << with(signIn, 4, "+OK " + QByteArray(2000, '9') + "\r\n") << optional
            << "ESocketError: Reply line is longer than 1024 bytes" << true;
        QTest::newRow("silence") << with(signIn, 2, "", ScriptStep::Stall) << optional
                                 << "ETimedOutError: Operation timed out" << true;
        // A server that ends the connection in an orderly way is noticed at
        // once, whatever was awaited.
        const QString closed = "ESocketError: Connection closed by the server while waiting for %1";
        QTest::newRow("closed-at-once-plain")
            << with(signIn, 0, "", ScriptStep::Close) << int(MailSecurity::None)
            << closed.arg("the greeting") << true;
        QTest::newRow("closed-at-once-starttls")
            << with(signIn, 0, "", ScriptStep::Close) << int(MailSecurity::StartTlsRequired)
            << closed.arg("the greeting") << true;
        const char* next[] = {"CAPA", "USER", "PASS", "STAT", "LIST 1", "TOP 1 1"};
        for (int step = 0; step < 6; ++step) {
            const Pop3Script& script = step < 5 ? signIn : listed;
            QTest::addRow("closed-after-%s-before-%s",
                          step == 0 ? "greeting" : script[step].expect.constData(), next[step])
                << with(script, step, script[step].reply, ScriptStep::Close) << optional
                << closed.arg(QStringLiteral("the reply to ") + next[step]) << true;
        }
        QTest::newRow("server-without-top")
            << signIn.mid(0, 1) + Pop3Script{{"CAPA", "+OK\r\nUSER\r\nUIDL\r\n.\r\n"}} +
                   signIn.mid(2)
            << optional << "ESocketError: The server does not offer TOP, which a check needs"
            << true;
    }

    // Whatever fails, the client closes without QUIT: the server commits nothing.
    void failures() {
        QFETCH(Pop3Script, script);
        QFETCH(int, security);
        QFETCH(QString, failure);
        QFETCH(bool, reported);
        ScriptedPop3Server server(script);
        TmsRemotePOP pop;
        configure(pop, server);
        pop.Security = MailSecurity(security);
        pop.setTimeOut(1);
        PopEvents log;
        log.attach(pop);

        QCOMPARE(failureOf([&] { pop.UpdateInfo(); }), failure);

        QCOMPARE(log.events.filter("error: ").size(), reported ? 1 : 0);
        QCOMPARE(server.received(), server.expected());
        QVERIFY(!pop.Connected());
        QVERIFY(server.waitForClientClose());
    }

    void missingSignInData_data() {
        QTest::addColumn<QString>("user");
        QTest::addColumn<QString>("password");
        QTest::addColumn<QString>("failure");
        QTest::newRow("user-name") << ""
                                   << "secret"
                                   << "ESocketError: UserName property is required";
        QTest::newRow("password") << "tester"
                                  << ""
                                  << "ESocketError: Password property is required";
    }

    void missingSignInData() {
        QFETCH(QString, user);
        QFETCH(QString, password);
        QFETCH(QString, failure);
        ScriptedPop3Server server(Pop3Script{});
        TmsRemotePOP pop;
        configure(pop, server);
        pop.UserName = user;
        pop.Password = password;
        PopEvents log;
        log.attach(pop);
        QCOMPARE(failureOf([&] { pop.UpdateInfo(); }), failure);
        QCOMPARE(log.events, QStringList{"error: " + failure.section(": ", 1)}); // before OnOpen
        QCOMPARE(server.connectionCount(), 0);
    }

    void verifyBeforeDeleting_data() {
        QTest::addColumn<int>("capa");
        QTest::addColumn<QByteArray>("uidl"); // the reply to UIDL 1; empty: never sent
        QTest::addColumn<QByteArray>("headersNow");
        QTest::addColumn<QString>("failure");

        const int ids = Top | Uidl;
        const QString different = "ESocketError: IDs are different";
        QTest::newRow("same-message") << ids << QByteArray("+OK 1 u1") << headersOne << "none";
        QTest::newRow("capa-refused-verifies-by-list-and-top-alone")
            << int(Refused) << QByteArray() << headersOne << "none";
        QTest::newRow("capa-without-uidl-sends-no-uidl")
            << int(Top) << QByteArray() << headersOne << "none";
        QTest::newRow("another-uidl-with-the-same-headers")
            << ids << QByteArray("+OK 1 u9") << headersOne << different;
        QTest::newRow("refused-uidl-is-not-ignored")
            << ids << QByteArray("-ERR no such message") << headersOne
            << "EServerError: -ERR no such message (the reply to UIDL 1)";
        QTest::newRow("message-id-differs")
            << ids << QByteArray("+OK 1 u1")
            << QByteArray("Subject: one\r\nMessage-ID: <9@example.org>\r\n") << different;
        QTest::newRow("a-line-differs")
            << ids << QByteArray("+OK 1 u1") << QByteArray("Subject: One\r\n") << different;
        QTest::newRow("more-lines-now-shared-lines-agree")
            << ids << QByteArray("+OK 1 u1") << headersOne + "X-Spam: yes\r\n"
            << "none";
        QTest::newRow("fewer-lines-now-shared-lines-agree")
            << ids << QByteArray("+OK 1 u1") << QByteArray("Subject: one\r\n") << "none";
    }

    // The message is deleted only when it is still the one listed: the same
    // UIDL where the server offers it, and the same header lines.
    void verifyBeforeDeleting() {
        QFETCH(int, capa);
        QFETCH(QByteArray, uidl);
        QFETCH(QByteArray, headersNow);
        QFETCH(QString, failure);
        Pop3Script transfer = signIn("+OK 1 100", capa);
        if (!uidl.isEmpty()) transfer << ScriptStep{"UIDL 1", uidl + "\r\n"};
        if (!uidl.startsWith('-'))
            transfer << ScriptStep{"LIST 1", "+OK 1 100\r\n"}
                     << ScriptStep{"TOP 1 1", top(headersNow)};
        if (failure == "none")
            transfer << ScriptStep{"DELE 1", "+OK\r\n"} << ScriptStep{"QUIT", "+OK\r\n"};
        ScriptedPop3Server server(QList<Pop3Script>{listing({headersOne}, capa), transfer});
        TmsRemotePOP pop;
        configure(pop, server);
        pop.UpdateInfo();
        QCOMPARE(pop.RemoteInfo.Items(0).UID, capa & Uidl ? "u1" : "");
        pop.MarkDelete(0);
        PopEvents log;
        log.attach(pop);

        QCOMPARE(failureOf([&] { pop.TransferData(); }), failure);

        QCOMPARE(log.events.contains("error: IDs are different"),
                 failure.endsWith("IDs are different"));
        QCOMPARE(server.received(1), server.expected(1));
        QVERIFY(!pop.Connected());
    }

    void retrievedMessageIsSaved_data() {
        QTest::addColumn<bool>("handler");
        QTest::newRow("to-a-file") << false;
        QTest::newRow("to-the-handler") << true;
    }

    void retrievedMessageIsSaved() {
        QFETCH(bool, handler);
        const QByteArray message = headersTwo + "\r\n..stuffed\r\nlast\r\n.\r\n";
        ScriptedPop3Server server(QList<Pop3Script>{listing({headersOne, headersTwo}),
                                                    ScriptedPop3Server::signIn("+OK 2 999") +
                                                        Pop3Script{
                                                            {"LIST 2", "+OK 2 200\r\n"},
                                                            {"TOP 2 1", top(headersTwo)},
                                                            {"LIST 2", "+OK 2 200\r\n"},
                                                            {"RETR 2", "+OK\r\n" + message},
                                                            {"QUIT", "+OK\r\n"},
                                                        }});
        QTemporaryDir dir;
        TmsRemotePOP pop;
        configure(pop, server);
        pop.setMessageDirectory(dir.path() + "/mails");
        QCOMPARE(pop.MessageDirectory(), dir.path() + "/mails/");
        QVERIFY(QDir(dir.path()).mkdir("mails"));
        pop.UpdateInfo();
        PopEvents log;
        log.attach(pop);
        QByteArray handed;
        if (handler)
            pop.OnUserMessageSave = [&](QObject*, int n, const QByteArray& contents) {
                log.events << QStringLiteral("save %1").arg(n);
                handed = contents;
            };
        pop.MarkRetrieve(1);

        pop.TransferData();

        QCOMPARE(server.received(1), server.expected(1));
        QFile file(dir.path() + "/mails/msg_1.eml"); // the index, not the server's number
        if (handler) {
            QCOMPARE(handed, message);
            QVERIFY(!file.exists());
        } else {
            QVERIFY(file.open(QIODevice::ReadOnly));
            QCOMPARE(file.readAll(), message);
        }
        QStringList expected{"open",       "transferring", "retrieving 1", "retrieved 1",
                             "transfered", "closing",      "closed"};
        if (handler) expected.insert(3, "save 1");
        QCOMPARE(log.events, expected);
    }

    void cancelDuringRetrieval() {
        ScriptStep slow{"RETR 1",
                        "+OK\r\n" + headersOne + "\r\n" + QByteArray(3000, 'x') + "\r\n.\r\n"};
        slow.pieces = 30;
        slow.gapMs = 50;
        ScriptedPop3Server server(
            QList<Pop3Script>{listing({headersOne}), ScriptedPop3Server::signIn("+OK 1 100") +
                                                         Pop3Script{{"LIST 1", "+OK 1 100\r\n"},
                                                                    {"TOP 1 1", top(headersOne)},
                                                                    {"LIST 1", "+OK 1 100\r\n"},
                                                                    slow}});
        TmsRemotePOP pop;
        configure(pop, server);
        pop.UpdateInfo();
        pop.MarkRetrieve(0);
        pop.MarkDelete(0);
        PopEvents log;
        log.attach(pop);
        int passes = 0;
        pop.OnProgress = [&](QObject*, int, int) {
            if (++passes == 3) QTimer::singleShot(0, &pop, [&] { pop.Cancel(); });
        };

        QCOMPARE(failureOf([&] { pop.TransferData(); }),
                 "ECanceledError: Operation has been canceled");

        QCOMPARE(log.events,
                 (QStringList{"open", "transferring", "retrieving 0", "cancel", "closing", "closed",
                              "error: Operation has been canceled"}));
        QCOMPARE(server.received(1), server.expected(1)); // no DELE, no QUIT
    }

    void keptConnectionIsReused() {
        ScriptedPop3Server server(ScriptedPop3Server::signIn("+OK 1 100") +
                                  Pop3Script{
                                      {"LIST 1", "+OK 1 100\r\n"},
                                      {"TOP 1 1", top(headersOne)},
                                      {"LIST 1", "+OK 1 100\r\n"},
                                      {"TOP 1 1", top(headersOne)}, // a second listing: no STAT
                                      {"LIST 1", "+OK 1 100\r\n"},
                                      {"TOP 1 1", top(headersOne)},
                                      {"DELE 1", "+OK\r\n"},
                                      {"QUIT", "+OK\r\n"},
                                  });
        TmsRemotePOP pop;
        configure(pop, server);
        pop.KeepConnection = true;
        pop.UpdateInfo();
        QVERIFY(pop.Connected());
        pop.UpdateInfo();
        pop.MarkDelete(0);
        pop.TransferData();
        QCOMPARE(server.received(), server.expected());
        QCOMPARE(server.connectionCount(), 1);
        QVERIFY(!pop.Connected());
    }

    void keptConnectionClosedByServer_data() {
        QTest::addColumn<bool>("transfer");
        QTest::newRow("transfer-signs-in-anew") << true;
        QTest::newRow("disconnect-just-closes") << false;
    }

    // A kept connection that the server has closed is not used again.
    void keptConnectionClosedByServer() {
        QFETCH(bool, transfer);
        Pop3Script first = ScriptedPop3Server::signIn("+OK 1 100") +
                           Pop3Script{{"LIST 1", "+OK 1 100\r\n"}, {"TOP 1 1", top(headersOne)}};
        first.last().action = ScriptStep::Close;
        ScriptedPop3Server server(
            QList<Pop3Script>{first, ScriptedPop3Server::signIn("+OK 1 100") +
                                         Pop3Script{{"LIST 1", "+OK 1 100\r\n"},
                                                    {"TOP 1 1", top(headersOne)},
                                                    {"DELE 1", "+OK\r\n"},
                                                    {"QUIT", "+OK\r\n"}}});
        TmsRemotePOP pop;
        configure(pop, server);
        pop.setTimeOut(10);
        pop.KeepConnection = true;
        pop.UpdateInfo();
        QTRY_VERIFY(pop.PeerClosed);
        QElapsedTimer t;
        t.start();
        if (transfer) {
            pop.MarkDelete(0);
            pop.TransferData();
            QCOMPARE(server.received(1), server.expected(1));
        } else {
            pop.Disconnect();
            QCOMPARE(server.connectionCount(), 1);
        }
        QCOMPARE(server.received(0), server.expected(0)); // no QUIT into the void
        QVERIFY(!pop.Connected());
        QVERIFY(t.elapsed() < 5000);
    }

    void secureUpgradeRequired_data() {
        QTest::addColumn<QByteArray>("stlsReply");
        QTest::addColumn<int>("action");
        QTest::addColumn<QString>("failure");
        QTest::newRow("upgrade-refused")
            << QByteArray("-ERR not now\r\n") << int(ScriptStep::Continue)
            << "ESocketError: The server refused STARTTLS, which it offered: -ERR not now; the "
               "password was not sent.";
        // The server closes or resets, depending on whether the client's hello came first.
        QTest::newRow("handshake-fails")
            << QByteArray("+OK begin TLS\r\n") << int(ScriptStep::Close)
            << "ESocketError: Secure connection to 127.0.0.1 failed: ";
    }

    // After STLS the client asks CAPA again, and nothing the server sent before
    // the handshake is taken for a reply.
    void upgradesWithStls() {
        QTemporaryDir dir;
        QSslCertificate certificate;
        QSslKey key;
        QVERIFY(DovecotServer::makeCertificate(dir.path(), &certificate, &key));
        TagSocket::setExtraCaCertificates({certificate});
        ScriptedPop3Server server(Pop3Script{
            {"", "+OK ready\r\n"},
            {"CAPA", "+OK\r\nSTLS\r\nUSER\r\n.\r\n"},
            {"STLS", "+OK begin TLS\r\n-ERR sent before the handshake\r\n", ScriptStep::StartTls},
            {"CAPA", "+OK\r\nUSER\r\nTOP\r\n.\r\n"},
            {"USER tester", "+OK\r\n"},
            {"PASS secret", "+OK\r\n"},
            {"STAT", "+OK 0 0\r\n"},
            {"QUIT", "+OK\r\n"},
        });
        server.setTlsIdentity(certificate, key);
        TmsRemotePOP pop;
        configure(pop, server);
        pop.Server = QStringLiteral("localhost:%1").arg(server.port());
        bool secure = false;
        pop.OnUpdatingInfo = [&](QObject*) { secure = pop.IsSecure(); };

        pop.UpdateInfo();

        QVERIFY(secure);
        QCOMPARE(server.received(), server.expected());
    }

    // A server that offers STLS gets nothing more, least of all the password,
    // unless the upgrade succeeds.
    void secureUpgradeRequired() {
        QFETCH(QByteArray, stlsReply);
        QFETCH(int, action);
        QFETCH(QString, failure);
        ScriptedPop3Server server(Pop3Script{
            {"", "+OK ready\r\n"},
            {"CAPA", "+OK\r\nTOP\r\nSTLS\r\nUSER\r\n.\r\n"},
            {"STLS", stlsReply, ScriptStep::Action(action)},
        });
        TmsRemotePOP pop;
        configure(pop, server);
        const QString got = failureOf([&] { pop.UpdateInfo(); });
        QVERIFY2(got.startsWith(failure), qPrintable(got));
        QCOMPARE(server.received().mid(0, 2), (QStringList{"CAPA", "STLS"}));
        QVERIFY(!server.received().join('\n').contains("USER"));
        QVERIFY(!server.received().join('\n').contains("secret"));
        QVERIFY(!pop.Connected());
    }

    void securityDecidesTheUpgrade_data() {
        QTest::addColumn<int>("security");
        QTest::addColumn<QByteArray>("capa");
        QTest::addColumn<QByteArray>("stlsReply"); // empty: STLS is never sent
        QTest::addColumn<QString>("failure");      // empty: signs in without TLS
        const QByteArray withStls = "+OK\r\nSTLS\r\nUSER\r\nTOP\r\n.\r\n";
        const QByteArray stripped = "+OK\r\nUSER\r\nTOP\r\n.\r\n";
        const QString refusedPrefix = "ESocketError: The server ";
        QTest::newRow("required-stls-stripped-from-capa")
            << int(MailSecurity::StartTlsRequired) << stripped << QByteArray()
            << refusedPrefix + "does not offer STARTTLS, which this mailbox requires; the "
                               "password was not sent.";
        QTest::newRow("required-capa-unknown")
            << int(MailSecurity::StartTlsRequired) << QByteArray("-ERR what?\r\n") << QByteArray()
            << refusedPrefix + "does not offer STARTTLS, which this mailbox requires; the "
                               "password was not sent.";
        QTest::newRow("required-stls-refused")
            << int(MailSecurity::StartTlsRequired) << withStls << QByteArray("-ERR not now\r\n")
            << refusedPrefix + "refused STARTTLS, which this mailbox requires: -ERR not now; "
                               "the password was not sent.";
        QTest::newRow("optional-stls-refused")
            << int(MailSecurity::StartTlsOptional) << withStls << QByteArray("-ERR not now\r\n")
            << refusedPrefix + "refused STARTTLS, which it offered: -ERR not now; the password "
                               "was not sent.";
        QTest::newRow("optional-stls-stripped-signs-in-plain")
            << int(MailSecurity::StartTlsOptional) << stripped << QByteArray() << QString();
        QTest::newRow("none-ignores-offered-stls")
            << int(MailSecurity::None) << withStls << QByteArray() << QString();
    }

    // Whoever strips STLS from the reply to CAPA (or answers STLS negatively)
    // never gets the user name or the password of a mailbox that requires it.
    void securityDecidesTheUpgrade() {
        QFETCH(int, security);
        QFETCH(QByteArray, capa);
        QFETCH(QByteArray, stlsReply);
        QFETCH(QString, failure);
        Pop3Script script{{"", "+OK ready\r\n"}, {"CAPA", capa}};
        if (!stlsReply.isEmpty()) script << ScriptStep{"STLS", stlsReply};
        if (failure.isEmpty())
            script << ScriptStep{"USER tester", "+OK\r\n"} << ScriptStep{"PASS secret", "+OK\r\n"}
                   << ScriptStep{"STAT", "+OK 0 0\r\n"} << ScriptStep{"QUIT", "+OK\r\n"};
        ScriptedPop3Server server(script);
        TmsRemotePOP pop;
        configure(pop, server);
        pop.Security = MailSecurity(security);
        PopEvents log;
        log.attach(pop);

        QCOMPARE(failureOf([&] { pop.UpdateInfo(); }), failure.isEmpty() ? "none" : failure);

        if (!failure.isEmpty()) {
            QVERIFY(server.waitForClientClose());
            QVERIFY(log.events.contains("error: " + failure.mid(14)));
        }
        QCOMPARE(server.received(), server.expected());
        QVERIFY(!pop.Connected());
    }
};

QTEST_GUILESS_MAIN(TestPop3Dialogue)
#include "tst_pop3dialogue.moc"
