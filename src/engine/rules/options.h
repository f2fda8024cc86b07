// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>

// What the user sets beside a window's buttons, read by the window's rules: one field per
// option. The family table says which windows offer each one; a window that does not
// leaves it at its initial value.
namespace cases {

// The divisor's digit count chosen in a case window: one digit, two digits, or either,
// drawn afresh at every attempt.
enum class DivisorChoice { OneDigit, TwoDigits, Mixed };

} // namespace cases

namespace core {

struct Operation;

// Difficulty levels, held line by line: the "cambi" (carries and borrows) of additions,
// subtractions and multiplications, and the remainder of divisions. Any leaves the lines as
// the window's rule alone makes them.
enum class Changes { Any, None, One, Several, ThroughZero };
enum class Remainder { Any, None, Some };

struct GeneratorOptions {
    // The case windows' divisor frame, "Misto" at first.
    cases::DivisorChoice divisor = cases::DivisorChoice::Mixed;
    Changes changes = Changes::Any;
    Remainder remainder = Remainder::Any;

    bool operator==(const GeneratorOptions&) const = default;
};

// Whether the operation meets the options' levels. A level binds only the operations it
// speaks of: the changes bind additions, subtractions and multiplications ("through a zero"
// the subtractions alone), the remainder binds divisions; `toHundredths` for the division
// cases, whose divisions are exact when the quotient ends by the hundredths.
bool meetsLevels(const Operation& operation, const GeneratorOptions& options, bool toHundredths);

// Read afresh at every attempt: a window passes a function that reads its controls.
using OptionsSource = std::function<GeneratorOptions()>;

} // namespace core
