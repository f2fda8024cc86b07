// SPDX-License-Identifier: GPL-3.0-or-later
// Chosen random values give an exact line, and each attempt consumes exactly the values
// its rule draws, also when it is rejected early.
#include "engine/rules/decimal/rules.h"
#include "engine/rules/generation.h"
#include "engine/rules/random.h"

#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <string>
#include <vector>

namespace {

// Values of the random sequence that make each draw come out as wanted.
double below(int n, int value)
{
    return (value + 0.5) / n;
}
double fromOne(int n, int value)
{
    return (value - 0.5) / n;
}
// The integer part of r * span + start.
double spanned(int span, int start, int value)
{
    return (value - start + 0.5) / span;
}
// A value whose sine is `sine`.
double sineOf(double sine)
{
    return std::asin(sine);
}

struct Outcome {
    std::optional<std::string> line;
    std::size_t consumed = 0;
};

Outcome attempt(std::string_view range, std::string_view kind, std::vector<double> values,
                std::string_view closing = " = ")
{
    auto recipe = decimal::recipe(range, kind, closing);
    EXPECT_TRUE(recipe.has_value()) << range << " " << kind;
    if (!recipe)
        return {};
    core::ScriptedRandom rng(std::move(values));
    Outcome outcome;
    if (const auto made = recipe->front().attempt(rng))
        outcome.line = core::lineOf(*made);
    outcome.consumed = rng.consumed();
    return outcome;
}

void expectLine(const Outcome& outcome, const std::string& line, std::size_t consumed)
{
    ASSERT_TRUE(outcome.line.has_value()) << "expected " << line;
    EXPECT_EQ(*outcome.line, line);
    EXPECT_EQ(outcome.consumed, consumed);
}

void expectRejected(const Outcome& outcome, std::size_t consumed)
{
    EXPECT_FALSE(outcome.line.has_value()) << *outcome.line;
    EXPECT_EQ(outcome.consumed, consumed);
}

} // namespace

TEST(DecimalRecipes, KnowsExactlyTheTenGenerators)
{
    for (std::string_view range : {"dec999", "dec9999"}) {
        for (std::string_view kind : {"+", "-", "x", "x10", ":10"}) {
            auto recipe = decimal::recipe(range, kind, " = ");
            ASSERT_TRUE(recipe.has_value()) << range << " " << kind;
            ASSERT_EQ(recipe->size(), 1u);
            EXPECT_EQ(recipe->front().size, 10);
        }
    }
    EXPECT_FALSE(decimal::recipe("dec999", "+2", " = "));
    EXPECT_FALSE(decimal::recipe("dec9999", "m", " = "));
    EXPECT_FALSE(decimal::recipe("999", "+", " = "));
    EXPECT_FALSE(decimal::recipe("9999", "x10", " = "));
    EXPECT_FALSE(decimal::recipe("1", "x", " = "));
}

// Within 999: s, i1, s, i2, d1, d2, then the two sines.
TEST(DecimalAddSub999, ChosenDrawsGiveTheLine)
{
    // 7 with no places and 0,25: a whole number carries no comma.
    expectLine(attempt("dec999", "+",
                       {fromOne(2, 2), below(9, 7), fromOne(2, 2), below(9, 0), below(3, 0),
                        fromOne(3, 2), 0.1, sineOf(0.25)}),
               "7 + 0,25 = ", 8);
    // Wide integer parts, the sine rounded to 1 place gives 0,4 written 0,4.
    expectLine(attempt("dec999", "+",
                       {fromOne(2, 1), below(999, 123), fromOne(2, 1), below(999, 45), below(3, 2),
                        fromOne(3, 1), sineOf(0.56), sineOf(0.4)},
                       " ="),
               "123,56 + 45,4 =", 8);
    expectLine(attempt("dec999", "-",
                       {fromOne(2, 2), below(9, 5), fromOne(2, 2), below(9, 5), below(3, 0),
                        fromOne(3, 1), sineOf(0.6), sineOf(0.8)}),
               "6 - 5,8 = ", 8);
}

