// SPDX-License-Identifier: GPL-3.0-or-later
// Single attempts with chosen draws: the exact line, how many values an attempt takes, and
// where each acceptance test draws its line.
#include "support/expected.h"

#include "engine/rules/integer/rules.h"
#include "engine/rules/random.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace {

struct Outcome {
    std::optional<std::string> line;
    std::size_t consumed = 0;
};

Outcome runOnce(const std::string& range, const std::string& kind, std::vector<double> draws,
                const std::string& closing = " = ")
{
    auto attempt = integer::attempt(range, kind, closing);
    if (!attempt) {
        ADD_FAILURE() << "no rule for " << range << " " << kind;
        return {};
    }
    core::ScriptedRandom rng(std::move(draws));
    Outcome out;
    if (const auto made = (*attempt)(rng))
        out.line = core::lineOf(*made);
    out.consumed = rng.consumed();
    return out;
}

// Draws that make the generator pick exactly these operands.
std::vector<double> drawsFor(const std::string& range, const std::string& kind,
                             const std::vector<int>& operands)
{
    const expected::Generator* g = expected::find(range, kind);
    if (!g) {
        ADD_FAILURE() << "no expectation for " << range << " " << kind;
        return {};
    }
    std::vector<double> draws;
    for (std::size_t i = 0; i < operands.size(); ++i)
        draws.push_back(expected::drawFor(*g, i, operands[i]));
    return draws;
}

} // namespace

TEST(IntegerRules, UnknownPairsHaveNoRule)
{
    const std::vector<std::pair<std::string, std::string>> unknown = {
        {"500", "x1"},   {"500", ":"},   {"500", "x2"}, {"999", "x"},    {"999", ":3"},
        {"999", "x3"},   {"9999", "x3"}, {"9999", "x"}, {"99999", ":3"}, {"999999", "+"},
        {"dec999", "+"}, {"1", "m"},     {"500", ""},   {"", "+2"},      {"999", "X1"},
    };
    for (const auto& [range, kind] : unknown) {
        EXPECT_FALSE(integer::recipe(range, kind, " = ")) << range << " " << kind;
        EXPECT_FALSE(integer::attempt(range, kind, " = ")) << range << " " << kind;
    }
    // "m" is a recipe of blocks, not a single attempt.
    EXPECT_TRUE(integer::recipe("500", "m", " = "));
    EXPECT_FALSE(integer::attempt("500", "m", " = "));
}

// Raw values of the random sequence: catches a draw from 0 instead of 1 (or the reverse).
TEST(IntegerRules, RawDrawsGiveTheExactLine)
{
    struct Case {
        const char* range;
        const char* kind;
        std::vector<double> draws;
        const char* line; // nullptr: rejected
    };
    const std::vector<Case> cases = {
        {"500", "+2", {0.5, 0.3}, "251 + 151 = "},
        {"500", "-", {0.9, 0.0}, "451 - 1 = "},
        {"999", "+3", {0.25, 0.0, 0.5}, "250 + 1 + 500 = "},
        {"500", "x", {0.5, 0.5}, "49 x 4 = "},
        {"500", ":3", {0.999, 0.999}, "499 : 8 = "},
        {"999", "x1", {0.05, 0.999}, "49 x 8 = "},
        // 0.01 * 999 = 9.99: a dividend of 9, below the floor of 10.
        {"999", ":", {0.01, 0.5}, nullptr},
        // 0.999 * 9 = 8.991: a multiplier of 8, never 9.
        {"9999", "x1", {0.0123, 0.999}, "122 x 8 = "},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.range) + " " + c.kind);
        Outcome out = runOnce(c.range, c.kind, c.draws);
        EXPECT_EQ(out.consumed, c.draws.size());
        if (c.line) {
            EXPECT_EQ(out.line, std::optional<std::string>(c.line));
        } else {
            EXPECT_FALSE(out.line) << *out.line;
        }
    }
}

