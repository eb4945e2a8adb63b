#pragma once

#include "mail/headers/Headers.h"

#include <QFlags>
#include <QString>
#include <memory>
#include <vector>

// What a transfer does with a waiting message.
enum TmsMark { mkRetrieve = 0x1, mkDelete = 0x2 };
Q_DECLARE_FLAGS(TmsMarks, TmsMark)
Q_DECLARE_OPERATORS_FOR_FLAGS(TmsMarks)

// One waiting message on the server: item i describes message number i + 1.
class TmsRemoteInfoItem {
public:
    TmsMarks Marks;
    // Octets, from LIST; 0 when the reply held no number.
    int Size = 0;
    // The header block from TOP n 1.
    TmsHeaders Headers;
    // The message's unique id from the listing's UIDL; empty when the server
    // does not offer UIDL.
    QString UID;
};

// The waiting messages, in server order; owns its items.
class TmsRemoteInfo {
public:
    int Count() const { return int(m_items.size()); }
    // The item at Index; raises when there is none.
    TmsRemoteInfoItem& Items(int Index);
    const TmsRemoteInfoItem& Items(int Index) const;
    // Frees every item, the last first.
    void Clear();
    // Appends an item and takes it over; returns its index.
    int Add(std::unique_ptr<TmsRemoteInfoItem> Item);

private:
    std::vector<std::unique_ptr<TmsRemoteInfoItem>> m_items;
};
