// SPDX-License-Identifier: GPL-3.0-or-later
// Thousands of lines per generator, read back as a pupil reads them: operand ranges,
// number forms and the share of accepted attempts.
#include "engine/rules/decimal/rules.h"
#include "engine/rules/generation.h"
#include "engine/rules/random.h"
#include "support/lineparse.h"

#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <string>
#include <vector>

namespace {

using testsupport::decimalsOf;
using testsupport::isGroupedWhole;
using testsupport::isPlain;
using testsupport::italianValue;
using testsupport::ParsedLine;

struct Batch {
    std::vector<core::Operation> lines;
    long attempts = 0;
};

Batch generate(std::string_view range, std::string_view kind, int sets, std::uint64_t seed,
               std::string_view closing = " = ")
{
    Batch run;
    auto recipe = decimal::recipe(range, kind, closing);
    EXPECT_TRUE(recipe.has_value());
    if (!recipe)
        return run;
    core::RandomSequence rng(seed);
    for (int set = 0; set < sets; ++set) {
        run.attempts += core::runRecipe(
            *recipe, rng, [&run](const core::Operation& line) { run.lines.push_back(line); });
    }
    return run;
}

double valueOf(const std::string& text)
{
    auto value = italianValue(text);
    EXPECT_TRUE(value.has_value()) << "not a number: " << text;
    return value.value_or(-1);
}

// Exact value in thousandths, so sums are compared without binary noise.
long long thousandths(const std::string& text)
{
    return std::llround(valueOf(text) * 1000);
}

std::string integerPart(const std::string& text)
{
    return text.substr(0, text.find(','));
}

std::string decimalPart(const std::string& text)
{
    const auto comma = text.find(',');
    return comma == std::string::npos ? std::string() : text.substr(comma + 1);
}

// The parts of an operation with the expected operator and operand count; fails the test
// otherwise.
bool parseAs(const core::Operation& line, const std::string& op, std::size_t minOperands,
             std::size_t maxOperands, ParsedLine& parsed, const std::string& closing = " = ")
{
    const auto p = std::optional<ParsedLine>(testsupport::partsOf(line));
    EXPECT_EQ(p->op, op) << line;
    EXPECT_EQ(p->closing, closing) << line;
    EXPECT_GE(p->operands.size(), minOperands) << line;
    EXPECT_LE(p->operands.size(), maxOperands) << line;
    parsed = *p;
    return p->op == op && p->operands.size() >= minOperands && p->operands.size() <= maxOperands;
}

// The written power of ten: 10, 100 and 1000 as "1.000".
int powerOf(const std::string& text)
{
    if (text == "10")
        return 10;
    if (text == "100")
        return 100;
    if (text == "1.000")
        return 1000;
    ADD_FAILURE() << "not a written power of ten: " << text;
    return 1;
}

// Acceptance share compared with the stated one.
void expectRate(const Batch& run, const std::string& generator, double stated, double tolerance)
{
    ASSERT_GT(run.attempts, 0);
    const double rate = static_cast<double>(run.lines.size()) / run.attempts;
    EXPECT_NEAR(rate, stated, tolerance) << generator << ", attempts " << run.attempts;
    ::testing::Test::RecordProperty("acceptance_percent " + generator, std::to_string(rate * 100));
}

constexpr double RateTolerance = 0.015;

} // namespace

