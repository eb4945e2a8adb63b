// The spam settings dialog over the one SpamSettings model, and the rule
// editors it opens: what each command leaves in the lists and the files.
#include "dialogs/RuleGridModel.h"
#include "dialogs/TfrmAlwaysAccept.h"
#include "dialogs/TfrmHeaders.h"
#include "dialogs/TfrmImportSpam.h"
#include "dialogs/TfrmInternet.h"
#include "dialogs/TfrmOptionsFROM.h"
#include "dialogs/TfrmOptionsMain.h"
#include "dialogs/TfrmOptionsSubject.h"
#include "rules/Blacklist.h"
#include "rules/SpamSettings.h"
#include "settings/GeneralSettings.h"
#include "settings/SettingsStore.h"
#include "support/ScriptedPrompter.h"
#include "support/TempProfile.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCompleter>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTableView>
#include <QTemporaryDir>
#include "rules/LearnedFilter.h"

#include <QTest>
#include <QTreeWidget>
#include <functional>
#include <memory>

namespace {
QByteArray fileBytes(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

// A profile, the models the program holds, and the dialog over them. Editors
// and boxes the dialog opens are answered by the next script.
struct Fixture {
    TempProfile profile;
    ScriptedPrompter prompter;
    GeneralSettings general;
    SpamSettings spam;
    Blacklist blacklist;
    std::unique_ptr<TfrmOptionsMain> dialog;
    QList<std::function<bool(QDialog&)>> scripts;

    Fixture() {
        general.mailbox(1).Server = QStringLiteral("pop.one.test");
        general.mailbox(1).UserName = QStringLiteral("ann");
        general.mailbox(3).Server = QStringLiteral("pop.three.test");
        general.mailbox(3).UserName = QStringLiteral("bob");
    }
    void create() {
        try {
            spam.readSettings();
        } catch (...) {
        }
        dialog = std::make_unique<TfrmOptionsMain>(spam, blacklist, general, prompter);
        // Each script fills the dialog and says whether to press OK (else Cancel).
        dialog->ExecDialog = [this](QDialog& d) {
            if (scripts.isEmpty()) return int(QDialog::Rejected);
            const bool ok = scripts.takeFirst()(d);
            if (ok)
                d.accept();
            else
                d.reject();
            return d.result();
        };
        dialog->FormShow();
    }
    template <typename D> void next(std::function<void(D&)> fill, bool ok = true) {
        scripts << [fill, ok](QDialog& d) {
            auto* editor = qobject_cast<D*>(&d);
            if (!editor) return false;
            fill(*editor);
            return ok;
        };
    }
    QString app(const char* name) const { return profile.appFile(QLatin1String(name)); }
};

QStringList column(const RuleList& list, int col) {
    QStringList cells;
    for (int r = 1; r < list.rowCount(); ++r)
        cells << list.cell(col, r);
    return cells;
}
} // namespace

class TestSpamDialog : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void pagesAndHeadings();
    void insertIntoEmptyListFillsTheBlankRow();
    void deleteOfTheOnlyRuleLeavesABlankRow();
    void moveUpAndDownStayInsideTheList();
    void importAddsTrimmedRulesAndSavesEvenWhenCancelled();
    void okRemovesAdjacentDuplicatesOnlyAndSaves();
    void okWritesListsThatFailedToLoad();
    void importIntoAListThatFailedToLoadSaysSo();
    void cancelRestoresTheFilesRules();
    void editWithNothingSelected();
    void hitsTypedInPlace();
    void subjectEditorRoundTrips();
    void toRuleForMailbox3();
    void countryTableGivesTheDomainEnding();
    void exceptionPictureAndAddress();
    void editorsKeepTheDialogOpenOnBlankInput();
    void suggestionFieldsKeepWhatIsTyped_data();
    void suggestionFieldsKeepWhatIsTyped();
    void importBoxDropsRepeatedLines();
    void blacklistEditSaveAndCancel();
    void missingBlacklistIsReported();
    void sizeAndDomainPages();
    void learningPage();
    void columnWidthsSurviveARestart();
    void printsEveryPage();
};

