#include "ui/TfrmMain.h"

#include "core/MainController.h"
#include "core/MessageListModel.h"
#include "mail/Exceptions.h"
#include "settings/SettingsStore.h"
#include "ui/FittedLabel.h"
#include "ui/Icons.h"
#include "ui/MarkIconProxy.h"

#include <QCloseEvent>
#include <QDateTime>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QMenu>
#include <QMouseEvent>
#include <QScopedValueRollback>
#include <QScreen>
#include <QStatusBar>
#include <QStyle>
#include <QToolButton>
#include <QTreeView>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>
#include <functional>

namespace {
QToolButton* toolButton(const char* name, const QString& hint, const QString& icon, int size) {
    auto* b = new QToolButton;
    b->setObjectName(QLatin1String(name));
    b->setToolTip(hint);
    b->setIcon(Icons::named(icon));
    b->setIconSize(QSize(size, size));
    b->setAutoRaise(true);
    b->setFocusPolicy(Qt::TabFocus);
    return b;
}

// A big button's size: 88 x 62, wider where its caption needs it.
void fitCaption(QToolButton* b) {
    b->setFixedSize(88, 62);
    b->setFixedSize(std::max(88, b->sizeHint().width()), 62);
}

// The big buttons at the right: picture with its caption below.
QToolButton* captionButton(const char* name, const QString& caption, const QString& hint,
                           const QString& icon) {
    QToolButton* b = toolButton(name, hint, icon, 32);
    b->setText(caption);
    b->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    fitCaption(b);
    return b;
}

// btOptions' panel: a picture and its caption.
QToolButton* panelButton(const char* name, const QString& caption, const QString& icon) {
    QToolButton* b = toolButton(name, caption, icon, 24);
    b->setText(caption);
    b->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    b->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    return b;
}

// The exit button's idle face: imDoor at rest, imBye under the mouse.
QIcon idleExitIcon() {
    QIcon icon;
    for (int size : {32, 48}) {
        icon.addPixmap(Icons::named(QStringLiteral("door")).pixmap(size, size), QIcon::Normal);
        icon.addPixmap(Icons::named(QStringLiteral("bye")).pixmap(size, size), QIcon::Active);
    }
    return icon;
}
} // namespace

TfrmMain::TfrmMain(MainController& controller, QWidget* parent)
    : QMainWindow(parent), m_controller(controller) {
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(QStringLiteral("Quillmere"));
    setWindowIcon(Icons::program());

    auto* central = new QWidget;
    auto* v = new QVBoxLayout(central);
    v->setContentsMargins(0, 0, 0, 0);
    v->setSpacing(0);
    v->addWidget(buildTopPanel());
    Bevel1 = new QFrame;
    Bevel1->setObjectName(QStringLiteral("Bevel1"));
    Bevel1->setFrameShape(QFrame::HLine);
    Bevel1->setFrameShadow(QFrame::Sunken);
    v->addWidget(Bevel1);
    buildList();
    v->addWidget(ListView1, 1);
    setCentralWidget(central);
    buildOptionsPanel();

    StatusBar1 = new QStatusBar;
    StatusBar1->setObjectName(QStringLiteral("StatusBar1"));
    StatusPanel0 = new QLabel(MainViewState::StatusPanel0());
    StatusPanel0->setObjectName(QStringLiteral("StatusPanel0"));
    // 300 pixels, or what its text needs in a longer language.
    StatusPanel0->setFixedWidth(std::max(300, StatusPanel0->sizeHint().width()));
    // A long status text is cut short with "..." (whole in its tool tip), never
    // widens the window.
    StatusPanel1 = new FittedLabel;
    StatusPanel1->setObjectName(QStringLiteral("StatusPanel1"));
    StatusPanel1->setMinimumWidth(1);
    StatusBar1->addWidget(StatusPanel0);
    StatusBar1->addWidget(StatusPanel1, 1);
    setStatusBar(StatusBar1);

    connect(btList, &QToolButton::clicked, &m_controller, [this] { m_controller.btListClick(); });
    connect(btExit, &QToolButton::clicked, &m_controller,
            [this] { m_controller.btExitClick(MainController::ExitSender::btExit); });
    connect(btMark, &QToolButton::clicked, &m_controller,
            [this] { m_controller.btMarkClick(selection()); });
    connect(btDelete, &QToolButton::clicked, &m_controller,
            [this] { m_controller.btDeleteClick(); });
    connect(btRemark, &QToolButton::clicked, &m_controller,
            [this] { m_controller.btRemarkClick(); });
    connect(btResetAll, &QToolButton::clicked, &m_controller,
            [this] { m_controller.ResetButtonClick(); });
    connect(btLaunch, &QToolButton::clicked, &m_controller,
            [this] { m_controller.btLaunchClick(); });
    connect(btOptions, &QToolButton::clicked, this, &TfrmMain::showOptionsPanel);
    connect(&m_controller, &MainController::stateChanged, this,
            [this] { render(m_controller.state()); });

    m_top->installEventFilter(this); // its width decides where the version goes
    resize(DefaultWidth, DefaultHeight);
    render(m_controller.state());
}

