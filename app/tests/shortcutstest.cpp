#include "app/controltable.h"
#include "app/helpwindow.h"
#include "keyboard/computerkeyboard.h"
#include "tests/support/formfixture.h"

#include <QApplication>
#include <QShortcut>
#include <QTest>
#include <QTextBrowser>
#include <set>
#include <string>

using testing_support::FormRig;

namespace {

// A window after start-up, shown and active, as shortcuts need it to be.
struct ActiveRig : FormRig {
    ActiveRig()
    {
        startUp();
        form->show();
        form->activateWindow();
        active = QTest::qWaitFor([this] { return QApplication::activeWindow() == form.get(); });
    }
    void key(Qt::Key k, QWidget* to = nullptr) { QTest::keyClick(to != nullptr ? to : form.get(), k); }
    bool active = false;
};

Qt::Key keyOf(const char* control)
{
    const QKeySequence seq(QString::fromLatin1(app::control(control)->key.sequence));
    return static_cast<Qt::Key>(seq[0].key());
}

// What the window shows of its exercise and its toggles.
struct Seen {
    ExerciseState state;
    std::int16_t mode;
    bool stopEnabled;
    bool sound;
    std::int16_t namestate;
    std::int16_t helpstate;
    int heightTwips;
    QString panel;
    bool operator==(const Seen&) const = default;
};

Seen seen(Form1& f)
{
    return {f.exerciseState(), f.mode,      f.stop1->isEnabled(), f.Check1->isChecked(),
            f.namestate,       f.helpstate, f.heightTwips(),      f.Picture1->source().section('/', -1)};
}

std::ostream& operator<<(std::ostream& os, const Seen& s)
{
    return os << "state " << int(s.state) << " mode " << s.mode << " stop " << s.stopEnabled << " sound " << s.sound
              << " names " << s.namestate << " help " << s.helpstate << " height " << s.heightTwips << " panel "
              << s.panel.toStdString();
}

}  // namespace

TEST(Shortcuts, EachKeyDoesWhatAClickOnItsControlDoes)
{
    const char* const controls[] = {"m(1)", "m(2)",  "m(3)",   "m(4)",     "m(5)",
                                    "m(6)", "stop1", "Check1", "Command3", "Command4"};
    for (const char* control : controls) {
        SCOPED_TRACE(control);
        // A run under way, so that "Arrêter" is live too; the modes are tried
        // from idle.
        FormRig byClick;
        byClick.startUp();
        ActiveRig byKey;
        ASSERT_TRUE(byKey.active);
        const bool mode = control[0] == 'm';
        if (!mode) {
            byKey.form->m_Click(1);
            byClick.form->m_Click(1);
        }
        byKey.key(keyOf(control));
        auto* button = byClick.form->findChild<QAbstractButton*>(QString::fromLatin1(control));
        ASSERT_NE(button, nullptr);
        QTest::mouseClick(button, Qt::LeftButton);
        const Seen afterKey = seen(*byKey.form);
        EXPECT_EQ(afterKey, seen(*byClick.form));
        EXPECT_EQ(byKey.time.now(), byClick.time.now());  // the same animation waits, if any
        EXPECT_NE(afterKey,
                  (Seen{mode ? ExerciseState::Idle : ExerciseState::Starting, mode ? std::int16_t(0) : std::int16_t(1),
                        !mode, true, 1, 1, 7035, mode ? QStringLiteral("001s.jpg") : QStringLiteral("start50.jpg")}))
            << "the key changed nothing";
    }
}

