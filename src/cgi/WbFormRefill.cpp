#include "cgi/WbFormRefill.h"

#include <algorithm>
#include <string>
#include <vector>

#include "forms/WbCheckBox.h"
#include "forms/WbDropDownlist.h"
#include "forms/WbInputForm.h"
#include "forms/WbListBox.h"
#include "forms/WbRadioButton.h"
#include "forms/WbTextArea.h"
#include "forms/WbTextInputField.h"
#include "util/WbMiscTools.h"

namespace wb {

namespace {

std::vector<TComponent*> OwnedComponents(const TComponent& Owner) {
    std::vector<TComponent*> components;
    for (int32_t i = 0; i < Owner.ComponentCount(); ++i) components.push_back(Owner.Components(i));
    return components;
}

bool WasSent(TWbCGI& CGI, const std::string& Name) { return !CGI.FormVarValues(Name).empty(); }

// The request names a control or a hidden field of the form.
bool IsSubmission(const std::vector<TComponent*>& Components, TWbCGI& CGI) {
    for (TComponent* component : Components) {
        if (auto* control = dynamic_cast<TWbCustomInputComponent*>(component)) {
            if (WasSent(CGI, control->FieldName())) return true;
        } else if (auto* form = dynamic_cast<TWbInputForm*>(component)) {
            for (const std::string& line : form->GetHiddenField()) {
                std::string name = line, value;
                WbExtractHiddenValues(line, name, value);
                if (WasSent(CGI, name)) return true;
            }
        }
    }
    return false;
}

// A text area's value as lines; a line end at the very end closes the last line rather than
// starting an empty one, since the text area writes a line end after every line. The browser
// drops a line end right after the TEXTAREA start tag, so a text that begins with one gets an
// extra empty line first.
void AddEscapedLines(TStrings& lines, const std::string& Text) {
    if (!Text.empty() && (Text[0] == '\r' || Text[0] == '\n')) lines.Add("");
    size_t start = 0;
    while (start < Text.size()) {
        const size_t end = Text.find_first_of("\r\n", start);
        lines.Add(WbEscapeHTML(Text.substr(start, end - start)));
        if (end == std::string::npos) break;
        start = end + (Text.compare(end, 2, "\r\n") == 0 ? 2 : 1);
    }
}

bool Contains(const std::vector<std::string>& Values, const std::string& Value) {
    return std::find(Values.begin(), Values.end(), Value) != Values.end();
}

// The index of the first option whose value is one of Values, or -1.
int32_t FirstSentOption(const TStrings& Options, const std::vector<std::string>& Values) {
    for (int32_t i = 0; i < Options.Count(); ++i)
        if (Contains(Values, WbSplitOption(Options[i]).Value)) return i;
    return -1;
}

void Refill(TWbTextInputField& Field, TWbCGI& CGI) {
    const std::vector<std::string> values = CGI.FormVarValues(Field.FieldName());
    if (!Field.PassWord() && !values.empty()) Field.SetValue(WbEscapeHTML(values.front()));
}

void Refill(TWbTextArea& Area, TWbCGI& CGI) {
    const std::vector<std::string> values = CGI.FormVarValues(Area.FieldName());
    if (values.empty()) return;
    TStringList lines;
    AddEscapedLines(lines, values.front());
    Area.SetValue(lines);
}

void Refill(TWbDropDownlist& List, TWbCGI& CGI) {
    const int32_t index = FirstSentOption(List.GetOptions(), CGI.FormVarValues(List.FieldName()));
    if (index >= 0) List.SetSelected(index);
}

void Refill(TWbListBox& List, TWbCGI& CGI) {
    List.SetSelected(FirstSentOption(List.GetOptions(), CGI.FormVarValues(List.FieldName())));
}

}  // namespace

bool WbRefillForm(const TComponent& Owner, TWbCGI& CGI) {
    const std::vector<TComponent*> components = OwnedComponents(Owner);
    if (!IsSubmission(components, CGI)) return false;
    for (TComponent* component : components) {
        if (auto* field = dynamic_cast<TWbTextInputField*>(component)) {
            Refill(*field, CGI);
        } else if (auto* area = dynamic_cast<TWbTextArea*>(component)) {
            Refill(*area, CGI);
        } else if (auto* box = dynamic_cast<TWbCheckBox*>(component)) {
            box->SetChecked(Contains(CGI.FormVarValues(box->FieldName()), box->Value()));
        } else if (auto* radio = dynamic_cast<TWbRadioButton*>(component)) {
            radio->SetChecked(Contains(CGI.FormVarValues(radio->FieldName()), radio->Value()));
        } else if (auto* dropDown = dynamic_cast<TWbDropDownlist*>(component)) {
            Refill(*dropDown, CGI);
        } else if (auto* listBox = dynamic_cast<TWbListBox*>(component)) {
            Refill(*listBox, CGI);
        }
    }
    return true;
}

}  // namespace wb
