// The note-reading exercise of the main window: start, the note tick, the
// end of a run, the speed and the answer timer, and the key flashes.
#include "app/form1.h"

#include "exercise/picturenames.h"
#include "exercise/speed.h"

#include <QDir>

void Form1::m_Click(std::int16_t index)
{
    // A run starts from the idle exercise only, and never under a message
    // box: a click that reaches a mode button behind one (through the
    // accessibility bus, say) starts nothing.
    if (exerciseState() != ExerciseState::Idle || underMessageBox() || closing()) {
        return;
    }
    setCaption(Label3, tr("Note : %1").arg(0));
    Label3->setVisible(true);
    loadInto(Picture1, picturePath(QStringLiteral("start50.jpg")));
    if (!Picture1->hasPicture() && !m_toldPicturesMissing) {
        // Said once, before the run's timers start, where the user looks.
        m_toldPicturesMissing = true;
        showMessage(tr("Les images des notes sont introuvables dans %1 : "
                       "les notes ne pourront pas s'afficher.")
                        .arg(QDir::toNativeSeparators(m_folder + QStringLiteral("/picture"))));
        if (closing() || exerciseState() != ExerciseState::Idle) {
            return;  // the window was closed while the box was up
        }
    }
    prepareNoteChoice();
    m_variant = m_variantAtStart ? m_variantAtStart() : m_variantSetting;
    if (!m_variant.isDrill()) {
        m_variantNotes.start(index, m_variant, m_notes.range());
    }
    // A phrase's period is the note's times its notes.
    const int period = m_variant.kind == exercise::VariantKind::Phrase ? interval * m_variant.phraseNotes : interval;
    Timer1->setInterval(period);
    Timer2->setInterval(exercise::answerTimeMs(period, m_variant.kind == exercise::VariantKind::Ear));
    m_reveal = {};
    m_phrase = {};
    ++m_run;
    m_exercise.start(index, m_time.now(), m_variant.kind, m_variantNotes.key().fifths());
    mode = static_cast<std::int16_t>(m_exercise.mode());
    Timer1->setEnabled(true);  // the first note comes one full period from now
    text1->setText(QString::number(m_exercise.score()));
    setModeButtonsEnabled(false);
    stop1->setEnabled(true);
    HScroll1->setEnabled(false);  // the speed holds for the whole run
}

// The sign beside a black key's name: sharp, flat or, for a name that says
// it in words, the blank sheet; hidden for a white key.
void Form1::showSign(const exercise::NamePicture& name, const QPixmap* blank)
{
    switch (name.sign) {
    case exercise::Sign::Hidden:
        Picture6->setVisible(false);
        break;
    case exercise::Sign::Sharp:
    case exercise::Sign::Flat: {
        const QString path = QString::fromStdString(exercise::signPicturePath(m_folder.toStdString(), name.sign));
        if (blank != nullptr) {
            Picture6->setPicture(*blank, path);
        } else {
            loadInto(Picture6, path);
        }
        Picture6->setVisible(true);
        break;
    }
    case exercise::Sign::Untouched:
        break;
    }
}

void Form1::setModeButtonsEnabled(bool enabled)
{
    for (int i = 1; i <= 6; ++i) {
        m(i)->setEnabled(enabled);
    }
}

void Form1::Timer1_Timer()
{
    if (m_exercise.allShown()) {
        endOfRun(false);
        return;
    }
    const std::uint32_t run = m_run;
    takeFocusRecords();
    Timer2->setEnabled(true);
    if (!m_variant.isDrill()) {
        variantTick(run);
        return;
    }
    const exercise::NoteChoice choice = m_notes.choose(mode);
    m_exercise.show(choice, Check1->isChecked(), m_time.now());
    curnote = m_exercise.note();

    const std::string folder = m_folder.toStdString();
    const QString notePath = QString::fromStdString(exercise::notePicturePath(folder, choice.prefix, choice.note));
    Picture7->setVisible(true);
    const exercise::NamePicture name = exercise::namePicture(folder, choice.prefix, choice.note);
    // In German and Dutch a black key's name is a word of its own (Cis, Des),
    // drawn with a blank where the sign would stand.
    const auto ownName = m_languagePictures.blackKeyName(
        choice.note, name.sign == exercise::Sign::Flat    ? keyboard::pitch::Accidental::Flat
                     : name.sign == exercise::Sign::Sharp ? keyboard::pitch::Accidental::Sharp
                                                          : keyboard::pitch::Accidental::None);
    showSign(name, ownName ? &ownName->sign : nullptr);

    if (Check1->isChecked()) {
        // The note sounds while the old pictures are still up and covered.
        play1(curnote);
        // A stop during the sound ends this tick too, and so does a stop
        // followed at once by a new start: that new run is not this tick's.
        if (tickCut(run)) {
            Picture7->setVisible(false);
            return;
        }
    }
    loadInto(Picture1, notePath);
    if (ownName) {
        Picture2->setPicture(ownName->name, QString::fromStdString(name.path));
    } else {
        loadInto(Picture2, QString::fromStdString(name.path));
    }
    Picture7->setVisible(false);
    notePutUp();
}

void Form1::notePutUp()
{
    if (Picture1->hasPicture()) {
        m_exercise.drawn(m_time.now());
    } else {
        m_exercise.unshown(m_time.now());
    }
    notecount = static_cast<std::int16_t>(m_exercise.count());
    setCaption(Label3, tr("Note : %1").arg(notecount));
}

void Form1::stop1_Click()
{
    endOfRun(true);
}

void Form1::endOfRun(bool stopped)
{
    m_exercise.end(stopped, m_time.now());
    Timer1->setEnabled(false);
    Timer2->setEnabled(false);  // no red flash for the note on display
    Label3->setVisible(false);
    loadInto(Picture1, picturePath(QStringLiteral("end.jpg")));
    setModeButtonsEnabled(true);
    HScroll1->setEnabled(true);
    stop1->setEnabled(false);
    m_reveal = {};
    m_phrase = {};
    notecount = static_cast<std::int16_t>(m_exercise.count());
    ++m_run;
}

void Form1::HScroll1_Change()
{
    const auto v = static_cast<std::int16_t>(HScroll1->value());
    interval = exercise::intervalForSpeed(v);
    Timer1->setInterval(interval);
    Timer2->setInterval(exercise::answerTimeMs(interval, false));
    setCaption(label1, tr("Vitesse : %1").arg(v));
}

void Form1::Timer2_Timer()
{
    Timer2->setEnabled(false);  // at most once per note
    m_exercise.timeUp(m_time.now());
    reveal();  // a note heard by ear is shown as its answer time runs out
    flashkey(curnote);
}
