// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/sheet/fontfile.h"
#include "engine/sheet/job.h"
#include "engine/sheet/layout.h"
#include "support/lineparse.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <iterator>

using namespace print;

namespace {

// A table whose lines say where they come from: group 3, line 7 reads "3,7 + 1 = ".
OperationTable labelledTable()
{
    OperationTable table;
    for (int g = 1; g <= 8; ++g)
        for (int j = 1; j <= 10; ++j)
            testsupport::put(table, g, j, std::to_string(g) + "," + std::to_string(j) + " + 1 = ");
    return table;
}

Statement eol(std::string text)
{
    return Statement::item(std::move(text), Separator::EndOfLine);
}

// The statements that open every copy: a blank line, the heading in its font and size,
// then the body font, a thin blank line and the body size.
std::vector<Statement> copyOpening(const std::string& heading)
{
    return {eol(""),
            Statement::fontName("Comic Sans MS"),
            Statement::fontSize(18),
            eol("  " + heading),
            Statement::fontName("Arial"),
            Statement::fontSize(6),
            eol(""),
            Statement::fontSize(15)};
}

void append(std::vector<Statement>& to, const std::vector<Statement>& more)
{
    to.insert(to.end(), more.begin(), more.end());
}

std::vector<Statement> itemsOnly(const std::vector<Statement>& all)
{
    std::vector<Statement> items;
    for (const Statement& s : all)
        if (s.kind == Statement::Kind::Item)
            items.push_back(s);
    return items;
}

} // namespace

TEST(PageLayout, OneColumnTenLines)
{
    std::vector<Statement> expected = copyOpening("Calcola le seguenti operazioni:");
    expected.push_back(eol("   1)"));
    for (int j = 1; j <= 10; ++j)
        expected.push_back(eol("        1," + std::to_string(j) + " + 1 = "));
    expected.push_back(Statement::newPage());
    expected.push_back(Statement::endDocument());

    EXPECT_EQ(layOut(labelledTable(), {1, Columns::One}, "Calcola le seguenti operazioni:", 1),
              expected);
}

TEST(PageLayout, OneColumnPrintsTheOddGroupsNumberedFromOne)
{
    const auto statements = itemsOnly(layOut(labelledTable(), {4, Columns::One}, "", 1));
    // Empty line, heading, spacer, then four times a label and ten lines.
    ASSERT_EQ(statements.size(), 3u + 4 * 11);
    const int groups[] = {1, 3, 5, 7};
    for (int k = 1; k <= 4; ++k) {
        const std::size_t label = 3 + (k - 1) * 11;
        EXPECT_EQ(statements[label], eol("   " + std::to_string(k) + ")"));
        for (int j = 1; j <= 10; ++j)
            EXPECT_EQ(statements[label + j].text, "        " + std::to_string(groups[k - 1]) + "," +
                                                      std::to_string(j) + " + 1 = ");
    }
}

TEST(PageLayout, TwoColumnsOneGroupPair)
{
    // Left lines of 21 characters or fewer move on to the second label's zone; a longer one
    // is followed by its partner directly.
    OperationTable table = labelledTable();
    testsupport::put(table, 1, 2, "1.234,5 + 6.789,01 = ");  // 21 characters
    testsupport::put(table, 1, 3, "1.234,56 + 6.789,01 = "); // 22 characters
    std::vector<Statement> expected = copyOpening("Titolo");
    expected.push_back(Statement::item("   1)", Separator::Zone));
    expected.push_back(Statement::item("", Separator::Zone));
    expected.push_back(eol("2)"));
    expected.push_back(Statement::item("        1,1 + 1 = ", Separator::LabelZone));
    expected.push_back(eol("     2,1 + 1 = "));
    expected.push_back(Statement::item("        1.234,5 + 6.789,01 = ", Separator::LabelZone));
    expected.push_back(eol("     2,2 + 1 = "));
    expected.push_back(Statement::item("        1.234,56 + 6.789,01 = ", Separator::None));
    expected.push_back(eol("     2,3 + 1 = "));
    for (int j = 4; j <= 10; ++j) {
        expected.push_back(
            Statement::item("        1," + std::to_string(j) + " + 1 = ", Separator::LabelZone));
        expected.push_back(eol("     2," + std::to_string(j) + " + 1 = "));
    }
    expected.push_back(Statement::newPage());
    expected.push_back(Statement::endDocument());

    EXPECT_EQ(layOut(table, {1, Columns::Two}, "Titolo", 1), expected);
}

