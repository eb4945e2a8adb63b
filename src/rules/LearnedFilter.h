#pragma once

#include "mail/TrText.h"
#include "mail/headers/Headers.h"
#include "rules/LearnedStore.h"
#include "rules/LearnedTokens.h"

#include <QList>
#include <QString>
#include <memory>
#include <vector>

// A token that weighed in a score, with the share of spam among the learned
// messages that held it (after the smoothing toward the unknown).
struct LearnedWeight {
    QString token;
    double spamProbability = 0.5;
};

// The learned judgement of one message.
struct LearnedScore {
    // Whether there is a judgement: the database is open and enough of both
    // kinds was learned. Otherwise score is 0.5 and the lists are empty.
    bool judged = false;
    double score = 0.5; // 0: surely other mail, 1: surely spam
    // The tokens that weighed most toward spam and toward other mail, strongest first.
    QList<LearnedWeight> towardSpam, towardOther;
};

// One message the user decided on.
struct LearnedExample {
    QString id; // the UIDL, or LearnedFilter::messageId for a message without one
    TmsHeaders headers;
    bool spam = false;
};

// The learned judgement: learns from the messages the user decided on (by
// their header alone) and scores others from 0 to 1. It judges only after it
// has learned MinimumEach spam messages and as many other ones.
//
// Each message id is learned once; learning it the other way moves it over.
// The counts live in a LearnedStore: a database that cannot be opened or read
// leaves the filter closed (error() says why, score() does not judge, learn()
// throws) and the file as it is, until forget() replaces it.
class LearnedFilter {
public:
    static constexpr quint32 MinimumEach = 50;
    // Bounds of the database: beyond them, the rarest tokens and the oldest message
    // records go until a tenth is free.
    struct Limits {
        qsizetype tokens = 200000;
        qsizetype messages = 20000;
    };
    // How many tokens each way a score names.
    static constexpr int TopTokens = 5;

    // How the token probabilities are worked out and combined.
    struct Tuning {
        enum Combining { Fisher, NaiveBayes };
        Combining combining = NaiveBayes;
        double strength = 0.1;     // weight of the assumed probability against the counts
        double assumed = 0.5;      // the probability of a token never seen
        double minDeviation = 0.1; // tokens nearer 0.5 than this do not count
        double spread = 10.0;      // naive Bayes: the log odds that move the score by e
        int mostSignificant = 0;   // only the tokens farthest from 0.5 count; 0: all
        bool operator==(const Tuning&) const = default;
    };

    enum class Outcome {
        Learned,   // a new message
        Relearned, // learned before the other way, now moved over
        Unchanged, // already learned this way
    };

    explicit LearnedFilter(const QString& path = LearnedStore::defaultPath());
    ~LearnedFilter();

    // Opens the database (a missing one is created empty). False when it cannot
    // be opened or read; error() then says why and the file is left alone.
    bool open();
    bool isOpen() const { return m_open; }
    const QString& error() const { return m_error.shown(); }
    const QString& path() const;

    quint32 spamCount() const { return m_data.spam; }
    quint32 otherCount() const { return m_data.other; }
    qsizetype tokenCount() const { return m_data.tokens.size(); }
    // Open, and at least MinimumEach of both kinds learned.
    bool ready() const;
    // How often the token was learned in each kind (zero when never, or pruned).
    LearnedTokenCounts tokenCounts(const QString& token) const {
        return m_data.tokens.value(LearnedTokenizer::hash(token));
    }
    // Changes whenever what the filter knows may have changed (opened, learned,
    // forgotten): a score worked out before is good while it is the same.
    quint64 generation() const { return m_generation; }
    // Whether the message id was learned, and as what.
    bool isLearned(const QString& id, bool* spam = nullptr) const;

    // The judgement of a header; not judged unless ready().
    LearnedScore score(const TmsHeaders& headers) const;
    // The same judgement without the tokens that weighed most (the lists stay
    // empty): no token text is built.
    LearnedScore scoreOnly(const TmsHeaders& headers) const;
    // The tokens of a header as this filter counts them.
    QStringList tokens(const TmsHeaders& headers) const { return tokenizer.tokens(headers); }

    // Learns the messages of one step in one transaction: all or, with
    // EFileError, none. The outcome of each, in order.
    QList<Outcome> learn(const QList<LearnedExample>& step);
    // Learns one message as one step.
    Outcome learn(const QString& id, const TmsHeaders& headers, bool spam);
    // Takes a learned message back out; false when it was not learned. Throws EFileError.
    bool unlearn(const QString& id);
    // Forgets everything: the database is replaced with an empty one, also when
    // it could not be read. Throws EFileError when that fails.
    void forget();

    // The id of a message without a UIDL: a digest of its header lines.
    static QString messageId(const QString& uidl, const TmsHeaders& headers);

    LearnedTokenizer tokenizer;
    Tuning tuning;
    Limits limits;

private:
    // The probability that a message holding the token is spam, smoothed; the
    // assumed value for a token never seen.
    double probability(const LearnedTokenCounts& counts) const;
    LearnedScore judge(const TmsHeaders& headers, bool named) const;
    // The probability of every token known, in an open table that score() reads:
    // built again when the counts or the tuning have changed.
    struct Slot {
        quint64 key = 0; // 0: empty
        double probability = 0.5;
        double weight = 0; // its log odds
    };
    struct Index {
        quint64 generation = 0;
        Tuning tuning;
        std::vector<Slot> slots;
        bool hasZero = false; // a token whose key is 0, and its slot
        Slot zero;
    };
    const Index& index() const;
    // The probability of the token with this key; false when it was never learned.
    static const Slot* find(const Index& index, quint64 key);
    QList<quint64> hashes(const TmsHeaders& headers) const;
    // Adds to a step the tokens and message records that keep the database in its bounds.
    void bound(LearnedChange& change) const;
    // Writes one step to the database, then takes it over.
    void commit(const LearnedChange& change);

    std::unique_ptr<LearnedStore> m_store;
    LearnedData m_data;
    bool m_open = false;
    TrText m_error;
    quint64 m_generation = 0;
    mutable Index m_index;
    mutable std::vector<quint64> m_keys;
};
