// SPDX-License-Identifier: GPL-3.0-or-later
// What the browser page shows, from the same core as the windows and the command line:
// the menus' choices, ten lines with their results, and the checks' messages; with the
// worksheet's form, fonts and sheets, every function the page calls. The page draws these
// values and decides nothing of its own.
#include "engine/catalog/address.h"
#include "engine/catalog/catalog.h"
#include "engine/catalog/options.h"
#include "engine/catalog/request.h"
#include "engine/numbers/result.h"
#include "engine/sheet/workorder.h"
#include "fonts.h"
#include "request.h"
#include "sheetform.h"
#include "sheets.h"
#include "text.h"

#include <emscripten/bind.h>
#include <emscripten/val.h>

#include <string>
#include <vector>

namespace {

using emscripten::val;
using web::text;

val textList(const std::vector<std::string>& items)
{
    val list = val::array();
    for (const std::string& item : items)
        list.call<void>("push", text(item));
    return list;
}

// The three menus' choices, each window with its kinds (their button labels, the options
// each offers with their values, the sheet's forms that fit them) and the names of the
// options it offers, and every option with its values.
val choices()
{
    val groups = val::array();
    for (const catalog::MenuGroup& g : catalog::menuGroups()) {
        val windows = val::array();
        for (const catalog::MenuChoice& c : g.choices) {
            val kinds = val::array();
            for (const catalog::Generator* gen : catalog::generatorsOf(c.window->range)) {
                val kind = val::object();
                kind.set("kind", text(gen->kind));
                kind.set("label", text(gen->label));
                // The sheet's forms whose squares its operations fit, by their values.
                val forms = val::array();
                for (const auto& f : print::dialogform::Form.choices)
                    if (catalog::formFits(*gen, f.option))
                        forms.call<void>("push", text(f.value));
                kind.set("forms", forms);
                // The options the kind offers, with the values it offers of each.
                val offered = val::object();
                for (const catalog::GeneratorOption& o : catalog::generatorOptions()) {
                    if (!catalog::offers(*gen, o))
                        continue;
                    val values = val::array();
                    for (const catalog::OptionValue& v : o.values)
                        if (!v.value.empty() && o.offered(*gen, v.code))
                            values.call<void>("push", text(v.value));
                    offered.set(text(o.name), values);
                }
                kind.set("options", offered);
                kinds.call<void>("push", kind);
            }
            val window = val::object();
            window.set("caption", text(c.caption));
            window.set("description", text(c.description));
            window.set("range", text(c.window->range));
            val offered = val::array();
            const catalog::Generator& first = *catalog::generatorsOf(c.window->range).front();
            for (const catalog::GeneratorOption& o : catalog::generatorOptions())
                if (catalog::offers(first, o))
                    offered.call<void>("push", text(o.name));
            window.set("options", offered);
            window.set("kinds", kinds);
            windows.call<void>("push", window);
        }
        val group = val::object();
        group.set("caption", text(g.caption));
        group.set("windows", windows);
        groups.call<void>("push", group);
    }
    val options = val::array();
    for (const catalog::GeneratorOption& o : catalog::generatorOptions()) {
        // The value a window shows when it opens is chosen first.
        const std::string_view standard = catalog::writtenValue(o, core::GeneratorOptions{});
        val values = val::array();
        for (const catalog::OptionValue& v : o.values) {
            val value = val::object();
            value.set("caption", text(v.caption));
            value.set("value", text(v.value));
            value.set("standard", v.value == standard);
            values.call<void>("push", value);
        }
        val option = val::object();
        option.set("name", text(o.name));
        option.set("caption", text(o.caption));
        option.set("values", values);
        options.call<void>("push", option);
    }
    val all = val::object();
    all.set("groups", groups);
    all.set("options", options);
    return all;
}

// The ten lines an address asks for, given as [name, value] pairs already decoded: the
// lines, the copy text, each line's result as the key writes it, the seed (as text: it
// may not fit a JavaScript number) and the address that makes the same lines again. An
// address with a wrong value gives its message alone; one without an action, nothing.
val lines(const val& pairs)
{
    val out = val::object();
    const std::optional<catalog::PageRequest> request =
        web::readRequest(pairs, catalog::PageRequest::Action::Lines, out);
    if (!request)
        return out;

    const catalog::Choice& choice = request->sheet.choice;
    const catalog::Generator& generator = *choice.generator;
    const std::uint64_t seed = *request->seed;
    std::vector<std::string> made;
    std::string copyText;
    std::vector<std::string> results;
    for (const core::Operation& operation : catalog::tenOperations(choice, seed)) {
        made.push_back(core::lineOf(operation));
        copyText += made.back();
        results.push_back(core::lineResult(operation, generator.window->result).value_or(""));
    }
    web::setSource(out, choice);
    out.set("lines", textList(made));
    out.set("results", textList(results));
    out.set("copyText", text(copyText));
    out.set("seed", text(std::to_string(seed)));
    out.set("address", text(catalog::linesAddress(choice, seed)));
    return out;
}

val glyphOf(const print::FormGlyph& g)
{
    val out = val::object();
    out.set("kind", g.kind == print::GlyphKind::Comma    ? "virgola"
                    : g.kind == print::GlyphKind::Before ? "davanti"
                                                         : "quadretto");
    out.set("column", g.column);
    out.set("row", g.row);
    out.set("text", text(g.text));
    out.set("small", g.small);
    return out;
}

val formOf(const print::OperationForm& form)
{
    val out = val::object();
    out.set("columns", form.columns);
    out.set("rows", form.rows);
    val glyphs = val::array();
    for (const print::FormGlyph& g : form.glyphs)
        glyphs.call<void>("push", glyphOf(g));
    out.set("glyphs", glyphs);
    val rules = val::array();
    for (const print::FormRule& r : form.rules) {
        val rule = val::object();
        rule.set("fromColumn", r.fromColumn);
        rule.set("fromRow", r.fromRow);
        rule.set("toColumn", r.toColumn);
        rule.set("toRow", r.toRow);
        rule.set("dark", r.weight == print::RuleWeight::Dark);
        rules.call<void>("push", rule);
    }
    out.set("rules", rules);
    return out;
}

// The ten operations an "esercizio" address asks for, each with its form as the worksheet
// shows it and its order of work, square by square; the same ten as the lines of the same
// choices and seed. The texts the practice shows come with them.
val exercise(const val& pairs)
{
    val out = val::object();
    const std::optional<catalog::PageRequest> request =
        web::readRequest(pairs, catalog::PageRequest::Action::Exercise, out);
    if (!request)
        return out;
    const catalog::Choice& choice = request->sheet.choice;
    const core::WindowEntry& window = *choice.generator->window;
    const std::uint64_t seed = *request->seed;
    val operations = val::array();
    for (const core::Operation& operation : catalog::tenOperations(choice, seed)) {
        const print::WorkOrder work = print::workOrder(operation, window);
        val op = val::object();
        op.set("line", text(core::lineOf(operation)));
        op.set("form", formOf(work.form));
        val steps = val::array();
        for (const print::WorkStep& s : work.steps) {
            val step = glyphOf(s.glyph);
            step.set("role", text(print::roleName(s.role)));
            step.set("required", s.required);
            step.set("automatic", s.automatic);
            step.set("place", text(s.place));
            step.set("hint", text(s.hint));
            val strokes = val::array();
            for (const print::FormStroke& k : s.strokes) {
                val stroke = val::object();
                stroke.set("column", k.column);
                stroke.set("row", k.row);
                stroke.set("kind", k.kind == print::GlyphKind::Comma ? "virgola" : "quadretto");
                strokes.call<void>("push", stroke);
            }
            step.set("strokes", strokes);
            steps.call<void>("push", step);
        }
        op.set("steps", steps);
        operations.call<void>("push", op);
    }
    web::setSource(out, choice);
    out.set("operations", operations);
    out.set("seed", text(std::to_string(seed)));
    out.set("address", text(catalog::exerciseAddress(choice, seed)));
    out.set("linesAddress", text(catalog::linesAddress(choice, seed)));
    namespace p = print::practice;
    val texts = val::object();
    texts.set("right", text(p::Right));
    texts.set("wrong", text(p::Wrong));
    texts.set("wrongAgain", text(p::WrongAgain));
    texts.set("nothingToWork", text(p::NothingToWork));
    out.set("texts", texts);
    return out;
}

} // namespace

EMSCRIPTEN_BINDINGS(zelmorio)
{
    emscripten::function("choices", &choices);
    emscripten::function("lines", &lines);
    emscripten::function("exercise", &exercise);
    emscripten::function("sheetForm", &web::sheetForm);
    emscripten::function("outputsEnabled", &web::outputsEnabled);
    emscripten::function("readCopies", &web::readCopiesField);
    emscripten::function("addFont", &web::addFont);
    emscripten::function("sheets", &web::sheets);
    emscripten::function("firstCopySheets", &web::firstCopySheets);
    emscripten::function("sheetSummary", &web::sheetSummary);
}
