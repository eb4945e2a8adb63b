// The dialogs under the German catalogue: the rule lists show their own words
// in German while the lists and their files keep them in English, and the
// controls that change their caption work by their state, not by their text.
#include "dialogs/RuleGridModel.h"
#include "dialogs/TfrmGeneral.h"
#include "dialogs/TfrmHeaders.h"
#include "dialogs/TfrmOptionsFROM.h"
#include "dialogs/TfrmOptionsMain.h"
#include "rules/Blacklist.h"
#include "rules/RuleEdits.h"
#include "rules/SpamSettings.h"
#include "settings/GeneralSettings.h"
#include "settings/Translations.h"
#include "support/ScriptedPrompter.h"
#include "support/TempProfile.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QTest>

namespace {
QByteArray fileBytes(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// A rule list of kind holding one rule, given by its stored cells.
struct OneRule {
    RuleListKind kind;
    QStringList cells;
};
OneRule listOf(RuleListKind kind, const QStringList& cells) {
    return {kind, cells};
}

QStringList shownRow(const RuleGridModel& model, int row, int role) {
    QStringList out;
    for (int c = 0; c < model.list().visibleColumnCount(); ++c)
        out << model.data(model.index(row, c), role).toString();
    return out;
}

QStringList headings(const RuleGridModel& model) {
    QStringList out;
    for (int c = 0; c < model.list().visibleColumnCount(); ++c)
        out << model.headerData(c, Qt::Horizontal, Qt::DisplayRole).toString();
    return out;
}
} // namespace

Q_DECLARE_METATYPE(OneRule)

class TestDialogsInGerman : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void ruleListsShowTheirWordsInGerman_data();
    void ruleListsShowTheirWordsInGerman();
    void rulesEditedInGermanAreStoredInEnglish();
    void soundTestButtonStartsAndStops();
};

void TestDialogsInGerman::ruleListsShowTheirWordsInGerman_data() {
    QTest::addColumn<OneRule>("rule");
    QTest::addColumn<QStringList>("shown");
    QTest::addColumn<QStringList>("headings");

    const QStringList plain{"", "Was", "Text", "Groß/klein", "Löschen?", "Treffer"};
    QTest::newRow("subject-words-translated-typed-text-kept")
        << listOf(RuleListKind::Subject, {"", "Contains (whole word)", "Yes", "No", "Yes", "7"})
        << QStringList{"", "Enthält (ganzes Wort)", "Yes", "Nein", "Ja", "7"} << plain;
    QTest::newRow("header-to-rule-mailbox-tag")
        << listOf(RuleListKind::Header, myselfHeaderCells(QStringLiteral("ann")))
        << QStringList{"", "„To“ enthält nicht", "ann - Postfach #1", "Nein", "Ja", "0"} << plain;
    HeaderRuleFields replyTo;
    replyTo.kind = HeaderRuleFields::ReplyToMismatch;
    QTest::newRow("header-reply-to-rule")
        << listOf(RuleListKind::Header, headerCells(replyTo, QStringLiteral("2")))
        << QStringList{"", "Absender", "ungleich „Reply-To“", "Nein", "Ja", "2"} << plain;
    // A header text that happens to be one of the list's words is the user's.
    HeaderRuleFields typed;
    typed.headerText = QStringLiteral("equals To field");
    QTest::newRow("header-typed-text-equal-to-a-word")
        << listOf(RuleListKind::Header, headerCells(typed, QStringLiteral("0")))
        << QStringList{"", "Enthält", "equals To field", "Nein", "Ja", "0"} << plain;
    QTest::newRow("sender-kind-and-condition")
        << listOf(RuleListKind::Sender,
                  senderCells({true, ConditionIsUppercase, QString(), false}, "1"))
        << QStringList{"", "E-Mail-Adresse", "In GROSSBUCHSTABEN", "", "Nein", "1"}
        << QStringList{"", "Was", "Bedingung", "Text", "Löschen?", "Treffer"};
    ExceptionRuleFields anyHeader;
    anyHeader.kind = ExceptionRuleFields::HeaderLine;
    anyHeader.line = 4;
    anyHeader.text = QStringLiteral("No");
    const QStringList exceptionHeadings{"Was", "Bedingung", "Text", "Groß/klein?", "Treffer", ""};
    QTest::newRow("exception-any-header")
        << listOf(RuleListKind::Exception, exceptionCells(anyHeader, QStringLiteral("3")))
        << QStringList{"Beliebige Kopfzeile", "Enthält", "No", "Nein", "3", ""}
        << exceptionHeadings;
    ExceptionRuleFields subjectLine = anyHeader;
    subjectLine.line = 0;
    QTest::newRow("exception-header-field-name-kept")
        << listOf(RuleListKind::Exception, exceptionCells(subjectLine, QStringLiteral("3")))
        << QStringList{"Subject:", "Enthält", "No", "Nein", "3", ""} << exceptionHeadings;
}

