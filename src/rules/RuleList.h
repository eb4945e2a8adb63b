#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// The four rule lists.
enum class RuleListKind { Subject, Header, Sender, Exception };

// Indices into the shared image list that the rule rows show.
enum RuleImage {
    ImageNone = -1,
    ImageCheck = 0,        // a match deletes
    ImageQuestion = 1,     // a match marks possible spam
    ImageBlacklist = 2,    // (main list only)
    ImageFirstPicture = 3, // the twelve exception pictures, 3 to 14
    ImageLastPicture = 14,
};

// One row of a rule list: its cells, one per column, and the state image derived
// from them (not stored in the file).
struct RuleRow {
    QStringList Cells;
    int Image = ImageNone;
};

// A rule list: row 0 holds the headings, rows 1 onward the rules in the order
// the classifier tries them. A list always has at least one rule row; a list
// without rules is the heading row and one blank row.
class RuleList {
public:
    // Columns of the subject, header and sender lists.
    static constexpr int DelColumn = 4;
    // The exception list's picture column and its hidden picture index column.
    static constexpr int PictureColumn = 5;
    static constexpr int PictureIndexColumn = 6;
    // The width the hidden column is always stored with.
    static constexpr int HiddenColumnWidth = 20;

    // An empty list of that kind: headings, one blank row, default widths.
    explicit RuleList(RuleListKind kind);

    RuleListKind kind() const { return m_kind; }
    // "subj.lst", "header.lst", "from.lst" or "except.lst".
    QString fileName() const;
    // The grid's name as the rest of the program calls it, e.g. "gridSubject".
    QString gridName() const;
    // 6, or 7 for the exception list (its last column hidden).
    int columnCount() const;
    // The columns shown and compared for duplicates: 6 for every list.
    int visibleColumnCount() const { return 6; }
    // The "Hits" column: 5, or 4 for the exception list.
    int hitsColumn() const;
    // The heading texts of row 0, one per column.
    QStringList headings() const;

    // Rows including the heading row.
    int rowCount() const { return static_cast<int>(m_rows.size()); }
    // Rows below the heading row (an empty list has one).
    int ruleCount() const { return rowCount() - 1; }
    // True when the list holds exactly one rule row and its column 1 is empty.
    bool isEmpty() const;

    const RuleRow& row(int r) const { return m_rows.at(r); }
    // The text of a cell; empty outside the list.
    QString cell(int col, int row) const;
    // Sets one cell (no image change); ignored outside the list.
    void setCell(int col, int row, const QString& text);
    // The state image of a row.
    int image(int row) const { return m_rows.at(row).Image; }
    int columnWidth(int col) const { return m_widths.at(col); }
    void setColumnWidth(int col, int width);

    // Back to the heading row and one blank row (widths kept).
    void reset();
    // Writes the headings into row 0.
    void SetGridHeadings();
    // Sets the state image of a rule row from its text: the check mark when "Del?"
    // is "Yes", else the question mark; for the exception list the picture in
    // column 6 (3 to 14, 3 when empty or out of range).
    void deriveImage(int row);
    // deriveImage for every rule row.
    void deriveImages();

    // Places a new rule: into the blank row of an empty list, else into a new row
    // before beforeRow (rowCount() appends). Writes cells there and returns its row.
    int placeRule(const QStringList& cells, int beforeRow);
    // placeRule after the last row.
    int appendRule(const QStringList& cells) { return placeRule(cells, rowCount()); }
    // Inserts a new row 1 holding cells; every rule moves down (a blank row of an
    // empty list stays, after the new rule). Returns 1.
    int insertAtTop(const QStringList& cells);
    // Writes the cells of a rule row (missing cells empty, extra ones dropped) and
    // derives its image.
    void writeRow(int row, const QStringList& cells);
    // Empties every cell of a rule row and its image.
    void clearRow(int row);
    // Removes a rule row (the rows below move up); the only rule row is cleared instead.
    void removeRow(int row);
    // Exchanges two rule rows; false (nothing done) when either is not a rule row.
    bool exchangeRows(int a, int b);
    // Raises the "Hits" cell of a rule row by one (a cell that is not a decimal number counts as
    // 0).
    void bumpHits(int row);
    // Orders the rule rows by one column, stably: "Hits" as numbers (a cell that is
    // not one counts as 0), every other column as text without regard to case.
    void sortRules(int column, bool ascending);

    // Reads a list file into this list (see RuleFile.cpp). Throws EFileError
    // "File %s not found" or "File contains no data or corrupt file %s"; the list
    // is unchanged then. Lines that are neither blank, a width line nor a cell
    // line are left out; returns the number (from 1) of the first, 0 when none.
    int loadFromFile(const QString& path);
    // Replaces the list file atomically. Throws EFileError "Unable to write to %s".
    void saveToFile(const QString& path) const;
    // The list file's bytes.
    QByteArray toFileBytes() const;
    // Reads list file bytes as loadFromFile does; path is only for the failure text.
    int fromFileBytes(const QByteArray& bytes, const QString& path);

private:
    friend bool operator==(const RuleList& a, const RuleList& b);
    bool isRuleRow(int row) const { return row >= 1 && row < rowCount(); }
    RuleRow blankRow() const;

    RuleListKind m_kind;
    QList<RuleRow> m_rows;
    QList<int> m_widths;
};

bool operator==(const RuleList& a, const RuleList& b);

// Removes adjacent duplicate rules: from the last rule row up to row 2, a row is
// removed when every visible column equals the row above (case-sensitive, "Hits"
// included).
void DeleteDupsFromGrid(RuleList& list);

// A counter cell's text raised by one: the text read as a decimal number (0 when
// it is not one) plus one.
QString BumpCounterText(const QString& text);
