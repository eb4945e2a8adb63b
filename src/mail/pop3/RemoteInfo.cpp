#include "mail/pop3/RemoteInfo.h"

#include "mail/Exceptions.h"

TmsRemoteInfoItem& TmsRemoteInfo::Items(int Index) {
    if (Index < 0 || Index >= Count())
        throw Exception(TrText::translate("Exception", "List index out of bounds (%1)").arg(Index));
    return *m_items[size_t(Index)];
}

const TmsRemoteInfoItem& TmsRemoteInfo::Items(int Index) const {
    return const_cast<TmsRemoteInfo*>(this)->Items(Index);
}

void TmsRemoteInfo::Clear() {
    while (!m_items.empty())
        m_items.pop_back();
}

int TmsRemoteInfo::Add(std::unique_ptr<TmsRemoteInfoItem> Item) {
    m_items.push_back(std::move(Item));
    return Count() - 1;
}
