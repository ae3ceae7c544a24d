#include "content/WbCustomImage.h"

#include "host/Published.h"

#include "content/WbImageMap.h"
#include "host/Arithmetic.h"
#include "host/Exception.h"
#include "util/WbMiscTools.h"

namespace wb {

namespace {

// One rectangle of the map, in pixels relative to the image; right and bottom are one past
// the last pixel.
void AppendArea(std::string& html, const TWbImageMap& area) {
    html += "<AREA SHAPE=\"RECT\" COORDS=\"";
    html += std::to_string(area.Left());
    html += ',';
    html += std::to_string(area.Top());
    html += ',';
    html += std::to_string(WrapAdd(area.Left(), area.Width()));
    html += ',';
    html += std::to_string(WrapAdd(area.Top(), area.Height()));
    html += "\" HREF=\"";
    html += area.Link();
    html += "\" ALT=\"";
    html += area.AltText();
    html += "\"> ";
}

}  // namespace

TWbCustomImage::TWbCustomImage(TComponent* AOwner) : TWbVisibleComponent(AOwner) {}

void TWbCustomImage::setstretch(bool Value) {
    FStretch = Value;
    invalidate();
}

void TWbCustomImage::Publish() {
    Published<TWbCustomImage>("TWbCustomImage", "TWbVisibleComponent", kAbstractClass);
}

std::string TWbCustomImage::put() {
    ActivateBeforePutEvent();
    const std::string size = SizeAttributes();
    std::string html = WbCollapseStringList(GetHTMLBefore());
    if (ControlCount() == 0 && !FLink.empty())
        AppendLinkedImage(html, size);
    else if (ControlCount() == 0)
        AppendPlainImage(html, size);
    else
        AppendMappedImage(html, size);
    WbStrToHTML(html, WbCollapseStringList(GetHTMLAfter()));
    ActivateAfterPutEvent();
    return html;
}

void TWbCustomImage::validateInsert(TComponent* AComponent) {
    if (dynamic_cast<TWbImageMap*>(AComponent) == nullptr)
        throw Exception("Only imagemaps can be put on images");
}

std::string TWbCustomImage::SizeAttributes() const {
    if (!FStretch) return {};
    return "WIDTH =" + std::to_string(Width()) + " HEIGHT =" + std::to_string(Height()) + " ";
}

// The free text inside has no place in this form.
void TWbCustomImage::AppendLinkedImage(std::string& html, const std::string& size) const {
    html += "<A HREF=\"";
    html += FLink;
    html += "\"><IMG SRC=\"";
    html += FImagePath;
    html += "\" ";
    html += size;
    html += " BORDER=0></A>";
}

void TWbCustomImage::AppendPlainImage(std::string& html, const std::string& size) {
    html += "<IMG SRC=\"";
    html += FImagePath;
    html += "\" ";
    html += size;
    html += " BORDER=0 ";
    html += WbCollapseStringList(GetHTMLInside());
    html += '>';
}

// The image's own Link has no place in this form: the areas carry the links.
void TWbCustomImage::AppendMappedImage(std::string& html, const std::string& size) {
    const std::string mapName = WbGetUniqueID("MAP");
    html += "<MAP NAME=\"";
    html += mapName;
    html += "\">";
    for (const TControl* child : ControlList())
        if (const auto* area = dynamic_cast<const TWbImageMap*>(child)) AppendArea(html, *area);
    html += "</MAP><IMG SRC=\"";
    html += FImagePath;
    html += "\" ";
    html += size;
    html += "  BORDER=0 USEMAP=\"#";
    html += mapName;
    html += "\" ";
    html += WbCollapseStringList(GetHTMLInside());
    html += '>';
}

}  // namespace wb
