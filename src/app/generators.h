// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "cases/rules.h"
#include "core/generation.h"
#include "core/windowtable.h"

#include <string>
#include <string_view>
#include <vector>

namespace app {

// One generator the command line can run: a window of the window table and one of its
// generator buttons, with the label the user sees beside it. A case window has a single
// generator, without a kind code, known by the window's title.
struct Generator {
    const core::WindowEntry* window = nullptr;
    std::string kind;
    std::string label;
};

// Every generator of every exercise window, in the window table's order and each window's
// buttons from top to bottom, read from the rows the windows build their buttons from.
const std::vector<Generator>& allGenerators();

// The generators of the window with this range code; empty for an unknown code.
std::vector<const Generator*> generatorsOf(std::string_view range);

// The rule the window's own button runs, lines closed as in the window's list; a case
// rule with this divisor choice at every attempt.
core::Recipe screenRecipe(const Generator& generator, cases::DivisorChoice divisor);

} // namespace app
