#include "app/variantpictures.h"

#include "picture/notepicture.h"

#include <QCoreApplication>

namespace app {

namespace {

QString question()
{
    return QCoreApplication::translate("Pictures", "Quelle est cette note\u202F?", "along the foot of every note");
}

}  // namespace

const QImage& VariantPictures::paper()
{
    if (m_paper.isNull()) {
        m_paper = art::notepicture::paper(m_scale);
    }
    return m_paper;
}

QPixmap VariantPictures::note(keyboard::pitch::StaffClef clef, keyboard::pitch::KeySignature key, int midiNote)
{
    const QString id = QStringLiteral("n%1/%2/%3").arg(static_cast<int>(clef)).arg(key.fifths()).arg(midiNote);
    if (const auto it = m_drawn.constFind(id); it != m_drawn.constEnd()) {
        return *it;
    }
    const QImage image = art::notepicture::renderInKey(clef, key, midiNote, paper(), question());
    return *m_drawn.insert(id, image.isNull() ? QPixmap() : QPixmap::fromImage(image));
}

QPixmap VariantPictures::written(keyboard::pitch::StaffClef clef, int midiNote, keyboard::pitch::Accidental spelling)
{
    const QString id =
        QStringLiteral("w%1/%2/%3").arg(static_cast<int>(clef)).arg(static_cast<int>(spelling)).arg(midiNote);
    if (const auto it = m_drawn.constFind(id); it != m_drawn.constEnd()) {
        return *it;
    }
    return *m_drawn.insert(
        id, QPixmap::fromImage(art::notepicture::renderInClef(clef, midiNote, spelling, paper(), question())));
}

QPixmap VariantPictures::phrase(keyboard::pitch::StaffClef clef, keyboard::pitch::KeySignature key,
                                const std::vector<int>& notes, int current)
{
    // Drawn anew at every key: each phrase is new, and the marker moves.
    const QImage image = art::notepicture::renderPhrase(
        clef, key, notes, current, paper(),
        QCoreApplication::translate("Pictures", "Jouez-les…", "along the foot of a phrase: play the notes in order"));
    return image.isNull() ? QPixmap() : QPixmap::fromImage(image);
}

QPixmap VariantPictures::staff(keyboard::pitch::StaffClef clef, keyboard::pitch::KeySignature key)
{
    const QString id = QStringLiteral("s%1/%2").arg(static_cast<int>(clef)).arg(key.fifths());
    if (const auto it = m_drawn.constFind(id); it != m_drawn.constEnd()) {
        return *it;
    }
    const QImage image = art::notepicture::renderStaff(
        clef, key, paper(),
        QCoreApplication::translate("Pictures", "Écoutez…", "along the foot of the staff while a note is heard"));
    return *m_drawn.insert(id, QPixmap::fromImage(image));
}

}  // namespace app
