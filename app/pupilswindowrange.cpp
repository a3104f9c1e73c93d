#include "app/pupilswindowrange.h"

#include "keyboard/pitch.h"
#include "app/languagepictures.h"
#include "keyboard/notenaming.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace rangekeys {

namespace {

int whiteIndex(int note)
{
    int n = 0;
    for (int k = firstNote; k < note; ++k) {
        n += keyboard::pitch::isBlackKey(k) ? 0 : 1;
    }
    return n;
}

}  // namespace

QRect keyRect(int note)
{
    if (keyboard::pitch::isBlackKey(note)) {
        const int x = whiteIndex(note) * whiteWidth - blackWidth / 2;
        return {x, 0, blackWidth, blackHeight};
    }
    return {whiteIndex(note) * whiteWidth, 0, whiteWidth, whiteHeight};
}

std::optional<int> keyAt(QPoint point)
{
    for (int note = firstNote; note <= lastNote; ++note) {
        if (keyboard::pitch::isBlackKey(note) && keyRect(note).contains(point)) {
            return note;
        }
    }
    for (int note = firstNote; note <= lastNote; ++note) {
        if (!keyboard::pitch::isBlackKey(note) && keyRect(note).contains(point)) {
            return note;
        }
    }
    return std::nullopt;
}

}  // namespace rangekeys

namespace {

QString name(int note)
{
    return QString::fromStdString(
        keyboard::naming::noteName(note, keyboard::pitch::Accidental::Sharp, app::noteNaming()));
}

}  // namespace

RangeKeyboard::RangeKeyboard(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("rangeKeyboard"));
    setAccessibleName(tr("Clavier de l'étendue"));
    setFocusPolicy(Qt::StrongFocus);
    setFixedSize(sizeHint());
    describe();
}

QSize RangeKeyboard::sizeHint() const
{
    return {rangekeys::whiteKeys * rangekeys::whiteWidth + 1, rangekeys::whiteHeight + 1};
}

void RangeKeyboard::setRange(std::optional<std::pair<int, int>> range)
{
    m_range = range;
    m_first.reset();
    describe();
    update();
}

void RangeKeyboard::pick(int note)
{
    if (!m_first) {
        m_first = note;
        m_cursor = note;
        describe();
        update();
        return;
    }
    const int low = std::min(*m_first, note);
    const int high = std::max(*m_first, note);
    m_first.reset();
    m_range = std::make_pair(low, high);
    describe();
    update();
    emit rangePicked(low, high);
}

void RangeKeyboard::describe()
{
    QString d;
    if (m_first) {
        d = tr("Première touche : %1 ; choisissez l'autre bout").arg(name(*m_first));
    } else if (m_range) {
        d = tr("De %1 à %2").arg(name(m_range->first), name(m_range->second));
    } else {
        d = tr("Toutes les touches");
    }
    d += tr(". Touche en vue : %1 (← → pour changer, Espace pour choisir)").arg(name(m_cursor));
    setAccessibleDescription(d);
    setToolTip(tr("Cliquez la touche la plus grave puis la plus aiguë"));
}

void RangeKeyboard::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    const auto inRange = [this](int note) {
        if (m_first) {
            return note == *m_first;
        }
        return m_range && note >= m_range->first && note <= m_range->second;
    };
    const QColor chosen(0x2a, 0x7f, 0xd0);
    for (int pass = 0; pass < 2; ++pass) {
        for (int note = rangekeys::firstNote; note <= rangekeys::lastNote; ++note) {
            const bool black = keyboard::pitch::isBlackKey(note);
            if (black != (pass == 1)) {
                continue;
            }
            const QRect r = rangekeys::keyRect(note);
            QColor face = black ? QColor(Qt::black) : QColor(Qt::white);
            if (inRange(note)) {
                face = black ? chosen.darker(150) : chosen.lighter(150);
            }
            p.setPen(QColor(0x40, 0x40, 0x40));
            p.setBrush(face);
            p.drawRect(r);
            if (hasFocus() && note == m_cursor) {
                p.setPen(QPen(QColor(0xe0, 0x60, 0x00), 2));
                p.setBrush(Qt::NoBrush);
                p.drawRect(r.adjusted(2, r.height() - 12, -2, -2));
            }
        }
    }
}

void RangeKeyboard::mousePressEvent(QMouseEvent* event)
{
    if (const std::optional<int> note = rangekeys::keyAt(event->position().toPoint())) {
        pick(*note);
    }
}

void RangeKeyboard::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Left:
        m_cursor = std::max(rangekeys::firstNote, m_cursor - 1);
        break;
    case Qt::Key_Right:
        m_cursor = std::min(rangekeys::lastNote, m_cursor + 1);
        break;
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        pick(m_cursor);
        return;
    default:
        QWidget::keyPressEvent(event);
        return;
    }
    describe();
    update();
}
