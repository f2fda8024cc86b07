// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up, the click table of the menus, Esc, the title-bar close, window centring, the
// window icons and the colours of the buttons as drawn.
#include "desktop/apptest.h"

#include <QAbstractButton>
#include <QIcon>
#include <QImage>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QWindow>

#include <array>
#include <cstdlib>

using namespace apptest;

namespace {

const QStringList HiddenAtStart = {"frm1caso", "frm2caso",   "frm3caso",  "frm4caso",
                                   "frm5caso", "frminizio2", "frmscelta", "frmstampa"};

QStringList sorted(QStringList list)
{
    list.sort();
    return list;
}

// What an icon looks like: two loadings of one picture have different cache keys.
QImage pixels(const QIcon& icon)
{
    return icon.pixmap(QSize(32, 32)).toImage().convertToFormat(QImage::Format_ARGB32);
}

} // namespace

class Navigation : public AppTest {};

TEST_F(Navigation, StartUpShowsTheMainMenuAndLoadsTheOthersHidden)
{
    EXPECT_EQ(visibleWindows(), QStringList{"frminizio"});
    EXPECT_EQ(loadedWindows(), sorted(HiddenAtStart + QStringList{"frminizio"}));
    for (const QString& name : loadedWindows())
        expectCentred(window(name));
    EXPECT_EQ(window("frminizio")->windowTitle(), "Zelmorio di operazioni");
}

TEST_F(Navigation, StartUpHandsOutTheIcons)
{
    const qint64 mainIcon = window("frminizio")->windowIcon().cacheKey();
    for (const char* name :
         {"frm1caso", "frm2caso", "frm3caso", "frm4caso", "frm5caso", "frminizio2", "frmscelta"})
        EXPECT_EQ(window(name)->windowIcon().cacheKey(), mainIcon) << name;
    // The print dialog gets the cases menu's own icon, which is not the main one.
    EXPECT_FALSE(window("frmstampa")->windowIcon().isNull());
    EXPECT_NE(pixels(window("frmstampa")->windowIcon()), pixels(window("frminizio")->windowIcon()));
}

TEST_F(Navigation, ReloadedPrintDialogCarriesTheMainIcon)
{
    const QImage mainIcon = pixels(window("frminizio")->windowIcon());
    restartAndFollow(
        {"frminizio.cmd999", "frm4op999.cmdsot", "frm4op999.cmdstampa", "frmstampa.cmdannulla"});
    ASSERT_EQ(window("frmstampa"), nullptr);
    click("frm4op999", "cmdstampa");
    settle();
    ASSERT_NE(window("frmstampa"), nullptr);
    EXPECT_TRUE(window("frmstampa")->isVisible());
    EXPECT_EQ(pixels(window("frmstampa")->windowIcon()), mainIcon);
}

TEST_F(Navigation, EnterPressesTheFocusedButton)
{
    // Enter on the focused button of a window, as a user would press it.
    auto enter = [](const QString& name, const QString& button) {
        QWidget* w = window(name);
        ASSERT_NE(w, nullptr) << name.toStdString();
        QApplication::setActiveWindow(w);
        ASSERT_TRUE(QTest::qWaitForWindowActive(w)) << name.toStdString();
        w->findChild<QWidget*>(button)->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        settle();
    };
    enter("frminizio", "cmd500");
    enter("frm4op500", "cmdsot");
    EXPECT_EQ(window("frm4op500")->findChild<QListWidget*>("list")->count(), 10);
}