TEST(DecimalAddSub999, SamePlacesRejectBeforeTheSines)
{
    for (std::string_view kind : {"+", "-"}) {
        expectRejected(attempt("dec999", kind,
                               {fromOne(2, 1), below(999, 10), fromOne(2, 1), below(999, 20),
                                below(3, 1), fromOne(3, 1)}),
                       6);
        expectRejected(attempt("dec999", kind,
                               {fromOne(2, 1), below(999, 10), fromOne(2, 1), below(999, 20),
                                below(3, 2), fromOne(3, 2)}),
                       6);
    }
}

TEST(DecimalAddSub999, AcceptanceBounds)
{
    // 998 + 1 = 999 passes, 999 + 1 = 1000 does not (a whole 999 from a sine rounded up).
    expectLine(attempt("dec999", "+",
                       {fromOne(2, 1), below(999, 998), fromOne(2, 1), below(999, 1), below(3, 0),
                        fromOne(3, 1), 0.1, 0.01}),
               "998 + 1 = ", 8);
    expectRejected(attempt("dec999", "+",
                           {fromOne(2, 1), below(999, 998), fromOne(2, 1), below(999, 1),
                            below(3, 0), fromOne(3, 1), sineOf(0.6), 0.01}),
                   8);
    // An operand of 0 is refused.
    expectRejected(attempt("dec999", "+",
                           {fromOne(2, 2), below(9, 0), fromOne(2, 2), below(9, 3), below(3, 0),
                            fromOne(3, 1), 0.1, sineOf(0.5)}),
                   8);
    // The subtraction needs a > b: 5 - 5 is refused, 4,8 - 5 too.
    expectRejected(attempt("dec999", "-",
                           {fromOne(2, 2), below(9, 5), fromOne(2, 2), below(9, 5), below(3, 0),
                            fromOne(3, 1), 0.1, 0.01}),
                   8);
    expectRejected(attempt("dec999", "-",
                           {fromOne(2, 2), below(9, 4), fromOne(2, 2), below(9, 5), below(3, 2),
                            fromOne(3, 1), sineOf(0.8), 0.01}),
                   8);
}

// Within 9.999: s, ia, ib, da, db, then the minuend's sine and the subtrahend's.
TEST(DecimalSub9999, ChosenDrawsGiveTheLine)
{
    expectLine(attempt("dec9999", "-",
                       {fromOne(2, 1), below(9999, 1234), below(999, 567), fromOne(3, 1),
                        below(3, 2), sineOf(0.5), sineOf(0.25)}),
               "1.234,5 - 567,25 = ", 7);
    // A minuend sine rounding to 0 becomes ,1; a subtrahend with no places is whole.
    expectLine(attempt("dec9999", "-",
                       {fromOne(2, 1), below(9999, 4000), below(999, 250), fromOne(3, 3),
                        below(3, 0), 0.0001, sineOf(0.7)}),
               "4.000,1 - 251 = ", 7);
    // Three places in the minuend: 1.001,234.
    expectLine(attempt("dec9999", "-",
                       {fromOne(2, 1), below(9999, 1001), below(999, 101), fromOne(3, 3),
                        below(3, 1), sineOf(0.234), 0.01}),
               "1.001,234 - 101 = ", 7);
}

TEST(DecimalSub9999, RejectionsConsumeTheirDraws)
{
    // Same places: nothing after the places is drawn.
    expectRejected(
        attempt("dec9999", "-",
                {fromOne(2, 1), below(9999, 5000), below(999, 500), fromOne(3, 2), below(3, 2)}),
        5);
    // Both sines are drawn before the test: subtrahend 100 is not above 100.
    expectRejected(attempt("dec9999", "-",
                           {fromOne(2, 1), below(9999, 5000), below(999, 100), fromOne(3, 1),
                            below(3, 0), sineOf(0.3), 0.1}),
                   7);
    // The narrow minuend stays below 1.000.
    expectRejected(attempt("dec9999", "-",
                           {fromOne(2, 2), below(999, 998), below(999, 500), fromOne(3, 1),
                            below(3, 0), sineOf(0.8), 0.1}),
                   7);
    // 1.000,1 is above 1.000: the floor is strict on the value, not on the integer part.
    expectLine(attempt("dec9999", "-",
                       {fromOne(2, 1), below(9999, 1000), below(999, 500), fromOne(3, 1),
                        below(3, 0), 0.0001, 0.1}),
               "1.000,1 - 500 = ", 7);
}

