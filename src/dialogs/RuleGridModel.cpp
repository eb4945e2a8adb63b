#include "dialogs/RuleGridModel.h"

#include "dialogs/MarkImages.h"
#include "dialogs/RuleWords.h"
#include "rules/RuleEdits.h"

#include <QBrush>
#include <QFont>

RuleGridModel::RuleGridModel(RuleList& list, QObject* parent)
    : QAbstractTableModel(parent), m_list(list) {}

bool RuleGridModel::sortable(int column) const {
    switch (m_list.kind()) {
    case RuleListKind::Subject:
    case RuleListKind::Header:
        return column == 2 || column == 5;
    case RuleListKind::Sender:
        return column == 3 || column == 5;
    case RuleListKind::Exception:
        return column == 0 || column == 2 || column == 4;
    }
    return false;
}

int RuleGridModel::matchesColumn() const {
    return RuleWords::matchesColumn(m_list);
}

bool RuleGridModel::editable(int column) const {
    switch (m_list.kind()) {
    case RuleListKind::Subject:
    case RuleListKind::Sender:
    case RuleListKind::Exception:
        return column == matchesColumn() || column == m_list.hitsColumn();
    case RuleListKind::Header:
        return column == m_list.hitsColumn();
    }
    return false;
}

void RuleGridModel::reload() {
    beginResetModel();
    endResetModel();
}

int RuleGridModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : m_list.ruleCount();
}

int RuleGridModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : m_list.columnCount();
}

QVariant RuleGridModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) return {};
    const int row = listRow(index.row());
    const int col = index.column();
    const bool exception = m_list.kind() == RuleListKind::Exception;
    switch (role) {
    case Qt::DisplayRole:
    case Qt::ToolTipRole:
        return RuleWords::shown(m_list, col, row);
    case Qt::EditRole:
        return m_list.cell(col, row);
    case Qt::DecorationRole: {
        const int imageColumn = exception ? RuleList::PictureColumn : 0;
        if (col != imageColumn || m_list.isEmpty()) return {};
        const QIcon icon = MarkImages::icon(m_list.image(row));
        return icon.isNull() ? QVariant() : QVariant(icon);
    }
    case Qt::FontRole:
        if (col == matchesColumn() &&
            (exception || m_list.cell(RuleList::DelColumn, row) == QLatin1String("Yes"))) {
            QFont bold;
            bold.setBold(true);
            return bold;
        }
        return {};
    case Qt::ForegroundRole:
        if (!exception && col == matchesColumn() &&
            m_list.cell(RuleList::DelColumn, row) != QLatin1String("Yes"))
            return QBrush(Qt::blue);
        return {};
    case Qt::TextAlignmentRole:
        if (col == m_list.hitsColumn()) return int(Qt::AlignRight | Qt::AlignVCenter);
        return int(Qt::AlignLeft | Qt::AlignVCenter);
    default:
        return {};
    }
}

QVariant RuleGridModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole)
        return RuleWords::shown(m_list, section, 0);
    if (orientation == Qt::Vertical && role == Qt::DisplayRole) return section + 1;
    return QAbstractTableModel::headerData(section, orientation, role);
}

Qt::ItemFlags RuleGridModel::flags(const QModelIndex& index) const {
    Qt::ItemFlags f = QAbstractTableModel::flags(index);
    if (index.isValid() && editable(index.column())) f |= Qt::ItemIsEditable;
    return f;
}

bool RuleGridModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (!index.isValid() || role != Qt::EditRole || !editable(index.column())) return false;
    const QString text = value.toString();
    if (index.column() == m_list.hitsColumn() && !acceptsHitsText(text)) return false;
    m_list.setCell(index.column(), listRow(index.row()), text);
    Q_EMIT dataChanged(index.siblingAtColumn(0), index.siblingAtColumn(columnCount() - 1));
    return true;
}

void RuleGridModel::sort(int column, Qt::SortOrder order) {
    if (!sortable(column)) return;
    Q_EMIT layoutAboutToBeChanged();
    m_list.sortRules(column, order == Qt::AscendingOrder);
    Q_EMIT layoutChanged();
}
