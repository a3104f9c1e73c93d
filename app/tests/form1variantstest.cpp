// The variants in the window, on the virtual clock: by ear, the note sounds
// before anything of it is seen and is drawn once answered or missed; in a
// key, the notes are the key's, drawn under its signature; in the C clefs
// and in phrases, drawn by the program too. The drill is
// form1exercisetest.cpp's.
#include "exercise/observer.h"
#include "exercise/speed.h"
#include "keyboard/keysignature.h"
#include "picture/notepicture.h"
#include "tests/support/formfixture.h"

#include <QFileInfo>

#include <set>

namespace {

using exercise::VariantKind;

// Keeps what the run hands over.
struct Notes final : exercise::ExerciseObserver {
    void noteShown(int /*place*/, const exercise::NoteChoice& choice, bool /*sounded*/, std::uint32_t /*now*/) override
    {
        shown.push_back(choice);
    }
    void noteClosed(const exercise::FinishedNote& note, std::uint32_t /*now*/) override { closed.push_back(note); }
    std::vector<exercise::NoteChoice> shown;
    std::vector<exercise::FinishedNote> closed;
};

struct VariantRig {
    explicit VariantRig(const exercise::Variant& variant)
        : time(1000), midi([this] { return time.now(); }),
          form(Form1Services{time, midi, messages, [](const QString&) {}, QCoreApplication::applicationDirPath(), 5, 0,
                             &notes})
    {
        form.setVariants(variant);
        form.show();
        QCoreApplication::processEvents();
        time.advance(25);
        time.advance(2000);
        form.Check1->setChecked(false);  // the Son box unticked
        midi.clear();
    }
    std::uint32_t period() const { return static_cast<std::uint32_t>(form.interval); }

