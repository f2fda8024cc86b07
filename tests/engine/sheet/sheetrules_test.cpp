// SPDX-License-Identifier: GPL-3.0-or-later
// Worksheets made with the windows' own rules: the right rule per source window and the
// worksheet's closing words, from the operations made (and the printed sheet's text where
// it is read as printed).
#include "engine/catalog/checks.h"
#include "engine/catalog/request.h"
#include "engine/sheet/layout.h"
#include "engine/sheet/sourcelookup.h"
#include "support/askedsheet.h"
#include "support/lineparse.h"

#include "engine/rules/random.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>

using namespace print;
using testsupport::ParsedLine;
using testsupport::parseLine;
using testsupport::partsOf;

namespace {

// One open window that answers the lookup, with the divisor choice of a case window.
class OneWindow : public SourceWindows {
public:
    OneWindow(std::string range, std::string kind)
        : m_range(std::move(range)), m_kind(std::move(kind))
    {
    }
    bool holdsOwnCode(std::string_view range) const override { return range == m_range; }
    std::string kindField(std::string_view) const override { return m_kind; }
    core::GeneratorOptions options(std::string_view) const override
    {
        ++reads;
        core::GeneratorOptions shown;
        shown.divisor = choice;
        return shown;
    }
    cases::DivisorChoice choice = cases::DivisorChoice::Mixed;
    mutable int reads = 0;

private:
    std::string m_range;
    std::string m_kind;
};

std::vector<core::Operation> worksheet(const SourceWindows& windows, std::uint64_t seed)
{
    core::RandomSequence rng(seed);
    const std::optional<OperationTable> made = testsupport::askedSheet(windows, rng);
    EXPECT_TRUE(made.has_value());
    const OperationTable table = made.value_or(OperationTable{});
    std::vector<core::Operation> lines;
    for (int g = 1; g <= 8; ++g)
        for (int j = 1; j <= 10; ++j) {
            const core::Operation* operation = table.at(g, j);
            if (!operation) {
                ADD_FAILURE() << "nothing made at " << g << "," << j;
                continue;
            }
            lines.push_back(*operation);
        }
    return lines;
}

// Significant digits of a number's digits: 0,02 ("002") has one, 2,1 two, 12 two.
int significantDigits(const std::string& text)
{
    int digits = 0;
    bool leading = true;
    for (char c : text) {
        if (c < '0' || c > '9')
            continue;
        if (leading && c == '0')
            continue;
        leading = false;
        ++digits;
    }
    return digits;
}

} // namespace

TEST(SheetRules, IntegerWorksheetsEndAsTheirTableSays)
{
    struct Case {
        const char* range;
        const char* kind;
        const char* op;
        const char* closing;
    };
    // Written by hand from the worksheet rules.
    const Case cases[] = {
        {"500", "+2", " + ", " ="},    {"500", "+3", " + ", " ="},
        {"500", "-", " - ", " = "},    {"500", "x", " x ", " ="},
        {"500", ":2", " : ", " = "},   {"500", ":3", " : ", " = "},
        {"999", "+2", " + ", " = "},   {"999", "x1", " x ", " = "},
        {"999", ":", " : ", " = "},    {"9999", "x2", " x ", " = "},
        {"9999", ":2", " : ", " = "},  {"99999", "x3", " x ", " = "},
        {"999999", "-", " - ", " = "}, {"999999", "+3", " + ", " = "},
    };
    for (const Case& c : cases) {
        const auto lines = worksheet(OneWindow(c.range, c.kind), 11);
        for (const core::Operation& line : lines) {
            const ParsedLine parsed = partsOf(line);
            EXPECT_EQ(parsed.op, c.op) << c.range << " " << c.kind << ": " << line;
            EXPECT_EQ(parsed.closing, c.closing) << c.range << " " << c.kind << ": " << line;
        }
    }
}

TEST(SheetRules, MixedSetsKeepTheirBlocksAndTheBlankInEveryGroup)
{
    // Within 500: two two-addend additions, one three-addend addition, three subtractions,
    // two multiplications, two divisions, in this order.
    const auto lines = worksheet(OneWindow("500", "m"), 5);
    for (int g = 0; g < 8; ++g) {
        std::string shape;
        for (int j = 0; j < 10; ++j) {
            const ParsedLine parsed = partsOf(lines[std::size_t(g * 10 + j)]);
            EXPECT_EQ(parsed.closing, " = ");
            shape += parsed.op[1];
            shape += std::to_string(parsed.operands.size());
        }
        EXPECT_EQ(shape, "+2+2+3-2-2-2x2x2:2:2") << "group " << g + 1;
    }
}

