// SPDX-License-Identifier: GPL-3.0-or-later
// Worksheets in column form: each family's rectangle square by square, drawn by hand as
// a pupil writes it, and the packing of rectangles on sheets of squared paper.
#include "engine/catalog/checks.h"
#include "engine/sheet/columnsheet.h"
#include "engine/sheet/job.h"
#include "engine/sheet/page.h"
#include "engine/sheet/sourcelookup.h"
#include "engine/sheet/textmodel.h"
#include "support/askedsheet.h"
#include "support/halfpointmeasure.h"
#include "support/lineparse.h"

#include "engine/rules/random.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>

using namespace print;

namespace {

const core::WindowEntry& window(std::string_view range)
{
    return *core::windowOfRange(range);
}

// A 100 x 150 mm printable area of 5 mm squares, the grid 10 mm from the top: 20 x 28.
ColumnRequest smallSheet(std::string_view range, bool key, LayoutOptions layout = {1})
{
    return {layout, LargeSquare, window(range), 100, 150, key};
}

ColumnDocument oneLine(std::string_view range, const std::string& line, bool key)
{
    OperationTable table;
    testsupport::put(table, 1, 1, line);
    return layOutColumns(table, smallSheet(range, key), {10});
}

// The squares of a box as text, its rows joined by '|', "…" kept as it is.
std::string picture(const ColumnSheet& sheet, const ColumnBox& box)
{
    std::vector<std::vector<std::string>> cells(
        std::size_t(box.rows), std::vector<std::string>(std::size_t(box.columns), " "));
    for (const ColumnGlyph& g : sheet.glyphs)
        if (g.kind == GlyphKind::Square)
            cells.at(std::size_t(g.row - box.row)).at(std::size_t(g.column - box.column)) = g.text;
    std::string text;
    for (std::size_t row = 0; row < cells.size(); ++row) {
        if (row > 0)
            text += '|';
        for (const std::string& cell : cells[row])
            text += cell;
    }
    return text;
}

using Point = std::pair<int, int>; // grid line or square column, row; within the box

std::vector<Point> commas(const ColumnSheet& sheet, const ColumnBox& box)
{
    std::vector<Point> out;
    for (const ColumnGlyph& g : sheet.glyphs)
        if (g.kind == GlyphKind::Comma)
            out.emplace_back(g.column - box.column, g.row - box.row);
    return out;
}

using Rule = std::tuple<int, int, int, int, RuleWeight>;

// The rules on grid lines.
std::vector<Rule> rules(const ColumnSheet& sheet, const ColumnBox& box)
{
    std::vector<Rule> out;
    for (const ColumnRule& r : sheet.rules)
        if (r.weight != RuleWeight::Stroke)
            out.emplace_back(r.fromColumn - box.column, r.fromRow - box.row,
                             r.toColumn - box.column, r.toRow - box.row, r.weight);
    return out;
}

// The glyphs struck through, commas and digits alike; each stroke must cross a glyph of its
// place: a comma near its point on the grid line, a digit through its centre.
std::vector<Point> struck(const ColumnSheet& sheet, const ColumnBox& box)
{
    std::vector<Point> out;
    for (const ColumnRule& r : sheet.rules) {
        if (r.weight != RuleWeight::Stroke)
            continue;
        out.emplace_back(r.fromColumn - box.column, r.fromRow - box.row);
        const double middle = (r.x1 + r.x2) / 2;
        const auto glyph = std::find_if(sheet.glyphs.begin(), sheet.glyphs.end(), [&](auto& g) {
            return g.kind != GlyphKind::Before && g.column == r.fromColumn && g.row == r.fromRow &&
                   std::abs(g.x - middle) < 1e-9;
        });
        EXPECT_NE(glyph, sheet.glyphs.end()) << "a stroke with nothing to strike";
        if (glyph == sheet.glyphs.end())
            continue;
        EXPECT_LT(r.x1, glyph->x);
        EXPECT_GT(r.x2, glyph->x);
        // Halfway along, the stroke is at the digit's centre, or just above the comma's
        // baseline.
        const double t = (glyph->x - r.x1) / (r.x2 - r.x1);
        const double offset = glyph->kind == GlyphKind::Comma ? -0.5 : 0.0;
        EXPECT_NEAR(r.y1 + t * (r.y2 - r.y1), glyph->y + offset, 0.6);
    }
    return out;
}

constexpr RuleWeight Dark = RuleWeight::Dark;
constexpr RuleWeight Thin = RuleWeight::Thin;

// What holds on every sheet whatever it carries: whole squares of the chosen size inside
// the printable area, every glyph in a square (a comma on a grid line) of a rectangle,
// rectangles apart by a free square, all inside the grid's free border.
void expectSound(const ColumnDocument& document, double square, double width, double height)
{
    ASSERT_TRUE(document.problem.empty()) << document.problem;
    for (const ColumnSheet& s : document.sheets) {
        const ColumnGrid& g = s.grid;
        EXPECT_EQ(g.square, square);
        EXPECT_GE(g.x, 0);
        EXPECT_LE(g.x + g.columns * square, width + 1e-9);
        EXPECT_GE(g.y, 0);
        EXPECT_LE(g.y + g.rows * square, height + 1e-9);
        EXPECT_LT(width - g.columns * square, square); // no whole column left unused
        for (std::size_t i = 0; i < s.boxes.size(); ++i) {
            const ColumnBox& a = s.boxes[i];
            EXPECT_GE(a.column, 1);
            EXPECT_GE(a.row, 1);
            EXPECT_LE(a.column + a.columns, g.columns - 1);
            EXPECT_LE(a.row + a.rows, g.rows - 1);
            for (std::size_t j = i + 1; j < s.boxes.size(); ++j) {
                const ColumnBox& b = s.boxes[j];
                const bool apart = a.column + a.columns < b.column ||
                                   b.column + b.columns < a.column || a.row + a.rows < b.row ||
                                   b.row + b.rows < a.row;
                EXPECT_TRUE(apart)
                    << "boxes " << a.group << "." << a.line << " and " << b.group << "." << b.line;
            }
        }
        for (const ColumnGlyph& c : s.glyphs) {
            const bool comma = c.kind == GlyphKind::Comma;
            // A borrowed 1 high in the left part of its square, before the digit.
            const bool before = c.kind == GlyphKind::Before;
            EXPECT_NEAR(c.x, g.x + (c.column + (comma ? 0.0 : before ? 0.15 : 0.5)) * square, 1e-9);
            EXPECT_NEAR(c.y, g.y + (c.row + (comma ? 5.0 / 6 : before ? 0.3 : 0.5)) * square, 1e-9);
            EXPECT_TRUE(!before || c.height < square / 2);
            // Digits two thirds of a square high; carries, borrows and the minuend's missing
            // zeros one third.
            EXPECT_NEAR(c.height, square * (c.height < square / 2 ? 1.0 / 3 : 2.0 / 3), 1e-9);
            int holders = 0;
            for (const ColumnBox& b : s.boxes)
                holders += c.column >= b.column + comma && c.column < b.column + b.columns &&
                           c.row >= b.row && c.row < b.row + b.rows;
            EXPECT_EQ(holders, 1) << "'" << c.text << "' at " << c.column << "," << c.row;
        }
    }
}

struct FormCase {
    const char* range;
    const char* line;
    const char* key; // the key's rectangle; the worksheet leaves out the steps and result
    int keyGlyphs;   // squares and commas of the steps and results
    std::vector<Point> commas;
    std::vector<Rule> rules;
    std::vector<Point> carries; // the squares written small
    std::vector<Point> struck = {}; // the commas struck through
};

} // namespace

