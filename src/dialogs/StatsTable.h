#pragma once

#include <QAbstractTableModel>
#include <QList>
#include <QStringList>

class QTableView;
class QSortFilterProxyModel;

// One of the statistics window's two tables: rows of text under a fixed header.
// The column numberColumn is right-aligned and sorts as a number; a table
// without rows shows one empty row.
class StatsTableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    StatsTableModel(QStringList columns, int numberColumn, QObject* parent = nullptr);

    // Shows rows (the model keeps a shallow copy).
    void setRows(const QList<QStringList>& rows);
    const QList<QStringList>& rows() const { return m_rows; }
    const QStringList& columns() const { return m_columns; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    QStringList m_columns;
    int m_numberColumn;
    QList<QStringList> m_rows;
};

// A sortable, whole-row-selecting view of a StatsTableModel.
QTableView* makeStatsTableView(StatsTableModel* model, QWidget* parent = nullptr);

// The rows as the view shows them now (sorted as the user chose), for printing.
QList<QStringList> visibleRows(const QTableView* view);
