#include "platform/qttimebase.h"
#include "tests/support/formfixture.h"

#include <QElapsedTimer>
#include <QTest>
#include <QTimer>

using testing_support::FormRig;

namespace {

struct Positions {
    int p1, p2, p7, p6;
    bool operator==(const Positions&) const = default;
};

Positions positions(const Form1& f)
{
    return {f.Picture1->Left(), f.Picture2->Left(), f.Picture7->Left(), f.Picture6->Left()};
}

std::ostream& operator<<(std::ostream& os, const Positions& p)
{
    return os << p.p1 << "," << p.p2 << "," << p.p7 << "," << p.p6;
}

}  // namespace

TEST(Transitions, ThePanelsSlideApartAndBackStepByStep)
{
    FormRig rig;
    rig.startUp();
    Form1& f = *rig.form;
    const Positions closed{381, 381, 383, 408};
    ASSERT_EQ(positions(f), closed);
    Positions afterFirst{};
    Positions afterSixteenth{};
    rig.time.at(8, [&] { afterFirst = positions(f); });
    rig.time.at(15 * 16 + 8, [&] { afterSixteenth = positions(f); });
    const std::uint32_t t0 = rig.time.now();
    f.pictureopen();
    EXPECT_GE(rig.time.now() - t0, 17U * 16U);
    EXPECT_EQ(afterFirst, (Positions{365, 397, 399, 424}));
    EXPECT_EQ(afterSixteenth, (Positions{245, 517, 519, 544}));
    EXPECT_EQ(positions(f), (Positions{245, 517, 519, 544}));  // the 17th step moves nothing
    f.pictureclose();
    EXPECT_EQ(positions(f), closed);
}

TEST(Transitions, TheWindowGrowsAndShrinksByExactlyFiftyTwoPixels)
{
    FormRig rig;
    rig.startUp();
    Form1& f = *rig.form;
    const int h = f.heightTwips();
    for (int cycle = 0; cycle < 5; ++cycle) {
        std::vector<int> heights;
        for (int s = 0; s < 40; ++s) {
            rig.time.at(static_cast<std::uint32_t>(8 * s + 1), [&] { heights.push_back(f.height()); });
        }
        const std::uint32_t t0 = rig.time.now();
        f.windowadd();
        EXPECT_GE(rig.time.now() - t0, 320U);
        EXPECT_EQ(f.heightTwips(), h + 780);
        EXPECT_EQ(f.height(), 521);
        EXPECT_EQ(f.minimumHeight(), f.maximumHeight());  // still fixed for the user
        // Slowing down: never shrinking while it grows, largest steps first.
        ASSERT_EQ(heights.size(), 40U);
        EXPECT_EQ(heights.front(), 472);  // 7035 + 39 twips
        EXPECT_TRUE(std::is_sorted(heights.begin(), heights.end()));
        // The strip is fully in view, directly under the keys.
        EXPECT_LE(f.Picture3->geometry().bottom(), f.height() - 1);
        EXPECT_EQ(f.Picture3->y(), 471);
        EXPECT_EQ(f.childAt(10, 490), f.Picture3);
        f.windowcut();
        EXPECT_EQ(f.heightTwips(), h);
        EXPECT_EQ(f.height(), 469);
    }
}

TEST(Transitions, MinimisingWhileGrowingChangesNothing)
{
    FormRig rig;
    rig.startUp();
    Form1& f = *rig.form;
    f.show();
    rig.time.at(100, [&] { f.showMinimized(); });
    rig.time.at(200, [&] { f.showNormal(); });
    f.windowadd();
    EXPECT_EQ(f.height(), 521);
    f.windowcut();
    EXPECT_EQ(f.height(), 469);
}

TEST(ReadingAids, TheNamesButtonTogglesWithItsCaptionsAfterTheAnimation)
{
    FormRig rig;
    rig.startUp();
    Form1& f = *rig.form;
    bool enabledDuring = true;
    int stateDuring = 0;
    QString captionDuring;
    rig.time.at(50, [&] {
        enabledDuring = f.Command3->isEnabled();
        stateDuring = f.namestate;
        captionDuring = f.Command3->text();
    });
    QTest::mouseClick(f.Command3, Qt::LeftButton);
    EXPECT_FALSE(enabledDuring);
    EXPECT_EQ(stateDuring, -1);                                              // the state flips before the animation
    EXPECT_EQ(captionDuring, QStringLiteral("Afficher le nom de la note"));  // the caption after it
    EXPECT_EQ(f.namestate, -1);
    EXPECT_EQ(f.Command3->text(), QStringLiteral("Cacher le nom de la note"));
    EXPECT_TRUE(f.Command3->isEnabled());
    EXPECT_EQ(f.Picture2->Left(), 517);

    QTest::mouseClick(f.Command3, Qt::LeftButton);
    EXPECT_EQ(f.namestate, 1);
    EXPECT_EQ(f.Command3->text(), QStringLiteral("Afficher le nom de la note"));
    EXPECT_EQ(f.Picture2->Left(), 381);
}

