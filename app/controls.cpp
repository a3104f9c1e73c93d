#include "app/controls.h"

#include "app/translation.h"

#include "keyboard/keygeometry.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPainter>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionButton>
#include <cmath>

namespace {

constexpr int sunkenBorderPx = 2;

using keyboard::toPixels;

// A design font at the pixel size its point size has at 96 dpi.
QFont designFont(const app::Font& font)
{
    QFont f(QString::fromLatin1(font.family));
    f.setPixelSize(static_cast<int>(std::lround(font.points * 96.0 / 72.0)));
    f.setWeight(QFont::Normal);
    return f;
}

// A design rectangle in twips, placed in pixels.
QRect pixels(const app::Twips& box)
{
    const int x = toPixels(box.left);
    const int y = toPixels(box.top);
    return QRect(x, y, toPixels(box.left + box.width) - x, toPixels(box.top + box.height) - y);
}

QColor colour(const app::Colour& c, const QWidget* parent)
{
    switch (c.from) {
    case app::Colour::From::Rgb:
        return QColor::fromRgb(static_cast<QRgb>(c.rgb));
    case app::Colour::From::HighlightedText:
        return parent->palette().color(QPalette::HighlightedText);
    case app::Colour::From::Light:
        return parent->palette().color(QPalette::Light);
    case app::Colour::From::None:
        break;
    }
    return {};
}

bool given(const app::Colour& c)
{
    return c.from != app::Colour::From::None;
}

QLabel* makeLabel(const app::ControlRow& row, QWidget* parent)
{
    auto* label = new QLabel(app::controlText(row.caption), parent);
    QPalette pal = label->palette();
    pal.setColor(QPalette::WindowText, colour(row.text, parent));
    label->setPalette(pal);
    label->setAttribute(Qt::WA_TranslucentBackground);
    label->move(toPixels(row.box.left), toPixels(row.box.top));
    label->setFont(designFont(row.font));
    label->adjustSize();
    return label;
}

PictureBox* makePicture(const app::ControlRow& row, QWidget* parent)
{
    auto* box = new PictureBox(QString::fromLatin1(row.name), row.sunken, row.autoSize, parent);
    if (given(row.face)) {
        box->setBackColor(colour(row.face, parent));
    }
    return box;
}

CommandButton* makeButton(const app::ControlRow& row, QWidget* parent)
{
    auto* button = new CommandButton(QString::fromLatin1(row.name), app::controlText(row.caption), parent);
    button->setFaceColour(colour(row.face, parent));
    return button;
}

QLineEdit* makeScore(const app::ControlRow& row, QWidget* parent)
{
    auto* score = new QLineEdit(QString::fromUtf8(row.caption), parent);
    score->setAlignment(Qt::AlignCenter);
    score->setReadOnly(true);  // the score is the system's to write
    score->setContextMenuPolicy(Qt::NoContextMenu);
    QPalette pal = score->palette();
    pal.setColor(QPalette::Base, colour(row.face, parent));
    pal.setColor(QPalette::Text, colour(row.text, parent));
    score->setPalette(pal);
    return score;
}

QWidget* makeWidget(const app::ControlRow& row, QWidget* parent)
{
    switch (row.kind) {
    case app::ControlKind::Label:
        return makeLabel(row, parent);
    case app::ControlKind::Picture:
        return makePicture(row, parent);
    case app::ControlKind::Button:
        return makeButton(row, parent);
    case app::ControlKind::Score:
        return makeScore(row, parent);
    case app::ControlKind::ScrollBar:
        return new QScrollBar(Qt::Horizontal, parent);
    case app::ControlKind::CheckBox:
        return new QCheckBox(app::controlText(row.caption), parent);
    case app::ControlKind::Keys:
    case app::ControlKind::Command:
        break;
    }
    return nullptr;
}

}  // namespace

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

QWidget* makeControl(const app::ControlRow& row, QWidget* parent)
{
    QWidget* w = makeWidget(row, parent);
    if (w == nullptr) {
        return nullptr;
    }
    w->setObjectName(QString::fromLatin1(row.name));
    // The designed Tab order stays: nothing takes the focus, the keyboard
    // plays notes and works the buttons through shortcuts.
    w->setFocusPolicy(Qt::NoFocus);
    if (row.kind != app::ControlKind::Label) {
        w->setGeometry(pixels(row.box));
        if (row.font.family != nullptr) {
            w->setFont(designFont(row.font));
        }
    }
    return w;
}