void TestSpamDialog::pagesAndHeadings() {
    Fixture f;
    f.create();
    TfrmOptionsMain& d = *f.dialog;
    QCOMPARE(d.windowTitle(), QStringLiteral("Spam Settings"));
    QStringList tabs;
    for (int i = 0; i < d.pages->count(); ++i)
        tabs << d.pages->tabText(i);
    QCOMPARE(tabs, (QStringList{"Subject", "Headers", "Sender", "Size", "Exceptions", "BlackList",
                                "Valid Domains", "Learning"}));
    QCOMPARE(d.pages->currentIndex(), 0);
    auto headings = [](QTableView* v) {
        QStringList h;
        for (int c = 0; c < v->model()->columnCount(); ++c)
            if (!v->isColumnHidden(c)) h << v->model()->headerData(c, Qt::Horizontal).toString();
        return h;
    };
    QCOMPARE(headings(d.gridSubject), (QStringList{"", "What", "Matches", "Case", "Del?", "Hits"}));
    QCOMPARE(headings(d.gridFrom),
             (QStringList{"", "What", "Condition", "Matches", "Del?", "Hits"}));
    QCOMPARE(headings(d.gridExcept),
             (QStringList{"What", "Condition", "Matches", "Case?", "Hits", ""}));
    QCOMPARE(d.lblSubjectCount->text(), QStringLiteral("1"));
}

void TestSpamDialog::insertIntoEmptyListFillsTheBlankRow() {
    Fixture f;
    f.create();
    TfrmOptionsMain& d = *f.dialog;
    QCOMPARE(d.lblSubjectCount->text(), QStringLiteral("1"));
    f.next<TfrmOptionsSubject>(
        [](TfrmOptionsSubject& e) { e.edit1->setEditText(QStringLiteral("free")); });
    d.insertClick(RuleListKind::Subject);
    QCOMPARE(f.spam.gridSubject.ruleCount(), 1);
    QCOMPARE(f.spam.gridSubject.row(1).Cells,
             (QStringList{"", "Contains", "free", "No", "Yes", "0"}));
    QCOMPARE(d.lblSubjectCount->text(), QStringLiteral("1"));

    // The next rule goes before the selected one and becomes the selection.
    f.next<TfrmOptionsSubject>([](TfrmOptionsSubject& e) {
        e.edit1->setEditText(QStringLiteral("cash"));
        e.rbQuestion->setChecked(true);
    });
    d.insertClick(RuleListKind::Subject);
    QCOMPARE(column(f.spam.gridSubject, 2), (QStringList{"cash", "free"}));
    QCOMPARE(f.spam.gridSubject.image(1), int(ImageQuestion));
    QCOMPARE(d.selectedRow(RuleListKind::Subject), 1);
    QCOMPARE(d.lblSubjectCount->text(), QStringLiteral("2"));

    // A cancelled editor adds nothing.
    f.next<TfrmOptionsSubject>(
        [](TfrmOptionsSubject& e) { e.edit1->setEditText(QStringLiteral("x")); }, false);
    d.insertClick(RuleListKind::Subject);
    QCOMPARE(f.spam.gridSubject.ruleCount(), 2);
}

void TestSpamDialog::deleteOfTheOnlyRuleLeavesABlankRow() {
    Fixture f;
    f.create();
    TfrmOptionsMain& d = *f.dialog;
    f.next<TfrmOptionsFROM>(
        [](TfrmOptionsFROM& e) { e.edit1->setEditText(QStringLiteral("spam.test")); });
    d.insertClick(RuleListKind::Sender);
    QVERIFY(!f.spam.gridFrom.isEmpty());
    // The Delete key leaves the only rule alone; the command clears it.
    d.gridFrom->setFocus();
    QTest::keyClick(d.gridFrom, Qt::Key_Delete);
    QVERIFY(!f.spam.gridFrom.isEmpty());
    d.deleteClick(RuleListKind::Sender);
    QVERIFY(f.spam.gridFrom.isEmpty());
    QCOMPARE(d.lblFromCount->text(), QStringLiteral("1"));
    f.next<TfrmOptionsFROM>(
        [](TfrmOptionsFROM& e) { e.edit1->setEditText(QStringLiteral("b.test")); });
    d.insertClick(RuleListKind::Sender);
    QCOMPARE(f.spam.gridFrom.ruleCount(), 1);
    QCOMPARE(f.spam.gridFrom.cell(3, 1), QStringLiteral("b.test"));

    // With two rules the Delete key removes the selected one.
    f.next<TfrmOptionsFROM>(
        [](TfrmOptionsFROM& e) { e.edit1->setEditText(QStringLiteral("a.test")); });
    d.insertClick(RuleListKind::Sender);
    QCOMPARE(d.selectedRow(RuleListKind::Sender), 1);
    QTest::keyClick(d.gridFrom, Qt::Key_Delete);
    QCOMPARE(column(f.spam.gridFrom, 3), QStringList{"b.test"});
    QCOMPARE(d.lblFromCount->text(), QStringLiteral("1"));
}

