#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace wb {

// A place in a form file: line and column, both counted from 1; a column counts bytes.
struct TFormPosition {
    int32_t Line = 1;
    int32_t Column = 1;
};

enum class TFormTokenKind : uint8_t {
    EndOfFile,
    Identifier,  // Text holds it as written
    Integer,     // Integer holds the value, already checked to be a 32-bit integer
    String,      // Text holds the bytes of one run of quoted parts and #NNN codes
    Symbol,      // Symbol holds one of = : . ( ) [ ] , +
};

struct TFormToken {
    TFormTokenKind Kind = TFormTokenKind::EndOfFile;
    TFormPosition Position;
    std::string Text;
    int32_t Integer = 0;
    char Symbol = 0;
};

// Splits the text of a form file into tokens. Line ends and blanks only separate tokens; the
// text is taken as bytes (Latin-1), and bytes 128 to 255 are allowed inside quotes only. Errors
// raise EFormFileError with the place they were found.
class TFormLexer {
public:
    TFormLexer(std::string_view Text, std::string FileName);

    const TFormToken& Current() const { return FCurrent; }
    void Next();

    bool IsSymbol(char Symbol) const;
    // The current token is an identifier equal to Keyword, compared without regard to case.
    bool IsKeyword(std::string_view Keyword) const;

    const std::string& FileName() const { return FFileName; }
    [[noreturn]] void Error(TFormPosition Position, const std::string& Reason) const;

private:
    char Peek(size_t Ahead = 0) const;
    bool AtEnd() const { return FOffset >= FText.size(); }
    void Advance();
    void SkipBlanks();
    void ReadIdentifier();
    void ReadInteger();
    void ReadHexadecimal();
    void ReadString();
    void ReadQuoted(std::string& Text);
    void ReadCharacterCode(std::string& Text);

    std::string_view FText;
    std::string FFileName;
    size_t FOffset = 0;
    TFormPosition FPosition;
    TFormToken FCurrent;
};

}  // namespace wb
