#pragma once

#include <QList>
#include <QString>

// One mail exchanger of a domain.
struct TMXRec {
    quint16 Preference = 0; // lower is preferred
    QString Exchange;       // host name with a trailing '.'; empty for the root
};

// The mail exchangers a lookup found, in the order of the answer until sorted.
class TMXList {
public:
    // The number of records.
    int Count() const { return m_items.size(); }
    // The record at Index (0-based, below Count).
    const TMXRec& Items(int Index) const { return m_items.at(Index); }
    // Removes every record.
    void Clear() { m_items.clear(); }
    // Appends a record.
    void Add(const TMXRec& rec) { m_items.append(rec); }
    // Orders the records by ascending preference with an exchange sort: each
    // position takes the smallest later record at once, so records of equal
    // preference may change their relative order.
    void Sort();
    // True when the domain publishes that it accepts no mail: its only record
    // has preference 0 and the root as exchange.
    bool IsNullMX() const;

private:
    QList<TMXRec> m_items;
};
