#include "exercise/run.h"

#include <algorithm>

namespace exercise {

std::optional<Written> writtenFromPrefix(std::string_view prefix, int note)
{
    const auto writing = keyboard::pitch::writingOfPrefix(prefix);
    if (!writing) {
        return std::nullopt;
    }
    return Written{writing->clef, keyboard::pitch::spelling(note, writing->preferred)};
}

namespace {

// A choice no mode makes (no keys to draw from) has no prefix: written as
// "Toutes les notes" writes it plainly, by its side of middle C, with sharps.
Written writtenAs(const NoteChoice& choice)
{
    if (const auto written = writtenFromPrefix(choice.prefix, choice.note)) {
        return *written;
    }
    return {keyboard::pitch::clefBySide(choice.note), keyboard::pitch::spelling(choice.note, Accidental::Sharp)};
}

}  // namespace

void Run::start(int mode, std::uint32_t now, VariantKind variant, std::optional<int> fifths)
{
    end(true, now);  // the window never starts a run over another; if it did, the old one stopped there
    m_running = true;
    m_mode = mode;
    m_variant = variant;
    m_fifths = variant == VariantKind::Key ? fifths.value_or(0) : std::optional<int>();
    m_count = 0;
    m_score = 0;
    m_run = FinishedRun{};
    m_run.mode = mode;
    if (m_observer != nullptr) {
        m_observer->runStarted(mode, now);
    }
}

FinishedNote Run::noteOf(const NoteChoice& choice, int place, bool sounded) const
{
    FinishedNote n;
    n.place = place;
    n.note = choice.note;
    n.written = writtenAs(choice);
    n.sounded = sounded;
    n.variant = m_variant;
    n.fifths = m_fifths;
    n.cClef = choice.cClef;
    return n;
}

void Run::show(const NoteChoice& choice, bool sounded, std::uint32_t now)
{
    if (!m_running) {
        return;
    }
    if (m_open) {
        // The answer timer always closes a note before the next tick; a note
        // still open here got no answer in its time.
        closeAll(Outcome::Missed, now);
    }
    m_note = choice.note;
    m_current = noteOf(choice, m_count + 1, sounded);
    m_rest.clear();
    m_phraseSize = 0;
    m_shownAt = now;
    m_open = true;
    m_drawn = false;
    m_recorded = false;
    if (m_observer != nullptr) {
        m_observer->noteShown(m_current.place, choice, sounded, now);
    }
}

void Run::showPhrase(const std::vector<NoteChoice>& notes, bool sounded, std::uint32_t now)
{
    if (!m_running || notes.empty()) {
        return;
    }
    show(notes.front(), sounded, now);
    m_phraseSize = static_cast<int>(notes.size());
    m_current.phrasePlace = 1;
    for (std::size_t i = 1; i < notes.size(); ++i) {
        FinishedNote n = noteOf(notes[i], m_count + 1 + static_cast<int>(i), sounded);
        n.phrasePlace = static_cast<int>(i) + 1;
        m_rest.push_back(std::move(n));
        if (m_observer != nullptr) {
            m_observer->noteShown(m_rest.back().place, notes[i], sounded, now);
        }
    }
}

void Run::drawn(std::uint32_t /*now*/)
{
    if (!m_running) {
        return;
    }
    m_drawn = m_open;
    m_count += std::max(1, m_phraseSize);
}

void Run::unshown(std::uint32_t now)
{
    if (!m_running) {
        return;
    }
    // Kept as unshown now, whatever comes of it: the keys still answer it
    // (the score counts what the user did), but its record says nothing of
    // a note nobody saw.
    if (m_open && !m_recorded) {
        record(Outcome::Unshown, std::nullopt, now);
    }
    m_count += std::max(1, m_phraseSize);
    if (!m_rest.empty()) {
        // No staff to follow the phrase on: nothing left to answer.
        m_open = false;
        closeAll(Outcome::Unshown, now);
    }
}

Run::Answer Run::answer(int key, std::uint32_t now)
{
    if (!m_open) {
        return Answer::NotAsked;
    }
    if (key == m_note) {
        ++m_score;
        // Unsigned difference: right across the wrap of the 32-bit clock.
        closeNote(Outcome::Right, now - m_shownAt, now);
        if (!m_rest.empty()) {
            // The phrase's next note waits, timed from this key.
            m_current = std::move(m_rest.front());
            m_rest.erase(m_rest.begin());
            m_note = static_cast<std::int16_t>(m_current.note);
            m_shownAt = now;
            m_open = true;
            m_recorded = false;
        }
        return Answer::Right;
    }
    if (!m_recorded) {
        m_current.wrongKeys.push_back(key);
    }
    return Answer::Wrong;
}

bool Run::timeUp(std::uint32_t now)
{
    if (!m_open) {
        return false;
    }
    closeAll(Outcome::Missed, now);
    return true;
}

void Run::end(bool stopped, std::uint32_t now)
{
    if (!m_running) {
        return;
    }
    if (stopped && m_open && !m_drawn) {
        // Stopped during its sound, before it came up: the pupil never saw
        // it, so it is no note of the run (one answered right by ear already
        // closed, as the score counted it).
        m_open = false;
        m_rest.clear();
    }
    if (m_open) {
        // The note on display when the user stopped (with the rest of its
        // phrase); at a natural end every note has closed already, so one
        // open then was never answered.
        closeAll(stopped ? Outcome::Stopped : Outcome::Missed, now);
    }
    m_rest.clear();
    m_phraseSize = 0;
    m_running = false;
    m_count = 0;
    m_run.stopped = stopped;
    const FinishedRun run = std::move(m_run);
    m_run = FinishedRun{};
    if (m_observer != nullptr) {
        m_observer->runEnded(run, now);
    }
}

void Run::closeNote(Outcome outcome, std::optional<std::uint32_t> responseMs, std::uint32_t now)
{
    m_open = false;
    if (!m_recorded) {
        record(outcome, responseMs, now);
    }
}

void Run::closeAll(Outcome outcome, std::uint32_t now)
{
    if (m_open) {
        closeNote(outcome, std::nullopt, now);
    }
    std::vector<FinishedNote> rest = std::move(m_rest);
    m_rest.clear();
    for (FinishedNote& n : rest) {
        m_current = std::move(n);
        record(outcome, std::nullopt, now);
    }
}

void Run::record(Outcome outcome, std::optional<std::uint32_t> responseMs, std::uint32_t now)
{
    m_current.outcome = outcome;
    m_current.responseMs = responseMs;
    m_recorded = true;
    m_run.notes.push_back(std::move(m_current));
    m_current = FinishedNote{};
    if (m_observer != nullptr) {
        m_observer->noteClosed(m_run.notes.back(), now);
    }
}

}  // namespace exercise
