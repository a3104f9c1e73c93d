// The variants in the report: a results file with drill rows and rows by
// ear, in two keys and in the C clefs, read from a real file; its summary's
// groups, the pages that draw them (read back from their pixels), the
// --report summary and the PDFs; the drill's page as it was.
#include "picture/fonts.h"
#include "progress/classreport.h"
#include "progress/report.h"
#include "progress/reportpicture.h"
#include "progress/statistics.h"
#include "progress/tests/reportchecks.h"

#include <QCoreApplication>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

using exercise::VariantKind;
using keyboard::pitch::StaffClef;
using progress::NoteResult;
using progress::Outcome;
using progress::VariantOf;
namespace picture = progress::reportpicture;

using progress_testing::distance;
using progress_testing::fontsLoaded;
using progress_testing::pdfPages;

namespace {

constexpr auto T = art::Clef::Treble;
constexpr auto B = art::Clef::Bass;
constexpr auto none = art::Accidental::None;
constexpr auto sharp = art::Accidental::Sharp;
constexpr auto flat = art::Accidental::Flat;

struct Asked {
    art::Clef clef;  // for a C clef, the note's side of middle C
    int note;
    art::Accidental accidental;
    int asked;
    int right;
};

// One run's rows: each note asked so many times, right the first so many,
// 1.2 s each.
std::string runRows(const std::string& run, VariantOf of, const std::vector<Asked>& notes)
{
    std::string text;
    int place = 0;
    for (const Asked& a : notes) {
        for (int i = 0; i < a.asked; ++i) {
            NoteResult r;
            r.started = "2024-09-0" + run.substr(run.size() - 1) + "T17:00:00+02:00";
            r.run = run;
            r.mode = 6;
            r.place = ++place;
            r.note = a.note;
            r.clef = a.clef;
            r.accidental = a.accidental;
            r.outcome = i < a.right ? Outcome::Right : Outcome::Missed;
            if (i < a.right) {
                r.responseMs = 1200;
            }
            r.variant = of.kind;
            r.fifths = of.fifths;
            r.cClef = of.cClef;
            progress::appendCsvRow(text, r, progress::RowWidth::Full);
        }
    }
    return text;
}

const VariantOf alto{VariantKind::Drill, std::nullopt, StaffClef::Alto};
const VariantOf tenor{VariantKind::Drill, std::nullopt, StaffClef::Tenor};
const VariantOf ear{VariantKind::Ear, std::nullopt, std::nullopt};
const VariantOf eFlat{VariantKind::Key, -3, std::nullopt};
const VariantOf dMajor{VariantKind::Key, 2, std::nullopt};

std::string drillRows()
{
    return runRows("d-1", {}, {{T, 64, none, 4, 4}, {T, 66, sharp, 4, 1}, {B, 43, none, 2, 2}});
}

// The variants in the order the file has them, which is not the summary's.
std::string variantRows()
{
    return runRows("k-2", dMajor,
                   {{T, 66, sharp, 4, 4},
                    {T, 73, sharp, 4, 0},
                    {T, 62, none, 2, 2},
                    {B, 50, none, 4, 3},
                    {T, 65, none, 1, 1}}) +  // F natural: not of the key
           runRows("k-3", eFlat, {{T, 63, flat, 2, 2}, {T, 68, flat, 2, 0}, {B, 46, flat, 4, 4}}) +
           runRows("e-4", ear, {{T, 67, none, 2, 2}, {T, 70, flat, 2, 1}}) +
           runRows("a-5", alto, {{T, 60, none, 2, 2}, {B, 53, none, 1, 0}, {T, 61, sharp, 2, 2}}) +
           runRows("t-6", tenor, {{T, 60, none, 2, 2}, {B, 57, none, 2, 2}});
}

struct Folder {
    QTemporaryDir dir;
    std::string write(const char* name, const std::string& rows) const
    {
        const std::string path = dir.filePath(QString::fromUtf8(name)).toStdString();
        std::ofstream(path, std::ios::binary) << progress::csv::fullHeader << '\n' << rows;
        return path;
    }
};

progress::ResultsSummary read(const std::string& path)
{
    std::string error;
    std::optional<progress::ResultsSummary> s = progress::readResultsFile(path, &error);
    EXPECT_TRUE(s.has_value()) << error;
    return s.value_or(progress::ResultsSummary{});
}

// Printer's ink, or a note's colour, over at least half of the pixel.
bool inked(const QImage& image, int x, int y)
{
    return qGray(image.pixel(x, y)) < 180;
}

// The upright strokes between x0 and x1: the columns inked down two staff
// spaces or more in one piece, over the staff and two spaces either side,
// those side by side counted once. A sharp and a natural have two, a flat
// one; a clef, a note head, a ledger line or a staff line none.
int uprights(const QImage& image, const QRectF& lines, int x0, int x1)
{
    const qreal space = lines.height() / 4.0;
    int strokes = 0;
    bool inStroke = false;
    for (int x = x0; x < x1; ++x) {
        int run = 0;
        int longest = 0;
        for (int y = qRound(lines.top() - 2.0 * space); y <= qRound(lines.bottom() + 2.0 * space); ++y) {
            run = inked(image, x, y) ? run + 1 : 0;
            longest = std::max(longest, run);
        }
        const bool stroke = longest >= 2.0 * space;
        strokes += stroke && !inStroke ? 1 : 0;
        inStroke = stroke;
    }
    return strokes;
}

}  // namespace

