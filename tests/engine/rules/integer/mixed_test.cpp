// SPDX-License-Identifier: GPL-3.0-or-later
// The mixed sets: the fixed sequence of kinds per window, and every line made exactly as
// the single-kind generator of its block makes it.
#include "support/expected.h"
#include "support/linecheck.h"
#include "support/lineparse.h"

#include "engine/rules/integer/rules.h"
#include "engine/rules/random.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct Window {
    std::string range;
    std::vector<std::string> kinds; // kind of each of the ten lines, in order
};

const std::vector<Window>& windows()
{
    static const std::vector<Window> table = {
        {"500", {"+2", "+2", "+3", "-", "-", "-", "x", "x", ":3", ":3"}},
        {"999", {"+2", "+2", "+3", "-", "-", "-", "x1", "x2", ":", ":"}},
        {"9999", {"+2", "+2", "+3", "-", "-", "-", "x1", "x2", ":", ":"}},
        {"99999", {"+2", "+3", "-", "-", "x1", "x2", "x3", ":", ":2", ":2"}},
        {"999999", {"+2", "+3", "-", "-", "x1", "x2", "x3", ":", ":2", ":2"}},
    };
    return table;
}

// The kinds of the window whose rules the operation satisfies (operator, operand count,
// ranges, written forms).
std::vector<std::string> kindsMatching(const std::string& range, const core::Operation& made)
{
    std::vector<std::string> kinds;
    for (const expected::Generator& g : expected::generators()) {
        if (g.range == range && expected::readOperation(g, made, " = ", nullptr))
            kinds.push_back(g.kind);
    }
    return kinds;
}

TEST(IntegerMixed, KindSequencePerWindow)
{
    for (const Window& w : windows()) {
        SCOPED_TRACE(w.range);
        auto recipe = integer::recipe(w.range, "m", " = ");
        ASSERT_TRUE(recipe);
        core::RandomSequence rng(424242);
        for (int set = 0; set < 300; ++set) {
            auto lines = core::makeSet(*recipe, rng);
            ASSERT_EQ(lines.size(), 10u);
            for (std::size_t i = 0; i < lines.size(); ++i) {
                auto kinds = kindsMatching(w.range, lines[i]);
                ASSERT_EQ(kinds, std::vector<std::string>{w.kinds[i]})
                    << "line " << i + 1 << ": '" << core::lineOf(lines[i]) << "'";
            }
        }
    }
}

// Same seed, same lines: the mixed set draws exactly as its blocks' single-kind rules do,
// one block after the other on one continuous random sequence.
TEST(IntegerMixed, BlocksReuseTheSingleKindRules)
{
    for (const Window& w : windows()) {
        SCOPED_TRACE(w.range);
        auto recipe = integer::recipe(w.range, "m", " = ");
        ASSERT_TRUE(recipe);
        for (std::uint64_t seed : {1u, 2u, 3u, 4u, 5u}) {
            core::RandomSequence mixedRng(seed);
            auto mixed = core::makeSet(*recipe, mixedRng);

            core::RandomSequence singleRng(seed);
            std::vector<core::Operation> single;
            for (const std::string& kind : w.kinds) {
                auto attempt = integer::attempt(w.range, kind, " = ");
                ASSERT_TRUE(attempt) << kind;
                std::optional<core::Operation> line;
                while (!(line = (*attempt)(singleRng))) {
                }
                single.push_back(*line);
            }
            EXPECT_EQ(mixed, single);
            // Both have drawn the same number of values.
            EXPECT_EQ(mixedRng.next(), singleRng.next());
        }
    }
}

} // namespace
