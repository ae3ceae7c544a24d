#include "core/WbContainer.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <vector>

#include "core/WbLargeArray.h"
#include "host/Arithmetic.h"
#include "host/Published.h"

namespace wb {

namespace {

void AppendInt(std::string& html, int32_t value) {
    char digits[12];
    const auto end = std::to_chars(digits, digits + sizeof digits, value).ptr;
    html.append(digits, end);
}

std::vector<TWbVisibleComponent*> WebChildren(const TWinControl& container) {
    std::vector<TWbVisibleComponent*> children;
    for (TControl* control : container.ControlList())
        if (auto* child = dynamic_cast<TWbVisibleComponent*>(control)) children.push_back(child);
    return children;
}

void AddEdges(TWbScanList& list, TWbComponent* control, int32_t start, int32_t end,
              int32_t otherStart, int32_t otherEnd) {
    list.Add(new TWbScanListMember(control, true, start, otherStart));
    list.Add(new TWbScanListMember(control, false, end, otherEnd));
}

// Whether two values of the list are so far apart that their difference wraps, which makes
// ScanListSort's order differ from plain comparison.
bool DifferencesCanWrap(const TWbScanList& list) {
    int64_t low = INT32_MAX;
    int64_t high = INT32_MIN;
    for (TObject* item : list) {
        const auto& member = *static_cast<const TWbScanListMember*>(item);
        for (const int64_t value : {member.Position, member.OtherPosition}) {
            low = std::min(low, value);
            high = std::max(high, value);
        }
    }
    return high - low > INT32_MAX;
}

// Sorts with ScanListSort's order. Where no difference wraps, that order is plain comparison
// of (Position, OtherPosition), which a sort can inline; members equal in both may end in
// another order, which no result depends on.
void SortScanList(TWbScanList& list) {
    if (DifferencesCanWrap(list)) {
        list.Sort(ScanListSort);
        return;
    }
    list.SortBy([](TObject* a, TObject* b) {
        const auto& x = *static_cast<const TWbScanListMember*>(a);
        const auto& y = *static_cast<const TWbScanListMember*>(b);
        return x.Position != y.Position ? x.Position < y.Position
                                        : x.OtherPosition < y.OtherPosition;
    });
}

// Fills both lists with the container's edges and its children's, sorts them and writes every
// child's grid range into it.
void LayOut(TWbScanList& xs, TWbScanList& ys, const TWbCustomContainer& container,
            const std::vector<TWbVisibleComponent*>& children) {
    const int32_t width = container.Width();
    const int32_t height = container.Height();
    AddEdges(xs, nullptr, 0, width, 0, height);
    AddEdges(ys, nullptr, 0, height, 0, width);
    for (auto child = children.rbegin(); child != children.rend(); ++child) {
        TWbVisibleComponent* c = *child;
        const int32_t right = WrapAdd(c->Left(), c->Width());
        const int32_t bottom = WrapAdd(c->Top(), c->Height());
        AddEdges(xs, c, c->Left(), right, c->Top(), bottom);
        AddEdges(ys, c, c->Top(), bottom, c->Left(), right);
    }
    SortScanList(xs);
    SortScanList(ys);
    xs.NotifyComponents();
    ys.NotifyComponents();
    // The members' spans are not needed: every child's spans come from its grid range.
}

// One column per gap between neighbouring distinct x positions (rows likewise in y).
std::vector<TWbSize> Sizes(const TWbScanList& list) {
    std::vector<TWbSize> sizes;
    for (int32_t i = 1; i < list.Count(); ++i) {
        const int32_t gap = WrapSub(list.Member(i)->Position, list.Member(i - 1)->Position);
        if (gap > 0) sizes.push_back(TWbSize{gap, false});
    }
    return sizes;
}

// Marks the cells each child covers, later children over earlier ones, and its origin: the
// first of its edges in list order on each axis, which is its start wherever it has a size.
void PlaceChildren(TLargeArray& grid, const std::vector<TWbVisibleComponent*>& children) {
    for (TWbVisibleComponent* child : children) {
        for (int32_t r = child->RowStart(); r < child->RowEnd(); ++r)
            for (int32_t c = child->ColStart(); c < child->ColEnd(); ++c)
                grid.insert(c, r, new TWbGridInfo(child, TWbGridInfo::CoveredCell));
        if (child->Width() < 1 || child->Height() < 1) continue;
        const int32_t originCol = Wbminimum(child->ColStart(), child->ColEnd());
        const int32_t originRow = Wbminimum(child->RowStart(), child->RowEnd());
        // A size so large that its edge wrapped leaves the origin outside the child's own cells;
        // the host would fault on the empty cell there, which is left alone instead.
        if (auto* cell = static_cast<TWbGridInfo*>(grid.extract(originCol, originRow)))
            cell->Kind = TWbGridInfo::OriginCell;
    }
}

void WriteTableStart(std::string& html, const TWbCustomContainer& container) {
    if (container.IsBackgroundTransparent()) {
        html += "<TABLE BORDER=0 CELLSPACING=0 CELLPADDING=0 WIDTH=";
    } else {
        html += "<TABLE BGCOLOR=\"#";
        html += WbMakeWebColor(container.GetBackGroundColor());
        html += "\" BORDER=0 CELLSPACING=0 CELLPADDING=0 WIDTH=";
    }
    AppendInt(html, container.Width());
    html += '>';
}

void WriteSpan(std::string& html, const char* attribute, int32_t span) {
    if (span >= 2) {
        html += attribute;
        AppendInt(html, span);
    } else {
        html += ' ';
    }
}

void WriteChildCell(std::string& html, TWbVisibleComponent& child, int32_t rowHeight) {
    html += "<TD ";
    if (child.Align() == taRight) html += "ALIGN=\"right\"";
    if (child.Align() == taCenter) html += "ALIGN=\"center\"";
    html += " HEIGHT=";
    AppendInt(html, rowHeight);
    WriteSpan(html, " ROWSPAN=", child.CalcRowSpan());
    WriteSpan(html, " COLSPAN=", child.CalcColSpan());
    html += ' ';
    if (!child.IsBackgroundTransparent()) {
        html += "BGCOLOR=\"#";
        html += WbMakeWebColor(child.GetBackGroundColor());
        html += '"';
    }
    html += " >";
    html += child.put();
    html += "</TD>";
}

// Empty cells that need no size of their own are gathered into one spanning cell.
class PendingCells {
public:
    void Add() { ++FCount; }
    // Within a row: one cell for a single pending column, a spanning cell for several.
    void WriteOut(std::string& html) {
        if (FCount >= 2) WriteSpanning(html);
        if (FCount == 1) html += "<TD></TD>";
        FCount = 0;
    }
    // At the row's end a single pending column writes nothing, and none writes an empty cell.
    void WriteRowEnd(std::string& html) const {
        if (FCount >= 2) WriteSpanning(html);
        if (FCount == 0) html += "<TD></TD>";
    }

private:
    void WriteSpanning(std::string& html) const {
        html += "<TD COLSPAN=";
        AppendInt(html, FCount);
        html += "></TD>";
    }

