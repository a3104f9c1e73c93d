#pragma once

#include "progress/results.h"
#include "tests/support/formfixture.h"

#include <QCoreApplication>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace progress_testing {

// A sink that keeps what it is given, and fails while told to.
class MemorySink final : public progress::ResultsSink {
public:
    std::string append(const std::string& rows) override
    {
        ++m_calls;
        if (m_failuresLeft > 0) {
            --m_failuresLeft;
            return "cannot write to 'memory': Input/output error";
        }
        *m_text += rows;
        return {};
    }
    void failNext(int times) { m_failuresLeft = times; }
    const std::string& text() const { return *m_text; }
    // What it was given, still there once the sink has gone with its recorder.
    std::shared_ptr<const std::string> kept() const { return m_text; }
    int calls() const { return m_calls; }

private:
    std::shared_ptr<std::string> m_text = std::make_shared<std::string>();
    int m_failuresLeft = 0;
    int m_calls = 0;
};

// Sees what the window tells the recorder, passes it on, and lets a test act
// at the start of each note, as a pupil would (scheduling presses on the
// virtual clock from there).
class Spy final : public exercise::ExerciseObserver {
public:
    using OnNote = std::function<void(int place, int note, const std::string& prefix)>;

    explicit Spy(exercise::ExerciseObserver& inner) : m_inner(inner) {}
    void setOnNote(OnNote onNote) { m_onNote = std::move(onNote); }

    void runStarted(int mode, std::uint32_t now) override { m_inner.runStarted(mode, now); }
    void noteShown(int place, const exercise::NoteChoice& choice, bool sounded, std::uint32_t now) override
    {
        m_inner.noteShown(place, choice, sounded, now);
        if (m_onNote) {
            m_onNote(place, choice.note, choice.prefix);
        }
    }
    void runEnded(const exercise::FinishedRun& run, std::uint32_t now) override { m_inner.runEnded(run, now); }

private:
    exercise::ExerciseObserver& m_inner;
    OnNote m_onNote;
};

// The window on the virtual clock, after start-up, telling observer of its runs.
struct ObservedRig : testing_support::FormRig {
    explicit ObservedRig(exercise::ExerciseObserver& observer, bool sound = false, std::uint32_t seed = 1,
                         std::uint32_t clockStart = 1000, QString folder = QCoreApplication::applicationDirPath())
        : FormRig(seed, folder, clockStart)
    {
        form.reset();
        Form1Services services{time,   midi, messages, [this](const QString& line) { errors << line; },
                               folder, seed, 0,        &observer};
        form = std::make_unique<Form1>(services);
        startUp();
        form->Check1->setChecked(sound);
    }
    ~ObservedRig() { form.reset(); }
    ObservedRig(const ObservedRig&) = delete;
    ObservedRig& operator=(const ObservedRig&) = delete;

    // A click on a key of the piano: down, then up.
    void press(int key)
    {
        form->kkey_MouseDown(static_cast<std::int16_t>(key), 1, 0, 0, 0);
        form->kkey_MouseUp(static_cast<std::int16_t>(key), 1, 0, 0, 0);
    }
    // Moves the clock to ms after the mark.
    void advanceTo(std::uint32_t mark, std::uint32_t ms) { time.advance(mark + ms - time.now()); }
    std::uint32_t interval() const { return static_cast<std::uint32_t>(form->interval); }
    // Plays a run to its natural end, doing nothing but what onNote schedules.
    void playWholeRun(int mode)
    {
        form->m_Click(static_cast<std::int16_t>(mode));
        for (int k = 0; k <= 50 && form->exerciseState() != ExerciseState::Idle; ++k) {
            time.advance(interval());
        }
    }
};

inline std::vector<std::string> lines(const std::string& text)
{
    std::vector<std::string> out;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = text.find('\n', start);
        if (end == std::string::npos) {
            out.push_back(text.substr(start));
            break;
        }
        out.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    return out;
}

}  // namespace progress_testing
