// The commands on selected rows against a real Dovecot: the headers of the
// selected messages, the body of one message (downloaded alone, asked first
// when large, deleting nothing, leaving no mark in the client, a failure
// waiting for the cancel), and new spam rules and exceptions made from rows.
#include "ClassifierFixture.h"
#include "ControllerFixture.h"
#include "mail/pop3/RemotePOP.h"

#include <QFileInfo>
#include <QtTest>

namespace {
using Command = std::function<void(MainController&, const QList<int>&)>;

const QString MoreThanOne = QStringLiteral(
    "You have selected more than one message to view.  Only one message can be viewed at one "
    "time.  The first one selected will be displayed.");

// A message whose size on the server (with CR LF line ends) is exactly size.
QByteArray sized(const QByteArray& id, int size) {
    QByteArray m =
        "From: ann@example.org\r\nMessage-ID: <" + id + "@example.org>\r\nSubject: Photos\r\n\r\n";
    m += QByteArray(size - m.size() - 2, 'x') + "\r\n";
    return m;
}

// The rules of a list file as saved, without the blank rows.
QList<QStringList> savedRules(RuleListKind kind, const QString& path) {
    RuleList list(kind);
    if (QFile::exists(path)) list.loadFromFile(path);
    QList<QStringList> rules;
    for (int r = 1; r < list.rowCount(); ++r)
        if (!list.cell(1, r).isEmpty()) rules << list.row(r).Cells.mid(0, 6);
    return rules;
}

QStringList subjectCells(const QString& subject) {
    return {QString(), "Equals", subject, "Yes", "Yes", "1"};
}
QStringList senderCells(const QString& sender) {
    return {QString(), "E-mail address", "Equals", sender, "Yes", "1"};
}
} // namespace

class TestMainInspect : public QObject {
    Q_OBJECT

    DovecotServer m_server;


private Q_SLOTS:
    void initTestCase() { QVERIFY2(m_server.start(), qPrintable(m_server.errorString())); }

    void everyCommandNeedsASelection_data() {
        QTest::addColumn<int>("command");
        QTest::newRow("headers") << 0;
        QTest::newRow("body") << 1;
        QTest::newRow("spam-list") << 2;
        QTest::newRow("exceptions") << 3;
    }

    // Nothing selected (or only positions that are no rows): the "nothing
    // selected" box, no window, no dialog, no rule, no download.
    void everyCommandNeedsASelection() {
        QFETCH(int, command);
        const Command commands[] = {
            [](MainController& c, const QList<int>& s) { c.ViewHeader1Click(s); },
            [](MainController& c, const QList<int>& s) { c.ViewMessages1Click(s); },
            [](MainController& c, const QList<int>& s) { c.AddtoSPAMlist1Click(s); },
            [](MainController& c, const QList<int>& s) { c.AddtoExceptions1Click(s); },
        };
        Harness h;
        Harness::slot(1, m_server.server(), m_server.mailbox({mail("a", "Hello")}));
        MainController& c = h.start();
        QVERIFY(c.btListClick());

        commands[command](c, {});
        commands[command](c, {5});

        const QString nothing = QStringLiteral(
            "No messages were selected.  To select one message click on a subject.  To select "
            "multiple messages drag the mouse over the list of desired subjects.");
        QCOMPARE(h.prompter.texts(), (QStringList{nothing, nothing}));
        QVERIFY(h.view.texts.isEmpty() && h.view.offers.isEmpty());
        QVERIFY(c.dialogModels().Spam.gridSubject.isEmpty() && c.dialogModels().Spam.gridExcept.isEmpty());
        QVERIFY(!QFile::exists(c.messageFile(0)));
    }

