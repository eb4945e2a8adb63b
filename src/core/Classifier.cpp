#include "core/Classifier.h"

#include "core/TextTests.h"
#include "core/UnknownDomain.h"
#include "mail/headers/Headers.h"
#include "mail/headers/MailAddress.h"
#include "mail/mime/Text.h"
#include "rules/Blacklist.h"
#include "rules/LearnedFilter.h"
#include "rules/SpamSettings.h"

#include <QCoreApplication>
#include <algorithm>
#include <vector>

namespace {

const QString Yes = QStringLiteral("Yes");
const QString MailboxMarker = QStringLiteral(" - MailBox #");
// Separates the header lines joined for a search; a needle holding it is searched line by line.
constexpr QChar LineSeparator = QChar(0);

// Columns of the subject and header lists (the sender list shifts them by one).
constexpr int ColCondition = 1, ColMatch = 2, ColCase = 3, ColDelete = 4;
// Columns of the exception list.
constexpr int ExKind = 0, ExCondition = 1, ExMatch = 2, ExCase = 3;
// The cells each list's rules are read from; the hits cell is not among them.
constexpr int RuleColumns[] = {1, 2, 3, 4};
constexpr int ExceptionColumns[] = {ExKind, ExCondition, ExMatch, ExCase,
                                    RuleList::PictureIndexColumn};

QString addressPart(const QString& fieldValue) {
    QString address, name;
    SplitMailAddress(fieldValue, address, name);
    return address;
}

// The picture an exception row gives: 3 when its cell is empty, else the number
// in it. Empty when the cell holds no picture number, which the editors never write.
std::optional<int> exceptionPicture(const QString& cell) {
    if (cell.isEmpty()) return int(FirstExceptionMark);
    const std::optional<int> n = ParseWholeNumber(cell);
    if (!n || *n < FirstExceptionMark || *n > LastExceptionMark) return std::nullopt;
    return n;
}

// Header rules and exceptions look at every header line but the last one.
qsizetype examinedLines(const TmsHeaders& headers) {
    return headers.size() > 0 ? headers.size() - 1 : 0;
}

const QString& cellOf(const RuleRow& row, int col) {
    static const QString none;
    return col < row.Cells.size() ? row.Cells[col] : none;
}

// GetFieldValue reads "To" and "to:" alike.
bool sameFieldName(QStringView a, QStringView b) {
    if (a.endsWith(u':')) a.chop(1);
    if (b.endsWith(u':')) b.chop(1);
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

// Which pairs of adjacent characters a text holds, hashed into a fixed set of
// bits: a text that lacks one of a needle's pairs cannot contain the needle.
class PairSet {
public:
    static constexpr int Bits = 8192;

    static quint16 slot(QChar a, QChar b) {
        return quint16((a.unicode() * 131u + b.unicode()) % Bits);
    }
    // The slots of the needle's pairs, the pairs of less common characters first.
    static std::vector<quint16> slotsOf(QStringView needle) {
        std::vector<std::pair<int, quint16>> ranked;
        for (qsizetype i = 0; i + 1 < needle.size(); ++i)
            ranked.emplace_back(Commonness(needle[i]) + Commonness(needle[i + 1]),
                                slot(needle[i], needle[i + 1]));
        std::stable_sort(ranked.begin(), ranked.end(),
                         [](const auto& x, const auto& y) { return x.first < y.first; });
        std::vector<quint16> slots;
        for (const auto& r : ranked)
            if (std::find(slots.begin(), slots.end(), r.second) == slots.end())
                slots.push_back(r.second);
        return slots;
    }

    explicit PairSet(QStringView text) {
        for (qsizetype i = 0; i + 1 < text.size(); ++i) {
            const quint16 s = slot(text[i], text[i + 1]);
            m_bits[s / 64] |= quint64(1) << (s % 64);
        }
    }
    // False when the text surely lacks one of the pairs.
    bool mayHold(const std::vector<quint16>& slots) const {
        for (const quint16 s : slots)
            if (!(m_bits[s / 64] & (quint64(1) << (s % 64)))) return false;
        return true;
    }

private:
    quint64 m_bits[Bits / 64] = {};
};

} // namespace

// One rule row as the scans use it, worked out from its cells once.
struct Classifier::Rule {
    enum Form {
        Plain,            // a condition on the subject, the sender or each header line
        DomainName,       // exception: the sender ends with the match text
        EmailAddress,     // exception: the sender starts with the match text
        SubjectException, // exception on the row's subject
        AnyHeader,        // exception on each header line
        Field,            // exception on the value of the header field named by kind
        ToDoesNotContain,
        SenderForm,
    };
    enum SenderPart { WholeSender, SenderDomain, SenderLocalPart };

