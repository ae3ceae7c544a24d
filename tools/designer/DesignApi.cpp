#include "designer/DesignApi.h"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <cstdio>
#include <limits>

#include "core/WbPage.h"
#include "designer/DesignerAssets.h"
#include "designer/Palette.h"
#include "host/DesignSurface.h"
#include "host/Exception.h"
#include "host/Graphics.h"
#include "host/PngFile.h"
#include "host/Published.h"
#include "host/Streams.h"

namespace wbforms_designer {

using nlohmann::json;
using wb::TComponent;
using wb::TControl;
using wb::TPropertyInfo;
using wb::TPropertyKind;

namespace {

// A request the API cannot take: answered 400 with the message.
class EBadRequest : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// --- Latin-1 and UTF-8 -----------------------------------------------------------------------

std::string ToUtf8(std::string_view latin1) {
    std::string utf8;
    utf8.reserve(latin1.size());
    for (const char c : latin1) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x80) {
            utf8 += c;
        } else {
            utf8 += static_cast<char>(0xC0 | (byte >> 6));
            utf8 += static_cast<char>(0x80 | (byte & 0x3F));
        }
    }
    return utf8;
}

// The JSON parser has checked that the text is well-formed UTF-8.
std::string ToLatin1(std::string_view utf8) {
    std::string latin1;
    latin1.reserve(utf8.size());
    for (size_t i = 0; i < utf8.size(); ++i) {
        const auto byte = static_cast<unsigned char>(utf8[i]);
        if (byte < 0x80) {
            latin1 += static_cast<char>(byte);
        } else if ((byte == 0xC2 || byte == 0xC3) && i + 1 < utf8.size()) {
            latin1 += static_cast<char>(((byte & 0x03) << 6) |
                                        (static_cast<unsigned char>(utf8[++i]) & 0x3F));
        } else {
            throw wb::Exception("the text holds a character that a form file cannot store (only "
                                "the Latin-1 characters can be stored)");
        }
    }
    return latin1;
}

// A byte sequence that is no UTF-8 (a file name in another encoding) shows as U+FFFD
// instead of failing the answer.
THttpResponse JsonResponse(int status, const json& body) {
    return {status, "application/json", body.dump(-1, ' ', false, json::error_handler_t::replace)};
}

THttpResponse ErrorResponse(int status, const std::string& latin1Message) {
    return JsonResponse(status, json{{"error", ToUtf8(latin1Message)}});
}

// --- The form as JSON ------------------------------------------------------------------------

json PropertiesJson(const wb::TPersistent& object, const wb::TPublishedClass& objectClass);

std::string HandlerName(const wb::TNotifyEvent& event) {
    if (!event) return "";
    const auto* binding = event.target<wb::TNamedHandler>();
    return binding != nullptr ? binding->Name : "";
}

// The colour as the inspector's colour chooser shows it, when it is a plain RGB colour.
json RgbOf(wb::TColor color) {
    if (color < 0 || color > 0xFFFFFF) return nullptr;
    char text[8];
    std::snprintf(text, sizeof text, "#%02x%02x%02x", wb::GetRValue(color), wb::GetGValue(color),
                  wb::GetBValue(color));
    return text;
}