TfrmMain::~TfrmMain() = default;

QWidget* TfrmMain::buildTopPanel() {
    auto* panel = new QWidget;
    panel->setObjectName(QStringLiteral("pnlTop"));
    panel->setFixedHeight(TopPanelHeight);
    m_top = panel;

    // Long captions (the countdown, a sweep's result) are drawn smaller to fit
    // beside the big buttons, never widen the window.
    lblTitle = new FittedLabel(QStringLiteral("Quillmere"));
    lblTitle->setObjectName(QStringLiteral("lblTitle"));
    QFont title = lblTitle->font();
    title.setPointSize(title.pointSize() + 5);
    title.setBold(true);
    lblTitle->setFont(title);
    lblTitle->setStyleSheet(QStringLiteral("color: #155050;"));
    Label1 = new QLabel(tr("mail pre-filter %1").arg(QStringLiteral(QUILL_VERSION)));
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setStyleSheet(QStringLiteral("color: #707070;"));
    lblAd = new QLabel(tr("Quickly eliminate junk e-mail before it gets to your mailbox"));
    lblAd->setObjectName(QStringLiteral("lblAd"));
    QFont ad = lblAd->font();
    ad.setItalic(true);
    lblAd->setFont(ad);
    lblAd->setStyleSheet(QStringLiteral("color: #8c2a10;"));
    lblAd->setMinimumWidth(1);

    btMark = toolButton("btMark", tr("Mark messages"), QStringLiteral("mark"), 28);
    btDelete = toolButton("btDelete", tr("Delete marked messages"), QStringLiteral("delete"), 28);
    btRemark = toolButton("btRemark", tr("Auto-mark messages"), QStringLiteral("remark"), 28);
    btResetAll = toolButton("btResetAll", tr("Reset all marks"), QStringLiteral("reset"), 28);
    btLaunch = toolButton("btLaunch", tr("Launch e-mail program"), QStringLiteral("launch"), 28);

    auto* titleRow = new QHBoxLayout;
    titleRow->setSpacing(8);
    titleRow->addWidget(lblTitle);
    titleRow->addWidget(Label1, 0, Qt::AlignBottom);
    titleRow->addStretch(1);
    auto* secondRow = new QHBoxLayout;
    secondRow->setSpacing(2);
    secondRow->addWidget(lblAd);
    for (QToolButton* b : {btMark, btDelete, btRemark, btResetAll, btLaunch}) {
        b->hide();
        secondRow->addWidget(b);
    }
    secondRow->addStretch(1);
    auto* left = new QVBoxLayout;
    left->setContentsMargins(10, 6, 0, 4);
    left->addLayout(titleRow);
    left->addLayout(secondRow);

    btList = captionButton("btList", tr("Check e-mail"), tr("Check e-mail"), QStringLiteral("up"));
    btOptions = captionButton("btOptions", tr("Settings"), tr("Settings and more"),
                              QStringLiteral("settings"));
    btExit = captionButton("btExit", tr("Goodbye"), tr("Goodbye"), QStringLiteral("door"));
    m_idleExitIcon = idleExitIcon();
    btExit->setIcon(m_idleExitIcon);

    auto* h = new QHBoxLayout(panel);
    h->setContentsMargins(0, 0, 6, 0);
    h->setSpacing(2);
    h->addLayout(left, 1);
    h->addWidget(btList);
    h->addWidget(btOptions);
    h->addWidget(btExit);
    return panel;
}