    int row = 0;
    Form form = Plain;
    QString kind; // the exception kind or the sender rule's kind
    QString conditionText;
    QString match;
    Condition condition = Condition::Unknown;
    bool caseSensitive = false;
    bool rowDeletes = false;
    int picture = FirstExceptionMark;
    SenderPart part = WholeSender;
    // Comparisons that ignore case are made between upper-cased texts: then testMatch
    // is the upper-cased match text and the tested text is upper-cased too.
    bool folded = false;
    QString testMatch;
    TextFinder finder; // testMatch, for "Contains" and whole words
    // The slots of testMatch's adjacent character pairs in a PairSet, rarest pairs
    // first. A text that passes a condition with a match text holds all of them.
    std::vector<quint16> pairs;
    // "To does not contain": the mailbox slot (0 when the text names none) and the address.
    int slot = 0;
    QString address;

    void prepare(bool foldCase) {
        folded = foldCase;
        testMatch = folded ? UpperAscii(match) : match;
        if (condition == Condition::Contains || condition == Condition::ContainsWholeWord)
            finder = TextFinder(testMatch);
        if (ConditionUsesMatch(condition)) pairs = PairSet::slotsOf(testMatch);
    }
    // Whether the condition holds for text, which is upper-cased when the rule is folded.
    bool passes(QStringView text) const {
        switch (condition) {
        case Condition::Contains:
            return finder.indexIn(text) >= 0;
        case Condition::ContainsWholeWord:
            return finder.indexIn(text) >= 0 && WholeWordCheck(text, testMatch, true);
        default:
            return TestCondition(condition, text, testMatch, true);
        }
    }
    // Whether the joined header lines can be searched for the match at once.
    bool searchesJoinedLines() const {
        return (condition == Condition::Contains || condition == Condition::ContainsWholeWord) &&
               !testMatch.isEmpty() && !testMatch.contains(LineSeparator);
    }
};

// The rules of one list and copies of the rows they were compiled from. A copy
// shares its row's cells, and shared cells are never changed in place, so a row
// whose cells are still at the same address holds the same texts. Counting a hit
// gives a row new cells: then the texts the rules read are compared.
struct Classifier::RuleSet {
    QList<QStringList> rows; // from row 1
    std::vector<Rule> rules;

    template <std::size_t N> bool current(const RuleList& list, const int (&columns)[N]) {
        if (list.rowCount() - 1 != rows.size()) return false;
        for (int r = 1; r < list.rowCount(); ++r) {
            const QStringList& cells = list.row(r).Cells;
            QStringList& copy = rows[r - 1];
            if (cells.constData() == copy.constData() && cells.size() == copy.size()) continue;
            for (const int col : columns) {
                const QString& cell = col < cells.size() ? cells[col] : QString();
                const QString& was = col < copy.size() ? copy[col] : QString();
                if (cell != was) return false;
            }
            copy = cells;
        }
        return true;
    }
    void remember(const RuleList& list) {
        rows.clear();
        rules.clear();
        for (int r = 1; r < list.rowCount(); ++r)
            rows.append(list.row(r).Cells);
    }
};

// One message as the scans read it: the upper-cased texts, the joined header
// lines and the field values are each worked out once, when first needed.
class Classifier::Message {
public:
    Message(const Classifier& owner, int index, const QString& subject, const QString& sender)
        : Subject(subject), Sender(sender), m_owner(owner), m_index(index),
          m_at(sender.indexOf(u'@')) {}

    const QString& Subject;
    const QString& Sender;

