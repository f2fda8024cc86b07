// SPDX-License-Identifier: GPL-3.0-or-later
// Copies that differ: each its own operations, numbered at the foot of its sheets, with a
// key section of its own.
#include "engine/catalog/request.h"
#include "engine/sheet/dialogform.h"
#include "engine/sheet/job.h"
#include "engine/sheet/textmodel.h"
#include "support/halfpointmeasure.h"
#include "support/lineparse.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <string>
#include <vector>

using namespace print;

namespace {

// Copy k's table: every line "k00 + gj = ", so that a sheet's lines tell whose they are and
// the key's result is k00 + 10g + j.
std::vector<OperationTable> numberedTables(int copies)
{
    std::vector<OperationTable> tables(copies);
    for (int k = 1; k <= copies; ++k)
        for (int g = 1; g <= 8; ++g)
            for (int j = 1; j <= 10; ++j)
                testsupport::put(tables[k - 1], g, j,
                                 std::to_string(100 * k) + " + " + std::to_string(10 * g + j) +
                                     " = ");
    return tables;
}

const PrintArea Area{190, 277, 1};      // millimetres: the squared sheets'
const PrintArea RowArea{575, 800, 2.8}; // points: an A4 sheet's printable area, near enough

// A table's eighty lines, to compare tables by.
std::vector<std::string> linesOf(const OperationTable& table)
{
    std::vector<std::string> lines;
    for (int g = 1; g <= GroupsPerSheet; ++g)
        for (int j = 1; j <= LinesPerGroup; ++j)
            lines.push_back(table.line(g, j));
    return lines;
}

// The texts on each sheet, in order.
std::map<int, std::vector<PlacedText>> textsBySheet(const PlacedSheets& placed)
{
    std::map<int, std::vector<PlacedText>> out;
    for (const PlacedText& t : placed.texts)
        out[t.sheet].push_back(t);
    return out;
}

// The foot of a sheet: its last text when that is a copy's number; empty if none.
std::string footOf(const std::vector<PlacedText>& texts)
{
    if (texts.empty() || texts.back().text.rfind("Copia ", 0) != 0)
        return {};
    EXPECT_EQ(texts.back().font, (FontChoice{FootFont, FootPoints}));
    return texts.back().text;
}

} // namespace

TEST(DifferentCopies, EachCopyItsOwnLinesItsNumberAtTheFootAndItsKeySection)
{
    const std::vector<OperationTable> tables = numberedTables(3);
    JobOptions options{{2, Columns::Two}, "Verifica", 3, true, core::windowOfRange("999")};
    options.levels = "senza cambio";
    options.differentCopies = true;
    ASSERT_EQ(tablesNeeded(options), 3);
    const PlacedSheets placed =
        placeStatements(layOutJob(tables, options), RowArea, HalfPointMeasure());
    const auto sheets = textsBySheet(placed);
    ASSERT_EQ(placed.sheets, 6); // three copies, three key sections, one sheet each
    for (int k = 1; k <= 3; ++k) {
        const std::vector<PlacedText>& copy = sheets.at(k - 1);
        const std::string hundreds = std::to_string(100 * k) + " + ";
        int lines = 0;
        for (const PlacedText& t : copy)
            if (t.text.find(" + ") != std::string::npos) {
                EXPECT_NE(t.text.find(hundreds), std::string::npos) << k << ": " << t.text;
                ++lines;
            }
        EXPECT_EQ(lines, 40) << k;
        // Centred at the foot: 12 characters 5 pt wide, the descent (2 pt) above the bottom.
        ASSERT_EQ(footOf(copy), "Copia " + std::to_string(k) + " di 3");
        EXPECT_DOUBLE_EQ(copy.back().x, (575 - 12 * 5) / 2.0);
        EXPECT_DOUBLE_EQ(copy.back().baseline, 800 - 2);

        const std::vector<PlacedText>& key = sheets.at(2 + k);
        EXPECT_EQ(footOf(key), "");
        const auto heading = std::find_if(key.begin(), key.end(), [](const PlacedText& t) {
            return t.text.find("Soluzioni") != std::string::npos;
        });
        ASSERT_NE(heading, key.end());
        EXPECT_EQ(heading->text,
                  "  Soluzioni – copia " + std::to_string(k) + " – Verifica (senza cambio)");
        // Group 3, line 7 of copy k: k00 + 37, worked out here.
        const std::string line = hundreds + "37 = " + std::to_string(100 * k + 37);
        EXPECT_TRUE(std::any_of(key.begin(), key.end(), [&](const PlacedText& t) {
            return t.text.find(line) != std::string::npos;
        })) << line;
    }

    // Without the option every copy prints the first table, with no foot, and one key.
    options.differentCopies = false;
    EXPECT_EQ(tablesNeeded(options), 1);
    const auto same = layOutJob(tables, options);
    EXPECT_EQ(same, layOutJob(tables.front(), options));
    EXPECT_TRUE(std::none_of(same.begin(), same.end(),
                             [](const Statement& s) { return s.kind == Statement::Kind::Foot; }));
    // One copy is one copy, whatever the option.
    options.differentCopies = true;
    options.copies = 1;
    EXPECT_EQ(tablesNeeded(options), 1);
    // Too few tables for the copies is a caller's mistake, refused rather than read past.
    options.copies = 4;
    EXPECT_THROW(layOutJob(tables, options), std::invalid_argument);
}

