#include "host/FontFaces.h"

#include <fontconfig/fontconfig.h>
#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_SIZES_H
#include FT_SYNTHESIS_H
#include FT_TRUETYPE_TABLES_H

#include <algorithm>
#include <cctype>
#include <array>
#include <cmath>
#include <cstring>
#include <map>
#include <mutex>
#include <optional>
#include <tuple>

namespace wb {

// A face at one height: the FreeType size it is drawn at and the glyphs drawn so far.
struct TFontFace::TState {
    FT_Face Face = nullptr;  // shared by every height of one name and style
    FT_Size Size = nullptr;
    bool Embolden = false;
    bool Slanted = false;
    FT_Matrix Slant{};
    std::array<std::unique_ptr<TGlyphImage>, 256> Glyphs;
};

namespace {

constexpr int32_t kMaxHeight = 1024;
constexpr int32_t kDefaultHeight = -12;

// Every face lookup and glyph drawing runs under this lock: FreeType objects are not shared
// between threads otherwise.
std::mutex gMutex;
bool gStarted = false;

std::string Upper(std::string Text) {
    for (char& c : Text) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return Text;
}

int32_t RoundToInt(double Value) { return static_cast<int32_t>(std::lround(Value)); }

// A face file opened for one name and style, and how to draw the style the file lacks.
struct TStyledFace {
    FT_Face Face = nullptr;
    bool Embolden = false;
    bool Slanted = false;
    FT_Matrix Slant{};
};

}  // namespace

// Finds faces through fontconfig, opens them with FreeType and keeps them. One per process,
// made at the first text.
class TFaceLoader {
public:
    static TFaceLoader& Instance() {
        static TFaceLoader loader;
        return loader;
    }

    ~TFaceLoader() {
        FFaces.clear();  // their sizes belong to the FreeType faces
        for (auto& [file, styled] : FFiles)
            if (styled.Face != nullptr) FT_Done_Face(styled.Face);
        if (FLibrary != nullptr) FT_Done_FreeType(FLibrary);
        if (FConfig != nullptr) FcConfigDestroy(FConfig);
    }

    // The outline of a character at the face's current size, as one-bit ink.
    static std::unique_ptr<TGlyphImage> DrawGlyph(const TFontFace::TState& State, uint8_t Char) {
        auto glyph = std::make_unique<TGlyphImage>();
        FT_Face face = State.Face;
        FT_Activate_Size(State.Size);
        FT_Set_Transform(face, State.Slanted ? const_cast<FT_Matrix*>(&State.Slant) : nullptr, nullptr);
        // Latin-1 bytes are the first 256 code points.
        const FT_UInt index = FT_Get_Char_Index(face, Char);
        if (FT_Load_Glyph(face, index, FT_LOAD_TARGET_MONO | FT_LOAD_NO_BITMAP) != 0) return glyph;
        FT_GlyphSlot slot = face->glyph;
        if (State.Embolden) FT_GlyphSlot_Embolden(slot);
        glyph->Advance = static_cast<int32_t>((slot->advance.x + 32) >> 6);
        if (FT_Render_Glyph(slot, FT_RENDER_MODE_MONO) != 0) return glyph;
        const FT_Bitmap& bitmap = slot->bitmap;
        glyph->Left = slot->bitmap_left;
        glyph->Top = slot->bitmap_top;
        glyph->Width = static_cast<int32_t>(bitmap.width);
        glyph->Rows = static_cast<int32_t>(bitmap.rows);
        glyph->Pitch = (glyph->Width + 7) / 8;
        glyph->Ink.resize(static_cast<size_t>(glyph->Pitch) * static_cast<size_t>(glyph->Rows));
        for (int32_t y = 0; y < glyph->Rows; ++y)
            std::memcpy(glyph->Ink.data() + static_cast<size_t>(y) * static_cast<size_t>(glyph->Pitch),
                        bitmap.buffer + static_cast<ptrdiff_t>(y) * bitmap.pitch, static_cast<size_t>(glyph->Pitch));
        return glyph;
    }

    const TFontFace* Find(const std::string& Name, int32_t Height, bool Bold, bool Italic) {
        const TStyledFace* styled = Styled(Name, Bold, Italic);
        if (styled == nullptr) return nullptr;
        if (Height == 0) Height = kDefaultHeight;
        Height = std::clamp(Height, -kMaxHeight, kMaxHeight);
        auto key = std::make_pair(styled, Height);
        auto found = FFaces.find(key);
        if (found == FFaces.end()) found = FFaces.emplace(key, MakeFace(*styled, Height)).first;
        return found->second.get();
    }

private:
    // A face file as fontconfig names it, with the styles to make that the file lacks; names
    // that find the same file share one opened face.
    using TFaceFile = std::tuple<std::string, int, bool, bool, FT_Fixed, FT_Fixed, FT_Fixed, FT_Fixed>;

