#include "settings/Autostart.h"

#include "mail/Exceptions.h"
#include "settings/TextFiles.h"

#include <QDir>
#include <QFile>

namespace {
// The Exec key's form of a program path: quoted when it holds a reserved
// character, with the escapes of a quoted argument, then of a string value.
QString execArgument(const QString& program) {
    static const QString reserved = QStringLiteral(" \t\n\"'\\><~|&;$*?#()`");
    QString arg = program;
    arg.replace(QLatin1Char('%'), QStringLiteral("%%"));
    bool quote = false;
    for (const QChar c : program)
        quote = quote || reserved.contains(c);
    if (quote) {
        QString quoted;
        for (const QChar c : std::as_const(arg)) {
            if (c == QLatin1Char('"') || c == QLatin1Char('`') || c == QLatin1Char('$') ||
                c == QLatin1Char('\\'))
                quoted += QLatin1Char('\\');
            quoted += c;
        }
        arg = QLatin1Char('"') + quoted + QLatin1Char('"');
    }
    arg.replace(QLatin1Char('\\'), QStringLiteral("\\\\"));
    return arg;
}
} // namespace

QString Autostart::entryPath() {
    QString config = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (config.isEmpty() || !QDir::isAbsolutePath(config))
        config = QDir::homePath() + QStringLiteral("/.config");
    return QDir::cleanPath(config) + QStringLiteral("/autostart/quillmere.desktop");
}

bool Autostart::isEnabled() {
    QFile file(entryPath());
    if (!file.open(QIODevice::ReadOnly)) return false;
    const QList<QByteArray> lines = file.readAll().split('\n');
    for (const QByteArray& raw : lines) {
        const QByteArray line = raw.trimmed();
        if (line == "Hidden=true" || line == "X-GNOME-Autostart-enabled=false") return false;
    }
    return true;
}

QByteArray Autostart::entryText(const QString& program) {
    return QStringLiteral("[Desktop Entry]\n"
                          "Type=Application\n"
                          "Name=Quillmere\n"
                          "Comment=Checks your POP3 mailboxes for spam in the background\n"
                          "Exec=%1\n"
                          "Icon=quillmere\n"
                          "Terminal=false\n"
                          "X-GNOME-Autostart-enabled=true\n")
        .arg(execArgument(program))
        .toUtf8();
}

void Autostart::setEnabled(bool enabled, const QString& program) {
    const QString path = entryPath();
    if (enabled) {
        if (!TextFiles::replaceAtomically(path, entryText(program)))
            throw EFileError(TrText::translate("Autostart", "Unable to write to %1").arg(path));
    } else if (QFile::exists(path) && !QFile::remove(path)) {
        throw EFileError(TrText::translate("Autostart", "Unable to remove %1").arg(path));
    }
}
