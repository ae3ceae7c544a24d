#include "host/Graphics.h"

#include <gtest/gtest.h>

namespace wb {
namespace {

TEST(Graphics, ColourNamesBothWays) {
    const struct {
        const char* name;
        TColor color;
    } cases[] = {
        {"clBlack", 0x000000},
        {"clMaroon", 0x000080},
        {"clGreen", 0x008000},
        {"clOlive", 0x008080},
        {"clNavy", 0x800000},
        {"clPurple", 0x800080},
        {"clTeal", 0x808000},
        {"clGray", 0x808080},
        {"clSilver", 0xC0C0C0},
        {"clRed", 0x0000FF},
        {"clLime", 0x00FF00},
        {"clYellow", 0x00FFFF},
        {"clBlue", 0xFF0000},
        {"clFuchsia", 0xFF00FF},
        {"clAqua", 0xFFFF00},
        {"clWhite", 0xFFFFFF},
        {"clNone", 0x1FFFFFFF},
        {"clScrollBar", static_cast<TColor>(0x80000000)},
        {"clBackground", static_cast<TColor>(0x80000001)},
        {"clActiveCaption", static_cast<TColor>(0x80000002)},
        {"clInactiveCaption", static_cast<TColor>(0x80000003)},
        {"clMenu", static_cast<TColor>(0x80000004)},
        {"clWindow", static_cast<TColor>(0x80000005)},
        {"clWindowFrame", static_cast<TColor>(0x80000006)},
        {"clMenuText", static_cast<TColor>(0x80000007)},
        {"clWindowText", static_cast<TColor>(0x80000008)},
        {"clCaptionText", static_cast<TColor>(0x80000009)},
        {"clActiveBorder", static_cast<TColor>(0x8000000A)},
        {"clInactiveBorder", static_cast<TColor>(0x8000000B)},
        {"clAppWorkSpace", static_cast<TColor>(0x8000000C)},
        {"clHighlight", static_cast<TColor>(0x8000000D)},
        {"clHighlightText", static_cast<TColor>(0x8000000E)},
        {"clBtnFace", static_cast<TColor>(0x8000000F)},
        {"clBtnShadow", static_cast<TColor>(0x80000010)},
        {"clGrayText", static_cast<TColor>(0x80000011)},
        {"clBtnText", static_cast<TColor>(0x80000012)},
        {"clInactiveCaptionText", static_cast<TColor>(0x80000013)},
        {"clBtnHighlight", static_cast<TColor>(0x80000014)},
        {"cl3DDkShadow", static_cast<TColor>(0x80000015)},
        {"cl3DLight", static_cast<TColor>(0x80000016)},
        {"clInfoText", static_cast<TColor>(0x80000017)},
        {"clInfoBk", static_cast<TColor>(0x80000018)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TColor color = 12345;
        EXPECT_TRUE(IdentToColor(c.name, color));
        EXPECT_EQ(color, c.color);
        EXPECT_EQ(ColorToString(c.color), c.name);
    }
}

TEST(Graphics, NamesCompareWithoutCaseAndOtherValuesAreNumbers) {
    TColor color = 0;
    EXPECT_TRUE(IdentToColor("CLBTNFACE", color));
    EXPECT_EQ(color, static_cast<TColor>(0x8000000F));
    EXPECT_FALSE(IdentToColor("clPink", color));
    EXPECT_FALSE(IdentToColor("", color));
    EXPECT_EQ(ColorToString(0x123456), "1193046");
    EXPECT_EQ(ColorToString(static_cast<TColor>(0x80000019)), "-2147483623");
    EXPECT_EQ(ColorToString(-1), "-1");
}

}  // namespace
}  // namespace wb
