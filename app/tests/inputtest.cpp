// MIDI keyboards and the computer keyboard playing the window's piano: both
// go through Form1::keyDown/keyUp, so a played note sounds and answers
// exactly like a click. The MIDI side runs on a scripted source behind the
// same interface as the ALSA one; the live ALSA tests at the end skip
// themselves where there is no sequencer.

#include "app/inputs.h"
#include "keyboard/computerkeyboard.h"
#include "keyboard/midiinput.h"
#include "sound/alsaclient.h"
#include "sound/outputsystem.h"
#include "tests/support/formfixture.h"

#include <QDeadlineTimer>
#include <QKeyEvent>
#include <QTest>
#include <QTimer>

#include <alsa/asoundlib.h>

#include <algorithm>
#include <atomic>
#include <filesystem>
#include <optional>
#include <thread>

using keyboard::ComputerKeyboard;
using keyboard::ComputerKeyboardMap;
using keyboard::MidiEvent;
using keyboard::MidiInput;
using keyboard::QueuedMidiSource;
using testing_support::FormRig;
using Message = testing_support::RecordingOutputSystem::Message;

namespace {

constexpr const char* sequencerDevice = "/dev/snd/seq";
constexpr int keyboardClient = 20;  // where a USB keyboard usually sits
constexpr int otherClient = 24;

bool haveSequencer()
{
    std::error_code ec;
    return std::filesystem::exists(sequencerDevice, ec);
}

// What was sent, without the times.
struct Sent {
    std::uint8_t status;
    std::uint8_t data1;
    std::uint8_t data2;
    bool operator==(const Sent&) const = default;
};

std::vector<Sent> sent(const testing_support::RecordingOutputSystem& midi)
{
    std::vector<Sent> out;
    for (const Message& m : midi.messages()) {
        out.push_back({m.status, m.data1, m.data2});
    }
    return out;
}

void PrintTo(const Sent& s, std::ostream* os)
{
    *os << std::hex << "{0x" << int(s.status) << ", " << std::dec << int(s.data1) << ", " << int(s.data2) << "}";
}

// A window after start-up with a scripted MIDI keyboard plugged into it.
struct MidiRig : FormRig {
    MidiRig()
    {
        startUp();
        auto scripted = std::make_unique<QueuedMidiSource>();
        source = scripted.get();
        input = std::make_unique<MidiInput>(*form, std::move(scripted));
    }

    // The events arrive and the window's event loop takes them.
    void play(std::initializer_list<MidiEvent> events)
    {
        for (const MidiEvent& e : events) {
            source->push(e);
        }
        QCoreApplication::processEvents();
    }

    // A note on display with its answer timer running, as a tick leaves it.
    void pending(std::int16_t note, const char* score = "3")
    {
        testing_support::putUpNote(*form, time.now(), note, QString::fromLatin1(score).toInt());
    }

    int keysHeld() const
    {
        int n = 0;
        for (int key = 36; key <= 89; ++key) {
            n += form->kkey(key)->held();
        }
        return n;
    }

