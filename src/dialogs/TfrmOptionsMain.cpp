#include "dialogs/TfrmOptionsMain.h"

#include "dialogs/EditorParts.h"
#include "dialogs/MarkImages.h"
#include "dialogs/RuleGridModel.h"
#include "dialogs/RulePrinter.h"
#include "dialogs/TfrmAlwaysAccept.h"
#include "dialogs/TfrmHeaders.h"
#include "dialogs/TfrmImportSpam.h"
#include "rules/LearnedFilter.h"
#include "dialogs/TfrmOptionsFROM.h"
#include "dialogs/TfrmOptionsSubject.h"
#include "mail/Exceptions.h"
#include "rules/Blacklist.h"
#include "rules/GridWidths.h"
#include "rules/RuleEdits.h"
#include "rules/SpamSettings.h"
#include "settings/Prompter.h"
#include "settings/TextFiles.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QClipboard>
#include <QFile>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSpinBox>
#include <QStyle>
#include <QTabWidget>
#include <QTableView>
#include <QTextBlock>
#include <QVBoxLayout>

using namespace EditorParts;

namespace {
constexpr std::array<RuleListKind, 4> Kinds{RuleListKind::Subject, RuleListKind::Header,
                                            RuleListKind::Sender, RuleListKind::Exception};

int indexOf(RuleListKind kind) {
    return static_cast<int>(kind);
}

// The busy cursor for the length of a scope.
struct BusyCursor {
    BusyCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~BusyCursor() { QApplication::restoreOverrideCursor(); }
};

QPushButton* button(const QString& text, const char* name) {
    return named(new QPushButton(text), name);
}
} // namespace

TfrmOptionsMain::TfrmOptionsMain(SpamSettings& model, Blacklist& blacklist,
                                 const GeneralSettings& general, Prompter& prompter,
                                 QWidget* parent)
    : QDialog(parent), m_model(model), m_blacklist(blacklist), m_general(general),
      m_prompter(prompter) {
    setObjectName(QStringLiteral("frmOptionsMain"));
    setWindowTitle(tr("Spam Settings"));
    setModal(true);
    setSizeGripEnabled(true);
    ExecDialog = [](QDialog& d) { return d.exec(); };

    m_pages[indexOf(RuleListKind::Subject)].list = &m_model.gridSubject;
    m_pages[indexOf(RuleListKind::Header)].list = &m_model.gridHeader;
    m_pages[indexOf(RuleListKind::Sender)].list = &m_model.gridFrom;
    m_pages[indexOf(RuleListKind::Exception)].list = &m_model.gridExcept;

    pages = named(new QTabWidget, "pages");
    pages->addTab(buildListPage(RuleListKind::Subject, QString()), tr("Subject"));
    pages->addTab(buildListPage(RuleListKind::Header, QString()), tr("Headers"));
    pages->addTab(buildListPage(RuleListKind::Sender, QString()), tr("Sender"));
    pages->addTab(buildSizePage(), tr("Size"));
    pages->addTab(buildListPage(RuleListKind::Exception,
                                tr("Always accept e-mail under the following "
                                   "conditions. Message will be marked with a bitmap.")),
                  tr("Exceptions"));
    pages->addTab(buildBlacklistPage(), tr("BlackList"));
    pages->addTab(buildValidPage(), tr("Valid Domains"));
    pages->addTab(buildLearningPage(), tr("Learning"));
    gridSubject = page(RuleListKind::Subject).view;
    gridHeader = page(RuleListKind::Header).view;
    gridFrom = page(RuleListKind::Sender).view;
    gridExcept = page(RuleListKind::Exception).view;
    lblSubjectCount = page(RuleListKind::Subject).count;
    lblHeaderCount = page(RuleListKind::Header).count;
    lblFromCount = page(RuleListKind::Sender).count;
    lblExceptCount = page(RuleListKind::Exception).count;

    auto* buttons = okCancelHelp(
        this, &btOK, &btCancel, &btHelp, [this] { accept(); },
        [this] {
            if (OnHelp) OnHelp();
        });

    auto* v = new QVBoxLayout(this);
    v->addWidget(pages, 1);
    v->addWidget(buttons);

    m_import = new TfrmImportSpam(this);

    // Creation: the model as loaded at start-up, the stored column widths
    // (columns without one wide enough for their heading and content),
    // "Subject" in front.
    modelToControls();
    for (RuleListKind kind : Kinds) {
        ListPage& p = page(kind);
        const QList<int> stored = GridWidths::read(kind);
        for (int c = 0; c < p.list->visibleColumnCount(); ++c) {
            const int fit = std::max(static_cast<QAbstractItemView*>(p.view)->sizeHintForColumn(c),
                                     p.view->horizontalHeader()->sectionSizeHint(c));
            p.list->setColumnWidth(
                c, stored.value(c, -1) != -1 ? stored[c] : std::max(p.list->columnWidth(c), fit));
        }
    }
    applyColumnWidths();
    pages->setCurrentIndex(0);
    resize(std::max(640, widthForTabsAndColumns()), 460);
}

