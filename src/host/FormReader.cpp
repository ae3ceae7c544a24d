#include "host/FormReader.h"

#include <algorithm>
#include <span>
#include <vector>

#include "host/Controls.h"
#include "host/Exception.h"
#include "host/FormLexer.h"
#include "host/Published.h"
#include "host/SysUtils.h"

namespace wb {

bool TTextLess::operator()(std::string_view A, std::string_view B) const {
    const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : int{c}; };
    return std::lexicographical_compare(A.begin(), A.end(), B.begin(), B.end(),
                                        [&](char x, char y) { return lower(x) < lower(y); });
}

namespace {

enum class TValueKind : uint8_t { Integer, Identifier, String, List, Set };

struct TValue {
    TValueKind Kind = TValueKind::Integer;
    TFormPosition Position;
    int32_t Integer = 0;
    std::string Text;                // an identifier or a string
    std::vector<std::string> Items;  // the strings of a list, the identifiers of a set
};

std::string Describe(const TValue& value) {
    switch (value.Kind) {
        case TValueKind::Integer:
            return "the integer " + std::to_string(value.Integer);
        case TValueKind::Identifier:
            return "'" + value.Text + "'";
        case TValueKind::String:
            return "a string";
        case TValueKind::List:
            return "a list";
        case TValueKind::Set:
            return "a set";
    }
    return {};
}

std::string Join(const std::vector<std::string>& parts, size_t count) {
    std::string joined;
    for (size_t i = 0; i < count; ++i) {
        if (i > 0) joined += '.';
        joined += parts[i];
    }
    return joined;
}

std::string NameList(std::span<const char* const> names) {
    std::string list;
    for (const char* name : names) {
        if (!list.empty()) list += ", ";
        list += name;
    }
    return list;
}

// One object line with its name and class.
struct THeader {
    TFormPosition Position;  // of the keyword 'object'
    std::string Name;
    TFormPosition NamePosition;
    std::string ClassName;
};

// A property line: the dotted name and where it starts.
struct TPropertyPath {
    TFormPosition Position;
    std::vector<std::string> Parts;
};

class TReader {
public:
    TReader(std::string_view text, const std::string& fileName, const TFormReadOptions& options)
        : FLexer(text, fileName), FOptions(options) {}

    std::unique_ptr<TForm> ReadRoot();

private:
    std::unique_ptr<TForm> CreateForm(const THeader& header);
    THeader ReadHeader();
    void ReadBody(TComponent& component, const TPublishedClass& componentClass,
                  TFormPosition start);
    void ReadChild(TComponent& parent);
    TComponent& CreateChild(const THeader& header, const TPublishedClass& childClass);
    void Place(TComponent& child, TComponent& parent, const THeader& header);

    void ReadProperty(TComponent& component, const TPublishedClass& componentClass);
    TPropertyPath ReadPropertyPath();
    void Apply(TComponent& component, const TPublishedClass& componentClass,
               const TPropertyPath& path, const TValue& value);
    void ApplyValue(const TComponent& component, TPersistent& target, const TPropertyInfo& property,
                    const TValue& value);
    void ApplyOrdinal(const TComponent& component, TPersistent& target,
                      const TPropertyInfo& property, const TValue& value);
    void ApplyEvent(const TComponent& component, TPersistent& target, const TPropertyInfo& property,
                    const TValue& value);

    TValue ReadValue();
    std::string ReadStringSum();
    void ReadList(TValue& value);
    void ReadSet(TValue& value);

    std::string ExpectIdentifier(const char* what);
    void ExpectSymbol(char symbol);

    [[noreturn]] void Error(TFormPosition position, const std::string& reason) const {
        FLexer.Error(position, reason);
    }
    [[noreturn]] void Error(TFormPosition position, const TComponent& component,
                            const std::string& reason) const {
        FLexer.Error(position, component.Name() + ": " + reason);
    }
    [[noreturn]] void WrongType(const TComponent& component, const TPropertyInfo& property,
                                const TValue& value, const char* expected) const {
        Error(value.Position, component,
              "expected " + std::string(expected) + " for " + property.Name + ", found " +
                  Describe(value));
    }

