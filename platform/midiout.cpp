#include "platform/midiout.h"

namespace midi {

Result MidiOut::open(Handle* handle, std::uint32_t deviceId)
{
    if (handle == nullptr) {
        return rc::invalidHandle;
    }
    std::unique_ptr<OutputDevice> device;
    const Result result = m_system.openDevice(deviceId, device);
    if (result != rc::noError) {
        return result;
    }
    if (!device) {
        return rc::error;
    }
    const Handle h = m_next++;
    if (m_next == 0) {
        m_next = 1;
    }
    m_open.emplace(h, std::move(device));
    *handle = h;
    return rc::noError;
}

Result MidiOut::shortMsg(Handle handle, std::uint32_t message)
{
    const auto it = m_open.find(handle);
    if (it == m_open.end()) {
        return rc::invalidHandle;
    }
    return it->second->send(message);
}

Result MidiOut::state(Handle handle) const
{
    const auto it = m_open.find(handle);
    if (it == m_open.end()) {
        return rc::invalidHandle;
    }
    return it->second->state();
}

Result MidiOut::close(Handle handle)
{
    const auto it = m_open.find(handle);
    if (it == m_open.end()) {
        return rc::invalidHandle;
    }
    m_open.erase(it);
    return rc::noError;
}

}  // namespace midi
