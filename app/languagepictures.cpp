#include "app/languagepictures.h"

#include "picture/fonts.h"
#include "picture/notepicture.h"

#include <QCoreApplication>
#include <QRegularExpression>

namespace app {

namespace {

QString fromUtf8(const std::string& text)
{
    return QString::fromStdString(text);
}

}  // namespace

const keyboard::naming::Naming& noteNaming()
{
    //: The code of this translation's language ("de", "pt"): it chooses how
    //: notes are named (keyboard/notenaming.cpp).
    return keyboard::naming::namingFor(QCoreApplication::translate("NoteNames", "fr").toStdString());
}

art::PanelWords panelWords()
{
    art::PanelWords w;
    w.notes = QCoreApplication::translate("Pictures", "notes", "under the number of notes of an exercise");
    w.ready = QCoreApplication::translate("Pictures", "Prêt\u202F?");
    w.firstNote = QCoreApplication::translate("Pictures", "La première note arrive…");
    w.done = QCoreApplication::translate("Pictures", "Exercice terminé");
    w.bravo = QCoreApplication::translate("Pictures", "Bravo\u202F!");
    w.welcome = QCoreApplication::translate("Pictures", "Bienvenue");
    w.choose = QCoreApplication::translate("Pictures", "Choisissez un exercice");
    w.right = QCoreApplication::translate("Pictures", "à droite \u2192", "the exercise buttons are to the right");
    return w;
}

LanguagePictures::LanguagePictures(const keyboard::naming::Naming& naming, int scale) : m_naming(naming), m_scale(scale)
{
    if (naming.language == keyboard::naming::namingFor("fr").language) {
        return;
    }
    m_french = false;
    // The faces the picture files were drawn with; without them (a font
    // package gone) the pictures are drawn with the nearest the system has.
    QString missing;
    art::fonts::load(&missing);
    const art::PanelWords words = panelWords();
    m_drawn.insert(QStringLiteral("background.jpg"),
                   QPixmap::fromImage(art::backgroundPicture(
                       scale, QCoreApplication::translate("Pictures", "lecture de notes au clavier",
                                                          "the tagline under the program's name"))));
    m_drawn.insert(QStringLiteral("start50.jpg"), QPixmap::fromImage(art::startPicture(50, scale, words)));
    m_drawn.insert(QStringLiteral("end.jpg"), QPixmap::fromImage(art::endPicture(scale, words)));
    m_drawn.insert(QStringLiteral("001s.jpg"), QPixmap::fromImage(art::welcomePicture(scale, words)));
    QStringList names;
    for (const int pitchClass : keyboard::pitch::letterPitchClasses) {
        // The name pictures are numbered like the lowest octave's keys (536 is C).
        const int key = 36 + pitchClass;
        const QString name = fromUtf8(keyboard::naming::pitchName(key, keyboard::pitch::Accidental::None, naming));
        names << name;
        m_drawn.insert(QStringLiteral("5%1.jpg").arg(key), QPixmap::fromImage(art::namePicture(name, false, scale)));
        m_drawn.insert(QStringLiteral("5%1p.jpg").arg(key), QPixmap::fromImage(art::namePicture(name, true, scale)));
    }
    m_drawn.insert(QStringLiteral("namestrip.jpg"), QPixmap::fromImage(art::nameStripPicture(scale, names)));
}

std::optional<QPixmap> LanguagePictures::instead(const QString& fileName) const
{
    if (m_french) {
        return std::nullopt;
    }
    const auto found = m_drawn.constFind(fileName);
    return found == m_drawn.constEnd() ? notePicture(fileName) : std::optional<QPixmap>(*found);
}

// "152.jpg": a note picture, as picture/notepicture names them, with the
// question along its foot in the window's language.
std::optional<QPixmap> LanguagePictures::notePicture(const QString& fileName) const
{
    if (const auto found = m_notes.constFind(fileName); found != m_notes.constEnd()) {
        return *found;
    }
    static const QRegularExpression name(QStringLiteral("^([1-4])(\\d+)\\.jpg$"));
    const QRegularExpressionMatch m = name.match(fileName);
    const auto writing = m.hasMatch() ? keyboard::pitch::writingOfPrefix(m.captured(1).toStdString()) : std::nullopt;
    const int note = m.hasMatch() ? m.captured(2).toInt() : -1;
    if (!writing || note < 0 || note > 127) {
        return std::nullopt;
    }
    if (m_paper.isNull()) {
        m_paper = art::notepicture::paper(m_scale);
    }
    const QPixmap drawn = QPixmap::fromImage(art::notepicture::render(
        writing->clef, note, writing->preferred, m_paper,
        QCoreApplication::translate("Pictures", "Quelle est cette note\u202F?", "along the foot of every note")));
    m_notes.insert(fileName, drawn);
    return drawn;
}

std::optional<LanguagePictures::BlackKeyName> LanguagePictures::blackKeyName(
    int note, keyboard::pitch::Accidental accidental) const
{
    if (keyboard::naming::signBesideName(m_naming) || !keyboard::pitch::isBlackKey(note) ||
        accidental == keyboard::pitch::Accidental::None) {
        return std::nullopt;
    }
    const QString name = fromUtf8(keyboard::naming::pitchName(note, accidental, m_naming));
    return BlackKeyName{QPixmap::fromImage(art::namePicture(name, false, m_scale)),
                        QPixmap::fromImage(art::signPicture(keyboard::pitch::Accidental::None, m_scale))};
}

}  // namespace app
