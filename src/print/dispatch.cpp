// SPDX-License-Identifier: GPL-3.0-or-later
#include "print/dispatch.h"

#include "core/codes.h"
#include "core/line.h"

#include <algorithm>
#include <array>

namespace print {

namespace {

using core::ClosingScreen;
using core::ClosingSheet;
namespace r = core::range;
namespace k = core::kind;
constexpr auto Int = RuleFamily::Integer;
constexpr auto Dec = RuleFamily::Decimal;
constexpr auto Case = RuleFamily::Case;

// Within 500 the additions and the multiplication are printed without the final blank;
// a mixed set keeps " = " on every line.
constexpr std::array Rows{
    WorksheetRow{r::R500, k::Add2, Int, ClosingSheet},
    WorksheetRow{r::R500, k::Add3, Int, ClosingSheet},
    WorksheetRow{r::R500, k::Sub, Int, ClosingScreen},
    WorksheetRow{r::R500, k::Mul, Int, ClosingSheet},
    WorksheetRow{r::R500, k::Div2, Int, ClosingScreen},
    WorksheetRow{r::R500, k::Div3, Int, ClosingScreen},
    WorksheetRow{r::R500, k::Mixed, Int, ClosingScreen},

    WorksheetRow{r::R999, k::Add2, Int, ClosingScreen},
    WorksheetRow{r::R999, k::Add3, Int, ClosingScreen},
    WorksheetRow{r::R999, k::Sub, Int, ClosingScreen},
    WorksheetRow{r::R999, k::Mul1, Int, ClosingScreen},
    WorksheetRow{r::R999, k::Mul2, Int, ClosingScreen},
    WorksheetRow{r::R999, k::Div, Int, ClosingScreen},
    WorksheetRow{r::R999, k::Div2, Int, ClosingScreen},
    WorksheetRow{r::R999, k::Mixed, Int, ClosingScreen},

    WorksheetRow{r::R9999, k::Add2, Int, ClosingScreen},
    WorksheetRow{r::R9999, k::Add3, Int, ClosingScreen},
    WorksheetRow{r::R9999, k::Sub, Int, ClosingScreen},
    WorksheetRow{r::R9999, k::Mul1, Int, ClosingScreen},
    WorksheetRow{r::R9999, k::Mul2, Int, ClosingScreen},
    WorksheetRow{r::R9999, k::Div, Int, ClosingScreen},
    WorksheetRow{r::R9999, k::Div2, Int, ClosingScreen},
    WorksheetRow{r::R9999, k::Mixed, Int, ClosingScreen},

    WorksheetRow{r::R99999, k::Add2, Int, ClosingScreen},
    WorksheetRow{r::R99999, k::Add3, Int, ClosingScreen},
    WorksheetRow{r::R99999, k::Sub, Int, ClosingScreen},
    WorksheetRow{r::R99999, k::Mul1, Int, ClosingScreen},
    WorksheetRow{r::R99999, k::Mul2, Int, ClosingScreen},
    WorksheetRow{r::R99999, k::Mul3, Int, ClosingScreen},
    WorksheetRow{r::R99999, k::Div, Int, ClosingScreen},
    WorksheetRow{r::R99999, k::Div2, Int, ClosingScreen},
    WorksheetRow{r::R99999, k::Mixed, Int, ClosingScreen},

    WorksheetRow{r::R999999, k::Add2, Int, ClosingScreen},
    WorksheetRow{r::R999999, k::Add3, Int, ClosingScreen},
    WorksheetRow{r::R999999, k::Sub, Int, ClosingScreen},
    WorksheetRow{r::R999999, k::Mul1, Int, ClosingScreen},
    WorksheetRow{r::R999999, k::Mul2, Int, ClosingScreen},
    WorksheetRow{r::R999999, k::Mul3, Int, ClosingScreen},
    WorksheetRow{r::R999999, k::Div, Int, ClosingScreen},
    WorksheetRow{r::R999999, k::Div2, Int, ClosingScreen},
    WorksheetRow{r::R999999, k::Mixed, Int, ClosingScreen},

    // Within 999 the power of ten is written grouped, and the multiplication by it loses
    // the final blank; within 9.999 everything stays as in the window.
    WorksheetRow{r::Dec999, k::Add, Dec, ClosingScreen},
    WorksheetRow{r::Dec999, k::Sub, Dec, ClosingScreen},
    WorksheetRow{r::Dec999, k::Mul, Dec, ClosingScreen},
    WorksheetRow{r::Dec999, k::MulPow10, Dec, ClosingSheet, true},
    WorksheetRow{r::Dec999, k::DivPow10, Dec, ClosingScreen, true},

    WorksheetRow{r::Dec9999, k::Add, Dec, ClosingScreen},
    WorksheetRow{r::Dec9999, k::Sub, Dec, ClosingScreen},
    WorksheetRow{r::Dec9999, k::Mul, Dec, ClosingScreen},
    WorksheetRow{r::Dec9999, k::MulPow10, Dec, ClosingScreen},
    WorksheetRow{r::Dec9999, k::DivPow10, Dec, ClosingScreen},

    // A case window names its kind by itself; its worksheet lines end without the blank.
    WorksheetRow{r::Case1, {}, Case, ClosingSheet},
    WorksheetRow{r::Case2, {}, Case, ClosingSheet},
    WorksheetRow{r::Case3, {}, Case, ClosingSheet},
    WorksheetRow{r::Case4, {}, Case, ClosingSheet},
    WorksheetRow{r::Case5, {}, Case, ClosingSheet},
};

constexpr std::array Order{r::R500,    r::R999,  r::R9999, r::R99999, r::R999999, r::Dec999,
                           r::Dec9999, r::Case1, r::Case2, r::Case3,  r::Case4,   r::Case5};

} // namespace

std::span<const WorksheetRow> worksheetRows()
{
    return Rows;
}

const WorksheetRow* findRow(std::string_view range, std::string_view kind)
{
    auto it = std::find_if(Rows.begin(), Rows.end(), [&](const WorksheetRow& row) {
        return row.range == range && (row.family == Case || row.kind == kind);
    });
    return it == Rows.end() ? nullptr : &*it;
}

std::span<const std::string_view> lookupOrder()
{
    return Order;
}

bool isCaseRange(std::string_view range)
{
    return range == r::Case1 || range == r::Case2 || range == r::Case3 || range == r::Case4 ||
           range == r::Case5;
}

} // namespace print
