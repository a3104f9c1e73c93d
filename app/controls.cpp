#include "app/controls.h"

#include <QPainter>
#include <QStyleOptionButton>
#include <QStylePainter>

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
    QStylePainter p(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    const QString caption = option.text;
    option.text.clear();
    p.drawControl(QStyle::CE_PushButton, option);

    // The caption in the normal button-text colour, greyed while disabled,
    // wrapped at word boundaries to fit the face.
    const QRect area = style()->subElementRect(QStyle::SE_PushButtonContents, &option, this).adjusted(1, 0, -1, 0);
    const QPalette::ColorGroup group = isEnabled() ? QPalette::Normal : QPalette::Disabled;
    p.setPen(palette().color(group, QPalette::ButtonText));
    p.drawText(area, Qt::AlignCenter | Qt::TextWordWrap, caption);
}

void setCaption(QLabel* label, const QString& caption)
{
    label->setText(caption);
    label->adjustSize();
}
