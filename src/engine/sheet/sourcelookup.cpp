// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/sheet/sourcelookup.h"

namespace print {

int makeWorksheet(const SourceWindows& windows, core::RandomSource& rng, OperationTable& table,
                  const RecipeProvider& provider)
{
    int answered = 0;
    for (std::string_view range : lookupOrder()) {
        if (!windows.holdsOwnCode(range))
            continue;
        ++answered;
        const std::string kind = isCaseRange(range) ? std::string() : windows.kindField(range);
        const WorksheetRow* row = findRow(range, kind);
        if (!row)
            continue;
        if (auto recipe = provider(*row, windows))
            fillTable(*recipe, rng, table);
    }
    return answered;
}

SourceAnswer lookUpSource(const SourceWindows& windows)
{
    SourceAnswer answer;
    for (std::string_view range : lookupOrder()) {
        if (!windows.holdsOwnCode(range))
            continue;
        ++answer.answered;
        const std::string kind = isCaseRange(range) ? std::string() : windows.kindField(range);
        if (findRow(range, kind)) {
            answer.range = std::string(range);
            answer.serial = windows.windowSerial(range);
        }
    }
    return answer;
}

} // namespace print
