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
// title. Needs art::fonts::load() first.
QImage render(const ResultsSummary& summary, const QString& source);

// The same in parts: the page's paper, and everything drawn on it, onto p
// (a page of size px), so that a PDF of many pages shares one paper.
QImage paper();
void paint(QPainter& p, const ResultsSummary& summary, const QString& source);

}  // namespace progress::reportpicture