int TfrmOptionsMain::widthForTabsAndColumns() {
    // Measured with every page tab side by side and each list as wide as its
    // columns; afterwards the dialog may be made narrower again.
    const bool scrolls = pages->usesScrollButtons();
    pages->setUsesScrollButtons(false);
    for (RuleListKind kind : Kinds) {
        QTableView* v = page(kind).view;
        int w = v->verticalHeader()->sizeHint().width() + 2 * v->frameWidth() +
                v->verticalScrollBar()->sizeHint().width();
        for (int c = 0; c < v->model()->columnCount(); ++c)
            if (!v->isColumnHidden(c)) w += v->columnWidth(c);
        v->setMinimumWidth(w);
    }
    layout()->activate();
    const int width = minimumSizeHint().width();
    for (RuleListKind kind : Kinds)
        page(kind).view->setMinimumWidth(0);
    pages->setUsesScrollButtons(scrolls);
    layout()->activate();
    return width;
}

TfrmOptionsMain::~TfrmOptionsMain() {
    try {
        writeColumnWidths();
    } catch (const Exception& e) {
        qWarning("%s", qPrintable(e.message()));
    }
}

TfrmOptionsMain::ListPage& TfrmOptionsMain::page(RuleListKind kind) {
    return m_pages[indexOf(kind)];
}

const TfrmOptionsMain::ListPage& TfrmOptionsMain::page(RuleListKind kind) const {
    return m_pages[indexOf(kind)];
}

QTableView* TfrmOptionsMain::grid(RuleListKind kind) const {
    return page(kind).view;
}

RuleGridModel* TfrmOptionsMain::gridModel(RuleListKind kind) const {
    return page(kind).model;
}

// --- Building ------------------------------------------------------------------------

QWidget* TfrmOptionsMain::buildListPage(RuleListKind kind, const QString& noteText) {
    ListPage& p = page(kind);
    auto* w = new QWidget;
    auto* v = new QVBoxLayout(w);
    if (!noteText.isEmpty()) v->addWidget(note(noteText));

    p.model = new RuleGridModel(*p.list, this);
    p.view = new QTableView;
    p.view->setObjectName(p.list->gridName());
    p.view->setModel(p.model);
    p.view->setSelectionBehavior(QAbstractItemView::SelectRows);
    p.view->setSelectionMode(QAbstractItemView::SingleSelection);
    p.view->setEditTriggers(QAbstractItemView::EditKeyPressed | QAbstractItemView::AnyKeyPressed);
    p.view->setWordWrap(false);
    p.view->setIconSize(QSize(16, 16));
    p.view->verticalHeader()->setDefaultSectionSize(p.view->fontMetrics().height() + 6);
    p.view->horizontalHeader()->setHighlightSections(false);
    p.view->horizontalHeader()->setStretchLastSection(false);
    p.view->installEventFilter(this);
    if (kind == RuleListKind::Exception)
        p.view->setColumnHidden(RuleList::PictureIndexColumn, true);
    connect(p.view, &QTableView::doubleClicked, this, [this, kind] { editClick(kind); });
    connect(p.view->horizontalHeader(), &QHeaderView::sectionResized, this,
            [this, kind](int col, int, int size) { page(kind).list->setColumnWidth(col, size); });
    connect(p.view->horizontalHeader(), &QHeaderView::sectionClicked, this, [this, kind](int col) {
        ListPage& lp = page(kind);
        if (!lp.model->sortable(col)) return;
        QHeaderView* h = lp.view->horizontalHeader();
        const Qt::SortOrder order = h->isSortIndicatorShown() && h->sortIndicatorSection() == col &&
                                            h->sortIndicatorOrder() == Qt::AscendingOrder
                                        ? Qt::DescendingOrder
                                        : Qt::AscendingOrder;
        h->setSortIndicatorShown(true);
        h->setSortIndicator(col, order);
        lp.model->sort(col, order);
    });

    auto* body = new QHBoxLayout;
    body->addWidget(p.view, 1);
    auto* side = new QVBoxLayout;
    auto* up = button(QString(), "btUp");
    up->setIcon(style()->standardIcon(QStyle::SP_ArrowUp));
    up->setToolTip(tr("Move item up one row"));
    auto* down = button(QString(), "btDown");
    down->setIcon(style()->standardIcon(QStyle::SP_ArrowDown));
    down->setToolTip(tr("Move item down one row"));
    side->addWidget(up);
    side->addWidget(down);
    side->addStretch(1);
    body->addLayout(side);
    v->addLayout(body, 1);

    auto* row = new QHBoxLayout;
    auto* insert = button(tr("&Insert"), "btInsert");
    auto* del = button(tr("&Delete"), "btDelete");
    auto* edit = button(tr("&Edit"), "btEdit");
    auto* print = button(tr("&Print"), "btPrint");
    auto* preview = button(tr("Pre&view"), "btPreview");
    preview->setToolTip(tr("Show the print-out before printing it"));
    for (QPushButton* b : {insert, del, edit, print, preview})
        row->addWidget(b);
    if (kind == RuleListKind::Subject || kind == RuleListKind::Exception) {
        auto* import = button(tr("I&mport"), "btImport");
        row->addWidget(import);
        connect(import, &QPushButton::clicked, this, [this, kind] { importClick(kind); });
    }
    row->addStretch(1);
    p.count = new QLabel;
    p.count->setObjectName(kind == RuleListKind::Subject  ? QStringLiteral("lblSubjectCount")
                           : kind == RuleListKind::Header ? QStringLiteral("lblHeaderCount")
                           : kind == RuleListKind::Sender ? QStringLiteral("lblFromCount")
                                                          : QStringLiteral("lblExceptCount"));
    row->addWidget(new QLabel(tr("Rules:")));
    row->addWidget(p.count);
    v->addLayout(row);

    connect(insert, &QPushButton::clicked, this, [this, kind] { insertClick(kind); });
    connect(del, &QPushButton::clicked, this, [this, kind] { deleteClick(kind); });
    connect(edit, &QPushButton::clicked, this, [this, kind] { editClick(kind); });
    connect(print, &QPushButton::clicked, this, [this, kind] { printClick(kind); });
    connect(preview, &QPushButton::clicked, this, [this, kind] { previewClick(kind); });
    connect(up, &QPushButton::clicked, this, [this, kind] { moveClick(kind, true); });
    connect(down, &QPushButton::clicked, this, [this, kind] { moveClick(kind, false); });
    return w;
}

