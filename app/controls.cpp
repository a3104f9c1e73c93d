#include "app/controls.h"

#include <QPainter>
#include <QStyle>
#include <QStyleOptionButton>

namespace {
constexpr int sunkenBorderPx = 2;
}

PictureBox::PictureBox(const QString& name, bool sunken, bool autoSize, QWidget* parent)
    : QFrame(parent), m_autoSize(autoSize)
{
    setObjectName(name);
    if (sunken) {
        setFrameStyle(QFrame::Panel | QFrame::Sunken);
        setLineWidth(sunkenBorderPx);
    } else {
        setFrameStyle(QFrame::NoFrame);
    }
}

void PictureBox::setPicture(const QPixmap& picture, const QString& source)
{
    m_picture = picture;
    m_source = picture.isNull() ? QString() : source;
    if (m_autoSize && !m_picture.isNull()) {
        const int border = 2 * frameWidth();
        const QSize size = m_picture.deviceIndependentSize().toSize();  // a 2x picture takes its 1x room
        resize(size.width() + border, size.height() + border);
    }
    update();
}

void PictureBox::setBackColor(const QColor& colour)
{
    QPalette pal = palette();
    pal.setColor(QPalette::Window, colour);
    setPalette(pal);
    setAutoFillBackground(true);
}

void PictureBox::paintEvent(QPaintEvent* event)
{
    QFrame::paintEvent(event);
    if (m_picture.isNull()) {
        return;
    }
    QPainter p(this);
    const QRect area = contentsRect();
    p.setClipRect(area);
    p.drawPixmap(area.topLeft(), m_picture);
}

CommandButton::CommandButton(const QString& name, const QString& caption, QWidget* parent)
    : QPushButton(caption, parent)
{
    setObjectName(name);
    setFocusPolicy(Qt::NoFocus);
}

void CommandButton::setFaceColour(const QColor& colour)
{
    QPalette pal = palette();
    pal.setColor(QPalette::Button, colour);
    setPalette(pal);
}

void CommandButton::paintEvent(QPaintEvent* /*event*/)
{
    // The face flat in its own colour, as a graphical button of the classic
    // desktop draws it, not the style's gradient: a dark outline, and inside
    // it a one-pixel bevel, light above and left and shaded below and right
    // while up, the other way round while pressed. Disabled, the face keeps
    // its colour and the caption is etched.
    QPainter p(this);
    const QRect r = rect();
    const QColor face = palette().color(QPalette::Button);
    const bool down = isDown();
    p.fillRect(r, face);
    const QColor light = face.lighter(150);
    const QColor shade = face.darker(170);
    p.setPen(QColor(0x1E, 0x16, 0x12));
    p.drawRect(r.adjusted(0, 0, -1, -1));
    const QRect inner = r.adjusted(1, 1, -2, -2);
    p.setPen(down ? shade : light);
    p.drawLine(inner.topLeft(), inner.topRight());
    p.drawLine(inner.topLeft(), inner.bottomLeft());
    p.setPen(down ? light : shade);
    p.drawLine(inner.bottomLeft(), inner.bottomRight());
    p.drawLine(inner.topRight(), inner.bottomRight());

    // The caption in the normal button-text colour, wrapped at word
    // boundaries to fit the face, one pixel down and right while pressed.
    QStyleOptionButton option;
    initStyleOption(&option);
    QRect area = style()->subElementRect(QStyle::SE_PushButtonContents, &option, this).adjusted(1, 0, -1, 0);
    if (down) {
        area.translate(1, 1);
    }
    const int flags = Qt::AlignCenter | Qt::TextWordWrap;
    if (isEnabled()) {
        p.setPen(palette().color(QPalette::Normal, QPalette::ButtonText));
        p.drawText(area, flags, text());
    } else {
        p.setPen(QColor(0xFF, 0xFF, 0xFF));
        p.drawText(area.translated(1, 1), flags, text());
        p.setPen(QColor(0x80, 0x80, 0x80));
        p.drawText(area, flags, text());
    }
}

void setCaption(QLabel* label, const QString& caption)
{
    label->setText(caption);
    label->adjustSize();
}
