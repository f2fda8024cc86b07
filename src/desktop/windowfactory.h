// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class QWidget;

namespace app {

class Context;

// Makes the window of that name, hidden and not yet registered: the three menus, the
// twelve exercise windows of the window table and the print dialog. nullptr for any other
// name.
QWidget* makeWindow(Context& context, const QString& name);

} // namespace app