json PropertyJson(const wb::TPersistent& object, const TPropertyInfo& property) {
    json entry{{"name", property.Name}};
    switch (property.Kind) {
        case TPropertyKind::Integer:
            entry["kind"] = "integer";
            entry["value"] = property.GetOrdinal(object);
            entry["min"] = property.Min;
            entry["max"] = property.Max;
            break;
        case TPropertyKind::Boolean:
            entry["kind"] = "boolean";
            entry["value"] = property.GetOrdinal(object) != 0;
            break;
        case TPropertyKind::Enumeration: {
            entry["kind"] = "enumeration";
            const int64_t index = property.GetOrdinal(object);
            const auto& names = property.ValueNames;
            entry["value"] = index >= 0 && index < static_cast<int64_t>(names.size())
                                 ? json(names[static_cast<size_t>(index)])
                                 : json(index);
            entry["names"] = json(std::vector<std::string>(names.begin(), names.end()));
            break;
        }
        case TPropertyKind::Color: {
            // What the form file stores: a transparent component shows clNone, not the colour
            // of the container it shows through.
            entry["kind"] = "color";
            const auto color = static_cast<wb::TColor>(property.StoredOrdinal(object));
            entry["value"] = wb::ColorToString(color);
            entry["rgb"] = RgbOf(color);
            break;
        }
        case TPropertyKind::String:
            entry["kind"] = "string";
            entry["value"] = ToUtf8(property.GetString(object));
            break;
        case TPropertyKind::Strings: {
            entry["kind"] = "strings";
            json lines = json::array();
            const wb::TStrings& strings = property.GetStrings(object);
            for (int32_t i = 0; i < strings.Count(); ++i) lines.push_back(ToUtf8(strings[i]));
            entry["value"] = std::move(lines);
            break;
        }
        case TPropertyKind::Object: {
            entry["kind"] = "object";
            const wb::TPersistent& nested = property.GetObject(object);
            const wb::TPublishedClass* nestedClass = wb::PublishedClassOf(nested);
            entry["class"] = nested.ClassName();
            entry["properties"] =
                nestedClass != nullptr ? PropertiesJson(nested, *nestedClass) : json::array();
            break;
        }
        case TPropertyKind::Event:
            entry["kind"] = "event";
            entry["value"] = HandlerName(property.GetEvent(object));
            break;
    }
    return entry;
}

json PropertiesJson(const wb::TPersistent& object, const wb::TPublishedClass& objectClass) {
    json properties = json::array();
    for (const TPropertyInfo* property : objectClass.Properties())
        properties.push_back(PropertyJson(object, *property));
    return properties;
}

json ComponentJson(const TComponent& component) {
    const auto* control = dynamic_cast<const TControl*>(&component);
    json entry{{"name", component.Name()}, {"class", component.ClassName()}};
    if (control != nullptr) {
        entry["parent"] = control->Parent() != nullptr ? json(control->Parent()->Name()) : json();
        entry["left"] = control->Left();
        entry["top"] = control->Top();
        entry["width"] = control->Width();
        entry["height"] = control->Height();
        entry["control"] = true;
        entry["acceptsControls"] = control->ControlStyle().Contains(wb::csAcceptsControls) &&
                                   dynamic_cast<const wb::TWinControl*>(control) != nullptr;
    } else {
        entry["parent"] = nullptr;
        entry["left"] = component.DesignLeft();
        entry["top"] = component.DesignTop();
        entry["control"] = false;
        entry["acceptsControls"] = false;
    }
    const wb::TPublishedClass* componentClass = wb::PublishedClassOf(component);
    if (componentClass == nullptr) componentClass = wb::FindPublishedClass("TForm");
    entry["properties"] = PropertiesJson(component, *componentClass);
    return entry;
}

// Parents before their children, children in their parent's order: the order of painting.
void AddTree(json& components, const TControl& control) {
    components.push_back(ComponentJson(control));
    if (const auto* container = dynamic_cast<const wb::TWinControl*>(&control))
        for (const TControl* child : container->ControlList()) AddTree(components, *child);
}

json FormJson(const TDesigner& designer, bool preview) {
    const wb::TForm& form = designer.Form();
    json components = json::array();
    AddTree(components, form);
    // Non-visual components, and controls that lie on no parent.
    for (int32_t i = 0; i < form.ComponentCount(); ++i) {
        const TComponent* component = form.Components(i);
        const auto* control = dynamic_cast<const TControl*>(component);
        if (control == nullptr || control->Parent() == nullptr)
            components.push_back(ComponentJson(*component));
    }
    // File names are UTF-8 on the systems the designer runs on.
    return json{{"file", designer.FileName()},
                {"form", form.Name()},
                {"exists", designer.Exists()},
                {"modified", designer.Modified()},
                {"canUndo", designer.CanUndo()},
                {"revision", designer.Revision()},
                {"preview", preview},
                {"components", std::move(components)}};
}

