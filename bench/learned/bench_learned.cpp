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
//       The older groups only: a fifth of each is held out (the latest messages,
//       then every fifth one) and scored after learning the rest, with the chosen
//       tuning and, with --grid, a grid of tunings.
//   bench_learned figures SPAMFILE OTHERFILE
//       The same figures for another filter's verdicts: lines "FILE S|H|U SCORE".
//
// DOMAINS (comma-separated) are the collector's own domains: the Received hops
// they recorded are not the sender's and give no tokens.
#include "mail/headers/Headers.h"
#include "rules/LearnedFilter.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTextStream>
#include <algorithm>
#include <cstdio>
#include <ctime>

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
        scores.append(filter.score(m.headers).score);
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
    std::printf("%-34s %8.1f %% %8.1f %% %9.1f %% %8.1f %%\n", who, share(spam, cutoff),
                share(other, cutoff), caughtAt(spam, other, 0.005), caughtAt(spam, other, 0.01));
}

void printHeading() {
    std::printf("%-34s %10s %10s %11s %10s\n", "", "caught", "other", "caught at", "caught at");
    std::printf("%-34s %10s %10s %11s %10s\n", "", "at cutoff", "at cutoff", "0.5 % other",
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

int runTune(const QStringList& args) {
    const QString corpus = args.value(1);
    const QStringList own = ownDomains(args);
    const bool grid = args.contains(QStringLiteral("--grid"));
    const Group spam = readGroup(corpus, QStringLiteral("spam-1"), 0);
    Group other = readGroup(corpus, QStringLiteral("easy-ham-1"), 0);
    other += readGroup(corpus, QStringLiteral("hard-ham-1"), 0);
    // Two ways to hold a fifth out: the last fifth of each group (the latest
    // messages, as drift would have it), and every fifth message.
    for (const bool latest : {true, false}) {
        const auto split = [latest](const Group& g, bool heldOut) {
            Group part;
            for (qsizetype i = 0; i < g.size(); ++i) {
                const bool out = latest ? i >= g.size() * 4 / 5 : i % 5 == 4;
                if (out == heldOut) part.append(g[i]);
            }
            return part;
        };
        QTemporaryDir dir;
        LearnedFilter filter(dir.filePath(QStringLiteral("learned.db")));
        filter.tokenizer.ownDomains = own;
        filter.open();
        learnAll(filter, split(spam, false), split(other, false), 1000000);
        const Group testSpam = split(spam, true), testOther = split(other, true);
        std::printf("older groups, %s held out: %lld spam, %lld other\n",
                    latest ? "the last fifth of each" : "every fifth message",
                    qlonglong(testSpam.size()), qlonglong(testOther.size()));
        printHeading();
        const LearnedFilter::Tuning chosen = filter.tuning;
        printFigures("as chosen", scoreAll(filter, testSpam), scoreAll(filter, testOther), Cutoff);
        if (!grid) continue;
        for (const auto combining :
             {LearnedFilter::Tuning::Fisher, LearnedFilter::Tuning::NaiveBayes})
            for (const double strength : {0.1, 0.4, 1.0, 3.0})
                for (const double minDev : {0.0, 0.1, 0.2}) {
                    filter.tuning = {combining, strength, 0.5, minDev, 10.0};
                    char label[64];
                    std::snprintf(label, sizeof label, "%s s=%.1f dev=%.1f",
                                  combining == LearnedFilter::Tuning::Fisher ? "fisher" : "bayes",
                                  strength, minDev);
                    printFigures(label, scoreAll(filter, testSpam), scoreAll(filter, testOther),
                                 combining == LearnedFilter::Tuning::Fisher ? FisherCutoff
                                                                            : Cutoff);
                }
        filter.tuning = {LearnedFilter::Tuning::NaiveBayes, 0.1, 0.5, 0.1, 10.0};
        const QList<double> bs = scoreAll(filter, testSpam), bo = scoreAll(filter, testOther);
        for (const double cut : {0.5, 0.7, 0.8, 0.9, 0.95, 0.98, 0.99}) {
            char label[64];
            std::snprintf(label, sizeof label, "bayes s=0.1 cutoff %.2f", cut);
            printFigures(label, bs, bo, cut);
        }
        filter.tuning = chosen;
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
    if (mode == QLatin1String("figures") && args.size() >= 3) return runFigures(args);
    std::fprintf(stderr, "usage: bench_learned run|tune CORPUS [--own DOMAINS] [--limit N]\n"
                         "       bench_learned figures SPAMFILE OTHERFILE\n");
    return 2;
}
