#include "host/Palette.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace wb {
namespace {

// The palette is the process's; every test starts and ends with an empty one.
class PaletteTest : public ::testing::Test {
protected:
    void SetUp() override { ClearPalette(); }
    void TearDown() override { ClearPalette(); }

    static const TPublishedClass* Class(const char* Name) { return FindPublishedClass(Name); }

    static std::vector<std::string> Rows() {
        std::vector<std::string> rows;
        for (const TPaletteEntry& entry : Palette())
            rows.push_back(entry.Page + " " + entry.ComponentClass->Name() + " " +
                           entry.BitmapName);
        return rows;
    }
};

TEST_F(PaletteTest, RecordsPageClassAndTheBitmapNamedAfterTheClassInUpperCase) {
    RegisterComponents("WebSlate", {Class("TWbPage")});
    RegisterComponents("Extra", {Class("TWbTextInputField"), Class("TWbCGI")});
    EXPECT_EQ(Rows(), (std::vector<std::string>{"WebSlate TWbPage TWBPAGE",
                                                "Extra TWbTextInputField TWBTEXTINPUTFIELD",
                                                "Extra TWbCGI TWBCGI"}));
}

// A Register procedure called again adds nothing; a class registered on another page moves
// there and keeps its place.
TEST_F(PaletteTest, RegisteringAClassAgainKeepsOneEntry) {
    RegisterComponents("WebSlate", {Class("TWbPage"), Class("TWbPanel")});
    RegisterComponents("WebSlate", {Class("TWbPage")});
    RegisterComponents("Other", {Class("TWbPage")});
    EXPECT_EQ(Rows(), (std::vector<std::string>{"Other TWbPage TWBPAGE",
                                                "WebSlate TWbPanel TWBPANEL"}));
}

TEST_F(PaletteTest, AMissingClassRegistersNoneOfTheList) {
    EXPECT_THROW(RegisterComponents("WebSlate", {Class("TWbPage"), Class("TWbNoSuchClass")}),
                 std::invalid_argument);
    EXPECT_TRUE(Palette().empty());
}

}  // namespace
}  // namespace wb
