// The learned judgement: its tokens (what never becomes one), the minimum it
// needs before it judges, learning once per message and moving one over, and
// its database (private, forgotten on request, left alone when damaged).
#include "mail/Exceptions.h"
#include "rules/LearnedFilter.h"
#include "support/LearnedMail.h"
#include "support/TempProfile.h"
#include "support/TestFiles.h"

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QtTest>

namespace {

TmsHeaders spam(int n) {
    return TmsHeaders(LearnedMail::spam(n));
}
TmsHeaders other(int n) {
    return TmsHeaders(LearnedMail::other(n));
}

// Learns spam 0..spamCount-1 and other mail 0..otherCount-1 in one step.
void teach(LearnedFilter& filter, int spamCount, int otherCount) {
    QList<LearnedExample> step;
    for (int i = 0; i < spamCount; ++i)
        step.append({QStringLiteral("s%1").arg(i), spam(i), true});
    for (int i = 0; i < otherCount; ++i)
        step.append({QStringLiteral("o%1").arg(i), other(i), false});
    filter.learn(step);
}

bool anyContains(const QStringList& tokens, const QString& part) {
    for (const QString& t : tokens)
        if (t.contains(part, Qt::CaseInsensitive)) return true;
    return false;
}

} // namespace

class TestLearnedFilter : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void tokens_data() {
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<QStringList>("ownDomains");
        QTest::addColumn<QStringList>("present");
        QTest::addColumn<QStringList>("absent"); // parts no token may hold

