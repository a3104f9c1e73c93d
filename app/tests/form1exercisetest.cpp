#include "exercise/notechoice.h"
#include "exercise/picturenames.h"
#include "tests/support/formfixture.h"

#include <QDir>
#include <QFile>
#include <QImageReader>
#include <QTemporaryDir>
#include <QTest>

#include <functional>

using testing_support::FormRig;

namespace {

QString fileOf(const PictureBox* box)
{
    return QFileInfo(box->source()).fileName();
}

// A window after start-up with the sound of each new note switched off,
// unless a test wants it.
struct RunRig : FormRig {
    explicit RunRig(bool sound = false, std::uint32_t seed = 1, QString folder = QCoreApplication::applicationDirPath())
        : FormRig(seed, std::move(folder))
    {
        startUp();
        form->Check1->setChecked(sound);
    }
    // One full note period on.
    void tick() { time.advance(static_cast<std::uint32_t>(form->interval)); }

    // Starts a run and keeps its start, so that tickAt() can find the k-th tick
    // whatever the waits in between took.
    void start(int mode)
    {
        form->m_Click(static_cast<std::int16_t>(mode));
        started = time.now();
    }
    void toTick(int k) { time.advance(started + static_cast<std::uint32_t>(k * form->interval) - time.now()); }
    std::uint32_t started = 0;

    void expectIdle(const char* where)
    {
        Form1& f = *form;
        EXPECT_EQ(f.exerciseState(), ExerciseState::Idle) << where;
        EXPECT_FALSE(f.Timer1->isEnabled()) << where;
        EXPECT_FALSE(f.Timer2->isEnabled()) << where;
        EXPECT_EQ(f.notecount, 0) << where;
        EXPECT_FALSE(f.stop1->isEnabled()) << where;
        EXPECT_TRUE(f.HScroll1->isEnabled()) << where;
        EXPECT_TRUE(f.Label3->isHidden()) << where;
        for (int i = 1; i <= 6; ++i) {
            EXPECT_TRUE(f.m(i)->isEnabled()) << where << " m(" << i << ")";
        }
        EXPECT_EQ(fileOf(f.Picture1), QStringLiteral("end.jpg")) << where;
        EXPECT_TRUE(f.Picture7->isHidden()) << where;
    }
};

}  // namespace

TEST(ExerciseRun, StartLocksTheControlsAndShowsTheStartPicture)
{
    RunRig rig;
    Form1& f = *rig.form;
    f.text1->setText(QStringLiteral("17"));
    QTest::mouseClick(f.m(3), Qt::LeftButton);
    EXPECT_EQ(f.mode, 3);
    EXPECT_EQ(f.exerciseState(), ExerciseState::Starting);
    EXPECT_EQ(f.Label3->text(), QStringLiteral("Note : 0"));
    EXPECT_FALSE(f.Label3->isHidden());
    EXPECT_EQ(fileOf(f.Picture1), QStringLiteral("start50.jpg"));
    EXPECT_EQ(f.text1->text(), QStringLiteral("0"));
    EXPECT_TRUE(f.Timer1->isEnabled());
    EXPECT_FALSE(f.Timer2->isEnabled());
    EXPECT_TRUE(f.stop1->isEnabled());
    EXPECT_FALSE(f.HScroll1->isEnabled());
    for (int i = 1; i <= 6; ++i) {
        EXPECT_FALSE(f.m(i)->isEnabled());
    }
    // The first note comes one full period after the click, not before.
    rig.time.advance(3999);
    EXPECT_EQ(f.notecount, 0);
    EXPECT_EQ(fileOf(f.Picture1), QStringLiteral("start50.jpg"));
    rig.time.advance(1);
    EXPECT_EQ(f.notecount, 1);
    EXPECT_EQ(f.Label3->text(), QStringLiteral("Note : 1"));
}

