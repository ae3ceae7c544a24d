// The classes the package publishes for form files, bases before the classes derived from them.
// A new component adds one line here, for the Publish() it defines after its constructor.
#include "content/WbImageMap.h"
#include "core/WbComponent.h"
#include "core/WbContainer.h"
#include "core/WbPage.h"
#include "core/WbPanel.h"
#include "core/WbVisibleComponent.h"
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
    // Content.
    TWbImageMap::Publish();
}

}  // namespace wb
