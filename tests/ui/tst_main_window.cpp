// The main window over the real controller and a real Dovecot: a check fills
// the list in server order with the mark pictures, the window shows the busy
// face while it runs and after a failure until Cancel, the mailbox choice
// lists the configured slots, and the commands open their windows.
#include "core/ClassifierFixture.h"
#include "core/ControllerFixture.h"
#include "core/MessageListModel.h"
#include "dialogs/TfrmGeneral.h"
#include "dialogs/TfrmMarkForDeletion.h"
#include "ui/DesktopView.h"
#include "ui/FittedLabel.h"
#include "ui/Icons.h"
#include "ui/MarkIconProxy.h"
#include "ui/TfrmMain.h"
#include "ui/TfrmRetrieving.h"
#include "ui/TfrmViewHeader.h"
#include "ui/TfrmWhichMailbox.h"
#include "ui/TrayIcon.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QStatusBar>
#include <QTableWidget>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <QTreeView>
#include <functional>

namespace {
// The controller with the desktop windows around it, in a private profile.
struct Desktop {
    TempProfile profile;
    ScriptedPrompter prompter;
    ScriptedSound sound;
    ScriptedShell shell;
    KnownDomains dns;
    std::unique_ptr<DesktopView> view;
    std::unique_ptr<MainController> controller;

    Desktop() {
        SettingsStore::tree().WriteString(QStringLiteral("Server"), QStringLiteral("Version161"),
                                          QStringLiteral("161"));
    }
    ~Desktop() {
        view.reset(); // the windows before the controller they show
        controller.reset();
    }
    MainController& start() {
        view = std::make_unique<DesktopView>(prompter, sound);
        controller = std::make_unique<MainController>(*view, prompter, sound, shell, &dns);
        view->createMainWindow(*controller);
        controller->FormCreate();
        view->createDialogs();
        controller->setNetworkTimeOut(20);
        return *controller;
    }
    TfrmMain& main() const { return *view->main(); }
    QAbstractItemModel* list() const { return main().ListView1->model(); }
    QStringList column(int c) const {
        QStringList out;
        for (int r = 0; r < list()->rowCount(); ++r)
            out << list()->index(r, c).data().toString();
        return out;
    }
};

// Runs inspect on the next modal window once it is up, then closes it with the
// button of that name (or rejects it).
void onNextModal(std::function<void(QWidget*)> inspect, const QString& button = {}) {
    QTimer::singleShot(0, [inspect, button] {
        QWidget* modal = QApplication::activeModalWidget();
        QVERIFY(modal);
        inspect(modal);
        if (!button.isEmpty()) {
            auto* b = modal->findChild<QPushButton*>(button);
            QVERIFY(b);
            QTest::mouseClick(b, Qt::LeftButton);
        } else if (auto* dialog = qobject_cast<QDialog*>(modal)) {
            dialog->reject();
        }
    });
}

// onNextModal for a window that opens only after a network wait: runs inspect
// on the first modal window of type T, then presses its button.
template <typename T> void onModalOf(std::function<void(T*)> inspect, const QString& button) {
    auto* poll = new QTimer;
    poll->setInterval(20);
    QObject::connect(poll, &QTimer::timeout, [poll, inspect, button] {
        auto* window = qobject_cast<T*>(QApplication::activeModalWidget());
        if (!window) return;
        poll->stop();
        poll->deleteLater();
        inspect(window);
        QTest::mouseClick(window->template findChild<QPushButton*>(button), Qt::LeftButton);
    });
    poll->start();
}

QList<int> marksOf(const MainController& c) {
    QList<int> marks;
    for (const MessageRow& row : c.rows())
        marks << int(row.Mark);
    return marks;
}

QImage pictureOf(const QAbstractItemModel* model, int row) {
    return model->index(row, 0).data(Qt::DecorationRole).value<QPixmap>().toImage();
}
} // namespace

class TestMainWindow : public QObject {
    Q_OBJECT

