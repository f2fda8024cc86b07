// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/sheet/textmodel.h"

#include <emscripten/val.h>

#include <string_view>
#include <utility>

namespace web {

// Widths from the page (its canvas, with the sheet's fonts loaded), at the whole pixels per
// em the PDF printer scales a font to; metrics from the font files the page loaded. So the
// model places the page's sheet as it places the desktop's.
class PageMeasure final : public print::TextMeasure {
public:
    // `measure.width(family, pixelsPerEm, text)` gives a text's width in pixels at that size.
    explicit PageMeasure(emscripten::val measure) : m_measure(std::move(measure)) {}

    double width(const print::FontChoice& font, std::string_view s) const override;
    // A family the page loaded no font for is measured with the body font's metrics.
    print::FontMetrics metrics(const print::FontChoice& font) const override;

private:
    emscripten::val m_measure;
};

} // namespace web