TEST(PageLayout, TwoColumnsPrintAllEightGroupsInLabelPairs)
{
    const auto statements = itemsOnly(layOut(labelledTable(), {4, Columns::Two}, "", 1));
    ASSERT_EQ(statements.size(), 3u + 4 * (3 + 20));
    for (int k = 1; k <= 4; ++k) {
        const std::size_t pair = 3 + (k - 1) * 23;
        EXPECT_EQ(statements[pair].text, "   " + std::to_string(2 * k - 1) + ")");
        EXPECT_EQ(statements[pair + 2].text, std::to_string(2 * k) + ")");
        for (int j = 1; j <= 10; ++j) {
            const std::string tail = "," + std::to_string(j) + " + 1 = ";
            EXPECT_EQ(statements[pair + 1 + 2 * j].text,
                      "        " + std::to_string(2 * k - 1) + tail);
            EXPECT_EQ(statements[pair + 2 + 2 * j].text, "     " + std::to_string(2 * k) + tail);
        }
    }
}

TEST(PageLayout, LeftLineOfTwentyOneCharactersMovesToTheLabelZone)
{
    OperationTable table = labelledTable();
    testsupport::put(table, 1, 1, "1.234,5 + 6.789,01 = ");   // 21 characters
    testsupport::put(table, 1, 2, "1.234,56 + 6.789,01 = ");  // 22 characters
    testsupport::put(table, 1, 3, "99.999 + 99.999 = ");      // 18 characters
    testsupport::put(table, 1, 4, "5.674 : 12 = ");           // short
    testsupport::put(table, 1, 5, "123.456 + 789.012 = ");    // 20 characters
    testsupport::put(table, 1, 6, "123.456 + 89.012,5 = ");   // 21 characters
    testsupport::put(table, 1, 7, "12.345 + 678 + 9.012 = "); // 23 characters
    const auto statements = itemsOnly(layOut(table, {1, Columns::Two}, "", 1));
    const Separator expected[] = {Separator::LabelZone, Separator::None,      Separator::LabelZone,
                                  Separator::LabelZone, Separator::LabelZone, Separator::LabelZone,
                                  Separator::None};
    for (int j = 1; j <= 7; ++j) {
        const Statement& left = statements[3 + 3 + 2 * (j - 1)];
        EXPECT_EQ(left.text, "        " + table.line(1, j));
        EXPECT_EQ(left.after, expected[j - 1]) << "line " << j;
    }
}

TEST(PageLayout, CopiesRepeatTheSameSheetThenOneEndOfDocument)
{
    const OperationTable table = labelledTable();
    const auto one = layOut(table, {2, Columns::Two}, "Nome:", 1);
    const auto three = layOut(table, {2, Columns::Two}, "Nome:", 3);

    std::vector<Statement> copy(one.begin(), one.end() - 1); // without the end of document
    std::vector<Statement> expected;
    for (int n = 0; n < 3; ++n)
        append(expected, copy);
    expected.push_back(Statement::endDocument());
    EXPECT_EQ(three, expected);
    EXPECT_EQ(copy.back(), Statement::newPage());
}

TEST(PageLayout, NoCopiesOnlyEndTheDocument)
{
    EXPECT_EQ(layOut(labelledTable(), {4, Columns::Two}, "x", 0),
              std::vector<Statement>{Statement::endDocument()});
}

TEST(PageLayout, EmptyHeadingKeepsItsTwoBlanks)
{
    const auto statements = layOut(labelledTable(), {1, Columns::One}, "", 1);
    EXPECT_EQ(statements[3], eol("  "));
}

TEST(PageLayout, ControlCharactersInTheHeadingPrintAsBlanks)
{
    const auto statements =
        layOut(labelledTable(), {1, Columns::One}, "Riga uno\nRiga due\tfine\u0085.", 1);
    EXPECT_EQ(statements[3], eol("  Riga uno Riga due fine ."));
}

TEST(JobLayout, KeyIsHeadedWithTheWorksheetsOwnHeading)
{
    EXPECT_EQ(keyHeading("Verifica di matematica, classe 4ª B"),
              "Soluzioni – Verifica di matematica, classe 4ª B");
    EXPECT_EQ(keyHeading("Riga uno\nRiga due "), "Soluzioni – Riga uno Riga due");
    for (const char* plain : {"", "   ", "Calcola le seguenti operazioni:"})
        EXPECT_EQ(keyHeading(plain), "Soluzioni") << plain;
}

