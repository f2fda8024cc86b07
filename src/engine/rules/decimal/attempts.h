// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/rules/decimal/rules.h"
#include "engine/rules/generation.h"

#include <string>
#include <vector>

// One attempt maker per decimal generator; rules.cpp maps (range, kind) onto them.
namespace decimal::detail {

// What every attempt needs besides the random source: the closing word.
struct Writing {
    std::string closing;
};

core::Attempt addition999(Writing writing);
core::Attempt subtraction999(Writing writing);
core::Attempt addition9999(Writing writing);
core::Attempt subtraction9999(Writing writing);

core::Attempt multiplication999(Writing writing);
core::Attempt multiplication9999(Writing writing);
core::Attempt powerProduct999(Writing writing);
core::Attempt powerProduct9999(Writing writing);
core::Attempt powerQuotient999(Writing writing);
core::Attempt powerQuotient9999(Writing writing);

// Operations at the bounds of each rule, whose column forms are at least as wide as those
// of any line the rule makes.
std::vector<core::Operation> widestAddition999();
std::vector<core::Operation> widestSubtraction999();
std::vector<core::Operation> widestAddition9999();
std::vector<core::Operation> widestSubtraction9999();
std::vector<core::Operation> widestMultiplication999();
std::vector<core::Operation> widestMultiplication9999();
std::vector<core::Operation> widestPowerProduct999();
std::vector<core::Operation> widestPowerProduct9999();
std::vector<core::Operation> widestPowerQuotient999();
std::vector<core::Operation> widestPowerQuotient9999();

// 10 and 100 plain, 1000 as "1.000".
core::WrittenNumber writtenPower(int power);

} // namespace decimal::detail
