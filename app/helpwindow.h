#pragma once

#include <QWidget>

class QTextBrowser;

// The help: what the program does, the six exercises, the speeds, the
// shortcuts, the computer keyboard's piano keys, the MIDI keyboard, the
// options for teachers, and an About section. A window of its own beside the
// main one, never modal: a run goes on while it is open. Escape closes it.
class HelpWindow final : public QWidget {
    Q_OBJECT

public:
    explicit HelpWindow(QWidget* parent);

    QTextBrowser* browser() const { return m_browser; }

    // The whole text, as HTML (the map picture is the resource "keyboard-map").
    static QString html();

private:
    QTextBrowser* m_browser;
};
