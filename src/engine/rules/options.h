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

struct GeneratorOptions {
    // The case windows' divisor frame, "Misto" at first.
    cases::DivisorChoice divisor = cases::DivisorChoice::Mixed;

    bool operator==(const GeneratorOptions&) const = default;
};

// Read afresh at every attempt: a window passes a function that reads its controls.
using OptionsSource = std::function<GeneratorOptions()>;

} // namespace core