TEST(ExerciseRun, ShowsExactlyFiftyNotesAndEndsOnTheNextTick)
{
    RunRig rig;
    Form1& f = *rig.form;
    f.m_Click(1);
    for (int k = 1; k <= 50; ++k) {
        rig.tick();
        ASSERT_EQ(f.notecount, k);
        ASSERT_EQ(f.Label3->text(), QStringLiteral("Note : %1").arg(k));
        ASSERT_EQ(fileOf(f.Picture1), QStringLiteral("1%1.jpg").arg(f.curnote));
        ASSERT_NE(f.exerciseState(), ExerciseState::Idle);
    }
    rig.tick();
    rig.expectIdle("after the natural end");
    EXPECT_EQ(f.Label3->text(), QStringLiteral("Note : 50"));  // caption kept, label hidden
    // The next run again shows 50 notes.
    f.m_Click(1);
    for (int k = 1; k <= 50; ++k) {
        rig.tick();
    }
    EXPECT_EQ(f.notecount, 50);
    rig.tick();
    rig.expectIdle("after the second run");
}

TEST(ExerciseRun, StoppingReturnsToIdleFromEveryRunningState)
{
    RunRig rig;
    Form1& f = *rig.form;
    // Starting: before the first note.
    f.m_Click(1);
    ASSERT_EQ(f.exerciseState(), ExerciseState::Starting);
    QTest::mouseClick(f.stop1, Qt::LeftButton);
    rig.expectIdle("stopped while starting");
    // Note open: a note waits for its answer.
    f.m_Click(2);
    rig.tick();
    ASSERT_EQ(f.exerciseState(), ExerciseState::NoteOpen);
    f.stop1_Click();
    rig.expectIdle("stopped with a note open");
    // Note closed: answered.
    f.m_Click(1);
    rig.tick();
    f.kkey_MouseDown(f.curnote, 1, 0, 0, 0);
    f.kkey_MouseUp(f.curnote, 1, 0, 0, 0);
    ASSERT_EQ(f.exerciseState(), ExerciseState::NoteClosed);
    const QString score = f.text1->text();
    f.stop1_Click();
    rig.expectIdle("stopped with the note closed");
    // The score stays until the next start; a right key after the stop never scores.
    EXPECT_EQ(f.text1->text(), score);
    f.kkey_MouseDown(f.curnote, 1, 0, 0, 0);
    f.kkey_MouseUp(f.curnote, 1, 0, 0, 0);
    EXPECT_EQ(f.text1->text(), score);
    // Nothing more happens while idle.
    rig.time.advance(20000);
    rig.expectIdle("long after the stop");
}

