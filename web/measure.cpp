// SPDX-License-Identifier: GPL-3.0-or-later
#include "measure.h"

#include "engine/sheet/fontfile.h"
#include "fonts.h"

#include <string>

namespace web {

namespace {

constexpr double PointsPerPdfDot = 72.0 / print::PdfDotsPerInch;

} // namespace

double PageMeasure::width(const print::FontChoice& font, std::string_view s) const
{
    const int perEm = print::pdfPixelsPerEm(font.points);
    return m_measure.call<double>("width", font.family, perEm, std::string(s)) * PointsPerPdfDot;
}

print::FontMetrics PageMeasure::metrics(const print::FontChoice& font) const
{
    const print::FontFileMetrics* file = loadedFont(font.family);
    if (!file)
        file = loadedFont(print::BodyFont);
    if (!file)
        return {};
    return print::pdfMetrics(*file, font.points);
}

} // namespace web
