// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/catalog/request.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The browser page's address, read as the command line reads its arguments: `righe=R`
// names the action and the window (the first positional argument), `tipo=K` the kind
// (the second), and each option `--name value` is `name=value`; `scheda=R` names a
// worksheet's, and each of its flags `--name` is `name=1`.
namespace catalog {

struct QueryField {
    std::string name;
    std::string value; // already URL-decoded
};

struct PageRequest {
    // Exercise: the same ten lines as Lines, worked out on screen square by square.
    enum class Action { None, Lines, Sheet, Exercise };
    Action action = Action::None;
    SheetRequest sheet;                // the choice of the lines or the sheet; the job for a sheet
    std::optional<std::uint64_t> seed; // none: a fresh one
};

// What the address asks for; an address without an action asks for nothing. Throws
// ChoiceError with the message to show, worded with the address's names.
PageRequest readAddress(const std::vector<QueryField>& fields);

// The longest heading an address carries, in bytes once written out (escaped: a blank takes
// 3, an accented letter 6): with the rest of the address it stays within the 8 KB request
// line that common web servers take at the least: several thousand characters of ordinary
// text, 1,000 accented letters at the least.
inline constexpr std::size_t AddressHeadingLimit = 6000;

// Whether the address of this worksheet carries its heading (see AddressHeadingLimit).
bool addressCarriesHeading(const SheetRequest& sheet);

// The query that asks for this worksheet again, each option the job differs in from the
// defaults spelt out, and the seed. A heading longer than AddressHeadingLimit is left out.
std::string sheetAddress(const SheetRequest& sheet, std::uint64_t seed);

// The query that asks for these ten lines again ("?righe=999&tipo=-&seme=42"), each value
// URL-encoded.
std::string linesAddress(const Choice& choice, std::uint64_t seed);

// The address that works the same ten lines out on screen.
std::string exerciseAddress(const Choice& choice, std::uint64_t seed);

} // namespace catalog
