// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/sheet/sourcelookup.h"

#include "engine/catalog/request.h"
#include "engine/rules/random.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

using namespace print;

namespace {

// Open windows of the test's own: range code -> (range field, kind field).
class FakeWindows : public SourceWindows {
public:
    void open(std::string range, std::string rangeField, std::string kindField = {})
    {
        m_windows[range] = {std::move(rangeField), std::move(kindField)};
    }
    bool holdsOwnCode(std::string_view range) const override
    {
        auto it = m_windows.find(std::string(range));
        ++m_asked[std::string(range)];
        return it != m_windows.end() && it->second.first == range;
    }
    std::string kindField(std::string_view range) const override
    {
        return m_windows.at(std::string(range)).second;
    }
    core::GeneratorOptions options(std::string_view) const override
    {
        core::GeneratorOptions shown;
        shown.divisor = m_divisor;
        return shown;
    }
    cases::DivisorChoice m_divisor = cases::DivisorChoice::Mixed;
    mutable std::map<std::string, int> m_asked;

private:
    std::map<std::string, std::pair<std::string, std::string>> m_windows;
};

} // namespace

TEST(WorksheetTable, EightGroupsEachOneCompleteRun)
{
    // A mixed-like recipe: three blocks whose operations show their block by their operator.
    auto block = [](core::Operator op) {
        return [op](core::RandomSource& rng) -> std::optional<core::Operation> {
            int v = core::below(rng, 10);
            if (v == 0)
                return std::nullopt; // rejected, drawn anew
            return core::operation(op, {core::plain(v), core::plain(v)}, core::ClosingSheet);
        };
    };
    const core::Recipe recipe{{block(core::Operator::Plus), 2},
                              {block(core::Operator::Minus), 5},
                              {block(core::Operator::Times), 3}};
    core::RandomSequence rng(42);
    OperationTable table;
    EXPECT_EQ(table.at(1, 1), nullptr);
    EXPECT_EQ(table.line(1, 1), "");
    fillTable(recipe, rng, table);
    for (int g = 1; g <= 8; ++g) {
        for (int j = 1; j <= 10; ++j) {
            const char* expected = j <= 2 ? " + " : j <= 7 ? " - " : " x ";
            ASSERT_NE(table.at(g, j), nullptr);
            EXPECT_NE(table.line(g, j).find(expected), std::string::npos) << g << "," << j;
            EXPECT_TRUE(table.line(g, j).ends_with(" =")) << g << "," << j;
        }
    }
    EXPECT_THROW(table.at(0, 1), std::out_of_range);
    EXPECT_THROW(table.line(9, 1), std::out_of_range);
    EXPECT_THROW(table.line(1, 11), std::out_of_range);
}

TEST(WorksheetTable, ContinuesTheSequenceWithoutReseeding)
{
    class CountingReseed : public core::RandomSource {
    public:
        double next() override { return 0.5; }
        void reseed() override { ++reseeds; }
        int reseeds = 0;
    } rng;
    const core::Recipe drawing = core::singleKind([](core::RandomSource& r) {
        return std::optional<core::Operation>(core::operation(
            core::Operator::Plus, {core::plain(core::fromOne(r, 999)), core::plain(1)},
            core::ClosingScreen));
    });
    OperationTable table;
    fillTable(drawing, rng, table);
    EXPECT_EQ(rng.reseeds, 0);

    // The same seed continued gives fresh draws: two jobs in a row differ.
    core::RandomSequence seq(7);
    OperationTable first, second;
    fillTable(drawing, seq, first);
    fillTable(drawing, seq, second);
    int same = 0;
    for (int g = 1; g <= 8; ++g)
        for (int j = 1; j <= 10; ++j)
            same += first.line(g, j) == second.line(g, j);
    EXPECT_LT(same, 5);
}

TEST(SourceLookup, AsksEveryWindowInTheFixedOrderAndTheOneThatAnswersMakesTheRequest)
{
    FakeWindows windows;
    windows.open("500", "", "+2"); // emptied when another window's button was used
    windows.open("99999", "99999", "x3");
    windows.open("999", "", "-");     // emptied by its back button
    windows.open("9999", "999", "-"); // holds another window's code
    const SourceAnswer answer = lookUpSource(windows);
    EXPECT_EQ(answer.answered, 1);
    EXPECT_EQ(answer.range, "99999");
    ASSERT_NE(answer.row, nullptr);
    EXPECT_EQ(answer.row->kind, "x3");
    EXPECT_EQ(answer.row->closing, " = ");
    for (const char* range :
         {"500", "999", "9999", "99999", "999999", "dec999", "dec9999", "1", "2", "3", "4", "5"})
        EXPECT_EQ(windows.m_asked[range], 1) << range;

    const std::optional<catalog::Choice> choice = catalog::askedChoice(answer, windows);
    ASSERT_TRUE(choice.has_value());
    EXPECT_EQ(choice->generator->window->range, "99999");
    EXPECT_EQ(choice->generator->kind, "x3");
    EXPECT_EQ(choice->generator->label, "Moltiplicazioni 3 cifre al moltiplicatore");
}