void TestSpamDialog::moveUpAndDownStayInsideTheList() {
    Fixture f;
    f.create();
    TfrmOptionsMain& d = *f.dialog;
    RuleList& list = f.spam.gridHeader;
    list.writeRow(1, {"", "Contains", "A", "No", "Yes", "0"});
    list.appendRule({"", "Contains", "B", "No", "Yes", "0"});
    d.FormShow();
    d.selectRow(RuleListKind::Header, 1);
    d.moveClick(RuleListKind::Header, true);
    QCOMPARE(column(list, 2), (QStringList{"A", "B"}));
    d.moveClick(RuleListKind::Header, false);
    QCOMPARE(column(list, 2), (QStringList{"B", "A"}));
    QCOMPARE(d.selectedRow(RuleListKind::Header), 2);
    d.moveClick(RuleListKind::Header, false);
    QCOMPARE(column(list, 2), (QStringList{"B", "A"}));
}

void TestSpamDialog::importAddsTrimmedRulesAndSavesEvenWhenCancelled() {
    Fixture f;
    f.create();
    TfrmOptionsMain& d = *f.dialog;
    f.next<TfrmImportSpam>([](TfrmImportSpam& box) {
        QCOMPARE(box.lblTitle->text(), QStringLiteral("Import spam keywords"));
        box.Memo1->setPlainText(QStringLiteral("viagra\n\n  lottery  \nviagra"));
    });
    d.importClick(RuleListKind::Subject);
    QCOMPARE(column(f.spam.gridSubject, 2), (QStringList{"viagra", "lottery", "viagra"}));
    QCOMPARE(f.spam.gridSubject.row(2).Cells,
             (QStringList{"", "Contains (whole word)", "lottery", "No", "Yes", "0"}));
    QCOMPARE(d.lblSubjectCount->text(), QStringLiteral("3"));
    QVERIFY(fileBytes(f.app("subj.lst")).contains("2,2,lottery\r\n"));

    // Cancelled: nothing added, the files are written all the same.
    QFile::remove(f.app("except.lst"));
    f.next<TfrmImportSpam>(
        [](TfrmImportSpam& box) {
            QCOMPARE(box.lblTitle->text(), QStringLiteral("Import e-mail addresses"));
            QVERIFY(box.Memo1->toPlainText().isEmpty());
            box.Memo1->setPlainText(QStringLiteral("a@b.test"));
        },
        false);
    d.importClick(RuleListKind::Exception);
    QVERIFY(f.spam.gridExcept.isEmpty());
    QVERIFY(fileBytes(f.app("except.lst")).startsWith("7,2\r\n"));
}

void TestSpamDialog::okRemovesAdjacentDuplicatesOnlyAndSaves() {
    Fixture f;
    f.create();
    TfrmOptionsMain& d = *f.dialog;
    RuleList& list = f.spam.gridSubject;
    const QStringList a{"", "Contains", "a", "No", "Yes", "0"};
    const QStringList b{"", "Contains", "b", "No", "Yes", "0"};
    list.writeRow(1, a);
    for (const QStringList& cells :
         {a, a, b, a, QStringList{"", "Contains", "a", "No", "Yes", "5"}})
        list.appendRule(cells);
    d.FormShow();
    d.accept();
    QCOMPARE(d.result(), int(QDialog::Accepted));
    QCOMPARE(column(list, 2), (QStringList{"a", "b", "a", "a"}));
    QCOMPARE(column(list, 5), (QStringList{"0", "0", "0", "5"}));
    QVERIFY(fileBytes(f.app("subj.lst")).startsWith("6,5\r\n"));
    QVERIFY(QFile::exists(SettingsStore::iniFile().path()));
}

void TestSpamDialog::okWritesListsThatFailedToLoad() {
    Fixture f;
    writeFile(f.app("header.lst"), "garbage\r\n");
    f.create();
    TfrmOptionsMain& d = *f.dialog;
    f.spam.Savesettings();
    QCOMPARE(fileBytes(f.app("header.lst")), QByteArray("garbage\r\n"));
    d.accept();
    QCOMPARE(d.result(), int(QDialog::Accepted));
    QVERIFY(fileBytes(f.app("header.lst")).startsWith("6,2\r\n"));
    QVERIFY(fileBytes(f.app("except.lst")).startsWith("7,2\r\n"));
}

