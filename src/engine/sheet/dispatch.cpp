// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/sheet/dispatch.h"

#include "engine/numbers/line.h"
#include "engine/rules/codes.h"
#include "engine/rules/decimal/rules.h"
#include "engine/rules/integer/rules.h"

#include <algorithm>
#include <array>
#include <vector>

namespace print {

namespace {

using core::ClosingScreen;
using core::ClosingSheet;
namespace r = core::range;
namespace k = core::kind;

struct Ending {
    std::string_view range;
    std::string_view kind; // empty: every line of a case window
    std::string_view closing;
};

// The worksheets whose lines end otherwise than in the window (" = "). Within 500 the
// additions and the multiplication lose the final blank, and so does the multiplication by
// a power of ten within 999 and every case window; a mixed set keeps " = " on every line.
// clang-format off
constexpr std::array Endings{
    Ending{r::R500,   k::Add2,     ClosingSheet},
    Ending{r::R500,   k::Add3,     ClosingSheet},
    Ending{r::R500,   k::Mul,      ClosingSheet},
    Ending{r::Dec999, k::MulPow10, ClosingSheet},
    Ending{r::Case1,  {},          ClosingSheet},
    Ending{r::Case2,  {},          ClosingSheet},
    Ending{r::Case3,  {},          ClosingSheet},
    Ending{r::Case4,  {},          ClosingSheet},
    Ending{r::Case5,  {},          ClosingSheet},
};
// clang-format on

std::string_view closingFor(std::string_view range, std::string_view kind)
{
    for (const Ending& e : Endings)
        if (e.range == range && e.kind == kind)
            return e.closing;
    return ClosingScreen;
}

// Whether the window's own rules make lines of that kind.
bool ruleKnows(const core::WindowEntry& window, std::string_view kind)
{
    switch (window.family) {
    case RuleFamily::Integer:
        return integer::recipe(window.range, kind, ClosingScreen).has_value();
    case RuleFamily::Decimal:
        return decimal::recipe(window.range, kind, ClosingScreen).has_value();
    case RuleFamily::Case:
        return kind.empty();
    }
    return false;
}

const std::vector<WorksheetRow>& rows()
{
    static const std::vector<WorksheetRow> table = [] {
        std::vector<WorksheetRow> all;
        for (const core::WindowEntry& window : core::Windows) {
            if (window.family == RuleFamily::Case) {
                all.push_back({window.range, {}, window.family, closingFor(window.range, {})});
                continue;
            }
            for (std::string_view kind : k::All)
                if (ruleKnows(window, kind))
                    all.push_back(
                        {window.range, kind, window.family, closingFor(window.range, kind)});
        }
        return all;
    }();
    return table;
}

constexpr std::array<std::string_view, core::Windows.size()> Order = [] {
    std::array<std::string_view, core::Windows.size()> order{};
    for (std::size_t i = 0; i < order.size(); ++i)
        order[i] = core::Windows[i].range;
    return order;
}();

} // namespace

std::span<const WorksheetRow> worksheetRows()
{
    return rows();
}

const WorksheetRow* findRow(std::string_view range, std::string_view kind)
{
    const auto& all = rows();
    auto it = std::find_if(all.begin(), all.end(), [&](const WorksheetRow& row) {
        return row.range == range && (row.family == RuleFamily::Case || row.kind == kind);
    });
    return it == all.end() ? nullptr : &*it;
}

std::span<const std::string_view> lookupOrder()
{
    return Order;
}

bool isCaseRange(std::string_view range)
{
    const core::WindowEntry* window = core::windowOfRange(range);
    return window && window->family == RuleFamily::Case;
}

} // namespace print
