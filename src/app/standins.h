// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

namespace app {

class Context;

// Stand-ins for the windows that are not built yet, so that start-up and every
// navigation already work end to end: the right name, caption, size and back button.
QWidget* createStandIn(Context& context, const QString& name);

} // namespace app
