#include "platform/midiout.h"
#include "platform/qttimebase.h"
#include "sound/shortmsg.h"
#include "tests/support/faketimebase.h"
#include "tests/support/recordingmidi.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <gtest/gtest.h>

using testing_support::FakeTimeBase;

TEST(WaitMs, ZeroOrLessReturnsAtOnce)
{
    FakeTimeBase time(500);
    time.waitms(0);
    time.waitms(-20);
    EXPECT_EQ(time.now(), 500U);
    EXPECT_EQ(time.pumpCalls(), 0);
}

TEST(WaitMs, SpansTheWrapOfTheCounterAndItsSignChange)
{
    // Waits that start just before 2^32 (the counter wraps to 0) and just
    // before 2^31 (it turns negative read as a signed number); the pump moves
    // at most 7 ms a call, as an early-returning event loop would.
    for (const std::uint32_t start : {0xFFFFFF00U, 0x7FFFFF00U, 0xFFFFFFFFU, 0x7FFFFFFFU}) {
        for (const std::int32_t ms : {1, 150, 256, 1000}) {
            FakeTimeBase time(start);
            time.setPumpStep(7);
            time.waitms(ms);
            EXPECT_EQ(time.now() - start, static_cast<std::uint32_t>(ms)) << std::hex << start << " " << std::dec << ms;
        }
    }
}

TEST(WaitMs, HandlesWhatFallsDueMeanwhileAndNestsWaits)
{
    FakeTimeBase time;
    std::vector<std::uint32_t> ran;
    const std::uint32_t t0 = time.now();
    time.at(40, [&] {
        ran.push_back(time.now() - t0);
        time.waitms(30);  // a handler that waits inside the wait
        ran.push_back(time.now() - t0);
    });
    time.waitms(150);
    EXPECT_EQ(ran, (std::vector<std::uint32_t>{40, 70}));
    EXPECT_EQ(time.now() - t0, 150U);
}

TEST(WaitMs, RealWaitHandlesAPostedEventAndReturnsNoEarlierThanAsked)
{
    platform::QtTimeBase time;
    bool handled = false;
    QTimer::singleShot(20, [&] { handled = true; });
    QElapsedTimer measured;
    measured.start();
    const std::uint32_t before = time.now();
    time.waitms(150);
    EXPECT_TRUE(handled);
    EXPECT_GE(time.now() - before, 150U);
    EXPECT_GE(measured.nsecsElapsed(), 150'000'000);
}