TEST(ColumnForm, EveryFamilyAsAPupilWritesItAndItsWorkedKey)
{
    // The key's rectangle, its rows joined by '|'.
    // clang-format off
    const FormCase cases[] = {
        // Three addends: signs one free square after the digits; the carries 1 (from 15)
        // and 1 (from 18) small in the free row over the tens and hundreds.
        {"999", "385 + 563 + 37 = ", "11   |385 +|563 +| 37 =|985  ", 5, {}, {{0, 4, 5, 4, Dark}},
         {{0, 0}, {1, 0}}},
        // No thousands points; a result narrower than its operands stays right-aligned.
        // Every place from the hundreds up lends: struck, with what it becomes above it,
        // "1" before it where it received too (13, 12, 11); the tens receive a small 1.
        {"999999", "123.456 - 98.765 = ", "0111213    |123456 -| 98765 =| 24691  ", 10, {},
         {{0, 3, 8, 3, Dark}}, {{0, 0}, {1, 0}, {2, 0}, {3, 0}, {4, 1}},
         {{3, 1}, {2, 1}, {1, 1}, {0, 1}}},
        // A loan across zeros: the 5 lends (4), each 0 passes it on (9), the units get 10.
        {"999", "500 - 123 = ", "49   |500 -|123 =|377  ", 6, {}, {{0, 3, 5, 3, Dark}},
         {{0, 0}, {1, 0}, {2, 1}}, {{1, 1}, {0, 1}}},
        // The minuend's missing zeros and comma, small zeros that lend like any digit:
        // 7,00 - 0,25.
        {"dec9999", "7 - 0,25 = ", "69   |700 -|025 =|675  ", 10, {{1, 2}, {1, 1}, {1, 3}},
         {{0, 3, 5, 3, Dark}}, {{0, 0}, {1, 0}, {1, 1}, {2, 1}, {2, 1}}, {{1, 1}, {0, 1}}},
        // Comma under comma, on one grid line; the sum keeps both places. Only the tenths
        // (5 + 5) carry, into the units.
        {"dec9999", "1.234 + 12,50 + 0,5 = ", "   1    |1234   +|  1250 +|   05  =|124700  ", 8,
         {{4, 2}, {4, 3}, {4, 4}}, {{0, 4, 8, 4, Dark}}, {{3, 0}}},
        // One-digit multiplier: the carries 2 (from 28) and 1 (from 3 x 4 + 2) small over
        // the tens and hundreds of the multiplicand.
        {"999", "137 x 4 = ", "12   |137 x|  4 =|548  ", 5, {}, {{0, 3, 5, 3, Dark}},
         {{0, 0}, {1, 0}}},
        // Two-digit multiplier: 47 x 3 and 47 x 2 one square further left, a second rule
        // over the product.
        {"999", "47 x 23 = ", "      |  47 x|  23 =| 141  | 94   |1081  ", 9, {},
         {{0, 3, 6, 3, Dark}, {0, 5, 6, 5, Thin}}, {}},
        // A 0 digit's row is as many zeros as the multiplicand has digits.
        {"99999", "123 x 205 = ", "       |  123 x|  205 =|  615  | 000   |246    |25215  ", 14, {},
         {{0, 3, 7, 3, Dark}, {0, 6, 7, 6, Thin}}, {}},
        // Factors right-aligned as whole numbers, each comma where it is written; the
        // partial products without commas, the product with its three places.
        {"dec999", "12,34 x 3,3 = ", "       | 1234 x|   33 =| 3702  |3702   |40722  ", 14,
         {{3, 1}, {4, 2}, {2, 5}}, {{0, 3, 7, 3, Dark}, {0, 5, 7, 5, Thin}}, {}},
        // Quotient under the divisor's rule; under the dividend 18, 27, 36 each ending
        // under the digit brought down, then the remainder 0.
        {"9999", "9.876 : 4 = ", "98764   |18  2469| 27     |  36    |   0    |        ", 11, {},
         {{4, 0, 4, 6, Dark}, {4, 1, 8, 1, Dark}}, {}},
        // A remainder of 0 with the next digit beside it: "04".
        {"999", "84 : 4 = ", "844 |0421| 0  |    ", 5, {}, {{2, 0, 2, 4, Dark}, {2, 1, 4, 1, Dark}},
         {}},
        // A case: the rule after the dividend plus a square for the divisor's place plus
        // two; the quotient cut with "…". Worked as 38,00 : 37: both commas struck, the
        // dividend's written after 38, the two zeros in the free squares, then 10, 100 and
        // the remainder 26.
        {"4", "3,8 : 3,7 =", "3800 37  | 10  102…| 100     |  26     |         ", 15,
         {{1, 0}, {6, 0}, {6, 1}, {2, 0}}, {{5, 0, 5, 5, Dark}, {5, 1, 9, 1, Dark}}, {},
         {{6, 0}, {1, 0}}},
        // 856,2 : 2 comes out exact after the tenths: rows 05, 16, 02 and 0, no zero
        // brought down, the quotient 428,1 without "…".
        {"4", "85,62 : 0,2 =", "8562   02    |05     4281  | 16          |  02         |   0"
         "         |             |             ", 13,
         {{2, 0}, {8, 0}, {10, 1}, {3, 0}}, {{7, 0, 7, 7, Dark}, {7, 1, 13, 1, Dark}}, {},
         {{8, 0}, {2, 0}}},
        // A whole dividend goes into the decimals after a comma and one zero: 19,0 : 2.
        {"5", "19 : 2 =", "190 2   | 10 95  |  0     |        |        ", 8, {{5, 1}, {2, 0}},
         {{4, 0, 4, 5, Dark}, {4, 1, 8, 1, Dark}}, {}},
        // The hundredths reached with a remainder of 0 and a written digit still to come:
        // it comes down on the last row (03), and the quotient goes on.
        {"1", "11,833 : 7 =", "11833  7   | 48    169…|  63       |   03      |           ", 11,
         {{2, 0}, {8, 1}}, {{7, 0, 7, 5, Dark}, {7, 1, 11, 1, Dark}}, {}},
        // 88080,00 : 27: the zero that moves the comma and the two of the hundredths.
        {"3", "8808 : 2,7 =", "880800027     | 70    326222…| 168          |   60         |"
         "    60        |     60       |      6       |              ", 24,
         {{8, 0}, {11, 1}, {5, 0}}, {{7, 0, 7, 8, Dark}, {7, 1, 14, 1, Dark}}, {}, {{8, 0}}},
        // Worked in the head: one row, the result after "=" as the row key writes it.
        {"dec999", "0,35 x 1.000 =", "035 x 1000 = 350", 3, {{1, 0}}, {}, {}},
        {"dec999", "9,76 x 10 = ", "976 x 10 = 976", 4, {{1, 0}, {13, 0}}, {}, {}},
        // Anything else is copied, one character per square.
        {"999", "8 : 0 = ", "8 : 0 =", 0, {}, {}, {}},
    };
    // clang-format on
    for (const FormCase& c : cases) {
        SCOPED_TRACE(std::string(c.range) + " '" + c.line + "'");
        const ColumnDocument key = oneLine(c.range, c.line, true);
        const ColumnDocument sheet = oneLine(c.range, c.line, false);
        expectSound(key, 5, 100, 150);
        expectSound(sheet, 5, 100, 150);
        ASSERT_EQ(key.sheets.size(), 1u);
        ASSERT_EQ(key.sheets[0].boxes.size(), 1u);
        const ColumnSheet& s = key.sheets[0];
        const ColumnBox& box = s.boxes[0];
        EXPECT_EQ(std::make_pair(box.column, box.row), std::make_pair(1, 2));
        EXPECT_EQ(picture(s, box), c.key);
        EXPECT_EQ(commas(s, box), c.commas);
        EXPECT_EQ(rules(s, box), c.rules);
        EXPECT_EQ(struck(s, box), c.struck);
        std::vector<Point> small;
        for (const ColumnGlyph& g : s.glyphs)
            if (g.height < 2.5) // 5 mm squares: a digit is 3.33 mm, a carry 1.67 mm
                small.emplace_back(g.column - box.column, g.row - box.row);
        std::sort(small.begin(), small.end());
        EXPECT_EQ(small, c.carries);

        // The worksheet: the same rectangle and rules, the steps and results left out.
        const ColumnBox& blank = sheet.sheets.at(0).boxes.at(0);
        EXPECT_EQ(std::tie(blank.column, blank.row, blank.columns, blank.rows),
                  std::tie(box.column, box.row, box.columns, box.rows));
        EXPECT_EQ(rules(sheet.sheets[0], blank), c.rules);
        EXPECT_EQ(struck(sheet.sheets[0], blank), std::vector<Point>{});
        EXPECT_EQ(sheet.sheets[0].glyphs.size() + std::size_t(c.keyGlyphs), s.glyphs.size());
    }
}