    // Each selected message in list order: its subject and sender between two
    // lines of 38 asterisks, then its header lines as listed.
    void headersOfTheSelectedRows() {
        Harness h;
        Harness::slot(1, m_server.server(),
                      m_server.mailbox({mail("a", "Hello"), mail("b", "Second"), mail("c", "Third")}));
        MainController& c = h.start();
        QVERIFY(c.btListClick());

        const QStringList lines = c.ViewHeader1Click({2, 0});

        const QString stars(38, u'*');
        QStringList expected{stars, "Subject : Hello Sender : ann@example.org", stars};
        expected += c.session().headers(0);
        expected += QStringList{stars, "Subject : Third Sender : ann@example.org", stars};
        expected += c.session().headers(2);
        QCOMPARE(lines, expected);
        QVERIFY(lines.contains("Message-ID: <c@example.org>"));
        QCOMPARE(h.view.texts, QList<QStringList>{lines});
        QCOMPARE(h.view.textKinds, QList<MainView::TextKind>{MainView::TextKind::Headers});
    }

    // Three rows selected: only the first is downloaded (with the status texts
    // of a download, as an operation of its own), its body is shown decoded
    // from its character set, and nothing is deleted.
    void bodyOfTheFirstOfThreeSelected() {
        Harness h;
        const QString user =
            m_server.mailbox({mail("a", "Hello"),
                     "From: bob@x.test\nMessage-ID: <b@example.org>\nSubject: Greetings\n"
                     "Content-Type: text/plain; charset=utf-8\n\nGr\xc3\xbc\xc3\x9f"
                     "e aus K\xc3\xb6ln\nZweite Zeile\n",
                     mail("c", "Third"), mail("d", "Fourth")});
        Harness::slot(1, m_server.server(), user);
        MainController& c = h.start();
        QVERIFY(c.btListClick());

        QStringList statuses, messages;
        bool busy = false;
        connect(&c, &MainController::stateChanged, this, [&] {
            if (statuses.value(statuses.size() - 1) != c.state().StatusText)
                statuses << c.state().StatusText;
            if (!messages.contains(c.state().Progress.lblMsg))
                messages << c.state().Progress.lblMsg;
        });
        connect(&c.session(), &MailboxSession::fetched, this,
                [&](int) { statuses << c.state().StatusText; });
        connect(&c.session(), &MailboxSession::fetching, this, [&](int) {
            busy = c.OperationRunning() && c.state().Busy && c.state().Progress.Visible;
            // Running texts are drawn in batches: read the state the view will show.
            statuses << c.state().StatusText;
        });

        QVERIFY(c.ViewMessages1Click({3, 1, 2}));

        QCOMPARE(h.prompter.texts(), QStringList{MoreThanOne});
        QCOMPARE(h.view.textKinds, QList<MainView::TextKind>{MainView::TextKind::Body});
        QCOMPARE(h.view.texts.value(0).value(0), QString::fromUtf8("Grüße aus Köln"));
        QCOMPARE(h.view.texts.value(0).value(1), QStringLiteral("Zweite Zeile"));
        QVERIFY(busy);
        QVERIFY(statuses.contains("Retrieving 2"));
        QVERIFY(statuses.contains("Message 2 retrieved"));
        QVERIFY(messages.contains("Retrieving ... "));
        QCOMPARE(m_server.messageIds(user), (QStringList{"a", "b", "c", "d"}));
        QCOMPARE(h.subjects(), (QStringList{"Hello", "Greetings", "Third", "Fourth"}));

        // The one message file, in the application folder, for its owner only.
        QCOMPARE(c.messageFile(1), h.profile.appFile("msg_1.eml"));
        QCOMPARE(QFileInfo(c.messageFile(1)).permissions() & 0x0077, QFileDevice::Permissions());
        for (int i : {0, 2, 3})
            QVERIFY(!QFile::exists(c.messageFile(i)));
        QVERIFY(!c.OperationRunning());
        QVERIFY(!c.state().Progress.Visible);
        QVERIFY(c.state().btListEnabled && c.state().RowButtonsVisible);
    }

    void largeMessagesAskFirst_data() {
        QTest::addColumn<int>("size");
        QTest::addColumn<int>("answer"); // -1: no question expected
        QTest::addColumn<bool>("shown");
        QTest::newRow("exactly-50000-without-asking") << 50000 << -1 << true;
        QTest::newRow("50001-yes-downloads") << 50001 << int(Prompter::Answer::Yes) << true;
        QTest::newRow("50001-no-ends-untouched") << 50001 << int(Prompter::Answer::No) << false;
    }

