#pragma once

#include <cstdint>
#include <vector>

#include "host/TObject.h"

namespace wb {

// A grid of object references, rows of columns, that owns the objects in its cells. A column
// outside 0 to ColCount - 1 or a row outside 0 to RowCount - 1 raises EListError.
class TLargeArray : public TObject {
public:
    TLargeArray(int32_t AColCount, int32_t ARowCount);
    ~TLargeArray() override;

    int32_t ColCount() const { return FColCount; }
    int32_t RowCount() const { return FRowCount; }

    // Stores AObject in row Y, column X, and owns it from then on (also when the index is
    // refused); an object already there is destroyed.
    void insert(int32_t X, int32_t Y, TObject* AObject);
    // The object in row Y, column X, or nullptr; it stays in the grid.
    TObject* extract(int32_t X, int32_t Y) const;

private:
    size_t CellIndex(int32_t X, int32_t Y) const;

    int32_t FColCount;
    int32_t FRowCount;
    std::vector<TObject*> FCells;  // row by row
};

}  // namespace wb
