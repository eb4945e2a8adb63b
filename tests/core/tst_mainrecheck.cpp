// Checks that take the headers of messages seen before from the header cache,
// against a real Dovecot: a re-check (over POP3 and IMAP) after another client
// changed the mailbox shows and announces what a full check does; a cache that is damaged, from
// another server or holds another size is not taken; a message whose id was
// reused is caught at its deletion; the mailbox's switch and the caller's.
#include "ClassifierFixture.h"
#include "ControllerFixture.h"
#include "mail/pop3/RemotePOP.h"
#include "support/TestFiles.h"

#include <QtTest>

namespace {

// What a window and the log see of one check.
struct Seen {
    QStringList rows;   // subject, sender, size, date and mark of each row
    QStringList events; // the session's announcements, in order
    QList<int> hits;    // what the check added to the subject rules' hits
    QString logLine;    // the check's log line, without its time
};

// The mailbox's header cache as a check left it.
HeaderCache cacheOf(int slot) {
    MailboxConfig box;
    box.readFields(slot);
    HeaderCache cache(box.cacheMailbox());
    cache.load(box.headerCacheFile());
    return cache;
}

QString cacheFile(int slot) {
    MailboxConfig box;
    box.readFields(slot);
    return box.headerCacheFile();
}

TmsHeaders headersOf(const QByteArray& message) {
    TmsHeaders headers;
    headers.LoadFromBytes(QByteArray(message).replace("\n", "\r\n"));
    headers.StripBody();
    return headers;
}

} // namespace

class TestMainRecheck : public QObject {
    Q_OBJECT

    DovecotServer m_server;

    // Slot 1 with the six messages that the rules below mark in every way,
    // checked over POP3 or IMAP.
    QString markedMailbox(Harness& h, MailProtocol protocol = MailProtocol::Pop3) {
        const QString user = m_server.mailbox(markedMessages());
        if (protocol == MailProtocol::Imap) {
            MailboxConfig box{m_server.imapServer(), user, QStringLiteral("secret"),
                              MailSecurity::None};
            box.Protocol = MailProtocol::Imap;
            box.store(1);
        } else {
            Harness::slot(1, m_server.server(), user);
        }
        QFile known(h.profile.appFile(QStringLiteral("known.lst")));
        known.open(QIODevice::WriteOnly);
        known.write(markedKnownList);
        return user;
    }

    static MainController& start(Harness& h) {
        MainController& c = h.start();
        setRules(c.dialogModels().Spam.gridSubject,
                 {subjectRule("Contains", "pills", false, true),
                  subjectRule("Contains", "offer", false, false)});
        setRules(c.dialogModels().Spam.gridExcept,
                 {exceptionRule("Domain name", "Equals", "good.test", false, "7")});
        return c;
    }

    // Another client removes these messages (positions in the mailbox).
    void removeOnServer(const QString& user, const QList<int>& indexes) {
        TmsRemotePOP other;
        other.Server = m_server.server();
        other.UserName = user;
        other.Password = QStringLiteral("secret");
        other.UpdateInfo();
        for (int i : indexes)
            other.MarkDelete(i);
        other.TransferData();
    }

    // One check as the window and the log see it.
    static Seen check(Harness& h) {
        MainController& c = *h.controller;
        // Each check starts without a connection kept from the one before.
        c.FormCloseQuery();
        const MailboxSession* s = &c.session();
        Seen seen;
        QList<QMetaObject::Connection> links{
            QObject::connect(s, &MailboxSession::opening, [&] { seen.events << "opening"; }),
            QObject::connect(s, &MailboxSession::listing, [&] { seen.events << "listing"; }),
            QObject::connect(
                s, &MailboxSession::checking,
                [&](int i, int n) { seen.events << QStringLiteral("%1/%2").arg(i).arg(n); }),
            QObject::connect(s, &MailboxSession::rowChanged,
                             [&](int i) { seen.events << QStringLiteral("row %1").arg(i); }),
            QObject::connect(s, &MailboxSession::listEnded,
                             [&](int n) { seen.events << QStringLiteral("ended %1").arg(n); }),
            QObject::connect(s, &MailboxSession::closed, [&] { seen.events << "closed"; })};
        const QList<int> before = hitsOf(c.spam().gridSubject);
        if (!c.btListClick()) qWarning("check failed: %s", qPrintable(c.LastFailure()));
        for (const QMetaObject::Connection& link : links)
            QObject::disconnect(link);
        const QList<int> after = hitsOf(c.spam().gridSubject);
        for (int i = 0; i < after.size(); ++i)
            seen.hits << after[i] - before.value(i);
        for (const MessageRow& r : c.rows())
            seen.rows << QStringList{r.Subject, r.Sender, r.Size, r.Date, QString::number(r.Mark)}
                             .join(" | ");
        const QString line = h.logLinesStartingWith("MAIL CHECK").last();
        seen.logLine = line.left(line.indexOf(" at "));
        return seen;
    }

    // The cache written by the last check, turned into what a test needs,
    // and saved where the next check reads it.
    static void rewriteCache(const std::function<void(std::vector<HeaderCache::Entry>&)>& change) {
        HeaderCache cache = cacheOf(1);
        std::vector<HeaderCache::Entry> entries = cache.entries();
        change(entries);
        cache.replace(std::move(entries));
        QVERIFY(cache.save(cacheFile(1)));
    }

private Q_SLOTS:
    void initTestCase() {
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        QVERIFY2(m_server.start(), qPrintable(m_server.errorString()));
    }

    void recheckIsAFullCheck_data() {
        QTest::addColumn<int>("protocol");
        QTest::newRow("pop3") << int(MailProtocol::Pop3);
        QTest::newRow("imap") << int(MailProtocol::Imap);
    }

