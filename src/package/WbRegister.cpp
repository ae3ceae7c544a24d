// The Register procedures of the package's units. The designer calls them to fill its palette;
// nothing in the package calls them. Each puts its unit's one class on a palette page, under
// the bitmap named after the class in upper case.
#include "cgi/WbCGI.h"
#include "content/WbImage.h"
#include "content/WbImageMap.h"
#include "content/WbJavaApplet.h"
#include "content/WbText.h"
#include "core/WbPage.h"
#include "core/WbPanel.h"
#include "forms/WbCheckBox.h"
#include "forms/WbDropDownlist.h"
#include "forms/WbInputForm.h"
#include "forms/WbListBox.h"
#include "forms/WbRadioButton.h"
#include "forms/WbSubmitButton.h"
#include "forms/WbTextArea.h"
#include "forms/WbTextInputField.h"
#include "host/Palette.h"
#include "package/WbPackageExports.h"

namespace {

// The visual components' page; the CGI component's page is spelled "Webslate".
constexpr const char* kPage = "WebSlate";
constexpr const char* kCGIPage = "Webslate";

template <class T>
void RegisterOne(const char* Page) {
    wb::RegisterComponents(Page, {&wb::PublishedClass<T>()});
}

}  // namespace

extern "C" {

void WbMiscTools_Register(void) {}
void WbPage_Register(void) { RegisterOne<wb::TWbPage>(kPage); }
void WbImageMap_Register(void) { RegisterOne<wb::TWbImageMap>(kPage); }
void WbPanel_Register(void) { RegisterOne<wb::TWbPanel>(kPage); }
void WbText_Register(void) { RegisterOne<wb::TWbText>(kPage); }
void WbInputForm_Register(void) { RegisterOne<wb::TWbInputForm>(kPage); }
void WbCheckBox_Register(void) { RegisterOne<wb::TWbCheckBox>(kPage); }
void WbTextInputField_Register(void) { RegisterOne<wb::TWbTextInputField>(kPage); }
void WbTextArea_Register(void) { RegisterOne<wb::TWbTextArea>(kPage); }
void WbSubmitButton_Register(void) { RegisterOne<wb::TWbSubmitButton>(kPage); }
void WbRadioButton_Register(void) { RegisterOne<wb::TWbRadioButton>(kPage); }
void WbListBox_Register(void) { RegisterOne<wb::TWbListBox>(kPage); }
void WbJavaApplet_Register(void) { RegisterOne<wb::TWbJavaApplet>(kPage); }
void WbImage_Register(void) { RegisterOne<wb::TWbImage>(kPage); }
void WbDropDownlist_Register(void) { RegisterOne<wb::TWbDropDownlist>(kPage); }
void WbCGI_Register(void) { RegisterOne<wb::TWbCGI>(kCGIPage); }

}  // extern "C"
