// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <emscripten/val.h>

#include <string>
#include <string_view>

namespace web {

// The engine's text as a JavaScript string: embind reads std::string as UTF-8.
inline emscripten::val text(std::string_view s)
{
    return emscripten::val(std::string(s));
}

} // namespace web