// Within 9.999: k1..k3, p1..p3, c1..c3, f1..f3, w1..w3, and m after acceptance.
namespace {

struct Addend {
    int sizeClass;
    int integer;
    int fractionClass;
    int fraction;
    int w;
};

std::vector<double> additionDraws(const Addend (&q)[3], std::optional<int> m)
{
    constexpr int IntegerBounds[] = {9, 99, 999, 9999};
    constexpr int FractionBounds[] = {9, 99, 999};
    std::vector<double> values;
    for (const Addend& a : q)
        values.push_back(fromOne(4, a.sizeClass));
    for (const Addend& a : q)
        values.push_back(below(IntegerBounds[a.sizeClass - 1], a.integer));
    for (const Addend& a : q)
        values.push_back(fromOne(3, a.fractionClass));
    for (const Addend& a : q)
        values.push_back(below(FractionBounds[a.fractionClass - 1], a.fraction));
    for (const Addend& a : q)
        values.push_back(fromOne(4, a.w));
    if (m)
        values.push_back(fromOne(2, *m));
    return values;
}

} // namespace

TEST(DecimalAdd9999, WritesEachAddendAsDrawn)
{
    // No decimals: grouped whole; 50 keeps its trailing zero; w = 2 drops the integer part;
    // 5 in the three-digit class is still one decimal.
    const Addend q[3] = {{4, 1234, 1, 0, 1}, {2, 12, 2, 50, 3}, {1, 5, 3, 5, 2}};
    expectLine(attempt("dec9999", "+", additionDraws(q, 2)), "1.234 + 12,50 + 0,5 = ", 16);
    expectLine(attempt("dec9999", "+", additionDraws(q, 1)), "1.234 + 12,50 = ", 16);
    const Addend r[3] = {{3, 7, 3, 5, 4}, {1, 8, 2, 7, 1}, {1, 1, 1, 0, 2}};
    expectLine(attempt("dec9999", "+", additionDraws(r, 2)), "7,5 + 8,7 + 1 = ", 16);
}

TEST(DecimalAdd9999, RefusesWhatTheDrawsForbid)
{
    // Same size class of the first two, same fraction class, an integer part of 0 (also
    // the third one, which a two-number line would not show): m is never drawn.
    const Addend sameSize[3] = {{2, 12, 1, 1, 1}, {2, 13, 2, 1, 1}, {1, 1, 1, 1, 1}};
    expectRejected(attempt("dec9999", "+", additionDraws(sameSize, std::nullopt)), 15);
    const Addend sameFraction[3] = {{2, 12, 2, 1, 1}, {1, 3, 2, 1, 1}, {1, 1, 1, 1, 1}};
    expectRejected(attempt("dec9999", "+", additionDraws(sameFraction, std::nullopt)), 15);
    const Addend zeroThird[3] = {{2, 12, 2, 1, 1}, {1, 3, 1, 1, 1}, {1, 0, 1, 1, 1}};
    expectRejected(attempt("dec9999", "+", additionDraws(zeroThird, std::nullopt)), 15);
    // A dropped integer part still has to be drawn as 1 or more.
    const Addend zeroDropped[3] = {{2, 0, 2, 1, 2}, {1, 3, 1, 1, 1}, {1, 1, 1, 1, 1}};
    expectRejected(attempt("dec9999", "+", additionDraws(zeroDropped, std::nullopt)), 15);
}

