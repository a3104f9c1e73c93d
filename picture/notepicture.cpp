#include "picture/notepicture.h"

#include "picture/fonts.h"
#include "picture/texture.h"

#include <QPainter>

#include <algorithm>
#include <utility>

namespace art::notepicture {

namespace {

constexpr QColor captionInk(0x8a, 0x7b, 0x68);  // faded brown, like a printed rubric
constexpr QColor markerInk(0x86, 0x24, 0x1c);   // the red the signs are printed in, as in a school primer
constexpr qreal captionTop = 222.0;

// A phrase's room, in staff spaces: between the signature and the first
// note's ledger lines, and between the last note's and the closing bar; the
// least space between two neighbours' ledger lines; the marker's height and
// its clearance under its note's head and ledger lines.
constexpr qreal phraseMargin = 0.5;
constexpr qreal ledgerGap = 0.6;
constexpr qreal markerHeight = 0.9;
constexpr qreal markerClearance = 0.5;
constexpr qreal captionClearance = 4.0;  // px between the marker and the caption

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
    painter.drawText(QRectF(0.0, captionTop, size.width(), 20.0), Qt::AlignHCenter | Qt::AlignVCenter, caption);
}

// A page ready to draw on, antialiased like every picture.
struct Page {
    QImage image;
    QPainter painter;

    explicit Page(const QImage& paper) : image(blankPage(paper)), painter(&image)
    {
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setRenderHint(QPainter::TextAntialiasing);
    }
};

// The staff of a phrase with the given space, centred on the page's middle
// line; half a pixel off it, so that at 1x the thin lines fall on one row.
QRectF phraseLines(qreal space)
{
    const qreal middle = staffLines.center().y() + 0.5;
    return {staffLines.left(), middle - 2.0 * space, staffLines.width(), 4.0 * space};
}

// The lowest step a head of any clef's notes reaches (a sharp is written on
// the letter below).
int lowestStep()
{
    int lowest = 0;
    for (const StaffClef clef : keyboard::pitch::allStaffClefs) {
        const keyboard::pitch::KeyRange range = keyboard::pitch::clefRange(clef);
        lowest = std::min(lowest, keyboard::pitch::staffStep(clef, range.lowest, Accidental::Sharp));
    }
    return lowest;
}

// The first and last x a phrase's notes may take, ledger lines included:
// after the widest clef's signature of the key, before the closing bar.
std::pair<qreal, qreal> phraseRoom(const Engraver& staff, KeySignature key)
{
    const qreal s = staff.staffSpace();
    qreal start = staff.clefEnd(Clef::Bass);
    for (const StaffClef clef : keyboard::pitch::allStaffClefs) {
        start = std::max(start, staff.signatureEnd(clef, key));
    }
    const qreal end = staff.staffLines().right() - (proportion::barLine + phraseMargin) * s;
    return {start + phraseMargin * s, end};
}

// The marker's top under a head on step: clear of the head and its ledger
// lines, and never higher than a space under the staff, so that under the
// notes on the staff it keeps one row.
qreal markerTopUnder(const Engraver& staff, int step)
{
    const qreal s = staff.staffSpace();
    const qreal lowest = std::max(staff.stepY(std::min(step, 0) - 1), staff.stepY(0) + s);
    return lowest + markerClearance * s;
}

// Whether count filled heads with their ledger lines fit side by side in
// every key, and the marker above the caption, at this staff space.
bool phraseFits(qreal space, int count)
{
    const Engraver staff(phraseLines(space));
    const qreal need = staff.headWidth(NoteHead::Black) + (2.0 * proportion::ledgerOverhang + ledgerGap) * space;
    for (const int fifths : {KeySignature::mostFifths, -KeySignature::mostFifths}) {
        const auto [start, end] = phraseRoom(staff, KeySignature::ofFifths(fifths).value());
        if ((end - start) / count < need) {
            return false;
        }
    }
    return markerTopUnder(staff, lowestStep()) + markerHeight * space <= captionTop - captionClearance;
}

// The wedge pointing up at the note above it.
void drawMarker(QPainter& painter, const Engraver& staff, qreal x, qreal top)
{
    const qreal halfWidth = staff.headWidth(NoteHead::Black) / 2.0;
    QPainterPath wedge;
    wedge.moveTo(x, top);
    wedge.lineTo(x + halfWidth, top + markerHeight * staff.staffSpace());
    wedge.lineTo(x - halfWidth, top + markerHeight * staff.staffSpace());
    wedge.closeSubpath();
    painter.fillPath(wedge, markerInk);
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

QImage renderInClef(StaffClef clef, int midiNote, Accidental spelling, const QImage& paper, const QString& caption)
{
    Page page(paper);
    Engraver staff = engraver();
    staff.drawStaff(page.painter, staffLines, clef);
    staff.drawNoteAt(page.painter, clef, midiNote, spelling, staff.noteColumn());
    drawCaption(page.painter, caption);
    page.painter.end();
    return page.image;
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

QImage renderStaff(StaffClef clef, KeySignature key, const QImage& paper, const QString& caption)
{
    Page page(paper);
    engraver().drawStaff(page.painter, staffLines, clef, key);
    drawCaption(page.painter, caption);
    page.painter.end();
    return page.image;
}

PhraseLayout phraseLayout(KeySignature key, int count)
{
    if (count < 1 || count > mostPhraseNotes) {
        return {};
    }
    auto space = static_cast<int>(staffSpace);
    while (space > 1 && !phraseFits(space, count)) {
        --space;
    }
    PhraseLayout layout;
    layout.lines = phraseLines(space);
    const Engraver staff(layout.lines);
    const auto [start, end] = phraseRoom(staff, key);
    const qreal slot = (end - start) / count;
    for (int i = 0; i < count; ++i) {
        layout.columns.push_back(start + slot * (i + 0.5));
    }
    return layout;
}

QImage renderPhrase(StaffClef clef, KeySignature key, const std::vector<int>& midiNotes, int current,
                    const QImage& paper, const QString& caption)
{
    if (midiNotes.empty() || midiNotes.size() > static_cast<std::size_t>(mostPhraseNotes) ||
        !std::all_of(midiNotes.begin(), midiNotes.end(), [&](int note) { return key.contains(note); })) {
        return {};
    }
    const PhraseLayout layout = phraseLayout(key, static_cast<int>(midiNotes.size()));
    Page page(paper);
    Engraver staff(layout.lines);
    staff.drawStaff(page.painter, layout.lines, clef, key);
    for (std::size_t i = 0; i < midiNotes.size(); ++i) {
        staff.drawNoteInKey(page.painter, clef, key, midiNotes[i], layout.columns[i], engravingInk, NoteHead::Black);
    }
    if (current >= 0 && current < static_cast<int>(midiNotes.size())) {
        const auto i = static_cast<std::size_t>(current);
        const int step = keyboard::pitch::staffStepInKey(clef, key, midiNotes[i]).value();
        drawMarker(page.painter, staff, layout.columns[i], markerTopUnder(staff, step));
    }
    drawCaption(page.painter, caption);
    page.painter.end();
    return page.image;
}

}  // namespace art::notepicture
