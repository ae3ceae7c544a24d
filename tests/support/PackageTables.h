#pragma once

#include <string>
#include <vector>

namespace wb::test {

// What the package is described to hold, written out here independently of its own tables.

struct TPaletteRow {
    std::string Page;
    std::string ClassName;
    std::string BitmapName;
};

// The palette after every Register procedure has run, in the order of the units.
inline const std::vector<TPaletteRow> kExpectedPalette = {
    {"WebSlate", "TWbPage", "TWBPAGE"},
    {"WebSlate", "TWbImageMap", "TWBIMAGEMAP"},
    {"WebSlate", "TWbPanel", "TWBPANEL"},
    {"WebSlate", "TWbText", "TWBTEXT"},
    {"WebSlate", "TWbInputForm", "TWBINPUTFORM"},
    {"WebSlate", "TWbCheckBox", "TWBCHECKBOX"},
    {"WebSlate", "TWbTextInputField", "TWBTEXTINPUTFIELD"},
    {"WebSlate", "TWbTextArea", "TWBTEXTAREA"},
    {"WebSlate", "TWbSubmitButton", "TWBSUBMITBUTTON"},
    {"WebSlate", "TWbRadioButton", "TWBRADIOBUTTON"},
    {"WebSlate", "TWbListBox", "TWBLISTBOX"},
    {"WebSlate", "TWbJavaApplet", "TWBJAVAAPPLET"},
    {"WebSlate", "TWbImage", "TWBIMAGE"},
    {"WebSlate", "TWbDropDownlist", "TWBDROPDOWNLIST"},
    {"Webslate", "TWbCGI", "TWBCGI"},
};

// The units after the main unit, in the package's order.
inline const std::vector<std::string> kExpectedUnits = {
    "WbFont", "WbMiscTools", "WbGifMaker", "ModuleInit", "WbDefines", "WbLargeArray", "WbScanList",
    "WbVisibleComponent", "WbPage", "WbComponent", "WbImageMap", "WbContainer", "WbPanel", "WbText",
    "WbCustomText", "WbInputForm", "WbCheckBox", "WbCustomInputComponent", "WbTextInputField",
    "WbTextArea", "WbSubmitButton", "WbRadioButton", "WbListBox", "WbJavaApplet", "WbImage",
    "WbCustomImage", "WbDropDownlist", "WbCGI",
};

// The units with a Register procedure: the fifteen that register a class, and WbMiscTools.
inline const std::vector<std::string> kExpectedRegisteringUnits = {
    "WbMiscTools", "WbPage", "WbImageMap", "WbPanel", "WbText", "WbInputForm", "WbCheckBox",
    "WbTextInputField", "WbTextArea", "WbSubmitButton", "WbRadioButton", "WbListBox",
    "WbJavaApplet", "WbImage", "WbDropDownlist", "WbCGI",
};

// Every unit that starts, each after the units it uses.
inline const std::vector<std::string> kExpectedStartOrder = {
    "WbFont", "WbGifMaker", "WbMiscTools", "WbDefines", "WbLargeArray", "WbScanList",
    "WbCustomImage", "WbImage", "WbJavaApplet", "WbCustomInputComponent", "WbListBox",
    "WbRadioButton", "WbSubmitButton", "WbTextArea", "WbTextInputField", "WbCheckBox",
    "WbInputForm", "WbCustomText", "WbText", "WbPanel", "WbContainer", "WbPage",
    "WbVisibleComponent", "WbImageMap", "WbComponent", "WbDropDownlist", "WbCGI",
};

}  // namespace wb::test
