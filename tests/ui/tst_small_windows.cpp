// The main window's small windows on their own: the mailbox choice, the
// progress window, the text window and the tray menu.
#include "mail/message/Message.h"
#include "ui/Icons.h"
#include "ui/TfrmRetrieving.h"
#include "ui/TfrmViewHeader.h"
#include "ui/TfrmWhichMailbox.h"
#include "ui/TrayIcon.h"

#include <QAction>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QProxyStyle>
#include <QPushButton>
#include <QSystemTrayIcon>
#include <QTest>
#include <QTimer>

namespace {
// The menu as lines: item names in order, "-" for a separator, submenu
// items indented under their menu.
QStringList outline(const QMenu* menu, const QString& indent = {}) {
    QStringList lines;
    for (const QAction* a : menu->actions()) {
        if (a->isSeparator()) {
            lines << indent + QStringLiteral("-");
            continue;
        }
        lines << indent + a->objectName() + QStringLiteral(" ") + a->text();
        if (a->menu()) lines << outline(a->menu(), indent + QStringLiteral("  "));
    }
    return lines;
}

// Presses the button of the next modal dialog once it is up.
void pressLater(const char* buttonName) {
    QTimer::singleShot(0, [buttonName] {
        QWidget* modal = QApplication::activeModalWidget();
        QVERIFY(modal);
        auto* button = modal->findChild<QPushButton*>(QLatin1String(buttonName));
        QVERIFY(button);
        QTest::mouseClick(button, Qt::LeftButton);
    });
}
} // namespace

class TestSmallWindows : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }
    void mailboxChoice_data();
    void mailboxChoice();
    void progressWindowFollowsState();
    void progressCancel();
    void textWindowTitles_data();
    void textWindowTitles();
    void bodyNamesItsMessage();
    void messageDates_data();
    void messageDates();
    void trayMenuOrder();
    void trayPictures();
    void dialogButtonsShowTextAndThemePicturesAreFlat();
};

void TestSmallWindows::mailboxChoice_data() {
    QTest::addColumn<int>("preselected");
    QTest::addColumn<QByteArray>("button");
    QTest::addColumn<int>("chosen");
    QTest::newRow("ok-takes-preselected") << 1 << QByteArray("btOK") << 1;
    QTest::newRow("cancel-chooses-nothing") << 1 << QByteArray("btCancel") << -1;
    QTest::newRow("ok-without-selection-chooses-nothing") << -1 << QByteArray("btOK") << -1;
}

void TestSmallWindows::mailboxChoice() {
    QFETCH(int, preselected);
    QFETCH(QByteArray, button);
    QFETCH(int, chosen);
    const QStringList entries{QStringLiteral("1) Mailbox ann - Server pop.one"),
                              QStringLiteral("3) Mailbox bob - Server pop.three")};
    pressLater(button.constData());
    QCOMPARE(TfrmWhichMailbox::choose(entries, preselected), chosen);

    TfrmWhichMailbox d;
    d.setEntries(entries, preselected);
    QCOMPARE(d.windowTitle(), QStringLiteral("Which Mail Box?"));
    QCOMPARE(d.cbWhich->count(), 2);
    QCOMPARE(d.cbWhich->itemText(1), entries[1]);
    QCOMPARE(d.cbWhich->isEditable(), false);
    QVERIFY(d.windowFlags() & Qt::WindowStaysOnTopHint);
    QCOMPARE(d.selectedIndex(), preselected);
}

