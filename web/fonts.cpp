// SPDX-License-Identifier: GPL-3.0-or-later
#include "fonts.h"

#include <map>

namespace web {

namespace {

std::map<std::string, print::FontFileMetrics, std::less<>>& fonts()
{
    static std::map<std::string, print::FontFileMetrics, std::less<>> known;
    return known;
}

} // namespace

bool addFont(const std::string& family, const std::string& bytes)
{
    const auto metrics = print::readFontFile(bytes);
    if (metrics)
        fonts()[family] = *metrics;
    return bool(metrics);
}

const print::FontFileMetrics* loadedFont(std::string_view family)
{
    const auto found = fonts().find(family);
    return found == fonts().end() ? nullptr : &found->second;
}

} // namespace web
