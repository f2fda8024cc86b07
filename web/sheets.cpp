// SPDX-License-Identifier: GPL-3.0-or-later
// The worksheet for the browser page: the print dialog's choices, and the sheets as drawing
// data placed by the same text model and column layout as the desktop's PDF. The page
// measures text widths with the same fonts, and draws.
#include "sheets.h"

#include "engine/catalog/address.h"
#include "engine/catalog/checks.h"
#include "engine/rules/random.h"
#include "engine/sheet/copies.h"
#include "engine/sheet/dialogform.h"
#include "engine/sheet/fixedsheet.h"
#include "engine/sheet/fontfile.h"
#include "engine/sheet/page.h"
#include "engine/sheet/textmodel.h"

#include <cstdio>
#include <map>
#include <string>

namespace web {

namespace {

using emscripten::val;
namespace form = print::dialogform;

val text(std::string_view s)
{
    return val(std::string(s));
}

std::map<std::string, print::FontFileMetrics, std::less<>>& fonts()
{
    static std::map<std::string, print::FontFileMetrics, std::less<>> known;
    return known;
}

constexpr double PointsPerPdfDot = 72.0 / print::PdfDotsPerInch;

// Widths from the page (its canvas, with the sheet's fonts loaded), at the whole pixels per
// em the PDF printer scales a font to; metrics from the font files. So the model places
// the page's sheet as it places the desktop's.
class PageMeasure final : public print::TextMeasure {
public:
    explicit PageMeasure(val measure) : m_measure(std::move(measure)) {}

    double width(const print::FontChoice& font, std::string_view s) const override
    {
        const int perEm = print::pdfPixelsPerEm(font.points);
        return m_measure.call<double>("width", font.family, perEm, std::string(s)) *
               PointsPerPdfDot;
    }

