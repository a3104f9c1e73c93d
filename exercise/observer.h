#pragma once

#include "exercise/notechoice.h"
#include "exercise/runrecord.h"

#include <cstdint>

namespace exercise {

// Told of each run as it starts and ends, for whoever keeps a record of it.
// Times are readings of the window's millisecond clock. The run calls these
// on the window's thread; none of them may wait or touch the window.
class ExerciseObserver {
public:
    virtual ~ExerciseObserver() = default;

    // A mode button started a run.
    virtual void runStarted(int /*mode*/, std::uint32_t /*now*/) {}
    // A tick put a note up for answering (at the start of the tick, before
    // its sound): keys answer it from now on. place counts from 1.
    virtual void noteShown(int /*place*/, const NoteChoice& /*choice*/, bool /*sounded*/, std::uint32_t /*now*/) {}
    // A note of the run closed (answered, missed, never drawn, or on display
    // at a stop), as the run will hand it over at its end.
    virtual void noteClosed(const FinishedNote& /*note*/, std::uint32_t /*now*/) {}
    // The run ended, stopped by the user or after its last note (told even
    // when it has no note).
    virtual void runEnded(const FinishedRun& /*run*/, std::uint32_t /*now*/) {}
};

}  // namespace exercise
