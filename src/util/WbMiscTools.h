#pragma once

#include <cstdint>
#include <string>

#include "host/Bitmaps.h"
#include "host/Canvas.h"
#include "host/Graphics.h"
#include "host/TStrings.h"

namespace wb {

class TWbFont;

// Horizontal alignment of a component in its table cell and of its preview text.
enum class t_WbTextAlign : uint8_t { taCenter, taLeft, taRight, taNone };
inline constexpr auto taCenter = t_WbTextAlign::taCenter;
inline constexpr auto taLeft = t_WbTextAlign::taLeft;
inline constexpr auto taRight = t_WbTextAlign::taRight;
inline constexpr auto taNone = t_WbTextAlign::taNone;
// The names a form file stores the values by, in the order of the values.
inline constexpr const char* t_WbTextAlignNames[] = {"taCenter", "taLeft", "taRight", "taNone"};

// Appends Text to Markup, with nothing between them.
void WbStrToHTML(std::string& Markup, const std::string& Text);

// The lines joined, each preceded by one blank: "a", "b" give " a b".
std::string WbCollapseStringList(const TStrings& Lines);

// Text with every character from 160 to 255 written as "&" and its entity name, without ";".
std::string WbMakeLatinHTML(const std::string& Text);

// Text with "&", "<", ">" and '"' written as entity references: for values taken from a request
// before they become part of a page.
std::string WbEscapeHTML(const std::string& Text);

// Text without its tags; an unclosed "<" removes the rest of the text.
std::string WbstripHTML(std::string Text);

// Splits Line at its first "=" into Name and Value; a line without "=" leaves both unchanged.
void WbExtractHiddenValues(const std::string& Line, std::string& Name, std::string& Value);

// A colour as six upper-case hexadecimal digits in the order red, green, blue, without "#".
std::string WbMakeWebColor(TColor Color);

// The low 24 bits of Value as six upper-case hexadecimal digits.
std::string Wbinttohex(int32_t Value);

// Six hexadecimal digits (any case) as a number; any other length gives 0, and a character that
// is not a digit counts as 0.
int32_t Wbhextoint(const std::string& Text);

int32_t Wbminimum(int32_t A, int32_t B);

// Prefix followed by the process's running number, which then goes up by one.
std::string WbGetUniqueID(const std::string& Prefix);

// ---- Design-time string drawing ----

// Draws Text in one line in the primary face, styles, HTML size (1 to 6: 13, 16, 18, 21, 27 or 36
// pixels high, 8 for any other size) and colour of Font, on BackColor, which fills all of Rect
// first; aligned by Align, beginning at Rect's left edge when it is wider than Rect, one pixel
// below Rect's top, and cut at Rect's edges. Leaves the canvas's pen dashed. Gives the height of
// a line in that font, the same for an empty text, so that a caller can stack lines.
int32_t WbDrawString(const std::string& Text, const TWbFont& Font, TCanvas& Canvas, const TRect& Rect,
                     TColor BackColor, t_WbTextAlign Align);

// ---- Server images ----

// The directory the server images are written to, and the address prefix the browser fetches
// them by. Both are used as prefixes by plain concatenation, so a usable value ends with "/";
// the setters store what they are given.
void WbSetInternalImagePath(const std::string& Path);
std::string WbGetInternalImagePath();
void WbSetExternalImagePath(const std::string& Path);
std::string WbGetExternalImagePath();

// Prefix, a random number, "_", a second random number, "." and Extension; each number lies
// between 0 and 99,999,998.
std::string WbGenerateRandomFilename(const std::string& Prefix, const std::string& Extension);

// Restarts the random numbers of the file names from Seed, so that a program can repeat a
// sequence. WbMiscToolsStart seeds from the clock and the process id instead.
void WbRandSeed(uint64_t Seed);

// Writes Bitmap as a GIF file under a new name "AG<n>_<n>.gif" in the internal image path
// (made first if it is missing) and returns the external image path followed by the name. With
// Stretch the picture is first scaled to Width x Height. The file is created exclusively: a
// name that is taken draws a new one, so no file is ever overwritten. Any failure gives "" and
// leaves no file behind.
std::string WbGenerateServerImage(const TBitmap& Bitmap, int32_t Width, int32_t Height, bool Stretch);

// Deletes, in the internal image path, files matching "AG*.gif" that are older than AgeMinutes,
// at most MaxCount of them. Files that cannot be deleted (directories, write-protected files)
// are skipped and not counted.
void WbCleanupTempResources(int32_t AgeMinutes, int32_t MaxCount);

// The unit's start: seeds the random numbers from the clock and the process id, sets the
// unique-identifier counter to 0, the internal image path to the executable's directory
// followed by "/images/" and the external image path to "\images\". The stop empties both
// paths.
void WbMiscToolsStart();
void WbMiscToolsStop();

}  // namespace wb
