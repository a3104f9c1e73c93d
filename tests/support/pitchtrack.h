#pragma once

#include <cstddef>
#include <vector>

// What a listener would write down from a recording of single notes played
// one after another: when each note begins and which it is. Used on sound
// rendered by the synthesizer and on sound recorded from a sound server, so
// it asks nothing of the source but mono samples and their rate.
namespace testing_support {

struct HeardNote {
    double onsetMs;    // from the first sample
    int note;          // MIDI note number, nearest to the pitch heard
    double frequency;  // Hz, the median over the note
    double lengthMs;   // how long that pitch was heard
};

struct PitchTrackSettings {
    double hopMs = 10.0;      // one pitch estimate every hop
    double windowMs = 25.0;   // of sound per estimate; a few periods of the lowest note
    double lowestHz = 100.0;  // pitches searched for: 100 Hz to 2 kHz
    double highestHz = 2000.0;
    double silenceDb = -40.0;  // frames this far below the loudest frame are silence
    double shortestMs = 40.0;  // a pitch heard for less is a transition, not a note
};

// Pitch per frame by the cumulative mean normalised difference (the YIN
// estimator), frames grouped into runs of one MIDI note; each run long
// enough is a note, its onset refined to the sharpest rise of loudness
// around the run's start.
std::vector<HeardNote> trackNotes(const std::vector<float>& samples, double sampleRate,
                                  const PitchTrackSettings& settings = {});

// The pitch of one stretch of sound in Hz, or 0 when it has none.
double estimatePitch(const float* samples, std::size_t count, double sampleRate, double lowestHz, double highestHz);

// 69 + 12 log2(f / 440), rounded.
int nearestNote(double frequency);

}  // namespace testing_support
