#include "core/WbPanel.h"

namespace wb {

std::string TWbPanel::put() {
    ActivateBeforePutEvent();
    std::string html = WbCollapseStringList(GetHTMLBefore());
    WbStrToHTML(html, IterateChildren(WbCollapseStringList(GetHTMLInside()), ""));
    WbStrToHTML(html, WbCollapseStringList(GetHTMLAfter()));
    ActivateAfterPutEvent();
    return html;
}

}  // namespace wb
