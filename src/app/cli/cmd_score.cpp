// quillmere-cli score: the learned judgement of message files, with the tokens that weighed most.
#include "CliCommand.h"
#include "MessageFiles.h"
#include "rules/LearnedFilter.h"
#include "settings/SettingsStore.h"

#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {
struct CliScore {
    Q_DECLARE_TR_FUNCTIONS(CliScore)
};

QJsonArray weightsJson(const QList<LearnedWeight>& list) {
    QJsonArray a;
    for (const LearnedWeight& w : list)
        a.append(QJsonObject{{"token", w.token}, {"probability", w.spamProbability}});
    return a;
}

QString weightsText(const QList<LearnedWeight>& list) {
    QStringList parts;
    for (const LearnedWeight& w : list)
        parts << QStringLiteral("%1 (%2)").arg(w.token).arg(w.spamProbability, 0, 'f', 2);
    return parts.isEmpty() ? QStringLiteral("-") : parts.join(QStringLiteral(", "));
}

int run(const QStringList& args) {
    bool json = false;
    QStringList paths;
    for (const QString& arg : args) {
        if (arg == QLatin1String("--json"))
            json = true;
        else if (arg.startsWith(u'-') && arg != QLatin1String("-"))
            return cliUsage("score");
        else
            paths << arg;
    }
    if (paths.isEmpty()) return cliUsage("score");
    QList<FoundMessage> found;
    QString error;
    if (!readMessages(paths, found, error)) {
        cliErr() << error << Qt::endl;
        return ExitFailure;
    }

    LearnedFilter filter;
    // Scoring never creates the database: without one, nothing was learned.
    if (QFileInfo::exists(filter.path())) {
        filter.tokenizer.ownDomains =
            LearnedTokenizer::parseDomains(SettingsStore::iniFile().ReadString(
                QStringLiteral("Learning"), QStringLiteral("OwnDomains"), QString()));
        if (!filter.open()) {
            cliErr() << filter.error() << Qt::endl;
            return ExitFailure;
        }
    }
    if (!filter.ready() && !json)
        cliErr() << CliScore::tr("Not judged: %1 spam and %2 other messages are learned, and the "
                                 "learned judgement needs %3 of each")
                        .arg(filter.spamCount())
                        .arg(filter.otherCount())
                        .arg(LearnedFilter::MinimumEach)
                 << Qt::endl;

    QJsonArray messages;
    for (const FoundMessage& m : std::as_const(found)) {
        const LearnedScore s = filter.score(m.headers);
        if (json) {
            QJsonObject o{{"file", m.where}, {"judged", s.judged}};
            if (s.judged) {
                o.insert("score", s.score);
                o.insert("towardSpam", weightsJson(s.towardSpam));
                o.insert("towardOther", weightsJson(s.towardOther));
            }
            messages.append(o);
            continue;
        }
        if (!s.judged) {
            cliOut() << CliScore::tr("%1: not judged").arg(m.where) << '\n';
            continue;
        }
        cliOut() << m.where << ": " << QString::number(s.score, 'f', 3) << '\n'
                 << "  " << CliScore::tr("toward spam: %1").arg(weightsText(s.towardSpam)) << '\n'
                 << "  " << CliScore::tr("toward other mail: %1").arg(weightsText(s.towardOther))
                 << '\n';
    }
    if (json) {
        const QJsonObject o{{"learned", QJsonObject{{"spam", qint64(filter.spamCount())},
                                                    {"other", qint64(filter.otherCount())}}},
                            {"ready", filter.ready()},
                            {"messages", messages}};
        cliOut() << QString::fromUtf8(QJsonDocument(o).toJson(QJsonDocument::Indented));
    }
    return ExitOk;
}

const CliCommand command("score", QT_TRANSLATE_NOOP("CliCommand", "FILE... [--json]"),
                         QT_TRANSLATE_NOOP("CliCommand",
                                           "the learned judgement of each message in FILE (0: "
                                           "other mail, 1: spam) from its header, with the tokens "
                                           "that weighed most either way"),
                         run);

} // namespace
