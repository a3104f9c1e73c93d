#include "keyboard/keybutton.h"

#include "keyboard/flashmark.h"
#include "keyboard/keygeometry.h"

#include <QAccessibleWidget>
#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>
#include <cmath>

namespace {
constexpr std::uint32_t whiteFace = 16777215;
constexpr std::uint32_t blackFace = 0;

// t of the way from a to b.
QColor blend(const QColor& a, const QColor& b, double t)
{
    auto mix = [t](int x, int y) { return static_cast<int>(std::lround(x + (y - x) * t)); };
    return QColor(mix(a.red(), b.red()), mix(a.green(), b.green()), mix(a.blue(), b.blue()));
}

// A key as a screen reader sees it: a push button named by its note, pressed
// while held, with a press action that plays it as a click does.
class KeyAccessible final : public QAccessibleWidget {
public:
    explicit KeyAccessible(KeyButton* key) : QAccessibleWidget(key, QAccessible::PushButton) {}

    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        s.pressed = key()->held() > 0;
        return s;
    }
    QStringList actionNames() const override { return QStringList{pressAction()} + QAccessibleWidget::actionNames(); }
    void doAction(const QString& actionName) override
    {
        if (actionName == pressAction()) {
            if (key()->isEnabled()) {
                key()->click();
            }
            return;
        }
        QAccessibleWidget::doAction(actionName);
    }
    QStringList keyBindingsForAction(const QString& /*actionName*/) const override { return {}; }

private:
    KeyButton* key() const { return static_cast<KeyButton*>(widget()); }
};

QAccessibleInterface* keyAccessibleFactory(const QString& className, QObject* object)
{
    if (className == QLatin1String("KeyButton") && object != nullptr && object->isWidgetType()) {
        return new KeyAccessible(static_cast<KeyButton*>(object));  // Qt's accessibility cache owns it
    }
    return nullptr;
}

}  // namespace

void installKeyAccessibility()
{
    QAccessible::installFactory(keyAccessibleFactory);  // a second install of the same factory is ignored
}

QColor colourFromValue(std::uint32_t value)
{
    return QColor(static_cast<int>(value & 0xFFU), static_cast<int>((value >> 8) & 0xFFU),
                  static_cast<int>((value >> 16) & 0xFFU));
}

KeyButton::KeyButton(std::int16_t index, QWidget* parent)
    : QWidget(parent), m_index(index), m_backColor(keyboard::isBlack(index) ? blackFace : whiteFace)
{
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setObjectName(QStringLiteral("kkey(%1)").arg(index));
}

void KeyButton::setBackColor(std::uint32_t colour)
{
    if (colour != m_backColor) {
        m_backColor = colour;
        update();
    }
}

void KeyButton::setHeld(int count)
{
    if (count != m_held) {
        m_held = count;
        update();
    }
}

void KeyButton::paintEvent(QPaintEvent* /*event*/)
{
    QPainter p(this);
    const QRectF r = QRectF(rect());
    const QColor face = colourFromValue(m_backColor);
    const bool black = keyboard::isBlack(m_index);
    const bool down = m_held > 0;

    // A face lit from above and shaded at the far end; a held key sinks a
    // little: darker at the top, its lip shorter.
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    if (black) {
        g.setColorAt(0.0, blend(face, Qt::white, down ? 0.10 : 0.28));
        g.setColorAt(0.85, blend(face, Qt::white, down ? 0.04 : 0.0));
        g.setColorAt(1.0, blend(face, Qt::black, 0.3));
        p.fillRect(r, g);
        const double lip = down ? 4.0 : 7.0;
        p.fillRect(QRectF(r.left() + 2, r.bottom() - lip, r.width() - 4, lip - 1), blend(face, Qt::white, 0.22));
    } else {
        g.setColorAt(0.0, blend(face, Qt::black, down ? 0.2 : 0.07));
        g.setColorAt(0.9, blend(face, Qt::black, down ? 0.1 : 0.0));
        g.setColorAt(1.0, blend(face, Qt::black, 0.28));
        p.fillRect(r, g);
    }
    p.setPen(QColor(40, 40, 40));
    p.drawRect(r.adjusted(0, -1, -1, -1));

    // The flash's shape: dark on a light halo, seen on either flash colour.
    const keyboard::FlashMark mark = keyboard::flashMarkFor(m_backColor);
    if (mark != keyboard::FlashMark::None) {
        const keyboard::MarkBox box = keyboard::flashMarkBox(width(), height(), black);
        const double pen = keyboard::flashMarkPenWidth(black);
        p.setRenderHint(QPainter::Antialiasing);
        for (const auto& [colour, widthPx] :
             {std::pair{QColor(Qt::white), pen + 3.0}, std::pair{QColor(Qt::black), pen}}) {
            p.setPen(QPen(colour, widthPx, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
            for (const keyboard::Stroke& stroke : keyboard::flashMarkStrokes(mark, box)) {
                p.drawLine(QPointF(stroke.from.x, stroke.from.y), QPointF(stroke.to.x, stroke.to.y));
            }
        }
    }
}

void KeyButton::click()
{
    const QPoint centre = rect().center();
    emit mouseDown(m_index, Qt::LeftButton, Qt::NoModifier, centre);
    emit mouseUp(m_index, Qt::LeftButton, Qt::NoModifier, centre);
}

void KeyButton::mousePressEvent(QMouseEvent* event)
{
    emit mouseDown(m_index, event->button(), event->modifiers(), event->position().toPoint());
}

void KeyButton::mouseDoubleClickEvent(QMouseEvent* event)
{
    // Qt gives a widget the second press of a double click as this event in
    // place of a press (press, release, double click, release): it is a
    // press like any other, and its release ends it.
    mousePressEvent(event);
}

void KeyButton::mouseReleaseEvent(QMouseEvent* event)
{
    emit mouseUp(m_index, event->button(), event->modifiers(), event->position().toPoint());
}