void TestSmallWindows::progressWindowFollowsState() {
    TfrmRetrieving w;
    ProgressState s;
    s.Visible = true;
    s.Title = QStringLiteral("Retrieving messages ... standby");
    s.lblMsg = QStringLiteral("Message 3 of 7");
    s.Server = QStringLiteral("pop.example.org");
    s.Mailbox = QStringLiteral("ann");
    s.BarVisible = true;
    s.BarMax = 7;
    s.BarPosition = 3;
    w.render(s);
    QVERIFY(w.isVisible());
    QCOMPARE(w.windowTitle(), QStringLiteral("Retrieving ..."));
    QCOMPARE(w.lblTitle->text(), s.Title);
    QCOMPARE(w.lblMsg->text(), s.lblMsg);
    QCOMPARE(w.lblServer->text(), s.Server);
    QCOMPARE(w.lblMailbox->text(), s.Mailbox);
    QVERIFY(w.progbar->isVisible());
    QCOMPARE(w.progbar->maximum(), 7);
    QCOMPARE(w.progbar->value(), 3);
    QVERIFY(w.anMail->isRunning());
    const int before = w.anMail->frame();
    QTRY_VERIFY_WITH_TIMEOUT(w.anMail->frame() != before, 2000);

    s.BarVisible = false;
    s.lblMsg = QStringLiteral("Updating headers ... ");
    w.render(s);
    QVERIFY(!w.progbar->isVisible());
    QCOMPARE(w.lblMsg->text(), s.lblMsg);

    s.Visible = false;
    w.render(s);
    QVERIFY(!w.isVisible());
    QVERIFY(!w.anMail->isRunning());
}

void TestSmallWindows::progressCancel() {
    TfrmRetrieving w;
    int cancels = 0;
    w.OnCancel = [&cancels] { ++cancels; };
    ProgressState s;
    s.Visible = true;
    w.render(s);
    QCOMPARE(w.btCancel->text(), QStringLiteral("Click to cancel"));
    QTest::mouseClick(w.btCancel, Qt::LeftButton);
    QCOMPARE(cancels, 1);
    // Escape cancels as well; the window itself stays until the state hides it.
    QTest::keyClick(&w, Qt::Key_Escape);
    QCOMPARE(cancels, 2);
    QVERIFY(w.isVisible());

    // The program's end closes it without a cancel and is not held up by it.
    QTimer::singleShot(0, qApp, &QCoreApplication::quit);
    QTimer::singleShot(3000, qApp, [] { QCoreApplication::exit(1); });
    QCOMPARE(QCoreApplication::exec(), 0);
    QVERIFY(!w.isVisible());
    QCOMPARE(cancels, 2);
}

void TestSmallWindows::textWindowTitles_data() {
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("title");
    QTest::newRow("headers") << int(MainView::TextKind::Headers)
                             << "Contents of selected e-mail headers";
    QTest::newRow("reasons") << int(MainView::TextKind::Reasons)
                             << "Reasons that e-mail is marked or not marked";
    QTest::newRow("body") << int(MainView::TextKind::Body) << "Contents of e-mail";
}

