#pragma once

#include "core/Classifier.h"
#include "core/UnknownDomain.h"
#include "mail/headers/Headers.h"
#include "rules/Blacklist.h"
#include "rules/SpamSettings.h"

#include <QList>
#include <QStringList>
#include <optional>

// Rule rows as the editors write them.
inline QString yesNo(bool on) {
    return on ? QStringLiteral("Yes") : QStringLiteral("No");
}
inline QStringList subjectRule(const QString& condition, const QString& match,
                               bool caseSensitive = false, bool del = false) {
    return {QString(), condition, match, yesNo(caseSensitive), yesNo(del), QStringLiteral("0")};
}
inline QStringList headerRule(const QString& form, const QString& match, bool caseSensitive = false,
                              bool del = false) {
    return subjectRule(form, match, caseSensitive, del);
}
inline QStringList senderRule(const QString& kind, const QString& condition, const QString& match,
                              bool del = false) {
    return {QString(), kind, condition, match, yesNo(del), QStringLiteral("0")};
}
inline QStringList exceptionRule(const QString& kind, const QString& condition,
                                 const QString& match, bool caseSensitive = false,
                                 const QString& icon = QString()) {
    return {kind, condition, match, yesNo(caseSensitive), QStringLiteral("0"), QString(), icon};
}

// Replaces the rules of a list, keeping empty cells where the rows have them.
inline void setRules(RuleList& list, const QList<QStringList>& rules) {
    // An empty list (column 1 of its only row empty) writes the next rule over
    // that row, so rows with an empty column 1 get it only at the end.
    list.reset();
    for (QStringList cells : rules) {
        cells[1] = QStringLiteral("-");
        list.appendRule(cells);
    }
    for (int r = 1; r < list.rowCount(); ++r)
        list.setCell(1, r, rules[r - 1].value(1));
}

// The hits of every rule row of a list.
inline QList<int> hitsOf(const RuleList& list) {
    QList<int> hits;
    for (int r = 1; r < list.rowCount(); ++r)
        hits << list.cell(list.hitsColumn(), r).toInt();
    return hits;
}

// A mailbox of messages and everything the classifier reads. The domain check
// is off unless a test gives one.
struct Mailbox {
    SpamSettings settings;
    Blacklist known;
    QList<MessageRow> rows;
    QList<TmsHeaders> headers;
    std::optional<UnknownDomainCheck> domains;
    Classifier classifier;

    explicit Mailbox(MxLookup* dns = nullptr)
        : domains(dns ? std::make_optional<UnknownDomainCheck>(*dns, settings) : std::nullopt),
          classifier(
              rows, [this](int i) -> const TmsHeaders& { return headers.at(i); }, settings, known,
              domains ? &*domains : nullptr) {
        settings.Known.Valid = dns != nullptr;
    }

    // Adds a message without classifying it. Without header lines it gets
    // From, Subject and an empty last line.
    int add(const QString& subject, const QString& sender, const QString& size = "2000",
            QStringList headerLines = {}) {
        if (headerLines.isEmpty())
            headerLines = {QStringLiteral("From: ") + sender, QStringLiteral("Subject: ") + subject,
                           QString()};
        rows.append(MessageRow{subject, sender, size, QString(), NoMark});
        headers.append(TmsHeaders(headerLines));
        return int(rows.size() - 1);
    }

    // What a check does: each message is classified as it arrives, then every
    // row once more.
    void check(const QList<QStringList>& messages) {
        if (domains) domains->beginCheck();
        rows.clear();
        headers.clear();
        for (const QStringList& m : messages) {
            const int i = add(m.value(0), m.value(1), m.value(2, QStringLiteral("2000")), m.mid(3));
            classifier.MarkForDeletion(i);
        }
        classifier.MarkForDeletion(-1);
    }

    // What "why was this marked" does: the reasons for one row, its mark kept.
    QStringList explain(int index) { return classifier.explain(index).Reasons; }
};
