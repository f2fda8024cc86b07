// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/numbers/numberformat.h"

#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

// An operation as the rules make it: its numbers as written, its operator and the word
// that closes its line. The exercise line is written from it; its result never is part of
// the line.
namespace core {

enum class Operator { Plus, Minus, Times, Divide };

// The windows close every line with " = "; some worksheets close with " =".
inline constexpr std::string_view ClosingScreen = " = ";
inline constexpr std::string_view ClosingSheet = " =";

struct Operation {
    Operator op = Operator::Plus;
    // Two numbers, or more for an addition.
    std::vector<WrittenNumber> operands;
    std::string closing{ClosingScreen};

    bool operator==(const Operation&) const = default;
};

// An operation of these numbers, closed by `closing`.
Operation operation(Operator op, std::initializer_list<WrittenNumber> operands,
                    std::string_view closing);

// The word between two operands: " + ", " - ", " x ", " : ".
std::string_view operatorWord(Operator op);

// The exercise line: the operands joined by the operator word, then the closing word
// ("3.456 + 78 = ").
std::string lineOf(const Operation& operation);

} // namespace core
