#include "picture/notepicture.h"

#include "picture/fonts.h"
#include "picture/texture.h"

#include <QPainter>

namespace art::notepicture {

namespace {

constexpr QColor captionInk(0x8a, 0x7b, 0x68);  // faded brown, like a printed rubric

// A copy of the paper the size of a note picture, at the paper's scale.
QImage blankPage(const QImage& paper)
{
    const qreal ratio = paper.devicePixelRatio();
    QImage image = paper.copy(QRect(QPoint(0, 0), size * ratio));
    image.setDevicePixelRatio(ratio);
    return image;
}

// The question the page asks, small and quiet along the foot.
void drawCaption(QPainter& painter, const QString& caption)
{
    painter.setFont(fonts::serif(14, false, true));
    painter.setPen(captionInk);
    painter.drawText(QRectF(0.0, 222.0, size.width(), 20.0), Qt::AlignHCenter | Qt::AlignVCenter, caption);
}

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
    QImage image = blankPage(paper);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);

    Engraver staff = engraver();
    staff.drawStaff(painter, staffLines, clef);
    staff.drawNote(painter, clef, midiNote, spelling);
    drawCaption(painter, caption);
    painter.end();
    return image;
}

QImage renderInKey(StaffClef clef, KeySignature key, int midiNote, const QImage& paper, const QString& caption)
{
    if (!key.contains(midiNote)) {
        return {};
    }
    QImage image = blankPage(paper);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);

    Engraver staff = engraver();
    staff.drawStaff(painter, staffLines, clef, key);
    staff.drawNoteInKey(painter, clef, key, midiNote, staff.noteColumn(key));
    drawCaption(painter, caption);
    painter.end();
    return image;
}

}  // namespace art::notepicture
