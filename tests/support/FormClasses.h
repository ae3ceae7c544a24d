#pragma once

#include <string>
#include <vector>

#include "core/WbVisibleComponent.h"
#include "host/Exception.h"
#include "host/Published.h"
#include "host/TStrings.h"

namespace wb::test {

// An owned persistent object with properties of its own, as a font is; it holds one of its own
// to show that dotted names reach any depth.
class TTestShade : public TPersistent {
public:
    int32_t Depth() const { return FDepth; }
    void SetDepth(int32_t Value) { FDepth = Value; }

private:
    int32_t FDepth = 0;
};

class TTestFont : public TPersistent {
public:
    int32_t Size() const { return FSize; }
    void SetSize(int32_t Value) { FSize = Value; }
    bool Bold() const { return FBold; }
    void SetBold(bool Value) { FBold = Value; }
    TColor Color() const { return FColor; }
    void SetColor(TColor Value) { FColor = Value; }
    const TTestShade& Shade() const { return FShade; }

private:
    int32_t FSize = 3;
    bool FBold = false;
    TColor FColor = clBlack;
    TTestShade FShade;
};

// A web component with a published property of every kind. Its setters log their calls (with
// whether the component was loading), and it counts its live instances, so a test sees the
// order properties were set in and whether a failed load left anything behind.
class TTestWidget : public TWbVisibleComponent {
public:
    explicit TTestWidget(TComponent* AOwner) : TWbVisibleComponent(AOwner) { ++Live; }
    ~TTestWidget() override { --Live; }

    int32_t Count() const { return FCount; }
    void SetCount(int32_t Value) {
        if (Value < 0) throw Exception("Count must not be negative");
        Note("Count");
        FCount = Value;
    }
    uint16_t Size() const { return FSize; }
    void SetSize(uint16_t Value) {
        Note("Size");
        FSize = Value;
    }
    bool Checked() const { return FChecked; }
    void SetChecked(bool Value) {
        Note("Checked");
        FChecked = Value;
    }
    TColor TextColor() const { return FTextColor; }
    void SetTextColor(TColor Value) {
        Note("TextColor");
        FTextColor = Value;
    }
    const std::string& Caption() const { return FCaption; }
    void SetCaption(std::string Value) {
        Note("Caption");
        FCaption = std::move(Value);
    }
    const TStrings& Lines() const { return FLines; }
    void SetLines(const TStrings& Value) {
        Note("Lines");
        FLines.Assign(Value);
    }
    const TTestFont& Font() const { return FFont; }
    const TNotifyEvent& OnClick() const { return FOnClick; }
    void SetOnClick(TNotifyEvent Value) { FOnClick = std::move(Value); }

    std::string put() override {
        ActivateBeforePutEvent();
        std::string html = "[" + Name() + ":" + FCaption + "]";
        ActivateAfterPutEvent();
        return html;
    }

    std::vector<std::string> Log;
    static inline int Live = 0;

private:
    void Note(const char* property) {
        Log.push_back(std::string(property) +
                      (ComponentState().Contains(csLoading) ? " loading" : ""));
    }

    int32_t FCount = 0;
    uint16_t FSize = 0;
    bool FChecked = false;
    TColor FTextColor = clBlack;
    std::string FCaption;
    TStringList FLines;
    TTestFont FFont;
    TNotifyEvent FOnClick;
};

// A non-visual component: no parent, only a place on the design surface.
class TTestService : public TComponent {
public:
    using TComponent::TComponent;
};

// A control that is not a web component.
class TTestButton : public TCustomControl {
public:
    using TCustomControl::TCustomControl;
};

// Registers the classes above once for the whole test program.
inline void PublishTestClasses() {
    static const bool published = [] {
        Published<TTestShade>("TTestShade", "TPersistent")
            .Int("Depth", &TTestShade::Depth, &TTestShade::SetDepth);
        Published<TTestFont>("TTestFont", "TPersistent")
            .Int("Size", &TTestFont::Size, &TTestFont::SetSize)
            .Bool("Bold", &TTestFont::Bold, &TTestFont::SetBold)
            .Color("Color", &TTestFont::Color, &TTestFont::SetColor)
            .Object("Shade", &TTestFont::Shade);
        Published<TTestWidget>("TTestWidget", "TWbVisibleComponent")
            .Int("Count", &TTestWidget::Count, &TTestWidget::SetCount)
            .Int("Size", &TTestWidget::Size, &TTestWidget::SetSize)
            .Bool("Checked", &TTestWidget::Checked, &TTestWidget::SetChecked)
            .Enum("Align", &TTestWidget::Align, &TTestWidget::SetAlign, t_WbTextAlignNames)
            .Color("TextColor", &TTestWidget::TextColor, &TTestWidget::SetTextColor)
            .Str("Caption", &TTestWidget::Caption, &TTestWidget::SetCaption)
            .Strings("Lines", &TTestWidget::Lines, &TTestWidget::SetLines)
            .Object("Font", &TTestWidget::Font)
            .Event("OnClick", &TTestWidget::OnClick, &TTestWidget::SetOnClick);
        Published<TTestService>("TTestService", "TComponent");
        Published<TTestButton>("TTestButton", "TCustomControl");
        return true;
    }();
    (void)published;
}

}  // namespace wb::test
