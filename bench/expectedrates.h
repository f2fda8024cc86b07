// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

// Attempts per accepted line that a generator's acceptance test implies, worked out from
// the rules' own tables by counting the accepted draws; empty when not known.
std::string impliedAttemptsPerLine(const std::string& generator);
