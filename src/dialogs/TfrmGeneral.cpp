#include "dialogs/TfrmGeneral.h"

#include "activity/LogFile.h"
#include "activity/LogNaming.h"
#include "dialogs/EditorParts.h"
#include "dialogs/PasswordStyle.h"
#include "dialogs/TfrmMailboxDetails.h"
#include "dialogs/WindowSize.h"
#include "mail/Exceptions.h"
#include "rules/RuleEdits.h"
#include "rules/SpamSettings.h"
#include "settings/AppPaths.h"
#include "settings/Autostart.h"
#include "settings/Clock.h"
#include "settings/MailPrefill.h"
#include "settings/Prompter.h"
#include "settings/SettingsStore.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScopeGuard>
#include <QScreen>
#include <QScrollArea>
#include <QSpinBox>
#include <QTabWidget>
#include <QUrl>
#include <QVBoxLayout>

using EditorParts::named;
using EditorParts::note;

namespace {

// A field with a browse button beside it.
QWidget* withBrowse(QLineEdit* field, QPushButton* button) {
    auto* w = new QWidget;
    auto* h = new QHBoxLayout(w);
    h->setContentsMargins(0, 0, 0, 0);
    h->addWidget(field, 1);
    h->addWidget(button);
    return w;
}
} // namespace

