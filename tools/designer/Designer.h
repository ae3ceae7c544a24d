#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <variant>
#include <vector>

#include "host/Forms.h"

namespace wb {
class TWbPage;
}

namespace wbforms_designer {

// A value the object inspector gives a property: a number (Integer, Color, Enumeration by
// index), a Boolean, a text (String, Event handler name, Enumeration or Color by name) or lines
// (Strings).
using TPropertyValue = std::variant<int64_t, bool, std::string, std::vector<std::string>>;

// What a change did, as the design surface needs to know it.
struct TChange {
    // The component the change made or touched (Create: the new component's name).
    std::string Component;
    // The components that asked to be repainted (their RepaintRequests rose), in form order.
    std::vector<std::string> Repainted;
    // Whether the picture of the form changed: a repaint was asked for, or a component was
    // added, removed, renamed, moved or sized. The surface revision counts these.
    bool SurfaceChanged = false;
};

// A form being designed: the designer host's side of a design session, without any user
// interface. Every component is marked as being designed.
//
// A change never half happens: it is made on a copy of the form (read from the form's
// canonical text), and only when it succeeded, and its result reads back as a form file, does
// the copy become the form. A refused change (a placement check's message, a bad value)
// raises wb::Exception with the message and leaves the form exactly as it was. Each change
// that alters the text can be undone; the texts before the changes are kept.
class TDesigner {
public:
    // Opens the form file FileName, or a new form (Form1, 640 by 480) when there is no such
    // file. Raises the reader's EFormFileError or EInOutError when the file cannot be loaded;
    // a file that cannot be loaded is never written over.
    explicit TDesigner(std::string FileName);
    ~TDesigner();

    const std::string& FileName() const { return FFileName; }
    wb::TForm& Form() const { return *FForm; }
    // The form in canonical form-file text, as Save writes it.
    const std::string& Text() const { return FText; }
    // Whether the form file exists: the form was opened from it or saved to it.
    bool Exists() const { return FSaved; }
    // Whether the form was changed since it was opened or last saved. A file that was not in
    // canonical form is not modified merely by being opened.
    bool Modified() const { return FText != FSavedText; }
    bool CanUndo() const { return !FUndo.empty(); }
    // Rises with every change of the form's picture.
    int64_t Revision() const { return FRevision; }

    // Drops a new component of the palette class ClassName into the container ParentName
    // (the form's name for the form) at Left, Top in the container; a non-visual component
    // lands on the form at the same spot. The component is named after its class (TWbText:
    // WbText1, WbText2, ...).
    TChange Create(const std::string& ClassName, const std::string& ParentName, int32_t Left,
                   int32_t Top);
    // Moves and sizes a component through its SetBounds (a non-visual component: its place).
    TChange SetBounds(const std::string& Name, int32_t Left, int32_t Top, int32_t Width,
                      int32_t Height);
    // Sets a published property; Path may be dotted (Font.Size), and "Name" renames.
    TChange SetProperty(const std::string& Name, const std::string& Path,
                        const TPropertyValue& Value);
    // Deletes a component and every control inside it. The form cannot be deleted.
    TChange Delete(const std::string& Name);
    // Takes back the last change that altered the form; raises when there is none.
    TChange Undo();

    // Writes the canonical text to the file (ReplaceFile: the old file stays until the new one
    // is stored). Raises EInOutError naming the file.
    void Save();

    // The first page of the form in file order, or nullptr.
    wb::TWbPage* FirstPage() const;

private:
    template <class Change>
    TChange Apply(const Change& change);
    std::unique_ptr<wb::TForm> Read(const std::string& text) const;

    std::string FFileName;
    std::unique_ptr<wb::TForm> FForm;
    std::string FText;
    std::string FSavedText;
    bool FSaved = false;
    std::vector<std::string> FUndo;
    int64_t FRevision = 1;
};

// The component of that name in Form (without regard to case), or the form itself; raises
// wb::Exception "no component named 'X'".
wb::TComponent& FindDesigned(const wb::TForm& Form, const std::string& Name);

}  // namespace wbforms_designer
