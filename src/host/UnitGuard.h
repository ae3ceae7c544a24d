#pragma once

#include <cstdint>

#include "host/Arithmetic.h"

namespace wb {

// The start and stop guard of a unit. The loader starts a unit once for every module that uses
// it and stops it as often; the guard's counter lets only the first start and the last stop do
// the unit's work, so a unit that several modules share starts once and stops with its last user.
class TUnitGuard {
public:
    // Lowers the counter by one. True when it was 0 before: the unit's start work is due.
    bool Start() {
        const bool first = FCounter == 0;
        FCounter = WrapSub(FCounter, 1);
        return first;
    }

    // Raises the counter by one. True when it comes back to 0: the unit's stop work is due.
    bool Stop() {
        FCounter = WrapAdd(FCounter, 1);
        return FCounter == 0;
    }

    // 0 for a unit that is not started; minus the number of starts not yet stopped.
    int32_t Counter() const { return FCounter; }

private:
    int32_t FCounter = 0;
};

}  // namespace wb
