// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/rules/integer/families.h"

#include "engine/numbers/numberformat.h"
#include "engine/numbers/operation.h"
#include "engine/rules/codes.h"
#include "engine/rules/random.h"

#include <array>
#include <string>

namespace integer {

namespace {

using core::kind::Div;
using core::kind::Div2;
using core::kind::Div3;
namespace r = core::range;

// clang-format off
constexpr std::array<DivisionRow, 10> Rows{{
    // range       kind  N_a     N_b  dividend        and a >= b  divisor (b > B)  dividend text
    {r::R500,     Div2, 99,     9,   above(10),      false,      1,               Form::Plain},
    {r::R500,     Div3, 500,    9,   atLeast(200),   true,       1,               Form::Plain},
    {r::R999,     Div,  999,    9,   atLeast(10),    false,      1,               Form::Plain},
    {r::R999,     Div2, 999,    99,  above(100),     false,      10,              Form::Plain},
    {r::R9999,    Div,  9999,   9,   above(1000),    false,      1,               Form::Grouped},
    {r::R9999,    Div2, 9999,   99,  above(1000),    false,      10,              Form::Grouped},
    {r::R99999,   Div,  99999,  9,   above(10000),   false,      1,               Form::Grouped},
    {r::R99999,   Div2, 99999,  99,  above(10000),   false,      10,              Form::Grouped},
    {r::R999999,  Div,  999999, 9,   above(100000),  false,      1,               Form::Grouped},
    {r::R999999,  Div2, 999999, 99,  above(100000),  false,      10,              Form::Grouped},
}};
// clang-format on

} // namespace

const DivisionRow* findDivision(std::string_view range, std::string_view kind)
{
    for (const DivisionRow& row : Rows) {
        if (row.range == range && row.kind == kind)
            return &row;
    }
    return nullptr;
}

core::Attempt divisionAttempt(const DivisionRow& row, std::string_view closing)
{
    return [&row, closing = std::string(closing)](
               core::RandomSource& rng) -> std::optional<core::Operation> {
        // Dividend first, then divisor; both from 0, nothing added.
        const int a = core::below(rng, row.na);
        const int b = core::below(rng, row.nb);
        const bool ok = row.dividend.admits(a) & (!row.dividendAtLeastDivisor | (a >= b)) &
                        (b > row.b) & (b % 10 != 0);
        if (!ok)
            return std::nullopt;

        const core::WrittenNumber dividend =
            row.dividendForm == Form::Grouped ? core::grouped(a) : core::plain(a);
        return core::operation(core::Operator::Divide, {dividend, core::plain(b)}, closing);
    };
}

std::vector<core::Operation> widestDivision(const DivisionRow& row)
{
    // The largest dividend by the smallest divisor makes the longest quotient; by the
    // largest, the longest divisor.
    std::vector<core::Operation> widest;
    for (const int b : {row.b + 1, row.nb - 1})
        widest.push_back(
            core::operation(core::Operator::Divide, {core::plain(row.na - 1), core::plain(b)}, ""));
    return widest;
}

} // namespace integer
