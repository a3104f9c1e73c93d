#pragma once

#include <QWidget>
#include <cstdint>

// One key of the on-screen piano. It knows only its index and face colour and
// reports each mouse press and release; what a press means is its owner's
// business. Every press is reported once, the second of a double click too
// (which Qt delivers as a double-click event instead of a press), and so is
// every release; the release of each press comes back to the key that got
// the press, wherever the pointer is by then (the mouse grab sees to that).
class KeyButton final : public QWidget {
    Q_OBJECT

public:
    KeyButton(std::int16_t index, QWidget* parent);

    std::int16_t index() const { return m_index; }

    // Face colour as a 24-bit value with red in the low byte (0x00BBGGRR).
    std::uint32_t BackColor() const { return m_backColor; }
    void setBackColor(std::uint32_t colour);

    // How many sources hold the key down now; drawn pressed while above 0.
    void setHeld(int count);
    int held() const { return m_held; }

    // A press and its release, as a click gives them: the accessibility
    // action "press" of a screen reader.
    void click();

signals:
    void mouseDown(std::int16_t index, Qt::MouseButton button, Qt::KeyboardModifiers shift, QPoint at);
    void mouseUp(std::int16_t index, Qt::MouseButton button, Qt::KeyboardModifiers shift, QPoint at);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    std::int16_t m_index;
    std::uint32_t m_backColor;
    int m_held = 0;
};

// 0x00BBGGRR to QColor and back.
QColor colourFromValue(std::uint32_t value);

// Makes the keys known to screen readers as push buttons (named by their
// owner with setAccessibleName) that can be pressed. Once is enough.
void installKeyAccessibility();
