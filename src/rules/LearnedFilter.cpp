#include "rules/LearnedFilter.h"

#include "mail/Exceptions.h"

#include <QCryptographicHash>
#include <QSet>
#include <QVarLengthArray>
#include <algorithm>
#include <cmath>
#include <optional>
#include <vector>

namespace {

// The upper tail of the chi-square distribution with 2 * half degrees of freedom at x.
double chiSquareTail(double x, qsizetype half) {
    const double m = x / 2.0;
    double term = std::exp(-m);
    double sum = term;
    for (qsizetype i = 1; i < half; ++i) {
        term *= m / double(i);
        sum += term;
    }
    return std::min(sum, 1.0);
}

// Inserts w into list (strongest first, at most TopTokens) when it is among the strongest.
void keepStrongest(QList<LearnedWeight>& list, QList<double>& strengths, const LearnedWeight& w,
                   double strength) {
    qsizetype at = 0;
    while (at < strengths.size() && strengths[at] >= strength)
        ++at;
    if (at >= LearnedFilter::TopTokens) return;
    list.insert(at, w);
    strengths.insert(at, strength);
    if (list.size() > LearnedFilter::TopTokens) {
        list.removeLast();
        strengths.removeLast();
    }
}

EFileError notOpen(const TrText& error) {
    return EFileError(error.isEmpty()
                          ? TrText::translate("LearnedFilter", "The learned database is not open")
                          : error);
}

} // namespace

LearnedFilter::LearnedFilter(const QString& path) : m_store(std::make_unique<LearnedStore>(path)) {}

LearnedFilter::~LearnedFilter() = default;

const QString& LearnedFilter::path() const {
    return m_store->path();
}

bool LearnedFilter::open() {
    ++m_generation;
    try {
        m_data = m_store->load();
        m_open = true;
        m_error = TrText();
    } catch (const EFileError& e) {
        m_data = {};
        m_open = false;
        m_error = e.text();
    }
    return m_open;
}

bool LearnedFilter::ready() const {
    return m_open && m_data.spam >= MinimumEach && m_data.other >= MinimumEach;
}

bool LearnedFilter::isLearned(const QString& id, bool* spam) const {
    const auto it = m_data.messages.constFind(id);
    if (it == m_data.messages.cend()) return false;
    if (spam) *spam = it->spam;
    return true;
}

QString LearnedFilter::messageId(const QString& uidl, const TmsHeaders& headers) {
    if (!uidl.isEmpty()) return QStringLiteral("uidl:") + uidl;
    QCryptographicHash hash(QCryptographicHash::Sha1);
    for (qsizetype i = 0; i < headers.size(); ++i) {
        hash.addData(headers.at(i).toUtf8());
        hash.addData(QByteArrayView("\n"));
    }
    return QStringLiteral("header:") + QString::fromLatin1(hash.result().toHex());
}

QList<quint64> LearnedFilter::hashes(const TmsHeaders& headers) const {
    std::vector<quint64> keys;
    tokenizer.keys(headers, keys);
    QList<quint64> list(keys.begin(), keys.end());
    std::sort(list.begin(), list.end());
    list.erase(std::unique(list.begin(), list.end()), list.end());
    return list;
}

double LearnedFilter::probability(const LearnedTokenCounts& c) const {
    const double n = double(c.spam) + double(c.other);
    if (n == 0 || m_data.spam == 0 || m_data.other == 0) return tuning.assumed;
    const double b = double(c.spam) / m_data.spam;
    const double g = double(c.other) / m_data.other;
    const double p = b / (b + g);
    return (tuning.strength * tuning.assumed + n * p) / (tuning.strength + n);
}

const LearnedFilter::Index& LearnedFilter::index() const {
    if (m_index.generation == m_generation && m_index.tuning == tuning && !m_index.slots.empty())
        return m_index;
    m_index.generation = m_generation;
    m_index.tuning = tuning;
    m_index.hasZero = false;
    std::size_t size = 16;
    while (size < std::size_t(m_data.tokens.size()) * 2)
        size *= 2;
    m_index.slots.assign(size, Slot{});
    const std::size_t mask = size - 1;
    for (auto it = m_data.tokens.cbegin(); it != m_data.tokens.cend(); ++it) {
        const double p = std::clamp(probability(*it), 1e-6, 1 - 1e-6);
        const Slot slot{it.key(), p, std::log(p / (1 - p))};
        if (it.key() == 0) {
            m_index.hasZero = true;
            m_index.zero = slot;
            continue;
        }
        std::size_t at = std::size_t(it.key()) & mask;
        while (m_index.slots[at].key != 0)
            at = (at + 1) & mask;
        m_index.slots[at] = slot;
    }
    return m_index;
}

