#pragma once

#include <string>

#include "core/WbScanList.h"
#include "core/WbVisibleComponent.h"

namespace wb {

// The order of a scan list: by Position, then by OtherPosition; the difference of the two
// values, wrapped to 32 bits as the host computes it.
int32_t ScanListSort(TObject* Item1, TObject* Item2);

// The base of the page, the panel and the input form: a container that renders its children
// as one borderless table reproducing their designed rectangles.
class TWbCustomContainer : public TWbVisibleComponent {
public:
    explicit TWbCustomContainer(TComponent* AOwner);

    // Registers the class; it publishes nothing of its own.
    static void Publish();

    // The children as a table: AHead right after the TABLE start tag, ATail right before
    // "</TABLE>". Calls each child's put once, in table order.
    std::string IterateChildren(const std::string& AHead, const std::string& ATail);
};

}  // namespace wb
