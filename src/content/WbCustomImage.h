#pragma once

#include <string>

#include "core/WbVisibleComponent.h"

namespace wb {

// A picture on the web server as an IMG element: a hyperlink as a whole when Link is set, or
// carrying a client-side image map when image maps lie on it (its child controls).
class TWbCustomImage : public TWbVisibleComponent {
public:
    explicit TWbCustomImage(TComponent* AOwner);
    static void Publish();

    // Published properties.
    const std::string& ImagePath() const { return FImagePath; }
    void SetImagePath(std::string Value) { FImagePath = std::move(Value); }
    const std::string& Link() const { return FLink; }
    void SetLink(std::string Value) { FLink = std::move(Value); }
    // When on, the IMG element carries the component's size, so the browser scales the picture.
    bool Stretch() const { return FStretch; }
    void setstretch(bool Value);

    // A mapped image names its map anew on every call (WbGetUniqueID with "MAP").
    std::string put() override;
    // Accepts image maps and nothing else, whatever the container flag says.
    void validateInsert(TComponent* AComponent) override;

private:
    std::string SizeAttributes() const;
    void AppendLinkedImage(std::string& html, const std::string& size) const;
    void AppendPlainImage(std::string& html, const std::string& size);
    void AppendMappedImage(std::string& html, const std::string& size);

    std::string FImagePath;
    std::string FLink;
    bool FStretch = false;
};

}  // namespace wb
