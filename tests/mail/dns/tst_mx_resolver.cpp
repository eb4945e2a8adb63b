// The resolver against a scripted UDP responder: the query on the wire, every
// check of the response, malformed and hostile answers, silence.
#include "ResolveOutcome.h"
#include "support/dns/DnsPacket.h"
#include "support/dns/ScriptedDnsServer.h"

#include <QElapsedTimer>
#include <QUdpSocket>
#include <QtTest>

namespace {

const QByteArray Domain = "mail.example.org";

// What the resolver must send for Domain, byte for byte.
const QByteArray ExpectedQuery("\x12\x34\x01\x00\x00\x01\x00\x00\x00\x00\x00\x00"
                               "\x04mail\x07"
                               "example\x03org\x00"
                               "\x00\x0f\x00\x01",
                               34);

// Header and question of an answer to Domain, with the given flags and counts.
DnsPacket answerStart(quint16 flags, quint16 ancount, quint16 id = 0x1234) {
    DnsPacket p;
    p.header(id, flags, 1, ancount).name(Domain).word(15).word(1);
    return p;
}

// A record header owned by the question name.
DnsPacket& record(DnsPacket& p, quint16 type, quint16 length) {
    return p.pointer(DnsPacket::QuestionOffset).word(type).word(1).dword(300).word(length);
}

} // namespace

class TestMXResolver : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void answers_data();
    void answers();
    void eventsAndCleanUp_data();
    void eventsAndCleanUp();
    void nothingListening();
    void cancelEndsTheWaitAtOnce();
};