// Labels and group of every box, sheet by sheet.
std::vector<std::pair<std::vector<std::string>, std::vector<int>>>
groupsBySheet(const ColumnDocument& doc)
{
    std::vector<std::pair<std::vector<std::string>, std::vector<int>>> out;
    for (const ColumnSheet& s : doc.sheets) {
        auto& [labels, groups] = out.emplace_back();
        for (const ColumnLabel& l : s.labels)
            labels.push_back(l.text);
        for (const ColumnBox& b : s.boxes)
            groups.push_back(b.group);
    }
    return out;
}

TEST(ColumnSheet, AGroupStaysOnOneSheetUnlessTallerThanAWholeSheet)
{
    OperationTable table;
    for (int g = 1; g <= 2; ++g)
        for (int j = 1; j <= 10; ++j)
            testsupport::put(table, g, j, "385 + 563 + 37 = ");
    // Boxes 5 x 5, three to a row: a group is its label and four rows of boxes with a free
    // row between two, 24 rows. A 20 x 40 grid of 5 mm squares; the copy's first sheet has
    // 34 rows (its grid 30 mm down): group 1 takes rows 1 to 24, and group 2's label and
    // first row would still fit below, but not the whole group: it starts the next sheet.
    const ColumnDocument doc = layOutColumns(
        table, {{1, Columns::Two}, LargeSquare, window("999"), 100, 200, false}, {30});
    expectSound(doc, 5, 100, 200);
    using Sheets = std::vector<std::pair<std::vector<std::string>, std::vector<int>>>;
    EXPECT_EQ(groupsBySheet(doc),
              (Sheets{{{"1)"}, std::vector<int>(10, 1)}, {{"2)"}, std::vector<int>(10, 2)}}));

    // On a 20 x 20 grid a whole sheet holds rows 1 to 18: the group is taller, so it is
    // split, three rows of boxes here and the last on the next sheet under its label again.
    const ColumnDocument split =
        layOutColumns(table, {{1, Columns::One}, LargeSquare, window("999"), 100, 100, false}, {0});
    expectSound(split, 5, 100, 100);
    EXPECT_EQ(groupsBySheet(split),
              (Sheets{{{"1)"}, std::vector<int>(9, 1)}, {{"1) (segue)"}, std::vector<int>(1, 1)}}));
    ASSERT_EQ(split.sheets.size(), 2u);
    EXPECT_EQ(split.sheets[1].labels.at(0).row, 1);
    EXPECT_EQ(split.sheets[1].boxes.at(0).row, 2);
}

