#include "dialogs/StatsTable.h"

#include <QHeaderView>
#include <QSortFilterProxyModel>
#include <QTableView>

namespace {
const int SortRole = Qt::UserRole + 1;
}

StatsTableModel::StatsTableModel(QStringList columns, int numberColumn, QObject* parent)
    : QAbstractTableModel(parent), m_columns(std::move(columns)), m_numberColumn(numberColumn) {}

void StatsTableModel::setRows(const QList<QStringList>& rows) {
    beginResetModel();
    m_rows = rows;
    endResetModel();
}

int StatsTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(qMax<qsizetype>(1, m_rows.size()));
}

int StatsTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(m_columns.size());
}

QVariant StatsTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= m_rows.size()) return {};
    const QString& text = m_rows[index.row()].value(index.column());
    switch (role) {
    case Qt::DisplayRole:
    case Qt::ToolTipRole:
        return text;
    case Qt::TextAlignmentRole:
        if (index.column() == m_numberColumn)
            return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
        return {};
    case SortRole:
        if (index.column() == m_numberColumn) {
            bool ok = false;
            const qlonglong n = text.toLongLong(&ok);
            return ok ? QVariant(n) : QVariant(qlonglong(-1));
        }
        return text;
    default:
        return {};
    }
}

QVariant StatsTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole) return m_columns.value(section);
    if (orientation == Qt::Horizontal && role == Qt::TextAlignmentRole && section == m_numberColumn)
        return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
    return QAbstractTableModel::headerData(section, orientation, role);
}

QTableView* makeStatsTableView(StatsTableModel* model, QWidget* parent) {
    auto* proxy = new QSortFilterProxyModel(model);
    proxy->setSourceModel(model);
    proxy->setSortRole(SortRole);
    proxy->setSortCaseSensitivity(Qt::CaseInsensitive);
    auto* view = new QTableView(parent);
    view->setModel(proxy);
    view->setSelectionBehavior(QAbstractItemView::SelectRows);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->setSortingEnabled(true);
    view->sortByColumn(-1, Qt::AscendingOrder); // file order until a header is clicked
    view->verticalHeader()->hide();
    view->verticalHeader()->setDefaultSectionSize(view->fontMetrics().height() + 6);
    view->horizontalHeader()->setStretchLastSection(true);
    view->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    view->setWordWrap(false);
    view->horizontalHeader()->setResizeContentsPrecision(200); // enough rows to see the widths
    return view;
}

QList<QStringList> visibleRows(const QTableView* view) {
    QList<QStringList> out;
    const QAbstractItemModel* m = view->model();
    for (int r = 0; r < m->rowCount(); ++r) {
        QStringList row;
        for (int c = 0; c < m->columnCount(); ++c)
            row << m->index(r, c).data().toString();
        out << row;
    }
    return out;
}
