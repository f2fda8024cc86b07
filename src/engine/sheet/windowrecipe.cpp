// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/sheet/sourcelookup.h"

#include "engine/rules/cases/rules.h"
#include "engine/rules/decimal/rules.h"
#include "engine/rules/integer/rules.h"

namespace print {

std::optional<core::Recipe> windowRecipe(const WorksheetRow& row, const SourceWindows& windows)
{
    switch (row.family) {
    case RuleFamily::Integer:
        return integer::recipe(row.range, row.kind, row.closing);
    case RuleFamily::Decimal:
        return decimal::recipe(row.range, row.kind, row.closing);
    case RuleFamily::Case: {
        const core::WindowEntry* window = core::windowOfRange(row.range);
        if (!window)
            return std::nullopt;
        // The case window's divisor buttons are read afresh at every attempt.
        auto choice = [&windows, range = row.range] { return windows.divisorChoice(range); };
        return cases::recipe(window->caseNumber, choice, row.closing);
    }
    }
    return std::nullopt;
}

} // namespace print
