// Thousands of seeded random user actions, fired at random moments of the
// virtual clock, so that they land inside flashes, sounding notes, the
// greeting scale and the panel animations as well as between them. After
// every action the exercise must be in a state the controls agree with.
#include "keyboard/keygeometry.h"
#include "tests/support/formfixture.h"

#include <QTest>
#include <cstdlib>
#include <random>

using testing_support::FormRig;

namespace {

// Counts the notes put up in the current run and the right answers.
struct RunCounter final : exercise::ExerciseObserver {
    void runStarted(int, std::uint32_t) override
    {
        shown = 0;
        ++runs;
    }
    void noteShown(int, const exercise::NoteChoice&, bool, std::uint32_t) override
    {
        ++shown;
        ++allShown;
    }
    void runEnded(const exercise::FinishedRun& run, std::uint32_t) override
    {
        for (const exercise::FinishedNote& n : run.notes) {
            rights += n.outcome == exercise::Outcome::Right ? 1 : 0;
        }
    }
    int shown = 0;
    int runs = 0;
    int allShown = 0;
    int rights = 0;
};

struct Storm {
    explicit Storm(std::uint32_t seed) : rng(seed), rig(seed)
    {
        Form1Services services{rig.time,
                               rig.midi,
                               rig.messages,
                               [this](const QString& l) { rig.errors << l; },
                               QCoreApplication::applicationDirPath(),
                               seed,
                               0,
                               &counter};
        rig.form = std::make_unique<Form1>(services);
    }
    ~Storm() { rig.form.reset(); }  // before the counter it tells
    Storm(const Storm&) = delete;
    Storm& operator=(const Storm&) = delete;

    std::string check(const char* after)
    {
        Form1& f = *rig.form;
        const bool idle = f.exerciseState() == ExerciseState::Idle;
        std::string bad;
        auto expect = [&](bool ok, const char* what) {
            if (!ok && bad.empty()) {
                bad = std::string(what) + " after " + after;
            }
        };
        expect(idle == !f.Timer1->isEnabled(), "Timer1 disagrees with the state");
        expect(idle == !f.stop1->isEnabled(), "stop1 disagrees with the state");
        expect(idle == f.HScroll1->isEnabled(), "the speed bar disagrees with the state");
        for (int i = 1; i <= 6; ++i) {
            expect(idle == f.m(i)->isEnabled(), "a mode button disagrees with the state");
        }
        expect(idle == f.Label3->isHidden(), "the counter disagrees with the state");
        if (idle) {
            expect(f.notecount == 0, "notecount is not 0 while idle");
            expect(!f.Timer2->isEnabled(), "the answer timer runs while idle");
        }
        expect(f.notecount >= 0 && f.notecount <= f.maxnotes, "notecount out of range");
        expect(f.text1->text().toInt() <= counter.shown, "the score exceeds the notes shown");
        expect(f.interval == 1000 * (7 - f.HScroll1->value()), "interval and speed bar disagree");
        return bad;
    }

    void act()
    {
        Form1& f = *rig.form;
        const int kind = std::uniform_int_distribution<int>(0, 99)(rng);
        static const Qt::MouseButton buttons[] = {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton};
        if (kind < 40) {
            const int key = std::uniform_int_distribution<int>(36, 89)(rng);
            const Qt::MouseButton b = buttons[std::uniform_int_distribution<int>(0, 2)(rng)];
            held.emplace_back(key, b);
            QTest::mousePress(f.kkey(key), b);
            last = "press";
        } else if (kind < 70) {
            if (!held.empty()) {
                const auto i = std::uniform_int_distribution<std::size_t>(0, held.size() - 1)(rng);
                const auto [key, b] = held[i];
                held.erase(held.begin() + static_cast<std::ptrdiff_t>(i));
                QTest::mouseRelease(f.kkey(key), b);
            }
            last = "release";
        } else if (kind < 80) {
            QTest::mouseClick(f.m(std::uniform_int_distribution<int>(1, 6)(rng)), Qt::LeftButton);
            last = "mode click";
        } else if (kind < 84) {
            QTest::mouseClick(f.stop1, Qt::LeftButton);
            last = "stop";
        } else if (kind < 89) {
            QTest::mouseClick(kind % 2 == 0 ? f.Command3 : f.Command4, Qt::LeftButton);
            last = "toggle";
        } else if (kind < 95) {
            if (f.HScroll1->isEnabled()) {  // as a user could
                f.HScroll1->setValue(std::uniform_int_distribution<int>(1, 5)(rng));
            }
            last = "speed";
        } else {
            QTest::mouseClick(f.Check1, Qt::LeftButton);
            last = "sound box";
        }
    }

    std::mt19937 rng;
    FormRig rig;
    RunCounter counter;
    std::vector<std::pair<int, Qt::MouseButton>> held;
    const char* last = "";
    std::string failure;
};

std::uint32_t stormSeed(int i)
{
    // TAVELIN_STORM_SEED replays one seed.
    if (const char* seed = std::getenv("TAVELIN_STORM_SEED")) {
        return static_cast<std::uint32_t>(std::strtoul(seed, nullptr, 10));
    }
    return 1000U + static_cast<std::uint32_t>(i);
}

}  // namespace

TEST(Storm, RandomActionsNeverLeaveTheExerciseInAnImpossibleState)
{
    const int storms = std::getenv("TAVELIN_STORM_SEED") != nullptr ? 1 : 6;
    for (int s = 0; s < storms; ++s) {
        const std::uint32_t seed = stormSeed(s);
        Storm storm(seed);
        constexpr int actions = 1500;
        // Actions at random moments: each one schedules the next, so they
        // come wherever the clock is, nested in waits or not.
        std::uniform_int_distribution<std::uint32_t> gap(0, 400);
        int done = 0;
        std::function<void()> next = [&] {
            if (done >= actions || !storm.failure.empty()) {
                return;
            }
            ++done;
            storm.act();
            if (const std::string bad = storm.check(storm.last); !bad.empty() && storm.failure.empty()) {
                storm.failure = bad;
            }
            storm.rig.time.at(gap(storm.rng), next);
        };
        storm.rig.time.at(1, next);
        while (done < actions && storm.failure.empty()) {
            storm.rig.time.advance(1000);
        }
        ASSERT_TRUE(storm.failure.empty()) << storm.failure << " (replay with TAVELIN_STORM_SEED=" << seed << ")";
        // The storm really exercised runs and answers, not just idle clicks.
        EXPECT_GT(storm.counter.runs, 5) << seed;
        EXPECT_GT(storm.counter.allShown, 20) << seed;
        EXPECT_GT(storm.counter.rights, 0) << seed;

        // Let go of everything still held and let the last effects finish:
        // then every note-on has had its note-off.
        for (const auto& [key, b] : storm.held) {
            QTest::mouseRelease(storm.rig.form->kkey(key), b);
        }
        storm.rig.time.advance(10000);
        EXPECT_TRUE(storm.rig.midi.sounding().empty()) << "replay with TAVELIN_STORM_SEED=" << seed;
        EXPECT_TRUE(storm.rig.errors.isEmpty()) << storm.rig.errors.join('\n').toStdString();
        for (int key = 36; key <= 89; ++key) {
            ASSERT_EQ(storm.rig.form->kkey(key)->held(), 0) << key;
            const std::uint32_t design = keyboard::isBlack(key) ? 0U : 16777215U;
            ASSERT_EQ(storm.rig.form->kkey(key)->BackColor(), design) << "key " << key << " seed " << seed;
        }
    }
}
