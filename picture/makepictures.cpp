// tavelin-makepictures: draws every picture the program shows and writes them
// into the program's folder, picture/ and tvl.tv, each also drawn at twice the
// size for screens at a 2x scale under the name Qt gives such files
// ("152@2x.jpg", "tvl@2x.tv"). Given an icon folder and a name, it also
// draws the application icon for the hicolor theme: <folder>/<N>x<N>/apps/
// <name>.png at the usual sizes and <folder>/scalable/apps/<name>.svg. Run by
// the build; the output depends on nothing but this code and the fonts, so
// rebuilding gives the same files.
//
//     tavelin-makepictures <program folder> [<icon folder> <icon name>]

#include "picture/artwork.h"
#include "picture/fonts.h"
#include "keyboard/pitch.h"
#include "picture/notepicture.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPainter>
#include <QGuiApplication>
#include <QImageWriter>
#include <QSvgGenerator>
#include <QTemporaryDir>

#include <cstdio>

namespace {

// JPEG quality: high enough that the thin staff lines and the flat colour of
// the name strip keep no visible ringing.
constexpr int jpegQuality = 92;

// Note ranges of the four note-picture sets (MIDI numbers, inclusive): the
// clefs' ranges, which the build reads too to know the files.
constexpr int trebleLowest = keyboard::pitch::trebleRange.lowest;
constexpr int trebleHighest = keyboard::pitch::trebleRange.highest;
constexpr int bassLowest = keyboard::pitch::bassRange.lowest;
constexpr int bassHighest = keyboard::pitch::bassRange.highest;

// Icon sizes of the hicolor theme, in pixels.
constexpr int iconSizes[] = {16, 22, 24, 32, 48, 64, 128, 256};

// "picture/152.jpg" at scale 2 is "picture/152@2x.jpg": the suffix goes before
// the last dot of the file name, as Qt looks for it.
QString scaledName(const QString& relativePath, int scale)
{
    if (scale == 1) {
        return relativePath;
    }
    const int slash = static_cast<int>(relativePath.lastIndexOf(QLatin1Char('/')));
    int dot = static_cast<int>(relativePath.lastIndexOf(QLatin1Char('.')));
    if (dot <= slash) {
        dot = static_cast<int>(relativePath.size());
    }
    return relativePath.left(dot) + QStringLiteral("@%1x").arg(scale) + relativePath.mid(dot);
}

class Writer {
public:
    explicit Writer(const QString& folder) : m_folder(folder) {}

    // format: "jpeg" or "png"; the file name decides nothing (tvl.tv is a JPEG).
    bool save(const QImage& image, const QString& relativePath, const char* format = "jpeg")
    {
        const QString path = QDir(m_folder).filePath(relativePath);
        if (!QDir().mkpath(QFileInfo(path).path())) {
            std::fprintf(stderr, "tavelin-makepictures: cannot create %s\n", qPrintable(QFileInfo(path).path()));
            m_failed = true;
            return false;
        }
        QImageWriter writer(path, format);
        if (qstrcmp(format, "jpeg") == 0) {
            writer.setQuality(jpegQuality);
            writer.setOptimizedWrite(true);
        }
        // JPEG has no alpha channel; the JPEG pictures are all drawn opaque,
        // so the conversion only drops the unused channel.
        const QImage out = qstrcmp(format, "jpeg") == 0 ? image.convertToFormat(QImage::Format_RGB32) : image;
        if (!writer.write(out)) {
            std::fprintf(stderr, "tavelin-makepictures: cannot write %s: %s\n", qPrintable(path),
                         qPrintable(writer.errorString()));
            m_failed = true;
            return false;
        }
        ++m_count;
        return true;
    }

    // The application icon as an SVG file, drawn by the same code as the
    // pixel icons.
    bool saveSvg(const QString& relativePath)
    {
        const QString path = QDir(m_folder).filePath(relativePath);
        if (!QDir().mkpath(QFileInfo(path).path())) {
            m_failed = true;
            return false;
        }
        QSvgGenerator svg;
        svg.setFileName(path);
        svg.setSize(QSize(art::iconSide, art::iconSide));
        svg.setViewBox(QRect(0, 0, art::iconSide, art::iconSide));
        svg.setTitle(QStringLiteral("Tavelin Piano"));
        QPainter painter;
        if (!painter.begin(&svg)) {
            std::fprintf(stderr, "tavelin-makepictures: cannot write %s\n", qPrintable(path));
            m_failed = true;
            return false;
        }
        art::drawIcon(painter);
        painter.end();
        ++m_count;
        return true;
    }