void TestDialogsInGerman::ruleListsShowTheirWordsInGerman() {
    QFETCH(OneRule, rule);
    QFETCH(QStringList, shown);
    RuleList list(rule.kind);
    list.writeRow(1, rule.cells);
    QFETCH(QStringList, headings);
    const QByteArray file = list.toFileBytes();
    QStringList stored;
    for (int c = 0; c < list.visibleColumnCount(); ++c)
        stored << list.cell(c, 1);

    RuleGridModel model(list);
    QCOMPARE(shownRow(model, 0, Qt::DisplayRole), shown);
    QCOMPARE(::headings(model), headings);
    // Editing and copying take the stored text; the list is left as it was.
    QCOMPARE(shownRow(model, 0, Qt::EditRole), stored);
    QCOMPARE(list.toFileBytes(), file);
}

void TestDialogsInGerman::rulesEditedInGermanAreStoredInEnglish() {
    TempProfile profile;
    ScriptedPrompter prompter;
    GeneralSettings general;
    general.mailbox(1).Server = QStringLiteral("pop.one.test");
    general.mailbox(1).UserName = QStringLiteral("ann");
    SpamSettings spam;
    Blacklist blacklist;
    TfrmOptionsMain d(spam, blacklist, general, prompter);
    QList<std::function<void(QDialog&)>> scripts;
    d.ExecDialog = [&scripts](QDialog& editor) {
        scripts.takeFirst()(editor);
        editor.accept();
        return editor.result();
    };
    d.FormShow();
    QCOMPARE(d.pages->tabText(1), QStringLiteral("Kopfzeilen"));

    scripts << [](QDialog& editor) {
        auto& e = dynamic_cast<TfrmHeaders&>(editor);
        e.rbTo->setChecked(true);
        e.edTo->setText(QStringLiteral("ann"));
        e.cbMailBox->setCurrentIndex(0);
    };
    d.insertClick(RuleListKind::Header);
    scripts << [](QDialog& editor) {
        auto& e = dynamic_cast<TfrmOptionsFROM&>(editor);
        e.cbDomain->setCurrentIndex(0);
        e.cbWhat->setCurrentIndex(ConditionEndsWith);
        e.edit1->setEditText(QStringLiteral("@bulk.example"));
        e.rbQuestion->setChecked(true);
    };
    d.insertClick(RuleListKind::Sender);
    d.accept();
    QCOMPARE(prompter.texts(), QStringList());

    QCOMPARE(spam.gridHeader.row(1).Cells,
             (QStringList{"", "To does not contain", "ann - MailBox #1", "No", "Yes", "0"}));
    QCOMPARE(spam.gridFrom.row(1).Cells,
             (QStringList{"", "E-mail address", "Ends with", "@bulk.example", "No", "0"}));
    const QByteArray header = fileBytes(profile.appFile(QStringLiteral("header.lst")));
    const QByteArray sender = fileBytes(profile.appFile(QStringLiteral("from.lst")));
    QVERIFY(header.contains("1,0,What") && header.contains("To does not contain"));
    QVERIFY(sender.contains("3,0,Matches") && sender.contains("E-mail address"));
    for (const QByteArray& file : {header, sender})
        for (const char* german : {"Was", "Text", "Ja", "Nein", "Postfach", "enthält", "Endet"})
            QVERIFY2(!file.contains(german), german);
    QCOMPARE(d.gridFrom->model()->index(0, 2).data().toString(), QStringLiteral("Endet mit"));
}

void TestDialogsInGerman::soundTestButtonStartsAndStops() {
    TempProfile profile;
    ScriptedPrompter prompter;
    GeneralSettings model;
    TfrmGeneral d(model, prompter);
    QStringList calls;
    d.OnTestSound = [&](bool play) { calls << (play ? "play" : "stop"); };
    const QString wav = profile.appFile(QStringLiteral("alarm.wav"));
    QFile f(wav);
    QVERIFY(f.open(QIODevice::WriteOnly) && f.write("RIFF") == 4);
    f.close();
    d.edAlarm->setText(wav);
    d.cbRepeat->setChecked(true);
    QCOMPARE(d.sbTest->text(), QStringLiteral("Testen"));
    d.sbTest->click();
    QCOMPARE(d.sbTest->text(), QStringLiteral("Stopp"));
    d.sbTest->click();
    QCOMPARE(d.sbTest->text(), QStringLiteral("Testen"));
    QCOMPARE(calls, (QStringList{"play", "stop"}));
}

int main(int argc, char** argv) {
    qputenv("LANGUAGE", "de");
    QApplication app(argc, argv);
    if (Translations::install() != QLatin1String("de")) qFatal("the German catalogue is missing");
    TestDialogsInGerman test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_dialogs_in_german.moc"
