// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktop/apptest.h"

#include "desktop/context.h"
#include "desktop/startup.h"

#include <QAbstractButton>
#include <QApplication>
#include <QGuiApplication>
#include <QScreen>

#include <algorithm>
#include <cmath>

namespace apptest {

void settle()
{
    for (int i = 0; i < 3; ++i) {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCoreApplication::processEvents();
    }
}

QWidget* window(const QString& name)
{
    const auto widgets = QApplication::topLevelWidgets();
    for (QWidget* w : widgets) {
        if (w->objectName() == name)
            return w;
    }
    return nullptr;
}

static QStringList namesOf(bool visibleOnly)
{
    QStringList names;
    const auto widgets = QApplication::topLevelWidgets();
    for (QWidget* w : widgets) {
        if (w->objectName().startsWith(QLatin1String("frm")) && (!visibleOnly || w->isVisible()))
            names << w->objectName();
    }
    names.sort();
    return names;
}

QStringList visibleWindows()
{
    return namesOf(true);
}

QStringList loadedWindows()
{
    return namesOf(false);
}

void click(const QString& windowName, const QString& button)
{
    QWidget* w = window(windowName);
    ASSERT_NE(w, nullptr) << windowName.toStdString();
    auto* b = w->findChild<QAbstractButton*>(button);
    ASSERT_NE(b, nullptr) << windowName.toStdString() << "." << button.toStdString();
    b->click();
}

// Deletes every context and window the program left, so the next start is a fresh one.
static void shutDown()
{
    const auto contexts = qApp->findChildren<app::Context*>();
    for (app::Context* c : contexts)
        delete c;
    const auto widgets = QApplication::topLevelWidgets();
    for (QWidget* w : widgets) {
        if (w->objectName().startsWith(QLatin1String("frm")))
            delete w;
    }
    settle();
}

void restartAndFollow(const QStringList& path)
{
    shutDown();
    app::start();
    settle();
    for (const QString& step : path) {
        click(step.section('.', 0, 0), step.section('.', 1, 1));
        settle();
    }
}

int px(int twips)
{
    return static_cast<int>(
        std::lround(twips * QGuiApplication::primaryScreen()->logicalDotsPerInchX() / 1440.0));
}

QRect pxRect(const QRect& t)
{
    return QRect(px(t.x()), px(t.y()), px(t.width()), px(t.height()));
}

void expectCentred(QWidget* w)
{
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    const QRect frame = w->frameGeometry();
    EXPECT_LE(std::abs((frame.left() - screen.left()) - (screen.right() - frame.right())), 1)
        << w->objectName().toStdString();
    EXPECT_LE(std::abs((frame.top() - screen.top()) - (screen.bottom() - frame.bottom())), 1)
        << w->objectName().toStdString();
}

void AppTest::SetUp()
{
    app::start();
    settle();
}

void AppTest::TearDown()
{
    shutDown();
}

} // namespace apptest
