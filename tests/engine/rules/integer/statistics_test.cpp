// SPDX-License-Identifier: GPL-3.0-or-later
// Thousands of lines per generator with fixed seeds: every line read back and checked
// against the expected operand ranges and text forms, and the share of accepted attempts.
#include "support/expected.h"
#include "support/linecheck.h"

#include "engine/rules/integer/rules.h"
#include "engine/rules/random.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

namespace {

constexpr int SetsPerGenerator = 400;

std::string testName(const testing::TestParamInfo<expected::Generator>& info)
{
    std::string name = "R" + info.param.range + "_";
    for (char ch : info.param.kind) {
        switch (ch) {
        case '+':
            name += "Add";
            break;
        case '-':
            name += "Sub";
            break;
        case 'x':
            name += "Mul";
            break;
        case ':':
            name += "Div";
            break;
        default:
            name += ch;
        }
    }
    return name;
}

class IntegerStatistics : public testing::TestWithParam<expected::Generator> {};

TEST_P(IntegerStatistics, LinesStayWithinTheRule)
{
    const expected::Generator& g = GetParam();
    auto recipe = integer::recipe(g.range, g.kind, " = ");
    ASSERT_TRUE(recipe);

    core::RandomSequence rng(0x5EED0000u + std::hash<std::string>{}(g.range + g.kind) % 1000);
    std::vector<std::set<int>> seen(g.operands.size());
    std::vector<bool> showedGrouping(g.operands.size(), false);
    long attempts = 0;
    long lines = 0;
    int faults = 0;
    for (int set = 0; set < SetsPerGenerator; ++set) {
        attempts += core::runRecipe(*recipe, rng, [&](const core::Operation& made) {
            ++lines;
            std::string why;
            auto values = expected::readOperation(g, made, " = ", &why);
            if (!values) {
                if (++faults <= 5)
                    ADD_FAILURE() << "'" << core::lineOf(made) << "': " << why;
                return;
            }
            for (std::size_t i = 0; i < values->size(); ++i) {
                seen[i].insert((*values)[i]);
                showedGrouping[i] = showedGrouping[i] || (*values)[i] >= 1000;
            }
        });
    }
    EXPECT_EQ(faults, 0);
    ASSERT_EQ(lines, 10L * SetsPerGenerator);

    for (std::size_t i = 0; i < g.operands.size(); ++i) {
        const expected::Operand& op = g.operands[i];
        // A one-digit multiplier or divisor takes every value it may take.
        if (op.hi - op.lo < 10) {
            for (int v = op.lo; v <= op.hi; ++v)
                EXPECT_TRUE(seen[i].count(v)) << "operand " << i + 1 << " never " << v;
        }
        // Grouped operands did reach four digits, so the grouping was really exercised.
        if (op.grouped && op.hi >= 1000) {
            EXPECT_TRUE(showedGrouping[i]) << "operand " << i + 1;
        }
    }

    const double perLine = static_cast<double>(attempts) / lines;
    EXPECT_GE(perLine, g.minPerLine);
    EXPECT_LE(perLine, g.maxPerLine);
    RecordProperty("attempts_per_line", std::to_string(perLine));
}

INSTANTIATE_TEST_SUITE_P(AllSingleKinds, IntegerStatistics,
                         testing::ValuesIn(expected::generators()), testName);

// The closing word is the only difference between the screen's lines and a worksheet's.
TEST(IntegerClosing, SameDrawsSameLinesWithEitherClosing)
{
    std::vector<std::pair<std::string, std::string>> pairs;
    for (const expected::Generator& g : expected::generators())
        pairs.emplace_back(g.range, g.kind);
    for (const char* range : {"500", "999", "9999", "99999", "999999"})
        pairs.emplace_back(range, "m");
    ASSERT_EQ(pairs.size(), 41u);

    for (const auto& [range, kind] : pairs) {
        SCOPED_TRACE(range + " " + kind);
        auto screen = integer::recipe(range, kind, " = ");
        auto sheet = integer::recipe(range, kind, " =");
        ASSERT_TRUE(screen && sheet);
        for (std::uint64_t seed : {7u, 8u, 9u}) {
            core::RandomSequence a(seed);
            core::RandomSequence b(seed);
            auto onScreen = core::makeSet(*screen, a);
            auto onSheet = core::makeSet(*sheet, b);
            ASSERT_EQ(onScreen.size(), 10u);
            ASSERT_EQ(onSheet.size(), 10u);
            for (std::size_t i = 0; i < 10; ++i) {
                EXPECT_EQ(onScreen[i].closing, " = ");
                EXPECT_EQ(onSheet[i].closing, " =");
                EXPECT_EQ(onSheet[i].operands, onScreen[i].operands);
                EXPECT_EQ(onSheet[i].op, onScreen[i].op);
                EXPECT_EQ(core::lineOf(onSheet[i]) + " ", core::lineOf(onScreen[i]));
            }
        }
    }
}

} // namespace
