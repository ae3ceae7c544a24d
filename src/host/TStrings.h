#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>
#include <vector>

#include "host/TObject.h"

namespace wb {

// An ordered list of lines of 8-bit text. Components own their lists and take other lists'
// lines by copying them (Assign), never by keeping the caller's list.
class TStrings : public TPersistent {
public:
    int32_t Count() const { return static_cast<int32_t>(FLines.size()); }
    const std::string& Get(int32_t Index) const;
    void Put(int32_t Index, std::string Line);
    const std::string& operator[](int32_t Index) const { return Get(Index); }

    int32_t Add(std::string Line);
    void Insert(int32_t Index, std::string Line);
    void Delete(int32_t Index);
    void Clear() { FLines.clear(); }
    int32_t IndexOf(const std::string& Line) const;

    // Replaces the lines by copies of Source's lines; any other source raises EConvertError.
    void Assign(const TPersistent& Source) override;

    // The lines each followed by a line feed, as one text.
    std::string Text() const;

    auto begin() const { return FLines.begin(); }
    auto end() const { return FLines.end(); }

protected:
    TStrings() = default;

private:
    void CheckIndex(int32_t Index, int32_t Limit) const;

    std::vector<std::string> FLines;
};

// The string list that components create and own.
class TStringList : public TStrings {
public:
    TStringList() = default;
    TStringList(std::initializer_list<std::string> Lines);
};

}  // namespace wb
