// Two hundred runs in a row on the virtual clock, at the fastest speed with
// the sound on, some answered, some missed, some stopped: nothing may pile up.
// Leaks are LeakSanitizer's to find when the test build exits; here the
// window's own objects and the process's memory are watched.
#include "tests/support/formfixture.h"

#include <QFile>
#include <random>

#if defined(__SANITIZE_ADDRESS__)
// The sanitizer runtime's own count of heap bytes in use (its public
// interface; GCC ships the runtime without the header).
extern "C" std::size_t __sanitizer_get_current_allocated_bytes();
#endif

using testing_support::FormRig;

namespace {

long residentKb()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly)) {
        return -1;
    }
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:")) {
            return line.mid(6).trimmed().split(' ').first().toLong();
        }
    }
    return -1;
}

// Bytes the program holds on the heap now, where the sanitizer's allocator
// can tell (its quarantine makes the resident size useless for this); -1
// elsewhere.
long long heapInUse()
{
#if defined(__SANITIZE_ADDRESS__)
    return static_cast<long long>(__sanitizer_get_current_allocated_bytes());
#else
    return -1;
#endif
}

}  // namespace

TEST(Soak, TwoHundredRunsInARowLeaveNothingBehind)
{
    FormRig rig(42);
    rig.startUp();
    Form1& f = *rig.form;
    f.HScroll1->setValue(5);
    std::mt19937 rng(42);
    std::size_t objects = 0;
    long rssAfterWarmUp = 0;
    long long heapAfterWarmUp = 0;
    for (int run = 1; run <= 200; ++run) {
        f.m_Click(static_cast<std::int16_t>(1 + run % 6));
        const int notes = run % 10 == 0 ? 20 : 50;  // every tenth run is stopped
        for (int k = 0; k < notes; ++k) {
            rig.time.advance(2000);
            if (std::uniform_int_distribution<int>(0, 2)(rng) != 0) {
                f.kkey_MouseDown(f.curnote, 1, 0, 0, 0);
                f.kkey_MouseUp(f.curnote, 1, 0, 0, 0);
            }
        }
        if (notes < 50) {
            f.stop1_Click();
        } else {
            rig.time.advance(2000);
        }
        ASSERT_EQ(f.exerciseState(), ExerciseState::Idle) << "run " << run;
        ASSERT_EQ(f.notecount, 0);
        if (run == 20) {
            objects = f.findChildren<QObject*>().size();
            rssAfterWarmUp = residentKb();
            heapAfterWarmUp = heapInUse();
        }
        rig.midi.clear();
    }
    EXPECT_EQ(f.findChildren<QObject*>().size(), objects);
    EXPECT_TRUE(rig.errors.isEmpty()) << rig.errors.join('\n').toStdString();
    if (heapAfterWarmUp >= 0) {
        // The heap is flat after warm-up: 180 runs of 50 notes leave less
        // than 256 kB more in use (a leak of one picture per note would leave
        // hundreds of megabytes).
        EXPECT_LT(heapInUse() - heapAfterWarmUp, 256 * 1024) << "bytes grown over 180 runs";
    } else {
        EXPECT_LT(residentKb() - rssAfterWarmUp, 4096) << "kB grown over 180 runs";
    }
}
