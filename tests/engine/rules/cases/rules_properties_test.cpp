// SPDX-License-Identifier: GPL-3.0-or-later
// Thousands of lines per case and divisor option, read from their numbers as written: the
// bounds each case promises, the full range of divisors, and the share of accepted attempts.
#include "engine/numbers/operation.h"
#include "engine/rules/cases/rules.h"
#include "engine/rules/generation.h"
#include "support/lineparse.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <set>
#include <string>
#include <vector>

using cases::DivisorChoice;
using testsupport::decimalsOf;

namespace {

struct Division {
    std::string dividendText;
    std::string divisorText;
    double dividend = NAN;
    double divisor = NAN;
};

struct Sample {
    std::vector<std::vector<Division>> sets;
    long lines = 0;
    long attempts = 0;
    long choiceReads = 0;

    double ratePercent() const { return 100.0 * lines / attempts; }
};

Division read(const core::Operation& line)
{
    Division d;
    if (line.op != core::Operator::Divide || line.closing != " = " || line.operands.size() != 2) {
        ADD_FAILURE() << "not a division: " << line;
        return d;
    }
    d.dividendText = core::text(line.operands[0]);
    d.divisorText = core::text(line.operands[1]);
    // Every number of these lines is plain: no grouping even from 1000 on.
    EXPECT_TRUE(testsupport::isPlain(d.dividendText)) << line;
    EXPECT_TRUE(testsupport::isPlain(d.divisorText)) << line;
    d.dividend = testsupport::valueOf(line.operands[0]);
    d.divisor = testsupport::valueOf(line.operands[1]);
    return d;
}

Sample generate(int caseNumber, DivisorChoice choice, int sets, std::uint64_t seed)
{
    Sample run;
    const core::Recipe recipe = cases::recipe(
        caseNumber,
        [&run, choice] {
            ++run.choiceReads;
            return choice;
        },
        core::ClosingScreen);
    core::RandomSequence rng(seed);
    for (int i = 0; i < sets; ++i) {
        std::vector<Division> set;
        run.attempts += core::runRecipe(
            recipe, rng, [&set](const core::Operation& line) { set.push_back(read(line)); });
        run.lines += static_cast<long>(set.size());
        run.sets.push_back(std::move(set));
    }
    // The selection is read once in every attempt, accepted or not.
    EXPECT_EQ(run.choiceReads, run.attempts);
    return run;
}

constexpr int SetsPerOption = 2000;

std::set<std::string> divisorTexts(const Sample& run)
{
    std::set<std::string> texts;
    for (const auto& set : run.sets)
        for (const Division& d : set)
            texts.insert(d.divisorText);
    return texts;
}

// Whole numbers from lo to hi that are not multiples of 10, as written.
std::set<std::string> wholeTexts(int lo, int hi)
{
    std::set<std::string> texts;
    for (int v = lo; v <= hi; ++v)
        if (v % 10 != 0)
            texts.insert(std::to_string(v));
    return texts;
}

// The decimal divisors of cases III and IV: 0,2 to 0,8 and 0,02 to 0,08 with one digit,
// 2,1 to 8,9 with two.
std::set<std::string> decimalDivisorTexts(DivisorChoice choice)
{
    std::set<std::string> texts;
    for (int n = 2; n <= 8; ++n) {
        if (choice == DivisorChoice::OneDigit) {
            texts.insert("0," + std::to_string(n));
            texts.insert("0,0" + std::to_string(n));
        } else {
            for (int q = 1; q <= 9; ++q)
                texts.insert(std::to_string(n) + "," + std::to_string(q));
        }
    }
    return texts;
}

const char* optionName(DivisorChoice choice)
{
    switch (choice) {
    case DivisorChoice::OneDigit:
        return "1 cifra";
    case DivisorChoice::TwoDigits:
        return "2 cifre";
    case DivisorChoice::Mixed:
        return "Misto";
    }
    return "";
}

constexpr DivisorChoice FixedOptions[] = {DivisorChoice::OneDigit, DivisorChoice::TwoDigits};

} // namespace