TEST(VariantReport, TheSummaryKeepsTheDrillsNotesAndGroupsTheOthersByVariantKeyAndClef)
{
    Folder f;
    const progress::ResultsSummary drill = read(f.write("drill.csv", drillRows()));
    const progress::ResultsSummary s = read(f.write("all.csv", drillRows() + variantRows()));

    ASSERT_EQ(s.notes.size(), drill.notes.size()) << "the drill's notes only";
    for (std::size_t i = 0; i < s.notes.size(); ++i) {
        EXPECT_EQ(s.notes[i].form, drill.notes[i].form);
        EXPECT_EQ(s.notes[i].right, drill.notes[i].right);
        EXPECT_EQ(s.notes[i].missed, drill.notes[i].missed);
    }
    EXPECT_TRUE(drill.variants.empty());
    EXPECT_EQ(progress::weakestNotes(s, 5).size(), progress::weakestNotes(drill, 5).size());

    const struct {
        VariantOf of;
        std::size_t notes;
        std::size_t rows;
        int right;
    } groups[] = {{alto, 3, 5, 4}, {tenor, 2, 4, 4}, {ear, 2, 4, 3}, {eFlat, 3, 8, 6}, {dMajor, 5, 15, 10}};
    ASSERT_EQ(s.variants.size(), std::size(groups));
    for (std::size_t i = 0; i < std::size(groups); ++i) {
        const progress::VariantNotes& v = s.variants[i];
        SCOPED_TRACE(testing::Message() << "group " << i);
        EXPECT_EQ(v.of, groups[i].of);
        EXPECT_EQ(v.notes.size(), groups[i].notes);
        EXPECT_EQ(v.rows, groups[i].rows);
        EXPECT_EQ(v.right, groups[i].right);
        EXPECT_EQ(v.missed, static_cast<int>(groups[i].rows) - groups[i].right);
        EXPECT_EQ(v.medianMs, 1200.0);
    }
    // C4 and C sharp 4 of the alto clef stand apart from its F3 below middle C.
    EXPECT_EQ(s.variants[0].notes[0].form, (progress::NoteForm{T, 60, none}));
    EXPECT_EQ(s.variants[0].notes[2].form, (progress::NoteForm{B, 53, none}));

    // Every row counts in the totals and the runs, as before.
    EXPECT_EQ(s.rows, 10U + 36U);
    EXPECT_EQ(s.right, 7 + 27);
    EXPECT_EQ(s.missed, 3 + 9);
    ASSERT_EQ(s.runCount, 6U);
    ASSERT_EQ(s.runs.size(), 6U);
    EXPECT_EQ(s.runs[1].run, "k-2");
    EXPECT_EQ(s.runs[1].right, 10);
    EXPECT_EQ(s.runs[1].missed, 5);
}