    DovecotServer m_server;


private Q_SLOTS:
    void initTestCase();
    void windowAsDrawn();
    void checkShowsRowsWithTheirPictures();
    void failedCheckStaysBusyUntilCancel();
    void mailboxChoice_data();
    void mailboxChoice();
    void listCommands();
    void popupMenuInOrder();
    void spamListDialogAndBodyViewer();
    void clicksAnywhereInTheList();
    void settingsCommandsOpenTheirWindows_data();
    void settingsCommandsOpenTheirWindows();
    void minimisedIsNotHiddenAndCommandsWaitDuringACheck();
    void statisticsOpenOnce();
    void windowKeepsItsSizeAndColumns();
    void columnsShareTheWidth();
    void titleReadsWholeAtTheFirstSize_data();
    void titleReadsWholeAtTheFirstSize();
};

void TestMainWindow::initTestCase() {
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    QVERIFY2(m_server.start(), qPrintable(m_server.errorString()));
}

void TestMainWindow::windowAsDrawn() {
    Desktop d;
    d.start();
    TfrmMain& w = d.main();
    QVERIFY(w.isVisible()); // no "SysTray": shown at start
    QCOMPARE(w.size(), QSize(TfrmMain::DefaultWidth, TfrmMain::DefaultHeight));
    QCOMPARE(w.windowTitle(), QStringLiteral("Quillmere"));
    QCOMPARE(w.lblTitle->text(), QStringLiteral("Quillmere"));
    QCOMPARE(w.lblAd->text(),
             QStringLiteral("Quickly eliminate junk e-mail before it gets to your mailbox"));
    QVERIFY(w.lblAd->isVisible());
    QVERIFY(!w.btMark->isVisible());
    QCOMPARE(w.btExit->text(), QStringLiteral("Goodbye"));
    QCOMPARE(w.StatusPanel0->text(),
             QStringLiteral("Right click for more options, double click to mark"));
    QCOMPARE(w.StatusPanel0->width(), 300);
    QCOMPARE(w.StatusPanel1->text(), d.controller->state().StatusText);

    QHeaderView* header = w.ListView1->header();
    const QStringList captions{"Subject", "Sender", "Size", "Date"};
    for (int c = 0; c < 4; ++c)
        QCOMPARE(d.list()->headerData(c, Qt::Horizontal).toString(), captions[c]);
    // The border between subject and sender moves; size and date fit their content.
    const QHeaderView::ResizeMode modes[] = {QHeaderView::Interactive, QHeaderView::Interactive,
                                             QHeaderView::Fixed, QHeaderView::Fixed};
    for (int c = 0; c < 4; ++c)
        QCOMPARE(header->sectionResizeMode(c), modes[c]);
    QCOMPARE(w.ListView1->selectionMode(), QAbstractItemView::ExtendedSelection);
    QCOMPARE(w.ListView1->editTriggers(), QAbstractItemView::NoEditTriggers);
    QVERIFY(!w.ListView1->isSortingEnabled());
    QVERIFY(!header->sectionsClickable());

    // Every control the rest of the program names is there under its name.
    for (const char* name :
         {"lblTitle", "Label1",   "lblAd",      "btList",     "btOptions", "btExit",      "btMark",
          "btDelete", "btRemark", "btResetAll", "btLaunch",   "btGeneral", "btSpamSetup", "btStats",
          "btAbout",  "btHelp",   "ListView1",  "StatusBar1", "Bevel1",    "PopupMenu1"})
        QVERIFY2(w.findChild<QObject*>(QLatin1String(name)), name);
    QCOMPARE(w.Why1->text(), QStringLiteral("Why was this e-mail marked?"));
}

