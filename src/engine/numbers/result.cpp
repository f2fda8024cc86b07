// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/numbers/result.h"

#include "engine/numbers/line.h"

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

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

bool appendDigit(Decimal& d, char c)
{
    return mul(d.units, 10, d.units) && !__builtin_add_overflow(d.units, c - '0', &d.units);
}

// An Italian number text: digits, optionally grouped by "." every three digits, then
// optionally "," and decimals ("1.000", "0,35", "9.999,99").
std::optional<Decimal> parseNumber(std::string_view text)
{
    const std::size_t comma = text.find(',');
    const std::string_view whole = text.substr(0, comma);
    const std::string_view decimals =
        comma == std::string_view::npos ? std::string_view{} : text.substr(comma + 1);
    if (whole.empty() || (comma != std::string_view::npos && decimals.empty()))
        return std::nullopt;
    const std::size_t firstPoint = whole.find('.');
    Decimal d;
    for (std::size_t i = 0; i < whole.size(); ++i) {
        const char c = whole[i];
        // Points stand only where they group by three, counted from the right.
        const bool pointPlace = firstPoint != std::string_view::npos && (whole.size() - i) % 4 == 0;
        if (pointPlace ? c != '.' : !isDigit(c))
            return std::nullopt;
        if (!pointPlace && !appendDigit(d, c))
            return std::nullopt;
    }
    if (firstPoint != std::string_view::npos && (firstPoint == 0 || firstPoint > 3))
        return std::nullopt;
    if (decimals.size() > MaxScale)
        return std::nullopt;
    for (char c : decimals) {
        if (!isDigit(c) || !appendDigit(d, c))
            return std::nullopt;
    }
    d.scale = static_cast<int>(decimals.size());
    return d;
}

// Digits of a non-negative whole number, grouped by thousands when asked.
void appendWhole(std::string& out, std::uint64_t n, bool points)
{
    std::array<char, 20> digits{};
    std::size_t count = 0;
    do {
        digits[count++] = static_cast<char>('0' + n % 10);
        n /= 10;
    } while (n != 0);
    for (std::size_t i = count; i-- > 0;) {
        out += digits[i];
        if (points && i != 0 && i % 3 == 0)
            out += '.';
    }
}

// Trailing zeros of the fraction are dropped unless `keepPlaces`.
std::string format(const Decimal& d, bool points, bool keepPlaces = false)
{
    std::string out;
    if (d.units < 0)
        out += '-';
    // Magnitude without negating INT64_MIN.
    const std::uint64_t magnitude =
        d.units < 0 ? 0 - static_cast<std::uint64_t>(d.units) : static_cast<std::uint64_t>(d.units);
    const auto scale = static_cast<std::uint64_t>(Pow10[d.scale]);
    appendWhole(out, magnitude / scale, points);
    std::uint64_t fraction = magnitude % scale;
    int places = d.scale;
    while (!keepPlaces && places > 0 && fraction % 10 == 0) {
        fraction /= 10;
        --places;
    }
    if (places > 0) {
        out += ',';
        for (int place = places - 1; place >= 0; --place)
            out +=
                static_cast<char>('0' + fraction / static_cast<std::uint64_t>(Pow10[place]) % 10);
    }
    return out;
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
    return Result{format(p, style.thousandsPoints, style.everyPlace), {}};
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
        return Result{format(q, style.thousandsPoints),
                      format(r, style.thousandsPoints, style.everyPlace)};
    }
    std::int64_t shifted = 0;
    if (style.quotientDecimals < 0 || style.quotientDecimals > MaxScale ||
        !mul(*dividend, Pow10[style.quotientDecimals], shifted))
        return std::nullopt;
    // A quotient that goes on is written with every place the column division reached
    // ("1,30…", as the pupil writes it); an exact one in its shortest form.
    const bool goesOn = shifted % *divisor != 0;
    std::string out =
        format({shifted / *divisor, style.quotientDecimals}, style.thousandsPoints, goesOn);
    if (goesOn)
        out += "…";
    return Result{std::move(out), {}};
}

Decimal valueOf(const WrittenNumber& n)
{
    return {n.units, n.decimals};
}

} // namespace

std::optional<Operation> readOperation(std::string_view line)
{
    std::string_view body;
    if (line.ends_with(ClosingScreen))
        body = line.substr(0, line.size() - ClosingScreen.size());
    else if (line.ends_with(ClosingSheet))
        body = line.substr(0, line.size() - ClosingSheet.size());
    else
        return std::nullopt;

    constexpr std::array<std::pair<std::string_view, Operator>, 4> Words{{
        {OpPlus, Operator::Plus},
        {OpMinus, Operator::Minus},
        {OpTimes, Operator::Times},
        {OpDivide, Operator::Divide},
    }};
    Operation operation;
    std::string_view op;
    for (const auto& [word, which] : Words) {
        if (body.find(word) == std::string_view::npos)
            continue;
        if (!op.empty())
            return std::nullopt; // two different operator words
        op = word;
        operation.op = which;
    }
    if (op.empty())
        return std::nullopt;

    // Additions may have more addends; the other operations take exactly two numbers.
    for (std::size_t start = 0;;) {
        const std::size_t at = body.find(op, start);
        const std::string_view text = body.substr(start, at - start);
        const auto number = parseNumber(text);
        if (!number || (operation.operands.size() == 2 && operation.op != Operator::Plus))
            return std::nullopt;
        operation.operands.push_back({text, number->units, number->scale});
        if (at == std::string_view::npos)
            break;
        start = at + op.size();
    }
    if (operation.operands.size() < 2)
        return std::nullopt;
    return operation;
}

std::optional<Result> operationResult(const Operation& operation, const ResultStyle& style)
{
    const std::vector<WrittenNumber>& operands = operation.operands;
    if (operands.size() < 2)
        return std::nullopt;
    switch (operation.op) {
    case Operator::Plus:
    case Operator::Minus: {
        // A running total at the largest scale of its operands.
        Decimal total = valueOf(operands.front());
        for (std::size_t i = 1; i < operands.size(); ++i)
            if (!accumulate(total, valueOf(operands[i]), operation.op == Operator::Minus))
                return std::nullopt;
        return Result{format(total, style.thousandsPoints, style.everyPlace), {}};
    }
    case Operator::Times:
        return product(valueOf(operands[0]), valueOf(operands[1]), style);
    case Operator::Divide:
        return quotient(valueOf(operands[0]), valueOf(operands[1]), style);
    }
    return std::nullopt;
}

std::optional<std::string> lineResult(std::string_view line, const ResultStyle& style)
{
    const auto operation = readOperation(line);
    if (!operation)
        return std::nullopt;
    auto result = operationResult(*operation, style);
    if (!result)
        return std::nullopt;
    // No "resto" for a remainder of 0.
    if (result->remainder.find_first_not_of("0,.") != std::string::npos)
        result->value += " resto " + result->remainder;
    return std::move(result->value);
}

std::optional<std::string> keyLine(std::string_view line, const ResultStyle& style)
{
    auto result = lineResult(line, style);
    if (!result)
        return std::nullopt;
    std::string out(line);
    if (!line.ends_with(' '))
        out += ' ';
    out += *result;
    return out;
}

} // namespace core