TEST(SourceLookup, ACaseWindowAsksWithTheDivisorItShows)
{
    FakeWindows windows;
    windows.open("4", "4", "resto di un altro tipo");
    windows.m_divisor = cases::DivisorChoice::TwoDigits;
    const std::optional<catalog::Choice> choice =
        catalog::askedChoice(lookUpSource(windows), windows);
    ASSERT_TRUE(choice.has_value());
    EXPECT_EQ(choice->generator->window->name, "frm4caso");
    EXPECT_EQ(choice->generator->kind, "");
    EXPECT_EQ(choice->options.divisor, cases::DivisorChoice::TwoDigits);
}

TEST(SourceLookup, NoWindowAnswersAndNoRequestIsMade)
{
    FakeWindows windows;
    windows.open("999", "", "+2");
    const SourceAnswer answer = lookUpSource(windows);
    EXPECT_EQ(answer.answered, 0);
    EXPECT_EQ(answer.row, nullptr);
    EXPECT_FALSE(catalog::askedChoice(answer, windows).has_value());
}

TEST(SourceLookup, UnknownKindMakesNoRequest)
{
    FakeWindows windows;
    windows.open("500", "500", "x1"); // only the larger ranges know "x1"
    windows.open("999", "999", "");
    const SourceAnswer answer = lookUpSource(windows);
    EXPECT_EQ(answer.answered, 2);
    EXPECT_EQ(answer.row, nullptr);
    EXPECT_FALSE(catalog::askedChoice(answer, windows).has_value());
}

// Closing words copied by hand from the worksheet rules: " =" for "500" with "+2", "+3"
// and "x"; " = " for every other integer line, mixed sets included.
TEST(WorksheetDispatch, ClosingWordPerRangeAndKind)
{
    struct Case {
        const char* range;
        const char* kind;
        const char* closing;
    };
    const Case cases[] = {
        {"500", "+2", " ="},     {"500", "+3", " ="},     {"500", "-", " = "},
        {"500", "x", " ="},      {"500", ":2", " = "},    {"500", ":3", " = "},
        {"500", "m", " = "},     {"999", "+2", " = "},    {"999", "+3", " = "},
        {"999", "-", " = "},     {"999", "x1", " = "},    {"999", "x2", " = "},
        {"999", ":", " = "},     {"999", ":2", " = "},    {"999", "m", " = "},
        {"9999", "+2", " = "},   {"9999", "+3", " = "},   {"9999", "-", " = "},
        {"9999", "x1", " = "},   {"9999", "x2", " = "},   {"9999", ":", " = "},
        {"9999", ":2", " = "},   {"9999", "m", " = "},    {"99999", "+2", " = "},
        {"99999", "+3", " = "},  {"99999", "-", " = "},   {"99999", "x1", " = "},
        {"99999", "x2", " = "},  {"99999", "x3", " = "},  {"99999", ":", " = "},
        {"99999", ":2", " = "},  {"99999", "m", " = "},   {"999999", "+2", " = "},
        {"999999", "+3", " = "}, {"999999", "-", " = "},  {"999999", "x1", " = "},
        {"999999", "x2", " = "}, {"999999", "x3", " = "}, {"999999", ":", " = "},
        {"999999", ":2", " = "}, {"999999", "m", " = "},
    };
    for (const Case& c : cases) {
        const WorksheetRow* row = findRow(c.range, c.kind);
        ASSERT_NE(row, nullptr) << c.range << " " << c.kind;
        EXPECT_EQ(row->family, RuleFamily::Integer);
        EXPECT_EQ(row->closing, c.closing) << c.range << " " << c.kind;
    }
    // Decimal windows: " =" only for the "x10" within 999.
    const Case decimals[] = {
        {"dec999", "+", " = "},    {"dec999", "-", " = "},   {"dec999", "x", " = "},
        {"dec999", "x10", " ="},   {"dec999", ":10", " = "}, {"dec9999", "+", " = "},
        {"dec9999", "-", " = "},   {"dec9999", "x", " = "},  {"dec9999", "x10", " = "},
        {"dec9999", ":10", " = "},
    };
    for (const Case& c : decimals) {
        const WorksheetRow* row = findRow(c.range, c.kind);
        ASSERT_NE(row, nullptr) << c.range << " " << c.kind;
        EXPECT_EQ(row->family, RuleFamily::Decimal);
        EXPECT_EQ(row->closing, c.closing) << c.range << " " << c.kind;
    }
    // A case window is found by its range alone, whatever its kind field holds.
    for (const char* range : {"1", "2", "3", "4", "5"}) {
        for (const char* kind : {"", "x", "m"}) {
            const WorksheetRow* row = findRow(range, kind);
            ASSERT_NE(row, nullptr) << range;
            EXPECT_EQ(row->family, RuleFamily::Case);
            EXPECT_EQ(row->closing, " =");
        }
    }

    const Case unknown[] = {{"500", "x1", ""},     {"500", ":", ""},   {"999", "x", ""},
                            {"999", "x3", ""},     {"9999", ":3", ""}, {"999", "", ""},
                            {"999", "X1", ""},     {"1000", "+2", ""}, {"dec999", "x1", ""},
                            {"dec9999", "+2", ""}, {"6", "", ""}};
    for (const Case& c : unknown)
        EXPECT_EQ(findRow(c.range, c.kind), nullptr) << c.range << " " << c.kind;
}
