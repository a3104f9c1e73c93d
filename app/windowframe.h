#pragma once

#include <QAbstractButton>
#include <QString>
#include <QWidget>

namespace app {

// Whether the window needs the frame below on this Qt platform ("xcb",
// "wayland", ...). On Wayland, where the compositor leaves the frame to the
// program, Qt 6.4's own (its "bradient" decoration) draws a maximise button
// on every window, a fixed-size one too: it never reads the window's flags
// nor its size limits. Elsewhere the window manager draws the frame from the
// window's flags, and the window stays as it is.
bool needsOwnFrame(const QString& platformName);

// A button of the title bar, drawn as a glyph (a bar or a cross) in the
// title's colour, so that it looks the same whatever fonts are installed.
class TitleButton final : public QAbstractButton {
    Q_OBJECT

public:
    enum class Glyph { minimise, close };
    TitleButton(Glyph glyph, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Glyph m_glyph;
};

// The frame of a fixed-size window, drawn by the program: a title bar with
// the window's icon, its caption, a minimise and a close button (no
// maximise), a thin border, and the window inside at the size that it fixes
// for itself. The frame follows the window's size, caption and icon; closing
// the frame closes the window first, and the frame closes only if it did.
// Dragging the title bar moves the frame, as the compositor does it.
class WindowFrame final : public QWidget {
    Q_OBJECT

public:
    static constexpr int titleBarPx = 30;
    static constexpr int borderPx = 1;

    explicit WindowFrame(QWidget& content);
    // The window goes back to being a window of its own (hidden): its owner
    // destroys it, the frame does not.
    ~WindowFrame() override;
    WindowFrame(const WindowFrame&) = delete;
    WindowFrame& operator=(const WindowFrame&) = delete;

    QWidget& content() const { return m_content; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void placeButtons();

    QWidget& m_content;
    TitleButton* m_minimise;
    TitleButton* m_close;
};

}  // namespace app
