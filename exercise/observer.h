#pragma once

#include <cstdint>
#include <string>

namespace exercise {

// What happens in a run, as it happens, for whoever keeps a record of it.
// Times are readings of the window's millisecond clock. The window calls these
// on its own thread; none of them may wait or touch the window.
class ExerciseObserver {
public:
    virtual ~ExerciseObserver() = default;

    // A mode button started a run.
    virtual void runStarted(int /*mode*/, std::uint32_t /*now*/) {}
    // A tick put a note up for answering (at the start of the tick, before
    // its sound): keys answer it from now on. place counts from 1.
    virtual void noteShown(int /*place*/, int /*note*/, const std::string& /*prefix*/, bool /*sounded*/,
                           std::uint32_t /*now*/) {}
    // The note put up is on the staff (after its sound): the pupil has seen
    // it. A run stopped before this never showed the note.
    virtual void noteDrawn(std::uint32_t /*now*/) {}
    // The note just put up could not be drawn (its picture is missing or
    // unreadable): the pupil never saw it, so it is neither right nor missed.
    virtual void noteUnshown(std::uint32_t /*now*/) {}
    // A key was pressed while the note on display waited for its answer.
    virtual void answered(int /*key*/, bool /*right*/, std::uint32_t /*now*/) {}
    // The answer time of the note on display ran out.
    virtual void missed(std::uint32_t /*now*/) {}
    // The run ended: stopped by the user, or after its last note.
    virtual void runEnded(bool /*stopped*/, std::uint32_t /*now*/) {}
};

}  // namespace exercise