TfrmGeneral::TfrmGeneral(GeneralSettings& model, Prompter& prompter, QWidget* parent)
    : QDialog(parent), m_model(model), m_prompter(prompter) {
    setObjectName(QStringLiteral("frmGeneral"));
    setWindowTitle(tr("General settings"));
    setModal(true);

    pages = named(new QTabWidget, "pages");
    pages->addTab(buildMailboxesPage(), tr("Mailboxes"));
    pages->addTab(buildConnectionPage(), tr("Connection"));
    pages->addTab(buildAutomaticPage(), tr("Automatic"));
    pages->addTab(buildStartUpPage(), tr("Start Up"));
    pages->addTab(buildLogPage(), tr("Activity Log"));
    pages->addTab(buildMailerPage(), tr("Mail program"));

    auto* buttons = EditorParts::okCancelHelp(
        this, &btOK, &btCancel, &btHelp, [this] { btOKClick(); },
        [this] {
            if (OnHelp) OnHelp();
        });

    auto* v = new QVBoxLayout(this);
    v->addWidget(pages);
    v->addWidget(buttons);
    // The size the user left it at last time.
    WindowSize::keep(this, QStringLiteral("GeneralWindow"), QSize(560, 470));

    ChooseFile = [this](const FileRequest& r) {
        QFileDialog dialog(this, r.title, r.start, r.filter);
        dialog.setAcceptMode(r.save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
        dialog.setFileMode(r.save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
        dialog.setDefaultSuffix(r.defaultSuffix);
        if (QFileInfo(r.start).isFile()) dialog.selectFile(r.start);
        return dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty()
                   ? dialog.selectedFiles().first()
                   : QString();
    };
    OpenDocument = [](const QString& path) {
        return QFileInfo::exists(path) && QDesktopServices::openUrl(QUrl::fromLocalFile(path));
    };

    // Creation. The controller has read the general settings and the mailboxes
    // into the model just before; the controls start from it.
    ColorEdits();
    generalToControls();
    pages->setCurrentIndex(0);
    mailboxesToControls();
    m_firstRun = m_model.mailbox(1).Server.isEmpty() && m_model.mailbox(1).UserName.isEmpty();
}

TfrmGeneral::~TfrmGeneral() = default;

QWidget* TfrmGeneral::buildMailboxesPage() {
    auto* page = new QWidget;
    auto* v = new QVBoxLayout(page);
    v->addWidget(
        note(tr("You need the name of your POP server, your user name on it and your password. "
                "Your Internet provider can tell you all three.")));

    auto* rows = new QWidget;
    auto* g = new QGridLayout(rows);
    g->addWidget(new QLabel(tr("POP Server")), 0, 1);
    g->addWidget(new QLabel(tr("User Name/Mailbox")), 0, 2);
    g->addWidget(new QLabel(tr("Password")), 0, 3);
    for (int i = 0; i < MailboxConfig::Count; ++i) {
        const int n = i + 1;
        rb[i] = new QRadioButton(tr("Mailbox %1").arg(n));
        rb[i]->setObjectName(QStringLiteral("rb%1").arg(n));
        edServe[i] = new QLineEdit;
        edServe[i]->setObjectName(QStringLiteral("edServe%1").arg(n));
        edName[i] = new QLineEdit;
        edName[i]->setObjectName(QStringLiteral("edName%1").arg(n));
        edPass[i] = new QLineEdit;
        edPass[i]->setObjectName(QStringLiteral("edPass%1").arg(n));
        edPass[i]->setEchoMode(QLineEdit::Password);
        UseStarPasswordCharacter(edPass[i]);
        g->addWidget(rb[i], n, 0);
        g->addWidget(edServe[i], n, 1);
        g->addWidget(edName[i], n, 2);
        g->addWidget(edPass[i], n, 3);
    }
    rb[0]->setChecked(true);
    g->setColumnStretch(1, 3);
    g->setColumnStretch(2, 3);
    g->setColumnStretch(3, 2);

    auto* scroll = new QScrollArea;
    scroll->setObjectName(QStringLiteral("scrollMailboxes"));
    scroll->setWidget(rows);
    scroll->setWidgetResizable(true);
    v->addWidget(scroll, 1);
    btDetails = named(new QPushButton(tr("Details...")), "btDetails");
    btDetails->setToolTip(tr("Security, sign-in and trusted certificate of the chosen mailbox"));
    connect(btDetails, &QPushButton::clicked, this, [this] {
        const int n = currentMailbox();
        MailboxConfig& box = m_model.mailbox(n);
        // A password typed in the row stays when the sign-in changes.
        if (box.SignIn == MailSignIn::Password) box.Password = edPass[n - 1]->text();
        TfrmMailboxDetails(box, n, edServe[n - 1]->text(), this).exec();
        showSignIn(n - 1);
    });
    v->addWidget(btDetails, 0, Qt::AlignRight);
    return page;
}

QWidget* TfrmGeneral::buildConnectionPage() {
    auto* page = new QWidget;
    auto* v = new QVBoxLayout(page);
    v->addWidget(new QLabel(tr("Specify a default connection to the internet:")));
    RASComboBox = named(new QComboBox, "RASComboBox");
    RASComboBox->addItem(tr("None"));
    connect(RASComboBox, &QComboBox::activated, this, [this] { m_dialUpPicked = true; });
    v->addWidget(RASComboBox);
    v->addWidget(note(tr("Select 'none' if you do not dial in to the internet.")));
    v->addStretch(1);
    return page;
}

QWidget* TfrmGeneral::buildAutomaticPage() {
    auto* page = new QWidget;
    auto* v = new QVBoxLayout(page);
    v->addWidget(
        note(tr("Quillmere can run unattended and may delete e-mail without confirmation.")));
    rbManual = named(new QRadioButton(tr("Check e-mail manually")), "rbManual");
    rbAuto = named(new QRadioButton(tr("Check e-mail unattended or automatically")), "rbAuto");
    rbManual->setChecked(true);
    v->addWidget(rbManual);
    v->addWidget(rbAuto);

    pnlManual = named(new QWidget, "pnlManual");
    auto* m = new QVBoxLayout(pnlManual);
    m->addWidget(note(tr("These options only apply if checking e-mail manually.  "
                         "They do not apply when e-mail is checked automatically.")));
    cbConfirmation =
        named(new QCheckBox(tr("When deleting messages interactively, ask for confirmation")),
              "cbConfirmation");
    cbLaunch = named(
        new QCheckBox(tr("After deleting spam, launch e-mail program if there is e-mail to read")),
        "cbLaunch");
    cbExit = named(new QCheckBox(tr("If no mail is on the server, exit after checking e-mail")),
                   "cbExit");
    m->addWidget(cbConfirmation);
    m->addWidget(cbLaunch);
    m->addWidget(cbExit);
    v->addWidget(pnlManual);

    pnlAuto = named(new QWidget, "pnlAuto");
    auto* a = new QVBoxLayout(pnlAuto);
    auto* every = new QHBoxLayout;
    nMinutes = named(new QSpinBox, "nMinutes");
    nMinutes->setRange(2, 600);
    nMinutes->setSingleStep(1);
    every->addWidget(new QLabel(tr("Check for mail every ")));
    every->addWidget(nMinutes);
    every->addWidget(new QLabel(tr("minutes")));
    every->addStretch(1);
    a->addLayout(every);
    cbKill =
        named(new QCheckBox(tr("Delete spam automatically from all mailboxes - no confirmation?")),
              "cbKill");
    a->addWidget(cbKill);
    pnlSound = named(new QWidget, "pnlSound");
    auto* s = new QVBoxLayout(pnlSound);
    s->setContentsMargins(0, 0, 0, 0);
    cbAlarm = named(new QCheckBox(tr("&Play this sound file if there is e-mail on the server")),
                    "cbAlarm");
    edAlarm = named(new QLineEdit, "edAlarm");
    auto* browseSound = new QPushButton(QStringLiteral("..."));
    connect(browseSound, &QPushButton::clicked, this, [this] {
        browse(edAlarm, {false,
                         tr("Sound files"),
                         tr("Sound files (*.wav);;All files (*)"),
                         QStringLiteral("wav"),
                         {}});
    });
    sbTest = named(new QPushButton(tr("Test")), "sbTest");
    connect(sbTest, &QPushButton::clicked, this, &TfrmGeneral::sbTestClick);
    cbRepeat =
        named(new QCheckBox(tr("Repeat the alarm until keypress or mouse click?")), "cbRepeat");
    s->addWidget(cbAlarm);
    auto* soundRow = new QHBoxLayout;
    soundRow->addWidget(withBrowse(edAlarm, browseSound), 1);
    soundRow->addWidget(sbTest);
    s->addLayout(soundRow);
    s->addWidget(cbRepeat);
    a->addWidget(pnlSound);
    v->addWidget(pnlAuto);
    v->addStretch(1);

    connect(rbManual, &QRadioButton::toggled, this, &TfrmGeneral::showPanels);
    connect(cbKill, &QCheckBox::toggled, this, &TfrmGeneral::showPanels);
    return page;
}

QWidget* TfrmGeneral::buildStartUpPage() {
    auto* page = new QWidget;
    auto* v = new QVBoxLayout(page);
    v->addWidget(note(tr(
        "If this option is checked, the next time you start up Quillmere, it will not display "
        "the main screen.  It instead will start up in the system tray of your desktop's panel.")));
    v->addWidget(note(tr(
        "Use this option if you are automatically checking new e-mail in the background.  Changes "
        "will not take effect until the next time you launch Quillmere.")));
    v->addWidget(note(tr(
        "To start from the system tray, right click on the small icon representing Quillmere.")));
    cbSysTray = named(new QCheckBox(tr("Start Quillmere up in the system tray?")), "cbSysTray");
    v->addWidget(cbSysTray);
    cbAutostart =
        named(new QCheckBox(tr("Start Quillmere when I log in to the desktop")), "cbAutostart");
    v->addWidget(cbAutostart);
    v->addStretch(1);
    return page;
}

QWidget* TfrmGeneral::buildLogPage() {
    auto* page = new QWidget;
    auto* v = new QVBoxLayout(page);
    v->addWidget(new QLabel(tr("Store results in activity log file:")));
    Edit1 = named(new QLineEdit, "Edit1");
    auto* browseLog = new QPushButton(tr("Browse for log file"));
    connect(browseLog, &QPushButton::clicked, this, [this] {
        browse(Edit1, {true,
                       tr("Activity log file"),
                       tr("Text files (*.txt);;All files (*)"),
                       QStringLiteral("txt"),
                       {}});
    });
    v->addWidget(withBrowse(Edit1, browseLog));
    auto* logButtons = new QHBoxLayout;
    auto* view = new QPushButton(tr("&View log file"));
    auto* clear = new QPushButton(tr("&Clear log file"));
    view->setObjectName(QStringLiteral("btViewLog"));
    clear->setObjectName(QStringLiteral("btClearLog"));
    connect(view, &QPushButton::clicked, this, [this] {
        if (!OpenDocument(logFileShown())) m_prompter.error(LogFile::ViewFailedText());
    });
    connect(clear, &QPushButton::clicked, this,
            [this] { LogFile::ClearLogFile(logFileShown(), m_prompter); });
    logButtons->addWidget(view);
    logButtons->addWidget(clear);
    logButtons->addStretch(1);
    v->addLayout(logButtons);
    rbAsIs =
        named(new QRadioButton(tr("&Use the name of the log file AS IS (no changes)?")), "rbAsIs");
    rbMonth =
        named(new QRadioButton(tr(
                  "Automatically pick a new name every &month? (i.e. Jan98.txt, Feb98.txt, ...)")),
              "rbMonth");
    rbQuarter =
        named(new QRadioButton(
                  tr("Automatically pick a new name every &quarter? (Q1_98.txt, Q2_98.txt, ...)")),
              "rbQuarter");
    rbAsIs->setChecked(true);
    v->addWidget(rbAsIs);
    v->addWidget(rbMonth);
    v->addWidget(rbQuarter);
    auto* count = new QHBoxLayout;
    edCount = named(new QLabel(QStringLiteral("0")), "edCount");
    count->addWidget(edCount);
    count->addWidget(new QLabel(tr("Spams have been deleted up till now")));
    count->addStretch(1);
    v->addLayout(count);
    auto* countButtons = new QHBoxLayout;
    auto* reset = new QPushButton(tr("&Reset counter"));
    connect(reset, &QPushButton::clicked, this, &TfrmGeneral::resetCounterClick);
    auto* stats = new QPushButton(tr("View &Statistics"));
    connect(stats, &QPushButton::clicked, this, [this] {
        if (OnViewStatistics) OnViewStatistics();
    });
    countButtons->addWidget(reset);
    countButtons->addWidget(stats);
    countButtons->addStretch(1);
    v->addLayout(countButtons);
    v->addStretch(1);
    return page;
}

QWidget* TfrmGeneral::buildMailerPage() {
    auto* page = new QWidget;
    auto* v = new QVBoxLayout(page);
    v->addWidget(new QLabel(tr("Mail program path/name:")));
    edMail = named(new QLineEdit, "edMail");
    auto* find = new QPushButton(tr("Find mail program"));
    connect(find, &QPushButton::clicked, this, [this] {
        // Programs here have no extension to filter by.
        browse(edMail, {false, tr("Mail program"), tr("All files (*)"), {}, {}});
    });
    v->addWidget(withBrowse(edMail, find));
    v->addWidget(note(tr("Quillmere does not support AOL or Compuserve mail.  Sorry.")));
    auto* launch = new QPushButton(tr("Launch mail program"));
    connect(launch, &QPushButton::clicked, this, [this] {
        if (!OnLaunchMailer) return;
        // The command starts the model's mail program: for its length that is
        // the program the field shows, confirmed or not; OK or Cancel decides
        // what stays.
        const auto restore =
            qScopeGuard([this, confirmed = m_model.Mailer] { m_model.Mailer = confirmed; });
        m_model.Mailer = edMail->text();
        OnLaunchMailer();
    });
    auto* row = new QHBoxLayout;
    row->addWidget(launch);
    row->addStretch(1);
    v->addLayout(row);
    v->addStretch(1);
    return page;
}

void TfrmGeneral::browse(QLineEdit* field, const FileRequest& request) {
    FileRequest r = request;
    r.start = field->text();
    const QString chosen = ChooseFile(r);
    if (!chosen.isEmpty()) field->setText(chosen);
}

void TfrmGeneral::ColorEdits() {
    // Fields wear the button face and take the window colour while focused.
    const auto fields = findChildren<QWidget*>();
    for (QWidget* w : fields) {
        if (!qobject_cast<QLineEdit*>(w) && !qobject_cast<QAbstractSpinBox*>(w)) continue;
        if (qobject_cast<QLineEdit*>(w) && qobject_cast<QAbstractSpinBox*>(w->parentWidget()))
            continue; // the spin box's own editor follows the spin box
        QPalette p = w->palette();
        p.setColor(QPalette::Base, p.color(QPalette::Button));
        w->setPalette(p);
        w->installEventFilter(this);
    }
}

bool TfrmGeneral::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut) {
        auto* w = static_cast<QWidget*>(watched);
        const QPalette app = QApplication::palette(w);
        QPalette p = w->palette();
        p.setColor(QPalette::Base,
                   app.color(event->type() == QEvent::FocusIn ? QPalette::Base : QPalette::Button));
        w->setPalette(p);
    }
    return QDialog::eventFilter(watched, event);
}