json PaletteJson() {
    json pages = json::array();
    for (const wb::TPaletteEntry& entry : wb::Palette()) {
        // Pages in the order they first appear; a page's components in registration order.
        auto page = std::find_if(pages.begin(), pages.end(),
                                 [&](const json& each) { return each["name"] == entry.Page; });
        if (page == pages.end())
            page = pages.insert(pages.end(), json{{"name", entry.Page}, {"components", json::array()}});
        (*page)["components"].push_back(
            json{{"class", entry.ComponentClass->Name()},
                 {"bitmap", entry.BitmapName},
                 {"image", PaletteBitmapFile(entry.BitmapName).empty()
                               ? json()
                               : json("/api/palette/" + entry.BitmapName + ".bmp")}});
    }
    return json{{"pages", std::move(pages)}};
}

// --- Requests --------------------------------------------------------------------------------

const json& Field(const json& request, const char* name) {
    const auto found = request.find(name);
    if (found == request.end()) throw EBadRequest(std::string("the request needs '") + name + "'");
    return *found;
}

std::string TextField(const json& request, const char* name) {
    const json& value = Field(request, name);
    if (!value.is_string()) throw EBadRequest(std::string("'") + name + "' must be a string");
    return ToLatin1(value.get<std::string>());
}

int32_t IntField(const json& request, const char* name) {
    const json& value = Field(request, name);
    if (!value.is_number_integer() || value.get<int64_t>() < std::numeric_limits<int32_t>::min() ||
        value.get<int64_t>() > std::numeric_limits<int32_t>::max() ||
        (value.is_number_unsigned() && value.get<uint64_t>() > INT32_MAX))
        throw EBadRequest(std::string("'") + name + "' must be a 32-bit integer");
    return value.get<int32_t>();
}

TPropertyValue ValueField(const json& request) {
    const json& value = Field(request, "value");
    if (value.is_boolean()) return value.get<bool>();
    if (value.is_number_unsigned()) {
        if (value.get<uint64_t>() > static_cast<uint64_t>(std::numeric_limits<int64_t>::max()))
            throw wb::Exception("the number " + value.dump() + " is too large");
        return static_cast<int64_t>(value.get<uint64_t>());
    }
    if (value.is_number_integer()) return value.get<int64_t>();
    if (value.is_string()) return ToLatin1(value.get<std::string>());
    if (value.is_array()) {
        std::vector<std::string> lines;
        for (const json& line : value) {
            if (!line.is_string()) throw EBadRequest("a list value holds strings only");
            lines.push_back(ToLatin1(line.get<std::string>()));
        }
        return lines;
    }
    throw EBadRequest("'value' must be a whole number, a Boolean, a string or a list of strings");
}

json ChangeJson(const TChange& change) {
    return json{{"component", change.Component},
                {"repainted", change.Repainted},
                {"surfaceChanged", change.SurfaceChanged}};
}

}  // namespace

std::string PaintPreviewPng(wb::TForm& Form) {
    constexpr int32_t kLargestSide = 8192;
    if (Form.Width() <= 0 || Form.Height() <= 0 || Form.Width() > kLargestSide ||
        Form.Height() > kLargestSide)
        throw wb::Exception("the form is " + std::to_string(Form.Width()) + " x " +
                            std::to_string(Form.Height()) +
                            " pixels: a preview is from 1 to 8192 pixels across and down");
    wb::TMemoryStream png;
    wb::SavePngToStream(wb::PaintDesignSurface(Form), png);
    return std::string(reinterpret_cast<const char*>(png.Memory()),
                       static_cast<size_t>(png.Size()));
}

TDesignApi::TDesignApi(TDesigner& Designer, TPreviewPainter Painter)
    : FDesigner(Designer), FPainter(std::move(Painter)) {}

THttpResponse TDesignApi::Handle(const std::string& Method, const std::string& Path,
                                 const std::string& Body) {
    try {
        if (Method == "GET" || Method == "HEAD") return Get(Path);
        if (Method == "POST") return Post(Path, Body);
        return ErrorResponse(405, "the designer answers GET and POST only");
    } catch (const EBadRequest& e) {
        return ErrorResponse(400, e.what());
    } catch (const wb::EInOutError& e) {
        return ErrorResponse(500, e.Message());
    } catch (const wb::Exception& e) {
        return ErrorResponse(422, e.Message());
    }
}

