#include "core/TextTests.h"

namespace {

inline char16_t upper(char16_t c) {
    return c >= u'a' && c <= u'z' ? char16_t(c - (u'a' - u'A')) : c;
}

inline bool sameChar(char16_t a, char16_t b, bool caseSensitive) {
    return a == b || (!caseSensitive && upper(a) == upper(b));
}

// Whether the text at position pos begins with match.
bool matchesAt(QStringView text, qsizetype pos, QStringView match, bool caseSensitive) {
    for (qsizetype i = 0; i < match.size(); ++i)
        if (!sameChar(text[pos + i].unicode(), match[i].unicode(), caseSensitive)) return false;
    return true;
}

inline bool isDigit(QChar c) {
    return c >= u'0' && c <= u'9';
}

bool isUppercase(QStringView text) {
    if (IsBlank(text)) return false;
    for (const QChar c : text)
        if (c >= u'a' && c <= u'z') return false;
    return true;
}

} // namespace

QString UpperAscii(QStringView text) {
    QString out = text.toString();
    for (QChar& c : out)
        c = QChar(upper(c.unicode()));
    return out;
}

QString LowerAscii(QStringView text) {
    QString out = text.toString();
    for (QChar& c : out)
        if (c >= u'A' && c <= u'Z') c = QChar(c.unicode() + (u'a' - u'A'));
    return out;
}

bool IsBlank(QStringView text) {
    for (const QChar c : text)
        if (c != u' ' && c != u'\r' && c != u'\n' && c != u'\b') return false;
    return true;
}

bool IsWordDelimiter(QChar c) {
    static constexpr char16_t delimiters[] = u"\t'\r\n ,./?;:`\"<>[]{}-=\\+|()%@&^$#!~*";
    static_assert(sizeof delimiters / sizeof delimiters[0] == 35 + 1);
    for (const char16_t d : delimiters)
        if (d != 0 && c.unicode() == d) return true;
    return false;
}

bool WholeWordCheck(QStringView text, QStringView match, bool caseSensitive) {
    if (IsBlank(text) || IsBlank(match)) return false;
    // The words are the non-empty runs between delimiters; a match holding a
    // delimiter equals none of them.
    qsizetype start = 0;
    for (qsizetype i = 0; i <= text.size(); ++i) {
        if (i < text.size() && !IsWordDelimiter(text[i])) continue;
        if (i - start == match.size() && matchesAt(text, start, match, caseSensitive)) return true;
        start = i + 1;
    }
    return false;
}

int DigitCount(QStringView text) {
    int n = 0;
    for (const QChar c : text)
        if (isDigit(c) || c == u'_') ++n;
    return n;
}

bool ContainsText(QStringView haystack, QStringView needle, bool caseSensitive) {
    if (needle.isEmpty()) return false;
    for (qsizetype pos = 0; pos + needle.size() <= haystack.size(); ++pos)
        if (matchesAt(haystack, pos, needle, caseSensitive)) return true;
    return false;
}

bool StartsWithText(QStringView text, QStringView match, bool caseSensitive) {
    return match.size() <= text.size() && matchesAt(text, 0, match, caseSensitive);
}

bool EndsWithText(QStringView text, QStringView match, bool caseSensitive) {
    return match.size() <= text.size() &&
           matchesAt(text, text.size() - match.size(), match, caseSensitive);
}

bool EqualText(QStringView a, QStringView b, bool caseSensitive) {
    return a.size() == b.size() && matchesAt(a, 0, b, caseSensitive);
}

Condition ConditionFromText(QStringView word) {
    static const struct {
        const char16_t* text;
        Condition condition;
    } words[] = {
        {u"Contains", Condition::Contains},
        {u"Contains (whole word)", Condition::ContainsWholeWord},
        {u"Equals", Condition::Equals},
        {u"Starts with", Condition::StartsWith},
        {u"Ends with", Condition::EndsWith},
        {u"Is blank", Condition::IsBlank},
        {u"Is UPPERCASE", Condition::IsUppercase},
        {u"All numeric", Condition::AllNumeric},
        {u"50% numeric", Condition::HalfNumeric},
        {u"First char numeric", Condition::FirstCharNumeric},
    };
    for (const auto& w : words)
        if (word == QStringView(w.text)) return w.condition;
    return Condition::Unknown;
}

bool ConditionUsesMatch(Condition condition) {
    switch (condition) {
    case Condition::Contains:
    case Condition::ContainsWholeWord:
    case Condition::Equals:
    case Condition::StartsWith:
    case Condition::EndsWith:
        return true;
    default:
        return false;
    }
}

bool ConditionAllowed(Condition condition, ConditionScope scope) {
    if (condition == Condition::Unknown) return false;
    if (ConditionUsesMatch(condition)) return true;
    switch (scope) {
    case ConditionScope::Sender:
        return true;
    case ConditionScope::Subject:
        return condition == Condition::IsBlank || condition == Condition::IsUppercase;
    case ConditionScope::Header:
        return false;
    }
    return false;
}

bool TestCondition(Condition condition, QStringView text, QStringView match, bool caseSensitive) {
    switch (condition) {
    case Condition::Unknown:
        return false;
    case Condition::Contains:
        return ContainsText(text, match, caseSensitive);
    case Condition::ContainsWholeWord:
        return WholeWordCheck(text, match, caseSensitive);
    case Condition::Equals:
        return EqualText(text, match, caseSensitive);
    case Condition::StartsWith:
        return StartsWithText(text, match, caseSensitive);
    case Condition::EndsWith:
        return EndsWithText(text, match, caseSensitive);
    case Condition::IsBlank:
        return IsBlank(text);
    case Condition::IsUppercase:
        return isUppercase(text);
    case Condition::AllNumeric:
        return DigitCount(text) == text.size();
    case Condition::HalfNumeric:
        return DigitCount(text) >= text.size() / 2;
    case Condition::FirstCharNumeric:
        return !text.isEmpty() && isDigit(text[0]);
    }
    return false;
}
