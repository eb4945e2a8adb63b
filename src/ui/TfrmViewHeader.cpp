#include "ui/TfrmViewHeader.h"

#include "dialogs/WindowSize.h"

#include <QFontDatabase>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

TfrmViewHeader::TfrmViewHeader(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmViewHeader"));
    setWindowTitle(QStringLiteral("View Selected Headers"));
    setModal(true);

    lblTitle = new QLabel;
    lblTitle->setObjectName(QStringLiteral("lblTitle"));
    QFont bold = lblTitle->font();
    bold.setBold(true);
    lblTitle->setFont(bold);
    Memo1 = new QPlainTextEdit;
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->setReadOnly(true);
    Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Memo1->setLineWrapMode(QPlainTextEdit::NoWrap);
    Memo1->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    btOK = new QPushButton(QStringLiteral("OK"));
    btOK->setObjectName(QStringLiteral("btOK"));
    btOK->setDefault(true);
    connect(btOK, &QPushButton::clicked, this, &QDialog::accept);

    auto* v = new QVBoxLayout(this);
    v->addWidget(lblTitle);
    v->addWidget(Memo1, 1);
    v->addWidget(btOK, 0, Qt::AlignHCenter);
    // Long bodies and header lines read better in a larger window: it keeps the
    // size the user gives it.
    setMinimumSize(320, 200);
    WindowSize::keep(this, QStringLiteral("ViewHeader"), QSize(600, 420));
}

QString TfrmViewHeader::titleOf(MainView::TextKind kind) {
    switch (kind) {
    case MainView::TextKind::Headers:
        return QStringLiteral("Contents of selected e-mail headers");
    case MainView::TextKind::Reasons:
        return QStringLiteral("Reasons that e-mail is marked or not marked");
    case MainView::TextKind::Body:
        break;
    }
    return QStringLiteral("Contents of e-mail");
}

void TfrmViewHeader::setContents(MainView::TextKind kind, const QStringList& lines) {
    lblTitle->setText(titleOf(kind));
    Memo1->setPlainText(lines.join(QLatin1Char('\n')));
}