// Widths and metrics in millimetres (HalfPointMeasure).
TEST(ColumnSheet, AFurtherSheetCarriesTheHeadingsFirstLineAndTheNameLine)
{
    OperationTable table;
    for (int g = 1; g <= 8; ++g)
        for (int j = 1; j <= 10; ++j)
            testsupport::put(table, g, j, "385 + 563 + 37 = ");
    const std::string heading = "Verifica di matematica: esegui in colonna ogni operazione "
                                "e controlla il risultato con la prova del nove";
    JobOptions options{{4, Columns::Two, true}, heading, 1, true, core::windowOfRange("999")};
    options.form = SheetForm::Squares5;
    // 190 x 277 mm, one unit a millimetre.
    const PlacedSheets placed =
        placeStatements(layOutJob(table, options), {190, 277, 1}, HalfPointMeasure());
    ASSERT_TRUE(placed.problem.empty()) << placed.problem;
    std::vector<int> squaredSheets;
    for (const PlacedColumnSheet& c : placed.columnSheets)
        squaredSheets.push_back(c.sheet);
    ASSERT_GE(squaredSheets.size(), 3u); // the copy on two sheets at least, then the key
    const auto textsOn = [&](int sheet) {
        std::vector<std::string> texts;
        for (const PlacedText& t : placed.texts)
            if (t.sheet == sheet)
                texts.push_back(t.text);
        return texts;
    };
    // The heading's first line alone, small, then the name line; the grid below them.
    const std::vector<std::string> further = textsOn(1);
    ASSERT_EQ(further.size(), 4u);
    EXPECT_TRUE(heading.starts_with(further[0].substr(2))) << further[0];
    EXPECT_LT(further[0].size(), heading.size() + 2); // only its first line
    EXPECT_EQ(further[1], "  Nome e cognome ");
    EXPECT_EQ(further[3], "  Data ");
    const auto rulesOn = std::count_if(placed.rules.begin(), placed.rules.end(),
                                       [](const PlacedRule& r) { return r.sheet == 1; });
    EXPECT_EQ(rulesOn, 3);
    for (const PlacedText& t : placed.texts) {
        if (t.sheet == 1 && t.text == further[0]) {
            EXPECT_EQ(t.font.points, FurtherHeadingPoints);
        }
    }
    const PlacedColumnSheet& second = placed.columnSheets.at(1);
    EXPECT_EQ(second.sheet, 1);
    EXPECT_TRUE(second.content.continued);
    EXPECT_GT(second.content.grid.y, 3 * 10.0); // below the two lines
    // The key's further sheet: "Soluzioni" and the heading, no name line.
    ASSERT_TRUE(placed.columnSheets.back().content.continued);
    const std::vector<std::string> key = textsOn(placed.columnSheets.back().sheet);
    ASSERT_EQ(key.size(), 1u);
    EXPECT_TRUE(key[0].starts_with("  Soluzioni – Verifica")) << key[0];
}

