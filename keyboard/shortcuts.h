#pragma once

#include <array>
#include <string_view>

// The window's keyboard shortcuts: one key per control that a click works,
// plus the help and the pupils window. Only function keys and Escape are used, since every letter,
// digit and punctuation key of the four rows plays a note (computerkeyboard.h)
// and Page Up / Page Down shift its octave.
namespace keyboard {

struct Shortcut {
    const char* control;  // object name of the control it clicks; "help" opens the help window, "pupils" the pupils window
    const char* key;      // the key in QKeySequence's portable text
    const char* keyName;  // the key as the tooltips and the help write it
    int xkbCode;          // its xkb key code (evdev + 8), the same on every layout
};

inline constexpr std::array<Shortcut, 12> shortcuts = {{
    {"help", "F1", "F1", 67},
    {"m(1)", "F2", "F2", 68},
    {"m(2)", "F3", "F3", 69},
    {"m(3)", "F4", "F4", 70},
    {"m(4)", "F5", "F5", 71},
    {"m(5)", "F6", "F6", 72},
    {"m(6)", "F7", "F7", 73},
    {"stop1", "Esc", "Échap", 9},
    {"Check1", "F8", "F8", 74},
    {"Command3", "F9", "F9", 75},
    {"Command4", "F10", "F10", 76},
    {"pupils", "F11", "F11", 95},
}};

// The shortcut of a control, or nullptr.
constexpr const Shortcut* shortcutFor(std::string_view control)
{
    for (const Shortcut& s : shortcuts) {
        if (control == s.control) {
            return &s;
        }
    }
    return nullptr;
}

}  // namespace keyboard