TEST(CaseOne, DecimalDividendAboveWholeDivisor)
{
    for (DivisorChoice option : FixedOptions) {
        SCOPED_TRACE(optionName(option));
        const Sample run = generate(1, option, SetsPerOption, 101);
        bool bigDividend = false;
        for (const auto& set : run.sets) {
            for (const Division& d : set) {
                EXPECT_GT(d.dividend, d.divisor) << d.dividendText << " : " << d.divisorText;
                EXPECT_GE(d.dividend, 1.0);
                EXPECT_LT(d.dividend, 10000.0);
                // Written with a comma, even when the rounded sine comes out 0.
                EXPECT_GE(decimalsOf(d.dividendText), 1) << d.dividendText;
                EXPECT_LE(decimalsOf(d.dividendText), 3);
                bigDividend |= d.dividend >= 1000;
            }
        }
        EXPECT_EQ(divisorTexts(run),
                  option == DivisorChoice::OneDigit ? wholeTexts(2, 8) : wholeTexts(12, 98));
        EXPECT_TRUE(bigDividend);
    }
}

TEST(CaseTwo, DecimalDividendBelowWholeDivisor)
{
    for (DivisorChoice option : FixedOptions) {
        SCOPED_TRACE(optionName(option));
        const Sample run = generate(2, option, SetsPerOption, 202);
        double largest = 0;
        for (const auto& set : run.sets) {
            for (const Division& d : set) {
                EXPECT_LT(d.dividend, d.divisor) << d.dividendText << " : " << d.divisorText;
                EXPECT_GE(d.dividend, 1.0);
                EXPECT_GE(decimalsOf(d.dividendText), 1) << d.dividendText;
                EXPECT_LE(decimalsOf(d.dividendText), 3);
                if (option == DivisorChoice::OneDigit) {
                    EXPECT_LT(d.dividend, 8.0) << d.dividendText;
                }
                largest = std::max(largest, d.dividend);
            }
        }
        EXPECT_EQ(divisorTexts(run),
                  option == DivisorChoice::OneDigit ? wholeTexts(2, 8) : wholeTexts(12, 98));
        // Two-digit divisors take dividends up to 97 and a bit.
        if (option == DivisorChoice::TwoDigits) {
            EXPECT_GT(largest, 90.0);
        }
    }
}

TEST(CaseThree, WholeDividendDecimalDivisor)
{
    for (DivisorChoice option : FixedOptions) {
        SCOPED_TRACE(optionName(option));
        const Sample run = generate(3, option, SetsPerOption, 303);
        double smallest = 1e9;
        double largest = 0;
        for (const auto& set : run.sets) {
            for (const Division& d : set) {
                EXPECT_EQ(decimalsOf(d.dividendText), 0) << d.dividendText;
                EXPECT_NE(d.dividendText.back(), '0') << d.dividendText;
                smallest = std::min(smallest, d.dividend);
                largest = std::max(largest, d.dividend);
            }
        }
        EXPECT_GE(smallest, 12.0);
        EXPECT_LE(largest, 9998.0);
        EXPECT_GT(largest, 9900.0);
        // The set of divisors is exact: no 0,1, 0,01, 1,x or 9,x, no single-precision noise.
        EXPECT_EQ(divisorTexts(run), decimalDivisorTexts(option));
    }
}

TEST(CaseFour, DecimalDividendAboveDecimalDivisor)
{
    for (DivisorChoice option : FixedOptions) {
        SCOPED_TRACE(optionName(option));
        const Sample run = generate(4, option, SetsPerOption, 404);
        bool threeDigitDividend = false;
        for (const auto& set : run.sets) {
            for (const Division& d : set) {
                EXPECT_GE(d.dividend, 1.0) << d.dividendText;
                EXPECT_LT(d.dividend, 1000.0) << d.dividendText;
                EXPECT_GT(d.dividend, d.divisor) << d.dividendText << " : " << d.divisorText;
                EXPECT_GE(decimalsOf(d.dividendText), 1) << d.dividendText;
                EXPECT_LE(decimalsOf(d.dividendText), 3);
                threeDigitDividend |= d.dividend >= 100;
            }
        }
        EXPECT_EQ(divisorTexts(run), decimalDivisorTexts(option));
        EXPECT_TRUE(threeDigitDividend);
    }
}

