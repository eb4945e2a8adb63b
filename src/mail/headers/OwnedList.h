#pragma once

#include <memory>
#include <vector>

// A list that owns its items: Add takes an item over, Clear frees them all.
template <typename T> class TmsOwnedList {
public:
    TmsOwnedList() = default;
    TmsOwnedList(const TmsOwnedList& other) { Assign(other); }
    TmsOwnedList& operator=(const TmsOwnedList& other) {
        Assign(other);
        return *this;
    }

    // The number of items.
    int Count() const { return int(m_items.size()); }
    // The item at Index (0-based); an index outside the list throws std::out_of_range.
    T* Items(int Index) const { return m_items.at(size_t(Index)).get(); }
    // Takes Item over and returns its index.
    int Add(T* Item) {
        m_items.emplace_back(Item);
        return Count() - 1;
    }
    // Frees every item.
    void Clear() { m_items.clear(); }
    // Replaces the items with copies of Source's.
    void Assign(const TmsOwnedList& Source) {
        if (&Source == this) return;
        std::vector<std::unique_ptr<T>> copies;
        copies.reserve(Source.m_items.size());
        for (const auto& item : Source.m_items)
            copies.push_back(std::make_unique<T>(*item));
        m_items = std::move(copies);
    }

private:
    std::vector<std::unique_ptr<T>> m_items;
};