TEST_F(Navigation, ColouredButtonsShowTheirBackColourFlat)
{
    // The clicks that bring a window up, the window, and its buttons' back colours as
    // "colour button…" groups; the last group's colour, without names, is every other one's.
    const QString cases = "frminizio.cmddec frmscelta.cmdpercorso";
    std::vector<std::array<QString, 3>> rows = {
        {"", "frminizio",
         "c0c0ff cmd500; 80ffff cmd999; ffff80 cmd9999; 80ff80 cmd99999 cmdesci; "
         "ff8080 cmd999999; ffc080"},
        {"frminizio.cmddec", "frmscelta", "ffff00"},
        {cases, "frminizio2",
         "ffc080 cmd1; 8080ff cmd2; 80ff80 cmd3; ff8080 cmd4; ffff80 cmd5; ff80ff"},
        {"frminizio.cmddec frmscelta.cmd999", "frmdec999", "ffff00 cmdok; c0c0ff"},
        {"frminizio.cmddec frmscelta.cmd9999", "frmdec9999", "ffff00"},
    };
    for (const QString range : {"500", "999", "9999", "99999", "999999"})
        rows.push_back({"frminizio.cmd" + range, "frm4op" + range, "ffff00"});
    for (const QString n : {"1", "2", "3", "4", "5"})
        rows.push_back({cases + " frminizio2.cmd" + n + " frm" + n + "caso.cmdfendra",
                        "frm" + n + "caso", "c0c0ff cmdfendra cmdok; ff80ff"});

    int sampled = 0;
    for (const auto& [clicks, name, groups] : rows) {
        restartAndFollow(clicks.split(' ', Qt::SkipEmptyParts));
        ASSERT_NE(window(name), nullptr) << name.toStdString();
        for (QPushButton* b : window(name)->findChildren<QPushButton*>()) {
            QString colour = groups.section("; ", -1);
            for (const QString& group : groups.split("; "))
                if (group.split(' ').mid(1).contains(b->objectName()))
                    colour = group.section(' ', 0, 0);
            const QColor want("#" + colour);
            // A few pixels in from the top-left corner: inside the border, clear of the
            // centred caption (which can reach the sides) and picture.
            const QColor seen = b->grab().toImage().pixelColor(3, 3);
            EXPECT_TRUE(std::abs(seen.red() - want.red()) <= 2 &&
                        std::abs(seen.green() - want.green()) <= 2 &&
                        std::abs(seen.blue() - want.blue()) <= 2)
                << name.toStdString() << "." << b->objectName().toStdString() << ": "
                << seen.name().toStdString() << ", not #" << colour.toStdString();
            ++sampled;
        }
    }
    EXPECT_EQ(sampled, 120);
}

struct ClickRow {
    QStringList path; // window.button pairs clicked from the start
    QStringList visible;
};

TEST_F(Navigation, EveryRowOfTheClickTable)
{
    const std::vector<ClickRow> rows = {
        {{"frminizio.cmd500"}, {"frm4op500"}},
        {{"frminizio.cmd999"}, {"frm4op999"}},
        {{"frminizio.cmd9999"}, {"frm4op9999"}},
        {{"frminizio.cmd99999"}, {"frm4op99999"}},
        {{"frminizio.cmd999999"}, {"frm4op999999"}},
        {{"frminizio.cmddec"}, {"frminizio", "frmscelta"}},
        {{"frminizio.cmddec", "frmscelta.cmd999"}, {"frmdec999"}},
        {{"frminizio.cmddec", "frmscelta.cmd9999"}, {"frmdec9999"}},
        {{"frminizio.cmddec", "frmscelta.cmdpercorso"}, {"frminizio2"}},
        {{"frminizio.cmddec", "frmscelta.cmdpercorso", "frminizio2.cmdfine"}, {"frminizio"}},
        {{"frminizio.cmd500", "frm4op500.cmdfine"}, {"frminizio"}},
        {{"frminizio.cmd999999", "frm4op999999.cmdfine"}, {"frminizio"}},
        {{"frminizio.cmddec", "frmscelta.cmd999", "frmdec999.cmdesci"}, {"frminizio"}},
        {{"frminizio.cmddec", "frmscelta.cmd9999", "frmdec9999.cmdesci"}, {"frminizio"}},
    };
    for (const ClickRow& row : rows) {
        restartAndFollow(row.path);
        EXPECT_EQ(visibleWindows(), sorted(row.visible)) << row.path.join(" ").toStdString();
        for (const QString& name : visibleWindows())
            expectCentred(window(name));
    }
    for (int n = 1; n <= 5; ++n) {
        TearDown();
        SetUp();
        click("frminizio", "cmddec");
        click("frmscelta", "cmdpercorso");
        settle();
        click("frminizio2", QString("cmd%1").arg(n));
        settle();
        const QString caseWindow = QString("frm%1caso").arg(n);
        EXPECT_EQ(visibleWindows(), QStringList{caseWindow});
        click(caseWindow, "cmdfine");
        settle();
        EXPECT_EQ(visibleWindows(), QStringList{"frminizio2"});
        EXPECT_EQ(window(caseWindow), nullptr);
    }
}

