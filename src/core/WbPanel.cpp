#include "core/WbPanel.h"

#include "host/Published.h"

namespace wb {

void TWbPanel::Publish() { Published<TWbPanel>("TWbPanel", "TWbCustomContainer"); }

std::string TWbPanel::put() {
    ActivateBeforePutEvent();
    std::string html = WbCollapseStringList(GetHTMLBefore());
    WbStrToHTML(html, IterateChildren(WbCollapseStringList(GetHTMLInside()), ""));
    WbStrToHTML(html, WbCollapseStringList(GetHTMLAfter()));
    ActivateAfterPutEvent();
    return html;
}

}  // namespace wb
