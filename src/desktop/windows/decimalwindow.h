// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "desktop/windows/exercisewindow.h"

#include <string_view>

namespace decimal {

// The two decimal exercise windows, for the range codes "dec999" and "dec9999". An unknown
// range code throws std::invalid_argument.
class DecimalWindow : public widgets::ExerciseWindow {
    Q_OBJECT
public:
    DecimalWindow(widgets::WindowHost& host, std::string_view range);
};

} // namespace decimal
