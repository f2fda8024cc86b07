// SPDX-License-Identifier: GPL-3.0-or-later
// Decimal multiplications, and multiplications and divisions by 10, 100 and 1000.
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

constexpr std::array<int, 3> Powers = {10, 100, 1000};

int drawPower(RandomSource& rng)
{
    return Powers[core::fromOne(rng, 3) - 1];
}

// Within 999: a multiplicand up to 98,84 with up to two decimals, a multiplier from 1,1 to
// 8,8 with one decimal. The multiplier is a single-precision value, so it is written with
// at most 7 significant digits.
constexpr int MultiplicandBound999 = 99;
constexpr int MultiplierBound999 = 9;
constexpr double ProductBound999 = 1000;

// Within 9.999 each factor falls in one of two open bands, each with its own places.
struct Band {
    double low;
    double high;
    int places;

    // A = integer + rounded sine, and the sine stays below 1: an integer part outside
    // [low, high) can never give a value strictly inside the band.
    bool canHold(int integer) const { return integer >= low && integer < high; }
    bool holds(double value) const { return value > low && value < high; }
};

constexpr std::array<Band, 2> MultiplicandBands = {{{10, 100, 2}, {100, 1000, 1}}};
constexpr std::array<Band, 2> MultiplierBands = {{{10, 100, 1}, {100, 1000, 0}}};
constexpr int FactorBound9999 = 999;
constexpr double ProductBound9999 = 10000;

// The multiplication by a power of ten is one rule for both windows; they differ in the
// integer bound of each size class and in a floor on the product.
struct PowerProductRule {
    std::array<int, 4> integerBounds; // by size class 1 to 4
    bool productFloor;                // the product must exceed 100
};

constexpr PowerProductRule PowerProduct999{{9, 99, 999, 2}, false};
constexpr PowerProductRule PowerProduct9999{{99, 999, 9999, 2}, true};
constexpr int BelowOneClass = 4; // its integer part is drawn but the number is below 1
constexpr double PowerProductBound = 10000;
constexpr double PowerProductFloor = 100;
constexpr double SmallestOperand = 0.001;

core::Attempt powerProduct(PowerProductRule rule, std::string closing)
{
    return [rule,
            closing = std::move(closing)](RandomSource& rng) -> std::optional<core::Operation> {
        const int sizeClass = core::fromOne(rng, 4);
        const int integer = core::fromOne(rng, rule.integerBounds[sizeClass - 1]);
        const int places = core::fromOne(rng, 3);
        // The sine is drawn before the places are checked against the class.
        const double r = rng.next();
        if (places == sizeClass)
            return std::nullopt;
        const int m = drawPower(rng);
        const double sine = core::roundHalfEven(std::sin(r), places);
        const double a = sizeClass == BelowOneClass ? sine : sine + integer;
        const double product = a * m;
        if (!(product < PowerProductBound && a > SmallestOperand &&
              (!rule.productFloor || product > PowerProductFloor)))
            return std::nullopt;
        return core::operation(core::Operator::Times, {core::plain(a), writtenPower(m)}, closing);
    };
}

// Division within 999: each power of ten has its own dividend.
constexpr int TenthsDividendBound = 9;
constexpr int HundredthsDividendSpan = 500;
constexpr int HundredthsDividendStart = 10;
constexpr int WholeDividendSpan = 9999;
constexpr int WholeDividendStart = 100;

} // namespace

core::WrittenNumber writtenPower(int power)
{
    return core::grouped(power);
}

core::Attempt multiplication999(Writing writing)
{
    return [writing = std::move(writing)](RandomSource& rng) -> std::optional<core::Operation> {
        const int i = core::below(rng, MultiplicandBound999);
        const int j = core::below(rng, MultiplierBound999);
        const double fa = core::roundedSine(rng, 2);
        const float fb = static_cast<float>(core::roundedSine(rng, 1));
        const double a = fa + i;
        const float b = static_cast<float>(j) + fb;
        if (!(a * b < ProductBound999 && b < 10.0f && a > 1 && b > 1.0f && fa > 0.01 && fb > 0.01f))
            return std::nullopt;
        return core::operation(core::Operator::Times, {core::plain(a), core::plain(b)},
                               writing.closing);
    };
}

