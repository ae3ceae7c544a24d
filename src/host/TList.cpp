#include "host/TList.h"

#include <algorithm>
#include <utility>

#include "host/Exception.h"

namespace wb {

namespace {

// Hoare's partition around the middle item, recursing into the left part and looping on the
// right one, as the host sorts. The inner scans stop at the part's bounds.
void QuickSort(std::vector<TObject*>& items, int32_t L, int32_t R, TListSortCompare Compare) {
    while (L < R) {
        int32_t I = L;
        int32_t J = R;
        TObject* const P = items[static_cast<size_t>(L + (R - L) / 2)];
        do {
            while (I < R && Compare(items[static_cast<size_t>(I)], P) < 0) ++I;
            while (J > L && Compare(items[static_cast<size_t>(J)], P) > 0) --J;
            if (I <= J) {
                std::swap(items[static_cast<size_t>(I)], items[static_cast<size_t>(J)]);
                ++I;
                --J;
            }
        } while (I <= J);
        if (L < J) QuickSort(items, L, J, Compare);
        L = I;
    }
}

}  // namespace

void TList::CheckIndex(int32_t Index, int32_t Limit) const {
    if (Index < 0 || Index >= Limit) throw EListError(Index);
}

TObject* TList::Get(int32_t Index) const {
    CheckIndex(Index, Count());
    return FItems[static_cast<size_t>(Index)];
}

void TList::Put(int32_t Index, TObject* Item) {
    CheckIndex(Index, Count());
    FItems[static_cast<size_t>(Index)] = Item;
}

int32_t TList::Add(TObject* Item) {
    FItems.push_back(Item);
    return Count() - 1;
}

void TList::Insert(int32_t Index, TObject* Item) {
    CheckIndex(Index, Count() + 1);
    FItems.insert(FItems.begin() + Index, Item);
}

void TList::Delete(int32_t Index) {
    CheckIndex(Index, Count());
    FItems.erase(FItems.begin() + Index);
}

int32_t TList::Remove(TObject* Item) {
    const int32_t index = IndexOf(Item);
    if (index >= 0) Delete(index);
    return index;
}

int32_t TList::IndexOf(const TObject* Item) const {
    const auto found = std::find(FItems.begin(), FItems.end(), Item);
    return found == FItems.end() ? -1 : static_cast<int32_t>(found - FItems.begin());
}

void TList::Sort(TListSortCompare Compare) {
    if (Count() > 1) QuickSort(FItems, 0, Count() - 1, Compare);
}

}  // namespace wb
