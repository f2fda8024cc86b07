// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/sheet/dispatch.h"

#include "engine/rules/codes.h"
#include "engine/rules/windowrules.h"

#include <algorithm>
#include <array>
#include <vector>

namespace print {

namespace {

namespace k = core::kind;

// Whether the window's own rules make lines of that kind.
bool ruleKnows(const core::WindowEntry& window, std::string_view kind)
{
    return core::rulesOf(window)
        .rule(
            window, kind, [] { return core::GeneratorOptions{}; }, core::ClosingScreen)
        .has_value();
}

const std::vector<WorksheetRow>& rows()
{
    static const std::vector<WorksheetRow> table = [] {
        std::vector<WorksheetRow> all;
        for (const core::WindowEntry& window : core::Windows) {
            // The empty kind first: the one generator of a case window.
            auto add = [&](std::string_view kind) {
                if (ruleKnows(window, kind))
                    all.push_back({window.range, kind, window.family, window.sheetClosing(kind)});
            };
            add({});
            for (std::string_view kind : k::All)
                add(kind);
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