TEST(ExerciseRun, OnlyAnOpenNoteScoresAndAMissFlashesItsKeyRed)
{
    RunRig rig;
    Form1& f = *rig.form;
    f.m_Click(1);
    rig.tick();
    const std::int16_t first = f.curnote;
    f.stop1_Click();
    // A new run: the leftover note never scores before the first tick.
    f.m_Click(1);
    f.kkey_MouseDown(first, 1, 0, 0, 0);
    f.kkey_MouseUp(first, 1, 0, 0, 0);
    EXPECT_EQ(f.text1->text(), QStringLiteral("0"));

    // Ticks come every 4000 ms from the start; every third note is missed.
    const std::uint32_t started = rig.time.now();
    auto advanceTo = [&](std::uint32_t sinceStart) { rig.time.advance(started + sinceStart - rig.time.now()); };
    int right = 0;
    for (int k = 1; k <= 50; ++k) {
        advanceTo(4000U * static_cast<std::uint32_t>(k));
        ASSERT_EQ(f.notecount, k);
        ASSERT_EQ(f.exerciseState(), ExerciseState::NoteOpen);
        if (k % 3 == 0) {
            // Missed: the answer timer fires 200 ms before the next tick and
            // flashes the right key red for 150 ms, then gives its colour back.
            const std::int16_t note = f.curnote;
            const std::uint32_t before = f.kkey(note)->BackColor();
            std::uint32_t during = 0;
            rig.time.at(3850, [&] { during = f.kkey(note)->BackColor(); });
            advanceTo(4000U * static_cast<std::uint32_t>(k) + 3799);
            ASSERT_TRUE(f.Timer2->isEnabled());
            advanceTo(4000U * static_cast<std::uint32_t>(k) + 3800);
            ASSERT_FALSE(f.Timer2->isEnabled());
            EXPECT_EQ(during, 255U);
            EXPECT_EQ(f.kkey(note)->BackColor(), before);
            // A press of the right key during or after the red flash scores nothing.
            f.kkey_MouseDown(note, 1, 0, 0, 0);
            f.kkey_MouseUp(note, 1, 0, 0, 0);
        } else {
            // A wrong key first does not close the note.
            const std::int16_t wrong = f.curnote == 60 ? 62 : 60;
            f.kkey_MouseDown(wrong, 1, 0, 0, 0);
            f.kkey_MouseUp(wrong, 1, 0, 0, 0);
            ASSERT_EQ(f.exerciseState(), ExerciseState::NoteOpen);
            f.kkey_MouseDown(f.curnote, 1, 0, 0, 0);
            f.kkey_MouseUp(f.curnote, 1, 0, 0, 0);
            ++right;
            ASSERT_EQ(f.exerciseState(), ExerciseState::NoteClosed);
        }
        ASSERT_EQ(f.text1->text().toInt(), right);
        ASSERT_LE(right, f.notecount);
    }
    advanceTo(4000U * 51U);
    rig.expectIdle("after a run with misses");
    EXPECT_EQ(f.text1->text().toInt(), 34);  // 50 notes, 16 of them missed
    EXPECT_TRUE(rig.midi.sounding().empty());
}

TEST(ExerciseSpeed, TheFiveSpeedsSetBothTimers)
{
    RunRig rig;
    Form1& f = *rig.form;
    const int periods[6] = {0, 6000, 5000, 4000, 3000, 2000};
    for (const int v : {1, 2, 4, 5, 3}) {
        f.HScroll1->setValue(v);
        EXPECT_EQ(f.interval, periods[v]);
        EXPECT_EQ(f.Timer1->interval(), periods[v]);
        EXPECT_EQ(f.Timer2->interval(), periods[v] - 200);
        EXPECT_EQ(f.label1->text(), QStringLiteral("Vitesse : %1").arg(v));
        EXPECT_EQ(f.exerciseState(), ExerciseState::Idle);  // a change starts nothing
    }
    EXPECT_EQ(f.interval, 4000);
    EXPECT_EQ(f.Timer2->interval(), 3800);
}

TEST(ExerciseSpeed, AtTheFastestSpeedTheRedFlashEndsBeforeTheNextNote)
{
    RunRig rig;
    Form1& f = *rig.form;
    f.HScroll1->setValue(5);
    f.m_Click(1);
    rig.time.advance(2000);
    const std::int16_t missed = f.curnote;
    std::uint32_t redFrom = 0;
    std::uint32_t redUntil = 0;
    for (std::uint32_t t = 1; t < 2000; ++t) {
        rig.time.at(t, [&, t] {
            if (f.kkey(missed)->BackColor() == 255U) {
                redFrom = redFrom == 0 ? t : redFrom;
                redUntil = t;
            }
        });
    }
    rig.time.advance(1999);
    EXPECT_EQ(redFrom, 1800U);
    EXPECT_EQ(redUntil, 1950U);  // its colour is back at 1950 ms, 50 ms before the next tick
    EXPECT_EQ(f.notecount, 1);
    rig.time.advance(1);
    EXPECT_EQ(f.notecount, 2);
}