TEST(DecimalLines999, AdditionAndSubtraction)
{
    for (std::string kind : {"+", "-"}) {
        const Batch run = generate("dec999", kind, 1000, kind == "+" ? 11 : 12);
        ASSERT_EQ(run.lines.size(), 10000u);
        bool wholeSeen = false, belowOneSeen = false, smallSeen = false, largeSeen = false;
        for (const core::Operation& line : run.lines) {
            ParsedLine p;
            if (!parseAs(line, kind == "+" ? " + " : " - ", 2, 2, p))
                continue;
            const std::string& a = p.operands[0];
            const std::string& b = p.operands[1];
            EXPECT_TRUE(isPlain(a) && isPlain(b)) << line;
            EXPECT_LE(decimalsOf(a), 2) << line;
            EXPECT_LE(decimalsOf(b), 3) << line;
            const double va = valueOf(a), vb = valueOf(b);
            EXPECT_GT(va, 0) << line;
            EXPECT_GT(vb, 0) << line;
            EXPECT_LT(va, 1000) << line;
            EXPECT_LT(vb, 1000) << line;
            if (kind == "+") {
                EXPECT_LT(thousandths(a) + thousandths(b), 1000000) << line;
            } else {
                EXPECT_GT(thousandths(a), thousandths(b)) << line;
            }
            wholeSeen |= decimalsOf(a) == 0;
            belowOneSeen |= a.rfind("0,", 0) == 0 || b.rfind("0,", 0) == 0;
            smallSeen |= va < 10;
            largeSeen |= va > 100;
        }
        EXPECT_TRUE(wholeSeen && belowOneSeen && smallSeen && largeSeen) << kind;
        expectRate(run, "dec999 " + kind, kind == "+" ? 0.67 : 0.39, RateTolerance);
    }
}

TEST(DecimalLines9999, SubtractionMinuendGroupedSubtrahendPlain)
{
    const Batch run = generate("dec9999", "-", 1000, 21);
    ASSERT_EQ(run.lines.size(), 10000u);
    for (const core::Operation& line : run.lines) {
        ParsedLine p;
        if (!parseAs(line, " - ", 2, 2, p))
            continue;
        const std::string& a = p.operands[0];
        const std::string& b = p.operands[1];
        // 1.234,5: grouped integer part, a comma and one to three decimals.
        EXPECT_TRUE(isGroupedWhole(integerPart(a))) << line;
        EXPECT_NE(a.find('.'), std::string::npos) << line;
        EXPECT_GE(decimalsOf(a), 1) << line;
        EXPECT_LE(decimalsOf(a), 3) << line;
        EXPECT_NE(a.back(), '0') << line;
        EXPECT_GT(valueOf(a), 1000) << line;
        EXPECT_LT(valueOf(a), 9999) << line;
        EXPECT_TRUE(isPlain(b)) << line;
        EXPECT_LE(decimalsOf(b), 2) << line;
        EXPECT_GT(valueOf(b), 100) << line;
        EXPECT_LT(valueOf(b), 1000) << line;
    }
    expectRate(run, "dec9999 -", 0.31, RateTolerance);
}

TEST(DecimalLines9999, AdditionFormsAndWrittenSumBound)
{
    const Batch run = generate("dec9999", "+", 1000, 22);
    ASSERT_EQ(run.lines.size(), 10000u);
    bool droppedSeen = false, groupedWholeSeen = false, trailingZeroSeen = false;
    std::set<std::size_t> counts;
    long long largestSum = 0;
    for (const core::Operation& line : run.lines) {
        ParsedLine p;
        if (!parseAs(line, " + ", 2, 3, p))
            continue;
        counts.insert(p.operands.size());
        long long sum = 0;
        for (const std::string& q : p.operands) {
            const std::string whole = integerPart(q);
            const std::string decimals = decimalPart(q);
            EXPECT_TRUE(isGroupedWhole(whole)) << line;
            EXPECT_LE(decimals.size(), 3u) << line;
            // Decimals are written as drawn, never with leading zeros (12,5 not 12,005).
            if (!decimals.empty()) {
                EXPECT_NE(decimals.front(), '0') << line;
            } else {
                EXPECT_EQ(q.find(','), std::string::npos) << line;
            }
            if (whole == "0") {
                EXPECT_FALSE(decimals.empty()) << line;
            }
            EXPECT_GT(thousandths(q), 0) << line;
            sum += thousandths(q);
            droppedSeen |= q.rfind("0,", 0) == 0;
            groupedWholeSeen |= decimals.empty() && whole.find('.') != std::string::npos;
            trailingZeroSeen |= !decimals.empty() && decimals.back() == '0';
        }
        EXPECT_LT(sum, 10000 * 1000LL) << line;
        largestSum = std::max(largestSum, sum);
    }
    EXPECT_TRUE(droppedSeen && groupedWholeSeen && trailingZeroSeen);
    EXPECT_EQ(counts, (std::set<std::size_t>{2, 3}));
    // The bound keeps sums below 10.000 without confining them far below it.
    EXPECT_GT(largestSum, 9900 * 1000LL);
    // 46 % before the sum bound; the bound brings it to about 43 %.
    expectRate(run, "dec9999 +", 0.43, RateTolerance);
}