QWidget* TfrmOptionsMain::buildSizePage() {
    auto* w = new QWidget;
    auto* v = new QVBoxLayout(w);
    auto limit = [](QCheckBox* box, QSpinBox* n, QRadioButton* check, QRadioButton* question) {
        auto* group = new QWidget;
        auto* g = new QGridLayout(group);
        g->setContentsMargins(0, 0, 0, 0);
        g->addWidget(box, 0, 0, 1, 4);
        g->addWidget(n, 1, 1);
        g->addWidget(new QLabel(tr("bytes, ")), 1, 2);
        g->addWidget(new QLabel(tr("then mark the message with a")), 2, 1, 1, 3);
        auto* marks = new QHBoxLayout;
        check->setIcon(MarkImages::icon(ImageCheck));
        question->setIcon(MarkImages::icon(ImageQuestion));
        marks->addWidget(check);
        marks->addWidget(question);
        marks->addStretch(1);
        g->addLayout(marks, 3, 1, 1, 3);
        g->setColumnMinimumWidth(0, 20);
        g->setColumnStretch(3, 1);
        // "check mark" and "question" exclude each other within one limit only.
        auto* exclusive = new QButtonGroup(group);
        exclusive->addButton(check);
        exclusive->addButton(question);
        return group;
    };
    cbSmaller = named(new QCheckBox(tr("If the message size is smaller than")), "cbSmaller");
    nSmaller = named(new QSpinBox, "nSmaller");
    nSmaller->setRange(0, 100000);
    nSmaller->setSingleStep(1);
    rbSmallerCheck = named(new QRadioButton(tr("check mark")), "rbSmallerCheck");
    rbSmallerQuestion = named(new QRadioButton(tr("question")), "rbSmallerQuestion");
    cbLarger = named(new QCheckBox(tr("If the message size is larger than")), "cbLarger");
    nLarger = named(new QSpinBox, "nLarger");
    nLarger->setRange(0, 99999999);
    nLarger->setSingleStep(100);
    rbLargerCheck = named(new QRadioButton(tr("check mark")), "rbLargerCheck");
    rbLargerQuestion = named(new QRadioButton(tr("question")), "rbLargerQuestion");
    for (QSpinBox* n : {nSmaller, nLarger}) {
        n->setGroupSeparatorShown(false);
        n->setMinimumWidth(n->fontMetrics().horizontalAdvance(QStringLiteral("999999999")) + 40);
    }
    v->addWidget(limit(cbSmaller, nSmaller, rbSmallerCheck, rbSmallerQuestion));
    v->addSpacing(12);
    v->addWidget(limit(cbLarger, nLarger, rbLargerCheck, rbLargerQuestion));
    v->addSpacing(12);
    v->addWidget(note(tr("Note: Only messages with a check mark will be deleted.  The "
                         "question mark is to notify you of a potential spam message "
                         "to delete.")));
    v->addStretch(1);
    connect(cbSmaller, &QCheckBox::toggled, this, &TfrmOptionsMain::applySizeRules);
    connect(cbLarger, &QCheckBox::toggled, this, &TfrmOptionsMain::applySizeRules);
    return w;
}

