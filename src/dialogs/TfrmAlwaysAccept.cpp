#include "dialogs/TfrmAlwaysAccept.h"

#include "dialogs/EditorParts.h"
#include "dialogs/MarkImages.h"
#include "dialogs/RuleWords.h"
#include "settings/Prompter.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QVBoxLayout>

using namespace EditorParts;

namespace {
constexpr int PictureCount = ImageLastPicture - ImageFirstPicture + 1;
}

TfrmAlwaysAccept::TfrmAlwaysAccept(Prompter& prompter, QWidget* parent)
    : QDialog(parent), m_prompter(prompter) {
    setObjectName(QStringLiteral("frmAlwaysAccept"));
    setWindowTitle(tr("Accept e-mail from"));

    rbEmail = named(new QRadioButton(tr("The explicit e-mail address is:")), "rbEmail");
    edEmail = named(new QLineEdit, "edEmail");
    edEmail->setToolTip(tr("Type in an e-mail address (jane.doe@example.com)"));
    btAddress = named(new QPushButton(tr("&Address...")), "btAddress");
    btAddress->setToolTip(tr("Take the address out of a name and address"));
    rbDomain = named(new QRadioButton(tr("The domain name is:")), "rbDomain");
    edDomain = named(new QLineEdit, "edDomain");
    edDomain->setToolTip(tr("The domain is the part after the '@' symbol"));
    rbSubject = named(new QRadioButton(tr("When the")), "rbSubject");
    cbLine = named(new QComboBox, "cbLine");
    // The header lines by their field names; "Any Header" in the user's words.
    for (const QString& line : exceptionLines())
        cbLine->addItem(RuleWords::word(line));
    cbWhat = conditionChoice(TextConditionCount);
    edSubject = named(new QLineEdit, "edSubject");
    cbCase = named(new QCheckBox(tr("&Check if case matters (upper/lower)")), "cbCase");
    auto* options = new QButtonGroup(this);
    for (QRadioButton* rb : {rbEmail, rbDomain, rbSubject})
        options->addButton(rb);

    lvPictures = named(new QListWidget, "lvPictures");
    lvPictures->setViewMode(QListView::IconMode);
    lvPictures->setFlow(QListView::LeftToRight);
    lvPictures->setWrapping(false);
    lvPictures->setMovement(QListView::Static);
    lvPictures->setSelectionMode(QAbstractItemView::SingleSelection);
    lvPictures->setIconSize(QSize(24, 24));
    lvPictures->setStyleSheet(
        QStringLiteral("QListWidget::item { border: 2px solid transparent; }"
                       "QListWidget::item:selected { border: 2px solid palette(highlight); "
                       "background: palette(highlight); }"));
    lvPictures->setGridSize(QSize(34, 34));
    lvPictures->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    lvPictures->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    for (int i = 0; i < PictureCount; ++i) {
        auto* item = new QListWidgetItem(MarkImages::icon(ImageFirstPicture + i), QString());
        item->setToolTip(tr("Picture %1").arg(i + 1));
        item->setSizeHint(lvPictures->gridSize() - QSize(2, 2));
        lvPictures->addItem(item);
    }
    lvPictures->setFixedHeight(lvPictures->gridSize().height() +
                               lvPictures->horizontalScrollBar()->sizeHint().height() + 6);
    lvPictures->setMinimumWidth(lvPictures->gridSize().width() * PictureCount + 8);

    auto* v = new QVBoxLayout(this);
    v->addWidget(heading(tr("Always accept e-mail when:")));
    auto* g = new QGridLayout;
    g->setColumnMinimumWidth(0, 20);
    g->addWidget(rbEmail, 0, 0, 1, 4);
    g->addWidget(edEmail, 1, 1, 1, 2);
    g->addWidget(btAddress, 1, 3);
    g->addWidget(rbDomain, 2, 0, 1, 4);
    g->addWidget(edDomain, 3, 1, 1, 3);
    auto* when = new QHBoxLayout;
    when->addWidget(rbSubject);
    when->addWidget(cbLine);
    when->addStretch(1);
    g->addLayout(when, 4, 0, 1, 4);
    g->addWidget(cbWhat, 5, 1);
    g->addWidget(edSubject, 5, 2, 1, 2);
    g->addWidget(cbCase, 6, 1, 1, 3);
    g->setColumnStretch(2, 1);
    v->addLayout(g);
    v->addWidget(note(tr("Select an image to easily associate an incoming e-mail from "
                         "a friend or mailing list.")));
    v->addWidget(lvPictures);
    v->addStretch(1);
    v->addWidget(okCancel(this, &btOK, &btCancel));

    connect(options, &QButtonGroup::buttonToggled, this, [this](QAbstractButton*, bool on) {
        if (!on) return;
        showOptionFields();
        (rbEmail->isChecked() ? edEmail : rbDomain->isChecked() ? edDomain : edSubject)->setFocus();
    });
    connect(btAddress, &QPushButton::clicked, this, [this] {
        const QString address = editAddress(edEmail->text(), this);
        if (!address.isNull()) edEmail->setText(address);
    });

    setFields(ExceptionRuleFields());
    resize(sizeHint().expandedTo(QSize(460, 0)));
}