TEST(WaitMs, ShutDownEndsAWaitInProgress)
{
    platform::QtTimeBase time;
    QTimer::singleShot(10, [&] { time.shutDown(); });
    const std::uint32_t before = time.now();
    time.waitms(60'000);
    EXPECT_LT(time.now() - before, 60'000U);
    EXPECT_TRUE(time.isShutDown());
    time.waitms(60'000);  // and later waits do not wait
}

TEST(RealTimers, ATimerArmedInATickCountsFromTheTicksDueTime)
{
    // The answer timer is armed at the start of a note tick: it must fire on
    // the note schedule, so a tick whose handler starts late (here it works
    // 30 ms first) does not push it back.
    platform::QtTimeBase time;
    QElapsedTimer clock;
    clock.start();
    qint64 armedAt = 0;
    qint64 firedAt = 0;
    std::unique_ptr<platform::Timer> answer = time.createTimer([&] {
        firedAt = clock.elapsed();
        answer->setEnabled(false);
    });
    answer->setInterval(100);
    std::unique_ptr<platform::Timer> tick = time.createTimer([&] {
        tick->setEnabled(false);
        const qint64 busyUntil = clock.elapsed() + 30;
        while (clock.elapsed() < busyUntil) {
        }
        armedAt = clock.elapsed();
        answer->setEnabled(true);
    });
    tick->setInterval(20);
    tick->setEnabled(true);
    time.waitms(300);
    ASSERT_GT(armedAt, 0);
    ASSERT_GT(firedAt, 0);
    EXPECT_LT(firedAt - armedAt, 95);  // about 70 ms: 100 from the tick's due time
}

TEST(RealTimers, ATimerArmedDuringAWaitInsideATickCountsFromThen)
{
    // A click handled inside a tick's wait (a run started during the sound of
    // a note) is no part of that tick: its timer gets its full period.
    platform::QtTimeBase time;
    QElapsedTimer clock;
    clock.start();
    qint64 armedAt = 0;
    qint64 firedAt = 0;
    std::unique_ptr<platform::Timer> started = time.createTimer([&] {
        firedAt = clock.elapsed();
        started->setEnabled(false);
    });
    started->setInterval(100);
    std::unique_ptr<platform::Timer> tick = time.createTimer([&] {
        tick->setEnabled(false);
        QTimer::singleShot(10, [&] {
            armedAt = clock.elapsed();
            started->setEnabled(true);
        });
        time.waitms(50);
    });
    tick->setInterval(20);
    tick->setEnabled(true);
    time.waitms(300);
    ASSERT_GT(armedAt, 0);
    ASSERT_GT(firedAt, 0);
    EXPECT_GE(firedAt - armedAt, 99);
}

TEST(RealTimers, PeriodicTicksFollowTheirScheduleWithoutAddingUp)
{
    platform::QtTimeBase time;
    QElapsedTimer clock;
    std::vector<qint64> ticks;
    std::unique_ptr<platform::Timer> timer = time.createTimer([&] {
        ticks.push_back(clock.elapsed());
        if (ticks.size() == 1) {
            time.waitms(25);  // a slow first handler does not shift the ones after it
        }
    });
    timer->setInterval(30);
    clock.start();
    timer->setEnabled(true);
    time.waitms(10 * 30 + 15);
    timer->setEnabled(false);
    ASSERT_GE(ticks.size(), 9U);
    EXPECT_LT(ticks[8], 9 * 30 + 15);  // the 9th tick on time, however late ticks came
    EXPECT_GE(ticks[8], 9 * 30 - 1);
}

TEST(Timers, PeriodicTicksKeepTheirScheduleAndEnableRestartsTheCountdown)
{
    FakeTimeBase time(0);
    std::vector<std::uint32_t> ticks;
    auto timer = time.createTimer([&] { ticks.push_back(time.now()); });
    timer->setInterval(100);
    time.advance(1000);
    EXPECT_TRUE(ticks.empty());  // not enabled
    timer->setEnabled(true);
    time.advance(250);
    EXPECT_EQ(ticks, (std::vector<std::uint32_t>{1100, 1200}));
    timer->setEnabled(true);  // restarts: next tick a full period later
    time.advance(100);
    EXPECT_EQ(ticks.back(), 1350U);
    timer->setInterval(0);
    time.advance(1000);
    EXPECT_EQ(ticks.size(), 3U);
}

TEST(MidiHandles, OpenSendCloseAndTheirResultCodes)
{
    testing_support::RecordingOutputSystem system;
    midi::MidiOut out(system);
    midi::Handle h = 0;
    EXPECT_EQ(out.close(h), midi::rc::invalidHandle);  // nothing open yet
    EXPECT_EQ(out.shortMsg(h, 0x7F3C90), midi::rc::invalidHandle);
    EXPECT_EQ(out.open(&h, 1), midi::rc::badDeviceId);
    EXPECT_EQ(h, 0U);
    ASSERT_EQ(out.open(&h, 0), midi::rc::noError);
    EXPECT_NE(h, 0U);
    EXPECT_EQ(out.shortMsg(h, 0x7F3C90), midi::rc::noError);
    EXPECT_EQ(out.close(h), midi::rc::noError);
    EXPECT_EQ(out.close(h), midi::rc::invalidHandle);
    EXPECT_EQ(out.shortMsg(h, 0x7F3C80), midi::rc::invalidHandle);
    ASSERT_EQ(system.messages().size(), 1U);

    system.failOpenWith(midi::rc::allocated);
    midi::Handle other = 0;
    EXPECT_EQ(out.open(&other, 0), midi::rc::allocated);
    EXPECT_EQ(other, 0U);
}

TEST(ShortMessages, PackStatusNoteAndVelocityLowByteFirst)
{
    EXPECT_EQ(sound::noteOnMessage(60), 0x7F3C90U);   // bytes 0x90 0x3C 0x7F
    EXPECT_EQ(sound::noteOffMessage(60), 0x7F3C80U);  // bytes 0x80 0x3C 0x7F
    EXPECT_EQ(sound::noteOnMessage(0), 0x7F0090U);
    EXPECT_EQ(sound::noteOnMessage(127), 0x7F7F90U);
    EXPECT_EQ(sound::noteOffMessage(127), 0x7F7F80U);
    for (const int bad : {-1, 128, -32768, 32767}) {
        EXPECT_FALSE(sound::noteOnMessage(bad).has_value()) << bad;
        EXPECT_FALSE(sound::noteOffMessage(bad).has_value()) << bad;
    }
}
