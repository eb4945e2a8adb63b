#include "core/Classifier.h"

#include "core/TextTests.h"
#include "core/UnknownDomain.h"
#include "mail/headers/Headers.h"
#include "mail/headers/MailAddress.h"
#include "mail/mime/Text.h"
#include "rules/Blacklist.h"
#include "rules/SpamSettings.h"

namespace {

const QString Yes = QStringLiteral("Yes");
const QString MailboxMarker = QStringLiteral(" - MailBox #");

// Columns of the subject and header lists (the sender list shifts them by one).
constexpr int ColCondition = 1, ColMatch = 2, ColCase = 3, ColDelete = 4;
// Columns of the exception list.
constexpr int ExKind = 0, ExCondition = 1, ExMatch = 2, ExCase = 3;

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

} // namespace

Classifier::Classifier(QList<MessageRow>& rows, HeaderSource headers, SpamSettings& settings,
                       const Blacklist& known, UnknownDomainCheck* domains)
    : m_rows(rows), m_headers(std::move(headers)), m_settings(settings), m_known(known),
      m_domains(domains) {}

void Classifier::MarkForDeletion(int index) {
    if (index == -1) {
        for (int i = 0; i < m_rows.size(); ++i)
            classify(i);
    } else if (index >= 0 && index < m_rows.size()) {
        classify(index);
    }
}

bool Classifier::stopsHere(int index) const {
    return !WhyMode && m_rows[index].Mark == CheckMark;
}

