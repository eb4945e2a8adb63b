#pragma once

#include <QDialogButtonBox>
#include <QLabel>
#include <QString>
#include <QStringList>
#include <functional>

class QComboBox;
class QDialog;
class QHBoxLayout;
class QPushButton;
class QRadioButton;
class QWidget;

// Pieces the settings dialogs and the rule editors share.
namespace EditorParts {
// Gives a widget its object name and returns it.
template <typename W> W* named(W* w, const char* name) {
    w->setObjectName(QLatin1String(name));
    return w;
}
// A label that wraps.
QLabel* note(const QString& text);
// A bold heading.
QLabel* heading(const QString& text);
// A condition choice holding the first count condition items.
QComboBox* conditionChoice(int count);
// The suggestions of a rule editor's text field, in the order offered: list
// is "subject", "sender" or "header" (one per line in suggestions/LIST.txt).
QStringList suggestions(const QString& list);
// An editable text field offering the suggestions of list in a drop-down and,
// while typing, in a list of those that start with the text typed. The text is
// what the user typed or picked: nothing is completed without being picked.
QComboBox* suggestionField(const QString& list, const char* name);
// OK (the default button) and Cancel, wired to accept and reject of dialog.
QDialogButtonBox* okCancel(QDialog* dialog, QPushButton** ok, QPushButton** cancel);
// OK (the default button), Cancel and Help, named btOK, btCancel and btHelp:
// OK runs onOk, Cancel rejects dialog, Help runs onHelp.
QDialogButtonBox* okCancelHelp(QDialog* dialog, QPushButton** ok, QPushButton** cancel,
                               QPushButton** help, std::function<void()> onOk,
                               std::function<void()> onHelp);
// "Block out a country" (btCountry) and the label that names the country
// picked (lblCountry), in a row. The button asks choose for a country (the
// country table, set here; tests replace it) and hands a confirmed choice
// (the domain ending and the country's name) to apply.
QHBoxLayout* countryRow(QDialog* dialog, QPushButton** button, QLabel** label,
                        std::function<bool(QString& ending, QString& name)>& choose,
                        std::function<void(const QString& ending, const QString& name)> apply);
// The mark choice: "Mark message with :", the two options and the note.
QWidget* markChoice(QRadioButton* check, QRadioButton* question);
} // namespace EditorParts

namespace EditorParts {
// Opens the address dialog on text (read as "Name <address>", "address (Name)"
// or a bare address); the edited address when confirmed, else a null string.
QString editAddress(const QString& text, QWidget* parent);
} // namespace EditorParts
