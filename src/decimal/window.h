// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/exercisewindow.h"

namespace decimal {

// The two decimal exercise windows, frmdec999 and frmdec9999.
class DecimalWindow : public app::ExerciseWindow {
    Q_OBJECT
public:
    DecimalWindow(app::Context& context, const QString& name);

    static bool isDecimalWindow(const QString& name);
};

} // namespace decimal
