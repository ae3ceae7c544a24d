#include "host/TStrings.h"

#include <algorithm>

#include "host/Exception.h"

namespace wb {

void TStrings::CheckIndex(int32_t Index, int32_t Limit) const {
    if (Index < 0 || Index >= Limit) throw EStringListError(Index);
}

const std::string& TStrings::Get(int32_t Index) const {
    CheckIndex(Index, Count());
    return FLines[static_cast<size_t>(Index)];
}

void TStrings::Put(int32_t Index, std::string Line) {
    CheckIndex(Index, Count());
    FLines[static_cast<size_t>(Index)] = std::move(Line);
}

int32_t TStrings::Add(std::string Line) {
    FLines.push_back(std::move(Line));
    return Count() - 1;
}

void TStrings::Insert(int32_t Index, std::string Line) {
    CheckIndex(Index, Count() + 1);
    FLines.insert(FLines.begin() + Index, std::move(Line));
}

void TStrings::Delete(int32_t Index) {
    CheckIndex(Index, Count());
    FLines.erase(FLines.begin() + Index);
}

int32_t TStrings::IndexOf(const std::string& Line) const {
    const auto found = std::find(FLines.begin(), FLines.end(), Line);
    return found == FLines.end() ? -1 : static_cast<int32_t>(found - FLines.begin());
}

void TStrings::Assign(const TPersistent& Source) {
    const auto* source = dynamic_cast<const TStrings*>(&Source);
    if (source == nullptr) {
        TPersistent::Assign(Source);
        return;
    }
    if (source != this) FLines = source->FLines;
}

std::string TStrings::Text() const {
    std::string text;
    for (const auto& line : FLines) {
        text += line;
        text += '\n';
    }
    return text;
}

TStringList::TStringList(std::initializer_list<std::string> Lines) {
    for (const auto& line : Lines) Add(line);
}

}  // namespace wb