    QueuedMidiSource* source = nullptr;
    std::unique_ptr<MidiInput> input;
};

MidiEvent on(int note, int velocity = 127, int client = keyboardClient, int port = 0, int channel = 0)
{
    return MidiEvent::noteOnAt(client, port, static_cast<std::uint8_t>(note), static_cast<std::uint8_t>(velocity),
                               static_cast<std::uint8_t>(channel));
}

MidiEvent off(int note, int client = keyboardClient, int port = 0, int channel = 0)
{
    return MidiEvent::noteOffAt(client, port, static_cast<std::uint8_t>(note), static_cast<std::uint8_t>(channel));
}

MidiEvent pedal(int value, int client = keyboardClient, int port = 0, int channel = 0)
{
    return MidiEvent::sustainAt(client, port, static_cast<std::uint8_t>(value), static_cast<std::uint8_t>(channel));
}

// Runs the event loop until done() or the time is up, woken by each event
// (a socket notifier, a queued call); the guard timer only bounds a failure.
bool pumpUntil(const std::function<bool()>& done, int ms = 5000)
{
    bool expired = false;
    QTimer guard;
    guard.setSingleShot(true);
    QObject::connect(&guard, &QTimer::timeout, [&expired] { expired = true; });
    guard.start(ms);
    while (!done() && !expired) {
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
    return done();
}

}  // namespace

// ---------------------------------------------------------------- MIDI notes answer like clicks

TEST(MidiInput, ANoteScoresExactlyLikeAClickOfItsKey)
{
    struct Case {
        const char* what;
        bool duringRun;
        std::int16_t shown;
        std::vector<int> presses;
        const char* score;  // from "3"
        bool stillWaiting;  // answer timer still running afterwards
    };
    const Case cases[] = {
        {"the right key", true, 64, {64}, "4", false},
        {"the right key twice", true, 64, {64, 64}, "4", false},
        {"a wrong key, then the right one", true, 64, {65, 64}, "4", false},
        {"a wrong key only", true, 64, {65, 63, 76}, "3", true},
        {"notes off the piano", true, 64, {30, 35, 90, 127, 0}, "3", true},
        {"the right key outside a run", false, 64, {64}, "3", false},
        {"note 0 on display is never answered", true, 0, {0, 36}, "3", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        MidiRig byMidi;
        FormRig byMouse;
        byMouse.startUp();
        for (FormRig* rig : {static_cast<FormRig*>(&byMidi), &byMouse}) {
            if (c.duringRun) {
                testing_support::putUpNote(*rig->form, rig->time.now(), c.shown, 3);
            } else {
                rig->form->curnote = c.shown;
                rig->form->text1->setText(QStringLiteral("3"));
            }
        }
        for (const int note : c.presses) {
            byMidi.play({on(note)});
            byMidi.play({off(note)});
            if (keyboard::isKey(note)) {
                QTest::mousePress(byMouse.form->kkey(note), Qt::LeftButton);
                QTest::mouseRelease(byMouse.form->kkey(note), Qt::LeftButton);
            } else {
                byMouse.form->keyDown(static_cast<std::int16_t>(note));  // no key to click
                byMouse.form->keyUp(static_cast<std::int16_t>(note));
            }
        }
        EXPECT_EQ(byMidi.form->text1->text(), QString::fromLatin1(c.score));
        EXPECT_EQ(byMidi.form->Timer2->isEnabled(), c.stillWaiting);
        EXPECT_EQ(byMidi.form->text1->text(), byMouse.form->text1->text());
        // Same notes at the same (virtual) times: the flash of a right
        // answer waits alike.
        EXPECT_EQ(byMidi.midi.messages(), byMouse.midi.messages());
        EXPECT_EQ(byMidi.time.now() - byMouse.time.now(), 0U);
        EXPECT_EQ(byMidi.midi.messages().size(), 2 * c.presses.size());  // every note sounds, on and off
        EXPECT_EQ(byMidi.keysHeld(), 0);
    }
}

TEST(MidiInput, AHeldNoteShowsItsKeyPressedUntilItsNoteOff)
{
    MidiRig rig;
    rig.play({on(60), on(30)});
    EXPECT_EQ(rig.form->kkey(60)->held(), 1);
    EXPECT_EQ(rig.keysHeld(), 1);  // 30 is off the piano: no key
    EXPECT_EQ(rig.input->heldNotes(), 2);
    rig.play({off(60), off(30)});
    EXPECT_EQ(rig.form->kkey(60)->held(), 0);
    EXPECT_EQ(rig.input->heldNotes(), 0);
}

// ---------------------------------------------------------------- what reaches the output

TEST(MidiInput, VelocityAndSustainPassThroughToTheOutput)
{
    struct Case {
        const char* what;
        std::vector<MidiEvent> events;
        std::vector<Sent> expected;
    };
    const Case cases[] = {
        {"the velocity played", {on(60, 37), off(60)}, {{0x90, 60, 37}, {0x80, 60, 127}}},
        {"any channel, played on channel 1",
         {on(62, 100, keyboardClient, 0, 9), off(62, keyboardClient, 0, 9)},
         {{0x90, 62, 100}, {0x80, 62, 127}}},
        {"a note-on at velocity 0 is a note-off", {on(64, 80), on(64, 0)}, {{0x90, 64, 80}, {0x80, 64, 127}}},
        {"the sustain pedal down and up", {pedal(127), pedal(0)}, {{0xB0, 64, 127}, {0xB0, 64, 0}}},
        {"the pedal of any channel, on channel 1", {pedal(90, keyboardClient, 0, 5)}, {{0xB0, 64, 90}}},
        {"a note-off with no note-on is dropped",
         {off(65), on(65, 1), off(65), off(65)},
         {{0x90, 65, 1}, {0x80, 65, 127}}},
        {"off the piano still sounds",
         {on(20, 50), on(100, 60), off(20), off(100)},
         {{0x90, 20, 50}, {0x90, 100, 60}, {0x80, 20, 127}, {0x80, 100, 127}}},
        {"a note held from two ports needs both releases",
         {on(67, 10), on(67, 20, otherClient), off(67), off(67, otherClient)},
         {{0x90, 67, 10}, {0x90, 67, 20}, {0x80, 67, 127}, {0x80, 67, 127}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        MidiRig rig;
        for (const MidiEvent& e : c.events) {
            rig.play({e});
        }
        EXPECT_EQ(sent(rig.midi), c.expected);
        EXPECT_EQ(rig.keysHeld(), 0);
    }
}

TEST(MidiInput, TheInstrumentThatIsAlsoTheOutputIsNotSoundedTwice)
{
    struct Case {
        int client;
        bool sounded;
    };
    for (const Case c : {Case{keyboardClient, false}, Case{otherClient, true}}) {
        SCOPED_TRACE(c.client);
        MidiRig rig;
        rig.input->setEchoClient(keyboardClient);
        rig.pending(64);
        rig.play({on(64, 90, c.client), pedal(127, c.client)});
        EXPECT_EQ(rig.form->kkey(64)->held(), 1);                 // the key shows the press
        EXPECT_EQ(rig.form->text1->text(), QStringLiteral("4"));  // and it answers
        rig.play({off(64, c.client), pedal(0, c.client)});
        EXPECT_EQ(rig.form->kkey(64)->held(), 0);
        const std::vector<Sent> expected =
            c.sounded ? std::vector<Sent>{{0x90, 64, 90}, {0xB0, 64, 127}, {0x80, 64, 127}, {0xB0, 64, 0}}
                      : std::vector<Sent>{};
        EXPECT_EQ(sent(rig.midi), expected);
    }
}

// ---------------------------------------------------------------- a keyboard pulled out

TEST(MidiInput, APortThatGoesReleasesItsHeldNotesAndPedal)
{
    MidiRig rig;
    rig.play({on(60), on(64), on(64), pedal(127), on(67, 100, otherClient), on(72, 100, keyboardClient, 1)});
    ASSERT_EQ(rig.input->heldNotes(), 5);
    rig.midi.clear();

    struct Step {
        const char* what;
        MidiEvent event;
        std::vector<Sent> released;
        int stillHeld;
    };
    const Step steps[] = {
        {"another client's port is not ours", MidiEvent::gone(otherClient, 1), {}, 5},
        {"the port",
         MidiEvent::gone(keyboardClient, 0),
         {{0x80, 60, 127}, {0x80, 64, 127}, {0x80, 64, 127}, {0xB0, 64, 0}},
         2},
        {"a late note-off of a gone port", off(60), {}, 2},
        {"the whole client", MidiEvent::gone(keyboardClient), {{0x80, 72, 127}}, 1},
        {"an overrun: all of it", MidiEvent{MidiEvent::Type::overrun}, {{0x80, 67, 127}}, 0},
    };
    for (const Step& s : steps) {
        SCOPED_TRACE(s.what);
        rig.midi.clear();
        rig.play({s.event});
        EXPECT_EQ(sent(rig.midi), s.released);
        EXPECT_EQ(rig.input->heldNotes(), s.stillHeld);
    }
    EXPECT_EQ(rig.keysHeld(), 0);
}

// ---------------------------------------------------------------- through the event queue

TEST(MidiInput, ANotePlayedDuringAWaitIsHandledInsideIt)
{
    MidiRig rig;
    const std::uint32_t t0 = rig.time.now();
    rig.time.at(100, [&] { rig.source->push(on(64, 90)); });
    rig.time.at(200, [&] { rig.source->push(off(64)); });
    rig.form->play1(60);  // waits 400 ms
    EXPECT_EQ(
        rig.midi.messages(),
        (std::vector<Message>{
            {t0, 0x90, 60, 127}, {t0 + 100, 0x90, 64, 90}, {t0 + 200, 0x80, 64, 127}, {t0 + 400, 0x80, 60, 127}}));
}

TEST(MidiInput, AReleaseDuringTheGreenFlashOfItsNoteIsHandledAtOnce)
{
    MidiRig rig;
    rig.pending(67);
    const std::uint32_t t0 = rig.time.now();
    rig.time.at(30, [&] { rig.source->push(off(67)); });
    rig.play({on(67)});
    EXPECT_EQ(rig.midi.messages(), (std::vector<Message>{{t0, 0x90, 67, 127}, {t0 + 30, 0x80, 67, 127}}));
    EXPECT_EQ(rig.form->text1->text(), QStringLiteral("4"));
    EXPECT_EQ(rig.form->kkey(67)->held(), 0);
}

namespace {

// 5,000 notes, each released three notes later, over every note number:
// 10,000 events, up to four notes held at once.
std::vector<MidiEvent> floodOfNotes()
{
    constexpr int noteCount = 5000;
    constexpr int overlap = 3;
    const auto noteAt = [](int i) { return (i * 7) % 128; };
    std::vector<MidiEvent> events;
    for (int i = 0; i < noteCount; ++i) {
        events.push_back(on(noteAt(i), 1 + i % 127));
        if (i >= overlap) {
            events.push_back(off(noteAt(i - overlap)));
        }
    }
    for (int i = noteCount - overlap; i < noteCount; ++i) {
        events.push_back(off(noteAt(i)));
    }
    return events;
}

void expectBalanced(const MidiRig& rig, std::size_t events)
{
    EXPECT_EQ(rig.midi.messages().size(), events);
    EXPECT_TRUE(rig.midi.sounding().empty());
    int ons = 0;
    int offs = 0;
    for (const Message& m : rig.midi.messages()) {
        ons += m.status == 0x90 ? 1 : 0;
        offs += m.status == 0x80 ? 1 : 0;
    }
    EXPECT_EQ(ons, offs);
    EXPECT_EQ(rig.input->heldNotes(), 0);
    EXPECT_EQ(rig.keysHeld(), 0);
}

}  // namespace

TEST(MidiInput, AFloodIsTakenWholeAtOneWakeUpAndStaysBalanced)
{
    MidiRig rig;
    rig.pending(64);  // the flood answers too; the right answer's flash waits inside it
    const std::vector<MidiEvent> events = floodOfNotes();
    ASSERT_EQ(events.size(), 10000U);
    rig.source->push(events.data(), events.size());
    for (const MidiEvent& e : events) {  // and one at a time behind it
        rig.source->push(e);
    }
    QCoreApplication::processEvents();
    EXPECT_EQ(rig.source->wakeUpsPosted(), 1U);  // one queued call for the whole burst
    expectBalanced(rig, 2 * events.size());
    EXPECT_EQ(rig.form->text1->text(), QStringLiteral("4"));  // the first 64 answered, once
}

TEST(MidiInput, AFloodFromAnotherThreadStaysBalanced)
{
    MidiRig rig;
    const std::vector<MidiEvent> events = floodOfNotes();
    constexpr std::size_t burst = 100;  // events per push, as a driver hands them over
    std::thread feeder([&] {
        for (std::size_t i = 0; i < events.size(); i += burst) {
            rig.source->push(events.data() + i, std::min(burst, events.size() - i));
        }
    });
    const bool all = pumpUntil([&] { return rig.midi.messages().size() >= events.size(); }, 60000);
    feeder.join();
    QCoreApplication::processEvents();
    EXPECT_TRUE(all);
    expectBalanced(rig, events.size());
}

// ---------------------------------------------------------------- computer keyboard

namespace {

struct KeyboardRig : FormRig {
    KeyboardRig() : keys(*form, *form)
    {
        startUp();
        qApp->installEventFilter(&keys);
    }
    ~KeyboardRig() { qApp->removeEventFilter(&keys); }

    void key(QEvent::Type type, int code, const QString& text = {}, bool autoRepeat = false,
             Qt::KeyboardModifiers modifiers = Qt::NoModifier, QObject* to = nullptr)
    {
        const int qtKey = text.isEmpty() ? 0 : text.at(0).toUpper().unicode();
        QKeyEvent event(type, qtKey, modifiers, static_cast<quint32>(code), 0, 0, text, autoRepeat);
        QCoreApplication::sendEvent(to != nullptr ? to : form.get(), &event);
    }
    void press(int code, const QString& text = {}) { key(QEvent::KeyPress, code, text); }
    void release(int code, const QString& text = {}) { key(QEvent::KeyRelease, code, text); }
    void page(Qt::Key which, bool autoRepeat = false)
    {
        QKeyEvent down(QEvent::KeyPress, which, Qt::NoModifier, which == Qt::Key_PageUp ? 112U : 117U, 0, 0, {},
                       autoRepeat);
        QCoreApplication::sendEvent(form.get(), &down);
        QKeyEvent up(QEvent::KeyRelease, which, Qt::NoModifier, which == Qt::Key_PageUp ? 112U : 117U, 0, 0, {},
                     autoRepeat);
        QCoreApplication::sendEvent(form.get(), &up);
    }

    ComputerKeyboard keys;
};

// Every key of the four rows: its xkb key code, its caps on US QWERTY and on
// French AZERTY, and its note at no shift (0: none).
struct MappedKey {
    int code;
    const char* qwerty;
    const char* azerty;
    int note;
};

constexpr MappedKey mappedKeys[] = {
    // bottom row: white keys from C3
    {52, "z", "w", 48},
    {53, "x", "x", 50},
    {54, "c", "c", 52},
    {55, "v", "v", 53},
    {56, "b", "b", 55},
    {57, "n", "n", 57},
    {58, "m", ",", 59},
    {59, ",", ";", 60},
    {60, ".", ":", 62},
    {61, "/", "!", 64},
    // home row: the black keys between them
    {38, "a", "q", 0},
    {39, "s", "s", 49},
    {40, "d", "d", 51},
    {41, "f", "f", 0},
    {42, "g", "g", 54},
    {43, "h", "h", 56},
    {44, "j", "j", 58},
    {45, "k", "k", 0},
    {46, "l", "l", 61},
    {47, ";", "m", 63},
    {48, "'", "ù", 0},
    // top row: white keys from C4
    {24, "q", "a", 60},
    {25, "w", "z", 62},
    {26, "e", "e", 64},
    {27, "r", "r", 65},
    {28, "t", "t", 67},
    {29, "y", "y", 69},
    {30, "u", "u", 71},
    {31, "i", "i", 72},
    {32, "o", "o", 74},
    {33, "p", "p", 76},
    {34, "[", "^", 77},
    {35, "]", "$", 79},
    // digit row: the black keys between them
    {10, "1", "&", 0},
    {11, "2", "é", 61},
    {12, "3", "\"", 63},
    {13, "4", "'", 0},
    {14, "5", "(", 66},
    {15, "6", "-", 68},
    {16, "7", "è", 70},
    {17, "8", "_", 0},
    {18, "9", "ç", 73},
    {19, "0", "à", 75},
    {20, "-", ")", 0},
    {21, "=", "=", 78},
};

}  // namespace

TEST(ComputerKeyboard, EachKeyPlaysTheNoteOfItsPlaceOnEveryLayout)
{
    for (const bool azerty : {false, true}) {
        KeyboardRig rig;
        for (const MappedKey& k : mappedKeys) {
            const QString text = QString::fromUtf8(azerty ? k.azerty : k.qwerty);
            SCOPED_TRACE(testing::Message()
                         << (azerty ? "AZERTY " : "QWERTY ") << k.code << " '" << text.toStdString() << "'");
            rig.midi.clear();
            rig.press(k.code, text);
            if (k.note != 0) {
                EXPECT_EQ(rig.form->kkey(k.note)->held(), 1);
            }
            rig.release(k.code, text);
            const std::vector<Sent> expected =
                k.note == 0 ? std::vector<Sent>{}
                            : std::vector<Sent>{{0x90, std::uint8_t(k.note), 127}, {0x80, std::uint8_t(k.note), 127}};
            EXPECT_EQ(sent(rig.midi), expected);
            EXPECT_EQ(rig.keys.map().noteFor(k.code), k.note == 0 ? std::nullopt : std::optional<int>(k.note));
        }
    }
}

TEST(ComputerKeyboard, OtherKeysAndOtherWindowsPlayNothing)
{
    KeyboardRig rig;
    QWidget elsewhere;  // a message box, say
    struct Case {
        const char* what;
        int code;
        Qt::KeyboardModifiers modifiers;
        QObject* to;
    };
    const Case cases[] = {
        {"the space bar", 65, Qt::NoModifier, nullptr},
        {"the letter keys' codes with Ctrl", 52, Qt::ControlModifier, nullptr},
        {"Alt", 24, Qt::AltModifier, nullptr},
        {"no key code at all", 0, Qt::NoModifier, nullptr},
        {"a key of another window", 52, Qt::NoModifier, &elsewhere},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        rig.key(QEvent::KeyPress, c.code, QStringLiteral("z"), false, c.modifiers, c.to);
        rig.key(QEvent::KeyRelease, c.code, QStringLiteral("z"), false, c.modifiers, c.to);
        EXPECT_TRUE(rig.midi.messages().empty());
    }
    // Shift is no shortcut: it plays.
    rig.key(QEvent::KeyPress, 52, QStringLiteral("Z"), false, Qt::ShiftModifier);
    rig.key(QEvent::KeyRelease, 52, QStringLiteral("Z"), false, Qt::ShiftModifier);
    EXPECT_EQ(sent(rig.midi), (std::vector<Sent>{{0x90, 48, 127}, {0x80, 48, 127}}));
}

TEST(ComputerKeyboard, ARightKeyAnswersLikeAClick)
{
    KeyboardRig rig;
    testing_support::putUpNote(*rig.form, rig.time.now(), 61, 7);
    rig.press(18);  // "9": C#5, not it
    rig.release(18);
    rig.press(11);  // "2": C#4
    rig.release(11);
    EXPECT_EQ(rig.form->text1->text(), QStringLiteral("8"));
    EXPECT_FALSE(rig.form->Timer2->isEnabled());
}

TEST(ComputerKeyboard, PageKeysShiftBothRowsByOneOctaveAtMost)
{
    struct Step {
        const char* what;
        int pages;                              // Page Up presses (negative: Page Down) before the keys
        std::vector<std::pair<int, int>> keys;  // key code, note (0: none)
    };
    const Step steps[] = {
        {"no shift", 0, {{52, 48}, {61, 64}, {24, 60}, {35, 79}}},
        {"one up", 1, {{52, 60}, {24, 72}, {34, 89}, {35, 0}, {21, 0}, {19, 87}}},
        {"no further up", 1, {{52, 60}, {34, 89}}},
        {"back", -1, {{52, 48}, {24, 60}}},
        {"one down", -1, {{52, 36}, {39, 37}, {61, 52}, {24, 48}, {11, 49}}},
        {"no further down", -2, {{52, 36}, {53, 38}}},
    };
    KeyboardRig rig;
    for (const Step& s : steps) {
        SCOPED_TRACE(s.what);
        for (int i = 0; i < std::abs(s.pages); ++i) {
            rig.page(s.pages > 0 ? Qt::Key_PageUp : Qt::Key_PageDown);
        }
        for (const auto& [code, note] : s.keys) {
            rig.midi.clear();
            rig.press(code);
            rig.release(code);
            const std::vector<Sent> expected =
                note == 0 ? std::vector<Sent>{}
                          : std::vector<Sent>{{0x90, std::uint8_t(note), 127}, {0x80, std::uint8_t(note), 127}};
            EXPECT_EQ(sent(rig.midi), expected) << "key code " << code;
        }
    }
}

TEST(ComputerKeyboard, AShiftNeverStrandsAHeldNote)
{
    KeyboardRig rig;
    rig.press(24);  // Q: C4
    rig.page(Qt::Key_PageDown);
    rig.press(25);    // W, now D3
    rig.release(24);  // the note-off goes to C4, which sounds
    rig.page(Qt::Key_PageUp);
    rig.page(Qt::Key_PageUp);
    rig.release(25);  // to D3
    EXPECT_EQ(sent(rig.midi), (std::vector<Sent>{{0x90, 60, 127}, {0x90, 50, 127}, {0x80, 60, 127}, {0x80, 50, 127}}));
    EXPECT_TRUE(rig.midi.sounding().empty());
    EXPECT_EQ(rig.form->kkey(60)->held() + rig.form->kkey(50)->held(), 0);
}

TEST(ComputerKeyboard, AutoRepeatIsIgnored)
{
    KeyboardRig rig;
    // A key held for 5 s: X11 repeats it 25 times a second as release/press pairs.
    rig.press(52);
    for (int i = 0; i < 125; ++i) {
        rig.key(QEvent::KeyRelease, 52, {}, true);
        rig.key(QEvent::KeyPress, 52, {}, true);
    }
    rig.release(52);
    EXPECT_EQ(sent(rig.midi), (std::vector<Sent>{{0x90, 48, 127}, {0x80, 48, 127}}));
    // A repeated Page Up is no second shift, nor a first one.
    QKeyEvent repeated(QEvent::KeyPress, Qt::Key_PageUp, Qt::NoModifier, 112, 0, 0, {}, true);
    QCoreApplication::sendEvent(rig.form.get(), &repeated);
    EXPECT_EQ(rig.keys.map().octaveShift(), 0);
    // A second press of a key already down (no release between) is no second note.
    rig.midi.clear();
    rig.press(53);
    rig.press(53);
    rig.release(53);
    EXPECT_EQ(sent(rig.midi), (std::vector<Sent>{{0x90, 50, 127}, {0x80, 50, 127}}));
}

TEST(ComputerKeyboard, LosingTheKeyboardReleasesEveryHeldKey)
{
    struct Case {
        const char* what;
        std::function<void(KeyboardRig&)> lose;
    };
    const Case cases[] = {
        {"the window deactivated",
         [](KeyboardRig& rig) {
             QEvent deactivate(QEvent::WindowDeactivate);
             QCoreApplication::sendEvent(rig.form.get(), &deactivate);
         }},
        {"the application inactive",
         [](KeyboardRig&) {
             QApplicationStateChangeEvent inactive(Qt::ApplicationInactive);
             QCoreApplication::sendEvent(qApp, &inactive);
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        KeyboardRig rig;
        rig.press(52);
        rig.press(24);
        rig.press(11);
        rig.midi.clear();
        c.lose(rig);
        EXPECT_EQ(sent(rig.midi), (std::vector<Sent>{{0x80, 61, 127}, {0x80, 60, 127}, {0x80, 48, 127}}));
        EXPECT_EQ(rig.form->kkey(48)->held() + rig.form->kkey(60)->held() + rig.form->kkey(61)->held(), 0);
        // The releases that arrive later, wherever they went, change nothing.
        rig.midi.clear();
        rig.release(52);
        rig.release(24);
        rig.release(11);
        EXPECT_TRUE(rig.midi.messages().empty());
        // And the keys play again.
        rig.press(52);
        rig.release(52);
        EXPECT_EQ(sent(rig.midi), (std::vector<Sent>{{0x90, 48, 127}, {0x80, 48, 127}}));
    }
}

// ---------------------------------------------------------------- ALSA, without and with a sequencer

TEST(MidiKeyboardPorts, OnlyHardwareKeyboardsAreConnectedByDefault)
{
    constexpr unsigned int readable = SND_SEQ_PORT_CAP_READ | SND_SEQ_PORT_CAP_SUBS_READ;
    constexpr unsigned int usbKeyboard =
        SND_SEQ_PORT_TYPE_MIDI_GENERIC | SND_SEQ_PORT_TYPE_HARDWARE | SND_SEQ_PORT_TYPE_PORT;
    struct Case {
        const char* what;
        unsigned int capability;
        unsigned int type;
        const char* client;
        bool connected;
    };
    const Case cases[] = {
        {"a USB keyboard", readable | SND_SEQ_PORT_CAP_WRITE | SND_SEQ_PORT_CAP_SUBS_WRITE | SND_SEQ_PORT_CAP_DUPLEX,
         usbKeyboard, "Keystation 49", true},
        {"a hardware port alone", readable, SND_SEQ_PORT_TYPE_HARDWARE, "Interface", true},
        {"a generic MIDI port no program made", readable, SND_SEQ_PORT_TYPE_MIDI_GENERIC, "Digital Piano", true},
        {"not readable", SND_SEQ_PORT_CAP_WRITE | SND_SEQ_PORT_CAP_SUBS_WRITE, usbKeyboard, "Synth", false},
        {"readable, closed to subscription", SND_SEQ_PORT_CAP_READ, usbKeyboard, "Keys", false},
        {"kept out of routing", readable | SND_SEQ_PORT_CAP_NO_EXPORT, usbKeyboard, "Keys", false},
        {"Midi Through", readable, SND_SEQ_PORT_TYPE_MIDI_GENERIC | SND_SEQ_PORT_TYPE_SOFTWARE, "Midi Through", false},
        {"Midi Through however typed", readable, usbKeyboard, "Midi Through", false},
        {"System", readable, usbKeyboard, "System", false},
        {"a program's port", readable, SND_SEQ_PORT_TYPE_MIDI_GENERIC | SND_SEQ_PORT_TYPE_APPLICATION, "Player", false},
        {"a software synthesizer", readable, SND_SEQ_PORT_TYPE_MIDI_GENERIC | SND_SEQ_PORT_TYPE_SYNTHESIZER, "Synth",
         false},
        {"a port of no MIDI type", readable, 0, "Timer", false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(keyboard::isKeyboardPort(c.capability, c.type, c.client), c.connected) << c.what;
    }
}

TEST(MidiKeyboardPorts, TheMidiInOptionChoosesWhatToConnect)
{
    using keyboard::MidiInputChoice;
    struct Case {
        const char* option;
        std::optional<MidiInputChoice> choice;
    };
    const Case cases[] = {
        {"", MidiInputChoice{}},
        {"none", std::nullopt},
        {"20:0", MidiInputChoice{false, 20, 0}},
        {"128:3", MidiInputChoice{false, 128, 3}},
        {"20", std::nullopt},
        {"x:y", std::nullopt},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(keyboard::midiInputChoice(QString::fromLatin1(c.option)), c.choice) << c.option;
    }
}

TEST(MidiKeyboardPorts, TheBuiltInSynthesizerIsNoInstrumentToEcho)
{
    sound::SynthConfig config;
    config.startAudio = false;
    sound::DefaultOutputSystem outputs(config);
    EXPECT_EQ(outputs.alsaClientOf(0), keyboard::midiin::noClient);
    EXPECT_EQ(outputs.alsaClientOf(100000), keyboard::midiin::noClient);
}

TEST(MidiKeyboardWithoutSequencer, InputIsAbsentWithOneLineAndTheWindowWorks)
{
    if (haveSequencer()) {
        GTEST_SKIP() << sequencerDevice << " exists here; the live tests cover this machine";
    }
    FormRig rig;
    rig.startUp();
    testing::internal::CaptureStderr();
    std::string problem;
    const std::unique_ptr<keyboard::MidiSource> source = keyboard::openAlsaMidiSource({}, &problem);
    const keyboard::MidiInputPortList list = keyboard::listMidiKeyboards();
    const std::string quiet = testing::internal::GetCapturedStderr();
    EXPECT_FALSE(source);
    EXPECT_NE(problem.find("sequencer"), std::string::npos) << problem;
    EXPECT_TRUE(list.ports.empty());
    EXPECT_EQ(list.problem, problem);
    EXPECT_EQ(quiet, "");  // alsa-lib's own lines are kept back

    struct Case {
        const char* option;
        int lines;
    };
    for (const Case c : {Case{"", 1}, Case{"20:0", 1}, Case{"none", 0}}) {
        testing::internal::CaptureStderr();
        const std::unique_ptr<MidiInput> input = app::startMidiKeyboards(*rig.form, QString::fromLatin1(c.option), 0);
        const std::string printed = testing::internal::GetCapturedStderr();
        EXPECT_FALSE(input) << c.option;
        EXPECT_EQ(std::count(printed.begin(), printed.end(), '\n'), c.lines) << printed;
        if (c.lines > 0) {
            EXPECT_NE(printed.find("no MIDI keyboard input"), std::string::npos) << printed;
        }
    }
    QTest::mousePress(rig.form->kkey(60), Qt::LeftButton);
    QTest::mouseRelease(rig.form->kkey(60), Qt::LeftButton);
    EXPECT_EQ(sent(rig.midi), (std::vector<Sent>{{0x90, 60, 127}, {0x80, 60, 127}}));
}

namespace {

// Another sequencer client with one readable port, as a USB keyboard's
// (hardware type, so that the default connection takes it).
class TestKeyboard {
public:
    TestKeyboard()
    {
        m_seq = sound::alsa::openClient("Tavelin test keyboard", SND_SEQ_OPEN_DUPLEX);
        if (m_seq) {
            m_client = snd_seq_client_id(m_seq.get());
        }
    }

    bool ok() const { return m_seq != nullptr; }
    int client() const { return m_client; }
    int port() const { return m_port; }

    void plugIn()
    {
        m_port =
            snd_seq_create_simple_port(m_seq.get(), "test keys", SND_SEQ_PORT_CAP_READ | SND_SEQ_PORT_CAP_SUBS_READ,
                                       SND_SEQ_PORT_TYPE_MIDI_GENERIC | SND_SEQ_PORT_TYPE_HARDWARE);
    }
    void pullOut()
    {
        snd_seq_delete_simple_port(m_seq.get(), m_port);
        m_port = -1;
    }

    void noteOn(int note, int velocity) { send(true, note, velocity); }
    void noteOff(int note) { send(false, note, 0); }

    // How many ports listen to ours.
    int listeners() const
    {
        snd_seq_query_subscribe_t* raw = nullptr;
        if (m_port < 0 || snd_seq_query_subscribe_malloc(&raw) < 0) {
            return 0;
        }
        const std::unique_ptr<snd_seq_query_subscribe_t, QueryDeleter> query(raw);
        snd_seq_addr_t root{static_cast<unsigned char>(m_client), static_cast<unsigned char>(m_port)};
        snd_seq_query_subscribe_set_root(query.get(), &root);
        snd_seq_query_subscribe_set_type(query.get(), SND_SEQ_QUERY_SUBS_READ);
        snd_seq_query_subscribe_set_index(query.get(), 0);
        if (snd_seq_query_port_subscribers(m_seq.get(), query.get()) < 0) {
            return 0;
        }
        return snd_seq_query_subscribe_get_num_subs(query.get());
    }

private:
    struct QueryDeleter {
        void operator()(snd_seq_query_subscribe_t* q) const { snd_seq_query_subscribe_free(q); }
    };

    void send(bool down, int note, int velocity)
    {
        snd_seq_event_t event;
        snd_seq_ev_clear(&event);
        if (down) {
            snd_seq_ev_set_noteon(&event, 3, note, velocity);
        } else {
            snd_seq_ev_set_noteoff(&event, 3, note, 64);
        }
        snd_seq_ev_set_source(&event, m_port);
        snd_seq_ev_set_subs(&event);
        snd_seq_ev_set_direct(&event);
        snd_seq_event_output_direct(m_seq.get(), &event);
    }

    sound::alsa::Seq m_seq;
    int m_client = -1;
    int m_port = -1;
};

class MidiKeyboardLive : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!haveSequencer()) {
            GTEST_SKIP() << "no ALSA sequencer here (" << sequencerDevice << " absent, as on CI)";
        }
        keyboard.emplace();
        if (!keyboard->ok()) {
            GTEST_SKIP() << sequencerDevice << " exists but cannot be opened (permissions?)";
        }
        rig.startUp();
    }

    void listen(const keyboard::MidiInputChoice& choice)
    {
        std::string problem;
        std::unique_ptr<keyboard::MidiSource> source = keyboard::openAlsaMidiSource(choice, &problem);
        ASSERT_TRUE(source) << problem;
        input = std::make_unique<MidiInput>(*rig.form, std::move(source));
    }

    bool arrived(std::uint8_t status, int note, int count = 1)
    {
        return pumpUntil([&] { return rig.midi.count(status, note) >= count; });
    }

    FormRig rig;
    std::optional<TestKeyboard> keyboard;  // made once the sequencer is known to be there
    std::unique_ptr<MidiInput> input;
};

}  // namespace

TEST_F(MidiKeyboardLive, AKeyboardPresentAtStartPlaysAndAnswers)
{
    keyboard->plugIn();
    listen({});
    EXPECT_EQ(keyboard->listeners(), 1);
    testing_support::putUpNote(*rig.form, rig.time.now(), 62, 0);
    keyboard->noteOn(62, 90);
    ASSERT_TRUE(arrived(0x90, 62));
    keyboard->noteOff(62);
    ASSERT_TRUE(arrived(0x80, 62));
    EXPECT_EQ(sent(rig.midi), (std::vector<Sent>{{0x90, 62, 90}, {0x80, 62, 127}}));
    EXPECT_EQ(rig.form->text1->text(), QStringLiteral("1"));
}

TEST_F(MidiKeyboardLive, AKeyboardPluggedInLaterIsConnectedAtOnce)
{
    listen({});
    keyboard->plugIn();
    ASSERT_TRUE(pumpUntil([&] { return keyboard->listeners() == 1; })) << "the announcement was not followed";
    keyboard->noteOn(70, 33);
    ASSERT_TRUE(arrived(0x90, 70));
    EXPECT_EQ(sent(rig.midi).front(), (Sent{0x90, 70, 33}));
}

TEST_F(MidiKeyboardLive, AKeyboardPulledOutReleasesItsHeldNotes)
{
    keyboard->plugIn();
    listen({});
    keyboard->noteOn(60, 100);
    keyboard->noteOn(64, 100);
    ASSERT_TRUE(arrived(0x90, 64));
    keyboard->pullOut();
    ASSERT_TRUE(arrived(0x80, 60));
    ASSERT_TRUE(arrived(0x80, 64));
    EXPECT_TRUE(rig.midi.sounding().empty());
    EXPECT_EQ(rig.form->kkey(60)->held() + rig.form->kkey(64)->held(), 0);
}

TEST_F(MidiKeyboardLive, TheChosenPortAloneIsConnectedAndFollowed)
{
    TestKeyboard second;
    ASSERT_TRUE(second.ok());
    second.plugIn();
    keyboard->plugIn();
    listen({false, keyboard->client(), keyboard->port()});
    EXPECT_EQ(keyboard->listeners(), 1);
    EXPECT_EQ(second.listeners(), 0);
    // Pulled out and plugged in again at the same address: connected again.
    keyboard->pullOut();
    keyboard->plugIn();
    ASSERT_TRUE(pumpUntil([&] { return keyboard->listeners() == 1; }));
    keyboard->noteOn(48, 5);
    ASSERT_TRUE(arrived(0x90, 48));
}
