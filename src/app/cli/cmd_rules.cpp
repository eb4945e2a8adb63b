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
struct CliRules {
    Q_DECLARE_TR_FUNCTIONS(CliRules)
};

QString title(RuleListKind kind) {
    switch (kind) {
    case RuleListKind::Subject:
        return CliRules::tr("Subject rules");
    case RuleListKind::Header:
        return CliRules::tr("Header rules");
    case RuleListKind::Sender:
        return CliRules::tr("Sender rules");
    case RuleListKind::Exception:
        return CliRules::tr("Exceptions");
    }
    return {};
}

QString imageName(int image) {
    if (image == ImageCheck) return CliRules::tr("delete", "mark");
    if (image == ImageQuestion) return CliRules::tr("question", "mark");
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
                     exception ? CliRules::tr("Picture") : CliRules::tr("Mark")};
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
        cliErr() << CliRules::tr("Cannot read %1: %2").arg(name, file.errorString()) << Qt::endl;
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
        failure = e.shown();
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
        cliErr() << e.shown() << Qt::endl;
        return ExitFailure;
    }
    cliOut() << (added == 1 ? CliRules::tr("Added 1 rule to %1")
                            : CliRules::tr("Added %n rules to %1", nullptr, added))
                    .arg(SpamSettings::listPath(list))
             << '\n';
    return ExitOk;
}

int run(const QStringList& args) {
    if (!args.isEmpty() && args.first() == QLatin1String("import")) return runImport(args);
    if (!args.isEmpty()) return cliUsage("rules");
    int rc = ExitOk;
    SpamSettings settings;
    for (RuleList* list : settings.lists()) {
        const QString path = SpamSettings::listPath(*list);
        cliOut() << CliRules::tr("%1 (%2): ").arg(title(list->kind()), path);
        if (!QFileInfo::exists(path)) {
            cliOut() << CliRules::tr("no file, no rules") << "\n\n";
            continue;
        }
        try {
            list->loadFromFile(path);
        } catch (const EFileError& e) {
            cliOut() << CliRules::tr("not readable") << "\n\n";
            cliErr() << e.shown() << Qt::endl;
            rc = ExitFailure;
            continue;
        }
        if (list->isEmpty()) {
            cliOut() << CliRules::tr("no rules") << "\n\n";
            continue;
        }
        const int rules = list->ruleCount();
        cliOut() << (rules == 1 ? CliRules::tr("1 rule") : CliRules::tr("%n rules", nullptr, rules))
                 << '\n';
        printTable(tableOf(*list));
        cliOut() << '\n';
    }

    Blacklist blacklist;
    const QString path = Blacklist::defaultPath();
    blacklist.load(path);
    cliOut() << CliRules::tr("Blacklist (%1): ").arg(path);
    if (!QFileInfo::exists(path))
        cliOut() << CliRules::tr("no file") << '\n';
    else
        cliOut() << (blacklist.count() == 1
                         ? CliRules::tr("1 entry")
                         : CliRules::tr("%n entries", nullptr, int(blacklist.count())))
                 << '\n';
    for (const QString& entry : blacklist.entries())
        cliOut() << "  " << entry << '\n';

    // The learned counts; the listing never creates the database.
    LearnedFilter learned;
    cliOut() << '\n' << CliRules::tr("Learned judgement (%1): ").arg(learned.path());
    if (!QFileInfo::exists(learned.path())) {
        cliOut() << CliRules::tr("nothing learned") << '\n';
    } else if (!learned.open()) {
        cliOut() << CliRules::tr("not readable") << '\n';
        cliErr() << learned.error() << Qt::endl;
        rc = ExitFailure;
    } else {
        cliOut() << CliRules::tr("%1 spam, %2 other, %3 tokens")
                        .arg(learned.spamCount())
                        .arg(learned.otherCount())
                        .arg(learned.tokenCount());
        if (!learned.ready())
            cliOut() << CliRules::tr(" (judges once %1 of each are learned)")
                            .arg(LearnedFilter::MinimumEach);
        cliOut() << '\n';
    }
    return rc;
}

const CliCommand
    command("rules", QT_TRANSLATE_NOOP("CliCommand", "[import subject|exceptions FILE]"),
            QT_TRANSLATE_NOOP("CliCommand", "show the subject, header, sender and exception rules "
                                            "and the blacklist, or add one rule per line of FILE "
                                            "(- for standard input)"),
            run);
} // namespace