TEST(DecimalAdd9999, WrittenSumStaysBelowTenThousand)
{
    // 9.000 + 900 + 99 = 9.999 passes; with 100 it reaches 10.000 and is refused, also
    // when the line shows only the first two.
    const Addend within[3] = {{4, 9000, 1, 0, 1}, {3, 900, 2, 0, 1}, {2, 99, 1, 0, 1}};
    expectLine(attempt("dec9999", "+", additionDraws(within, 1)), "9.000 + 900 = ", 16);
    const Addend reaching[3] = {{4, 9000, 1, 0, 1}, {3, 900, 2, 0, 1}, {3, 100, 1, 0, 1}};
    expectRejected(attempt("dec9999", "+", additionDraws(reaching, std::nullopt)), 15);
    // Decimals count exactly: 9.000,5 + 998,49 + 1 passes, 9.000,5 + 998,50 + 1 does not.
    const Addend justBelow[3] = {{4, 9000, 1, 5, 1}, {3, 998, 2, 49, 1}, {1, 1, 1, 0, 1}};
    expectLine(attempt("dec9999", "+", additionDraws(justBelow, 2)), "9.000,5 + 998,49 + 1 = ", 16);
    const Addend exactly[3] = {{4, 9000, 1, 5, 1}, {3, 998, 2, 50, 1}, {1, 1, 1, 0, 1}};
    expectRejected(attempt("dec9999", "+", additionDraws(exactly, std::nullopt)), 15);
    // A dropped integer part counts as 0: 9.000 + 0,5 + 900 passes although 500 was drawn.
    const Addend dropped[3] = {{4, 9000, 1, 0, 1}, {3, 500, 2, 5, 2}, {3, 900, 1, 0, 1}};
    expectLine(attempt("dec9999", "+", additionDraws(dropped, 2)), "9.000 + 0,5 + 900 = ", 16);
    // A thousands point is no decimal point: 6.000 + 999 + 4.000 is refused.
    const Addend big[3] = {{4, 6000, 1, 0, 1}, {3, 999, 2, 0, 1}, {4, 4000, 1, 0, 1}};
    expectRejected(attempt("dec9999", "+", additionDraws(big, std::nullopt)), 15);
}

// Within 999: i, j, then the multiplicand's sine and the multiplier's.
TEST(DecimalMul999, ChosenDrawsGiveTheLine)
{
    expectLine(attempt("dec999", "x", {below(99, 12), below(9, 3), sineOf(0.34), sineOf(0.3)}),
               "12,34 x 3,3 = ", 4);
    // The single-precision multiplier is written with 7 significant digits: 8,8 exactly.
    expectLine(attempt("dec999", "x", {below(99, 98), below(9, 8), sineOf(0.84), sineOf(0.8)}),
               "98,84 x 8,8 = ", 4);
    expectLine(attempt("dec999", "x", {below(99, 1), below(9, 1), sineOf(0.02), sineOf(0.1)}),
               "1,02 x 1,1 = ", 4);
}

TEST(DecimalMul999, RefusesWholeOrSmallFactors)
{
    const std::vector<std::vector<double>> refused = {
        {below(99, 0), below(9, 3), sineOf(0.5), sineOf(0.3)},   // a below 1
        {below(99, 12), below(9, 0), sineOf(0.5), sineOf(0.8)},  // b below 1
        {below(99, 12), below(9, 3), sineOf(0.01), sineOf(0.3)}, // fa not above 0,01
        {below(99, 12), below(9, 3), sineOf(0.5), 0.01},         // fb rounds to 0
    };
    for (const auto& values : refused)
        expectRejected(attempt("dec999", "x", values), 4);
}

// Within 9.999: i, j, s, t, then the two sines.
TEST(DecimalMul9999, ChosenDrawsGiveTheLine)
{
    expectLine(attempt("dec9999", "x",
                       {below(999, 12), below(999, 34), fromOne(2, 1), fromOne(2, 1), sineOf(0.25),
                        sineOf(0.5)}),
               "12,25 x 34,5 = ", 6);
    // A whole multiplier: its sine rounds to 1.
    expectLine(attempt("dec9999", "x",
                       {below(999, 45), below(999, 122), fromOne(2, 1), fromOne(2, 2), sineOf(0.25),
                        sineOf(0.7)}),
               "45,25 x 123 = ", 6);
    expectLine(attempt("dec9999", "x",
                       {below(999, 123), below(999, 45), fromOne(2, 2), fromOne(2, 1), sineOf(0.4),
                        sineOf(0.6)}),
               "123,4 x 45,6 = ", 6);
}

