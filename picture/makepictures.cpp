// tavelin-makepictures: draws every picture the program shows and writes them
// into the program's folder, picture/ and tvl.tv. Run by the build; the output
// depends on nothing but this code and the Debian fonts, so rebuilding gives
// the same files.
//
//     tavelin-makepictures <program folder>

#include "picture/artwork.h"
#include "picture/fonts.h"
#include "picture/notepicture.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImageWriter>
#include <QTemporaryDir>

#include <cstdio>

namespace {

// JPEG quality: high enough that the thin staff lines and the flat colour of
// the name strip keep no visible ringing.
constexpr int jpegQuality = 92;

// Note ranges of the four note-picture sets (MIDI numbers, inclusive).
constexpr int trebleLowest = 52;   // E3
constexpr int trebleHighest = 89;  // F6
constexpr int bassLowest = 36;     // C2
constexpr int bassHighest = 69;    // A4

class Writer {
public:
    explicit Writer(const QString& folder) : m_folder(folder) {}

    // format: "jpeg" or "png"; the file name decides nothing (tvl.tv is a JPEG).
    bool save(const QImage& image, const QString& relativePath, const char* format = "jpeg")
    {
        const QString path = QDir(m_folder).filePath(relativePath);
        QImageWriter writer(path, format);
        if (qstrcmp(format, "jpeg") == 0) {
            writer.setQuality(jpegQuality);
            writer.setOptimizedWrite(true);
        }
        // JPEG has no alpha channel; the JPEG pictures are all drawn opaque,
        // so the conversion only drops the unused channel.
        const QImage out = qstrcmp(format, "jpeg") == 0 ? image.convertToFormat(QImage::Format_RGB32) : image;
        if (!writer.write(out)) {
            std::fprintf(stderr, "tavelin-makepictures: cannot write %s: %s\n", qPrintable(path), qPrintable(writer.errorString()));
            m_failed = true;
            return false;
        }
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

void writeNotePictures(Writer& out)
{
    using art::Accidental;
    using art::Clef;
    const QImage paper = art::notepicture::paper();
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
                     QStringLiteral("picture/") + art::notepicture::fileName(set.clef, set.spelling, note));
        }
    }
}

void writeNamePictures(Writer& out)
{
    // 536 = do (MIDI 36), 538 = ré, ... 547 = si: the white keys of one octave.
    const int keys[] = {36, 38, 40, 41, 43, 45, 47};
    for (int degree = 0; degree < 7; ++degree) {
        out.save(art::namePicture(art::noteName(degree), false), QStringLiteral("picture/5%1.jpg").arg(keys[degree]));
    }
    // "sol" is the widest name; this one leaves it more room beside a sign.
    out.save(art::namePicture(art::noteName(4), true), QStringLiteral("picture/543p.jpg"));
    out.save(art::signPicture(art::Accidental::Sharp), QStringLiteral("picture/up.jpg"));
    out.save(art::signPicture(art::Accidental::Flat), QStringLiteral("picture/down.jpg"));
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
    if (args.size() != 2) {
        std::fprintf(stderr, "usage: tavelin-makepictures <program folder>\n");
        return 2;
    }
    QString error;
    if (!art::fonts::load(&error)) {
        std::fprintf(stderr, "tavelin-makepictures: %s\n", qPrintable(error));
        return 1;
    }
    const QString folder = args.at(1);
    if (!QDir().mkpath(QDir(folder).filePath(QStringLiteral("picture")))) {
        std::fprintf(stderr, "tavelin-makepictures: cannot create %s/picture\n", qPrintable(folder));
        return 1;
    }

    Writer out(folder);
    writeNotePictures(out);
    writeNamePictures(out);
    out.save(art::startPicture(50), QStringLiteral("picture/start50.jpg"));
    out.save(art::endPicture(), QStringLiteral("picture/end.jpg"));
    out.save(art::welcomePicture(), QStringLiteral("picture/001s.jpg"));
    out.save(art::logoPicture(), QStringLiteral("tvl.tv"));
    out.save(art::backgroundPicture(), QStringLiteral("picture/background.jpg"));
    out.save(art::iconPicture(), QStringLiteral("picture/icon.png"), "png");
    out.save(art::nameStripPicture(), QStringLiteral("picture/namestrip.jpg"));
    if (out.failed()) {
        return 1;
    }
    std::printf("tavelin-makepictures: %d pictures in %s\n", out.count(), qPrintable(QDir(folder).absolutePath()));
    return 0;
}