const LearnedFilter::Slot* LearnedFilter::find(const Index& index, quint64 key) {
    if (key == 0) return index.hasZero ? &index.zero : nullptr;
    const std::size_t mask = index.slots.size() - 1;
    for (std::size_t at = std::size_t(key) & mask;; at = (at + 1) & mask) {
        const Slot& slot = index.slots[at];
        if (slot.key == key) return &slot;
        if (slot.key == 0) return nullptr;
    }
}

LearnedScore LearnedFilter::score(const TmsHeaders& headers) const {
    return judge(headers, true);
}

LearnedScore LearnedFilter::scoreOnly(const TmsHeaders& headers) const {
    return judge(headers, false);
}

LearnedScore LearnedFilter::judge(const TmsHeaders& headers, bool named) const {
    LearnedScore result;
    if (!ready()) return result;
    result.judged = true;
    QStringList words;
    if (named) {
        QList<quint64> keys;
        words = tokenizer.tokens(headers, &keys);
        m_keys.assign(keys.begin(), keys.end());
    } else {
        tokenizer.keys(headers, m_keys);
    }
    const Index& table = index();
    struct Weighed {
        qsizetype index;
        double f, weight;
    };
    QVarLengthArray<Weighed, 256> weighed;
    for (qsizetype i = 0; i < qsizetype(m_keys.size()); ++i) {
        const Slot* slot = find(table, m_keys[i]);
        if (!slot || std::abs(slot->probability - 0.5) < tuning.minDeviation) continue;
        weighed.append({i, slot->probability, slot->weight});
    }
    if (tuning.mostSignificant > 0 && weighed.size() > tuning.mostSignificant) {
        std::nth_element(weighed.begin(), weighed.begin() + tuning.mostSignificant, weighed.end(),
                         [](const Weighed& a, const Weighed& b) {
                             return std::abs(a.f - 0.5) > std::abs(b.f - 0.5);
                         });
        weighed.resize(tuning.mostSignificant);
    }
    double lnSpam = 0, lnOther = 0, logOdds = 0;
    const qsizetype used = weighed.size();
    QList<double> spamStrengths, otherStrengths;
    for (const Weighed& w : weighed) {
        const double f = w.f, weight = w.weight;
        logOdds += weight;
        if (tuning.combining == Tuning::Fisher) {
            lnSpam += std::log(f);
            lnOther += std::log(1 - f);
        }
        if (!named) continue;
        if (weight > 0)
            keepStrongest(result.towardSpam, spamStrengths, {words[w.index], f}, weight);
        else
            keepStrongest(result.towardOther, otherStrengths, {words[w.index], f}, -weight);
    }
    if (used == 0) return result;
    if (tuning.combining == Tuning::NaiveBayes) {
        result.score = 1.0 / (1.0 + std::exp(-logOdds / tuning.spread));
    } else {
        const double h = chiSquareTail(-2.0 * lnSpam, used);
        const double s = chiSquareTail(-2.0 * lnOther, used);
        result.score = (1.0 + h - s) / 2.0;
    }
    return result;
}

QList<LearnedFilter::Outcome> LearnedFilter::learn(const QList<LearnedExample>& step) {
    if (!m_open) throw notOpen(m_error);
    LearnedChange change;
    change.spam = m_data.spam;
    change.other = m_data.other;
    change.step = m_data.step + 1;
    // The messages as this step leaves them, before the database has them.
    QHash<QString, LearnedMessageInfo> messages;
    QHash<QString, QList<quint64>> stepTokens;
    const auto counts = [&](quint64 hash) -> LearnedTokenCounts& {
        auto it = change.tokens.find(hash);
        if (it == change.tokens.end()) it = change.tokens.insert(hash, m_data.tokens.value(hash));
        return *it;
    };
    QList<Outcome> outcomes;
    for (const LearnedExample& ex : step) {
        std::optional<LearnedMessageInfo> before;
        if (messages.contains(ex.id))
            before = messages.value(ex.id);
        else if (m_data.messages.contains(ex.id))
            before = m_data.messages.value(ex.id);
        if (before && before->spam == ex.spam) {
            outcomes.append(Outcome::Unchanged);
            continue;
        }
        if (before) {
            // Moved over: its tokens leave the kind it was learned as.
            const QList<quint64> old = stepTokens.contains(ex.id) ? stepTokens.value(ex.id)
                                                                  : m_store->messageTokens(ex.id);
            for (const quint64 h : old) {
                LearnedTokenCounts& c = counts(h);
                quint32& n = before->spam ? c.spam : c.other;
                if (n > 0) --n;
            }
            quint32& total = before->spam ? change.spam : change.other;
            if (total > 0) --total;
        }
        const QList<quint64> tokens = hashes(ex.headers);
        for (const quint64 h : tokens) {
            LearnedTokenCounts& c = counts(h);
            ++(ex.spam ? c.spam : c.other);
            c.seen = change.step;
        }
        ++(ex.spam ? change.spam : change.other);
        messages.insert(ex.id, {ex.spam, change.step});
        stepTokens.insert(ex.id, tokens);
        outcomes.append(before ? Outcome::Relearned : Outcome::Learned);
    }
    for (auto it = messages.cbegin(); it != messages.cend(); ++it)
        change.learned.append({it.key(), it.value(), stepTokens.value(it.key())});
    bound(change);
    commit(change);
    return outcomes;
}

