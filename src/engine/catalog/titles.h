// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/rules/cases/rules.h"

#include <string_view>
#include <vector>

namespace cases {

// The caption of a case window and of its button in the cases menu ("I caso"). caseNumber
// 1 to 5; empty for any other.
std::string_view caption(int caseNumber);

// The title a case window shows above its list ("I caso: dividendo decimale, divisore
// intero"); it names the window's only generator, which has no kind code. caseNumber 1 to
// 5; empty for any other.
std::string_view title(int caseNumber);

// What sets the case apart, as the cases menu writes it beside the case's button
// ("Dividendo decimale, divisore intero"). caseNumber 1 to 5; empty for any other.
std::string_view menuDescription(int caseNumber);

} // namespace cases
