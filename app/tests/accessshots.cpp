// tavelin-accessshots: draws the manual's pictures of the help window and of
// a key during a right answer's flash and a missed note's flash, from the
// real window on the virtual clock (offscreen), each taken in the middle of
// its 150 ms flash.
//
//   tavelin-accessshots DOCS_FOLDER
#include "app/helpwindow.h"
#include "tests/support/formfixture.h"

#include <QApplication>
#include <QPixmap>
#include <algorithm>
#include <cstdio>

namespace {

bool save(const QPixmap& shot, const QString& path)
{
    if (!shot.save(path, "PNG")) {
        std::fprintf(stderr, "tavelin-accessshots: cannot write %s\n", path.toLocal8Bit().constData());
        return false;
    }
    return true;
}

// The keyboard around a key: from two white keys left of it to the bottom.
QRect around(const Form1& f, int key)
{
    const QRect k = f.kkey(key)->geometry();
    const int left = std::clamp(k.center().x() - 112, 0, f.width() - 224);
    return QRect(left, 236, 224, f.height() - 236);
}

}  // namespace

int main(int argc, char** argv)
{
    QApplication::setStyle(QStringLiteral("Fusion"));
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: tavelin-accessshots DOCS_FOLDER\n");
        return 2;
    }
    const QString docs = QString::fromLocal8Bit(argv[1]);
    testing_support::FormRig rig(3);  // a seed whose first two notes stand well inside the keyboard
    rig.startUp();
    Form1& f = *rig.form;
    f.show();
    f.m_Click(1);
    const std::uint32_t start = rig.time.now();
    rig.time.advance(static_cast<std::uint32_t>(f.interval) + 10);  // the first note is up
    const int shown = f.curnote;
    bool ok = true;
    rig.time.at(75, [&] { ok = save(f.grab(around(f, shown)), docs + QStringLiteral("/flash-right.png")) && ok; });
    f.kkey_MouseDown(static_cast<std::int16_t>(shown), 1, 0, 5, 5);
    f.kkey_MouseUp(static_cast<std::int16_t>(shown), 1, 0, 5, 5);
    // The second note goes unanswered: its key flashes red from 200 ms
    // before the third note's tick.
    const std::uint32_t missedFlash = start + 3 * static_cast<std::uint32_t>(f.interval) - 200 + 75;
    rig.time.at(missedFlash - rig.time.now(),
                [&] { ok = save(f.grab(around(f, f.curnote)), docs + QStringLiteral("/flash-missed.png")) && ok; });
    rig.time.advance(missedFlash - rig.time.now() + 100);
    f.stop1_Click();

    f.showHelp();
    HelpWindow* help = f.helpWindow();
    help->resize(720, 900);
    QCoreApplication::processEvents();
    ok = save(help->grab(), docs + QStringLiteral("/help-window.png")) && ok;
    return ok ? 0 : 1;
}
