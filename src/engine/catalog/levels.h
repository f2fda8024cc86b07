// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/catalog/catalog.h"
#include "engine/rules/options.h"

#include <string>

// Which difficulty levels each generator offers. A level binds the operations it speaks of
// (core::meetsLevels): a kind offers it when it makes such operations, except the mental
// kinds (by 10, 100 and 1000), which have no levels, and the pairs whose lines are too rare
// to draw ten of quickly.
namespace catalog {

// Whether the generator offers the levels of `level` (its other fields are not looked at
// but for the levels left at Any).
bool levelOffered(const Generator& generator, const core::GeneratorOptions& level);

// Why a level the generator's kind binds is still not offered (its lines too rare), in
// Italian, lower-case first; empty otherwise.
std::string levelRefusal(const Generator& generator, const core::GeneratorOptions& level);

} // namespace catalog
