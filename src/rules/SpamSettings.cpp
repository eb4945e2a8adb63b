#include "rules/SpamSettings.h"

#include "mail/Exceptions.h"
#include "settings/AppPaths.h"
#include "settings/SettingsStore.h"

#include <QFileInfo>
#include <algorithm>

namespace {
// The texts one under the other.
TrText joinedLines(const QList<TrText>& lines) {
    TrText out;
    for (const TrText& line : lines)
        out = out.isEmpty() ? line : out + QStringLiteral("\n") + line;
    return out;
}
const QString SmallerSection = QStringLiteral("Smaller");
const QString LargerSection = QStringLiteral("Larger");
const QString KnownSection = QStringLiteral("Known");
const QString LearningSection = QStringLiteral("Learning");
} // namespace

QString SpamSettings::listPath(const RuleList& list) {
    return AppPaths::appFile(list.fileName());
}

int SpamSettings::indexOf(const RuleList& list) const {
    return lists().indexOf(&list);
}

bool SpamSettings::isWritable(const RuleList& list) const {
    const int i = indexOf(list);
    return i >= 0 && m_listWritable[i];
}

int SpamSettings::rulesIn(const RuleList& list) {
    return list.isEmpty() ? 0 : list.ruleCount();
}

void SpamSettings::keepRuleCounts() {
    const QList<const RuleList*> all = std::as_const(*this).lists();
    for (int i = 0; i < all.size(); ++i)
        m_knownRules[i] = rulesIn(*all[i]);
}

void SpamSettings::allowWriteBack() {
    for (bool& w : m_listWritable)
        w = true;
    m_valuesWritable = true;
}

void SpamSettings::readSettings() {
    // Whatever this load does not reach stays as it was and is not written back.
    for (bool& w : m_listWritable)
        w = false;
    m_valuesWritable = false;

    // Lines a list file holds that are no part of a list: the list loads without
    // them, but its file is kept as it is until the user confirms the settings.
    QList<TrText> foreign;
    const QList<RuleList*> all = lists();
    for (int i = 0; i < all.size(); ++i) {
        RuleList& list = *all[i];
        const QString path = listPath(list);
        if (QFileInfo::exists(path)) {
            int line = 0;
            try {
                line = list.loadFromFile(path);
            } catch (const EFileError& e) {
                keepRuleCounts();
                foreign << e.text();
                throw EFileError(joinedLines(foreign));
            }
            if (line > 0) {
                foreign << TrText::translate("SpamSettings",
                                             "Line %1 of %2 is neither a column width nor a "
                                             "cell: the file is left as it is until the spam "
                                             "settings are confirmed")
                               .arg(line)
                               .arg(path);
                continue;
            }
        } else {
            list.reset();
            list.SetGridHeadings();
            list.deriveImages();
        }
        m_listWritable[i] = true;
    }
    readValues();
    m_valuesWritable = true;
    keepRuleCounts();
    if (!foreign.isEmpty()) throw EFileError(joinedLines(foreign));
}

void SpamSettings::readValues() {
    const SettingsGroup ini(SettingsStore::iniFile());
    Known.QMonitor = ini.ReadBool(KnownSection, QStringLiteral("QMonitor"), true);
    Smaller.QSmaller = ini.ReadBool(SmallerSection, QStringLiteral("QSmaller"), false);
    Smaller.Num = ini.ReadInteger(SmallerSection, QStringLiteral("Num"), 100);
    Smaller.Check = ini.ReadBool(SmallerSection, QStringLiteral("Check"), true);
    Larger.QLarger = ini.ReadBool(LargerSection, QStringLiteral("QLarger"), false);
    Larger.Num = ini.ReadInteger(LargerSection, QStringLiteral("Num"), 20000);
    Larger.Check = ini.ReadBool(LargerSection, QStringLiteral("Check"), true);
    Known.Valid = ini.ReadBool(KnownSection, QStringLiteral("Valid"), true);
    Known.Question = ini.ReadBool(KnownSection, QStringLiteral("Question"), false);
    Known.Num = ini.ReadString(KnownSection, QStringLiteral("Num"), QStringLiteral("0"));
    Learning.On = ini.ReadBool(LearningSection, QStringLiteral("On"), true);
    Learning.Check = ini.ReadBool(LearningSection, QStringLiteral("Check"), false);
    Learning.Cutoff =
        std::clamp(ini.ReadInteger(LearningSection, QStringLiteral("Cutoff"), 95), 1, 99);
    Learning.OwnDomains = ini.ReadString(LearningSection, QStringLiteral("OwnDomains"), QString());
}

void SpamSettings::writeValues() {
    SettingsGroup ini(SettingsStore::iniFile());
    ini.WriteBool(SmallerSection, QStringLiteral("QSmaller"), Smaller.QSmaller);
    ini.WriteInteger(SmallerSection, QStringLiteral("Num"), Smaller.Num);
    ini.WriteBool(SmallerSection, QStringLiteral("Check"), Smaller.Check);
    ini.WriteBool(LargerSection, QStringLiteral("QLarger"), Larger.QLarger);
    ini.WriteInteger(LargerSection, QStringLiteral("Num"), Larger.Num);
    ini.WriteBool(LargerSection, QStringLiteral("Check"), Larger.Check);
    ini.WriteBool(KnownSection, QStringLiteral("QMonitor"), Known.QMonitor);
    ini.WriteBool(KnownSection, QStringLiteral("Valid"), Known.Valid);
    ini.WriteBool(KnownSection, QStringLiteral("Question"), Known.Question);
    ini.WriteString(KnownSection, QStringLiteral("Num"), Known.Num);
    ini.WriteBool(LearningSection, QStringLiteral("On"), Learning.On);
    ini.WriteBool(LearningSection, QStringLiteral("Check"), Learning.Check);
    ini.WriteInteger(LearningSection, QStringLiteral("Cutoff"), Learning.Cutoff);
    ini.WriteString(LearningSection, QStringLiteral("OwnDomains"), Learning.OwnDomains);
    ini.commit();
}

void SpamSettings::Savesettings() {
    QList<TrText> failures;
    const QList<const RuleList*> all = std::as_const(*this).lists();
    for (int i = 0; i < all.size(); ++i) {
        if (!m_listWritable[i]) {
            // Rules added to a list whose file could not be read are named once.
            const int rules = rulesIn(*all[i]);
            if (rules > m_knownRules[i])
                failures << TrText::translate("SpamSettings",
                                              "The rules added to %1 are not saved: the file "
                                              "could not be read, so it is left as it is until "
                                              "the spam settings are confirmed")
                                .arg(listPath(*all[i]));
            m_knownRules[i] = rules;
            continue;
        }
        try {
            all[i]->saveToFile(listPath(*all[i]));
        } catch (const EFileError& e) {
            failures << e.text();
        }
    }
    if (m_valuesWritable) {
        try {
            writeValues();
        } catch (const EFileError& e) {
            failures << e.text();
        }
    }
    if (!failures.isEmpty()) throw EFileError(joinedLines(failures));
}

void SpamSettings::bumpUnknown() {
    Known.Num = BumpCounterText(Known.Num);
}
