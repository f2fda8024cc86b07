// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string_view>

namespace cases {

// The title a case window shows above its list ("I caso: dividendo decimale, divisore
// intero"); it names the window's only generator, which has no kind code. caseNumber 1 to
// 5; empty for any other.
std::string_view title(int caseNumber);

} // namespace cases
