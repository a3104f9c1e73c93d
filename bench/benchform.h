#pragma once

#include "app/form1.h"
#include "bench/timedoutput.h"
#include "platform/qttimebase.h"

#include <QApplication>
#include <QString>
#include <cstdio>
#include <memory>

namespace bench {

// Messages that would need a click go to stderr instead: a timing program
// has nobody to click them away.
class StderrMessages final : public platform::MessageSink {
public:
    void show(const QString& text) override
    {
        ++count;
        std::fprintf(stderr, "message: %s\n", text.toLocal8Bit().constData());
    }
    int count = 0;
};

// The real window on the real time base, sending into a timed recorder, with
// the pictures built beside the timing programs.
struct BenchForm {
    explicit BenchForm(exercise::ExerciseObserver* observer = nullptr)
    {
        const Form1Services services{time,
                                     outputs,
                                     messages,
                                     [this](const QString& line) {
                                         ++pictureErrors;
                                         std::fprintf(stderr, "%s\n", line.toLocal8Bit().constData());
                                     },
                                     QCoreApplication::applicationDirPath(),
                                     1,
                                     0,
                                     observer};
        form = std::make_unique<Form1>(services);
    }

    // Shows the window and lets the start-up sequence play out: it starts
    // 20 ms after the first paint and its greeting scale lasts 1.8 s.
    void showAndSettle()
    {
        form->show();
        time.waitms(2500);
        outputs.clear();
    }

    platform::QtTimeBase time;
    TimedOutputSystem outputs;
    StderrMessages messages;
    int pictureErrors = 0;
    std::unique_ptr<Form1> form;
};

// Every timing program with a window: offscreen where there is no display,
// else on the display it is given (bench.sh gives a virtual X server).
inline void choosePlatform()
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication::setStyle(QStringLiteral("Fusion"));
}

}  // namespace bench
