// bench_learned: the learned judgement on a corpus of message files in groups.
//
//   bench_learned run CORPUS [--own DOMAINS] [--limit N]
//       Learns spam-1 as spam and easy-ham-1 and hard-ham-1 as other mail (in
//       steps of 25 messages, as deletions would teach it), then scores spam-2
//       and easy-ham-2 from their headers. Prints spam caught and other mail
//       caught at the cutoff, spam caught where at most 0.5 % and 1 % of the
//       other mail is caught (for both combining methods), messages scored per
//       second, the database's size, and the learning curve after 50, 200 and
//       1,000 of each. --limit takes only the first N messages of each group.
//   bench_learned tune CORPUS [--own DOMAINS] [--grid]
//       The older groups only: every message is scored once by a filter that
//       learned other messages, by time (the earlier half of each group learned
//       and the later half scored, then the other way) and in five mixed folds;
//       the figures are those of all the scores together, with the chosen tuning
//       and, with --grid, a grid of tunings.
//   bench_learned tokens CORPUS GROUP... [--own DOMAINS]
//       The tokens of every message of the groups, one message a line.
//   bench_learned figures SPAMFILE OTHERFILE
//       The same figures for another filter's verdicts: lines "FILE S|H|U SCORE".
//
// DOMAINS (comma-separated) are the collector's own domains: the Received hops
// they recorded are not the sender's and give no tokens.
#include "mail/headers/Headers.h"
#include "rules/LearnedFilter.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTextStream>
#include <algorithm>
#include <cstdio>
#include <ctime>
#include <limits>

