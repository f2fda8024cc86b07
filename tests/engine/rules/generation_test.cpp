// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/numbers/line.h"
#include "engine/rules/generation.h"

#include <gtest/gtest.h>

using namespace core;

namespace {

// A rule of the test's own: accepts draws of at least one half and writes them as digits.
Attempt halfOrMore(std::string tag)
{
    return [tag](RandomSource& rng) -> std::optional<std::string> {
        int v = below(rng, 10);
        if (v < 5)
            return std::nullopt;
        return tag + std::to_string(v);
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
    long attempts = runRecipe(singleKind(halfOrMore("a")), rng,
                              [&](const std::string& line) { seen.push_back(line); });
    EXPECT_EQ(attempts, 20);
    EXPECT_EQ(rng.remaining(), 0u);
    ASSERT_EQ(seen.size(), 10u);
    EXPECT_EQ(seen.front(), "a5");
    EXPECT_EQ(seen.back(), "a9");
}

TEST(GenerationFrame, BlocksRunInOrderWithTheirSizes)
{
    Recipe recipe{{halfOrMore("a"), 2}, {halfOrMore("b"), 1}, {halfOrMore("c"), 7}};
    std::vector<double> draws(10, 0.7);
    draws.insert(draws.begin() + 2, 0.0); // a rejection inside block "b" stays in block "b"
    ScriptedRandom rng(draws);
    auto lines = makeSet(recipe, rng);
    ASSERT_EQ(lines.size(), 10u);
    EXPECT_EQ(lines[0], "a7");
    EXPECT_EQ(lines[1], "a7");
    EXPECT_EQ(lines[2], "b7");
    for (int i = 3; i < 10; ++i)
        EXPECT_EQ(lines[i], "c7");
    EXPECT_EQ(rng.consumed(), 11u);
}
