#include "app/windowplacement.h"

namespace app {

QPoint placeWindow(QSize window, QRect area)
{
    const int x = window.width() <= area.width() ? area.left() + (area.width() - window.width()) / 2
                                                 : area.left() + area.width() - window.width();
    const int y = window.height() <= area.height() ? area.top() + (area.height() - window.height()) / 2 : area.top();
    return {x, y};
}

}  // namespace app
