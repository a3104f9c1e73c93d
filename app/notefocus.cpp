// The note choice adapted to the pupil: at every run start the window asks
// for the pupil's recent records, so that the run's draws follow every run
// up to the one before. The first are read off the window's thread; a tick
// takes them once they are there, and until then the run draws as the last
// records said (evenly in the first run).
#include "app/form1.h"

#include <chrono>

void Form1::prepareNoteChoice()
{
    if (m_noteRangeAtStart) {
        m_notes.setRange(m_noteRangeAtStart());
    }
    if (m_focusRecords) {
        m_focusRead = m_focusRecords();
    }
}

void Form1::takeFocusRecords()
{
    if (m_focusRead.valid() && m_focusRead.wait_for(std::chrono::seconds(0)) == std::future_status::ready) {
        // The records of what this run runs: the drill's, or its variant's,
        // for the drill's choice (by ear, a C clef) and the variants' alike.
        std::optional<exercise::NoteRecords> records = m_focusRead.get();
        m_variantNotes.setFocus(records);
        m_notes.setFocus(std::move(records));
    }
}
