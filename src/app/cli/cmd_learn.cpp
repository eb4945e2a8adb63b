// quillmere-cli learn: teaches the learned judgement from message files, or forgets it.
#include "CliCommand.h"
#include "MessageFiles.h"
#include "mail/Exceptions.h"
#include "rules/LearnedFilter.h"
#include "settings/ProfileLock.h"
#include "settings/SettingsStore.h"

namespace {
struct CliLearn {
    Q_DECLARE_TR_FUNCTIONS(CliLearn)
};

// "1 spam message", "2 spam messages": one source text for one, a plural one for the rest.
QString plural(qsizetype n, const char* one, const char* many) {
    return n == 1 ? CliLearn::tr(one) : CliLearn::tr(many, nullptr, int(n));
}

void printCounts(const LearnedFilter& filter) {
    cliOut() << CliLearn::tr("Learned so far: %1, %2, %3")
                    .arg(plural(filter.spamCount(), QT_TRANSLATE_NOOP("CliLearn", "1 spam message"),
                                QT_TRANSLATE_N_NOOP("CliLearn", "%n spam messages")),
                         plural(filter.otherCount(),
                                QT_TRANSLATE_NOOP("CliLearn", "1 other message"),
                                QT_TRANSLATE_N_NOOP("CliLearn", "%n other messages")),
                         plural(filter.tokenCount(), QT_TRANSLATE_NOOP("CliLearn", "1 token"),
                                QT_TRANSLATE_N_NOOP("CliLearn", "%n tokens")))
             << '\n';
    if (!filter.ready())
        cliOut() << CliLearn::tr(
                        "The learned judgement marks messages once %1 of each are learned.")
                        .arg(LearnedFilter::MinimumEach)
                 << '\n';
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
        cliOut() << CliLearn::tr("Forgot everything learned (%1)").arg(filter.path()) << '\n';
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
    const QString learned =
        plural(count(LearnedFilter::Outcome::Learned), QT_TRANSLATE_NOOP("CliLearn", "1 message"),
               QT_TRANSLATE_N_NOOP("CliLearn", "%n messages"));
    const QString moved = QString::number(count(LearnedFilter::Outcome::Relearned));
    const QString before = QString::number(count(LearnedFilter::Outcome::Unchanged));
    cliOut() << (spam ? CliLearn::tr("Learned %1 as spam, moved %2 over from other mail; %3 were "
                                     "learned so before")
                      : CliLearn::tr("Learned %1 as other mail, moved %2 over from spam; %3 were "
                                     "learned so before"))
                    .arg(learned, moved, before)
             << '\n';
    printCounts(filter);
    return ExitOk;
}

const CliCommand command("learn", QT_TRANSLATE_NOOP("CliCommand", "spam|ham PATH... | forget"),
                         QT_TRANSLATE_NOOP("CliCommand",
                                           "teach the learned judgement that the messages in PATH "
                                           "(message files, mailbox files, Maildir folders) are "
                                           "spam or other mail, judged by their header; forget "
                                           "starts anew with nothing learned"),
                         run);

} // namespace
