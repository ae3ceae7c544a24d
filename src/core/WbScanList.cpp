#include "core/WbScanList.h"

#include <unordered_map>

#include "host/Arithmetic.h"

namespace wb {

namespace {

// Walks a list keeping the running index of the positions met. In a sorted list the index rises
// at every new position; the layout counts a rise at a greater position, the sizes count every
// change, which differ only in a list that wrapped positions left out of order.
class PositionIndex {
public:
    enum Counting { AtGreater, AtEveryChange };
    explicit PositionIndex(Counting counting) : FCounting(counting) {}

    int32_t Next(const TWbScanListMember& member) {
        const bool rises = FCounting == AtGreater ? member.Position > FLastPosition
                                                  : member.Position != FLastPosition;
        if (FIndex < 0 || rises) ++FIndex;
        FLastPosition = member.Position;
        return FIndex;
    }

private:
    Counting FCounting;
    int32_t FIndex = -1;
    int32_t FLastPosition = 0;
};

}  // namespace

TWbScanList::~TWbScanList() {
    for (int32_t i = Count() - 1; i >= 0; --i) delete Member(i);
}

TWbScanListMember* TWbScanList::Member(int32_t Index) const {
    return static_cast<TWbScanListMember*>(Get(Index));
}

void TWbScanList::NotifyComponents() {
    PositionIndex index(PositionIndex::AtGreater);
    for (TObject* item : *this) {
        const auto& member = *static_cast<TWbScanListMember*>(item);
        const int32_t at = index.Next(member);
        TWbComponent* control = member.Control;
        if (control == nullptr) continue;
        if (ListType == XLISTTYPE)
            (member.IsStart ? control->FColStart : control->FColEnd) = at;
        else
            (member.IsStart ? control->FRowStart : control->FRowEnd) = at;
    }
}

void TWbScanList::CalculateSpanValues() {
    // One pass: a start member waits for the next member of its own component (or, for the
    // container's edges, the next member without one), which closes its span.
    struct Open {
        TWbScanListMember* member;
        int32_t index;
    };
    std::unordered_map<const TWbComponent*, Open> open;
    PositionIndex index(PositionIndex::AtEveryChange);
    for (TObject* item : *this) {
        auto& member = *static_cast<TWbScanListMember*>(item);
        const int32_t at = index.Next(member);
        if (const auto found = open.find(member.Control); found != open.end()) {
            found->second.member->Span = WrapSub(at, found->second.index);
            open.erase(found);
        }
        if (member.IsStart) open[member.Control] = Open{&member, at};
    }
}

int32_t TWbScanList::GetElementPosition(const TObject* AControl) const {
    PositionIndex index(PositionIndex::AtGreater);
    for (TObject* item : *this) {
        const auto& member = *static_cast<TWbScanListMember*>(item);
        const int32_t at = index.Next(member);
        if (member.Control == AControl) return at;
    }
    return -1;
}

int32_t TWbScanList::FindElementStart(const TObject* AControl) const {
    int32_t place = 0;
    while (Member(place)->Control != AControl) ++place;
    return place;
}

int32_t TWbScanList::CalculateSize() const {
    PositionIndex index(PositionIndex::AtEveryChange);
    int32_t last = -1;
    for (TObject* item : *this) last = index.Next(*static_cast<TWbScanListMember*>(item));
    return last + 1;
}

}  // namespace wb