void TfrmGeneral::generalToControls() {
    const GeneralSettings& g = m_model;
    rbAuto->setChecked(g.Automatic);
    rbManual->setChecked(!g.Automatic);
    cbConfirmation->setChecked(g.Ask);
    cbLaunch->setChecked(g.Launch);
    cbExit->setChecked(g.Exit);
    nMinutes->setValue(g.Minutes);
    cbKill->setChecked(g.Kill);
    cbAlarm->setChecked(g.Alarm);
    edAlarm->setText(g.AlarmFile);
    cbRepeat->setChecked(g.Repeat);
    cbSysTray->setChecked(g.SysTray);
    Edit1->setText(g.Logfile);
    rbQuarter->setChecked(g.Quarter);
    rbMonth->setChecked(!g.Quarter && g.Month);
    rbAsIs->setChecked(!g.Quarter && !g.Month);
    edCount->setText(g.Count);
    edMail->setText(g.Mailer);
    RASComboBox->setCurrentIndex(g.dialUpIndex(m_dialUpEntries));
    m_dialUpPicked = false;
    showPanels();
}

void TfrmGeneral::controlsToGeneral() {
    GeneralSettings& g = m_model;
    g.Automatic = rbAuto->isChecked();
    g.Ask = cbConfirmation->isChecked();
    g.Launch = cbLaunch->isChecked();
    g.Exit = cbExit->isChecked();
    g.Minutes = nMinutes->value();
    g.Kill = cbKill->isChecked();
    g.Alarm = cbAlarm->isChecked();
    g.AlarmFile = edAlarm->text();
    g.Repeat = cbRepeat->isChecked();
    g.SysTray = cbSysTray->isChecked();
    g.Logfile = Edit1->text();
    g.Asis = rbAsIs->isChecked();
    g.Month = rbMonth->isChecked();
    g.Quarter = rbQuarter->isChecked();
    g.Count = edCount->text();
    g.Mailer = edMail->text();
    // A chosen connection the list does not offer now (shown as "None") stays
    // chosen until the user picks one.
    const int dialUp = RASComboBox->currentIndex();
    if (dialUp > 0 || m_dialUpPicked) g.chooseDialUp(dialUp, m_dialUpEntries);
}

