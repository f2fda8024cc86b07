// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/rules/integer/families.h"

#include "engine/numbers/numberformat.h"
#include "engine/numbers/operation.h"
#include "engine/rules/codes.h"
#include "engine/rules/random.h"

#include <algorithm>
#include <array>
#include <string>

namespace integer {

namespace {

using core::kind::Mul;
using core::kind::Mul1;
using core::kind::Mul2;
using core::kind::Mul3;
namespace r = core::range;
using G = GroupedFactors;

// clang-format off
constexpr std::array<MultiplicationRow, 11> Rows{{
    // range       kind  N_a     N_b  P (a*b <= P)  B (b > B)  A (a > A)  grouped factors
    {r::R500,     Mul,  99,     9,   500,          1,         10,        G::None},
    {r::R999,     Mul1, 999,    9,   999,          1,         30,        G::None},
    {r::R999,     Mul2, 999,    99,  999,          10,        10,        G::None},
    {r::R9999,    Mul1, 9999,   9,   9999,         1,         100,       G::Both},
    {r::R9999,    Mul2, 999,    99,  9999,         10,        50,        G::None},
    {r::R99999,   Mul1, 99999,  9,   99999,        1,         1000,      G::Both},
    {r::R99999,   Mul2, 9999,   99,  99999,        10,        100,       G::Multiplicand},
    {r::R99999,   Mul3, 9999,   999, 99999,        100,       100,       G::Multiplicand},
    {r::R999999,  Mul1, 999999, 9,   999999,       1,         1000,      G::Both},
    {r::R999999,  Mul2, 99999,  99,  999999,       10,        500,       G::Multiplicand},
    {r::R999999,  Mul3, 99999,  999, 999999,       100,       100,       G::Multiplicand},
}};
// clang-format on

} // namespace

const MultiplicationRow* findMultiplication(std::string_view range, std::string_view kind)
{
    for (const MultiplicationRow& row : Rows) {
        if (row.range == range && row.kind == kind)
            return &row;
    }
    return nullptr;
}

core::Attempt multiplicationAttempt(const MultiplicationRow& row, std::string_view closing)
{
    return [&row, closing = std::string(closing)](
               core::RandomSource& rng) -> std::optional<core::Operation> {
        // Multiplicand first, then multiplier; both from 0, nothing added.
        const int a = core::below(rng, row.na);
        const int b = core::below(rng, row.nb);
        const bool ok =
            (a * b <= row.p) & (b > row.b) & (a > row.a) & (a % 10 != 0) & (b % 10 != 0);
        if (!ok)
            return std::nullopt;

        const core::WrittenNumber multiplicand =
            row.grouped == G::None ? core::plain(a) : core::grouped(a);
        const core::WrittenNumber multiplier =
            row.grouped == G::Both ? core::grouped(b) : core::plain(b);
        return core::operation(core::Operator::Times, {multiplicand, multiplier}, closing);
    };
}

std::vector<core::Operation> widestMultiplication(const MultiplicationRow& row)
{
    // Every partial product, shifted to its place, is at most the product, which is at most
    // P: the largest product with the smallest multiplier and with the largest one bounds
    // the factors and every row of the working.
    std::vector<core::Operation> widest;
    for (const int b : {row.b + 1, row.nb - 1}) {
        const int a = std::min(row.p / b, row.na - 1);
        widest.push_back(
            core::operation(core::Operator::Times, {core::plain(a), core::plain(b)}, ""));
    }
    return widest;
}

} // namespace integer
