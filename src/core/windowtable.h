// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/codes.h"

#include <array>
#include <string_view>

// The twelve exercise windows: the one place that ties a window's name to its range code
// and to the family of rules (and of window class) that makes it. Menus, the window
// factory, the context's load step and the print job all read this table.
namespace core {

enum class WindowFamily { Integer, Decimal, Case };

struct WindowEntry {
    std::string_view name;  // the window's objectName
    std::string_view range; // the range code in its hidden field `txt`
    WindowFamily family;    // the window class that makes it and the rules it runs
    int caseNumber = 0;     // a case window is made for its case, 1 to 5
};

// In the order the print job asks the windows.
inline constexpr std::array<WindowEntry, 12> Windows{{
    {"frm4op500", range::R500, WindowFamily::Integer},
    {"frm4op999", range::R999, WindowFamily::Integer},
    {"frm4op9999", range::R9999, WindowFamily::Integer},
    {"frm4op99999", range::R99999, WindowFamily::Integer},
    {"frm4op999999", range::R999999, WindowFamily::Integer},
    {"frmdec999", range::Dec999, WindowFamily::Decimal},
    {"frmdec9999", range::Dec9999, WindowFamily::Decimal},
    {"frm1caso", range::Case1, WindowFamily::Case, 1},
    {"frm2caso", range::Case2, WindowFamily::Case, 2},
    {"frm3caso", range::Case3, WindowFamily::Case, 3},
    {"frm4caso", range::Case4, WindowFamily::Case, 4},
    {"frm5caso", range::Case5, WindowFamily::Case, 5},
}};

// The entry of that window name or range code; nullptr for any other.
constexpr const WindowEntry* windowNamed(std::string_view name)
{
    for (const WindowEntry& w : Windows)
        if (w.name == name)
            return &w;
    return nullptr;
}

constexpr const WindowEntry* windowOfRange(std::string_view range)
{
    for (const WindowEntry& w : Windows)
        if (w.range == range)
            return &w;
    return nullptr;
}

} // namespace core
