#include "progress/classreport.h"

#include "platform/messages.h"
#include "picture/fonts.h"
#include "picture/texture.h"
#include "platform/version.h"
#include "progress/notenames.h"
#include "progress/pagetext.h"
#include "progress/wording.h"
#include "progress/pupils.h"
#include "progress/report.h"
#include "progress/reportpicture.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFontMetricsF>
#include <QPageSize>
#include <QPainter>
#include <QPainterPath>
#include <QPdfWriter>

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <set>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace progress::classreport {

using platform::message;

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
constexpr qreal runs = 430.0;  // right-aligned numbers end here
constexpr qreal notes = 560.0;
constexpr qreal score = 700.0;
constexpr qreal time = 860.0;
constexpr qreal work = 900.0;
constexpr qreal trend = 1250.0;
}  // namespace page

using namespace pagetext;
using wording::number;
using wording::say;

QString elided(const QFont& font, const QString& s, qreal width)
{
    return QFontMetricsF(font).elidedText(s, Qt::ElideRight, width);
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
    if (slope == 0.0) {
        return say(QT_TRANSLATE_NOOP("Report", "stable"));
    }
    // A no-break space before "pt", as in the texts below with a unit.
    return say(QT_TRANSLATE_NOOP("Report", "%1 pt par séance"))
        .arg((slope > 0 ? QStringLiteral("+") : QStringLiteral("\u2212")) + number(std::abs(slope), 1));
}

}  // namespace

QString trendWords(const Trend& trend)
{
    return trendText(trend);
}

QString dateWords(const std::string& started)
{
    return wording::date(started);
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
    l.skipped = summary.skipped;
    return l;
}

QString workName(const NoteStats& note, bool compact)
{
    const bool treble = note.form.clef == art::Clef::Treble;
    if (compact) {
        return wording::noteName(note.form.note, note.form.accidental, true) + QStringLiteral("\u00a0") +
               (treble ? say(QT_TRANSLATE_NOOP("Report", "(sol)")) : say(QT_TRANSLATE_NOOP("Report", "(fa)")));
    }
    return say(QT_TRANSLATE_NOOP("Report", "%1 en %2"))
        .arg(wording::noteName(note.form.note, note.form.accidental), wording::clefName(note.form.clef));
}

std::size_t comparisonPages(std::size_t pupils)
{
    return std::max<std::size_t>(1, (pupils + rowsPerPage - 1) / rowsPerPage);
}

QImage comparisonPage(const std::vector<PupilLine>& lines, std::size_t page)
{
    QImage image = art::paperTexture(reportpicture::size, paperSeed);
    QPainter p(&image);
    paintComparison(p, lines, page);
    p.end();
    return image;
}