    void largeMessagesAskFirst() {
        QFETCH(int, size);
        QFETCH(int, answer);
        QFETCH(bool, shown);
        Harness h;
        Harness::slot(1, m_server.server(), m_server.mailbox({sized("big", size)}));
        MainController& c = h.start();
        QVERIFY(c.btListClick());
        QCOMPARE(c.rows().value(0).Size, QString::number(size));
        const QString status = c.state().StatusText;
        if (answer >= 0) h.prompter.answerNext(Prompter::Answer(answer));

        QCOMPARE(c.ViewMessages1Click({0}), shown);

        if (answer < 0) {
            QVERIFY(h.prompter.texts().isEmpty());
        } else {
            QCOMPARE(h.prompter.texts(),
                     QStringList{QStringLiteral("The message you have selected to view is quite "
                                                "large - %1 bytes. Are you sure you wish to "
                                                "download and view it?")
                                     .arg(size)});
            QCOMPARE(h.prompter.shown().first().buttons, Prompter::Buttons::YesNo);
        }
        QCOMPARE(h.view.texts.size(), shown ? 1 : 0);
        QCOMPARE(QFile::exists(c.messageFile(0)), shown);
        if (!shown) QCOMPARE(c.state().StatusText, status);
    }

    // The download fails: the box says why, and the progress window stays with
    // the buttons off until its cancel; the rows stay as they were.
    void aFailedDownloadWaitsForTheCancel() {
        Harness h;
        Harness::slot(1, m_server.server(), m_server.mailbox({mail("a", "Hello"), mail("b", "Again")}));
        Harness::setGeneral("Automatic", "1");
        MainController& c = h.start();
        QVERIFY(c.btListClick());
        // The connection kept since the check goes, and another client takes
        // the message away: its verification fails.
        c.FormCloseQuery();
        QVERIFY(!c.session().connected());
        TmsRemotePOP other;
        other.Server = m_server.server();
        other.UserName = c.rowsUserName();
        other.Password = QStringLiteral("secret");
        other.UpdateInfo();
        other.MarkDelete(1);
        other.TransferData();

        QVERIFY(!c.ViewMessages1Click({1}));

        QCOMPARE(h.prompter.shown().size(), 1);
        QCOMPARE(h.prompter.shown().first().icon, Prompter::Icon::Error);
        QCOMPARE(c.LastFailure(), h.prompter.texts().first());
        QVERIFY(h.view.texts.isEmpty());
        QVERIFY(c.state().Progress.Visible);
        QVERIFY(!c.state().btListEnabled);
        QVERIFY(!c.OperationRunning());
        QVERIFY(c.timerRunning()); // whatever the way the command ended

        c.btCancelClick();
        QVERIFY(!c.state().Progress.Visible);
        QVERIFY(c.state().btListEnabled);
        QCOMPARE(h.subjects(), (QStringList{"Hello", "Again"}));
    }

    void addToSpamList_data() {
        QTest::addColumn<bool>("ok");
        QTest::addColumn<bool>("subjects");
        QTest::addColumn<bool>("senders");
        QTest::addColumn<QList<QStringList>>("subjectRules");
        QTest::addColumn<QList<QStringList>>("senderRules");
        QTest::addColumn<QList<int>>("marks");
        const QList<QStringList> none;
        QTest::newRow("ok-last-selected-first-empty-subject-left-out")
            << true << true << true
            << QList<QStringList>{subjectCells("Cheap stuff"), subjectCells("Hello")}
            << QList<QStringList>{senderCells("bob@x.test"), senderCells("ann@example.org")}
            << QList<int>{CheckMark, CheckMark, NoMark};
        QTest::newRow("ok-subjects-only")
            << true << true << false
            << QList<QStringList>{subjectCells("Cheap stuff"), subjectCells("Hello")} << none
            << QList<int>{CheckMark, CheckMark, NoMark};
        QTest::newRow("ok-senders-only")
            << true << false << true << none
            << QList<QStringList>{senderCells("bob@x.test"), senderCells("ann@example.org")}
            << QList<int>{CheckMark, CheckMark, NoMark};
        QTest::newRow("cancel-still-marks-again")
            << false << true << true << none << none << QList<int>{NoMark, NoMark, NoMark};
    }