TEST(ExerciseSound, TheNoteSoundsUnderTheCoverBeforeThePicturesChange)
{
    RunRig rig(true);
    Form1& f = *rig.form;
    f.m_Click(1);
    bool coveredDuringSound = false;
    QString staffDuringSound;
    rig.time.at(4200, [&] {
        coveredDuringSound = !f.Picture7->isHidden();
        staffDuringSound = fileOf(f.Picture1);
    });
    rig.midi.clear();
    rig.time.advance(4000);
    EXPECT_TRUE(coveredDuringSound);
    EXPECT_EQ(staffDuringSound, QStringLiteral("start50.jpg"));
    EXPECT_TRUE(f.Picture7->isHidden());
    ASSERT_EQ(rig.midi.messages().size(), 2U);
    EXPECT_EQ(rig.midi.messages()[0].data1, f.curnote);
    EXPECT_EQ(rig.midi.messages()[1].time - rig.midi.messages()[0].time, 400U);
    // The pictures changed only after the sound, 400 ms after the tick.
    EXPECT_EQ(fileOf(f.Picture1), QStringLiteral("1%1.jpg").arg(f.curnote));

    // A press of the new note during its sound already scores (in a new
    // run: a run starts from the idle exercise only).
    f.stop1_Click();
    f.m_Click(1);
    rig.time.at(4100, [&] {
        f.kkey_MouseDown(f.curnote, 1, 0, 0, 0);
        f.kkey_MouseUp(f.curnote, 1, 0, 0, 0);
    });
    rig.time.advance(4000);
    EXPECT_EQ(f.text1->text(), QStringLiteral("1"));

    // Unticked: silent.
    f.Check1->setChecked(false);
    rig.midi.clear();
    rig.tick();
    EXPECT_TRUE(rig.midi.messages().empty());
}

TEST(ExerciseSound, AStopDuringTheSoundEndsTheTickToo)
{
    RunRig rig(true);
    Form1& f = *rig.form;
    f.m_Click(1);
    rig.tick();
    rig.time.at(3700, [&] { f.stop1_Click(); });  // 100 ms into the second note's sound
    rig.tick();
    rig.expectIdle("stopped during the sound");
    EXPECT_EQ(rig.midi.sounding().size(), 0U);
}

TEST(ExerciseSound, AStopAndANewStartDuringTheSoundLeaveTheNewRunAlone)
{
    RunRig rig(true);
    Form1& f = *rig.form;
    f.m_Click(1);
    rig.time.at(4100, [&] {
        f.stop1_Click();
        f.m_Click(4);
        f.Check1->setChecked(false);  // the new run's ticks count at once
    });
    rig.tick();  // to 4400 ms, the end of the old tick's sound
    EXPECT_EQ(f.mode, 4);
    EXPECT_EQ(f.notecount, 0);
    EXPECT_EQ(f.Label3->text(), QStringLiteral("Note : 0"));
    EXPECT_EQ(fileOf(f.Picture1), QStringLiteral("start50.jpg"));
    EXPECT_TRUE(f.Picture7->isHidden());
    EXPECT_EQ(f.exerciseState(), ExerciseState::Starting);
    // The new run counts from its own first tick: 4 s after its start at 4100 ms.
    rig.time.advance(3699);
    EXPECT_EQ(f.notecount, 0);
    rig.time.advance(1);
    EXPECT_EQ(f.notecount, 1);
    // A bass-clef run: its notes are written with prefix 3 or 4.
    const QString prefix = fileOf(f.Picture1).left(1);
    EXPECT_TRUE(prefix == QStringLiteral("3") || prefix == QStringLiteral("4")) << prefix.toStdString();
}

