#pragma once

#include "rules/RuleList.h"

#include <QString>
#include <QStringList>

class GeneralSettings;

// What the rule editors decide, apart from their windows: the condition words,
// each editor's fields with their defaults, how a row fills them, their input
// checks and the cell texts they write, the imports and the country table.

// --- Conditions ------------------------------------------------------------------

// One item of a condition choice: the text shown and the word stored.
struct ConditionItem {
    QString shown; // in English: shown through QCoreApplication::translate("RuleEdits", ...)
    QString word;
};
// The ten condition items in their order; the subject editor offers the first
// seven, the sender editor all ten, the header and exception editors the first five.
const QList<ConditionItem>& ConditionItems();
constexpr int SubjectConditionCount = 7;
constexpr int SenderConditionCount = 10;
constexpr int TextConditionCount = 5;
// Positions of the items the editors start on.
constexpr int ConditionContains = 0;
constexpr int ConditionEquals = 2;
constexpr int ConditionEndsWith = 4;
constexpr int ConditionIsBlank = 5;
constexpr int ConditionIsUppercase = 6;

// The item among the first count whose word is word, or -1.
int conditionIndexOfWord(const QString& word, int count);
// The stored word of an item; empty for -1.
QString conditionWord(int index);
// Whether the item takes a text; no choice (-1) counts as one.
bool isTextCondition(int index);

// True when text is empty or holds only spaces, CRs, LFs and backspaces.
bool IsBlankText(QStringView text);
// The text without its leading and trailing spaces and control characters.
QString TrimRuleText(QStringView text);

// --- Subject rules ------------------------------------------------------------------

struct SubjectRuleFields {
    int condition = ConditionContains;
    QString text;
    bool caseMatters = false;
    bool check = true; // the check mark, else the question mark
};
SubjectRuleFields subjectFieldsFromRow(const RuleList& list, int row);
// The error to show for these fields, or empty when they may be stored.
QString subjectInputError(const SubjectRuleFields& f);
// The row's cells; hits is the row's present "Hits" cell (kept unless empty).
QStringList subjectCells(const SubjectRuleFields& f, const QString& hits);

// --- Header rules -------------------------------------------------------------------

struct HeaderRuleFields {
    enum Kind { MessageHeader, ReplyToMismatch, ToMissing, SenderEqualsTo };
    Kind kind = MessageHeader;
    int condition = ConditionContains;
    QString headerText = QStringLiteral("X-1");
    bool caseMatters = false;
    QString toText;
    QString mailbox; // the chosen mailbox number as text; empty when none
    bool check = true;
};
// The rule kinds' fixed texts.
inline const QString MailBoxTag = QStringLiteral(" - MailBox #");
// One item per mailbox with a server: "n) user - server host", in mailbox order.
QStringList mailboxItems(const GeneralSettings& general);
// The mailbox number of such an item: its text before the first ")".
QString mailboxNumberOf(const QString& item);
HeaderRuleFields headerFieldsFromRow(const RuleList& list, int row);
// Trims the texts (as OK does) and returns the error to show, or empty.
QString headerInputError(HeaderRuleFields& f);
QStringList headerCells(const HeaderRuleFields& f, const QString& hits);
// The rule a first start adds for the user's own address: "To does not contain"
// userName + " - MailBox #1", case ignored, the check mark, no hits yet.
QStringList myselfHeaderCells(const QString& userName);

// --- Sender rules -------------------------------------------------------------------

struct SenderRuleFields {
    bool emailAddress = false; // the address, else the domain name
    int condition = ConditionEquals;
    QString text;
    bool check = true;
};
SenderRuleFields senderFieldsFromRow(const RuleList& list, int row);
// Trims the text, empties it for a condition without text, and returns the
// error to show, or empty.
QString senderInputError(SenderRuleFields& f);
QStringList senderCells(const SenderRuleFields& f, const QString& hits);

// --- Exceptions ---------------------------------------------------------------------

struct ExceptionRuleFields {
    enum Kind { EmailAddress, DomainName, HeaderLine };
    Kind kind = EmailAddress;
    QString email;
    QString domain;
    int line = 0; // index into exceptionLines()
    int condition = ConditionContains;
    QString text;
    bool caseMatters = false;
    int picture = ImageFirstPicture; // 3 to 14
};
// "Subject:", "CC:", "Reply-To:", "To:", "Any Header".
const QStringList& exceptionLines();
ExceptionRuleFields exceptionFieldsFromRow(const RuleList& list, int row);
// Trims the texts and returns the error to show, or empty.
QString exceptionInputError(ExceptionRuleFields& f);
QStringList exceptionCells(const ExceptionRuleFields& f, const QString& hits);

// --- Imports ------------------------------------------------------------------------

// The import box's lines: a line equal to the line before it (case included)
// goes; the line before the first counts as empty.
QStringList importBoxLines(const QStringList& lines);
// Adds one rule per line at the end of a subject or exception list: the lines
// the import box keeps (importBoxLines), blank ones skipped; returns how many
// it added.
int importRules(RuleList& list, const QStringList& lines);

// --- Cells typed in place -----------------------------------------------------------

// A "Hits" value typed into a list: decimal digits only.
bool acceptsHitsText(const QString& text);

// --- Country table ------------------------------------------------------------------

// The 243 entries, each its code, a TAB and its country name.
const QStringList& CountryEntries();
// "." and the entry's code, as in ".DE".
QString countryDomainEnding(const QString& entry);
// The entry's country name.
QString countryName(const QString& entry);