TEST(ReadingAids, TheHelpButtonKeepsItsCaption)
{
    FormRig rig;
    rig.startUp();
    Form1& f = *rig.form;
    QStringList captions;
    rig.time.at(100, [&] { captions << f.Command4->text(); });
    QTest::mouseClick(f.Command4, Qt::LeftButton);
    EXPECT_EQ(f.helpstate, -1);
    EXPECT_EQ(f.height(), 521);
    captions << f.Command4->text();
    QTest::mouseClick(f.Command4, Qt::LeftButton);
    EXPECT_EQ(f.helpstate, 1);
    EXPECT_EQ(f.height(), 469);
    captions << f.Command4->text();
    EXPECT_EQ(captions, QStringList(3, QStringLiteral("Aide à la lecture")));
}

TEST(ReadingAids, ASecondClickDuringItsOwnAnimationIsIgnored)
{
    FormRig rig;
    rig.startUp();
    Form1& f = *rig.form;
    rig.time.at(40, [&] { QTest::mouseClick(f.Command3, Qt::LeftButton); });
    rig.time.at(60, [&] { QTest::mouseClick(f.Command4, Qt::LeftButton); });
    rig.time.at(200, [&] { QTest::mouseClick(f.Command4, Qt::LeftButton); });  // during its own growing, 60 to 380 ms
    QTest::mouseClick(f.Command3, Qt::LeftButton);
    EXPECT_EQ(f.namestate, -1);
    EXPECT_EQ(positions(f), (Positions{245, 517, 519, 544}));
    rig.time.advance(1000);
    EXPECT_EQ(f.helpstate, -1);
    EXPECT_EQ(f.height(), 521);
}

TEST(ReadingAids, AClickOnAnotherControlIsHandledBetweenTwoSteps)
{
    FormRig rig;
    rig.startUp();
    Form1& f = *rig.form;
    Positions whenClicked{};
    Positions afterClick{};
    rig.time.at(40, [&] {
        whenClicked = positions(f);
        QTest::mouseClick(f.m(1), Qt::LeftButton);  // starts a run mid-slide
        afterClick = positions(f);
    });
    f.Command3_Click();
    EXPECT_EQ(whenClicked, afterClick);  // nothing moved inside the click
    EXPECT_NE(whenClicked, (Positions{381, 381, 383, 408}));
    EXPECT_EQ(positions(f), (Positions{245, 517, 519, 544}));
    EXPECT_EQ(f.exerciseState(), ExerciseState::Starting);
    // The window animation runs nested inside the slide and both finish.
    rig.time.at(30, [&] { f.Command4_Click(); });
    f.Command3_Click();
    EXPECT_EQ(positions(f), (Positions{381, 381, 383, 408}));
    EXPECT_EQ(f.height(), 521);
}

TEST(StartUp, TheSequenceRunsOnceAndEndsWithTheGreetingScale)
{
    FormRig rig;
    Form1& f = *rig.form;
    EXPECT_TRUE(f.Timer3->isEnabled());
    rig.paint();
    rig.time.advance(19);
    EXPECT_TRUE(rig.midi.messages().empty());
    rig.time.advance(1);
    EXPECT_FALSE(f.Timer3->isEnabled());
    EXPECT_TRUE(f.Picture4->isHidden());
    EXPECT_EQ(QFileInfo(f.Picture1->source()).fileName(), QStringLiteral("001s.jpg"));
    ASSERT_EQ(rig.midi.messages().size(), 16U);
    EXPECT_EQ(rig.midi.messages().front().data1, 60);
    EXPECT_EQ(rig.midi.messages().back().data1, 72);
    rig.time.advance(60000);
    EXPECT_EQ(rig.midi.messages().size(), 16U);  // never again
    EXPECT_EQ(f.windowTitle(), QStringLiteral("Tavelin Piano 3.03"));
}

