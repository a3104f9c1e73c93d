#pragma once

#include <QFont>
#include <QString>

// The typefaces every picture is drawn with, loaded from the Debian font
// packages rather than from whatever the machine happens to offer, so that the
// pictures come out the same on every build machine.
namespace art::fonts {

// Noto Music (fonts-noto-core): clefs, note heads. Liberation (fonts-liberation2):
// every word of text.
constexpr const char* musicFile = "/usr/share/fonts/truetype/noto/NotoMusic-Regular.ttf";
constexpr const char* fontFolder = "/usr/share/fonts/truetype/liberation2/";

// Registers the fonts with the running application. Returns false, with a
// message naming the missing file and the package that holds it, when one
// cannot be loaded. Safe to call more than once.
bool load(QString* error);

// A font of the given family at a pixel size; sizes are pixels because the
// pictures have fixed pixel dimensions.
QFont music(qreal pixelSize);
QFont serif(qreal pixelSize, bool bold = false, bool italic = false);
QFont sans(qreal pixelSize, bool bold = false);

}  // namespace art::fonts