QWidget* TfrmOptionsMain::buildBlacklistPage() {
    auto* w = new QWidget;
    auto* v = new QVBoxLayout(w);
    auto* top = new QHBoxLayout;
    cbKnownSpammers =
        named(new QCheckBox(tr("Compare e-mail with this list of known spammers. Will be "
                               "marked with :")),
              "cbKnownSpammers");
    auto* mark = new QLabel;
    mark->setPixmap(MarkImages::icon(ImageBlacklist).pixmap(16, 16));
    top->addWidget(cbKnownSpammers);
    top->addWidget(mark);
    top->addStretch(1);
    v->addLayout(top);

    memoKnown = named(new QPlainTextEdit, "memoKnown");
    memoKnown->setReadOnly(true);
    memoKnown->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    memoKnown->setBackgroundRole(QPalette::Button);
    auto* body = new QHBoxLayout;
    body->addWidget(memoKnown, 1);
    auto* side = new QVBoxLayout;
    auto* countBox = new QGroupBox(tr("Spammers"));
    auto* cv = new QVBoxLayout(countBox);
    lblSpamCount = named(new QLabel, "lblSpamCount");
    lblSpamCount->setAlignment(Qt::AlignCenter);
    cv->addWidget(lblSpamCount);
    side->addWidget(countBox);
    btEditKnown = button(tr("&Edit"), "btEditKnown");
    btSaveKnown = button(tr("&Save"), "btSaveKnown");
    btCancelKnown = button(tr("Cancel"), "btCancelKnown");
    side->addWidget(btEditKnown);
    side->addWidget(btSaveKnown);
    side->addWidget(btCancelKnown);
    side->addStretch(1);
    body->addLayout(side);
    v->addLayout(body, 1);
    pnlSorting = named(new QLabel(tr("Re-building list ... stand by")), "pnlSorting");
    pnlSorting->setFrameShape(QFrame::Panel);
    pnlSorting->setFrameShadow(QFrame::Sunken);
    pnlSorting->setAlignment(Qt::AlignCenter);
    pnlSorting->setWordWrap(true);
    pnlSorting->hide();
    v->addWidget(pnlSorting);
    btSaveKnown->setEnabled(false);
    btCancelKnown->setEnabled(false);
    connect(btEditKnown, &QPushButton::clicked, this, &TfrmOptionsMain::btEditKnownClick);
    connect(btSaveKnown, &QPushButton::clicked, this, &TfrmOptionsMain::btSaveKnownClick);
    connect(btCancelKnown, &QPushButton::clicked, this, &TfrmOptionsMain::btCancelKnownClick);
    return w;
}

QWidget* TfrmOptionsMain::buildValidPage() {
    auto* w = new QWidget;
    auto* v = new QVBoxLayout(w);
    cbValid =
        named(new QCheckBox(tr("Check for valid domain names within the senders e-mail address?")),
              "cbValid");
    v->addWidget(cbValid);
    pnlValid = named(new QGroupBox, "pnlValid");
    auto* pv = new QVBoxLayout(pnlValid);
    pv->addWidget(note(tr("If the domain name is invalid or unknown mark the message with:")));
    rbCheck = named(new QRadioButton(tr("&check mark")), "rbCheck");
    rbQuestion = named(new QRadioButton(tr("&question mark")), "rbQuestion");
    rbCheck->setIcon(MarkImages::icon(ImageCheck));
    rbQuestion->setIcon(MarkImages::icon(ImageQuestion));
    auto* marks = new QHBoxLayout;
    marks->addWidget(rbCheck);
    marks->addWidget(rbQuestion);
    marks->addStretch(1);
    pv->addLayout(marks);
    pv->addWidget(note(tr("Note: Only messages with a check mark will be deleted.")));
    auto* counter = new QHBoxLayout;
    edUnknown = named(new QLineEdit, "edUnknown");
    edUnknown->setReadOnly(true);
    edUnknown->setAlignment(Qt::AlignRight);
    edUnknown->setMaximumWidth(
        edUnknown->fontMetrics().horizontalAdvance(QStringLiteral("0000000000")) + 16);
    counter->addWidget(edUnknown);
    counter->addWidget(new QLabel(tr("unknown domains have been detected")));
    counter->addStretch(1);
    pv->addLayout(counter);
    btReset = button(tr("Reset counter"), "btReset");
    auto* reset = new QHBoxLayout;
    reset->addWidget(btReset);
    reset->addStretch(1);
    pv->addLayout(reset);
    v->addWidget(pnlValid);
    v->addStretch(1);
    connect(cbValid, &QCheckBox::toggled, pnlValid, &QWidget::setVisible);
    connect(btReset, &QPushButton::clicked, this, &TfrmOptionsMain::btResetClick);
    return w;
}

