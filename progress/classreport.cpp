#include "progress/classreport.h"

#include "picture/fonts.h"
#include "picture/texture.h"
#include "progress/notenames.h"
#include "progress/pagetext.h"
#include "progress/report.h"
#include "progress/reportpicture.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QPageSize>
#include <QPainter>
#include <QPainterPath>
#include <QPdfWriter>

#include <algorithm>
#include <cstdlib>
#include <memory>

#include <sys/stat.h>
#include <unistd.h>
#include <cmath>
#include <cstdio>

namespace progress::classreport {

namespace {

constexpr std::uint64_t paperSeed = 0x3c1a55e5;
constexpr std::size_t notesToWork = 3;

namespace colour {
constexpr QColor ink = art::engravingInk;
constexpr QColor rubric(0x8a, 0x7b, 0x68);
constexpr QColor ornament(0xb0, 0x93, 0x5c);
constexpr QColor grid(0xd9, 0xcd, 0xb4);
constexpr QColor scoreLine(0x2d, 0x5e, 0x7e);
constexpr QColor better(0x2a, 0x8c, 0x3e);
constexpr QColor worse(0xc0, 0x2b, 0x1f);
}  // namespace colour

// Page geometry, px, on the report page's size.
namespace page {
constexpr qreal margin = 72.0;
constexpr qreal right = reportpicture::size.width() - margin;
constexpr qreal titleBaseline = 84.0;
constexpr qreal titleRule = 106.0;
constexpr qreal totalsBaseline = 140.0;
constexpr qreal headBaseline = 200.0;
constexpr qreal firstRow = 216.0;
constexpr qreal bottom = reportpicture::size.height() - 70.0;
constexpr qreal tallestRow = 110.0;
constexpr qreal footerBaseline = reportpicture::size.height() - 24.0;
// Left edges of the columns.
constexpr qreal name = margin;
constexpr qreal runs = 430.0;    // right-aligned numbers end here
constexpr qreal notes = 560.0;
constexpr qreal score = 700.0;
constexpr qreal time = 860.0;
constexpr qreal work = 900.0;
constexpr qreal trend = 1250.0;
}  // namespace page

using namespace pagetext;

QString elided(const QFont& font, const QString& s, qreal width)
{
    return QFontMetricsF(font).elidedText(s, Qt::ElideRight, width);
}

QString dateOf(const std::string& started)
{
    if (started.size() < 10) {
        return text(started);
    }
    return text(started.substr(8, 2) + "/" + started.substr(5, 2) + "/" + started.substr(0, 4));
}

void rule(QPainter& p, qreal y, QColor c, qreal width)
{
    p.setPen(QPen(c, width));
    p.drawLine(QPointF(page::margin, y), QPointF(page::right, y));
}

// The run scores as a small line, its moving mean over five runs, 0 to 100 %.
void sparkline(QPainter& p, const QRectF& box, const std::vector<std::optional<double>>& scores)
{
    p.setPen(QPen(colour::grid, 1.0));
    p.drawLine(box.bottomLeft(), box.bottomRight());
    p.drawLine(QPointF(box.left(), box.top()), QPointF(box.right(), box.top()));
    const std::vector<std::optional<double>> smooth = movingMean(scores, 5);
    if (smooth.size() < 2) {
        return;
    }
    QPainterPath path;
    bool started = false;
    for (std::size_t i = 0; i < smooth.size(); ++i) {
        if (!smooth[i]) {
            continue;
        }
        const QPointF point(box.left() + box.width() * static_cast<qreal>(i) / static_cast<qreal>(smooth.size() - 1),
                            box.bottom() - box.height() * std::clamp(*smooth[i], 0.0, 100.0) / 100.0);
        if (started) {
            path.lineTo(point);
        } else {
            path.moveTo(point);
            started = true;
        }
    }
    p.setPen(QPen(colour::scoreLine, 2.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(path);
}

QString trendText(const Trend& t)
{
    const double slope = std::round(t.slope * 10.0) / 10.0;
    const std::string n = frenchNumber(std::abs(slope), 1);
    if (slope == 0.0) {
        return QStringLiteral("stable");
    }
    return (slope > 0 ? QStringLiteral("+") : QStringLiteral("\u2212")) + text(n) +
           QStringLiteral("\u00a0pt par séance");
}

}  // namespace

QString trendWords(const Trend& trend)
{
    return trendText(trend);
}

QString dateWords(const std::string& started)
{
    return dateOf(started);
}

PupilLine lineOf(const QString& name, const ResultsSummary& summary)
{
    PupilLine l;
    l.name = name;
    l.runs = std::max(summary.runCount, summary.runs.size());  // a point of summary.runs may stand for several runs
    l.notes = summary.rows;
    l.score = summary.score();
    l.medianMs = summary.medianMs;
    l.toWork = weakestNotes(summary, notesToWork);
    for (const RunStats& r : summary.runs) {
        l.runScores.push_back(r.score());
    }
    if (l.runs > 1) {
        l.trend = scoreTrendOf(summary);
    }
    if (!summary.runs.empty()) {
        l.first = summary.runs.front().started;
        l.last = summary.runs.back().started;
    }
    return l;
}

QImage comparisonPage(const std::vector<PupilLine>& lines)
{
    QImage image = art::paperTexture(reportpicture::size, paperSeed);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);

    write(p, art::fonts::serif(44, true), colour::ink, QPointF(page::margin, page::titleBaseline),
          QStringLiteral("Bilan de la classe"));
    std::string first;
    std::string last;
    for (const PupilLine& l : lines) {
        if (!l.first.empty() && (first.empty() || l.first < first)) {
            first = l.first;
        }
        last = std::max(last, l.last);
    }
    QString totals = QStringLiteral("%1 élève%2").arg(lines.size()).arg(lines.size() > 1 ? "s" : "");
    if (!first.empty()) {
        totals += QStringLiteral(" · du %1 au %2").arg(dateOf(first), dateOf(last));
    }
    writeRight(p, art::fonts::serif(20, false, true), colour::rubric, page::right, page::titleBaseline,
               QStringLiteral("une page par élève ensuite"));
    rule(p, page::titleRule, colour::ornament, 1.5);
    write(p, art::fonts::sans(19), colour::ink, QPointF(page::margin, page::totalsBaseline), totals);

    const QFont head = art::fonts::serif(18, false, true);
    write(p, head, colour::rubric, QPointF(page::name, page::headBaseline), QStringLiteral("Élève"));
    writeRight(p, head, colour::rubric, page::runs, page::headBaseline, QStringLiteral("Séances"));
    writeRight(p, head, colour::rubric, page::notes, page::headBaseline, QStringLiteral("Notes"));
    writeRight(p, head, colour::rubric, page::score, page::headBaseline, QStringLiteral("Justes"));
    writeRight(p, head, colour::rubric, page::time, page::headBaseline, QStringLiteral("Temps médian"));
    write(p, head, colour::rubric, QPointF(page::work, page::headBaseline), QStringLiteral("Notes à travailler"));
    write(p, head, colour::rubric, QPointF(page::trend, page::headBaseline), QStringLiteral("Score, séance après séance"));
    rule(p, page::firstRow, colour::ornament, 1.0);

    const qreal row = lines.empty() ? page::tallestRow
                                    : std::min(page::tallestRow, (page::bottom - page::firstRow) / static_cast<qreal>(lines.size()));
    const qreal size = std::clamp(row * 0.24, 9.0, 23.0);
    const QFont nameFont = art::fonts::serif(size * 1.1, true);
    const QFont body = art::fonts::sans(size);
    const QFont small = art::fonts::sans(size * 0.8);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const PupilLine& l = lines[i];
        const qreal top = page::firstRow + row * static_cast<qreal>(i);
        const qreal baseline = top + row * 0.5 + size * 0.35;
        write(p, nameFont, colour::ink, QPointF(page::name, baseline),
              elided(nameFont, l.name, page::runs - page::name - 130.0));
        writeRight(p, body, colour::ink, page::runs, baseline, text(frenchNumber(static_cast<double>(l.runs), 0)));
        writeRight(p, body, colour::ink, page::notes, baseline, text(frenchNumber(static_cast<double>(l.notes), 0)));
        if (l.score) {
            const QRectF chip(page::score - 96.0, top + row * 0.5 - size * 0.8, 100.0, size * 1.6);
            p.setPen(Qt::NoPen);
            QColor c = reportpicture::rateColour(*l.score / 100.0);
            c.setAlpha(60);
            p.setBrush(c);
            p.drawRoundedRect(chip, 6.0, 6.0);
            writeRight(p, art::fonts::sans(size, true), colour::ink, page::score, baseline,
                       text(frenchNumber(*l.score, 0)) + QStringLiteral("\u00a0%"));
        } else {
            writeRight(p, body, colour::rubric, page::score, baseline, QStringLiteral("—"));
        }
        writeRight(p, body, colour::ink, page::time, baseline,
                   l.medianMs ? text(frenchNumber(*l.medianMs / 1000.0, 1)) + QStringLiteral("\u00a0s") : QStringLiteral("—"));
        QStringList work;
        for (const NoteStats& n : l.toWork) {
            work << text(frenchNoteName(n.form.note, n.form.accidental, true));
        }
        write(p, body, work.isEmpty() ? colour::rubric : colour::ink, QPointF(page::work, baseline),
              work.isEmpty() ? QStringLiteral("aucune") : elided(body, work.join(QStringLiteral(", ")), page::trend - page::work - 30.0));

        const QRectF spark(page::trend, top + row * 0.18, 170.0, row * 0.64);
        sparkline(p, spark, l.runScores);
        if (l.trend) {
            const double slope = std::round(l.trend->slope * 10.0) / 10.0;
            const QColor c = slope > 0 ? colour::better : slope < 0 ? colour::worse : colour::rubric;
            writeRight(p, small, c, page::right, baseline, trendText(*l.trend));
        }
        p.setPen(QPen(colour::grid, 1.0));
        p.drawLine(QPointF(page::margin, top + row), QPointF(page::right, top + row));
    }