TEST(DecimalMul9999, RefusalsStillDrawBothSines)
{
    const std::vector<std::vector<double>> refused = {
        // whole multiplier whose sine rounds to 0 (fb must be 1)
        {below(999, 45), below(999, 123), fromOne(2, 1), fromOne(2, 2), sineOf(0.25), 0.1},
        // a whole multiplier ending in 0
        {below(999, 45), below(999, 119), fromOne(2, 1), fromOne(2, 2), sineOf(0.25), sineOf(0.7)},
        // 20,5 rounds to 20 (a tie to even): ends in 0
        {below(999, 12), below(999, 20), fromOne(2, 1), fromOne(2, 1), sineOf(0.25), sineOf(0.5)},
        // 29,5 rounds to 30
        {below(999, 12), below(999, 29), fromOne(2, 1), fromOne(2, 1), sineOf(0.25), sineOf(0.5)},
        // product 10.000 or more
        {below(999, 99), below(999, 101), fromOne(2, 1), fromOne(2, 2), sineOf(0.25), sineOf(0.7)},
        // multiplicand outside its band: 100,25 in the band (10, 100)
        {below(999, 100), below(999, 12), fromOne(2, 1), fromOne(2, 1), sineOf(0.25), sineOf(0.5)},
        // multiplicand 10 with a sine rounding to 0: not strictly inside, fa too small
        {below(999, 10), below(999, 12), fromOne(2, 1), fromOne(2, 1), 0.001, sineOf(0.5)},
        // both in the upper bands: the product is always too big
        {below(999, 101), below(999, 101), fromOne(2, 2), fromOne(2, 2), sineOf(0.25), sineOf(0.7)},
    };
    for (const auto& values : refused)
        expectRejected(attempt("dec9999", "x", values), 6);
    // 21,5 rounds to 22 and is kept.
    expectLine(attempt("dec9999", "x",
                       {below(999, 12), below(999, 21), fromOne(2, 1), fromOne(2, 1), sineOf(0.25),
                        sineOf(0.5)}),
               "12,25 x 21,5 = ", 6);
}

// Both windows: k, p, d, the sine, then (unless d = k) u.
TEST(DecimalPowerProduct, ChosenDrawsGiveTheLine)
{
    expectLine(attempt("dec999", "x10",
                       {fromOne(4, 2), fromOne(99, 35), fromOne(3, 1), sineOf(0.4), fromOne(3, 2)}),
               "35,4 x 100 = ", 5);
    // Class 4: the integer part is drawn but unused, the number is below 1.
    for (std::string_view range : {"dec999", "dec9999"}) {
        expectLine(
            attempt(range, "x10",
                    {fromOne(4, 4), fromOne(2, 2), fromOne(3, 2), sineOf(0.35), fromOne(3, 3)}),
            "0,35 x 1.000 = ", 5);
    }
    // 9.995: just below the product bound.
    expectLine(
        attempt("dec9999", "x10",
                {fromOne(4, 3), fromOne(9999, 999), fromOne(3, 1), sineOf(0.5), fromOne(3, 1)}),
        "999,5 x 10 = ", 5);
    expectRejected(
        attempt("dec9999", "x10",
                {fromOne(4, 3), fromOne(9999, 1000), fromOne(3, 1), sineOf(0.5), fromOne(3, 1)}),
        5);
}

TEST(DecimalPowerProduct, EarlyRejectionComesAfterTheSine)
{
    for (std::string_view range : {"dec999", "dec9999"}) {
        for (int k = 1; k <= 3; ++k) {
            expectRejected(
                attempt(range, "x10", {fromOne(4, k), fromOne(9, 5), fromOne(3, k), sineOf(0.4)}),
                4);
        }
    }
}

