// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

namespace web {

// Writes JSON text, which the page parses in one step: far quicker than building its
// objects one property at a time across the binding. The caller writes the punctuation.
class Json {
public:
    // Text as it is: brackets, commas, keys.
    Json& raw(std::string_view s);
    // At most three decimals, without trailing zeros; -0 written as 0.
    Json& number(double v);
    // Quoted, with quotes, backslashes and control characters escaped.
    Json& string(std::string_view s);
    const std::string& str() const { return m_out; }

private:
    std::string m_out;
};

} // namespace web
