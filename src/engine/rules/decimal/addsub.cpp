// SPDX-License-Identifier: GPL-3.0-or-later
// Decimal additions and subtractions of both windows.
#include "engine/numbers/numberformat.h"
#include "engine/numbers/operation.h"
#include "engine/rules/decimal/attempts.h"
#include "engine/rules/random.h"

#include <array>
#include <cmath>
#include <string>

namespace decimal::detail {

namespace {

using core::RandomSource;

// Within 999 both operands are drawn alike: an integer part below 999 or below 9 with
// even chance, then a number of places for each (0-2 for the first, 1-3 for the second).
struct Pair {
    double a = 0;
    double b = 0;
};

constexpr int WideBound999 = 999;
constexpr int NarrowBound999 = 9;

int integerPart999(RandomSource& rng)
{
    const int bound = core::fromOne(rng, 2) == 1 ? WideBound999 : NarrowBound999;
    return core::below(rng, bound);
}

// nullopt when both operands drew the same number of places (nothing more is drawn then).
std::optional<Pair> drawPair999(RandomSource& rng)
{
    const int i1 = integerPart999(rng);
    const int i2 = integerPart999(rng);
    const int d1 = core::below(rng, 3);
    const int d2 = core::fromOne(rng, 3);
    if (d1 == d2)
        return std::nullopt;
    Pair pair;
    pair.a = core::roundedSine(rng, d1) + i1;
    pair.b = core::roundedSine(rng, d2) + i2;
    return pair;
}

// Within 9.999 the addends are assembled from an integer part and decimal digits.
constexpr std::array<int, 4> AddendIntegerBounds = {9, 99, 999, 9999};
constexpr std::array<int, 3> AddendFractionBounds = {9, 99, 999};
constexpr int DroppedIntegerPart = 2; // the value of w that writes "0," instead of t_i
constexpr long SumBoundThousandths = 10000L * 1000;

// Thousandths make the written value exact: no binary noise decides the sum bound.
// The decimals are the digits of `fraction` as written, so 5 reads ,5 and 50 reads ,50.
long fractionThousandths(int fraction)
{
    const long scale = fraction < 10 ? 100 : fraction < 100 ? 10 : 1;
    return fraction * scale;
}

constexpr int SubtrahendBound9999 = 999;
constexpr int WideMinuendBound = 9999;
constexpr int NarrowMinuendBound = 999;
constexpr double MinuendFloor = 1000;
constexpr double SubtrahendFloor = 100;
// A minuend whose sine rounds to 0 still gets a fractional part.
constexpr double FallbackFraction = 0.1;

} // namespace

core::Attempt addition999(Writing writing)
{
    return [writing = std::move(writing)](RandomSource& rng) -> std::optional<core::Operation> {
        const auto pair = drawPair999(rng);
        if (!pair || !(pair->a + pair->b < 1000 && pair->a > 0 && pair->b > 0))
            return std::nullopt;
        return core::operation(core::Operator::Plus, {core::plain(pair->a), core::plain(pair->b)},
                               writing.closing);
    };
}

core::Attempt subtraction999(Writing writing)
{
    return [writing = std::move(writing)](RandomSource& rng) -> std::optional<core::Operation> {
        const auto pair = drawPair999(rng);
        if (!pair || !(pair->a > pair->b && pair->a > 0 && pair->b > 0))
            return std::nullopt;
        return core::operation(core::Operator::Minus, {core::plain(pair->a), core::plain(pair->b)},
                               writing.closing);
    };
}

core::Attempt addition9999(Writing writing)
{
    return [writing = std::move(writing)](RandomSource& rng) -> std::optional<core::Operation> {
        std::array<int, 3> sizeClass{}, integer{}, fractionClass{}, fraction{};
        for (int& k : sizeClass)
            k = core::fromOne(rng, 4);
        for (int n = 0; n < 3; ++n)
            integer[n] = core::below(rng, AddendIntegerBounds[sizeClass[n] - 1]);
        for (int& c : fractionClass)
            c = core::fromOne(rng, 3);
        for (int n = 0; n < 3; ++n)
            fraction[n] = core::below(rng, AddendFractionBounds[fractionClass[n] - 1]);

        std::array<core::WrittenNumber, 3> text;
        std::array<long, 3> thousandths{};
        for (int n = 0; n < 3; ++n) {
            const int w = core::fromOne(rng, 4);
            const core::WrittenNumber whole = core::grouped(integer[n]);
            const long wholeThousandths = 1000L * integer[n];
            if (fraction[n] == 0) {
                text[n] = whole;
                thousandths[n] = wholeThousandths;
            } else if (w == DroppedIntegerPart) {
                text[n] = core::withFraction(core::plain(0), fraction[n]);
                thousandths[n] = fractionThousandths(fraction[n]);
            } else {
                text[n] = core::withFraction(whole, fraction[n]);
                thousandths[n] = wholeThousandths + fractionThousandths(fraction[n]);
            }
        }

        const bool drawnParts = integer[0] >= 1 && integer[1] >= 1 && integer[2] >= 1 &&
                                sizeClass[0] != sizeClass[1] &&
                                fractionClass[0] != fractionClass[1];
        // The third number counts in the bound even when the line shows only two.
        const bool withinRange =
            thousandths[0] + thousandths[1] + thousandths[2] < SumBoundThousandths &&
            thousandths[0] > 0 && thousandths[1] > 0 && thousandths[2] > 0;
        if (!(drawnParts && withinRange))
            return std::nullopt;

        if (core::fromOne(rng, 2) == 1)
            return core::operation(core::Operator::Plus, {text[0], text[1]}, writing.closing);
        return core::operation(core::Operator::Plus, {text[0], text[1], text[2]}, writing.closing);
    };
}

core::Attempt subtraction9999(Writing writing)
{
    return [writing = std::move(writing)](RandomSource& rng) -> std::optional<core::Operation> {
        const int minuendBound = core::fromOne(rng, 2) == 1 ? WideMinuendBound : NarrowMinuendBound;
        const int ia = core::below(rng, minuendBound);
        const int ib = core::below(rng, SubtrahendBound9999);
        const int da = core::fromOne(rng, 3);
        const int db = core::below(rng, 3);
        if (da == db)
            return std::nullopt;
        const double fa = core::roundedSine(rng, da);
        const double fb = core::roundedSine(rng, db);
        const double minuend = fa > 0 ? fa + ia : ia + FallbackFraction;
        const double subtrahend = fb + ib;
        if (!(minuend > subtrahend && minuend > MinuendFloor && subtrahend > SubtrahendFloor))
            return std::nullopt;
        return core::operation(core::Operator::Minus,
                               {core::groupedDecimals(minuend), core::plain(subtrahend)},
                               writing.closing);
    };
}

// The numbers of a line are aligned at the comma: the widest has the most whole digits its
// bound allows and the most places any of them may have.
namespace {

std::vector<core::Operation> widest(core::Operator op, double a, double b)
{
    return {core::operation(op, {core::plain(a), core::plain(b)}, "")};
}

} // namespace

std::vector<core::Operation> widestAddition999()
{
    // The sum stays below 1000; the second addend has up to three places.
    return widest(core::Operator::Plus, 998.99, 0.999);
}

std::vector<core::Operation> widestSubtraction999()
{
    return widest(core::Operator::Minus, WideBound999 - 1 + 0.99, 0.999);
}

std::vector<core::Operation> widestAddition9999()
{
    // The sum stays below 10.000, each addend has up to three places.
    return widest(core::Operator::Plus, 9998.999, 0.999);
}

std::vector<core::Operation> widestSubtraction9999()
{
    return widest(core::Operator::Minus, WideMinuendBound - 1 + 0.999,
                  SubtrahendBound9999 - 1 + 0.99);
}

} // namespace decimal::detail
