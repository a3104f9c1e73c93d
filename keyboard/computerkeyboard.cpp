#include "keyboard/computerkeyboard.h"

#include <QCoreApplication>
#include <QEvent>
#include <QKeyEvent>
#include <QWidget>

#include <algorithm>

namespace keyboard {

namespace {

// Semitones from C of the white keys C D E F G A B.
constexpr std::array<int, 7> whiteSteps = {0, 2, 4, 5, 7, 9, 11};

// The index-th white key counting from C at start (a C).
constexpr int whiteNote(int start, int index)
{
    return start + 12 * (index / 7) + whiteSteps[static_cast<std::size_t>(index % 7)];
}

// A row of white keys and the row above it, which is offset half a key to
// the left: upper key i lies between lower keys i - 1 and i.
struct RowPair {
    int lowerFirst;  // key code of the white row's first key
    int lowerKeys;
    int upperFirst;  // key code of the black row's first key
    int upperKeys;
    int start;  // note of the white row's first key at no shift
};

constexpr std::array<RowPair, 2> rowPairs = {{
    {keycodes::bottomRowFirst, keycodes::bottomRowKeys, keycodes::homeRowFirst, keycodes::homeRowKeys,
     computerkeys::bottomRowStart},
    {keycodes::topRowFirst, keycodes::topRowKeys, keycodes::digitRowFirst, keycodes::digitRowKeys,
     computerkeys::topRowStart},
}};

// The note before the range check, at the given octave shift.
std::optional<int> rowNote(int keyCode, int shift)
{
    for (const RowPair& rows : rowPairs) {
        const int start = rows.start + 12 * shift;
        if (keyCode >= rows.lowerFirst && keyCode < rows.lowerFirst + rows.lowerKeys) {
            return whiteNote(start, keyCode - rows.lowerFirst);
        }
        if (keyCode >= rows.upperFirst && keyCode < rows.upperFirst + rows.upperKeys) {
            const int i = keyCode - rows.upperFirst;
            if (i == 0) {
                return std::nullopt;  // left of the first white key: nothing below it
            }
            const int below = whiteNote(start, i - 1);
            const int above = whiteNote(start, i);
            if (above - below != 2) {
                return std::nullopt;  // E-F, B-C: no black key between
            }
            return below + 1;
        }
    }
    return std::nullopt;
}

bool inRange(int keyCode)
{
    return keyCode >= 0 && keyCode < keycodes::count;
}

}  // namespace

// ---------------------------------------------------------------- ComputerKeyboardMap

ComputerKeyboardMap::ComputerKeyboardMap()
{
    m_sounding.fill(none);
}

bool ComputerKeyboardMap::isPianoKey(int keyCode)
{
    for (const RowPair& rows : rowPairs) {
        if ((keyCode >= rows.lowerFirst && keyCode < rows.lowerFirst + rows.lowerKeys) ||
            (keyCode >= rows.upperFirst && keyCode < rows.upperFirst + rows.upperKeys)) {
            return true;
        }
    }
    return false;
}

std::optional<int> ComputerKeyboardMap::noteFor(int keyCode) const
{
    const std::optional<int> note = rowNote(keyCode, m_shift);
    if (!note || *note < computerkeys::lowestNote || *note > computerkeys::highestNote) {
        return std::nullopt;
    }
    return note;
}

std::optional<int> ComputerKeyboardMap::press(int keyCode)
{
    if (!inRange(keyCode) || m_sounding[static_cast<std::size_t>(keyCode)] != none) {
        return std::nullopt;
    }
    const std::optional<int> note = noteFor(keyCode);
    if (note) {
        m_sounding[static_cast<std::size_t>(keyCode)] = static_cast<std::int8_t>(*note);
    }
    return note;
}

std::optional<int> ComputerKeyboardMap::release(int keyCode)
{
    if (!inRange(keyCode)) {
        return std::nullopt;
    }
    std::int8_t& sounding = m_sounding[static_cast<std::size_t>(keyCode)];
    if (sounding == none) {
        return std::nullopt;
    }
    const int note = static_cast<int>(sounding);  // NOLINT(bugprone-signed-char-misuse): a note 0-127 or none (-1)
    sounding = none;
    return note;
}

std::vector<int> ComputerKeyboardMap::releaseAll()
{
    std::vector<int> notes;
    for (std::int8_t& sounding : m_sounding) {
        if (sounding != none) {
            notes.push_back(sounding);
            sounding = none;
        }
    }
    return notes;
}

bool ComputerKeyboardMap::shift(int octaves)
{
    const int next = std::clamp(m_shift + octaves, -computerkeys::maxShift, computerkeys::maxShift);
    if (next == m_shift) {
        return false;
    }
    m_shift = next;
    return true;
}

// ---------------------------------------------------------------- ComputerKeyboard

ComputerKeyboard::ComputerKeyboard(const QWidget& window, NoteSink& sink, QObject* parent)
    : QObject(parent), m_window(window), m_sink(sink)
{
}

bool ComputerKeyboard::ours(QObject* watched) const
{
    const auto* widget = qobject_cast<QWidget*>(watched);
    return widget != nullptr && widget->window() == &m_window;
}

void ComputerKeyboard::releaseAll()
{
    for (const int note : m_map.releaseAll()) {
        m_sink.noteUp(static_cast<std::int16_t>(note), true);
    }
}

bool ComputerKeyboard::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::KeyRelease: {
        if (!ours(watched)) {
            return false;  // a message box's keys are its own
        }
        const auto* key = static_cast<QKeyEvent*>(event);
        const bool press = event->type() == QEvent::KeyPress;
        if (key->key() == Qt::Key_PageUp || key->key() == Qt::Key_PageDown) {
            if (press && !key->isAutoRepeat()) {
                m_map.shift(key->key() == Qt::Key_PageUp ? 1 : -1);
            }
            return true;
        }
        const int code = static_cast<int>(key->nativeScanCode());
        if (!ComputerKeyboardMap::isPianoKey(code)) {
            return false;
        }
        if (key->isAutoRepeat()) {
            return true;  // the key is still down: its note goes on
        }
        // The map's state changes before the window is told, since a press
        // may wait (a right answer's flash) and a release come meanwhile.
        if (press) {
            if ((key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) != 0) {
                return false;  // a shortcut, not a note
            }
            if (const std::optional<int> note = m_map.press(code)) {
                m_sink.noteDown(static_cast<std::int16_t>(*note), computerkeys::velocity, true);
            }
        } else if (const std::optional<int> note = m_map.release(code)) {
            m_sink.noteUp(static_cast<std::int16_t>(*note), true);
        }
        return true;
    }
    case QEvent::WindowDeactivate:
        if (watched == &m_window) {
            releaseAll();
        }
        return false;
    case QEvent::ApplicationStateChange:
        if (watched == QCoreApplication::instance() &&
            static_cast<QApplicationStateChangeEvent*>(event)->applicationState() != Qt::ApplicationActive) {
            releaseAll();
        }
        return false;
    default:
        return false;
    }
}

}  // namespace keyboard