TEST(ColumnSheet, GroupsFlowLeftToRightAndOverflowToTheCopysNextSheet)
{
    OperationTable table;
    for (int g = 1; g <= 2; ++g)
        for (int j = 1; j <= 10; ++j)
            testsupport::put(table, g, j, "385 + 563 + 37 = ");
    // Boxes 5 x 5: three to a row of 20 squares; four rows of the first group fill rows 2
    // to 24, and the second group's label and first row no longer fit above row 27.
    const ColumnRequest request = smallSheet("999", false, {1, Columns::Two});
    const ColumnDocument doc = layOutColumns(table, request, {10, 30});
    expectSound(doc, 5, 100, 150);
    ASSERT_EQ(doc.sheets.size(), 5u);

    const ColumnSheet& first = doc.sheets[0];
    EXPECT_EQ(std::tie(first.copy, first.continued), std::make_tuple(1, false));
    EXPECT_EQ(std::tie(first.grid.x, first.grid.y, first.grid.columns, first.grid.rows),
              std::make_tuple(0.0, 10.0, 20, 28));
    ASSERT_EQ(first.labels.size(), 1u);
    EXPECT_EQ(std::tie(first.labels[0].text, first.labels[0].column, first.labels[0].row),
              std::make_tuple(std::string("1)"), 1, 1));
    EXPECT_EQ(std::tie(first.labels[0].x, first.labels[0].y), std::make_tuple(10.0, 17.5));
    std::vector<Point> at;
    for (const ColumnBox& b : first.boxes)
        at.emplace_back(b.column, b.row);
    const std::vector<Point> expected{{1, 2},  {7, 2},  {13, 2}, {1, 8},   {7, 8},
                                      {13, 8}, {1, 14}, {7, 14}, {13, 14}, {1, 20}};
    EXPECT_EQ(at, expected);
    // The units of the first addend, 5 mm squares from (0, 10).
    const ColumnGlyph& units = first.glyphs.at(2);
    EXPECT_EQ(std::tie(units.text, units.column, units.row), std::make_tuple("5", 3, 3));
    EXPECT_EQ(std::tie(units.x, units.y), std::make_tuple(17.5, 27.5));

    const ColumnSheet& next = doc.sheets[1];
    EXPECT_EQ(std::tie(next.copy, next.continued), std::make_tuple(1, true));
    EXPECT_EQ(std::tie(next.grid.y, next.grid.rows), std::make_tuple(0.0, 30));
    ASSERT_EQ(next.labels.size(), 1u);
    EXPECT_EQ(std::tie(next.labels[0].text, next.labels[0].row), std::make_tuple("2)", 1));
    EXPECT_EQ(next.boxes.size(), 10u);
    EXPECT_EQ(next.boxes.at(0).group, 2);

    // The second copy starts a sheet of its own, under its own grid top.
    EXPECT_EQ(std::tie(doc.sheets[2].copy, doc.sheets[2].continued, doc.sheets[2].grid.y),
              std::make_tuple(2, false, 30.0));
    EXPECT_EQ(doc.sheets[2].grid.rows, 24);
}

