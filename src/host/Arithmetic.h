#pragma once

#include <cstdint>

namespace wb {

// The host's integers are 32 bits wide and wrap on overflow; these give the same results where
// C++ would leave signed overflow undefined (a Left near the top of the range plus a Width, the
// difference of two far-apart positions).
inline int32_t WrapAdd(int32_t a, int32_t b) {
    return static_cast<int32_t>(static_cast<uint32_t>(a) + static_cast<uint32_t>(b));
}

inline int32_t WrapSub(int32_t a, int32_t b) {
    return static_cast<int32_t>(static_cast<uint32_t>(a) - static_cast<uint32_t>(b));
}

inline int32_t WrapMul(int32_t a, int32_t b) {
    return static_cast<int32_t>(static_cast<uint32_t>(a) * static_cast<uint32_t>(b));
}

}  // namespace wb
