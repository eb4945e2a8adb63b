#include "ui/DesktopShell.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QProcess>
#include <QUrl>

bool DesktopShell::OpenDocument(const QString& path) {
    if (!QFileInfo::exists(path)) return false;
    return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

bool DesktopShell::StartProgram(const QString& path) {
    // A path that names an existing file is the program itself, spaces and all;
    // anything else is read as a command line.
    if (QFileInfo(path).isFile()) return QProcess::startDetached(path, {});
    QStringList words = QProcess::splitCommand(path);
    if (words.isEmpty()) return false;
    const QString program = words.takeFirst();
    return QProcess::startDetached(program, words);
}
