// The note tick of the variants: by ear (the note sounds first and is drawn
// on the staff once answered or missed), in a key (notes of the key under
// its signature), in the C clefs, and in phrases (several notes side by
// side, played in order), each drawn by the program. The drill's tick is
// Timer1_Timer's.
#include "app/form1.h"

#include "exercise/picturenames.h"

#include <QCoreApplication>

namespace {

using keyboard::pitch::Accidental;
using keyboard::pitch::KeySignature;
using keyboard::pitch::StaffClef;

// A counted text of the note panel; without a translation, the French
// source's "(s)" read for the count.
QString countedPanelText(const char* text, int n)
{
    QString said = QCoreApplication::translate("NotePanel", text, nullptr, n);
    if (said == QString::fromUtf8(text).replace(QStringLiteral("%n"), QString::number(n))) {
        said.replace(QStringLiteral("(s)"), n > 1 ? QStringLiteral("s") : QString());
    }
    return said;
}

QString clefWords(StaffClef clef)
{
    const char* text = nullptr;
    switch (clef) {
    case StaffClef::Treble:
        text = QT_TRANSLATE_NOOP("NotePanel", "clef de sol");
        break;
    case StaffClef::Bass:
        text = QT_TRANSLATE_NOOP("NotePanel", "clef de fa");
        break;
    case StaffClef::Alto:
        text = QT_TRANSLATE_NOOP("NotePanel", "clef d'ut 3e ligne");
        break;
    case StaffClef::Tenor:
        text = QT_TRANSLATE_NOOP("NotePanel", "clef d'ut 4e ligne");
        break;
    }
    return QCoreApplication::translate("NotePanel", text);
}

QString signatureWords(KeySignature key)
{
    if (key.sign() == Accidental::Sharp) {
        return countedPanelText(QT_TRANSLATE_N_NOOP("NotePanel", "armure de %n dièse(s)"), key.count());
    }
    if (key.sign() == Accidental::Flat) {
        return countedPanelText(QT_TRANSLATE_N_NOOP("NotePanel", "armure de %n bémol(s)"), key.count());
    }
    return QCoreApplication::translate("NotePanel", "sans armure");
}

std::vector<int> notesOf(const std::vector<exercise::NoteChoice>& choices)
{
    std::vector<int> notes;
    notes.reserve(choices.size());
    for (const exercise::NoteChoice& c : choices) {
        notes.push_back(c.note);
    }
    return notes;
}

}  // namespace

void Form1::setVariants(const exercise::Variant& fixed, std::function<exercise::Variant()> atStart)
{
    m_variantSetting = fixed;
    m_variantAtStart = std::move(atStart);
}

// The name panel's picture of a note, and its own name where the
// language has one for a black key.
void Form1::nameOf(const exercise::NoteChoice& choice, Reveal& shown) const
{
    const exercise::Written written =
        exercise::writtenFromPrefix(choice.prefix, choice.note).value_or(exercise::Written{});
    shown.name = exercise::namePicture(m_folder.toStdString(), choice.prefix, choice.note);
    shown.ownName = m_languagePictures.blackKeyName(choice.note, written.accidental);
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
        choice = exercise::choiceIn(shown.clef, next.note, shown.key.spelling(next.note).value_or(Accidental::None));
        shown.picture = m_variantPictures.note(shown.clef, shown.key, next.note);
    } else {
        choice = m_notes.choose(mode);
        // How the drill writes it, or in a C clef that carries it.
        const exercise::Written written =
            exercise::writtenFromPrefix(choice.prefix, choice.note).value_or(exercise::Written{});
        shown.clef = m_variantNotes.clefOf(choice.note, keyboard::pitch::staffClef(written.clef));
        if (keyboard::pitch::isCClef(shown.clef)) {
            choice.cClef = shown.clef;
            shown.picture = m_variantPictures.written(shown.clef, choice.note, written.accidental);
        } else {
            shown.path =
                QString::fromStdString(exercise::notePicturePath(m_folder.toStdString(), choice.prefix, choice.note));
        }
    }
    nameOf(choice, shown);
    return shown;
}