void TestSpamDialog::importIntoAListThatFailedToLoadSaysSo() {
    Fixture f;
    writeFile(f.app("subj.lst"), "garbage\r\n");
    f.create();
    f.next<TfrmImportSpam>(
        [](TfrmImportSpam& box) { box.Memo1->setPlainText(QStringLiteral("viagra")); });
    f.dialog->importClick(RuleListKind::Subject);
    QCOMPARE(column(f.spam.gridSubject, 2), QStringList{"viagra"});
    QCOMPARE(f.prompter.texts(),
             QStringList{QStringLiteral("The rules added to %1 are not saved: the file could not "
                                        "be read, so it is left as it is until the spam settings "
                                        "are confirmed")
                             .arg(f.app("subj.lst"))});
    QCOMPARE(fileBytes(f.app("subj.lst")), QByteArray("garbage\r\n"));
}

void TestSpamDialog::cancelRestoresTheFilesRules() {
    Fixture f;
    writeFile(f.app("subj.lst"),
              "6,2\r\n1,1,Contains\r\n2,1,kept\r\n3,1,No\r\n4,1,Yes\r\n5,1,3\r\n");
    f.create();
    TfrmOptionsMain& d = *f.dialog;
    f.next<TfrmOptionsSubject>(
        [](TfrmOptionsSubject& e) { e.edit1->setEditText(QStringLiteral("new")); });
    d.insertClick(RuleListKind::Subject);
    d.cbSmaller->setChecked(true);
    QCOMPARE(f.spam.gridSubject.ruleCount(), 2);
    d.reject();
    QCOMPARE(column(f.spam.gridSubject, 2), QStringList{"kept"});
    QCOMPARE(d.gridSubject->model()->rowCount(), 1);
    QVERIFY(!f.spam.Smaller.QSmaller);
    QVERIFY(!d.cbSmaller->isChecked());
}

void TestSpamDialog::editWithNothingSelected() {
    Fixture f;
    f.create();
    TfrmOptionsMain& d = *f.dialog;
    d.editClick(RuleListKind::Subject);
    d.editClick(RuleListKind::Sender);
    QCOMPARE(f.prompter.texts(),
             (QStringList{"Error: nothing selected to edit", "Error: nothing selected to edit"}));
    QCOMPARE(f.prompter.shown()[0].icon, Prompter::Icon::Error);
    QCOMPARE(f.prompter.shown()[1].icon, Prompter::Icon::Information);
}

void TestSpamDialog::hitsTypedInPlace() {
    Fixture f;
    f.create();
    TfrmOptionsMain& d = *f.dialog;
    f.spam.gridSubject.writeRow(1, {"", "Contains", "a", "No", "Yes", "4"});
    d.FormShow();
    RuleGridModel* m = d.gridModel(RuleListKind::Subject);
    QVERIFY(!m->setData(m->index(0, 5), QStringLiteral("-2")));
    QVERIFY(!m->setData(m->index(0, 5), QStringLiteral("x")));
    QCOMPARE(f.spam.gridSubject.cell(5, 1), QStringLiteral("4"));
    QVERIFY(m->setData(m->index(0, 5), QStringLiteral("12")));
    QCOMPARE(f.spam.gridSubject.cell(5, 1), QStringLiteral("12"));
    QVERIFY(!(m->flags(m->index(0, 1)) & Qt::ItemIsEditable));
    QVERIFY(m->flags(m->index(0, 2)) & Qt::ItemIsEditable);
    QCOMPARE(m->data(m->index(0, 5), Qt::TextAlignmentRole).toInt() & Qt::AlignRight,
             int(Qt::AlignRight));
    QVERIFY(m->data(m->index(0, 2), Qt::FontRole).value<QFont>().bold());
    RuleGridModel* header = d.gridModel(RuleListKind::Header);
    QVERIFY(!(header->flags(header->index(0, 2)) & Qt::ItemIsEditable));
}

