#pragma once

#include <cstdint>
#include <initializer_list>

namespace wb {

// A set of the values of a small enumeration (at most 32 values), as the host's sets of flags:
// control styles, component states, font styles.
template <class E>
class TSet {
public:
    constexpr TSet() = default;
    constexpr TSet(std::initializer_list<E> Values) {
        for (E value : Values) Include(value);
    }

    constexpr bool Contains(E Value) const { return (FBits & Bit(Value)) != 0; }
    constexpr void Include(E Value) { FBits |= Bit(Value); }
    constexpr void Exclude(E Value) { FBits &= ~Bit(Value); }
    constexpr bool Empty() const { return FBits == 0; }
    constexpr uint32_t Bits() const { return FBits; }

    friend constexpr bool operator==(TSet, TSet) = default;

private:
    static constexpr uint32_t Bit(E Value) { return uint32_t{1} << static_cast<unsigned>(Value); }

    uint32_t FBits = 0;
};

}  // namespace wb
