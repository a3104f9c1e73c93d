// Runs scripted from start to end through the window on the virtual clock:
// right answers, wrong keys, misses, answers by ear during a note's sound,
// a stop during a sound and one before the first note. What the output got
// and what the results file got are compared byte for byte with files kept
// beside this test, so a change anywhere in the exercise that changes what
// the user hears or what is recorded shows here.
//
// To write the files again after a change meant to change them:
//   TAVELIN_WRITE_GOLDEN=1 ctest --preset test -R exercise_tests
#include "progress/results.h"
#include "tests/support/formfixture.h"

#include <QFile>

#include <cstdio>
#include <mutex>

using testing_support::FormRig;

namespace {

// Keeps what the recorder appends, in order.
class CapturedFile final : public progress::ResultsSink {
public:
    explicit CapturedFile(std::string* text, std::mutex* mutex) : m_text(text), m_mutex(mutex) {}
    std::string append(const std::string& rows) override
    {
        const std::lock_guard lock(*m_mutex);
        if (m_text->empty()) {
            *m_text += progress::csv::header;
            *m_text += '\n';
        }
        *m_text += rows;
        return {};
    }

private:
    std::string* m_text;
    std::mutex* m_mutex;
};

struct ScriptedRig : FormRig {
    ScriptedRig()
        : FormRig(7), recorder(
                          std::make_unique<CapturedFile>(&results, &resultsMutex), nullptr,
                          [] { return std::string("2026-03-02T09:15:00+01:00"); }, "5c1e2a7b")
    {
        Form1Services services{time,
                               midi,
                               messages,
                               [this](const QString& line) { errors << line; },
                               QCoreApplication::applicationDirPath(),
                               7,
                               0,
                               &recorder};
        form.reset();
        form = std::make_unique<Form1>(services);
        startUp();
    }

    ~ScriptedRig() { form.reset(); }  // before the recorder it tells
    ScriptedRig(const ScriptedRig&) = delete;
    ScriptedRig& operator=(const ScriptedRig&) = delete;

    Form1& f() { return *form; }

    void start(int mode, bool sound)
    {
        f().Check1->setChecked(sound);
        f().m_Click(static_cast<std::int16_t>(mode));
        started = time.now();
    }
    // The clock to the k-th tick of the run (and through it: its sound, when on).
    void toTick(int k) { time.advance(started + static_cast<std::uint32_t>(k * f().interval) - time.now()); }
    // Runs fn ms after the k-th tick.
    void atTick(int k, std::uint32_t ms, std::function<void()> fn)
    {
        time.at(started + static_cast<std::uint32_t>(k * f().interval) + ms - time.now(), std::move(fn));
    }
    void tap(int key)
    {
        f().kkey_MouseDown(static_cast<std::int16_t>(key), 1, 0, 5, 5);
        time.advance(60);
        f().kkey_MouseUp(static_cast<std::int16_t>(key), 1, 0, 5, 5);
    }
    // A key beside the right one, on the piano.
    int wrongFor(int note) const { return note < 80 ? note + 2 : note - 2; }

    // The k-th note (from 1), after its tick: answered as the script says.
    void answer(int k)
    {
        const int note = f().curnote;
        switch (k % 7) {
        case 0:
            tap(note);
            break;
        case 1:
            tap(wrongFor(note));
            time.advance(300);
            tap(note);
            break;
        case 2:
            break;  // missed: the answer time runs out
        case 3:
            tap(wrongFor(note));
            tap(note + 1 <= 89 ? note + 1 : note - 1);
            break;  // wrong keys only, then missed
        case 4:
            tap(note);
            tap(note);  // a second press of the right key counts nothing
            break;
        case 5:
            // From a MIDI keyboard, softly, and a note below the piano.
            f().noteDown(static_cast<std::int16_t>(note), 64, true);
            f().noteDown(30, 90, true);
            time.advance(120);
            f().noteUp(30, true);
            f().noteUp(static_cast<std::int16_t>(note), true);
            break;
        default:
            time.advance(1500);
            tap(note);  // a slow right answer
            break;
        }
    }

