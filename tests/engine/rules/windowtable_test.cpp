// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/rules/windowtable.h"

#include "engine/rules/windowrules.h"

#include <gtest/gtest.h>

using core::WindowFamily;

TEST(WindowTable, TwelveWindowsWithTheirCodesInTheLookupOrder)
{
    struct Row {
        const char* name;
        const char* range;
        WindowFamily family;
        int caseNumber;
    };
    const Row expected[] = {
        {"frm4op500", "500", WindowFamily::Integer, 0},
        {"frm4op999", "999", WindowFamily::Integer, 0},
        {"frm4op9999", "9999", WindowFamily::Integer, 0},
        {"frm4op99999", "99999", WindowFamily::Integer, 0},
        {"frm4op999999", "999999", WindowFamily::Integer, 0},
        {"frmdec999", "dec999", WindowFamily::Decimal, 0},
        {"frmdec9999", "dec9999", WindowFamily::Decimal, 0},
        {"frm1caso", "1", WindowFamily::Case, 1},
        {"frm2caso", "2", WindowFamily::Case, 2},
        {"frm3caso", "3", WindowFamily::Case, 3},
        {"frm4caso", "4", WindowFamily::Case, 4},
        {"frm5caso", "5", WindowFamily::Case, 5},
    };
    ASSERT_EQ(core::Windows.size(), std::size(expected));
    for (std::size_t i = 0; i < std::size(expected); ++i) {
        const Row& want = expected[i];
        const core::WindowEntry& got = core::Windows[i];
        EXPECT_EQ(got.name, want.name) << i;
        EXPECT_EQ(got.range, want.range) << want.name;
        EXPECT_EQ(got.family, want.family) << want.name;
        EXPECT_EQ(got.caseNumber, want.caseNumber) << want.name;
        EXPECT_EQ(core::windowNamed(want.name), &got) << want.name;
        EXPECT_EQ(core::windowOfRange(want.range), &got) << want.name;
    }
    for (const char* other : {"frminizio", "frmscelta", "frminizio2", "frmstampa", "", "frm6caso"})
        EXPECT_EQ(core::windowNamed(other), nullptr) << other;
    for (const char* other : {"", "6", "0", "1000", "dec99", "frm4op500"})
        EXPECT_EQ(core::windowOfRange(other), nullptr) << other;
}

// Each window reaches its own family's buttons and rules through its row; a kind of
// another window's family makes nothing.
TEST(WindowTable, FamilyRowsGiveEachWindowItsButtonsAndRules)
{
    auto mixed = [] { return core::GeneratorOptions{}; };
    auto ruleOf = [&](std::string_view range, std::string_view kind) {
        const core::WindowEntry& w = *core::windowOfRange(range);
        return core::rulesOf(w).rule(w, kind, mixed, core::ClosingScreen).has_value();
    };
    auto buttonCount = [](std::string_view range) {
        const core::WindowEntry& w = *core::windowOfRange(range);
        return core::rulesOf(w).buttons(w).size();
    };
    EXPECT_TRUE(ruleOf("500", "+2"));
    EXPECT_FALSE(ruleOf("500", "x10"));
    EXPECT_TRUE(ruleOf("dec999", "x10"));
    EXPECT_FALSE(ruleOf("dec999", "+2"));
    EXPECT_TRUE(ruleOf("3", ""));
    EXPECT_FALSE(ruleOf("3", ":"));
    EXPECT_FALSE(ruleOf("999", ""));
    EXPECT_EQ(buttonCount("dec9999"), 5u);
    EXPECT_EQ(buttonCount("2"), 1u);
    EXPECT_EQ(core::rulesOf(*core::windowOfRange("4")).buttons(*core::windowOfRange("4"))[0].button,
              "cmdfendra");
}

TEST(WindowTable, WorksheetLinesLoseTheFinalBlankOnlyWhereTheTableSays)
{
    EXPECT_EQ(core::windowOfRange("500")->sheetClosing("+3"), " =");
    EXPECT_EQ(core::windowOfRange("500")->sheetClosing("-"), " = ");
    EXPECT_EQ(core::windowOfRange("999")->sheetClosing("+2"), " = ");
    EXPECT_EQ(core::windowOfRange("dec999")->sheetClosing("x10"), " =");
    EXPECT_EQ(core::windowOfRange("dec9999")->sheetClosing("x10"), " = ");
    EXPECT_EQ(core::windowOfRange("5")->sheetClosing(""), " =");
}