    QStringView subject(bool upper) { return upper ? upperOf(Subject, m_upperSubject) : Subject; }
    QStringView sender(bool upper) { return upper ? upperOf(Sender, m_upperSender) : Sender; }
    QStringView senderPart(Rule::SenderPart part, bool upper) {
        const QStringView whole = sender(upper);
        if (m_at < 0 || part == Rule::WholeSender) return whole;
        return part == Rule::SenderDomain ? whole.mid(m_at + 1) : whole.left(m_at);
    }

    const TmsHeaders& headers() {
        if (!m_headers) m_headers = &m_owner.m_headers(m_index);
        return *m_headers;
    }

    // The value of a header field (GetFieldValue), upper-cased when asked.
    const QString& field(const QString& name, bool upper = false) {
        for (FieldValue& f : m_fields)
            if (sameFieldName(f.name, name)) return upper ? upperOf(f.value, f.upper) : f.value;
        m_fields.append({name, headers().GetFieldValue(name), std::nullopt});
        FieldValue& f = m_fields.last();
        return upper ? upperOf(f.value, f.upper) : f.value;
    }

    // Calls found(line) for every examined header line that passes the rule, in
    // order, until found returns false.
    template <typename Found> void eachPassingLine(const Rule& rule, Found&& found) {
        joinLines();
        const qsizetype count = m_starts.size() - 1;
        const QString& text = rule.folded ? upperOf(m_joined, m_upperJoined) : m_joined;
        if (!rule.pairs.empty()) {
            std::optional<PairSet>& pairs = rule.folded ? m_upperPairs : m_pairs;
            if (!pairs) pairs.emplace(text);
            if (!pairs->mayHold(rule.pairs)) return;
        }
        if (rule.searchesJoinedLines()) {
            // The needle holds no separator: every occurrence lies within one line.
            for (qsizetype from = 0;;) {
                const qsizetype at = rule.finder.indexIn(text, from);
                if (at < 0) return;
                const qsizetype l = std::upper_bound(m_starts.cbegin(), m_starts.cend(), at) -
                                    m_starts.cbegin() - 1;
                if (rule.condition == Condition::Contains || rule.passes(line(l, rule.folded)))
                    if (!found(l)) return;
                from = m_starts[l + 1];
            }
        }
        for (qsizetype l = 0; l < count; ++l)
            if (rule.passes(line(l, rule.folded)) && !found(l)) return;
    }

private:
    struct FieldValue {
        QString name;
        QString value;
        std::optional<QString> upper;
    };

    static const QString& upperOf(const QString& text, std::optional<QString>& upper) {
        if (!upper) upper = UpperAscii(text);
        return *upper;
    }

    // The examined lines, each followed by the separator, and where each starts.
    void joinLines() {
        if (!m_starts.isEmpty()) return;
        const TmsHeaders& lines = headers();
        const qsizetype count = examinedLines(lines);
        m_starts.reserve(count + 1);
        for (qsizetype l = 0; l < count; ++l) {
            m_starts.append(m_joined.size());
            m_joined += lines[l]; // each line is decoded once
            m_joined += LineSeparator;
        }
        m_starts.append(m_joined.size());
    }
    QStringView line(qsizetype l, bool upper) {
        const QString& text = upper ? upperOf(m_joined, m_upperJoined) : m_joined;
        return QStringView(text).sliced(m_starts[l], m_starts[l + 1] - m_starts[l] - 1);
    }

