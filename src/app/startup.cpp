// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/startup.h"

namespace app {

void start() {}

} // namespace app
