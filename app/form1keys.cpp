// The piano keys and the two reading-aid toggles of the main window.
#include "app/form1.h"

#include "app/translation.h"
#include "keyboard/keygeometry.h"
#include "sound/shortmsg.h"

void Form1::kkey_MouseDown(std::int16_t index, int /*button*/, int /*shift*/, int /*x*/, int /*y*/)
{
    keyDown(index);
}

void Form1::kkey_MouseUp(std::int16_t index, int /*button*/, int /*shift*/, int /*x*/, int /*y*/)
{
    keyUp(index);
}

void Form1::keyDown(std::int16_t note, std::uint8_t velocity, bool audible)
{
    // The note sounds first, right or wrong, in or out of a run.
    if (audible) {
        if (const auto message = sound::shortMessage(sound::noteOnStatus, note, velocity)) {
            sendShortMessage(*message);
        }
    }
    KeyButton* key = kkey(note);
    if (key == nullptr) {
        return;  // off the piano: it sounds, and that is all
    }
    key->setHeld(key->held() + 1);
    // A note on display waits for its answer while the answer timer runs.
    if (m_exercise.answer(note, m_time.now()) == exercise::Run::Answer::Right) {
        const std::int16_t answered = curnote;
        if (!m_exercise.noteOpen()) {
            Timer2->setEnabled(false);  // closes the note: no red flash, no second score
        }
        text1->setText(QString::number(m_exercise.score()));
        reveal();          // a note heard by ear is shown once answered
        phraseAnswered();  // a phrase's marker moves on to its next note
        flashcorrect(answered);
    }
}

void Form1::keyUp(std::int16_t note, bool audible)
{
    if (audible) {
        stopplay(note);
    }
    if (KeyButton* key = kkey(note)) {
        key->setHeld(std::max(0, key->held() - 1));
    }
}

void Form1::noteDown(std::int16_t note, std::uint8_t velocity, bool audible)
{
    keyDown(note, velocity, audible);
}

void Form1::noteUp(std::int16_t note, bool audible)
{
    keyUp(note, audible);
}

void Form1::controller(std::uint8_t number, std::uint8_t value)
{
    if (const auto message = sound::shortMessage(sound::controlChangeStatus, number, value)) {
        sendShortMessage(*message);
    }
}

// Both toggles flip their state before the animation and change the caption
// after it; the button stays disabled while its own animation runs, since
// the animation's waits let a second click through otherwise.
void Form1::Command3_Click()
{
    Command3->setEnabled(false);
    if (namestate == 1) {
        namestate = -1;
        pictureopen();
        Command3->setText(app::controlText(app::control("Command3")->otherCaption));
    } else if (namestate == -1) {
        namestate = 1;
        pictureclose();
        Command3->setText(app::controlText(app::control("Command3")->caption));
    }
    Command3->setEnabled(true);
}

void Form1::Command4_Click()
{
    Command4->setEnabled(false);
    if (helpstate == 1) {
        helpstate = -1;
        windowadd();
        Command4->setText(app::controlText(app::control("Command4")->caption));
    } else if (helpstate == -1) {
        helpstate = 1;
        windowcut();
        Command4->setText(app::controlText(app::control("Command4")->caption));
    }
    Command4->setEnabled(true);
}
