// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/sheet/textmodel.h"

#include <string>

namespace web {

// The sheets as the model placed them, as the JSON text the page draws: one
// {texts, rules, squares} a sheet, in points from the printable area's top left.
std::string drawing(const print::PlacedSheets& placed);

} // namespace web
