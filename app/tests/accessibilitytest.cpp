#include "tests/support/formfixture.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QSet>
#include <QTest>

using testing_support::FormRig;

namespace {

QAccessibleInterface* access(QObject* object)
{
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(object);
    EXPECT_NE(iface, nullptr) << object->objectName().toStdString();
    return iface;
}

QString nameOf(QObject* object)
{
    QAccessibleInterface* iface = access(object);
    return iface != nullptr ? iface->text(QAccessible::Name) : QString();
}

QString descriptionOf(QObject* object)
{
    QAccessibleInterface* iface = access(object);
    return iface != nullptr ? iface->text(QAccessible::Description) : QString();
}

bool pressThroughAccessibility(QObject* object)
{
    QAccessibleInterface* iface = access(object);
    QAccessibleActionInterface* actions = iface != nullptr ? iface->actionInterface() : nullptr;
    if (actions == nullptr || !actions->actionNames().contains(QAccessibleActionInterface::pressAction())) {
        return false;
    }
    actions->doAction(QAccessibleActionInterface::pressAction());
    return true;
}

}  // namespace

TEST(Accessibility, EveryControlHasItsRoleAndName)
{
    FormRig rig;
    Form1& f = *rig.form;
    struct Expected {
        QObject* control;
        QAccessible::Role role;
        const char* name;
    };
    const Expected table[] = {
        {&f, QAccessible::Window, "Tavelin Piano 3.03"},
        {f.m(1), QAccessible::PushButton, "Clef de sol"},
        {f.m(2), QAccessible::PushButton, "Clef de sol (# et b)"},
        {f.m(3), QAccessible::PushButton, "Clef de fa"},
        {f.m(4), QAccessible::PushButton, "Clef de fa (# et b)"},
        {f.m(5), QAccessible::PushButton, "Clefs de sol et de fa"},
        {f.m(6), QAccessible::PushButton, "Toutes les notes"},
        {f.stop1, QAccessible::PushButton, "Arrêter"},
        {f.Command3, QAccessible::PushButton, "Afficher le nom de la note"},
        {f.Command4, QAccessible::PushButton, "Aide à la lecture"},
        {f.Check1, QAccessible::CheckBox, "Son"},
        {f.HScroll1, QAccessible::ScrollBar, "Vitesse"},
        {f.text1, QAccessible::EditableText, "Score"},
        {f.Label3, QAccessible::StaticText, "Note : 0"},
        {f.label1, QAccessible::StaticText, "Vitesse : 3"},
        {f.Label4, QAccessible::StaticText, "Son"},
        {f.Picture1, QAccessible::Graphic, "Note à lire"},
    };
    for (const Expected& e : table) {
        QAccessibleInterface* iface = access(e.control);
        ASSERT_NE(iface, nullptr);
        EXPECT_EQ(iface->role(), e.role) << e.name;
        EXPECT_EQ(iface->text(QAccessible::Name), QString::fromUtf8(e.name));
    }
    // The label "Son" labels the check box; the speed's value is the bar's.
    EXPECT_EQ(f.Label4->buddy(), f.Check1);
    QAccessibleValueInterface* speed = access(f.HScroll1)->valueInterface();
    ASSERT_NE(speed, nullptr);
    EXPECT_EQ(speed->currentValue().toInt(), 3);
    EXPECT_EQ(speed->minimumValue().toInt(), 1);
    EXPECT_EQ(speed->maximumValue().toInt(), 5);
    // The counter reads what it shows.
    setCaption(f.Label3, QStringLiteral("Note : 12"));
    EXPECT_EQ(nameOf(f.Label3), QStringLiteral("Note : 12"));
    // Buttons say their shortcut in their description.
    EXPECT_TRUE(descriptionOf(f.m(1)).contains(QStringLiteral("F2")));
    EXPECT_TRUE(descriptionOf(f.stop1).contains(QStringLiteral("Échap")));
}

