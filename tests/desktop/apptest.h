// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRect>
#include <QString>
#include <QStringList>
#include <QWidget>

#include <ostream>

#include <gtest/gtest.h>

// Helpers for tests that drive the real windows, offscreen.
namespace apptest {

// Runs pending deletions and events, so closed windows are really gone.
void settle();
// The live top-level window of that name, or null.
QWidget* window(const QString& name);
// Names of the visible top-level windows, sorted.
QStringList visibleWindows();
// Names of all live top-level windows (shown or loaded hidden), sorted.
QStringList loadedWindows();
// Clicks the named button of the named window; fails the test when it is missing.
void click(const QString& windowName, const QString& button);
// Starts the program afresh and clicks each "window.button" of the path in turn.
void restartAndFollow(const QStringList& path);
// Pixels for twips at the screen's logical resolution, computed here on purpose.
int px(int twips);
// The same for a rectangle given in twips.
QRect pxRect(const QRect& twipsRect);
// Asserts the window's outer frame is centred on the screen.
void expectCentred(QWidget* w);

// Starts the program afresh for each test and tears every window down afterwards.
class AppTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
};

} // namespace apptest

// Readable failure messages for Qt strings.
inline void PrintTo(const QString& s, std::ostream* os)
{
    *os << '"' << s.toStdString() << '"';
}
inline void PrintTo(const QStringList& l, std::ostream* os)
{
    *os << '{' << l.join(", ").toStdString() << '}';
}