void TestSpamDialog::subjectEditorRoundTrips() {
    Fixture f;
    f.create();
    TfrmOptionsMain& d = *f.dialog;
    f.spam.gridSubject.writeRow(1, {"", "Contains", "cash", "Yes", "No", "12"});
    d.FormShow();
    QString shownText;
    bool caseShown = false;
    f.next<TfrmOptionsSubject>([&](TfrmOptionsSubject& e) {
        shownText = e.edit1->currentText();
        caseShown = e.cbCase->isChecked();
        QVERIFY(e.rbQuestion->isChecked());
        e.cbWhat->setCurrentIndex(5); // "Is blank or empty"
        QVERIFY(e.edit1->isHidden());
    });
    d.editClick(RuleListKind::Subject);
    QCOMPARE(shownText, QStringLiteral("cash"));
    QVERIFY(caseShown);
    QCOMPARE(f.spam.gridSubject.row(1).Cells, (QStringList{"", "Is blank", "", "", "No", "12"}));
}

void TestSpamDialog::toRuleForMailbox3() {
    Fixture f;
    f.create();
    TfrmOptionsMain& d = *f.dialog;
    QStringList items;
    f.next<TfrmHeaders>([&](TfrmHeaders& e) {
        QVERIFY(!e.btCountry->isHidden());
        QCOMPARE(e.cbHeader->currentText(), QStringLiteral("X-1"));
        for (int i = 0; i < e.cbMailBox->count(); ++i)
            items << e.cbMailBox->itemText(i);
        e.rbTo->setChecked(true);
        QVERIFY(e.cbHeader->isHidden());
        e.edTo->setText(QStringLiteral("me"));
        e.cbMailBox->setCurrentIndex(1);
    });
    d.insertClick(RuleListKind::Header);
    QCOMPARE(items,
             (QStringList{"1) ann - server pop.one.test", "3) bob - server pop.three.test"}));
    QCOMPARE(f.spam.gridHeader.row(1).Cells,
             (QStringList{"", "To does not contain", "me - MailBox #3", "No", "Yes", "0"}));

    QString to, mailbox;
    f.next<TfrmHeaders>(
        [&](TfrmHeaders& e) {
            QVERIFY(e.btCountry->isHidden());
            QVERIFY(e.rbTo->isChecked());
            to = e.edTo->text();
            mailbox = e.cbMailBox->currentText();
        },
        false);
    d.editClick(RuleListKind::Header);
    QCOMPARE(to, QStringLiteral("me"));
    QVERIFY(mailbox.startsWith(QLatin1String("3)")));
}

void TestSpamDialog::countryTableGivesTheDomainEnding() {
    Fixture f;
    TfrmInternet table;
    QCOMPARE(table.lvCountries->topLevelItemCount(), 243);
    QCOMPARE(table.lvCountries->currentItem(), table.lvCountries->topLevelItem(0));
    table.lvCountries->setCurrentItem(table.lvCountries->topLevelItem(2));
    table.accept();
    QCOMPARE(table.domainEnding(), QStringLiteral(".DZ"));
    QCOMPARE(table.countryName(), QStringLiteral("Algeria"));

    // A sender rule for the country, and a header rule.
    f.create();
    TfrmOptionsMain& d = *f.dialog;
    f.next<TfrmOptionsFROM>([&](TfrmOptionsFROM& e) {
        e.cbWhat->setCurrentIndex(7);
        e.ChooseCountry = [](QString& ending, QString& name) {
            ending = QStringLiteral(".DZ");
            name = QStringLiteral("Algeria");
            return true;
        };
        QTest::mouseClick(e.btCountry, Qt::LeftButton);
        QCOMPARE(e.lblCountry->text(), QStringLiteral("Algeria"));
        QVERIFY(!e.edit1->isHidden());
    });
    d.insertClick(RuleListKind::Sender);
    QCOMPARE(f.spam.gridFrom.row(1).Cells,
             (QStringList{"", "Domain name", "Ends with", ".DZ", "Yes", "0"}));
    f.next<TfrmHeaders>([&](TfrmHeaders& e) {
        e.cbCase->setChecked(true);
        e.applyCountry(QStringLiteral(".DZ"), QStringLiteral("Algeria"));
    });
    d.insertClick(RuleListKind::Header);
    QCOMPARE(f.spam.gridHeader.row(1).Cells,
             (QStringList{"", "Ends with", ".DZ", "No", "Yes", "0"}));
}

