// quillmere-cli learn: teaches the learned judgement from message files, or forgets it.
#include "CliCommand.h"
#include "MessageFiles.h"
#include "mail/Exceptions.h"
#include "rules/LearnedFilter.h"
#include "settings/ProfileLock.h"
#include "settings/SettingsStore.h"

namespace {

QString plural(qsizetype n, const char* one, const char* many) {
    return QString::number(n) + u' ' + QLatin1String(n == 1 ? one : many);
}

void printCounts(const LearnedFilter& filter) {
    cliOut() << "Learned so far: " << plural(filter.spamCount(), "spam message", "spam messages")
             << ", " << plural(filter.otherCount(), "other message", "other messages") << ", "
             << plural(filter.tokenCount(), "token", "tokens") << '\n';
    if (!filter.ready())
        cliOut() << "The learned judgement marks messages once " << LearnedFilter::MinimumEach
                 << " of each are learned.\n";
}

int run(const QStringList& args) {
    if (args.isEmpty()) return cliUsage("learn");
    const QString what = args.first();
    const bool forget = what == QLatin1String("forget");
    if (forget ? args.size() != 1
               : (what != QLatin1String("spam") && what != QLatin1String("ham")) || args.size() < 2)
        return cliUsage("learn");

    // Every message is read before anything is learned: a path that cannot be
    // read changes nothing.
    QList<FoundMessage> found;
    QString error;
    if (!forget && !readMessages(args.mid(1), found, error)) {
        cliErr() << error << Qt::endl;
        return ExitFailure;
    }

    ProfileLock lock;
    if (!lock.tryLock()) {
        cliErr() << ProfileLock::busyText() << Qt::endl;
        return ExitProfileBusy;
    }
    LearnedFilter filter;
    if (forget) {
        filter.forget(); // a failure reaches main(), which prints its text
        cliOut() << "Forgot everything learned (" << filter.path() << ")\n";
        return ExitOk;
    }
    filter.tokenizer.ownDomains =
        LearnedTokenizer::parseDomains(SettingsStore::iniFile().ReadString(
            QStringLiteral("Learning"), QStringLiteral("OwnDomains"), QString()));
    if (!filter.open()) {
        cliErr() << filter.error() << Qt::endl;
        return ExitFailure;
    }
    const bool spam = what == QLatin1String("spam");
    QList<LearnedExample> step;
    step.reserve(found.size());
    for (const FoundMessage& m : std::as_const(found))
        step.append({LearnedFilter::messageId(QString(), m.headers), m.headers, spam});
    const QList<LearnedFilter::Outcome> outcomes = filter.learn(step);
    const auto count = [&](LearnedFilter::Outcome o) { return outcomes.count(o); };
    cliOut() << "Learned " << plural(count(LearnedFilter::Outcome::Learned), "message", "messages")
             << " as " << (spam ? "spam" : "other mail") << ", moved "
             << count(LearnedFilter::Outcome::Relearned) << " over from "
             << (spam ? "other mail" : "spam") << "; " << count(LearnedFilter::Outcome::Unchanged)
             << " were learned so before\n";
    printCounts(filter);
    return ExitOk;
}

const CliCommand command("learn", "spam|ham PATH... | forget",
                         "teach the learned judgement that the messages in PATH (message files, "
                         "mailbox files, Maildir folders) are spam or other mail, judged by their "
                         "header; forget starts anew with nothing learned",
                         run);

} // namespace
