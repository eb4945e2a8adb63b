#include "MessageFiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {
struct MessageFiles {
    Q_DECLARE_TR_FUNCTIONS(MessageFiles)
};

// The header of one message: its lines up to the first empty one.
TmsHeaders headerOf(QByteArrayView raw) {
    qsizetype end = raw.size();
    for (qsizetype i = 0; i < raw.size(); ++i) {
        if (raw[i] != '\n') continue;
        const qsizetype next = i + 1 < raw.size() && raw[i + 1] == '\r' ? i + 2 : i + 1;
        if (next < raw.size() && raw[next] == '\n') {
            end = i;
            break;
        }
        if (next >= raw.size()) break;
    }
    TmsHeaders headers;
    headers.LoadFromBytes(raw.first(end).toByteArray());
    return headers;
}

// A mailbox file: each message starts with a "From " line at the file's start or after an empty
// line.
void splitMailbox(const QString& path, const QByteArray& raw, QList<FoundMessage>& found) {
    QList<qsizetype> starts;
    for (qsizetype i = 0; i < raw.size();) {
        const bool atStart =
            i == 0 ||
            (i >= 2 && raw[i - 1] == '\n' &&
             (raw[i - 2] == '\n' || (i >= 3 && raw[i - 2] == '\r' && raw[i - 3] == '\n')));
        if (atStart && QByteArrayView(raw).sliced(i).startsWith("From ")) starts.append(i);
        const qsizetype nl = raw.indexOf('\n', i);
        if (nl < 0) break;
        i = nl + 1;
    }
    for (qsizetype k = 0; k < starts.size(); ++k) {
        const qsizetype from = raw.indexOf('\n', starts[k]) + 1; // after the "From " line
        const qsizetype to = k + 1 < starts.size() ? starts[k + 1] : raw.size();
        if (from <= 0 || from > to) continue;
        found.append({QStringLiteral("%1#%2").arg(path).arg(k + 1),
                      headerOf(QByteArrayView(raw).sliced(from, to - from))});
    }
}

bool readFile(const QString& path, QList<FoundMessage>& found, QString& error) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        error = MessageFiles::tr("Cannot read %1: %2").arg(path, file.errorString());
        return false;
    }
    const QByteArray raw = file.readAll();
    if (raw.startsWith("From ")) {
        splitMailbox(path, raw, found);
        return true;
    }
    found.append({path, headerOf(raw)});
    return true;
}

} // namespace

bool readMessages(const QStringList& paths, QList<FoundMessage>& found, QString& error) {
    for (const QString& path : paths) {
        const QFileInfo info(path);
        if (!info.exists()) {
            error = MessageFiles::tr("Cannot read %1: no such file or folder").arg(path);
            return false;
        }
        if (!info.isDir()) {
            if (!readFile(path, found, error)) return false;
            continue;
        }
        const QDir dir(path);
        QStringList folders;
        if (dir.exists(QStringLiteral("cur")) || dir.exists(QStringLiteral("new")))
            folders = {dir.filePath(QStringLiteral("cur")), dir.filePath(QStringLiteral("new"))};
        else
            folders = {path};
        for (const QString& folder : folders) {
            const QDir d(folder);
            if (!d.exists()) continue;
            for (const QString& name : d.entryList(QDir::Files, QDir::Name))
                if (!readFile(d.filePath(name), found, error)) return false;
        }
    }
    return true;
}