    TFaceLoader() {
        gStarted = true;
        FConfig = FcInitLoadConfigAndFonts();
        if (FT_Init_FreeType(&FLibrary) != 0) FLibrary = nullptr;
    }

    const TStyledFace* Styled(const std::string& Name, bool Bold, bool Italic) {
        auto key = std::make_tuple(Upper(Name), Bold, Italic);
        auto found = FStyles.find(key);
        if (found != FStyles.end()) return found->second;
        const TStyledFace* styled = nullptr;
        if (FConfig != nullptr && FLibrary != nullptr) {
            if (const auto file = Match(Name, Bold, Italic)) styled = Opened(*file);
            // Should that file not open, the metric-compatible sans face stands in.
            if (styled == nullptr)
                if (const auto file = Match("Liberation Sans", Bold, Italic)) styled = Opened(*file);
        }
        FStyles.emplace(key, styled);
        return styled;
    }

    std::optional<TFaceFile> Match(const std::string& Name, bool Bold, bool Italic) {
        FcPattern* pattern = FcPatternCreate();
        FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(Name.c_str()));
        const std::string compatible = MetricCompatibleFamily(Name);
        if (!compatible.empty())
            FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(compatible.c_str()));
        FcPatternAddInteger(pattern, FC_WEIGHT, Bold ? FC_WEIGHT_BOLD : FC_WEIGHT_REGULAR);
        FcPatternAddInteger(pattern, FC_SLANT, Italic ? FC_SLANT_ITALIC : FC_SLANT_ROMAN);
        FcPatternAddBool(pattern, FC_SCALABLE, FcTrue);
        FcConfigSubstitute(FConfig, pattern, FcMatchPattern);
        FcDefaultSubstitute(pattern);
        FcResult result = FcResultNoMatch;
        FcPattern* match = FcFontMatch(FConfig, pattern, &result);
        FcPatternDestroy(pattern);
        if (match == nullptr) return std::nullopt;

        std::optional<TFaceFile> file;
        FcChar8* path = nullptr;
        if (FcPatternGetString(match, FC_FILE, 0, &path) == FcResultMatch) {
            int index = 0;
            FcBool embolden = FcFalse;
            FcMatrix* matrix = nullptr;
            FcPatternGetInteger(match, FC_INDEX, 0, &index);
            // Styles the file lacks are drawn by making the outlines heavier or slanted, as
            // fontconfig asks.
            FcPatternGetBool(match, FC_EMBOLDEN, 0, &embolden);
            const bool slanted = FcPatternGetMatrix(match, FC_MATRIX, 0, &matrix) == FcResultMatch && matrix != nullptr;
            auto fixed = [](double value) { return static_cast<FT_Fixed>(value * 65536); };
            file = TFaceFile{reinterpret_cast<const char*>(path), index, embolden != FcFalse, slanted,
                             slanted ? fixed(matrix->xx) : 0, slanted ? fixed(matrix->xy) : 0,
                             slanted ? fixed(matrix->yx) : 0, slanted ? fixed(matrix->yy) : 0};
        }
        FcPatternDestroy(match);
        return file;
    }

    // The face of a file, opened the first time; nullptr when FreeType cannot draw it.
    const TStyledFace* Opened(const TFaceFile& File) {
        auto found = FFiles.find(File);
        if (found == FFiles.end()) {
            TStyledFace styled;
            const auto& [path, index, embolden, slanted, xx, xy, yx, yy] = File;
            FT_Face face = nullptr;
            if (FT_New_Face(FLibrary, path.c_str(), index, &face) == 0) {
                if (FT_IS_SCALABLE(face))
                    styled = {face, embolden, slanted, {xx, xy, yx, yy}};
                else
                    FT_Done_Face(face);
            }
            found = FFiles.emplace(File, styled).first;
        }
        return found->second.Face == nullptr ? nullptr : &found->second;
    }

    // The face's cell as the host measures it: the design ascent and descent of the face
    // (its Windows metrics where it has them), scaled so that a positive height is the cell.
    std::unique_ptr<TFontFace> MakeFace(const TStyledFace& Styled, int32_t Height) {
        std::unique_ptr<TFontFace> face(new TFontFace);
        auto state = std::make_unique<TFontFace::TState>();
        state->Face = Styled.Face;
        state->Embolden = Styled.Embolden;
        state->Slanted = Styled.Slanted;
        state->Slant = Styled.Slant;

        FT_Face ft = Styled.Face;
        const double unitsPerEm = ft->units_per_EM > 0 ? ft->units_per_EM : 2048;
        double ascent = ft->ascender;
        double descent = -ft->descender;
        const auto* os2 = static_cast<const TT_OS2*>(FT_Get_Sfnt_Table(ft, FT_SFNT_OS2));
        if (os2 != nullptr && os2->version != 0xFFFF && os2->usWinAscent + os2->usWinDescent > 0) {
            ascent = os2->usWinAscent;
            descent = os2->usWinDescent;
        }
        if (ascent + descent <= 0) {
            ascent = unitsPerEm * 0.9;
            descent = unitsPerEm * 0.2;
        }

        double scale = 0;  // pixels per font unit
        if (Height > 0) {
            scale = Height / (ascent + descent);
            face->FAscent = RoundToInt(ascent * scale);
            face->FCellHeight = Height;
        } else {
            scale = -Height / unitsPerEm;
            face->FAscent = RoundToInt(ascent * scale);
            face->FCellHeight = face->FAscent + RoundToInt(descent * scale);
        }
        const FT_UInt pixelsPerEm = static_cast<FT_UInt>(std::max(1, RoundToInt(unitsPerEm * scale)));
        if (FT_New_Size(ft, &state->Size) == 0) {
            FT_Activate_Size(state->Size);
            FT_Set_Pixel_Sizes(ft, 0, pixelsPerEm);
        } else {
            state->Size = nullptr;
        }
        SetLines(*face, *ft, os2, scale);
        face->FState = std::move(state);
        return face;
    }

    // The underline just below the baseline and the strike-out line through the middle of the
    // lower-case letters, both inside the cell.
    static void SetLines(TFontFace& Face, const FT_FaceRec& Ft, const TT_OS2* Os2, double Scale) {
        const int32_t descent = Face.FCellHeight - Face.FAscent;
        Face.FUnderlineThickness = std::max(1, RoundToInt(Ft.underline_thickness * Scale));
        int32_t below = RoundToInt(-Ft.underline_position * Scale) - Face.FUnderlineThickness / 2;
        below = std::clamp(below, 1, std::max(1, descent - Face.FUnderlineThickness));
        Face.FUnderlineTop = Face.FAscent + below;
        int32_t strikeSize = Face.FUnderlineThickness;
        int32_t strikeAbove = RoundToInt(Face.FAscent * 0.3);
        if (Os2 != nullptr && Os2->version != 0xFFFF && Os2->yStrikeoutSize > 0) {
            strikeSize = std::max(1, RoundToInt(Os2->yStrikeoutSize * Scale));
            strikeAbove = RoundToInt(Os2->yStrikeoutPosition * Scale);
        }
        Face.FStrikeOutThickness = strikeSize;
        Face.FStrikeOutTop = std::clamp(Face.FAscent - strikeAbove, 0, std::max(0, Face.FCellHeight - strikeSize));
    }

    FcConfig* FConfig = nullptr;
    FT_Library FLibrary = nullptr;
    std::map<std::tuple<std::string, bool, bool>, const TStyledFace*> FStyles;
    std::map<TFaceFile, TStyledFace> FFiles;
    std::map<std::pair<const TStyledFace*, int32_t>, std::unique_ptr<TFontFace>> FFaces;
};

