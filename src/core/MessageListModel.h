#pragma once

#include <QAbstractTableModel>

class MainController;

// The controller's rows as a table for a list view: the columns "Subject",
// "Sender", "Size" (right-aligned) and "Date" in server order, the row's mark
// number (MarkState) under MarkRole. Follows the controller's row signals (rows
// are inserted in the batches the controller announces); holds no copy of the
// rows.
class MessageListModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { SubjectColumn, SenderColumn, SizeColumn, DateColumn, ColumnCount };
    static constexpr int MarkRole = Qt::UserRole + 1;

    explicit MessageListModel(MainController& controller, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

private:
    MainController& m_controller;
    int m_count = 0;
};
