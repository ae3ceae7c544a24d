#include "designer/Designer.h"

#include <sys/stat.h>

#include <algorithm>
#include <cctype>
#include <climits>
#include <cerrno>
#include <charconv>
#include <cstring>
#include <fstream>
#include <map>
#include <optional>
#include <sstream>
#include <utility>

#include "core/WbPage.h"
#include "designer/Palette.h"
#include "host/Arithmetic.h"
#include "host/Exception.h"
#include "host/FormReader.h"
#include "host/FormWriter.h"
#include "host/Graphics.h"
#include "host/Published.h"
#include "host/SysUtils.h"

namespace wbforms_designer {

using wb::Exception;
using wb::TComponent;
using wb::TControl;
using wb::TForm;
using wb::TPropertyInfo;
using wb::TPropertyKind;
using wb::TWinControl;

namespace {

constexpr const char* kNewForm =
    "object Form1: TForm\n"
    "  Left = 0\n"
    "  Top = 0\n"
    "  Width = 640\n"
    "  Height = 480\n"
    "end\n";

// The undo history keeps this many texts; older ones are dropped.
constexpr size_t kUndoDepth = 200;

// Whether there is a file of that name; a name the system cannot look up is an error, not a
// new form that would later be saved over whatever lies there.
bool FileExists(const std::string& fileName) {
    struct stat status{};
    if (stat(fileName.c_str(), &status) == 0) return true;
    if (errno == ENOENT) return false;
    throw wb::EInOutError(fileName + ": cannot open: " + std::strerror(errno));
}

std::string ReadFile(const std::string& fileName) {
    std::ifstream in(fileName, std::ios::binary);
    if (!in) throw wb::EInOutError(fileName + ": cannot open: " + std::strerror(errno));
    std::ostringstream bytes;
    bytes << in.rdbuf();
    if (in.bad()) throw wb::EInOutError(fileName + ": cannot read");
    return bytes.str();
}

// --- What the surface shows ------------------------------------------------------------------

// A component as the surface shows it.
struct TPlace {
    std::string Name;
    std::string ClassName;
    std::string Parent;
    int32_t Left = 0;
    int32_t Top = 0;
    int32_t Width = 0;
    int32_t Height = 0;

