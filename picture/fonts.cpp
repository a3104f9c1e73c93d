#include "picture/fonts.h"

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

// Adds one font file; the family name it registers, or an empty string.
QString addFont(const QString& path, const char* package, QString* error)
{
    const int id = QFontDatabase::addApplicationFont(path);
    const QStringList names = id < 0 ? QStringList() : QFontDatabase::applicationFontFamilies(id);
    if (names.isEmpty()) {
        if (error != nullptr) {
            *error = QStringLiteral("cannot load the font %1; install the Debian package %2").arg(path, QString::fromLatin1(package));
        }
        return {};
    }
    return names.first();
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
    const QString folder = QString::fromLatin1(fontFolder);
    f.music = addFont(QString::fromLatin1(musicFile), "fonts-noto-core", error);
    if (f.music.isEmpty()) {
        return false;
    }
    const char* liberation = "fonts-liberation2";
    const char* serifFiles[] = {"LiberationSerif-Regular.ttf", "LiberationSerif-Bold.ttf", "LiberationSerif-Italic.ttf",
                                "LiberationSerif-BoldItalic.ttf"};
    for (const char* file : serifFiles) {
        f.serif = addFont(folder + QString::fromLatin1(file), liberation, error);
        if (f.serif.isEmpty()) {
            return false;
        }
    }
    const char* sansFiles[] = {"LiberationSans-Regular.ttf", "LiberationSans-Bold.ttf"};
    for (const char* file : sansFiles) {
        f.sans = addFont(folder + QString::fromLatin1(file), liberation, error);
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
