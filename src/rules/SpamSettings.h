#pragma once

#include "rules/RuleList.h"

#include <QList>
#include <QString>

// The spam settings: the values of the settings file and the four rule lists.
// Fields carry their defaults and are named after their idents, qualified by
// section where an ident occurs in more than one (Smaller.Num).
//
// A rule list is written back only after it was loaded from its file (or found
// missing) by readSettings, or after the user confirmed the spam settings
// (allowWriteBack): a list that failed to load, and the lists and values that a
// failed load left unread, are never written over their files by Savesettings,
// which says so when rules were added to such a list.
class SpamSettings {
public:
    struct SmallerLimit {
        bool QSmaller = false;
        int Num = 100;
        bool Check = true; // the check mark (true) or the question mark
    };
    struct LargerLimit {
        bool QLarger = false;
        int Num = 20000;
        bool Check = true;
    };
    struct KnownSettings {
        bool QMonitor = true;              // compare senders with the blacklist
        bool Valid = true;                 // check the sender's domain for an exchanger
        bool Question = false;             // true: unknown domains get the check mark
        QString Num = QStringLiteral("0"); // unknown domains detected so far
    };

    // The learned judgement (section Learning).
    struct LearningSettings {
        bool On = true;     // judge messages that nothing else marked
        bool Check = false; // above the cutoff: the check mark (true) or the question mark
        int Cutoff = 95;    // in hundredths: messages scoring at least this are marked
        QString OwnDomains; // the provider's domains beyond the mailbox server's, comma-separated
    };

    SmallerLimit Smaller;
    LargerLimit Larger;
    KnownSettings Known;
    LearningSettings Learning;

    RuleList gridSubject{RuleListKind::Subject};
    RuleList gridHeader{RuleListKind::Header};
    RuleList gridFrom{RuleListKind::Sender};
    RuleList gridExcept{RuleListKind::Exception};

    // The four lists in their load and save order.
    QList<RuleList*> lists() { return {&gridSubject, &gridHeader, &gridFrom, &gridExcept}; }
    QList<const RuleList*> lists() const {
        return {&gridSubject, &gridHeader, &gridFrom, &gridExcept};
    }
    // The list's file in the application folder.
    static QString listPath(const RuleList& list);

    // Loads the subject, header, sender and exception lists (a missing file gives
    // an empty list), then the values of the settings file. Throws EFileError at
    // the first list file that cannot be read; that list and everything after it
    // keep what they held and are not written back until the user confirms. A
    // list file holding a line that is neither a width line nor a cell line loads
    // without it but is not written back until the user confirms either; once
    // everything is loaded, EFileError names each such file and its first such line.
    void readSettings();
    // Writes the four lists to their files, then the values to the settings file,
    // leaving out whatever readSettings could not load. Tries every file and then
    // throws EFileError with a line "Unable to write to %s" for each that failed,
    // and a line for each list left out that got rules since it was loaded or
    // since such a line last named it (the added rules stay in the list, unsaved).
    void Savesettings();
    // The user confirmed these settings: every list and the values may be written
    // again, whatever failed to load before.
    void allowWriteBack();
    // Whether Savesettings writes the list / the settings-file values.
    bool isWritable(const RuleList& list) const;
    bool valuesWritable() const { return m_valuesWritable; }

    // Raises the unknown-domain counter by one (a counter that is not a number counts as 0).
    void bumpUnknown();

private:
    int indexOf(const RuleList& list) const;
    // The measure of a list's rules that an added rule raises.
    static int rulesIn(const RuleList& list);
    // Takes the lists' present rules as the ones Savesettings need not report.
    void keepRuleCounts();
    void readValues();
    void writeValues();

    // Nothing is written before readSettings has run.
    bool m_listWritable[4] = {false, false, false, false};
    bool m_valuesWritable = false;
    // Per list, rulesIn as loaded or as last reported unsaved.
    int m_knownRules[4] = {0, 0, 0, 0};
};
