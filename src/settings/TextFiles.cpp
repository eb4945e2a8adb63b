#include "settings/TextFiles.h"

#include "mail/mime/Text.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <atomic>
#include <cstdio>
#include <unistd.h>

namespace {
std::atomic<int> replacements{0};
} // namespace

QString TextFiles::decode(const QByteArray& bytes) {
    return TextFromBytes(bytes);
}

QString TextFiles::temporaryPath(const QString& path) {
    return path + QStringLiteral(".new");
}

bool TextFiles::replaceAtomically(const QString& path, const QByteArray& data,
                                  std::optional<QFileDevice::Permissions> permissions) {
    const QFileInfo target(path);
    if (!QDir().mkpath(target.absolutePath())) return false;
    QFileDevice::Permissions perms = QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                     QFileDevice::ReadGroup | QFileDevice::ReadOther;
    if (permissions)
        perms = *permissions;
    else if (target.isFile())
        perms = QFile::permissions(path);

    const QString tmpPath = temporaryPath(path);
    QFile tmp(tmpPath);
    if (!tmp.open(QIODevice::WriteOnly | QIODevice::Truncate, perms)) return false;
    // A temporary file left over from an earlier crash keeps its old mode: set it again.
    bool ok = tmp.setPermissions(perms) && tmp.write(data) == data.size() && tmp.flush() &&
              ::fsync(tmp.handle()) == 0;
    tmp.close();
    ok = ok && tmp.error() == QFileDevice::NoError;
    ok = ok && std::rename(QFile::encodeName(tmpPath).constData(),
                           QFile::encodeName(path).constData()) == 0;
    if (!ok) QFile::remove(tmpPath);
    if (ok) ++replacements;
    return ok;
}

int TextFiles::replacementCount() {
    return replacements;
}
