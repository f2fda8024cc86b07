// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace conformance {

// Checks the result the program gives a line of the window `range` (the one its answer key
// prints) against the identity of the line's operation, with the operands and the result
// read back from their texts: a + b = s, a - b = d, a x b = p, a = b x q + r with
// 0 <= r < b, a case quotient equal to the hundredths of a / b cut short. Also checks the
// result's written form. Returns the fault, or "" when the result is right.
std::string checkResult(const std::string& range, const std::string& line);

} // namespace conformance
