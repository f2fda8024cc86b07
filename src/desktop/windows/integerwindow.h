// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "desktop/windows/exercisewindow.h"

#include <string_view>

namespace integer {

// The integer exercise window; one design serving the five ranges, told apart by the
// range code ("500" … "999999"). An unknown range code throws std::invalid_argument.
class IntegerWindow : public widgets::ExerciseWindow {
    Q_OBJECT
public:
    IntegerWindow(widgets::WindowHost& host, std::string_view range);
};

} // namespace integer
