#pragma once

#include <QDialog>

class QLabel;
class QPlainTextEdit;
class QPushButton;

// The import box: many keywords or addresses pasted or typed at once, one per
// line. OK drops each line equal to the line before it; lines() gives the rest.
class TfrmImportSpam : public QDialog {
    Q_OBJECT
public:
    explicit TfrmImportSpam(QWidget* parent = nullptr);

    // "Import spam keywords" (the default) or "Import e-mail addresses"; also
    // empties the text box for the next import.
    void setTitle(const QString& title);
    // The lines kept by OK.
    QStringList lines() const { return m_lines; }

    void accept() override;

    QLabel* lblTitle = nullptr;
    QPlainTextEdit* Memo1 = nullptr;
    QPushButton* btOK = nullptr;
    QPushButton* btCancel = nullptr;

private:
    QStringList m_lines;
};
