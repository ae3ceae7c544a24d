#pragma once

#include <string>

#include "host/Controls.h"

namespace wb {

// A rectangle of a client-side image map: a light-weight control whose only parent can be an
// image. Its Left and Top are relative to the image.
class TWbImageMap : public TGraphicControl {
public:
    explicit TWbImageMap(TComponent* AOwner);

    // Registers the published properties below, after the control's.
    static void Publish();

    // Published properties.
    const std::string& Link() const { return FLink; }
    void SetLink(std::string Value) { FLink = std::move(Value); }
    const std::string& AltText() const { return FAltText; }
    void SetAltText(std::string Value) { FAltText = std::move(Value); }

    // The preview: a dashed outline in the canvas's pen colour and mode, nothing filled, so
    // that the image shows through.
    void paint() override;

private:
    std::string FLink;
    std::string FAltText;
};

}  // namespace wb
