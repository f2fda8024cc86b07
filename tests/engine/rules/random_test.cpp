// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/rules/random.h"

#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <stdexcept>

using namespace core;

TEST(RandomDraws, BelowAndFromOneCoverTheirWholeRange)
{
    RandomSequence rng(1234);
    std::set<int> belowSeen, fromOneSeen;
    for (int i = 0; i < 20000; ++i) {
        int b = below(rng, 9);
        int f = fromOne(rng, 9);
        ASSERT_GE(b, 0);
        ASSERT_LE(b, 8);
        ASSERT_GE(f, 1);
        ASSERT_LE(f, 9);
        belowSeen.insert(b);
        fromOneSeen.insert(f);
    }
    EXPECT_EQ(belowSeen.size(), 9u);
    EXPECT_EQ(fromOneSeen.size(), 9u);
}

TEST(RandomDraws, EdgesOfTheUnitInterval)
{
    ScriptedRandom rng({0.0, 0.0, 0.999999999, 0.999999999});
    EXPECT_EQ(below(rng, 999), 0);
    EXPECT_EQ(fromOne(rng, 999), 1);
    EXPECT_EQ(below(rng, 999), 998);
    EXPECT_EQ(fromOne(rng, 999), 999);
}

TEST(RandomDraws, UniformValuesStayInUnitInterval)
{
    RandomSequence rng(42);
    double lo = 1, hi = 0, sum = 0;
    const int n = 100000;
    for (int i = 0; i < n; ++i) {
        double r = rng.next();
        ASSERT_GE(r, 0.0);
        ASSERT_LT(r, 1.0);
        lo = std::min(lo, r);
        hi = std::max(hi, r);
        sum += r;
    }
    EXPECT_LT(lo, 0.001);
    EXPECT_GT(hi, 0.999);
    EXPECT_NEAR(sum / n, 0.5, 0.01);
}

TEST(RandomSequence, ReseedsDifferQuickly)
{
    RandomSequence a, b;
    a.reseed();
    b.reseed();
    EXPECT_NE(a.next(), b.next());
    RandomSequence c;
    std::set<double> firsts;
    for (int i = 0; i < 100; ++i) {
        c.reseed();
        firsts.insert(c.next());
    }
    EXPECT_EQ(firsts.size(), 100u);
}

TEST(RandomSequence, FixedSeedRepeatsAndFrozenReseedKeepsIt)
{
    RandomSequence a(7), b(7);
    b.setReseedFromClock(false);
    b.reseed();
    for (int i = 0; i < 10; ++i)
        EXPECT_EQ(a.next(), b.next());
}

TEST(ScriptedRandom, CountsAndRunsOut)
{
    ScriptedRandom rng({0.5, 0.25});
    EXPECT_EQ(rng.next(), 0.5);
    EXPECT_EQ(rng.consumed(), 1u);
    EXPECT_EQ(rng.next(), 0.25);
    EXPECT_THROW(rng.next(), std::out_of_range);
}

TEST(RoundedSine, TiesGoToTheEvenDigit)
{
    EXPECT_EQ(roundHalfEven(0.125, 2), 0.12);
    EXPECT_EQ(roundHalfEven(0.375, 2), 0.38);
    EXPECT_EQ(roundHalfEven(0.5, 0), 0.0);
    EXPECT_EQ(roundHalfEven(1.5, 0), 2.0);
    EXPECT_EQ(roundHalfEven(0.25, 1), 0.2);
    EXPECT_EQ(roundHalfEven(0.123456, 3), 0.123);
}

TEST(RoundedSine, ValuesAndRanges)
{
    ScriptedRandom rng({0.5, 0.5, 0.0, 0.999999});
    EXPECT_DOUBLE_EQ(roundedSine(rng, 2), 0.48); // sin 0.5 = 0.4794
    EXPECT_DOUBLE_EQ(roundedSine(rng, 3), 0.479);
    EXPECT_EQ(roundedSine(rng, 1), 0.0);
    EXPECT_DOUBLE_EQ(roundedSine(rng, 1), 0.8); // sin 1 = 0.8415

    RandomSequence seq(99);
    std::set<double> zeroPlaces;
    for (int i = 0; i < 10000; ++i) {
        for (int d = 0; d <= 3; ++d) {
            double v = roundedSine(seq, d);
            ASSERT_GE(v, 0.0);
            ASSERT_LE(v, d == 0 ? 1.0 : 0.842);
            double scaled = v * std::pow(10.0, d);
            ASSERT_NEAR(scaled, std::round(scaled), 1e-9) << "more than " << d << " places";
            if (d == 0)
                zeroPlaces.insert(v);
        }
    }
    EXPECT_EQ(zeroPlaces, (std::set<double>{0.0, 1.0}));
}

// Known answers of xoshiro256** with its state filled by splitmix64 from the seed, computed
// with the published reference algorithms; the values are the top 53 bits of each output.
TEST(RandomSequence, MatchesTheReferenceEngine)
{
    RandomSequence rng(7);
    for (std::uint64_t bits :
         {12923355070828475994ULL, 5142052590334782674ULL, 15488392906492639638ULL})
        EXPECT_EQ(rng.next(), static_cast<double>(bits >> 11) * 0x1.0p-53);
}
