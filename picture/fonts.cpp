#include "picture/fonts.h"

#include "platform/messages.h"
#include "picture/fontfiles.h"

#include <QFileInfo>
#include <QFontDatabase>
#include <QStringList>

namespace art::fonts {

namespace {

struct Families {
    QString music;
    QString serif;
    QString sans;
    bool loaded = false;
};

Families& families()
{
    static Families f;
    return f;
}

// Adds one font file; the family name it registers, or, when the file is
// gone, family itself if the system has it; an empty string otherwise.
QString addFont(const char* file, const char* family, const char* package, QString* error)
{
    const QString path = QString::fromUtf8(file);
    const int id = QFileInfo::exists(path) ? QFontDatabase::addApplicationFont(path) : -1;
    const QStringList names = id < 0 ? QStringList() : QFontDatabase::applicationFontFamilies(id);
    if (!names.isEmpty()) {
        return names.first();
    }
    QString name = QString::fromLatin1(family);
    if (QFontDatabase::hasFamily(name)) {
        return name;
    }
    if (error != nullptr) {
        *error = platform::messageText(
                     QT_TRANSLATE_NOOP("Messages", "cannot load the font %1 (%2); install the Debian package %3"))
                     .arg(name, path, QString::fromLatin1(package));
    }
    return {};
}

QFont makeFont(const QString& family, qreal pixelSize)
{
    QFont font(family);
    font.setPixelSize(qMax(1, qRound(pixelSize)));
    // Glyph outlines are placed at fractional positions; hinting would pull
    // them onto the pixel grid and bend the engraved shapes.
    font.setHintingPreference(QFont::PreferNoHinting);
    font.setStyleStrategy(QFont::PreferAntialias);
    return font;
}

}  // namespace

bool load(QString* error)
{
    Families& f = families();
    if (f.loaded) {
        return true;
    }
    f.music = addFont(files::music, "Noto Music", "fonts-noto-core", error);
    if (f.music.isEmpty()) {
        return false;
    }
    const char* liberation = "fonts-liberation2";
    for (const char* file : {files::serif, files::serifBold, files::serifItalic, files::serifBoldItalic}) {
        f.serif = addFont(file, "Liberation Serif", liberation, error);
        if (f.serif.isEmpty()) {
            return false;
        }
    }
    for (const char* file : {files::sans, files::sansBold}) {
        f.sans = addFont(file, "Liberation Sans", liberation, error);
        if (f.sans.isEmpty()) {
            return false;
        }
    }
    f.loaded = true;
    return true;
}

QFont music(qreal pixelSize)
{
    return makeFont(families().music, pixelSize);
}

QFont serif(qreal pixelSize, bool bold, bool italic)
{
    QFont font = makeFont(families().serif, pixelSize);
    font.setBold(bold);
    font.setItalic(italic);
    return font;
}

QFont sans(qreal pixelSize, bool bold)
{
    QFont font = makeFont(families().sans, pixelSize);
    font.setBold(bold);
    return font;
}

}  // namespace art::fonts
