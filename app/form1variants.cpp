// The note tick of the variants: by ear (the note sounds first and is drawn
// on the staff once answered or missed) and in a key (notes of the key under
// its signature, drawn by the program). The drill's tick is Timer1_Timer's.
#include "app/form1.h"

#include "exercise/picturenames.h"

#include <QCoreApplication>

namespace {

using keyboard::pitch::Accidental;
using keyboard::pitch::KeySignature;
using keyboard::pitch::StaffClef;

}  // namespace

void Form1::setVariants(const exercise::Variant& fixed, std::function<exercise::Variant()> atStart)
{
    m_variantSetting = fixed;
    m_variantAtStart = std::move(atStart);
}

// The next note of the run, and how it is shown once it may be seen.
Form1::Reveal Form1::nextVariantNote(exercise::NoteChoice& choice)
{
    const bool inKey = m_variant.kind == exercise::VariantKind::Key;
    Reveal shown;
    shown.key = inKey ? m_variantNotes.key() : KeySignature();
    if (inKey) {
        const exercise::VariantNote next = m_variantNotes.next();
        shown.clef = next.clef;
        choice = {next.note,
                  exercise::writtenPrefix(shown.clef, shown.key.spelling(next.note).value_or(Accidental::None))};
        shown.picture = m_variantPictures.note(shown.clef, shown.key, next.note);
    } else {
        choice = m_notes.choose(mode);
    }
    // How the note is written, as its record will say.
    const exercise::Written written =
        exercise::writtenFromPrefix(choice.prefix, choice.note).value_or(exercise::Written{});
    const std::string folder = m_folder.toStdString();
    if (!inKey) {
        shown.clef = keyboard::pitch::staffClef(written.clef);
        shown.path = QString::fromStdString(exercise::notePicturePath(folder, choice.prefix, choice.note));
    }
    shown.namePath = QString::fromStdString(exercise::namePicture(folder, choice.prefix, choice.note).path);
    shown.ownName = m_languagePictures.blackKeyName(choice.note, written.accidental);
    return shown;
}

void Form1::variantTick(std::uint32_t run)
{
    const bool byEar = m_variant.kind == exercise::VariantKind::Ear;
    exercise::NoteChoice choice;
    Reveal shown = nextVariantNote(choice);
    const bool sounded = exercise::soundsFirst(m_variant, Check1->isChecked());
    m_exercise.show(choice, sounded, m_time.now());
    curnote = m_exercise.note();

    Picture7->setVisible(true);
    if (byEar) {
        // The staff without its note, then the note heard: the pupil finds
        // its place by ear, and sees it once answered or missed.
        Picture1->setPicture(m_variantPictures.staff(shown.clef, shown.key), QString());
        describeVariantPanel(shown.clef, shown.key, true);
    }
    if (sounded) {
        play1(curnote);
        if (run != m_run || !Timer1->isEnabled() || closing()) {
            Picture7->setVisible(false);
            return;  // stopped during the sound, as the drill's tick
        }
    }
    shown.pending = true;
    m_reveal = shown;
    if (byEar) {
        m_exercise.drawn(m_time.now());  // put before the pupil: heard; the name stays covered until shown
    } else {
        reveal();
        if (Picture1->hasPicture()) {
            m_exercise.drawn(m_time.now());
        } else {
            m_exercise.unshown(m_time.now());
        }
    }
    notecount = static_cast<std::int16_t>(m_exercise.count());
    setCaption(Label3, tr("Note : %1").arg(notecount));
}

void Form1::reveal()
{
    if (!m_reveal.pending) {
        return;
    }
    m_reveal.pending = false;
    if (!m_reveal.picture.isNull()) {
        Picture1->setPicture(m_reveal.picture, QString());
        describeVariantPanel(m_reveal.clef, m_reveal.key, false);
    } else {
        loadInto(Picture1, m_reveal.path);
    }
    if (m_reveal.ownName) {
        Picture2->setPicture(m_reveal.ownName->name, m_reveal.namePath);
    } else {
        loadInto(Picture2, m_reveal.namePath);
    }
    Picture7->setVisible(false);
}

void Form1::describeVariantPanel(StaffClef clef, KeySignature key, bool heard)
{
    // The clef and the signature, never the note.
    const bool treble = clef == StaffClef::Treble;
    const char* text = nullptr;
    if (heard) {
        text = treble ? QT_TRANSLATE_NOOP("NotePanel", "Portée en clef de sol : écoutez la note")
                      : QT_TRANSLATE_NOOP("NotePanel", "Portée en clef de fa : écoutez la note");
    } else if (key.sign() == Accidental::Sharp) {
        text = treble ? QT_TRANSLATE_N_NOOP("NotePanel", "Note sur la portée : clef de sol, armure de %n dièse(s)")
                      : QT_TRANSLATE_N_NOOP("NotePanel", "Note sur la portée : clef de fa, armure de %n dièse(s)");
    } else if (key.sign() == Accidental::Flat) {
        text = treble ? QT_TRANSLATE_N_NOOP("NotePanel", "Note sur la portée : clef de sol, armure de %n bémol(s)")
                      : QT_TRANSLATE_N_NOOP("NotePanel", "Note sur la portée : clef de fa, armure de %n bémol(s)");
    } else {
        text = treble ? QT_TRANSLATE_NOOP("NotePanel", "Note sur la portée : clef de sol, sans armure")
                      : QT_TRANSLATE_NOOP("NotePanel", "Note sur la portée : clef de fa, sans armure");
    }
    QString said = QCoreApplication::translate("NotePanel", text, nullptr, key.count());
    if (said == QString::fromUtf8(text).replace(QStringLiteral("%n"), QString::number(key.count()))) {
        said.replace(QStringLiteral("(s)"), key.count() > 1 ? QStringLiteral("s") : QString());
    }
    Picture1->setAccessibleDescription(said);
}
