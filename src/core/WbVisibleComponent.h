#pragma once

#include <string>

#include "core/WbComponent.h"
#include "host/Graphics.h"
#include "host/TStrings.h"
#include "util/WbMiscTools.h"

namespace wb {

// The colour value that means "no colour of its own": the component shows its container's.
inline constexpr TColor WbTransparentColor = 536870911;

// The message on which a web component repaints itself at design time.
inline constexpr uint32_t CM_DESIGNTIMEUPDATE = WM_USER + 400;

// The base of every rendered component: put, the background colour inherited from the parent,
// the free texts before, inside and after the markup, the cell alignment, and the edge clamp.
class TWbVisibleComponent : public TWbComponent {
public:
    explicit TWbVisibleComponent(TComponent* AOwner);

    // Registers the published properties below, in their form-file order.
    static void Publish();

    // Published properties.
    virtual TColor GetBackGroundColor() const;
    void SetBackGroundColor(TColor Value);
    // The colour of the component's own, WbTransparentColor when it has none: what a form file
    // stores, so that a transparent component stays transparent.
    TColor OwnBackGroundColor() const { return FBackGroundColor; }
    TStrings& GetHTMLBefore() { return FHTMLBefore; }
    const TStrings& GetHTMLBefore() const { return FHTMLBefore; }
    void SetHTMLBefore(const TStrings& Value) { FHTMLBefore.Assign(Value); }
    TStrings& GetHTMLAfter() { return FHTMLAfter; }
    const TStrings& GetHTMLAfter() const { return FHTMLAfter; }
    void SetHTMLAfter(const TStrings& Value) { FHTMLAfter.Assign(Value); }
    TStrings& GetHTMLInside() { return FHTMLInside; }
    const TStrings& GetHTMLInside() const { return FHTMLInside; }
    void SetHTMLInside(const TStrings& Value) { FHTMLInside.Assign(Value); }

    t_WbTextAlign Align() const { return FAlign; }
    void SetAlign(t_WbTextAlign Value);

    bool IsBackgroundTransparent() const { return FBackGroundColor == WbTransparentColor; }
    // Only asks for a repaint; a component becomes transparent through SetBackGroundColor.
    void SetIsBackgroundTransparent(bool Value);

    // The component's HTML. Fires OnBeforePut first and OnAfterPut last, once each.
    virtual std::string put();

    // Keeps every web component but the page off its container's top and left edge.
    void SetBounds(int32_t ALeft, int32_t ATop, int32_t AWidth, int32_t AHeight) override;

    // Repaint requests reach the design surface only while the component is being designed.
    void invalidate() override;
    void InvalidateChildren();
    void HasChanged();
    void updateSelf(TObject* Sender);
    void StyleChanged(TObject* Sender);

    // Fired by HasChanged; the package never assigns it.
    void SetOnChange(TNotifyEvent Value) { FOnChange = std::move(Value); }

    void Dispatch(TMessage& Message) override;
    void CMDesignTimeUpdate(TMessage& Message);

    // The design-time preview: the component's area in its effective colour with its name in
    // light grey, inside the dashed outline.
    void paint() override;
    // The outline of the component's extent: dashes along its innermost pixels, inverting what
    // lies under them so that they show on any background.
    void PaintOutline();

private:
    TColor FBackGroundColor = WbTransparentColor;
    TStringList FHTMLBefore;
    TStringList FHTMLInside;
    TStringList FHTMLAfter;
    t_WbTextAlign FAlign = taLeft;
    TNotifyEvent FOnChange;
};

}  // namespace wb