TEST(CaseFive, WholeNumbersNeverDivideEvenly)
{
    for (DivisorChoice option : FixedOptions) {
        SCOPED_TRACE(optionName(option));
        const Sample run = generate(5, option, SetsPerOption, 505);
        bool dividendBelowDivisor = false;
        for (const auto& set : run.sets) {
            for (const Division& d : set) {
                ASSERT_EQ(decimalsOf(d.dividendText), 0) << d.dividendText;
                ASSERT_EQ(decimalsOf(d.divisorText), 0) << d.divisorText;
                const int a = static_cast<int>(d.dividend);
                const int v = static_cast<int>(d.divisor);
                EXPECT_GE(a, 1);
                EXPECT_LE(a, 99);
                EXPECT_NE(a % v, 0) << a << " : " << v;
                dividendBelowDivisor |= a < v;
            }
        }
        EXPECT_EQ(divisorTexts(run),
                  option == DivisorChoice::OneDigit ? wholeTexts(2, 9) : wholeTexts(11, 99));
        if (option == DivisorChoice::TwoDigits) {
            EXPECT_TRUE(dividendBelowDivisor);
        }
    }
}

TEST(CaseMixed, BothDivisorSizesWithinOneSet)
{
    for (int caseNumber = 1; caseNumber <= cases::CaseCount; ++caseNumber) {
        SCOPED_TRACE(caseNumber);
        const Sample run =
            generate(caseNumber, DivisorChoice::Mixed, SetsPerOption, 600 + caseNumber);
        // Decimal divisors of one digit are below 1, whole ones below 10.
        const double twoDigitsFrom = (caseNumber == 3 || caseNumber == 4) ? 1.0 : 10.0;
        int setsWithBoth = 0;
        for (const auto& set : run.sets) {
            bool one = false;
            bool two = false;
            for (const Division& d : set) {
                one |= d.divisor < twoDigitsFrom;
                two |= d.divisor >= twoDigitsFrom;
            }
            setsWithBoth += one && two;
        }
        // A set of ten all of one size has a chance of about 1 in 100 at worst (case II).
        EXPECT_GT(setsWithBoth, SetsPerOption * 95 / 100);

        std::set<std::string> expected;
        switch (caseNumber) {
        case 1:
        case 2:
            expected = wholeTexts(2, 8);
            expected.merge(wholeTexts(12, 98));
            break;
        case 3:
        case 4:
            expected = decimalDivisorTexts(DivisorChoice::OneDigit);
            expected.merge(decimalDivisorTexts(DivisorChoice::TwoDigits));
            break;
        default:
            expected = wholeTexts(2, 9);
            expected.merge(wholeTexts(11, 99));
            break;
        }
        EXPECT_EQ(divisorTexts(run), expected);
    }
}

namespace {

struct StatedRate {
    int caseNumber;
    DivisorChoice option;
    double lowPercent;
    double highPercent;
};

// Acceptance rates stated for the rules, with a margin of about two points.
const StatedRate StatedRates[] = {
    {1, DivisorChoice::OneDigit, 73, 77}, {1, DivisorChoice::TwoDigits, 60, 64},
    {2, DivisorChoice::OneDigit, 21, 25}, {2, DivisorChoice::TwoDigits, 39, 43},
    {3, DivisorChoice::OneDigit, 68, 72}, {3, DivisorChoice::TwoDigits, 68, 72},
    {4, DivisorChoice::OneDigit, 74, 78}, {4, DivisorChoice::TwoDigits, 72, 76},
    {5, DivisorChoice::OneDigit, 67, 71}, {5, DivisorChoice::TwoDigits, 78, 82},
};

} // namespace

TEST(CaseRates, CloseToTheStatedShares)
{
    const char* caseNames[] = {"I", "II", "III", "IV", "V"};
    for (int caseNumber = 1; caseNumber <= cases::CaseCount; ++caseNumber) {
        double fixed[2] = {};
        for (const StatedRate& stated : StatedRates) {
            if (stated.caseNumber != caseNumber)
                continue;
            const double rate =
                generate(caseNumber, stated.option, SetsPerOption, 700 + caseNumber).ratePercent();
            std::printf("case %s, %s: %.1f %%\n", caseNames[caseNumber - 1],
                        optionName(stated.option), rate);
            EXPECT_GE(rate, stated.lowPercent) << caseNames[caseNumber - 1];
            EXPECT_LE(rate, stated.highPercent) << caseNames[caseNumber - 1];
            fixed[stated.option == DivisorChoice::TwoDigits] = rate;
        }
        // "Misto" draws the size evenly, so its share lies halfway between the other two.
        const double mixed =
            generate(caseNumber, DivisorChoice::Mixed, SetsPerOption, 800 + caseNumber)
                .ratePercent();
        std::printf("case %s, Misto: %.1f %%\n", caseNames[caseNumber - 1], mixed);
        EXPECT_NEAR(mixed, (fixed[0] + fixed[1]) / 2, 1.5) << caseNames[caseNumber - 1];
    }
}
