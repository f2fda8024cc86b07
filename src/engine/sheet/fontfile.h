// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/sheet/layout.h"
#include "engine/sheet/textmodel.h"

#include <array>
#include <optional>
#include <string_view>

// A font's own metrics, read from its file, scaled as the PDF printer scales them. A front
// end without the desktop's font engine (the browser page) measures with these, so that the
// text model places its sheets as it places the desktop's.
namespace print {

// In font units; descender as a positive depth.
struct FontFileMetrics {
    int unitsPerEm = 0;
    int ascender = 0;
    int descender = 0;
    int lineGap = 0;
    int averageCharWidth = 0;
};

// The fonts a worksheet names, with the file of the free font that stands for each (the
// desktop maps them the same way): Debian's fonts-comic-neue and fonts-liberation2.
struct SheetFont {
    std::string_view family;
    std::string_view file;
};
inline constexpr std::array<SheetFont, 2> SheetFonts{{
    {HeadingFont, "ComicNeue-Regular.otf"},
    {BodyFont, "LiberationSans-Regular.ttf"},
}};

// The metrics of an OpenType or TrueType file (its head, hhea and OS/2 tables); none for
// anything else or a file cut short.
std::optional<FontFileMetrics> readFontFile(std::string_view bytes);

// The command line's PDF and the preview print at this resolution.
inline constexpr double PdfDotsPerInch = 1200;

// The whole pixels per em that a font of this size is scaled to on the PDF printer: the
// font engine rounds the size to whole pixels before it scales a font's metrics and
// advances.
int pdfPixelsPerEm(int points);

// The font's metrics at this size in points, as the PDF printer measures them.
FontMetrics pdfMetrics(const FontFileMetrics& font, int points);

} // namespace print
