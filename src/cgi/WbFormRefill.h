#pragma once

#include "cgi/WbCGI.h"
#include "host/TComponent.h"

namespace wb {

// Puts a submitted form back into its controls, so that the page shows the form as the browser
// sent it: every form control that Owner owns takes the value the request carries under its
// FieldName.
//
// - A text input field takes the value, a text area the lines of it (split at CR LF, LF or CR),
//   both escaped with WbEscapeHTML. A password field is never refilled: a password does not
//   travel back in a page. The text area writes a line end after every line, so a text that
//   did not end with one comes back with one; a text that begins with a line end gets an
//   extra empty first line, because the browser drops a line end right after the start tag.
// - A check box or a radio button is checked when its Value was sent under its name, and
//   unchecked when it was not (the browser sends nothing for an unchecked box).
// - A drop-down list selects the first option whose value was sent; a value that matches no
//   option leaves the selection as it is. A list box selects the first of its options, in list
//   order, whose value was sent, and none when its name was not sent: the component marks one
//   option SELECTED, so of several selected options only the first shows as selected.
//
// A request that carries none of the form's field names (those of its controls and the hidden
// fields of its input forms) is not a submission of it, such as a first visit: nothing changes,
// and the form shows as designed. Returns whether the request was a submission.
bool WbRefillForm(const TComponent& Owner, TWbCGI& CGI);

}  // namespace wb
