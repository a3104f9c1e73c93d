#pragma once

#include <QtGlobal>

#include "platform/midiout.h"
#include "sound/alsaseqoutput.h"
#include "sound/fluidsynthoutput.h"

#include <memory>
#include <string>
#include <vector>

// The outputs this program offers: device 0 is the built-in synthesizer, so
// that a machine with nothing else still sounds; devices 1, 2, ... are the
// ALSA sequencer's ports that take MIDI, in the order deviceNames() last
// listed them.
namespace sound {

namespace outputnames {
constexpr const char* builtInSynthesizer = QT_TRANSLATE_NOOP("Messages", "Synthétiseur intégré (FluidSynth)");
}  // namespace outputnames

class DefaultOutputSystem final : public midi::OutputSystem {
public:
    // What goes wrong (no sequencer, a device that cannot open) is said in
    // one line to config.report, as the synthesizer's own troubles are.
    explicit DefaultOutputSystem(SynthConfig config = {});

    // Lists the ALSA ports anew each time. Without a sequencer the list is the
    // built-in synthesizer alone, and one line says why (once).
    std::vector<std::string> deviceNames() override;

    // 0: the built-in synthesizer with our SynthConfig (see
    // FluidSynthOutput::open for its codes). n >= 1: the ALSA port n - 1 of
    // the last listing (a first listing is made if there was none); a port
    // that has gone since gives midi::rc::badDeviceId, a port that takes one
    // connection and has it midi::rc::allocated. An id past the end:
    // midi::rc::badDeviceId. A failure says its reason, one line.
    midi::Result openDevice(std::uint32_t deviceId, std::unique_ptr<midi::OutputDevice>& device) override;

    // The ALSA client that device deviceId sends to, from the listing the
    // last open used; -1 for the built-in synthesizer and for a number with
    // no port.
    int alsaClientOf(std::uint32_t deviceId) const;

private:
    void listPorts();
    void say(const std::string& line) const;

    SynthConfig m_config;
    std::vector<AlsaPort> m_ports;
    bool m_listed = false;
    bool m_toldNoSequencer = false;
};

}  // namespace sound
