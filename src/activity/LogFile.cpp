#include "activity/LogFile.h"

#include "mail/Exceptions.h"
#include "settings/Prompter.h"

#include <QCoreApplication>

bool LogFile::IsBlank(const QString& path) {
    for (QChar c : path) {
        if (c != u' ' && c != u'\r' && c != u'\n' && c != QChar(8)) return false;
    }
    return true;
}

void LogFile::OpenLogFile(const QString& path) {
    if (IsOpen() || IsBlank(path)) return;
    m_file.setFileName(path);
    if (!m_file.open(QIODevice::WriteOnly | QIODevice::Append)) {
        const QString reason = m_file.errorString();
        m_file.setFileName(QString());
        throw EFileError(
            TrText::translate("LogFile", "Cannot open file \"%1\". %2").arg(path, reason));
    }
}

void LogFile::WriteLogLine(const QString& text) {
    if (!IsOpen()) return;
    const QByteArray bytes = text.toUtf8() + "\r\n";
    if (m_file.write(bytes) != bytes.size() || !m_file.flush()) {
        throw EFileError(TrText::translate("LogFile", "Cannot write to file \"%1\". %2")
                             .arg(m_file.fileName(), m_file.errorString()));
    }
}

void LogFile::WriteLogLines(const QStringList& lines) {
    for (const QString& line : lines)
        WriteLogLine(line);
}

void LogFile::CloseLogFile() {
    if (IsOpen()) m_file.close();
}

void LogFile::AppendLogEntry(const QString& path, const QString& text) {
    // A log held open (a deletion writing its blocks) stays open for them.
    if (IsOpen()) {
        WriteLogLine(text);
        return;
    }
    OpenLogFile(path);
    try {
        WriteLogLine(text);
    } catch (...) {
        CloseLogFile();
        throw;
    }
    CloseLogFile();
}

bool LogFile::ClearLogFile(const QString& path, Prompter& prompter) {
    const Prompter::Answer answer = prompter.message(
        QCoreApplication::translate("LogFile",
                                    "If you answer Yes, you will lose any statistics related to "
                                    "this log file. Really clear out log file?"),
        Prompter::Icon::Question, Prompter::Buttons::YesNo);
    if (answer != Prompter::Answer::Yes) return false;
    if (QFile::exists(path)) QFile::remove(path);
    return true;
}