TEST(DecimalPowerProduct, BoundsPerWindow)
{
    // 9 x 1.000 passes, 10 x 1.000 does not (class 2, one place, sine rounding to 0).
    expectLine(attempt("dec999", "x10",
                       {fromOne(4, 2), fromOne(99, 9), fromOne(3, 1), 0.01, fromOne(3, 3)}),
               "9 x 1.000 = ", 5);
    expectRejected(attempt("dec999", "x10",
                           {fromOne(4, 2), fromOne(99, 10), fromOne(3, 1), 0.01, fromOne(3, 3)}),
                   5);
    // Only within 9.999 must the product exceed 100.
    const std::vector<double> small = {fromOne(4, 4), fromOne(2, 1), fromOne(3, 2), sineOf(0.35),
                                       fromOne(3, 1)};
    expectLine(attempt("dec999", "x10", small), "0,35 x 10 = ", 5);
    expectRejected(attempt("dec9999", "x10", small), 5);
    expectRejected(attempt("dec9999", "x10",
                           {fromOne(4, 1), fromOne(99, 10), fromOne(3, 2), 0.001, fromOne(3, 1)}),
                   5);
    expectLine(
        attempt("dec9999", "x10",
                {fromOne(4, 1), fromOne(99, 10), fromOne(3, 2), sineOf(0.01), fromOne(3, 1)}),
        "10,01 x 10 = ", 5);
    // A number below 1 that rounds to 0 is refused.
    expectRejected(attempt("dec999", "x10",
                           {fromOne(4, 4), fromOne(2, 1), fromOne(3, 3), 0.0001, fromOne(3, 3)}),
                   5);
}

TEST(DecimalPowerQuotient, ChosenDrawsGiveTheLine999)
{
    expectLine(attempt("dec999", ":10", {fromOne(3, 1), below(9, 7), sineOf(0.25)}),
               "7,25 : 10 = ", 3);
    expectLine(attempt("dec999", ":10", {fromOne(3, 2), spanned(500, 10, 123), sineOf(0.4)}),
               "123,4 : 100 = ", 3);
    // A dividend above 999 is still written without grouping.
    expectLine(attempt("dec999", ":10", {fromOne(3, 3), spanned(9999, 100, 5432)}),
               "5432 : 1.000 = ", 2);
    expectLine(attempt("dec999", ":10", {fromOne(3, 3), 0.0}), "100 : 1.000 = ", 2);
    // 0 : 10 is refused.
    expectRejected(attempt("dec999", ":10", {fromOne(3, 1), below(9, 0), 0.001}), 3);
}

TEST(DecimalPowerQuotient, ChosenDrawsGiveTheLine9999)
{
    expectLine(attempt("dec9999", ":10",
                       {fromOne(3, 2), spanned(9999, 100, 1234), fromOne(3, 2), sineOf(0.56)}),
               "1.234,56 : 100 = ", 4);
    expectLine(attempt("dec9999", ":10",
                       {fromOne(3, 3), spanned(9999, 100, 10098), fromOne(3, 3), sineOf(0.002)}),
               "10.098,002 : 1.000 = ", 4);
    // The fraction must exceed 0,001: no fraction, or exactly 0,001, is refused.
    expectRejected(
        attempt("dec9999", ":10", {fromOne(3, 1), spanned(9999, 100, 500), fromOne(3, 1), 0.01}),
        4);
    expectRejected(attempt("dec9999", ":10",
                           {fromOne(3, 1), spanned(9999, 100, 500), fromOne(3, 3), sineOf(0.001)}),
                   4);
}

TEST(DecimalPowerOfTen, WrittenGroupedAndClosingHonoured)
{
    const std::vector<double> product = {fromOne(4, 4), fromOne(2, 1), fromOne(3, 2), sineOf(0.35),
                                         fromOne(3, 3)};
    const std::vector<double> quotient = {fromOne(3, 3), spanned(9999, 100, 5432)};
    expectLine(attempt("dec999", "x10", product, " ="), "0,35 x 1.000 =", 5);
    expectLine(attempt("dec999", ":10", quotient, " = "), "5432 : 1.000 = ", 2);
}
