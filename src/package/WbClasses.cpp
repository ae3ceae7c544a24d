// The classes the package publishes for form files, bases before the classes derived from them.
// A new component adds one line here, for the Publish() it defines after its constructor.
#include "cgi/WbCGI.h"
#include "content/WbCustomImage.h"
#include "content/WbCustomText.h"
#include "content/WbFont.h"
#include "content/WbImage.h"
#include "content/WbImageMap.h"
#include "content/WbJavaApplet.h"
#include "content/WbText.h"
#include "core/WbComponent.h"
#include "core/WbContainer.h"
#include "core/WbPage.h"
#include "core/WbPanel.h"
#include "core/WbVisibleComponent.h"
#include "forms/WbCheckBox.h"
#include "forms/WbCustomInputComponent.h"
#include "forms/WbDropDownlist.h"
#include "forms/WbInputForm.h"
#include "forms/WbListBox.h"
#include "forms/WbRadioButton.h"
#include "forms/WbSubmitButton.h"
#include "forms/WbTextArea.h"
#include "forms/WbTextInputField.h"
#include "host/Forms.h"
#include "host/Published.h"

namespace wb {

void WbPublishClasses() {
    // The host's classes.
    TPersistent::Publish();
    TComponent::Publish();
    TControl::Publish();
    TWinControl::Publish();
    TCustomControl::Publish();
    TGraphicControl::Publish();
    TForm::Publish();
    // The rendering core.
    TWbComponent::Publish();
    TWbVisibleComponent::Publish();
    TWbCustomContainer::Publish();
    TWbPanel::Publish();
    TWbPage::Publish();
    // HTML forms.
    TWbCustomInputComponent::Publish();
    TWbInputForm::Publish();
    TWbTextInputField::Publish();
    TWbTextArea::Publish();
    TWbCheckBox::Publish();
    TWbRadioButton::Publish();
    TWbDropDownlist::Publish();
    TWbListBox::Publish();
    TWbSubmitButton::Publish();
    // Content.
    TWbFont::Publish();
    TWbCustomText::Publish();
    TWbText::Publish();
    TWbCustomImage::Publish();
    TWbImage::Publish();
    TWbImageMap::Publish();
    TWbJavaApplet::Publish();
    // CGI gateway.
    TWbCGI::Publish();
}

}  // namespace wb
