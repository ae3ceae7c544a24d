#pragma once

#include <string>

#include "core/WbVisibleComponent.h"
#include "host/TStrings.h"

namespace wb {

// A Java applet as an APPLET element with one PARAM per parameter line "name=value". A leaf on
// a silver background; none of its setters repaints.
class TWbJavaApplet : public TWbVisibleComponent {
public:
    explicit TWbJavaApplet(TComponent* AOwner);
    static void Publish();

    // Published properties.
    // The component's own list; callers may change it in place. A line without "=" is a
    // parameter of that name with an empty value.
    TStrings& GetParamValues() { return FParameters; }
    const TStrings& GetParamValues() const { return FParameters; }
    void SetParamValues(const TStrings& Value) { FParameters.Assign(Value); }
    const std::string& Code() const { return FCode; }
    void SetCode(std::string Value) { FCode = std::move(Value); }
    const std::string& CodeBase() const { return FCodeBase; }
    void SetCodeBase(std::string Value) { FCodeBase = std::move(Value); }
    const std::string& InstanceName() const { return FInstanceName; }
    void SetInstanceName(std::string Value) { FInstanceName = std::move(Value); }

    std::string put() override;

private:
    void AppendParameters(std::string& html) const;

    std::string FCode;
    std::string FCodeBase;
    std::string FInstanceName;
    TStringList FParameters;
};

}  // namespace wb
