// Where the window goes on screens of every size: centred when it fits; on
// one too small, its title bar and its right-hand column (the mode buttons,
// the title bar's buttons) stay on the screen.

#include "app/windowplacement.h"

#include <gtest/gtest.h>

TEST(WindowPlacement, CentresAWindowThatFitsAndKeepsTheTopRightOfOneThatDoesNot)
{
    // The window at 1x is 1018 x 469 (521 with the reading help); at a 2x
    // scale a 1920 x 1080 screen is 960 x 540 in the window's units.
    const QSize window(1018, 469);
    const struct {
        const char* screen;
        QRect area;
        QSize window;
        QPoint expected;
    } cases[] = {
        {"1920 x 1080, a panel at the top", QRect(0, 32, 1920, 1048), window, QPoint(451, 321)},
        {"1280 x 800", QRect(0, 0, 1280, 800), window, QPoint(131, 165)},
        {"exactly the window", QRect(0, 0, 1018, 469), window, QPoint(0, 0)},
        {"second screen to the right", QRect(1920, 0, 1280, 1024), window, QPoint(2051, 277)},
        {"1920 x 1080 at 2x, a panel at the top", QRect(0, 16, 960, 524), window, QPoint(-58, 43)},
        {"1920 x 1080 at 2x, reading help open", QRect(0, 16, 960, 524), QSize(1018, 521), QPoint(-58, 17)},
        {"1366 x 768 at 2x", QRect(0, 0, 683, 384), window, QPoint(-335, 0)},
        {"1024 x 600 netbook", QRect(0, 0, 1024, 576), QSize(1018, 600), QPoint(3, 0)},
        {"800 x 600 on the right of another", QRect(1920, 0, 800, 600), window, QPoint(1702, 65)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.screen);
        const QPoint at = app::placeWindow(c.window, c.area);
        EXPECT_EQ(at, c.expected);
        const QRect placed(at, c.window);
        // The title bar (the window's top edge) is on the screen, and so is
        // the column of the mode buttons, 898 to 1011 px from the left.
        EXPECT_GE(placed.top(), c.area.top());
        EXPECT_GE(at.x() + 898, c.area.left());
        EXPECT_LE(at.x() + 1011, c.area.left() + c.area.width());
    }
}
