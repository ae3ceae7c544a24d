#include "host/FormLexer.h"

#include "host/Exception.h"
#include "host/SysUtils.h"

namespace wb {

namespace {

bool IsLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsHexDigit(char c) { return IsDigit(c) || (c >= 'A' && c <= 'F') || (c >= 'a' && c <= 'f'); }
int HexValue(char c) {
    if (IsDigit(c)) return c - '0';
    return (c | 0x20) - 'a' + 10;
}

// A byte as a message shows it: 'x' when it is printable, #NNN otherwise.
std::string Describe(char c) {
    const auto code = static_cast<unsigned char>(c);
    if (code >= 32 && code < 127) return std::string("'") + c + "'";
    return "#" + std::to_string(code);
}

// A number as a message quotes it; a long run of digits is cut short.
std::string Excerpt(std::string_view text) {
    constexpr size_t kLimit = 24;
    if (text.size() <= kLimit) return std::string(text);
    return std::string(text.substr(0, kLimit)) + "...";
}

constexpr int64_t kMinInteger = -2147483648LL;
constexpr int64_t kMaxInteger = 2147483647LL;

}  // namespace

TFormLexer::TFormLexer(std::string_view Text, std::string FileName)
    : FText(Text), FFileName(std::move(FileName)) {
    Next();
}

bool TFormLexer::IsSymbol(char Symbol) const {
    return FCurrent.Kind == TFormTokenKind::Symbol && FCurrent.Symbol == Symbol;
}

bool TFormLexer::IsKeyword(std::string_view Keyword) const {
    return FCurrent.Kind == TFormTokenKind::Identifier && SameText(FCurrent.Text, Keyword);
}

void TFormLexer::Error(TFormPosition Position, const std::string& Reason) const {
    throw EFormFileError(FFileName, Position.Line, Position.Column, Reason);
}

char TFormLexer::Peek(size_t Ahead) const {
    return FOffset + Ahead < FText.size() ? FText[FOffset + Ahead] : '\0';
}

void TFormLexer::Advance() {
    if (FText[FOffset] == '\n') {
        ++FPosition.Line;
        FPosition.Column = 1;
    } else {
        ++FPosition.Column;
    }
    ++FOffset;
}

void TFormLexer::SkipBlanks() {
    while (!AtEnd()) {
        const char c = Peek();
        if (c != ' ' && c != '\t' && c != '\r' && c != '\n') return;
        Advance();
    }
}

void TFormLexer::Next() {
    SkipBlanks();
    FCurrent = TFormToken{};
    FCurrent.Position = FPosition;
    if (AtEnd()) return;
    const char c = Peek();
    if (IsLetter(c)) {
        ReadIdentifier();
    } else if (IsDigit(c) || c == '-') {
        ReadInteger();
    } else if (c == '$') {
        ReadHexadecimal();
    } else if (c == '\'' || c == '#') {
        ReadString();
    } else if (std::string_view("=:.()[],+").find(c) != std::string_view::npos) {
        FCurrent.Kind = TFormTokenKind::Symbol;
        FCurrent.Symbol = c;
        Advance();
    } else {
        Error(FPosition, "unexpected character " + Describe(c));
    }
}

void TFormLexer::ReadIdentifier() {
    const size_t start = FOffset;
    while (!AtEnd() && (IsLetter(Peek()) || IsDigit(Peek()))) Advance();
    FCurrent.Kind = TFormTokenKind::Identifier;
    FCurrent.Text = std::string(FText.substr(start, FOffset - start));
}

void TFormLexer::ReadInteger() {
    const size_t start = FOffset;
    const bool negative = Peek() == '-';
    if (negative) {
        Advance();
        if (!IsDigit(Peek())) Error(FCurrent.Position, "expected a digit after '-'");
    }
    int64_t magnitude = 0;
    bool tooLarge = false;
    while (!AtEnd() && IsDigit(Peek())) {
        // Stop growing once past the range; the digits are still consumed for the message.
        if (!tooLarge) magnitude = magnitude * 10 + (Peek() - '0');
        tooLarge = tooLarge || magnitude > -kMinInteger;
        Advance();
    }
    const int64_t value = negative ? -magnitude : magnitude;
    if (tooLarge || value < kMinInteger || value > kMaxInteger)
        Error(FCurrent.Position, "integer " + Excerpt(FText.substr(start, FOffset - start)) +
                                     " out of range (-2147483648 to 2147483647)");
    FCurrent.Kind = TFormTokenKind::Integer;
    FCurrent.Integer = static_cast<int32_t>(value);
}

// $1FFFFFFF: up to eight significant hexadecimal digits, taken as the 32 bits of the value
// ($FFFFFFFF is -1, $80000000 the first system colour).
void TFormLexer::ReadHexadecimal() {
    const size_t start = FOffset;
    Advance();
    if (!IsHexDigit(Peek())) Error(FCurrent.Position, "expected a hexadecimal digit after '$'");
    uint32_t value = 0;
    int significant = 0;
    while (!AtEnd() && IsHexDigit(Peek())) {
        if (significant > 0 || Peek() != '0') ++significant;
        if (significant <= 8) value = (value << 4) | static_cast<uint32_t>(HexValue(Peek()));
        Advance();
    }
    if (significant > 8)
        Error(FCurrent.Position, "integer " + Excerpt(FText.substr(start, FOffset - start)) +
                                     " out of range (at most 8 hexadecimal digits)");
    FCurrent.Kind = TFormTokenKind::Integer;
    FCurrent.Integer = static_cast<int32_t>(value);
}

// One run of quoted parts and character codes written next to each other: 'It'#180's me'.
void TFormLexer::ReadString() {
    FCurrent.Kind = TFormTokenKind::String;
    while (!AtEnd()) {
        if (Peek() == '\'')
            ReadQuoted(FCurrent.Text);
        else if (Peek() == '#')
            ReadCharacterCode(FCurrent.Text);
        else
            return;
    }
}

void TFormLexer::ReadQuoted(std::string& Text) {
    const TFormPosition opening = FPosition;
    Advance();
    for (;;) {
        if (AtEnd() || Peek() == '\n' || Peek() == '\r') Error(opening, "unterminated string");
        const char c = Peek();
        Advance();
        if (c != '\'') {
            Text += c;
        } else if (Peek() == '\'') {
            Text += '\'';
            Advance();
        } else {
            return;
        }
    }
}

void TFormLexer::ReadCharacterCode(std::string& Text) {
    const TFormPosition hash = FPosition;
    Advance();
    if (!IsDigit(Peek())) Error(hash, "expected a decimal character code after '#'");
    const size_t start = FOffset;
    int code = 0;
    while (!AtEnd() && IsDigit(Peek())) {
        if (code <= 255) code = code * 10 + (Peek() - '0');
        Advance();
    }
    if (code > 255)
        Error(hash, "character code #" + Excerpt(FText.substr(start, FOffset - start)) +
                        " out of range (0 to 255)");
    Text += static_cast<char>(code);
}

}  // namespace wb
