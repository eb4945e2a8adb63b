// The classifier: each rule list's scan, exceptions, size limits, the order of
// steps and their stop tests, the blacklist, reasons, and hit counting.
#include "ClassifierFixture.h"

#include <QtTest>

using Rules = QList<QStringList>;
using Hits = QList<int>;

namespace {
const QString To = QStringLiteral("To does not contain");
const QString Me = QStringLiteral("me@home.test - MailBox #2");

QStringList lines(std::initializer_list<const char*> texts) {
    QStringList out;
    for (const char* t : texts)
        out << QString::fromUtf8(t);
    return out;
}
} // namespace

class TestClassifier : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void subjectRules_data() {
        QTest::addColumn<Rules>("rules");
        QTest::addColumn<QString>("subject");
        QTest::addColumn<int>("mark");
        QTest::addColumn<Hits>("hits");

        QTest::newRow("starts-with-empty-match-marks-every-message")
            << Rules{subjectRule("Starts with", "")} << "hello" << int(QuestionMark) << Hits{1};
        QTest::newRow("contains-empty-match-marks-none")
            << Rules{subjectRule("Contains", "")} << "hello" << int(NoMark) << Hits{0};
        QTest::newRow("delete-rule-gives-check-mark")
            << Rules{subjectRule("Contains", "viagra", false, true)} << "Cheap VIAGRA"
            << int(CheckMark) << Hits{1};
        QTest::newRow("case-flag-honoured") << Rules{subjectRule("Contains", "FREE", true)}
                                            << "free stuff" << int(NoMark) << Hits{0};
        QTest::newRow("uppercase-subject")
            << Rules{subjectRule("Is UPPERCASE", "")} << "BUY NOW" << int(QuestionMark) << Hits{1};
        QTest::newRow("sender-condition-never-matches-a-subject")
            << Rules{subjectRule("All numeric", "")} << "12345" << int(NoMark) << Hits{0};
        QTest::newRow("scan-stops-at-first-delete-match")
            << Rules{subjectRule("Contains", "a", false, true), subjectRule("Contains", "a")} << "a"
            << int(CheckMark) << Hits{1, 0};
        QTest::newRow("every-question-match-counts")
            << Rules{subjectRule("Contains", "a"), subjectRule("Contains", "b")} << "ab"
            << int(QuestionMark) << Hits{1, 1};
        QTest::newRow("question-then-delete-match")
            << Rules{subjectRule("Contains", "a"), subjectRule("Contains", "b", false, true)}
            << "ab" << int(CheckMark) << Hits{1, 1};
        QTest::newRow("list-ends-at-empty-condition")
            << Rules{subjectRule("Contains", "x"), subjectRule("", "a"),
                     subjectRule("Contains", "a")}
            << "a" << int(NoMark) << Hits{0, 0, 0};
    }
    void subjectRules() {
        QFETCH(Rules, rules);
        QFETCH(QString, subject);
        Mailbox box;
        setRules(box.settings.gridSubject, rules);
        box.add(subject, "someone@example.test");
        box.classifier.MarkForDeletion(0);
        QTEST(int(box.rows[0].Mark), "mark");
        QTEST(hitsOf(box.settings.gridSubject), "hits");
    }

    void senderRules_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("condition");
        QTest::addColumn<QString>("match");
        QTest::addColumn<QString>("sender");
        QTest::addColumn<bool>("matched");

        const QString mail = QStringLiteral("E-mail address");
        const QString domain = QStringLiteral("Domain name");
        const auto row = [](const char* name, const QString& kind, const QString& condition,
                            const QString& match, const QString& sender, bool matched) {
            QTest::newRow(name) << kind << condition << match << sender << matched;
        };
        row("all-numeric-local-part", mail, "All numeric", "", "12345@x.test", true);
        row("all-numeric-underscore", mail, "All numeric", "", "1_2@x.test", true);
        row("all-numeric-empty-local-part", mail, "All numeric", "", "@x.test", true);
        row("all-numeric-letters", mail, "All numeric", "", "ab12@x.test", false);
        row("half-numeric-two-of-five", mail, "50% numeric", "", "ab1c2@x.test", true);
        row("half-numeric-one-of-five", mail, "50% numeric", "", "abcd1@x.test", false);
        row("uppercase-looks-at-local-part", mail, "Is UPPERCASE", "", "JOE@lower.test", true);
        row("first-char-local-part", mail, "First char numeric", "", "9lives@x.test", true);
        row("contains-whole-address-any-case", mail, "Contains", "JOE@SPAM", "joe@spam.test", true);
        row("starts-with-whole-address", mail, "Starts with", "joe@", "joe@spam.test", true);
        row("blank-sender", mail, "Is blank", "", "", true);
        row("whole-word-in-address", mail, "Contains (whole word)", "spam", "joe@spam.test", true);
        row("domain-ends-with", domain, "Ends with", ".RU", "ivan@mail.ru", true);
        row("domain-equals-after-first-at", domain, "Equals", "b@c.test", "a@b@c.test", true);
        row("domain-numeric-tests-the-domain", domain, "All numeric", "", "joe@123", true);
        row("domain-of-address-without-at", domain, "Equals", "nobody", "nobody", true);
        row("domain-starts-with-not-local-part", domain, "Starts with", "joe", "joe@spam.test",
            false);
    }
    void senderRules() {
        QFETCH(QString, kind);
        QFETCH(QString, condition);
        QFETCH(QString, match);
        QFETCH(QString, sender);
        QFETCH(bool, matched);
        Mailbox box;
        setRules(box.settings.gridFrom, {senderRule(kind, condition, match)});
        box.add("hello", sender);
        box.classifier.MarkForDeletion(0);
        QCOMPARE(box.rows[0].Mark, matched ? QuestionMark : NoMark);
        QCOMPARE(hitsOf(box.settings.gridFrom), Hits{matched ? 1 : 0});
    }

    void headerRules_data() {
        QTest::addColumn<Rules>("rules");
        QTest::addColumn<QStringList>("header");
        QTest::addColumn<int>("slot");
        QTest::addColumn<int>("mark");
        QTest::addColumn<Hits>("hits");

        const QStringList plain = lines({"From: joe@spam.test", "To: other@home.test",
                                         "X-Mailer: Bulk 1.0", "Subject: hi", ""});
        QTest::newRow("condition-on-a-line")
            << Rules{headerRule("Contains", "bulk")} << plain << 2 << int(QuestionMark) << Hits{1};
        QTest::newRow("last-line-not-examined")
            << Rules{headerRule("Contains", "bulk")}
            << lines({"From: joe@spam.test", "X-Mailer: Bulk 1.0"}) << 2 << int(NoMark) << Hits{0};
        QTest::newRow("every-matching-line-counts")
            << Rules{headerRule("Contains", "home.test")}
            << lines({"To: a@home.test", "Cc: b@home.test", ""}) << 2 << int(QuestionMark)
            << Hits{2};
        QTest::newRow("delete-row-stops-at-first-line")
            << Rules{headerRule("Contains", "home.test", false, true)}
            << lines({"To: a@home.test", "Cc: b@home.test", ""}) << 2 << int(CheckMark) << Hits{1};
        QTest::newRow("blank-is-not-a-header-condition")
            << Rules{headerRule("Is blank", "")} << plain << 2 << int(NoMark) << Hits{0};
        QTest::newRow("case-flag-honoured")
            << Rules{headerRule("Contains", "bulk", true)} << plain << 2 << int(NoMark) << Hits{0};

        QTest::newRow("to-does-not-contain-this-mailbox")
            << Rules{headerRule(To, Me, false, true)} << plain << 2 << int(CheckMark) << Hits{1};
        QTest::newRow("to-does-not-contain-other-mailbox")
            << Rules{headerRule(To, Me, false, true)} << plain << 3 << int(NoMark) << Hits{0};
        QTest::newRow("to-contains-address-in-other-case")
            << Rules{headerRule(To, Me)} << lines({"To: Me <ME@Home.Test>", ""}) << 2 << int(NoMark)
            << Hits{0};
        QTest::newRow("to-missing") << Rules{headerRule(To, Me)} << lines({"From: a@b.test", ""})
                                    << 2 << int(NoMark) << Hits{0};
        QTest::newRow("to-rule-without-mailbox-skipped")
            << Rules{headerRule(To, "me@home.test")} << plain << 2 << int(NoMark) << Hits{0};
        QTest::newRow("to-rule-with-word-for-slot-skipped")
            << Rules{headerRule(To, "me@home.test - MailBox #two")} << plain << 2 << int(NoMark)
            << Hits{0};
        QTest::newRow("to-rule-without-address-skipped")
            << Rules{headerRule(To, " - MailBox #2")} << plain << 2 << int(NoMark) << Hits{0};
        QTest::newRow("to-rule-with-no-slot-being-checked")
            << Rules{headerRule(To, "me@home.test - MailBox #0")} << plain << 0 << int(NoMark)
            << Hits{0};

        const QString reply = QStringLiteral("does not match Reply-to");
        QTest::newRow("reply-to-elsewhere")
            << Rules{headerRule("Sender", reply)}
            << lines({"From: \"Joe\" <joe@a.test>", "Reply-to: cash@b.test", ""}) << 2
            << int(QuestionMark) << Hits{1};
        QTest::newRow("reply-to-contains-from")
            << Rules{headerRule("Sender", reply)}
            << lines({"From: joe@a.test", "Reply-To: Joe <JOE@A.TEST>", ""}) << 2 << int(NoMark)
            << Hits{0};
        QTest::newRow("reply-to-missing")
            << Rules{headerRule("Sender", reply)} << lines({"From: joe@a.test", ""}) << 2
            << int(NoMark) << Hits{0};
        QTest::newRow("from-equals-to")
            << Rules{headerRule("Sender", "equals To field", false, true)}
            << lines({"From: ME@home.test", "To: Me <me@home.test>", ""}) << 2 << int(CheckMark)
            << Hits{1};
        QTest::newRow("from-differs-from-to")
            << Rules{headerRule("Sender", "equals To field")}
            << lines({"From: joe@a.test", "To: me@home.test", ""}) << 2 << int(NoMark) << Hits{0};
        QTest::newRow("to-missing-for-equals")
            << Rules{headerRule("Sender", "equals To field")} << lines({"From: joe@a.test", ""})
            << 2 << int(NoMark) << Hits{0};
        QTest::newRow("rows-stop-after-a-delete-row")
            << Rules{headerRule("Contains", "x-mailer", false, true), headerRule("Contains", "to:")}
            << plain << 2 << int(CheckMark) << Hits{1, 0};
    }
    void headerRules() {
        QFETCH(Rules, rules);
        QFETCH(QStringList, header);
        QFETCH(int, slot);
        Mailbox box;
        setRules(box.settings.gridHeader, rules);
        box.classifier.MailboxSlot = slot;
        box.add("hello", "joe@a.test", "2000", header);
        box.classifier.MarkForDeletion(0);
        QTEST(int(box.rows[0].Mark), "mark");
        QTEST(hitsOf(box.settings.gridHeader), "hits");
    }

    void exceptions_data() {
        QTest::addColumn<Rules>("rules");
        QTest::addColumn<QString>("subject");
        QTest::addColumn<QString>("sender");
        QTest::addColumn<QStringList>("header");
        QTest::addColumn<int>("mark");
        QTest::addColumn<Hits>("hits");

        const QStringList header =
            lines({"From: joe@friends.test", "X-Mailer: Club 2.0", "Subject: Meeting", ""});
        const QString sender = QStringLiteral("joe@friends.test");
        QTest::newRow("domain-ends-with-any-case")
            << Rules{exceptionRule("Domain name", "", "FRIENDS.test")} << "x" << sender << header
            << 3 << Hits{1};
        QTest::newRow("domain-is-a-plain-tail")
            << Rules{exceptionRule("Domain name", "", "ends.test")} << "x" << sender << header << 3
            << Hits{1};
        QTest::newRow("address-starts-with")
            << Rules{exceptionRule("E-mail address", "", "joe@", false, "9")} << "x" << sender
            << header << 9 << Hits{1};
        QTest::newRow("subject-condition-with-case")
            << Rules{exceptionRule("Subject", "Starts with", "Meet", true, "4")} << "Meeting"
            << sender << header << 4 << Hits{1};
        QTest::newRow("subject-condition-case-differs")
            << Rules{exceptionRule("Subject", "Starts with", "MEET", true, "4")} << "Meeting"
            << sender << header << int(NoMark) << Hits{0};
        QTest::newRow("named-header")
            << Rules{exceptionRule("X-Mailer", "Contains (whole word)", "club", false, "14")} << "x"
            << sender << header << 14 << Hits{1};
        QTest::newRow("any-header-line")
            << Rules{exceptionRule("Any Header", "Starts with", "x-mailer:")} << "x" << sender
            << header << 3 << Hits{1};
        QTest::newRow("any-header-last-line-not-examined")
            << Rules{exceptionRule("Any Header", "Contains", "club")} << "x" << sender
            << lines({"From: joe@friends.test", "X-Mailer: Club 2.0"}) << int(NoMark) << Hits{0};
        QTest::newRow("blank-is-not-an-exception-condition")
            << Rules{exceptionRule("Subject", "Is blank", "")} << "" << sender << header
            << int(NoMark) << Hits{0};
        QTest::newRow("empty-kind-skipped-scan-goes-on")
            << Rules{exceptionRule("", "", "joe@"),
                     exceptionRule("E-mail address", "", "joe@", false, "5")}
            << "x" << sender << header << 5 << Hits{0, 1};
        QTest::newRow("first-matching-row-wins")
            << Rules{exceptionRule("E-mail address", "", "joe@", false, "6"),
                     exceptionRule("Domain name", "", "friends.test", false, "7")}
            << "x" << sender << header << 6 << Hits{1, 0};
        QTest::newRow("picture-not-a-number-skipped")
            << Rules{exceptionRule("E-mail address", "", "joe@", false, "hand"),
                     exceptionRule("Domain name", "", "friends.test", false, "7")}
            << "x" << sender << header << 7 << Hits{0, 1};
        QTest::newRow("picture-outside-the-pictures-skipped")
            << Rules{exceptionRule("E-mail address", "", "joe@", false, "0")} << "x" << sender
            << header << int(NoMark) << Hits{0};
    }
    void exceptions() {
        QFETCH(Rules, rules);
        QFETCH(QString, subject);
        QFETCH(QString, sender);
        QFETCH(QStringList, header);
        Mailbox box;
        setRules(box.settings.gridExcept, rules);
        box.add(subject, sender, "2000", header);
        box.classifier.MarkForDeletion(0);
        QTEST(int(box.rows[0].Mark), "mark");
        QTEST(hitsOf(box.settings.gridExcept), "hits");
    }

    void sizeLimits_data() {
        QTest::addColumn<int>("smaller"); // 0: off
        QTest::addColumn<bool>("smallerCheck");
        QTest::addColumn<int>("larger"); // 0: off
        QTest::addColumn<bool>("largerCheck");
        QTest::addColumn<QString>("size");
        QTest::addColumn<int>("mark");

        QTest::newRow("below-lower-limit") << 100 << true << 0 << true << "99" << int(CheckMark);
        QTest::newRow("at-lower-limit") << 100 << true << 0 << true << "100" << int(NoMark);
        QTest::newRow("below-lower-limit-question")
            << 100 << false << 0 << true << "5" << int(QuestionMark);
        QTest::newRow("above-upper-limit")
            << 0 << true << 500 << false << "501" << int(QuestionMark);
        QTest::newRow("at-upper-limit") << 0 << true << 500 << true << "500" << int(NoMark);
        QTest::newRow("lower-limit-tested-first")
            << 100 << false << 10 << true << "50" << int(QuestionMark);
        QTest::newRow("size-not-a-number") << 100 << true << 500 << true << "" << int(NoMark);
        QTest::newRow("size-with-letters") << 100 << true << 500 << true << "12k" << int(NoMark);
        QTest::newRow("limits-off") << 0 << true << 0 << true << "1" << int(NoMark);
    }
    void sizeLimits() {
        QFETCH(int, smaller);
        QFETCH(bool, smallerCheck);
        QFETCH(int, larger);
        QFETCH(bool, largerCheck);
        QFETCH(QString, size);
        Mailbox box;
        box.settings.Smaller = {smaller > 0, smaller, smallerCheck};
        box.settings.Larger = {larger > 0, larger, largerCheck};
        box.add("hello", "joe@a.test", size);
        box.classifier.MarkForDeletion(0);
        QTEST(int(box.rows[0].Mark), "mark");
    }

    void precedence_data() {
        QTest::addColumn<Rules>("subjectRules");
        QTest::addColumn<Rules>("senderRules");
        QTest::addColumn<Rules>("exceptRules");
        QTest::addColumn<QStringList>("blacklist");
        QTest::addColumn<bool>("smallCheck"); // the size is below a lower limit with the check mark
        QTest::addColumn<int>("before");
        QTest::addColumn<int>("mark");
        QTest::addColumn<Hits>("subjectHits");

        const Rules none;
        const Rules spamSubject{subjectRule("Contains", "offer")};
        const Rules deleteSubject{subjectRule("Contains", "offer", false, true)};
        const Rules deleteSender{senderRule("Domain name", "Equals", "spam.test", true)};
        const QStringList listed{"joe@spam.test"};
        QTest::newRow("exception-beats-blacklist")
            << deleteSubject << none << Rules{exceptionRule("Domain name", "", "spam.test")}
            << listed << true << int(NoMark) << 3 << Hits{0};
        QTest::newRow("question-raised-to-check-by-sender")
            << spamSubject << deleteSender << none << QStringList{} << false << int(NoMark)
            << int(CheckMark) << Hits{1};
        QTest::newRow("size-check-mark-skips-rule-lists")
            << deleteSubject << none << none << listed << true << int(NoMark) << int(CheckMark)
            << Hits{0};
        QTest::newRow("delete-subject-skips-blacklist")
            << deleteSubject << none << none << listed << false << int(NoMark) << int(CheckMark)
            << Hits{1};
        QTest::newRow("blacklist-replaces-question-mark")
            << spamSubject << none << none << listed << false << int(NoMark) << int(BlacklistMark)
            << Hits{1};
        QTest::newRow("blacklist-marks-unmarked-row")
            << none << none << none << listed << false << int(NoMark) << int(BlacklistMark)
            << Hits{};
        QTest::newRow("check-mark-kept-on-blacklist") << none << none << none << listed << false
                                                      << int(CheckMark) << int(CheckMark) << Hits{};
        QTest::newRow("earlier-question-mark-kept")
            << none << none << none << QStringList{} << false << int(QuestionMark)
            << int(QuestionMark) << Hits{};
        QTest::newRow("earlier-check-mark-stops-at-first-test")
            << spamSubject << none << none << QStringList{} << false << int(CheckMark)
            << int(CheckMark) << Hits{0};
    }
    void precedence() {
        QFETCH(Rules, subjectRules);
        QFETCH(Rules, senderRules);
        QFETCH(Rules, exceptRules);
        QFETCH(QStringList, blacklist);
        QFETCH(bool, smallCheck);
        QFETCH(int, before);
        Mailbox box;
        if (!subjectRules.isEmpty()) setRules(box.settings.gridSubject, subjectRules);
        if (!senderRules.isEmpty()) setRules(box.settings.gridFrom, senderRules);
        if (!exceptRules.isEmpty()) setRules(box.settings.gridExcept, exceptRules);
        for (const QString& e : blacklist)
            box.known.add(e);
        box.settings.Smaller = {smallCheck, 100, true};
        box.add("special offer", "joe@spam.test", "50");
        box.rows[0].Mark = MarkState(before);
        box.classifier.MarkForDeletion(0);
        QTEST(int(box.rows[0].Mark), "mark");
        QFETCH(Hits, subjectHits);
        if (!subjectHits.isEmpty()) QCOMPARE(hitsOf(box.settings.gridSubject), subjectHits);
    }

    void blacklistLookup_data() {
        QTest::addColumn<QStringList>("entries");
        QTest::addColumn<QString>("sender");
        QTest::addColumn<QString>("kind"); // empty: not found
        QTest::addColumn<QString>("matched");

        const QStringList entries{"zed@last.test", "Joe@Spam.TEST",   "BULK.test",
                                  "alpha.test",    "mIxEd@CaSe.test", "b@b.test"};
        const auto row = [&entries](const char* name, const QString& sender, const QString& kind,
                                    const QString& matched) {
            QTest::newRow(name) << entries << sender << kind << matched;
        };
        row("address-any-case", "joe@spam.test", "E-mail", "joe@spam.test");
        row("address-mixed-case-both-sides", "MiXeD@cAsE.TEST", "E-mail", "MiXeD@cAsE.TEST");
        row("domain-after-address", "anyone@bulk.TEST", "Domain", "bulk.TEST");
        row("first-entry", "x@alpha.test", "Domain", "alpha.test");
        row("last-entry", "ZED@last.test", "E-mail", "ZED@last.test");
        row("domain-after-first-at", "a@b@b.test", "Domain", "b@b.test");
        row("no-at-no-domain-lookup", "bulk", "", "");
        row("not-listed", "joe@ham.test", "", "");
        QTest::newRow("empty-list") << QStringList{} << "joe@spam.test" << QString() << QString();
        const QString longDomain = QString(79, QLatin1Char('d')) + QStringLiteral(".test");
        QTest::newRow("compares-first-80-characters")
            << QStringList{longDomain, "m.test"} << "x@" + longDomain.left(80) << "Domain"
            << longDomain.left(80);
    }
    void blacklistLookup() {
        QFETCH(QStringList, entries);
        QFETCH(QString, sender);
        QFETCH(QString, kind);
        QFETCH(QString, matched);
        Mailbox box;
        for (const QString& e : entries)
            box.known.add(e);
        QString gotKind, gotMatched;
        QCOMPARE(box.classifier.isInKnownList(sender, gotKind, gotMatched), !kind.isEmpty());
        QCOMPARE(gotKind, kind);
        QCOMPARE(gotMatched, matched);
    }

    void whyLines_data() {
        QTest::addColumn<QString>("list");
        QTest::addColumn<Rules>("rules");
        QTest::addColumn<QStringList>("header");
        QTest::addColumn<QStringList>("expected");

        const QStringList header = lines({"From: joe@spam.test", "To: other@home.test",
                                          "Reply-to: cash@b.test", "X-Mailer: Bulk 1.0", ""});
        QTest::newRow("subject-delete-with-match")
            << "subject" << Rules{subjectRule("Contains", "OFFER", false, true)} << header
            << QStringList{"Delete   :  Subject Contains \"OFFER\" "};
        QTest::newRow("subject-case-sensitive")
            << "subject" << Rules{subjectRule("Starts with", "SPECIAL", true)} << header
            << QStringList{"Question :  Subject Starts with \"SPECIAL\"  (Case Sensitive)"};
        QTest::newRow("subject-without-match-text")
            << "subject" << Rules{subjectRule("Is UPPERCASE", "ignored")} << header
            << QStringList{};
        QTest::newRow("sender-numeric-without-match-text")
            << "sender" << Rules{senderRule("E-mail address", "50% numeric", "ignored")} << header
            << QStringList{};
        QTest::newRow("sender-domain")
            << "sender" << Rules{senderRule("Domain name", "Ends with", ".test")} << header
            << QStringList{"Question :  Domain name Ends with \".test\" "};
        QTest::newRow("header-line-condition")
            << "header" << Rules{headerRule("Contains", "bulk", false, true)} << header
            << QStringList{"Delete   :  Header Contains \"bulk\" "};
        QTest::newRow("to-does-not-contain")
            << "header" << Rules{headerRule(To, Me, true, true)} << header
            << QStringList{"Delete   :  Header \"other@home.test\" To does not contain "
                           "\"me@home.test\"  (Case Sensitive)"};
        QTest::newRow("sender-does-not-match-reply-to")
            << "header" << Rules{headerRule("Sender", "does not match Reply-to")} << header
            << QStringList{"Question :  Header Sender \"cash@b.test does not match Reply-to "
                           "joe@spam.test\" "};
        QTest::newRow("sender-equals-to")
            << "header" << Rules{headerRule("Sender", "equals To field")}
            << lines({"From: me@home.test", "To: me@home.test", ""})
            << QStringList{"Question :  Header Sender \"me@home.test equals To field "
                           "me@home.test\" "};
        QTest::newRow("size") << "size" << Rules{} << header
                              << QStringList{"Delete   :  Size larger than \"10\" "};
        QTest::newRow("blacklist")
            << "blacklist" << Rules{} << header
            << QStringList{"Delete   :  Domain \"spam.test\" is on the KNOWN SPAMMER BLACKLIST "
                           "(you may edit if this is in error)"};
        QTest::newRow("exception-domain")
            << "except" << Rules{exceptionRule("Domain name", "Contains", "SPAM.test", true)}
            << header << QStringList{"Exception :  Domain name Equals \"SPAM.test\" "};
        QTest::newRow("exception-named-header")
            << "except" << Rules{exceptionRule("X-Mailer", "Contains", "Bulk", true)} << header
            << QStringList{"Exception :  X-Mailer Bulk 1.0 Contains \"Bulk\"  (Case Sensitive)"};
        QTest::newRow("exception-every-header-line")
            << "except" << Rules{exceptionRule("Any Header", "Contains", ".test")} << header
            << QStringList{"Exception :  Any Header From: joe@spam.test Contains \".test\" ",
                           "Exception :  Any Header To: other@home.test Contains \".test\" ",
                           "Exception :  Any Header Reply-to: cash@b.test Contains \".test\" "};
    }
    void whyLines() {
        QFETCH(QString, list);
        QFETCH(Rules, rules);
        QFETCH(QStringList, header);
        QFETCH(QStringList, expected);
        Mailbox box;
        box.classifier.MailboxSlot = 2;
        if (list == "subject") setRules(box.settings.gridSubject, rules);
        if (list == "sender") setRules(box.settings.gridFrom, rules);
        if (list == "header") setRules(box.settings.gridHeader, rules);
        if (list == "except") setRules(box.settings.gridExcept, rules);
        if (list == "size") box.settings.Larger = {true, 10, true};
        if (list == "blacklist") box.known.add("SPAM.TEST");
        box.add("SPECIAL OFFER", "0a1b2@spam.test", "2000", header);
        // The lines for "Is UPPERCASE" and the numeric tests name no match text.
        if (expected.isEmpty() && list == "subject")
            expected = QStringList{"Question :  Subject Is UPPERCASE"};
        if (expected.isEmpty() && list == "sender")
            expected = QStringList{"Question :  E-mail address 50% numeric"};
        QCOMPARE(box.explain(0), expected);
        QCOMPARE(box.rows[0].Mark, NoMark);
    }

    void whyModeEvaluatesEverythingAndCountsNothing() {
        Mailbox box;
        box.settings.Smaller = {true, 100, true};
        setRules(box.settings.gridSubject, {subjectRule("Contains", "offer", false, true),
                                            subjectRule("Contains", "special", false, true)});
        setRules(box.settings.gridFrom, {senderRule("Domain name", "Equals", "spam.test", true)});
        setRules(box.settings.gridHeader, {headerRule("Contains", "test", false, true)});
        box.known.add("spam.test");
        box.add("special offer", "joe@spam.test", "50",
                lines({"From: joe@spam.test", "To: me@home.test", ""}));
        box.rows[0].Mark = CheckMark;
        const SpamSettings before = box.settings;

        const QStringList why = box.explain(0);
        QCOMPARE(why, QStringList({
                          "Delete   :  Size smaller than \"100\" ",
                          "Delete   :  Subject Contains \"offer\" ",
                          "Delete   :  Subject Contains \"special\" ",
                          "Delete   :  Domain name Equals \"spam.test\" ",
                          "Delete   :  Header Contains \"test\" ",
                          "Delete   :  Header Contains \"test\" ",
                          "Delete   :  Domain \"spam.test\" is on the KNOWN SPAMMER BLACKLIST "
                          "(you may edit if this is in error)",
                      }));
        for (int l = 0; l < 4; ++l)
            QVERIFY(*box.settings.lists()[l] == *before.lists()[l]);
        QCOMPARE(box.rows[0].Mark, CheckMark);

        // Each explanation starts afresh: nothing of the last one is left over.
        QCOMPARE(box.explain(0), why);
        QCOMPARE(box.rows[0].Mark, CheckMark);
    }

    void hitsOverACheck_data() {
        QTest::addColumn<Rules>("subjectRules");
        QTest::addColumn<Rules>("senderRules");
        QTest::addColumn<Rules>("exceptRules");
        QTest::addColumn<QStringList>("senders"); // one message from each
        QTest::addColumn<Hits>("subjectHits");
        QTest::addColumn<Hits>("senderHits");
        QTest::addColumn<Hits>("exceptHits");

        const Rules none;
        QTest::newRow("question-rule-twice-per-message")
            << Rules{subjectRule("Contains", "offer")} << none << none << QStringList{"a@x.test"}
            << Hits{2} << Hits{} << Hits{};
        QTest::newRow("question-rule-two-messages")
            << Rules{subjectRule("Contains", "offer")} << none << none
            << QStringList{"a@x.test", "b@x.test"} << Hits{4} << Hits{} << Hits{};
        QTest::newRow("check-rule-once")
            << Rules{subjectRule("Contains", "offer", false, true)} << none << none
            << QStringList{"a@x.test"} << Hits{1} << Hits{} << Hits{};
        QTest::newRow("question-then-check-once-each")
            << Rules{subjectRule("Contains", "offer")}
            << Rules{senderRule("E-mail address", "Contains", "spam", true)} << none
            << QStringList{"a@spam.test"} << Hits{1} << Hits{1} << Hits{};
        QTest::newRow("exception-twice")
            << Rules{subjectRule("Contains", "offer")} << none
            << Rules{exceptionRule("E-mail address", "", "friend@")} << QStringList{"friend@x.test"}
            << Hits{0} << Hits{} << Hits{2};
        QTest::newRow("only-matching-messages-count")
            << Rules{subjectRule("Contains", "offer")}
            << Rules{senderRule("Domain name", "Equals", "spam.test", true)} << none
            << QStringList{"a@spam.test", "b@ham.test"} << Hits{3} << Hits{1} << Hits{};
    }
    void hitsOverACheck() {
        QFETCH(Rules, subjectRules);
        QFETCH(Rules, senderRules);
        QFETCH(Rules, exceptRules);
        QFETCH(QStringList, senders);
        Mailbox box;
        if (!subjectRules.isEmpty()) setRules(box.settings.gridSubject, subjectRules);
        if (!senderRules.isEmpty()) setRules(box.settings.gridFrom, senderRules);
        if (!exceptRules.isEmpty()) setRules(box.settings.gridExcept, exceptRules);
        QList<QStringList> messages;
        for (const QString& s : senders)
            messages << QStringList{"special offer", s};
        box.check(messages);
        if (!subjectRules.isEmpty()) QTEST(hitsOf(box.settings.gridSubject), "subjectHits");
        if (!senderRules.isEmpty()) QTEST(hitsOf(box.settings.gridFrom), "senderHits");
        if (!exceptRules.isEmpty()) QTEST(hitsOf(box.settings.gridExcept), "exceptHits");
    }

    // The classifier keeps each list's rules worked out between calls; every
    // kind of edit the dialogs and commands make must be seen by the next call.
    void ruleEditsBetweenCallsAreSeen() {
        Mailbox box;
        RuleList& subjects = box.settings.gridSubject;
        setRules(subjects, {subjectRule("Contains", "viagra", false, true),
                            subjectRule("Contains", "lottery", false, false)});
        const int i = box.add("Lottery win", "a@b.test");
        const auto verdict = [&] {
            box.rows[i].Mark = NoMark;
            box.classifier.MarkForDeletion(i);
            return box.rows[i].Mark;
        };
        QCOMPARE(verdict(), QuestionMark);

        subjects.setCell(4, 2, QStringLiteral("Yes")); // the editor turns the rule into a delete rule
        QCOMPARE(verdict(), CheckMark);

        subjects.setCell(2, 2, QStringLiteral("bingo")); // its text changes
        QCOMPARE(verdict(), NoMark);

        subjects.insertAtTop(subjectRule("Starts with", "LOTT", true, false)); // a new first rule
        QCOMPARE(verdict(), NoMark); // case-sensitive: "Lott" is not "LOTT"
        subjects.setCell(3, 1, QStringLiteral("No"));
        QCOMPARE(verdict(), QuestionMark);

        subjects.removeRow(1);
        QCOMPARE(verdict(), NoMark);

        subjects.writeRow(1, subjectRule("Ends with", "win", false, true));
        QVERIFY(subjects.exchangeRows(1, 2));
        QCOMPARE(verdict(), CheckMark);

        subjects.clearRow(2);
        subjects.clearRow(1);
        QCOMPARE(verdict(), NoMark); // an empty condition ends the list
    }
};

QTEST_GUILESS_MAIN(TestClassifier)
#include "tst_classifier.moc"
