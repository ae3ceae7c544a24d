#include "core/WbLargeArray.h"

#include <gtest/gtest.h>

#include "host/Exception.h"

namespace wb {
namespace {

// Counts the live objects, so a test sees the grid free what it owns.
class Counted : public TObject {
public:
    explicit Counted(int& live) : live(live) { ++live; }
    ~Counted() override { --live; }
    int& live;
};

TEST(TLargeArray, ColumnsComeFirstInTheConstructor) {
    TLargeArray grid(4, 2);
    EXPECT_EQ(grid.ColCount(), 4);
    EXPECT_EQ(grid.RowCount(), 2);
    EXPECT_EQ(grid.extract(3, 1), nullptr);
    try {
        grid.extract(1, 3);
        ADD_FAILURE() << "no exception";
    } catch (const EListError& e) {
        EXPECT_EQ(e.Message(), "List index out of bounds (3)");
    }
    EXPECT_THROW(grid.extract(4, 0), EListError);
    EXPECT_THROW(grid.extract(-1, 0), EListError);
}

TEST(TLargeArray, OwnsWhatItHolds) {
    int live = 0;
    {
        TLargeArray grid(3, 3);
        grid.insert(0, 0, new Counted(live));
        grid.insert(0, 0, new Counted(live));  // the first one is freed
        grid.insert(2, 2, new Counted(live));
        EXPECT_EQ(live, 2);
        EXPECT_THROW(grid.insert(3, 0, new Counted(live)), EListError);
        EXPECT_EQ(live, 2);  // a refused object is not leaked
    }
    EXPECT_EQ(live, 0);
}

}  // namespace
}  // namespace wb
