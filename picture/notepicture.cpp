#include "picture/notepicture.h"

#include "picture/fonts.h"
#include "picture/texture.h"

#include <QPainter>

namespace art::notepicture {

namespace {

constexpr QColor captionInk(0x8a, 0x7b, 0x68);  // faded brown, like a printed rubric

}  // namespace

QImage paper(int scale)
{
    return paperTexture(size, paperSeed, scale);
}

Engraver engraver()
{
    return Engraver(staffLines);
}

int prefix(Clef clef, Accidental spelling)
{
    return keyboard::pitch::prefixOf(clef, spelling);
}

QString fileName(Clef clef, Accidental spelling, int midiNote)
{
    return QStringLiteral("%1%2.jpg").arg(prefix(clef, spelling)).arg(midiNote);
}

QImage render(Clef clef, int midiNote, Accidental spelling, const QImage& paper, const QString& caption)
{
    const qreal ratio = paper.devicePixelRatio();
    QImage image = paper.copy(QRect(QPoint(0, 0), size * ratio));
    image.setDevicePixelRatio(ratio);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);

    Engraver staff = engraver();
    staff.drawStaff(painter, staffLines, clef);
    staff.drawNote(painter, clef, midiNote, spelling);

    // The question the page asks, small and quiet along the foot.
    painter.setFont(fonts::serif(14, false, true));
    painter.setPen(captionInk);
    painter.drawText(QRectF(0.0, 222.0, size.width(), 20.0), Qt::AlignHCenter | Qt::AlignVCenter, caption);
    painter.end();
    return image;
}

}  // namespace art::notepicture
