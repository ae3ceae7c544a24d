#include "content/WbJavaApplet.h"

#include "host/Published.h"

#include "util/WbMiscTools.h"

namespace wb {

TWbJavaApplet::TWbJavaApplet(TComponent* AOwner) : TWbVisibleComponent(AOwner) {
    SetWidth(200);
    SetHeight(200);
    SetContainer(false);
    SetBackGroundColor(clSilver);
}

void TWbJavaApplet::Publish() {
    Published<TWbJavaApplet>("TWbJavaApplet", "TWbVisibleComponent")
        .Strings("Parameters", &TWbJavaApplet::GetParamValues, &TWbJavaApplet::SetParamValues)
        .Str("Code", &TWbJavaApplet::Code, &TWbJavaApplet::SetCode)
        .Str("CodeBase", &TWbJavaApplet::CodeBase, &TWbJavaApplet::SetCodeBase)
        .Str("InstanceName", &TWbJavaApplet::InstanceName, &TWbJavaApplet::SetInstanceName);
}

std::string TWbJavaApplet::put() {
    ActivateBeforePutEvent();
    std::string html = WbCollapseStringList(GetHTMLBefore());
    html += "<APPLET CODE=\"";
    html += FCode;
    html += "\" CODEBASE=\"";
    html += FCodeBase;
    html += "\" NAME=\"";
    html += FInstanceName;
    html += "\" HEIGHT=";
    html += std::to_string(Height());
    html += " WIDTH=";
    html += std::to_string(Width());
    html += '>';
    html += WbCollapseStringList(GetHTMLInside());
    AppendParameters(html);
    html += "</APPLET>";
    html += WbCollapseStringList(GetHTMLAfter());
    ActivateAfterPutEvent();
    return html;
}

// Each line is split at its first "="; a line without one names a parameter with an empty
// value, the same rule the hidden fields of an input form follow.
void TWbJavaApplet::AppendParameters(std::string& html) const {
    for (const auto& line : FParameters) {
        std::string name = line;
        std::string value;
        WbExtractHiddenValues(line, name, value);
        html += "<PARAM NAME=\"";
        html += name;
        html += "\" VALUE=\"";
        html += value;
        html += "\">";
    }
}

}  // namespace wb
