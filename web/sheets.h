// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <emscripten/val.h>

namespace web {

// The sheets an address asks for: {sheets, seed, address, chosen, range, kind, options},
// or {message}; `measure.width(family, pixelsPerEm, text)` gives a text's width in pixels
// at that size.
emscripten::val sheets(const emscripten::val& pairs, const emscripten::val& measure);

// The sheets of the same job's first copy alone, without the key, as the whole job lays them
// out (with its foot when the copies differ): {sheets, seed}, or {message}. Only the first
// copy's operations are drawn, so they come at once whatever the job's size.
emscripten::val firstCopySheets(const emscripten::val& pairs, const emscripten::val& measure);

// What the sheets an address asks for will make, before they are made: {summary, seed} in
// column form ("40 operazioni, 2 fogli per copia", for one copy of that seed), {seed} in
// rows, or {message}.
emscripten::val sheetSummary(const emscripten::val& pairs, const emscripten::val& measure);

} // namespace web