        QTest::newRow("date-and-receiving-fields-never")
            << LearnedMail::spam(1) << QStringList()
            << QStringList{"subject:free", "from:domain:pills-now.test",
                           "mailer:mass sender pro 3.1"}
            << QStringList{"2002", "aug", "x-spam", "hits", "delivered", "ann@provider"};
        QTest::newRow("provider-hops-give-no-tokens-the-hand-over-does")
            << LearnedMail::spam(3) << QStringList()
            << QStringList{"relay:domain:pills-now.test", "relay:ip:203.0.113", "relay:with:smtp"}
            << QStringList{"provider.example", "10.0.0", "lmtp"};
        QTest::newRow("collector-hops-named-as-own-give-no-tokens")
            << QStringList{"Received: from relay.collector.test ([192.0.2.9]) by "
                           "inbox.collector.test; Tue, 6 Aug 2002 11:48:09 +0100",
                           "Received: from sender.example.org (sender.example.org [198.51.100.3]) "
                           "by relay.collector.test; Tue, 6 Aug 2002 11:40:00 +0100",
                           "Subject: hello"}
            << QStringList{"collector.test"}
            << QStringList{"relay:domain:example.org", "relay:ip:198.51.100"}
            << QStringList{"collector", "192.0.2"};
        QTest::newRow("hops-below-the-hand-over-are-the-senders")
            << QStringList{"Received: from a.example.net (a.example.net [198.51.100.1]) by "
                           "mx.provider.example",
                           "Received: from b.example.com ([203.0.113.2]) by a.example.net"}
            << QStringList()
            << QStringList{"relay:domain:example.net", "rcvd:domain:example.com",
                           "rcvd:ip:203.0.113", "rcvd:outside-hops:2"}
            << QStringList{"provider.example"};
        QTest::newRow("encoded-subject-decoded")
            << QStringList{"Subject: =?utf-8?q?Gr=C3=BC=C3=9Fe_aus_Wien?="} << QStringList()
            << QStringList{"subject:grüße", "subject:wien", "subject:encoded:utf-8"}
            << QStringList{"=?"};
        QTest::newRow("mailbox-file-separator-skipped")
            << QStringList{"From ann@example.org  Tue Aug  6 11:51:02 2002", "Subject: hi there"}
            << QStringList() << QStringList{"subject:there"} << QStringList{"ann@", "11"};
    }
    void tokens() {
        QFETCH(QStringList, lines);
        QFETCH(QStringList, ownDomains);
        QFETCH(QStringList, present);
        QFETCH(QStringList, absent);
        LearnedTokenizer tokenizer;
        tokenizer.ownDomains = ownDomains;
        const QStringList tokens = tokenizer.tokens(TmsHeaders(lines));
        for (const QString& t : present)
            QVERIFY2(tokens.contains(t),
                     qPrintable(t + QStringLiteral(" missing from ") + tokens.join(u' ')));
        for (const QString& part : absent)
            QVERIFY2(!anyContains(tokens, part),
                     qPrintable(part + QStringLiteral(" found in ") + tokens.join(u' ')));
    }

    void judgesOnlyAfterTheMinimumOfEach() {
        TempProfile profile;
        LearnedFilter filter;
        QVERIFY2(filter.open(), qPrintable(filter.error()));
        teach(filter, LearnedFilter::MinimumEach - 1, LearnedFilter::MinimumEach + 10);
        QVERIFY(!filter.ready());
        QVERIFY(!filter.score(spam(500)).judged);
        QCOMPARE(filter.score(spam(500)).score, 0.5);

        filter.learn(QStringLiteral("last"), spam(499), true);
        QVERIFY(filter.ready());
        const LearnedScore s = filter.score(spam(500));
        const LearnedScore o = filter.score(other(500));
        QVERIFY(s.judged && o.judged);
        QVERIFY2(s.score > 0.9, qPrintable(QString::number(s.score)));
        QVERIFY2(o.score < 0.1, qPrintable(QString::number(o.score)));
        // The tokens that weighed most, each way, strongest first.
        QVERIFY(!s.towardSpam.isEmpty() && s.towardSpam.size() <= LearnedFilter::TopTokens);
        QVERIFY(s.towardSpam.first().spamProbability > 0.9);
        QVERIFY(!o.towardOther.isEmpty() && o.towardOther.first().spamProbability < 0.1);
        QVERIFY(o.towardOther.first().spamProbability <= o.towardOther.last().spamProbability);
    }

    // A check scores without the token texts; "Why" names them. Both give the
    // same score, and a score follows what was learned and the tuning at once.
    void scoreWithoutTokenTextsIsTheSame() {
        TempProfile profile;
        LearnedFilter filter;
        QVERIFY2(filter.open(), qPrintable(filter.error()));
        teach(filter, LearnedFilter::MinimumEach, LearnedFilter::MinimumEach);
        const TmsHeaders probe = other(600);
        QList<quint64> hashes;
        const QStringList tokens = filter.tokenizer.tokens(probe, &hashes);
        std::vector<quint64> keys;
        filter.tokenizer.keys(probe, keys);
        QCOMPARE(QList<quint64>(keys.begin(), keys.end()), hashes);
        for (qsizetype i = 0; i < tokens.size(); ++i)
            QCOMPARE(LearnedTokenizer::hash(tokens[i]), hashes[i]);

        const LearnedScore named = filter.score(probe);
        const LearnedScore plain = filter.scoreOnly(probe);
        QVERIFY(plain.judged);
        QCOMPARE(plain.score, named.score);
        QVERIFY(plain.towardSpam.isEmpty() && plain.towardOther.isEmpty());

        // The same header learned as spam many times over turns its score.
        QList<LearnedExample> step;
        for (int i = 0; i < 3 * int(LearnedFilter::MinimumEach); ++i)
            step.append({QStringLiteral("again%1").arg(i), probe, true});
        filter.learn(step);
        const double after = filter.scoreOnly(probe).score;
        QVERIFY2(after > plain.score, qPrintable(QString::number(after)));
        QCOMPARE(after, filter.score(probe).score);
        // No token is that far from 0.5: nothing weighs, and the score is 0.5.
        filter.tuning.minDeviation = 0.6;
        QCOMPARE(filter.scoreOnly(probe).score, 0.5);
        QCOMPARE(filter.scoreOnly(probe).score, filter.score(probe).score);
    }

    void eachMessageLearnedOnceAndMovedOver() {
        TempProfile profile;
        {
            LearnedFilter filter;
            QVERIFY(filter.open());
            teach(filter, 60, 60);
            using O = LearnedFilter::Outcome;
            QCOMPARE(filter.learn(QStringLiteral("s1"), spam(1), true), O::Unchanged);
            QCOMPARE(filter.spamCount(), 60u);
            const double before = filter.score(spam(1)).score;
            // A message learned as spam that the user keeps after all.
            QCOMPARE(filter.learn(QStringLiteral("s1"), spam(1), false), O::Relearned);
            QCOMPARE(filter.spamCount(), 59u);
            QCOMPARE(filter.otherCount(), 61u);
            QVERIFY(filter.score(spam(1)).score <= before);
            bool asSpam = true;
            QVERIFY(filter.isLearned(QStringLiteral("s1"), &asSpam) && !asSpam);
            // Twice in one step: learned once, then moved over.
            const QList<O> outcomes = filter.learn(
                {{QStringLiteral("n"), spam(900), true}, {QStringLiteral("n"), spam(900), false}});
            QCOMPARE(outcomes, (QList<O>{O::Learned, O::Relearned}));
            QCOMPARE(filter.spamCount(), 59u);
            QCOMPARE(filter.otherCount(), 62u);
            QVERIFY(filter.unlearn(QStringLiteral("n")));
            QVERIFY(!filter.unlearn(QStringLiteral("n")));
            QCOMPARE(filter.otherCount(), 61u);
        }
        // All of it was stored.
        LearnedFilter again;
        QVERIFY(again.open());
        QCOMPARE(again.spamCount(), 59u);
        QCOMPARE(again.otherCount(), 61u);
        bool asSpam = true;
        QVERIFY(again.isLearned(QStringLiteral("s1"), &asSpam) && !asSpam);
        QVERIFY(!again.isLearned(QStringLiteral("n")));
    }

    void moveOverUndoesTheCountsExactly() {
        TempProfile profile;
        LearnedFilter a(profile.appFile(QStringLiteral("a.db")));
        LearnedFilter b(profile.appFile(QStringLiteral("b.db")));
        QVERIFY(a.open() && b.open());
        teach(a, 55, 55);
        teach(b, 55, 55);
        a.learn(QStringLiteral("x"), other(300), true);
        a.learn(QStringLiteral("x"), other(300), false);
        b.learn(QStringLiteral("x"), other(300), false);
        QCOMPARE(a.tokenCount(), b.tokenCount());
        QCOMPARE(a.score(spam(7)).score, b.score(spam(7)).score);
        QCOMPARE(a.score(other(301)).score, b.score(other(301)).score);
    }

    void staysWithinItsBounds() {
        TempProfile profile;
        LearnedFilter filter;
        filter.limits = {200, 10};
        QVERIFY(filter.open());
        // Each message brings eight words of its own; "shared" is in every one.
        const auto message = [](int n) {
            QStringList words{QStringLiteral("shared")};
            for (int k = 0; k < 8; ++k)
                words << QStringLiteral("w%1x%2").arg(n).arg(k);
            return TmsHeaders({QStringLiteral("Subject: ") + words.join(u' ')});
        };
        for (int n = 0; n < 40; ++n)
            filter.learn(QStringLiteral("m%1").arg(n), message(n), n % 2 == 0);
        QVERIFY2(filter.tokenCount() <= 200, qPrintable(QString::number(filter.tokenCount())));
        // The rarest and longest unseen went; the shared word and the latest stay.
        QCOMPARE(filter.tokenCounts(QStringLiteral("subject:shared")).spam, 20u);
        QCOMPARE(filter.tokenCounts(QStringLiteral("subject:w0x0")).spam, 0u);
        QCOMPARE(filter.tokenCounts(QStringLiteral("subject:w39x7")).other, 1u);
        // The oldest message records went; what they taught stays counted.
        QCOMPARE(filter.spamCount(), 20u);
        QVERIFY(!filter.isLearned(QStringLiteral("m0")));
        QVERIFY(filter.isLearned(QStringLiteral("m39")));

        LearnedFilter again;
        QVERIFY(again.open());
        QCOMPARE(again.tokenCount(), filter.tokenCount());
        QCOMPARE(again.tokenCounts(QStringLiteral("subject:shared")).other, 20u);
        QVERIFY(!again.isLearned(QStringLiteral("m0")));
    }

    void messageIdIsTheUidlOrADigest() {
        QCOMPARE(LearnedFilter::messageId(QStringLiteral("abc"), spam(1)),
                 QStringLiteral("uidl:abc"));
        const QString a = LearnedFilter::messageId(QString(), spam(1));
        QCOMPARE(a, LearnedFilter::messageId(QString(), spam(1)));
        QVERIFY(a != LearnedFilter::messageId(QString(), spam(2)));
    }

    void databaseIsPrivateAndForgetEmptiesIt() {
        TempProfile profile;
        LearnedFilter filter;
        QVERIFY(filter.open());
        QCOMPARE(filter.path(), profile.appFile(QStringLiteral("learned.db")));
        QCOMPARE(QFileInfo(filter.path()).permissions() & 0x7077,
                 QFileDevice::ReadOwner | QFileDevice::WriteOwner);
        teach(filter, 50, 50);
        QVERIFY(filter.ready());
        filter.forget();
        QVERIFY(filter.isOpen());
        QCOMPARE(filter.spamCount(), 0u);
        QCOMPARE(filter.tokenCount(), 0);
        LearnedFilter again;
        QVERIFY(again.open());
        QCOMPARE(again.otherCount(), 0u);
        QVERIFY(!again.isLearned(QStringLiteral("s1")));
    }

    void damagedDatabaseIsReportedAndLeftAlone_data() {
        QTest::addColumn<QByteArray>("content");
        QTest::newRow("not-a-database") << QByteArray("this is not a database\n").repeated(200);
        QTest::newRow("written-by-a-newer-version") << QByteArray(); // made below
    }
    void damagedDatabaseIsReportedAndLeftAlone() {
        QFETCH(QByteArray, content);
        TempProfile profile;
        const QString path = profile.appFile(QStringLiteral("learned.db"));
        if (content.isEmpty()) {
            {
                LearnedStore other(path);
                other.load();
            }
            // Another schema version: as if a newer program wrote it.
            {
                QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), "newer");
                db.setDatabaseName(path);
                QVERIFY(db.open());
                QVERIFY(QSqlQuery(db).exec(
                    QStringLiteral("UPDATE meta SET value = 99 WHERE key = 'version'")));
                db.close();
            }
            QSqlDatabase::removeDatabase(QStringLiteral("newer"));
        } else {
            writeFile(path, content);
        }
        const QByteArray bytes = readAll(path);

        LearnedFilter filter;
        QVERIFY(!filter.open());
        QVERIFY2(filter.error().contains(path) &&
                     filter.error().contains(QLatin1String("cannot be read")),
                 qPrintable(filter.error()));
        QVERIFY(!filter.score(spam(1)).judged);
        QVERIFY_THROWS_EXCEPTION(EFileError, filter.learn(QStringLiteral("s"), spam(1), true));
        QCOMPARE(readAll(path), bytes);

        // Forgetting is the user's word: a new, empty database replaces it.
        filter.forget();
        QVERIFY(filter.isOpen());
        teach(filter, 1, 1);
        QCOMPARE(filter.spamCount(), 1u);
    }
};

QTEST_GUILESS_MAIN(TestLearnedFilter)
#include "tst_learnedfilter.moc"
