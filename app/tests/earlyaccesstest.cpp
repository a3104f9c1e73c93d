// A screen reader that is already listening when the window is built: Qt's
// AT-SPI bridge asks for an object's interface at the object's first event
// (its caption, a child added) and Qt keeps whatever it made then. Runs on a
// virtual X server with a session bus and the accessibility bus of its own
// (see CMakeLists.txt), in a process of its own, so nothing has installed the
// program's accessibility factories before the window does.
#include "app/windowframe.h"
#include "tests/support/formfixture.h"

#include <QAccessible>
#include <QCoreApplication>
#include <QDeadlineTimer>

#include <gtest/gtest.h>

using testing_support::FormRig;

namespace {

QAccessible::Role roleOf(QObject* object)
{
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(object);
    return iface != nullptr ? iface->role() : QAccessible::NoRole;
}

}  // namespace

TEST(ScreenReaderFromTheStart, TheWindowsAndPicturesKeepTheirRoles)
{
    // The bridge turns on once it has reached the accessibility bus.
    QDeadlineTimer deadline(20000);
    while (!QAccessible::isActive() && !deadline.hasExpired()) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    }
    ASSERT_TRUE(QAccessible::isActive()) << "Qt did not reach the accessibility bus";

    FormRig rig;
    Form1& form = *rig.form;
    EXPECT_EQ(roleOf(&form), QAccessible::Window);  // a frame to AT-SPI, not a filler
    EXPECT_EQ(roleOf(form.Picture1), QAccessible::Graphic);
    EXPECT_EQ(roleOf(form.Picture3), QAccessible::Graphic);
    EXPECT_EQ(roleOf(form.kkey(60)), QAccessible::PushButton);

    app::WindowFrame frame(form);
    EXPECT_EQ(roleOf(&frame), QAccessible::Window);
}