void TfrmGeneral::setDialUpEntries(const QStringList& entries) {
    RASComboBox->clear();
    RASComboBox->addItem(tr("None"));
    RASComboBox->addItems(entries);
    m_dialUpEntries = entries;
    RASComboBox->setCurrentIndex(m_model.dialUpIndex(entries));
    m_dialUpPicked = false;
}

void TfrmGeneral::mailboxesToControls() {
    for (int i = 0; i < MailboxConfig::Count; ++i) {
        const MailboxConfig& box = m_model.Mailboxes[i];
        edServe[i]->setText(box.Server);
        edName[i]->setText(box.UserName);
        edPass[i]->setText(box.Password);
        showSignIn(i);
    }
    const int which =
        MailboxConfig::clampSlot(m_model.Which);
    rb[which - 1]->setChecked(true);
}

void TfrmGeneral::showSignIn(int i) {
    const MailboxConfig& box = m_model.Mailboxes[i];
    const bool oauth2 = box.SignIn == MailSignIn::OAuth2;
    if (oauth2)
        edPass[i]->clear();
    else if (!edPass[i]->isEnabled())
        edPass[i]->setText(box.Password); // back from OAuth2
    edPass[i]->setEnabled(!oauth2);
    edPass[i]->setPlaceholderText(oauth2 ? QStringLiteral("OAuth2") : QString());
    edPass[i]->setToolTip(oauth2 ? tr("This mailbox signs in with OAuth2: see "
                                      "Details...")
                                 : QString());
}

