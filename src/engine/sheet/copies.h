// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string_view>

namespace print {

// The number at the start of a text, read the way the copies field is read: leading
// blanks skipped, "." as the decimal point whatever the locale, an optional sign and
// exponent, reading stops at the first character that cannot continue the number, and a
// text without a number gives 0. A number too large for a double gives an infinity.
double leadingNumber(std::string_view text);

// More copies than a class needs would keep the program busy, without a way to cancel,
// for minutes: the dialog refuses them.
inline constexpr int MaxCopies = 99;

struct CopiesRequest {
    enum class Verdict {
        Print,      // print `count` copies
        OutOfRange, // fewer than one copy, more than MaxCopies or no number: ask again
    };
    Verdict verdict;
    int count;
};

// As many copies as whole numbers from 1 up to the value fit (2.5 gives 2). A text that
// would print nothing is refused like one that asks for too many, so that the user is told
// instead of seeing the dialog close as if a worksheet had been printed.
CopiesRequest readCopies(std::string_view text);

} // namespace print