void TestSpamDialog::exceptionPictureAndAddress() {
    Fixture f;
    f.create();
    TfrmOptionsMain& d = *f.dialog;
    f.next<TfrmAlwaysAccept>([](TfrmAlwaysAccept& e) {
        QVERIFY(e.rbEmail->isChecked());
        QCOMPARE(e.lvPictures->count(), 12);
        QCOMPARE(e.lvPictures->currentRow(), 0);
        e.edEmail->setText(QStringLiteral("friend@example.org"));
        e.lvPictures->setCurrentRow(4);
    });
    d.insertClick(RuleListKind::Exception);
    QCOMPARE(f.spam.gridExcept.row(1).Cells,
             (QStringList{"E-mail address", "Equals", "friend@example.org", "No", "0", "", "7"}));
    QCOMPARE(f.spam.gridExcept.image(1), 7);

    f.spam.gridExcept.setCell(4, 1, QStringLiteral("9"));
    int shownPicture = -1;
    f.next<TfrmAlwaysAccept>([&](TfrmAlwaysAccept& e) {
        shownPicture = e.lvPictures->currentRow();
        e.rbSubject->setChecked(true);
        QVERIFY(e.edEmail->isHidden());
        e.cbLine->setCurrentIndex(4);
        e.edSubject->setText(QStringLiteral("[list]"));
    });
    d.editClick(RuleListKind::Exception);
    QCOMPARE(shownPicture, 4);
    QCOMPARE(f.spam.gridExcept.row(1).Cells,
             (QStringList{"Any Header", "Equals", "[list]", "No", "9", "", "7"}));
}

void TestSpamDialog::editorsKeepTheDialogOpenOnBlankInput() {
    ScriptedPrompter prompter;
    TfrmOptionsSubject subject(prompter);
    subject.edit1->setEditText(QStringLiteral("  "));
    subject.accept();
    QCOMPARE(subject.result(), int(QDialog::Rejected));
    TfrmHeaders header(GeneralSettings(), prompter);
    header.cbHeader->setEditText(QStringLiteral("   "));
    header.accept();
    QCOMPARE(header.result(), int(QDialog::Rejected));
    TfrmAlwaysAccept except(prompter);
    except.rbDomain->setChecked(true);
    except.accept();
    QCOMPARE(except.result(), int(QDialog::Rejected));
    QCOMPARE(prompter.texts(),
             (QStringList{"The subject text cannot be blank", "The header text cannot be blank",
                          "The domain line cannot be blank"}));
}

void TestSpamDialog::suggestionFieldsKeepWhatIsTyped_data() {
    QTest::addColumn<QString>("editor");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("offered"); // suggestions start with the text
    QTest::addColumn<bool>("enter");   // confirmed with Enter, else with the OK button
    QTest::newRow("subject-start-of-a-suggestion") << "subject" << "fre" << true << false;
    QTest::newRow("sender-start-of-freedom") << "sender" << "free" << true << false;
    QTest::newRow("header-start-of-a-mailer") << "header" << "X-Mailer" << true << false;
    QTest::newRow("header-start-of-a-mailer-enter") << "header" << "X-Mailer" << true << true;
    QTest::newRow("subject-suggestion-in-other-case-enter")
        << "subject" << "Free" << false << true;
}

// The suggestions that start with the text typed are offered; OK stores the
// text as typed.
void TestSpamDialog::suggestionFieldsKeepWhatIsTyped() {
    QFETCH(QString, editor);
    QFETCH(QString, typed);
    QFETCH(bool, offered);
    QFETCH(bool, enter);
    ScriptedPrompter prompter;
    std::unique_ptr<QDialog> dialog;
    QComboBox* field = nullptr;
    QPushButton* ok = nullptr;
    std::function<QString()> stored;
    if (editor == "subject") {
        auto* e = new TfrmOptionsSubject(prompter);
        dialog.reset(e);
        field = e->edit1;
        ok = e->btOK;
        stored = [e] { return e->fields().text; };
    } else if (editor == "sender") {
        auto* e = new TfrmOptionsFROM(prompter);
        dialog.reset(e);
        field = e->edit1;
        ok = e->btOK;
        stored = [e] { return e->fields().text; };
    } else {
        auto* e = new TfrmHeaders(GeneralSettings(), prompter);
        dialog.reset(e);
        field = e->cbHeader;
        ok = e->btOK;
        stored = [e] { return e->fields().headerText; };
    }
    dialog->show();
    QVERIFY(QTest::qWaitForWindowExposed(dialog.get()));
    field->setEditText(QString());
    field->setFocus();
    QTest::keyClicks(field->lineEdit(), typed);
    QCOMPARE(field->completer()->completionCount() > 0, offered);
    if (enter)
        QTest::keyClick(field->lineEdit(), Qt::Key_Return);
    else
        QTest::mouseClick(ok, Qt::LeftButton);
    QCOMPARE(dialog->result(), int(QDialog::Accepted));
    QCOMPARE(stored(), typed);
    QVERIFY(prompter.texts().isEmpty());
}

