// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string_view>

namespace core {

// One generator button of an exercise window, as the window builds it: the button's
// objectName, the kind code its click sets, and the label beside it (a second, italic part
// such as "al divisore" when there is one). The buttons have no caption of their own, so
// the label is how the user knows them, in the window and on the command line alike.
struct GeneratorRow {
    std::string_view button;
    std::string_view kind;
    std::string_view label;
    std::string_view secondLabel;
};

} // namespace core
