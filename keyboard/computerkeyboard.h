#pragma once

#include "keyboard/notesink.h"

#include <QObject>

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

class QWidget;

// The computer keyboard as a piano. Keys are known by their place, not by
// what they type: the xkb key code (the evdev code + 8, what X11 and Wayland
// report as QKeyEvent::nativeScanCode()) is the same on AZERTY, QWERTZ and
// QWERTY, so each layout plays the same notes from the same keys.
namespace keyboard {

// xkb key codes of the four letter and digit rows, left to right, named by
// their US caps.
namespace keycodes {
constexpr int digitRowFirst = 10;   // "1" ... "=" (12 keys, to 21): black keys above the top row
constexpr int topRowFirst = 24;     // "Q" ... "]" (12 keys, to 35): white keys from C4
constexpr int homeRowFirst = 38;    // "A" ... "'" (11 keys, to 48): black keys above the bottom row
constexpr int bottomRowFirst = 52;  // "Z" ... "/" (10 keys, to 61): white keys from C3
constexpr int digitRowKeys = 12;
constexpr int topRowKeys = 12;
constexpr int homeRowKeys = 11;
constexpr int bottomRowKeys = 10;
constexpr int count = 256;  // key codes are 8 to 255
}  // namespace keycodes

namespace computerkeys {
constexpr int bottomRowStart = 48;  // C3, the bottom row's first key at no shift
constexpr int topRowStart = 60;     // C4 (middle C), the top row's first key at no shift
constexpr int lowestNote = 36;      // a key outside the window's piano (36 to 89) does nothing
constexpr int highestNote = 89;
constexpr int maxShift = 1;  // octaves, either way: the bottom row reaches C2, the top row F6
constexpr std::uint8_t velocity = 127;
}  // namespace computerkeys

// Which note each key plays, and which note each key held down switched on.
// Each row of white keys has the row above it for its black keys, as on a
// piano: the upper key between two white-note keys plays the black key
// between their notes, where there is one (none between E and F, nor
// between B and C).
class ComputerKeyboardMap {
public:
    ComputerKeyboardMap();

    // The note of the key at the present shift; nothing for a key of no row,
    // for an upper key with no black key below it, and for a note outside
    // 36 to 89.
    std::optional<int> noteFor(int keyCode) const;
    // Whether the key belongs to one of the four rows (a note or not).
    static bool isPianoKey(int keyCode);

    // A press: the note to switch on, if the key plays one and was up.
    std::optional<int> press(int keyCode);
    // A release: the note the press switched on, whatever the shift now.
    std::optional<int> release(int keyCode);
    // Every held key let go: their notes, in key code order.
    std::vector<int> releaseAll();

    // Moves both rows by octaves (+1 up, -1 down) within one octave of
    // the start; false when already at that end.
    bool shift(int octaves);
    int octaveShift() const { return m_shift; }

private:
    static constexpr std::int8_t none = -1;
    std::array<std::int8_t, keycodes::count> m_sounding{};  // per key code: the note it switched on, or none
    int m_shift = 0;
};

// Watches the window's key events (installed on the application, so that it
// works whichever control was clicked last: every control is NoFocus and
// the keys go to the window) and plays the map's notes into the sink (the
// window's one input path), at full velocity. Page Up and Page Down shift the octave.
// Auto-repeat is ignored: a key held down is one note. When the window or
// the application loses the keyboard, every held key is released, since its
// release would go elsewhere.
class ComputerKeyboard final : public QObject {
public:
    ComputerKeyboard(const QWidget& window, NoteSink& sink, QObject* parent = nullptr);

    const ComputerKeyboardMap& map() const { return m_map; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool ours(QObject* watched) const;
    void releaseAll();

    const QWidget& m_window;
    NoteSink& m_sink;
    ComputerKeyboardMap m_map;
};

}  // namespace keyboard
