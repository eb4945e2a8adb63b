#include "rules/RuleList.h"

#include <algorithm>
#include <limits>

namespace {
QList<int> defaultWidths(RuleListKind kind) {
    switch (kind) {
    case RuleListKind::Subject:
    case RuleListKind::Header:
        return {20, 112, 231, 29, 39, 38};
    case RuleListKind::Sender:
        return {20, 100, 130, 180, 39, 38};
    case RuleListKind::Exception:
        return {100, 112, 180, 39, 38, 20, RuleList::HiddenColumnWidth};
    }
    return {};
}
} // namespace

RuleList::RuleList(RuleListKind kind) : m_kind(kind), m_widths(defaultWidths(kind)) {
    reset();
    SetGridHeadings();
}

QString RuleList::fileName() const {
    switch (m_kind) {
    case RuleListKind::Subject:
        return QStringLiteral("subj.lst");
    case RuleListKind::Header:
        return QStringLiteral("header.lst");
    case RuleListKind::Sender:
        return QStringLiteral("from.lst");
    case RuleListKind::Exception:
        return QStringLiteral("except.lst");
    }
    return {};
}

QString RuleList::gridName() const {
    switch (m_kind) {
    case RuleListKind::Subject:
        return QStringLiteral("gridSubject");
    case RuleListKind::Header:
        return QStringLiteral("gridHeader");
    case RuleListKind::Sender:
        return QStringLiteral("gridFrom");
    case RuleListKind::Exception:
        return QStringLiteral("gridExcept");
    }
    return {};
}

int RuleList::columnCount() const {
    return m_kind == RuleListKind::Exception ? 7 : 6;
}

int RuleList::hitsColumn() const {
    return m_kind == RuleListKind::Exception ? 4 : 5;
}

QStringList RuleList::headings() const {
    switch (m_kind) {
    case RuleListKind::Subject:
    case RuleListKind::Header:
        return {QString(),
                QStringLiteral("What"),
                QStringLiteral("Matches"),
                QStringLiteral("Case"),
                QStringLiteral("Del?"),
                QStringLiteral("Hits")};
    case RuleListKind::Sender:
        return {QString(),
                QStringLiteral("What"),
                QStringLiteral("Condition"),
                QStringLiteral("Matches"),
                QStringLiteral("Del?"),
                QStringLiteral("Hits")};
    case RuleListKind::Exception:
        return {QStringLiteral("What"),
                QStringLiteral("Condition"),
                QStringLiteral("Matches"),
                QStringLiteral("Case?"),
                QStringLiteral("Hits"),
                QString(),
                QString()};
    }
    return {};
}

bool RuleList::isEmpty() const {
    return ruleCount() == 1 && cell(1, 1).isEmpty();
}

QString RuleList::cell(int col, int row) const {
    if (row < 0 || row >= rowCount() || col < 0 || col >= columnCount()) return {};
    return m_rows[row].Cells[col];
}

void RuleList::setCell(int col, int row, const QString& text) {
    if (row < 0 || row >= rowCount() || col < 0 || col >= columnCount()) return;
    m_rows[row].Cells[col] = text;
}

void RuleList::setColumnWidth(int col, int width) {
    if (col >= 0 && col < columnCount()) m_widths[col] = width;
}

RuleRow RuleList::blankRow() const {
    RuleRow r;
    for (int c = 0; c < columnCount(); ++c)
        r.Cells.append(QString());
    return r;
}

void RuleList::reset() {
    const RuleRow heading = m_rows.isEmpty() ? blankRow() : m_rows.first();
    m_rows = {heading, blankRow()};
}

void RuleList::SetGridHeadings() {
    m_rows[0].Cells = headings();
}

void RuleList::deriveImage(int row) {
    if (!isRuleRow(row)) return;
    RuleRow& r = m_rows[row];
    if (m_kind != RuleListKind::Exception) {
        r.Image = r.Cells[DelColumn] == QLatin1String("Yes") ? ImageCheck : ImageQuestion;
        return;
    }
    bool ok = false;
    const int picture = r.Cells[PictureIndexColumn].toInt(&ok);
    r.Image = ok && picture >= ImageFirstPicture && picture <= ImageLastPicture ? picture
                                                                                : ImageFirstPicture;
}

