#pragma once

#include <string>

#include "host/Controls.h"

namespace wb {

// The root of a form file: a plain window that holds pages and owns every component on it.
class TForm : public TWinControl {
public:
    explicit TForm(TComponent* AOwner = nullptr) : TWinControl(AOwner) {}

    // Registers the class; a form publishes the control's Left, Top, Width and Height.
    static void Publish();

    // The class that the form file names for this form: a user's form class (TForm1) loads as a
    // plain form and is written back under its own name. Empty when the form is a TForm.
    const std::string& FormClassName() const { return FFormClassName; }
    void SetFormClassName(std::string Value) { FFormClassName = std::move(Value); }

private:
    std::string FFormClassName;
};

}  // namespace wb
