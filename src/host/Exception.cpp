#include "host/Exception.h"

namespace wb {

EListError::EListError(int Index)
    : Exception("List index out of bounds (" + std::to_string(Index) + ")") {}

}  // namespace wb
