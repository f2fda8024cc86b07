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

using core::kind::Add2;
using core::kind::Add3;
using core::kind::Sub;
namespace r = core::range;

// clang-format off
constexpr std::array<AdditiveRow, 15> Rows{{
    // range       kind  shape                  N        a              b            c            one operand above  form
    {r::R500,     Add2, Shape::TwoAddends,   500,     any,           any,         any,         above(100),     Form::Plain},
    {r::R999,     Add2, Shape::TwoAddends,   999,     atLeast(10),   atLeast(10), any,         above(100),     Form::Plain},
    {r::R9999,    Add2, Shape::TwoAddends,   9999,    above(100),    above(100),  any,         above(1000),    Form::Grouped},
    {r::R99999,   Add2, Shape::TwoAddends,   99999,   above(100),    above(100),  any,         above(1000),    Form::Grouped},
    {r::R999999,  Add2, Shape::TwoAddends,   999999,  above(1000),   above(1000), any,         above(100000),  Form::Grouped},

    {r::R500,     Add3, Shape::ThreeAddends, 500,     atLeast(50),   any,         above(10),   any,            Form::Plain},
    {r::R999,     Add3, Shape::ThreeAddends, 999,     atLeast(50),   any,         above(10),   any,            Form::Plain},
    {r::R9999,    Add3, Shape::ThreeAddends, 9999,    atLeast(50),   any,         above(100),  above(1000),    Form::Grouped},
    {r::R99999,   Add3, Shape::ThreeAddends, 99999,   above(100),    above(100),  above(100),  above(10000),   Form::Grouped},
    {r::R999999,  Add3, Shape::ThreeAddends, 999999,  above(100),    any,         above(1000), above(100000),  Form::Grouped},

    // a is the minuend, b the subtrahend; a >= b always
    {r::R500,     Sub,  Shape::Difference,   500,     atLeast(400),  any,         any,         any,            Form::Plain},
    {r::R999,     Sub,  Shape::Difference,   999,     atLeast(400),  any,         any,         any,            Form::Plain},
    {r::R9999,    Sub,  Shape::Difference,   9999,    above(1000),   any,         any,         any,            Form::Grouped},
    {r::R99999,   Sub,  Shape::Difference,   99999,   above(10000),  any,         any,         any,            Form::Grouped},
    {r::R999999,  Sub,  Shape::Difference,   999999,  above(100000), above(1000), any,         any,            Form::Grouped},
}};
// clang-format on

core::WrittenNumber written(int value, Form form)
{
    return form == Form::Grouped ? core::grouped(value) : core::plain(value);
}

} // namespace

const AdditiveRow* findAdditive(std::string_view range, std::string_view kind)
{
    for (const AdditiveRow& row : Rows) {
        if (row.range == range && row.kind == kind)
            return &row;
    }
    return nullptr;
}

core::Attempt additiveAttempt(const AdditiveRow& row, std::string_view closing)
{
    return [&row, closing = std::string(closing)](
               core::RandomSource& rng) -> std::optional<core::Operation> {
        const bool three = row.shape == Shape::ThreeAddends;
        // Every operand of the attempt is drawn before anything is tested.
        const int a = core::fromOne(rng, row.n);
        const int b = core::fromOne(rng, row.n);
        const int c = three ? core::fromOne(rng, row.n) : 0;

        // Every condition is evaluated (no short-cut), then combined as the rule states.
        const bool fits = row.shape == Shape::Difference ? a >= b : a + b + c <= row.n;
        const bool floors = row.a.admits(a) & row.b.admits(b) & (!three | row.c.admits(c));
        const bool oneAbove =
            row.oneAbove.admits(a) | row.oneAbove.admits(b) | (three & row.oneAbove.admits(c));
        if (!(fits & floors & oneAbove))
            return std::nullopt;

        const core::Operator op =
            row.shape == Shape::Difference ? core::Operator::Minus : core::Operator::Plus;
        if (three)
            return core::operation(
                op, {written(a, row.form), written(b, row.form), written(c, row.form)}, closing);
        return core::operation(op, {written(a, row.form), written(b, row.form)}, closing);
    };
}

std::vector<core::Operation> widestAdditive(const AdditiveRow& row)
{
    // The sum, like the minuend, is at most N, so no number of the line has more digits
    // than N: a line whose largest number is N is as wide as any.
    const core::WrittenNumber one = core::plain(1);
    switch (row.shape) {
    case Shape::TwoAddends:
        return {core::operation(core::Operator::Plus, {core::plain(row.n - 1), one}, "")};
    case Shape::ThreeAddends:
        return {core::operation(core::Operator::Plus, {core::plain(row.n - 2), one, one}, "")};
    case Shape::Difference:
        break;
    }
    return {core::operation(core::Operator::Minus, {core::plain(row.n), one}, "")};
}

} // namespace integer
