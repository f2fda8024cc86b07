// SPDX-License-Identifier: GPL-3.0-or-later
#include "print/copies.h"
#include "print/dialogform.h"

#include <gtest/gtest.h>

#include <cmath>
#include <iterator>
#include <utility>

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
    EXPECT_EQ(PerColumn.option, "per-colonna");
    EXPECT_EQ(ColumnCount.option, "colonne");
    EXPECT_EQ(Form.option, "in-colonna");
    EXPECT_EQ(CopiesOption, "copie");
    EXPECT_EQ(HeadingOption, "intestazione");
    EXPECT_EQ(KeyOption, "soluzioni");
    EXPECT_EQ(NameLineOption, "nome");
    const std::pair<std::string_view, int> counts[] = {{"10", 1}, {"20", 2}, {"30", 3}, {"40", 4}};
    for (std::size_t i = 0; i < std::size(counts); ++i) {
        EXPECT_EQ(PerColumn.choices[i].caption, counts[i].first);
        EXPECT_EQ(PerColumn.choices[i].value, counts[i].first);
        EXPECT_EQ(PerColumn.choices[i].option, counts[i].second);
    }
    EXPECT_EQ(ColumnCount.choices[0].value, "1");
    EXPECT_EQ(ColumnCount.choices[0].option, print::Columns::One);
    EXPECT_EQ(ColumnCount.choices[1].value, "2");
    EXPECT_EQ(ColumnCount.choices[1].option, print::Columns::Two);
    // Rows are the command line's default: the option is left out for them.
    EXPECT_EQ(Form.choices[0].value, "");
    EXPECT_EQ(Form.choices[0].option, print::SheetForm::Rows);
    EXPECT_EQ(Form.choices[1].value, "5");
    EXPECT_EQ(Form.choices[1].option, print::SheetForm::Squares5);
    EXPECT_EQ(Form.choices[2].value, "4");
    EXPECT_EQ(Form.choices[2].option, print::SheetForm::Squares4);
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
