// The unknown-domain check: which domain is asked, the verdicts kept for the
// run, the counter, answers that give no verdict, and the resolver adapter
// against a real DNS server.
#include "ClassifierFixture.h"
#include "core/UnknownDomain.h"
#include "mail/dns/MXResolver.h"
#include "support/dns/DnsmasqServer.h"
#include "support/dns/ScriptedDnsServer.h"

#include <QHash>
#include <QHostAddress>
#include <QtTest>

Q_DECLARE_METATYPE(MxAnswer)

namespace {
// Answers from a script, by domain in lower case; any other domain exists.
class ScriptedLookup : public MxLookup {
public:
    QHash<QString, MxAnswer> answers;
    QStringList asked; // every domain asked, as given

    MxAnswer lookup(const QString& domain) override {
        asked << domain;
        return answers.value(domain.toLower(), MxAnswer::Exists);
    }
};

TmsHeaders header(std::initializer_list<const char*> texts) {
    QStringList lines;
    for (const char* t : texts)
        lines << QString::fromUtf8(t);
    return TmsHeaders(lines);
}
} // namespace

class TestUnknownDomain : public QObject {
    Q_OBJECT

    ScriptedLookup m_dns;
    SpamSettings m_settings;

private Q_SLOTS:
    void init() {
        m_dns = ScriptedLookup();
        m_dns.answers = {{"bad.test", MxAnswer::NoSuchDomain},
                         {"nomail.test", MxAnswer::NoMail},
                         {"failing.test", MxAnswer::Failed},
                         {"timeout.test", MxAnswer::Unreachable}};
        m_settings = SpamSettings();
    }

    void domainChecked_data() {
        QTest::addColumn<TmsHeaders>("headers");
        QTest::addColumn<QStringList>("asked");
        QTest::addColumn<QString>("reason"); // empty: no match

        QTest::newRow("reply-to-preferred-over-from")
            << header({"From: joe@bad.test", "Reply-to: joe@good.test"}) << QStringList{"good.test"}
            << "";
        QTest::newRow("reply-to-unknown-from-fine")
            << header({"From: joe@good.test", "Reply-To: Joe <joe@Bad.Test>"})
            << QStringList{"Bad.Test"} << "Reply to or From (Bad.Test) ";
        QTest::newRow("from-without-reply-to")
            << header({"From: \"Joe\" <joe@bad.test>"}) << QStringList{"bad.test"}
            << "Reply to or From (bad.test) ";
        QTest::newRow("neither-header") << header({"Subject: hi"}) << QStringList{} << "";
        QTest::newRow("empty-reply-to-domain-falls-back")
            << header({"Reply-to: joe@", "From: joe@nomail.test"}) << QStringList{"nomail.test"}
            << "Reply to or From (nomail.test) ";
        QTest::newRow("domain-after-first-at")
            << header({"From: a@b@bad.test"}) << QStringList{"b@bad.test"} << "";
    }
    void domainChecked() {
        QFETCH(TmsHeaders, headers);
        QFETCH(QString, reason);
        UnknownDomainCheck check(m_dns, m_settings);
        m_settings.Known.Question = true;
        bool deleteFlag = false;
        QString name;
        QCOMPARE(check.CheckDomain(headers, deleteFlag, name), !reason.isEmpty());
        QTEST(m_dns.asked, "asked");
        QCOMPARE(name, reason);
        QVERIFY(deleteFlag);
    }

    void verdictsKeptForTheRun() {
        UnknownDomainCheck check(m_dns, m_settings);
        QVERIFY(check.qUnknownDomain("Bad.test"));
        QVERIFY(check.qUnknownDomain("bad.TEST"));
        QVERIFY(!check.qUnknownDomain("Good.test"));
        QVERIFY(!check.qUnknownDomain("GOOD.test"));
        QVERIFY(check.qUnknownDomain("nomail.test"));
        check.beginCheck();
        QVERIFY(check.qUnknownDomain("BAD.test"));
        QVERIFY(!check.qUnknownDomain("good.test"));

        QCOMPARE(m_dns.asked, QStringList({"Bad.test", "Good.test", "nomail.test"}));
        QCOMPARE(check.lbBadDomains(), QStringList({"bad.test", "nomail.test"}));
        QCOMPARE(check.lbOkDomains(), QStringList({"good.test"}));
        QCOMPARE(m_settings.Known.Num, QStringLiteral("2"));
    }

