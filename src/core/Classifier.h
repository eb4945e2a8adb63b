#pragma once

#include "core/MessageRow.h"
#include "rules/LearnedFilter.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <array>
#include <functional>
#include <memory>
#include <optional>

class Blacklist;
class RuleList;
class SpamSettings;
class TmsHeaders;
class UnknownDomainCheck;

// Gives message rows their marks from the spam settings' rule lists and options,
// the messages' header lines and the blacklist, and counts the rules' hits. In
// WhyMode it explains one message instead: every category is evaluated, every
// reason is recorded, and no hit is counted (see explain).
//
// It never clears a mark: a row keeps its Mark when nothing matches. The domain
// check may wait for the DNS in the event loop; rows may change meanwhile, and
// the classifier reads them again by index afterwards.
class Classifier {
public:
    // The header lines of the message shown in row index.
    using HeaderSource = std::function<const TmsHeaders&(int index)>;

    // Every argument must outlive the classifier. domains may be null: the domain
    // check is then never made; learned may be null: no learned judgement.
    Classifier(QList<MessageRow>& rows, HeaderSource headers, SpamSettings& settings,
               const Blacklist& known, UnknownDomainCheck* domains,
               const LearnedFilter* learned = nullptr);
    ~Classifier();

    // The slot (1 to 12) of the mailbox the rows come from; 0 when it is none.
    // "To does not contain" rules apply only to their own slot.
    int MailboxSlot = 0;

    // Classifies row index, or every row in order for -1; sets their Mark.
    void MarkForDeletion(int index);

    // Why a row would be marked: a reason line for every rule that matches in
    // every category, and the mark the row gets when classified afresh.
    struct Explanation {
        QStringList Reasons;
        // The learned judgement's score and the tokens that weighed most both
        // ways, when it judges (whatever else matched).
        QStringList Learned;
        MarkState Mark = NoMark;
        // False when the row was gone by the end (a cancel emptied the list
        // while the domain check waited): Mark then means nothing.
        bool RowKept = true;
    };
    // Explains row index in WhyMode: its own mark and every hit counter are
    // left as they were.
    Explanation explain(int index);
    // The rows now hold other messages (a new listing): learned scores worked
    // out for the old ones are dropped.
    void forgetScores() { m_scores.clear(); }

    // The first exception row that matches the message: its picture number in icon.
    bool qIsInException(int index, const QString& subject, const QString& sender, int& icon);
    // The size limits; deleteFlag tells the check mark from the question mark.
    bool tooBigSmall(const QString& size, bool& deleteFlag);
    // The subject rules; deleteFlag is set when a matching row deletes.
    bool qMarkThisSubject(const QString& subject, bool& deleteFlag);
    // The sender rules; deleteFlag is set when a matching row deletes.
    bool qmarkThisSender(const QString& sender, bool& deleteFlag);
    // The header rules for the message of row index; deleteFlag as above.
    bool qMarkThisHeader(int index, bool& deleteFlag);
    // The unknown-domain check for the message of row index.
    bool CheckDomain(int index, bool& deleteFlag);
    // Looks the sender up in the blacklist, then its domain: kind is "E-mail" or
    // "Domain", matched the text found.
    bool isInKnownList(const QString& sender, QString& kind, QString& matched) const;

    // Counts one hit for a rule row, except in WhyMode.
    void BumpUpGrid(RuleList& grid, int row);
    // In WhyMode, appends one reason line to memoWhy.
    void whyAdd(bool deleteFlag, const QString& name, const QString& condition,
                const std::optional<QString>& match, bool caseSensitive);
    // whyAdd for an exception: prefix "Exception : ".
    void whyExcept(const QString& name, const QString& condition, bool caseSensitive,
                   const std::optional<QString>& match);

private:
    // Explaining: every category is evaluated, reasons go to memoWhy, and no
    // hit is counted.
    bool WhyMode = false;
    bool WhyException = false;
    // The reasons recorded in WhyMode, one line each.
    QStringList memoWhy;

    struct Rule;
    struct RuleSet;
    class Message;
    enum ListIndex { SubjectList, HeaderList, SenderList, ExceptionList };

    void classify(int index);
    // The learned judgement of a row that nothing else marked (in WhyMode of
    // every row, for its lines).
    void learnedJudgement(int index);
    bool stopsHere(int index) const;
    // The rules of a list as the scans read them, compiled again whenever one of
    // the cells they come from has changed.
    const RuleSet& rules(ListIndex which);
    bool exceptionScan(Message& message, int& icon);
    bool subjectScan(Message& message, bool& deleteFlag);
    bool senderScan(Message& message, bool& deleteFlag);
    bool headerScan(Message& message, bool& deleteFlag);
    // The header-rule forms that are not plain conditions.
    bool toDoesNotContain(Message& message, const Rule& rule);
    bool senderForm(Message& message, const Rule& rule);

    QList<MessageRow>& m_rows;
    HeaderSource m_headers;
    SpamSettings& m_settings;
    const Blacklist& m_known;
    UnknownDomainCheck* m_domains;
    const LearnedFilter* m_learned;
    // Learned scores by row, each good while the filter's generation is the
    // one it was worked out in: a check classifies every row twice.
    struct CachedScore {
        quint64 generation = 0; // 0: none worked out
        bool named = false;     // with the tokens that weighed most
        LearnedScore score;
    };
    QList<CachedScore> m_scores;
    // The provider's domains the scores were worked out with: other domains
    // give other tokens, and the scores are dropped.
    QStringList m_scoredOwnDomains;
    const LearnedScore& learnedScore(int index);
    QStringList m_learnedWhy; // the learned judgement's lines in WhyMode
    std::array<std::unique_ptr<RuleSet>, 4> m_rules;
};
