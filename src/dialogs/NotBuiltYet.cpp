#include "dialogs/NotBuiltYet.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QVBoxLayout>

NotBuiltYet::NotBuiltYet(const QString& title, const QString& what, const QString& command,
                         QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("frmNotBuiltYet"));
    setWindowTitle(title);
    auto* text = new QLabel(
        QStringLiteral("<p>The %1 window is not built yet.</p>"
                       "<p>Meanwhile the command line shows the same data:</p>"
                       "<p><code>%2</code></p>")
            .arg(what.toHtmlEscaped(), command.toHtmlEscaped()));
    text->setObjectName(QStringLiteral("lblText"));
    text->setTextInteractionFlags(Qt::TextSelectableByMouse);
    text->setWordWrap(true);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    auto* v = new QVBoxLayout(this);
    v->addWidget(text);
    v->addWidget(buttons);
    setMinimumWidth(380);
}

NotBuiltYet* NotBuiltYet::spamSettings(QWidget* parent) {
    return new NotBuiltYet(QStringLiteral("Spam settings"), QStringLiteral("spam settings"),
                           QStringLiteral("quillmere-cli rules"), parent);
}