THttpResponse TDesignApi::Get(const std::string& Path) {
    if (Path == "/api/form") return JsonResponse(200, FormJson(FDesigner, FPainter != nullptr));
    if (Path == "/api/palette") return JsonResponse(200, PaletteJson());
    if (Path == "/api/preview.png") return Preview();
    if (Path == "/api/html") return Html();
    const std::string bitmapPrefix = "/api/palette/";
    if (Path.starts_with(bitmapPrefix) && Path.ends_with(".bmp")) {
        const std::string name =
            Path.substr(bitmapPrefix.size(), Path.size() - bitmapPrefix.size() - 4);
        std::string bitmap = PaletteBitmapFile(name);
        if (bitmap.empty()) return ErrorResponse(404, "no palette bitmap named '" + name + "'");
        return {200, "image/bmp", std::move(bitmap)};
    }
    if (const TAsset* asset = FindAsset(Path == "/" ? "/designer.html" : Path))
        return {200, asset->ContentType, std::string(asset->Bytes)};
    return ErrorResponse(404, "nothing at " + Path);
}

THttpResponse TDesignApi::Post(const std::string& Path, const std::string& Body) {
    json request;
    try {
        request = Body.empty() ? json::object() : json::parse(Body);
    } catch (const json::exception& e) {
        throw EBadRequest(std::string("the request is not JSON: ") + e.what());
    }
    if (!request.is_object()) throw EBadRequest("the request must be a JSON object");

    // The fields are read in the order the request lists them, so a faulty request always
    // gets the same message.
    TChange change;
    if (Path == "/api/create") {
        const std::string className = TextField(request, "class");
        const std::string parent = TextField(request, "parent");
        const int32_t left = IntField(request, "left");
        const int32_t top = IntField(request, "top");
        change = FDesigner.Create(className, parent, left, top);
    } else if (Path == "/api/bounds") {
        const std::string name = TextField(request, "name");
        const int32_t left = IntField(request, "left");
        const int32_t top = IntField(request, "top");
        const int32_t width = IntField(request, "width");
        const int32_t height = IntField(request, "height");
        change = FDesigner.SetBounds(name, left, top, width, height);
    } else if (Path == "/api/property") {
        const std::string name = TextField(request, "name");
        const std::string property = TextField(request, "property");
        change = FDesigner.SetProperty(name, property, ValueField(request));
    } else if (Path == "/api/delete") {
        change = FDesigner.Delete(TextField(request, "name"));
    } else if (Path == "/api/undo") {
        change = FDesigner.Undo();
    } else if (Path == "/api/save") {
        FDesigner.Save();
    } else {
        return ErrorResponse(404, "nothing at " + Path);
    }
    return JsonResponse(200, json{{"change", ChangeJson(change)},
                                  {"form", FormJson(FDesigner, FPainter != nullptr)}});
}

// Painted once per revision of the surface: a change that asked for no repaint keeps the
// picture.
THttpResponse TDesignApi::Preview() {
    if (!FPainter) return ErrorResponse(404, "this designer paints no previews");
    if (FPreview.empty() || FPreviewRevision != FDesigner.Revision()) {
        FPreview = FPainter(FDesigner.Form());
        FPreviewRevision = FDesigner.Revision();
    }
    return {200, "image/png", FPreview};
}

// The page as the browser gets it; the live view beside the design shows it.
THttpResponse TDesignApi::Html() {
    wb::TWbPage* page = FDesigner.FirstPage();
    if (page == nullptr)
        return {404, "text/plain; charset=utf-8", "The form has no page yet: drop a TWbPage on it."};
    try {
        return {200, "text/html; charset=iso-8859-1", page->put()};
    } catch (const wb::Exception& e) {
        return ErrorResponse(422, page->Name() + ": " + e.Message());
    }
}

}  // namespace wbforms_designer
