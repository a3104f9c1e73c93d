// The input sources on their own: a scripted MIDI keyboard and the computer
// keyboard play into a recording sink, no window behind it.
#include "keyboard/computerkeyboard.h"
#include "keyboard/midiinput.h"
#include "keyboard/notesink.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QWidget>

#include <gtest/gtest.h>

#include <ostream>
#include <vector>

namespace {

using keyboard::MidiEvent;

struct Call {
    enum Kind { down, up, controller };
    Kind kind;
    int a;  // note, or controller number
    int b;  // velocity, or controller value (0 for a release)
    bool audible;
    bool operator==(const Call&) const = default;
};

void PrintTo(const Call& c, std::ostream* os)
{
    *os << "{" << c.kind << ", " << c.a << ", " << c.b << ", " << c.audible << "}";
}

class RecordingSink final : public keyboard::NoteSink {
public:
    void noteDown(std::int16_t note, std::uint8_t velocity, bool audible) override
    {
        calls.push_back({Call::down, note, velocity, audible});
    }
    void noteUp(std::int16_t note, bool audible) override { calls.push_back({Call::up, note, 0, audible}); }
    void controller(std::uint8_t number, std::uint8_t value) override
    {
        calls.push_back({Call::controller, number, value, true});
    }
    std::vector<Call> calls;
};

constexpr int keys = 20;   // a keyboard's ALSA client
constexpr int other = 21;  // another one, also the output's client in one case

std::vector<Call> played(std::initializer_list<MidiEvent> events, int echoClient = keyboard::midiin::noClient)
{
    RecordingSink sink;
    auto source = std::make_unique<keyboard::QueuedMidiSource>();
    keyboard::QueuedMidiSource* script = source.get();
    keyboard::MidiInput input(sink, std::move(source));
    input.setEchoClient(echoClient);
    for (const MidiEvent& e : events) {
        script->push(e);
    }
    QCoreApplication::processEvents();
    return sink.calls;
}

TEST(MidiInputIntoASink, EveryPressGetsOneReleaseAndThePedalFollows)
{
    struct Case {
        const char* what;
        std::initializer_list<MidiEvent> events;
        int echo;
        std::vector<Call> expected;
    };
    const Case cases[] = {
        {"a note on and off",
         {MidiEvent::noteOnAt(keys, 0, 60, 90), MidiEvent::noteOffAt(keys, 0, 60)},
         keyboard::midiin::noClient,
         {{Call::down, 60, 90, true}, {Call::up, 60, 0, true}}},
        {"velocity 0 is a release; a release with no press is dropped",
         {MidiEvent::noteOffAt(keys, 0, 62), MidiEvent::noteOnAt(keys, 0, 64, 100),
          MidiEvent::noteOnAt(keys, 0, 64, 0)},
         keyboard::midiin::noClient,
         {{Call::down, 64, 100, true}, {Call::up, 64, 0, true}}},
        {"a release from another port releases nothing",
         {MidiEvent::noteOnAt(keys, 0, 60, 90), MidiEvent::noteOffAt(keys, 1, 60)},
         keyboard::midiin::noClient,
         {{Call::down, 60, 90, true}}},
        {"the pedal goes through as controller 64",
         {MidiEvent::sustainAt(keys, 0, 127), MidiEvent::sustainAt(keys, 0, 0)},
         keyboard::midiin::noClient,
         {{Call::controller, 64, 127, true}, {Call::controller, 64, 0, true}}},
        {"a port that goes releases its notes and lets the pedal up",
         {MidiEvent::noteOnAt(keys, 0, 60, 90), MidiEvent::noteOnAt(keys, 0, 60, 80),
          MidiEvent::sustainAt(keys, 0, 100), MidiEvent::noteOnAt(other, 0, 70, 90), MidiEvent::gone(keys)},
         keyboard::midiin::noClient,
         {{Call::down, 60, 90, true},
          {Call::down, 60, 80, true},
          {Call::controller, 64, 100, true},
          {Call::down, 70, 90, true},
          {Call::up, 60, 0, true},
          {Call::up, 60, 0, true},
          {Call::controller, 64, 0, true}}},
        {"the output's own keyboard is shown, not sounded again",
         {MidiEvent::noteOnAt(other, 0, 60, 90), MidiEvent::sustainAt(other, 0, 127),
          MidiEvent::noteOffAt(other, 0, 60), MidiEvent::noteOnAt(keys, 0, 62, 90)},
         other,
         {{Call::down, 60, 90, false}, {Call::up, 60, 0, false}, {Call::down, 62, 90, true}}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(played(c.events, c.echo), c.expected) << c.what;
    }
}

TEST(ComputerKeyboardIntoASink, KeysOfTheWindowPlayTheirNotesAndLetGoOnDeactivation)
{
    QWidget window;
    QWidget elsewhere;
    RecordingSink sink;
    keyboard::ComputerKeyboard keys(window, sink);
    QCoreApplication::instance()->installEventFilter(&keys);
    const auto send = [](QObject* to, QEvent::Type type, int code, bool repeat = false) {
        QKeyEvent event(type, 0, Qt::NoModifier, static_cast<quint32>(code), 0, 0, {}, repeat);
        QCoreApplication::sendEvent(to, &event);
    };
    send(&window, QEvent::KeyPress, 24);        // "Q": C4
    send(&window, QEvent::KeyPress, 24, true);  // auto-repeat: still one note
    send(&elsewhere, QEvent::KeyPress, 25);     // another window's key is its own
    send(&window, QEvent::KeyPress, 52);        // "Z": C3
    send(&window, QEvent::KeyPress, 9);         // Escape: no note
    send(&window, QEvent::KeyRelease, 24);
    QEvent deactivate(QEvent::WindowDeactivate);
    QCoreApplication::sendEvent(&window, &deactivate);
    QCoreApplication::instance()->removeEventFilter(&keys);
    EXPECT_EQ(sink.calls, (std::vector<Call>{{Call::down, 60, 127, true},
                                             {Call::down, 48, 127, true},
                                             {Call::up, 60, 0, true},
                                             {Call::up, 48, 0, true}}));
}

}  // namespace
