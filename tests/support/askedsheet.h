// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/catalog/request.h"

#include <optional>

namespace testsupport {

// What the print dialog's OK makes of these open windows: the lookup, the request it ends
// in, the eighty operations drawn from `random`. nullopt when exactly one window does not
// answer with a worksheet row.
inline std::optional<print::OperationTable> askedSheet(const print::SourceWindows& windows,
                                                       core::RandomSource& random)
{
    const print::SourceAnswer answer = print::lookUpSource(windows);
    if (answer.answered != 1)
        return std::nullopt;
    const std::optional<catalog::Choice> choice = catalog::askedChoice(answer, windows);
    if (!choice)
        return std::nullopt;
    return catalog::sheetOperations(*choice, random);
}

} // namespace testsupport
