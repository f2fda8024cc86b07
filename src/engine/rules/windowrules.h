// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/rules/cases/rules.h"
#include "engine/rules/generation.h"
#include "engine/rules/generatorrow.h"
#include "engine/rules/options.h"
#include "engine/rules/windowtable.h"

#include <optional>
#include <span>
#include <string_view>
#include <vector>

// What each family of windows does with a row of the window table: which generator
// buttons the window has and which rule makes a line of one of its kinds. One row per
// family, read through rulesOf(); nothing else switches over the families.
namespace core {

struct FamilyRules {
    WindowFamily family;
    // The window's generator buttons, top to bottom. A case window has one, without a
    // kind code nor a label of its own: the window's title names it.
    std::span<const GeneratorRow> (*buttons)(const WindowEntry& window);
    // The rule of that kind in that window, its lines ending in `closing`; nullopt when the
    // window makes no such kind. The options are read at every attempt by the rules that
    // take them (the case rules read the divisor) and ignored by the others.
    std::optional<Recipe> (*rule)(const WindowEntry& window, std::string_view kind,
                                  OptionsSource options, std::string_view closing);
    // The options the family's windows offer, one column each, so that a front end shows
    // them and a request may carry them: the divisor choice (the case windows' frame).
    bool divisorOption;
    // Operations at the bounds of that kind's rules: no line it makes has a column form
    // wider than the widest of them (empty for a kind the window does not make).
    std::vector<Operation> (*widest)(const WindowEntry& window, std::string_view kind);
};

const FamilyRules& rulesOf(const WindowEntry& window);

// The window's rule of that kind (rulesOf(window).rule) with the options' levels held on
// every line, in the same draws: an attempt whose line misses its level is rejected as one
// that fails the rule. Without levels the lines are the rule's own.
std::optional<Recipe> windowRecipe(const WindowEntry& window, std::string_view kind,
                                   OptionsSource options, std::string_view closing);

} // namespace core