TEST(IntegerRules, ChosenOperandsGiveTheExactLine)
{
    struct Case {
        const char* range;
        const char* kind;
        std::vector<int> operands;
        const char* closing;
        const char* line;
    };
    const std::vector<Case> cases = {
        {"500", "+2", {250, 250}, " = ", "250 + 250 = "},
        {"500", "+2", {250, 250}, " =", "250 + 250 ="},
        {"999", "+2", {499, 500}, " = ", "499 + 500 = "},
        {"99999", "+2", {12345, 101}, " = ", "12.345 + 101 = "},
        {"9999", "+3", {5000, 1, 4998}, " = ", "5.000 + 1 + 4.998 = "},
        {"999999", "+3", {100001, 1, 1001}, " =", "100.001 + 1 + 1.001 ="},
        {"999999", "-", {999999, 1001}, " = ", "999.999 - 1.001 = "},
        {"9999", "-", {1001, 999}, " = ", "1.001 - 999 = "},
        {"9999", "x1", {4321, 2}, " = ", "4.321 x 2 = "},
        {"9999", "x2", {404, 24}, " = ", "404 x 24 = "},
        {"99999", "x2", {4321, 23}, " = ", "4.321 x 23 = "},
        {"999999", "x1", {123457, 8}, " = ", "123.457 x 8 = "},
        {"999999", "x3", {1234, 567}, " =", "1.234 x 567 ="},
        {"500", ":2", {98, 8}, " = ", "98 : 8 = "},
        {"999", ":2", {998, 98}, " = ", "998 : 98 = "},
        {"9999", ":", {1001, 7}, " = ", "1.001 : 7 = "},
        {"999999", ":2", {987654, 97}, " = ", "987.654 : 97 = "},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.range) + " " + c.kind);
        Outcome out = runOnce(c.range, c.kind, drawsFor(c.range, c.kind, c.operands), c.closing);
        EXPECT_EQ(out.line, std::optional<std::string>(c.line));
        EXPECT_EQ(out.consumed, c.operands.size());
    }
}

