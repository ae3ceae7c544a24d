#pragma once

#include <cstdint>
#include <string>

#include "forms/WbCustomInputComponent.h"

namespace wb {

// A one-line INPUT element of type text, or PASSWORD.
class TWbTextInputField : public TWbCustomInputComponent {
public:
    explicit TWbTextInputField(TComponent* AOwner);
    static void Publish();

    // Published properties. Size and Value are what the preview shows, so they notify and
    // repaint (HasChanged); MaxLength and PassWord are only stored.
    uint16_t Size() const { return FSize; }
    void SetSize(uint16_t Value);
    uint16_t MaxLength() const { return FMaxLength; }
    void SetMaxLength(uint16_t Value) { FMaxLength = Value; }
    const std::string& Value() const { return FValue; }
    void SetValue(std::string Value);
    bool PassWord() const { return FPassWord; }
    void SetPassWord(bool Value) { FPassWord = Value; }

    std::string put() override;
    // The boxed preview: a box 7 pixels a character of Size wide, Value in it in clear text.
    void paint() override;

private:
    uint16_t FSize = 0;
    uint16_t FMaxLength = 0;
    std::string FValue;
    bool FPassWord = false;
};

}  // namespace wb
