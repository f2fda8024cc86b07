// SPDX-License-Identifier: GPL-3.0-or-later
// The program's own start-up, ended once the main menu has been painted.
#include "support/firstpaint.h"

#include "desktop/startup.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    app::start();
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == QLatin1String("frminizio") && w->isVisible()) {
            firstpaint::quitAfterFirstPaint(*w);
            return app.exec();
        }
    return 2;
}