TEST_F(Navigation, ExitEndsEverything)
{
    click("frminizio", "cmdesci");
    settle();
    EXPECT_TRUE(loadedWindows().isEmpty()) << loadedWindows().join(",").toStdString();
}

TEST_F(Navigation, MainMenuComesBackLoadedAfresh)
{
    click("frminizio", "cmd500");
    settle();
    EXPECT_EQ(window("frminizio"), nullptr);
    click("frm4op500", "cmdfine");
    settle();
    EXPECT_EQ(visibleWindows(), QStringList{"frminizio"});
    // Its load step ran again: the hidden windows are all there.
    EXPECT_EQ(loadedWindows(), sorted(HiddenAtStart + QStringList{"frminizio"}));
}

TEST_F(Navigation, DecimalsChoiceOutlivesTheMainMenu)
{
    click("frminizio", "cmddec");
    click("frminizio", "cmd999");
    settle();
    EXPECT_EQ(visibleWindows(), sorted({"frm4op999", "frmscelta"}));
    // Choosing an entry closes a main menu that is already gone without harm.
    click("frmscelta", "cmd9999");
    settle();
    EXPECT_EQ(visibleWindows(), sorted({"frm4op999", "frmdec9999"}));
}

TEST_F(Navigation, EscapePressesTheBackOrExitButton)
{
    const struct {
        QStringList path;
        QString escapeIn;
        QStringList visibleAfter;
    } rows[] = {
        {{"frminizio.cmd9999"}, "frm4op9999", {"frminizio"}},
        {{"frminizio.cmddec", "frmscelta.cmd999"}, "frmdec999", {"frminizio"}},
        {{"frminizio.cmddec", "frmscelta.cmdpercorso"}, "frminizio2", {"frminizio"}},
        {{"frminizio.cmddec", "frmscelta.cmdpercorso", "frminizio2.cmd3"},
         "frm3caso",
         {"frminizio2"}},
        {{}, "frminizio", {}},
    };
    for (const auto& row : rows) {
        restartAndFollow(row.path);
        QWidget* w = window(row.escapeIn);
        ASSERT_NE(w, nullptr);
        w->activateWindow();
        QTest::keyClick(w, Qt::Key_Escape);
        settle();
        EXPECT_EQ(visibleWindows(), sorted(row.visibleAfter)) << row.escapeIn.toStdString();
    }
}

TEST_F(Navigation, TitleBarCloseActsAsTheBackButton)
{
    const struct {
        QStringList path;
        QString closing;
        QStringList visibleAfter;
    } rows[] = {
        {{"frminizio.cmd500"}, "frm4op500", {"frminizio"}},
        {{"frminizio.cmddec", "frmscelta.cmd9999"}, "frmdec9999", {"frminizio"}},
        {{"frminizio.cmddec", "frmscelta.cmdpercorso", "frminizio2.cmd5"},
         "frm5caso",
         {"frminizio2"}},
        {{"frminizio.cmddec", "frmscelta.cmdpercorso"}, "frminizio2", {"frminizio"}},
        {{"frminizio.cmddec"}, "frmscelta", {"frminizio"}},
        {{}, "frminizio", {}},
    };
    for (const auto& row : rows) {
        restartAndFollow(row.path);
        QWidget* w = window(row.closing);
        ASSERT_NE(w, nullptr);
        ASSERT_NE(w->windowHandle(), nullptr);
        w->windowHandle()->close(); // the window system's close: a spontaneous event
        settle();
        EXPECT_EQ(visibleWindows(), sorted(row.visibleAfter)) << row.closing.toStdString();
        EXPECT_EQ(window(row.closing), nullptr) << row.closing.toStdString();
    }
}
