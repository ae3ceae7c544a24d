#include "host/UnitGuard.h"

#include <gtest/gtest.h>

namespace wb {
namespace {

// Two modules that use the unit: only the first start and the last stop do its work.
TEST(TUnitGuard, OnlyTheFirstStartAndTheLastStopDoWork) {
    TUnitGuard guard;
    EXPECT_TRUE(guard.Start());
    EXPECT_FALSE(guard.Start());
    EXPECT_EQ(guard.Counter(), -2);
    EXPECT_FALSE(guard.Stop());
    EXPECT_TRUE(guard.Stop());
    EXPECT_EQ(guard.Counter(), 0);
    // Stopped by its last user, the unit starts afresh.
    EXPECT_TRUE(guard.Start());
    EXPECT_TRUE(guard.Stop());
}

// A stop that comes before any start does no work, and the start that balances it does none
// either: the counter was not 0 before it.
TEST(TUnitGuard, AStopBeforeAnyStartDoesNoWorkAndDelaysTheNextStart) {
    TUnitGuard guard;
    EXPECT_FALSE(guard.Stop());
    EXPECT_EQ(guard.Counter(), 1);
    EXPECT_FALSE(guard.Start());
    EXPECT_TRUE(guard.Start());
    EXPECT_TRUE(guard.Stop());
}

}  // namespace
}  // namespace wb