void TestSpamDialog::importBoxDropsRepeatedLines() {
    TfrmImportSpam box;
    box.Memo1->setPlainText(QStringLiteral("a\na\nA\n\nb"));
    box.accept();
    QCOMPARE(box.lines(), (QStringList{"a", "A", "", "b"}));
}

void TestSpamDialog::blacklistEditSaveAndCancel() {
    Fixture f;
    writeFile(f.app("known.lst"), "b.test\r\nspammer@a.test\r\n");
    f.blacklist.load(Blacklist::defaultPath());
    f.create();
    TfrmOptionsMain& d = *f.dialog;
    QCOMPARE(d.lblSpamCount->text(), QStringLiteral("2"));
    QVERIFY(d.memoKnown->isReadOnly());
    QVERIFY(!d.btSaveKnown->isEnabled());

    // Edits discarded by Cancel of the dialog.
    d.btEditKnownClick();
    QVERIFY(!d.memoKnown->isReadOnly());
    QVERIFY(d.btSaveKnown->isEnabled() && d.btCancelKnown->isEnabled());
    d.memoKnown->setPlainText(QStringLiteral("x.test\n"));
    d.reject();
    QCOMPARE(d.memoKnown->toPlainText(), QStringLiteral("b.test\nspammer@a.test\n"));
    QCOMPARE(f.blacklist.count(), 2);

    // Edits not yet saved are rebuilt and saved by OK.
    d.FormShow();
    d.btEditKnownClick();
    d.memoKnown->setPlainText(
        QStringLiteral("c.test\nann@d.test\nANN@D.TEST\n12345@e.test\n_1@f.test\n"));
    d.accept();
    QCOMPARE(f.blacklist.entries(), (QStringList{"ann@d.test", "c.test"}));
    QCOMPARE(fileBytes(f.app("known.lst")), QByteArray("ann@d.test\r\nc.test\r\n"));
    QVERIFY(!d.btSaveKnown->isEnabled());
    QCOMPARE(d.lblSpamCount->text(), QStringLiteral("2"));
}

void TestSpamDialog::missingBlacklistIsReported() {
    Fixture f;
    f.create();
    TfrmOptionsMain& d = *f.dialog;
    QVERIFY(!d.pnlSorting->isHidden());
    QCOMPARE(d.pnlSorting->text(), QStringLiteral("Could not locate the known spammer blacklist!"));
    QVERIFY(d.btEditKnown->isHidden());
    QVERIFY(d.btSaveKnown->isHidden());
}

void TestSpamDialog::sizeAndDomainPages() {
    Fixture f;
    f.create();
    TfrmOptionsMain& d = *f.dialog;
    QVERIFY(!d.nSmaller->isEnabled());
    d.cbSmaller->setChecked(true);
    QVERIFY(d.nSmaller->isEnabled() && d.rbSmallerQuestion->isEnabled());
    QCOMPARE(d.nLarger->maximum(), 99999999);
    QCOMPARE(d.nLarger->singleStep(), 100);
    d.nSmaller->setValue(250);
    d.rbSmallerQuestion->setChecked(true);
    QVERIFY(d.rbLargerCheck->isChecked());

    QVERIFY(!d.pnlValid->isHidden());
    d.cbValid->setChecked(false);
    QVERIFY(d.pnlValid->isHidden());
    d.rbCheck->setChecked(true);
    f.spam.Known.Num = QStringLiteral("17");
    d.FormShow();
    d.cbValid->setChecked(false);
    d.rbCheck->setChecked(true);
    d.cbSmaller->setChecked(true);
    d.nSmaller->setValue(250);
    d.rbSmallerQuestion->setChecked(true);
    QCOMPARE(d.edUnknown->text(), QStringLiteral("17"));
    f.prompter.answerNext(Prompter::Answer::No);
    d.btResetClick();
    QCOMPARE(d.edUnknown->text(), QStringLiteral("17"));
    f.prompter.answerNext(Prompter::Answer::Yes);
    d.btResetClick();
    QCOMPARE(d.edUnknown->text(), QStringLiteral("0"));
    QCOMPARE(f.prompter.texts().last(), QStringLiteral("Really clear out unknown count?"));
    d.accept();

    const SettingsStore ini = SettingsStore::iniFile();
    QCOMPARE(ini.ReadString("Smaller", "QSmaller", {}), QStringLiteral("1"));
    QCOMPARE(ini.ReadString("Smaller", "Num", {}), QStringLiteral("250"));
    QCOMPARE(ini.ReadString("Smaller", "Check", {}), QStringLiteral("0"));
    QCOMPARE(ini.ReadString("Known", "Valid", {}), QStringLiteral("0"));
    QCOMPARE(ini.ReadString("Known", "Question", {}), QStringLiteral("1"));
    QCOMPARE(ini.ReadString("Known", "Num", {}), QStringLiteral("0"));
}