    testing_support::FakeTimeBase time;
    testing_support::RecordingOutputSystem midi;
    testing_support::RecordingMessages messages;
    Notes notes;
    Form1 form;
};

QString fileOf(const PictureBox* box)
{
    return QFileInfo(box->source()).fileName();
}

TEST(ByEar, TheNoteSoundsFirstAndIsDrawnOnceAnsweredOrMissed)
{
    VariantRig rig({VariantKind::Ear});
    Form1& f = rig.form;
    f.m_Click(1);
    const std::uint32_t tick = rig.time.now() + rig.period();
    QString duringSound;
    rig.time.at(rig.period() + 200, [&] { duringSound = f.Picture1->accessibleDescription(); });
    rig.time.advance(rig.period() + 400);

    // Heard, though Son is unticked, at the tick itself...
    ASSERT_EQ(rig.midi.messages().size(), 2U);
    EXPECT_EQ(rig.midi.messages()[0].data1, f.curnote);
    EXPECT_EQ(rig.midi.messages()[0].time, tick);
    // ...over the staff alone, which still shows no note after the sound, the
    // name panel covered.
    EXPECT_EQ(duringSound, QStringLiteral("Portée en clef de sol : écoutez la note"));
    EXPECT_TRUE(f.Picture1->source().isEmpty());
    EXPECT_TRUE(f.Picture1->hasPicture());
    EXPECT_EQ(f.Picture1->accessibleDescription(), QStringLiteral("Portée en clef de sol : écoutez la note"));
    EXPECT_FALSE(f.Picture7->isHidden());
    EXPECT_EQ(f.notecount, 1);

    // Answered: the note is drawn, as the drill draws it.
    const std::int16_t first = f.curnote;
    f.kkey_MouseDown(first, 1, 0, 0, 0);
    f.kkey_MouseUp(first, 1, 0, 0, 0);
    EXPECT_EQ(fileOf(f.Picture1), QStringLiteral("1%1.jpg").arg(first));
    EXPECT_TRUE(f.Picture7->isHidden());
    EXPECT_EQ(f.text1->text(), QStringLiteral("1"));

    // Missed: drawn when its answer time runs out, before the next note.
    // Just before the next note's answer time ends (the green flash took some).
    const std::uint32_t answerTime = exercise::answerTimeMs(f.interval, true);
    EXPECT_EQ(answerTime, 3000U) << "a quarter of the 4 s period to see a missed note";
    rig.time.advance(tick + rig.period() + answerTime - 1 - rig.time.now());
    const std::int16_t second = f.curnote;
    EXPECT_NE(second, first);
    EXPECT_TRUE(f.Picture1->source().isEmpty());
    rig.time.advance(2);
    EXPECT_EQ(fileOf(f.Picture1), QStringLiteral("1%1.jpg").arg(second));

    f.stop1_Click();
    ASSERT_EQ(rig.notes.closed.size(), 2U);
    EXPECT_EQ(rig.notes.closed[0].outcome, exercise::Outcome::Right);
    EXPECT_EQ(rig.notes.closed[1].outcome, exercise::Outcome::Missed);
    EXPECT_TRUE(rig.notes.closed[0].sounded);
    EXPECT_EQ(rig.notes.closed[0].variant, VariantKind::Ear);
    EXPECT_EQ(rig.notes.closed[0].fifths, std::nullopt);
    EXPECT_EQ(fileOf(f.Picture1), QStringLiteral("end.jpg"));
}

TEST(ByEar, AStopDuringTheSoundShowsNothingOfTheNote)
{
    VariantRig rig({VariantKind::Ear});
    Form1& f = rig.form;
    f.m_Click(3);
    rig.time.at(rig.period() + 100, [&] { f.stop1_Click(); });
    rig.time.advance(rig.period() + 400);
    EXPECT_EQ(fileOf(f.Picture1), QStringLiteral("end.jpg"));
    EXPECT_TRUE(f.Picture7->isHidden());
    EXPECT_TRUE(rig.notes.closed.empty()) << "a note stopped during its sound is no note of the run";
}

TEST(InAKey, NotesOfTheKeyUnderItsSignatureAnsweredByTheirKeys)
{
    VariantRig rig({VariantKind::Key, 2});  // D major: F sharp and C sharp
    Form1& f = rig.form;
    const keyboard::pitch::KeySignature key = *keyboard::pitch::KeySignature::ofFifths(2);
    f.m_Click(2);
    for (int i = 0; i < 12; ++i) {
        rig.time.advance(rig.period());
        ASSERT_TRUE(key.contains(f.curnote)) << f.curnote;
        ASSERT_TRUE(f.Picture1->hasPicture());
        EXPECT_TRUE(f.Picture1->source().isEmpty());
        EXPECT_EQ(f.Picture1->accessibleDescription(),
                  QStringLiteral("Note sur la portée : clef de sol, armure de 2 dièses"));
        // The picture is the key's, as the engraving draws it.
        const QImage expected =
            art::notepicture::renderInKey(keyboard::pitch::StaffClef::Treble, key, f.curnote,
                                          art::notepicture::paper(1), QStringLiteral("Quelle est cette note\u202F?"));
        EXPECT_EQ(f.Picture1->picture().toImage().convertToFormat(QImage::Format_RGB32),
                  expected.convertToFormat(QImage::Format_RGB32));
        f.kkey_MouseDown(f.curnote, 1, 0, 0, 0);
        f.kkey_MouseUp(f.curnote, 1, 0, 0, 0);
    }
    EXPECT_EQ(f.text1->text(), QStringLiteral("12"));
    f.stop1_Click();
    ASSERT_EQ(rig.notes.closed.size(), 12U);
    for (const exercise::FinishedNote& n : rig.notes.closed) {
        EXPECT_EQ(n.outcome, exercise::Outcome::Right);
        EXPECT_EQ(n.written.accidental, key.spelling(n.note).value_or(keyboard::pitch::Accidental::None));
        EXPECT_FALSE(n.sounded);
        EXPECT_EQ(n.variant, VariantKind::Key);
        EXPECT_EQ(n.fifths, 2);
    }
}

using keyboard::pitch::StaffClef;

QImage pixelsOf(const PictureBox* box)
{
    return box->picture().toImage().convertToFormat(QImage::Format_RGB32);
}

QImage phrasePicture(const std::vector<int>& notes, int current)
{
    return art::notepicture::renderPhrase(StaffClef::Treble, {}, notes, current, art::notepicture::paper(1),
                                          QStringLiteral("Jouez-les\u2026"))
        .convertToFormat(QImage::Format_RGB32);
}

void press(Form1& f, std::int16_t key)
{
    f.kkey_MouseDown(key, 1, 0, 0, 0);
    f.kkey_MouseUp(key, 1, 0, 0, 0);
}

// Four notes side by side once every four periods; each right key moves the
// marker on, a wrong one in the middle counts against the note that waits,
// and the answer time leaves the rest missed.
TEST(InPhrases, AnsweredInOrderWithAWrongKeyInTheMiddle)
{
    VariantRig rig({VariantKind::Phrase, 0, false, 4});
    Form1& f = rig.form;
    f.m_Click(1);
    const std::uint32_t phrasePeriod = 4 * rig.period();
    rig.time.advance(phrasePeriod - 1);
    EXPECT_EQ(f.notecount, 0) << "a phrase's period is four notes'";
    rig.time.advance(1);
    const std::uint32_t tick = rig.time.now();
    ASSERT_EQ(rig.notes.shown.size(), 4U);
    std::vector<int> notes;
    for (const exercise::NoteChoice& c : rig.notes.shown) {
        notes.push_back(c.note);
    }
    EXPECT_EQ(f.notecount, 4);
    EXPECT_EQ(f.curnote, notes[0]);
    EXPECT_EQ(pixelsOf(f.Picture1), phrasePicture(notes, 0));
    EXPECT_EQ(f.Picture1->accessibleDescription(), QStringLiteral("4 notes sur la portée : clef de sol, sans armure"));

    press(f, static_cast<std::int16_t>(notes[0]));
    EXPECT_EQ(f.curnote, notes[1]);
    EXPECT_EQ(pixelsOf(f.Picture1), phrasePicture(notes, 1)) << "the marker under the second note";
    press(f, 37);  // wrong
    EXPECT_EQ(pixelsOf(f.Picture1), phrasePicture(notes, 1));
    press(f, static_cast<std::int16_t>(notes[1]));
    EXPECT_EQ(pixelsOf(f.Picture1), phrasePicture(notes, 2));
    EXPECT_EQ(f.text1->text(), QStringLiteral("2"));
    EXPECT_EQ(f.exerciseState(), ExerciseState::NoteOpen);

    // The answer time is the phrase's: it ends 200 ms before the next one.
    rig.time.advance(tick + phrasePeriod - 201 - rig.time.now());
    EXPECT_EQ(f.exerciseState(), ExerciseState::NoteOpen);
    rig.time.advance(1);
    EXPECT_EQ(f.exerciseState(), ExerciseState::NoteClosed);
    f.stop1_Click();
    ASSERT_EQ(rig.notes.closed.size(), 4U);
    const std::vector<exercise::Outcome> outcomes = {exercise::Outcome::Right, exercise::Outcome::Right,
                                                     exercise::Outcome::Missed, exercise::Outcome::Missed};
    for (std::size_t i = 0; i < 4; ++i) {
        EXPECT_EQ(rig.notes.closed[i].note, notes[i]);
        EXPECT_EQ(rig.notes.closed[i].outcome, outcomes[i]) << i;
        EXPECT_EQ(rig.notes.closed[i].phrasePlace, static_cast<int>(i) + 1);
        EXPECT_EQ(rig.notes.closed[i].variant, VariantKind::Phrase);
    }
    EXPECT_EQ(rig.notes.closed[1].wrongKeys, std::vector<int>{37});
    EXPECT_TRUE(rig.notes.closed[0].wrongKeys.empty());
}

// Fifty notes in phrases of six: eight phrases and one of two, then the end.
TEST(InPhrases, TheRunKeepsItsFiftyNotes)
{
    VariantRig rig({VariantKind::Phrase, 0, false, 6});
    Form1& f = rig.form;
    f.m_Click(5);
    for (int phrase = 0; phrase < 9; ++phrase) {
        rig.time.advance(6 * rig.period());
    }
    EXPECT_EQ(f.notecount, 50);
    EXPECT_EQ(
        f.Picture1->accessibleDescription(),
        QStringLiteral("2 notes sur la portée : %1, sans armure")
            .arg(rig.notes.shown.back().note >= 60 ? QStringLiteral("clef de sol") : QStringLiteral("clef de fa")));
    rig.time.advance(6 * rig.period());
    EXPECT_EQ(f.exerciseState(), ExerciseState::Idle);
    EXPECT_EQ(rig.notes.closed.size(), 50U);
    EXPECT_EQ(rig.notes.closed.back().phrasePlace, 2);
}

// With the C clefs ticked, "Toutes les notes" writes some notes in the alto
// and tenor clefs, drawn with their sign, answered by their keys, and the
// record says which clef.
TEST(InTheCClefs, ModeSixWritesNotesInTheAltoAndTenorClefs)
{
    VariantRig rig({VariantKind::Drill, 0, false, 4, true});
    Form1& f = rig.form;
    f.m_Click(6);
    const std::uint32_t start = rig.time.now();
    std::set<StaffClef> seen;
    for (std::uint32_t i = 1; i <= 40; ++i) {
        rig.time.advance(start + i * rig.period() - rig.time.now());  // to the tick, past the flashes
        ASSERT_EQ(rig.notes.shown.size(), i);
        const exercise::NoteChoice& c = rig.notes.shown.back();
        if (!c.cClef) {
            EXPECT_FALSE(f.Picture1->source().isEmpty()) << "a treble or bass note is the drill's picture";
        } else {
            seen.insert(*c.cClef);
            EXPECT_TRUE(keyboard::pitch::clefRange(*c.cClef).contains(c.note));
            const auto written = exercise::writtenFromPrefix(c.prefix, c.note);
            ASSERT_TRUE(written);
            EXPECT_EQ(pixelsOf(f.Picture1),
                      art::notepicture::renderInClef(*c.cClef, c.note, written->accidental, art::notepicture::paper(1),
                                                     QStringLiteral("Quelle est cette note\u202F?"))
                          .convertToFormat(QImage::Format_RGB32));
            EXPECT_EQ(f.Picture1->accessibleDescription(),
                      *c.cClef == StaffClef::Alto
                          ? QStringLiteral("Note sur la portée : clef d'ut 3e ligne, sans armure")
                          : QStringLiteral("Note sur la portée : clef d'ut 4e ligne, sans armure"));
        }
        press(f, f.curnote);
    }
    EXPECT_EQ(seen, (std::set<StaffClef>{StaffClef::Alto, StaffClef::Tenor}));
    EXPECT_EQ(f.text1->text(), QStringLiteral("40"));
    f.stop1_Click();
    ASSERT_EQ(rig.notes.closed.size(), 40U);
    for (std::size_t i = 0; i < 40; ++i) {
        EXPECT_EQ(rig.notes.closed[i].cClef, rig.notes.shown[i].cClef);
        EXPECT_EQ(rig.notes.closed[i].variant, VariantKind::Drill);
    }
}

}  // namespace