TEST(SheetRules, DecimalWorksheets)
{
    struct Case {
        const char* range;
        const char* kind;
        const char* op;
        const char* closing;
    };
    const Case cases[] = {
        {"dec999", "+", " + ", " = "},    {"dec999", "-", " - ", " = "},
        {"dec999", "x", " x ", " = "},    {"dec999", "x10", " x ", " ="},
        {"dec999", ":10", " : ", " = "},  {"dec9999", "+", " + ", " = "},
        {"dec9999", "-", " - ", " = "},   {"dec9999", "x", " x ", " = "},
        {"dec9999", "x10", " x ", " = "}, {"dec9999", ":10", " : ", " = "},
    };
    for (const Case& c : cases) {
        const auto lines = worksheet(OneWindow(c.range, c.kind), 3);
        std::map<std::string, int> powers;
        for (const core::Operation& line : lines) {
            const ParsedLine parsed = partsOf(line);
            EXPECT_EQ(parsed.op, c.op) << line;
            EXPECT_EQ(parsed.closing, c.closing) << c.range << " " << c.kind << ": " << line;
            double sum = 0;
            for (const core::WrittenNumber& operand : line.operands) {
                const double value = testsupport::valueOf(operand);
                EXPECT_GT(value, 0) << line;
                sum += value;
            }
            if (std::string(c.kind).ends_with("10"))
                ++powers[parsed.operands.back()];
            // The mended bound of the addition within 9.999 holds on paper too.
            if (std::string(c.range) == "dec9999" && std::string(c.kind) == "+") {
                EXPECT_LT(sum, 10000) << line;
            }
        }
        if (std::string(c.kind).ends_with("10")) {
            // The power of ten is written 10, 100 or 1.000 (grouped) in both windows.
            for (const auto& [power, count] : powers)
                EXPECT_TRUE(power == "10" || power == "100" || power == "1.000")
                    << c.range << " " << c.kind << ": " << power;
            EXPECT_EQ(powers.size(), 3u) << c.range << " " << c.kind;
        }
    }
}

TEST(SheetRules, CaseWorksheetsFollowTheDivisorChoiceShownAtOk)
{
    for (const char* range : {"1", "2", "3", "4", "5"}) {
        OneWindow window(range, "ignored");
        for (auto [choice, lo, hi] : {std::tuple{cases::DivisorChoice::OneDigit, 1, 1},
                                      std::tuple{cases::DivisorChoice::TwoDigits, 2, 2},
                                      std::tuple{cases::DivisorChoice::Mixed, 1, 2}}) {
            window.choice = choice;
            window.reads = 0;
            std::map<int, int> seen;
            for (const core::Operation& line : worksheet(window, 9)) {
                EXPECT_EQ(line.op, core::Operator::Divide) << range << ": " << line;
                EXPECT_EQ(line.closing, " =") << range << ": " << line;
                ASSERT_EQ(line.operands.size(), 2u);
                const int digits = significantDigits(line.operands[1].digits);
                EXPECT_GE(digits, lo) << range << ": " << line;
                EXPECT_LE(digits, hi) << range << ": " << line;
                ++seen[digits];
            }
            // Read from the window when OK builds the request.
            EXPECT_GE(window.reads, 1) << range;
            if (choice == cases::DivisorChoice::Mixed) {
                EXPECT_GT(seen[1], 0) << range;
                EXPECT_GT(seen[2], 0) << range;
            }
        }
    }
}

namespace {

// The printed texts of a job's items, without their leading and trailing blanks.
std::vector<std::string> printedTexts(const std::vector<Statement>& statements)
{
    std::vector<std::string> texts;
    for (const Statement& s : statements) {
        if (s.kind != Statement::Kind::Item)
            continue;
        const auto first = s.text.find_first_not_of(' ');
        if (first != std::string::npos)
            texts.push_back(s.text.substr(first, s.text.find_last_not_of(' ') - first + 1));
    }
    return texts;
}

} // namespace

TEST(SheetRules, SheetRequestIsTheCommandLinesSheet)
{
    // zelmorio --scheda 999 m --soluzioni --seme 2024 --pdf F prints these first lines, on
    // the sheet and in the key; the key's results come from the window passed, not from
    // the options.
    JobOptions options{LayoutOptions{2, Columns::Two}, std::string(DefaultHeading), 1, true};
    core::RandomSequence random(2024);
    const std::string mixed = "m";
    const std::vector<std::string> texts = printedTexts(catalog::sheetStatements(
        {{&catalog::findGenerator("999", &mixed), cases::DivisorChoice::Mixed}, options}, random));
    const std::vector<std::string> sheetStart{
        "Calcola le seguenti operazioni:", "1)", "2)", "56 + 782 =", "660 + 239 =", "72 + 160 ="};
    ASSERT_GE(texts.size(), sheetStart.size());
    EXPECT_EQ(std::vector(texts.begin(), texts.begin() + 6), sheetStart);
    const auto key = std::find(texts.begin(), texts.end(), "Soluzioni");
    ASSERT_GE(std::distance(key, texts.end()), 5);
    EXPECT_EQ(std::vector(key + 1, key + 5),
              (std::vector<std::string>{"1)", "2)", "56 + 782 = 838", "660 + 239 = 899"}));

    // A case sheet takes the divisor choice it is given.
    for (auto [choice, digits] : {std::pair{cases::DivisorChoice::OneDigit, 1},
                                  std::pair{cases::DivisorChoice::TwoDigits, 2}}) {
        options.answerKey = false;
        int lines = 0;
        for (const std::string& text : printedTexts(catalog::sheetStatements(
                 {{&catalog::findGenerator("2", nullptr), choice}, options}, random))) {
            const auto parsed = parseLine(text);
            if (!parsed)
                continue; // heading and labels
            ++lines;
            ASSERT_EQ(parsed->operands.size(), 2u) << text;
            EXPECT_EQ(significantDigits(parsed->operands[1]), digits) << text;
        }
        EXPECT_EQ(lines, 40);
    }
}