void paintComparison(QPainter& p, const std::vector<PupilLine>& lines, std::size_t pageIndex)
{
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    const std::size_t pages = comparisonPages(lines.size());
    const std::size_t from = std::min(lines.size(), pageIndex * rowsPerPage);
    const std::size_t to = std::min(lines.size(), from + rowsPerPage);

    write(p, art::fonts::serif(44, true), colour::ink, QPointF(page::margin, page::titleBaseline),
          pages > 1 ? say(QT_TRANSLATE_NOOP("Report", "Bilan de la classe (%1/%2)")).arg(pageIndex + 1).arg(pages)
                    : say(QT_TRANSLATE_NOOP("Report", "Bilan de la classe")));
    std::string first;
    std::string last;
    for (const PupilLine& l : lines) {
        if (!l.first.empty() && (first.empty() || l.first < first)) {
            first = l.first;
        }
        last = std::max(last, l.last);
    }
    QString totals = wording::counted(QT_TRANSLATE_N_NOOP("Report", "%1 élève(s)"), lines.size());
    if (!first.empty()) {
        totals += QStringLiteral(" · ") +
                  say(QT_TRANSLATE_NOOP("Report", "du %1 au %2")).arg(wording::date(first), wording::date(last));
    }
    writeRight(p, art::fonts::serif(20, false, true), colour::rubric, page::right, page::titleBaseline,
               pageIndex + 1 < pages ? say(QT_TRANSLATE_NOOP("Report", "suite page suivante"))
                                     : say(QT_TRANSLATE_NOOP("Report", "les pages de chaque élève ensuite")));
    rule(p, page::titleRule, colour::ornament, 1.5);
    write(p, art::fonts::sans(19), colour::ink, QPointF(page::margin, page::totalsBaseline), totals);

    const QFont head = art::fonts::serif(18, false, true);
    write(p, head, colour::rubric, QPointF(page::name, page::headBaseline), say(QT_TRANSLATE_NOOP("Report", "Élève")));
    writeRight(p, head, colour::rubric, page::runs, page::headBaseline, say(QT_TRANSLATE_NOOP("Report", "Séances")));
    writeRight(p, head, colour::rubric, page::notes, page::headBaseline, say(QT_TRANSLATE_NOOP("Report", "Notes")));
    writeRight(p, head, colour::rubric, page::score, page::headBaseline, say(QT_TRANSLATE_NOOP("Report", "Justes")));
    writeRight(p, head, colour::rubric, page::time, page::headBaseline,
               say(QT_TRANSLATE_NOOP("Report", "Temps médian")));
    write(p, head, colour::rubric, QPointF(page::work, page::headBaseline),
          say(QT_TRANSLATE_NOOP("Report", "Notes à travailler (clef)")));
    write(p, head, colour::rubric, QPointF(page::trend, page::headBaseline),
          say(QT_TRANSLATE_NOOP("Report", "Score, séance après séance")));
    rule(p, page::firstRow, colour::ornament, 1.0);

    const qreal row = to == from
                          ? page::tallestRow
                          : std::min(page::tallestRow, (page::bottom - page::firstRow) / static_cast<qreal>(to - from));
    const qreal size = std::clamp(row * 0.24, 9.0, 23.0);
    const QFont nameFont = art::fonts::serif(size * 1.1, true);
    const QFont body = art::fonts::sans(size);
    const QFont small = art::fonts::sans(size * 0.8);
    for (std::size_t i = from; i < to; ++i) {
        const PupilLine& l = lines[i];
        const qreal top = page::firstRow + row * static_cast<qreal>(i - from);
        const qreal baseline = top + row * 0.5 + size * 0.35;
        write(p, nameFont, colour::ink, QPointF(page::name, baseline),
              elided(nameFont, l.name, page::runs - page::name - 130.0));
        if (l.skipped > 0) {
            write(p, small, colour::worse, QPointF(page::name, baseline + size * 1.05),
                  wording::counted(QT_TRANSLATE_N_NOOP("Report", "%1 ligne(s) illisible(s)"), l.skipped));
        }
        writeRight(p, body, colour::ink, page::runs, baseline, number(static_cast<double>(l.runs), 0));
        writeRight(p, body, colour::ink, page::notes, baseline, number(static_cast<double>(l.notes), 0));
        if (l.score) {
            const QRectF chip(page::score - 96.0, top + row * 0.5 - size * 0.8, 100.0, size * 1.6);
            p.setPen(Qt::NoPen);
            QColor c = reportpicture::rateColour(*l.score / 100.0);
            c.setAlpha(60);
            p.setBrush(c);
            p.drawRoundedRect(chip, 6.0, 6.0);
            writeRight(p, art::fonts::sans(size, true), colour::ink, page::score, baseline,
                       number(*l.score, 0) + QStringLiteral("\u00a0%"));
        } else {
            writeRight(p, body, colour::rubric, page::score, baseline, QStringLiteral("—"));
        }
        writeRight(p, body, colour::ink, page::time, baseline,
                   l.medianMs ? number(*l.medianMs / 1000.0, 1) + QStringLiteral("\u00a0s") : QStringLiteral("—"));
        QStringList work;
        for (const NoteStats& n : l.toWork) {
            work << workName(n, true);
        }
        write(p, body, work.isEmpty() ? colour::rubric : colour::ink, QPointF(page::work, baseline),
              work.isEmpty() ? say(QT_TRANSLATE_NOOP("Report", "aucune"))
                             : elided(body, work.join(QStringLiteral(", ")), page::trend - page::work - 30.0));

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
    const QString note = QStringLiteral("%1 · ").arg(QString::fromLatin1(platform::programCaption)) +
                         say(QT_TRANSLATE_NOOP("Report",
                                               "notes à travailler : les moins souvent justes, puis les plus souvent "
                                               "confondues · tendance : pente du score par séance"));
    p.setFont(footer);
    p.setPen(colour::rubric);
    p.drawText(QRectF(0, page::footerBaseline - 20.0, reportpicture::size.width(), 28.0),
               Qt::AlignHCenter | Qt::AlignBottom, note);
}

std::string writePdf(const std::string& path, const std::vector<Pupil>& pupils)
{
    std::string fails = message(QT_TRANSLATE_NOOP("Messages", "cannot write the PDF '%1'"), {path});
    // Drawn in memory, then put in place whole: an old PDF at path is kept
    // when the new one cannot be written.
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter pdf(&buffer);
    setUpPdf(pdf, say(QT_TRANSLATE_NOOP("Report", "Bilan de la classe")));
    pdf.setPageSize(QPageSize(QPageSize::A4));
    pdf.setPageOrientation(QPageLayout::Landscape);
    pdf.setPageMargins(QMarginsF(8, 8, 8, 8), QPageLayout::Millimeter);
    QPainter p;
    if (!p.begin(&pdf)) {
        return fails;
    }
    // Every page is a report page, scaled to fit the paper and centred on it.
    const QRect paper = pdf.pageLayout().paintRectPixels(pdf.resolution());
    const QSizeF fitted = QSizeF(reportpicture::size).scaled(paper.size(), Qt::KeepAspectRatio);
    const QRectF target(QPointF((paper.width() - fitted.width()) / 2.0, (paper.height() - fitted.height()) / 2.0),
                        fitted);
    // One picture of each paper for every page: the PDF holds it once.
    const QImage classPaper = art::paperTexture(reportpicture::size, paperSeed);
    const QImage pupilPaper = reportpicture::paper();
    auto onPage = [&](const QImage& background, const std::function<void()>& draw) {
        p.drawImage(target, background);
        p.save();
        p.translate(target.topLeft());
        p.scale(target.width() / reportpicture::size.width(), target.height() / reportpicture::size.height());
        draw();
        p.restore();
    };

    std::vector<PupilLine> lines;
    lines.reserve(pupils.size());
    for (const Pupil& pupil : pupils) {
        lines.push_back(lineOf(pupil.name, pupil.summary));
    }
    for (std::size_t page = 0; page < comparisonPages(lines.size()); ++page) {
        if (page > 0) {
            pdf.newPage();
        }
        onPage(classPaper, [&] { paintComparison(p, lines, page); });
    }
    for (const Pupil& pupil : pupils) {
        for (std::size_t page = 0; page < reportpicture::pageCount(pupil.summary); ++page) {
            pdf.newPage();
            onPage(pupilPaper, [&] { reportpicture::paintPage(p, pupil.summary, pupil.name, page); });
        }
    }
    if (!p.end()) {
        return fails;
    }
    buffer.close();
    if (const std::string error = replaceFile(path, bytes); !error.empty()) {
        return fails + ": " + error;
    }
    return {};
}

std::string summaryText(const std::vector<PupilLine>& lines, const std::string& pdf)
{
    QString out = say(QT_TRANSLATE_NOOP("Report", "Bilan de la classe : %1"))
                      .arg(wording::counted(QT_TRANSLATE_N_NOOP("Report", "%1 élève(s)"), lines.size())) +
                  u'\n';
    for (const PupilLine& l : lines) {
        out += QStringLiteral("  ") + say(QT_TRANSLATE_NOOP("Report", "%1 : %2, %3"))
                                          .arg(l.name,
                                               wording::counted(QT_TRANSLATE_N_NOOP("Report", "%1 séance(s)"), l.runs),
                                               wording::counted(QT_TRANSLATE_N_NOOP("Report", "%1 note(s)"), l.notes));
        if (l.score) {
            out += QStringLiteral(", ") +
                   say(QT_TRANSLATE_NOOP("Report", "%1 justes")).arg(number(*l.score, 0) + QStringLiteral("\u00a0%"));
        }
        if (l.medianMs) {
            out += QStringLiteral(", ") + number(*l.medianMs / 1000.0, 1) + QStringLiteral("\u00a0s");
        }
        if (!l.toWork.empty()) {
            QStringList work;
            for (const NoteStats& n : l.toWork) {
                work << workName(n, false);
            }
            out += say(QT_TRANSLATE_NOOP("Report", ", à travailler : %1")).arg(work.join(QStringLiteral(", ")));
        }
        if (l.trend) {
            out += say(QT_TRANSLATE_NOOP("Report", ", tendance %1")).arg(trendText(*l.trend));
        }
        if (l.skipped > 0) {
            out += QStringLiteral(", ") +
                   wording::counted(QT_TRANSLATE_N_NOOP("Report", "%1 ligne(s) illisible(s) laissée(s) de côté"),
                                    l.skipped);
        }
        out += u'\n';
    }
    return out.toStdString() + wording::withBytes(say(QT_TRANSLATE_NOOP("Report", "PDF : %1")), pdf) + "\n";
}

}  // namespace progress::classreport

