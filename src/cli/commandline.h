// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>

#include <iosfwd>

namespace app {

// Whether the program's arguments hold any of its own, which make it a command line. Qt's
// standard arguments (-platform NAME, -session ID, -style NAME, -reverse …, with one dash
// or two) are not: they say how the windows appear, and the command line leaves them out.
bool hasOwnArguments(int argc, char** argv);

// Runs the command line given in `arguments` (the program's name first; Qt's standard
// arguments are left out, but not the value of one of the program's options nor anything
// after "--") on the application object that already exists: ten lines, a
// worksheet to a PDF file or a printer, or the list of generators. Results go to `out`,
// messages (in Italian) and the seed drawn to `err`; output that cannot be written to
// `out` is a failure. Returns an ExitStatus.
int runCommand(const QStringList& arguments, std::ostream& out, std::ostream& err);

// The program's entry when it has arguments of its own: makes the application object
// (fonts need one) on the offscreen platform, whatever display the environment names,
// and runs runCommand on standard output and standard error.
int runCommandLine(int argc, char** argv);

} // namespace app
