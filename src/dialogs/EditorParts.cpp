#include "dialogs/EditorParts.h"

#include "dialogs/MarkImages.h"
#include "dialogs/TfrmInternet.h"
#include "rules/RuleEdits.h"

#include <QComboBox>
#include <QCompleter>
#include <QCoreApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFile>
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
        c->addItem(QCoreApplication::translate("RuleEdits", items[i].shown.toUtf8().constData()));
    return c;
}

QStringList suggestions(const QString& list) {
    QFile file(QStringLiteral(":/suggestions/%1.txt").arg(list));
    if (!file.open(QIODevice::ReadOnly)) return {};
    QStringList lines = QString::fromUtf8(file.readAll()).split(u'\n', Qt::SkipEmptyParts);
    for (QString& line : lines)
        if (line.endsWith(u'\r')) line.chop(1);
    return lines;
}

QComboBox* suggestionField(const QString& list, const char* name) {
    auto* c = new QComboBox;
    c->setObjectName(QLatin1String(name));
    c->setEditable(true);
    c->setInsertPolicy(QComboBox::NoInsert);
    c->addItems(suggestions(list));
    // Suggestions are shown as the user types, never written into the field.
    // They match in case: the combo box takes a suggestion that differs only
    // in case for the text when editing ends, and a rule may care about case.
    c->completer()->setCompletionMode(QCompleter::PopupCompletion);
    c->completer()->setCaseSensitivity(Qt::CaseSensitive);
    c->setCurrentIndex(-1);
    c->setEditText(QString());
    c->setMinimumContentsLength(20);
    return c;
}

QDialogButtonBox* okCancel(QDialog* dialog, QPushButton** ok, QPushButton** cancel) {
    // In the dialog before OK becomes its default, or Enter finds another button.
    auto* box = new QDialogButtonBox(dialog);
    *ok = named(box->addButton(QCoreApplication::translate("EditorParts", "OK"),
                               QDialogButtonBox::AcceptRole),
                "btOK");
    *cancel = named(box->addButton(QCoreApplication::translate("EditorParts", "Cancel"),
                                   QDialogButtonBox::RejectRole),
                    "btCancel");
    (*ok)->setDefault(true);
    QObject::connect(box, &QDialogButtonBox::accepted, dialog, &QDialog::accept);
    QObject::connect(box, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
    return box;
}

QDialogButtonBox* okCancelHelp(QDialog* dialog, QPushButton** ok, QPushButton** cancel,
                               QPushButton** help, std::function<void()> onOk,
                               std::function<void()> onHelp) {
    auto* box = new QDialogButtonBox(dialog);
    *ok = named(box->addButton(QCoreApplication::translate("EditorParts", "OK"),
                               QDialogButtonBox::AcceptRole),
                "btOK");
    *cancel = named(box->addButton(QCoreApplication::translate("EditorParts", "Cancel"),
                                   QDialogButtonBox::RejectRole),
                    "btCancel");
    *help = named(box->addButton(QCoreApplication::translate("EditorParts", "Help"),
                                 QDialogButtonBox::HelpRole),
                  "btHelp");
    (*ok)->setDefault(true);
    QObject::connect(*ok, &QPushButton::clicked, dialog, std::move(onOk));
    QObject::connect(*cancel, &QPushButton::clicked, dialog, &QDialog::reject);
    QObject::connect(*help, &QPushButton::clicked, dialog, std::move(onHelp));
    return box;
}

QHBoxLayout* countryRow(QDialog* dialog, QPushButton** button, QLabel** label,
                        std::function<bool(QString& ending, QString& name)>& choose,
                        std::function<void(const QString& ending, const QString& name)> apply) {
    *button =
        named(new QPushButton(QCoreApplication::translate("EditorParts", "Block out a country")),
              "btCountry");
    *label = named(new QLabel, "lblCountry");
    choose = [dialog](QString& ending, QString& name) {
        TfrmInternet table(dialog);
        if (table.exec() != QDialog::Accepted) return false;
        ending = table.domainEnding();
        name = table.countryName();
        return true;
    };
    QObject::connect(*button, &QPushButton::clicked, dialog, [&choose, apply = std::move(apply)] {
        QString ending, name;
        if (choose && choose(ending, name)) apply(ending, name);
    });
    auto* row = new QHBoxLayout;
    row->addWidget(*button);
    row->addWidget(*label, 1);
    return row;
}

QWidget* markChoice(QRadioButton* check, QRadioButton* question) {
    auto* box = new QGroupBox(QCoreApplication::translate("EditorParts", "Mark message with :"));
    auto* v = new QVBoxLayout(box);
    auto* h = new QHBoxLayout;
    check->setIcon(MarkImages::icon(ImageCheck));
    question->setIcon(MarkImages::icon(ImageQuestion));
    h->addWidget(check);
    h->addWidget(question);
    h->addStretch(1);
    v->addLayout(h);
    v->addWidget(note(QCoreApplication::translate(
        "EditorParts", "Note: Only messages with a check mark will be deleted.")));
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
