// SPDX-License-Identifier: GPL-3.0-or-later
#include "sheetform.h"

#include "engine/sheet/copies.h"
#include "engine/sheet/fontfile.h"
#include "engine/sheet/page.h"
#include "text.h"

#include <string_view>

namespace web {

namespace {

using emscripten::val;
namespace form = print::dialogform;

// A field's caption without its '&', the key that the '&' marks (empty when it has none),
// and the option the address names the field by.
val captioned(std::string_view caption, std::string_view option)
{
    val out = val::object();
    out.set("caption", text(form::plainCaption(caption)));
    const char key = form::accessKey(caption);
    out.set("key", key ? std::string(1, key) : std::string());
    out.set("option", text(option));
    return out;
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
    val out = captioned(group.caption, group.option);
    out.set("choices", choices);
    return out;
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
    // The page starts with the choices that the address leaves out, so that a preview works
    // at once; the desktop dialog starts with none chosen.
    out.set("perColumnDefault", text(form::valueOf(form::PerColumn, form::PerColumnDefault)));
    out.set("columnsDefault", text(form::valueOf(form::ColumnCount, form::ColumnCountDefault)));
    out.set("copies", captioned(form::CopiesCaption, form::CopiesOption));
    out.set("copiesDefault", text(form::CopiesDefault));
    out.set("form", choiceGroup(form::Form));
    out.set("formDefault", text(form::valueOf(form::Form, form::FormDefault)));
    out.set("key", captioned(form::KeyCaption, form::KeyOption));
    out.set("nameLine", captioned(form::NameLineCaption, form::NameLineOption));
    out.set("differentCopies",
            captioned(form::DifferentCopiesCaption, form::DifferentCopiesOption));
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

} // namespace web