void TestMXResolver::answers_data() {
    QTest::addColumn<QByteArray>("answer");
    QTest::addColumn<QString>("outcome");

    QTest::newRow("preferences-20-10-30-come-sorted")
        << DnsPacket::mxAnswer(
               Domain, {{20, "b.example.org"}, {10, "a.example.org"}, {30, "c.example.org"}})
        << "10 a.example.org.; 20 b.example.org.; 30 c.example.org.";
    QTest::newRow("ancount-0-is-an-empty-list") << answerStart(0x8180, 0).bytes() << "";
    {
        // CNAME to alias.example.net, then that name's MX records, whose
        // owner and exchangers point at the CNAME's data.
        DnsPacket p = answerStart(0x8180, 3);
        DnsPacket target;
        target.name("alias.example.net");
        record(p, 5, quint16(target.size()));
        const quint16 at = quint16(p.size());
        p.raw(target);
        for (const auto& [pref, label] : {std::pair<quint16, QByteArray>{30, "mx30"}, {5, "mx5"}}) {
            DnsPacket data;
            data.word(pref).byte(quint8(label.size())).raw(label).pointer(at);
            p.pointer(at).word(15).word(1).dword(300).word(quint16(data.size())).raw(data);
        }
        QTest::newRow("cname-then-mx-yields-the-mx-only")
            << p.bytes() << "5 mx5.alias.example.net.; 30 mx30.alias.example.net.";
    }
    {
        DnsPacket p = answerStart(0x8180, 1);
        record(p, 15, 4).word(10).pointer(DnsPacket::QuestionOffset);
        QTest::newRow("exchange-is-a-pointer-to-the-question-name")
            << p.bytes() << "10 mail.example.org.";
    }
    {
        // Labels, then a pointer into the middle of the question name.
        DnsPacket p = answerStart(0x8180, 1);
        record(p, 15, 2 + 5 + 2).word(7).byte(4).raw("smtp").pointer(DnsPacket::QuestionOffset + 5);
        QTest::newRow("exchange-labels-then-pointer") << p.bytes() << "7 smtp.example.org.";
    }
    {
        DnsPacket p = answerStart(0x8180, 3);
        record(p, 1, 4).raw(QByteArray("\x7f\0\0\x01", 4));
        record(p, 15, 4).word(20).pointer(DnsPacket::QuestionOffset);
        record(p, 16, 6).raw("\x05hello");
        QTest::newRow("other-types-passed-over") << p.bytes() << "20 mail.example.org.";
    }
    {
        DnsPacket p = answerStart(0x8380, 1); // TC set
        record(p, 15, 4).word(1).pointer(DnsPacket::QuestionOffset);
        QTest::newRow("truncated-flag-ignored") << p.bytes() << "1 mail.example.org.";
    }
    {
        DnsPacket p = answerStart(0x8180, 1);
        record(p, 15, 3).word(0).byte(0);
        QTest::newRow("null-mx-root-exchange") << p.bytes() << "0 ";
    }
    {
        // Bytes after the records (an authority section) are not read.
        DnsPacket p = answerStart(0x8180, 1);
        record(p, 15, 4).word(3).pointer(DnsPacket::QuestionOffset);
        p.raw("\xff\xff\xff");
        QTest::newRow("trailing-bytes-not-read") << p.bytes() << "3 mail.example.org.";
    }

    // The checks of the header, in order.
    const QString rejected = QStringLiteral("EResolverError: ");
    QTest::newRow("other-id") << answerStart(0x8180, 0, 0x4321).bytes()
                              << rejected + "IDs in the query and response are different";
    QTest::newRow("qr-clear") << answerStart(0x0180, 0).bytes()
                              << rejected + "This is not a response";
    QTest::newRow("other-id-checked-before-qr")
        << answerStart(0x0183, 0, 1).bytes()
        << rejected + "IDs in the query and response are different";
    const QStringList rcodes = {"Domain server was unable to interpret a query",
                                "Domain server failure", "Domain name does not exist",
                                "Not implemented",
                                "Domain server refused to return the information"};
    for (int code = 1; code <= 5; ++code)
        QTest::addRow("rcode-%d", code)
            << answerStart(quint16(0x8180 | code), 0).bytes() << rejected + rcodes[code - 1];
    QTest::newRow("rcode-6") << answerStart(0x8186, 0).bytes()
                             << rejected + "Domain server Error #6";
    QTest::newRow("rcode-15") << answerStart(0x818f, 0).bytes()
                              << rejected + "Domain server Error #15";

    // Cut and hostile datagrams.
    const QString bad = rejected + QStringLiteral("Malformed response: ");
    const QByteArray good = DnsPacket::mxAnswer(Domain, {{10, "a.example.org"}});
    QTest::newRow("cut-in-header") << good.left(11) << bad + "it is shorter than a message header";
    QTest::newRow("cut-in-question-name")
        << good.left(20) << bad + "it ends in the middle of a name";
    QTest::newRow("cut-in-question-type")
        << good.left(31) << bad + "it ends in the middle of the question";
    QTest::newRow("cut-before-records") << good.left(34) << bad + "it ends in the middle of a name";
    QTest::newRow("cut-in-record-header")
        << good.left(40) << bad + "it ends in the middle of a record";
    QTest::newRow("cut-in-exchange")
        << good.left(good.size() - 3) << bad + "it ends in the middle of a record's data";
    {
        DnsPacket p = answerStart(0x8180, 1);
        record(p, 16, 200).raw("\x05hello");
        QTest::newRow("data-length-past-the-end")
            << p.bytes() << bad + "it ends in the middle of a record's data";
    }
    {
        DnsPacket p = answerStart(0x8180, 1);
        record(p, 15, 4).word(10);
        p.pointer(quint16(p.size())); // points at itself
        QTest::newRow("pointer-to-itself") << p.bytes() << bad + "compression pointers form a loop";
    }
    {
        DnsPacket p = answerStart(0x8180, 1);
        record(p, 15, 8).word(10);
        const quint16 first = quint16(p.size());
        p.pointer(first + 4).byte(0).byte(0).pointer(first); // A -> B -> A
        QTest::newRow("pointer-loop-of-two")
            << p.bytes() << bad + "compression pointers form a loop";
    }
    {
        DnsPacket p = answerStart(0x8180, 1);
        record(p, 15, 6).word(10);
        const quint16 start = quint16(p.size());
        p.byte(1).raw("x").pointer(start); // a label, then back to the label
        QTest::newRow("pointer-back-to-own-label")
            << p.bytes() << bad + "compression pointers form a loop";
    }
    {
        DnsPacket p = answerStart(0x8180, 1);
        record(p, 15, 4).word(10).pointer(0x3fff);
        QTest::newRow("pointer-past-the-end")
            << p.bytes() << bad + "a compression pointer points beyond its end";
    }
    {
        DnsPacket p = answerStart(0x8180, 1);
        record(p, 15, 3).word(10).byte(0xc0);
        QTest::newRow("pointer-cut-in-half")
            << p.bytes() << bad + "it ends in the middle of a name";
    }
    {
        DnsPacket p = answerStart(0x8180, 1);
        record(p, 15, 3).word(10).byte(4).raw("mail").byte(0);
        QTest::newRow("mx-data-longer-than-stated")
            << p.bytes() << bad + "an MX record's data is longer than its stated length";
    }
    {
        // Every pointer is distinct, yet together they spell a name far over
        // the limit of 255 bytes.
        DnsPacket p = answerStart(0x8180, 1);
        record(p, 15, 4).word(10).pointer(quint16(p.size() + 2));
        quint16 next = quint16(p.size());
        for (int i = 0; i < 40; ++i) {
            next += 2 + 7;
            p.byte(6).raw("abcdef").pointer(next);
        }
        p.byte(0);
        QTest::newRow("name-over-255-bytes")
            << p.bytes() << bad + "a name is longer than 255 bytes";
    }
}

