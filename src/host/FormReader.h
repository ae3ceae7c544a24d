#pragma once

#include <map>
#include <memory>
#include <string>
#include <string_view>

#include "host/Forms.h"
#include "host/TObject.h"

namespace wb {

// Orders handler names without regard to case, as a form file names them.
struct TTextLess {
    bool operator()(std::string_view A, std::string_view B) const;
    using is_transparent = void;
};

// The event handlers of a program, by the names that form files bind them under.
using TEventHandlers = std::map<std::string, TNotifyEvent, TTextLess>;

struct TFormReadOptions {
    // What `OnBeforePut = WbPage1BeforePut` binds to. A name not in here is an error...
    TEventHandlers Handlers = {};
    // ... unless events are ignored: then every event is bound to its name and does nothing.
    bool IgnoreEvents = false;
    // Loads the form into the designer: every component repaints on changes.
    bool Designing = false;
};

// The deepest nesting of objects a form file may have.
inline constexpr int kMaxFormDepth = 100;

// Reads the form in Text (the bytes of a form file; FileName is the name messages give). Every
// object is created without an owner, given to the form (InsertComponent runs the form's
// placement check on the finished object), named, placed in the object it is nested in
// (SetParent runs that container's placement check), and gets its properties through their
// setters in file order, while its component state holds csLoading.
//
// Raises EFormFileError naming the file, line and column of the first fault; nothing it created is
// left behind.
std::unique_ptr<TForm> ReadForm(std::string_view Text, const std::string& FileName,
                                const TFormReadOptions& Options = {});

}  // namespace wb
