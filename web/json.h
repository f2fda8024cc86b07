// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

namespace web {

// Writes JSON text, which the page parses in one step: far quicker than building its
// objects one property at a time across the binding. The writer puts the commas between
// members and elements; the caller opens and closes objects and arrays and names each
// member of an object before its value.
class Json {
public:
    Json& beginObject() { return open('{'); }
    Json& endObject() { return close('}'); }
    Json& beginArray() { return open('['); }
    Json& endArray() { return close(']'); }
    // The next value's name, in an object.
    Json& key(std::string_view name);
    // At most three decimals, without trailing zeros; -0 written as 0.
    Json& number(double v);
    // Quoted, with quotes, backslashes and control characters escaped.
    Json& string(std::string_view s);
    Json& boolean(bool v);
    const std::string& str() const { return m_out; }

private:
    Json& open(char bracket);
    Json& close(char bracket);
    // Before a value or a key: a comma when a value came last in this object or array.
    void separate();
    std::string m_out;
    bool m_afterValue = false;
};

} // namespace web
