// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/sheet/sourcelookup.h"

#include "engine/rules/windowrules.h"

namespace print {

std::optional<core::Recipe> windowRecipe(const WorksheetRow& row, const SourceWindows& windows)
{
    const core::WindowEntry* window = core::windowOfRange(row.range);
    if (!window)
        return std::nullopt;
    // The case window's divisor buttons are read afresh at every attempt.
    auto choice = [&windows, range = row.range] { return windows.divisorChoice(range); };
    return core::rulesOf(*window).rule(*window, row.kind, choice, row.closing);
}

} // namespace print
