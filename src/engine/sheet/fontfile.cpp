// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/sheet/fontfile.h"

#include <cmath>
#include <cstdint>

namespace print {

namespace {

std::uint32_t u32(std::string_view b, std::size_t at)
{
    return std::uint32_t(static_cast<unsigned char>(b[at])) << 24 |
           std::uint32_t(static_cast<unsigned char>(b[at + 1])) << 16 |
           std::uint32_t(static_cast<unsigned char>(b[at + 2])) << 8 |
           std::uint32_t(static_cast<unsigned char>(b[at + 3]));
}

std::uint16_t u16(std::string_view b, std::size_t at)
{
    return std::uint16_t(static_cast<unsigned char>(b[at]) << 8 |
                         static_cast<unsigned char>(b[at + 1]));
}

int s16(std::string_view b, std::size_t at)
{
    return static_cast<std::int16_t>(u16(b, at));
}

// The table with this tag, as long as it holds `needed` bytes; npos otherwise.
std::size_t table(std::string_view b, std::string_view tag, std::size_t needed)
{
    if (b.size() < 12)
        return std::string_view::npos;
    const std::size_t count = u16(b, 4);
    for (std::size_t i = 0; i < count; ++i) {
        const std::size_t record = 12 + 16 * i;
        if (record + 16 > b.size())
            break;
        if (b.substr(record, 4) != tag)
            continue;
        const std::size_t offset = u32(b, record + 8);
        const std::size_t length = u32(b, record + 12);
        if (length >= needed && offset <= b.size() && needed <= b.size() - offset)
            return offset;
        break;
    }
    return std::string_view::npos;
}

constexpr double PointsPerInch = 72;

} // namespace

std::optional<FontFileMetrics> readFontFile(std::string_view bytes)
{
    const std::uint32_t version = bytes.size() >= 4 ? u32(bytes, 0) : 0;
    // TrueType outlines, or CFF ones ("OTTO").
    if (version != 0x00010000 && version != 0x4F54544F)
        return std::nullopt;
    const std::size_t head = table(bytes, "head", 20);
    const std::size_t hhea = table(bytes, "hhea", 10);
    const std::size_t os2 = table(bytes, "OS/2", 4);
    if (head == std::string_view::npos || hhea == std::string_view::npos ||
        os2 == std::string_view::npos)
        return std::nullopt;
    FontFileMetrics m;
    m.unitsPerEm = u16(bytes, head + 18);
    m.ascender = s16(bytes, hhea + 4);
    m.descender = -s16(bytes, hhea + 6);
    m.lineGap = s16(bytes, hhea + 8);
    m.averageCharWidth = s16(bytes, os2 + 2);
    if (m.unitsPerEm == 0)
        return std::nullopt;
    return m;
}

int pdfPixelsPerEm(int points)
{
    return int(std::lround(points * PdfDotsPerInch / PointsPerInch));
}

FontMetrics pdfMetrics(const FontFileMetrics& font, int points)
{
    const double pixelsPerUnit = double(pdfPixelsPerEm(points)) / font.unitsPerEm;
    // The engine keeps its metrics in 64ths of a pixel.
    auto inPoints = [&](int units) {
        return std::round(units * pixelsPerUnit * 64) / 64 * PointsPerInch / PdfDotsPerInch;
    };
    const double ascent = inPoints(font.ascender);
    const double descent = inPoints(font.descender);
    return {inPoints(font.averageCharWidth), ascent, ascent + descent,
            ascent + descent + inPoints(font.lineGap)};
}

} // namespace print
