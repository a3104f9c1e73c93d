#pragma once

#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

// The main window's controls, each described once: its name, caption,
// place, colours and font, and what the tooltip, the keyboard shortcut, the
// help window and a screen reader say of it. The window is built from this
// table, and its shortcuts, tooltips, help rows and accessible names are
// read from it. Texts are UTF-8, in French; the ones a user reads are
// marked for translation (context "Controls") and shown through
// app::controlText (app/translation.h), the design's fixed texts (the check
// box's caption) are not.
namespace app {

enum class ControlKind {
    Label,      // a caption on the window's own surface, sized to its text
    Picture,    // a PictureBox
    Keys,       // the 54 piano keys, placed by keyboard/keygeometry.h
    Button,     // a CommandButton
    Score,      // the read-only score box
    ScrollBar,  // the speed bar
    CheckBox,
    Command,  // no control of its own: a shortcut of the window (the help, the pupils window)
};

// A colour of the design: a fixed one, or one of the system palette's.
struct Colour {
    enum class From { None, Rgb, HighlightedText, Light };
    From from = From::None;
    std::uint32_t rgb = 0;  // 0xRRGGBB, for From::Rgb
};

constexpr Colour rgb(std::uint32_t value)
{
    return {Colour::From::Rgb, value};
}

// A design font: the family that stands in for the design's face, at the
// design's size in points (shown at 96 dpi). No family: the style's font.
struct Font {
    const char* family = nullptr;
    double points = 0.0;
};

// A design rectangle in twips (15 a pixel). A label has only its top left
// corner: it sizes itself to its caption.
struct Twips {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

// A keyboard shortcut. Only function keys and Escape are used, since every
// letter, digit and punctuation key of the four rows plays a note
// (keyboard/computerkeyboard.h) and Page Up / Page Down shift its octave.
struct Key {
    const char* sequence = nullptr;  // the key in QKeySequence's portable text; none: no shortcut
    const char* name = nullptr;      // the key as the tooltips and the help write it
    int xkbCode = 0;                 // its xkb key code (evdev + 8), the same on every layout
};

// What a tooltip ends with.
enum class TipEnd {
    OwnKey,    // the control's own shortcut in brackets, if it has one
    HelpKeys,  // "Aide : F1 · Élèves : F11", the commands' keys
};

struct ControlRow {
    const char* name;  // the object name; "m(3)" for a member of a control array
    ControlKind kind;
    const char* caption = nullptr;       // a command's name, for the tooltips that give its key
    const char* otherCaption = nullptr;  // the caption a toggle shows in its other state
    Twips box{};
    Colour face{};  // a button's face, a picture's or the score's background
    Colour text{};  // a label's or the score's text
    Font font{};
    bool sunken = false;    // a picture box with a sunken border
    bool autoSize = false;  // a picture box that takes the size of its picture
    // The tooltip; "%1" is the spoken name (below). Nothing: no tooltip.
    const char* tooltip = nullptr;
    TipEnd tipEnd = TipEnd::OwnKey;
    Key key{};
    // What the shortcut does, in the help's table; "%1" the spoken name, "%2" the other caption.
    const char* help = nullptr;
    // An exercise's description in the help's list of them.
    const char* exercise = nullptr;
    // What a screen reader calls it when not its caption.
    const char* accessibleName = nullptr;
    // The label beside it that names it, for a control whose own caption is not seen.
    const char* labelledBy = nullptr;
};

// Every control, from the bottommost to the topmost (children stack in
// creation order), then the commands without a control.
std::span<const ControlRow> controls();

// The row of a control, by name; nullptr when there is none.
const ControlRow* control(std::string_view name);

// The name a screen reader and the texts give the control: its accessible
// name, else the caption of the label that names it, else its caption.
const char* spokenName(const ControlRow& row);

// The controls with a shortcut, in the order the help lists them.
std::vector<const ControlRow*> shortcuts();

// The mode buttons m(1) to m(6), in order.
std::vector<const ControlRow*> modes();

}  // namespace app