QWidget* TfrmOptionsMain::buildLearningPage() {
    auto* w = new QWidget;
    auto* v = new QVBoxLayout(w);
    cbLearning = named(
        new QCheckBox(tr("Learn from the mail I delete and keep, and mark what looks like it")),
        "cbLearning");
    v->addWidget(cbLearning);
    pnlLearning = named(new QGroupBox, "pnlLearning");
    auto* pv = new QVBoxLayout(pnlLearning);
    pv->addWidget(note(
        tr("Only messages that no exception and no rule marked are judged, from their header "
           "alone. It learns from the deletions you start in the list (what is deleted is spam, "
           "what you keep is not), from the marks you remove by hand, and from \"Learn selected "
           "message(s) as spam\" and \"as not spam\" in the list's menu.")));
    pv->addWidget(note(tr("Mark the messages it judges to be spam with:")));
    rbLearnedCheck = named(new QRadioButton(tr("c&heck mark")), "rbLearnedCheck");
    rbLearnedQuestion = named(new QRadioButton(tr("q&uestion mark")), "rbLearnedQuestion");
    rbLearnedCheck->setIcon(MarkImages::icon(ImageCheck));
    rbLearnedQuestion->setIcon(MarkImages::icon(ImageQuestion));
    auto* marks = new QHBoxLayout;
    marks->addWidget(rbLearnedCheck);
    marks->addWidget(rbLearnedQuestion);
    marks->addStretch(1);
    pv->addLayout(marks);
    auto* cutoff = new QHBoxLayout;
    cutoff->addWidget(new QLabel(tr("Mark a message when its score reaches")));
    nCutoff = named(new QSpinBox, "nCutoff");
    nCutoff->setRange(1, 99);
    nCutoff->setSuffix(QStringLiteral(" %"));
    cutoff->addWidget(nCutoff);
    cutoff->addStretch(1);
    pv->addLayout(cutoff);
    pv->addWidget(
        note(tr("Your provider's own domains, whose servers pass every message on (the domain of "
                "your mail server is one already), separated by commas:")));
    edOwnDomains = named(new QLineEdit, "edOwnDomains");
    pv->addWidget(edOwnDomains);
    lblLearned = named(note(QString()), "lblLearned");
    pv->addWidget(lblLearned);
    btForget = button(tr("Forget everything learned"), "btForget");
    auto* forget = new QHBoxLayout;
    forget->addWidget(btForget);
    forget->addStretch(1);
    pv->addLayout(forget);
    v->addWidget(pnlLearning);
    v->addStretch(1);
    connect(cbLearning, &QCheckBox::toggled, pnlLearning, &QWidget::setEnabled);
    connect(btForget, &QPushButton::clicked, this, &TfrmOptionsMain::btForgetClick);
    return w;
}

void TfrmOptionsMain::showLearnedCounts() {
    if (!m_learned) {
        lblLearned->clear();
        btForget->setEnabled(false);
        return;
    }
    btForget->setEnabled(true);
    if (!m_learned->isOpen() && !m_learned->error().isEmpty()) {
        lblLearned->setText(tr("What was learned cannot be read: %1. It is left as "
                               "it is until you choose to forget it.")
                                .arg(m_learned->error()));
        return;
    }
    lblLearned->setText(tr("Learned so far: %1 spam and %2 other messages. It judges once it has "
                           "learned %3 of each.")
                            .arg(m_learned->spamCount())
                            .arg(m_learned->otherCount())
                            .arg(LearnedFilter::MinimumEach));
}

void TfrmOptionsMain::btForgetClick() {
    if (!m_learned) return;
    if (m_prompter.message(tr("Forget everything learned? The learned judgement "
                              "starts again from nothing."),
                           Prompter::Icon::Question,
                           Prompter::Buttons::YesNo) != Prompter::Answer::Yes)
        return;
    try {
        m_learned->forget();
    } catch (const Exception& e) {
        m_prompter.error(e.shown());
    }
    showLearnedCounts();
}

// --- Model and controls ------------------------------------------------------------

void TfrmOptionsMain::modelToControls() {
    cbSmaller->setChecked(m_model.Smaller.QSmaller);
    nSmaller->setValue(m_model.Smaller.Num);
    (m_model.Smaller.Check ? rbSmallerCheck : rbSmallerQuestion)->setChecked(true);
    cbLarger->setChecked(m_model.Larger.QLarger);
    nLarger->setValue(m_model.Larger.Num);
    (m_model.Larger.Check ? rbLargerCheck : rbLargerQuestion)->setChecked(true);
    cbKnownSpammers->setChecked(m_model.Known.QMonitor);
    cbValid->setChecked(m_model.Known.Valid);
    pnlValid->setVisible(m_model.Known.Valid);
    (m_model.Known.Question ? rbCheck : rbQuestion)->setChecked(true);
    edUnknown->setText(m_model.Known.Num);
    cbLearning->setChecked(m_model.Learning.On);
    pnlLearning->setEnabled(m_model.Learning.On);
    (m_model.Learning.Check ? rbLearnedCheck : rbLearnedQuestion)->setChecked(true);
    nCutoff->setValue(m_model.Learning.Cutoff);
    edOwnDomains->setText(m_model.Learning.OwnDomains);
    showLearnedCounts();
    applySizeRules();
    reloadGrids();
}