TEST(VariantReport, EachVariantHasStavesWithItsSignatureAndItsNotesColouredAndTimed)
{
    ASSERT_TRUE(fontsLoaded());
    Folder f;
    const progress::ResultsSummary s = read(f.write("all.csv", drillRows() + variantRows()));
    const std::vector<picture::VariantPage> pages = picture::variantPages(s);
    const QImage image = picture::render(s, QStringLiteral("all.csv"));
    ASSERT_EQ(picture::pageCount(s), 1 + pages.size());
    ASSERT_EQ(image.size(), QSize(picture::size.width(), picture::size.height() * static_cast<int>(1 + pages.size())));

    // The variants in order, each on one band, every note of theirs on a staff.
    const struct {
        std::vector<StaffClef> clefs;
        int uprights;  // of the signature on each staff: three flats, two sharps
    } bands[] = {{{StaffClef::Alto}, 0},
                 {{StaffClef::Tenor}, 0},
                 {{StaffClef::Treble}, 0},
                 {{StaffClef::Treble, StaffClef::Bass}, 3},
                 {{StaffClef::Treble, StaffClef::Bass}, 2 * 2}};
    std::size_t seen = 0;
    for (std::size_t page = 0; page < pages.size(); ++page) {
        const int top = picture::size.height() * static_cast<int>(page + 1);
        for (const picture::VariantBand& band : pages[page].bands) {
            ASSERT_EQ(band.variant, seen);
            SCOPED_TRACE(testing::Message() << "variant " << seen);
            ASSERT_EQ(band.staves.size(), bands[seen].clefs.size());
            std::size_t columns = 0;
            for (std::size_t i = 0; i < band.staves.size(); ++i) {
                const picture::VariantStaff& staff = band.staves[i];
                EXPECT_EQ(staff.clef, bands[seen].clefs[i]);
                const QRectF lines = staff.lines.translated(0.0, top);
                const art::Engraver e(lines);
                ASSERT_FALSE(staff.columns.empty());
                const qreal firstHead = staff.columns.front().x - e.headWidth(art::NoteHead::Black) / 2.0;
                // Between the clef and the first note's sign or ledger lines:
                // the signature's signs and nothing else.
                EXPECT_EQ(uprights(image, lines, qRound(e.clefEnd(staff.clef)) + 2,
                                   qRound(firstHead - 2.0 * band.staffSpace)),
                          bands[seen].uprights);
                for (const picture::Column& c : staff.columns) {
                    const QPointF head = e.notePosition(staff.clef, c.stats.form.note, c.stats.form.accidental, c.x);
                    const QColor want = picture::rateColour(c.stats.rightRate());
                    EXPECT_LE(distance(image.pixelColor(head.toPoint()), want), 6) << c.stats.form.note;
                    bool time = false;
                    const int baseline = qRound(staff.medianBaseline()) + top;
                    for (int y = baseline - 10; y <= baseline && !time; ++y) {
                        for (int x = qRound(c.x) - 8; x <= qRound(c.x) + 8 && !time; ++x) {
                            time = qGray(image.pixel(x, y)) < 170;
                        }
                    }
                    EXPECT_TRUE(time) << "no median time under " << c.stats.form.note;
                }
                columns += staff.columns.size();
            }
            EXPECT_EQ(columns, s.variants[seen].notes.size());
            ++seen;
        }
    }
    EXPECT_EQ(seen, s.variants.size());
}

// Where some notes stand and what stands beside them, worked out by hand: a
// note of the key on its letter with no sign, one outside it with its own.
TEST(VariantReport, NotesOfAKeyAreWrittenAsItsSignatureWritesThem)
{
    ASSERT_TRUE(fontsLoaded());
    Folder f;
    const progress::ResultsSummary s = read(f.write("all.csv", drillRows() + variantRows()));
    const std::vector<picture::VariantPage> pages = picture::variantPages(s);
    const QImage image = picture::render(s, QStringLiteral("all.csv"));
    const struct {
        std::size_t variant;
        StaffClef clef;
        int note;
        int step;  // 0 the bottom line, 8 the top line
        bool sign;
    } notes[] = {
        {4, StaffClef::Treble, 66, 1, false},  // F sharp 4 in D major: the first space, the signature's sharp
        {4, StaffClef::Treble, 73, 5, false},  // C sharp 5: the third space
        {4, StaffClef::Treble, 65, 1, true},   // F natural: the same space, with its natural
        {4, StaffClef::Bass, 50, 4, false},    // D3: the middle line
        {3, StaffClef::Treble, 63, 0, false},  // E flat 4 in E flat major: the bottom line
        {3, StaffClef::Bass, 46, 2, false},    // B flat 2: the second line
        {2, StaffClef::Treble, 70, 4, true},   // B flat 4 by ear: the middle line, with its flat
        {0, StaffClef::Alto, 60, 4, false},    // C4: the alto clef's middle line
        {0, StaffClef::Alto, 61, 4, true},     // C sharp 4 beside it, with its sharp
        {1, StaffClef::Tenor, 60, 6, false},   // C4: the tenor clef's fourth line
    };
    for (const auto& n : notes) {
        SCOPED_TRACE(testing::Message() << "variant " << n.variant << ", note " << n.note);
        bool found = false;
        for (std::size_t page = 0; page < pages.size(); ++page) {
            const int top = picture::size.height() * static_cast<int>(page + 1);
            for (const picture::VariantBand& band : pages[page].bands) {
                for (const picture::VariantStaff& staff : band.staves) {
                    if (band.variant != n.variant || staff.clef != n.clef) {
                        continue;
                    }
                    for (const picture::Column& c : staff.columns) {
                        if (c.stats.form.note != n.note) {
                            continue;
                        }
                        found = true;
                        const QRectF lines = staff.lines.translated(0.0, top);
                        const qreal space = band.staffSpace;
                        const QPointF head(c.x, lines.bottom() - n.step * space / 2.0);
                        EXPECT_LE(distance(image.pixelColor(head.toPoint()), picture::rateColour(c.stats.rightRate())),
                                  6);
                        // Where a sign would stand: clear of the head and of
                        // any ledger line, a space and a half wide.
                        const qreal right = c.x - 0.6 * space - 1.0 - 0.4 * space;
                        EXPECT_EQ(uprights(image, lines, qRound(right - 1.5 * space), qRound(right)) > 0, n.sign);
                    }
                }
            }
        }
        EXPECT_TRUE(found);
    }
}

