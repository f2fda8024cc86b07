// SPDX-License-Identifier: GPL-3.0-or-later
// The windows on a small laptop screen at twice the pixel density. Run with
// QT_SCALE_FACTOR=2 on the offscreen platform with smallscreen.json: a 1280 x 720 panel that
// offers 640 x 360 device-independent pixels at a device pixel ratio of 2.
#include "desktop/apptest.h"

#include "desktop/context.h"

#include <QAbstractButton>
#include <QApplication>
#include <QScreen>

using namespace apptest;

namespace {

class HiDpi : public AppTest {
protected:
    void SetUp() override
    {
        AppTest::SetUp();
        ASSERT_DOUBLE_EQ(QGuiApplication::primaryScreen()->devicePixelRatio(), 2.0)
            << "run with QT_SCALE_FACTOR=2";
        ASSERT_EQ(screen().size(), QSize(640, 360)) << "run with smallscreen.json";
    }

    static QRect screen() { return QGuiApplication::primaryScreen()->geometry(); }
};

TEST_F(HiDpi, WindowsLargerThanTheScreenStayAtItsTopLeft)
{
    // 11055 x 5655 twips at 96 dots per inch: 737 x 377, larger than the screen both ways.
    QWidget* menu = window("frminizio");
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(menu->size(), QSize(737, 377));
    ASSERT_GT(menu->width(), screen().width());
    ASSERT_GT(menu->height(), screen().height());
    EXPECT_EQ(menu->frameGeometry().topLeft(), screen().topLeft());

    click("frminizio", "cmd99999");
    settle();
    QWidget* integer = window("frm4op99999");
    ASSERT_NE(integer, nullptr);
    EXPECT_EQ(integer->frameGeometry().topLeft(), screen().topLeft());
}

TEST_F(HiDpi, WindowsThatFitAreStillCentred)
{
    // The decimals choice window, 5190 x 1710 twips: 346 x 114.
    click("frminizio", "cmddec");
    settle();
    QWidget* choice = window("frmscelta");
    ASSERT_NE(choice, nullptr);
    EXPECT_EQ(choice->size(), QSize(346, 114));
    expectCentred(choice);
}

TEST_F(HiDpi, PictureButtonsAreDrawnAtTheScreensPixelDensity)
{
    // cmdesci: 735 twips square, 49 device-independent pixels; its picture takes three
    // quarters of it.
    QWidget* menu = window("frminizio");
    ASSERT_NE(menu, nullptr);
    auto* exit = menu->findChild<QAbstractButton*>("cmdesci");
    ASSERT_NE(exit, nullptr);
    EXPECT_EQ(exit->size(), QSize(49, 49));
    EXPECT_EQ(exit->iconSize(), QSize(36, 36));

    const QPixmap grabbed = exit->grab();
    EXPECT_DOUBLE_EQ(grabbed.devicePixelRatio(), 2.0);
    EXPECT_EQ(grabbed.size(), QSize(98, 98));

    // The icon is rendered for 72 x 72 device pixels, not enlarged from a smaller bitmap.
    const QPixmap icon = exit->icon().pixmap(exit->iconSize(), 2.0);
    EXPECT_EQ(icon.size(), QSize(72, 72));
    EXPECT_DOUBLE_EQ(icon.devicePixelRatio(), 2.0);
    const QImage sharp = icon.toImage();
    const QImage enlarged = exit->icon()
                                .pixmap(exit->iconSize(), 1.0)
                                .toImage()
                                .scaled(72, 72, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    EXPECT_NE(sharp.convertToFormat(QImage::Format_ARGB32),
              enlarged.convertToFormat(QImage::Format_ARGB32));

    // A decorative picture, 3720 x 3120 twips: 248 x 208.
    QWidget* abacus = menu->findChild<QWidget*>("Picture1");
    ASSERT_NE(abacus, nullptr);
    EXPECT_EQ(abacus->grab().size(), QSize(496, 416));
}

} // namespace