void TestMXResolver::answers() {
    QFETCH(QByteArray, answer);
    QFETCH(QString, outcome);
    ScriptedDnsServer server;
    server.setReply(answer);
    TmsMXResolver resolver;
    resolver.DNSAddress = server.address();
    resolver.Port = server.port();
    resolver.Domain = QString::fromLatin1(Domain);
    resolver.setTimeOut(5);

    QCOMPARE(resolveOutcome(resolver), outcome);
    QCOMPARE(server.queries(), QList<QByteArray>{ExpectedQuery});
    if (outcome.startsWith(QLatin1Char('E'))) QCOMPARE(resolver.MXList.Count(), 0);
}

void TestMXResolver::eventsAndCleanUp_data() {
    QTest::addColumn<QString>("dnsAddress"); // empty: the scripted server
    QTest::addColumn<QString>("domain");
    QTest::addColumn<QByteArray>("answer"); // empty: silence
    QTest::addColumn<QString>("outcome");
    QTest::addColumn<QStringList>("events");
    QTest::addColumn<int>("queries");

    const QStringList all = {"OnSendingQuery", "OnWaitingForResponse", "OnClosingConnection"};
    QTest::newRow("answered") << QString() << QString::fromLatin1(Domain)
                              << DnsPacket::mxAnswer(Domain, {{10, "a.example.org"}})
                              << "10 a.example.org." << all << 1;
    QTest::newRow("rejected-answer-still-closes")
        << QString() << QString::fromLatin1(Domain) << answerStart(0x8183, 0).bytes()
        << "EResolverError: Domain name does not exist" << all << 1;
    QTest::newRow("silence-times-out-and-closes")
        << QString() << QString::fromLatin1(Domain) << QByteArray()
        << "ETimedOutError: Operation timed out" << all << 1;
    QTest::newRow("bad-domain-sends-nothing")
        << QString() << "mail..example" << QByteArray()
        << "EResolverError: The domain name \"mail..example\" has an empty label"
        << QStringList{"OnSendingQuery", "OnClosingConnection"} << 0;
    QTest::newRow("server-name-is-not-looked-up")
        << "localhost" << QString::fromLatin1(Domain) << QByteArray()
        << "ESocketError: The DNS server address \"localhost\" is not a dotted IPv4 address"
        << QStringList{"OnSendingQuery"} << 0;
}