TEST(VariantReport, TheDrillsPageStaysAsItWasAndTheVariantsFollowInThePdf)
{
    ASSERT_TRUE(fontsLoaded());
    Folder f;
    const progress::ResultsSummary drill = read(f.write("drill.csv", drillRows()));
    const progress::ResultsSummary all = read(f.write("all.csv", drillRows() + variantRows()));
    const QImage drillPage = picture::render(drill, QStringLiteral("x.csv"));
    EXPECT_EQ(drillPage.size(), picture::size) << "the drill alone: one page";
    EXPECT_EQ(picture::pageCount(drill), 1U);
    const QImage first = picture::render(all, QStringLiteral("x.csv")).copy(QRect(QPoint(0, 0), picture::size));
    // The staves and the notes to work on are the drill's; the totals, the
    // run charts and the foot count every row.
    for (const QRect area : {QRect(0, 150, picture::size.width(), 450), QRect(0, 606, 860, 640)}) {
        EXPECT_TRUE(first.copy(area) == drillPage.copy(area)) << area.y();
    }
    EXPECT_FALSE(first.copy(0, 0, picture::size.width(), 150) == drillPage.copy(0, 0, picture::size.width(), 150));

    const std::string pdf = f.dir.filePath(QStringLiteral("all.pdf")).toStdString();
    ASSERT_EQ(progress::replaceFile(pdf, progress::encodePicture(picture::render(all, QStringLiteral("x.csv")),
                                                                 progress::PictureFormat::Pdf)),
              "");
    EXPECT_EQ(pdfPages(pdf), static_cast<int>(picture::pageCount(all)));
    ASSERT_EQ(progress::replaceFile(pdf, progress::encodePicture(drillPage, progress::PictureFormat::Pdf)), "");
    EXPECT_EQ(pdfPages(pdf), 1);

    const std::string classPdf = f.dir.filePath(QStringLiteral("classe.pdf")).toStdString();
    ASSERT_EQ(
        progress::classreport::writePdf(classPdf, {{QStringLiteral("Léa"), all}, {QStringLiteral("Hugo"), drill}}), "");
    EXPECT_EQ(pdfPages(classPdf),
              static_cast<int>(progress::classreport::comparisonPages(2) + picture::pageCount(all) + 1));
}

TEST(VariantReport, TheProgramsSummaryHasALineForEachVariant)
{
    Folder f;
    const std::string file = f.write("léa.csv", drillRows() + variantRows());
    const std::string pdf = f.dir.filePath(QStringLiteral("léa.pdf")).toStdString();
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("LANG"), QStringLiteral("fr_FR.UTF-8"));
    env.remove(QStringLiteral("LANGUAGE"));
    env.remove(QStringLiteral("LC_ALL"));
    env.remove(QStringLiteral("LC_MESSAGES"));
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), f.dir.path());
    p.setProcessEnvironment(env);
    p.start(QCoreApplication::applicationDirPath() + QStringLiteral("/tavelin-piano"),
            {QStringLiteral("--report"), QString::fromStdString(file), QStringLiteral("--out"),
             QString::fromStdString(pdf)});
    ASSERT_TRUE(p.waitForFinished(120000));
    ASSERT_EQ(p.exitCode(), 0) << p.readAllStandardError().toStdString();
    const std::string out = p.readAllStandardOutput().toStdString();
    EXPECT_NE(out.find("Les variantes :\n"
                       "  Clef d'ut 3e ligne (alto) — 5 notes, 4 justes (80\u00a0%) · temps médian 1,2\u00a0s\n"
                       "  Clef d'ut 4e ligne (ténor) — 4 notes, 4 justes (100\u00a0%) · temps médian 1,2\u00a0s\n"
                       "  À l'oreille — 4 notes, 3 justes (75\u00a0%) · temps médian 1,2\u00a0s\n"
                       "  Armure : 3 bémols — 8 notes, 6 justes (75\u00a0%) · temps médian 1,2\u00a0s\n"
                       "  Armure : 2 dièses — 15 notes, 10 justes (67\u00a0%) · temps médian 1,2\u00a0s\n"
                       "Image : "),
              std::string::npos)
        << out;
    EXPECT_NE(out.find("46 notes, 34 justes"), std::string::npos) << out;
    EXPECT_EQ(pdfPages(pdf), static_cast<int>(picture::pageCount(read(file))));
}
