// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/rules/cases/rules.h"
#include "engine/rules/random.h"
#include "engine/rules/windowtable.h"
#include "engine/sheet/job.h"

#include <string_view>
#include <vector>

namespace print {

// The statements of the worksheet the print dialog's OK makes when `window` is the one open
// window, its kind field holds `kind` and (a case window) its divisor buttons show `divisor`:
// the same lookup, the same draws from `random`, the same layout with these options. The
// key writes its results in the number form of `window`, whatever `options.window` says.
// For the command line and any other front end that chooses instead of asking open windows.
std::vector<Statement> fixedSheet(const core::WindowEntry& window, std::string_view kind,
                                  cases::DivisorChoice divisor, JobOptions options,
                                  core::RandomSource& random);

} // namespace print
