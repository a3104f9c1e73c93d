// tavelin-bench-press: how long a mouse press on a key takes to become a
// note-on handed to the synthesizer, through the window's own event path.
//
//   tavelin-bench-press [--quick] [presses]
//
// The real window on the real time base; each press is a QMouseEvent sent to
// the key widget through QApplication::sendEvent (the application's notify,
// its event filters, the widget's handler, the key's signal, the window's
// handler, the MIDI handle table), and the output device stamps the note-on
// with the steady clock when it is handed over. Between presses the event
// loop runs, so the key repaints as it would; that time is not counted.

#include "bench/benchform.h"
#include "bench/report.h"
#include "keyboard/keygeometry.h"

#include <QApplication>
#include <QMouseEvent>
#include <cstdlib>
#include <cstring>

namespace {

using bench::Clock;

// One press and release of the key of `note`; returns the press-to-note-on
// time in ms, or a negative value when no single note-on of that note came.
double pressOnce(bench::BenchForm& rig, int note)
{
    KeyButton* key = rig.form->kkey(note);
    const QPointF at = QRectF(key->rect()).center();
    const QPointF global = QPointF(key->mapToGlobal(at.toPoint()));
    QMouseEvent press(QEvent::MouseButtonPress, at, global, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QMouseEvent release(QEvent::MouseButtonRelease, at, global, Qt::LeftButton, Qt::NoButton, Qt::NoModifier);

    const std::size_t before = rig.outputs.messages().size();
    const Clock::time_point pressed = Clock::now();
    QApplication::sendEvent(key, &press);
    const auto& log = rig.outputs.messages();
    double ms = -1;
    int noteOns = 0;
    for (std::size_t i = before; i < log.size(); ++i) {
        if (bench::isNoteOn(log[i].message)) {
            ++noteOns;
            if (static_cast<int>((log[i].message >> 8) & 0x7FU) == note) {
                ms = std::chrono::duration<double, std::milli>(log[i].at - pressed).count();
            }
        }
    }
    QApplication::sendEvent(key, &release);
    QCoreApplication::processEvents();
    return noteOns == 1 ? ms : -1;
}

}  // namespace

int main(int argc, char** argv)
{
    int presses = 3000;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--quick") == 0) {
            presses = 500;
        } else {
            presses = std::max(1, std::atoi(argv[i]));
        }
    }
    bench::choosePlatform();
    QApplication app(argc, argv);
    bench::BenchForm rig;
    rig.showAndSettle();

    // A few presses first, so that first-use costs (the paint of each key's
    // face, lazily made caches) are not taken for the path's own.
    for (int note = keyboard::firstKey; note <= keyboard::lastKey; ++note) {
        pressOnce(rig, note);
    }
    rig.outputs.clear();

    bench::Sample sample;
    int failures = 0;
    constexpr int keys = keyboard::lastKey - keyboard::firstKey + 1;
    for (int i = 0; i < presses; ++i) {
        // Steps of 7 keys visit every key in turn (7 and 54 share no factor).
        const int note = keyboard::firstKey + (i * 7) % keys;
        const double ms = pressOnce(rig, note);
        if (ms < 0) {
            ++failures;
        } else {
            sample.add(ms);
        }
        if (rig.outputs.messages().size() > 60000) {
            rig.outputs.clear();
        }
    }
    std::fprintf(stderr, "press: %zu presses timed, %d without exactly one note-on of their key; max %.4f ms\n",
                 sample.size(), failures, sample.max());
    if (failures > 0 || sample.empty()) {
        std::fprintf(stderr, "press: a press did not give its one note-on\n");
        return 1;
    }
    bench::printRow("Mouse press on a key → note-on handed to the synthesizer (real `Form1`, `QApplication::sendEvent`, n=" +
                        std::to_string(sample.size()) + ")",
                    bench::format(sample.median(), 4, "ms"), bench::format(sample.p99(), 4, "ms"), "p99 < 0.5 ms",
                    sample.p99() < 0.5);
    return 0;
}
