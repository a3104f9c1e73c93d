// What a screen reader hears of the window (Qt's accessibility, which AT-SPI
// reads on Linux): a name for every control, the keys as push buttons named
// by their note, and the note panel described by what it shows.
#include "app/form1.h"

#include "app/controltable.h"
#include "app/languagepictures.h"
#include "app/translation.h"

#include "exercise/picturedescription.h"
#include "keyboard/keygeometry.h"
#include "keyboard/notenaming.h"

#include <QAccessibleWidget>
#include <QCoreApplication>

namespace {

// The main window is a window, not a plain pane, while it is a window of its
// own; inside the frame that holds it on Wayland the frame is the window,
// and it a pane of it.
class WindowAccessible final : public QAccessibleWidget {
public:
    explicit WindowAccessible(QWidget* window) : QAccessibleWidget(window, QAccessible::Window) {}
    QAccessible::Role role() const override { return widget()->isWindow() ? QAccessible::Window : QAccessible::Pane; }
};

// A picture box is a picture to a screen reader, not a frame. Qt's
// accessibility cache owns what the factory makes.
QAccessibleInterface* windowFactory(const QString& className, QObject* object)
{
    if (object == nullptr || !object->isWidgetType()) {
        return nullptr;
    }
    if (className == QLatin1String("PictureBox")) {
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Graphic);
    }
    if (className == QLatin1String("Form1")) {
        return new WindowAccessible(static_cast<QWidget*>(object));
    }
    return nullptr;
}

}  // namespace

void Form1::installAccessibleRoles()
{
    QAccessible::installFactory(windowFactory);  // a second install of the same factory is ignored
    installKeyAccessibility();
}

void Form1::buildAccessibility()
{
    setAccessibleName(windowTitle());
    // Buttons are named by their captions and described by their tooltips,
    // which give their shortcuts; the labels are read as their text. A
    // control named by the label beside it is that label's buddy.
    for (const app::ControlRow& row : app::controls()) {
        QWidget* w = findChild<QWidget*>(QString::fromLatin1(row.name), Qt::FindDirectChildrenOnly);
        if (w == nullptr) {
            continue;
        }
        if (row.accessibleName != nullptr || row.labelledBy != nullptr) {
            w->setAccessibleName(app::controlText(app::spokenName(row)));
        }
        if (row.labelledBy != nullptr) {
            if (auto* label = findChild<QLabel*>(QString::fromLatin1(row.labelledBy), Qt::FindDirectChildrenOnly)) {
                label->setBuddy(w);
            }
        }
    }

    // "do 3", "fa dièse 3", "C sharp 4", "cis1": black keys by their sharp,
    // named and numbered as the window's language names them.
    const keyboard::naming::Naming& naming = app::noteNaming();
    for (int note = keyboard::firstKey; note <= keyboard::lastKey; ++note) {
        kkey(note)->setAccessibleName(
            QString::fromStdString(keyboard::naming::noteName(note, keyboard::pitch::Accidental::Sharp, naming)));
    }
}

void Form1::describeNotePanel(const QString& path)
{
    const std::string description = exercise::notePanelDescription(path.toStdString());
    Picture1->setAccessibleDescription(
        description.empty() ? QString() : QCoreApplication::translate("NotePanel", description.c_str()));
}