void Classifier::classify(int index) {
    const QString subject = m_rows[index].Subject;
    const QString sender = m_rows[index].Sender;

    int icon = FirstExceptionMark;
    if (qIsInException(index, subject, sender, icon)) {
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

    if (qMarkThisSubject(subject, deleteFlag)) raise(deleteFlag);
    if (stopsHere(index)) return;
    if (qmarkThisSender(sender, deleteFlag)) raise(deleteFlag);
    if (stopsHere(index)) return;
    if (qMarkThisHeader(index, deleteFlag)) raise(deleteFlag);
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
}

bool Classifier::qIsInException(int index, const QString& subject, const QString& sender,
                                int& icon) {
    RuleList& grid = m_settings.gridExcept;
    for (int r = 1; r < grid.rowCount(); ++r) {
        const QString kind = grid.cell(ExKind, r);
        if (kind.isEmpty()) continue;
        const std::optional<int> picture =
            exceptionPicture(grid.cell(RuleList::PictureIndexColumn, r));
        if (!picture) continue;
        const QString conditionText = grid.cell(ExCondition, r);
        const QString match = grid.cell(ExMatch, r);
        const bool caseSensitive = grid.cell(ExCase, r) == Yes;

        bool matched = false;
        if (kind == QLatin1String("Domain name") || kind == QLatin1String("E-mail address")) {
            matched = kind == QLatin1String("Domain name") ? EndsWithText(sender, match, false)
                                                           : StartsWithText(sender, match, false);
            if (matched) whyExcept(kind, QStringLiteral("Equals"), false, match);
        } else {
            const Condition condition = ConditionFromText(conditionText);
            if (!ConditionAllowed(condition, ConditionScope::Header)) continue;
            if (kind == QLatin1String("Subject")) {
                matched = TestCondition(condition, subject, match, caseSensitive);
                if (matched) whyExcept(kind, conditionText, caseSensitive, match);
            } else if (kind == QLatin1String("Any Header")) {
                const TmsHeaders& headers = m_headers(index);
                for (qsizetype l = 0; l < examinedLines(headers); ++l) {
                    if (!TestCondition(condition, headers[l], match, caseSensitive)) continue;
                    matched = true;
                    whyExcept(QStringLiteral("Any Header ") + headers[l], conditionText,
                              caseSensitive, match);
                    if (!WhyMode) break;
                }
            } else {
                const QString value = m_headers(index).GetFieldValue(kind);
                matched = TestCondition(condition, value, match, caseSensitive);
                if (matched)
                    whyExcept(kind + QLatin1Char(' ') + value, conditionText, caseSensitive, match);
            }
        }
        if (matched) {
            icon = *picture;
            BumpUpGrid(grid, r);
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
        whyAdd(deleteFlag, QStringLiteral("Size"), QStringLiteral("smaller than"),
               QString::number(m_settings.Smaller.Num), false);
        return true;
    }
    if (m_settings.Larger.QLarger && *n > m_settings.Larger.Num) {
        deleteFlag = m_settings.Larger.Check;
        whyAdd(deleteFlag, QStringLiteral("Size"), QStringLiteral("larger than"),
               QString::number(m_settings.Larger.Num), false);
        return true;
    }
    return false;
}

bool Classifier::qMarkThisSubject(const QString& subject, bool& deleteFlag) {
    deleteFlag = false;
    bool matched = false;
    RuleList& grid = m_settings.gridSubject;
    for (int r = 1; r < grid.rowCount() && !grid.cell(ColCondition, r).isEmpty(); ++r) {
        const QString conditionText = grid.cell(ColCondition, r);
        const Condition condition = ConditionFromText(conditionText);
        if (!ConditionAllowed(condition, ConditionScope::Subject)) continue;
        const QString match = grid.cell(ColMatch, r);
        const bool caseSensitive = grid.cell(ColCase, r) == Yes;
        const bool rowDeletes = grid.cell(ColDelete, r) == Yes;
        if (!TestCondition(condition, subject, match, caseSensitive)) continue;

        matched = true;
        BumpUpGrid(grid, r);
        deleteFlag = deleteFlag || rowDeletes;
        whyAdd(rowDeletes, QStringLiteral("Subject"), conditionText,
               ConditionUsesMatch(condition) ? std::optional<QString>(match) : std::nullopt,
               caseSensitive);
        if (!WhyMode && rowDeletes) break;
    }
    return matched;
}

bool Classifier::qmarkThisSender(const QString& sender, bool& deleteFlag) {
    deleteFlag = false;
    bool matched = false;
    const qsizetype at = sender.indexOf(u'@');
    const QStringView domain = at < 0 ? QStringView(sender) : QStringView(sender).mid(at + 1);
    const QStringView localPart = at < 0 ? QStringView(sender) : QStringView(sender).left(at);

    RuleList& grid = m_settings.gridFrom;
    for (int r = 1; r < grid.rowCount() && !grid.cell(1, r).isEmpty(); ++r) {
        const bool domainKind = grid.cell(1, r) == QLatin1String("Domain name");
        const QString conditionText = grid.cell(2, r);
        const Condition condition = ConditionFromText(conditionText);
        if (!ConditionAllowed(condition, ConditionScope::Sender)) continue;
        const QString match = grid.cell(3, r);
        const bool rowDeletes = grid.cell(4, r) == Yes;

        const bool wholeAddress = ConditionUsesMatch(condition) || condition == Condition::IsBlank;
        const QStringView text =
            domainKind ? domain : (wholeAddress ? QStringView(sender) : localPart);
        if (!TestCondition(condition, text, match, false)) continue;

        matched = true;
        BumpUpGrid(grid, r);
        deleteFlag = deleteFlag || rowDeletes;
        whyAdd(rowDeletes,
               domainKind ? QStringLiteral("Domain name") : QStringLiteral("E-mail address"),
               conditionText,
               ConditionUsesMatch(condition) ? std::optional<QString>(match) : std::nullopt, false);
        if (!WhyMode && rowDeletes) break;
    }
    return matched;
}

bool Classifier::qMarkThisHeader(int index, bool& deleteFlag) {
    deleteFlag = false;
    bool matched = false;
    const TmsHeaders& headers = m_headers(index);
    RuleList& grid = m_settings.gridHeader;
    for (int r = 1; r < grid.rowCount() && !grid.cell(ColCondition, r).isEmpty(); ++r) {
        const QString form = grid.cell(ColCondition, r);
        const QString match = grid.cell(ColMatch, r);
        const bool caseSensitive = grid.cell(ColCase, r) == Yes;
        const bool rowDeletes = grid.cell(ColDelete, r) == Yes;

        bool rowMatched = false;
        if (form == QLatin1String("To does not contain") || form == QLatin1String("Sender")) {
            rowMatched = form == QLatin1String("Sender")
                             ? senderForm(headers, match, rowDeletes)
                             : toDoesNotContain(headers, match, caseSensitive, rowDeletes);
            if (rowMatched) BumpUpGrid(grid, r);
        } else {
            const Condition condition = ConditionFromText(form);
            if (!ConditionAllowed(condition, ConditionScope::Header)) continue;
            for (qsizetype l = 0; l < examinedLines(headers); ++l) {
                if (!TestCondition(condition, headers[l], match, caseSensitive)) continue;
                rowMatched = true;
                BumpUpGrid(grid, r);
                whyAdd(rowDeletes, QStringLiteral("Header"), form, match, caseSensitive);
                if (!WhyMode && rowDeletes) break;
            }
        }
        if (!rowMatched) continue;
        matched = true;
        deleteFlag = deleteFlag || rowDeletes;
        if (!WhyMode && rowDeletes) break;
    }
    return matched;
}

bool Classifier::toDoesNotContain(const TmsHeaders& headers, const QString& match,
                                  bool caseSensitive, bool rowDeletes) {
    // "address - MailBox #n" applies to the mailbox of slot n only. A text not
    // in that form, or with no address, is not a rule the editors write: skipped.
    const qsizetype marker = match.lastIndexOf(MailboxMarker);
    if (marker <= 0) return false;
    const std::optional<int> slot =
        ParseWholeNumber(QStringView(match).mid(marker + MailboxMarker.size()));
    if (!slot || *slot < 1 || *slot != MailboxSlot) return false;
    const QString address = match.left(marker);

    const QString to = headers.GetFieldValue(QStringLiteral("To"));
    if (to.isEmpty() || ContainsText(to, address, false)) return false;
    whyAdd(rowDeletes, QStringLiteral("Header \"") + to + QLatin1Char('"'),
           QStringLiteral("To does not contain"), address, caseSensitive);
    return true;
}

bool Classifier::senderForm(const TmsHeaders& headers, const QString& match, bool rowDeletes) {
    const QString from = addressPart(headers.GetFieldValue(QStringLiteral("From")));
    if (match == QLatin1String("does not match Reply-to")) {
        const QString replyTo = headers.GetFieldValue(QStringLiteral("Reply-to"));
        if (replyTo.isEmpty() || ContainsText(replyTo, from, false) ||
            ContainsText(from, replyTo, false))
            return false;
        whyAdd(rowDeletes, QStringLiteral("Header"), QStringLiteral("Sender"),
               replyTo + QStringLiteral(" does not match Reply-to ") + from, false);
        return true;
    }
    const QString to = addressPart(headers.GetFieldValue(QStringLiteral("To")));
    if (to.isEmpty() || !(ContainsText(to, from, false) || ContainsText(from, to, false)))
        return false;
    whyAdd(rowDeletes, QStringLiteral("Header"), QStringLiteral("Sender"),
           to + QStringLiteral(" equals To field ") + from, false);
    return true;
}

bool Classifier::CheckDomain(int index, bool& deleteFlag) {
    deleteFlag = false;
    if (!m_domains) return false;
    QString name;
    if (!m_domains->CheckDomain(m_headers(index), deleteFlag, name)) return false;
    whyAdd(deleteFlag, name, QStringLiteral("is an"), QStringLiteral("Unknown domain"), false);
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
    const QString prefix = WhyException ? QStringLiteral("Exception : ")
                           : deleteFlag ? QStringLiteral("Delete   : ")
                                        : QStringLiteral("Question : ");
    QString line = prefix + QLatin1Char(' ') + name + QLatin1Char(' ') + condition;
    if (match)
        line += QStringLiteral(" \"") + *match + QStringLiteral("\" ") +
                (caseSensitive ? QStringLiteral(" (Case Sensitive)") : QString());
    memoWhy.append(line);
}

void Classifier::whyExcept(const QString& name, const QString& condition, bool caseSensitive,
                           const std::optional<QString>& match) {
    WhyException = true;
    whyAdd(false, name, condition, match, caseSensitive);
    WhyException = false;
}
