// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/numbers/result.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <utility>

namespace core {

namespace {

// A decimal number as the integer `units` over 10^scale: 0,35 is {35, 2}. Every step
// below is checked, so numbers far beyond any window give no result rather than overflow.
struct Decimal {
    std::int64_t units = 0;
    int scale = 0;
};

constexpr int MaxScale = 18;

constexpr std::array<std::int64_t, MaxScale + 1> Pow10 = [] {
    std::array<std::int64_t, MaxScale + 1> p{};
    p[0] = 1;
    for (int i = 1; i <= MaxScale; ++i)
        p[i] = p[i - 1] * 10;
    return p;
}();

bool mul(std::int64_t a, std::int64_t b, std::int64_t& out)
{
    return !__builtin_mul_overflow(a, b, &out);
}

// The same value written with `scale` decimals (never fewer than it has).
std::optional<std::int64_t> unitsAt(const Decimal& d, int scale)
{
    std::int64_t out = 0;
    if (scale < d.scale || scale > MaxScale || !mul(d.units, Pow10[scale - d.scale], out))
        return std::nullopt;
    return out;
}

NumberForm formOf(bool points)
{
    return points ? NumberForm::Grouped : NumberForm::Plain;
}

// Trailing zeros of the fraction are dropped unless `keepPlaces`.
WrittenNumber written(const Decimal& d, bool points, bool keepPlaces = false)
{
    return fromUnits(d.units, d.scale, formOf(points), keepPlaces);
}

// Adds (or, after the first, subtracts) one more operand to a running total, bringing
// both to the larger scale.
bool accumulate(Decimal& total, const Decimal& d, bool subtract)
{
    const int scale = std::max(total.scale, d.scale);
    const auto left = unitsAt(total, scale);
    const auto right = unitsAt(d, scale);
    if (!left || !right)
        return false;
    total.scale = scale;
    return subtract ? !__builtin_sub_overflow(*left, *right, &total.units)
                    : !__builtin_add_overflow(*left, *right, &total.units);
}

std::optional<Result> product(const Decimal& a, const Decimal& b, const ResultStyle& style)
{
    Decimal p{0, a.scale + b.scale};
    if (p.scale > MaxScale || !mul(a.units, b.units, p.units))
        return std::nullopt;
    return Result{written(p, style.thousandsPoints, style.everyPlace), false, std::nullopt};
}

std::optional<Result> quotient(const Decimal& a, const Decimal& b, const ResultStyle& style)
{
    // Both at one scale, the quotient of the values is the quotient of the units.
    const int scale = std::max(a.scale, b.scale);
    const auto dividend = unitsAt(a, scale);
    const auto divisor = unitsAt(b, scale);
    if (!dividend || !divisor || *divisor == 0)
        return std::nullopt;
    if (style.wholeQuotient) {
        const Decimal q{*dividend / *divisor, 0};
        const Decimal r{*dividend % *divisor, scale};
        return Result{written(q, style.thousandsPoints), false,
                      written(r, style.thousandsPoints, style.everyPlace)};
    }
    std::int64_t shifted = 0;
    if (style.quotientDecimals < 0 || style.quotientDecimals > MaxScale ||
        !mul(*dividend, Pow10[style.quotientDecimals], shifted))
        return std::nullopt;
    // A quotient that goes on is written with every place the column division reached
    // ("1,30…", as the pupil writes it); an exact one in its shortest form.
    const bool goesOn = shifted % *divisor != 0;
    return Result{
        written({shifted / *divisor, style.quotientDecimals}, style.thousandsPoints, goesOn),
        goesOn, std::nullopt};
}

std::optional<Decimal> valueOf(const WrittenNumber& n)
{
    const auto units = unitsOf(n);
    if (!units || n.decimals < 0 || n.decimals > MaxScale)
        return std::nullopt;
    return Decimal{*units, n.decimals};
}

} // namespace

std::string resultText(const Result& result)
{
    std::string out = text(result.value);
    if (result.goesOn)
        out += "…";
    // No "resto" for a remainder of 0.
    if (result.remainder && result.remainder->digits.find_first_not_of('0') != std::string::npos)
        out += " resto " + text(*result.remainder);
    return out;
}

std::optional<Result> operationResult(const Operation& operation, const ResultStyle& style)
{
    const std::vector<WrittenNumber>& operands = operation.operands;
    if (operands.size() < 2)
        return std::nullopt;
    std::vector<Decimal> values;
    values.reserve(operands.size());
    for (const WrittenNumber& n : operands) {
        const auto value = valueOf(n);
        if (!value)
            return std::nullopt;
        values.push_back(*value);
    }
    switch (operation.op) {
    case Operator::Plus:
    case Operator::Minus: {
        // A running total at the largest scale of its operands.
        Decimal total = values.front();
        for (std::size_t i = 1; i < values.size(); ++i)
            if (!accumulate(total, values[i], operation.op == Operator::Minus))
                return std::nullopt;
        return Result{written(total, style.thousandsPoints, style.everyPlace), false, std::nullopt};
    }
    case Operator::Times:
        return product(values[0], values[1], style);
    case Operator::Divide:
        return quotient(values[0], values[1], style);
    }
    return std::nullopt;
}

std::optional<std::string> lineResult(const Operation& operation, const ResultStyle& style)
{
    const auto result = operationResult(operation, style);
    if (!result)
        return std::nullopt;
    return resultText(*result);
}

std::optional<std::string> keyLine(const Operation& operation, const ResultStyle& style)
{
    auto result = lineResult(operation, style);
    if (!result)
        return std::nullopt;
    std::string out = lineOf(operation);
    if (!out.ends_with(' '))
        out += ' ';
    out += *result;
    return out;
}

} // namespace core
