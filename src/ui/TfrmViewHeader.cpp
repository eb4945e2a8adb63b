#include "ui/TfrmViewHeader.h"

#include "dialogs/WindowSize.h"
#include "mail/message/Message.h"

#include <QDateTime>
#include <QFontDatabase>
#include <QFormLayout>
#include <QLabel>
#include <QLocale>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

TfrmViewHeader::TfrmViewHeader(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmViewHeader"));
    setWindowTitle(tr("View Selected Headers"));
    setModal(true);

    lblTitle = new QLabel;
    lblTitle->setObjectName(QStringLiteral("lblTitle"));
    QFont bold = lblTitle->font();
    bold.setBold(true);
    lblTitle->setFont(bold);

    pnlMessage = new QWidget;
    pnlMessage->setObjectName(QStringLiteral("pnlMessage"));
    auto* form = new QFormLayout(pnlMessage);
    form->setContentsMargins(0, 0, 0, 0);
    form->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow); // wrap at the full width
    const auto field = [form](const char* name, const QString& caption) {
        auto* value = new QLabel;
        value->setObjectName(QLatin1String(name));
        value->setTextFormat(Qt::PlainText);
        value->setTextInteractionFlags(Qt::TextSelectableByMouse);
        value->setWordWrap(true);
        auto* label = new QLabel(caption);
        QFont f = label->font();
        f.setBold(true);
        label->setFont(f);
        form->addRow(label, value);
        return value;
    };
    lblSubject = field("lblSubject", tr("Subject:"));
    lblFrom = field("lblFrom", tr("From:"));
    lblDate = field("lblDate", tr("Date:"));
    pnlMessage->hide();

    Memo1 = new QPlainTextEdit;
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->setReadOnly(true);
    Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Memo1->setLineWrapMode(QPlainTextEdit::NoWrap);
    Memo1->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    btOK = new QPushButton(tr("OK"));
    btOK->setObjectName(QStringLiteral("btOK"));
    btOK->setDefault(true);
    connect(btOK, &QPushButton::clicked, this, &QDialog::accept);

    auto* v = new QVBoxLayout(this);
    v->addWidget(lblTitle);
    v->addWidget(pnlMessage);
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
        return tr("Contents of selected e-mail headers");
    case MainView::TextKind::Reasons:
        return tr("Reasons that e-mail is marked or not marked");
    case MainView::TextKind::Body:
        break;
    }
    return tr("Contents of e-mail");
}

void TfrmViewHeader::setContents(MainView::TextKind kind, const QStringList& lines) {
    lblTitle->setText(titleOf(kind));
    Memo1->setPlainText(lines.join(QLatin1Char('\n')));
}

void TfrmViewHeader::setMessage(const TmsMessage& message) {
    lblSubject->setText(message.Subject);
    const TmsMailAddress& from = message.Sender;
    lblFrom->setText(from.Name.isEmpty() || from.Address.isEmpty()
                         ? from.Name + from.Address
                         : QStringLiteral("%1 <%2>").arg(from.Name, from.Address));
    lblDate->setText(dateOf(message.Headers.GetFieldValue(QStringLiteral("Date"))));
    pnlMessage->show();
}

QString TfrmViewHeader::dateOf(const QString& field) {
    QString text = field.simplified();
    // A comment after the zone, as in "+0100 (CET)", is not part of the date.
    if (const qsizetype comment = text.indexOf(u'('); comment > 0)
        text = text.left(comment).trimmed();
    // The sender's own clock, as the list shows it.
    const QDateTime at = QDateTime::fromString(text, Qt::RFC2822Date);
    if (!at.isValid()) return field.simplified();
    const QLocale locale;
    return locale.toString(at.date(), QLocale::LongFormat) + QLatin1Char(' ') +
           locale.toString(at.time(), QLocale::ShortFormat);
}
