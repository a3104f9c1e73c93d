#include "exercise/run.h"

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
    return {choice.note >= keyboard::pitch::middleC ? Clef::Treble : Clef::Bass,
            keyboard::pitch::spelling(choice.note, Accidental::Sharp)};
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

void Run::show(const NoteChoice& choice, bool sounded, std::uint32_t now)
{
    if (!m_running) {
        return;
    }
    if (m_open) {
        // The answer timer always closes a note before the next tick; a note
        // still open here got no answer in its time.
        closeNote(Outcome::Missed, std::nullopt, now);
    }
    m_note = choice.note;
    m_current = FinishedNote{};
    m_current.place = m_count + 1;
    m_current.note = choice.note;
    m_current.written = writtenAs(choice);
    m_current.sounded = sounded;
    m_current.variant = m_variant;
    m_current.fifths = m_fifths;
    m_shownAt = now;
    m_open = true;
    m_drawn = false;
    m_recorded = false;
    if (m_observer != nullptr) {
        m_observer->noteShown(m_current.place, choice, sounded, now);
    }
}

void Run::drawn(std::uint32_t /*now*/)
{
    if (!m_running) {
        return;
    }
    m_drawn = m_open;
    ++m_count;
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
    ++m_count;
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
    closeNote(Outcome::Missed, std::nullopt, now);
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
    }
    if (m_open) {
        // The note on display when the user stopped; at a natural end every
        // note has closed already, so one open then was never answered.
        closeNote(stopped ? Outcome::Stopped : Outcome::Missed, std::nullopt, now);
    }
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
