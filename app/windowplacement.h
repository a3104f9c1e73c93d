#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

namespace app {

// Where the window's top left corner goes on a screen whose free area (the
// screen less its panels) is area, for a window of the given outer size:
// centred, as designed, when it fits. One that is wider than the area is put
// against its right edge, so that the mode buttons and the title bar's
// buttons stay on the screen and only the lowest keys are cut; one that is
// taller is put against its top, so that the title bar stays on the screen
// and the window can still be moved.
QPoint placeWindow(QSize window, QRect area);

}  // namespace app