core::Attempt multiplication9999(Writing writing)
{
    return [writing = std::move(writing)](RandomSource& rng) -> std::optional<core::Operation> {
        const int i = core::below(rng, FactorBound9999);
        const int j = core::below(rng, FactorBound9999);
        const Band& aBand = MultiplicandBands[core::fromOne(rng, 2) - 1];
        const Band& bBand = MultiplierBands[core::fromOne(rng, 2) - 1];
        const double ra = rng.next();
        const double rb = rng.next();
        // Almost every attempt fails here; the sines are computed only when it may pass.
        // A >= i and B >= j, so i * j alone already decides many products.
        if (!(aBand.canHold(i) && bBand.canHold(j) && i * j < ProductBound9999))
            return std::nullopt;
        const double fa = core::roundHalfEven(std::sin(ra), aBand.places);
        const double fb = core::roundHalfEven(std::sin(rb), bBand.places);
        const double a = fa + i;
        const double b = fb + j;
        // The last digit test rounds the multiplier to a whole number, a tie to even.
        const long wholeB = std::lrint(b);
        if (!(a * b < ProductBound9999 && aBand.holds(a) && bBand.holds(b) && fa > 0.01 &&
              fb > 0.01 && wholeB % 10 != 0))
            return std::nullopt;
        return core::operation(core::Operator::Times, {core::plain(a), core::plain(b)},
                               writing.closing);
    };
}

core::Attempt powerProduct999(Writing writing)
{
    return powerProduct(PowerProduct999, std::move(writing.closing));
}

core::Attempt powerProduct9999(Writing writing)
{
    return powerProduct(PowerProduct9999, std::move(writing.closing));
}

core::Attempt powerQuotient999(Writing writing)
{
    return [writing = std::move(writing)](RandomSource& rng) -> std::optional<core::Operation> {
        const int m = drawPower(rng);
        double a = 0;
        if (m == 10) {
            const int i = core::below(rng, TenthsDividendBound);
            a = core::roundedSine(rng, 2) + i;
        } else if (m == 100) {
            const int i =
                static_cast<int>(rng.next() * HundredthsDividendSpan + HundredthsDividendStart);
            a = core::roundedSine(rng, 1) + i;
        } else {
            a = static_cast<int>(rng.next() * WholeDividendSpan + WholeDividendStart);
        }
        if (!(a / m > SmallestOperand))
            return std::nullopt;
        return core::operation(core::Operator::Divide, {core::plain(a), writtenPower(m)},
                               writing.closing);
    };
}

core::Attempt powerQuotient9999(Writing writing)
{
    return [writing = std::move(writing)](RandomSource& rng) -> std::optional<core::Operation> {
        const int m = drawPower(rng);
        const int integer = static_cast<int>(rng.next() * WholeDividendSpan + WholeDividendStart);
        const int places = core::fromOne(rng, 3);
        const double fraction = core::roundedSine(rng, places);
        if (!(fraction > SmallestOperand))
            return std::nullopt;
        return core::operation(core::Operator::Divide,
                               {core::groupedDecimals(fraction + integer), writtenPower(m)},
                               writing.closing);
    };
}

namespace {

core::Operation times(const core::WrittenNumber& a, const core::WrittenNumber& b)
{
    return core::operation(core::Operator::Times, {a, b}, "");
}

core::Operation by(const core::WrittenNumber& a, int power)
{
    return core::operation(core::Operator::Divide, {a, writtenPower(power)}, "");
}

} // namespace

std::vector<core::Operation> widestMultiplication999()
{
    // The largest factors with their most places: the product, below 1000, has three.
    return {times(core::plain(MultiplicandBound999 - 1 + 0.99),
                  core::plain(MultiplierBound999 - 1 + 0.9))};
}

std::vector<core::Operation> widestMultiplication9999()
{
    // The product stays below 10.000 with at most three places, so it and every partial
    // product, as whole numbers, have at most seven digits: 99,99 x 99,9 has seven.
    return {times(core::plain(99.99), core::plain(99.9))};
}

// The mental operations: every size class with its most places, by 1000. Some of these
// products pass the rules' bound: they are wider than any line, never narrower.
std::vector<core::Operation> widestPowerProduct999()
{
    return {times(core::plain(999.99), writtenPower(1000)),
            times(core::plain(99.999), writtenPower(1000))};
}

std::vector<core::Operation> widestPowerProduct9999()
{
    return {times(core::plain(9999.99), writtenPower(1000)),
            times(core::plain(999.999), writtenPower(1000))};
}

std::vector<core::Operation> widestPowerQuotient999()
{
    return {by(core::plain(WholeDividendSpan + WholeDividendStart - 1), 1000),
            by(core::plain(HundredthsDividendSpan + HundredthsDividendStart - 1 + 0.9), 1000)};
}

std::vector<core::Operation> widestPowerQuotient9999()
{
    return {by(core::groupedDecimals(WholeDividendSpan + WholeDividendStart - 1 + 0.999), 1000)};
}

} // namespace decimal::detail