// The Learning page edits the switch, the mark and the cutoff, shows the
// counts, and forgets everything only when the user says yes.
void TestSpamDialog::learningPage() {
    Fixture f;
    LearnedFilter learned;
    QVERIFY(learned.open());
    TmsHeaders h;
    h.LoadFromBytes("From: a@b.test\nSubject: hello\n\n");
    learned.learn(QStringLiteral("one"), h, true);
    f.create();
    TfrmOptionsMain& d = *f.dialog;
    d.setLearnedFilter(&learned);
    d.FormShow();
    QVERIFY(d.cbLearning->isChecked() && d.rbLearnedQuestion->isChecked());
    QCOMPARE(d.nCutoff->value(), 95);
    QVERIFY2(d.lblLearned->text().contains("1 spam and 0 other"), qPrintable(d.lblLearned->text()));

    f.prompter.answerNext(Prompter::Answer::No);
    d.btForget->click();
    QCOMPARE(learned.spamCount(), 1u);
    f.prompter.answerNext(Prompter::Answer::Yes);
    d.btForget->click();
    QCOMPARE(learned.spamCount(), 0u);
    QVERIFY(d.lblLearned->text().contains("0 spam and 0 other"));

    d.rbLearnedCheck->setChecked(true);
    d.nCutoff->setValue(80);
    d.edOwnDomains->setText(QStringLiteral(" mail.example.net "));
    d.cbLearning->setChecked(false);
    QVERIFY(!d.pnlLearning->isEnabled());
    d.accept();
    QVERIFY(!f.spam.Learning.On && f.spam.Learning.Check);
    QCOMPARE(f.spam.Learning.Cutoff, 80);
    QCOMPARE(f.spam.Learning.OwnDomains, QStringLiteral("mail.example.net"));
    QCOMPARE(SettingsStore::iniFile().ReadString("Learning", "Cutoff", {}), QStringLiteral("80"));
}

void TestSpamDialog::columnWidthsSurviveARestart() {
    Fixture f;
    f.create();
    f.dialog->gridSubject->setColumnWidth(2, 321);
    f.dialog->gridExcept->setColumnWidth(0, 150);
    f.dialog.reset(); // the program ends
    QCOMPARE(SettingsStore::tree().ReadInteger("Subject", "col2", -1), 321);
    QCOMPARE(SettingsStore::tree().ReadInteger("Exceptions", "col0", -1), 150);
    QCOMPARE(SettingsStore::tree().ReadInteger("Exceptions", "col6", -1), -1);

    SpamSettings again;
    Blacklist blacklist;
    TfrmOptionsMain restarted(again, blacklist, f.general, f.prompter);
    QCOMPARE(restarted.gridSubject->columnWidth(2), 321);
    QCOMPARE(restarted.gridExcept->columnWidth(0), 150);
    QCOMPARE(again.gridSubject.columnWidth(2), 321);
}

void TestSpamDialog::printsEveryPage() {
    Fixture f;
    f.create();
    for (int i = 0; i < 120; ++i)
        f.spam.gridSubject.appendRule(
            {"", "Contains", QStringLiteral("word %1").arg(i), "No", "Yes", "0"});
    QTemporaryDir dir;
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(dir.filePath(QStringLiteral("rules.pdf")));
    QVERIFY(f.dialog->printList(RuleListKind::Subject, printer) >= 2);
    QVERIFY(fileBytes(dir.filePath(QStringLiteral("rules.pdf"))).startsWith("%PDF"));
}

QTEST_MAIN(TestSpamDialog)
#include "tst_spam_dialog.moc"
