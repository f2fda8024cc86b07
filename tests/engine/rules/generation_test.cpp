// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/numbers/operation.h"
#include "engine/rules/generation.h"

#include <gtest/gtest.h>

using namespace core;

namespace {

// A rule of the test's own: accepts draws of at least one half, and adds them to its tag.
Attempt halfOrMore(int tag)
{
    return [tag](RandomSource& rng) -> std::optional<Operation> {
        int v = below(rng, 10);
        if (v < 5)
            return std::nullopt;
        return operation(Operator::Plus, {plain(tag), plain(v)}, ClosingScreen);
    };
}

} // namespace

TEST(GenerationFrame, RepeatsAttemptsUntilTenLines)
{
    std::vector<double> draws;
    for (int i = 0; i < 10; ++i) {
        draws.push_back(0.1); // rejected
        draws.push_back(0.55 + i * 0.04);
    }
    ScriptedRandom rng(draws);
    std::vector<std::string> seen;
    long attempts = runRecipe(singleKind(halfOrMore(1)), rng,
                              [&](const Operation& made) { seen.push_back(lineOf(made)); });
    EXPECT_EQ(attempts, 20);
    EXPECT_EQ(rng.remaining(), 0u);
    ASSERT_EQ(seen.size(), 10u);
    EXPECT_EQ(seen.front(), "1 + 5 = ");
    EXPECT_EQ(seen.back(), "1 + 9 = ");
}

TEST(GenerationFrame, BlocksRunInOrderWithTheirSizes)
{
    Recipe recipe{{halfOrMore(1), 2}, {halfOrMore(2), 1}, {halfOrMore(3), 7}};
    std::vector<double> draws(10, 0.7);
    draws.insert(draws.begin() + 2, 0.0); // a rejection inside block "b" stays in block "b"
    ScriptedRandom rng(draws);
    auto lines = makeSet(recipe, rng);
    ASSERT_EQ(lines.size(), 10u);
    EXPECT_EQ(lineOf(lines[0]), "1 + 7 = ");
    EXPECT_EQ(lineOf(lines[1]), "1 + 7 = ");
    EXPECT_EQ(lineOf(lines[2]), "2 + 7 = ");
    for (int i = 3; i < 10; ++i)
        EXPECT_EQ(lineOf(lines[i]), "3 + 7 = ");
    EXPECT_EQ(rng.consumed(), 11u);
}