    bool failed() const { return m_failed; }
    int count() const { return m_count; }

private:
    QString m_folder;
    bool m_failed = false;
    int m_count = 0;
};

void writeNotePictures(Writer& out, int scale)
{
    using art::Accidental;
    using art::Clef;
    const QImage paper = art::notepicture::paper(scale);
    struct Set {
        Clef clef;
        Accidental spelling;
        int lowest;
        int highest;
        bool blackOnly;
    };
    // Sharps: every key of the range, white ones plain. Flats: only the black keys.
    const Set sets[] = {
        {Clef::Treble, Accidental::Sharp, trebleLowest, trebleHighest, false},
        {Clef::Treble, Accidental::Flat, trebleLowest, trebleHighest, true},
        {Clef::Bass, Accidental::Sharp, bassLowest, bassHighest, false},
        {Clef::Bass, Accidental::Flat, bassLowest, bassHighest, true},
    };
    for (const Set& set : sets) {
        for (int note = set.lowest; note <= set.highest; ++note) {
            if (set.blackOnly && !art::pitch::isBlackKey(note)) {
                continue;
            }
            out.save(art::notepicture::render(set.clef, note, set.spelling, paper),
                     scaledName(QStringLiteral("picture/") + art::notepicture::fileName(set.clef, set.spelling, note),
                                scale));
        }
    }
}

void writeNamePictures(Writer& out, int scale)
{
    // 536 = do (MIDI 36), 538 = ré, ... 547 = si: the white keys of one octave.
    const int keys[] = {36, 38, 40, 41, 43, 45, 47};
    for (int degree = 0; degree < 7; ++degree) {
        out.save(art::namePicture(art::noteName(degree), false, scale),
                 scaledName(QStringLiteral("picture/5%1.jpg").arg(keys[degree]), scale));
    }
    // "sol" is the widest name; this one leaves it more room beside a sign.
    out.save(art::namePicture(art::noteName(4), true, scale), scaledName(QStringLiteral("picture/543p.jpg"), scale));
    out.save(art::signPicture(art::Accidental::Sharp, scale), scaledName(QStringLiteral("picture/up.jpg"), scale));
    out.save(art::signPicture(art::Accidental::Flat, scale), scaledName(QStringLiteral("picture/down.jpg"), scale));
}

void writePictures(Writer& out, int scale)
{
    writeNotePictures(out, scale);
    writeNamePictures(out, scale);
    out.save(art::startPicture(50, scale), scaledName(QStringLiteral("picture/start50.jpg"), scale));
    out.save(art::endPicture(scale), scaledName(QStringLiteral("picture/end.jpg"), scale));
    out.save(art::welcomePicture(scale), scaledName(QStringLiteral("picture/001s.jpg"), scale));
    out.save(art::logoPicture(scale), scaledName(QStringLiteral("tvl.tv"), scale));
    out.save(art::backgroundPicture(scale), scaledName(QStringLiteral("picture/background.jpg"), scale));
    out.save(art::iconPicture(art::iconSide * scale), scaledName(QStringLiteral("picture/icon.png"), scale), "png");
    out.save(art::nameStripPicture(scale), scaledName(QStringLiteral("picture/namestrip.jpg"), scale));
}

void writeThemeIcons(Writer& out, const QString& name)
{
    for (const int pixels : iconSizes) {
        out.save(art::iconPicture(pixels), QStringLiteral("%1x%1/apps/%2.png").arg(pixels).arg(name), "png");
    }
    out.saveSvg(QStringLiteral("scalable/apps/%1.svg").arg(name));
}

}  // namespace

int main(int argc, char** argv)
{
    // No screen is needed: the pictures are drawn on images.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    // Build machines often run without a login session; a private runtime
    // folder keeps Qt from warning about the missing one in every build log.
    QTemporaryDir runtimeDir;
    if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR") && runtimeDir.isValid()) {
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtimeDir.path()));
    }
    QGuiApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() != 2 && args.size() != 4) {
        std::fprintf(stderr, "usage: tavelin-makepictures <program folder> [<icon folder> <icon name>]\n");
        return 2;
    }
    QString error;
    if (!art::fonts::load(&error)) {
        std::fprintf(stderr, "tavelin-makepictures: %s\n", qPrintable(error));
        return 1;
    }
    const QString& folder = args.at(1);
    if (!QDir().mkpath(QDir(folder).filePath(QStringLiteral("picture")))) {
        std::fprintf(stderr, "tavelin-makepictures: cannot create %s/picture\n", qPrintable(folder));
        return 1;
    }

    Writer out(folder);
    writePictures(out, 1);
    writePictures(out, 2);
    int count = out.count();
    if (args.size() == 4) {
        Writer icons(args.at(2));
        writeThemeIcons(icons, args.at(3));
        count += icons.count();
        if (icons.failed()) {
            return 1;
        }
    }
    if (out.failed()) {
        return 1;
    }
    std::printf("tavelin-makepictures: %d pictures in %s\n", count, qPrintable(QDir(folder).absolutePath()));
    return 0;
}
