// The IMAP listing with a header cache against a scripted server: the exact
// commands of a re-check for each way the folder can have changed since the
// cache was written, the rows and announcements they give, and the cache they
// leave behind.
#include "ImapEvents.h"
#include "mail/cache/HeaderCache.h"
#include "support/servers/ScriptedImapServer.h"

#include <QtTest>

Q_DECLARE_METATYPE(ScriptStep)

namespace {

QByteArray header(const QByteArray& subject) {
    return "Subject: " + subject + "\r\nMessage-ID: <" + subject.toLower().replace(' ', '.') +
           "@example.org>\r\n\r\n";
}

// A FETCH response of a sizes listing.
QByteArray sized(int number, quint32 uid, qint64 size) {
    return "* " + QByteArray::number(number) + " FETCH (UID " + QByteArray::number(uid) +
           " RFC822.SIZE " + QByteArray::number(size) + ")\r\n";
}

ScriptStep step(const QByteArray& command, const QByteArray& responses) {
    const QByteArray tag = command.left(command.indexOf(' '));
    return {command, responses + tag + " OK Fetch completed\r\n"};
}

TmsHeaders headersOf(const QByteArray& bytes) {
    TmsHeaders headers;
    headers.LoadFromBytes(bytes);
    headers.StripBody();
    return headers;
}

// A listing as "uid size subject" lines.
template <class Rows> QStringList texts(const Rows& rows) {
    QStringList out;
    for (const auto& [uid, size, headers] : rows)
        out << QStringLiteral("%1 %2 %3").arg(uid).arg(size).arg(headers.GetFieldValue("Subject"));
    return out;
}

const QByteArray NewFetch = "UID FETCH 4:* (UID RFC822.SIZE BODY.PEEK[HEADER])";
const QByteArray OldSizes = "UID FETCH 1:3 (UID RFC822.SIZE)";

} // namespace

class TestImapCache : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void recheck_data() {
        QTest::addColumn<QByteArray>("noted"); // the cache's state
        QTest::addColumn<int>("exists");       // what the EXAMINE tells
        QTest::addColumn<int>("validity");
        QTest::addColumn<int>("uidNext");
        QTest::addColumn<QList<ScriptStep>>("fetches"); // the commands after the EXAMINE
        QTest::addColumn<QStringList>("rows");

