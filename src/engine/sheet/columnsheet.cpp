// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/sheet/columnsheet.h"

#include <algorithm>
#include <cmath>

namespace print {

namespace {

// Whole squares in a length; a hair of tolerance so that 200 mm hold forty 5 mm squares
// however the length was worked out.
int wholeSquares(double length, double square)
{
    return length <= 0 ? 0 : static_cast<int>(std::floor(length / square + 1e-9));
}

struct Operation {
    int group = 0;
    int line = 0;
    OperationForm form;
};

struct Group {
    std::string label;
    std::vector<Operation> operations;
};

std::vector<Group> printedGroups(const OperationTable& table, const ColumnRequest& request)
{
    std::vector<Group> groups;
    const bool two = request.layout.columns == Columns::Two;
    const int count = two ? 2 * request.layout.groupCount : request.layout.groupCount;
    for (int k = 1; k <= count; ++k) {
        const int group = two ? k : 2 * k - 1;
        Group g{std::to_string(k) + ")", {}};
        g.operations.reserve(LinesPerGroup);
        for (int line = 1; line <= LinesPerGroup; ++line) {
            // An empty place takes no room.
            const core::Operation* operation = table.at(group, line);
            g.operations.push_back(
                {group, line,
                 operation ? operationForm(*operation, request.window, request.answerKey)
                           : OperationForm{}});
        }
        groups.push_back(std::move(g));
    }
    return groups;
}

// A row of rectangles: the operations it holds and the column of each.
struct BoxRow {
    std::vector<std::pair<const Operation*, int>> boxes;
    int rows = 0;
};

std::vector<BoxRow> flow(const Group& group, int firstColumn, int endColumn)
{
    std::vector<BoxRow> rows;
    int column = endColumn; // no row open yet
    for (const Operation& op : group.operations) {
        if (op.form.columns == 0)
            continue; // an empty line takes no room
        if (column + op.form.columns > endColumn) {
            rows.emplace_back();
            column = firstColumn;
        }
        rows.back().boxes.emplace_back(&op, column);
        rows.back().rows = std::max(rows.back().rows, op.form.rows);
        column += op.form.columns + 1;
    }
    return rows;
}

class SheetWriter {
public:
    SheetWriter(const ColumnRequest& request, ColumnDocument& document, double furtherGridTop)
        : m_request(request), m_document(document), m_furtherGridTop(furtherGridTop)
    {
    }

    void startSheet(int copy, bool continued, double gridTop)
    {
        const double sq = m_request.square;
        ColumnSheet& sheet = m_document.sheets.emplace_back();
        sheet.copy = copy;
        sheet.continued = continued;
        sheet.width = m_request.width;
        sheet.height = m_request.height;
        const double top = std::max(0.0, gridTop);
        ColumnGrid& grid = sheet.grid;
        grid.square = sq;
        grid.columns = wholeSquares(m_request.width, sq);
        grid.rows = wholeSquares(m_request.height - top, sq);
        grid.x = (m_request.width - grid.columns * sq) / 2;
        grid.y = top;
        sheet.glyphs.reserve(512);
        m_row = 1;
    }

    ColumnSheet& sheet() { return m_document.sheets.back(); }

    // Whether `rows` rows of content fit below what the sheet holds (the last row of the
    // grid stays free), and whether it holds nothing yet.
    bool fits(int rows) { return m_row + rows <= sheet().grid.rows - 1; }
    bool empty() const { return m_row == 1; }

    // A further sheet of the same copy.
    void nextSheet() { startSheet(sheet().copy, true, m_furtherGridTop); }

    // The first free row for `rows` rows of content, on a further sheet when this one
    // has too few left.
    int reserve(int rows)
    {
        if (!fits(rows))
            nextSheet();
        const int at = m_row;
        m_row += rows;
        return at;
    }

    void skipRow() { ++m_row; }

    void label(const std::string& text, int column, int row)
    {
        const ColumnGrid& grid = sheet().grid;
        const int squares = static_cast<int>(text.size());
        sheet().labels.push_back({text, column, row,
                                  grid.x + (column + squares / 2.0) * grid.square,
                                  grid.y + (row + 0.5) * grid.square, GlyphSquares * grid.square});
    }

