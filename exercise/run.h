#pragma once

#include "exercise/notechoice.h"
#include "exercise/observer.h"
#include "exercise/runrecord.h"

#include <cstdint>
#include <optional>
#include <vector>

namespace exercise {

// Notes in a run.
constexpr int notesPerRun = 50;

// One run of the note-reading exercise as it goes: the note on display and
// whether it still waits for its answer, the notes shown so far, the score,
// and what became of each note. The window tells it of each tick, key press,
// answer time running out, stop and end, and shows what it says; it hands
// the run, once ended, to its observer. Plain C++: no timer, no widget.
class Run {
public:
    explicit Run(ExerciseObserver* observer = nullptr, int maxnotes = notesPerRun)
        : m_observer(observer), m_maxnotes(maxnotes)
    {
    }

    bool running() const { return m_running; }
    // A note on display waits for its answer (the answer timer runs).
    bool noteOpen() const { return m_open; }
    int mode() const { return m_mode; }
    int maxnotes() const { return m_maxnotes; }
    // Shorter runs, for timing tools: from the next start on.
    void setMaxnotes(int maxnotes) { m_maxnotes = maxnotes; }
    // Notes shown so far in this run, 0 when idle.
    int count() const { return m_count; }
    // Right answers in this run, or the last one.
    int score() const { return m_score; }
    // The note on display, or shown last (0 before the first): the key that
    // answers it.
    std::int16_t note() const { return m_note; }
    // Every note of the run has been shown: the next tick ends it.
    bool allShown() const { return m_running && m_count == m_maxnotes; }

    // A mode button started a run (one still going stops there first), of
    // the drill or of a variant; fifths, for a run in a key, its signature.
    void start(int mode, std::uint32_t now, VariantKind variant = VariantKind::Drill,
               std::optional<int> fifths = std::nullopt);
    // A tick put choice up for answering; sounded: it is played as it comes.
    // A note still open from the tick before got no answer in its time.
    void show(const NoteChoice& choice, bool sounded, std::uint32_t now);
    // A tick put a phrase up: its notes side by side, answered in order from
    // the first. Each right key closes one and opens the next; a wrong one
    // is kept against the note that waits; the answer time, or the next
    // tick, closes whatever is left as missed. Every note counts as shown.
    void showPhrase(const std::vector<NoteChoice>& notes, bool sounded, std::uint32_t now);
    // Of the phrase on display: its notes, and the place (from 0) of the
    // one that waits for its key (the phrase's size once all are played).
    int phraseSize() const { return m_phraseSize; }
    int phraseAt() const { return m_phraseSize - static_cast<int>(m_rest.size()) - (m_open ? 1 : 0); }
    // The note put up (or the phrase) is on the staff: the pupil has seen it.
    void drawn(std::uint32_t now);
    // Its picture could not be put up: the pupil never saw it, so its
    // record says neither right nor missed. It counts as shown all the
    // same, and the keys still answer it for the score (a phrase's notes
    // close unshown, all of them).
    void unshown(std::uint32_t now);

    enum class Answer { NotAsked, Wrong, Right };
    // A key was pressed: the right one closes the note and scores; a wrong
    // one is kept against the note, which stays open. NotAsked when no note
    // waits for its answer.
    Answer answer(int key, std::uint32_t now);
    // The answer time ran out: a note still open closes as missed (true).
    bool timeUp(std::uint32_t now);
    // The run ended: stopped by the user (or the program's end), or after
    // its last note. Nothing happens when no run is going.
    void end(bool stopped, std::uint32_t now);

private:
    // Closes the note on display for answers, and keeps its record unless kept already.
    void closeNote(Outcome outcome, std::optional<std::uint32_t> responseMs, std::uint32_t now);
    void record(Outcome outcome, std::optional<std::uint32_t> responseMs, std::uint32_t now);
    // Closes the note that waits and, with it, the rest of its phrase.
    void closeAll(Outcome outcome, std::uint32_t now);
    FinishedNote noteOf(const NoteChoice& choice, int place, bool sounded) const;

    ExerciseObserver* m_observer;
    int m_maxnotes;
    bool m_running = false;
    int m_mode = 0;
    int m_count = 0;
    int m_score = 0;
    std::int16_t m_note = 0;
    bool m_open = false;      // m_current waits for its answer
    bool m_drawn = false;     // m_current is on the staff: seen, so kept even if never answered
    bool m_recorded = false;  // the note on display has its record already (unshown), though keys answer it
    VariantKind m_variant = VariantKind::Drill;
    std::optional<int> m_fifths;
    FinishedNote m_current;
    std::vector<FinishedNote> m_rest;  // the phrase's notes after m_current, in order
    int m_phraseSize = 0;              // 0: a single note
    std::uint32_t m_shownAt = 0;       // clock reading at the start of m_current's tick, ms
    FinishedRun m_run;
};

}  // namespace exercise
