#pragma once

#include <string>

#include "core/WbVisibleComponent.h"

namespace wb {

// The INPUT element that submits the form it stands in: a text button with a caption, or an
// image button when an image path is given. It has no field name of its own.
class TWbSubmitButton : public TWbVisibleComponent {
public:
    explicit TWbSubmitButton(TComponent* AOwner);
    static void Publish();

    // Published properties, spelled in lower case; neither notifies nor repaints. The caption
    // is ignored while an image path is set.
    const std::string& imagepath() const { return Fimagepath; }
    void Setimagepath(std::string Value) { Fimagepath = std::move(Value); }
    const std::string& value() const { return Fvalue; }
    void Setvalue(std::string Value) { Fvalue = std::move(Value); }

    std::string put() override;

private:
    std::string Fimagepath;
    std::string Fvalue;
};

}  // namespace wb
