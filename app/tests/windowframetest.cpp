#include "app/windowframe.h"
#include "tests/support/formfixture.h"

#include <QAccessible>
#include <QCoreApplication>
#include <QLayout>
#include <QTest>

#include <gtest/gtest.h>

using testing_support::FormRig;

namespace {

// The frame's size follows the window's once its layout has run (posted,
// as a window system's resize would be).
void settle(app::WindowFrame& frame)
{
    QCoreApplication::processEvents();
    frame.layout()->activate();
}

std::vector<QAbstractButton*> titleButtons(const app::WindowFrame& frame)
{
    std::vector<QAbstractButton*> out;
    for (QAbstractButton* b : frame.findChildren<QAbstractButton*>(Qt::FindDirectChildrenOnly)) {
        out.push_back(b);
    }
    return out;
}

}  // namespace

TEST(WindowFrame, OnlyWaylandGetsTheProgramsOwnFrame)
{
    const struct {
        const char* platform;
        bool own;
    } rows[] = {{"wayland", true}, {"wayland-egl", true}, {"xcb", false}, {"offscreen", false}, {"", false}};
    for (const auto& row : rows) {
        EXPECT_EQ(app::needsOwnFrame(QString::fromLatin1(row.platform)), row.own) << row.platform;
    }
}

TEST(WindowFrame, HoldsTheWindowAtItsFixedSizeUnderATitleBarWithNoMaximiseButton)
{
    FormRig rig;
    Form1& form = *rig.form;
    const QSize client = form.size();
    app::WindowFrame frame(form);
    frame.show();
    settle(frame);

    EXPECT_EQ(form.window(), &frame);  // the computer keyboard's filter looks for this window
    EXPECT_EQ(frame.windowTitle(), QStringLiteral("Tavelin Piano 3.03"));
    EXPECT_FALSE(frame.windowIcon().isNull());
    EXPECT_TRUE(frame.windowFlags() & Qt::FramelessWindowHint);
    EXPECT_FALSE(frame.windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_EQ(form.pos(), QPoint(app::WindowFrame::borderPx, app::WindowFrame::titleBarPx));
    EXPECT_EQ(form.size(), client);
    EXPECT_EQ(frame.size(), client + QSize(2 * app::WindowFrame::borderPx,
                                           app::WindowFrame::titleBarPx + app::WindowFrame::borderPx));
    EXPECT_EQ(frame.minimumSize(), frame.maximumSize());  // fixed: nothing to maximise to

    // Two buttons, minimise then close, in the bar at its right end; their
    // names are what a screen reader says.
    const std::vector<QAbstractButton*> buttons = titleButtons(frame);
    ASSERT_EQ(buttons.size(), 2U);
    QStringList names;
    for (const QAbstractButton* b : buttons) {
        names << b->accessibleName();
        EXPECT_TRUE(QRect(0, 0, frame.width(), app::WindowFrame::titleBarPx).contains(b->geometry()))
            << b->accessibleName().toStdString();
        EXPECT_GT(b->x(), frame.width() * 9 / 10) << b->accessibleName().toStdString();
        EXPECT_EQ(b->focusPolicy(), Qt::NoFocus);
    }
    EXPECT_EQ(names, (QStringList{QStringLiteral("Réduire"), QStringLiteral("Fermer")}));
    EXPECT_LT(buttons[0]->x(), buttons[1]->x());

    // To a screen reader the frame is the window, named by its title, and
    // the window inside a pane of it.
    QAccessibleInterface* outer = QAccessible::queryAccessibleInterface(&frame);
    ASSERT_NE(outer, nullptr);
    EXPECT_EQ(outer->role(), QAccessible::Window);
    EXPECT_EQ(outer->text(QAccessible::Name), QStringLiteral("Tavelin Piano 3.03"));
    QAccessibleInterface* inner = QAccessible::queryAccessibleInterface(&form);
    ASSERT_NE(inner, nullptr);
    EXPECT_NE(inner->role(), QAccessible::Window);
    EXPECT_EQ(inner->parent(), outer);
}

TEST(WindowFrame, FollowsTheWindowsHeightBothWays)
{
    FormRig rig;
    Form1& form = *rig.form;
    app::WindowFrame frame(form);
    frame.show();
    settle(frame);
    const int outside = frame.height() - form.height();
    const int before = form.height();
    // The reading help grows the window by 52 px, in steps, and back.
    form.setHeightTwips(form.heightTwips() + 780);
    settle(frame);
    EXPECT_EQ(form.height(), before + 52);
    EXPECT_EQ(frame.height(), before + 52 + outside);
    EXPECT_EQ(frame.minimumSize(), frame.maximumSize());
    form.setHeightTwips(form.heightTwips() - 780);
    settle(frame);
    EXPECT_EQ(frame.height(), before + outside);
}

TEST(WindowFrame, ItsCloseButtonClosesTheWindowInsideFirst)
{
    FormRig rig;
    Form1& form = *rig.form;
    auto frame = std::make_unique<app::WindowFrame>(form);
    frame->show();
    settle(*frame);
    ASSERT_FALSE(form.closing());
    QAbstractButton* close = titleButtons(*frame).at(1);
    QTest::mouseClick(close, Qt::LeftButton);
    EXPECT_TRUE(form.closing());  // Form_Unload ran: the device is closed, waits return
    EXPECT_FALSE(frame->isVisible());
    // The frame gives the window back to its owner, which destroys it.
    frame.reset();
    EXPECT_EQ(form.parentWidget(), nullptr);
}
