// tavelin-keyboardmap: draws the map of the computer keyboard's piano keys,
// as the program plays them, for the manual (docs/).
//
//   tavelin-keyboardmap [file.png]     (default: docs/keyboard-map.png)
//
// Exit status 0 when written, 1 when the file could not be written.

#include "keyboard/keymappicture.h"

#include <QGuiApplication>
#include <QImage>

#include <cstdio>

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");  // no window: the fonts are all it needs
    }
    QGuiApplication app(argc, argv);
    const QString file = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("docs/keyboard-map.png");
    if (!keyboard::drawKeyboardMap().save(file, "PNG")) {
        std::fprintf(stderr, "tavelin-keyboardmap: cannot write %s\n", file.toLocal8Bit().constData());
        return 1;
    }
    return 0;
}