TEST(Accessibility, EachKeyIsAPushButtonNamedByItsNote)
{
    FormRig rig;
    Form1& f = *rig.form;
    const std::pair<int, const char*> known[] = {
        {36, "do 1"},       {37, "do dièse 1"}, {47, "si 1"},       {48, "do 2"},
        {59, "si 2"},       {60, "do 3"},       {61, "do dièse 3"}, {63, "ré dièse 3"},
        {66, "fa dièse 3"}, {70, "la dièse 3"}, {78, "fa dièse 4"}, {89, "fa 5"},
    };
    for (const auto& [note, name] : known) {
        EXPECT_EQ(nameOf(f.kkey(note)), QString::fromUtf8(name)) << note;
    }
    QSet<QString> names;
    for (int note = 36; note <= 89; ++note) {
        QAccessibleInterface* iface = access(f.kkey(note));
        ASSERT_NE(iface, nullptr);
        EXPECT_EQ(iface->role(), QAccessible::PushButton) << note;
        const QString name = iface->text(QAccessible::Name);
        EXPECT_EQ(name.contains(QStringLiteral("dièse")),
                  note % 12 == 1 || note % 12 == 3 || note % 12 == 6 || note % 12 == 8 || note % 12 == 10)
            << note;
        names.insert(name);
        EXPECT_EQ(iface->parent()->object(), &f);
    }
    EXPECT_EQ(names.size(), 54);
}

TEST(Accessibility, TheNotePanelDescribesWhatItShowsButNeverNamesTheNote)
{
    FormRig rig;
    rig.startUp();
    Form1& f = *rig.form;
    EXPECT_EQ(descriptionOf(f.Picture1), QStringLiteral("Bienvenue"));
    f.m_Click(2);  // treble with sharps and flats
    EXPECT_EQ(descriptionOf(f.Picture1), QStringLiteral("Début de l'exercice : 50 notes"));
    int black = 0;
    for (int i = 0; i < 30; ++i) {
        rig.time.advance(static_cast<std::uint32_t>(f.interval));
        const QString d = descriptionOf(f.Picture1);
        const bool sharp = f.Picture1->source().section('/', -1).startsWith(QLatin1Char('1'));
        const QString expected = !exercise::isBlackKey(f.curnote) ? QStringLiteral("Note sur la portée : clef de sol")
                                 : sharp ? QStringLiteral("Note sur la portée : clef de sol, avec un dièse")
                                         : QStringLiteral("Note sur la portée : clef de sol, avec un bémol");
        EXPECT_EQ(d, expected) << f.curnote;
        black += exercise::isBlackKey(f.curnote) ? 1 : 0;
        EXPECT_NE(nameOf(f.Picture1), d);
        EXPECT_EQ(nameOf(f.Picture1), QStringLiteral("Note à lire"));
    }
    EXPECT_GT(black, 0);
    f.stop1_Click();
    EXPECT_EQ(descriptionOf(f.Picture1), QStringLiteral("Fin de l'exercice"));
    f.m_Click(3);
    rig.time.advance(static_cast<std::uint32_t>(f.interval));
    EXPECT_EQ(descriptionOf(f.Picture1), QStringLiteral("Note sur la portée : clef de fa"));
}

TEST(Accessibility, AScreenReaderStartsAModeAndAnswersThroughThePressAction)
{
    FormRig rig;
    rig.startUp();
    Form1& f = *rig.form;
    ASSERT_TRUE(pressThroughAccessibility(f.m(1)));
    // Qt's press action is an animated click: the click comes a moment later.
    QTRY_COMPARE(f.exerciseState(), ExerciseState::Starting);
    EXPECT_EQ(f.mode, 1);
    EXPECT_TRUE(f.stop1->isEnabled());

    // A disabled mode button offers no press, and pressing it anyway does nothing.
    EXPECT_FALSE(pressThroughAccessibility(f.m(3)));
    access(f.m(3))->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QTest::qWait(250);
    EXPECT_EQ(f.mode, 1);

    // A key's press action plays it as a click does, and answers.
    rig.time.advance(static_cast<std::uint32_t>(f.interval));
    rig.midi.clear();
    const std::int16_t shown = f.curnote;
    const std::int16_t wrong = shown == 60 ? 62 : 60;
    ASSERT_TRUE(pressThroughAccessibility(f.kkey(wrong)));
    EXPECT_EQ(rig.midi.count(0x90, wrong), 1);
    EXPECT_EQ(rig.midi.count(0x80, wrong), 1);
    EXPECT_EQ(f.text1->text(), QStringLiteral("0"));
    ASSERT_TRUE(pressThroughAccessibility(f.kkey(shown)));
    EXPECT_EQ(f.text1->text(), QStringLiteral("1"));
    EXPECT_TRUE(rig.midi.sounding().empty());

    // And "Arrêter" through its own action ends the run.
    ASSERT_TRUE(pressThroughAccessibility(f.stop1));
    QTRY_COMPARE(f.exerciseState(), ExerciseState::Idle);
    EXPECT_EQ(descriptionOf(f.Picture1), QStringLiteral("Fin de l'exercice"));
}
