// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/rules/generation.h"

#include <optional>
#include <string_view>

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

} // namespace integer
