// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace app {

// Runs the whole start-up on an existing QApplication: fonts, translation, style, and the
// main menu with the windows it loads hidden.
void start();

// Qt's own dialogs, standard buttons and command-line texts in Italian, whatever the
// system language. Once per program; later calls do nothing.
void installItalianTranslation();

} // namespace app
