#include "host/FormWriter.h"

#include <vector>

#include "host/Exception.h"
#include "host/Published.h"

namespace wb {

namespace {

bool IsPrintable(unsigned char c) { return c >= 32 && c < 127; }

class TWriter {
public:
    std::string Write(const TForm& form);

private:
    void WriteObject(const TComponent& component, const std::string& className,
                     const TPublishedClass& componentClass,
                     const std::vector<const TComponent*>& children, int depth);
    void WriteProperties(const TComponent& component, const TPersistent& object,
                         const TPublishedClass& objectClass, const std::string& prefix, int depth);
    void WriteProperty(const TComponent& component, const TPersistent& object,
                       const TPropertyInfo& property, const std::string& name, int depth);
    void WriteStrings(const TStrings& lines, int depth);
    void WriteChild(const TComponent& child, int depth);
    void Indent(int depth) { FText.append(static_cast<size_t>(2 * depth), ' '); }

    std::string FText;
};

// The form's own children: what it owns and what lies on nothing or on the form, in the order
// it owns them (the file order of a loaded form), then controls on the form that it does not
// own.
std::vector<const TComponent*> FormChildren(const TForm& form) {
    std::vector<const TComponent*> children;
    for (int32_t i = 0; i < form.ComponentCount(); ++i) {
        const TComponent* owned = form.Components(i);
        const auto* control = dynamic_cast<const TControl*>(owned);
        if (control == nullptr || control->Parent() == nullptr || control->Parent() == &form)
            children.push_back(owned);
    }
    for (const TControl* control : form.ControlList())
        if (control->Owner() != &form) children.push_back(control);
    return children;
}

std::vector<const TComponent*> ChildControls(const TComponent& component) {
    std::vector<const TComponent*> children;
    if (const auto* container = dynamic_cast<const TWinControl*>(&component))
        children.assign(container->ControlList().begin(), container->ControlList().end());
    return children;
}

std::string TWriter::Write(const TForm& form) {
    const TPublishedClass* formClass = PublishedClassOf(form);
    if (formClass == nullptr) formClass = FindPublishedClass("TForm");
    std::string className = form.FormClassName();
    if (className.empty()) className = form.ClassName();
    WriteObject(form, className, *formClass, FormChildren(form), 0);
    return std::move(FText);
}

void TWriter::WriteObject(const TComponent& component, const std::string& className,
                          const TPublishedClass& componentClass,
                          const std::vector<const TComponent*>& children, int depth) {
    Indent(depth);
    FText += "object ";
    FText += component.Name();
    FText += ": ";
    FText += className;
    FText += '\n';
    WriteProperties(component, component, componentClass, "", depth + 1);
    for (const TComponent* child : children) WriteChild(*child, depth + 1);
    Indent(depth);
    FText += "end\n";
}

void TWriter::WriteChild(const TComponent& child, int depth) {
    const TPublishedClass* childClass = PublishedClassOf(child);
    if (child.Name().empty())
        throw Exception("a " + child.ClassName() + " has no name; a form file needs one");
    if (childClass == nullptr || childClass->Factory() == nullptr)
        throw Exception(child.Name() + ": class " + child.ClassName() +
                        " is not registered for form files");
    WriteObject(child, childClass->Name(), *childClass, ChildControls(child), depth);
}

void TWriter::WriteProperties(const TComponent& component, const TPersistent& object,
                              const TPublishedClass& objectClass, const std::string& prefix,
                              int depth) {
    for (const TPropertyInfo* property : objectClass.Properties())
        WriteProperty(component, object, *property, prefix + property->Name, depth);
}

void TWriter::WriteProperty(const TComponent& component, const TPersistent& object,
                            const TPropertyInfo& property, const std::string& name, int depth) {
    std::string value;
    switch (property.Kind) {
        case TPropertyKind::Integer:
            value = std::to_string(property.StoredOrdinal(object));
            break;
        case TPropertyKind::Boolean:
            value = property.StoredOrdinal(object) != 0 ? "True" : "False";
            break;
        case TPropertyKind::Enumeration: {
            const int64_t ordinal = property.StoredOrdinal(object);
            if (ordinal < 0 || static_cast<size_t>(ordinal) >= property.ValueNames.size())
                throw Exception(component.Name() + ": " + name + " has no value named " +
                                std::to_string(ordinal));
            value = property.ValueNames[static_cast<size_t>(ordinal)];
            break;
        }
        case TPropertyKind::Color:
            value = ColorToString(static_cast<TColor>(property.StoredOrdinal(object)));
            break;
        case TPropertyKind::String:
            value = QuoteFormString(property.GetString(object));
            break;
        case TPropertyKind::Strings:
            Indent(depth);
            FText += name;
            FText += ".Strings = (";
            WriteStrings(property.GetStrings(object), depth + 1);
            FText += ")\n";
            return;
        case TPropertyKind::Object: {
            const TPersistent& nested = property.GetObject(object);
            const TPublishedClass* nestedClass = PublishedClassOf(nested);
            if (nestedClass == nullptr)
                throw Exception(component.Name() + ": the class " + nested.ClassName() + " of " +
                                name + " is not registered for form files");
            WriteProperties(component, nested, *nestedClass, name + ".", depth);
            return;
        }
        case TPropertyKind::Event: {
            const TNotifyEvent& event = property.GetEvent(object);
            if (!event) return;
            const auto* binding = event.target<TNamedHandler>();
            if (binding == nullptr)
                throw Exception(component.Name() + ": the handler of " + name +
                                " has no name; assign a TNamedHandler to store it");
            value = binding->Name;
            break;
        }
    }
    Indent(depth);
    FText += name;
    FText += " = ";
    FText += value;
    FText += '\n';
}

void TWriter::WriteStrings(const TStrings& lines, int depth) {
    for (const auto& line : lines) {
        FText += '\n';
        Indent(depth);
        FText += QuoteFormString(line);
    }
}

}  // namespace

std::string QuoteFormString(const std::string& Text) {
    if (Text.empty()) return "''";
    std::string quoted;
    bool inQuotes = false;
    for (const char c : Text) {
        const auto code = static_cast<unsigned char>(c);
        if (IsPrintable(code)) {
            if (!inQuotes) quoted += '\'';
            inQuotes = true;
            quoted += c;
            if (c == '\'') quoted += '\'';
        } else {
            if (inQuotes) quoted += '\'';
            inQuotes = false;
            quoted += '#';
            quoted += std::to_string(code);
        }
    }
    if (inQuotes) quoted += '\'';
    return quoted;
}

std::string WriteForm(const TForm& Form) { return TWriter().Write(Form); }

}  // namespace wb