void TfrmMain::buildOptionsPanel() {
    pnlOptions = new QFrame(this, Qt::Popup);
    pnlOptions->setObjectName(QStringLiteral("pnlOptions"));
    pnlOptions->setFrameShape(QFrame::StyledPanel);
    btGeneral = panelButton("btGeneral", tr("General settings"), QStringLiteral("general"));
    btSpamSetup = panelButton("btSpamSetup", tr("Spam settings"), QStringLiteral("spam"));
    btStats = panelButton("btStats", tr("Stats"), QStringLiteral("stats"));
    btAbout = panelButton("btAbout", tr("About"), QStringLiteral("about"));
    btHelp = panelButton("btHelp", tr("Help"), QStringLiteral("help"));
    auto* v = new QVBoxLayout(pnlOptions);
    v->setContentsMargins(3, 3, 3, 3);
    v->setSpacing(1);
    for (QToolButton* b : {btGeneral, btSpamSetup, btStats, btAbout, btHelp})
        v->addWidget(b);

    // The panel closes before the command runs, so a dialog never sits under it.
    MainController* c = &m_controller;
    const std::pair<QToolButton*, std::function<void()>> commands[] = {
        {btGeneral, [c] { c->btGeneralClick(); }}, {btSpamSetup, [c] { c->btSpamSetupClick(); }},
        {btStats, [c] { c->Statistics1Click(); }}, {btAbout, [c] { c->btAboutClick(); }},
        {btHelp, [c] { c->btHelpClick(); }},
    };
    for (const auto& [button, command] : commands)
        connect(button, &QToolButton::clicked, c, [this, command] {
            pnlOptions->hide();
            command();
        });
}

void TfrmMain::showOptionsPanel() {
    pnlOptions->adjustSize();
    QPoint below = btOptions->mapToGlobal(QPoint(0, btOptions->height()));
    below.rx() -= pnlOptions->width() - btOptions->width();
    pnlOptions->move(below);
    pnlOptions->show();
}

void TfrmMain::buildList() {
    ListView1 = new QTreeView;
    ListView1->setObjectName(QStringLiteral("ListView1"));
    m_model = new MessageListModel(m_controller, this);
    m_proxy = new MarkIconProxy(MessageListModel::MarkRole, this);
    m_proxy->setSourceModel(m_model);
    ListView1->setModel(m_proxy);
    ListView1->setRootIsDecorated(false);
    ListView1->setItemsExpandable(false);
    ListView1->setUniformRowHeights(true);
    ListView1->setAllColumnsShowFocus(true);
    ListView1->setSelectionMode(QAbstractItemView::ExtendedSelection);
    ListView1->setSelectionBehavior(QAbstractItemView::SelectRows);
    ListView1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    ListView1->setSortingEnabled(false);
    ListView1->setIconSize(QSize(16, 16));
    ListView1->setContextMenuPolicy(Qt::CustomContextMenu);
    QHeaderView* header = ListView1->header();
    header->setSectionsClickable(false);
    header->setSectionsMovable(false);
    // Size and date fit their content; subject and sender share the rest, so
    // the header always reaches the scroll bar. Moving the border between the
    // two sets their shares.
    header->setStretchLastSection(false);
    header->setMinimumSectionSize(24);
    header->setSectionResizeMode(MessageListModel::SubjectColumn, QHeaderView::Interactive);
    header->setSectionResizeMode(MessageListModel::SenderColumn, QHeaderView::Interactive);
    header->setSectionResizeMode(MessageListModel::SizeColumn, QHeaderView::Fixed);
    header->setSectionResizeMode(MessageListModel::DateColumn, QHeaderView::Fixed);
    connect(header, &QHeaderView::sectionResized, this,
            [this](int column, int, int width) { columnResizedByUser(column, width); });
    connect(m_proxy, &QAbstractItemModel::rowsInserted, this,
            [this](const QModelIndex&, int first, int last) { fitSizeColumn(first, last); });
    connect(m_proxy, &QAbstractItemModel::modelReset, this,
            [this] { fitSizeColumn(0, m_proxy->rowCount() - 1); });
    fitColumns();
    // Keys anywhere in the list, clicks anywhere in its rows' area (below the
    // last row too).
    ListView1->installEventFilter(this);
    ListView1->viewport()->installEventFilter(this);
    buildPopupMenu();
    connect(ListView1, &QWidget::customContextMenuRequested, this, [this](const QPoint& at) {
        PopupMenu1->popup(ListView1->viewport()->mapToGlobal(at));
    });
}

