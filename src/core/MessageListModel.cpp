#include "core/MessageListModel.h"

#include "core/MainController.h"

MessageListModel::MessageListModel(MainController& controller, QObject* parent)
    : QAbstractTableModel(parent), m_controller(controller),
      m_count(int(controller.rows().size())) {
    // The model's own row count follows the announcements, so that the view
    // never sees a row before it was announced.
    connect(&controller, &MainController::rowsReset, this, [this] {
        beginResetModel();
        m_count = int(m_controller.rows().size());
        endResetModel();
    });
    // Rows arrive in the controller's batches: one insertion per batch.
    connect(&controller, &MainController::rowsAppended, this, [this](int first, int last) {
        if (first != m_count) { // out of step: start again from the announced rows
            beginResetModel();
            m_count = last + 1;
            endResetModel();
            return;
        }
        beginInsertRows({}, first, last);
        m_count = last + 1;
        endInsertRows();
    });
    connect(&controller, &MainController::rowChanged, this, [this](int row) {
        if (row < m_count) Q_EMIT dataChanged(index(row, 0), index(row, ColumnCount - 1));
    });
    connect(&controller, &MainController::rowsChanged, this, [this] {
        if (rowCount() > 0) Q_EMIT dataChanged(index(0, 0), index(rowCount() - 1, ColumnCount - 1));
    });
}

int MessageListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : m_count;
}

int MessageListModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant MessageListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= m_count || index.row() >= m_controller.rows().size())
        return {};
    const MessageRow& row = m_controller.rows().at(index.row());
    switch (role) {
    case Qt::DisplayRole:
    case Qt::ToolTipRole: // the whole text, where a narrow column cuts it
        switch (index.column()) {
        case SubjectColumn:
            return row.Subject;
        case SenderColumn:
            return row.Sender;
        case SizeColumn:
            return row.Size;
        case DateColumn:
            return row.Date;
        }
        return {};
    case Qt::TextAlignmentRole:
        if (index.column() == SizeColumn) return int(Qt::AlignRight | Qt::AlignVCenter);
        return {};
    case MarkRole:
        return int(row.Mark);
    }
    return {};
}

QVariant MessageListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal) return {};
    if (role == Qt::TextAlignmentRole && section == SizeColumn)
        return int(Qt::AlignRight | Qt::AlignVCenter);
    if (role != Qt::DisplayRole) return {};
    switch (section) {
    case SubjectColumn:
        return tr("Subject");
    case SenderColumn:
        return tr("Sender");
    case SizeColumn:
        return tr("Size");
    case DateColumn:
        return tr("Date");
    }
    return {};
}
