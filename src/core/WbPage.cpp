#include "core/WbPage.h"

#include "host/Published.h"

namespace wb {

TWbPage::TWbPage(TComponent* AOwner) : TWbCustomContainer(AOwner) {
    // The host builds a page as a page from its first line on, so the edge clamp never moves a
    // new page; here the base constructors ran before this object was one and moved it to
    // (1, 1), which this puts back.
    SetBounds(0, 0, 500, 300);
    SetBackGroundColor(clWhite);
}

void TWbPage::Publish() {
    Published<TWbPage>("TWbPage", "TWbCustomContainer")
        .Str("PageTitle", &TWbPage::PageTitle, &TWbPage::SetPageTitle)
        .Str("BackGroundImage", &TWbPage::BackGroundImage, &TWbPage::SetBackGroundImage)
        .Strings("Scripts", &TWbPage::GetScripts, &TWbPage::SetScripts)
        .Color("LinkColor", &TWbPage::LinkColor, &TWbPage::SetLinkColor)
        .Color("VLinkColor", &TWbPage::VLinkColor, &TWbPage::SetVLinkColor)
        .Color("DefaultTextColor", &TWbPage::DefaultTextColor, &TWbPage::SetDefaultTextColor);
}

std::string TWbPage::put() {
    ActivateBeforePutEvent();
    std::string html = WbCollapseStringList(GetHTMLBefore());
    WbStrToHTML(html, "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 3.2//EN\"><HTML>");
    WriteHead(html);
    WriteBodyStart(html);
    WbStrToHTML(html, IterateChildren(WbCollapseStringList(GetHTMLInside()), ""));
    WbStrToHTML(html, "</BODY></HTML>");
    WbStrToHTML(html, WbCollapseStringList(GetHTMLAfter()));
    ActivateAfterPutEvent();
    return html;
}

void TWbPage::WriteHead(std::string& html) const {
    html += "<HEAD><TITLE>";
    html += FPageTitle;
    html += "</TITLE><META NAME=\"GENERATOR\" CONTENT=\"wbforms\">";
    for (const auto& line : FScripts) {
        html += line;
        html += ' ';
    }
    html += "</HEAD>";
}

void TWbPage::WriteBodyStart(std::string& html) const {
    html += "<BODY BGCOLOR=\"#";
    html += WbMakeWebColor(GetBackGroundColor());
    html += "\" LINK=\"#";
    html += WbMakeWebColor(FLinkColor);
    html += "\" VLINK=\"#";
    html += WbMakeWebColor(FVLinkColor);
    html += "\" TEXT=\"#";
    html += WbMakeWebColor(FDefaultTextColor);
    html += '"';
    if (!FBackGroundImage.empty()) {
        html += " BACKGROUND=\"";
        html += FBackGroundImage;
        html += '"';
    }
    html += '>';
}

}  // namespace wb