void TfrmGeneral::showPanels() {
    const bool manual = rbManual->isChecked();
    pnlManual->setVisible(manual);
    pnlAuto->setVisible(!manual);
    pnlSound->setVisible(!cbKill->isChecked());
}

void TfrmGeneral::ReadGeneralSettings() {
    GeneralSettings stored;
    // load() also reads the mailboxes; only the general part is taken here.
    class Silent : public Prompter {
        Answer message(const QString&, Icon, Buttons) override { return Answer::Ok; }
    } silent;
    stored.load(silent);
    stored.Which = m_model.Which;
    stored.Mailboxes = m_model.Mailboxes;
    m_model = stored;
    generalToControls();
}

void TfrmGeneral::SaveGeneralSettings() {
    controlsToGeneral();
    m_model.save();
}

void TfrmGeneral::readServerSettings() {
    m_model.loadMailboxes(m_prompter);
    mailboxesToControls();
}

int TfrmGeneral::currentMailbox() const {
    for (int i = 0; i < MailboxConfig::Count; ++i)
        if (rb[i]->isChecked()) return i + 1;
    return 1;
}

bool TfrmGeneral::saveServerSettings() {
    m_model.Which = currentMailbox();
    for (int i = 0; i < MailboxConfig::Count; ++i) {
        m_model.Mailboxes[i].Server = edServe[i]->text();
        m_model.Mailboxes[i].UserName = edName[i]->text();
        // A mailbox that signs in with OAuth2 keeps its password for a change back.
        if (m_model.Mailboxes[i].SignIn == MailSignIn::Password)
            m_model.Mailboxes[i].Password = edPass[i]->text();
    }
    // Everything stored up to the first failed check goes in one write.
    SettingsGroup tree(SettingsStore::tree());
    MailboxConfig::writeCurrentSlot(tree, m_model.Which);
    MailboxProblem problem;
    int n = 1;
    for (; n <= MailboxConfig::Count; ++n) {
        m_model.mailbox(n).store(tree, n);
        problem = CheckMailbox(n, m_model.mailbox(n));
        if (problem.field != MailboxProblem::None) break;
    }
    tree.commit();
    // Mailbox 1 is stored and complete now: the first-run rule may follow.
    if (n > 1) AddMyselfFromPopToHeader();
    if (problem.field == MailboxProblem::None) return true;

    m_prompter.error(problem.text);
    pages->setCurrentIndex(0);
    if (problem.field == MailboxProblem::SignIn) {
        // The sign-in is set in the mailbox's details.
        rb[n - 1]->setChecked(true);
        btDetails->setFocus();
        return false;
    }
    QLineEdit* missing = problem.field == MailboxProblem::UserName ? edName[n - 1]
                         : problem.field == MailboxProblem::Server ? edServe[n - 1]
                                                                   : edPass[n - 1];
    missing->setFocus();
    return false;
}

