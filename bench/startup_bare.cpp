// SPDX-License-Identifier: GPL-3.0-or-later
// The yardstick for start-up: a bare Qt Widgets program with one empty window.
#include "support/firstpaint.h"

#include <QApplication>
#include <QWidget>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QWidget window;
    window.resize(640, 480);
    window.show();
    firstpaint::quitAfterFirstPaint(window);
    return app.exec();
}