    const Classifier& m_owner;
    const int m_index;
    const qsizetype m_at; // the first "@" of the sender
    std::optional<QString> m_upperSubject, m_upperSender;
    const TmsHeaders* m_headers = nullptr;
    QString m_joined;
    std::optional<QString> m_upperJoined;
    std::optional<PairSet> m_pairs, m_upperPairs;
    QList<qsizetype> m_starts;
    QList<FieldValue> m_fields;
};

Classifier::Classifier(QList<MessageRow>& rows, HeaderSource headers, SpamSettings& settings,
                       const Blacklist& known, UnknownDomainCheck* domains,
                       const LearnedFilter* learned)
    : m_rows(rows), m_headers(std::move(headers)), m_settings(settings), m_known(known),
      m_domains(domains), m_learned(learned) {}

Classifier::~Classifier() = default;

void Classifier::MarkForDeletion(int index) {
    if (index == -1) {
        for (int i = 0; i < m_rows.size(); ++i)
            classify(i);
    } else if (index >= 0 && index < m_rows.size()) {
        classify(index);
    }
}

Classifier::Explanation Classifier::explain(int index) {
    Explanation out;
    if (index < 0 || index >= m_rows.size()) {
        out.RowKept = false;
        return out;
    }
    const MarkState old = m_rows[index].Mark;
    memoWhy.clear();
    m_learnedWhy.clear();
    WhyMode = true;
    m_rows[index].Mark = NoMark;
    // Whatever way it ends, the row keeps its mark and nothing is left recorded.
    const auto restore = [this, index, old] {
        WhyMode = false;
        memoWhy.clear();
        m_learnedWhy.clear();
        if (index < m_rows.size()) m_rows[index].Mark = old;
    };
    try {
        classify(index);
    } catch (...) {
        restore();
        throw;
    }
    out.Reasons = memoWhy;
    out.Learned = m_learnedWhy;
    out.RowKept = index < m_rows.size();
    if (out.RowKept) out.Mark = m_rows[index].Mark;
    restore();
    return out;
}

bool Classifier::stopsHere(int index) const {
    return !WhyMode && m_rows[index].Mark == CheckMark;
}

void Classifier::classify(int index) {
    const QString subject = m_rows[index].Subject;
    const QString sender = m_rows[index].Sender;
    Message message(*this, index, subject, sender);

    int icon = FirstExceptionMark;
    if (exceptionScan(message, icon)) {
        m_rows[index].Mark = MarkState(icon);
        return;
    }

    bool deleteFlag = false;
    if (tooBigSmall(m_rows[index].Size, deleteFlag))
        m_rows[index].Mark = deleteFlag ? CheckMark : QuestionMark;
    if (stopsHere(index)) return;

    // A delete match gives the check mark; any other match the question mark,
    // which never replaces a check mark.
    const auto raise = [this, index](bool del) {
        MarkState& mark = m_rows[index].Mark;
        if (del)
            mark = CheckMark;
        else if (mark != CheckMark)
            mark = QuestionMark;
    };

    if (subjectScan(message, deleteFlag)) raise(deleteFlag);
    if (stopsHere(index)) return;
    if (senderScan(message, deleteFlag)) raise(deleteFlag);
    if (stopsHere(index)) return;
    if (headerScan(message, deleteFlag)) raise(deleteFlag);
    if (stopsHere(index)) return;

    if (m_settings.Known.Valid) {
        // The look-up may wait in the event loop, where the list can change.
        const bool unknown = CheckDomain(index, deleteFlag);
        if (index >= m_rows.size()) return;
        if (unknown) raise(deleteFlag);
        if (stopsHere(index)) return;
    }

    QString kind, matched;
    if (m_settings.Known.QMonitor && isInKnownList(sender, kind, matched)) {
        if (m_rows[index].Mark != CheckMark) m_rows[index].Mark = BlacklistMark;
        whyAdd(true, kind,
               QLatin1Char('"') + matched +
                   QStringLiteral("\" is on the KNOWN SPAMMER BLACKLIST (you may edit if this "
                                  "is in error)"),
               std::nullopt, false);
    }
    learnedJudgement(index);
}

namespace {
QString weights(const QList<LearnedWeight>& list) {
    QStringList out;
    for (const LearnedWeight& w : list)
        out << QStringLiteral("%1 (%2)").arg(w.token, QString::number(w.spamProbability, 'f', 2));
    return out.isEmpty() ? QStringLiteral("none") : out.join(QStringLiteral(", "));
}
} // namespace

const LearnedScore& Classifier::learnedScore(int index) {
    if (m_learned->tokenizer.ownDomains != m_scoredOwnDomains) {
        m_scores.clear();
        m_scoredOwnDomains = m_learned->tokenizer.ownDomains;
    }
    if (m_scores.size() < m_rows.size()) m_scores.resize(m_rows.size());
    CachedScore& cached = m_scores[index];
    // Only "Why" names the tokens: a plain check skips building their texts.
    if (cached.generation != m_learned->generation() || (WhyMode && !cached.named)) {
        cached.score =
            WhyMode ? m_learned->score(m_headers(index)) : m_learned->scoreOnly(m_headers(index));
        cached.generation = m_learned->generation();
        cached.named = WhyMode;
    }
    return cached.score;
}

void Classifier::learnedJudgement(int index) {
    if (!m_learned || !m_settings.Learning.On) return;
    // Exceptions and every rule come first: it marks only what nothing marked.
    if (!WhyMode && m_rows[index].Mark != NoMark) return;
    const LearnedScore s = learnedScore(index);
    if (!s.judged) return;
    const int cutoff = m_settings.Learning.Cutoff;
    const bool spam = s.score * 100.0 >= cutoff;
    if (spam && m_rows[index].Mark == NoMark)
        m_rows[index].Mark = m_settings.Learning.Check ? CheckMark : QuestionMark;
    if (!WhyMode) return;
    m_learnedWhy
        << QCoreApplication::translate("Classifier", "Learned  :  score %1, cutoff %2: %3")
               .arg(QString::number(s.score, 'f', 2), QString::number(cutoff / 100.0, 'f', 2),
                    spam ? QCoreApplication::translate("Classifier", "like the spam you deleted")
                         : QCoreApplication::translate("Classifier", "like the mail you kept"))
        << QCoreApplication::translate("Classifier", "           toward spam: ") +
               weights(s.towardSpam)
        << QCoreApplication::translate("Classifier", "           toward other mail: ") +
               weights(s.towardOther);
}

const Classifier::RuleSet& Classifier::rules(ListIndex which) {
    std::unique_ptr<RuleSet>& set = m_rules[which];
    if (!set) set = std::make_unique<RuleSet>();
    if (which == ExceptionList) {
        const RuleList& grid = m_settings.gridExcept;
        if (set->current(grid, ExceptionColumns)) return *set;
        set->remember(grid);
        for (int r = 1; r < grid.rowCount(); ++r) {
            const RuleRow& cells = grid.row(r);
            Rule rule;
            rule.row = r;
            rule.kind = cellOf(cells, ExKind);
            if (rule.kind.isEmpty()) continue;
            const std::optional<int> picture =
                exceptionPicture(cellOf(cells, RuleList::PictureIndexColumn));
            if (!picture) continue;
            rule.picture = *picture;
            rule.conditionText = cellOf(cells, ExCondition);
            rule.match = cellOf(cells, ExMatch);
            rule.caseSensitive = cellOf(cells, ExCase) == Yes;
            if (rule.kind == QLatin1String("Domain name") ||
                rule.kind == QLatin1String("E-mail address")) {
                rule.form = rule.kind == QLatin1String("Domain name") ? Rule::DomainName
                                                                      : Rule::EmailAddress;
                rule.prepare(true);
            } else {
                rule.condition = ConditionFromText(rule.conditionText);
                if (!ConditionAllowed(rule.condition, ConditionScope::Header)) continue;
                rule.form = rule.kind == QLatin1String("Subject")      ? Rule::SubjectException
                            : rule.kind == QLatin1String("Any Header") ? Rule::AnyHeader
                                                                       : Rule::Field;
                rule.prepare(!rule.caseSensitive);
            }
            set->rules.push_back(std::move(rule));
        }
        return *set;
    }

    const RuleList& grid = which == SubjectList  ? m_settings.gridSubject
                           : which == HeaderList ? m_settings.gridHeader
                                                 : m_settings.gridFrom;
    if (set->current(grid, RuleColumns)) return *set;
    set->remember(grid);
    // Each scan stops at the first row whose column 1 is empty.
    for (int r = 1; r < grid.rowCount() && !cellOf(grid.row(r), 1).isEmpty(); ++r) {
        const RuleRow& cells = grid.row(r);
        Rule rule;
        rule.row = r;
        if (which == SenderList) {
            // Every sender test ignores case.
            rule.kind = cellOf(cells, 1);
            rule.conditionText = cellOf(cells, 2);
            rule.condition = ConditionFromText(rule.conditionText);
            if (!ConditionAllowed(rule.condition, ConditionScope::Sender)) continue;
            rule.match = cellOf(cells, 3);
            rule.rowDeletes = cellOf(cells, 4) == Yes;
            const bool wholeAddress =
                ConditionUsesMatch(rule.condition) || rule.condition == Condition::IsBlank;
            rule.part = rule.kind == QLatin1String("Domain name") ? Rule::SenderDomain
                        : wholeAddress                            ? Rule::WholeSender
                                                                  : Rule::SenderLocalPart;
            rule.prepare(ConditionUsesMatch(rule.condition));
            set->rules.push_back(std::move(rule));
            continue;
        }
        rule.conditionText = cellOf(cells, ColCondition);
        rule.match = cellOf(cells, ColMatch);
        rule.caseSensitive = cellOf(cells, ColCase) == Yes;
        rule.rowDeletes = cellOf(cells, ColDelete) == Yes;
        if (which == HeaderList && rule.conditionText == QLatin1String("To does not contain")) {
            // "address - MailBox #n" applies to the mailbox of slot n only. A text not
            // in that form, or with no address, is not a rule the editors write: skipped.
            rule.form = Rule::ToDoesNotContain;
            const qsizetype marker = rule.match.lastIndexOf(MailboxMarker);
            if (marker <= 0) continue;
            const std::optional<int> slot =
                ParseWholeNumber(QStringView(rule.match).mid(marker + MailboxMarker.size()));
            if (!slot || *slot < 1) continue;
            rule.slot = *slot;
            rule.address = rule.match.left(marker);
            rule.finder = TextFinder(UpperAscii(rule.address));
        } else if (which == HeaderList && rule.conditionText == QLatin1String("Sender")) {
            rule.form = Rule::SenderForm;
        } else {
            rule.condition = ConditionFromText(rule.conditionText);
            if (!ConditionAllowed(rule.condition, which == SubjectList ? ConditionScope::Subject
                                                                       : ConditionScope::Header))
                continue;
            rule.prepare(!rule.caseSensitive && ConditionUsesMatch(rule.condition));
        }
        set->rules.push_back(std::move(rule));
    }
    return *set;
}

bool Classifier::qIsInException(int index, const QString& subject, const QString& sender,
                                int& icon) {
    Message message(*this, index, subject, sender);
    return exceptionScan(message, icon);
}

bool Classifier::exceptionScan(Message& message, int& icon) {
    for (const Rule& rule : rules(ExceptionList).rules) {
        bool matched = false;
        switch (rule.form) {
        case Rule::DomainName:
        case Rule::EmailAddress: {
            const QStringView sender = message.sender(true);
            matched = rule.form == Rule::DomainName ? EndsWithText(sender, rule.testMatch, true)
                                                    : StartsWithText(sender, rule.testMatch, true);
            if (matched)
                whyExcept(rule.kind, QCoreApplication::translate("Classifier", "Equals"), false,
                          rule.match);
            break;
        }
        case Rule::SubjectException:
            matched = rule.passes(message.subject(rule.folded));
            if (matched) whyExcept(rule.kind, rule.conditionText, rule.caseSensitive, rule.match);
            break;
        case Rule::AnyHeader:
            message.eachPassingLine(rule, [&](qsizetype l) {
                matched = true;
                whyExcept(QCoreApplication::translate("Classifier", "Any Header ") +
                              message.headers()[l],
                          rule.conditionText, rule.caseSensitive, rule.match);
                return WhyMode;
            });
            break;
        default: {
            matched = rule.passes(message.field(rule.kind, rule.folded));
            if (matched)
                whyExcept(rule.kind + QLatin1Char(' ') + message.field(rule.kind),
                          rule.conditionText, rule.caseSensitive, rule.match);
            break;
        }
        }
        if (matched) {
            icon = rule.picture;
            BumpUpGrid(m_settings.gridExcept, rule.row);
            return true;
        }
    }
    return false;
}

bool Classifier::tooBigSmall(const QString& size, bool& deleteFlag) {
    deleteFlag = false;
    const std::optional<int> n = ParseWholeNumber(size);
    if (!n) return false;
    if (m_settings.Smaller.QSmaller && *n < m_settings.Smaller.Num) {
        deleteFlag = m_settings.Smaller.Check;
        whyAdd(deleteFlag, QCoreApplication::translate("Classifier", "Size"),
               QCoreApplication::translate("Classifier", "smaller than"),
               QString::number(m_settings.Smaller.Num), false);
        return true;
    }
    if (m_settings.Larger.QLarger && *n > m_settings.Larger.Num) {
        deleteFlag = m_settings.Larger.Check;
        whyAdd(deleteFlag, QCoreApplication::translate("Classifier", "Size"),
               QCoreApplication::translate("Classifier", "larger than"),
               QString::number(m_settings.Larger.Num), false);
        return true;
    }
    return false;
}

bool Classifier::qMarkThisSubject(const QString& subject, bool& deleteFlag) {
    Message message(*this, -1, subject, QString());
    return subjectScan(message, deleteFlag);
}

bool Classifier::subjectScan(Message& message, bool& deleteFlag) {
    deleteFlag = false;
    bool matched = false;
    for (const Rule& rule : rules(SubjectList).rules) {
        if (!rule.passes(message.subject(rule.folded))) continue;

        matched = true;
        BumpUpGrid(m_settings.gridSubject, rule.row);
        deleteFlag = deleteFlag || rule.rowDeletes;
        whyAdd(rule.rowDeletes, QCoreApplication::translate("Classifier", "Subject"),
               rule.conditionText,
               ConditionUsesMatch(rule.condition) ? std::optional<QString>(rule.match)
                                                  : std::nullopt,
               rule.caseSensitive);
        if (!WhyMode && rule.rowDeletes) break;
    }
    return matched;
}

bool Classifier::qmarkThisSender(const QString& sender, bool& deleteFlag) {
    Message message(*this, -1, QString(), sender);
    return senderScan(message, deleteFlag);
}

bool Classifier::senderScan(Message& message, bool& deleteFlag) {
    deleteFlag = false;
    bool matched = false;
    for (const Rule& rule : rules(SenderList).rules) {
        if (!rule.passes(message.senderPart(rule.part, rule.folded))) continue;

        matched = true;
        BumpUpGrid(m_settings.gridFrom, rule.row);
        deleteFlag = deleteFlag || rule.rowDeletes;
        whyAdd(rule.rowDeletes,
               rule.part == Rule::SenderDomain
                   ? QCoreApplication::translate("Classifier", "Domain name")
                   : QCoreApplication::translate("Classifier", "E-mail address"),
               rule.conditionText,
               ConditionUsesMatch(rule.condition) ? std::optional<QString>(rule.match)
                                                  : std::nullopt,
               false);
        if (!WhyMode && rule.rowDeletes) break;
    }
    return matched;
}

bool Classifier::qMarkThisHeader(int index, bool& deleteFlag) {
    const QString none;
    Message message(*this, index, none, none);
    return headerScan(message, deleteFlag);
}

bool Classifier::headerScan(Message& message, bool& deleteFlag) {
    deleteFlag = false;
    bool matched = false;
    for (const Rule& rule : rules(HeaderList).rules) {
        bool rowMatched = false;
        if (rule.form == Rule::ToDoesNotContain || rule.form == Rule::SenderForm) {
            rowMatched = rule.form == Rule::SenderForm ? senderForm(message, rule)
                                                       : toDoesNotContain(message, rule);
            if (rowMatched) BumpUpGrid(m_settings.gridHeader, rule.row);
        } else {
            message.eachPassingLine(rule, [&](qsizetype) {
                rowMatched = true;
                BumpUpGrid(m_settings.gridHeader, rule.row);
                whyAdd(rule.rowDeletes, QCoreApplication::translate("Classifier", "Header"),
                       rule.conditionText, rule.match, rule.caseSensitive);
                return WhyMode || !rule.rowDeletes;
            });
        }
        if (!rowMatched) continue;
        matched = true;
        deleteFlag = deleteFlag || rule.rowDeletes;
        if (!WhyMode && rule.rowDeletes) break;
    }
    return matched;
}

bool Classifier::toDoesNotContain(Message& message, const Rule& rule) {
    if (rule.slot < 1 || rule.slot != MailboxSlot) return false;
    const QString& to = message.field(QStringLiteral("To"));
    if (to.isEmpty() || rule.finder.indexIn(message.field(QStringLiteral("To"), true)) >= 0)
        return false;
    whyAdd(rule.rowDeletes, QCoreApplication::translate("Classifier", "Header \"%1\"").arg(to),
           QCoreApplication::translate("Classifier", "To does not contain"), rule.address,
           rule.caseSensitive);
    return true;
}

bool Classifier::senderForm(Message& message, const Rule& rule) {
    const QString from = addressPart(message.field(QStringLiteral("From")));
    if (rule.match == QLatin1String("does not match Reply-to")) {
        const QString& replyTo = message.field(QStringLiteral("Reply-to"));
        if (replyTo.isEmpty() || ContainsText(replyTo, from, false) ||
            ContainsText(from, replyTo, false))
            return false;
        whyAdd(rule.rowDeletes, QCoreApplication::translate("Classifier", "Header"),
               QCoreApplication::translate("Classifier", "Sender"),
               QCoreApplication::translate("Classifier", "%1 does not match Reply-to %2")
                   .arg(replyTo, from),
               false);
        return true;
    }
    const QString to = addressPart(message.field(QStringLiteral("To")));
    if (to.isEmpty() || !(ContainsText(to, from, false) || ContainsText(from, to, false)))
        return false;
    whyAdd(rule.rowDeletes, QCoreApplication::translate("Classifier", "Header"),
           QCoreApplication::translate("Classifier", "Sender"),
           QCoreApplication::translate("Classifier", "%1 equals To field %2").arg(to, from), false);
    return true;
}

bool Classifier::CheckDomain(int index, bool& deleteFlag) {
    deleteFlag = false;
    if (!m_domains) return false;
    QString name;
    if (!m_domains->CheckDomain(m_headers(index), deleteFlag, name)) return false;
    whyAdd(deleteFlag, name, QCoreApplication::translate("Classifier", "is an"),
           QCoreApplication::translate("Classifier", "Unknown domain"), false);
    return true;
}

bool Classifier::isInKnownList(const QString& sender, QString& kind, QString& matched) const {
    if (m_known.find(sender) >= 0) {
        kind = QStringLiteral("E-mail");
        matched = sender;
        return true;
    }
    const qsizetype at = sender.indexOf(u'@');
    if (at < 0) return false;
    const QString domain = sender.mid(at + 1);
    if (m_known.find(domain) < 0) return false;
    kind = QStringLiteral("Domain");
    matched = domain;
    return true;
}

void Classifier::BumpUpGrid(RuleList& grid, int row) {
    if (!WhyMode) grid.bumpHits(row);
}

void Classifier::whyAdd(bool deleteFlag, const QString& name, const QString& condition,
                        const std::optional<QString>& match, bool caseSensitive) {
    if (!WhyMode) return;
    const QString prefix = WhyException ? QCoreApplication::translate("Classifier", "Exception : ")
                           : deleteFlag ? QCoreApplication::translate("Classifier", "Delete   : ")
                                        : QCoreApplication::translate("Classifier", "Question : ");
    QString line = prefix + QLatin1Char(' ') + name + QLatin1Char(' ') + condition;
    if (match)
        line += QStringLiteral(" \"") + *match + QStringLiteral("\" ") +
                (caseSensitive ? QCoreApplication::translate("Classifier", " (Case Sensitive)")
                               : QString());
    memoWhy.append(line);
}

void Classifier::whyExcept(const QString& name, const QString& condition, bool caseSensitive,
                           const std::optional<QString>& match) {
    WhyException = true;
    whyAdd(false, name, condition, match, caseSensitive);
    WhyException = false;
}
