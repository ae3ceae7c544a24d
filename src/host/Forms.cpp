#include "host/Forms.h"

#include "host/Published.h"

namespace wb {

void TForm::Publish() { Published<TForm>("TForm", "TWinControl"); }

}  // namespace wb
