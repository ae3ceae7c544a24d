#include "designer/Palette.h"

#include "host/SysUtils.h"

namespace wbforms_designer {

// Stand-in until the package records its own registrations: the package's registration table,
// in the order of its units.
const std::vector<TPaletteEntry>& DesignerPalette() {
    static const std::vector<TPaletteEntry> palette = {
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
    return palette;
}

const TPaletteEntry* FindPaletteEntry(const std::string& ClassName) {
    for (const TPaletteEntry& entry : DesignerPalette())
        if (wb::SameText(entry.ClassName, ClassName)) return &entry;
    return nullptr;
}

std::string PaletteBitmapFile(const std::string& /*BitmapName*/) { return {}; }

}  // namespace wbforms_designer