    const QFont footer = art::fonts::serif(14, false, true);
    const QString note = QStringLiteral("Tavelin Piano 3.03 · notes à travailler : les moins souvent justes, "
                                        "puis les plus souvent confondues · tendance : pente du score par séance");
    p.setFont(footer);
    p.setPen(colour::rubric);
    p.drawText(QRectF(0, page::footerBaseline - 20.0, reportpicture::size.width(), 28.0), Qt::AlignHCenter | Qt::AlignBottom, note);
    p.end();
    return image;
}

std::string writePdf(const std::string& path, const std::vector<Pupil>& pupils)
{
    // Drawn in memory, then put in place whole: an old PDF at path is kept
    // when the new one cannot be written.
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter pdf(&buffer);
    pdf.setTitle(QStringLiteral("Bilan de la classe"));
    pdf.setCreator(QStringLiteral("Tavelin Piano 3.03"));
    pdf.setResolution(150);
    pdf.setPageSize(QPageSize(QPageSize::A4));
    pdf.setPageOrientation(QPageLayout::Landscape);
    pdf.setPageMargins(QMarginsF(8, 8, 8, 8), QPageLayout::Millimeter);
    QPainter p;
    if (!p.begin(&pdf)) {
        return "cannot write the PDF '" + path + "'";
    }
    // Every page is a report page, scaled to fit the paper and centred on it.
    const QRect paper = pdf.pageLayout().paintRectPixels(pdf.resolution());
    const QSizeF fitted = QSizeF(reportpicture::size).scaled(paper.size(), Qt::KeepAspectRatio);
    const QRectF target(QPointF((paper.width() - fitted.width()) / 2.0, (paper.height() - fitted.height()) / 2.0), fitted);

    std::vector<PupilLine> lines;
    lines.reserve(pupils.size());
    for (const Pupil& pupil : pupils) {
        lines.push_back(lineOf(pupil.name, pupil.summary));
    }
    p.drawImage(target, comparisonPage(lines));
    for (const Pupil& pupil : pupils) {
        pdf.newPage();
        p.drawImage(target, reportpicture::render(pupil.summary, pupil.name));
    }
    if (!p.end()) {
        return "cannot write the PDF '" + path + "'";
    }
    buffer.close();
    if (const std::string error = replaceFile(path, bytes); !error.empty()) {
        return "cannot write the PDF '" + path + "': " + error;
    }
    return {};
}

std::string summaryText(const std::vector<PupilLine>& lines, const std::string& pdf)
{
    std::string out = "Bilan de la classe : " + std::to_string(lines.size()) + " élève" + (lines.size() > 1 ? "s" : "") + "\n";
    for (const PupilLine& l : lines) {
        out += "  " + l.name.toStdString() + " : " + frenchNumber(static_cast<double>(l.runs), 0) + " séance" +
               (l.runs > 1 ? "s" : "") + ", " + frenchNumber(static_cast<double>(l.notes), 0) + " notes";
        if (l.score) {
            out += ", " + frenchNumber(*l.score, 0) + "\u00a0% justes";
        }
        if (l.medianMs) {
            out += ", " + frenchNumber(*l.medianMs / 1000.0, 1) + "\u00a0s";
        }
        if (!l.toWork.empty()) {
            out += ", à travailler :";
            for (const NoteStats& n : l.toWork) {
                out += " " + frenchNoteName(n.form.note, n.form.accidental);
                out += &n == &l.toWork.back() ? "" : ",";
            }
        }
        if (l.trend) {
            out += ", tendance " + trendText(*l.trend).toStdString();
        }
        out += "\n";
    }
    out += "PDF : " + pdf + "\n";
    return out;
}

}  // namespace progress::classreport

