// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace app {

// How the program ends: done, could not print or write, wrong usage (the command line's
// statuses, and the status of a start without a display to open the windows on).
enum ExitStatus { ExitDone = 0, ExitFailed = 1, ExitUsage = 2 };

// Runs the whole start-up on an existing QApplication: fonts, translation, style, and the
// main menu with the windows it loads hidden.
void start();

// The program's entry without arguments of its own: makes the application object, which
// reads Qt's standard arguments from argc and argv, runs start() and the event loop. When
// no platform is named (neither -platform nor QT_QPA_PLATFORM) and no display can be
// reached, it says in Italian that the windows need a graphical session and ends the
// program with status 2, instead of Qt's abort.
int runWindows(int& argc, char** argv);

// Qt's own dialogs, standard buttons and command-line texts in Italian, whatever the
// system language. Once per program; later calls do nothing.
void installItalianTranslation();

} // namespace app
