#include "dialogs/RuleWords.h"

#include <QCoreApplication>
#include <QSet>

namespace {

// Every word a list stores of its own; nothing else is looked up, so that a
// text the user typed is never taken for one of them.
const char* const Words[] = {
    // Headings.
    QT_TRANSLATE_NOOP("RuleWords", "What"),
    QT_TRANSLATE_NOOP("RuleWords", "Matches"),
    QT_TRANSLATE_NOOP("RuleWords", "Case"),
    QT_TRANSLATE_NOOP("RuleWords", "Case?"),
    QT_TRANSLATE_NOOP("RuleWords", "Del?"),
    QT_TRANSLATE_NOOP("RuleWords", "Hits"),
    QT_TRANSLATE_NOOP("RuleWords", "Condition"),
    // Flags.
    QT_TRANSLATE_NOOP("RuleWords", "Yes"),
    QT_TRANSLATE_NOOP("RuleWords", "No"),
    // Conditions.
    QT_TRANSLATE_NOOP("RuleWords", "Contains"),
    QT_TRANSLATE_NOOP("RuleWords", "Contains (whole word)"),
    QT_TRANSLATE_NOOP("RuleWords", "Equals"),
    QT_TRANSLATE_NOOP("RuleWords", "Starts with"),
    QT_TRANSLATE_NOOP("RuleWords", "Ends with"),
    QT_TRANSLATE_NOOP("RuleWords", "Is blank"),
    QT_TRANSLATE_NOOP("RuleWords", "Is UPPERCASE"),
    QT_TRANSLATE_NOOP("RuleWords", "All numeric"),
    QT_TRANSLATE_NOOP("RuleWords", "50% numeric"),
    QT_TRANSLATE_NOOP("RuleWords", "First char numeric"),
    // Kinds of rule.
    QT_TRANSLATE_NOOP("RuleWords", "Sender"),
    QT_TRANSLATE_NOOP("RuleWords", "To does not contain"),
    QT_TRANSLATE_NOOP("RuleWords", "does not match Reply-to"),
    QT_TRANSLATE_NOOP("RuleWords", "equals To field"),
    QT_TRANSLATE_NOOP("RuleWords", "E-mail address"),
    QT_TRANSLATE_NOOP("RuleWords", "Domain name"),
    QT_TRANSLATE_NOOP("RuleWords", "Any Header"),
};

// Between the address and the mailbox number of a "To does not contain" rule.
const char* const MailBoxTag = QT_TRANSLATE_NOOP("RuleWords", " - MailBox #");

const QSet<QString>& words() {
    static const QSet<QString> set = [] {
        QSet<QString> s;
        for (const char* w : Words)
            s.insert(QString::fromLatin1(w));
        return s;
    }();
    return set;
}

} // namespace

namespace RuleWords {

QString word(const QString& stored) {
    if (!words().contains(stored)) return stored;
    return QCoreApplication::translate("RuleWords", stored.toLatin1().constData());
}

int matchesColumn(const RuleList& list) {
    return list.kind() == RuleListKind::Sender ? 3 : 2;
}

QString shown(const RuleList& list, int col, int row) {
    const QString stored = list.cell(col, row);
    if (row == 0 || col != matchesColumn(list)) return word(stored);
    // The matched text is the user's, but for the header list's own words.
    if (list.kind() != RuleListKind::Header) return stored;
    const QString what = list.cell(1, row);
    if (what == QLatin1String("Sender") && (stored == QLatin1String("does not match Reply-to") ||
                                            stored == QLatin1String("equals To field")))
        return word(stored);
    if (what.contains(QLatin1String("To does not contain"))) {
        const QString tag = QString::fromLatin1(MailBoxTag);
        const qsizetype at = stored.lastIndexOf(tag);
        if (at < 0) return stored;
        return stored.left(at) + QCoreApplication::translate("RuleWords", MailBoxTag) +
               stored.mid(at + tag.size());
    }
    return stored;
}

} // namespace RuleWords