void TfrmAlwaysAccept::setFields(const ExceptionRuleFields& f) {
    switch (f.kind) {
    case ExceptionRuleFields::EmailAddress:
        rbEmail->setChecked(true);
        break;
    case ExceptionRuleFields::DomainName:
        rbDomain->setChecked(true);
        break;
    case ExceptionRuleFields::HeaderLine:
        rbSubject->setChecked(true);
        break;
    }
    edEmail->setText(f.email);
    edDomain->setText(f.domain);
    edSubject->setText(f.text);
    cbLine->setCurrentIndex(f.line);
    cbWhat->setCurrentIndex(f.condition);
    cbCase->setChecked(f.caseMatters);
    m_picture = f.picture;
    lvPictures->setCurrentRow(m_picture - ImageFirstPicture);
    showOptionFields();
}

ExceptionRuleFields TfrmAlwaysAccept::fields() const {
    ExceptionRuleFields f;
    f.kind = rbDomain->isChecked()    ? ExceptionRuleFields::DomainName
             : rbSubject->isChecked() ? ExceptionRuleFields::HeaderLine
                                      : ExceptionRuleFields::EmailAddress;
    f.email = edEmail->text();
    f.domain = edDomain->text();
    f.line = cbLine->currentIndex();
    f.condition = cbWhat->currentIndex();
    f.text = edSubject->text();
    f.caseMatters = cbCase->isChecked();
    f.picture = m_picture;
    return f;
}

void TfrmAlwaysAccept::showOptionFields() {
    edEmail->setVisible(rbEmail->isChecked());
    btAddress->setVisible(rbEmail->isChecked());
    edDomain->setVisible(rbDomain->isChecked());
    const bool line = rbSubject->isChecked();
    cbWhat->setVisible(line);
    edSubject->setVisible(line);
    cbCase->setVisible(line);
}

void TfrmAlwaysAccept::accept() {
    ExceptionRuleFields f = fields();
    const QString error = exceptionInputError(f);
    if (!error.isEmpty()) {
        m_prompter.error(error);
        (f.kind == ExceptionRuleFields::EmailAddress ? edEmail
         : f.kind == ExceptionRuleFields::DomainName ? edDomain
                                                     : edSubject)
            ->setFocus();
        return;
    }
    edEmail->setText(f.email);
    edDomain->setText(f.domain);
    edSubject->setText(f.text);
    const int selected = lvPictures->currentRow();
    m_picture = ImageFirstPicture + (selected >= 0 ? selected : 0);
    QDialog::accept();
}