    int32_t FCount = 0;
};

void WriteRow(std::string& html, const TLargeArray& grid, int32_t row, int32_t rowHeight,
              std::vector<TWbSize>& columns) {
    html += "<TR VALIGN=\"top\" ALIGN=\"left\">";
    PendingCells pending;
    for (int32_t c = 0; c < static_cast<int32_t>(columns.size()); ++c) {
        TWbSize& column = columns[static_cast<size_t>(c)];
        const auto* cell = static_cast<const TWbGridInfo*>(grid.extract(c, row));
        if (cell == nullptr) {
            if (c == 0 || !column.Written) {
                html += "<TD HEIGHT=";
                AppendInt(html, rowHeight);
                if (!column.Written) {
                    html += " WIDTH=";
                    AppendInt(html, column.Pixels);
                }
                html += " ></TD>";
            } else {
                pending.Add();
            }
            column.Written = true;
        } else {
            pending.WriteOut(html);
            if (cell->Kind == TWbGridInfo::OriginCell)
                WriteChildCell(html, *static_cast<TWbVisibleComponent*>(cell->Control), rowHeight);
        }
    }
    pending.WriteRowEnd(html);
    html += "</TR>";
}

}  // namespace

int32_t ScanListSort(TObject* Item1, TObject* Item2) {
    const auto& a = *static_cast<const TWbScanListMember*>(Item1);
    const auto& b = *static_cast<const TWbScanListMember*>(Item2);
    if (a.Position != b.Position) return WrapSub(a.Position, b.Position);
    return WrapSub(a.OtherPosition, b.OtherPosition);
}

TWbCustomContainer::TWbCustomContainer(TComponent* AOwner) : TWbVisibleComponent(AOwner) {
    SetContainer(true);
}

void TWbCustomContainer::Publish() {
    Published<TWbCustomContainer>("TWbCustomContainer", "TWbVisibleComponent", kAbstractClass);
}

std::string TWbCustomContainer::IterateChildren(const std::string& AHead,
                                                const std::string& ATail) {
    const auto children = WebChildren(*this);
    TWbScanList xs(XLISTTYPE);
    TWbScanList ys(YLISTTYPE);
    LayOut(xs, ys, *this, children);

    std::string html;
    html.reserve(AHead.size() + ATail.size() + 64 * (2 * children.size() + 4));
    WriteTableStart(html, *this);
    html += AHead;

    std::vector<TWbSize> columns = Sizes(xs);
    const std::vector<TWbSize> rows = Sizes(ys);
    TLargeArray grid(static_cast<int32_t>(columns.size()) + 1, static_cast<int32_t>(rows.size()));
    PlaceChildren(grid, children);
    for (int32_t r = 0; r < static_cast<int32_t>(rows.size()); ++r)
        WriteRow(html, grid, r, rows[static_cast<size_t>(r)].Pixels, columns);

    html += ATail;
    html += "</TABLE>";
    return html;
}

}  // namespace wb