void TestMXResolver::eventsAndCleanUp() {
    QFETCH(QString, dnsAddress);
    QFETCH(QString, domain);
    QFETCH(QByteArray, answer);
    QFETCH(QString, outcome);
    QFETCH(QStringList, events);
    QFETCH(int, queries);
    ScriptedDnsServer server;
    server.setReply(answer);
    TmsMXResolver resolver;
    resolver.setTimeOut(1);

    // A result of an earlier lookup must not outlive a later one.
    ScriptedDnsServer earlier;
    earlier.setReply(DnsPacket::mxAnswer("old.example", {{1, "mx.old.example"}}));
    resolver.DNSAddress = earlier.address();
    resolver.Port = earlier.port();
    resolver.Domain = QStringLiteral("old.example");
    QCOMPARE(resolveOutcome(resolver), QStringLiteral("1 mx.old.example."));
    resolver.DNSAddress = dnsAddress.isEmpty() ? server.address() : dnsAddress;
    resolver.Port = server.port();

    QStringList fired;
    auto record = [&fired](const char* name) {
        return [&fired, name](QObject* sender) {
            QVERIFY(sender);
            fired << QString::fromLatin1(name);
        };
    };
    resolver.OnSendingQuery = record("OnSendingQuery");
    resolver.OnWaitingForResponse = record("OnWaitingForResponse");
    resolver.OnClosingConnection = record("OnClosingConnection");

    resolver.Domain = domain;
    QElapsedTimer clock;
    clock.start();
    QCOMPARE(resolveOutcome(resolver), outcome);
    QCOMPARE(fired, events);
    QCOMPARE(server.queries().size(), queries);
    if (!outcome.startsWith(QLatin1Char('E')))
        QCOMPARE(resolver.MXList.Count(), 1);
    else
        QCOMPARE(resolver.MXList.Count(), 0);
    if (outcome.startsWith(QLatin1String("ETimedOutError"))) {
        QVERIFY2(clock.elapsed() >= 900 && clock.elapsed() < 3000,
                 qPrintable(QString::number(clock.elapsed())));
    }
}

void TestMXResolver::nothingListening() {
    // A port nobody listens on: the system reports the refusal to the
    // connected socket, so the lookup fails at once instead of waiting.
    quint16 port;
    {
        QUdpSocket probe;
        QVERIFY(probe.bind(QHostAddress::LocalHost, 0));
        port = probe.localPort();
    }
    TmsMXResolver resolver;
    resolver.DNSAddress = QStringLiteral("127.0.0.1");
    resolver.Port = port;
    resolver.Domain = QString::fromLatin1(Domain);
    resolver.setTimeOut(10);
    QElapsedTimer clock;
    clock.start();
    QCOMPARE(resolveOutcome(resolver), QStringLiteral("ESocketError: Connection refused"));
    QVERIFY2(clock.elapsed() < 5000, qPrintable(QString::number(clock.elapsed())));
}

void TestMXResolver::cancelEndsTheWaitAtOnce() {
    // The user cancels a check while a look-up waits for a silent server: the
    // look-up ends then, not at its time-out, and closes its socket.
    ScriptedDnsServer server;
    server.setReply(QByteArray());
    TmsMXResolver resolver;
    resolver.DNSAddress = server.address();
    resolver.Port = server.port();
    resolver.Domain = QString::fromLatin1(Domain);
    resolver.setTimeOut(30);
    bool closed = false;
    resolver.OnClosingConnection = [&closed](QObject*) { closed = true; };
    QTimer::singleShot(200, &resolver, [&resolver] { resolver.Cancel(); });
    QElapsedTimer clock;
    clock.start();
    QCOMPARE(resolveOutcome(resolver), QStringLiteral("ECanceledError: Operation has been canceled"));
    QVERIFY2(clock.elapsed() < 5000, qPrintable(QString::number(clock.elapsed())));
    QVERIFY(closed);

    // A cancel belongs to the look-up it interrupted, not to the next one.
    resolver.Cancel();
    server.setReply(DnsPacket::mxAnswer(Domain, {{5, "mx.example.org"}}));
    QCOMPARE(resolveOutcome(resolver), QStringLiteral("5 mx.example.org."));
}

QTEST_GUILESS_MAIN(TestMXResolver)
#include "tst_mx_resolver.moc"