TEST(Shortcuts, ADisabledControlIgnoresItsKey)
{
    ActiveRig rig;
    ASSERT_TRUE(rig.active);
    Form1& f = *rig.form;

    // Idle: "Arrêter" is disabled, Escape does nothing.
    const Seen idle = seen(f);
    rig.key(Qt::Key_Escape);
    EXPECT_EQ(seen(f), idle);

    // During a run the mode buttons are disabled: no key restarts it.
    rig.key(Qt::Key_F3);
    rig.time.advance(4 * f.interval + 100);
    const Seen running = seen(f);
    const QString counter = f.Label3->text();
    ASSERT_EQ(running.mode, 2);
    for (Qt::Key k : {Qt::Key_F2, Qt::Key_F3, Qt::Key_F4, Qt::Key_F5, Qt::Key_F6, Qt::Key_F7}) {
        rig.key(k);
        EXPECT_EQ(seen(f), running) << k;
        EXPECT_EQ(f.Label3->text(), counter);
    }

    // During its own animation a toggle's button is disabled: a second F9
    // pressed in the middle of the slide does not start a second one.
    bool enabledDuring = true;
    rig.time.at(30, [&] {
        enabledDuring = f.Command3->isEnabled();
        rig.key(Qt::Key_F9);
    });
    const int left = f.Picture1->Left();
    rig.key(Qt::Key_F9);
    EXPECT_FALSE(enabledDuring);
    EXPECT_EQ(f.namestate, -1);
    EXPECT_EQ(f.Command3->text(), QStringLiteral("Cacher le nom de la note"));
    rig.key(Qt::Key_F9);
    EXPECT_EQ(f.namestate, 1);
    EXPECT_EQ(f.Picture1->Left(), left);  // opened and closed once each
}

TEST(Shortcuts, EveryTooltipShowsItsKeyAndNoKeyRepeats)
{
    FormRig rig;
    Form1& f = *rig.form;
    const std::pair<QWidget*, const char*> tips[] = {
        {f.m(1), "(F2)"},   {f.m(2), "(F3)"},     {f.m(3), "(F4)"},   {f.m(4), "(F5)"},     {f.m(5), "(F6)"},
        {f.m(6), "(F7)"},   {f.stop1, "(Échap)"}, {f.Check1, "(F8)"}, {f.Command3, "(F9)"}, {f.Command4, "(F10)"},
        {f.HScroll1, "F1"}, {f.text1, "F1"},      {f.Picture1, "F1"},
    };
    for (const auto& [widget, key] : tips) {
        EXPECT_TRUE(widget->toolTip().contains(QString::fromUtf8(key))) << widget->objectName().toStdString();
    }
    const QList<QShortcut*> shortcuts = f.findChildren<QShortcut*>();
    EXPECT_EQ(shortcuts.size(), static_cast<qsizetype>(app::shortcuts().size()));
    QSet<QKeySequence> keys;
    for (const QShortcut* s : shortcuts) {
        EXPECT_EQ(s->context(), Qt::WindowShortcut);
        EXPECT_FALSE(s->autoRepeat());
        keys.insert(s->key());
    }
    EXPECT_EQ(keys.size(), shortcuts.size());
    // The designed Tab order stays: nothing takes the focus.
    for (QWidget* w : f.findChildren<QWidget*>()) {
        EXPECT_EQ(w->focusPolicy(), Qt::NoFocus) << w->objectName().toStdString();
    }
}

TEST(Shortcuts, TheHelpListsEveryControlWithAKeyOnce)
{
    std::set<std::string> listed;
    for (const app::ControlRow* row : app::shortcuts()) {
        ASSERT_NE(row, nullptr);
        EXPECT_TRUE(listed.insert(row->name).second) << row->name;
        EXPECT_NE(row->help, nullptr) << row->name;
    }
    for (const app::ControlRow& row : app::controls()) {
        EXPECT_EQ(row.key.sequence != nullptr, listed.count(row.name) == 1) << row.name;
    }
}