TEST(ExercisePictures, EachModeShowsItsNoteNameAndSign)
{
    for (int mode = 1; mode <= 6; ++mode) {
        RunRig rig(false, static_cast<std::uint32_t>(mode));
        Form1& f = *rig.form;
        f.m_Click(static_cast<std::int16_t>(mode));
        const std::string folder = f.programFolder().toStdString();
        for (int k = 1; k <= 50; ++k) {
            rig.tick();
            const QString staff = fileOf(f.Picture1);
            const QString prefix = staff.left(1);
            ASSERT_EQ(staff, prefix + QString::number(f.curnote) + QStringLiteral(".jpg"));
            const exercise::NamePicture name = exercise::namePicture(folder, prefix.toStdString(), f.curnote);
            ASSERT_EQ(f.Picture2->source(), QString::fromStdString(name.path));
            ASSERT_EQ(!f.Picture6->isHidden(), name.sign != exercise::Sign::Hidden)
                << "mode " << mode << " note " << f.curnote;
            if (name.sign == exercise::Sign::Sharp) {
                ASSERT_EQ(fileOf(f.Picture6), QStringLiteral("up.jpg"));
            } else if (name.sign == exercise::Sign::Flat) {
                ASSERT_EQ(fileOf(f.Picture6), QStringLiteral("down.jpg"));
            }
        }
        rig.tick();
        // The last note's name and sign stay after the end.
        EXPECT_TRUE(f.Picture2->hasPicture());
        EXPECT_TRUE(rig.errors.isEmpty()) << rig.errors.join('\n').toStdString();
    }
}

TEST(ExercisePictures, EveryPictureAnyModeCanAskForIsInstalled)
{
    const std::string folder = QCoreApplication::applicationDirPath().toStdString();
    std::set<std::string> files;
    for (int mode = 1; mode <= 6; ++mode) {
        for (const exercise::NoteChoice& c : exercise::modeChoices(mode)) {
            files.insert(exercise::notePicturePath(folder, c.prefix, c.note));
            const exercise::NamePicture name = exercise::namePicture(folder, c.prefix, c.note);
            ASSERT_FALSE(name.path.empty()) << c.note;
            files.insert(name.path);
            if (name.sign == exercise::Sign::Sharp || name.sign == exercise::Sign::Flat) {
                files.insert(exercise::signPicturePath(folder, name.sign));
            }
        }
    }
    for (const char* fixed : {"start50.jpg", "end.jpg", "001s.jpg"}) {
        files.insert(exercise::picturePath(folder, fixed));
    }
    EXPECT_EQ(files.size(), 114U);  // 101 note pictures, 8 names, 2 signs, 3 run pictures
    for (const std::string& file : files) {
        QImageReader reader(QString::fromStdString(file));
        reader.setDecideFormatFromContent(true);
        ASSERT_EQ(reader.format(), QByteArray("jpeg")) << file;
        const QImage image = reader.read();
        ASSERT_FALSE(image.isNull()) << file;
        const bool sign = file.ends_with("/up.jpg") || file.ends_with("/down.jpg");
        EXPECT_EQ(image.size(), sign ? QSize(44, 100) : QSize(250, 250)) << file;
    }
}

