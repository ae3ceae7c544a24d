#pragma once

#include "host/Controls.h"

namespace wb {

// The root of a form file: a plain window that holds pages and owns every component on it.
class TForm : public TWinControl {
public:
    explicit TForm(TComponent* AOwner = nullptr) : TWinControl(AOwner) {}
};

}  // namespace wb
