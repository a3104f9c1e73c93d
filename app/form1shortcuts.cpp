// The window's keyboard shortcuts, the tooltips that show them, the help
// window that F1 opens and the pupils window that F11 asks for.
#include "app/form1.h"

#include "app/controltable.h"
#include "app/translation.h"
#include "app/helpwindow.h"

#include <QAbstractButton>
#include <QShortcut>

namespace {

QString utf8(const char* text)
{
    return app::controlText(text);
}

// "Aide : F1 · Élèves : F11": the keys of the commands without a button.
QString commandKeys()
{
    QStringList keys;
    for (const app::ControlRow& row : app::controls()) {
        if (row.kind == app::ControlKind::Command) {
            keys += QStringLiteral("%1 : %2").arg(utf8(row.caption), utf8(row.key.name));
        }
    }
    return keys.join(QStringLiteral(" · "));
}

QString tooltip(const app::ControlRow& row)
{
    QString tip = utf8(row.tooltip);
    if (tip.contains(QLatin1String("%1"))) {
        tip = tip.arg(utf8(app::spokenName(row)));
    }
    if (row.tipEnd == app::TipEnd::HelpKeys) {
        return tip + QLatin1Char(' ') + commandKeys();
    }
    if (row.key.sequence != nullptr) {
        tip += QStringLiteral(" (%1)").arg(utf8(row.key.name));
    }
    return tip;
}

}  // namespace

void Form1::buildShortcuts()
{
    for (const app::ControlRow* row : app::shortcuts()) {
        auto* shortcut = new QShortcut(QKeySequence(QString::fromLatin1(row->key.sequence)), this);
        const QString control = QString::fromLatin1(row->name);
        shortcut->setObjectName(QStringLiteral("shortcut %1").arg(control));
        shortcut->setContext(Qt::WindowShortcut);
        shortcut->setAutoRepeat(false);  // one press, one click, as with the mouse
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
    for (const app::ControlRow& row : app::controls()) {
        if (row.tooltip == nullptr) {
            continue;
        }
        if (auto* w = findChild<QWidget*>(QString::fromLatin1(row.name), Qt::FindDirectChildrenOnly)) {
            w->setToolTip(tooltip(row));
        }
    }
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