TEST(ColumnSheet, SameGroupsAsTheRowSheetAndNothingThatCannotFit)
{
    OperationTable table;
    for (int g = 1; g <= 8; ++g)
        for (int j = 1; j <= 10; ++j)
            testsupport::put(table, g, j, std::to_string(g) + " + " + std::to_string(j) + " = ");
    const ColumnDocument doc = layOutColumns(
        table, {{2, Columns::One}, SmallSquare, window("500"), 190, 277, false}, {30});
    std::vector<std::string> labels;
    std::vector<int> groups;
    for (const ColumnSheet& s : doc.sheets) {
        for (const ColumnLabel& l : s.labels)
            labels.push_back(l.text);
        for (const ColumnBox& b : s.boxes)
            groups.push_back(b.group * 100 + b.line);
    }
    EXPECT_EQ(labels, (std::vector<std::string>{"1)", "2)"}));
    ASSERT_EQ(groups.size(), 20u);
    EXPECT_EQ(groups.front(), 101);
    EXPECT_EQ(groups[10], 301); // one column: groups 1 and 3
    EXPECT_EQ(groups.back(), 310);

    const ColumnDocument narrow =
        layOutColumns(table, {{1, Columns::One}, LargeSquare, window("500"), 20, 277, false}, {30});
    EXPECT_TRUE(narrow.sheets.empty());
    EXPECT_EQ(narrow.problem.rfind("L'operazione «1 + 1 = » non entra", 0), 0u) << narrow.problem;
}

// Every family of every window, generated, key and worksheet, on A4 with either square.
TEST(ColumnSheet, GeneratedSheetsStayInsideTheirSquares)
{
    struct Source final : SourceWindows {
        std::string range, kind;
        bool holdsOwnCode(std::string_view r) const override { return r == range; }
        std::string kindField(std::string_view) const override { return kind; }
        core::GeneratorOptions options(std::string_view) const override { return {}; }
    };
    const std::pair<const char*, const char*> sources[] = {
        {"999999", "m"},   {"99999", "x3"},    {"500", ":3"}, {"dec9999", "+"}, {"dec9999", "x"},
        {"dec999", "x10"}, {"dec9999", ":10"}, {"1", ""},     {"3", ""},        {"4", ""}};
    for (const auto& [range, kind] : sources)
        for (double square : {LargeSquare, SmallSquare})
            for (bool key : {false, true}) {
                SCOPED_TRACE(std::string(range) + " " + kind + " " + std::to_string(square));
                Source source;
                source.range = range;
                source.kind = kind;
                core::RandomSequence rng(21);
                const std::optional<OperationTable> made = testsupport::askedSheet(source, rng);
                ASSERT_TRUE(made.has_value());
                const OperationTable& table = *made;
                const ColumnDocument doc = layOutColumns(
                    table, {{4, Columns::Two}, square, window(range), 190, 277, key}, {25});
                expectSound(doc, square, 190, 277);
                std::size_t boxes = 0;
                for (const ColumnSheet& s : doc.sheets)
                    for (const ColumnBox& b : s.boxes) {
                        ++boxes;
                        EXPECT_NE(b.family, FormFamily::Text) << table.line(b.group, b.line);
                    }
                EXPECT_EQ(boxes, 80u);
            }
}

namespace {

// A number read back from the squares of one row of a box: its digits from the left, and
// the places after its comma (a comma struck through does not count).
struct ReadNumber {
    __int128 units = 0;
    int digits = 0;
    int places = 0;
    bool goesOn = false; // "…" after it
    bool ok = true;
};

ReadNumber readRow(const ColumnSheet& sheet, const ColumnBox& box, int row, int fromColumn,
                   int toColumn)
{
    const std::vector<Point> struckHere = struck(sheet, box);
    std::vector<std::pair<int, std::string>> squares;
    std::vector<int> commas;
    for (const ColumnGlyph& g : sheet.glyphs) {
        const int column = g.column - box.column;
        if (g.row - box.row != row || column < fromColumn || column >= toColumn ||
            column > box.columns)
            continue;
        if (g.kind == GlyphKind::Square && g.height > sheet.grid.square / 2)
            squares.emplace_back(column, g.text);
        else if (g.kind == GlyphKind::Comma && std::find(struckHere.begin(), struckHere.end(),
                                                         Point{column, row}) == struckHere.end())
            commas.push_back(column);
    }
    std::sort(squares.begin(), squares.end());
    ReadNumber n;
    n.ok = commas.size() <= 1;
    for (const auto& [column, text] : squares) {
        if (text == "…") {
            n.goesOn = true;
            continue;
        }
        n.ok = n.ok && text.size() == 1 && text[0] >= '0' && text[0] <= '9';
        n.units = n.units * 10 + (text[0] - '0');
        ++n.digits;
        n.places += !commas.empty() && column >= commas.front();
    }
    return n;
}

__int128 tenTo(int n)
{
    return n > 0 ? 10 * tenTo(n - 1) : 1;
}

} // namespace

