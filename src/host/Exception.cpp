#include "host/Exception.h"

namespace wb {

EListError::EListError(int Index)
    : Exception("List index out of bounds (" + std::to_string(Index) + ")") {}

EFormFileError::EFormFileError(const std::string& FileName, int32_t Line, int32_t Column,
                       std::string Reason)
    : Exception(FileName + ":" + std::to_string(Line) + ":" + std::to_string(Column) + ": " +
                Reason),
      FFileName(FileName),
      FLine(Line),
      FColumn(Column),
      FReason(std::move(Reason)) {}

}  // namespace wb
