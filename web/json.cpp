// SPDX-License-Identifier: GPL-3.0-or-later
#include "json.h"

#include <cstdio>

namespace web {

void Json::separate()
{
    if (m_afterValue)
        m_out += ',';
    m_afterValue = false;
}

Json& Json::open(char bracket)
{
    separate();
    m_out += bracket;
    return *this;
}

Json& Json::close(char bracket)
{
    m_out += bracket;
    m_afterValue = true;
    return *this;
}

Json& Json::key(std::string_view name)
{
    string(name);
    m_out += ':';
    m_afterValue = false;
    return *this;
}

Json& Json::number(double v)
{
    separate();
    char buf[32];
    std::snprintf(buf, sizeof buf, "%.3f", v);
    std::string_view t(buf);
    while (t.ends_with('0'))
        t.remove_suffix(1);
    if (t.ends_with('.'))
        t.remove_suffix(1);
    m_out += t == "-0" ? "0" : t;
    m_afterValue = true;
    return *this;
}

Json& Json::string(std::string_view s)
{
    separate();
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
    m_afterValue = true;
    return *this;
}

Json& Json::boolean(bool v)
{
    separate();
    m_out += v ? "true" : "false";
    m_afterValue = true;
    return *this;
}

} // namespace web
