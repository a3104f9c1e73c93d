#pragma once

#include "picture/engraving.h"
#include "progress/statistics.h"

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QRectF>
#include <QSize>
#include <QString>

#include <optional>
#include <vector>

// The report picture: the notes asked on a treble and a bass staff, each
// coloured by how often it was right with its median response time under it;
// the five notes to work on; the score and the response time run after run.
// Staves and notes are engraved by art::Engraver, as the note pictures are.
namespace progress::reportpicture {

constexpr QSize size(1680, 1300);  // px

// The staff space is the largest that fits every column, at most this (px).
constexpr qreal largestStaffSpace = 10.0;
constexpr qreal smallestStaffSpace = 6.0;

// One note head on a staff: the note and the x of its head's centre (px).
struct Column {
    NoteStats stats;
    qreal x = 0.0;
};

struct Staff {
    art::Clef clef = art::Clef::Treble;
    QRectF lines;  // the five lines: top line to bottom line, px
    std::vector<Column> columns;
    art::Engraver engraver() const { return art::Engraver(lines); }
    // Where the median time is written under a column: its baseline (px).
    qreal medianBaseline() const;
};

struct Layout {
    qreal staffSpace = largestStaffSpace;
    Staff treble;
    Staff bass;
};

// Where every note head goes for this summary.
Layout layout(const ResultsSummary& summary);

// The variants' notes (summary.variants) go on pages of their own after the
// first, which stays the drill's: each variant under a heading that names
// it, its notes on a staff per clef they were written in (the treble and
// the bass clef, or its C clef) with the key's signature after the clef,
// coloured and timed as the drill's notes are.
struct VariantStaff {
    art::StaffClef clef = art::StaffClef::Treble;
    art::KeySignature key;
    QRectF lines;
    std::vector<Column> columns;  // rising, left to right
    art::Engraver engraver() const { return art::Engraver(lines); }
    qreal medianBaseline() const;
};

// A variant under its heading. Its staves share the largest staff space
// at which all their columns keep their distance, as the drill's two do.
struct VariantBand {
    std::size_t variant = 0;  // its place in summary.variants
    qreal headingBaseline = 0.0;
    qreal staffSpace = largestStaffSpace;
    std::vector<VariantStaff> staves;
};

struct VariantPage {
    std::vector<VariantBand> bands;
};

// The pages after the first, as many as the variants fill, in the order of
// summary.variants; none without variants.
std::vector<VariantPage> variantPages(const ResultsSummary& summary);

// The report's pages: the drill's and those of the variants.
std::size_t pageCount(const ResultsSummary& summary);

// What a variant's heading and --report's summary say of it: "12 notes, 9
// justes (75 %) · temps médian 1,4 s".
QString variantFigures(const VariantNotes& variant);

// From blue (always right) through violet (right three times in four) to
// orange (missed half the time or more), a scale that reads without telling
// red from green; grey for a note never answered.
QColor rateColour(std::optional<double> rightRate);

// Where the ringed number of one of the five notes to work on stands: above
// its note, and above the staff.
QPointF workOnMarkCentre(const Staff& staff, const Column& column);

// The words under the run charts: the dates and, when each point stands for
// a group of runs (past 2 * maxRunPoints runs), how many.
QString runAxisCaption(const ResultsSummary& summary);

// Draws the report; source names the pupil or the results file in the
// title. Its pages one under the other, each of size: a report of the drill
// alone is one page. Needs art::fonts::load() first.
QImage render(const ResultsSummary& summary, const QString& source);

// The same in parts: the page's paper, and everything drawn on it, onto p
// (a page of size px), so that a PDF of many pages shares one paper: paint
// draws the first page, paintPage any of them (0 to pageCount - 1).
QImage paper();
void paint(QPainter& p, const ResultsSummary& summary, const QString& source);
void paintPage(QPainter& p, const ResultsSummary& summary, const QString& source, std::size_t page);

}  // namespace progress::reportpicture
