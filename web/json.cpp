// SPDX-License-Identifier: GPL-3.0-or-later
#include "json.h"

#include <cstdio>

namespace web {

Json& Json::raw(std::string_view s)
{
    m_out += s;
    return *this;
}

Json& Json::number(double v)
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

Json& Json::string(std::string_view s)
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

} // namespace web
