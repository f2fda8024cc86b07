// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/catalog/catalog.h"
#include "engine/sheet/job.h"

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

// The ten lines an address asks for.
struct LinesChoice {
    const Generator* generator = nullptr;
    cases::DivisorChoice divisor = cases::DivisorChoice::Mixed;
    std::optional<std::uint64_t> seed; // none: a fresh one
};

struct PageRequest {
    enum class Action { None, Lines, Sheet };
    Action action = Action::None;
    LinesChoice lines; // for a sheet, its window, kind, divisor and seed
    print::JobOptions sheet;
};

// What the address asks for; an address without an action asks for nothing. Throws
// ChoiceError with the message to show, worded with the address's names.
PageRequest readAddress(const std::vector<QueryField>& fields);

// The query that asks for this worksheet again, each option the job differs in from the
// defaults spelt out, and the seed.
std::string sheetAddress(const Generator& generator, cases::DivisorChoice divisor,
                         const print::JobOptions& sheet, std::uint64_t seed);

// The query that asks for these ten lines again ("?righe=999&tipo=-&seme=42"), each value
// URL-encoded.
std::string linesAddress(const Generator& generator, cases::DivisorChoice divisor,
                         std::uint64_t seed);

} // namespace catalog
