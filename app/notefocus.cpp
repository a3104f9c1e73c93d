// The note choice adapted to the pupil: at every run start the window asks
// for the pupil's recent records, so that the run's draws follow what the
// results file says up to the run before.
#include "app/form1.h"

void Form1::prepareNoteChoice()
{
    if (m_noteRangeAtStart) {
        m_notes.setRange(m_noteRangeAtStart());
    }
    if (m_focusRecords) {
        m_notes.setFocus(m_focusRecords());
    }
}
