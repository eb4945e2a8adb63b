#pragma once

#include "rules/RuleList.h"

#include <QDialog>
#include <array>
#include <functional>

class Blacklist;
class GeneralSettings;
class Prompter;
class LearnedFilter;
class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPrinter;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QTabWidget;
class QTableView;
class RuleGridModel;
class SpamSettings;
class TfrmAlwaysAccept;
class TfrmHeaders;
class TfrmImportSpam;
class TfrmOptionsFROM;
class TfrmOptionsSubject;

// The spam settings dialog: the subject, header, sender and exception lists,
// the size limits, the blacklist and the unknown-domain check. It edits the one
// SpamSettings model the classifier reads and the blacklist the controller
// holds; it lives as long as the program and reads no file when created.
class TfrmOptionsMain : public QDialog {
    Q_OBJECT
public:
    TfrmOptionsMain(SpamSettings& model, Blacklist& blacklist, const GeneralSettings& general,
                    Prompter& prompter, QWidget* parent = nullptr);
    // Stores the column widths of the four lists.
    ~TfrmOptionsMain() override;

    // Brings the dialog up to date for showing: the model's values, the
    // blacklist editor from "known.lst", the enabling rules, headings and counts.
    void FormShow();
    // Shows the dialog modally after FormShow.
    int exec() override;
    // OK: adjacent duplicates go, the settings are saved (and unsaved blacklist
    // edits), the dialog closes. A failed save is reported and keeps it open.
    void accept() override;
    // Cancel: the lists and values are read again from their files.
    void reject() override;

    // The counts below the four lists and of the blacklist editor.
    void updateCounts();
    // Stores the present widths of the lists' visible columns in the settings tree.
    void writeColumnWidths();

    // The commands of the list pages, by list.
    void insertClick(RuleListKind kind);
    void editClick(RuleListKind kind);
    void deleteClick(RuleListKind kind);
    void moveClick(RuleListKind kind, bool up);
    void printClick(RuleListKind kind);
    void previewClick(RuleListKind kind);
    void importClick(RuleListKind kind);
    // Prints a list on printer; returns the number of pages.
    int printList(RuleListKind kind, QPrinter& printer);

    // The writers of the rule editors: the editor's fields into a list row.
    void subjectAfterShowmodal(const TfrmOptionsSubject& dialog, int row);
    void headerAfterShowmodal(const TfrmHeaders& dialog, int row);
    void FromAfterShowModal(const TfrmOptionsFROM& dialog, int row);
    void exceptAfterShowmodal(const TfrmAlwaysAccept& dialog, int row);

    // The blacklist page's commands.
    void btEditKnownClick();
    void btSaveKnownClick();
    void btCancelKnownClick();
    // "Reset counter" on the valid-domains page.
    void btResetClick();

    // The selected rule row of a list (1 when none is selected).
    int selectedRow(RuleListKind kind) const;
    void selectRow(RuleListKind kind, int row);
    QTableView* grid(RuleListKind kind) const;
    RuleGridModel* gridModel(RuleListKind kind) const;

    // Shows a dialog modally and returns its result; tests replace it to answer
    // the rule editors, the import box and the print dialogs.
    std::function<int(QDialog& dialog)> ExecDialog;
    // Called by Help.
    std::function<void()> OnHelp;

    TfrmImportSpam* importBox() const { return m_import; }

    QTabWidget* pages = nullptr;
    QTableView* gridSubject = nullptr;
    QTableView* gridHeader = nullptr;
    QTableView* gridFrom = nullptr;
    QTableView* gridExcept = nullptr;
    QLabel* lblSubjectCount = nullptr;
    QLabel* lblHeaderCount = nullptr;
    QLabel* lblFromCount = nullptr;
    QLabel* lblExceptCount = nullptr;
    // Size page.
    QCheckBox* cbSmaller = nullptr;
    QSpinBox* nSmaller = nullptr;
    QRadioButton* rbSmallerCheck = nullptr;
    QRadioButton* rbSmallerQuestion = nullptr;
    QCheckBox* cbLarger = nullptr;
    QSpinBox* nLarger = nullptr;
    QRadioButton* rbLargerCheck = nullptr;
    QRadioButton* rbLargerQuestion = nullptr;
    // Blacklist page.
    QCheckBox* cbKnownSpammers = nullptr;
    QPlainTextEdit* memoKnown = nullptr;
    QLabel* lblSpamCount = nullptr;
    QPushButton* btEditKnown = nullptr;
    QPushButton* btSaveKnown = nullptr;
    QPushButton* btCancelKnown = nullptr;
    QLabel* pnlSorting = nullptr;
    // Valid-domains page.
    QCheckBox* cbValid = nullptr;
    QGroupBox* pnlValid = nullptr;
    QRadioButton* rbCheck = nullptr;
    QRadioButton* rbQuestion = nullptr;
    QLineEdit* edUnknown = nullptr;
    QPushButton* btReset = nullptr;
    // Learning page.
    QCheckBox* cbLearning = nullptr;
    QGroupBox* pnlLearning = nullptr;
    QRadioButton* rbLearnedCheck = nullptr;
    QRadioButton* rbLearnedQuestion = nullptr;
    QSpinBox* nCutoff = nullptr;
    QLineEdit* edOwnDomains = nullptr;
    QLabel* lblLearned = nullptr;
    QPushButton* btForget = nullptr;

    // The learned judgement whose counts the Learning page shows and whose
    // "Forget everything learned" empties it; none: the page shows no counts.
    void setLearnedFilter(LearnedFilter* filter) { m_learned = filter; }

    QPushButton* btOK = nullptr;
    QPushButton* btCancel = nullptr;
    QPushButton* btHelp = nullptr;

private:
    struct ListPage {
        RuleList* list = nullptr;
        QTableView* view = nullptr;
        RuleGridModel* model = nullptr;
        QLabel* count = nullptr;
    };
    QWidget* buildListPage(RuleListKind kind, const QString& noteText);
    QWidget* buildSizePage();
    QWidget* buildBlacklistPage();
    QWidget* buildValidPage();
    QWidget* buildLearningPage();
    // The width that shows every page tab and each list's columns whole.
    int widthForTabsAndColumns();
    // The counts learned, or why there are none.
    void showLearnedCounts();
    void btForgetClick();
    ListPage& page(RuleListKind kind);
    const ListPage& page(RuleListKind kind) const;

    void modelToControls();
    void controlsToModel();
    void applySizeRules();
    void reloadGrids();
    void applyColumnWidths();
    void loadKnownEditor();
    void setKnownEditing(bool editing);
    bool copyCell(RuleListKind kind);
    bool pasteCell(RuleListKind kind);
    bool eventFilter(QObject* watched, QEvent* event) override;

    SpamSettings& m_model;
    LearnedFilter* m_learned = nullptr;
    Blacklist& m_blacklist;
    const GeneralSettings& m_general;
    Prompter& m_prompter;
    std::array<ListPage, 4> m_pages;
    TfrmImportSpam* m_import = nullptr;
    bool m_knownMissing = false;
};