namespace progress {

using platform::message;

namespace {

// A file given by its path goes by its name without the extension.
QString fileLabel(const std::string& file)
{
    return QString::fromStdString(printableName(std::filesystem::path(file).stem().string()));
}

// Reads one pupil's files into builder; why not, if not. Each
// is opened so that it cannot wait: a FIFO nobody writes to opens at once
// and reads as empty; a device that never ends is refused.
std::optional<std::string> readPupilFiles(const std::vector<std::string>& files, SummaryBuilder& builder)
{
    for (const std::string& file : files) {
        const int fd = ::open(file.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
        if (fd < 0) {
            return message(QT_TRANSLATE_NOOP("Messages", "cannot read '%1': %2"), {file, std::strerror(errno)});
        }
        struct stat opened {};
        if (::fstat(fd, &opened) != 0 || S_ISCHR(opened.st_mode) || S_ISBLK(opened.st_mode)) {
            ::close(fd);
            return message(QT_TRANSLATE_NOOP("Messages", "'%1' is a device, not a results file"), {file});
        }
        if (const int flags = ::fcntl(fd, F_GETFL); flags >= 0) {
            ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK);
        }
        std::string error;
        const bool read = readResults(fd, builder, file, &error);
        ::close(fd);
        if (!read) {
            return error;
        }
    }
    return std::nullopt;
}

}  // namespace

ClassReportRun readClassReport(const std::vector<ReportSource>& sources, const std::string& out)
{
    ClassReportRun run;
    const auto refuse = [&run](const std::string& why) {
        run.status = 2;
        run.said.push_back(why);
        run.pupils.clear();
        return run;
    };
    // Names are bytes throughout, as the shell gave them.
    std::string pdf = out.empty() ? std::string("class.pdf") : out;
    if (pictureFormatOf(pdf) != PictureFormat::Pdf) {
        return refuse(
            message(QT_TRANSLATE_NOOP("Messages", "several files go into one PDF: --out FILE.pdf, not '%1'"), {out}));
    }
    if (pdf.front() != '/') {
        const std::unique_ptr<char, void (*)(void*)> here(::getcwd(nullptr, 0), &std::free);
        if (here) {
            pdf = std::string(here.get()) + "/" + pdf;
        }
    }
    run.pdf = pdf;
    std::set<std::string> names;         // pupils by name, as kept
    std::map<FileId, std::string> seen;  // each file once, under the name first given
    for (const ReportSource& source : sources) {
        const QString label =
            source.name.empty() ? fileLabel(source.files.front()) : QString::fromStdString(printableName(source.name));
        if (!source.name.empty() && !names.insert(source.name).second) {
            run.said.push_back(
                message(QT_TRANSLATE_NOOP("Messages", "the pupil '%1' is named more than once: counted once"),
                        {printableName(source.name)}));
            continue;
        }
        std::vector<std::string> files;
        for (const std::string& file : source.files) {
            const std::optional<FileId> input = fileIdOf(file);
            if (!input) {
                files.push_back(file);  // its reading says why
                continue;
            }
            // Never written: the PDF may not be one of them under any name.
            if (const auto refused = replacesResults(
                    QT_TRANSLATE_NOOP("Messages",
                                      "the PDF '%1' would replace the results file '%2'; give another --out"),
                    pdf, file, *input)) {
                return refuse(*refused);
            }
            const auto [at, first] = seen.emplace(*input, file);
            if (!first) {
                run.said.push_back(
                    message(QT_TRANSLATE_NOOP("Messages", "'%1' is '%2' under another name: counted once"),
                            {file, at->second}));
                continue;
            }
            files.push_back(file);
        }
        if (files.empty()) {
            continue;
        }
        SummaryBuilder builder;
        if (const std::optional<std::string> error = readPupilFiles(files, builder)) {
            run.said.push_back(message(QT_TRANSLATE_NOOP("Messages", "%1; %2 is left out of the class report"),
                                       {*error, label.toStdString()}));
            run.status = 1;
            continue;
        }
        run.pupils.push_back({label, builder.finish()});
    }
    if (run.pupils.empty()) {
        run.said.push_back(message(QT_TRANSLATE_NOOP("Messages", "no pupil to report on: no PDF written")));
        run.status = 1;
    }
    return run;
}

}  // namespace progress