TFontFace::~TFontFace() {
    if (FState != nullptr && FState->Size != nullptr) FT_Done_Size(FState->Size);
}

std::vector<const TGlyphImage*> TFontFace::Glyphs(std::string_view Text) const {
    std::vector<const TGlyphImage*> glyphs;
    glyphs.reserve(Text.size());
    std::lock_guard lock(gMutex);
    for (const char c : Text) {
        const auto code = static_cast<uint8_t>(c);
        auto& glyph = FState->Glyphs[code];
        if (glyph == nullptr) glyph = FState->Size != nullptr ? TFaceLoader::DrawGlyph(*FState, code) : std::make_unique<TGlyphImage>();
        glyphs.push_back(glyph.get());
    }
    return glyphs;
}

int32_t TFontFace::TextWidth(std::string_view Text) const {
    int64_t width = 0;
    for (const TGlyphImage* glyph : Glyphs(Text)) width += glyph->Advance;
    return static_cast<int32_t>(std::min<int64_t>(width, INT32_MAX));
}

const TFontFace* FindFontFace(const std::string& Name, int32_t Height, bool Bold, bool Italic) {
    std::lock_guard lock(gMutex);
    return TFaceLoader::Instance().Find(Name, Height, Bold, Italic);
}

std::string MetricCompatibleFamily(const std::string& Name) {
    static const std::map<std::string, std::string> kFamilies = {
        {"ARIAL", "Liberation Sans"},           {"HELVETICA", "Liberation Sans"},
        {"MS SANS SERIF", "Liberation Sans"},   {"SYSTEM", "Liberation Sans"},
        {"COURIER NEW", "Liberation Mono"},     {"COURIER", "Liberation Mono"},
        {"TIMES NEW ROMAN", "Liberation Serif"}, {"TIMES", "Liberation Serif"},
        {"MS SERIF", "Liberation Serif"},
    };
    const auto found = kFamilies.find(Upper(Name));
    return found == kFamilies.end() ? std::string() : found->second;
}

bool FontEngineStarted() {
    std::lock_guard lock(gMutex);
    return gStarted;
}

}  // namespace wb
