// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/commandline.h"
#include "app/startup.h"

#include <QApplication>

int main(int argc, char** argv)
{
    // The release number, for every part of the program that names it: set before the
    // application object exists, so that it holds from the start.
    QCoreApplication::setApplicationVersion(QStringLiteral(ZELMORIO_VERSION));
    // With arguments the program works from the command line and opens no window.
    if (argc > 1)
        return app::runCommandLine(argc, argv);
    QApplication app(argc, argv);
    app::start();
    return app.exec();
}
