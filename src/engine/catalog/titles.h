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

// One option button of a case window's divisor frame: its caption, the value that asks for
// it where a choice is written out (the command line, the page's address) and the choice.
struct DivisorOption {
    std::string_view caption;
    std::string_view value;
    DivisorChoice choice;
};

// The caption of the divisor frame, and its options from top to bottom.
std::string_view divisorCaption();
const std::vector<DivisorOption>& divisorOptions();

} // namespace cases
