// The window's keyboard shortcuts, the tooltips that show them, the help
// window that F1 opens and the pupils window that F11 asks for.
#include "app/form1.h"

#include "app/helpwindow.h"
#include "keyboard/shortcuts.h"

#include <QAbstractButton>
#include <QShortcut>

namespace {

// What a control does, for its tooltip; the shortcut's key follows.
struct Tip {
    const char* control;
    const char* text;
};

constexpr Tip tips[] = {
    {"m(1)", "Commencer « Clef de sol » : 50 notes"},
    {"m(2)", "Commencer « Clef de sol (# et b) » : 50 notes"},
    {"m(3)", "Commencer « Clef de fa » : 50 notes"},
    {"m(4)", "Commencer « Clef de fa (# et b) » : 50 notes"},
    {"m(5)", "Commencer « Clefs de sol et de fa » : 50 notes"},
    {"m(6)", "Commencer « Toutes les notes » : 50 notes"},
    {"stop1", "Arrêter l'exercice en cours"},
    {"Check1", "Son : jouer chaque note quand elle paraît"},
    {"Command3", "Afficher ou cacher le nom de la note"},
    {"Command4", "Aide à la lecture : le nom des notes sous les touches"},
};

QString tipWithKey(const char* text, const char* control)
{
    QString tip = QString::fromUtf8(text);
    if (const keyboard::Shortcut* s = keyboard::shortcutFor(control)) {
        tip += QStringLiteral(" (%1)").arg(QString::fromUtf8(s->keyName));
    }
    return tip;
}

}  // namespace

void Form1::buildShortcuts()
{
    for (const keyboard::Shortcut& s : keyboard::shortcuts) {
        auto* shortcut = new QShortcut(QKeySequence(QString::fromLatin1(s.key)), this);
        shortcut->setObjectName(QStringLiteral("shortcut %1").arg(QString::fromLatin1(s.control)));
        shortcut->setContext(Qt::WindowShortcut);
        shortcut->setAutoRepeat(false);  // one press, one click, as with the mouse
        const QString control = QString::fromLatin1(s.control);
        if (control == QLatin1String("help")) {
            connect(shortcut, &QShortcut::activated, this, &Form1::showHelp);
            continue;
        }
        if (control == QLatin1String("pupils")) {
            connect(shortcut, &QShortcut::activated, this, &Form1::showPupils);
            continue;
        }
        auto* button = findChild<QAbstractButton*>(control, Qt::FindDirectChildrenOnly);
        Q_ASSERT(button != nullptr);
        // click() does nothing on a disabled button, just as the mouse does;
        // an animation under way has its own button disabled.
        connect(shortcut, &QShortcut::activated, button, &QAbstractButton::click);
    }
    for (const Tip& t : tips) {
        if (auto* w = findChild<QWidget*>(QString::fromLatin1(t.control), Qt::FindDirectChildrenOnly)) {
            w->setToolTip(tipWithKey(t.text, t.control));
        }
    }
    const QString helpKey = QStringLiteral("Aide : %1 · Élèves : %2")
                                .arg(QString::fromUtf8(keyboard::shortcutFor("help")->keyName),
                                     QString::fromUtf8(keyboard::shortcutFor("pupils")->keyName));
    HScroll1->setToolTip(QStringLiteral("Vitesse : de 1 (Lent, une note toutes les 6 s) à 5 (Rapide, toutes les 2 s), "
                                        "entre deux exercices. %1")
                             .arg(helpKey));
    text1->setToolTip(QStringLiteral("Score : les bonnes réponses de l'exercice. %1").arg(helpKey));
    Picture1->setToolTip(QStringLiteral("La note à lire : jouez sa touche. %1").arg(helpKey));
}

void Form1::showHelp()
{
    if (m_help == nullptr) {
        m_help = new HelpWindow(this);
        m_help->setPlaying(m_playingDescription);
        connect(m_help, &HelpWindow::pupilsRequested, this, &Form1::showPupils);
    }
    // Shown, never run modally: the exercise's timers and waits go on.
    m_help->show();
    m_help->raise();
    m_help->activateWindow();
}

void Form1::showPupils()
{
    if (m_openPupils) {
        m_openPupils();
    }
}

void Form1::setPlayingDescription(const QString& description)
{
    m_playingDescription = description;
    setAccessibleDescription(description);
    if (m_help != nullptr) {
        m_help->setPlaying(description);
    }
}
