// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/rules/options.h"
#include "engine/sheet/dispatch.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace print {

// What the print job may ask of the open exercise windows, each known by its range code.
class SourceWindows {
public:
    virtual ~SourceWindows() = default;
    // True when the window with this range code is open and its range field holds that
    // very code.
    virtual bool holdsOwnCode(std::string_view range) const = 0;
    // The text of that window's kind field (integer and decimal windows).
    virtual std::string kindField(std::string_view range) const = 0;
    // The options that window shows now (its initial ones where it shows none).
    virtual core::GeneratorOptions options(std::string_view range) const = 0;
    // Tells apart the windows that have held this range code: a window closed and made
    // again answers with another number. 0 when unknown (or the window is not open).
    virtual std::uint64_t windowSerial(std::string_view range) const
    {
        (void)range;
        return 0;
    }
};

// Asks every window in the fixed order, each test on its own: how many windows answer, and
// the range code of the last one with a worksheet row (the window whose lines the table
// is made of; empty when there is none) with its serial number and row. A window's button
// empties the other windows' fields, so at most one answers.
struct SourceAnswer {
    int answered = 0;
    std::string range;
    std::uint64_t serial = 0;
    const WorksheetRow* row = nullptr;
};
SourceAnswer lookUpSource(const SourceWindows& windows);

} // namespace print
