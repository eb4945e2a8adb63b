#include "mail/dns/MXList.h"

#include <utility>

void TMXList::Sort() {
    for (qsizetype i = 0; i < m_items.size(); ++i) {
        quint16 lowest = m_items[i].Preference;
        for (qsizetype j = i + 1; j < m_items.size(); ++j) {
            if (m_items[j].Preference < lowest) {
                std::swap(m_items[i], m_items[j]);
                lowest = m_items[i].Preference;
            }
        }
    }
}

bool TMXList::IsNullMX() const {
    return m_items.size() == 1 && m_items[0].Preference == 0 &&
           (m_items[0].Exchange.isEmpty() || m_items[0].Exchange == QLatin1String("."));
}
