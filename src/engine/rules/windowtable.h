// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/numbers/operation.h"
#include "engine/numbers/result.h"
#include "engine/rules/codes.h"

#include <algorithm>
#include <array>
#include <span>
#include <string_view>

// The twelve exercise windows: the one place that ties a window's name to its range code,
// to the family of rules (and of window class) that makes it, to the way its results are
// written and to the closing of its worksheets' lines. Menus, the window factory, the
// context's load step, the catalog and the print job all read this table; what each
// family does with a row is in windowrules.h.
namespace core {

enum class WindowFamily { Integer, Decimal, Case };

struct WindowEntry {
    std::string_view name;  // the window's objectName
    std::string_view range; // the range code in its hidden field `txt`
    WindowFamily family;    // the window class that makes it and the rules it runs
    ResultStyle result;     // how the answer key writes its results
    int caseNumber = 0;     // a case window is made for its case, 1 to 5
    // The kinds whose worksheet lines end in " =" rather than in the window's " = " (the
    // empty kind: the one generator of a case window).
    std::span<const std::string_view> sheetClosedKinds{};

    // How the worksheet's lines of that kind end.
    constexpr std::string_view sheetClosing(std::string_view kind) const
    {
        return std::find(sheetClosedKinds.begin(), sheetClosedKinds.end(), kind) !=
                       sheetClosedKinds.end()
                   ? ClosingSheet
                   : ClosingScreen;
    }
};

// Within 500 the additions and the multiplication lose the final blank on a worksheet, and
// so does the multiplication by a power of ten within 999 and every case window; a mixed set
// keeps " = " on every line.
namespace sheetclosed {
inline constexpr std::array<std::string_view, 3> R500{kind::Add2, kind::Add3, kind::Mul};
inline constexpr std::array<std::string_view, 1> Dec999{kind::MulPow10};
inline constexpr std::array<std::string_view, 1> Case{std::string_view{}};
} // namespace sheetclosed

namespace results {
// Whole numbers, the quotient with its remainder; with thousands points from 9.999 up.
inline constexpr ResultStyle Whole{false, true, 0};
inline constexpr ResultStyle WholeGrouped{true, true, 0};
// The decimal windows divide only by 10, 100 and 1000: six places keep every such
// quotient exact.
inline constexpr ResultStyle Decimal{false, false, 6};
inline constexpr ResultStyle DecimalGrouped{true, false, 6};
// The cases: the column division stops at the hundredths.
inline constexpr ResultStyle Hundredths{false, false, 2};
} // namespace results

// In the order the print job asks the windows.
inline constexpr std::array<WindowEntry, 12> Windows{{
    {"frm4op500", range::R500, WindowFamily::Integer, results::Whole, 0, sheetclosed::R500},
    {"frm4op999", range::R999, WindowFamily::Integer, results::Whole},
    {"frm4op9999", range::R9999, WindowFamily::Integer, results::WholeGrouped},
    {"frm4op99999", range::R99999, WindowFamily::Integer, results::WholeGrouped},
    {"frm4op999999", range::R999999, WindowFamily::Integer, results::WholeGrouped},
    {"frmdec999", range::Dec999, WindowFamily::Decimal, results::Decimal, 0, sheetclosed::Dec999},
    {"frmdec9999", range::Dec9999, WindowFamily::Decimal, results::DecimalGrouped},
    {"frm1caso", range::Case1, WindowFamily::Case, results::Hundredths, 1, sheetclosed::Case},
    {"frm2caso", range::Case2, WindowFamily::Case, results::Hundredths, 2, sheetclosed::Case},
    {"frm3caso", range::Case3, WindowFamily::Case, results::Hundredths, 3, sheetclosed::Case},
    {"frm4caso", range::Case4, WindowFamily::Case, results::Hundredths, 4, sheetclosed::Case},
    {"frm5caso", range::Case5, WindowFamily::Case, results::Hundredths, 5, sheetclosed::Case},
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
