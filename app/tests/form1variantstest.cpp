// The variants in the window, on the virtual clock: by ear, the note sounds
// before anything of it is seen and is drawn once answered or missed; in a
// key, the notes are the key's, drawn under its signature. The drill is
// form1exercisetest.cpp's.
#include "exercise/observer.h"
#include "exercise/speed.h"
#include "keyboard/keysignature.h"
#include "picture/notepicture.h"
#include "tests/support/formfixture.h"

#include <QFileInfo>

namespace {

using exercise::VariantKind;

// Keeps what the run hands over.
struct Notes final : exercise::ExerciseObserver {
    void noteClosed(const exercise::FinishedNote& note, std::uint32_t /*now*/) override { closed.push_back(note); }
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

}  // namespace