    TFormLexer FLexer;
    const TFormReadOptions& FOptions;
    TForm* FForm = nullptr;
    int FDepth = 0;
};

std::unique_ptr<TForm> TReader::ReadRoot() {
    const THeader header = ReadHeader();
    std::unique_ptr<TForm> form = CreateForm(header);
    FForm = form.get();
    form->SetName(header.Name);
    if (FOptions.Designing) form->SetDesigning(true);
    form->SetLoading(true);
    const TPublishedClass* formClass = PublishedClassOf(*form);
    if (formClass == nullptr) formClass = FindPublishedClass("TForm");
    ReadBody(*form, *formClass, header.Position);
    if (FLexer.Current().Kind != TFormTokenKind::EndOfFile)
        Error(FLexer.Current().Position, "expected the end of the file after the form's 'end'");
    form->SetLoading(false);
    for (int32_t i = 0; i < form->ComponentCount(); ++i) form->Components(i)->SetLoading(false);
    return form;
}

// The root is the form: TForm, or a class that is not registered (the user's TForm1), which
// loads as a plain form that remembers its class name.
std::unique_ptr<TForm> TReader::CreateForm(const THeader& header) {
    const TPublishedClass* rootClass = FindPublishedClass(header.ClassName);
    if (rootClass == nullptr) {
        auto form = std::make_unique<TForm>();
        form->SetFormClassName(header.ClassName);
        return form;
    }
    if (rootClass->Factory() != nullptr) {
        std::unique_ptr<TComponent> created(rootClass->Factory()(nullptr));
        if (dynamic_cast<TForm*>(created.get()) != nullptr)
            return std::unique_ptr<TForm>(static_cast<TForm*>(created.release()));
    }
    Error(header.Position, "the root object must be a form, not a " + rootClass->Name());
}

THeader TReader::ReadHeader() {
    THeader header;
    header.Position = FLexer.Current().Position;
    if (FLexer.IsKeyword("inherited") || FLexer.IsKeyword("inline"))
        Error(header.Position, "'" + FLexer.Current().Text + "' objects are not supported");
    if (!FLexer.IsKeyword("object")) Error(header.Position, "expected 'object'");
    FLexer.Next();
    header.NamePosition = FLexer.Current().Position;
    header.Name = ExpectIdentifier("the object's name");
    ExpectSymbol(':');
    header.ClassName = ExpectIdentifier("the object's class");
    return header;
}

// Property lines, then the nested objects, then 'end'.
void TReader::ReadBody(TComponent& component, const TPublishedClass& componentClass,
                       TFormPosition start) {
    bool nested = false;
    for (;;) {
        const TFormToken& token = FLexer.Current();
        if (token.Kind == TFormTokenKind::EndOfFile)
            Error(token.Position, "missing 'end' of " + component.Name() + " (object at " +
                                      std::to_string(start.Line) + ":" +
                                      std::to_string(start.Column) + ")");
        if (FLexer.IsKeyword("end")) {
            FLexer.Next();
            return;
        }
        if (FLexer.IsKeyword("object") || FLexer.IsKeyword("inherited") ||
            FLexer.IsKeyword("inline")) {
            ReadChild(component);
            nested = true;
        } else if (token.Kind == TFormTokenKind::Identifier && !nested) {
            ReadProperty(component, componentClass);
        } else {
            Error(token.Position,
                  nested ? "expected 'object' or 'end'" : "expected a property, 'object' or 'end'");
        }
    }
}

void TReader::ReadChild(TComponent& parent) {
    if (FDepth == kMaxFormDepth)
        Error(FLexer.Current().Position,
              "objects nested more than " + std::to_string(kMaxFormDepth) + " levels deep");
    ++FDepth;
    const THeader header = ReadHeader();
    const TPublishedClass* childClass = FindPublishedClass(header.ClassName);
    if (childClass == nullptr) Error(header.Position, "unknown class '" + header.ClassName + "'");
    if (childClass->Factory() == nullptr)
        Error(header.Position, "class '" + childClass->Name() + "' cannot be created in a form");
    TComponent& child = CreateChild(header, *childClass);
    Place(child, parent, header);
    ReadBody(child, *childClass, header.Position);
    --FDepth;
}

// Created without an owner and given to the form once it is complete, so the form's placement
// check sees the finished object; until the form has it, the reader owns it.
TComponent& TReader::CreateChild(const THeader& header, const TPublishedClass& childClass) {
    std::unique_ptr<TComponent> created(childClass.Factory()(nullptr));
    try {
        FForm->InsertComponent(created.get());
    } catch (const Exception& e) {
        Error(header.Position, header.Name + ": " + e.Message());
    }
    TComponent& child = *created.release();
    try {
        child.SetName(header.Name);
    } catch (const Exception& e) {
        Error(header.NamePosition, e.Message());
    }
    child.SetLoading(true);
    return child;
}

void TReader::Place(TComponent& child, TComponent& parent, const THeader& header) {
    auto* control = dynamic_cast<TControl*>(&child);
    if (control == nullptr) {
        if (&parent != FForm)
            Error(header.Position, child,
                  "a " + child.ClassName() + " is not a control; only the form can hold it");
        return;
    }
    auto* container = dynamic_cast<TWinControl*>(&parent);
    if (container == nullptr)
        Error(header.Position, child, parent.Name() + " cannot hold controls");
    try {
        control->SetParent(container);
    } catch (const Exception& e) {
        Error(header.Position, child, e.Message());
    }
}

void TReader::ReadProperty(TComponent& component, const TPublishedClass& componentClass) {
    const TPropertyPath path = ReadPropertyPath();
    ExpectSymbol('=');
    const TValue value = ReadValue();
    try {
        Apply(component, componentClass, path, value);
    } catch (const EFormFileError&) {
        throw;
    } catch (const Exception& e) {
        // A setter that refuses the value.
        Error(value.Position, component, e.Message());
    }
}

TPropertyPath TReader::ReadPropertyPath() {
    TPropertyPath path;
    path.Position = FLexer.Current().Position;
    path.Parts.push_back(ExpectIdentifier("a property name"));
    while (FLexer.IsSymbol('.')) {
        FLexer.Next();
        path.Parts.push_back(ExpectIdentifier("a property name after '.'"));
    }
    return path;
}

// Follows a dotted name through the owned objects it names to the property it sets.
void TReader::Apply(TComponent& component, const TPublishedClass& componentClass,
                    const TPropertyPath& path, const TValue& value) {
    TPersistent* target = &component;
    const TPublishedClass* targetClass = &componentClass;
    const auto unknown = [&] {
        Error(path.Position, component,
              "unknown property '" + Join(path.Parts, path.Parts.size()) + "'");
    };
    for (size_t i = 0; i < path.Parts.size(); ++i) {
        const TPropertyInfo* property = targetClass->FindProperty(path.Parts[i]);
        if (property == nullptr) unknown();
        const bool last = i + 1 == path.Parts.size();
        const std::string name = Join(path.Parts, i + 1);
        if (property->Kind == TPropertyKind::Object) {
            if (last)
                Error(path.Position, component,
                      name + " is an object: set its properties as " + name + ".PROPERTY");
            target = &property->GetObject(*target);
            targetClass = PublishedClassOf(*target);
            if (targetClass == nullptr)
                Error(path.Position, component,
                      "the class " + target->ClassName() + " of " + name + " is not registered");
        } else if (property->Kind == TPropertyKind::Strings) {
            if (last)
                Error(path.Position, component,
                      name + " is a string list: write " + name + ".Strings = ( ... )");
            if (i + 2 != path.Parts.size() || !SameText(path.Parts[i + 1], "Strings")) unknown();
            ApplyValue(component, *target, *property, value);
            return;
        } else {
            if (!last) unknown();
            ApplyValue(component, *target, *property, value);
        }
    }
}

void TReader::ApplyValue(const TComponent& component, TPersistent& target,
                         const TPropertyInfo& property, const TValue& value) {
    switch (property.Kind) {
        case TPropertyKind::String:
            if (value.Kind != TValueKind::String) WrongType(component, property, value, "a string");
            property.SetString(target, value.Text);
            return;
        case TPropertyKind::Strings: {
            if (value.Kind != TValueKind::List)
                WrongType(component, property, value, "a list of strings in parentheses");
            TStringList lines;
            for (const auto& item : value.Items) lines.Add(item);
            property.SetStrings(target, lines);
            return;
        }
        case TPropertyKind::Event:
            ApplyEvent(component, target, property, value);
            return;
        case TPropertyKind::Object:  // reached through dotted names only
            return;
        default:
            ApplyOrdinal(component, target, property, value);
    }
}

void TReader::ApplyOrdinal(const TComponent& component, TPersistent& target,
                           const TPropertyInfo& property, const TValue& value) {
    int64_t number = 0;
    switch (property.Kind) {
        case TPropertyKind::Integer:
            if (value.Kind != TValueKind::Integer)
                WrongType(component, property, value, "an integer");
            number = value.Integer;
            if (number < property.Min || number > property.Max)
                Error(value.Position, component,
                      "value " + std::to_string(number) + " out of range for " + property.Name +
                          " (" + std::to_string(property.Min) + " to " +
                          std::to_string(property.Max) + ")");
            break;
        case TPropertyKind::Boolean:
            if (value.Kind != TValueKind::Identifier ||
                (!SameText(value.Text, "True") && !SameText(value.Text, "False")))
                WrongType(component, property, value, "True or False");
            number = SameText(value.Text, "True") ? 1 : 0;
            break;
        case TPropertyKind::Enumeration: {
            const auto& names = property.ValueNames;
            const auto found =
                value.Kind != TValueKind::Identifier
                    ? names.end()
                    : std::find_if(names.begin(), names.end(),
                                   [&](const char* name) { return SameText(name, value.Text); });
            if (found == names.end())
                WrongType(component, property, value, ("one of " + NameList(names)).c_str());
            number = found - names.begin();
            break;
        }
        case TPropertyKind::Color: {
            TColor color = 0;
            if (value.Kind == TValueKind::Integer)
                color = value.Integer;
            else if (value.Kind != TValueKind::Identifier)
                WrongType(component, property, value, "a colour");
            else if (!IdentToColor(value.Text, color))
                Error(value.Position, component, "unknown colour '" + value.Text + "'");
            number = color;
            break;
        }
        default:
            return;
    }
    property.SetOrdinal(target, number);
}

void TReader::ApplyEvent(const TComponent& component, TPersistent& target,
                         const TPropertyInfo& property, const TValue& value) {
    if (value.Kind != TValueKind::Identifier)
        WrongType(component, property, value, "the name of an event handler");
    TNamedHandler binding{value.Text, nullptr};
    if (!FOptions.IgnoreEvents) {
        const auto found = FOptions.Handlers.find(value.Text);
        if (found == FOptions.Handlers.end())
            Error(value.Position, component,
                  "unknown event handler '" + value.Text + "' for " + property.Name);
        binding.Handler = found->second;
    }
    property.SetEvent(target, std::move(binding));
}

TValue TReader::ReadValue() {
    TValue value;
    const TFormToken& token = FLexer.Current();
    value.Position = token.Position;
    switch (token.Kind) {
        case TFormTokenKind::Integer:
            value.Kind = TValueKind::Integer;
            value.Integer = token.Integer;
            FLexer.Next();
            return value;
        case TFormTokenKind::Identifier:
            value.Kind = TValueKind::Identifier;
            value.Text = token.Text;
            FLexer.Next();
            return value;
        case TFormTokenKind::String:
            value.Kind = TValueKind::String;
            value.Text = ReadStringSum();
            return value;
        case TFormTokenKind::Symbol:
            if (token.Symbol == '(') {
                ReadList(value);
                return value;
            }
            if (token.Symbol == '[') {
                ReadSet(value);
                return value;
            }
            break;
        case TFormTokenKind::EndOfFile:
            break;
    }
    Error(token.Position, "expected a value");
}

// Strings joined with '+', also across line ends.
std::string TReader::ReadStringSum() {
    std::string text = FLexer.Current().Text;
    FLexer.Next();
    while (FLexer.IsSymbol('+')) {
        FLexer.Next();
        if (FLexer.Current().Kind != TFormTokenKind::String)
            Error(FLexer.Current().Position, "expected a string after '+'");
        text += FLexer.Current().Text;
        FLexer.Next();
    }
    return text;
}

void TReader::ReadList(TValue& value) {
    value.Kind = TValueKind::List;
    const TFormPosition opening = FLexer.Current().Position;
    FLexer.Next();
    for (;;) {
        const TFormToken& token = FLexer.Current();
        if (token.Kind == TFormTokenKind::String) {
            value.Items.push_back(ReadStringSum());
        } else if (FLexer.IsSymbol(')')) {
            FLexer.Next();
            return;
        } else if (token.Kind == TFormTokenKind::EndOfFile) {
            Error(token.Position, "unterminated list: expected ')' to close the list opened at " +
                                      std::to_string(opening.Line) + ":" +
                                      std::to_string(opening.Column));
        } else {
            Error(token.Position, "expected a string or ')'");
        }
    }
}

void TReader::ReadSet(TValue& value) {
    value.Kind = TValueKind::Set;
    const TFormPosition opening = FLexer.Current().Position;
    FLexer.Next();
    if (FLexer.IsSymbol(']')) {
        FLexer.Next();
        return;
    }
    for (;;) {
        if (FLexer.Current().Kind == TFormTokenKind::EndOfFile)
            Error(FLexer.Current().Position,
                  "unterminated set: expected ']' to close the set opened at " +
                      std::to_string(opening.Line) + ":" + std::to_string(opening.Column));
        value.Items.push_back(ExpectIdentifier("a set element"));
        if (FLexer.IsSymbol(']')) {
            FLexer.Next();
            return;
        }
        if (FLexer.Current().Kind != TFormTokenKind::EndOfFile) ExpectSymbol(',');
    }
}

std::string TReader::ExpectIdentifier(const char* what) {
    const TFormToken& token = FLexer.Current();
    if (token.Kind != TFormTokenKind::Identifier)
        Error(token.Position, "expected " + std::string(what));
    std::string text = token.Text;
    FLexer.Next();
    return text;
}

void TReader::ExpectSymbol(char symbol) {
    if (!FLexer.IsSymbol(symbol))
        Error(FLexer.Current().Position, std::string("expected '") + symbol + "'");
    FLexer.Next();
}

}  // namespace

std::unique_ptr<TForm> ReadForm(std::string_view Text, const std::string& FileName,
                                const TFormReadOptions& Options) {
    return TReader(Text, FileName, Options).ReadRoot();
}

}  // namespace wb
