#include "core/WbLargeArray.h"

#include <algorithm>
#include <memory>

#include "host/Exception.h"

namespace wb {

TLargeArray::TLargeArray(int32_t AColCount, int32_t ARowCount)
    : FColCount(std::max(AColCount, 0)), FRowCount(std::max(ARowCount, 0)),
      FCells(static_cast<size_t>(FColCount) * static_cast<size_t>(FRowCount), nullptr) {}

TLargeArray::~TLargeArray() {
    for (auto cell = FCells.rbegin(); cell != FCells.rend(); ++cell) delete *cell;
}

size_t TLargeArray::CellIndex(int32_t X, int32_t Y) const {
    // The row is looked up before the column, so a bad row is the index reported.
    if (Y < 0 || Y >= FRowCount) throw EListError(Y);
    if (X < 0 || X >= FColCount) throw EListError(X);
    return static_cast<size_t>(Y) * static_cast<size_t>(FColCount) + static_cast<size_t>(X);
}

void TLargeArray::insert(int32_t X, int32_t Y, TObject* AObject) {
    std::unique_ptr<TObject> owned(AObject);  // also when the index is refused
    TObject*& cell = FCells[CellIndex(X, Y)];
    if (cell != AObject) delete cell;
    cell = owned.release();
}

TObject* TLargeArray::extract(int32_t X, int32_t Y) const { return FCells[CellIndex(X, Y)]; }

}  // namespace wb
