// The resolver against a real dnsmasq on a loopback port.
#include "ResolveOutcome.h"
#include "support/dns/DnsmasqServer.h"

#include <QtTest>

class TestMXDnsmasq : public QObject {
    Q_OBJECT

    DnsmasqServer m_dns{{
        QStringLiteral("--mx-host=good.test,mx20.good.test,20"),
        QStringLiteral("--mx-host=good.test,mx10.good.test,10"),
        QStringLiteral("--mx-host=good.test,mx30.good.test,30"),
        QStringLiteral("--host-record=good.test,127.0.0.8"),
        QStringLiteral("--host-record=nomx.test,127.0.0.9"),
        QStringLiteral("--cname=alias.test,good.test"),
    }};

private Q_SLOTS:
    void initTestCase() { QVERIFY2(m_dns.start(), qPrintable(m_dns.errorText())); }

    void resolves_data() {
        QTest::addColumn<QString>("domain");
        QTest::addColumn<QString>("outcome");

        const QString good =
            QStringLiteral("10 mx10.good.test.; 20 mx20.good.test.; 30 mx30.good.test.");
        QTest::newRow("three-exchangers-sorted") << "good.test" << good;
        QTest::newRow("letter-case-ignored-by-the-server") << "GOOD.Test" << good;
        QTest::newRow("trailing-dot") << "good.test." << good;
        QTest::newRow("cname-followed-by-the-server") << "alias.test" << good;
        QTest::newRow("exists-without-mx") << "nomx.test"
                                           << "";
        QTest::newRow("does-not-exist") << "missing.test"
                                        << "EResolverError: Domain name does not exist";
        QTest::newRow("outside-its-zones-refused")
            << "example.org"
            << "EResolverError: Domain server refused to return the information";
    }

    void resolves() {
        QFETCH(QString, domain);
        QFETCH(QString, outcome);
        TmsMXResolver resolver;
        resolver.DNSAddress = m_dns.address();
        resolver.Port = m_dns.port();
        resolver.setTimeOut(10);
        resolver.Domain = domain;
        QCOMPARE(resolveOutcome(resolver), outcome);
    }
};

QTEST_GUILESS_MAIN(TestMXDnsmasq)
#include "tst_mx_dnsmasq.moc"
