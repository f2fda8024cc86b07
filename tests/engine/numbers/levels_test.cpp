// SPDX-License-Identifier: GPL-3.0-or-later
// The cambi of operations worked by hand, and the levels held in the rule's own draws.
#include "engine/catalog/catalog.h"
#include "engine/numbers/steps.h"
#include "engine/rules/options.h"
#include "engine/rules/random.h"
#include "engine/rules/windowrules.h"
#include "support/lineparse.h"

#include <gtest/gtest.h>

namespace {

core::Operation written(const char* line)
{
    return *testsupport::operationOf(line);
}

} // namespace

TEST(Levels, CambiCountedAsAPupilMakesThem)
{
    const struct {
        const char* line;
        int changes;
    } rows[] = {
        {"177 + 122 =", 0},      {"500 + 600 =", 1}, // the leftmost place carries into the sum
        {"385 + 563 + 37 =", 2},                     // 15, then 18; the hundreds make 9
        {"12,5 + 0,75 =", 1},                        // the tenths make 12
        {"775 - 759 =", 1},                          // the units borrow
        {"403 - 244 =", 2},                          // the units borrow through the tens' 0
        {"500 - 123 =", 2},      {"7 - 0,25 =", 2},  // 7,00: both places it lacks borrow
        {"45 x 3 =", 2},                             // 15, then 13
        {"12 x 21 =", 0},                            // 12, 24, and 12 + 240
        {"99 x 99 =", 6}, // 891 twice with two each, then 891 + 8910 with two
        {"2,5 x 4 =", 2}, // 25 x 4: 20, then 10
    };
    for (const auto& row : rows)
        EXPECT_EQ(core::changesOf(written(row.line)), row.changes) << row.line;
    EXPECT_EQ(core::changesOf(written("84 : 4 =")), std::nullopt);

    EXPECT_TRUE(core::borrowsThroughZero(written("500 - 123 =")));
    EXPECT_TRUE(core::borrowsThroughZero(written("403 - 244 =")));
    EXPECT_TRUE(core::borrowsThroughZero(written("7 - 0,25 =")));
    EXPECT_FALSE(core::borrowsThroughZero(written("775 - 759 =")));
    EXPECT_FALSE(core::borrowsThroughZero(written("407 - 5 ="))); // the 0 never lends
    EXPECT_FALSE(core::borrowsThroughZero(written("500 + 123 =")));

    EXPECT_EQ(core::divisionIsExact(written("648 : 81 ="), false), true);
    EXPECT_EQ(core::divisionIsExact(written("173 : 4 ="), false), false);
    EXPECT_EQ(core::divisionIsExact(written("19 : 2 ="), true), true);  // 9,5
    EXPECT_EQ(core::divisionIsExact(written("38 : 6 ="), true), false); // 6,33…
    EXPECT_EQ(core::divisionIsExact(written("1 : 8 ="), true), false);  // 0,125
    EXPECT_EQ(core::divisionIsExact(written("85,62 : 0,2 ="), true), true);
    EXPECT_EQ(core::divisionIsExact(written("45 + 3 ="), true), std::nullopt);
}

TEST(Levels, ALevelBindsOnlyTheOperationsItSpeaksOf)
{
    core::GeneratorOptions zero;
    zero.changes = core::Changes::ThroughZero;
    EXPECT_TRUE(core::meetsLevels(written("385 + 563 ="), zero, false));
    EXPECT_TRUE(core::meetsLevels(written("45 x 3 ="), zero, false));
    EXPECT_FALSE(core::meetsLevels(written("775 - 759 ="), zero, false));
    EXPECT_TRUE(core::meetsLevels(written("84 : 5 ="), zero, false));
    core::GeneratorOptions exact;
    exact.remainder = core::Remainder::None;
    EXPECT_TRUE(core::meetsLevels(written("385 + 563 ="), exact, false));
    EXPECT_FALSE(core::meetsLevels(written("84 : 5 ="), exact, false));
    EXPECT_TRUE(core::meetsLevels(written("84 : 5 ="), exact, true)); // 16,8
}

TEST(Levels, TheLinesOfALevelAreTheRulesOwnLinesThatMeetIt)
{
    // The same draws: a level only rejects lines, so its lines are the rule's stream with
    // the others left out.
    const core::WindowEntry& window = *core::windowOfRange("999");
    for (const char* kind : {"+2", "-", "x2", ":"}) {
        core::GeneratorOptions level;
        level.changes = core::Changes::One;
        level.remainder = core::Remainder::None;
        const core::Recipe plain = *core::windowRecipe(
            window, kind, [] { return core::GeneratorOptions{}; }, core::ClosingScreen);
        const core::Recipe levelled = *core::windowRecipe(
            window, kind, [level] { return level; }, core::ClosingScreen);
        core::RandomSequence a(77);
        core::RandomSequence b(77);
        std::vector<core::Operation> expected;
        while (expected.size() < 10)
            for (const core::Operation& op : core::makeSet(plain, a))
                if (core::meetsLevels(op, level, false) && expected.size() < 10)
                    expected.push_back(op);
        EXPECT_EQ(core::makeSet(levelled, b), expected) << kind;
    }
}
