// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/exercisewindow.h"

namespace integer {

// The integer exercise window; one design serving the five ranges, told apart by the
// window name (frm4op500 … frm4op999999).
class IntegerWindow : public app::ExerciseWindow {
    Q_OBJECT
public:
    IntegerWindow(app::Context& context, const QString& name);

    static bool isIntegerWindow(const QString& name);
};

} // namespace integer
