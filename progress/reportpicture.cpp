#include "progress/reportpicture.h"

#include "picture/fonts.h"
#include "picture/texture.h"
#include "platform/version.h"
#include "progress/notenames.h"
#include "progress/pagetext.h"
#include "progress/wording.h"

#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

namespace progress::reportpicture {

namespace {

constexpr std::uint64_t paperSeed = 0x7a5e11b0;

namespace colour {
constexpr QColor ink = art::engravingInk;
constexpr QColor rubric(0x8a, 0x7b, 0x68);    // captions and small print, as on the note pictures
constexpr QColor ornament(0xb0, 0x93, 0x5c);  // faded gilt rules
constexpr QColor grid(0xd9, 0xcd, 0xb4);      // chart grid, a shade under the paper
// The right-answer scale runs from orange through violet to blue:
// readers who cannot tell red from green, and those who confuse blue with
// yellow, still tell the three apart, and each stands out from the paper
// (reporttest.cpp checks both through simulations of the three kinds).
constexpr QColor often(0xe0, 0x60, 0x00);   // missed half the time or more: orange
constexpr QColor middle(0x6c, 0x2f, 0xa8);  // right three times in four: violet
constexpr QColor always(0x2a, 0x7f, 0xd0);  // always right: blue
constexpr QColor unanswered(0x9a, 0x90, 0x84);
constexpr QColor scoreLine(0x2d, 0x5e, 0x7e);  // slate blue
constexpr QColor timeLine(0x86, 0x24, 0x1c);   // the red of the signs on the name pictures
}  // namespace colour

// Page geometry, px.
namespace page {
constexpr qreal margin = 72.0;
constexpr qreal right = size.width() - margin;
constexpr qreal titleBaseline = 84.0;
constexpr qreal titleRule = 106.0;
constexpr qreal totalsBaseline = 140.0;
constexpr qreal trebleCentre = 262.0;  // y of the middle line
constexpr qreal bassCentre = 444.0;
constexpr qreal legendY = 566.0;
constexpr qreal sectionRule = 606.0;
constexpr qreal sectionTitle = 650.0;
constexpr qreal weakTop = 676.0;
constexpr qreal weakRow = 108.0;
constexpr qreal chartsLeft = 900.0;
constexpr qreal footerBaseline = size.height() - 24.0;
}  // namespace page

// The variants' pages, px: the title as on the first, the colour scale where
// the first has its totals, then the variants in bands, each its heading
// and its staves (as far apart as the drill's, with room for three ledger
// lines above and the median times below).
namespace variantPage {
constexpr qreal legendY = page::totalsBaseline;
constexpr qreal firstBand = 176.0;
constexpr qreal headingToStaff = 84.0;    // from the heading's baseline to the first staff's middle line
constexpr qreal staffPitch = 172.0;       // between the middle lines of a band's staves
constexpr qreal staffToNextBand = 104.0;  // from the last staff's middle line to the next band's top
constexpr qreal headingAscent = 34.0;     // from a band's top to its heading's baseline
constexpr qreal bottom = page::footerBaseline - 40.0;
}  // namespace variantPage

// Widths in staff spaces used for the columns: the clef with its indent, the
// room left of the first head for its sign and ledger lines, the room right
// of the last, and the least distance between two heads, with and without
// signs (a black head, its sign and gap, the ledger overhang and some air).
namespace span {
constexpr qreal clef = 3.37;
constexpr qreal beforeFirst = 2.8;
constexpr qreal afterLast = 2.0;
constexpr qreal withSigns = 3.3;
constexpr qreal plain = 2.4;
constexpr qreal widest = 8.0;
constexpr qreal medianBelow = 5.2;  // from the bottom line down to the top of the median's text
}  // namespace span

using namespace pagetext;
using wording::say;

// A thin gilt rule with a small lozenge in its middle.
void rule(QPainter& p, qreal left, qreal right, qreal y)
{
    p.save();
    p.setPen(QPen(colour::ornament, 1.2));
    const qreal mid = (left + right) / 2.0;
    p.drawLine(QPointF(left, y), QPointF(mid - 9.0, y));
    p.drawLine(QPointF(mid + 9.0, y), QPointF(right, y));
    QPainterPath diamond;
    diamond.moveTo(mid - 6.0, y);
    diamond.lineTo(mid, y - 4.0);
    diamond.lineTo(mid + 6.0, y);
    diamond.lineTo(mid, y + 4.0);
    diamond.closeSubpath();
    p.fillPath(diamond, colour::ornament);
    p.restore();
}

QColor mix(QColor a, QColor b, double t)
{
    auto channel = [t](int x, int y) { return static_cast<int>(std::lround(x + (y - x) * t)); };
    return QColor(channel(a.red(), b.red()), channel(a.green(), b.green()), channel(a.blue(), b.blue()));
}

QString seconds(std::optional<double> ms)
{
    if (!ms) {
        return QStringLiteral("–");
    }
    return wording::number(*ms / 1000.0, 1);
}

QString percentText(double value)
{
    return wording::number(value, 0) + QStringLiteral("\u00a0%");
}

// 2024-09-02... as 02/09/2024, the way a French page dates things.
QString dateOf(const std::string& started)
{
    return started.size() < 10 ? QString() : wording::date(started);
}

bool anySign(const std::vector<NoteStats>& notes, art::Clef clef)
{
    return std::any_of(notes.begin(), notes.end(), [clef](const NoteStats& n) {
        return n.form.clef == clef && n.form.accidental != art::Accidental::None;
    });
}

std::size_t countIn(const std::vector<NoteStats>& notes, art::Clef clef)
{
    return static_cast<std::size_t>(
        std::count_if(notes.begin(), notes.end(), [clef](const NoteStats& n) { return n.form.clef == clef; }));
}

// The largest staff space at which a staff's columns keep their distance.
qreal fittingSpace(const std::vector<NoteStats>& notes, art::Clef clef)
{
    const std::size_t n = countIn(notes, clef);
    if (n < 2) {
        return largestStaffSpace;
    }
    const qreal width = page::right - page::margin;
    const qreal need = anySign(notes, clef) ? span::withSigns : span::plain;
    return width / (span::clef + span::beforeFirst + span::afterLast + need * static_cast<qreal>(n - 1));
}

Staff placeStaff(const std::vector<NoteStats>& notes, art::Clef clef, qreal centre, qreal s)
{
    Staff staff;
    staff.clef = clef;
    staff.lines = QRectF(page::margin, centre - 2.0 * s, page::right - page::margin, 4.0 * s);
    std::vector<NoteStats> mine;
    std::copy_if(notes.begin(), notes.end(), std::back_inserter(mine),
                 [clef](const NoteStats& n) { return n.form.clef == clef; });
    if (mine.empty()) {
        return staff;
    }
    const qreal first = staff.engraver().clefEnd(clef) + span::beforeFirst * s;
    const qreal last = staff.lines.right() - span::afterLast * s;
    const qreal pitch =
        mine.size() < 2 ? 0.0 : std::min((last - first) / static_cast<qreal>(mine.size() - 1), span::widest * s);
    // Centred along the staff when they do not fill it.
    const qreal used = pitch * static_cast<qreal>(mine.size() - 1);
    const qreal start = mine.size() < 2 ? (first + last) / 2.0 : first + ((last - first) - used) / 2.0;
    for (std::size_t i = 0; i < mine.size(); ++i) {
        staff.columns.push_back({mine[i], start + pitch * static_cast<qreal>(i)});
    }
    return staff;
}

// The mark of one of the five notes to work on: its number in a ring above
// the note, the same number as in the list below.
void drawWorkOnMark(QPainter& p, QPointF centre, int number)
{
    constexpr qreal radius = 10.0;
    p.save();
    p.setPen(QPen(colour::ink, 1.6));
    p.setBrush(Qt::white);
    p.drawEllipse(centre, radius, radius);
    p.restore();
    QFont f = art::fonts::sans(13, true);
    p.setFont(f);
    p.setPen(colour::ink);
    p.drawText(QRectF(centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius), Qt::AlignCenter,
               QString::number(number));
}

void drawStaff(QPainter& p, const Staff& staff, qreal s, const std::vector<NoteStats>& workOn)
{
    art::Engraver engraver = staff.engraver();
    engraver.drawStaff(p, staff.lines, staff.clef);
    qreal pitch = span::widest * s;
    if (staff.columns.size() > 1) {
        pitch = staff.columns[1].x - staff.columns[0].x;
    }
    const QFont timeFont = art::fonts::sans(std::clamp(pitch * 0.45, 9.0, 14.0));
    const qreal baseline = staff.medianBaseline();
    for (const Column& c : staff.columns) {
        engraver.drawNoteAt(p, staff.clef, c.stats.form.note, c.stats.form.accidental, c.x,
                            rateColour(c.stats.rightRate()), art::NoteHead::Black);
        writeCentred(p, timeFont, colour::rubric, c.x, baseline, seconds(c.stats.medianMs));
        const auto weak =
            std::find_if(workOn.begin(), workOn.end(), [&c](const NoteStats& w) { return w.form == c.stats.form; });
        if (weak != workOn.end()) {
            drawWorkOnMark(p, workOnMarkCentre(staff, c), static_cast<int>(weak - workOn.begin()) + 1);
        }
    }
    if (staff.columns.empty()) {
        writeCentred(p, art::fonts::serif(17, false, true), colour::rubric,
                     (engraver.clefEnd(staff.clef) + staff.lines.right()) / 2.0, staff.lines.top() - 12.0,
                     say(QT_TRANSLATE_NOOP("Report", "aucune note demandée dans cette clef")));
    }
}

// The colour scale at y, the mark of the notes to work on if asked, and
// what the numbers under the notes are.
void drawLegend(QPainter& p, qreal y, bool workOnMark)
{
    const QFont small = art::fonts::sans(15);
    const QString often = say(QT_TRANSLATE_NOOP("Report", "souvent manquée"));
    const QString always = say(QT_TRANSLATE_NOOP("Report", "toujours juste"));
    const QRectF bar(page::margin + std::max(150.0, QFontMetricsF(small).horizontalAdvance(often) + 14.0), y - 11.0,
                     180.0, 12.0);
    write(p, small, colour::ink, QPointF(page::margin, y), often);
    // The bar shows the scale as the notes get it: orange up to half right,
    // then through violet at three in four to blue.
    QLinearGradient g(bar.topLeft(), bar.topRight());
    for (int i = 0; i <= 10; ++i) {
        g.setColorAt(i / 10.0, rateColour(0.5 + 0.05 * i));
    }
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawRoundedRect(bar, 3.0, 3.0);
    p.restore();
    write(p, small, colour::ink, QPointF(bar.right() + 12.0, y), always);
    if (workOnMark) {
        const qreal markAt = bar.right() + 12.0 + QFontMetricsF(small).horizontalAdvance(always) + 36.0;
        drawWorkOnMark(p, QPointF(markAt, y - 5.0), 1);
        write(p, small, colour::ink, QPointF(markAt + 16.0, y),
              say(QT_TRANSLATE_NOOP("Report", "à 5 : les notes à travailler")));
    }
    writeRight(
        p, small, colour::rubric, page::right, y,
        say(QT_TRANSLATE_NOOP("Report", "Sous chaque note : temps de réponse médian en secondes (le son compris)."))
            .append(QStringLiteral("  "))
            .append(say(QT_TRANSLATE_NOOP("Report", "%1 : le do du milieu.")).arg(wording::middleC())));
}

void drawMiniNote(QPainter& p, const NoteStats& n, QRectF box)
{
    const qreal s = 7.0;
    QRectF lines(box.left(), box.center().y() - 2.0 * s, box.width(), 4.0 * s);
    art::Engraver engraver(lines);
    const qreal x = (engraver.clefEnd(n.form.clef) + lines.right()) / 2.0 + s * 0.6;
    // The staff and its note (far above or below it, with ledger lines)
    // centred together in the box; the clefs reach about 1.5 spaces past the lines.
    const QRectF ink = engraver.noteBounds(n.form.clef, n.form.note, n.form.accidental, x, art::NoteHead::Black)
                           .united(lines.adjusted(0.0, -1.5 * s, 0.0, 1.5 * s));
    lines.translate(0.0, box.center().y() - ink.center().y());
    engraver.setStaffLines(lines);
    engraver.drawStaff(p, lines, n.form.clef, colour::ink, true);
    engraver.drawNoteAt(p, n.form.clef, n.form.note, n.form.accidental, x, rateColour(n.rightRate()),
                        art::NoteHead::Black);
}

void drawWeakest(QPainter& p, const ResultsSummary& summary)
{
    write(p, art::fonts::serif(27, true), colour::ink, QPointF(page::margin, page::sectionTitle),
          say(QT_TRANSLATE_NOOP("Report", "Les cinq notes à travailler")));
    const std::vector<NoteStats> weak = weakestNotes(summary, 5);
    if (weak.empty()) {
        // The notes to work on are the drill's, marked on its staves.
        write(p, art::fonts::serif(19, false, true), colour::rubric, QPointF(page::margin, page::weakTop + 40.0),
              summary.rows == 0 ? say(QT_TRANSLATE_NOOP("Report", "Pas encore de résultats dans ce fichier."))
              : summary.notes.empty()
                  ? say(QT_TRANSLATE_NOOP("Report", "Les notes des variantes sont en page suivante."))
                  : say(QT_TRANSLATE_NOOP("Report", "Aucune note manquée, aucune fausse touche : bravo !")));
        return;
    }
    const QFont name = art::fonts::serif(23, true);
    const QFont clef = art::fonts::serif(18, false, true);
    const QFont body = art::fonts::sans(16);
    for (std::size_t i = 0; i < weak.size(); ++i) {
        const NoteStats& n = weak[i];
        const qreal top = page::weakTop + page::weakRow * static_cast<qreal>(i);
        drawMiniNote(p, n, QRectF(page::margin, top + 8.0, 150.0, page::weakRow - 16.0));
        const qreal x = page::margin + 178.0;
        const QString title =
            QStringLiteral("%1. %2").arg(i + 1).arg(wording::noteName(n.form.note, n.form.accidental));
        write(p, name, colour::ink, QPointF(x, top + 36.0), title);
        write(p, clef, colour::rubric, QPointF(x + QFontMetricsF(name).horizontalAdvance(title) + 12.0, top + 36.0),
              wording::clefName(n.form.clef));
        QString line = say(QT_TRANSLATE_NOOP("Report", "%1 sur %2"))
                           .arg(wording::counted(QT_TRANSLATE_N_NOOP("Report", "%1 juste(s)"), n.right),
                                wording::number(n.asked(), 0));
        if (const auto rate = n.rightRate()) {
            line += QStringLiteral(" (%1)").arg(percentText(100.0 * *rate));
        }
        if (n.medianMs) {
            line += say(QT_TRANSLATE_NOOP("Report", " · temps médian %1"))
                        .arg(seconds(n.medianMs) + QStringLiteral("\u00a0s"));
        }
        write(p, body, colour::ink, QPointF(x, top + 62.0), line);
        QString why;
        if (const auto kind = n.commonestMistake()) {
            const int times = n.mistakes[static_cast<std::size_t>(*kind)];
            why = say(QT_TRANSLATE_NOOP("Report", "Erreur la plus fréquente : %1 (%2)"))
                      .arg(wording::mistakeName(*kind),
                           wording::counted(QT_TRANSLATE_N_NOOP("Report", "%1 fois"), times));
        } else {
            why = say(QT_TRANSLATE_NOOP("Report", "Aucune fausse touche : le temps a manqué"));
        }
        if (n.silentMisses > 0 && n.commonestMistake()) {
            why += wording::counted(QT_TRANSLATE_N_NOOP("Report", ", %1 fois sans réponse"), n.silentMisses);
        }
        write(p, body, colour::rubric, QPointF(x, top + 86.0), why);
    }
}

// Distance between numbered runs on a chart's foot: 1, 2, 5, 10, 20, 50...
// so that about ten are numbered.
std::size_t tickEvery(std::size_t runs)
{
    std::size_t every = 1;
    for (std::size_t scale = 1;; scale *= 10) {
        for (const std::size_t m : {1U, 2U, 5U}) {
            every = m * scale;
            if (runs / every <= 10) {
                return every;
            }
        }
    }
}

struct ChartStyle {
    QString title;
    double top = 100.0;  // value at the top of the plot
    double step = 25.0;  // between grid lines
    int decimals = 0;    // of the axis labels
    QColor line;
    QString unit;  // after a value, with its space
    int valueDecimals = 0;
};

}  // namespace

QString runAxisCaption(const ResultsSummary& summary)
{
    if (summary.runs.empty()) {
        return {};
    }
    const QString span = say(QT_TRANSLATE_NOOP("Report", "du %1 au %2"))
                             .arg(dateOf(summary.runs.front().started), dateOf(summary.runs.back().started));
    if (summary.runsPerPoint > 1) {
        return say(QT_TRANSLATE_NOOP("Report", "séance, %1 ; chaque point : %2 séances de suite"))
            .arg(span, wording::number(static_cast<double>(summary.runsPerPoint), 0));
    }
    return say(QT_TRANSLATE_NOOP("Report", "séance, %1")).arg(span);
}

namespace {

// One chart of the run series. Each point stands for perPoint runs in a row
// (1 up to 2 * maxRunPoints runs; the last point may hold fewer); the foot
// numbers runs, not points, and says when points are groups. trend is over
// every run, in the units of series (scale divides it).
void drawChart(QPainter& p, QRectF area, const ChartStyle& style, const std::vector<std::optional<double>>& series,
               const ResultsSummary& summary, const std::optional<Trend>& trend, double scale)
{
    const std::vector<RunStats>& runs = summary.runs;
    const std::size_t perPoint = std::max<std::size_t>(1, summary.runsPerPoint);
    const std::size_t runCount = std::max(summary.runCount, runs.size());
    write(p, art::fonts::serif(19, false, true), colour::ink, QPointF(area.left(), area.top() - 12.0), style.title);
    // Where the series went: its first runs against its last.
    if (trend && runCount > 1) {
        const QString from = wording::number(trend->first / scale, style.valueDecimals) + style.unit;
        const QString to = wording::number(trend->last / scale, style.valueDecimals) + style.unit;
        writeRight(p, art::fonts::sans(16, true), style.line, area.right(), area.top() - 12.0,
                   say(QT_TRANSLATE_NOOP("Report", "de %1 à %2")).arg(from, to));
    }
    const QRectF plot(area.left() + 46.0, area.top(), area.width() - 46.0, area.height() - 34.0);
    const QFont axis = art::fonts::sans(13);

    const int lines = static_cast<int>(std::lround(style.top / style.step));
    for (int i = 0; i <= lines; ++i) {
        const double v = style.step * i;
        const qreal y = plot.bottom() - plot.height() * v / style.top;
        p.save();
        p.setPen(QPen(i == 0 ? colour::rubric : colour::grid, i == 0 ? 1.2 : 1.0));
        p.drawLine(QPointF(plot.left(), y), QPointF(plot.right(), y));
        p.restore();
        writeRight(p, axis, colour::rubric, plot.left() - 8.0, y + 4.5, wording::number(v, style.decimals));
    }

    const std::size_t n = series.size();
    if (n == 0) {
        writeCentred(p, art::fonts::serif(17, false, true), colour::rubric, plot.center().x(), plot.center().y(),
                     say(QT_TRANSLATE_NOOP("Report", "aucune séance")));
        return;
    }
    auto xOf = [&](std::size_t i) {
        return n < 2 ? plot.center().x()
                     : plot.left() + plot.width() * static_cast<qreal>(i) / static_cast<qreal>(n - 1);
    };
    auto yOf = [&](double v) { return plot.bottom() - plot.height() * std::clamp(v, 0.0, style.top) / style.top; };

    // Run numbers along the foot: the first, the last and round ones between,
    // each under the point that holds that run.
    const std::size_t every = tickEvery(runCount);
    // Round numbers keep clear of the first and the last (px).
    constexpr qreal clear = 45.0;
    writeCentred(p, axis, colour::rubric, xOf(0), plot.bottom() + 17.0, QStringLiteral("1"));
    for (std::size_t number = every; number < runCount; number += every) {
        const std::size_t i = std::min(n - 1, (number - 1) / perPoint);
        if (xOf(i) - xOf(0) > clear && xOf(n - 1) - xOf(i) > clear) {
            writeCentred(p, axis, colour::rubric, xOf(i), plot.bottom() + 17.0,
                         wording::number(static_cast<double>(number), 0));
        }
    }
    if (runCount > 1) {
        writeCentred(p, axis, colour::rubric, xOf(n - 1), plot.bottom() + 17.0,
                     wording::number(static_cast<double>(runCount), 0));
    }
    write(p, axis, colour::rubric, QPointF(plot.left(), plot.bottom() + 32.0), runAxisCaption(summary));

    // Every run as a dot, their moving mean as the line.
    p.save();
    p.setPen(Qt::NoPen);
    QColor dot = colour::ink;
    dot.setAlpha(n > 400 ? 60 : 140);
    p.setBrush(dot);
    const qreal r = n > 400 ? 1.2 : 3.2;
    for (std::size_t i = 0; i < n; ++i) {
        if (series[i]) {
            p.drawEllipse(QPointF(xOf(i), yOf(*series[i])), r, r);
        }
    }
    p.restore();

    const std::size_t window = std::max<std::size_t>(1, n / 10) | 1;
    const std::vector<std::optional<double>> mean = movingMean(series, window);
    QPainterPath path;
    bool started = false;
    for (std::size_t i = 0; i < n; ++i) {
        if (!mean[i]) {
            continue;
        }
        const QPointF pt(xOf(i), yOf(*mean[i]));
        if (started) {
            path.lineTo(pt);
        } else {
            path.moveTo(pt);
            started = true;
        }
    }
    p.save();
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(style.line, 3.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(path);
    p.restore();
}

// A round top for the time axis: 1, 2, 3, 4, 5, 6, 8 or 10 s and so on.
double roundTop(double value)
{
    if (value <= 0.0) {
        return 1.0;
    }
    const double scale = std::pow(10.0, std::floor(std::log10(value)));
    for (const double m : {1.0, 2.0, 3.0, 4.0, 5.0, 6.0, 8.0, 10.0}) {
        if (m * scale >= value) {
            return m * scale;
        }
    }
    return 10.0 * scale;
}

// Between grid lines for an axis from 0 to top: four to six lines.
double gridStep(double top)
{
    if (top <= 1.0) {
        return 0.25;
    }
    if (top <= 2.0) {
        return 0.5;
    }
    if (top <= 6.0) {
        return 1.0;
    }
    if (top <= 10.0) {
        return 2.0;
    }
    return top / 5.0;
}

void drawTrends(QPainter& p, const ResultsSummary& summary)
{
    const qreal left = page::chartsLeft;
    write(p, art::fonts::serif(27, true), colour::ink, QPointF(left, page::sectionTitle),
          say(QT_TRANSLATE_NOOP("Report", "Les progrès, séance après séance")));
    std::vector<std::optional<double>> scores;
    std::vector<std::optional<double>> times;
    double slowest = 0.0;
    for (const RunStats& r : summary.runs) {
        scores.push_back(r.score());
        times.push_back(r.medianMs ? std::optional<double>(*r.medianMs / 1000.0) : std::nullopt);
        slowest = std::max(slowest, r.medianMs.value_or(0.0) / 1000.0);
    }
    const qreal width = page::right - left;
    drawChart(p, QRectF(left, page::weakTop + 40.0, width, 232.0),
              ChartStyle{say(QT_TRANSLATE_NOOP("Report", "Notes justes, en % de chaque séance")), 100.0, 25.0, 0,
                         colour::scoreLine, QStringLiteral("\u00a0%"), 0},
              scores, summary, scoreTrendOf(summary), 1.0);
    const double top = roundTop(slowest);
    const double step = gridStep(top);
    drawChart(p, QRectF(left, page::weakTop + 340.0, width, 232.0),
              ChartStyle{say(QT_TRANSLATE_NOOP("Report", "Temps de réponse médian, en secondes")), top, step,
                         step < 0.5   ? 2
                         : step < 1.0 ? 1
                                      : 0,
                         colour::timeLine, QStringLiteral("\u00a0s"), 1},
              times, summary, timeTrendOf(summary), 1000.0);
}

QString totalsLine(const ResultsSummary& summary)
{
    const std::size_t runs = summary.runCount;
    QString line = wording::counted(QT_TRANSLATE_N_NOOP("Report", "%1 séance(s)"), runs);
    if (runs > 0) {
        line += u' ' + say(QT_TRANSLATE_NOOP("Report", "du %1 au %2"))
                           .arg(dateOf(summary.firstStarted), dateOf(summary.lastStarted));
    }
    line += QStringLiteral(" · ") + wording::counted(QT_TRANSLATE_N_NOOP("Report", "%1 note(s)"), summary.rows);
    if (const auto score = summary.score()) {
        line += QStringLiteral(" · %1 (%2)")
                    .arg(wording::counted(QT_TRANSLATE_N_NOOP("Report", "%1 juste(s)"), summary.right),
                         percentText(*score));
    }
    if (summary.medianMs) {
        line += say(QT_TRANSLATE_NOOP("Report", " · temps de réponse médian %1"))
                    .arg(seconds(summary.medianMs) + QStringLiteral("\u00a0s"));
    }
    return line;
}

// ---------------------------------------------------------------- the variants' pages

art::KeySignature keyOf(const VariantOf& of)
{
    if (of.kind != exercise::VariantKind::Key) {
        return {};
    }
    return art::KeySignature::ofFifths(of.fifths.value_or(0)).value_or(art::KeySignature());
}

// The clefs a variant's staves open with: its C clef, or the treble and the
// bass clef it has notes in.
std::vector<art::StaffClef> staffClefsOf(const VariantNotes& v)
{
    if (v.of.cClef) {
        return {*v.of.cClef};
    }
    std::vector<art::StaffClef> clefs;
    for (const art::Clef clef : {art::Clef::Treble, art::Clef::Bass}) {
        if (countIn(v.notes, clef) > 0) {
            clefs.push_back(keyboard::pitch::staffClef(clef));
        }
    }
    return clefs;
}

// The notes of a variant's staff, rising; on a C clef's, where the notes of
// both sides of middle C meet, by pitch and then sharp before flat, as on
// the others.
std::vector<NoteStats> staffNotes(const VariantNotes& v, art::StaffClef clef)
{
    std::vector<NoteStats> notes;
    const std::optional<art::Clef> plain = keyboard::pitch::exerciseClef(clef);
    std::copy_if(v.notes.begin(), v.notes.end(), std::back_inserter(notes),
                 [&](const NoteStats& n) { return !plain || n.form.clef == *plain; });
    std::stable_sort(notes.begin(), notes.end(), [](const NoteStats& a, const NoteStats& b) {
        return std::pair(a.form.note, a.form.accidental) < std::pair(b.form.note, b.form.accidental);
    });
    return notes;
}

// The largest staff space at which a variant staff's columns keep their
// distance after its clef and signature.
qreal variantFittingSpace(const std::vector<NoteStats>& notes, art::StaffClef clef, art::KeySignature key)
{
    if (notes.size() < 2) {
        return largestStaffSpace;
    }
    const bool signs = std::any_of(notes.begin(), notes.end(), [key](const NoteStats& n) {
        return art::signBeside(key, n.form.note, n.form.accidental) != art::Sign::None;
    });
    // The clef and the signature in staff spaces: their end on a staff of
    // space 1 that starts at 0.
    const qreal lead = art::Engraver(QRectF(0.0, 0.0, 1.0, 4.0)).signatureEnd(clef, key);
    const qreal width = page::right - page::margin;
    const qreal need = signs ? span::withSigns : span::plain;
    return width / (lead + span::beforeFirst + span::afterLast + need * static_cast<qreal>(notes.size() - 1));
}

VariantStaff placeVariantStaff(const std::vector<NoteStats>& notes, art::StaffClef clef, art::KeySignature key,
                               qreal centre, qreal s)
{
    VariantStaff staff;
    staff.clef = clef;
    staff.key = key;
    staff.lines = QRectF(page::margin, centre - 2.0 * s, page::right - page::margin, 4.0 * s);
    const qreal first = staff.engraver().signatureEnd(clef, key) + span::beforeFirst * s;
    const qreal last = staff.lines.right() - span::afterLast * s;
    const qreal n = static_cast<qreal>(notes.size());
    const qreal pitch = notes.size() < 2 ? 0.0 : std::min((last - first) / (n - 1.0), span::widest * s);
    const qreal used = notes.size() < 2 ? 0.0 : pitch * (n - 1.0);
    const qreal start = first + ((last - first) - used) / 2.0;
    for (std::size_t i = 0; i < notes.size(); ++i) {
        staff.columns.push_back({notes[i], start + pitch * static_cast<qreal>(i)});
    }
    return staff;
}

// The height a band of that many staves takes, its gap to the next one
// included, and the part of it that must be on the page.
qreal bandHeight(std::size_t staves)
{
    return variantPage::headingAscent + variantPage::headingToStaff +
           variantPage::staffPitch * static_cast<qreal>(staves - 1) + variantPage::staffToNextBand;
}

qreal bandInk(std::size_t staves)
{
    return bandHeight(staves) - variantPage::staffToNextBand + span::medianBelow * largestStaffSpace + 32.0;
}

void drawVariantStaff(QPainter& p, const VariantStaff& staff, qreal s)
{
    art::Engraver engraver = staff.engraver();
    engraver.drawStaff(p, staff.lines, staff.clef, staff.key);
    const qreal pitch = staff.columns.size() > 1 ? staff.columns[1].x - staff.columns[0].x : span::widest * s;
    const QFont timeFont = art::fonts::sans(std::clamp(pitch * 0.45, 9.0, 14.0));
    for (const Column& c : staff.columns) {
        engraver.drawNoteAt(p, staff.clef, staff.key, c.stats.form.note, c.stats.form.accidental, c.x,
                            rateColour(c.stats.rightRate()), art::NoteHead::Black);
        writeCentred(p, timeFont, colour::rubric, c.x, staff.medianBaseline(), seconds(c.stats.medianMs));
    }
}

void drawVariantBand(QPainter& p, const ResultsSummary& summary, const VariantBand& band)
{
    const VariantNotes& v = summary.variants[band.variant];
    const QFont heading = art::fonts::serif(27, true);
    const QString name = wording::variantName(v.of.kind, v.of.fifths, v.of.cClef);
    write(p, heading, colour::ink, QPointF(page::margin, band.headingBaseline), name);
    write(p, art::fonts::sans(17), colour::rubric,
          QPointF(page::margin + QFontMetricsF(heading).horizontalAdvance(name) + 18.0, band.headingBaseline),
          variantFigures(v));
    for (const VariantStaff& staff : band.staves) {
        drawVariantStaff(p, staff, band.staffSpace);
    }
}

// The foot of every page: the rows read, and the page when there are more.
void drawFooter(QPainter& p, const ResultsSummary& summary, std::size_t page, std::size_t pages)
{
    QString footer = QStringLiteral("%1 · ").arg(QString::fromLatin1(platform::programCaption)) +
                     wording::counted(QT_TRANSLATE_N_NOOP("Report", "%1 lignes de résultats lues"), summary.rows);
    if (summary.skipped > 0) {
        footer +=
            wording::counted(QT_TRANSLATE_N_NOOP("Report", ", %1 illisible(s) laissée(s) de côté"), summary.skipped);
    }
    if (pages > 1) {
        footer += QStringLiteral(" · ") + say(QT_TRANSLATE_NOOP("Report", "page %1 sur %2"))
                                              .arg(wording::number(static_cast<double>(page + 1), 0),
                                                   wording::number(static_cast<double>(pages), 0));
    }
    writeCentred(p, art::fonts::serif(14, false, true), colour::rubric, size.width() / 2.0, page::footerBaseline,
                 footer);
}

void paintVariantPage(QPainter& p, const ResultsSummary& summary, const QString& source, std::size_t page)
{
    const std::vector<VariantPage> pages = variantPages(summary);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    write(p, art::fonts::serif(44, true), colour::ink, QPointF(page::margin, page::titleBaseline),
          say(QT_TRANSLATE_NOOP("Report", "Bilan de lecture de notes : les variantes")));
    writeRight(p, art::fonts::serif(20, false, true), colour::rubric, page::right, page::titleBaseline, source);
    rule(p, page::margin, page::right, page::titleRule);
    drawLegend(p, variantPage::legendY, false);
    if (page >= 1 && page <= pages.size()) {
        for (const VariantBand& band : pages[page - 1].bands) {
            drawVariantBand(p, summary, band);
        }
    }
    drawFooter(p, summary, page, pages.size() + 1);
}

}  // namespace

qreal VariantStaff::medianBaseline() const
{
    const qreal s = lines.height() / 4.0;
    return lines.bottom() + span::medianBelow * s + 12.0;
}

std::vector<VariantPage> variantPages(const ResultsSummary& summary)
{
    std::vector<VariantPage> pages;
    VariantPage page;
    qreal top = variantPage::firstBand;
    for (std::size_t i = 0; i < summary.variants.size(); ++i) {
        const VariantNotes& v = summary.variants[i];
        const std::vector<art::StaffClef> clefs = staffClefsOf(v);
        if (!page.bands.empty() && top + bandInk(clefs.size()) > variantPage::bottom) {
            pages.push_back(std::move(page));
            page = VariantPage{};
            top = variantPage::firstBand;
        }
        VariantBand band;
        band.variant = i;
        band.headingBaseline = top + variantPage::headingAscent;
        for (const art::StaffClef clef : clefs) {
            band.staffSpace = std::min(band.staffSpace, variantFittingSpace(staffNotes(v, clef), clef, keyOf(v.of)));
        }
        band.staffSpace = std::clamp(band.staffSpace, smallestStaffSpace, largestStaffSpace);
        qreal centre = band.headingBaseline + variantPage::headingToStaff;
        for (const art::StaffClef clef : clefs) {
            band.staves.push_back(placeVariantStaff(staffNotes(v, clef), clef, keyOf(v.of), centre, band.staffSpace));
            centre += variantPage::staffPitch;
        }
        page.bands.push_back(std::move(band));
        top += bandHeight(clefs.size());
    }
    if (!page.bands.empty()) {
        pages.push_back(std::move(page));
    }
    return pages;
}

std::size_t pageCount(const ResultsSummary& summary)
{
    return 1 + variantPages(summary).size();
}

QString variantFigures(const VariantNotes& variant)
{
    QString line = wording::counted(QT_TRANSLATE_N_NOOP("Report", "%1 note(s)"), variant.rows);
    if (const auto score = variant.score()) {
        line += QStringLiteral(", %1 (%2)")
                    .arg(wording::counted(QT_TRANSLATE_N_NOOP("Report", "%1 juste(s)"), variant.right),
                         percentText(*score));
    }
    if (variant.medianMs) {
        line += say(QT_TRANSLATE_NOOP("Report", " · temps médian %1"))
                    .arg(seconds(variant.medianMs) + QStringLiteral("\u00a0s"));
    }
    return line;
}

qreal Staff::medianBaseline() const
{
    const qreal s = lines.height() / 4.0;
    return lines.bottom() + span::medianBelow * s + 12.0;
}

QPointF workOnMarkCentre(const Staff& staff, const Column& column)
{
    const QRectF ink = staff.engraver().noteBounds(staff.clef, column.stats.form.note, column.stats.form.accidental,
                                                   column.x, art::NoteHead::Black);
    return QPointF(column.x, std::min(ink.top(), staff.lines.top()) - 16.0);
}

QColor rateColour(std::optional<double> rightRate)
{
    if (!rightRate) {
        return colour::unanswered;
    }
    const double r = std::clamp(*rightRate, 0.0, 1.0);
    if (r <= 0.5) {
        return colour::often;
    }
    if (r <= 0.75) {
        return mix(colour::often, colour::middle, (r - 0.5) / 0.25);
    }
    return mix(colour::middle, colour::always, (r - 0.75) / 0.25);
}

Layout layout(const ResultsSummary& summary)
{
    Layout l;
    l.staffSpace = std::clamp(
        std::min(fittingSpace(summary.notes, art::Clef::Treble), fittingSpace(summary.notes, art::Clef::Bass)),
        smallestStaffSpace, largestStaffSpace);
    l.treble = placeStaff(summary.notes, art::Clef::Treble, page::trebleCentre, l.staffSpace);
    l.bass = placeStaff(summary.notes, art::Clef::Bass, page::bassCentre, l.staffSpace);
    return l;
}

QImage paper()
{
    return art::paperTexture(size, paperSeed);
}

QImage render(const ResultsSummary& summary, const QString& source)
{
    QImage image = paper();
    const std::size_t pages = pageCount(summary);
    if (pages == 1) {
        QPainter p(&image);
        paint(p, summary, source);
        p.end();
        return image;
    }
    const QImage sheet = std::move(image);
    image = QImage(size.width(), size.height() * static_cast<int>(pages), sheet.format());
    QPainter p(&image);
    for (std::size_t page = 0; page < pages; ++page) {
        const int top = size.height() * static_cast<int>(page);
        p.drawImage(QPoint(0, top), sheet);
        p.save();
        p.translate(0.0, top);
        paintPage(p, summary, source, page);
        p.restore();
    }
    p.end();
    return image;
}

void paintPage(QPainter& p, const ResultsSummary& summary, const QString& source, std::size_t page)
{
    if (page == 0) {
        paint(p, summary, source);
    } else {
        paintVariantPage(p, summary, source, page);
    }
}

void paint(QPainter& p, const ResultsSummary& summary, const QString& source)
{
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);

    write(p, art::fonts::serif(44, true), colour::ink, QPointF(page::margin, page::titleBaseline),
          say(QT_TRANSLATE_NOOP("Report", "Bilan de lecture de notes")));
    writeRight(p, art::fonts::serif(20, false, true), colour::rubric, page::right, page::titleBaseline, source);
    rule(p, page::margin, page::right, page::titleRule);
    write(p, art::fonts::sans(19), colour::ink, QPointF(page::margin, page::totalsBaseline), totalsLine(summary));

    const Layout l = layout(summary);
    const std::vector<NoteStats> workOn = weakestNotes(summary, 5);
    drawStaff(p, l.treble, l.staffSpace, workOn);
    drawStaff(p, l.bass, l.staffSpace, workOn);
    drawLegend(p, page::legendY, true);
    rule(p, page::margin, page::right, page::sectionRule);
    drawWeakest(p, summary);
    drawTrends(p, summary);
    drawFooter(p, summary, 0, pageCount(summary));
}

}  // namespace progress::reportpicture