TEST(ExercisePictures, AMissingOrBrokenPictureClearsTheBoxOnceAndTheRunGoesOn)
{
    // A copy of the picture folder with the note pictures of mode 3 spoilt
    // in every way a file can be.
    QTemporaryDir dir;
    const QString source = QCoreApplication::applicationDirPath();
    QDir().mkpath(dir.path() + QStringLiteral("/picture"));
    for (const QFileInfo& file : QDir(source + QStringLiteral("/picture")).entryInfoList(QDir::Files)) {
        QFile::copy(file.filePath(), dir.path() + QStringLiteral("/picture/") + file.fileName());
    }
    QFile::copy(source + QStringLiteral("/tvl.tv"), dir.path() + QStringLiteral("/tvl.tv"));
    int spoilt = 0;
    for (const exercise::NoteChoice& c : exercise::modeChoices(3)) {
        const QString path =
            QString::fromStdString(exercise::notePicturePath(dir.path().toStdString(), c.prefix, c.note));
        QFile::remove(path);
        switch (spoilt++ % 5) {
        case 0:
            break;  // absent
        case 1: {
            QFile f(path);
            f.open(QIODevice::WriteOnly);
        } break;   // empty
        case 2: {  // truncated
            QFile in(source + QStringLiteral("/picture/360.jpg"));
            in.open(QIODevice::ReadOnly);
            QFile f(path);
            f.open(QIODevice::WriteOnly);
            f.write(in.read(300));
        } break;
        case 3: {
            QFile f(path);
            f.open(QIODevice::WriteOnly);
            f.write("not a picture at all");
        } break;
        case 4:
            QDir().mkpath(path);
            break;  // a folder in its place
        }
    }
    RunRig rig(false, 5, dir.path());
    Form1& f = *rig.form;
    rig.start(3);
    int right = 0;
    for (int k = 1; k <= 50; ++k) {
        rig.toTick(k);
        ASSERT_EQ(f.notecount, k);
        EXPECT_FALSE(f.Picture1->hasPicture());
        EXPECT_TRUE(f.Picture2->hasPicture());
        f.kkey_MouseDown(f.curnote, 1, 0, 0, 0);
        f.kkey_MouseUp(f.curnote, 1, 0, 0, 0);
        ++right;
        ASSERT_EQ(f.text1->text().toInt(), right);
    }
    rig.toTick(51);
    rig.expectIdle("after a run without note pictures");
    // One line per file that failed, never two for the same file.
    QSet<QString> named;
    for (const QString& line : rig.errors) {
        EXPECT_FALSE(named.contains(line)) << line.toStdString();
        named.insert(line);
    }
    EXPECT_GE(rig.errors.size(), 10);
    EXPECT_LE(rig.errors.size(), 20);
}

namespace {

// A box that the user does not answer at once: while it is up, a click
// reaches the mode buttons (the accessibility bus presses a button whatever
// the box), and the clock runs on.
struct ClickingMessages final : platform::MessageSink {
    void show(const QString& text) override
    {
        shown << text;
        if (whileUp) {
            whileUp();
        }
    }
    QStringList shown;
    std::function<void()> whileUp;
};

}  // namespace

TEST(ExerciseRun, NoRunStartsUnderTheMissingPicturesBoxAndEachRunCountsFromZero)
{
    QTemporaryDir empty;  // no picture folder: the first start says so in a box
    testing_support::FakeTimeBase time;
    testing_support::RecordingOutputSystem midi([&time] { return time.now(); });
    ClickingMessages messages;
    Form1 f(Form1Services{time, midi, messages, [](const QString&) {}, empty.path(), 3, 0});
    f.show();
    QCoreApplication::processEvents();
    time.advance(25);
    time.advance(2000);
    f.Check1->setChecked(false);
    const std::uint32_t interval = static_cast<std::uint32_t>(f.interval);
    messages.whileUp = [&] {
        time.advance(2000);
        f.m(3)->click();  // "Clef de fa", 2 s after "Clef de sol" opened the box
        time.advance(2 * interval);
        EXPECT_EQ(f.exerciseState(), ExerciseState::Idle) << "nothing started behind the box";
        EXPECT_EQ(f.notecount, 0);
    };
    f.m(1)->click();
    ASSERT_EQ(messages.shown.size(), 1);
    EXPECT_EQ(f.mode, 1) << "the run the box came up for starts once it is answered";
    EXPECT_EQ(f.exerciseState(), ExerciseState::Starting);
    EXPECT_EQ(f.notecount, 0);
    for (int run = 1; run <= 2; ++run) {
        SCOPED_TRACE(run);
        int shown = 0;
        while (f.exerciseState() != ExerciseState::Idle && shown <= 60) {
            time.advance(interval);
            if (f.exerciseState() != ExerciseState::Idle) {
                ++shown;
                ASSERT_EQ(f.notecount, shown);
            }
        }
        EXPECT_EQ(shown, 50) << "a full run from note 1";
        f.m(3)->click();  // the next run, with no box this time
        EXPECT_EQ(messages.shown.size(), 1) << "said once";
    }
}
