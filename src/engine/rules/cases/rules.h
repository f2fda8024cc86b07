// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/rules/generation.h"
#include "engine/rules/options.h"

#include <functional>
#include <string_view>
#include <vector>

// The five graded cases of division with decimal numbers. Each case is one attempt that
// draws its operands in a fixed order, tests them and writes "dividend : divisor".
namespace cases {

inline constexpr int CaseCount = 5;

// Read afresh at every attempt: the case window (and the worksheet) pass a function that
// reads the window's option buttons.
using DivisorChoiceSource = std::function<DivisorChoice()>;

// caseNumber 1..5; closing " = " on screen, " =" on worksheets.
core::Recipe recipe(int caseNumber, DivisorChoiceSource choice, std::string_view closing);

// Operations at the bounds of a case's rule, whatever the divisor choice: no line it makes
// has a wider column form than the widest of them.
std::vector<core::Operation> widestOperations(int caseNumber);

} // namespace cases
