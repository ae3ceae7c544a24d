#include "forms/WbInputForm.h"

#include "host/Published.h"

namespace wb {

namespace {

const char* MethodWord(T_FormMethodType Method) {
    return Method == T_FormMethodType::Get ? "GET" : "POST";
}

// A hidden line "name=value" split at its first "="; a line without "=" is a name with an
// empty value.
void AppendHiddenField(std::string& html, const std::string& line) {
    std::string name = line;
    std::string value;
    WbExtractHiddenValues(line, name, value);
    html += "<INPUT TYPE=HIDDEN NAME=";
    html += name;
    html += " VALUE=";
    html += value;
    html += '>';
}

}  // namespace

TWbInputForm::TWbInputForm(TComponent* AOwner) : TWbCustomContainer(AOwner) {}

std::string TWbInputForm::put() {
    ActivateBeforePutEvent();
    std::string html = WbCollapseStringList(GetHTMLBefore());
    WbStrToHTML(html, IterateChildren(FormHead(), "</FORM>"));
    WbStrToHTML(html, WbCollapseStringList(GetHTMLAfter()));
    ActivateAfterPutEvent();
    return html;
}

void TWbInputForm::Publish() {
    Published<TWbInputForm>("TWbInputForm", "TWbCustomContainer")
        .Enum("Method", &TWbInputForm::Method, &TWbInputForm::SetMethod, T_FormMethodTypeNames)
        .Str("Action", &TWbInputForm::Action, &TWbInputForm::SetAction)
        .Str("FormName", &TWbInputForm::FormName, &TWbInputForm::SetFormName)
        .Strings("HiddenFields", &TWbInputForm::GetHiddenField, &TWbInputForm::SetHiddenField);
}

std::string TWbInputForm::FormHead() const {
    std::string head = "<FORM NAME=\"";
    head += FFormName;
    head += "\" ACTION=\"";
    head += FAction;
    head += "\" METHOD=";
    head += MethodWord(FMethod);
    head += '>';
    head += WbCollapseStringList(GetHTMLInside());
    for (const std::string& line : FHiddenFields) AppendHiddenField(head, line);
    return head;
}

}  // namespace wb