TEST(JobLayout, WithoutTheKeyTheJobIsTheWorksheetsCopies)
{
    const OperationTable table = labelledTable();
    const JobOptions options{{3, Columns::Two}, "Nome:", 2, false, core::windowOfRange("999")};
    EXPECT_EQ(layOutJob(table, options), layOut(table, {3, Columns::Two}, "Nome:", 2));
}

TEST(JobLayout, TwoColumnKeyComesOnceAfterTheCopies)
{
    OperationTable table;
    for (int j = 1; j <= 10; ++j) {
        testsupport::put(table, 1, j, "84 : 9 = ");
        testsupport::put(table, 2, j, "1.200 : 5 = ");
    }
    testsupport::put(table, 2, 10, "1.200 : 0 = "); // no result to work out: printed as it is
    const auto job =
        layOutJob(table, {{1, Columns::Two}, "Titolo", 2, true, core::windowOfRange("9999")});
    const auto copies = layOut(table, {1, Columns::Two}, "Titolo", 2);
    ASSERT_GT(job.size(), copies.size());
    EXPECT_TRUE(std::equal(copies.begin(), copies.end() - 1, job.begin()));

    std::vector<Statement> key = {eol(""),
                                  Statement::fontName("Comic Sans MS"),
                                  Statement::fontSize(18),
                                  eol("  Soluzioni – Titolo"),
                                  Statement::fontName("Arial"),
                                  Statement::fontSize(6),
                                  eol("")};
    std::vector<std::string> fitted;
    std::vector<Statement> body = {Statement::item("   1)", Separator::None),
                                   Statement::moveTo(0.5), eol("2)")};
    for (int j = 1; j <= 10; ++j) {
        const std::string right = j < 10 ? "     1.200 : 5 = 240" : "     1.200 : 0 = ";
        fitted.push_back("        84 : 9 = 9 resto 3 ");
        fitted.push_back(right);
        body.push_back(Statement::item("        84 : 9 = 9 resto 3", Separator::None));
        body.push_back(Statement::moveTo(0.5));
        body.push_back(eol(right));
    }
    key.push_back(Statement::fitFontSize(15, 10, 0.5, fitted));
    append(key, body);
    key.push_back(Statement::newPage());
    key.push_back(Statement::endDocument());
    EXPECT_EQ(std::vector<Statement>(job.begin() + std::ptrdiff_t(copies.size()) - 1, job.end()),
              key);
}

// The browser page measures with the fonts' own metrics; at these sizes the desktop's PDF
// printer measured (QFontMetricsF at 1200 dpi, in points) the values written here.
TEST(FontFile, MetricsAsThePdfPrinterMeasuresThem)
{
    struct Row {
        const char* file;
        int points;
        double average, ascent, height, lineSpacing;
    };
    const Row rows[] = {
        {"/usr/share/fonts/truetype/liberation2/LiberationSans-Regular.ttf", 10, 5.8078, 9.0712,
         11.1947, 11.5228},
        {"/usr/share/fonts/truetype/liberation2/LiberationSans-Regular.ttf", 16, 9.2850, 14.5022,
         17.8969, 18.4209},
        {"/usr/share/fonts/opentype/comic-neue/ComicNeue-Regular.otf", 10, 4.9397, 9.0178, 11.5228,
         11.5228},
        {"/usr/share/fonts/opentype/comic-neue/ComicNeue-Regular.otf", 20, 9.8503, 17.9822,
         22.9772, 22.9772},
    };
    for (const Row& row : rows) {
        std::ifstream in(row.file, std::ios::binary);
        const std::string bytes{std::istreambuf_iterator<char>(in), {}};
        const auto font = print::readFontFile(bytes);
        ASSERT_TRUE(font) << row.file;
        const print::FontMetrics m = print::pdfMetrics(*font, row.points);
        EXPECT_NEAR(m.averageCharWidth, row.average, 5e-4) << row.file << ' ' << row.points;
        EXPECT_NEAR(m.ascent, row.ascent, 5e-4) << row.file << ' ' << row.points;
        EXPECT_NEAR(m.height, row.height, 5e-4) << row.file << ' ' << row.points;
        EXPECT_NEAR(m.lineSpacing, row.lineSpacing, 5e-4) << row.file << ' ' << row.points;
        // A file cut short, or not a font, gives nothing rather than wrong numbers.
        EXPECT_FALSE(print::readFontFile(std::string_view(bytes).substr(0, 200)));
    }
    EXPECT_FALSE(print::readFontFile("<html>not a font</html>"));
}
