// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <string_view>

// Range codes name a source window of a worksheet; kind codes name the generator last
// used in a window. A kind code means something only together with a range code.
namespace core::range {
inline constexpr std::string_view R500 = "500";
inline constexpr std::string_view R999 = "999";
inline constexpr std::string_view R9999 = "9999";
inline constexpr std::string_view R99999 = "99999";
inline constexpr std::string_view R999999 = "999999";
inline constexpr std::string_view Dec999 = "dec999";
inline constexpr std::string_view Dec9999 = "dec9999";
inline constexpr std::string_view Case1 = "1";
inline constexpr std::string_view Case2 = "2";
inline constexpr std::string_view Case3 = "3";
inline constexpr std::string_view Case4 = "4";
inline constexpr std::string_view Case5 = "5";
} // namespace core::range

namespace core::kind {
inline constexpr std::string_view Add2 = "+2";
inline constexpr std::string_view Add3 = "+3";
inline constexpr std::string_view Sub = "-";
inline constexpr std::string_view Mul = "x";
inline constexpr std::string_view Mul1 = "x1";
inline constexpr std::string_view Mul2 = "x2";
inline constexpr std::string_view Mul3 = "x3";
inline constexpr std::string_view Div = ":";
inline constexpr std::string_view Div2 = ":2";
inline constexpr std::string_view Div3 = ":3";
inline constexpr std::string_view Mixed = "m";
inline constexpr std::string_view Add = "+";
inline constexpr std::string_view MulPow10 = "x10";
inline constexpr std::string_view DivPow10 = ":10";

// Every kind code, in the order the windows' buttons list them.
inline constexpr std::array<std::string_view, 14> All{Add2, Add3, Add, Sub,  Mul,  MulPow10, Mul1,
                                                      Mul2, Mul3, Div, Div2, Div3, DivPow10, Mixed};
} // namespace core::kind