TEST(DecimalLines999, MultiplicationOneDecimalMultiplier)
{
    const Batch run = generate("dec999", "x", 1000, 31);
    ASSERT_EQ(run.lines.size(), 10000u);
    std::set<std::string> multiplierDecimals;
    for (const core::Operation& line : run.lines) {
        ParsedLine p;
        if (!parseAs(line, " x ", 2, 2, p))
            continue;
        const std::string& a = p.operands[0];
        const std::string& b = p.operands[1];
        EXPECT_TRUE(isPlain(a) && isPlain(b)) << line;
        EXPECT_GE(decimalsOf(a), 1) << line;
        EXPECT_LE(decimalsOf(a), 2) << line;
        EXPECT_GE(valueOf(a), 1.02) << line;
        EXPECT_LE(valueOf(a), 98.84) << line;
        // 1,1 to 8,8, exactly one decimal from 1 to 8.
        EXPECT_EQ(decimalsOf(b), 1) << line;
        EXPECT_GE(valueOf(b), 1.1) << line;
        EXPECT_LE(valueOf(b), 8.8) << line;
        multiplierDecimals.insert(decimalPart(b));
        EXPECT_LT(valueOf(a) * valueOf(b), 1000) << line;
    }
    EXPECT_EQ(multiplierDecimals, (std::set<std::string>{"1", "2", "3", "4", "5", "6", "7", "8"}));
    expectRate(run, "dec999 x", 0.82, RateTolerance);
}

TEST(DecimalLines9999, MultiplicationBandsAndWholeMultipliers)
{
    const Batch run = generate("dec9999", "x", 300, 32);
    ASSERT_EQ(run.lines.size(), 3000u);
    bool wholeSeen = false, decimalSeen = false;
    for (const core::Operation& line : run.lines) {
        ParsedLine p;
        if (!parseAs(line, " x ", 2, 2, p))
            continue;
        const std::string& a = p.operands[0];
        const std::string& b = p.operands[1];
        EXPECT_TRUE(isPlain(a) && isPlain(b)) << line;
        const double va = valueOf(a), vb = valueOf(b);
        EXPECT_LT(va * vb, 10000) << line;
        // Multiplicand: (10, 100) with up to two decimals or (100, 1000) with one.
        EXPECT_GE(decimalsOf(a), 1) << line;
        if (va < 100) {
            EXPECT_GT(va, 10) << line;
            EXPECT_LE(decimalsOf(a), 2) << line;
        } else {
            EXPECT_GT(va, 100) << line;
            EXPECT_EQ(decimalsOf(a), 1) << line;
        }
        // Multiplier: (10, 100) with one decimal, or whole from 101 to 999.
        if (decimalsOf(b) == 0) {
            wholeSeen = true;
            EXPECT_GE(vb, 101) << line;
            EXPECT_LE(vb, 999) << line;
            EXPECT_NE(b.back(), '0') << line;
        } else {
            decimalSeen = true;
            EXPECT_EQ(decimalsOf(b), 1) << line;
            EXPECT_GT(vb, 10) << line;
            EXPECT_LT(vb, 100) << line;
        }
        // Rounded to a whole number (a tie to even), the multiplier never ends in 0.
        EXPECT_NE(std::lrint(vb) % 10, 0) << line;
    }
    EXPECT_TRUE(wholeSeen && decimalSeen);
    expectRate(run, "dec9999 x", 0.006, 0.001);
}

