// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/numbers/operation.h"
#include "support/expected.h"

#include <optional>
#include <string>
#include <vector>

namespace expected {

// Reads a line back as the pupil sees it and checks it against a generator's expectations:
// closing word, operator word, operand count, text form and range of every operand, the
// relation between the operands (sum, difference, product within the range; dividend not
// below the divisor) and the "one operand above" condition. Returns the operand values, or
// nullopt with the first fault in *why.
std::optional<std::vector<int>> readLine(const Generator& g, const std::string& line,
                                         const std::string& closing, std::string* why);

// The same checks on an operation the rules made: the forms of its numbers as written, and
// their values from their digits.
std::optional<std::vector<int>> readOperation(const Generator& g, const core::Operation& operation,
                                              const std::string& closing, std::string* why);

} // namespace expected
