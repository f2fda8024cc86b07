// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/catalog/address.h"

#include <emscripten/val.h>

#include <optional>
#include <string>
#include <vector>

namespace web {

// [name, value] pairs from the page, already URL-decoded.
std::vector<catalog::QueryField> fieldsOf(const emscripten::val& pairs);

// What the address asks for, when it asks for `action`; a refused choice sets its message
// on `out`.
std::optional<catalog::PageRequest> readRequest(const emscripten::val& pairs,
                                               catalog::PageRequest::Action action,
                                               emscripten::val& out);

// The window, kind and divisor choice that the lines or sheets were made of, as the
// address spells them.
void setSource(emscripten::val& out, const catalog::Generator& generator,
               cases::DivisorChoice divisor);

// The print dialog's captions, choices, defaults, fonts, page and drawing style.
emscripten::val sheetForm();
bool outputsEnabled(bool perColumnChosen, bool columnsChosen);
// The copies field read as the dialog reads it: {count} or the dialog's {message}.
emscripten::val readCopiesField(const std::string& field);
// A font file the page loaded for the sheets, under the family the sheets name.
bool addFont(const std::string& family, const std::string& bytes);
// The sheets an address asks for: {sheets (JSON text), seed, address, chosen, range, kind,
// divisor}, or {message}; `measure.width(family, pixelsPerEm, text)` gives a text's width
// in pixels at that size.
emscripten::val sheets(const emscripten::val& pairs, const emscripten::val& measure);

} // namespace web
