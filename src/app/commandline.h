// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>

#include <iosfwd>

namespace app {

// How the command line ends: done, could not print or write, wrong usage.
enum ExitStatus { ExitDone = 0, ExitFailed = 1, ExitUsage = 2 };

// Runs the command line given in `arguments` (the program's name first) on the
// application object that already exists: ten lines, a worksheet to a PDF file or a
// printer, or the list of generators. Results go to `out`, messages (in Italian) and the
// seed drawn to `err`. Returns an ExitStatus.
int runCommand(const QStringList& arguments, std::ostream& out, std::ostream& err);

// The program's entry when it has arguments: chooses the offscreen platform when there is
// no display, makes the application object (fonts need one) and runs runCommand.
int runCommandLine(int argc, char** argv);

} // namespace app