void TfrmOptionsMain::controlsToModel() {
    m_model.Smaller.QSmaller = cbSmaller->isChecked();
    m_model.Smaller.Num = nSmaller->value();
    m_model.Smaller.Check = rbSmallerCheck->isChecked();
    m_model.Larger.QLarger = cbLarger->isChecked();
    m_model.Larger.Num = nLarger->value();
    m_model.Larger.Check = rbLargerCheck->isChecked();
    m_model.Known.QMonitor = cbKnownSpammers->isChecked();
    m_model.Known.Valid = cbValid->isChecked();
    m_model.Known.Question = rbCheck->isChecked();
    m_model.Known.Num = edUnknown->text();
    m_model.Learning.On = cbLearning->isChecked();
    m_model.Learning.Check = rbLearnedCheck->isChecked();
    m_model.Learning.Cutoff = nCutoff->value();
    m_model.Learning.OwnDomains = edOwnDomains->text().trimmed();
}

void TfrmOptionsMain::applySizeRules() {
    for (QWidget* w : std::initializer_list<QWidget*>{nSmaller, rbSmallerCheck, rbSmallerQuestion})
        w->setEnabled(cbSmaller->isChecked());
    for (QWidget* w : std::initializer_list<QWidget*>{nLarger, rbLargerCheck, rbLargerQuestion})
        w->setEnabled(cbLarger->isChecked());
}

void TfrmOptionsMain::reloadGrids() {
    for (RuleListKind kind : Kinds) {
        ListPage& p = page(kind);
        const int row = selectedRow(kind);
        p.list->SetGridHeadings();
        p.model->reload();
        selectRow(kind, std::min(row, p.list->ruleCount()));
    }
}

void TfrmOptionsMain::applyColumnWidths() {
    for (RuleListKind kind : Kinds) {
        ListPage& p = page(kind);
        const int shown = p.list->visibleColumnCount();
        for (int c = 0; c < shown; ++c)
            p.view->setColumnWidth(c, p.list->columnWidth(c));
    }
}

void TfrmOptionsMain::writeColumnWidths() {
    for (RuleListKind kind : Kinds) {
        const ListPage& p = page(kind);
        QList<int> widths;
        for (int c = 0; c < p.list->visibleColumnCount(); ++c)
            widths << p.view->columnWidth(c);
        GridWidths::write(kind, widths);
    }
}

void TfrmOptionsMain::FormShow() {
    modelToControls();
    loadKnownEditor();
    setKnownEditing(false);
    updateCounts();
}

int TfrmOptionsMain::exec() {
    FormShow();
    return QDialog::exec();
}

void TfrmOptionsMain::updateCounts() {
    for (RuleListKind kind : Kinds) {
        const ListPage& p = page(kind);
        p.count->setText(QString::number(p.list->ruleCount()));
    }
    // The editor's lines, without the empty one after a final line break.
    QStringList lines = memoKnown->toPlainText().split(QLatin1Char('\n'));
    if (lines.last().isEmpty()) lines.removeLast();
    lblSpamCount->setText(QString::number(lines.size()));
}

// --- Selection -----------------------------------------------------------------------

int TfrmOptionsMain::selectedRow(RuleListKind kind) const {
    const QModelIndex current = page(kind).view->currentIndex();
    return current.isValid() ? RuleGridModel::listRow(current.row()) : 1;
}

void TfrmOptionsMain::selectRow(RuleListKind kind, int row) {
    const ListPage& p = page(kind);
    if (row < 1 || row > p.list->ruleCount()) return;
    const QModelIndex index = p.model->index(RuleGridModel::modelRow(row), 1);
    p.view->setCurrentIndex(index);
    p.view->selectRow(index.row());
}

// --- List commands -------------------------------------------------------------------

void TfrmOptionsMain::insertClick(RuleListKind kind) {
    ListPage& p = page(kind);
    const int before = selectedRow(kind);
    auto place = [&] { return p.list->placeRule({}, before); };
    int row = 0;
    switch (kind) {
    case RuleListKind::Subject: {
        TfrmOptionsSubject dialog(m_prompter, this);
        if (ExecDialog(dialog) == QDialog::Accepted) subjectAfterShowmodal(dialog, row = place());
        break;
    }
    case RuleListKind::Header: {
        TfrmHeaders dialog(m_general, m_prompter, this);
        if (ExecDialog(dialog) == QDialog::Accepted) headerAfterShowmodal(dialog, row = place());
        break;
    }
    case RuleListKind::Sender: {
        TfrmOptionsFROM dialog(m_prompter, this);
        if (ExecDialog(dialog) == QDialog::Accepted) FromAfterShowModal(dialog, row = place());
        break;
    }
    case RuleListKind::Exception: {
        TfrmAlwaysAccept dialog(m_prompter, this);
        if (ExecDialog(dialog) == QDialog::Accepted) exceptAfterShowmodal(dialog, row = place());
        break;
    }
    }
    p.model->reload();
    selectRow(kind, row > 0 ? row : before);
    updateCounts();
}

