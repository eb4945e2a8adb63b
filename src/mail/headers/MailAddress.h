#pragma once

#include "mail/headers/OwnedList.h"

#include <QString>

// A mailbox address with its display name; each at most 255 characters.
class TmsMailAddress {
public:
    QString Name;
    QString Address;

    // Copies both fields from Source.
    void Assign(const TmsMailAddress& Source) { *this = Source; }
    // Empties both fields.
    void Clear() {
        Name.clear();
        Address.clear();
    }
};

// A list of addresses that owns them.
class TmsAddressList : public TmsOwnedList<TmsMailAddress> {};

// Reads an address in one of three forms: Name <Address>, Address (Name), or a
// bare Address. Never fails: without a closing '>' the address is empty and the
// whole text is the name. Both fields are cut to 255 characters.
void ParseMailAddress(const QString& Text, TmsMailAddress& Address);

// ParseMailAddress's two fields, the address first.
void SplitMailAddress(const QString& Text, QString& Address, QString& Name);
