// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/commandline.h"
#include "desktop/startup.h"

#include <QCoreApplication>

int main(int argc, char** argv)
{
    // The release number, for every part of the program that names it: set before the
    // application object exists, so that it holds from the start.
    QCoreApplication::setApplicationVersion(QStringLiteral(ZELMORIO_VERSION));
    // The program's own options make it a command line, which opens no window; without
    // them, with Qt's standard arguments alone (-platform, -session, -style …) too, it
    // opens the windows.
    if (app::hasOwnArguments(argc, argv))
        return app::runCommandLine(argc, argv);
    return app::runWindows(argc, argv);
}
