#pragma once

#include <string>

#include "host/Forms.h"

namespace wb {

// The form in canonical form-file text: every published property in published order (Left,
// Top, Width, Height, the events that are assigned, then each class's properties in declared
// order, base class first), properties of owned objects dotted (Font.Size), strings as
// printable ASCII in quotes and every other byte as #NNN, two blanks of indentation a level.
// The form's children are the components it owns that lie on it (or on nothing), in the order
// it owns them; every other control is written inside its parent, in child order.
//
// Raises Exception for what a form file cannot hold: a component without a name, a component
// of a class that is not registered, an event handler that has no name.
std::string WriteForm(const TForm& Form);

// Text as a form file writes a string: 'It'#180's me'.
std::string QuoteFormString(const std::string& Text);

}  // namespace wb
