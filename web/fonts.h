// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/sheet/fontfile.h"

#include <string>
#include <string_view>

// The font files the page loaded for the sheets, read once, under the families the sheets
// name them by.
namespace web {

// Reads the font file's metrics and keeps them for this family; false for a file that is
// no font.
bool addFont(const std::string& family, const std::string& bytes);

// The metrics of the family's font, or null when the page loaded none for it.
const print::FontFileMetrics* loadedFont(std::string_view family);

} // namespace web