    bool operator==(const TPlace&) const = default;
};

// The place of every component, and the repaint requests of every control by name.
struct TSurfaceState {
    std::vector<TPlace> Layout;
    std::map<std::string, int32_t> Requests;
};

void AddToState(TSurfaceState& state, const TComponent& component) {
    TPlace place;
    place.Name = component.Name();
    place.ClassName = component.ClassName();
    if (const auto* control = dynamic_cast<const TControl*>(&component)) {
        if (control->Parent() != nullptr) place.Parent = control->Parent()->Name();
        place.Left = control->Left();
        place.Top = control->Top();
        place.Width = control->Width();
        place.Height = control->Height();
        state.Requests[component.Name()] = control->RepaintRequests();
    } else {
        place.Left = component.DesignLeft();
        place.Top = component.DesignTop();
    }
    state.Layout.push_back(std::move(place));
}

TSurfaceState SurfaceState(const TForm& form) {
    TSurfaceState state;
    AddToState(state, form);
    for (int32_t i = 0; i < form.ComponentCount(); ++i) AddToState(state, *form.Components(i));
    return state;
}

// The components whose repaint requests rose, in form order.
std::vector<std::string> Repainted(const TSurfaceState& before, const TSurfaceState& after) {
    std::vector<std::string> names;
    for (const TPlace& place : after.Layout) {
        const std::string& name = place.Name;
        const auto now = after.Requests.find(name);
        const auto then = before.Requests.find(name);
        if (now != after.Requests.end() && then != before.Requests.end() &&
            now->second > then->second)
            names.push_back(name);
    }
    return names;
}

// --- Components ------------------------------------------------------------------------------

// The first free name of the class's kind: TWbText gives WbText1, WbText2, ...
std::string NewName(const TForm& form, const std::string& className) {
    const std::string stem =
        className.size() > 1 && (className[0] == 'T' || className[0] == 't') ? className.substr(1)
                                                                              : className;
    for (int number = 1;; ++number) {
        const std::string name = stem + std::to_string(number);
        if (form.FindComponent(name) == nullptr && !wb::SameText(form.Name(), name)) return name;
    }
}

TWinControl& FindContainer(const TForm& form, const std::string& name) {
    TComponent& found = FindDesigned(form, name);
    auto* container = dynamic_cast<TWinControl*>(&found);
    if (container == nullptr) throw Exception(found.Name() + " cannot hold controls");
    return *container;
}

// Where Control's top-left corner lies on the form.
std::pair<int32_t, int32_t> OriginOnForm(const TForm& form, const TControl& control) {
    int32_t x = 0;
    int32_t y = 0;
    for (const TControl* at = &control; at != nullptr && at != &form; at = at->Parent()) {
        x = wb::WrapAdd(x, at->Left());
        y = wb::WrapAdd(y, at->Top());
    }
    return {x, y};
}

// Every control inside Control, deepest first, then Control itself.
void CollectForDeletion(TComponent& component, std::vector<TComponent*>& doomed) {
    if (auto* container = dynamic_cast<TWinControl*>(&component))
        for (TControl* child : container->ControlList()) CollectForDeletion(*child, doomed);
    doomed.push_back(&component);
}

// --- Properties ------------------------------------------------------------------------------

[[noreturn]] void WrongValue(const std::string& where, const char* expected) {
    throw Exception(where + ": expected " + expected);
}

int64_t IntegerValue(const TPropertyValue& value, const TPropertyInfo& property,
                     const std::string& where) {
    const auto* number = std::get_if<int64_t>(&value);
    if (number == nullptr) WrongValue(where, "an integer");
    if (*number < property.Min || *number > property.Max)
        throw Exception(where + ": value " + std::to_string(*number) + " out of range (" +
                        std::to_string(property.Min) + " to " + std::to_string(property.Max) +
                        ")");
    return *number;
}

int64_t EnumerationValue(const TPropertyValue& value, const TPropertyInfo& property,
                         const std::string& where) {
    const auto& names = property.ValueNames;
    if (const auto* index = std::get_if<int64_t>(&value)) {
        if (*index < 0 || *index >= static_cast<int64_t>(names.size()))
            throw Exception(where + ": no value number " + std::to_string(*index));
        return *index;
    }
    const auto* text = std::get_if<std::string>(&value);
    const auto found = text == nullptr ? names.end()
                                       : std::find_if(names.begin(), names.end(),
                                                      [&](const char* name) {
                                                          return wb::SameText(name, *text);
                                                      });
    if (found == names.end()) {
        std::string list;
        for (const char* name : names) list += (list.empty() ? "" : ", ") + std::string(name);
        throw Exception(where + ": expected one of " + list);
    }
    return found - names.begin();
}

// A colour by name (clWhite), as a decimal or $hexadecimal number, or as #RRGGBB.
int64_t ColorValue(const TPropertyValue& value, const std::string& where) {
    if (const auto* number = std::get_if<int64_t>(&value)) {
        if (*number < INT32_MIN || *number > UINT32_MAX)
            throw Exception(where + ": " + std::to_string(*number) + " is not a colour");
        return static_cast<wb::TColor>(static_cast<uint32_t>(*number));
    }
    const auto* text = std::get_if<std::string>(&value);
    if (text == nullptr) WrongValue(where, "a colour");
    wb::TColor color = 0;
    if (wb::IdentToColor(*text, color)) return color;
    const auto hex = [&](const std::string& digits, size_t most) -> std::optional<uint32_t> {
        if (digits.empty() || digits.size() > most ||
            digits.find_first_not_of("0123456789abcdefABCDEF") != std::string::npos)
            return std::nullopt;
        return static_cast<uint32_t>(std::stoul(digits, nullptr, 16));
    };
    if (text->starts_with("#") && text->size() == 7)
        if (const auto rgb = hex(text->substr(1), 6))
            return wb::RGB(static_cast<uint8_t>(*rgb >> 16), static_cast<uint8_t>(*rgb >> 8),
                           static_cast<uint8_t>(*rgb));
    if (text->starts_with("$"))
        if (const auto number = hex(text->substr(1), 8)) return static_cast<wb::TColor>(*number);
    int32_t number = 0;
    const char* end = text->data() + text->size();
    if (const auto [stop, error] = std::from_chars(text->data(), end, number);
        !text->empty() && error == std::errc() && stop == end)
        return number;
    throw Exception(where + ": unknown colour '" + *text + "'");
}

bool IsIdentifier(const std::string& text) {
    if (text.empty() || !(std::isalpha(static_cast<unsigned char>(text[0])) || text[0] == '_'))
        return false;
    return std::all_of(text.begin(), text.end(), [](char c) {
        return std::isalnum(static_cast<unsigned char>(c)) || c == '_';
    });
}

void SetValue(wb::TPersistent& target, const TPropertyInfo& property,
              const TPropertyValue& value, const std::string& where) {
    switch (property.Kind) {
        case TPropertyKind::Integer:
            property.SetOrdinal(target, IntegerValue(value, property, where));
            return;
        case TPropertyKind::Boolean: {
            const auto* flag = std::get_if<bool>(&value);
            if (flag == nullptr) WrongValue(where, "True or False");
            property.SetOrdinal(target, *flag ? 1 : 0);
            return;
        }
        case TPropertyKind::Enumeration:
            property.SetOrdinal(target, EnumerationValue(value, property, where));
            return;
        case TPropertyKind::Color:
            property.SetOrdinal(target, ColorValue(value, where));
            return;
        case TPropertyKind::String: {
            const auto* text = std::get_if<std::string>(&value);
            if (text == nullptr) WrongValue(where, "a string");
            property.SetString(target, *text);
            return;
        }
        case TPropertyKind::Strings: {
            const auto* lines = std::get_if<std::vector<std::string>>(&value);
            if (lines == nullptr) WrongValue(where, "a list of strings");
            wb::TStringList list;
            for (const auto& line : *lines) list.Add(line);
            property.SetStrings(target, list);
            return;
        }
        case TPropertyKind::Event: {
            // A designer names the handler; the program that loads the form binds it.
            const auto* name = std::get_if<std::string>(&value);
            if (name == nullptr || (!name->empty() && !IsIdentifier(*name)))
                WrongValue(where, "the name of an event handler");
            if (name->empty())
                property.SetEvent(target, nullptr);
            else
                property.SetEvent(target, wb::TNamedHandler{*name, nullptr});
            return;
        }
        case TPropertyKind::Object:  // reached through dotted names only
            return;
    }
}

// Follows a dotted path through the owned objects it names, as a form file does.
void SetPath(TComponent& component, const std::string& path, const TPropertyValue& value) {
    std::vector<std::string> parts;
    for (size_t start = 0;;) {
        const size_t dot = path.find('.', start);
        parts.push_back(path.substr(start, dot - start));
        if (dot == std::string::npos) break;
        start = dot + 1;
    }
    const std::string where = component.Name() + ": " + path;
    wb::TPersistent* target = &component;
    const wb::TPublishedClass* targetClass = wb::PublishedClassOf(component);
    for (size_t i = 0; i < parts.size(); ++i) {
        const TPropertyInfo* property =
            targetClass == nullptr ? nullptr : targetClass->FindProperty(parts[i]);
        if (property == nullptr) throw Exception(component.Name() + ": unknown property '" + path + "'");
        const bool last = i + 1 == parts.size();
        if (property->Kind == TPropertyKind::Object) {
            if (last)
                throw Exception(where + " is an object: set its properties as " + path +
                                ".PROPERTY");
            target = &property->GetObject(*target);
            targetClass = wb::PublishedClassOf(*target);
            continue;
        }
        // A string list may also be named as the form file names it: Lines.Strings.
        const bool strings = property->Kind == TPropertyKind::Strings && i + 2 == parts.size() &&
                             wb::SameText(parts[i + 1], "Strings");
        if (!last && !strings)
            throw Exception(component.Name() + ": unknown property '" + path + "'");
        SetValue(*target, *property, value, where);
        return;
    }
}

}  // namespace

wb::TComponent& FindDesigned(const TForm& Form, const std::string& Name) {
    if (wb::SameText(Form.Name(), Name)) return const_cast<TForm&>(Form);
    if (TComponent* found = Form.FindComponent(Name)) return *found;
    throw Exception("no component named '" + Name + "'");
}

TDesigner::TDesigner(std::string FileName) : FFileName(std::move(FileName)) {
    FSaved = FileExists(FFileName);
    FForm = Read(FSaved ? ReadFile(FFileName) : kNewForm);
    FText = wb::WriteForm(*FForm);
    FSavedText = FText;
}

TDesigner::~TDesigner() = default;

std::unique_ptr<TForm> TDesigner::Read(const std::string& text) const {
    return wb::ReadForm(text, FFileName, {.IgnoreEvents = true, .Designing = true});
}

// The change runs on a copy read from the text; the form is replaced only when the change
// succeeded and its text reads back.
template <class Change>
TChange TDesigner::Apply(const Change& change) {
    std::unique_ptr<TForm> copy = Read(FText);
    const TSurfaceState before = SurfaceState(*copy);
    TChange result;
    result.Component = change(*copy);
    const TSurfaceState after = SurfaceState(*copy);
    std::string text = wb::WriteForm(*copy);
    std::unique_ptr<TForm> fresh;
    try {
        fresh = Read(text);
    } catch (const Exception& e) {
        throw Exception("the change cannot be stored in a form file: " + e.Message());
    }
    result.Repainted = Repainted(before, after);
    result.SurfaceChanged = !result.Repainted.empty() || before.Layout != after.Layout;
    if (result.SurfaceChanged) ++FRevision;
    if (text != FText) {
        FUndo.push_back(std::move(FText));
        if (FUndo.size() > kUndoDepth) FUndo.erase(FUndo.begin());
        FText = std::move(text);
    }
    FForm = std::move(fresh);
    return result;
}

TChange TDesigner::Create(const std::string& ClassName, const std::string& ParentName,
                          int32_t Left, int32_t Top) {
    const wb::TPaletteEntry* entry = FindPaletteEntry(ClassName);
    const wb::TPublishedClass* componentClass = entry == nullptr ? nullptr : entry->ComponentClass;
    if (componentClass == nullptr || componentClass->Factory() == nullptr)
        throw Exception("'" + ClassName + "' is not on the palette");
    return Apply([&](TForm& form) {
        std::unique_ptr<TComponent> component(componentClass->Factory()(nullptr));
        form.InsertComponent(component.get());
        component->SetName(NewName(form, componentClass->Name()));
        TWinControl& container = FindContainer(form, ParentName);
        if (auto* control = dynamic_cast<TControl*>(component.get())) {
            control->SetParent(&container);
            control->SetBounds(Left, Top, control->Width(), control->Height());
        } else {
            const auto [x, y] = OriginOnForm(form, container);
            component->SetDesignLeft(wb::WrapAdd(x, Left));
            component->SetDesignTop(wb::WrapAdd(y, Top));
        }
        return component.release()->Name();
    });
}

TChange TDesigner::SetBounds(const std::string& Name, int32_t Left, int32_t Top, int32_t Width,
                             int32_t Height) {
    return Apply([&](TForm& form) {
        TComponent& component = FindDesigned(form, Name);
        if (auto* control = dynamic_cast<TControl*>(&component)) {
            control->SetBounds(Left, Top, Width, Height);
        } else {
            component.SetDesignLeft(Left);
            component.SetDesignTop(Top);
        }
        return component.Name();
    });
}

TChange TDesigner::SetProperty(const std::string& Name, const std::string& Path,
                               const TPropertyValue& Value) {
    return Apply([&](TForm& form) {
        TComponent& component = FindDesigned(form, Name);
        if (wb::SameText(Path, "Name")) {
            const auto* name = std::get_if<std::string>(&Value);
            if (name == nullptr || name->empty())
                throw Exception(component.Name() + ": Name: expected a name");
            const bool taken = &component == &form ? form.FindComponent(*name) != nullptr
                                                   : wb::SameText(form.Name(), *name);
            if (taken) throw Exception("A component named " + *name + " already exists");
            component.SetName(*name);
        } else {
            SetPath(component, Path, Value);
        }
        return component.Name();
    });
}

TChange TDesigner::Delete(const std::string& Name) {
    return Apply([&](TForm& form) {
        TComponent& component = FindDesigned(form, Name);
        if (&component == &form) throw Exception("the form itself cannot be deleted");
        std::vector<TComponent*> doomed;
        CollectForDeletion(component, doomed);
        const std::string name = component.Name();
        for (TComponent* each : doomed) delete each;
        return name;
    });
}

TChange TDesigner::Undo() {
    if (FUndo.empty()) throw Exception("there is nothing to undo");
    std::unique_ptr<TForm> restored = Read(FUndo.back());
    FText = std::move(FUndo.back());
    FUndo.pop_back();
    FForm = std::move(restored);
    ++FRevision;
    TChange result;
    result.SurfaceChanged = true;
    return result;
}

void TDesigner::Save() {
    wb::ReplaceFile(FFileName, FText);
    FSavedText = FText;
    FSaved = true;
}

wb::TWbPage* TDesigner::FirstPage() const {
    for (int32_t i = 0; i < FForm->ComponentCount(); ++i)
        if (auto* page = dynamic_cast<wb::TWbPage*>(FForm->Components(i))) return page;
    return nullptr;
}

}  // namespace wbforms_designer
