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

// The value of the page's option button for this choice of the group; empty for a choice
// the group does not offer.
template <typename T, std::size_t N>
std::string valueOf(const print::dialogform::ChoiceGroup<T, N>& group, T chosen)
{
    for (const print::dialogform::Choice<T>& c : group.choices)
        if (c.option == chosen)
            return std::string(c.value);
    return {};
}

} // namespace web