void Form1::variantTick(std::uint32_t run)
{
    if (m_variant.kind == exercise::VariantKind::Phrase) {
        phraseTick(run);
        return;
    }
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
        describeVariantPanel(shown.clef, shown.key, 0);
    }
    if (sounded) {
        play1(curnote);
        if (tickCut(run)) {
            Picture7->setVisible(false);
            return;  // stopped during the sound, as the drill's tick
        }
    }
    shown.pending = true;
    m_reveal = shown;
    if (!byEar) {
        reveal();
    }
    // By ear, put before the pupil as heard, over the bare staff; the name
    // stays covered until shown.
    notePutUp();
}

void Form1::phraseTick(std::uint32_t run)
{
    // The run's last phrase holds what is left of its notes.
    const int count = std::min(m_variant.phraseNotes, m_exercise.maxnotes() - m_exercise.count());
    const exercise::VariantChooser::Phrase phrase = m_variantNotes.nextPhrase(count);
    m_phrase = {};
    m_phrase.clef = phrase.clef;
    m_phrase.key = m_variantNotes.key();
    for (const std::int16_t note : phrase.notes) {
        m_phrase.choices.push_back(
            exercise::choiceIn(phrase.clef, note, m_phrase.key.spelling(note).value_or(Accidental::None)));
    }
    const bool sounded = Check1->isChecked();
    m_exercise.showPhrase(m_phrase.choices, sounded, m_time.now());
    curnote = m_exercise.note();

    Picture7->setVisible(true);
    if (sounded) {
        // The phrase as it is to be played, before it is seen.
        for (const exercise::NoteChoice& c : m_phrase.choices) {
            play1(c.note);
            if (tickCut(run)) {
                Picture7->setVisible(false);
                return;
            }
        }
    }
    showPhrase();
    Picture7->setVisible(false);
    notePutUp();
}

void Form1::showPhrase()
{
    const int at = m_exercise.phraseAt();
    Picture1->setPicture(m_variantPictures.phrase(m_phrase.clef, m_phrase.key, notesOf(m_phrase.choices), at),
                         QString());
    describeVariantPanel(m_phrase.clef, m_phrase.key, static_cast<int>(m_phrase.choices.size()));
    if (at < 0 || at >= static_cast<int>(m_phrase.choices.size())) {
        return;  // every note played: the names stay on the last
    }
    // The name panel names the note that waits.
    Reveal name;
    nameOf(m_phrase.choices[static_cast<std::size_t>(at)], name);
    showName(name);
}

void Form1::phraseAnswered()
{
    if (m_variant.kind != exercise::VariantKind::Phrase || m_phrase.choices.empty()) {
        return;
    }
    curnote = m_exercise.note();
    showPhrase();
}

void Form1::reveal()
{
    if (!m_reveal.pending) {
        return;
    }
    m_reveal.pending = false;
    if (!m_reveal.picture.isNull()) {
        Picture1->setPicture(m_reveal.picture, QString());
        describeVariantPanel(m_reveal.clef, m_reveal.key, 1);
    } else {
        loadInto(Picture1, m_reveal.path);
    }
    showName(m_reveal);
    Picture7->setVisible(false);
}

void Form1::showName(const Reveal& shown)
{
    showSign(shown.name, shown.ownName ? &shown.ownName->sign : nullptr);
    const QString path = QString::fromStdString(shown.name.path);
    if (shown.ownName) {
        Picture2->setPicture(shown.ownName->name, path);
    } else {
        loadInto(Picture2, path);
    }
}

void Form1::describeVariantPanel(StaffClef clef, KeySignature key, int notes)
{
    // The clef, the signature and how many notes, never the notes.
    QString said;
    if (notes == 0) {
        said = QCoreApplication::translate("NotePanel", "Portée en %1 : écoutez la note").arg(clefWords(clef));
    } else if (notes == 1) {
        said = QCoreApplication::translate("NotePanel", "Note sur la portée : %1, %2")
                   .arg(clefWords(clef), signatureWords(key));
    } else {
        said = countedPanelText(QT_TRANSLATE_N_NOOP("NotePanel", "%n notes sur la portée : %1, %2"), notes)
                   .arg(clefWords(clef), signatureWords(key));
    }
    Picture1->setAccessibleDescription(said);
}