namespace progress {

int runClassReport(const std::vector<std::string>& files, const QStringList& names, const std::string& out, int argc,
                   char** argv)
{
    // Names are bytes throughout, as the shell gave them.
    std::string pdf = out.empty() ? std::string("class.pdf") : out;
    if (pictureFormatOf(pdf) != PictureFormat::Pdf) {
        std::fprintf(stderr, "tavelin-piano: several files go into one PDF: --out FILE.pdf, not '%s'\n", out.c_str());
        return 2;
    }
    if (pdf.front() != '/') {
        const std::unique_ptr<char, void (*)(void*)> here(::getcwd(nullptr, 0), &std::free);
        if (here) {
            pdf = std::string(here.get()) + "/" + pdf;
        }
    }
    struct stat target {};
    const bool pdfExists = ::stat(pdf.c_str(), &target) == 0;
    std::vector<classreport::Pupil> pupils;
    for (std::size_t i = 0; i < files.size(); ++i) {
        // Never written: the PDF may not be one of them under any name.
        struct stat input {};
        if (pdfExists && ::stat(files[i].c_str(), &input) == 0 && input.st_dev == target.st_dev &&
            input.st_ino == target.st_ino) {
            std::fprintf(stderr, "tavelin-piano: the PDF '%s' would replace the results file '%s'; give another --out\n",
                         pdf.c_str(), files[i].c_str());
            return 2;
        }
        std::string error;
        std::optional<ResultsSummary> summary = readResultsFile(files[i], &error);
        if (!summary) {
            std::fprintf(stderr, "tavelin-piano: %s\n", error.c_str());
            return 1;
        }
        const std::size_t slash = files[i].rfind('/');
        const QString base = QFileInfo(QFile::decodeName(QByteArray::fromStdString(
                                           slash == std::string::npos ? files[i] : files[i].substr(slash + 1))))
                                 .completeBaseName();
        pupils.push_back({names.value(static_cast<qsizetype>(i), base), std::move(*summary)});
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    const QGuiApplication app(argc, argv);
    QString fontError;
    if (!art::fonts::load(&fontError)) {
        std::fprintf(stderr, "tavelin-piano: %s\n", fontError.toLocal8Bit().constData());
        return 1;
    }
    if (const std::string error = classreport::writePdf(pdf, pupils); !error.empty()) {
        std::fprintf(stderr, "tavelin-piano: %s\n", error.c_str());
        return 1;
    }
    std::vector<classreport::PupilLine> lines;
    for (const classreport::Pupil& pupil : pupils) {
        lines.push_back(classreport::lineOf(pupil.name, pupil.summary));
    }
    const std::string text = classreport::summaryText(lines, pdf);
    std::fputs(text.c_str(), stdout);
    return 0;
}

}  // namespace progress