    // Another client deletes a message, replaces one (deleted and delivered
    // again, changed) and delivers two: the re-check shows the rows and marks,
    // announces the events, raises the hits and writes the log line of a check
    // without the cache, and leaves the cache holding just the messages listed.
    void recheckIsAFullCheck() {
        QFETCH(int, protocol);
        Harness h;
        const QString user = markedMailbox(h, MailProtocol(protocol));
        start(h);
        check(h);
        const QString file = cacheFile(1);
        QCOMPARE(QFile::permissions(file) & (QFileDevice::ReadOther | QFileDevice::ReadGroup),
                 QFileDevice::Permissions());
        QCOMPARE(cacheOf(1).count(), 6);

        h.controller->FormCloseQuery(); // the connection kept since the check goes
        removeOnServer(user, {1, 2});
        m_server.addMessage(user, mail("c", "A better offer"));
        m_server.addMessage(user, mail("g", "More pills"));
        m_server.addMessage(user, mail("h", "From a friend", "friend@good.test"));

        const Seen cached = check(h);
        QCOMPARE(cacheOf(1).count(), 7);
        QCOMPARE(check(h).rows, cached.rows); // nothing changed since
        h.controller->setHeaderCacheAllowed(false);
        const QByteArray written = readAll(file);
        const Seen full = check(h);

        QCOMPARE(cached.rows, full.rows);
        QCOMPARE(cached.rows.size(), 7);
        QVERIFY2(cached.rows[4].startsWith("A better offer | ann@example.org"),
                 qPrintable(cached.rows[4]));
        QCOMPARE(cached.events, full.events);
        QCOMPARE(cached.hits, full.hits);
        QCOMPARE(cached.hits, (QList<int>{1, 2}));
        QCOMPARE(cached.logLine, full.logLine);
        QCOMPARE(readAll(file), written); // the check without it left it alone
    }

    void cachesThatAreNotTaken_data() {
        QTest::addColumn<QString>("fault");
        QTest::newRow("damaged-file") << "damaged";
        QTest::newRow("from-another-server") << "another-server";
        QTest::newRow("a-size-that-changed") << "size";
    }

    // A cache whose entries would show other headers is not taken for them:
    // the rows are the server's, and the check writes a sound cache again.
    void cachesThatAreNotTaken() {
        QFETCH(QString, fault);
        Harness h;
        markedMailbox(h);
        start(h);
        const Seen first = check(h);
        const QString file = cacheFile(1);
        const TmsHeaders wrong = headersOf(mail("x", "Cheap pills from a stranger"));
        if (fault == "damaged") {
            QByteArray bytes = readAll(file);
            bytes.replace("Hello there", "Cheap pills");
            writeFile(file, bytes);
        } else if (fault == "another-server") {
            // The same ids and sizes, from a mailbox of the same name elsewhere.
            const HeaderCache mine = cacheOf(1);
            HeaderCache other({"mail.example.net", mine.mailbox().UserName, "INBOX"});
            std::vector<HeaderCache::Entry> entries = mine.entries();
            for (HeaderCache::Entry& e : entries)
                e.Headers = wrong;
            other.replace(std::move(entries));
            QVERIFY(other.save(file));
        } else {
            rewriteCache([&](std::vector<HeaderCache::Entry>& entries) {
                entries[0].Size += 1;
                entries[0].Headers = wrong;
            });
        }

        const Seen again = check(h);

        QCOMPARE(again.rows, first.rows);
        const HeaderCache written = cacheOf(1);
        QCOMPARE(written.count(), 6);
        QCOMPARE(written.entries().front().Headers.GetFieldValue("Subject"), "Hello there");
    }

    // A server that gave an id to another message of the same size: the check
    // shows the header held for the id (nothing tells them apart before), but
    // the deletion reads the message from the server first and deletes nothing.
    void reusedIdIsCaughtAtDeletion() {
        Harness h;
        const QString user = markedMailbox(h);
        Harness::setGeneral("Automatic", "1");
        Harness::setGeneral("Launch", "0");
        start(h);
        check(h);
        rewriteCache([&](std::vector<HeaderCache::Entry>& entries) {
            entries[0].Headers = headersOf(mail("x", "Cheap pills from a stranger"));
        });

        const Seen again = check(h);
        QVERIFY(again.rows[0].startsWith("Cheap pills from a stranger"));
        QCOMPARE(h.marks().first(), int(CheckMark));

        QVERIFY(!h.controller->btDeleteClick());

        QCOMPARE(h.prompter.texts(), QStringList{"IDs are different"});
        QCOMPARE(m_server.messageIds(user), (QStringList{"a", "b", "c", "d", "e", "f"}));
    }

    // The mailbox's switch off: no cache is read or left behind. Refused by
    // the caller (quillmere-cli check --no-cache): the cache is neither read
    // nor written.
    void switchedOff() {
        Harness h;
        markedMailbox(h);
        start(h);
        const Seen first = check(h);
        const QString file = cacheFile(1);
        rewriteCache([&](std::vector<HeaderCache::Entry>& entries) {
            entries[0].Headers = headersOf(mail("x", "Cheap pills from a stranger"));
        });
        const QByteArray held = readAll(file);

        h.controller->setHeaderCacheAllowed(false);
        QCOMPARE(check(h).rows, first.rows);
        QCOMPARE(readAll(file), held);

        h.controller->setHeaderCacheAllowed(true);
        SettingsStore::tree().WriteBool("Server", MailboxConfig::headerCacheIdent(1), false);
        QCOMPARE(check(h).rows, first.rows);
        QVERIFY(!QFile::exists(file));
        check(h);
        QVERIFY(!QFile::exists(file));
    }
};

QTEST_GUILESS_MAIN(TestMainRecheck)
#include "tst_mainrecheck.moc"
