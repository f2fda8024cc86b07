// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/sheet/textmodel.h"

#include <emscripten/val.h>

namespace web {

// The sheets as the model placed them, as the page draws them: an array of one
// {texts, rules, squares} a sheet, in points from the printable area's top left. Written as
// JSON text and parsed once by the browser, the quick way to hand over thousands of small
// objects.
emscripten::val drawing(const print::PlacedSheets& placed);

} // namespace web
