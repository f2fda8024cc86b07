// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/rules/windowtable.h"

#include <span>
#include <string_view>

// Which rule makes a worksheet's lines, keyed by (range code, kind code): every worksheet
// uses its window's own rule and only passes its closing word. The family comes from the
// window table, the pairs from the rules themselves, the closings from the window table.
namespace print {

using RuleFamily = core::WindowFamily;

struct WorksheetRow {
    std::string_view range;
    std::string_view kind; // empty for the case windows: the window itself names the kind
    RuleFamily family;
    std::string_view closing;
};

// The rows, window by window in the lookup order.
std::span<const WorksheetRow> worksheetRows();

// The row for a source window's range and kind code; a case window is found by its range
// alone. nullptr when the pair generates nothing (an unknown or empty kind code).
const WorksheetRow* findRow(std::string_view range, std::string_view kind);

// The twelve source windows' range codes in the order the print job asks them.
std::span<const std::string_view> lookupOrder();

bool isCaseRange(std::string_view range);

} // namespace print
