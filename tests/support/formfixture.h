#pragma once

#include "app/form1.h"
#include "tests/support/faketimebase.h"
#include "tests/support/recordingmidi.h"

#include <QCoreApplication>
#include <QStringList>
#include <gtest/gtest.h>
#include <memory>

namespace testing_support {

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
        Form1Services services{time, midi, messages, [this](const QString& line) { errors << line; },
                               std::move(folder), seed, 0};
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
