// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/sheet/sourcelookup.h"

namespace print {

SourceAnswer lookUpSource(const SourceWindows& windows)
{
    SourceAnswer answer;
    for (std::string_view range : lookupOrder()) {
        if (!windows.holdsOwnCode(range))
            continue;
        ++answer.answered;
        const std::string kind = isCaseRange(range) ? std::string() : windows.kindField(range);
        if (const WorksheetRow* row = findRow(range, kind)) {
            answer.range = std::string(range);
            answer.serial = windows.windowSerial(range);
            answer.row = row;
        }
    }
    return answer;
}

} // namespace print
