#pragma once

#include "app/form1.h"
#include "tests/support/faketimebase.h"
#include "tests/support/recordingmidi.h"

#include <QCoreApplication>
#include <QStringList>
#include <gtest/gtest.h>
#include <memory>

namespace testing_support {

// A note on display with its answer timer running, as a tick leaves it (its
// pictures aside), after score right answers in the run: the window's run
// is told so, and the controls show it.
inline void putUpNote(Form1& form, std::uint32_t now, std::int16_t note, int score)
{
    exercise::Run& run = form.exerciseRun();
    run.start(1, now);
    for (int i = 0; i <= score; ++i) {
        run.show({note, "1"}, false, now);
        run.drawn(now);
        if (i < score) {
            run.answer(note, now);
        }
    }
    form.curnote = note;
    form.text1->setText(QString::number(score));
    form.Timer2->setEnabled(true);
}

class RecordingMessages final : public platform::MessageSink {
public:
    void show(const QString& text) override { shown.push_back(text); }
    QStringList shown;
};

// A main window on the virtual clock, sending into a recorder, reading the
// pictures built beside the test programs.
struct FormRig {
    explicit FormRig(std::uint32_t seed = 1, QString folder = QCoreApplication::applicationDirPath(),
                     std::uint32_t clockStart = 1000)
        : time(clockStart), midi([this] { return time.now(); })
    {
        make(seed, std::move(folder));
    }

    // Builds the window; a test may set up the recorder's failure first.
    void make(std::uint32_t seed, QString folder)
    {
        form.reset();
        Form1Services services{time, midi, messages, [this](const QString& line) { errors << line; }, std::move(folder),
                               seed, 0};
        form = std::make_unique<Form1>(services);
    }

    // Shows the window and lets it paint, as a window system would once it
    // is mapped (the offscreen platform exposes it at once).
    void paint()
    {
        form->show();
        QCoreApplication::processEvents();
    }

    // Shows the window, runs the start-up sequence (the greeting scale
    // included) and forgets what it sent.
    void startUp()
    {
        paint();
        time.advance(25);
        time.advance(2000);
        midi.clear();
    }

    FakeTimeBase time;
    RecordingOutputSystem midi;
    RecordingMessages messages;
    QStringList errors;
    std::unique_ptr<Form1> form;
};

}  // namespace testing_support
