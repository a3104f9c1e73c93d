#include "sound/outputsystem.h"

#include "platform/messages.h"
namespace sound {

using platform::message;

DefaultOutputSystem::DefaultOutputSystem(SynthConfig config) : m_config(std::move(config))
{
}

void DefaultOutputSystem::listPorts()
{
    AlsaPortList list = listAlsaOutputPorts();
    m_ports = std::move(list.ports);
    m_listed = true;
    if (!list.problem.empty() && !m_toldNoSequencer) {
        m_toldNoSequencer = true;
        say(message(QT_TRANSLATE_NOOP("Messages", "%1; only the built-in synthesizer is offered"), {list.problem}));
    }
}

void DefaultOutputSystem::say(const std::string& line) const
{
    if (m_config.report) {
        m_config.report(line);
    }
}

std::vector<std::string> DefaultOutputSystem::deviceNames()
{
    listPorts();
    std::vector<std::string> names;
    names.reserve(m_ports.size() + 1);
    names.emplace_back(message(outputnames::builtInSynthesizer));
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
        say(message(QT_TRANSLATE_NOOP("Messages", "the built-in synthesizer cannot start: %1"), {why}));
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
    say(why);
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