void TfrmMain::buildPopupMenu() {
    PopupMenu1 = new QMenu(this);
    PopupMenu1->setObjectName(QStringLiteral("PopupMenu1"));
    MainController* c = &m_controller;
    const auto item = [this, c](const char* name, const QString& text,
                                void (*command)(MainController&, const QList<int>&)) {
        QAction* a = PopupMenu1->addAction(text);
        a->setObjectName(QLatin1String(name));
        connect(a, &QAction::triggered, c, [this, c, command] { command(*c, selection()); });
        return a;
    };
    Why1 = item("Why1", tr("Why was this e-mail marked?"),
                [](MainController& m, const QList<int>& s) { m.Why1Click(s); });
    PopupMenu1->addSeparator();
    AddtoExceptions1 =
        item("AddtoExceptions1", tr("Add selected sender(s) to exceptions list"),
             [](MainController& m, const QList<int>& s) { m.AddtoExceptions1Click(s); });
    AddtoSPAMlist1 = item("AddtoSPAMlist1", tr("Add selected message(s) to spam list"),
                          [](MainController& m, const QList<int>& s) { m.AddtoSPAMlist1Click(s); });
    LearnAsSpam1 = item("LearnAsSpam1", tr("Learn selected message(s) as spam"),
                        [](MainController& m, const QList<int>& s) { m.LearnAsSpam1Click(s); });
    LearnAsNotSpam1 =
        item("LearnAsNotSpam1", tr("Learn selected message(s) as not spam"),
             [](MainController& m, const QList<int>& s) { m.LearnAsNotSpam1Click(s); });
    PopupMenu1->addSeparator();
    ViewHeader1 = item("ViewHeader1", tr("View selected message(s) headers"),
                       [](MainController& m, const QList<int>& s) { m.ViewHeader1Click(s); });
    ViewMessages1 = item("ViewMessages1", tr("View body of one message"),
                         [](MainController& m, const QList<int>& s) { m.ViewMessages1Click(s); });
}

QList<int> TfrmMain::selection() const {
    QList<int> rows;
    for (const QModelIndex& index : ListView1->selectionModel()->selectedRows())
        rows.append(index.row());
    std::sort(rows.begin(), rows.end());
    return rows;
}