    void box(const Operation& op, int column, int row)
    {
        ColumnSheet& s = sheet();
        const ColumnGrid& grid = s.grid;
        const double sq = grid.square;
        s.boxes.push_back(
            {op.group, op.line, column, row, op.form.columns, op.form.rows, op.form.family});
        for (const FormGlyph& g : op.form.glyphs) {
            ColumnGlyph& out = s.glyphs.emplace_back();
            out.kind = g.kind;
            out.column = column + g.column;
            out.row = row + g.row;
            out.text = g.text;
            out.height = (g.small ? CarrySquares : GlyphSquares) * sq;
            if (g.kind == GlyphKind::Comma) {
                // Digits are centred, so their baseline lies half the free height above
                // the foot of the square.
                out.x = grid.x + out.column * sq;
                out.y = grid.y + (out.row + 1) * sq - (1 - GlyphSquares) / 2 * sq;
            } else if (g.kind == GlyphKind::Before) {
                out.x = grid.x + (out.column + BeforeAcross) * sq;
                out.y = grid.y + (out.row + BeforeDown) * sq;
            } else {
                out.x = grid.x + (out.column + 0.5) * sq;
                out.y = grid.y + (out.row + 0.5) * sq;
            }
        }
        for (const FormStroke& k : op.form.strokes) {
            ColumnRule& out = s.rules.emplace_back();
            out.fromColumn = out.toColumn = column + k.column;
            out.fromRow = out.toRow = row + k.row;
            out.weight = RuleWeight::Stroke;
            if (k.kind == GlyphKind::Comma) {
                // Across the comma on its grid line, rising to the right, through its
                // baseline.
                const double x = grid.x + out.fromColumn * sq;
                const double baseline =
                    grid.y + (out.fromRow + 1) * sq - (1 - GlyphSquares) / 2 * sq;
                out.x1 = x - StrokeSquares / 2 * sq;
                out.y1 = baseline + StrokeSquares / 3 * sq;
                out.x2 = x + StrokeSquares / 2 * sq;
                out.y2 = baseline - StrokeSquares * 2 / 3 * sq;
            } else {
                // Across the digit, rising to the right, through its centre.
                const double x = grid.x + (out.fromColumn + 0.5) * sq;
                const double y = grid.y + (out.fromRow + 0.5) * sq;
                out.x1 = x - StrokeSquares / 2 * sq;
                out.y1 = y + StrokeSquares * 0.6 * sq;
                out.x2 = x + StrokeSquares / 2 * sq;
                out.y2 = y - StrokeSquares * 0.6 * sq;
            }
        }
        for (const FormRule& r : op.form.rules) {
            ColumnRule& out = s.rules.emplace_back();
            out.fromColumn = column + r.fromColumn;
            out.fromRow = row + r.fromRow;
            out.toColumn = column + r.toColumn;
            out.toRow = row + r.toRow;
            out.weight = r.weight;
            out.x1 = grid.x + out.fromColumn * sq;
            out.y1 = grid.y + out.fromRow * sq;
            out.x2 = grid.x + out.toColumn * sq;
            out.y2 = grid.y + out.toRow * sq;
        }
    }

private:
    const ColumnRequest& m_request;
    ColumnDocument& m_document;
    double m_furtherGridTop = 0;
    int m_row = 1;
};

// Inside the free border: the first column and the column after the last usable one.
constexpr int FirstColumn = 1;

// The rows a group takes: its label, then its rows of rectangles, a free row between two.
int heightOf(const std::vector<BoxRow>& boxRows)
{
    int rows = 1;
    for (std::size_t j = 0; j < boxRows.size(); ++j)
        rows += boxRows[j].rows + (j + 1 < boxRows.size() ? 1 : 0);
    return rows;
}

// The label of a group that goes on from the sheet before.
std::string continuedLabel(const std::string& label)
{
    return label + " (segue)";
}

} // namespace

int usableColumns(double width, double square)
{
    return std::max(0, wholeSquares(width, square) - 2 * FirstColumn);
}

ColumnDocument layOutColumns(const OperationTable& table, const ColumnRequest& request,
                             const std::vector<double>& firstGridTops, double furtherGridTop)
{
    ColumnDocument document;
    if (!(request.square > 0))
        return document;
    const std::vector<Group> groups = printedGroups(table, request);

    // Every rectangle must fit a whole further sheet, with its label above it (the label of
    // a group that goes on, too).
    const int columns = wholeSquares(request.width, request.square);
    const int rows = wholeSquares(request.height - std::max(0.0, furtherGridTop), request.square);
    const int endColumn = columns - 1;
    const int usable = usableColumns(request.width, request.square);
    for (const Group& g : groups)
        for (const Operation& op : g.operations)
            if (op.form.columns > usable || op.form.rows + 1 > rows - 2 ||
                static_cast<int>(continuedLabel(g.label).size()) > usable) {
                document.problem = "L'operazione «" + table.line(op.group, op.line) +
                                   "» non entra in un foglio a quadretti di questa misura: "
                                   "scegli i quadretti più piccoli o un foglio più grande.";
                return document;
            }

    std::vector<std::vector<BoxRow>> flows;
    flows.reserve(groups.size());
    for (const Group& g : groups)
        flows.push_back(flow(g, FirstColumn, endColumn));

    // A further sheet holds rows 1 to rows - 2 of its grid.
    const int wholeSheet = rows - 2;
    SheetWriter writer(request, document, furtherGridTop);
    for (std::size_t copy = 0; copy < firstGridTops.size(); ++copy) {
        writer.startSheet(static_cast<int>(copy) + 1, false, firstGridTops[copy]);
        for (std::size_t k = 0; k < groups.size(); ++k) {
            const std::vector<BoxRow>& boxRows = flows[k];
            if (boxRows.empty()) {
                writer.label(groups[k].label, FirstColumn, writer.reserve(1));
                writer.skipRow();
                continue;
            }
            // A group stays on one sheet: one that does not fit below the groups before
            // starts the next sheet. Only one too tall for a whole sheet is split, its
            // label repeated where it goes on.
            const int height = heightOf(boxRows);
            if (!writer.empty() && !writer.fits(height) && height <= wholeSheet)
                writer.nextSheet();
            for (std::size_t j = 0; j < boxRows.size(); ++j) {
                const BoxRow& boxRow = boxRows[j];
                const bool first = j == 0;
                bool goesOn = false;
                if (!writer.fits((first ? 1 : 0) + boxRow.rows)) {
                    writer.nextSheet();
                    goesOn = !first;
                }
                int row = writer.reserve((first || goesOn ? 1 : 0) + boxRow.rows);
                if (first)
                    writer.label(groups[k].label, FirstColumn, row++);
                else if (goesOn)
                    writer.label(continuedLabel(groups[k].label), FirstColumn, row++);
                for (const auto& [op, column] : boxRow.boxes)
                    writer.box(*op, column, row);
                writer.skipRow();
            }
        }
    }
    return document;
}

} // namespace print