void LearnedFilter::bound(LearnedChange& change) const {
    // The rarest tokens go first, and of those the ones seen longest ago.
    qsizetype tokenTotal = m_data.tokens.size();
    for (auto it = change.tokens.cbegin(); it != change.tokens.cend(); ++it)
        tokenTotal += int(it->spam + it->other > 0) - int(m_data.tokens.contains(it.key()));
    if (tokenTotal > limits.tokens) {
        struct Rank {
            quint64 hash;
            quint32 total, seen;
        };
        std::vector<Rank> ranks;
        ranks.reserve(tokenTotal);
        for (auto it = m_data.tokens.cbegin(); it != m_data.tokens.cend(); ++it)
            if (!change.tokens.contains(it.key()))
                ranks.push_back({it.key(), it->spam + it->other, it->seen});
        for (auto it = change.tokens.cbegin(); it != change.tokens.cend(); ++it)
            if (it->spam + it->other > 0)
                ranks.push_back({it.key(), it->spam + it->other, it->seen});
        const qsizetype cut = tokenTotal - limits.tokens * 9 / 10;
        std::nth_element(ranks.begin(), ranks.begin() + cut, ranks.end(),
                         [](const Rank& a, const Rank& b) {
                             return a.total != b.total ? a.total < b.total : a.seen < b.seen;
                         });
        for (qsizetype i = 0; i < cut; ++i)
            change.tokens[ranks[i].hash] = {};
    }
    // The oldest message records go (their counts stay).
    QSet<QString> learned;
    for (const LearnedChange::Message& m : change.learned)
        learned.insert(m.id);
    qsizetype messageTotal = m_data.messages.size();
    for (const QString& id : learned)
        if (!m_data.messages.contains(id)) ++messageTotal;
    if (messageTotal > limits.messages) {
        std::vector<std::pair<quint32, QString>> ages;
        for (auto it = m_data.messages.cbegin(); it != m_data.messages.cend(); ++it)
            if (!learned.contains(it.key())) ages.emplace_back(it->step, it.key());
        const qsizetype cut =
            std::min<qsizetype>(messageTotal - limits.messages * 9 / 10, qsizetype(ages.size()));
        std::nth_element(ages.begin(), ages.begin() + cut, ages.end());
        for (qsizetype i = 0; i < cut; ++i)
            change.forgotten.append(ages[i].second);
    }
}

void LearnedFilter::commit(const LearnedChange& change) {
    ++m_generation;
    m_store->apply(change);
    for (auto it = change.tokens.cbegin(); it != change.tokens.cend(); ++it) {
        if (it->spam + it->other == 0)
            m_data.tokens.remove(it.key());
        else
            m_data.tokens.insert(it.key(), *it);
    }
    for (const QString& id : change.forgotten)
        m_data.messages.remove(id);
    for (const LearnedChange::Message& m : change.learned)
        m_data.messages.insert(m.id, m.info);
    m_data.spam = change.spam;
    m_data.other = change.other;
    m_data.step = change.step;
}

LearnedFilter::Outcome LearnedFilter::learn(const QString& id, const TmsHeaders& headers,
                                            bool spam) {
    return learn(QList<LearnedExample>{{id, headers, spam}}).first();
}

bool LearnedFilter::unlearn(const QString& id) {
    if (!m_open) throw notOpen(m_error);
    const auto found = m_data.messages.constFind(id);
    if (found == m_data.messages.cend()) return false;
    const bool spam = found->spam;
    LearnedChange change;
    change.spam = m_data.spam;
    change.other = m_data.other;
    change.step = m_data.step + 1;
    for (const quint64 h : m_store->messageTokens(id)) {
        LearnedTokenCounts c = m_data.tokens.value(h);
        quint32& n = spam ? c.spam : c.other;
        if (n > 0) --n;
        change.tokens.insert(h, c);
    }
    quint32& total = spam ? change.spam : change.other;
    if (total > 0) --total;
    change.forgotten.append(id);
    commit(change);
    return true;
}

void LearnedFilter::forget() {
    ++m_generation;
    m_open = false;
    m_data = {};
    m_store->reset();
    if (!open()) throw EFileError(m_error);
}