    void noVerdictUntilTheNextCheck() {
        UnknownDomainCheck check(m_dns, m_settings);
        // A failing server: not unknown, asked once this check, kept nowhere.
        QVERIFY(!check.qUnknownDomain("failing.test"));
        QVERIFY(!check.qUnknownDomain("FAILING.test"));
        QVERIFY(check.qUnknownDomain("bad.test"));
        QCOMPARE(m_dns.asked, QStringList({"failing.test", "bad.test"}));

        // No answer at all: no further new domain is asked this check, while
        // verdicts already found still hold.
        QVERIFY(!check.qUnknownDomain("timeout.test"));
        QVERIFY(!check.qUnknownDomain("other-bad.test"));
        QVERIFY(check.qUnknownDomain("bad.test"));
        QCOMPARE(m_dns.asked.size(), 3);

        // The next check asks again and takes the verdict then.
        check.beginCheck();
        m_dns.answers["failing.test"] = MxAnswer::NoSuchDomain;
        m_dns.answers["other-bad.test"] = MxAnswer::NoSuchDomain;
        QVERIFY(check.qUnknownDomain("failing.test"));
        QVERIFY(check.qUnknownDomain("other-bad.test"));
        QVERIFY(!check.qUnknownDomain("timeout.test"));
        QCOMPARE(m_dns.asked.mid(3),
                 QStringList({"failing.test", "other-bad.test", "timeout.test"}));
        QCOMPARE(check.lbBadDomains(), QStringList({"bad.test", "failing.test", "other-bad.test"}));
        QVERIFY(check.lbOkDomains().isEmpty());
        QCOMPARE(m_settings.Known.Num, QStringLiteral("3"));
    }

    void classifiedOverACheck() {
        // Seven messages, two bad domains: each domain asked once, the counter
        // raised once per bad domain, the marks by the settings' choice.
        Mailbox box(&m_dns);
        box.settings.Known.Question = false;
        QList<QStringList> messages;
        for (const char* from : {"a@bad.test", "b@BAD.test", "c@good.test", "d@nomail.test",
                                 "e@good.test", "f@Bad.Test", "g@failing.test"})
            messages << QStringList{"hi", from, "2000", QStringLiteral("From: ") + from, ""};
        box.check(messages);

        QCOMPARE(m_dns.asked,
                 QStringList({"bad.test", "good.test", "nomail.test", "failing.test"}));
        QCOMPARE(box.settings.Known.Num, QStringLiteral("2"));
        QList<int> marks;
        for (const MessageRow& row : box.rows)
            marks << row.Mark;
        QCOMPARE(marks, QList<int>({QuestionMark, QuestionMark, NoMark, QuestionMark, NoMark,
                                    QuestionMark, NoMark}));

        // The reason shows each message's own spelling, with the check mark chosen.
        box.settings.Known.Question = true;
        QCOMPARE(box.explain(5),
                 QStringList{"Delete   :  Reply to or From (Bad.Test)  is an \"Unknown domain\" "});
        box.rows[5].Mark = NoMark;
        box.classifier.MarkForDeletion(5);
        QCOMPARE(box.rows[5].Mark, CheckMark);

        // With the check off, nothing is asked.
        box.settings.Known.Valid = false;
        box.add("hi", "x@new.test", "2000", {"From: x@new.test", ""});
        box.classifier.MarkForDeletion(-1);
        QVERIFY(!m_dns.asked.contains("new.test"));
        QCOMPARE(box.settings.Known.Num, QStringLiteral("2"));
    }

    void resolverAdapter_data() {
        QTest::addColumn<QString>("server"); // "dnsmasq", "closed" or "silent"
        QTest::addColumn<QString>("domain");
        QTest::addColumn<MxAnswer>("answer");

        QTest::newRow("exchangers") << "dnsmasq"
                                    << "good.test" << MxAnswer::Exists;
        QTest::newRow("exists-without-exchangers") << "dnsmasq"
                                                   << "nomx.test" << MxAnswer::Exists;
        QTest::newRow("does-not-exist") << "dnsmasq"
                                        << "missing.test" << MxAnswer::NoSuchDomain;
        QTest::newRow("null-mx") << "dnsmasq"
                                 << "nullmx.test" << MxAnswer::NoMail;
        QTest::newRow("refused") << "dnsmasq"
                                 << "example.org" << MxAnswer::Failed;
        QTest::newRow("cannot-be-a-name") << "dnsmasq"
                                          << "mail..test" << MxAnswer::NoSuchDomain;
        QTest::newRow("nothing-listening") << "closed"
                                           << "good.test" << MxAnswer::Unreachable;
        QTest::newRow("no-answer") << "silent"
                                   << "good.test" << MxAnswer::Unreachable;
    }
    void resolverAdapter() {
        QFETCH(QString, server);
        QFETCH(QString, domain);
        DnsmasqServer dnsmasq({"--mx-host=good.test,mx.good.test,10",
                               "--host-record=nomx.test,127.0.0.9", "--mx-host=nullmx.test,.,0"});
        ScriptedDnsServer silent;
        silent.setReply({});
        TmsMXResolver resolver;
        resolver.DNSAddress = QStringLiteral("127.0.0.1");
        resolver.setTimeOut(server == "silent" ? 1 : 10);
        if (server == "dnsmasq") {
            QVERIFY2(dnsmasq.start(), qPrintable(dnsmasq.errorText()));
            resolver.Port = dnsmasq.port();
        } else if (server == "silent") {
            resolver.Port = silent.port();
        } else {
            QUdpSocket probe;
            QVERIFY(probe.bind(QHostAddress::LocalHost, 0));
            resolver.Port = probe.localPort();
        }
        ResolverMxLookup lookup(resolver);
        QTEST(lookup.lookup(domain), "answer");
    }
};

QTEST_GUILESS_MAIN(TestUnknownDomain)
#include "tst_unknowndomain.moc"
