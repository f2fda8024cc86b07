// SPDX-License-Identifier: GPL-3.0-or-later
// One attempt of each case fed with chosen draws: the exact line they make, how many draws
// the attempt consumes, and where in the sequence the divisor's digit count is taken.
#include "engine/numbers/operation.h"
#include "engine/rules/cases/rules.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

using cases::DivisorChoice;

namespace {

// The line an attempt writes; nullopt when it is rejected.
std::optional<std::string> lineOf(const std::optional<core::Operation>& made)
{
    if (!made)
        return std::nullopt;
    return core::lineOf(*made);
}

// A draw r that makes "random integer below n" give k.
double below(int k, int n)
{
    return (k + 0.5) / n;
}

// A draw r that makes "random integer from 1 to n" give k.
double fromOne(int k, int n)
{
    return (k - 0.5) / n;
}

struct ScriptedAttempt {
    const char* what;
    int caseNumber;
    DivisorChoice choice;
    std::vector<double> draws;
    std::optional<std::string> line; // nullopt: the attempt is rejected
    std::size_t drawsBeforeChoice;   // draws consumed when the selection is read
};

constexpr auto One = DivisorChoice::OneDigit;
constexpr auto Two = DivisorChoice::TwoDigits;
constexpr auto Mixed = DivisorChoice::Mixed;
const std::nullopt_t Rejected = std::nullopt;

// Sines used below: sin 0.1 = 0.0998, sin 0.2 = 0.1987, sin 0.3 = 0.2955, sin 0.5 = 0.4794,
// sin 0.7 = 0.6442, sin 0.9 = 0.7833, sin 0.65 = 0.6052.
const std::vector<ScriptedAttempt> Attempts = {
    // Case I: s, p, D, v, d, sine.
    {"I mixed draws D third",
     1,
     Mixed,
     {fromOne(3, 3), fromOne(1234, 9999), fromOne(2, 2), below(49, 99), fromOne(2, 3), 0.5},
     "1234,48 : 49 = ",
     2},
    {"I one digit",
     1,
     One,
     {fromOne(1, 3), fromOne(7, 99), below(5, 9), fromOne(3, 3), 0.3},
     "7,296 : 5 = ",
     2},
    {"I divisor 10",
     1,
     Two,
     {fromOne(2, 3), fromOne(500, 999), below(10, 99), fromOne(1, 3), 0.9},
     Rejected,
     2},
    {"I divisor 11",
     1,
     Two,
     {fromOne(2, 3), fromOne(500, 999), below(11, 99), fromOne(1, 3), 0.9},
     Rejected,
     2},
    {"I divisor 12",
     1,
     Two,
     {fromOne(2, 3), fromOne(500, 999), below(12, 99), fromOne(1, 3), 0.9},
     "500,8 : 12 = ",
     2},
    {"I divisor 1",
     1,
     One,
     {fromOne(1, 3), fromOne(50, 99), below(1, 9), fromOne(1, 3), 0.9},
     Rejected,
     2},
    {"I dividend equal to divisor",
     1,
     One,
     {fromOne(1, 3), fromOne(8, 99), below(8, 9), fromOne(1, 3), 0.0},
     Rejected,
     2},
    {"I dividend just above divisor",
     1,
     One,
     {fromOne(1, 3), fromOne(8, 99), below(8, 9), fromOne(1, 3), 0.1},
     "8,1 : 8 = ",
     2},
    // A rounded sine of 0 would write the dividend without a comma.
    {"I whole dividend",
     1,
     One,
     {fromOne(1, 3), fromOne(9, 99), below(8, 9), fromOne(2, 3), 0.0},
     Rejected,
     2},

    // Case II: D, v, w (two digits only), p, sine, d.
    {"II mixed, sine before places",
     2,
     Mixed,
     {fromOne(2, 2), below(49, 99), fromOne(2, 2), fromOne(37, 99), 0.5, fromOne(3, 3)},
     "37,479 : 49 = ",
     0},
    {"II one digit", 2, One, {below(8, 9), fromOne(7, 9), 0.5, fromOne(2, 3)}, "7,48 : 8 = ", 0},
    {"II one place", 2, One, {below(8, 9), fromOne(3, 9), 0.5, fromOne(1, 3)}, Rejected, 0},
    {"II dividend equal to divisor",
     2,
     One,
     {below(5, 9), fromOne(5, 9), 0.0, fromOne(2, 3)},
     Rejected,
     0},
    {"II whole dividend", 2, One, {below(5, 9), fromOne(4, 9), 0.0, fromOne(2, 3)}, Rejected, 0},
    {"II divisor 20",
     2,
     Two,
     {below(20, 99), fromOne(1, 2), fromOne(3, 9), 0.5, fromOne(2, 3)},
     Rejected,
     0},
    {"II divisor 11",
     2,
     Two,
     {below(11, 99), fromOne(1, 2), fromOne(3, 9), 0.5, fromOne(2, 3)},
     Rejected,
     0},
    {"II divisor 12",
     2,
     Two,
     {below(12, 99), fromOne(1, 2), fromOne(9, 9), 0.7, fromOne(2, 3)},
     "9,64 : 12 = ",
     0},
    {"II two-digit integer part",
     2,
     Two,
     {below(98, 99), fromOne(2, 2), fromOne(97, 99), 0.3, fromOne(3, 3)},
     "97,296 : 98 = ",
     0},

    // Case III: D, n, e or q, A.
    {"III tenths", 3, One, {below(3, 9), fromOne(1, 2), below(4999, 9999)}, "4999 : 0,3 = ", 0},
    {"III hundredths",
     3,
     One,
     {below(7, 9), fromOne(2, 2), below(1234, 9999)},
     "1234 : 0,07 = ",
     0},
    {"III two digits, dividend 12",
     3,
     Two,
     {below(2, 9), fromOne(1, 9), below(12, 9999)},
     "12 : 2,1 = ",
     0},
    {"III mixed two digits",
     3,
     Mixed,
     {fromOne(2, 2), below(8, 9), fromOne(9, 9), below(9998, 9999)},
     "9998 : 8,9 = ",
     0},
    {"III mixed one digit",
     3,
     Mixed,
     {fromOne(1, 2), below(4, 9), fromOne(1, 2), below(101, 9999)},
     "101 : 0,4 = ",
     0},
    {"III divisor 0,1", 3, One, {below(1, 9), fromOne(1, 2), below(555, 9999)}, Rejected, 0},
    {"III divisor 1,x", 3, Two, {below(1, 9), fromOne(5, 9), below(555, 9999)}, Rejected, 0},
    {"III dividend 11", 3, Two, {below(5, 9), fromOne(5, 9), below(11, 9999)}, Rejected, 0},
    {"III dividend ending in 0",
     3,
     Two,
     {below(5, 9), fromOne(5, 9), below(1230, 9999)},
     Rejected,
     0},

    // Case IV: c, p, d, sine, D, n, e or q.
    {"IV mixed draws D after the dividend",
     4,
     Mixed,
     {fromOne(2, 2), fromOne(123, 999), fromOne(2, 3), 0.5, fromOne(2, 2), below(6, 9),
      fromOne(5, 9)},
     "123,48 : 6,5 = ",
     4},
    {"IV one digit",
     4,
     One,
     {fromOne(1, 2), fromOne(1, 99), fromOne(1, 3), 0.2, below(2, 9), fromOne(2, 2)},
     "1,2 : 0,02 = ",
     4},
    {"IV dividend below divisor",
     4,
     Two,
     {fromOne(1, 2), fromOne(3, 99), fromOne(1, 3), 0.9, below(3, 9), fromOne(9, 9)},
     Rejected,
     4},
    {"IV dividend above divisor",
     4,
     Two,
     {fromOne(1, 2), fromOne(3, 99), fromOne(1, 3), 0.9, below(3, 9), fromOne(7, 9)},
     "3,8 : 3,7 = ",
     4},
    // 5.6 in single precision lies just below 5.6: the line would read "5,6 : 5,6 = ".
    {"IV dividend written as the divisor",
     4,
     Two,
     {fromOne(1, 2), fromOne(5, 99), fromOne(1, 3), 0.65, below(5, 9), fromOne(6, 9)},
     Rejected,
     4},
    {"IV divisor 0,01",
     4,
     One,
     {fromOne(2, 2), fromOne(500, 999), fromOne(3, 3), 0.5, below(1, 9), fromOne(2, 2)},
     Rejected,
     4},

    // Case V: D, v, A.
    {"V mixed", 5, Mixed, {fromOne(1, 2), fromOne(7, 9), fromOne(50, 99)}, "50 : 7 = ", 0},
    {"V divisor 1", 5, One, {fromOne(1, 9), fromOne(5, 99)}, Rejected, 0},
    {"V whole quotient", 5, One, {fromOne(3, 9), fromOne(9, 99)}, Rejected, 0},
    {"V divisor 10", 5, Two, {fromOne(10, 99), fromOne(7, 99)}, Rejected, 0},
    {"V divisor 11, smaller dividend", 5, Two, {fromOne(11, 99), fromOne(5, 99)}, "5 : 11 = ", 0},
    {"V divisor 20", 5, Two, {fromOne(20, 99), fromOne(7, 99)}, Rejected, 0},
    {"V divisor 99", 5, Two, {fromOne(99, 99), fromOne(98, 99)}, "98 : 99 = ", 0},
};

} // namespace

