// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/rules/generatorrow.h"

#include <span>
#include <string_view>

namespace decimal {

// The generator buttons of the decimal window with this range code, top to bottom (the
// same five in both windows); empty for any other code. The windows build their buttons
// from these rows, and the command line takes its valid kinds and labels from them.
std::span<const core::GeneratorRow> generatorRows(std::string_view range);

} // namespace decimal