namespace {

constexpr double ScoreGoal = 20000.0; // messages per second
constexpr int StepSize = 25;
constexpr double Cutoff = 0.95; // the default cutoff of the learned judgement
constexpr double FisherCutoff = 0.99;

double cpuSeconds() {
    timespec ts{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
    return double(ts.tv_sec) + double(ts.tv_nsec) / 1e9;
}

struct Message {
    QString id;
    TmsHeaders headers;
};
using Group = QList<Message>;

// The header of a message file: everything before the first empty line.
TmsHeaders headerOf(const QByteArray& raw) {
    qsizetype end = raw.indexOf("\n\n");
    const qsizetype crlf = raw.indexOf("\r\n\r\n");
    if (crlf >= 0 && (end < 0 || crlf < end)) end = crlf;
    TmsHeaders h;
    h.LoadFromBytes(end >= 0 ? raw.left(end) : raw);
    return h;
}

Group readGroup(const QString& corpus, const QString& name, int limit) {
    Group group;
    const QDir dir(corpus + u'/' + name);
    const QStringList files = dir.entryList({QStringLiteral("*.txt")}, QDir::Files, QDir::Name);
    for (const QString& f : files) {
        if (limit > 0 && group.size() >= limit) break;
        QFile file(dir.filePath(f));
        if (!file.open(QIODevice::ReadOnly)) continue;
        const TmsHeaders h = headerOf(file.readAll());
        group.append({name + u'/' + f, h});
    }
    if (group.isEmpty()) {
        std::fprintf(stderr, "bench_learned: no messages in %s\n", qPrintable(dir.path()));
        std::exit(1);
    }
    return group;
}

// The share of spam caught where at most `share` of the other mail is caught.
double caughtAt(const QList<double>& spam, QList<double> other, double share) {
    std::sort(other.begin(), other.end(), std::greater<>());
    const qsizetype allowed = qsizetype(other.size() * share);
    // Spam must score above the highest other score that would exceed the allowance.
    const double bar = allowed < other.size() ? other[allowed] : -1.0;
    const auto caught = std::count_if(spam.begin(), spam.end(), [&](double s) { return s > bar; });
    return 100.0 * double(caught) / double(spam.size());
}

double share(const QList<double>& scores, double cutoff) {
    const auto n =
        std::count_if(scores.begin(), scores.end(), [&](double s) { return s >= cutoff; });
    return 100.0 * double(n) / double(scores.size());
}

QList<double> scoreAll(const LearnedFilter& filter, const Group& group) {
    QList<double> scores;
    scores.reserve(group.size());
    for (const Message& m : group)
        scores.append(filter.scoreOnly(m.headers).score);
    return scores;
}

// Learns the messages in steps, spam and other mail taking turns.
void learnAll(LearnedFilter& filter, const Group& spam, const Group& other, int stepSize) {
    QList<LearnedExample> all;
    for (qsizetype i = 0; i < std::max(spam.size(), other.size()); ++i) {
        if (i < spam.size()) all.append({spam[i].id, spam[i].headers, true});
        if (i < other.size()) all.append({other[i].id, other[i].headers, false});
    }
    for (qsizetype i = 0; i < all.size(); i += stepSize)
        filter.learn(all.mid(i, stepSize));
}

QStringList ownDomains(const QStringList& args) {
    const qsizetype i = args.indexOf(QStringLiteral("--own"));
    return i >= 0 ? args.value(i + 1).split(u',', Qt::SkipEmptyParts) : QStringList();
}

int intOption(const QStringList& args, const QString& name) {
    const qsizetype i = args.indexOf(name);
    return i >= 0 ? args.value(i + 1).toInt() : 0;
}

void printFigures(const char* who, const QList<double>& spam, const QList<double>& other,
                  double cutoff) {
    std::printf("%-44s %8.1f %% %8.1f %% %9.1f %% %8.1f %%\n", who, share(spam, cutoff),
                share(other, cutoff), caughtAt(spam, other, 0.005), caughtAt(spam, other, 0.01));
}

void printHeading() {
    std::printf("%-44s %10s %10s %11s %10s\n", "", "caught", "other", "caught at", "caught at");
    std::printf("%-44s %10s %10s %11s %10s\n", "", "at cutoff", "at cutoff", "0.5 % other",
                "1 % other");
}

int runMain(const QStringList& args) {
    const QString corpus = args.value(1);
    const int limit = intOption(args, QStringLiteral("--limit"));
    const QStringList own = ownDomains(args);
    const Group spam1 = readGroup(corpus, QStringLiteral("spam-1"), limit);
    Group other1 = readGroup(corpus, QStringLiteral("easy-ham-1"), limit);
    other1 += readGroup(corpus, QStringLiteral("hard-ham-1"), limit);
    const Group spam2 = readGroup(corpus, QStringLiteral("spam-2"), limit);
    const Group other2 = readGroup(corpus, QStringLiteral("easy-ham-2"), limit);
    std::printf("learned: %lld spam, %lld other (spam-1, easy-ham-1, hard-ham-1); "
                "scored: %lld spam, %lld other (spam-2, easy-ham-2)\n",
                qlonglong(spam1.size()), qlonglong(other1.size()), qlonglong(spam2.size()),
                qlonglong(other2.size()));

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("learned.db"));
    LearnedFilter filter(path);
    filter.tokenizer.ownDomains = own;
    if (!filter.open()) {
        std::fprintf(stderr, "%s\n", qPrintable(filter.error()));
        return 1;
    }
    QElapsedTimer t;
    t.start();
    learnAll(filter, spam1, other1, StepSize);
    const double learnSeconds = t.nsecsElapsed() / 1e9;

    // Timed in processor time (other work on the machine does not count): the
    // best of five passes over both groups.
    double best = 1e9;
    QList<double> spamScores, otherScores;
    for (int round = 0; round < 5; ++round) {
        const double start = cpuSeconds();
        spamScores = scoreAll(filter, spam2);
        otherScores = scoreAll(filter, other2);
        best = std::min(best, cpuSeconds() - start);
    }
    const double rate = double(spam2.size() + other2.size()) / best;

    printHeading();
    char label[64];
    std::snprintf(label, sizeof label, "quillmere (cutoff %.2f)", Cutoff);
    printFigures(label, spamScores, otherScores, Cutoff);
    // The same counts combined by Fisher's chi-square method instead.
    const LearnedFilter::Tuning chosen = filter.tuning;
    filter.tuning.combining = LearnedFilter::Tuning::Fisher;
    filter.tuning.strength = 0.4;
    std::snprintf(label, sizeof label, "  same counts, Fisher (cutoff %.2f)", FisherCutoff);
    printFigures(label, scoreAll(filter, spam2), scoreAll(filter, other2), FisherCutoff);
    filter.tuning = chosen;

    std::printf("scored: %.0f messages per second of processor time (goal %.0f: %s); learned %lld "
                "messages in "
                "%.2f s (steps of %d)\n",
                rate, ScoreGoal, rate >= ScoreGoal ? "met" : "missed",
                qlonglong(spam1.size() + other1.size()), learnSeconds, StepSize);
    std::printf("database: %.0f KiB, %lld tokens\n", QFileInfo(path).size() / 1024.0,
                qlonglong(filter.tokenCount()));

    std::printf("learning curve (spam caught at 0.5 %% / 1 %% of other mail):\n");
    for (const int n : {50, 200, 1000}) {
        if (n > std::max(spam1.size(), other1.size())) break;
        QTemporaryDir curveDir;
        LearnedFilter curve(curveDir.filePath(QStringLiteral("learned.db")));
        curve.tokenizer.ownDomains = own;
        curve.open();
        const Group s = spam1.mid(0, n), o = other1.mid(0, n);
        learnAll(curve, s, o, 1000000);
        const QList<double> cs = scoreAll(curve, spam2), co = scoreAll(curve, other2);
        std::printf("  after %4d of each (%lld spam, %lld other): %5.1f %% / %5.1f %%\n", n,
                    qlonglong(s.size()), qlonglong(o.size()), caughtAt(cs, co, 0.005),
                    caughtAt(cs, co, 0.01));
    }
    return 0;
}

// The messages of a group in the order they were sent (by their Date field,
// which orders the folds and is never a token); those without one last.
Group bySendingTime(const Group& g) {
    QList<std::pair<qint64, qsizetype>> order;
    for (qsizetype i = 0; i < g.size(); ++i) {
        QString date = g[i].headers.GetFieldValue(QStringLiteral("Date")).trimmed();
        const qsizetype paren = date.indexOf(u'(');
        if (paren > 0) date = date.left(paren).trimmed();
        const QDateTime t = QDateTime::fromString(date, Qt::RFC2822Date);
        order.append({t.isValid() ? t.toSecsSinceEpoch() : std::numeric_limits<qint64>::max(), i});
    }
    std::stable_sort(order.begin(), order.end());
    Group sorted;
    for (const auto& o : order)
        sorted.append(g[o.second]);
    return sorted;
}

// Scores every message of the older groups once, each by a filter that learned
// other messages only. By time: the earlier half of each group learned, the
// later half scored, and the other way round, so that every score crosses a gap
// in time as the later groups do. Mixed: five folds of every fifth message.
struct Pooled {
    QList<double> spam, other;
};
QList<Pooled> crossValidate(const Group& spam, const Group& other, const QStringList& own,
                            const QList<LearnedFilter::Tuning>& tunings, bool byTime,
                            double& rate) {
    double scoreSeconds = 0;
    qsizetype scored = 0;
    const int folds = byTime ? 2 : 5;
    const Group s = byTime ? bySendingTime(spam) : spam, o = byTime ? bySendingTime(other) : other;
    QList<Pooled> pooled(tunings.size());
    for (int k = 0; k < folds; ++k) {
        const auto split = [k, byTime, folds](const Group& g, bool heldOut) {
            Group part;
            for (qsizetype i = 0; i < g.size(); ++i) {
                const int fold = byTime ? int(i * 2 / g.size()) : int(i % folds);
                if ((fold == k) == heldOut) part.append(g[i]);
            }
            return part;
        };
        QTemporaryDir dir;
        LearnedFilter filter(dir.filePath(QStringLiteral("learned.db")));
        filter.tokenizer.ownDomains = own;
        filter.open();
        learnAll(filter, split(s, false), split(o, false), 1000000);
        const Group testSpam = split(s, true), testOther = split(o, true);
        filter.tuning = tunings[0];
        scoreAll(filter, testSpam);
        const double start = cpuSeconds();
        scoreAll(filter, testSpam);
        scoreAll(filter, testOther);
        scoreSeconds += cpuSeconds() - start;
        scored += testSpam.size() + testOther.size();
        for (qsizetype t = 0; t < tunings.size(); ++t) {
            filter.tuning = tunings[t];
            pooled[t].spam += scoreAll(filter, testSpam);
            pooled[t].other += scoreAll(filter, testOther);
        }
    }
    rate = double(scored) / scoreSeconds;
    return pooled;
}

QString tuningLabel(const LearnedFilter::Tuning& t) {
    return QString::asprintf("%s s=%.2f x=%.2f dev=%.2f top=%d",
                             t.combining == LearnedFilter::Tuning::Fisher ? "fisher" : "bayes",
                             t.strength, t.assumed, t.minDeviation, t.mostSignificant);
}

int runTune(const QStringList& args) {
    const QString corpus = args.value(1);
    const QStringList own = ownDomains(args);
    const bool grid = args.contains(QStringLiteral("--grid"));
    const Group spam = readGroup(corpus, QStringLiteral("spam-1"), 0);
    Group other = readGroup(corpus, QStringLiteral("easy-ham-1"), 0);
    other += readGroup(corpus, QStringLiteral("hard-ham-1"), 0);
    const LearnedFilter::Tuning chosen;
    QList<LearnedFilter::Tuning> tunings{chosen};
    if (grid) {
        for (const auto combining :
             {LearnedFilter::Tuning::Fisher, LearnedFilter::Tuning::NaiveBayes})
            for (const double strength : {0.003, 0.01, 0.02, 0.05, 0.1, 0.4})
                for (const double minDev : {0.0, 0.1, 0.2})
                    for (const int top : {0, 40}) {
                        LearnedFilter::Tuning t = chosen;
                        t.combining = combining;
                        t.strength = strength;
                        t.minDeviation = minDev;
                        t.mostSignificant = top;
                        tunings.append(t);
                        if (combining == LearnedFilter::Tuning::NaiveBayes && top == 0 &&
                            minDev == 0.1)
                            for (const double x : {0.3, 0.4, 0.6}) {
                                t.assumed = x;
                                tunings.append(t);
                            }
                    }
    }
    for (const bool byTime : {true, false}) {
        double rate = 0;
        const QList<Pooled> pooled = crossValidate(spam, other, own, tunings, byTime, rate);
        std::printf("older groups, %s: %lld spam, %lld other; %.0f scored per second\n",
                    byTime ? "by time (earlier half learned, later half scored, and back)"
                           : "five mixed folds",
                    qlonglong(spam.size()), qlonglong(other.size()), rate);
        printHeading();
        for (qsizetype t = 0; t < tunings.size(); ++t) {
            const QByteArray label = (t == 0 ? QStringLiteral("as chosen: ") : QString()).toUtf8() +
                                     tuningLabel(tunings[t]).toUtf8();
            printFigures(label.constData(), pooled[t].spam, pooled[t].other,
                         tunings[t].combining == LearnedFilter::Tuning::Fisher ? FisherCutoff
                                                                               : Cutoff);
        }
    }
    return 0;
}

// The tokens of every message of the groups named, one message a line.
int runTokens(const QStringList& args) {
    LearnedTokenizer tokenizer;
    tokenizer.ownDomains = ownDomains(args);
    for (qsizetype i = 2; i < args.size(); ++i) {
        if (args[i].startsWith(QLatin1String("--"))) break;
        for (const Message& m : readGroup(args.value(1), args[i], 0)) {
            QList<quint64> hashes;
            const QStringList tokens = tokenizer.tokens(m.headers, &hashes);
            std::printf("%s %s\n", qPrintable(m.id), qPrintable(tokens.join(u' ')));
        }
    }
    return 0;
}

// Another filter's verdicts: "FILE S|H|U SCORE" per line; S is its spam verdict.
bool readVerdicts(const QString& path, QList<double>& scores, QList<double>& spamVerdicts) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly | QIODevice::Text)) return false;
    QTextStream in(&f);
    while (!in.atEnd()) {
        const QStringList parts = in.readLine().split(u' ', Qt::SkipEmptyParts);
        if (parts.size() < 3) continue;
        scores.append(parts.last().toDouble());
        spamVerdicts.append(parts[parts.size() - 2] == QLatin1String("S") ? 1.0 : 0.0);
    }
    return !scores.isEmpty();
}

int runFigures(const QStringList& args) {
    QList<double> spam, other, spamVerdict, otherVerdict;
    if (!readVerdicts(args.value(1), spam, spamVerdict) ||
        !readVerdicts(args.value(2), other, otherVerdict)) {
        std::fprintf(stderr, "bench_learned: cannot read the verdicts\n");
        return 1;
    }
    std::printf("%8.1f %% %8.1f %% %9.1f %% %8.1f %%\n", share(spamVerdict, 1.0),
                share(otherVerdict, 1.0), caughtAt(spam, other, 0.005),
                caughtAt(spam, other, 0.01));
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    const QString mode = args.value(0);
    if (mode == QLatin1String("run") && args.size() >= 2) return runMain(args);
    if (mode == QLatin1String("tune") && args.size() >= 2) return runTune(args);
    if (mode == QLatin1String("tokens") && args.size() >= 3) return runTokens(args);
    if (mode == QLatin1String("figures") && args.size() >= 3) return runFigures(args);
    std::fprintf(stderr, "usage: bench_learned run|tune CORPUS [--own DOMAINS] [--limit N]\n"
                         "       bench_learned figures SPAMFILE OTHERFILE\n");
    return 2;
}
