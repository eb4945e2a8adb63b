#pragma once

#include "core/MainView.h"

#include <QDialog>

class QLabel;
class QPlainTextEdit;
class QPushButton;
class TmsMessage;

// The text window "View Selected Headers": a title by kind, the lines in a
// read-only memo with a vertical scroll bar, and OK. Showing a message's body,
// it names the message's subject, sender and date above the text.
class TfrmViewHeader : public QDialog {
    Q_OBJECT
public:
    explicit TfrmViewHeader(QWidget* parent = nullptr);

    // Sets the title for kind and the memo's lines.
    void setContents(MainView::TextKind kind, const QStringList& lines);
    // The title of each kind.
    static QString titleOf(MainView::TextKind kind);
    // Shows message's subject, sender and date above the text.
    void setMessage(const TmsMessage& message);
    // A message's Date field in the locale's words, on the sender's clock as the
    // list shows it; the field as it is when it is not a date, empty when there is none.
    static QString dateOf(const QString& field);

    QLabel* lblTitle = nullptr;
    QWidget* pnlMessage = nullptr; // subject, sender and date of a body
    QLabel* lblSubject = nullptr;
    QLabel* lblFrom = nullptr;
    QLabel* lblDate = nullptr;
    QPlainTextEdit* Memo1 = nullptr;
    QPushButton* btOK = nullptr;
};