// The five cases' worked keys read back from their squares: the division written (commas
// as they stand, struck ones left out) has a whole divisor and the quotient of the
// operation on the pupil's sheet; the quotient written is that division's, cut at the
// hundredths with "…" exactly when it goes on; an exact one ends on a remainder of 0.
TEST(ColumnSheet, CaseKeysReadBackAsTheDivisionTheyWork)
{
    int divisions = 0;
    for (const int caseNumber : {1, 2, 3, 4, 5})
        for (const cases::DivisorChoice choice :
             {cases::DivisorChoice::OneDigit, cases::DivisorChoice::TwoDigits,
              cases::DivisorChoice::Mixed})
            for (const double square : {LargeSquare, SmallSquare}) {
                const std::string range = std::to_string(caseNumber);
                SCOPED_TRACE("case " + range + " " + std::to_string(square));
                core::GeneratorOptions options;
                options.divisor = choice;
                core::RandomSequence rng(std::uint64_t(caseNumber * 100 + int(choice)));
                const OperationTable table = catalog::sheetOperations(
                    {&catalog::findGenerator(range, nullptr), options}, rng);
                const ColumnDocument key = layOutColumns(
                    table, {{4, Columns::Two}, square, window(range), 190, 277, true}, {20});
                ASSERT_TRUE(key.problem.empty()) << key.problem;
                for (const ColumnSheet& s : key.sheets)
                    for (const ColumnBox& box : s.boxes) {
                        const core::Operation& op = *table.at(box.group, box.line);
                        const std::string line = core::lineOf(op);
                        int rule = -1; // the vertical rule after the dividend
                        for (const Rule& r : rules(s, box))
                            if (std::get<0>(r) == std::get<2>(r) && std::get<1>(r) == 0 &&
                                std::get<0>(r) > 0 && std::get<0>(r) < box.columns)
                                rule = std::get<0>(r);
                        ASSERT_GT(rule, 0) << line;
                        const ReadNumber dividend = readRow(s, box, 0, 0, rule);
                        const ReadNumber divisor = readRow(s, box, 0, rule, box.columns);
                        const ReadNumber quotient = readRow(s, box, 1, rule, box.columns);
                        ASSERT_TRUE(dividend.ok && divisor.ok && quotient.ok) << line;
                        EXPECT_EQ(divisor.places, 0) << line << ": the divisor is not whole";
                        // a / b as written on the pupil's sheet, as whole numbers and places.
                        const core::WrittenNumber& a = op.operands[0];
                        const core::WrittenNumber& b = op.operands[1];
                        const __int128 au = *core::unitsOf(a), bu = *core::unitsOf(b);
                        // dividend / divisor == a / b, cross-multiplied at one scale.
                        EXPECT_TRUE(dividend.units * bu * tenTo(a.decimals) ==
                                    au * tenTo(b.decimals) * divisor.units * tenTo(dividend.places))
                            << line << ": the key works another division";
                        // The quotient cut at its places, and "…" when a x 100 / b goes on.
                        const __int128 num = au * tenTo(b.decimals), den = bu * tenTo(a.decimals);
                        EXPECT_EQ(quotient.units, num * tenTo(quotient.places) / den) << line;
                        const bool goesOn = num * 100 % den != 0;
                        EXPECT_EQ(quotient.goesOn, goesOn) << line;
                        EXPECT_TRUE(goesOn ? quotient.places == 2
                                           : quotient.units * den == num * tenTo(quotient.places))
                            << line;
                        // An exact division's last row is its remainder of 0.
                        int lastRow = 0;
                        for (const ColumnGlyph& g : s.glyphs) {
                            const int column = g.column - box.column, row = g.row - box.row;
                            if (column >= 0 && column < rule && row < box.rows && row > lastRow)
                                lastRow = row;
                        }
                        const ReadNumber last = readRow(s, box, lastRow, 0, rule);
                        if (!goesOn) {
                            EXPECT_EQ(last.units, 0) << line;
                        }
                        ++divisions;
                    }
            }
    EXPECT_EQ(divisions, 5 * 3 * 2 * 80);
}

