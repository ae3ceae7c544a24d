#include "forms/WbSubmitButton.h"

#include "host/Published.h"

namespace wb {

TWbSubmitButton::TWbSubmitButton(TComponent* AOwner) : TWbVisibleComponent(AOwner) {
    SetWidth(70);
    SetHeight(20);
    SetContainer(false);
}

void TWbSubmitButton::Publish() {
    Published<TWbSubmitButton>("TWbSubmitButton", "TWbVisibleComponent")
        .Str("imagepath", &TWbSubmitButton::imagepath, &TWbSubmitButton::Setimagepath)
        .Str("value", &TWbSubmitButton::value, &TWbSubmitButton::Setvalue);
}

std::string TWbSubmitButton::put() {
    ActivateBeforePutEvent();
    std::string html = WbCollapseStringList(GetHTMLBefore());
    html += "<INPUT TYPE=";
    if (!Fimagepath.empty()) {
        html += "IMAGE SRC=\"";
        html += Fimagepath;
    } else {
        html += "SUBMIT VALUE=\"";
        html += Fvalue;
    }
    html += "\" BORDER=0 ";
    html += WbCollapseStringList(GetHTMLInside());
    html += '>';
    WbStrToHTML(html, WbCollapseStringList(GetHTMLAfter()));
    ActivateAfterPutEvent();
    return html;
}

}  // namespace wb