    std::uint32_t started = 0;
    std::string results;
    std::mutex resultsMutex;
    progress::ResultsRecorder recorder;
};

std::string midiText(const std::vector<testing_support::RecordingOutputSystem::Message>& messages)
{
    std::string text;
    for (const auto& m : messages) {
        char line[48];
        std::snprintf(line, sizeof line, "%u %02x %02x %02x\n", m.time, m.status, m.data1, m.data2);
        text += line;
    }
    return text;
}

// Compares got with the file kept beside this test, or writes the file when
// asked to.
void expectGolden(const std::string& got, const char* name)
{
    const QString path = QStringLiteral(TAVELIN_SOURCE_DIR "/app/tests/golden/") + QString::fromLatin1(name);
    if (qEnvironmentVariableIsSet("TAVELIN_WRITE_GOLDEN")) {
        QFile out(path);
        ASSERT_TRUE(out.open(QIODevice::WriteOnly | QIODevice::Truncate)) << path.toStdString();
        out.write(got.data(), static_cast<qint64>(got.size()));
        return;
    }
    QFile in(path);
    ASSERT_TRUE(in.open(QIODevice::ReadOnly)) << path.toStdString();
    const QByteArray want = in.readAll();
    EXPECT_EQ(got, want.toStdString()) << "differs from " << path.toStdString();
}

}  // namespace

TEST(ScriptedRuns, OutputAndResultsStayByteForByteTheSame)
{
    ScriptedRig rig;
    Form1& f = rig.f();
    std::string scores;

    // A whole run of the treble clef with its sound: 50 notes, then the end.
    rig.start(1, true);
    rig.atTick(9, 150, [&] { rig.tap(f.curnote); });  // by ear, during the sound
    for (int k = 1; k <= 50; ++k) {
        rig.toTick(k);
        if (k != 9) {
            rig.answer(k);
        }
    }
    rig.toTick(51);
    ASSERT_EQ(f.exerciseState(), ExerciseState::Idle);
    scores += f.text1->text().toStdString() + '\n';

    // Bass clef with sharps and flats, stopped during the sound of its 8th note.
    rig.time.advance(500);
    rig.start(4, true);
    for (int k = 1; k <= 7; ++k) {
        rig.toTick(k);
        rig.answer(k);
    }
    rig.atTick(8, 200, [&] { f.stop1_Click(); });
    rig.toTick(8);
    ASSERT_EQ(f.exerciseState(), ExerciseState::Idle);
    scores += f.text1->text().toStdString() + '\n';

    // Every note, silent, faster, stopped after its third note was answered.
    rig.time.advance(700);
    f.HScroll1->setValue(5);
    rig.start(6, false);
    for (int k = 1; k <= 3; ++k) {
        rig.toTick(k);
        rig.answer(k + 3);
    }
    rig.time.advance(100);
    f.stop1_Click();
    scores += f.text1->text().toStdString() + '\n';

    // Stopped before its first note: nothing is recorded.
    rig.start(2, true);
    rig.time.advance(1000);
    f.stop1_Click();
    scores += f.text1->text().toStdString() + '\n';

    // A run on display when the window closes: its notes so far are kept,
    // the one on display as stopped.
    rig.start(3, true);
    for (int k = 1; k <= 4; ++k) {
        rig.toTick(k);
        rig.answer(k);
    }
    rig.toTick(5);
    rig.time.advance(500);
    f.close();
    ASSERT_EQ(rig.recorder.finish(), 0U);
    const std::lock_guard lock(rig.resultsMutex);
    expectGolden(midiText(rig.midi.messages()), "scriptedruns.midi.txt");
    expectGolden(rig.results, "scriptedruns.results.csv");
    EXPECT_EQ(scores, "37\n5\n3\n0\n");
}