void TfrmOptionsMain::editClick(RuleListKind kind) {
    ListPage& p = page(kind);
    const int row = selectedRow(kind);
    if (p.list->cell(1, row).isEmpty()) {
        if (kind == RuleListKind::Sender)
            m_prompter.information(tr("Error: nothing selected to edit"));
        else
            m_prompter.error(tr("Error: nothing selected to edit"));
        return;
    }
    switch (kind) {
    case RuleListKind::Subject: {
        TfrmOptionsSubject dialog(m_prompter, this);
        dialog.setFields(subjectFieldsFromRow(*p.list, row));
        if (ExecDialog(dialog) == QDialog::Accepted) subjectAfterShowmodal(dialog, row);
        break;
    }
    case RuleListKind::Header: {
        TfrmHeaders dialog(m_general, m_prompter, this);
        dialog.setFields(headerFieldsFromRow(*p.list, row));
        if (ExecDialog(dialog) == QDialog::Accepted) headerAfterShowmodal(dialog, row);
        break;
    }
    case RuleListKind::Sender: {
        TfrmOptionsFROM dialog(m_prompter, this);
        dialog.setFields(senderFieldsFromRow(*p.list, row));
        if (ExecDialog(dialog) == QDialog::Accepted) FromAfterShowModal(dialog, row);
        break;
    }
    case RuleListKind::Exception: {
        TfrmAlwaysAccept dialog(m_prompter, this);
        dialog.setFields(exceptionFieldsFromRow(*p.list, row));
        if (ExecDialog(dialog) == QDialog::Accepted) exceptAfterShowmodal(dialog, row);
        break;
    }
    }
    p.model->reload();
    selectRow(kind, row);
    if (kind == RuleListKind::Subject || kind == RuleListKind::Header) updateCounts();
}

void TfrmOptionsMain::deleteClick(RuleListKind kind) {
    ListPage& p = page(kind);
    const int row = selectedRow(kind);
    p.list->removeRow(row);
    p.model->reload();
    selectRow(kind, std::min(row, p.list->ruleCount()));
    updateCounts();
}

void TfrmOptionsMain::moveClick(RuleListKind kind, bool up) {
    ListPage& p = page(kind);
    const int row = selectedRow(kind);
    const int other = up ? row - 1 : row + 1;
    if (!p.list->exchangeRows(row, other)) return;
    p.model->reload();
    selectRow(kind, other);
}

void TfrmOptionsMain::subjectAfterShowmodal(const TfrmOptionsSubject& dialog, int row) {
    RuleList& list = m_model.gridSubject;
    list.writeRow(row, subjectCells(dialog.fields(), list.cell(list.hitsColumn(), row)));
}

void TfrmOptionsMain::headerAfterShowmodal(const TfrmHeaders& dialog, int row) {
    RuleList& list = m_model.gridHeader;
    list.writeRow(row, headerCells(dialog.fields(), list.cell(list.hitsColumn(), row)));
}

void TfrmOptionsMain::FromAfterShowModal(const TfrmOptionsFROM& dialog, int row) {
    RuleList& list = m_model.gridFrom;
    list.writeRow(row, senderCells(dialog.fields(), list.cell(list.hitsColumn(), row)));
}

void TfrmOptionsMain::exceptAfterShowmodal(const TfrmAlwaysAccept& dialog, int row) {
    RuleList& list = m_model.gridExcept;
    list.writeRow(row, exceptionCells(dialog.fields(), list.cell(list.hitsColumn(), row)));
}

// --- Print and import ----------------------------------------------------------------

int TfrmOptionsMain::printList(RuleListKind kind, QPrinter& printer) {
    return RulePrinter::print(*page(kind).list, printer, QDateTime::currentDateTime());
}

void TfrmOptionsMain::printClick(RuleListKind kind) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageOrientation(QPageLayout::Portrait);
    QPrintDialog dialog(&printer, this);
    if (ExecDialog(dialog) != QDialog::Accepted) return;
    printList(kind, printer);
}

void TfrmOptionsMain::previewClick(RuleListKind kind) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageOrientation(QPageLayout::Portrait);
    QPrintPreviewDialog preview(&printer, this);
    preview.setWindowTitle(RulePrinter::title(kind).trimmed());
    connect(&preview, &QPrintPreviewDialog::paintRequested, this,
            [this, kind](QPrinter* p) { printList(kind, *p); });
    preview.resize(720, 800);
    ExecDialog(preview);
}

void TfrmOptionsMain::importClick(RuleListKind kind) {
    ListPage& p = page(kind);
    m_import->setTitle(kind == RuleListKind::Exception ? tr("Import e-mail addresses")
                                                       : tr("Import spam keywords"));
    if (ExecDialog(*m_import) == QDialog::Accepted) importRules(*p.list, m_import->lines());
    p.model->reload();
    // Saved whether the box was confirmed or not.
    try {
        BusyCursor busy;
        m_model.Savesettings();
    } catch (const Exception& e) {
        m_prompter.error(e.shown());
    }
    updateCounts();
}

// --- Blacklist page ------------------------------------------------------------------

