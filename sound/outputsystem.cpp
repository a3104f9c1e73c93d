#include "sound/outputsystem.h"

#include <cstdio>

namespace sound {

DefaultOutputSystem::DefaultOutputSystem(SynthConfig config) : m_config(std::move(config)) {}

void DefaultOutputSystem::listPorts()
{
    AlsaPortList list = listAlsaOutputPorts();
    m_ports = std::move(list.ports);
    m_listed = true;
    if (!list.problem.empty() && !m_toldNoSequencer) {
        m_toldNoSequencer = true;
        std::fprintf(stderr, "Tavelin Piano: %s; only the built-in synthesizer is offered\n", list.problem.c_str());
    }
}

std::vector<std::string> DefaultOutputSystem::deviceNames()
{
    listPorts();
    std::vector<std::string> names;
    names.reserve(m_ports.size() + 1);
    names.emplace_back(outputnames::builtInSynthesizer);
    for (const AlsaPort& port : m_ports) {
        names.push_back(port.label());
    }
    return names;
}

midi::Result DefaultOutputSystem::openDevice(std::uint32_t deviceId, std::unique_ptr<midi::OutputDevice>& device)
{
    std::string why;
    midi::Result result = midi::rc::noError;
    if (deviceId == 0) {
        std::unique_ptr<FluidSynthOutput> synth;
        result = FluidSynthOutput::open(m_config, synth, &why);
        if (result == midi::rc::noError) {
            device = std::move(synth);
            return result;
        }
        std::fprintf(stderr, "Tavelin Piano: the built-in synthesizer cannot start: %s\n", why.c_str());
        return result;
    }
    if (!m_listed) {
        listPorts();
    }
    const std::size_t index = deviceId - 1;
    if (index >= m_ports.size()) {
        return midi::rc::badDeviceId;
    }
    std::unique_ptr<AlsaSeqOutput> port;
    result = AlsaSeqOutput::open(m_ports[index], port, &why);
    if (result == midi::rc::noError) {
        device = std::move(port);
        return result;
    }
    std::fprintf(stderr, "Tavelin Piano: %s\n", why.c_str());
    return result;
}

int DefaultOutputSystem::alsaClientOf(std::uint32_t deviceId) const
{
    if (deviceId == 0 || deviceId - 1 >= m_ports.size()) {
        return -1;
    }
    return m_ports[deviceId - 1].client;
}

}  // namespace sound
