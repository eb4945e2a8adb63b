#include "dialogs/EditorParts.h"

#include "dialogs/MarkImages.h"
#include "rules/RuleEdits.h"

#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace EditorParts {

QLabel* note(const QString& text) {
    auto* l = new QLabel(text);
    l->setWordWrap(true);
    return l;
}

QLabel* heading(const QString& text) {
    auto* l = new QLabel(text);
    QFont f = l->font();
    f.setBold(true);
    f.setPointSizeF(f.pointSizeF() * 1.15);
    l->setFont(f);
    l->setWordWrap(true);
    return l;
}

QComboBox* conditionChoice(int count) {
    auto* c = named(new QComboBox, "cbWhat");
    const QList<ConditionItem>& items = ConditionItems();
    for (int i = 0; i < count && i < items.size(); ++i)
        c->addItem(items[i].shown);
    return c;
}

QComboBox* suggestionField(const QStringList& suggestions, const char* name) {
    auto* c = new QComboBox;
    c->setObjectName(QLatin1String(name));
    c->setEditable(true);
    c->setInsertPolicy(QComboBox::NoInsert);
    c->addItems(suggestions);
    c->setCurrentIndex(-1);
    c->setEditText(QString());
    c->setMinimumContentsLength(20);
    return c;
}

QDialogButtonBox* okCancel(QDialog* dialog, QPushButton** ok, QPushButton** cancel) {
    auto* box = new QDialogButtonBox;
    *ok = named(box->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole), "btOK");
    *cancel =
        named(box->addButton(QStringLiteral("Cancel"), QDialogButtonBox::RejectRole), "btCancel");
    (*ok)->setDefault(true);
    QObject::connect(box, &QDialogButtonBox::accepted, dialog, &QDialog::accept);
    QObject::connect(box, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
    return box;
}

QWidget* markChoice(QRadioButton* check, QRadioButton* question) {
    auto* box = new QGroupBox(QStringLiteral("Mark message with :"));
    auto* v = new QVBoxLayout(box);
    auto* h = new QHBoxLayout;
    check->setIcon(MarkImages::icon(ImageCheck));
    question->setIcon(MarkImages::icon(ImageQuestion));
    h->addWidget(check);
    h->addWidget(question);
    h->addStretch(1);
    v->addLayout(h);
    v->addWidget(note(QStringLiteral("Note: Only messages with a check mark will be deleted.")));
    return box;
}

} // namespace EditorParts

#include "dialogs/TMailAddressDlg.h"

namespace EditorParts {
QString editAddress(const QString& text, QWidget* parent) {
    TmsMailAddress address;
    ParseMailAddress(text.trimmed(), address);
    if (!TMailAddressDlg::Edit(address, parent)) return {};
    return address.Address.isNull() ? QStringLiteral("") : address.Address;
}
} // namespace EditorParts