TEST(CaseDraws, ChosenDrawsMakeTheExpectedLine)
{
    for (const ScriptedAttempt& a : Attempts) {
        SCOPED_TRACE(a.what);
        core::ScriptedRandom rng(a.draws);
        std::vector<std::size_t> readAt;
        const auto choice = [&] {
            readAt.push_back(rng.consumed());
            return a.choice;
        };
        const core::Recipe recipe = cases::recipe(a.caseNumber, choice, core::ClosingScreen);
        ASSERT_EQ(recipe.size(), 1u);
        EXPECT_EQ(recipe[0].size, 10);
        EXPECT_EQ(lineOf(recipe[0].attempt(rng)), a.line);
        // A rejected attempt has drawn everything before testing.
        EXPECT_EQ(rng.remaining(), 0u);
        ASSERT_EQ(readAt.size(), 1u);
        EXPECT_EQ(readAt[0], a.drawsBeforeChoice);
    }
}

TEST(CaseDraws, SelectionIsReadAfreshAtEveryAttempt)
{
    // Case V: one digit for the first attempt, two for the second, within one recipe.
    DivisorChoice selected = DivisorChoice::OneDigit;
    const core::Recipe recipe = cases::recipe(
        5, [&] { return selected; }, core::ClosingScreen);
    core::ScriptedRandom rng({fromOne(3, 9), fromOne(7, 99), fromOne(3, 99), fromOne(7, 99)});
    EXPECT_EQ(lineOf(recipe[0].attempt(rng)), "7 : 3 = ");
    selected = DivisorChoice::TwoDigits;
    // The same draws now give 3 from 1 to 99, below the two-digit floor.
    EXPECT_EQ(lineOf(recipe[0].attempt(rng)), std::nullopt);
    EXPECT_EQ(rng.remaining(), 0u);

    core::ScriptedRandom again({fromOne(13, 99), fromOne(7, 99)});
    EXPECT_EQ(lineOf(recipe[0].attempt(again)), "7 : 13 = ");
}

TEST(CaseDraws, WorksheetClosing)
{
    core::ScriptedRandom rng({below(3, 9), fromOne(1, 2), below(4999, 9999)});
    const core::Recipe recipe = cases::recipe(
        3, [] { return DivisorChoice::OneDigit; }, core::ClosingSheet);
    EXPECT_EQ(lineOf(recipe[0].attempt(rng)), "4999 : 0,3 =");
}
