#include "dialogs/TfrmImportSpam.h"

#include "dialogs/EditorParts.h"
#include "rules/RuleEdits.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

using namespace EditorParts;

TfrmImportSpam::TfrmImportSpam(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmImportSpam"));
    setWindowTitle(tr("Import new keywords"));
    lblTitle = named(heading(QString()), "lblTitle");
    Memo1 = named(new QPlainTextEdit, "Memo1");
    Memo1->setLineWrapMode(QPlainTextEdit::NoWrap);
    auto* v = new QVBoxLayout(this);
    v->addWidget(lblTitle);
    v->addWidget(Memo1, 1);
    v->addWidget(note(
        tr("A quick way to enter new SPAM subject keywords is to paste them into the box above or "
           "type them in.  They should be entered one per line.  This will allow you to quickly "
           "expand the number of keywords that Quillmere searches for.")));
    v->addWidget(okCancel(this, &btOK, &btCancel));
    setTitle(tr("Import spam keywords"));
    resize(440, 380);
}

void TfrmImportSpam::setTitle(const QString& title) {
    lblTitle->setText(title);
    Memo1->clear();
    m_lines.clear();
}

void TfrmImportSpam::accept() {
    const QString text = Memo1->toPlainText();
    m_lines = importBoxLines(text.isEmpty() ? QStringList() : text.split(QLatin1Char('\n')));
    Memo1->setPlainText(m_lines.join(QLatin1Char('\n')));
    QDialog::accept();
}