int TfrmGeneral::exec() {
    FormShow();
    return QDialog::exec();
}

void TfrmGeneral::FormShow() {
    // What the program changed in the model while the dialog was closed (the
    // spam counter, the mode, the log path) is what the dialog shows.
    generalToControls();
    // The mailboxes as stored: edits that were not confirmed before are dropped.
    readServerSettings();
    // An empty mailbox 1 from another mail program.
    prefillMailbox();
    // The mail program, the alarm and the log when not set.
    if (edMail->text().isEmpty()) edMail->setText(GetMailPath());
    if (edAlarm->text().isEmpty())
        edAlarm->setText(AppPaths::appFile(QStringLiteral("harptune.wav")));
    if (Edit1->text().isEmpty()) Edit1->setText(DefaultLogPath());
    // OK's warnings compare with these.
    m_killWhenShown = cbKill->isChecked();
    m_sysTrayWhenShown = cbSysTray->isChecked();
    cbAutostart->setChecked(Autostart::isEnabled());
    showPanels();
    // The first-run header rule waits for OK to store mailbox 1 (saveServerSettings).
    bringLogNameUpToDate();
}

void TfrmGeneral::prefillMailbox() {
    m_prefilledUser.clear();
    if (!edServe[0]->text().isEmpty()) return;
    const std::optional<PrefillAccount> account = ThunderbirdMailAccount(QDir::homePath());
    if (!account) return;
    // The protocol first: the server field's scheme and port are read by it.
    MailboxConfig& first = m_model.mailbox(1);
    first.Protocol = protocolFromWord(account->Protocol).value_or(MailProtocol::Pop3);
    first.OAuth2.Protocol = first.Protocol;
    edServe[0]->setText(account->serverText());
    edName[0]->setText(account->UserName);
    // The other program's protection comes along; the details dialog shows it.
    if (const std::optional<MailSecurity> security = securityFromWord(account->Security))
        m_model.mailbox(1).Security = *security;
    if (m_firstRun) m_prefilledUser = account->UserName;
}

