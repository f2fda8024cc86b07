// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

// The exercise line: operands joined by one operator word and closed by a closing word.
// The result is never part of it.
namespace core {

inline constexpr std::string_view OpPlus = " + ";
inline constexpr std::string_view OpMinus = " - ";
inline constexpr std::string_view OpTimes = " x ";
inline constexpr std::string_view OpDivide = " : ";

// The windows close every line with " = "; some worksheets close with " =".
inline constexpr std::string_view ClosingScreen = " = ";
inline constexpr std::string_view ClosingSheet = " =";

std::string exerciseLine(std::initializer_list<std::string_view> operands, std::string_view op,
                         std::string_view closing);

} // namespace core