        const QStringList held{"1 100 one", "2 100 two", "3 100 three"};
        QTest::newRow("unchanged-folder-costs-the-select-alone")
            << QByteArray("UIDNEXT 4") << 3 << 7 << 4 << QList<ScriptStep>{} << held;
        QTest::newRow("unchanged-without-a-noted-uidnext")
            << QByteArray() << 3 << 7 << 4 << QList<ScriptStep>{} << held;
        QTest::newRow("new-messages-fetched-alone")
            << QByteArray("UIDNEXT 4") << 5 << 7 << 6
            << QList<ScriptStep>{step("A3 " + NewFetch,
                                      ScriptedImapServer::fetched(4, 4, header("four"), 140) +
                                          ScriptedImapServer::fetched(5, 5, header("five"), 150))}
            << held + QStringList{"4 140 four", "5 150 five"};
        // "4:*" names the highest message even when its UID is below 4.
        QTest::newRow("the-highest-message-answering-n:*-is-not-new")
            << QByteArray("UIDNEXT 4") << 3 << 7 << 5
            << QList<ScriptStep>{step("A3 " + NewFetch,
                                      ScriptedImapServer::fetched(3, 3, header("three"), 100))}
            << held;
        QTest::newRow("one-expunged-one-new")
            << QByteArray("UIDNEXT 4") << 3 << 7 << 5
            << QList<ScriptStep>{step("A3 " + NewFetch,
                                      ScriptedImapServer::fetched(3, 4, header("four"), 140)),
                                 step("A4 " + OldSizes, sized(1, 1, 100) + sized(2, 3, 100))}
            << QStringList{"1 100 one", "3 100 three", "4 140 four"};
        QTest::newRow("expunged-only")
            << QByteArray("UIDNEXT 4") << 2 << 7 << 4
            << QList<ScriptStep>{step("A3 " + OldSizes, sized(1, 1, 100) + sized(2, 3, 100))}
            << QStringList{"1 100 one", "3 100 three"};
        QTest::newRow("fewer-than-held-and-new")
            << QByteArray("UIDNEXT 4") << 2 << 7 << 6
            << QList<ScriptStep>{step("A3 " + NewFetch,
                                      ScriptedImapServer::fetched(2, 5, header("five"), 150)),
                                 step("A4 " + OldSizes, sized(1, 1, 100))}
            << QStringList{"1 100 one", "5 150 five"};
        QTest::newRow("a-size-that-changed")
            << QByteArray("UIDNEXT 4") << 2 << 7 << 4
            << QList<ScriptStep>{step("A3 " + OldSizes, sized(1, 1, 100) + sized(2, 2, 150)),
                                 step("A4 UID FETCH 2 (UID RFC822.SIZE BODY.PEEK[HEADER])",
                                      ScriptedImapServer::fetched(2, 2, header("two again"), 150))}
            << QStringList{"1 100 one", "2 150 two again"};
        QTest::newRow("another-uidvalidity-lists-everything")
            << QByteArray("UIDNEXT 4") << 2 << 8 << 3
            << QList<ScriptStep>{step("A3 UID FETCH 1:* (UID RFC822.SIZE BODY.PEEK[HEADER])",
                                      ScriptedImapServer::fetched(1, 1, header("other"), 100) +
                                          ScriptedImapServer::fetched(2, 2, header("two"), 100))}
            << QStringList{"1 100 other", "2 100 two"};
    }

    // The cache held UIDs 1 to 3 under UIDVALIDITY 7. The re-check sends
    // exactly the commands of its row, announces every row in order as a full
    // listing does, and leaves the cache holding the rows under the folder's
    // UIDVALIDITY and UIDNEXT.
    void recheck() {
        QFETCH(QByteArray, noted);
        QFETCH(int, exists);
        QFETCH(int, validity);
        QFETCH(int, uidNext);
        QFETCH(QList<ScriptStep>, fetches);
        QFETCH(QStringList, rows);

        ImapScript script = ScriptedImapServer::signIn();
        script << ScriptStep{"A2 EXAMINE \"INBOX\"",
                             ScriptedImapServer::selected("A2", exists, quint32(validity), false,
                                                          quint32(uidNext))}
               << fetches;
        const QByteArray logout = 'A' + QByteArray::number(3 + fetches.size());
        script << ScriptStep{logout + " LOGOUT", "* BYE Logging out\r\n" + logout + " OK Done\r\n"};
        ScriptedImapServer server(script);

        HeaderCache cache(
            {server.server(), QStringLiteral("tester"), QStringLiteral("imap:INBOX")});
        cache.replace({{"1", 100, headersOf(header("one"))},
                       {"2", 100, headersOf(header("two"))},
                       {"3", 100, headersOf(header("three"))}},
                      7, noted);
        ImapClient client;
        MailAccount account;
        account.Server = server.server();
        account.UserName = QStringLiteral("tester");
        account.Password = QStringLiteral("secret");
        account.Security = MailSecurity::None;
        account.Protocol = MailProtocol::Imap;
        client.setAccount(account);
        client.setTimeOut(3);
        client.setHeaderCache(&cache);
        ClientEvents log;
        client.setListener(&log);

        client.list();

        QCOMPARE(server.received(), server.expected());
        std::vector<std::tuple<QString, qint64, TmsHeaders>> listed;
        for (int i = 0; i < client.count(); ++i)
            listed.emplace_back(client.uid(i), client.size(i), client.headers(i));
        QCOMPARE(texts(listed), rows);
        QStringList events{"open", "listing"};
        for (int i = 0; i < rows.size(); ++i)
            events << QStringLiteral("listed %1/%2").arg(i).arg(rows.size());
        events << "closing"
               << "closed"
               << "list ended";
        QCOMPARE(log.events, events);

        std::vector<std::tuple<QString, qint64, TmsHeaders>> kept;
        for (const HeaderCache::Entry& e : cache.entries())
            kept.emplace_back(e.Key, e.Size, e.Headers);
        QCOMPARE(texts(kept), rows);
        QCOMPARE(cache.validity(), quint64(validity));
        QCOMPARE(cache.state(), "UIDNEXT " + QByteArray::number(uidNext));
    }
};

QTEST_GUILESS_MAIN(TestImapCache)
#include "tst_imapcache.moc"
