// The learned judgement in the check and what it learns from the user's own
// decisions, through the main controller against a real Dovecot.
#include "ClassifierFixture.h"
#include "ControllerFixture.h"
#include "rules/LearnedFilter.h"
#include "rules/LearnedStore.h"

#include <QtTest>

namespace {

// Hand-written header blocks of two kinds: pill offers from a bulk sender, and
// an office's mail.
QByteArray spamLike(int i) {
    return mail("s" + QByteArray::number(i), "Cheap pills offer number " + QByteArray::number(i),
                "Deals <offers@bargain-pills.test>");
}
QByteArray otherLike(int i) {
    return mail("o" + QByteArray::number(i), "Minutes of the meeting " + QByteArray::number(i),
                "Ann Example <ann@example.org>");
}

TmsHeaders headersOf(const QByteArray& message) {
    TmsHeaders h;
    h.LoadFromBytes(message);
    h.StripBody();
    return h;
}

// Teaches the profile's learned judgement spam and other examples.
void teach(int spam, int other) {
    LearnedFilter filter;
    QVERIFY(filter.open());
    QList<LearnedExample> step;
    for (int i = 0; i < spam; ++i)
        step << LearnedExample{"spam-" + QString::number(i), headersOf(spamLike(100 + i)), true};
    for (int i = 0; i < other; ++i)
        step << LearnedExample{"other-" + QString::number(i), headersOf(otherLike(100 + i)), false};
    filter.learn(step);
}

} // namespace

class TestMainLearning : public QObject {
    Q_OBJECT

    DovecotServer m_server;


private Q_SLOTS:
    void initTestCase() { QVERIFY2(m_server.start(), qPrintable(m_server.errorString())); }

    void judgesOnlyWhatNothingElseMarked_data() {
        QTest::addColumn<int>("learnedSpam");
        QTest::addColumn<bool>("checkMark");
        QTest::addColumn<QList<int>>("marks");
        // Rows: a pill offer nothing else marks, one from an exception, one a
        // delete rule marks, and office mail.
        QTest::newRow("question-mark-by-default")
            << 60 << false << QList<int>{QuestionMark, 7, CheckMark, NoMark};
        QTest::newRow("check-mark-when-chosen")
            << 60 << true << QList<int>{CheckMark, 7, CheckMark, NoMark};
        QTest::newRow("too-little-learned-judges-nothing")
            << 49 << false << QList<int>{NoMark, 7, CheckMark, NoMark};
    }

    void judgesOnlyWhatNothingElseMarked() {
        QFETCH(int, learnedSpam);
        QFETCH(bool, checkMark);
        QFETCH(QList<int>, marks);
        Harness h;
        teach(learnedSpam, 60);
        Harness::slot(1, m_server.server(),
                      m_server.mailbox({spamLike(1),
                               mail("x", "Cheap pills offer again", "offers@friend.test"),
                               mail("y", "Cheap pills offer, final", "Deals <offers@bargain-pills.test>"),
                               otherLike(1)}));
        SettingsStore::iniFile().WriteBool("Learning", "Check", checkMark);
        MainController& c = h.start();
        setRules(c.dialogModels().Spam.gridExcept,
                 {exceptionRule("Domain name", "Equals", "friend.test", false, "7")});
        setRules(c.dialogModels().Spam.gridSubject,
                 {subjectRule("Contains", "final", false, true)});

        QVERIFY(c.btListClick());
        QCOMPARE(h.marks(), marks);

        // "Why" names the score and the tokens both ways, beside the rules.
        const QStringList why = c.Why1Click({0});
        if (learnedSpam >= 50) {
            QVERIFY2(why.filter(QRegularExpression("^Learned  :  score [01]\\.\\d\\d, cutoff 0\\.95: "
                                                   "like the spam you deleted$"))
                             .size() == 1,
                     qPrintable(why.join('\n')));
            QVERIFY(why.filter("toward spam: ").value(0).contains("pills"));
            QCOMPARE(why.filter("toward other mail: ").size(), 1);
        } else {
            QVERIFY(why.filter("Learned").isEmpty());
        }
        QCOMPARE(h.marks(), marks); // explaining changes no mark
        QVERIFY(h.prompter.shown().isEmpty());
    }