void TfrmMain::centre() {
    if (QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

namespace {
const QString WindowSection = QStringLiteral("MainWindow");

// Subject's and sender's widths when they share shared pixels, the sender
// taking senderShare of them; neither gets less than least (or half).
std::pair<int, int> shareColumns(int shared, double senderShare, int least) {
    least = std::min(least, shared / 2);
    const int sender =
        std::clamp(int(std::lround(shared * senderShare)), least, std::max(least, shared - least));
    return {shared - sender, sender};
}
} // namespace

int TfrmMain::columnPadding() const {
    return 2 * ListView1->style()->pixelMetric(QStyle::PM_HeaderMargin) + 12;
}

void TfrmMain::fitColumns() {
    QHeaderView* header = ListView1->header();
    const QFontMetrics text(ListView1->font());
    // The widest date the locale writes: two-digit day and month, an evening time.
    const QString format = m_controller.ListDateFormat();
    int date = text.horizontalAdvance(
        header->model()->headerData(MessageListModel::DateColumn, Qt::Horizontal).toString());
    for (int hour : {10, 22})
        date = std::max(date, text.horizontalAdvance(QLocale().toString(
                                  QDateTime(QDate(2024, 12, 28), QTime(hour, 58, 58)), format)));
    const QScopedValueRollback sharing(m_sharing, true);
    header->resizeSection(MessageListModel::DateColumn, date + columnPadding());
    fitSizeColumn(0, m_proxy->rowCount() - 1);
    shareWidth();
}

void TfrmMain::fitSizeColumn(int first, int last) {
    // The widest size among the rows (all of them when the list starts over).
    const QFontMetrics text(ListView1->font());
    if (first == 0) {
        last = m_proxy->rowCount() - 1;
        m_sizeWidth = text.horizontalAdvance(
            m_proxy->headerData(MessageListModel::SizeColumn, Qt::Horizontal).toString());
    }
    for (int row = first; row <= last; ++row)
        m_sizeWidth = std::max(
            m_sizeWidth, text.horizontalAdvance(
                             m_proxy->index(row, MessageListModel::SizeColumn).data().toString()));
    QHeaderView* header = ListView1->header();
    if (header->sectionSize(MessageListModel::SizeColumn) == m_sizeWidth + columnPadding()) return;
    {
        const QScopedValueRollback sharing(m_sharing, true);
        header->resizeSection(MessageListModel::SizeColumn, m_sizeWidth + columnPadding());
    }
    shareWidth();
}

int TfrmMain::sharedWidth() const {
    const QHeaderView* header = ListView1->header();
    return ListView1->viewport()->width() - header->sectionSize(MessageListModel::SizeColumn) -
           header->sectionSize(MessageListModel::DateColumn);
}

void TfrmMain::shareWidth() {
    // A hidden list's width is not yet the one it shows with.
    if (!ListView1->viewport()->isVisible()) return;
    const int shared = sharedWidth();
    if (shared <= 0) return;
    if (m_keptSender > 0) {
        // A sender width kept from the last run gives the share at the first real width.
        m_senderShare = double(m_keptSender) / shared;
        m_keptSender = 0;
    }
    // Neither gets narrower than the subject's heading, in the language shown.
    const QString heading =
        m_proxy->headerData(MessageListModel::SubjectColumn, Qt::Horizontal).toString();
    const int least = QFontMetrics(ListView1->font()).horizontalAdvance(heading) + columnPadding();
    const auto widths = shareColumns(shared, m_senderShare, least);
    const QScopedValueRollback sharing(m_sharing, true);
    QHeaderView* header = ListView1->header();
    header->resizeSection(MessageListModel::SubjectColumn, widths.first);
    header->resizeSection(MessageListModel::SenderColumn, widths.second);
}

void TfrmMain::columnResizedByUser(int column, int width) {
    if (m_sharing) return;
    const int shared = sharedWidth();
    if (shared <= 0) return;
    if (column == MessageListModel::SubjectColumn)
        m_senderShare = double(shared - width) / shared;
    else if (column == MessageListModel::SenderColumn)
        m_senderShare = double(width) / shared;
    else
        return;
    m_keptSender = 0;
    m_senderShare = std::clamp(m_senderShare, 0.0, 1.0);
    shareWidth();
}

void TfrmMain::restoreWindowState() {
    const SettingsGroup tree(SettingsStore::tree());
    const auto value = [&tree](const char* ident) {
        return tree.ReadInteger(WindowSection, QLatin1String(ident), -1);
    };
    const int width = value("Width"), height = value("Height");
    if (width > 0 && height > 0)
        resize(width, height);
    else
        resize(DefaultWidth, DefaultHeight);
    const int left = value("Left"), top = value("Top");
    QScreen* screen = QGuiApplication::screenAt(QPoint(left, top));
    if (left >= 0 && top >= 0 && screen)
        move(left, top);
    else
        centre();
    if (tree.ReadBool(WindowSection, QStringLiteral("Maximized"), false))
        setWindowState(windowState() | Qt::WindowMaximized);
    // Size and date fit their content whatever was stored ("col2", "col3"); the
    // sender's width ("col1") sets its share of the room left.
    m_keptSender = std::max(0, value("col1"));
    if (m_keptSender > 0) {
        const QScopedValueRollback sharing(m_sharing, true);
        ListView1->header()->resizeSection(MessageListModel::SenderColumn, m_keptSender);
    }
    fitColumns();
}

void TfrmMain::saveWindowState() const {
    try {
        SettingsGroup tree(SettingsStore::tree());
        const QRect normal = normalGeometry().isValid() ? normalGeometry() : geometry();
        tree.WriteInteger(WindowSection, QStringLiteral("Left"), pos().x());
        tree.WriteInteger(WindowSection, QStringLiteral("Top"), pos().y());
        tree.WriteInteger(WindowSection, QStringLiteral("Width"), normal.width());
        tree.WriteInteger(WindowSection, QStringLiteral("Height"), normal.height());
        tree.WriteBool(WindowSection, QStringLiteral("Maximized"), isMaximized());
        const QHeaderView* header = ListView1->header();
        for (int c = MessageListModel::SenderColumn; c < MessageListModel::ColumnCount; ++c)
            tree.WriteInteger(WindowSection, QStringLiteral("col%1").arg(c),
                              header->sectionSize(c));
        tree.commit();
    } catch (const Exception& e) {
        // The window's size is not worth a message box on the way out.
        qWarning("%s", qPrintable(e.shown()));
    }
}

void TfrmMain::render(const MainViewState& state) {
    // Only what differs from the last picture is touched, so that an
    // announcement redraws no more than what it changed.
    const bool all = !m_drawn;
    const MainViewState& was = all ? state : *m_drawn;
    const auto differs = [&](auto member) { return all || was.*member != state.*member; };
    if (differs(&MainViewState::Caption)) setWindowTitle(state.Caption);
    if (differs(&MainViewState::lblTitle)) lblTitle->setText(state.lblTitle);
    if (differs(&MainViewState::StatusText)) StatusPanel1->setText(state.StatusText);

    if (differs(&MainViewState::btExitCaption)) {
        btExit->setText(state.btExitCaption);
        btExit->setToolTip(state.btExitCaption);
        fitCaption(btExit);
    }
    if (differs(&MainViewState::btExitFace))
        btExit->setIcon(state.btExitFace == ExitFace::Busy ? Icons::named(QStringLiteral("stop"))
                                                           : m_idleExitIcon);

    if (differs(&MainViewState::btListEnabled)) btList->setEnabled(state.btListEnabled);
    if (differs(&MainViewState::btOptionsEnabled)) btOptions->setEnabled(state.btOptionsEnabled);
    if (differs(&MainViewState::btListFace))
        btList->setIcon(Icons::named(state.btListFace == ListFace::Up ? QStringLiteral("up")
                                                                      : QStringLiteral("down")));
    if (differs(&MainViewState::RowButtonsVisible))
        for (QToolButton* b : {btMark, btResetAll, btLaunch, btDelete, btRemark})
            b->setVisible(state.RowButtonsVisible);
    if (differs(&MainViewState::lblAdVisible)) lblAd->setVisible(state.lblAdVisible);
    if (differs(&MainViewState::lblTitle) || differs(&MainViewState::Label1Visible))
        placeVersion(state.Label1Visible);
    // The list's commands wait while an operation runs.
    if (differs(&MainViewState::Busy))
        for (QAction* a : PopupMenu1->actions())
            a->setEnabled(!state.Busy);
    m_drawn = state;
}

void TfrmMain::closeEvent(QCloseEvent* event) {
    saveWindowState();
    m_controller.FormCloseQuery();
    event->accept();
    Q_EMIT closed();
}

void TfrmMain::placeVersion(bool shown) {
    // The version steps aside while the title needs its room: the title has the
    // top row up to the big buttons.
    const auto* row = static_cast<QBoxLayout*>(m_top->layout());
    const QMargins m = row->contentsMargins();
    int room = m_top->width() - m.left() - m.right() - 10;
    for (const QToolButton* b : {btList, btOptions, btExit})
        room -= b->width() + row->spacing();
    const int title = QFontMetrics(lblTitle->font()).horizontalAdvance(lblTitle->text());
    Label1->setVisible(shown && title + 8 + Label1->sizeHint().width() <= room);
}

bool TfrmMain::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_top && event->type() == QEvent::Resize && m_drawn)
        placeVersion(m_drawn->Label1Visible);
    if (watched == ListView1 && event->type() == QEvent::KeyRelease) m_controller.ListView1KeyUp();
    if (watched == ListView1->viewport()) {
        const auto type = event->type();
        if (type == QEvent::Resize || type == QEvent::Show) shareWidth();
        const bool mouse = type == QEvent::MouseButtonPress || type == QEvent::MouseButtonRelease ||
                           type == QEvent::MouseButtonDblClick;
        if (!mouse) return QMainWindow::eventFilter(watched, event);
        if (type == QEvent::MouseButtonRelease) m_controller.ListView1Click();
        if (type == QEvent::MouseButtonDblClick &&
            static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton)
            m_controller.ListView1DblClick(selection());
        // Below the last row a click keeps the selection, so that a double
        // click or the pop-up menu there acts on the selected rows.
        const QPoint at = static_cast<QMouseEvent*>(event)->position().toPoint();
        if (!ListView1->indexAt(at).isValid()) return true;
    }
    return QMainWindow::eventFilter(watched, event);
}