// Qt may deliver Timer3's tick before the window system has had the window
// painted (a slow X server, a start-up that took long): the start-up
// picture must have been on screen first.
TEST(StartUp, NothingRunsBeforeTheFirstPainting)
{
    FormRig rig;
    Form1& f = *rig.form;
    rig.time.advance(5000);
    EXPECT_TRUE(f.Timer3->isEnabled());
    EXPECT_FALSE(f.Picture4->isHidden());
    EXPECT_FALSE(f.Picture1->hasPicture());
    EXPECT_TRUE(rig.midi.messages().empty());
    bool pictureShownWhenPainted = false;
    struct PaintSpy : QObject {
        Form1& form;
        bool& seen;
        PaintSpy(Form1& f, bool& s) : form(f), seen(s) {}
        bool eventFilter(QObject* watched, QEvent* event) override
        {
            if (watched == &form && event->type() == QEvent::Paint && !seen) {
                seen = form.Picture4->isVisible() && form.Picture4->hasPicture();
            }
            return false;
        }
    } spy(f, pictureShownWhenPainted);
    f.installEventFilter(&spy);
    rig.paint();
    f.removeEventFilter(&spy);
    EXPECT_TRUE(pictureShownWhenPainted);
    rig.time.advance(19);  // and then 20 ms, as ever
    EXPECT_TRUE(rig.midi.messages().empty());
    rig.time.advance(1);
    ASSERT_FALSE(rig.midi.messages().empty());
    EXPECT_EQ(rig.midi.messages().front().status, 0x90);
    EXPECT_EQ(rig.midi.messages().front().data1, 60);
    EXPECT_FALSE(f.Timer3->isEnabled());
}

// A sink that notes, at each message, the clock and how much had been sent;
// it may keep the message up for a while, as a user reading it does, while
// the timers tick on behind it.
struct TimedMessages final : platform::MessageSink {
    TimedMessages(testing_support::FakeTimeBase& time, testing_support::RecordingOutputSystem& midi)
        : time(time), midi(midi)
    {
    }
    void show(const QString& text) override
    {
        shown.push_back({text, time.now(), midi.messages().size()});
        time.advance(upForMs);
        sentWhileUp += midi.messages().size() - shown.back().sentBefore;
    }
    struct Shown {
        QString text;
        std::uint32_t at;
        std::size_t sentBefore;
    };
    testing_support::FakeTimeBase& time;
    testing_support::RecordingOutputSystem& midi;
    std::uint32_t upForMs = 0;
    std::vector<Shown> shown;
    std::size_t sentWhileUp = 0;
};

struct TimedRig {
    explicit TimedRig(midi::Result deviceState, midi::Result openResult = midi::rc::noError, std::uint32_t upForMs = 0)
        : midi([this] { return time.now(); }), messages(time, midi)
    {
        midi.setDeviceState(deviceState);
        midi.failOpenWith(openResult);
        messages.upForMs = upForMs;
        form = std::make_unique<Form1>(
            Form1Services{time, midi, messages, [](const QString&) {}, QCoreApplication::applicationDirPath(), 1, 0});
    }
    void paint()
    {
        form->show();
        QCoreApplication::processEvents();
    }
    std::uint32_t firstNoteOnAt() const { return midi.messages().empty() ? 0 : midi.messages().front().time; }
    testing_support::FakeTimeBase time;
    testing_support::RecordingOutputSystem midi;
    TimedMessages messages;
    std::unique_ptr<Form1> form;
};

TEST(StartUp, WaitsWhileTheOutputGetsReadyThenGreetsWhole)
{
    TimedRig rig(midi::rc::notReady);
    rig.paint();
    const std::uint32_t painted = rig.time.now();
    rig.time.advance(1000);  // a synthesizer still reading its SoundFont
    EXPECT_TRUE(rig.midi.messages().empty());
    EXPECT_TRUE(rig.form->Timer3->isEnabled());
    EXPECT_FALSE(rig.form->Picture4->isHidden());
    rig.midi.setDeviceState(midi::rc::noError);
    rig.time.advance(20);
    ASSERT_EQ(rig.midi.messages().size(), 16U);
    EXPECT_EQ(rig.midi.messages().front().data1, 60);
    EXPECT_GE(rig.firstNoteOnAt() - painted, 1000U);
    EXPECT_LE(rig.firstNoteOnAt() - painted, 1040U);
    EXPECT_TRUE(rig.messages.shown.empty());
}

TEST(StartUp, TheWaitIsBoundedAndALaterFailureIsStillReportedOnce)
{
    TimedRig rig(midi::rc::notReady);
    rig.paint();
    const std::uint32_t painted = rig.time.now();
    rig.time.advance(2990);
    EXPECT_TRUE(rig.midi.messages().empty());
    rig.time.advance(40);
    ASSERT_FALSE(rig.midi.messages().empty());  // the sequence ran anyway
    EXPECT_GE(rig.firstNoteOnAt() - painted, 3000U);
    EXPECT_LE(rig.firstNoteOnAt() - painted, 3020U);
    EXPECT_TRUE(rig.messages.shown.empty());
    rig.time.advance(5000);
    rig.midi.setDeviceState(midi::rc::error);  // the load gives up at last
    rig.time.advance(20);
    ASSERT_EQ(rig.messages.shown.size(), 1U);
    EXPECT_EQ(rig.messages.shown[0].text, QStringLiteral("Couldn't open midi out, rc = 1"));
    EXPECT_EQ(rig.form->midirc, 1);
    rig.time.advance(10000);
    EXPECT_EQ(rig.messages.shown.size(), 1U);
}

