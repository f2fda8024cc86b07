// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The page the program's own PDF and its preview lay a worksheet out on, so that every front
// end that draws the sheet itself puts it on the same page with the same margins.
namespace print {

inline constexpr double MmPerPoint = 25.4 / 72.0;

// A page and its margins, in points (1/72 inch). Qt keeps a PDF's page layout in whole
// points: ISO A4 (210 × 297 mm) becomes 595 × 842 pt, and the PDF states that size.
struct SheetPage {
    double width;
    double height;
    double left;
    double top;
    double right;
    double bottom;

    // Where the sheet's items may stand: the layout's full width and height.
    constexpr double printableWidth() const { return width - left - right; }
    constexpr double printableHeight() const { return height - top - bottom; }
};

// A4 with the margins Qt gives a PDF printer by default (10 pt, about 3.53 mm, on every side).
inline constexpr SheetPage PdfPage{595, 842, 10, 10, 10, 10};

} // namespace print
