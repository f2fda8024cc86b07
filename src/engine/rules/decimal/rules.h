// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/rules/generation.h"

#include <optional>
#include <string_view>
#include <vector>

// The generators of the two decimal windows ("dec999" and "dec9999"): additions,
// subtractions, multiplications and multiplications/divisions by 10, 100 and 1000.
namespace decimal {

// The rule of one decimal window's generator, closing every line with `closing`.
// nullopt when the (range, kind) pair is not a decimal generator.
std::optional<core::Recipe> recipe(std::string_view range, std::string_view kind,
                                   std::string_view closing);

// Operations at the bounds of a generator's rule: no line it makes has a wider column form
// than the widest of them. Empty when the pair is unknown.
std::vector<core::Operation> widestOperations(std::string_view range, std::string_view kind);

} // namespace decimal
