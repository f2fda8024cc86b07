// SPDX-License-Identifier: GPL-3.0-or-later
#include "drawing.h"

#include "engine/sheet/page.h"
#include "json.h"

namespace web {

namespace {

double pt(double mm)
{
    return mm / print::MmPerPoint;
}

void columnSheet(Json& j, const print::ColumnSheet& c)
{
    const print::ColumnGrid& g = c.grid;
    j.raw("{\"grid\":[").number(pt(g.x)).raw(",").number(pt(g.y)).raw(",");
    j.number(g.columns).raw(",").number(g.rows).raw(",").number(pt(g.square)).raw("],\"rules\":[");
    for (std::size_t i = 0; i < c.rules.size(); ++i) {
        const print::ColumnRule& r = c.rules[i];
        j.raw(i ? ",[" : "[").number(pt(r.x1)).raw(",").number(pt(r.y1)).raw(",");
        j.number(pt(r.x2)).raw(",").number(pt(r.y2)).raw(",");
        j.raw(r.weight == print::RuleWeight::Dark ? "1]" : "0]");
    }
    // Labels and glyphs alike: centred across on x; a square's glyph has its middle height
    // at y, a comma its baseline.
    j.raw("],\"glyphs\":[");
    bool first = true;
    for (const print::ColumnLabel& l : c.labels) {
        j.raw(first ? "[" : ",[").string(l.text).raw(",").number(pt(l.x)).raw(",");
        j.number(pt(l.y)).raw(",").number(pt(l.height)).raw(",0]");
        first = false;
    }
    for (const print::ColumnGlyph& gl : c.glyphs) {
        j.raw(first ? "[" : ",[").string(gl.text).raw(",").number(pt(gl.x)).raw(",");
        j.number(pt(gl.y)).raw(",").number(pt(gl.height));
        j.raw(gl.kind == print::GlyphKind::Comma ? ",1]" : ",0]");
        first = false;
    }
    j.raw("]}");
}

} // namespace

std::string drawing(const print::PlacedSheets& placed)
{
    Json j;
    j.raw("[");
    std::size_t t = 0, r = 0, c = 0;
    for (int sheet = 0; sheet < placed.sheets; ++sheet) {
        j.raw(sheet ? ",{\"texts\":[" : "{\"texts\":[");
        for (bool first = true; t < placed.texts.size() && placed.texts[t].sheet == sheet;
             ++t, first = false) {
            const print::PlacedText& x = placed.texts[t];
            j.raw(first ? "[" : ",[").number(x.x).raw(",").number(x.baseline).raw(",");
            j.string(x.font.family).raw(",").number(x.font.points).raw(",").string(x.text).raw("]");
        }
        j.raw("],\"rules\":[");
        for (bool first = true; r < placed.rules.size() && placed.rules[r].sheet == sheet;
             ++r, first = false) {
            const print::PlacedRule& x = placed.rules[r];
            j.raw(first ? "[" : ",[").number(x.x1).raw(",").number(x.x2).raw(",");
            j.number(x.y).raw("]");
        }
        j.raw("],\"squares\":[");
        for (bool first = true;
             c < placed.columnSheets.size() && placed.columnSheets[c].sheet == sheet;
             ++c, first = false) {
            if (!first)
                j.raw(",");
            columnSheet(j, placed.columnSheets[c].content);
        }
        j.raw("]}");
    }
    j.raw("]");
    return j.str();
}

} // namespace web
