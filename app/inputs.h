#pragma once

#include "keyboard/midiinput.h"

#include <QString>

#include <memory>

namespace app {

// The MIDI keyboards for the window: the --midi-in value and the ALSA
// client the open output plays on. Nothing for "none"; nothing and one line
// on stderr without a sequencer, and the program goes on without them. What
// goes wrong later (a port it cannot listen to) is one line on stderr too.
std::unique_ptr<keyboard::MidiInput> startMidiKeyboards(keyboard::NoteSink& sink, const QString& option,
                                                        int outputClient);

}  // namespace app
