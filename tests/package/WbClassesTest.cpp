#include <gtest/gtest.h>

#include "cgi/WbCGI.h"
#include "content/WbImage.h"
#include "content/WbText.h"
#include "forms/WbInputForm.h"
#include "forms/WbListBox.h"
#include "forms/WbTextInputField.h"
#include "host/FormFile.h"
#include "host/Published.h"

namespace wb {
namespace {

// Every component of the package in one file, each property given a value other than its
// default, in the canonical form the writer gives.
const char* const kEveryComponent = R"(object Shop: TForm
  Left = 0
  Top = 0
  Width = 800
  Height = 600
  object Cgi: TWbCGI
    Left = 700
    Top = 8
  end
  object Page: TWbPage
    Left = 0
    Top = 0
    Width = 640
    Height = 480
    BackGroundColor = clWhite
    HTMLBefore.Strings = ()
    HTMLAfter.Strings = ()
    HTMLInside.Strings = ()
    PageTitle = 'Shop'
    BackGroundImage = ''
    Scripts.Strings = ()
    LinkColor = clBlack
    VLinkColor = clBlack
    DefaultTextColor = clBlack
    object Order: TWbInputForm
      Left = 10
      Top = 10
      Width = 400
      Height = 300
      BackGroundColor = clNone
      HTMLBefore.Strings = ()
      HTMLAfter.Strings = ()
      HTMLInside.Strings = ()
      Method = Get
      Action = '/cgi-bin/order'
      FormName = 'order'
      HiddenFields.Strings = (
        'step=2')
      object Name: TWbTextInputField
        Left = 10
        Top = 10
        Width = 120
        Height = 25
        BackGroundColor = clNone
        HTMLBefore.Strings = ()
        HTMLAfter.Strings = ()
        HTMLInside.Strings = ()
        FieldName = 'name'
        Size = 20
        MaxLength = 40
        Value = 'Ren'#233'e'
        PassWord = False
      end
      object Note: TWbTextArea
        Left = 10
        Top = 40
        Width = 200
        Height = 60
        BackGroundColor = clNone
        HTMLBefore.Strings = ()
        HTMLAfter.Strings = ()
        HTMLInside.Strings = ()
        FieldName = 'note'
        Columns = 30
        Rows = 3
        Value.Strings = (
          'first'
          'second')
      end
      object Gift: TWbCheckBox
        Left = 10
        Top = 110
        Width = 25
        Height = 25
        BackGroundColor = clNone
        HTMLBefore.Strings = ()
        HTMLAfter.Strings = ()
        HTMLInside.Strings = ()
        FieldName = 'gift'
        Checked = True
        Value = 'yes'
      end
      object Fast: TWbRadioButton
        Left = 40
        Top = 110
        Width = 25
        Height = 25
        BackGroundColor = clNone
        HTMLBefore.Strings = ()
        HTMLAfter.Strings = ()
        HTMLInside.Strings = ()
        FieldName = 'ship'
        Checked = False
        Value = 'fast'
      end
      object Size: TWbDropDownlist
        Left = 10
        Top = 140
        Width = 125
        Height = 25
        BackGroundColor = clNone
        HTMLBefore.Strings = ()
        HTMLAfter.Strings = ()
        HTMLInside.Strings = ()
        FieldName = 'size'
        OptionValues.Strings = (
          's=Small'
          'l=Large')
        Selected = 1
      end
      object Colours: TWbListBox
        Left = 140
        Top = 140
        Width = 200
        Height = 75
        BackGroundColor = clNone
        HTMLBefore.Strings = ()
        HTMLAfter.Strings = ()
        HTMLInside.Strings = ()
        FieldName = 'colour'
        OptionValues.Strings = (
          'r=Red'
          'g=Green')
        Selected = -1
        ListSize = 2
        SelectMultiple = True
      end
      object Send: TWbSubmitButton
        Left = 10
        Top = 230
        Width = 70
        Height = 20
        BackGroundColor = clNone
        HTMLBefore.Strings = ()
        HTMLAfter.Strings = ()
        HTMLInside.Strings = ()
        imagepath = ''
        value = 'Send'
      end
    end
    object Hello: TWbText
      Left = 420
      Top = 10
      Width = 200
      Height = 40
      BackGroundColor = clNone
      HTMLBefore.Strings = ()
      HTMLAfter.Strings = ()
      HTMLInside.Strings = ()
      Align = taCenter
      Font.PrimaryFont = 'COURIER NEW'
      Font.SecondaryFonts = ''
      Font.Size = 4
      Font.Color = clRed
      Font.Bold = True
      Font.Italic = False
      Font.Underline = True
      Font.Strikeout = False
      Link = 'next.html'
      AutoLineBreak = False
      Text.Strings = (
        'Hello'
        '<I>world</I>')
    end
    object Map: TWbImage
      Left = 420
      Top = 60
      Width = 100
      Height = 100
      BackGroundColor = clNone
      HTMLBefore.Strings = ()
      HTMLAfter.Strings = ()
      HTMLInside.Strings = ()
      ImagePath = 'map.gif'
      Link = ''
      Stretch = True
      object North: TWbImageMap
        Left = 0
        Top = 0
        Width = 100
        Height = 50
        Link = 'north.html'
        AltText = 'North'
      end
    end
    object Clock: TWbJavaApplet
      Left = 420
      Top = 170
      Width = 100
      Height = 100
      BackGroundColor = clSilver
      HTMLBefore.Strings = ()
      HTMLAfter.Strings = ()
      HTMLInside.Strings = ()
      Parameters.Strings = (
        'color=red')
      Code = 'Clock.class'
      CodeBase = 'classes'
      InstanceName = 'clock1'
    end
  end
end
)";

TEST(WbClasses, EveryComponentReadsAndWritesBackUnchanged) {
    const TFormFile file = TFormFile::Parse(kEveryComponent, "shop.dfm");
    EXPECT_EQ(file.Write(), kEveryComponent);
    EXPECT_EQ(file.Find<TWbTextInputField>("Name").Value(), "Ren\xE9" "e");
    EXPECT_EQ(file.Find<TWbInputForm>("Order").Method(), T_FormMethodType::Get);
    EXPECT_EQ(file.Find<TWbListBox>("Colours").Selected(), -1);
    const TWbText& hello = file.Find<TWbText>("Hello");
    EXPECT_EQ(hello.GetFont()->GetFontSize(), 4);
    EXPECT_EQ(hello.Align(), taCenter);
    EXPECT_EQ(file.Find<TWbImage>("Map").ControlCount(), 1);
    EXPECT_EQ(file.Find<TWbCGI>("Cgi").DesignLeft(), 700);
}

TEST(WbClasses, EveryConcreteClassIsCreatedByName) {
    const char* const names[] = {
        "TWbPage",     "TWbPanel",       "TWbInputForm",    "TWbTextInputField", "TWbTextArea",
        "TWbCheckBox", "TWbRadioButton", "TWbDropDownlist", "TWbListBox",        "TWbSubmitButton",
        "TWbText",     "TWbImage",       "TWbImageMap",     "TWbJavaApplet",     "TWbCGI",
    };
    for (const char* name : names) {
        SCOPED_TRACE(name);
        const TPublishedClass* publishedClass = FindPublishedClass(name);
        ASSERT_NE(publishedClass, nullptr);
        ASSERT_NE(publishedClass->Factory(), nullptr);
        std::unique_ptr<TComponent> component(publishedClass->Factory()(nullptr));
        EXPECT_EQ(component->ClassName(), name);
    }
    for (const char* abstractName : {"TWbCustomInputComponent", "TWbCustomText", "TWbCustomImage"})
        EXPECT_EQ(FindPublishedClass(abstractName)->Factory(), nullptr) << abstractName;
}

TEST(WbClasses, FontIsReachedByDottedNames) {
    const TFormFile file = TFormFile::Parse(
        "object F: TForm\n object T: TWbText\n  Font.Size = 9\n  FONT.bold = true\n end\nend\n",
        "f.dfm");
    const TWbFont& font = *file.Find<TWbText>("T").GetFont();
    EXPECT_EQ(font.GetFontSize(), 6);  // through the setter, which keeps sizes to 1..6
    EXPECT_TRUE(font.Bold());
}

}  // namespace
}  // namespace wb
