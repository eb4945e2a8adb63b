#pragma once

#include <QString>
#include <QStringView>

// The text tests of the rule lists. Comparisons without regard to case fold only
// the ASCII letters a-z; every other character compares by its code.

// The text with a-z turned into A-Z and nothing else changed.
QString UpperAscii(QStringView text);
// The text with A-Z turned into a-z and nothing else changed.
QString LowerAscii(QStringView text);

// True when text is empty or holds only spaces, CRs, LFs and backspaces (code 8).
bool IsBlank(QStringView text);
// True for the 35 characters that separate words in WholeWordCheck.
bool IsWordDelimiter(QChar c);
// True when match is one of the words of text, the words being cut at every
// delimiter. Never true when either is blank, nor for a match holding a delimiter.
bool WholeWordCheck(QStringView text, QStringView match, bool caseSensitive);
// The number of digits 0-9 and underscores in text.
int DigitCount(QStringView text);

// The conditions a rule row can name.
enum class Condition {
    Unknown,
    Contains,
    ContainsWholeWord,
    Equals,
    StartsWith,
    EndsWith,
    IsBlank,
    IsUppercase,
    AllNumeric,
    HalfNumeric,
    FirstCharNumeric,
};

// The rule lists by the conditions they accept: subject rules, sender rules, and
// header rules (which exceptions on the subject or a header share).
enum class ConditionScope { Subject, Sender, Header };

// The condition a cell names ("Contains", "50% numeric", ...); Unknown for any
// other text, compared exactly.
Condition ConditionFromText(QStringView word);
// Whether rules of that scope may use the condition; any other never matches.
bool ConditionAllowed(Condition condition, ConditionScope scope);
// Whether the condition compares with a match text ("Contains" to "Ends with").
bool ConditionUsesMatch(Condition condition);
// Applies the condition to text. Unknown never matches.
bool TestCondition(Condition condition, QStringView text, QStringView match, bool caseSensitive);

// Whether needle occurs in haystack; an empty needle never does.
bool ContainsText(QStringView haystack, QStringView needle, bool caseSensitive);
// Whether text starts / ends with match; an empty match always does.
bool StartsWithText(QStringView text, QStringView match, bool caseSensitive);
bool EndsWithText(QStringView text, QStringView match, bool caseSensitive);
// Whether the two texts are equal.
bool EqualText(QStringView a, QStringView b, bool caseSensitive);