void TfrmOptionsMain::loadKnownEditor() {
    const QString path = Blacklist::defaultPath();
    m_knownMissing = !QFileInfo::exists(path);
    if (m_knownMissing) {
        memoKnown->clear();
        pnlSorting->setText(tr("Could not locate the known spammer blacklist!"));
        pnlSorting->show();
        btSaveKnown->hide();
        btCancelKnown->hide();
        btEditKnown->hide();
        return;
    }
    pnlSorting->setText(tr("Re-building list ... stand by"));
    pnlSorting->hide();
    btSaveKnown->show();
    btCancelKnown->show();
    btEditKnown->show();
    QFile f(path);
    const QByteArray bytes = f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    QString text = TextFiles::decode(bytes);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    memoKnown->setPlainText(text);
}

void TfrmOptionsMain::setKnownEditing(bool editing) {
    memoKnown->setReadOnly(!editing);
    memoKnown->setBackgroundRole(editing ? QPalette::Base : QPalette::Button);
    QPalette pal = memoKnown->palette();
    pal.setColor(QPalette::Base, palette().color(editing ? QPalette::Base : QPalette::Button));
    memoKnown->setPalette(pal);
    btSaveKnown->setEnabled(editing);
    btCancelKnown->setEnabled(editing);
}

void TfrmOptionsMain::btEditKnownClick() {
    setKnownEditing(true);
    memoKnown->setFocus();
}

void TfrmOptionsMain::btSaveKnownClick() {
    BusyCursor busy;
    pnlSorting->setText(tr("Re-building list ... stand by"));
    pnlSorting->show();
    pnlSorting->repaint();
    const int firstVisible = memoKnown->verticalScrollBar()->value();
    setKnownEditing(false);
    // The editor's text with a final line break, so that its last line counts.
    QString text = memoKnown->toPlainText();
    if (!text.isEmpty() && !text.endsWith(QLatin1Char('\n'))) text += QLatin1Char('\n');
    m_blacklist.rebuildFromText(text);
    try {
        m_blacklist.saveIfExists(Blacklist::defaultPath());
    } catch (const Exception& e) {
        m_prompter.error(e.shown());
    }
    loadKnownEditor();
    if (firstVisible <= memoKnown->verticalScrollBar()->maximum())
        memoKnown->verticalScrollBar()->setValue(firstVisible);
    pnlSorting->hide();
    updateCounts();
}

void TfrmOptionsMain::btCancelKnownClick() {
    setKnownEditing(false);
    loadKnownEditor();
    updateCounts();
}

// --- Valid domains -------------------------------------------------------------------

void TfrmOptionsMain::btResetClick() {
    if (m_prompter.message(tr("Really clear out unknown count?"), Prompter::Icon::Question,
                           Prompter::Buttons::YesNo) == Prompter::Answer::Yes)
        edUnknown->setText(QStringLiteral("0"));
}

// --- OK and Cancel -------------------------------------------------------------------

void TfrmOptionsMain::accept() {
    for (RuleListKind kind : Kinds)
        DeleteDupsFromGrid(*page(kind).list);
    reloadGrids();
    controlsToModel();
    // Confirming is the user's own save: lists that failed to load are written again.
    m_model.allowWriteBack();
    try {
        BusyCursor busy;
        m_model.Savesettings();
    } catch (const Exception& e) {
        m_prompter.error(e.shown());
        return;
    }
    if (btSaveKnown->isEnabled()) btSaveKnownClick();
    updateCounts();
    QDialog::accept();
}

void TfrmOptionsMain::reject() {
    try {
        BusyCursor busy;
        m_model.readSettings();
    } catch (const Exception& e) {
        m_prompter.error(e.shown());
    }
    applyColumnWidths();
    modelToControls();
    if (btCancelKnown->isEnabled()) btCancelKnownClick();
    updateCounts();
    QDialog::reject();
}

// --- Keys ----------------------------------------------------------------------------

bool TfrmOptionsMain::copyCell(RuleListKind kind) {
    const QModelIndex index = page(kind).view->currentIndex();
    if (!index.isValid()) return false;
    QApplication::clipboard()->setText(index.data(Qt::EditRole).toString());
    return true;
}

bool TfrmOptionsMain::pasteCell(RuleListKind kind) {
    ListPage& p = page(kind);
    const QModelIndex index = p.view->currentIndex();
    if (!index.isValid()) return false;
    return p.model->setData(index, QApplication::clipboard()->text().trimmed());
}

bool TfrmOptionsMain::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        for (RuleListKind kind : Kinds) {
            ListPage& p = page(kind);
            if (watched != p.view) continue;
            auto* key = static_cast<QKeyEvent*>(event);
            if (key == QKeySequence::Copy) return copyCell(kind);
            if (key == QKeySequence::Paste) return pasteCell(kind);
            if (key->key() == Qt::Key_Delete && key->modifiers() == Qt::NoModifier) {
                if (p.list->ruleCount() > 1) deleteClick(kind);
                return true;
            }
        }
    }
    return QDialog::eventFilter(watched, event);
}
