// quillmere-cli rules: the four rule lists and the blacklist as tables.
#include "CliCommand.h"
#include "mail/Exceptions.h"
#include "rules/Blacklist.h"
#include "rules/LearnedFilter.h"
#include "rules/RuleEdits.h"
#include "rules/SpamSettings.h"
#include "settings/ProfileLock.h"
#include "settings/TextFiles.h"

#include <QFile>
#include <QFileInfo>
#include <cstdio>

namespace {
QString title(RuleListKind kind) {
    switch (kind) {
    case RuleListKind::Subject:
        return QStringLiteral("Subject rules");
    case RuleListKind::Header:
        return QStringLiteral("Header rules");
    case RuleListKind::Sender:
        return QStringLiteral("Sender rules");
    case RuleListKind::Exception:
        return QStringLiteral("Exceptions");
    }
    return {};
}

QString imageName(int image) {
    if (image == ImageCheck) return QStringLiteral("delete");
    if (image == ImageQuestion) return QStringLiteral("question");
    return QString::number(image);
}

QString oneLine(QString text) {
    text.replace(QLatin1Char('\r'), QLatin1Char(' '));
    text.replace(QLatin1Char('\n'), QLatin1Char(' '));
    return text;
}

void printTable(const QList<QStringList>& rows) {
    QList<qsizetype> widths;
    for (const QStringList& r : rows)
        for (qsizetype c = 0; c < r.size(); ++c) {
            if (widths.size() <= c) widths.append(0);
            widths[c] = std::max(widths[c], r[c].size());
        }
    for (const QStringList& r : rows) {
        QString line = QStringLiteral("  ");
        for (qsizetype c = 0; c < r.size(); ++c)
            line += c + 1 < r.size() ? r[c].leftJustified(widths[c] + 2) : r[c];
        cliOut() << line << '\n';
    }
}

// The list's rules as table rows: number, mark or picture, then the text columns.
QList<QStringList> tableOf(const RuleList& list) {
    const bool exception = list.kind() == RuleListKind::Exception;
    const QStringList headings = list.headings();
    QStringList head{QStringLiteral("#"),
                     exception ? QStringLiteral("Picture") : QStringLiteral("Mark")};
    for (int c = exception ? 0 : 1; c < (exception ? RuleList::PictureColumn : 6); ++c)
        head << headings[c];
    QList<QStringList> rows{head};
    for (int r = 1; r < list.rowCount(); ++r) {
        QStringList row{QString::number(r), imageName(list.image(r))};
        for (int c = exception ? 0 : 1; c < (exception ? RuleList::PictureColumn : 6); ++c)
            row << oneLine(list.cell(c, r));
        rows << row;
    }
    return rows;
}

// The lines of FILE, or of standard input for "-".
bool readLines(const QString& name, QStringList& lines) {
    QFile file;
    const bool stdinput = name == QLatin1String("-");
    const bool open = stdinput ? file.open(stdin, QIODevice::ReadOnly)
                               : (file.setFileName(name), file.open(QIODevice::ReadOnly));
    if (!open) {
        cliErr() << "Cannot read " << name << ": " << file.errorString() << Qt::endl;
        return false;
    }
    QString text = TextFiles::decode(file.readAll());
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    lines = text.split(QLatin1Char('\n'));
    return true;
}

// rules import subject|exceptions FILE: the page's Import command on the lines
// of FILE, then the save.
int runImport(const QStringList& args) {
    if (args.size() != 3) return cliUsage("rules");
    const QString which = args[1];
    if (which != QLatin1String("subject") && which != QLatin1String("exceptions"))
        return cliUsage("rules");
    QStringList lines;
    if (!readLines(args[2], lines)) return ExitFailure;

    ProfileLock lock;
    if (!cliLockProfile(lock)) return ExitProfileBusy;
    SpamSettings settings;
    RuleList& list = which == QLatin1String("subject") ? settings.gridSubject : settings.gridExcept;
    QString failure;
    try {
        settings.readSettings();
    } catch (const EFileError& e) {
        failure = e.message();
    }
    // A list that could not be loaded is never written over: nothing changes.
    if (!settings.isWritable(list)) {
        cliErr() << failure << Qt::endl;
        return ExitFailure;
    }
    if (!failure.isEmpty()) cliErr() << failure << Qt::endl;
    const int added = importRules(list, lines);
    try {
        settings.Savesettings();
    } catch (const EFileError& e) {
        cliErr() << e.message() << Qt::endl;
        return ExitFailure;
    }
    cliOut() << "Added " << added << (added == 1 ? " rule" : " rules") << " to "
             << SpamSettings::listPath(list) << '\n';
    return ExitOk;
}

int run(const QStringList& args) {
    if (!args.isEmpty() && args.first() == QLatin1String("import")) return runImport(args);
    if (!args.isEmpty()) return cliUsage("rules");
    int rc = ExitOk;
    SpamSettings settings;
    for (RuleList* list : settings.lists()) {
        const QString path = SpamSettings::listPath(*list);
        cliOut() << title(list->kind()) << " (" << path << "): ";
        if (!QFileInfo::exists(path)) {
            cliOut() << "no file, no rules\n\n";
            continue;
        }
        try {
            list->loadFromFile(path);
        } catch (const EFileError& e) {
            cliOut() << "not readable\n\n";
            cliErr() << e.message() << Qt::endl;
            rc = ExitFailure;
            continue;
        }
        if (list->isEmpty()) {
            cliOut() << "no rules\n\n";
            continue;
        }
        cliOut() << list->ruleCount() << (list->ruleCount() == 1 ? " rule\n" : " rules\n");
        printTable(tableOf(*list));
        cliOut() << '\n';
    }

    Blacklist blacklist;
    const QString path = Blacklist::defaultPath();
    blacklist.load(path);
    cliOut() << "Blacklist (" << path << "): ";
    if (!QFileInfo::exists(path))
        cliOut() << "no file\n";
    else
        cliOut() << blacklist.count() << (blacklist.count() == 1 ? " entry\n" : " entries\n");
    for (const QString& entry : blacklist.entries())
        cliOut() << "  " << entry << '\n';

    // The learned counts; the listing never creates the database.
    LearnedFilter learned;
    cliOut() << "\nLearned judgement (" << learned.path() << "): ";
    if (!QFileInfo::exists(learned.path())) {
        cliOut() << "nothing learned\n";
    } else if (!learned.open()) {
        cliOut() << "not readable\n";
        cliErr() << learned.error() << Qt::endl;
        rc = ExitFailure;
    } else {
        cliOut() << learned.spamCount() << " spam, " << learned.otherCount() << " other, "
                 << learned.tokenCount() << " tokens"
                 << (learned.ready() ? QStringLiteral("\n")
                                     : QStringLiteral(" (judges once %1 of each are learned)\n")
                                           .arg(LearnedFilter::MinimumEach));
    }
    return rc;
}

const CliCommand command("rules", "[import subject|exceptions FILE]",
                         "show the subject, header, sender and exception rules and the "
                         "blacklist, or add one rule per line of FILE (- for standard input)",
                         run);
} // namespace
