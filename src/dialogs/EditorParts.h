#pragma once

#include <QDialogButtonBox>
#include <QLabel>
#include <QString>
#include <QStringList>

class QComboBox;
class QDialog;
class QPushButton;
class QRadioButton;
class QWidget;

// Pieces the rule editors share.
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
// An editable text field offering suggestions.
QComboBox* suggestionField(const QStringList& suggestions, const char* name);
// OK (the default button) and Cancel, wired to accept and reject of dialog.
QDialogButtonBox* okCancel(QDialog* dialog, QPushButton** ok, QPushButton** cancel);
// The mark choice: "Mark message with :", the two options and the note.
QWidget* markChoice(QRadioButton* check, QRadioButton* question);
} // namespace EditorParts

namespace EditorParts {
// Opens the address dialog on text (read as "Name <address>", "address (Name)"
// or a bare address); the edited address when confirmed, else a null string.
QString editAddress(const QString& text, QWidget* parent);
} // namespace EditorParts