void TestSmallWindows::textWindowTitles() {
    QFETCH(int, kind);
    QFETCH(QString, title);
    TfrmViewHeader w;
    const QStringList lines{QStringLiteral("Message from a@b.example"),
                            QStringLiteral("Subject of   Hi"), QString(),
                            QStringLiteral("Delete   : Subject Contains \"Hi\" ")};
    w.setContents(MainView::TextKind(kind), lines);
    QCOMPARE(w.windowTitle(), QStringLiteral("View Selected Headers"));
    QCOMPARE(w.lblTitle->text(), title);
    QCOMPARE(w.Memo1->toPlainText().split(QLatin1Char('\n')), lines);
    QVERIFY(w.Memo1->isReadOnly());
    QCOMPARE(w.Memo1->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    QVERIFY(w.pnlMessage->isHidden()); // only a message's body names its message
}

// The body viewer names whose message it shows above the text.
void TestSmallWindows::bodyNamesItsMessage() {
    TmsMessage m;
    m.LoadFromBytes(
        "From: Ann Example <ann@example.org>\r\nSubject: =?UTF-8?Q?Gr=C3=BC=C3=9Fe?=\r\n"
        "Date: Mon, 5 Feb 2024 10:00:00 +0000\r\n\r\nHello.\r\n");
    TfrmViewHeader w;
    w.setContents(MainView::TextKind::Body, m.Body);
    w.setMessage(m);
    QCOMPARE(w.lblTitle->text(), QStringLiteral("Contents of e-mail"));
    QVERIFY(!w.pnlMessage->isHidden());
    QCOMPARE(w.lblSubject->text(), QStringLiteral("Grüße"));
    QCOMPARE(w.lblFrom->text(), QStringLiteral("Ann Example <ann@example.org>"));
    QCOMPARE(w.lblDate->text(), QStringLiteral("Monday, February 5, 2024 10:00 AM"));
    QCOMPARE(w.Memo1->toPlainText(), QStringLiteral("Hello."));
}

void TestSmallWindows::messageDates_data() {
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("shown");
    QTest::newRow("sender-s-clock-in-the-locale-s-words") << "Mon, 5 Feb 2024 22:00:00 +0100"
                                                          << "Monday, February 5, 2024 10:00 PM";
    QTest::newRow("zone-comment-left-out") << "Mon, 5 Feb 2024 10:00:00 +0000 (UTC)"
                                           << "Monday, February 5, 2024 10:00 AM";
    QTest::newRow("not-a-date-as-it-is") << "sometime  soon"
                                         << "sometime soon";
    QTest::newRow("none") << ""
                          << "";
}

void TestSmallWindows::messageDates() {
    QFETCH(QString, field);
    QFETCH(QString, shown);
    QCOMPARE(TfrmViewHeader::dateOf(field), shown);
}

// Push buttons show their text without pictures, whatever the desktop's style
// would put on them, and with room beside it; the pictures the style takes
// from the icon theme (message boxes, arrows) are the theme's flat ones.
void TestSmallWindows::dialogButtonsShowTextAndThemePicturesAreFlat() {
    // A desktop whose style puts pictures on dialog buttons.
    struct PicturesOnButtons : QProxyStyle {
        int styleHint(StyleHint hint, const QStyleOption* o, const QWidget* w,
                      QStyleHintReturn* r) const override {
            return hint == SH_DialogButtonBox_ButtonsHaveIcons
                       ? 1
                       : QProxyStyle::styleHint(hint, o, w, r);
        }
    };
    QApplication::setStyle(new PicturesOnButtons);
    QDialogButtonBox before(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    QVERIFY(!before.button(QDialogButtonBox::Ok)->icon().isNull()); // the desktop's way

    QIcon::setThemeSearchPaths({QStringLiteral("/usr/share/icons")});
    QIcon::setThemeName(QString());
    Icons::useDesktopIconTheme();
    Icons::useDesktopIconTheme(); // once is enough; a second call changes nothing
    QDialogButtonBox after(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    for (QAbstractButton* b : after.buttons())
        QVERIFY2(b->icon().isNull(), qPrintable(b->text()));
    QMessageBox box(QMessageBox::Warning, QStringLiteral("Quillmere"), QStringLiteral("Careful"),
                    QMessageBox::Yes | QMessageBox::No);
    for (QAbstractButton* b : box.buttons())
        QVERIFY2(b->icon().isNull(), qPrintable(b->text()));
    // A long text keeps room on either side instead of reaching the edges.
    QPushButton wide(QStringLiteral("Stop signing in"));
    QVERIFY(wide.sizeHint().width() >= wide.fontMetrics().horizontalAdvance(wide.text()) +
                                           4 * wide.fontMetrics().averageCharWidth());

    // Adwaita keeps its old gradient pictures aside: its flat ones are taken.
    QCOMPARE(QIcon::themeName(), QStringLiteral("Adwaita"));
    QCOMPARE(Icons::themed(QStringLiteral("dialog-warning")).name(),
             QStringLiteral("dialog-warning-symbolic"));
    QCOMPARE(QApplication::style()->standardIcon(QStyle::SP_MessageBoxWarning).name(),
             QStringLiteral("dialog-warning-symbolic"));
    QVERIFY(Icons::themed(QStringLiteral("no-such-picture-anywhere")).isNull());
}

void TestSmallWindows::trayMenuOrder() {
    TrayIcon tray;
    const QStringList expected{
        QStringLiteral("Show1 Check e-mail for spam"),
        QStringLiteral("LaunchEmailprogram1 Launch e-mail program"),
        QStringLiteral("-"),
        QStringLiteral("ShowMainScreen1 Main screen"),
        QStringLiteral("Settings1 Settings"),
        QStringLiteral("  Spam1 Spam"),
        QStringLiteral("  General1 General"),
        QStringLiteral("  Viewlogfile1 View log file"),
        QStringLiteral("Statistics1 Statistics"),
        QStringLiteral("-"),
        QStringLiteral("EnableAutomatic1 Enable automatic check"),
        QStringLiteral("DisableAutomatic1 Disable automatic check"),
        QStringLiteral("-"),
        QStringLiteral("Help1 Help/Info"),
        QStringLiteral("  Help2 Help"),
        QStringLiteral("  About1 About"),
        QStringLiteral("-"),
        QStringLiteral("Exit1 Exit"),
    };
    QCOMPARE(outline(tray.popTray), expected);
    QCOMPARE(tray.trayIcon->toolTip(), QStringLiteral("Quillmere (right click)"));
    QVERIFY(tray.DisableAutomatic1->isChecked());
    QVERIFY(!tray.EnableAutomatic1->isChecked());

    // The radio pair and Exit1's caption follow the state.
    TrayState s;
    s.EnableAutomatic1Checked = true;
    s.DisableAutomatic1Checked = false;
    s.Busy = true;
    s.Hint = QStringLiteral("Quillmere - next e-mail check in 2 minutes");
    tray.render(s, QStringLiteral("Cancel"));
    QVERIFY(tray.EnableAutomatic1->isChecked());
    QVERIFY(!tray.DisableAutomatic1->isChecked());
    QCOMPARE(tray.Exit1->text(), QStringLiteral("Cancel"));
    QCOMPARE(tray.trayIcon->toolTip(), s.Hint);

    // While an operation runs the menu still opens, with only "Main screen" and
    // the cancel enabled.
    const auto enabled = [&tray] {
        QStringList names;
        for (QAction* a : tray.popTray->actions())
            if (!a->isSeparator() && a->isEnabled()) names << a->objectName();
        return names;
    };
    QVERIFY(tray.busy());
    QCOMPARE(tray.trayIcon->contextMenu(), tray.popTray);
    QCOMPARE(enabled(), (QStringList{"ShowMainScreen1", "Exit1"}));
    s.Busy = false;
    tray.render(s, QStringLiteral("Exit"));
    QCOMPARE(enabled().size(), 9);
}

void TestSmallWindows::trayPictures() {
    TrayIcon tray;
    TrayState s;
    tray.render(s, QStringLiteral("Exit"));
    QCOMPARE(tray.picture(), 0);
    QVERIFY(!tray.animating());

    // Automatic mode: the two pictures take turns.
    s.Animated = true;
    tray.render(s, QStringLiteral("Exit"));
    QVERIFY(tray.animating());
    QCOMPARE(tray.picture(), 1);
    QTRY_COMPARE_WITH_TIMEOUT(tray.picture(), 2, 3 * TrayIcon::AnimationMs);
    QTRY_COMPARE_WITH_TIMEOUT(tray.picture(), 1, 3 * TrayIcon::AnimationMs);

    // A cancel shows the hammer, which stays while the state says so.
    s.HammerPicture = true;
    tray.render(s, QStringLiteral("Exit"));
    QCOMPARE(tray.picture(), 3);
    QVERIFY(!tray.animating());
    QTest::qWait(2 * TrayIcon::AnimationMs);
    QCOMPARE(tray.picture(), 3);

    s.HammerPicture = false;
    s.Animated = false;
    tray.render(s, QStringLiteral("Exit"));
    QCOMPARE(tray.picture(), 0);
    QVERIFY(!tray.trayIcon->icon().isNull());
    // Offscreen there is no tray: the icon is never shown.
    QCOMPARE(QSystemTrayIcon::isSystemTrayAvailable(), false);
    QVERIFY(!tray.trayIcon->isVisible());
}

QTEST_MAIN(TestSmallWindows)
#include "tst_small_windows.moc"
