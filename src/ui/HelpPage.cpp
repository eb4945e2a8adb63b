#include "ui/HelpPage.h"

#include "settings/TextFiles.h"
#include "ui/Icons.h"

#include <QDir>
#include <QFile>

namespace HelpPage {

QByteArray html() {
    QFile page(QStringLiteral(":/help/quillmere.html"));
    if (!page.open(QIODevice::ReadOnly)) return {};
    QByteArray text = page.readAll();
    text.replace("@VERSION@", QUILL_VERSION);
    // The pictures travel inside the page: it is read outside the program.
    for (int m = Icons::MarkCount - 1; m >= 0; --m) {
        QFile svg(QStringLiteral(":/icons/B%1.svg").arg(m));
        if (!svg.open(QIODevice::ReadOnly)) continue;
        text.replace("@MARK" + QByteArray::number(m) + '@',
                     "data:image/svg+xml;base64," + svg.readAll().toBase64());
    }
    return text;
}

QString ensureIn(const QString& folder) {
    const QString path = QDir(folder).filePath(QStringLiteral("quillmere.html"));
    const QByteArray wanted = html();
    if (wanted.isEmpty()) return {};
    QFile present(path);
    if (present.open(QIODevice::ReadOnly) && present.readAll() == wanted) return path;
    present.close();
    return TextFiles::replaceAtomically(path, wanted) ? path : QString();
}

} // namespace HelpPage
