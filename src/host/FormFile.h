#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <typeinfo>

#include "host/Exception.h"
#include "host/FormReader.h"
#include "host/FormWriter.h"
#include "host/Forms.h"

namespace wb {

// A form loaded from a form file, as a program uses it:
//
//     TFormFile file = TFormFile::Load("order.dfm", {.Handlers = {{"PageBeforePut", OnPage}}});
//     std::string html = file.Find<TWbPage>("WbPage1").put();
//
// The form owns every component of the file and destroys them with itself.
class TFormFile {
public:
    // Reads the form file FileName. Raises EFormFileError naming the file, line and column of a
    // fault in it, EInOutError when the file cannot be read.
    static TFormFile Load(const std::string& FileName, const TFormReadOptions& Options = {});
    // Reads a form from Text; FileName is the name that messages give.
    static TFormFile Parse(std::string_view Text, std::string FileName,
                           const TFormReadOptions& Options = {});

    TForm& Form() const { return *FForm; }
    const std::string& FileName() const { return FFileName; }

    // The component of that name (compared without regard to case), which must be a T. Raises
    // Exception naming the file and the component when there is none, or when it is of another
    // class: "order.dfm: WbPanel1 is a TWbPanel, not a TWbPage".
    template <class T>
    T& Find(const std::string& Name) const {
        TComponent& found = FindComponent(Name);
        if (auto* component = dynamic_cast<T*>(&found)) return *component;
        throw Exception(FFileName + ": " + found.Name() + " is a " + found.ClassName() +
                        ", not a " + ClassNameOf(typeid(T)));
    }

    // The first component of class T in file order, or nullptr.
    template <class T>
    T* FindFirst() const {
        for (int32_t i = 0; i < FForm->ComponentCount(); ++i)
            if (auto* component = dynamic_cast<T*>(FForm->Components(i))) return component;
        return nullptr;
    }

    // The form in canonical form-file text (WriteForm).
    std::string Write() const { return WriteForm(*FForm); }
    // Writes the canonical text into the file FileName, replacing it only once the new text is
    // stored (ReplaceFile); raises EInOutError when it cannot, and leaves the old file then.
    void Save(const std::string& FileName) const;

private:
    TFormFile(std::string FileName, std::unique_ptr<TForm> Form);
    TComponent& FindComponent(const std::string& Name) const;

    std::string FFileName;
    std::unique_ptr<TForm> FForm;
};

}  // namespace wb
