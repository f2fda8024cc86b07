// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/sheet/dialogform.h"

#include <emscripten/val.h>

#include <cstddef>
#include <string>

// The print dialog's form as the page builds its worksheet choices from it.
namespace web {

// The print dialog's captions, choices, defaults, fonts, page and drawing style.
emscripten::val sheetForm();
bool outputsEnabled(bool perColumnChosen, bool columnsChosen);
// The copies field read as the dialog reads it: {count} or the dialog's {message}.
emscripten::val readCopiesField(const std::string& field);

} // namespace web
