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
// A second series enters one step earlier, where the window system hands
// Qt a press at a point of the window (QTest on the window's QWindow): Qt's
// own input handling finds the key under the point and delivers to it.

#include "bench/benchform.h"
#include "bench/report.h"
#include "keyboard/keygeometry.h"
#include "sound/shortmsg.h"

#include <QApplication>
#include <QMouseEvent>
#include <QTest>
#include <QWindow>
#include <cstdlib>
#include <cstring>

namespace {

using bench::Clock;

enum class Entry { widget, window };

// One press and release of the key of `note`; returns the press-to-note-on
// time in ms, or a negative value when no single note-on of that note came.
double pressOnce(bench::BenchForm& rig, int note, Entry entry)
{
    KeyButton* key = rig.form->kkey(note);
    // Low on the key, where a black key never covers a white one.
    const QPoint at(key->width() / 2, key->height() - 8);
    const QPointF global = QPointF(key->mapToGlobal(at));
    QMouseEvent press(QEvent::MouseButtonPress, QPointF(at), global, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QMouseEvent release(QEvent::MouseButtonRelease, QPointF(at), global, Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QWindow* window = rig.form->windowHandle();
    const QPoint inWindow = key->mapTo(rig.form.get(), at);

    const std::size_t before = rig.outputs.messages().size();
    const Clock::time_point pressed = Clock::now();
    if (entry == Entry::widget) {
        QApplication::sendEvent(key, &press);
    } else {
        QTest::mousePress(window, Qt::LeftButton, Qt::NoModifier, inWindow);
    }
    const auto& log = rig.outputs.messages();
    double ms = -1;
    int noteOns = 0;
    for (std::size_t i = before; i < log.size(); ++i) {
        if (bench::isNoteOn(log[i].message)) {
            ++noteOns;
            if (sound::data1Of(log[i].message) == note) {
                ms = std::chrono::duration<double, std::milli>(log[i].at - pressed).count();
            }
        }
    }
    if (entry == Entry::widget) {
        QApplication::sendEvent(key, &release);
    } else {
        QTest::mouseRelease(window, Qt::LeftButton, Qt::NoModifier, inWindow);
    }
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

    // One press of every key first, so that first-use costs (the paint of each key's
    // face, lazily made caches) are not taken for the path's own.
    for (int note = keyboard::firstKey; note <= keyboard::lastKey; ++note) {
        pressOnce(rig, note, Entry::widget);
        pressOnce(rig, note, Entry::window);
    }
    rig.outputs.clear();

    constexpr int keys = keyboard::lastKey - keyboard::firstKey + 1;
    int failures = 0;
    const auto series = [&](Entry entry) {
        bench::Sample sample;
        for (int i = 0; i < presses; ++i) {
            // Steps of 7 keys visit every key in turn (7 and 54 share no
            // factor), and no two presses in a row are a double click.
            const int note = keyboard::firstKey + (i * 7) % keys;
            const double ms = pressOnce(rig, note, entry);
            if (ms < 0) {
                ++failures;
            } else {
                sample.add(ms);
            }
            if (rig.outputs.messages().size() > 60000) {
                rig.outputs.clear();
            }
        }
        return sample;
    };
    const bench::Sample widget = series(Entry::widget);
    const bench::Sample window = series(Entry::window);
    std::fprintf(stderr,
                 "press: %zu + %zu presses timed, %d without exactly one note-on of their key; max %.4f / %.4f ms\n",
                 widget.size(), window.size(), failures, widget.max(), window.max());
    if (failures > 0 || widget.empty() || window.empty()) {
        std::fprintf(stderr, "press: a press did not give its one note-on\n");
        return 1;
    }
    bench::printRow(
        "Mouse press on a key → note-on handed to the synthesizer: `QMouseEvent` sent to the `KeyButton` "
        "(`QApplication::sendEvent`, real `Form1` on `QtTimeBase`, n=" +
            std::to_string(widget.size()) + ")",
        bench::format(widget.median() * 1000, 2, "µs"), bench::format(widget.p99() * 1000, 2, "µs"), "p99 < 0.5 ms",
        widget.p99() < 0.5);
    bench::printRow(
        "Mouse press → note-on, entering as a window-system press on the window (`QTest::mousePress` on "
        "its `QWindow`; Qt finds the key under the point, n=" +
            std::to_string(window.size()) + ")",
        bench::format(window.median() * 1000, 2, "µs"), bench::format(window.p99() * 1000, 2, "µs"), "p99 < 0.5 ms",
        window.p99() < 0.5);
    return 0;
}
