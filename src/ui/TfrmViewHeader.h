#pragma once

#include "core/MainView.h"

#include <QDialog>

class QLabel;
class QPlainTextEdit;
class QPushButton;

// The text window "View Selected Headers": a title by kind, the lines in a
// read-only memo with a vertical scroll bar, and OK.
class TfrmViewHeader : public QDialog {
    Q_OBJECT
public:
    explicit TfrmViewHeader(QWidget* parent = nullptr);

    // Sets the title for kind and the memo's lines.
    void setContents(MainView::TextKind kind, const QStringList& lines);
    // The title of each kind.
    static QString titleOf(MainView::TextKind kind);

    QLabel* lblTitle = nullptr;
    QPlainTextEdit* Memo1 = nullptr;
    QPushButton* btOK = nullptr;
};