// Generated keys counted from their squares: a subtraction strikes exactly the digits that
// lend (place k lends when the lower places of the minuend are less than the
// subtrahend's), and a multiplication by one digit writes exactly the carries it makes
// into a further place of the multiplicand.
TEST(ColumnSheet, KeysStrikeEveryLendingDigitAndWriteEveryCarry)
{
    const std::pair<const char*, const char*> sources[] = {
        {"500", "-"},     {"999", "-"}, {"999999", "-"}, {"dec999", "-"},
        {"dec9999", "-"}, {"500", "x"}, {"999", "x1"},   {"999999", "x1"}};
    int checked = 0;
    for (const auto& [range, kind] : sources) {
        SCOPED_TRACE(std::string(range) + " " + kind);
        const std::string kindText = kind;
        core::RandomSequence rng(77);
        const OperationTable table =
            catalog::sheetOperations({&catalog::findGenerator(range, &kindText), {}}, rng);
        const ColumnDocument key = layOutColumns(
            table, {{4, Columns::Two}, SmallSquare, window(range), 190, 277, true}, {20});
        ASSERT_TRUE(key.problem.empty()) << key.problem;
        for (const ColumnSheet& s : key.sheets)
            for (const ColumnBox& box : s.boxes) {
                const core::Operation& op = *table.at(box.group, box.line);
                const auto inBox = [&](int column, int row) {
                    return column >= box.column && column < box.column + box.columns &&
                           row >= box.row && row < box.row + box.rows;
                };
                int strokes = 0, carries = 0;
                for (const ColumnRule& r : s.rules)
                    strokes += r.weight == RuleWeight::Stroke && inBox(r.fromColumn, r.fromRow);
                for (const ColumnGlyph& g : s.glyphs)
                    carries +=
                        g.row == box.row && g.height < s.grid.square / 2 && inBox(g.column, g.row);
                const core::WrittenNumber& a = op.operands[0];
                const core::WrittenNumber& b = op.operands[1];
                int expected = 0;
                if (op.op == core::Operator::Minus) {
                    // Both at the longer fraction's places, as whole numbers.
                    const int places = std::max(a.decimals, b.decimals);
                    const __int128 m = *core::unitsOf(a) * tenTo(places - a.decimals);
                    const __int128 t = *core::unitsOf(b) * tenTo(places - b.decimals);
                    const int digits = static_cast<int>(
                        std::max(a.digits.size() - a.decimals, b.digits.size() - b.decimals) +
                        places);
                    for (int k = 1; k < digits; ++k)
                        expected += m % tenTo(k) < t % tenTo(k);
                    EXPECT_EQ(strokes, expected) << core::lineOf(op);
                } else {
                    // The carry into place k: the lower k places times the digit, past 10^k.
                    const __int128 digit = *core::unitsOf(b);
                    for (std::size_t k = 1; k < a.digits.size(); ++k) {
                        __int128 low = 0;
                        for (std::size_t i = a.digits.size() - k; i < a.digits.size(); ++i)
                            low = low * 10 + (a.digits[i] - '0');
                        expected += low * digit / tenTo(int(k)) != 0;
                    }
                    EXPECT_EQ(strokes, 0) << core::lineOf(op);
                    EXPECT_EQ(carries, expected) << core::lineOf(op);
                }
                ++checked;
            }
    }
    EXPECT_EQ(checked, 8 * 80);
}

TEST(ColumnSheet, TheFirstCopyIsToldWithoutTheOtherCopiesOrTheKey)
{
    OperationTable table;
    for (int g = 1; g <= 8; ++g)
        for (int j = 1; j <= 10; ++j)
            testsupport::put(table, g, j, "385 + 563 + 37 = ");
    JobOptions one{{4, Columns::Two, true}, "Calcola:", 1, false, core::windowOfRange("999")};
    one.form = SheetForm::Squares5;
    const PlacedSheets alone =
        placeStatements(layOutJob(table, one), {190, 277, 1}, HalfPointMeasure());
    ASSERT_GE(alone.columnSheets.size(), 2u);
    JobOptions three = one;
    three.copies = 3;
    three.answerKey = true;
    const CopySize size =
        copySize(placeStatements(layOutJob(table, three), {190, 277, 1}, HalfPointMeasure()));
    // Forty per column in two columns.
    EXPECT_EQ(size.operations, 80);
    EXPECT_EQ(size.sheets, static_cast<int>(alone.columnSheets.size()));
    EXPECT_EQ(dialogform::sheetSummary(size.operations, 2), "80 operazioni, 2 fogli per copia");
    EXPECT_EQ(dialogform::sheetSummary(1, 1), "1 operazione, 1 foglio per copia");
    // Rows tell nothing.
    one.form = SheetForm::Rows;
    EXPECT_EQ(
        copySize(placeStatements(layOutJob(table, one), {190, 277, 1}, HalfPointMeasure())).sheets,
        0);
}

TEST(ColumnSheet, CentimetreSquaresLeaveEighteenAcrossAnA4Sheet)
{
    // 575 pt between the PDF's margins are 202.8 mm: 20 squares of 1 cm, less the free one
    // at each side; 40 and 50 squares of 5 and 4 mm.
    const double a4 = PdfPage.printableWidth() * MmPerPoint;
    EXPECT_EQ(usableColumns(a4, CentimetreSquare), 18);
    EXPECT_EQ(usableColumns(a4, LargeSquare), 38);
    EXPECT_EQ(usableColumns(a4, SmallSquare), 48);
    EXPECT_EQ(squareOf(SheetForm::Squares10), 10.0);

    // Case IV's widest division fills them: six digits of the dividend, the two places
    // the comma moves and two more for the hundredths, then 49999,99 and "…" under the
    // divisor.
    const OperationForm widest = operationForm(*testsupport::operationOf("999,999 : 0,02 ="),
                                               *core::windowOfRange("4"), true);
    EXPECT_EQ(widest.columns, 18);
    const OperationTable table = [&] {
        OperationTable t;
        testsupport::put(t, 1, 1, "999,999 : 0,02 =");
        return t;
    }();
    ColumnRequest request{
        {1, Columns::One}, CentimetreSquare, *core::windowOfRange("4"), a4, 290, true};
    EXPECT_EQ(layOutColumns(table, request, {20}).problem, "");
    request.width = a4 - 3; // a printer's wider margins: 19 squares, 17 free
    EXPECT_NE(layOutColumns(table, request, {20}).problem, "");
}
