#include "content/WbText.h"

namespace wb {

TWbText::TWbText(TComponent* AOwner) : TWbCustomText(AOwner) {}

}  // namespace wb
