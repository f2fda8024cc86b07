// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/catalog/checks.h"
#include "engine/sheet/copies.h"
#include "engine/sheet/dialogform.h"

#include <gtest/gtest.h>

#include <cmath>
#include <iterator>
#include <vector>

using print::CopiesRequest;
using print::readCopies;
using Verdict = CopiesRequest::Verdict;

TEST(CopiesText, ReadsTheLeadingNumber)
{
    struct Case {
        const char* text;
        double value;
    };
    const Case cases[] = {
        {"1", 1},       {"3", 3},    {"  4", 4},       {"\t 5", 5}, {"2.5", 2.5},
        {".5", 0.5},    {"7abc", 7}, {"12 copie", 12}, {"3,5", 3},  {"1.2.3", 1.2},
        {"", 0},        {"abc", 0},  {"   ", 0},       {"-2", -2},  {"+6", 6},
        {"1e2", 100},   {"1E1", 10}, {"2e", 2},        {"2e+", 2},  {"2ex", 2},
        {"1.5e1x", 15}, {"-", 0},    {".", 0},         {"007", 7},  {"x5", 0},
    };
    for (const Case& c : cases)
        EXPECT_DOUBLE_EQ(print::leadingNumber(c.text), c.value) << '"' << c.text << '"';
}

TEST(CopiesText, ValuesBeyondADouble)
{
    EXPECT_TRUE(std::isinf(print::leadingNumber("1e400")));
    EXPECT_TRUE(std::isinf(print::leadingNumber("-1e400")));
    EXPECT_EQ(print::leadingNumber("1e-400"), 0.0);
    EXPECT_EQ(print::leadingNumber("0.0001e-400"), 0.0);
    EXPECT_DOUBLE_EQ(print::leadingNumber("0.001e3"), 1.0);
}

TEST(CopiesText, NumberOfCopies)
{
    struct Case {
        const char* text;
        Verdict verdict;
        int count;
    };
    // Whatever would print nothing is refused, as too many copies are.
    const Case cases[] = {
        {"1", Verdict::Print, 1},          {"3", Verdict::Print, 3},
        {"2.5", Verdict::Print, 2},        {" 2", Verdict::Print, 2},
        {" 3abc", Verdict::Print, 3},      {"99", Verdict::Print, 99},
        {"99.9", Verdict::Print, 99},      {"1.0", Verdict::Print, 1},
        {"0", Verdict::OutOfRange, 0},     {"0.9", Verdict::OutOfRange, 0},
        {"-3", Verdict::OutOfRange, 0},    {"", Verdict::OutOfRange, 0},
        {"abc", Verdict::OutOfRange, 0},   {"1e-400", Verdict::OutOfRange, 0},
        {"100", Verdict::OutOfRange, 0},   {"5000", Verdict::OutOfRange, 0},
        {"1e400", Verdict::OutOfRange, 0}, {"-1e400", Verdict::OutOfRange, 0},
        {"1e9", Verdict::OutOfRange, 0},
    };
    for (const Case& c : cases) {
        const CopiesRequest request = readCopies(c.text);
        EXPECT_EQ(request.verdict, c.verdict) << '"' << c.text << '"';
        EXPECT_EQ(request.count, c.count) << '"' << c.text << '"';
    }
}

TEST(PrintDialogForm, ChoicesReadAsTheCommandLineSpellsThem)
{
    using namespace print::dialogform;
    EXPECT_EQ(std::string(PerColumn.option) + " " + std::string(ColumnCount.option) + " " +
                  std::string(Form.option) + " " + std::string(CopiesOption) + " " +
                  std::string(HeadingOption) + " " + std::string(KeyOption) + " " +
                  std::string(NameLineOption),
              "per-colonna colonne in-colonna copie intestazione soluzioni nome");
    // Each button's value, read by the command line's own checks, chooses what the button
    // does; rows leave the option out.
    auto check = [](const auto& group, auto reader, std::vector<std::string_view> values) {
        ASSERT_EQ(std::size(group.choices), values.size()) << group.option;
        for (std::size_t i = 0; i < values.size(); ++i) {
            const std::string value(group.choices[i].value);
            EXPECT_EQ(value, values[i]) << group.option;
            EXPECT_EQ(reader(value.empty() ? nullptr : &value, group.option),
                      group.choices[i].option)
                << group.option << " " << value;
        }
    };
    check(PerColumn, catalog::readPerColumn, {"10", "20", "30", "40"});
    check(ColumnCount, catalog::readColumns, {"1", "2"});
    check(Form, catalog::readSquares, {"", "5", "4", "10"});
    EXPECT_EQ(FormDefault, print::SheetForm::Rows);
    EXPECT_EQ(CopiesDefault, "1");
    EXPECT_EQ(HeadingDefault, "Calcola le seguenti operazioni:");
}

TEST(PrintDialogForm, CaptionsRulesAndMessages)
{
    using namespace print::dialogform;
    struct Case {
        std::string_view caption;
        const char* plain;
        char key;
    };
    const Case cases[] = {
        {PreviewCaption, "Anteprima…", 'r'},
        {PdfCaption, "Salva PDF…", 'p'},
        {NameLineCaption, "Riga per nome, classe e data", 'n'},
        {Form.caption, "Impaginazione", 'i'},
        {PerColumn.caption, "N° operazioni per colonna", 0},
        {"Tom && Jerry", "Tom & Jerry", 0},
        {"&&Uno &Due", "&Uno Due", 'd'},
        {"Fine&", "Fine&", 0},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(plainCaption(c.caption), c.plain) << c.caption;
        EXPECT_EQ(accessKey(c.caption), c.key) << c.caption;
    }
    // OK, the preview and the PDF need both a count per column and a number of columns.
    EXPECT_FALSE(outputsEnabled(false, false));
    EXPECT_FALSE(outputsEnabled(true, false));
    EXPECT_FALSE(outputsEnabled(false, true));
    EXPECT_TRUE(outputsEnabled(true, true));
    EXPECT_EQ(copiesOutOfRange(), "Il numero di copie deve essere compreso tra 1 e 99.\n"
                                  "Correggi il numero di copie.");
}
