#pragma once

#include <cstdint>

#include "core/WbComponent.h"
#include "host/TList.h"

namespace wb {

// The axis of a scan list: x positions bound columns, y positions bound rows.
enum class TWbListType : uint8_t { XLISTTYPE, YLISTTYPE };
inline constexpr auto XLISTTYPE = TWbListType::XLISTTYPE;
inline constexpr auto YLISTTYPE = TWbListType::YLISTTYPE;

// One edge: the start (left or top) or end (right or bottom) of a child, or of the container
// itself when Control is nullptr. OtherPosition, the same corner on the other axis, only orders
// edges of equal Position.
class TWbScanListMember : public TObject {
public:
    TWbScanListMember(TWbComponent* AControl, bool AIsStart, int32_t APosition,
                      int32_t AOtherPosition)
        : Control(AControl), IsStart(AIsStart), Position(APosition),
          OtherPosition(AOtherPosition) {}

    TWbComponent* Control;
    bool IsStart;
    int32_t Position;
    int32_t OtherPosition;
    int32_t Span = 0;
};

// The width of one column or the height of one row of a container's table.
struct TWbSize {
    int32_t Pixels = 0;
    bool Written = false;
};

// One cell of a container's table: the child whose area holds it, at its origin (the child's
// top-left cell, Kind 1) or covered by the origin's spans (Kind 2).
class TWbGridInfo : public TObject {
public:
    static constexpr int32_t OriginCell = 1;
    static constexpr int32_t CoveredCell = 2;

    TWbGridInfo(TWbComponent* AControl, int32_t AKind) : Control(AControl), Kind(AKind) {}

    TWbComponent* Control;
    int32_t Kind;
};

// The edges of a container's children on one axis. Once sorted (TList::Sort with ScanListSort),
// the index of a position is the number of distinct smaller positions in the list. The list
// owns its members.
class TWbScanList : public TList {
public:
    explicit TWbScanList(TWbListType AListType) : ListType(AListType) {}
    ~TWbScanList() override;

    TWbScanListMember* Member(int32_t Index) const;

    // Writes each child's start and end index on this axis into the child.
    void NotifyComponents();
    // Sets each start member's Span: the end member's index minus its own.
    void CalculateSpanValues();
    // The index of the position of the first member of AControl, or -1 when it has none.
    int32_t GetElementPosition(const TObject* AControl) const;
    // The list place of the first member of AControl; raises EListError when it has none.
    int32_t FindElementStart(const TObject* AControl) const;
    // The number of distinct positions.
    int32_t CalculateSize() const;

    const TWbListType ListType;
};

}  // namespace wb