TEST(StartUp, AFailureFoundDuringTheWaitIsReportedBeforeTheSequence)
{
    // The message stays up 2 s; the sequence waits for it, not behind it.
    TimedRig rig(midi::rc::notReady, midi::rc::noError, 2000);
    rig.paint();
    rig.time.advance(200);
    rig.midi.setDeviceState(midi::rc::error);
    rig.time.advance(20);
    ASSERT_EQ(rig.messages.shown.size(), 1U);
    EXPECT_EQ(rig.messages.shown[0].text, QStringLiteral("Couldn't open midi out, rc = 1"));
    EXPECT_EQ(rig.messages.shown[0].sentBefore, 0U);
    EXPECT_EQ(rig.messages.sentWhileUp, 0U);
    rig.time.advance(40);
    EXPECT_FALSE(rig.form->Timer3->isEnabled());
    EXPECT_EQ(rig.midi.messages().size(), 16U);  // to a silent device, as after a failed open
    rig.time.advance(10000);
    EXPECT_EQ(rig.messages.shown.size(), 1U);
}

TEST(StartUp, AFailedOpenIsReportedFirstAndTheSequenceFollowsTheWindow)
{
    TimedRig rig(midi::rc::noError, midi::rc::badDeviceId, 500);
    ASSERT_EQ(rig.messages.shown.size(), 1U);  // during Form_Load, before the window is shown
    EXPECT_EQ(rig.messages.shown[0].text, QStringLiteral("Couldn't open midi out, rc = 2"));
    EXPECT_TRUE(rig.form->Timer3->isEnabled());  // nothing ran behind the message
    EXPECT_FALSE(rig.form->Picture4->isHidden());
    rig.time.advance(1000);
    EXPECT_TRUE(rig.form->Timer3->isEnabled());
    rig.paint();
    rig.time.advance(20);
    EXPECT_FALSE(rig.form->Timer3->isEnabled());
    EXPECT_TRUE(rig.form->Picture4->isHidden());
    EXPECT_EQ(QFileInfo(rig.form->Picture1->source()).fileName(), QStringLiteral("001s.jpg"));
    rig.time.advance(10000);
    EXPECT_EQ(rig.messages.shown.size(), 1U);
}

// Closing the window in the middle of each kind of wait, on the real clock:
// the wait returns at once, what waited unwinds without touching anything
// gone, and the device is closed.
class CloseDuringWait : public ::testing::TestWithParam<int> {};

TEST_P(CloseDuringWait, EndsTheWaitAtOnceAndClosesTheDevice)
{
    platform::QtTimeBase time;
    testing_support::RecordingOutputSystem midi([&] { return time.now(); });
    testing_support::RecordingMessages messages;
    QStringList errors;
    auto form = std::make_unique<Form1>(Form1Services{time, midi, messages, [&](const QString& l) { errors << l; },
                                                      QCoreApplication::applicationDirPath(), 3, 0});
    Form1& f = *form;
    f.Timer3->setEnabled(false);
    f.show();
    QTimer::singleShot(GetParam() == 6 ? 2150 : 60, &f, [&] { f.close(); });
    QElapsedTimer took;
    took.start();
    switch (GetParam()) {
    case 0:
        f.startmusic();
        break;
    case 1:
        f.Command3_Click();
        break;
    case 2:
        f.Command4_Click();
        break;
    case 3:
        f.play1(60);
        break;
    case 4:
        testing_support::putUpNote(f, time.now(), 64, 0);
        f.kkey_MouseDown(64, 1, 0, 0, 0);
        break;
    case 5:
        f.flashkey(50);
        break;
    case 6:
        f.HScroll1->setValue(5);
        f.m_Click(1);
        time.waitms(3000);  // the first tick, at 2 s, sounds its note; the close comes during it
        break;
    default:
        break;
    }
    EXPECT_LT(took.elapsed(), GetParam() == 6 ? 2900 : 1500);
    EXPECT_TRUE(f.closing());
    EXPECT_EQ(f.midirc, 0);
    // Later handlers find nothing to wait for and the window can go.
    f.startmusic();
    f.Timer1_Timer();
    form.reset();
}

INSTANTIATE_TEST_SUITE_P(EveryWait, CloseDuringWait, ::testing::Range(0, 7));