TEST(Shortcuts, TheComputerKeyboardPianoAndTheShortcutsKeepToTheirOwnKeys)
{
    ActiveRig rig;
    ASSERT_TRUE(rig.active);
    keyboard::ComputerKeyboard piano(*rig.form, *rig.form);
    QObject& filter = piano;  // its filter, as the application calls it
    qApp->installEventFilter(&piano);
    for (const app::ControlRow* row : app::shortcuts()) {
        const app::Key& s = row->key;
        SCOPED_TRACE(s.sequence);
        EXPECT_FALSE(keyboard::ComputerKeyboardMap::isPianoKey(s.xkbCode));
        // The key as the window system gives it, its key code with it: the
        // piano lets it through and plays nothing.
        const QKeySequence seq(QString::fromLatin1(s.sequence));
        QKeyEvent press(QEvent::KeyPress, seq[0].key(), Qt::NoModifier, static_cast<quint32>(s.xkbCode), 0, 0);
        QKeyEvent release(QEvent::KeyRelease, seq[0].key(), Qt::NoModifier, static_cast<quint32>(s.xkbCode), 0, 0);
        EXPECT_FALSE(filter.eventFilter(rig.form.get(), &press));
        EXPECT_FALSE(filter.eventFilter(rig.form.get(), &release));
    }
    EXPECT_TRUE(rig.midi.messages().empty());
    // With the piano watching, a shortcut still works.
    rig.key(Qt::Key_F2);
    EXPECT_EQ(rig.form->exerciseState(), ExerciseState::Starting);
    qApp->removeEventFilter(&piano);
}

TEST(Help, F1OpensAWindowThatEscapeCloses)
{
    ActiveRig rig;
    ASSERT_TRUE(rig.active);
    Form1& f = *rig.form;
    EXPECT_EQ(f.helpWindow(), nullptr);
    rig.key(Qt::Key_F1);
    HelpWindow* help = f.helpWindow();
    ASSERT_NE(help, nullptr);
    EXPECT_TRUE(help->isVisible());
    EXPECT_TRUE(help->isWindow());
    EXPECT_FALSE(help->isModal());
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_EQ(help->windowTitle(), QStringLiteral("Aide de Tavelin Piano"));

    const QString text = help->browser()->toPlainText();
    for (const char* part : {"Les six exercices", "Clef de sol (# et b)", "Toutes les notes", "La vitesse", "Lent",
                             "Rapide", "Raccourcis clavier", "F10", "Échap", "Page ↑", "Clavier MIDI", "--results",
                             "--report", "À propos", "version 3.03", "Licence"}) {
        EXPECT_TRUE(text.contains(QString::fromUtf8(part))) << part;
    }
    const QVariant map =
        help->browser()->document()->resource(QTextDocument::ImageResource, QUrl(QStringLiteral("keyboard-map")));
    EXPECT_FALSE(map.value<QImage>().isNull());

    QTRY_COMPARE(QApplication::activeWindow(), help);  // the help has the keyboard now
    rig.key(Qt::Key_Escape, help);
    EXPECT_FALSE(help->isVisible());
    EXPECT_EQ(f.exerciseState(), ExerciseState::Idle);  // Escape in the help is not "Arrêter"

    // F1 again shows the same window.
    f.activateWindow();
    QTRY_COMPARE(QApplication::activeWindow(), &f);
    rig.key(Qt::Key_F1);
    EXPECT_EQ(f.helpWindow(), help);
    EXPECT_TRUE(help->isVisible());
}

TEST(Help, ARunKeepsItsTimingWithTheHelpOpen)
{
    // Two windows from the same seed play the same run on the virtual clock;
    // one opens the help in the middle of it.
    struct Trace {
        std::vector<testing_support::RecordingOutputSystem::Message> midi;
        std::vector<std::pair<std::uint32_t, QString>> counter;
    };
    const auto play = [](bool withHelp) {
        ActiveRig rig;
        EXPECT_TRUE(rig.active);
        Form1& f = *rig.form;
        rig.key(Qt::Key_F2);
        Trace trace;
        for (int step = 0; step < 60; ++step) {
            if (withHelp && step == 7) {
                rig.key(Qt::Key_F1);
                EXPECT_TRUE(f.helpWindow() != nullptr && f.helpWindow()->isVisible());
            }
            rig.time.advance(500);
            trace.counter.emplace_back(rig.time.now(), f.Label3->text());
        }
        trace.midi = rig.midi.messages();
        return trace;
    };
    const Trace plain = play(false);
    const Trace helped = play(true);
    EXPECT_EQ(helped.counter, plain.counter);
    EXPECT_EQ(helped.midi, plain.midi);
    EXPECT_EQ(plain.counter.back().second, QStringLiteral("Note : 7"));  // 30 s at 4 s a note
}