TEST(DecimalLines, PowerProductBelowTenThousand)
{
    struct Window {
        std::string range;
        std::uint64_t seed;
        double productFloor; // none within 999
        double statedRate;
    };
    for (const Window& w : {Window{"dec999", 41, 0, 0.59}, Window{"dec9999", 42, 100, 0.25}}) {
        const Batch run = generate(w.range, "x10", 1000, w.seed);
        ASSERT_EQ(run.lines.size(), 10000u);
        std::set<int> powers;
        bool belowOneSeen = false;
        for (const core::Operation& line : run.lines) {
            ParsedLine p;
            if (!parseAs(line, " x ", 2, 2, p))
                continue;
            const std::string& a = p.operands[0];
            const int m = powerOf(p.operands[1]);
            powers.insert(m);
            EXPECT_TRUE(isPlain(a)) << line;
            EXPECT_LE(decimalsOf(a), 3) << line;
            EXPECT_GT(valueOf(a), 0.001) << line;
            EXPECT_LT(thousandths(a) * m, 10000 * 1000LL) << line;
            EXPECT_GT(thousandths(a) * m, w.productFloor * 1000) << line;
            belowOneSeen |= a.rfind("0,", 0) == 0;
        }
        EXPECT_EQ(powers, (std::set<int>{10, 100, 1000})) << w.range;
        EXPECT_TRUE(belowOneSeen) << w.range;
        expectRate(run, w.range + " x10", w.statedRate, RateTolerance);
    }
}

TEST(DecimalLines999, DivisionDividendPerPower)
{
    const Batch run = generate("dec999", ":10", 1000, 51);
    ASSERT_EQ(run.lines.size(), 10000u);
    bool ungroupedThousandsSeen = false;
    for (const core::Operation& line : run.lines) {
        ParsedLine p;
        if (!parseAs(line, " : ", 2, 2, p))
            continue;
        const std::string& a = p.operands[0];
        const double va = valueOf(a);
        EXPECT_TRUE(isPlain(a)) << line;
        EXPECT_GT(va, 0) << line;
        switch (powerOf(p.operands[1])) {
        case 10:
            EXPECT_LE(decimalsOf(a), 2) << line;
            EXPECT_LT(va, 9) << line;
            break;
        case 100:
            EXPECT_LE(decimalsOf(a), 1) << line;
            EXPECT_GE(va, 10) << line;
            EXPECT_LT(va, 510) << line;
            break;
        case 1000:
            // A whole dividend from 100 to 10.098, never grouped.
            EXPECT_EQ(decimalsOf(a), 0) << line;
            EXPECT_GE(va, 100) << line;
            EXPECT_LE(va, 10098) << line;
            ungroupedThousandsSeen |= va > 999;
            break;
        }
    }
    EXPECT_TRUE(ungroupedThousandsSeen);
    expectRate(run, "dec999 :10", 0.995, 0.025);
}

TEST(DecimalLines9999, DivisionDividendAlwaysFractional)
{
    const Batch run = generate("dec9999", ":10", 1000, 52);
    ASSERT_EQ(run.lines.size(), 10000u);
    std::set<int> powers;
    for (const core::Operation& line : run.lines) {
        ParsedLine p;
        if (!parseAs(line, " : ", 2, 2, p))
            continue;
        const std::string& a = p.operands[0];
        powers.insert(powerOf(p.operands[1]));
        EXPECT_TRUE(isGroupedWhole(integerPart(a))) << line;
        EXPECT_GE(decimalsOf(a), 1) << line;
        EXPECT_LE(decimalsOf(a), 3) << line;
        EXPECT_NE(a.back(), '0') << line;
        EXPECT_GE(valueOf(a), 100) << line;
        EXPECT_LT(valueOf(a), 10099) << line;
    }
    EXPECT_EQ(powers, (std::set<int>{10, 100, 1000}));
    expectRate(run, "dec9999 :10", 0.99, 0.015);
}

TEST(DecimalLines, ClosingWordReachesEveryLine)
{
    for (std::string_view range : {"dec999", "dec9999"}) {
        for (std::string_view kind : {"+", "-", "x", "x10", ":10"}) {
            const Batch run = generate(range, kind, 3, 61, " =");
            ASSERT_EQ(run.lines.size(), 30u);
            for (const core::Operation& line : run.lines) {
                EXPECT_EQ(line.closing, " =") << line;
                EXPECT_TRUE(core::lineOf(line).ends_with(" =")) << line;
            }
        }
    }
}