void TfrmGeneral::bringLogNameUpToDate() {
    const LogNaming naming = LogNamingFrom(m_model.Asis, m_model.Month, m_model.Quarter);
    if (naming == LogNaming::AsIs) return;
    const QString current =
        CurrentLogPath(Edit1->text(), naming, Clock::current().now().date(), DefaultLogPath());
    Edit1->setText(current);
    // The writer names the same file; stored at once, so that Cancel, the
    // statistics and the command line find it too.
    if (m_model.Logfile == current) return;
    m_model.Logfile = current;
    try {
        SettingsStore::tree().WriteString(QStringLiteral("General"), QStringLiteral("Logfile"),
                                          current);
    } catch (const Exception& e) {
        m_prompter.error(e.shown());
    }
}

void TfrmGeneral::AddMyselfFromPopToHeader() {
    // Only for the name taken from another mail program and confirmed with OK as
    // mailbox 1's, complete: a name the user never confirmed may not be in the
    // To field of the user's mail, and the rule would then mark every message.
    if (!m_firstRun) return;
    m_firstRun = false;
    const QString user = m_prefilledUser;
    m_prefilledUser.clear();
    if (user.isEmpty() || !m_spam || m_model.mailbox(1).UserName != user) return;
    m_spam->gridHeader.insertAtTop(myselfHeaderCells(user));
    try {
        m_spam->Savesettings();
    } catch (const Exception& e) {
        m_prompter.error(e.shown());
    }
}

QString TfrmGeneral::logFileShown() const {
    const LogNaming naming =
        LogNamingFrom(rbAsIs->isChecked(), rbMonth->isChecked(), rbQuarter->isChecked());
    return CurrentLogPath(Edit1->text(), naming, Clock::current().now().date(), DefaultLogPath());
}

void TfrmGeneral::btOKClick() {
    if (cbKill->isChecked() && !m_killWhenShown && rbAuto->isChecked())
        m_prompter.warning(
            tr("Just a warning that you selected to automatically delete marked messages without "
               "confirmation.  It is possible to OVER delete by using this setting."));
    if (cbSysTray->isChecked() != m_sysTrayWhenShown)
        m_prompter.information(tr("Exit and restart for the Start Up changes to take effect."));
    bool stored = false;
    try {
        SaveGeneralSettings();
        if (cbAutostart->isChecked() != Autostart::isEnabled())
            Autostart::setEnabled(cbAutostart->isChecked(),
                                  QCoreApplication::applicationFilePath());
        stored = saveServerSettings();
    } catch (const Exception& e) {
        m_prompter.error(e.shown());
        return;
    }
    if (stored) accept();
}

void TfrmGeneral::reject() {
    ReadGeneralSettings();
    readServerSettings();
    QDialog::reject();
}

void TfrmGeneral::done(int result) {
    sbTest->setText(tr("Test"));
    m_testStops = false;
    if (m_testSounding) {
        m_testSounding = false;
        if (OnTestSound) OnTestSound(false);
    }
    QDialog::done(result);
}

void TfrmGeneral::sbTestClick() {
    const bool exists = QFileInfo::exists(edAlarm->text());
    if (!m_testStops) {
        if (cbRepeat->isChecked()) {
            sbTest->setText(tr("Stop"));
            m_testStops = true;
        }
        if (exists && OnTestSound) OnTestSound(true);
        m_testSounding = exists;
    } else {
        sbTest->setText(tr("Test"));
        m_testStops = false;
        if (exists && OnTestSound) OnTestSound(false);
        m_testSounding = false;
    }
}

void TfrmGeneral::resetCounterClick() {
    if (m_prompter.message(tr("Really reset spam counter?"), Prompter::Icon::Question,
                           Prompter::Buttons::YesNo) == Prompter::Answer::Yes)
        edCount->setText(QStringLiteral("0"));
}
