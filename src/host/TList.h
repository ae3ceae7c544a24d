#pragma once

#include <algorithm>
#include <cstdint>
#include <vector>

#include "host/TObject.h"

namespace wb {

// Compare function of TList::Sort: negative when Item1 sorts first, positive when Item2 does.
using TListSortCompare = int32_t (*)(TObject* Item1, TObject* Item2);

// An ordered list of object references. It does not own what it holds; an index outside the
// list raises EListError.
class TList : public TObject {
public:
    int32_t Count() const { return static_cast<int32_t>(FItems.size()); }
    TObject* Get(int32_t Index) const;
    void Put(int32_t Index, TObject* Item);

    int32_t Add(TObject* Item);
    void Insert(int32_t Index, TObject* Item);
    void Delete(int32_t Index);
    int32_t Remove(TObject* Item);
    int32_t IndexOf(const TObject* Item) const;
    void Clear() { FItems.clear(); }

    // Sorts with the host's quicksort. It never reads outside the list, whatever the compare
    // function answers, so a compare that is not a consistent order (a wrapped difference)
    // gives some order rather than undefined behaviour.
    void Sort(TListSortCompare Compare);
    // Sorts by a strict weak order known at compile time: the same result as Sort with a compare
    // function of that order, up to the order of equal items, at a fraction of the cost.
    template <class Less>
    void SortBy(Less less) {
        std::sort(FItems.begin(), FItems.end(), less);
    }

    auto begin() const { return FItems.begin(); }
    auto end() const { return FItems.end(); }

private:
    void CheckIndex(int32_t Index, int32_t Limit) const;

    std::vector<TObject*> FItems;
};

}  // namespace wb
