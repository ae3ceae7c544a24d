#include "content/WbText.h"

#include "host/Published.h"

namespace wb {

TWbText::TWbText(TComponent* AOwner) : TWbCustomText(AOwner) {}

void TWbText::Publish() {
    Published<TWbText>("TWbText", "TWbCustomText")
        .Bool("AutoLineBreak", &TWbText::AutoLineBreak, &TWbText::SetAutoLineBreak)
        .Strings("Text", &TWbText::readText, &TWbText::WriteText);
}

}  // namespace wb
