// quillmere-cli mx against a real dnsmasq: the records in order, the failure
// texts and the exit statuses.
#include "CliRunner.h"
#include "support/dns/DnsmasqServer.h"

#include <QProcess>
#include <QtTest>

class TestCliMx : public QObject {
    Q_OBJECT

    DnsmasqServer m_dns{{
        QStringLiteral("--mx-host=good.test,mx20.good.test,20"),
        QStringLiteral("--mx-host=good.test,mx10.good.test,10"),
        QStringLiteral("--mx-host=good.test,mx30.good.test,30"),
        QStringLiteral("--host-record=nomx.test,127.0.0.9"),
    }};

private Q_SLOTS:
    void initTestCase() { QVERIFY2(m_dns.start(), qPrintable(m_dns.errorText())); }

    void mx_data() {
        QTest::addColumn<QStringList>("args"); // "@" stands for the dnsmasq address and port
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("out");
        QTest::addColumn<QString>("err");

        QTest::newRow("records-in-order")
            << QStringList{"mx", "good.test", "--server", "@"} << 0
            << "10 mx10.good.test.\n20 mx20.good.test.\n30 mx30.good.test.\n"
            << "";
        QTest::newRow("server-before-domain")
            << QStringList{"mx", "--server", "@", "good.test"} << 0
            << "10 mx10.good.test.\n20 mx20.good.test.\n30 mx30.good.test.\n"
            << "";
        QTest::newRow("no-records-prints-nothing")
            << QStringList{"mx", "nomx.test", "--server", "@"} << 0 << ""
            << "";
        QTest::newRow("unknown-domain-fails")
            << QStringList{"mx", "missing.test", "--server", "@"} << 1 << ""
            << "Domain name does not exist\n";
        QTest::newRow("server-must-be-an-address")
            << QStringList{"mx", "good.test", "--server", "dns.example"} << 1 << ""
            << "The DNS server address \"dns.example\" is not a dotted IPv4 address\n";
        QTest::newRow("port-out-of-range")
            << QStringList{"mx", "good.test", "--server", "127.0.0.1:70000"} << 2 << ""
            << "quillmere-cli mx: \"127.0.0.1:70000\" is not ADDRESS[:PORT]\n";
        QTest::newRow("no-domain") << QStringList{"mx"} << 2 << ""
                                   << "usage: quillmere-cli mx DOMAIN [--server ADDRESS[:PORT]]\n";
        QTest::newRow("two-domains")
            << QStringList{"mx", "a.test", "b.test"} << 2 << ""
            << "usage: quillmere-cli mx DOMAIN [--server ADDRESS[:PORT]]\n";
    }

    void mx() {
        QFETCH(QStringList, args);
        QFETCH(int, code);
        QFETCH(QString, out);
        QFETCH(QString, err);
        args.replaceInStrings(QStringLiteral("@"), m_dns.server());

        const Run r = cli(args);
        QCOMPARE(r.err, err);
        QCOMPARE(r.out, out);
        QCOMPARE(r.code, code);
    }
};

QTEST_GUILESS_MAIN(TestCliMx)
#include "tst_cli_mx.moc"