    // A deletion the user confirmed teaches what the server deleted as spam and
    // what was left unmarked as not spam; an unmark teaches "not spam"; the
    // pop-up items teach either way and move a message over; a sweep teaches
    // nothing.
    void learnsFromTheUsersDecisions() {
        Harness h;
        teach(50, 50);
        const QString user = m_server.mailbox({mail("a", "Lottery winner", "lucky@prize.test"),
                                      otherLike(1), otherLike(2), spamLike(1)});
        Harness::slot(1, m_server.server(), user);
        Harness::setGeneral("Launch", "0");
        MainController& c = h.start();
        const LearnedFilter& learned = c.learned();
        QVERIFY(c.btListClick());
        QCOMPARE(h.marks(), (QList<int>{NoMark, NoMark, NoMark, QuestionMark}));

        c.btMarkClick({0}); // marking teaches nothing
        QCOMPARE(learned.spamCount() + learned.otherCount(), 100u);
        h.prompter.answerNext(Prompter::Answer::Yes);
        QVERIFY(c.btDeleteClick());
        QCOMPARE(m_server.messageIds(user), (QStringList{"o1", "o2", "s1"}));
        QCOMPARE(learned.spamCount(), 51u);
        QCOMPARE(learned.otherCount(), 53u); // the three left unmarked

        // The pill offer was kept above: "Learn as spam" moves it over.
        c.LearnAsSpam1Click({2});
        QCOMPARE(learned.spamCount(), 52u);
        QCOMPARE(learned.otherCount(), 52u);
        c.LearnAsSpam1Click({2}); // once only
        QCOMPARE(learned.spamCount(), 52u);
        c.LearnAsNotSpam1Click({2});
        QCOMPARE(learned.spamCount(), 51u);
        QCOMPARE(learned.otherCount(), 53u);

        c.btMarkClick({0});
        c.btMarkClick({0}); // the mark removed by hand: not spam (already so)
        c.LearnAsSpam1Click({0});
        QCOMPARE(learned.spamCount(), 52u);
        c.btMarkClick({0});
        c.btMarkClick({0});
        QCOMPARE(learned.spamCount(), 51u);
        QCOMPARE(learned.otherCount(), 53u);
        QVERIFY(h.prompter.shown().size() == 1); // the deletion's question only

        // A sweep with deletion teaches nothing.
        m_server.addMessage(user, mail("b", "pills", "x@bad.test"));
        setRules(c.dialogModels().Spam.gridSubject, {subjectRule("Contains", "pills", false, true)});
        c.dialogModels().General.Kill = true;
        c.dialogModels().General.Automatic = true;
        c.SweepNow();
        QCOMPARE(learned.spamCount(), 51u);
        QCOMPARE(learned.otherCount(), 53u);
        QVERIFY(!m_server.messageIds(user).contains("b"));
    }

    // A database that cannot be read is reported once, left byte for byte, and
    // the rules go on without it; nothing is learned into it.
    void aDamagedDatabaseIsLeftAlone() {
        Harness h;
        const QString path = LearnedStore::defaultPath();
        const QByteArray damage = "not a database, just some bytes\n";
        {
            QFile f(path);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(damage);
        }
        Harness::slot(1, m_server.server(), m_server.mailbox({spamLike(1), otherLike(1)}));
        MainController& c = h.start();
        QCOMPARE(h.prompter.shown().size(), 1);
        QCOMPARE(h.prompter.shown().first().icon, Prompter::Icon::Error);
        setRules(c.dialogModels().Spam.gridSubject, {subjectRule("Contains", "pills", false, true)});

        QVERIFY(c.btListClick());
        QCOMPARE(h.marks(), (QList<int>{CheckMark, NoMark}));
        c.LearnAsSpam1Click({1});
        c.btMarkClick({0});
        QCOMPARE(h.prompter.shown().size(), 1);
        QFile f(path);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), damage);
    }
};

QTEST_GUILESS_MAIN(TestMainLearning)
#include "tst_mainlearning.moc"
