// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/startup.h"

#include <QApplication>

int main(int argc, char** argv)
{
    // The release number, for every part of the program that names it: set before the
    // application object exists, so that it holds from the start.
    QCoreApplication::setApplicationVersion(QStringLiteral(ZELMORIO_VERSION));
    QApplication app(argc, argv);
    app::start();
    return app.exec();
}
