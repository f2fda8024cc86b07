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

void columnSheet(Json& j, const print::PlacedColumnSheet& placed)
{
    const print::ColumnSheet& c = placed.content;
    const print::ColumnGrid& g = c.grid;
    j.beginObject().key("lines").beginArray();
    for (const std::string& line : placed.lines)
        j.string(line);
    j.endArray().key("grid").beginObject();
    j.key("x").number(pt(g.x)).key("y").number(pt(g.y));
    j.key("columns").number(g.columns).key("rows").number(g.rows);
    j.key("square").number(pt(g.square)).endObject();
    j.key("rules").beginArray();
    for (const print::ColumnRule& r : c.rules) {
        j.beginObject().key("x1").number(pt(r.x1)).key("y1").number(pt(r.y1));
        j.key("x2").number(pt(r.x2)).key("y2").number(pt(r.y2));
        j.key("dark").boolean(r.weight == print::RuleWeight::Dark).endObject();
    }
    // Labels and glyphs alike: centred across on x; a square's glyph has its middle height
    // at y, a comma its baseline.
    j.endArray().key("glyphs").beginArray();
    const auto glyph = [&j](const std::string& text, double x, double y, double height,
                            bool comma) {
        j.beginObject().key("text").string(text).key("x").number(pt(x)).key("y").number(pt(y));
        j.key("height").number(pt(height)).key("comma").boolean(comma).endObject();
    };
    for (const print::ColumnLabel& l : c.labels)
        glyph(l.text, l.x, l.y, l.height, false);
    for (const print::ColumnGlyph& gl : c.glyphs)
        glyph(gl.text, gl.x, gl.y, gl.height, gl.kind == print::GlyphKind::Comma);
    j.endArray().endObject();
}

} // namespace

emscripten::val drawing(const print::PlacedSheets& placed)
{
    Json j;
    j.beginArray();
    std::size_t t = 0, r = 0, c = 0;
    for (int sheet = 0; sheet < placed.sheets; ++sheet) {
        j.beginObject().key("texts").beginArray();
        for (; t < placed.texts.size() && placed.texts[t].sheet == sheet; ++t) {
            const print::PlacedText& x = placed.texts[t];
            j.beginObject().key("x").number(x.x).key("baseline").number(x.baseline);
            j.key("font").string(x.font.family).key("points").number(x.font.points);
            j.key("text").string(x.text).endObject();
        }
        j.endArray().key("rules").beginArray();
        for (; r < placed.rules.size() && placed.rules[r].sheet == sheet; ++r) {
            const print::PlacedRule& x = placed.rules[r];
            j.beginObject().key("x1").number(x.x1).key("x2").number(x.x2);
            j.key("y").number(x.y).endObject();
        }
        j.endArray().key("squares").beginArray();
        for (; c < placed.columnSheets.size() && placed.columnSheets[c].sheet == sheet; ++c)
            columnSheet(j, placed.columnSheets[c]);
        j.endArray().endObject();
    }
    j.endArray();
    return emscripten::val::global("JSON").call<emscripten::val>("parse", j.str());
}

} // namespace web
