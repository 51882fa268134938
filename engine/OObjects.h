#pragma once
// The engine's object collections: ordered, growable lists of item references, owning or
// not, and the sorted vocabulary of words.
#include <span>
#include <string_view>
#include <vector>

#include "engine/ParseClass.h"
#include "platform/Exceptions.h"

// An ordered list of item references that owns its items: releasing an item destroys it.
//
// C++ does not dispatch virtually from a base destructor, so a class that overrides
// DisposeItem empties the list in its own destructor.
template <class T>
class TOCollection {
public:
    explicit TOCollection(int capacity) { FItems.reserve(capacity); }
    virtual ~TOCollection() { DisposeAll(); }
    TOCollection(const TOCollection&) = delete;
    TOCollection& operator=(const TOCollection&) = delete;

    int Count() const { return static_cast<int>(FItems.size()); }
    T* Items(int index) const { return FItems[CheckedIndex(index)]; }
    void Put(int index, T* item) { FItems[CheckedIndex(index)] = item; }
    void Add(T* item) { FItems.push_back(item); }
    void Insert(int index, T* item)
    {
        if (index < 0 || index > Count())
            throw platform::EListError(index);
        FItems.insert(FItems.begin() + index, item);
    }
    // Removes the entry without releasing its item.
    void Delete(int index) { FItems.erase(FItems.begin() + CheckedIndex(index)); }
    // Removes every entry without releasing the items.
    void Clear() { FItems.clear(); }
    std::span<T* const> List() const { return FItems; }

    virtual void DisposeItem(T* item) { delete item; }

    void DisposeAt(int index)
    {
        T* item = Items(index);
        Delete(index);
        DisposeItem(item);
    }

    // Releases every item from the first on; the list is empty afterwards, also when a
    // release fails.
    void DisposeAll()
    {
        const int count = Count();
        try {
            for (int index = 0; index < count; ++index)
                DisposeItem(FItems[index]);
        } catch (...) {
            FItems.clear();
            throw;
        }
        FItems.clear();
    }

private:
    int CheckedIndex(int index) const
    {
        if (index < 0 || index >= Count())
            throw platform::EListError(index);
        return index;
    }

    std::vector<T*> FItems;
};

// A list that references its items without owning them.
template <class T>
class TNoOwnerCollection : public TOCollection<T> {
public:
    using TOCollection<T>::TOCollection;
    ~TNoOwnerCollection() override { this->DisposeAll(); }

    void DisposeItem(T*) override {}
};

// An owning list kept in the order of its items' keys, found by binary search.
template <class T, class TKey>
class TSortedCollection : public TOCollection<T> {
public:
    struct TKeyPosition {
        bool Found;
        int Index;  // of the matching entry, or where the key would be inserted
    };

    using TOCollection<T>::TOCollection;

    bool AllowDuplicates = false;

    // Three-way comparison of a with b: negative, zero or positive.
    virtual int CompareKeys(TKey a, TKey b) const = 0;

    // The index of this very item, or -1.
    virtual int IndexOfItem(T* item) const
    {
        auto [found, index] = FindKey(ItemKey(item));
        if (!found)
            return -1;
        if (AllowDuplicates)
            while (index < this->Count() && this->Items(index) != item)
                ++index;
        return index < this->Count() ? index : -1;
    }

    // Inserts at the sorted position. A key already present (without AllowDuplicates) leaves
    // the list unchanged and the item with the caller.
    virtual void InsertItem(T* item)
    {
        const auto [found, index] = FindKey(ItemKey(item));
        if (!found || AllowDuplicates)
            this->Insert(index, item);
    }

    // Takes the place of the entry with the same key; that entry is not released.
    virtual void ReplaceItem(T* item)
    {
        const auto [found, index] = FindKey(ItemKey(item));
        if (found)
            this->Delete(index);
        InsertItem(item);
    }

    virtual TKey ItemKey(T* item) const = 0;

    virtual TKeyPosition FindKey(TKey key) const
    {
        int lo = 0;
        int hi = this->Count() - 1;
        bool found = false;
        while (lo <= hi) {
            const int mid = (lo + hi) / 2;
            const int c = CompareKeys(ItemKey(this->Items(mid)), key);
            if (c < 0) {
                lo = mid + 1;
            } else {
                hi = mid - 1;
                if (c == 0) {
                    found = true;
                    if (!AllowDuplicates)
                        lo = mid;
                }
            }
        }
        return {found, lo};
    }
};

// The word sequence of one expression or of a part of it; owns none of its words.
class TExprCollection : public TNoOwnerCollection<TExprWord> {
public:
    using TNoOwnerCollection::TNoOwnerCollection;
};

// A parser's vocabulary: words sorted by name, compared case-insensitively over A-Z.
class TExpressList : public TSortedCollection<TExprWord, std::string_view> {
public:
    using TSortedCollection::TSortedCollection;

    int CompareKeys(std::string_view a, std::string_view b) const override;
    std::string_view ItemKey(TExprWord* item) const override;
};

// Bytes a-z compare as A-Z, all others as unsigned values; a prefix sorts first.
int CompareNames(std::string_view a, std::string_view b);
