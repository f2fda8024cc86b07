// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/catalog/titles.h"
#include "engine/rules/generation.h"
#include "engine/rules/options.h"
#include "engine/rules/windowtable.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// What the program offers, as every front end shows it: the menus' choices, the
// generators of each window with their labels, the divisor option of the case windows,
// and ten lines of a generator for a seed.
namespace catalog {

// One generator: a window of the window table and one of its generator buttons, with the
// label the user sees beside it. A case window has a single generator, without a kind
// code, known by the window's title.
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

// The rule the window's own button runs, lines closed as in the window's list, with these
// options at every attempt.
core::Recipe screenRecipe(const Generator& generator, const core::GeneratorOptions& options);

// One choice of a menu: the caption of its button, the text beside it (empty where the
// menu has none) and the window it opens.
struct MenuChoice {
    std::string_view caption;
    std::string_view description;
    const core::WindowEntry* window;
};

// The choices of one menu, under the caption that names them.
struct MenuGroup {
    std::string_view caption;
    std::vector<MenuChoice> choices;
};

// The twelve windows as the menus offer them: the integers by range, the decimals, the
// cases of division.
const std::vector<MenuGroup>& menuGroups();

// The choice that opens the window with this range code, and the group it is in; nullptr
// for a code no menu offers.
const MenuChoice* menuChoiceOf(std::string_view range);
const MenuGroup* menuGroupOf(std::string_view range);

// A seed nobody chose: the system's entropy mixed with the clock.
std::uint64_t freshSeed();

// Every generator as a table: a heading line, then one line per generator with its range
// code, its kind code and its label in columns.
std::string generatorListing();

} // namespace catalog
