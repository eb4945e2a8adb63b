#pragma once

#include "rules/RuleList.h"

#include <QAbstractTableModel>

// Shows one rule list as a table: the rule rows below the headings, the state
// image in column 0 (the picture in column 5 of the exception list), the
// "Matches" text bold or blue, "Hits" right-aligned. "Matches" and "Hits" are
// editable in place where the list allows it; a "Hits" value that is not a
// decimal number is refused. Sorting reorders the rules of the list itself.
class RuleGridModel : public QAbstractTableModel {
    Q_OBJECT
public:
    RuleGridModel(RuleList& list, QObject* parent = nullptr);

    RuleList& list() const { return m_list; }
    // Model row of a list row (rule row r is model row r - 1) and back.
    static int listRow(int modelRow) { return modelRow + 1; }
    static int modelRow(int listRow) { return listRow - 1; }

    // Whether clicking the heading of a column sorts the list by it.
    bool sortable(int column) const;
    // The column shown bold or blue.
    int matchesColumn() const;
    bool editable(int column) const;

    // Announces that the list changed behind the model.
    void reload();

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;
    void sort(int column, Qt::SortOrder order = Qt::AscendingOrder) override;

private:
    RuleList& m_list;
};