    // The dialog is offered the selected rows in list order; OK puts a new
    // first rule per message with a subject into the lists its boxes name and
    // saves them; OK or Cancel, the list is marked again (hand marks go).
    void addToSpamList() {
        QFETCH(bool, ok);
        QFETCH(bool, subjects);
        QFETCH(bool, senders);
        QFETCH(QList<QStringList>, subjectRules);
        QFETCH(QList<QStringList>, senderRules);
        QFETCH(QList<int>, marks);
        Harness h;
        Harness::slot(1, m_server.server(),
                      m_server.mailbox({mail("a", "Hello"), mail("b", "Cheap stuff", "bob@x.test"),
                               mail("c", "", "carl@y.test")}));
        MainController& c = h.start();
        QVERIFY(c.btListClick());
        c.btMarkClick({2}); // by hand
        h.view.onMarkForDeletion = [&](SpamRuleOffer& offer) {
            offer.Subjects = subjects;
            offer.Senders = senders;
            return ok;
        };

        c.AddtoSPAMlist1Click({2, 1, 0});

        QCOMPARE(h.view.offers.size(), 1);
        const SpamRuleOffer& offer = h.view.offers.first();
        QCOMPARE(offer.Rows, (QList<std::pair<QString, QString>>{{"Hello", "ann@example.org"},
                                                                 {"Cheap stuff", "bob@x.test"},
                                                                 {"", "carl@y.test"}}));
        QVERIFY(offer.Subjects && offer.Senders); // both boxes start checked
        QCOMPARE(savedRules(RuleListKind::Subject, SpamSettings::listPath(c.dialogModels().Spam.gridSubject)),
                 subjectRules);
        QCOMPARE(savedRules(RuleListKind::Sender, SpamSettings::listPath(c.dialogModels().Spam.gridFrom)),
                 senderRules);
        QCOMPARE(h.marks(), marks);
        if (!ok)
            QCOMPARE(h.prompter.texts(),
                     QStringList{"None of the messages matched any of the spam criteria."});
    }

    // The first exception fills the empty list's blank row; the next one is
    // added after it. Each is saved and the list is marked again.
    void exceptionsFillTheBlankRowFirst() {
        Harness h;
        Harness::slot(1, m_server.server(),
                      m_server.mailbox({mail("a", "Cheap pills"), mail("b", "Pills", "bob@x.test")}));
        MainController& c = h.start();
        setRules(c.dialogModels().Spam.gridSubject, {subjectRule("Contains", "pills", false, true)});
        QVERIFY(c.btListClick());
        QVERIFY(c.dialogModels().Spam.gridExcept.isEmpty());
        const QString file = SpamSettings::listPath(c.dialogModels().Spam.gridExcept);
        const auto exception = [](const QString& sender) {
            return QStringList{"E-mail address", "Equals", sender, "No", "0", QString(), "3"};
        };

        c.AddtoExceptions1Click({1});
        QCOMPARE(c.dialogModels().Spam.gridExcept.ruleCount(), 1);
        QCOMPARE(savedRules(RuleListKind::Exception, file),
                 QList<QStringList>{exception("bob@x.test").mid(0, 6)});
        RuleList saved(RuleListKind::Exception);
        saved.loadFromFile(file);
        QCOMPARE(saved.cell(RuleList::PictureIndexColumn, 1), QStringLiteral("3"));
        QCOMPARE(h.marks(), (QList<int>{CheckMark, ImageFirstPicture}));

        c.AddtoExceptions1Click({0});
        QCOMPARE(c.dialogModels().Spam.gridExcept.ruleCount(), 2);
        QCOMPARE(savedRules(RuleListKind::Exception, file).value(1),
                 exception("ann@example.org").mid(0, 6));
        QCOMPARE(h.marks(), (QList<int>{ImageFirstPicture, ImageFirstPicture}));
    }
};

QTEST_GUILESS_MAIN(TestMainInspect)
#include "tst_maininspect.moc"