void TestMainWindow::checkShowsRowsWithTheirPictures() {
    Desktop d;
    const QString user = m_server.mailbox(markedMessages());
    Harness::slot(1, m_server.server(), user);
    QFile known(d.profile.appFile(QStringLiteral("known.lst")));
    QVERIFY(known.open(QIODevice::WriteOnly));
    known.write(markedKnownList);
    known.close();
    MainController& c = d.start();
    setRules(c.dialogModels().Spam.gridSubject, {subjectRule("Contains", "pills", false, true),
                                  subjectRule("Contains", "offer", false, false)});
    setRules(c.dialogModels().Spam.gridExcept, {exceptionRule("Domain name", "Equals", "good.test", false, "7")});

    // What the window shows while the check runs, at its second row (the first
    // row's own progress is drawn after it is added).
    TfrmMain& w = d.main();
    struct Busy {
        QString exit, status;
        bool listEnabled = true, progress = false, bar = false, rowButtons = true;
    } busy;
    bool seen = false;
    connect(&c, &MainController::rowAppended, this, [&](int row) {
        if (seen || row != 1) return;
        seen = true;
        busy = {w.btExit->text(),
                w.StatusPanel1->text(),
                w.btList->isEnabled(),
                d.view->retrieving()->isVisible(),
                d.view->retrieving()->progbar->isVisible(),
                w.btMark->isVisible()};
    });
    QTest::mouseClick(w.btList, Qt::LeftButton);

    QVERIFY(seen);
    QCOMPARE(busy.exit, QStringLiteral("Cancel"));
    QVERIFY(!busy.listEnabled);
    QVERIFY(busy.progress);
    QVERIFY(busy.bar);
    QVERIFY(!busy.rowButtons);
    QVERIFY2(busy.status.startsWith(QStringLiteral("Checking message ")), qPrintable(busy.status));

    // Server order, the columns as built, and each row's picture.
    QCOMPARE(d.column(0), QStringList({"Hello there", "Cheap pills", "A maybe offer",
                                       "Quarterly report", "pills from a friend", "Undated"}));
    QCOMPARE(d.column(1).at(3), QStringLiteral("bob@bad.test"));
    QCOMPARE(d.column(3).at(5), QStringLiteral("sometime soon"));
    QCOMPARE(d.column(2).at(0), c.rows().at(0).Size);
    QCOMPARE(d.list()->index(0, 2).data(Qt::TextAlignmentRole).toInt(),
             int(Qt::AlignRight | Qt::AlignVCenter));
    const int expected[] = {NoMark, CheckMark, QuestionMark, BlacklistMark, 7, NoMark};
    for (int r = 0; r < 6; ++r) {
        QCOMPARE(d.list()->index(r, 0).data(MessageListModel::MarkRole).toInt(), expected[r]);
        const QImage picture = pictureOf(d.list(), r);
        QCOMPARE(picture.size(), QSize(16, 16));
        if (expected[r] == NoMark)
            QVERIFY2(picture != Icons::markPixmap(CheckMark).toImage(),
                     qPrintable(QString::number(r)));
        else
            QCOMPARE(picture, Icons::markPixmap(expected[r]).toImage());
    }

    // Idle again, with the row commands in place of the banner.
    QCOMPARE(w.btExit->text(), QStringLiteral("Goodbye"));
    QVERIFY(w.btList->isEnabled());
    QVERIFY(!d.view->retrieving()->isVisible());
    QVERIFY(w.btMark->isVisible());
    QVERIFY(w.btDelete->isVisible());
    QVERIFY(!w.lblAd->isVisible());
    QCOMPARE(w.StatusPanel1->text(), QStringLiteral("Message Total: 6 Number Marked: 2"));
    QVERIFY(d.prompter.texts().isEmpty());

    // A double click marks the selected row; the picture follows.
    const QPoint at = w.ListView1->visualRect(d.list()->index(0, 1)).center();
    // A real double click: the first press selects, the second one counts.
    QTest::mouseClick(w.ListView1->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(w.ListView1->viewport(), Qt::LeftButton, {}, at);
    QCOMPARE(int(c.rows().at(0).Mark), int(CheckMark));
    QCOMPARE(pictureOf(d.list(), 0), Icons::markPixmap(CheckMark).toImage());
    QCOMPARE(w.StatusPanel1->text(), QStringLiteral("Message Total: 6 Number Marked: 3"));
}

void TestMainWindow::failedCheckStaysBusyUntilCancel() {
    Desktop d;
    const QString user = m_server.mailbox({mail("a", "Hello")});
    Harness::slot(1, m_server.server(), user, QStringLiteral("wrong password"));
    d.start();
    TfrmMain& w = d.main();
    QTest::mouseClick(w.btList, Qt::LeftButton);

    // The server's refusal is shown in a box; the window stays busy.
    QCOMPARE(d.prompter.shown().size(), 1);
    QCOMPARE(d.prompter.shown().first().icon, Prompter::Icon::Error);
    QVERIFY(!d.prompter.texts().first().isEmpty());
    QCOMPARE(w.btExit->text(), QStringLiteral("Cancel"));
    QVERIFY(!w.btList->isEnabled());
    QVERIFY(!w.btOptions->isEnabled());
    QVERIFY(d.view->retrieving()->isVisible());

    // The progress window's Cancel brings the idle face back.
    QTest::mouseClick(d.view->retrieving()->btCancel, Qt::LeftButton);
    QCOMPARE(w.btExit->text(), QStringLiteral("Goodbye"));
    QVERIFY(w.btList->isEnabled());
    QVERIFY(w.btOptions->isEnabled());
    QVERIFY(!d.view->retrieving()->isVisible());
    QCOMPARE(d.list()->rowCount(), 0);
}

void TestMainWindow::mailboxChoice_data() {
    QTest::addColumn<QString>("button");
    QTest::newRow("ok-checks-the-chosen-slot") << "btOK";
    QTest::newRow("cancel-changes-nothing") << "btCancel";
}

void TestMainWindow::mailboxChoice() {
    QFETCH(QString, button);
    Desktop d;
    const QString one = m_server.mailbox({mail("a", "For slot one")});
    const QString three = m_server.mailbox({mail("b", "For slot three"), mail("c", "Also three")});
    Harness::slot(1, m_server.server(), one);
    Harness::slot(3, m_server.server(), three);
    SettingsStore::tree().WriteInteger(QStringLiteral("Server"), QStringLiteral("Which"), 3);
    MainController& c = d.start();
    const QString statusBefore = d.main().StatusPanel1->text();

    QStringList entries;
    int current = -2;
    onNextModal(
        [&](QWidget* modal) {
            auto* choice = qobject_cast<TfrmWhichMailbox*>(modal);
            QVERIFY(choice);
            for (int i = 0; i < choice->cbWhich->count(); ++i)
                entries << choice->cbWhich->itemText(i);
            current = choice->cbWhich->currentIndex();
        },
        button);
    QTest::mouseClick(d.main().btList, Qt::LeftButton);

    QCOMPARE(
        entries,
        QStringList({QStringLiteral("1) Mailbox %1 - Server %2").arg(one, m_server.server()),
                     QStringLiteral("3) Mailbox %1 - Server %2").arg(three, m_server.server())}));
    QCOMPARE(current, 1);
    if (button == QLatin1String("btOK")) {
        QCOMPARE(d.column(0), QStringList({"For slot three", "Also three"}));
        QCOMPARE(c.currentSlot(), 3);
    } else {
        QCOMPARE(d.list()->rowCount(), 0);
        QCOMPARE(d.main().StatusPanel1->text(), statusBefore);
        QCOMPARE(d.main().btExit->text(), QStringLiteral("Goodbye"));
    }
}

void TestMainWindow::listCommands() {
    Desktop d;
    Harness::slot(1, m_server.server(), m_server.mailbox({mail("a", "Hello"), mail("b", "Cheap pills")}));
    MainController& c = d.start();
    setRules(c.dialogModels().Spam.gridSubject, {subjectRule("Contains", "pills", false, true)});
    TfrmMain& w = d.main();

    // Nothing there yet: the pop-up's "Why" says so.
    w.Why1->trigger();
    QCOMPARE(d.prompter.texts().size(), 1);
    QVERIFY(d.prompter.texts().first().startsWith(
        QStringLiteral("Either there are no e-mail messages")));

    QTest::mouseClick(w.btList, Qt::LeftButton);
    QCOMPARE(d.list()->rowCount(), 2);
    w.ListView1->selectionModel()->select(
        d.list()->index(1, 0), QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    QCOMPARE(w.selection(), QList<int>{1});

    // "Why" shows the controller's explanation in the text window.
    QString title;
    QStringList lines;
    onNextModal(
        [&](QWidget* modal) {
            auto* text = qobject_cast<TfrmViewHeader*>(modal);
            QVERIFY(text);
            title = text->lblTitle->text();
            lines = text->Memo1->toPlainText().split(QLatin1Char('\n'));
        },
        QStringLiteral("btOK"));
    w.Why1->trigger();
    QCOMPARE(title, QStringLiteral("Reasons that e-mail is marked or not marked"));
    QCOMPARE(lines.value(0), QStringLiteral("Message from ann@example.org"));
    QCOMPARE(lines.value(1), QStringLiteral("Subject of   Cheap pills"));
    QCOMPARE(lines.value(3), QStringLiteral("Delete   :  Subject Contains \"pills\" "));

    // The row buttons reach the controller: reset clears, auto-mark marks again.
    QTest::mouseClick(w.btResetAll, Qt::LeftButton);
    QCOMPARE(w.StatusPanel1->text(), QStringLiteral("Message Total: 2 Number Marked: 0"));
    QCOMPARE(pictureOf(d.list(), 1).pixelColor(8, 8).alpha(), 0);
    QTest::mouseClick(w.btRemark, Qt::LeftButton);
    QCOMPARE(w.StatusPanel1->text(), QStringLiteral("Message Total: 2 Number Marked: 1"));
    QCOMPARE(pictureOf(d.list(), 1), Icons::markPixmap(CheckMark).toImage());
}

void TestMainWindow::settingsCommandsOpenTheirWindows_data() {
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("title");
    QTest::newRow("general") << "btGeneral"
                             << "frmGeneral"
                             << "General settings";
    QTest::newRow("spam") << "btSpamSetup"
                          << "frmOptionsMain"
                          << "Spam Settings";
    QTest::newRow("stats-start-dialog") << "btStats"
                                        << "frmChartMain"
                                        << "Activity Log Statistics for Quillmere";
    QTest::newRow("about") << "btAbout"
                           << "frmAbout"
                           << "About Quillmere";
}

void TestMainWindow::settingsCommandsOpenTheirWindows() {
    QFETCH(QString, button);
    QFETCH(QString, window);
    QFETCH(QString, title);
    Desktop d;
    d.start();
    TfrmMain& w = d.main();
    QTest::mouseClick(w.btOptions, Qt::LeftButton);
    QVERIFY(w.pnlOptions->isVisible());

    QString shownName, shownTitle;
    onNextModal([&](QWidget* modal) {
        shownName = modal->objectName();
        shownTitle = modal->windowTitle();
    });
    QTest::mouseClick(w.pnlOptions->findChild<QToolButton*>(button), Qt::LeftButton);
    QCOMPARE(shownName, window);
    QCOMPARE(shownTitle, title);
    QVERIFY(!w.pnlOptions->isVisible());
}

void TestMainWindow::popupMenuInOrder() {
    Desktop d;
    d.start();
    QStringList items;
    for (QAction* a : d.main().PopupMenu1->actions())
        items << (a->isSeparator() ? QStringLiteral("-") : a->text());
    QCOMPARE(items, (QStringList{"Why was this e-mail marked?", "-",
                                 "Add selected sender(s) to exceptions list",
                                 "Add selected message(s) to spam list",
                                 "Learn selected message(s) as spam",
                                 "Learn selected message(s) as not spam", "-",
                                 "View selected message(s) headers", "View body of one message"}));
}

// The spam list's dialog shows the selected messages under "Subject" and
// "From" with both boxes checked, and passes on what the user left checked;
// the body viewer shows the downloaded message's text.
void TestMainWindow::spamListDialogAndBodyViewer() {
    Desktop d;
    Harness::slot(1, m_server.server(),
                  m_server.mailbox({mail("a", "Hello"), mail("b", "Cheap stuff", "bob@x.test")}));
    MainController& c = d.start();
    TfrmMain& w = d.main();
    QVERIFY(c.btListClick());
    w.ListView1->selectAll();

    QStringList shown;
    onNextModal(
        [&](QWidget* modal) {
            auto* dialog = qobject_cast<TfrmMarkForDeletion*>(modal);
            QVERIFY(dialog);
            shown << dialog->windowTitle() << dialog->lblTitle->text();
            QCOMPARE(dialog->grid->rowCount(), 249);
            for (int col : {0, 1})
                shown << dialog->grid->horizontalHeaderItem(col)->text();
            for (int row : {0, 1})
                for (int col : {0, 1})
                    shown << dialog->grid->item(row, col)->text();
            QVERIFY(!dialog->grid->item(2, 0));
            QVERIFY(dialog->cbSubject->isChecked() && dialog->cbFrom->isChecked());
            dialog->cbFrom->setChecked(false);
        },
        QStringLiteral("btOK"));
    w.AddtoSPAMlist1->trigger();

    QCOMPARE(shown,
             (QStringList{"Mark e-mail for deletion", "Mark these messages to delete", "Subject",
                          "From", "Hello", "ann@example.org", "Cheap stuff", "bob@x.test"}));
    QCOMPARE(c.dialogModels().Spam.gridSubject.cell(2, 1), QStringLiteral("Cheap stuff"));
    QCOMPARE(c.dialogModels().Spam.gridSubject.cell(2, 2), QStringLiteral("Hello"));
    QVERIFY(c.dialogModels().Spam.gridFrom.isEmpty());

    QString title;
    QStringList lines, heading;
    onModalOf<TfrmViewHeader>(
        [&](TfrmViewHeader* text) {
            title = text->lblTitle->text();
            lines = text->Memo1->toPlainText().split(QLatin1Char('\n'));
            heading << text->lblSubject->text() << text->lblFrom->text();
            QVERIFY(!text->pnlMessage->isHidden() && !text->lblDate->text().isEmpty());
        },
        QStringLiteral("btOK"));
    w.ListView1->selectionModel()->select(
        d.list()->index(1, 0), QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    w.ViewMessages1->trigger();
    QCOMPARE(title, QStringLiteral("Contents of e-mail"));
    QCOMPARE(heading, (QStringList{"Cheap stuff", "bob@x.test"}));
    QCOMPARE(lines.value(0), QStringLiteral("Hello."));
    QVERIFY(!d.view->retrieving()->isVisible());
}

// A click or a key anywhere in the list stops the alarm, also below the last
// row; a double click there toggles the selected rows like one on a row, and
// says that nothing is selected only when nothing is. Nothing is edited in place.
void TestMainWindow::clicksAnywhereInTheList() {
    Desktop d;
    Harness::slot(1, m_server.server(), m_server.mailbox({mail("a", "Hello"), mail("b", "Again")}));
    MainController& c = d.start();
    TfrmMain& w = d.main();
    w.show();
    QVERIFY(c.btListClick());
    QWidget* rows = w.ListView1->viewport();
    const QPoint below(rows->width() / 2, rows->height() - 5);
    QVERIFY(!w.ListView1->indexAt(below).isValid());
    w.ListView1->selectionModel()->select(
        d.list()->index(1, 0), QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);

    d.sound.events.clear();
    QTest::mouseClick(rows, Qt::LeftButton, {}, below);
    QCOMPARE(d.sound.events, QStringList{"stop"});
    QCOMPARE(w.selection(), QList<int>{1});
    QTest::keyClick(w.ListView1, Qt::Key_Down);
    QCOMPARE(d.sound.events.size(), 2);

    w.ListView1->selectionModel()->select(
        d.list()->index(1, 0), QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    QTest::mouseDClick(rows, Qt::LeftButton, {}, below);
    QCOMPARE(marksOf(c), (QList<int>{NoMark, CheckMark}));
    QVERIFY(d.prompter.texts().isEmpty());

    w.ListView1->clearSelection();
    QTest::mouseDClick(rows, Qt::LeftButton, {}, below);
    QCOMPARE(d.prompter.texts().size(), 1);
    QVERIFY(d.prompter.texts().first().startsWith(QStringLiteral("No messages were selected.")));

    const QModelIndex first = d.list()->index(0, 0);
    QVERIFY(!(d.list()->flags(first) & Qt::ItemIsEditable));
    w.ListView1->setCurrentIndex(first);
    QTest::keyClick(w.ListView1, Qt::Key_F2);
    QVERIFY(w.ListView1->findChildren<QLineEdit*>().isEmpty());
}

// A minimised window is on the screen: a timer run shows its progress there.
// While the check runs, the list's pop-up and the tray offer only what stays
// live (the cancel and "Main screen").
void TestMainWindow::minimisedIsNotHiddenAndCommandsWaitDuringACheck() {
    Desktop d;
    Harness::slot(1, m_server.server(), m_server.mailbox({mail("a", "Hello"), mail("b", "Again")}));
    MainController& c = d.start();
    TfrmMain& w = d.main();
    w.showMinimized();
    QVERIFY(d.view->MainWindowVisible());
    bool popupEnabled = true, progressShown = false;
    QStringList trayEnabled;
    connect(&c, &MainController::rowAppended, this, [&](int row) {
        if (row != 0) return;
        for (QAction* a : w.PopupMenu1->actions())
            popupEnabled = popupEnabled && a->isEnabled();
        progressShown = d.view->retrieving()->isVisible();
        for (QAction* a : d.view->tray()->popTray->actions())
            if (!a->isSeparator() && a->isEnabled()) trayEnabled << a->objectName();
    });
    c.SweepNow(); // the timer's own check
    QVERIFY2(c.LastFailure().isEmpty(), qPrintable(c.LastFailure()));
    QCOMPARE(c.rows().size(), 2);

    QVERIFY(progressShown);
    QVERIFY(!popupEnabled);
    QCOMPARE(trayEnabled, (QStringList{"ShowMainScreen1", "Exit1"}));
    QVERIFY(w.Why1->isEnabled());
    QVERIFY(d.view->tray()->Show1->isEnabled());
}

// While the statistics are open, the tray's and the general settings' requests
// open nothing more.
void TestMainWindow::statisticsOpenOnce() {
    Desktop d;
    d.start();
    int extra = 0;
    onNextModal([&](QWidget* modal) {
        QCOMPARE(modal->objectName(), QStringLiteral("frmChartMain"));
        QVERIFY(d.view->StatisticsOpen());
        // A second window would block here: close it and count it.
        QTimer::singleShot(0, [&extra, modal] {
            if (auto* other = qobject_cast<QDialog*>(QApplication::activeModalWidget());
                other && other != modal) {
                ++extra;
                other->reject();
            }
        });
        d.controller->Statistics1Click();
        d.view->general()->OnViewStatistics();
        QCoreApplication::processEvents();
    });
    d.controller->Statistics1Click();
    QCOMPARE(extra, 0);
    QVERIFY(!d.view->StatisticsOpen());
}

// The first time the window opens at its default size with columns that show
// a date whole and a header that reaches the scroll bar; size and column widths
// the user chose come back at the next start.
void TestMainWindow::windowKeepsItsSizeAndColumns() {
    Desktop d;
    Harness::slot(1, m_server.server(), m_server.mailbox({mail("a", "Hello")}));
    MainController& c = d.start();
    TfrmMain& w = d.main();
    w.show();
    QCOMPARE(w.size(), QSize(TfrmMain::DefaultWidth, TfrmMain::DefaultHeight));
    QVERIFY(c.btListClick());
    QHeaderView* header = w.ListView1->header();
    const QString date = d.column(MessageListModel::DateColumn).value(0);
    QVERIFY(!date.isEmpty());
    QVERIFY(header->sectionSize(MessageListModel::DateColumn) >
            w.ListView1->fontMetrics().horizontalAdvance(date));
    QCOMPARE(header->length(), w.ListView1->viewport()->width());

    w.resize(900, 600);
    header->resizeSection(MessageListModel::SenderColumn, 260);
    d.view.reset(); // the program ends
    d.controller.reset();
    d.start();
    TfrmMain& again = d.main();
    QCOMPARE(again.size(), QSize(900, 600));
    QCOMPARE(again.ListView1->header()->sectionSize(MessageListModel::SenderColumn), 260);
}

// Size and date are as wide as their content; subject and sender share the
// rest at any width, in the share set by moving the border between them.
void TestMainWindow::columnsShareTheWidth() {
    Desktop d;
    Harness::slot(1, m_server.server(), m_server.mailbox({mail("a", "Hello"), mail("b", "Again")}));
    MainController& c = d.start();
    TfrmMain& w = d.main();
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QVERIFY(c.btListClick());
    QHeaderView* header = w.ListView1->header();
    const auto width = [header](int column) { return header->sectionSize(column); };
    const auto fills = [&] { return header->length() == w.ListView1->viewport()->width(); };
    const auto share = [&] {
        return double(width(MessageListModel::SenderColumn)) /
               (width(MessageListModel::SenderColumn) + width(MessageListModel::SubjectColumn));
    };
    QTRY_VERIFY(fills());

    const QFontMetrics fm(w.ListView1->font());
    int widest = 0;
    for (const QString& size : d.column(MessageListModel::SizeColumn))
        widest = std::max(widest, fm.horizontalAdvance(size));
    const int size = width(MessageListModel::SizeColumn),
              date = width(MessageListModel::DateColumn);
    QVERIFY(size > widest);
    QVERIFY2(size < fm.horizontalAdvance(QStringLiteral("99999999")), "no room for digits unused");

    const int subject = width(MessageListModel::SubjectColumn);
    const int sender = width(MessageListModel::SenderColumn);
    const double first = share();
    w.resize(1400, 600);
    QTRY_VERIFY(width(MessageListModel::SubjectColumn) > subject);
    QTRY_VERIFY(fills());
    QVERIFY(width(MessageListModel::SenderColumn) > sender);
    QCOMPARE(width(MessageListModel::SizeColumn), size);
    QCOMPARE(width(MessageListModel::DateColumn), date);
    QVERIFY(qAbs(share() - first) < 0.01);

    // Moving the border: the subject gives the room, and the new share holds.
    header->resizeSection(MessageListModel::SenderColumn,
                          width(MessageListModel::SenderColumn) + 150);
    QVERIFY(fills());
    const double moved = share();
    QVERIFY(moved > first + 0.05);
    w.resize(1000, 600);
    QTRY_VERIFY(width(MessageListModel::SubjectColumn) < subject + 400);
    QTRY_VERIFY(fills());
    QVERIFY(qAbs(share() - moved) < 0.01);
}

void TestMainWindow::titleReadsWholeAtTheFirstSize_data() {
    QTest::addColumn<QString>("title");
    QTest::addColumn<bool>("whole");
    QTest::newRow("countdown") << "Quillmere - next e-mail check in 600 minutes" << true;
    QTest::newRow("mailbox-with-waiting-mail")
        << "Quillmere - MailBox tester - 14 messages" << true;
    QTest::newRow("checking") << "Quillmere - Now checking e-mail for tester" << true;
    QTest::newRow("very-long-name-cut-short")
        << "Quillmere - Now checking e-mail for " + QString(80, u'x') << false;
}

// At the window's first size the title is drawn whole beside the big buttons,
// smaller where it must be but never below the window's normal size; only a
// title too long even for that is cut short.
void TestMainWindow::titleReadsWholeAtTheFirstSize() {
    QFETCH(QString, title);
    QFETCH(bool, whole);
    Desktop d;
    MainController& c = d.start();
    TfrmMain& w = d.main();
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QCOMPARE(w.size(), QSize(TfrmMain::DefaultWidth, TfrmMain::DefaultHeight));
    MainViewState state = c.state();
    state.lblTitle = title;
    w.render(state);
    QCOMPARE(w.lblTitle->text(), title);
    QTRY_COMPARE(w.lblTitle->drawnText() == title, whole);
    QVERIFY(w.lblTitle->geometry().right() < w.btList->geometry().left());
    QVERIFY(w.lblTitle->drawnFont().pointSizeF() >= QApplication::font().pointSizeF());
    QVERIFY(w.lblTitle->drawnFont().pointSizeF() <= w.lblTitle->font().pointSizeF());
    QVERIFY(!w.Label1->isVisible()); // the version steps aside for a long title...
    state.lblTitle = QStringLiteral("Quillmere");
    w.render(state);
    QVERIFY(w.Label1->isVisible()); // ...and comes back beside a short one
}

QTEST_MAIN(TestMainWindow)
#include "tst_main_window.moc"
