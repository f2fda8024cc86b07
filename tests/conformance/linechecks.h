// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/catalog/options.h"
#include "engine/numbers/operation.h"
#include "engine/rules/cases/rules.h"
#include "engine/rules/options.h"

#include <functional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// The checks that hold a line to its window's rule and to its difficulty level, written out
// by hand from the rules and from the arithmetic a pupil does, not from the engine's own.
namespace conformance {

// Checks the operation at `position` (0 to 9) of its set of ten; returns the fault or "".
using LineCheck = std::function<std::string(int position, const core::Operation& line)>;

// The mixed sets' blocks per window, in order: kind code of the rule and line count.
using Blocks = std::vector<std::pair<std::string, int>>;
extern const std::vector<std::pair<std::string, Blocks>> MixedBlocks;

// The window's rule for a line of the kind, closed with `closing`.
LineCheck integerCheck(const std::string& range, const std::string& kind,
                       const std::string& closing);
LineCheck decimalCheck(const std::string& range, const std::string& kind,
                       const std::string& closing);
LineCheck caseCheck(int caseNumber, cases::DivisorChoice choice, const std::string& closing);

// The rule, then the level: the cambi counted from the operands' values, a loan through a
// zero of the minuend, a division's remainder (for the cases, exact means a quotient that
// ends by the hundredths: `toHundredths`).
LineCheck levelCheck(core::GeneratorOptions level, bool toHundredths, LineCheck rule);

// A level a generator offers, with each divisor of a case window (the others draw as
// "misto"): the options that ask for it, as written out, and the check of its lines (closed
// with " = ", as the window's list closes them).
struct LevelPair {
    const catalog::Generator* generator = nullptr;
    core::GeneratorOptions options;
    std::vector<std::pair<std::string_view, std::string_view>> written; // ("cambi", "0")
    std::string name; // "999 - cambi=0 divisore=misto", for failure messages
    LineCheck check;
};
std::vector<LevelPair> offeredLevelPairs();

} // namespace conformance
