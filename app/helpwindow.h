#pragma once

#include <QWidget>

class QLabel;
class QPushButton;
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
    QPushButton* pupilsButton() const { return m_pupils; }
    QLabel* playingLabel() const { return m_playing; }

    // Who is playing, as the pupils window chose it.
    void setPlaying(const QString& description);

    // The whole text, as HTML (the map picture is the resource "keyboard-map").
    static QString html();

signals:
    // The button "Élèves et progrès": the pupils window is wanted.
    void pupilsRequested();

private:
    QTextBrowser* m_browser;
    QLabel* m_playing;
    QPushButton* m_pupils;
};
