// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/rules/generation.h"

#include <optional>
#include <string_view>
#include <vector>

// The generator rules of the five integer windows: additions and subtractions,
// multiplications, divisions and the mixed set, for the windows and the print job alike.
namespace integer {

// The rule set of one integer window's generator, with the line's closing word
// (" = " on screen, " =" on some worksheets). nullopt when the pair is unknown.
std::optional<core::Recipe> recipe(std::string_view range, std::string_view kind,
                                   std::string_view closing);

// One attempt of a single-kind generator (not "m"): draws its operands, tests them and
// returns the line when they pass. nullopt when the pair is unknown.
std::optional<core::Attempt> attempt(std::string_view range, std::string_view kind,
                                     std::string_view closing);

// Operations at the bounds of a generator's rules (every block of a mixed set): no line it
// makes has a wider column form than the widest of them. Empty when the pair is unknown.
std::vector<core::Operation> widestOperations(std::string_view range, std::string_view kind);

} // namespace integer
