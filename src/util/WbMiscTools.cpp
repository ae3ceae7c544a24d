#include "util/WbMiscTools.h"

#include <dirent.h>
#include <fnmatch.h>
#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <climits>
#include <ctime>
#include <memory>

#include "content/WbFont.h"
#include "gif/WbGifMaker.h"
#include "host/Arithmetic.h"

namespace wb {

namespace {

// The HTML 3.2 entity names of the Latin-1 characters 160 to 255, in code order.
constexpr std::array<const char*, 96> kLatinEntities = {
    "nbsp",   "iexcl",  "cent",   "pound",  "curren", "yen",    "brvbar", "sect",
    "uml",    "copy",   "ordf",   "laquo",  "not",    "shy",    "reg",    "macr",
    "deg",    "plusmn", "sup2",   "sup3",   "acute",  "micro",  "para",   "middot",
    "cedil",  "sup1",   "ordm",   "raquo",  "frac14", "frac12", "frac34", "iquest",
    "Agrave", "Aacute", "Acirc",  "Atilde", "Auml",   "Aring",  "AElig",  "Ccedil",
    "Egrave", "Eacute", "Ecirc",  "Euml",   "Igrave", "Iacute", "Icirc",  "Iuml",
    "ETH",    "Ntilde", "Ograve", "Oacute", "Ocirc",  "Otilde", "Ouml",   "times",
    "Oslash", "Ugrave", "Uacute", "Ucirc",  "Uuml",   "Yacute", "THORN",  "szlig",
    "agrave", "aacute", "acirc",  "atilde", "auml",   "aring",  "aelig",  "ccedil",
    "egrave", "eacute", "ecirc",  "euml",   "igrave", "iacute", "icirc",  "iuml",
    "eth",    "ntilde", "ograve", "oacute", "ocirc",  "otilde", "ouml",   "divide",
    "oslash", "ugrave", "uacute", "ucirc",  "uuml",   "yacute", "thorn",  "yuml",
};

constexpr char kHexDigits[] = "0123456789ABCDEF";

int32_t HexDigitValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return 0;
}

// Shared by every caller in the process; the package's start sets it to 0.
int32_t gUniqueIDCounter = 0;

std::string gInternalImagePath;
std::string gExternalImagePath;

// ---- Random file names ----

constexpr uint64_t kRandomRange = 99999999;  // numbers 0 to 99,999,998
constexpr int kMaxNameAttempts = 100;

uint64_t gRandomState = 0;
bool gRandomSeeded = false;

uint64_t SplitMix64(uint64_t& State) {
    uint64_t z = (State += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

int64_t ClockNanoseconds(clockid_t Clock) {
    timespec now{};
    clock_gettime(Clock, &now);
    return static_cast<int64_t>(now.tv_sec) * 1000000000 + now.tv_nsec;
}

// Two processes started in the same second still get different seeds: the process id is mixed
// in with the clock.
void SeedFromClock() {
    uint64_t mixer = static_cast<uint64_t>(ClockNanoseconds(CLOCK_REALTIME));
    const uint64_t a = SplitMix64(mixer);
    mixer ^= static_cast<uint64_t>(getpid()) << 32;
    mixer ^= static_cast<uint64_t>(ClockNanoseconds(CLOCK_MONOTONIC));
    WbRandSeed(a ^ SplitMix64(mixer));
}

uint64_t RandomNumber() {
    if (!gRandomSeeded) SeedFromClock();
    return SplitMix64(gRandomState) % kRandomRange;
}

// ---- Directories ----

bool DirectoryExists(const std::string& Path) {
    struct stat status {};
    return stat(Path.c_str(), &status) == 0 && S_ISDIR(status.st_mode);
}

// Everything up to and including the last "/"; empty when there is none.
std::string ParentPart(const std::string& Path) {
    const auto slash = Path.rfind('/');
    return slash == std::string::npos ? std::string() : Path.substr(0, slash + 1);
}

// Makes every missing level of the path, from the top down. A relative path reaches an empty
// parent at its first missing level, which raises. A directory that cannot be made shows when
// the file is written.
void ForceDirectories(std::string Path) {
    if (Path.empty()) throw Exception("Cannot create directory");
    if (Path.back() == '/') Path.pop_back();
    if (Path.size() < 3 || DirectoryExists(Path) || ParentPart(Path) == Path) return;
    ForceDirectories(ParentPart(Path));
    mkdir(Path.c_str(), 0777);
}

// The executable's directory with its trailing "/"; empty when the system does not tell.
std::string ExecutableDirectory() {
    char name[PATH_MAX];
    const ssize_t length = readlink("/proc/self/exe", name, sizeof name - 1);
    if (length <= 0) return "";
    return ParentPart(std::string(name, static_cast<size_t>(length)));
}

// ---- Server images ----

std::unique_ptr<TBitmap> StretchedCopy(const TBitmap& Bitmap, int32_t Width, int32_t Height) {
    auto stretched = std::make_unique<TBitmap>(0, 0, Bitmap.PixelFormat());
    if (Bitmap.PixelFormat() == pf8bit) stretched->SetPalette(Bitmap.Palette());
    stretched->SetSize(Width, Height);
    stretched->StretchCopy(Rect(0, 0, Width, Height), Bitmap);
    return stretched;
}

// Writes the picture into a file of a new name in Directory and returns the name. A partly
// written file is removed.
std::string WriteUnderNewName(const TBitmap& Picture, const std::string& Directory) {
    for (int attempt = 1;; ++attempt) {
        const std::string name = WbGenerateRandomFilename("AG", "gif");
        const std::string path = Directory + name;
        std::unique_ptr<TFileStream> file;
        try {
            file = std::make_unique<TFileStream>(path, fmCreateNew);
        } catch (const EFCreateError& e) {
            if (e.ErrorCode() == EEXIST && attempt < kMaxNameAttempts) continue;
            throw;
        }
        try {
            WbGifToStream(Picture, *file);
        } catch (...) {
            file.reset();
            unlink(path.c_str());
            throw;
        }
        return name;
    }
}

// A file name pattern that matches Text literally.
std::string LiteralPattern(const std::string& Text) {
    std::string pattern;
    for (const char c : Text) {
        if (c == '*' || c == '?' || c == '[' || c == '\\') pattern += '\\';
        pattern += c;
    }
    return pattern;
}

// Directories and files whose owner may not write them (the read-only files) are not deleted.
bool Deletable(const struct stat& Status) {
    return !S_ISDIR(Status.st_mode) && (S_ISLNK(Status.st_mode) || (Status.st_mode & S_IWUSR) != 0);
}

int64_t ModificationNanoseconds(const struct stat& Status) {
    return static_cast<int64_t>(Status.st_mtim.tv_sec) * 1000000000 + Status.st_mtim.tv_nsec;
}

// The font height of an HTML font size, the cell height in pixels.
int32_t HeightOfSize(int32_t Size) {
    static constexpr int32_t kHeights[] = {13, 16, 18, 21, 27, 36};
    return Size >= 1 && Size <= 6 ? kHeights[Size - 1] : 8;
}

void SetStyle(TFontStyles& Styles, TFontStyle Style, bool On) {
    if (On)
        Styles.Include(Style);
    else
        Styles.Exclude(Style);
}

// Where a text of TextWidth pixels begins in Rect: never left of the rectangle.
int32_t AlignedStart(const TRect& Rect, int32_t TextWidth, t_WbTextAlign Align) {
    const int32_t width = WrapSub(Rect.Right, Rect.Left);
    int32_t start = Rect.Left;
    if (Align == taCenter)
        start = WrapSub(WrapAdd(Rect.Left, width / 2), TextWidth / 2);
    else if (Align == taRight)
        start = WrapSub(WrapAdd(Rect.Left, width), TextWidth);
    return start < Rect.Left ? Rect.Left : start;
}

}  // namespace

void WbStrToHTML(std::string& Markup, const std::string& Text) { Markup += Text; }

std::string WbCollapseStringList(const TStrings& Lines) {
    std::string collapsed;
    for (const auto& line : Lines) {
        collapsed += ' ';
        collapsed += line;
    }
    return collapsed;
}

std::string WbMakeLatinHTML(const std::string& Text) {
    std::string result;
    result.reserve(Text.size());
    for (const char c : Text) {
        const auto code = static_cast<unsigned char>(c);
        if (code >= 160) {
            result += '&';
            result += kLatinEntities[code - 160];
        } else {
            result += c;
        }
    }
    return result;
}

std::string WbEscapeHTML(const std::string& Text) {
    std::string result;
    result.reserve(Text.size());
    for (const char c : Text) {
        switch (c) {
            case '&': result += "&amp;"; break;
            case '<': result += "&lt;"; break;
            case '>': result += "&gt;"; break;
            case '"': result += "&quot;"; break;
            default: result += c;
        }
    }
    return result;
}

std::string WbstripHTML(std::string Text) {
    for (auto open = Text.find('<'); open != std::string::npos; open = Text.find('<')) {
        const auto close = Text.find('>');
        if (close != std::string::npos && close > open)
            Text.erase(open, close - open + 1);
        else
            Text.erase(open);
    }
    return Text;
}

void WbExtractHiddenValues(const std::string& Line, std::string& Name, std::string& Value) {
    const auto equals = Line.find('=');
    if (equals == std::string::npos) return;
    Name = Line.substr(0, equals);
    Value = Line.substr(equals + 1);
}

std::string Wbinttohex(int32_t Value) {
    const auto bits = static_cast<uint32_t>(Value);
    std::string digits(6, '0');
    for (int i = 0; i < 6; ++i) digits[static_cast<size_t>(5 - i)] = kHexDigits[(bits >> (4 * i)) & 0xF];
    return digits;
}

std::string WbMakeWebColor(TColor Color) {
    std::string digits = Wbinttohex(Color);  // blue, green, red
    std::swap(digits[0], digits[4]);
    std::swap(digits[1], digits[5]);
    return digits;
}

int32_t Wbhextoint(const std::string& Text) {
    if (Text.size() != 6) return 0;
    int32_t value = 0;
    for (const char c : Text) value = value * 16 + HexDigitValue(c);
    return value;
}

int32_t Wbminimum(int32_t A, int32_t B) { return B < A ? B : A; }

std::string WbGetUniqueID(const std::string& Prefix) {
    std::string id = Prefix + std::to_string(gUniqueIDCounter);
    gUniqueIDCounter = WrapAdd(gUniqueIDCounter, 1);
    return id;
}

int32_t WbDrawString(const std::string& Text, const TWbFont& Font, TCanvas& Canvas, const TRect& Rect,
                     TColor BackColor, t_WbTextAlign Align) {
    Canvas.Brush().SetColor(BackColor);
    Canvas.FillRect(Rect);
    Canvas.Font().SetName(Font.PrimaryFont());
    TFontStyles styles = Canvas.Font().Style();
    SetStyle(styles, fsBold, Font.Bold());
    SetStyle(styles, fsItalic, Font.Italic());
    SetStyle(styles, fsUnderline, Font.Underline());
    SetStyle(styles, fsStrikeOut, Font.Strikeout());
    Canvas.Font().SetStyle(styles);
    Canvas.Font().SetHeight(HeightOfSize(Font.GetFontSize()));
    Canvas.Pen().SetStyle(psDash);
    Canvas.Font().SetColor(Font.Color());
    const int32_t start = AlignedStart(Rect, Canvas.TextWidth(Text), Align);
    Canvas.TextRect(Rect, start, WrapAdd(Rect.Top, 1), Text);
    return Canvas.TextHeight(Text + "W");
}

void WbSetInternalImagePath(const std::string& Path) { gInternalImagePath = Path; }
std::string WbGetInternalImagePath() { return gInternalImagePath; }
void WbSetExternalImagePath(const std::string& Path) { gExternalImagePath = Path; }
std::string WbGetExternalImagePath() { return gExternalImagePath; }

void WbRandSeed(uint64_t Seed) {
    gRandomState = Seed;
    gRandomSeeded = true;
}

std::string WbGenerateRandomFilename(const std::string& Prefix, const std::string& Extension) {
    const uint64_t first = RandomNumber();
    const uint64_t second = RandomNumber();
    return Prefix + std::to_string(first) + "_" + std::to_string(second) + "." + Extension;
}

std::string WbGenerateServerImage(const TBitmap& Bitmap, int32_t Width, int32_t Height, bool Stretch) {
    try {
        const std::string directory = gInternalImagePath;
        ForceDirectories(directory);
        std::unique_ptr<TBitmap> stretched;
        if (Stretch) stretched = StretchedCopy(Bitmap, Width, Height);
        return gExternalImagePath + WriteUnderNewName(Stretch ? *stretched : Bitmap, directory);
    } catch (...) {
        return "";
    }
}

void WbCleanupTempResources(int32_t AgeMinutes, int32_t MaxCount) {
    const std::string& path = gInternalImagePath;
    const auto slash = path.rfind('/');
    const std::string directory = slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
    const std::string pattern = LiteralPattern(path.substr(directory.size())) + "AG*.gif";
    DIR* search = opendir(directory.empty() ? "." : directory.c_str());
    if (search == nullptr) return;
    const int64_t now = ClockNanoseconds(CLOCK_REALTIME);
    const __int128 age = static_cast<__int128>(AgeMinutes) * 60 * 1000000000;
    int32_t deleted = 0;
    while (deleted < MaxCount) {
        const dirent* entry = readdir(search);
        if (entry == nullptr) break;
        if (fnmatch(pattern.c_str(), entry->d_name, 0) != 0) continue;
        const std::string file = directory + entry->d_name;
        struct stat status {};
        if (lstat(file.c_str(), &status) != 0) continue;
        if (now - ModificationNanoseconds(status) > age && Deletable(status) && unlink(file.c_str()) == 0)
            ++deleted;
    }
    closedir(search);
}

void WbMiscToolsStart() {
    SeedFromClock();
    gUniqueIDCounter = 0;
    const std::string directory = ExecutableDirectory();
    gInternalImagePath = directory.empty() ? std::string() : directory + "images/";
    gExternalImagePath = "\\images\\";
}

void WbMiscToolsStop() {
    gInternalImagePath.clear();
    gExternalImagePath.clear();
}

}  // namespace wb
