#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <vector>

// A small MIDI output service in the manner of the classic desktop one: devices
// are numbered from 0, an open device is known by a non-zero handle, and every
// call answers with a result code (0 = success).
namespace midi {

using Result = std::uint32_t;
using Handle = std::uint32_t;  // 0 never names an open device

// Result codes, numbered as the multimedia system numbers them so that the
// open-failure message reads the same everywhere.
namespace rc {
constexpr Result noError = 0;
constexpr Result error = 1;          // unspecified failure (no audio, no sound data)
constexpr Result badDeviceId = 2;    // no device with that number
constexpr Result allocated = 4;      // the device is in use
constexpr Result invalidHandle = 5;  // the handle names no open device
constexpr Result noDriver = 6;       // the MIDI system itself is absent
constexpr Result noMemory = 7;
constexpr Result notReady = 67;  // the device is open but cannot sound yet
}  // namespace rc

// One open output. send() takes a short message packed least significant byte
// first: status, data 1, data 2 (byte 3 unused). It must hand the message on at
// once, with no queue of its own.
class OutputDevice {
public:
    virtual ~OutputDevice() = default;
    virtual Result send(std::uint32_t message) = 0;

    // Whether the device can sound: rc::noError once it can, rc::notReady
    // while it is still getting ready after its open (a software synthesizer
    // reading its sounds), or the code of a failure that showed only after
    // the open, for good. Safe to ask at any time, from the owner's thread.
    virtual Result state() const { return rc::noError; }
};

// The outputs a machine offers, numbered from 0.
class OutputSystem {
public:
    virtual ~OutputSystem() = default;
    virtual std::vector<std::string> deviceNames() = 0;
    virtual Result openDevice(std::uint32_t deviceId, std::unique_ptr<OutputDevice>& device) = 0;
};

// The handle table: open, short message, close.
class MidiOut {
public:
    explicit MidiOut(OutputSystem& system) : m_system(system) {}

    // Stores the new handle in *handle on success; leaves it unchanged otherwise.
    Result open(Handle* handle, std::uint32_t deviceId);
    Result shortMsg(Handle handle, std::uint32_t message);
    Result close(Handle handle);
    // The device's state() (see OutputDevice); rc::invalidHandle for a handle
    // that names no open device.
    Result state(Handle handle) const;

    std::size_t openCount() const { return m_open.size(); }

private:
    OutputSystem& m_system;
    std::map<Handle, std::unique_ptr<OutputDevice>> m_open;
    Handle m_next = 1;
};

}  // namespace midi
