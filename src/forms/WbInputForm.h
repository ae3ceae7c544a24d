#pragma once

#include <cstdint>
#include <string>

#include "core/WbContainer.h"

namespace wb {

// How the browser submits a form.
enum class T_FormMethodType : uint8_t { Post = 0, Get = 1 };
// The names a form file stores the values by, in the order of the values.
inline constexpr const char* T_FormMethodTypeNames[] = {"Post", "Get"};

// A container that renders as an HTML FORM: its children are laid out as a panel's are, and the
// FORM start tag with the hidden fields and the FORM end tag stand inside the table.
class TWbInputForm : public TWbCustomContainer {
public:
    explicit TWbInputForm(TComponent* AOwner);
    static void Publish();

    // Published properties; none of them notifies or repaints.
    T_FormMethodType Method() const { return FMethod; }
    void SetMethod(T_FormMethodType Value) { FMethod = Value; }
    const std::string& Action() const { return FAction; }
    void SetAction(std::string Value) { FAction = std::move(Value); }
    const std::string& FormName() const { return FFormName; }
    void SetFormName(std::string Value) { FFormName = std::move(Value); }
    // One hidden field per line, name=value. The getter gives the form's own list.
    TStrings& GetHiddenField() { return FHiddenFields; }
    const TStrings& GetHiddenField() const { return FHiddenFields; }
    void SetHiddenField(const TStrings& Value) { FHiddenFields.Assign(Value); }

    std::string put() override;

private:
    std::string FormHead() const;

    T_FormMethodType FMethod = T_FormMethodType::Post;
    std::string FAction;
    std::string FFormName;
    TStringList FHiddenFields;
};

}  // namespace wb
