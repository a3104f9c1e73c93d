#pragma once

#include <QFont>
#include <QString>

// The typefaces every picture is drawn with: Noto Music (Debian package
// fonts-noto-core) for clefs and note heads, Liberation Serif and Sans
// (fonts-liberation2) for every word of text. They are loaded from the files
// that fontconfig named for these families when the program was configured,
// rather than from whatever the machine's font matching offers, so that the
// pictures come out the same on every build machine.
namespace art::fonts {

// Registers the fonts with the running application. A file that has gone
// since the build (a program moved to another system) is stood in for by the
// same family from the system's fonts. Returns false, with a message naming
// the family and the package that holds it, when neither is there. Safe to
// call more than once.
bool load(QString* error);

// A font of the given family at a pixel size; sizes are pixels because the
// pictures have fixed pixel dimensions.
QFont music(qreal pixelSize);
QFont serif(qreal pixelSize, bool bold = false, bool italic = false);
QFont sans(qreal pixelSize, bool bold = false);

}  // namespace art::fonts
