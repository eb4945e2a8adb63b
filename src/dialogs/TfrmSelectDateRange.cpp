#include "dialogs/TfrmSelectDateRange.h"

#include "activity/LogStamp.h"
#include "settings/Clock.h"

#include <QButtonGroup>
#include <QDateEdit>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace {
// A date field with a calendar that drops down; month and day always filled in.
QDateEdit* dateField(const char* name) {
    auto* field = new QDateEdit;
    field->setObjectName(QString::fromLatin1(name));
    field->setCalendarPopup(true);
    field->setDisplayFormat(LogDateFormat());
    return field;
}

QSpinBox* numberField(const char* name, int max) {
    auto* field = new QSpinBox;
    field->setObjectName(QString::fromLatin1(name));
    field->setRange(1, max);
    field->setValue(1);
    return field;
}
} // namespace

TfrmSelectDateRange::TfrmSelectDateRange(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmSelectDateRange"));
    setWindowTitle(tr("Select Date Range"));

    auto* heading = new QLabel(tr("Select a date range"));
    heading->setObjectName(QStringLiteral("lblHeading"));
    QFont big = heading->font();
    big.setBold(true);
    big.setPointSizeF(big.pointSizeF() * 1.3);
    heading->setFont(big);

    rbBetween = new QRadioButton(tr("between"));
    rbBetween->setObjectName(QStringLiteral("rbBetween"));
    rbMonths = new QRadioButton(tr("during the previous"));
    rbMonths->setObjectName(QStringLiteral("rbMonths"));
    rbDays = new QRadioButton(tr("during the previous"));
    rbDays->setObjectName(QStringLiteral("rbDays"));
    auto* group = new QButtonGroup(this);
    for (QRadioButton* rb : {rbBetween, rbMonths, rbDays}) {
        group->addButton(rb);
        connect(rb, &QRadioButton::clicked, this, [this] {
            enableInputs();
            computeStartEnd();
        });
    }
    rbBetween->setChecked(true);

    dtStart = dateField("dtStart");
    dtEnd = dateField("dtEnd");
    connect(dtStart, &QDateEdit::editingFinished, this, &TfrmSelectDateRange::dtStartExit);
    nMonths = numberField("nMonths", 12);
    nDays = numberField("nDays", 365);
    const QDate today = Clock::current().now().date();
    dtStart->setDate(today);
    dtEnd->setDate(today);

    auto* grid = new QGridLayout;
    grid->addWidget(rbBetween, 0, 0);
    grid->addWidget(dtStart, 0, 1);
    grid->addWidget(new QLabel(tr("and")), 0, 2);
    grid->addWidget(dtEnd, 0, 3);
    grid->addWidget(rbMonths, 1, 0);
    grid->addWidget(nMonths, 1, 1);
    grid->addWidget(new QLabel(tr("months")), 1, 2, 1, 2);
    grid->addWidget(rbDays, 2, 0);
    grid->addWidget(nDays, 2, 1);
    grid->addWidget(new QLabel(tr("days")), 2, 2, 1, 2);
    grid->setColumnStretch(4, 1);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("btOK"));
    buttons->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("btCancel"));
    connect(buttons, &QDialogButtonBox::accepted, this, &TfrmSelectDateRange::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &TfrmSelectDateRange::reject);

    auto* v = new QVBoxLayout(this);
    v->addWidget(heading);
    v->addLayout(grid);
    v->addStretch(1);
    v->addWidget(buttons);
    enableInputs();
    computeStartEnd();
}

void TfrmSelectDateRange::setDates(const QDate& start, const QDate& end) {
    dtStart->setDate(start);
    dtEnd->setDate(end);
}

DateRangeChoice TfrmSelectDateRange::choice() const {
    DateRangeChoice c;
    c.kind = rbMonths->isChecked() ? DateRangeChoice::Months
             : rbDays->isChecked() ? DateRangeChoice::Days
                                   : DateRangeChoice::Between;
    c.start = dtStart->date();
    c.end = dtEnd->date();
    c.months = nMonths->value();
    c.days = nDays->value();
    return c;
}

void TfrmSelectDateRange::computeStartEnd() {
    m_range = ::computeStartEnd(choice(), Clock::current().now().date());
}

void TfrmSelectDateRange::accept() {
    dtStartExit();
    computeStartEnd();
    QDialog::accept();
}

void TfrmSelectDateRange::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    computeStartEnd();
}

void TfrmSelectDateRange::enableInputs() {
    dtStart->setEnabled(rbBetween->isChecked());
    dtEnd->setEnabled(rbBetween->isChecked());
    nMonths->setEnabled(rbMonths->isChecked());
    nDays->setEnabled(rbDays->isChecked());
}

void TfrmSelectDateRange::dtStartExit() {
    if (dtStart->date() > dtEnd->date()) dtEnd->setDate(dtStart->date());
}