void RuleList::deriveImages() {
    for (int r = 1; r < rowCount(); ++r)
        deriveImage(r);
}

int RuleList::placeRule(const QStringList& cells, int beforeRow) {
    int row = 1;
    if (!isEmpty()) {
        row = qBound(1, beforeRow, rowCount());
        m_rows.insert(row, blankRow());
    }
    writeRow(row, cells);
    return row;
}

int RuleList::insertAtTop(const QStringList& cells) {
    m_rows.insert(1, blankRow());
    writeRow(1, cells);
    return 1;
}

void RuleList::writeRow(int row, const QStringList& cells) {
    if (!isRuleRow(row)) return;
    for (int c = 0; c < columnCount(); ++c)
        m_rows[row].Cells[c] = c < cells.size() ? cells[c] : QString();
    deriveImage(row);
}

void RuleList::clearRow(int row) {
    if (isRuleRow(row)) m_rows[row] = blankRow();
}

void RuleList::removeRow(int row) {
    if (!isRuleRow(row)) return;
    if (ruleCount() == 1)
        clearRow(row);
    else
        m_rows.removeAt(row);
}

bool RuleList::exchangeRows(int a, int b) {
    if (!isRuleRow(a) || !isRuleRow(b)) return false;
    m_rows.swapItemsAt(a, b);
    return true;
}

void RuleList::bumpHits(int row) {
    if (isRuleRow(row))
        m_rows[row].Cells[hitsColumn()] = BumpCounterText(m_rows[row].Cells[hitsColumn()]);
}

void RuleList::sortRules(int column, bool ascending) {
    if (column < 0 || column >= columnCount() || rowCount() < 3) return;
    const bool numeric = column == hitsColumn();
    auto value = [](const QString& text) {
        bool ok = false;
        const qlonglong n = text.toLongLong(&ok);
        return ok ? n : 0;
    };
    auto less = [&](const RuleRow& a, const RuleRow& b) {
        const QString& x = ascending ? a.Cells[column] : b.Cells[column];
        const QString& y = ascending ? b.Cells[column] : a.Cells[column];
        if (numeric) return value(x) < value(y);
        return x.compare(y, Qt::CaseInsensitive) < 0;
    };
    std::stable_sort(m_rows.begin() + 1, m_rows.end(), less);
}

bool operator==(const RuleList& a, const RuleList& b) {
    if (a.m_kind != b.m_kind || a.m_widths != b.m_widths || a.m_rows.size() != b.m_rows.size())
        return false;
    for (qsizetype i = 0; i < a.m_rows.size(); ++i)
        if (a.m_rows[i].Cells != b.m_rows[i].Cells || a.m_rows[i].Image != b.m_rows[i].Image)
            return false;
    return true;
}

void DeleteDupsFromGrid(RuleList& list) {
    if (list.ruleCount() <= 1) return;
    for (int row = list.rowCount() - 1; row >= 2; --row) {
        bool same = true;
        for (int col = 0; col < list.visibleColumnCount() && same; ++col)
            same = list.cell(col, row) == list.cell(col, row - 1);
        if (same) list.removeRow(row);
    }
}

QString BumpCounterText(const QString& text) {
    qlonglong n = 0;
    const QStringView t(text);
    const QStringView digits =
        t.startsWith(QLatin1Char('-')) || t.startsWith(QLatin1Char('+')) ? t.mid(1) : t;
    bool decimal = !digits.isEmpty();
    for (const QChar c : digits)
        decimal = decimal && c >= QLatin1Char('0') && c <= QLatin1Char('9');
    if (decimal) {
        bool ok = false;
        n = t.toLongLong(&ok);
        if (!ok) n = 0;
    }
    return QString::number(n < std::numeric_limits<qlonglong>::max() ? n + 1 : n);
}
