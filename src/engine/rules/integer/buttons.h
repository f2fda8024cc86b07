// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/rules/generatorrow.h"

#include <span>
#include <string_view>

namespace integer {

// The generator buttons of the integer window with this range code, top to bottom; empty
// for any other code. The window builds its buttons from these rows, and the command line
// takes its valid kinds and their labels from them.
std::span<const core::GeneratorRow> generatorRows(std::string_view range);

} // namespace integer