    print::FontMetrics metrics(const print::FontChoice& font) const override
    {
        auto found = fonts().find(font.family);
        if (found == fonts().end())
            found = fonts().find(print::BodyFont);
        if (found == fonts().end())
            return {};
        return print::pdfMetrics(found->second, font.points);
    }

private:
    val m_measure;
};

// JSON, which the page parses in one step: far quicker than building its objects one
// property at a time across the binding.
class Json {
public:
    Json& raw(std::string_view s)
    {
        m_out += s;
        return *this;
    }
    Json& number(double v)
    {
        char buf[32];
        std::snprintf(buf, sizeof buf, "%.3f", v);
        std::string_view t(buf);
        while (t.ends_with('0'))
            t.remove_suffix(1);
        if (t.ends_with('.'))
            t.remove_suffix(1);
        m_out += t == "-0" ? "0" : t;
        return *this;
    }
    Json& string(std::string_view s)
    {
        m_out += '"';
        for (const char c : s) {
            const auto u = static_cast<unsigned char>(c);
            if (c == '"' || c == '\\') {
                m_out += '\\';
                m_out += c;
            } else if (u < 0x20 || u == 0x7F) {
                char buf[8];
                std::snprintf(buf, sizeof buf, "\\u%04x", u);
                m_out += buf;
            } else {
                m_out += c;
            }
        }
        m_out += '"';
        return *this;
    }
    const std::string& str() const { return m_out; }

private:
    std::string m_out;
};

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

// The sheets as the model placed them, in points from the printable area's top left.
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

template <typename T, std::size_t N> val choiceGroup(const form::ChoiceGroup<T, N>& group)
{
    val choices = val::array();
    for (const form::Choice<T>& c : group.choices) {
        val choice = val::object();
        choice.set("caption", text(form::plainCaption(c.caption)));
        choice.set("value", text(c.value));
        choices.call<void>("push", choice);
    }
    val out = val::object();
    out.set("caption", text(form::plainCaption(group.caption)));
    out.set("key", std::string(1, form::accessKey(group.caption)));
    out.set("option", text(group.option));
    out.set("choices", choices);
    return out;
}

val captioned(std::string_view caption, std::string_view option)
{
    val out = val::object();
    out.set("caption", text(form::plainCaption(caption)));
    out.set("key", std::string(1, form::accessKey(caption)));
    out.set("option", text(option));
    return out;
}

template <typename T, std::size_t N>
std::string valueOf(const form::ChoiceGroup<T, N>& group, T chosen)
{
    for (const form::Choice<T>& c : group.choices)
        if (c.option == chosen)
            return std::string(c.value);
    return {};
}

} // namespace

val sheetForm()
{
    val out = val::object();
    out.set("title", text(form::Title));
    out.set("heading", captioned(form::HeadingCaption, form::HeadingOption));
    out.set("headingDefault", text(form::HeadingDefault));
    out.set("perColumn", choiceGroup(form::PerColumn));
    out.set("columns", choiceGroup(form::ColumnCount));
    out.set("copies", captioned(form::CopiesCaption, form::CopiesOption));
    out.set("copiesDefault", text(form::CopiesDefault));
    out.set("form", choiceGroup(form::Form));
    out.set("formDefault", valueOf(form::Form, form::FormDefault));
    out.set("key", captioned(form::KeyCaption, form::KeyOption));
    out.set("nameLine", captioned(form::NameLineCaption, form::NameLineOption));
    out.set("preview", text(form::plainCaption(form::PreviewCaption)));
    val files = val::array();
    for (const print::SheetFont& f : print::SheetFonts) {
        val file = val::object();
        file.set("family", text(f.family));
        file.set("file", text(f.file));
        files.call<void>("push", file);
    }
    out.set("fonts", files);
    print::SheetPage page = print::PdfPage;
    val sheet = val::object();
    sheet.set("width", page.width);
    sheet.set("height", page.height);
    sheet.set("left", page.left);
    sheet.set("top", page.top);
    out.set("page", sheet);
    val style = val::object();
    style.set("gridColour", text(print::GridColour));
    style.set("gridLine", print::GridLinePoints);
    style.set("thinRule", print::ThinRulePoints);
    style.set("darkRule", print::DarkRulePoints);
    style.set("writingLine", print::WritingLinePoints);
    style.set("ink", text(print::InkColour));
    style.set("glyphFamily", text(print::BodyFont));
    out.set("style", style);
    return out;
}

bool outputsEnabled(bool perColumnChosen, bool columnsChosen)
{
    return form::outputsEnabled(perColumnChosen, columnsChosen);
}

val readCopiesField(const std::string& field)
{
    val out = val::object();
    const print::CopiesRequest copies = print::readCopies(field);
    if (copies.verdict == print::CopiesRequest::Verdict::Print)
        out.set("count", copies.count);
    else
        out.set("message", text(form::copiesOutOfRange()));
    return out;
}

bool addFont(const std::string& family, const std::string& bytes)
{
    const auto metrics = print::readFontFile(bytes);
    if (metrics)
        fonts()[family] = *metrics;
    return bool(metrics);
}

val sheets(const val& pairs, const val& measure)
{
    val out = val::object();
    const std::optional<catalog::PageRequest> request =
        readRequest(pairs, catalog::PageRequest::Action::Sheet, out);
    if (!request)
        return out;

    const catalog::LinesChoice& choice = request->lines;
    const catalog::Generator& generator = *choice.generator;
    const std::uint64_t seed = choice.seed ? *choice.seed : catalog::freshSeed();
    core::RandomSequence random(seed);
    const std::vector<print::Statement> statements = print::fixedSheet(
        *generator.window, generator.kind, choice.divisor, request->sheet, random);
    const print::SheetPage page = print::PdfPage;
    const double perMm = 1.0 / print::MmPerPoint;
    const print::PlacedSheets placed = print::placeStatements(
        statements, {page.printableWidth(), page.printableHeight(), perMm},
        PageMeasure(measure));
    if (!placed.problem.empty()) {
        out.set("message", text(placed.problem));
        return out;
    }
    out.set("sheets", drawing(placed));
    setSource(out, generator, choice.divisor);
    const print::JobOptions& job = request->sheet;
    val chosen = val::object();
    chosen.set("perColumn", valueOf(form::PerColumn, job.layout.groupCount));
    chosen.set("columns", valueOf(form::ColumnCount, job.layout.columns));
    chosen.set("copies", std::to_string(job.copies));
    chosen.set("heading", job.heading);
    chosen.set("key", job.answerKey);
    chosen.set("form", valueOf(form::Form, job.form));
    chosen.set("nameLine", job.layout.nameLine);
    out.set("chosen", chosen);
    out.set("seed", std::to_string(seed));
    out.set("address",
            text(catalog::sheetAddress(generator, choice.divisor, request->sheet, seed)));
    return out;
}

} // namespace web
