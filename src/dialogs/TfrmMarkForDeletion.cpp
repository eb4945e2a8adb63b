#include "dialogs/TfrmMarkForDeletion.h"

#include "dialogs/WindowSize.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

TfrmMarkForDeletion::TfrmMarkForDeletion(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmMarkForDeletion"));
    setWindowTitle(tr("Mark e-mail for deletion"));
    setModal(true);

    lblTitle = new QLabel(tr("Mark these messages to delete"));
    lblTitle->setObjectName(QStringLiteral("lblTitle"));
    QFont bold = lblTitle->font();
    bold.setBold(true);
    lblTitle->setFont(bold);

    grid = new QTableWidget(MessageRows, 2);
    grid->setObjectName(QStringLiteral("grid"));
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid->setWordWrap(false);
    grid->verticalHeader()->hide();
    grid->verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    grid->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    grid->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Interactive);
    grid->horizontalHeader()->setHighlightSections(false);

    cbSubject = new QCheckBox(tr("Always &delete mail with these particular subject headings"));
    cbSubject->setObjectName(QStringLiteral("cbSubject"));
    cbSubject->setChecked(true);
    cbFrom = new QCheckBox(tr("&Always delete mail from these particular senders"));
    cbFrom->setObjectName(QStringLiteral("cbFrom"));
    cbFrom->setChecked(true);

    btOK = new QPushButton(tr("OK"));
    btOK->setObjectName(QStringLiteral("btOK"));
    btOK->setDefault(true);
    btCancel = new QPushButton(tr("Cancel"));
    btCancel->setObjectName(QStringLiteral("btCancel"));
    connect(btOK, &QPushButton::clicked, this, &QDialog::accept);
    connect(btCancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(btOK);
    buttons->addWidget(btCancel);
    auto* v = new QVBoxLayout(this);
    v->addWidget(lblTitle);
    v->addWidget(grid, 1);
    v->addWidget(cbSubject);
    v->addWidget(cbFrom);
    v->addLayout(buttons);

    WindowSize::keep(this, QStringLiteral("MarkForDeletion"), QSize(560, 400));
}

void TfrmMarkForDeletion::setRows(const QList<std::pair<QString, QString>>& rows) {
    grid->clearContents();
    for (int r = 0; r < rows.size() && r < MessageRows; ++r) {
        grid->setItem(r, 0, new QTableWidgetItem(rows[r].first));
        grid->setItem(r, 1, new QTableWidgetItem(rows[r].second));
    }
    // The sender column wide enough for the longest sender, within reason.
    grid->resizeColumnToContents(1);
    grid->setColumnWidth(1, std::clamp(grid->columnWidth(1), 120, 320));
}

void TfrmMarkForDeletion::showEvent(QShowEvent* event) {
    grid->setHorizontalHeaderLabels({tr("Subject"), tr("From")});
    QDialog::showEvent(event);
}
