#pragma once

#include <string>

#include "core/WbContainer.h"

namespace wb {

// The root of a web page: put gives the whole HTML 3.2 document, with the page's children as
// one table in its body. The one web component the edge clamp leaves alone.
class TWbPage : public TWbCustomContainer {
public:
    explicit TWbPage(TComponent* AOwner);

    // Registers the published properties below, in their form-file order.
    static void Publish();

    // Published properties.
    const std::string& PageTitle() const { return FPageTitle; }
    void SetPageTitle(std::string Value) { FPageTitle = std::move(Value); }
    const std::string& BackGroundImage() const { return FBackGroundImage; }
    void SetBackGroundImage(std::string Value) { FBackGroundImage = std::move(Value); }
    TStrings& GetScripts() { return FScripts; }
    const TStrings& GetScripts() const { return FScripts; }
    void SetScripts(const TStrings& Value) { FScripts.Assign(Value); }
    TColor LinkColor() const { return FLinkColor; }
    void SetLinkColor(TColor Value) { FLinkColor = Value; }
    TColor VLinkColor() const { return FVLinkColor; }
    void SetVLinkColor(TColor Value) { FVLinkColor = Value; }
    TColor DefaultTextColor() const { return FDefaultTextColor; }
    void SetDefaultTextColor(TColor Value) { FDefaultTextColor = Value; }

    std::string put() override;

private:
    void WriteHead(std::string& html) const;
    void WriteBodyStart(std::string& html) const;

    std::string FPageTitle;
    std::string FBackGroundImage;
    TStringList FScripts;
    TColor FLinkColor = clBlack;
    TColor FVLinkColor = clBlack;
    TColor FDefaultTextColor = clBlack;
};

}  // namespace wb