TEST(DifferentCopies, TheFootTakesItsLineFromEverySheetOfTheCopy)
{
    // Lines of 10 pt (11 mm apart) on a sheet 110 mm high: ten fit; with a foot of 10 pt the
    // sheet keeps 99 mm, so nine fit and the tenth goes on to a sheet that has the foot too.
    std::vector<Statement> statements = {Statement::foot("Copia 1 di 2")};
    for (int i = 1; i <= 10; ++i)
        statements.push_back(Statement::item("riga " + std::to_string(i), Separator::EndOfLine));
    statements.push_back(Statement::newPage());
    statements.push_back(Statement::foot({})); // after the new page: the next sheet has none
    statements.push_back(Statement::item("soluzioni", Separator::EndOfLine));
    statements.push_back(Statement::endDocument());
    const PlacedSheets placed = placeStatements(statements, {190, 110, 1}, HalfPointMeasure());
    const auto sheets = textsBySheet(placed);
    ASSERT_EQ(placed.sheets, 3);
    EXPECT_EQ(sheets.at(0).size(), 9u + 1u);
    EXPECT_EQ(sheets.at(1).front().text, "riga 10");
    EXPECT_EQ(footOf(sheets.at(0)), "Copia 1 di 2");
    EXPECT_EQ(footOf(sheets.at(1)), "Copia 1 di 2");
    EXPECT_EQ(footOf(sheets.at(2)), "");

    // Squares stop above the foot on every sheet of the copy; the key's go to the bottom.
    OperationTable table;
    for (int g = 1; g <= 8; ++g)
        for (int j = 1; j <= 10; ++j)
            testsupport::put(table, g, j, "385 + 563 + 37 = ");
    JobOptions options{{4, Columns::Two}, "Verifica", 2, true, core::windowOfRange("999")};
    options.form = SheetForm::Squares5;
    options.differentCopies = true;
    const PlacedSheets squared =
        placeStatements(layOutJob({table, table}, options), Area, HalfPointMeasure());
    ASSERT_TRUE(squared.problem.empty()) << squared.problem;
    const auto squaredTexts = textsBySheet(squared);
    int copySheets = 0;
    int copy = 0;
    for (const PlacedColumnSheet& c : squared.columnSheets) {
        const ColumnGrid& grid = c.content.grid;
        const double gridBottom = grid.y + grid.rows * grid.square;
        if (c.answerKey) {
            EXPECT_EQ(footOf(squaredTexts.at(c.sheet)), "") << c.sheet;
            EXPECT_GT(gridBottom, 277 - 11) << c.sheet;
            continue;
        }
        ++copySheets;
        copy += c.content.continued ? 0 : 1;
        EXPECT_LE(gridBottom, 277 - 11) << c.sheet;
        EXPECT_EQ(footOf(squaredTexts.at(c.sheet)), "Copia " + std::to_string(copy) + " di 2")
            << c.sheet;
    }
    EXPECT_GE(copySheets, 4); // two sheets a copy at least: the foot is on further sheets too
}

TEST(DifferentCopies, TheSummaryTellsTheFewestAndTheMostSheetsACopyTakes)
{
    // On 1 cm squares, copy 1's ten short additions take one sheet, copy 2's ten long ones
    // more.
    std::vector<OperationTable> tables(2);
    for (int g = 1; g <= 8; ++g)
        for (int j = 1; j <= 10; ++j) {
            testsupport::put(tables[0], g, j, "12 + 3 = ");
            testsupport::put(tables[1], g, j, "385.000 + 563.000 + 37.000 = ");
        }
    JobOptions options{{1, Columns::One}, "Verifica", 2, true, core::windowOfRange("999999")};
    options.form = SheetForm::Squares10;
    options.differentCopies = true;
    const CopySize size =
        copySize(placeStatements(layOutJob(tables, options), Area, HalfPointMeasure()));
    EXPECT_EQ(size.operations, 10);
    EXPECT_EQ(size.sheets, 1);
    EXPECT_GT(size.mostSheets, 1);
    EXPECT_EQ(dialogform::sheetSummary(40, 2, 3), "40 operazioni, da 2 a 3 fogli per copia");
    EXPECT_EQ(dialogform::sheetSummary(40, 2, 2), "40 operazioni, 2 fogli per copia");
}

TEST(DifferentCopies, CopiesAreDrawnInTurnAndTheFirstIsTheSheetOfSameCopies)
{
    const catalog::Generator* generator = catalog::generatorsOf("999").front();
    const catalog::Choice choice{generator, {}};
    JobOptions job = dialogform::defaultJob();
    job.copies = 25;
    job.differentCopies = true;

    core::RandomSequence random(11);
    std::vector<OperationTable> tables;
    catalog::drawCopies(choice, job, random, tables);
    ASSERT_EQ(tables.size(), 25u);
    core::RandomSequence again(11);
    EXPECT_EQ(linesOf(tables[0]), linesOf(catalog::sheetOperations(choice, again)));
    EXPECT_EQ(linesOf(tables[1]), linesOf(catalog::sheetOperations(choice, again)));
    std::set<std::vector<std::string>> distinct;
    for (const OperationTable& t : tables)
        distinct.insert(linesOf(t));
    EXPECT_EQ(distinct.size(), 25u);

    // Kept tables stay; only the missing ones are drawn, and a job of same copies needs one.
    for (int k = 3; k <= 25; ++k)
        catalog::sheetOperations(choice, again);
    job.copies = 27;
    const OperationTable first = tables[0];
    catalog::drawCopies(choice, job, random, tables);
    ASSERT_EQ(tables.size(), 27u);
    EXPECT_EQ(linesOf(tables[0]), linesOf(first));
    EXPECT_EQ(linesOf(tables[25]), linesOf(catalog::sheetOperations(choice, again)));
    std::vector<OperationTable> one;
    job.differentCopies = false;
    catalog::drawCopies(choice, job, random, one);
    EXPECT_EQ(one.size(), 1u);
}