// Each acceptance test at its edges. A rejected attempt still takes a value for every
// operand, so the next attempt starts on fresh draws.
TEST(IntegerRules, AcceptanceBoundaries)
{
    struct Case {
        const char* range;
        const char* kind;
        std::vector<int> operands;
        bool accepted;
    };
    const std::vector<Case> cases = {
        // Two addends: sum up to the range, one addend above the threshold, floors.
        {"500", "+2", {250, 250}, true},
        {"500", "+2", {250, 251}, false},
        {"500", "+2", {100, 100}, false},
        {"500", "+2", {101, 1}, true},
        {"500", "+2", {1, 101}, true},
        {"999", "+2", {9, 500}, false},
        {"999", "+2", {500, 9}, false},
        {"999", "+2", {10, 500}, true},
        {"999", "+2", {499, 500}, true},
        {"999", "+2", {500, 500}, false},
        {"999", "+2", {100, 100}, false},
        {"9999", "+2", {101, 1001}, true},
        {"9999", "+2", {100, 1001}, false},
        {"9999", "+2", {1001, 100}, false},
        {"9999", "+2", {1000, 1000}, false},
        {"9999", "+2", {4999, 5000}, true},
        {"9999", "+2", {5000, 5000}, false},
        {"99999", "+2", {1001, 101}, true}, // one addend above 1.000 is enough here
        {"99999", "+2", {1000, 1000}, false},
        {"99999", "+2", {100, 5000}, false},
        {"99999", "+2", {50000, 49999}, true},
        {"99999", "+2", {50000, 50000}, false},
        {"999999", "+2", {100001, 1001}, true},
        {"999999", "+2", {100001, 1000}, false},
        {"999999", "+2", {1000, 100001}, false},
        {"999999", "+2", {100000, 100000}, false},
        {"999999", "+2", {500000, 499999}, true},
        {"999999", "+2", {500000, 500000}, false},

        // Three addends.
        {"500", "+3", {50, 1, 11}, true},
        {"500", "+3", {49, 1, 11}, false},
        {"500", "+3", {50, 1, 10}, false},
        {"500", "+3", {200, 200, 100}, true},
        {"500", "+3", {200, 200, 101}, false},
        {"999", "+3", {50, 1, 11}, true},
        {"999", "+3", {49, 1, 11}, false},
        {"999", "+3", {50, 1, 10}, false},
        {"999", "+3", {500, 400, 99}, true},
        {"999", "+3", {500, 400, 100}, false},
        {"9999", "+3", {50, 1, 1001}, true},
        {"9999", "+3", {50, 1001, 101}, true},
        {"9999", "+3", {1001, 1, 101}, true},
        {"9999", "+3", {49, 1, 1001}, false},
        {"9999", "+3", {1001, 1, 100}, false},
        {"9999", "+3", {50, 1000, 101}, false},
        {"9999", "+3", {5000, 4898, 101}, true},
        {"9999", "+3", {5000, 4898, 102}, false},
        {"99999", "+3", {10001, 101, 101}, true},
        {"99999", "+3", {100, 101, 10001}, false},
        {"99999", "+3", {101, 100, 10001}, false},
        {"99999", "+3", {10001, 101, 100}, false},
        {"99999", "+3", {101, 101, 10000}, false},
        {"99999", "+3", {50000, 49898, 101}, true},
        {"99999", "+3", {50000, 49898, 102}, false},
        {"999999", "+3", {101, 1, 100001}, true},
        {"999999", "+3", {100, 1, 100001}, false},
        {"999999", "+3", {100001, 1, 1000}, false},
        {"999999", "+3", {100001, 1, 1001}, true},
        {"999999", "+3", {101, 1, 1001}, false},
        {"999999", "+3", {100001, 1, 899997}, true},
        {"999999", "+3", {100001, 2, 899997}, false},

        // Subtractions: minuend not below the subtrahend, and its floor.
        {"500", "-", {400, 400}, true},
        {"500", "-", {500, 500}, true},
        {"500", "-", {500, 1}, true},
        {"500", "-", {399, 1}, false},
        {"500", "-", {400, 401}, false},
        {"999", "-", {400, 1}, true},
        {"999", "-", {399, 1}, false},
        {"999", "-", {999, 999}, true},
        {"999", "-", {998, 999}, false},
        {"9999", "-", {1001, 1}, true},
        {"9999", "-", {1000, 1}, false},
        {"9999", "-", {9999, 9999}, true},
        {"9999", "-", {5000, 5001}, false},
        {"99999", "-", {10001, 1}, true},
        {"99999", "-", {10000, 1}, false},
        {"99999", "-", {99999, 10001}, true},
        {"999999", "-", {100001, 1001}, true},
        {"999999", "-", {100001, 1000}, false},
        {"999999", "-", {100000, 1001}, false},
        {"999999", "-", {999999, 999999}, true},
        {"999999", "-", {200000, 200001}, false},

        // Multiplications: product up to the range, floors, no factor ending in 0.
        {"500", "x", {11, 2}, true},
        {"500", "x", {10, 2}, false},
        {"500", "x", {11, 1}, false},
        {"500", "x", {11, 0}, false},
        {"500", "x", {71, 7}, true},
        {"500", "x", {63, 8}, false},
        {"500", "x", {98, 5}, true},
        {"999", "x1", {333, 3}, true},
        {"999", "x1", {125, 8}, false},
        {"999", "x1", {31, 2}, true},
        {"999", "x1", {30, 2}, false},
        {"999", "x1", {31, 1}, false},
        {"999", "x1", {50, 2}, false},
        {"999", "x1", {499, 2}, true},
        {"999", "x1", {501, 2}, false},
        {"999", "x2", {37, 27}, true},
        {"999", "x2", {11, 11}, true},
        {"999", "x2", {10, 11}, false},
        {"999", "x2", {11, 10}, false},
        {"999", "x2", {12, 20}, false},
        {"999", "x2", {41, 25}, false},
        {"999", "x2", {11, 90}, false},
        {"9999", "x1", {3333, 3}, true},
        {"9999", "x1", {1428, 7}, true},
        {"9999", "x1", {1429, 7}, false},
        {"9999", "x1", {101, 2}, true},
        {"9999", "x1", {100, 2}, false},
        {"9999", "x1", {110, 2}, false},
        {"9999", "x2", {303, 33}, true},
        {"9999", "x2", {51, 11}, true},
        {"9999", "x2", {50, 11}, false},
        {"9999", "x2", {51, 10}, false},
        {"9999", "x2", {102, 98}, true},
        {"9999", "x2", {103, 98}, false},
        {"99999", "x1", {33333, 3}, true},
        {"99999", "x1", {1001, 2}, true},
        {"99999", "x1", {1000, 2}, false},
        {"99999", "x1", {12345, 8}, true},
        {"99999", "x1", {12501, 8}, false},
        {"99999", "x2", {2439, 41}, true},
        {"99999", "x2", {2441, 41}, false},
        {"99999", "x2", {101, 11}, true},
        {"99999", "x2", {100, 11}, false},
        {"99999", "x2", {101, 20}, false},
        {"99999", "x3", {369, 271}, true},
        {"99999", "x3", {101, 101}, true},
        {"99999", "x3", {100, 101}, false},
        {"99999", "x3", {101, 100}, false},
        {"99999", "x3", {989, 101}, true},
        {"99999", "x3", {991, 101}, false},
        {"99999", "x3", {101, 990}, false},
        {"999999", "x1", {333333, 3}, true},
        {"999999", "x1", {1001, 2}, true},
        {"999999", "x1", {1000, 2}, false},
        {"999999", "x1", {125001, 8}, false},
        {"999999", "x2", {90909, 11}, true},
        {"999999", "x2", {501, 11}, true},
        {"999999", "x2", {500, 11}, false},
        {"999999", "x2", {90911, 11}, false},
        {"999999", "x3", {2079, 481}, true},
        {"999999", "x3", {2081, 481}, false},
        {"999999", "x3", {101, 101}, true},
        {"999999", "x3", {100, 101}, false},
        {"999999", "x3", {101, 998}, true},

        // Divisions: dividend floor ("a >= 200" and "a >= 10" include it), divisor floor,
        // divisor not ending in 0.
        {"500", ":2", {11, 2}, true},
        {"500", ":2", {10, 2}, false},
        {"500", ":2", {11, 1}, false},
        {"500", ":2", {11, 0}, false},
        {"500", ":2", {98, 8}, true},
        {"500", ":3", {200, 2}, true},
        {"500", ":3", {199, 2}, false},
        {"500", ":3", {499, 8}, true},
        {"500", ":3", {200, 1}, false},
        {"999", ":", {10, 2}, true},
        {"999", ":", {9, 2}, false},
        {"999", ":", {998, 8}, true},
        {"999", ":", {10, 1}, false},
        {"999", ":2", {101, 11}, true},
        {"999", ":2", {100, 11}, false},
        {"999", ":2", {101, 10}, false},
        {"999", ":2", {101, 20}, false},
        {"999", ":2", {101, 9}, false},
        {"999", ":2", {998, 98}, true},
        {"9999", ":", {1001, 2}, true},
        {"9999", ":", {1000, 2}, false},
        {"9999", ":", {9998, 8}, true},
        {"9999", ":2", {1001, 11}, true},
        {"9999", ":2", {1001, 10}, false},
        {"9999", ":2", {1000, 11}, false},
        {"99999", ":", {10001, 2}, true},
        {"99999", ":", {10000, 2}, false},
        {"99999", ":2", {10001, 11}, true},
        {"99999", ":2", {10001, 50}, false},
        {"999999", ":", {100001, 2}, true},
        {"999999", ":", {100000, 2}, false},
        {"999999", ":2", {999998, 98}, true},
        {"999999", ":2", {100001, 10}, false},
    };
    for (const Case& c : cases) {
        std::string trace = std::string(c.range) + " " + c.kind + " {";
        for (int v : c.operands)
            trace += " " + std::to_string(v);
        SCOPED_TRACE(trace + " }");
        Outcome out = runOnce(c.range, c.kind, drawsFor(c.range, c.kind, c.operands));
        EXPECT_EQ(out.line.has_value(), c.accepted) << out.line.value_or("");
        EXPECT_EQ(out.consumed, c.operands.size());
    }
}

// A set of ten lines keeps drawing after rejections and never skips a draw.
TEST(IntegerRules, RejectedAttemptsDrawEveryOperandAnew)
{
    const expected::Generator& g = *expected::find("500", "+3");
    std::vector<double> draws;
    auto push = [&](int a, int b, int c) {
        for (int i = 0; i < 3; ++i)
            draws.push_back(expected::drawFor(g, i, i == 0 ? a : i == 1 ? b : c));
    };
    for (int i = 0; i < 10; ++i) {
        push(49, 1, 11); // rejected on its first addend alone
        push(50, 1, 11 + i);
    }
    core::ScriptedRandom rng(draws);
    std::vector<std::string> lines;
    long attempts =
        core::runRecipe(*integer::recipe("500", "+3", " = "), rng,
                        [&](const core::Operation& made) { lines.push_back(core::lineOf(made)); });
    EXPECT_EQ(attempts, 20);
    EXPECT_EQ(rng.remaining(), 0u);
    ASSERT_EQ(lines.size(), 10u);
    EXPECT_EQ(lines.front(), "50 + 1 + 11 = ");
    EXPECT_EQ(lines.back(), "50 + 1 + 20 = ");
}
