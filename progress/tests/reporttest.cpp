// The report: its picture, read back at the note heads the engraving places,
// its summary, and the program run as a teacher would run it.
#include "picture/fonts.h"
#include "progress/report.h"
#include "progress/notenames.h"
#include "progress/reportpicture.h"
#include "progress/tests/progressrig.h"
#include "progress/tests/reportchecks.h"

#include <QCryptographicHash>
#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <fstream>
#include <sstream>

using progress::NoteResult;
using progress::Outcome;
namespace picture = progress::reportpicture;

using progress_testing::distance;
using progress_testing::fontsLoaded;

namespace {

constexpr auto T = art::Clef::Treble;
constexpr auto B = art::Clef::Bass;

// A note asked `asked` times, right `right` of them, 1.5 s each.
std::string rows(const char* run, art::Clef clef, int key, art::Accidental a, int asked, int right)
{
    std::string s;
    for (int i = 0; i < asked; ++i) {
        NoteResult r;
        r.started = "2024-09-02T17:00:00+02:00";
        r.run = run;
        r.mode = 6;
        r.place = i + 1;
        r.note = key;
        r.clef = clef;
        r.accidental = art::pitch::spelling(key, a);
        r.outcome = i < right ? Outcome::Right : Outcome::Missed;
        if (i < right) {
            r.responseMs = 1500;
        } else {
            r.wrongKeys.push_back({key + 12 <= 89 ? key + 12 : key - 12, progress::MistakeKind::Octave});
        }
        progress::appendCsvRow(s, r);
    }
    return s;
}

std::string readAll(const QString& path)
{
    std::ifstream in(path.toStdString(), std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

}  // namespace

TEST(ReportPicture, EachNoteHeadHasTheColourOfItsScore)
{
    ASSERT_TRUE(fontsLoaded());
    const struct {
        art::Clef clef;
        int key;
        art::Accidental accidental;
        int asked;
        int right;
        const char* expect;  // blue, violet, orange
    } notes[] = {
        {T, 64, art::Accidental::None, 6, 6, "blue"},     // E4 on the bottom line
        {T, 66, art::Accidental::Sharp, 4, 3, "violet"},  // F#4: 3 in 4
        {T, 66, art::Accidental::Flat, 4, 0, "orange"},   // Gb4 apart from F#4
        {T, 81, art::Accidental::None, 4, 2, "orange"},   // A5, a ledger line up: half
        {T, 52, art::Accidental::None, 5, 5, "blue"},     // E3, three ledger lines down
        {B, 43, art::Accidental::None, 5, 5, "blue"},     // G2 on the bottom line
        {B, 46, art::Accidental::Flat, 8, 6, "violet"},   // Bb2
        {B, 36, art::Accidental::None, 3, 0, "orange"},   // C2, two ledger lines down
        {B, 69, art::Accidental::None, 2, 2, "blue"},     // A4, the top of the bass range
    };
    std::string text;
    for (const auto& n : notes) {
        text += rows("r-1", n.clef, n.key, n.accidental, n.asked, n.right);
    }
    const progress::ResultsSummary summary = progress::summarize(text);
    ASSERT_EQ(summary.notes.size(), std::size(notes));
    const QImage image = picture::render(summary, QStringLiteral("test.csv"));
    ASSERT_EQ(image.size(), picture::size);
    const picture::Layout layout = picture::layout(summary);
    ASSERT_EQ(layout.treble.columns.size(), 5U);
    ASSERT_EQ(layout.bass.columns.size(), 4U);

    auto named = [](const char* name) {
        const std::string n = name;
        return n == "blue"     ? picture::rateColour(1.0)
               : n == "violet" ? picture::rateColour(0.75)
                               : picture::rateColour(0.0);
    };
    int checked = 0;
    for (const picture::Staff* staff : {&layout.treble, &layout.bass}) {
        qreal lastX = 0.0;
        for (const picture::Column& c : staff->columns) {
            SCOPED_TRACE(testing::Message() << "note " << c.stats.form.note);
            EXPECT_GT(c.x, lastX) << "columns rise left to right";
            lastX = c.x;
            const auto& n = *std::find_if(std::begin(notes), std::end(notes), [&](const auto& x) {
                return x.clef == staff->clef && x.key == c.stats.form.note &&
                       art::pitch::spelling(x.key, x.accidental) == c.stats.form.accidental;
            });
            const QPointF head =
                staff->engraver().notePosition(staff->clef, c.stats.form.note, c.stats.form.accidental, c.x);
            const QColor seen = image.pixelColor(head.toPoint());
            const QColor want = picture::rateColour(c.stats.rightRate());
            EXPECT_LE(distance(seen, want), 6) << seen.name().toStdString() << " for " << want.name().toStdString();
            EXPECT_LE(distance(want, named(n.expect)), 40) << n.expect;
            // One staff space away from the head, on the side away from the
            // staff (where its ledger lines are not): paper or a staff line.
            const int step = art::pitch::staffStep(staff->clef, c.stats.form.note, c.stats.form.accidental);
            const qreal away = step < 4 ? 1.0 : -1.0;
            const QColor beside = image.pixelColor(QPointF(head.x(), head.y() + away * layout.staffSpace).toPoint());
            EXPECT_GT(distance(beside, want), 60) << beside.name().toStdString();
            // The median time is written under the column, darker than the paper.
            bool ink = false;
            const int baseline = qRound(staff->medianBaseline());
            for (int y = baseline - 10; y <= baseline && !ink; ++y) {
                for (int x = qRound(c.x) - 8; x <= qRound(c.x) + 8 && !ink; ++x) {
                    ink = qGray(image.pixel(x, y)) < 170;
                }
            }
            EXPECT_TRUE(ink) << "no median time under the note";
            ++checked;
        }
    }
    EXPECT_EQ(checked, 9);
}

TEST(ReportPicture, TheColourScale)
{
    EXPECT_EQ(picture::rateColour(1.0), picture::rateColour(1.2));
    EXPECT_EQ(picture::rateColour(0.5), picture::rateColour(0.1)) << "missed half the time or more: orange";
    EXPECT_GT(picture::rateColour(1.0).blue(), picture::rateColour(1.0).red());
    EXPECT_GT(picture::rateColour(0.5).red(), picture::rateColour(0.5).blue());
    // Monotonic: less right, more orange.
    int last = -255;
    for (double r = 1.0; r >= 0.5; r -= 0.05) {
        const QColor c = picture::rateColour(r);
        EXPECT_GE(c.red() - c.blue(), last) << r;
        last = c.red() - c.blue();
    }
    EXPECT_NE(picture::rateColour(std::nullopt), picture::rateColour(0.0));
}

namespace {

// A colour as a reader with one kind of colour blindness sees it: the
// sRGB colour in linear light through the simulation matrix of protanopia
// and deuteranopia (Viénot, Brettel and Mollon 1999) or tritanopia (Machado,
// Oliveira and Fernandes 2009, full severity), back to sRGB.
enum class Vision { Protan, Deutan, Tritan };

QColor seenWith(Vision v, QColor c)
{
    static const double matrices[3][3][3] = {
        {{0.11238, 0.88762, 0.0}, {0.11238, 0.88762, 0.0}, {0.00401, -0.00401, 1.0}},
        {{0.29275, 0.70725, 0.0}, {0.29275, 0.70725, 0.0}, {-0.02234, 0.02234, 1.0}},
        {{1.255528, -0.076749, -0.178779}, {-0.078411, 0.930809, 0.147602}, {0.004733, 0.691367, 0.303900}},
    };
    const auto linear = [](int v8) {
        const double v = v8 / 255.0;
        return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
    };
    const auto encoded = [](double v) {
        v = std::clamp(v, 0.0, 1.0);
        return static_cast<int>(
            std::lround(255.0 * (v <= 0.0031308 ? 12.92 * v : 1.055 * std::pow(v, 1 / 2.4) - 0.055)));
    };
    const double in[3] = {linear(c.red()), linear(c.green()), linear(c.blue())};
    const auto& m = matrices[static_cast<int>(v)];
    int out[3];
    for (int i = 0; i < 3; ++i) {
        out[i] = encoded(m[i][0] * in[0] + m[i][1] * in[1] + m[i][2] * in[2]);
    }
    return QColor(out[0], out[1], out[2]);
}

double euclid(QColor a, QColor b)
{
    return std::hypot(a.red() - b.red(), a.green() - b.green(), a.blue() - b.blue());
}

}  // namespace

TEST(ReportPicture, TheScaleReadsWithoutTellingRedFromGreen)
{
    // The three stops and the paper, as each reader sees them: every stop
    // stands apart from the others and from the paper. The old red to green
    // scale fails this for protanopes and deuteranopes: its red #c02b1f and
    // green #2a8c3e come within 80 and 58 of each other.
    const QColor paper(0xf1, 0xea, 0xd8);
    const std::pair<const char*, Vision> readers[] = {
        {"protanopia", Vision::Protan}, {"deuteranopia", Vision::Deutan}, {"tritanopia", Vision::Tritan}};
    for (const auto& [name, vision] : readers) {
        SCOPED_TRACE(name);
        const QColor often = seenWith(vision, picture::rateColour(0.5));
        const QColor middle = seenWith(vision, picture::rateColour(0.75));
        const QColor always = seenWith(vision, picture::rateColour(1.0));
        EXPECT_GT(euclid(often, always), 150.0);
        EXPECT_GT(euclid(often, middle), 60.0);
        EXPECT_GT(euclid(middle, always), 60.0);
        const QColor unanswered = seenWith(vision, picture::rateColour(std::nullopt));
        for (const QColor c : {often, middle, always}) {
            EXPECT_GT(euclid(c, paper), 120.0) << c.name().toStdString();
            EXPECT_GT(euclid(c, unanswered), 60.0) << c.name().toStdString();
        }
    }
    // The check itself catches the scale it replaces.
    for (const Vision v : {Vision::Protan, Vision::Deutan}) {
        EXPECT_LT(euclid(seenWith(v, QColor(0xc0, 0x2b, 0x1f)), seenWith(v, QColor(0x2a, 0x8c, 0x3e))), 150.0);
    }
}

TEST(ReportPicture, TheFiveNotesToWorkOnAreMarkedOnTheStaffWithTheirNumber)
{
    ASSERT_TRUE(fontsLoaded());
    // Seven notes, five of them missed more and more often.
    std::string text;
    const int keys[] = {60, 62, 64, 65, 67, 69, 71};
    const int right[] = {0, 1, 2, 3, 4, 6, 6};
    for (std::size_t i = 0; i < std::size(keys); ++i) {
        text += rows("r-1", T, keys[i], art::Accidental::None, 6, right[i]);
    }
    const progress::ResultsSummary summary = progress::summarize(text);
    const QImage image = picture::render(summary, QStringLiteral("test.csv"));
    const picture::Layout layout = picture::layout(summary);
    const std::vector<progress::NoteStats> weak = progress::weakestNotes(summary, 5);
    ASSERT_EQ(weak.size(), 5U);
    int marked = 0;
    for (const picture::Column& c : layout.treble.columns) {
        const QPointF at = picture::workOnMarkCentre(layout.treble, c);
        const bool isWeak =
            std::any_of(weak.begin(), weak.end(), [&](const auto& w) { return w.form == c.stats.form; });
        // A ring: white inside its edge, ink on it (10 px out from the centre).
        const QColor inside = image.pixelColor((at + QPointF(-6.0, -6.0)).toPoint());
        const QColor ring = image.pixelColor((at + QPointF(0.0, -10.0)).toPoint());
        const bool drawn = inside == QColor(Qt::white) && qGray(ring.rgb()) < 90;
        EXPECT_EQ(drawn, isWeak) << c.stats.form.note;
        EXPECT_LT(at.y() + 10.0, layout.treble.lines.top()) << "above the staff";
        marked += drawn ? 1 : 0;
    }
    EXPECT_EQ(marked, 5);
}

TEST(ReportPicture, ManyNotesStillFitTheStaff)
{
    ASSERT_TRUE(fontsLoaded());
    // Every note of mode 2 (treble, both signs) and mode 4 (bass, both signs).
    std::string text;
    for (int key = 52; key <= 89; ++key) {
        text += rows("r-1", T, key, art::Accidental::Sharp, 1, 1);
        if (art::pitch::isBlackKey(key)) {
            text += rows("r-1", T, key, art::Accidental::Flat, 1, 0);
        }
    }
    for (int key = 36; key <= 69; ++key) {
        text += rows("r-1", B, key, art::Accidental::Sharp, 1, 1);
        if (art::pitch::isBlackKey(key)) {
            text += rows("r-1", B, key, art::Accidental::Flat, 1, 0);
        }
    }
    const auto summary = progress::summarize(text);
    const auto layout = picture::layout(summary);
    ASSERT_EQ(layout.treble.columns.size(), 38U + 15U);
    ASSERT_EQ(layout.bass.columns.size(), 34U + 14U);
    EXPECT_GE(layout.staffSpace, picture::smallestStaffSpace);
    for (const picture::Staff* staff : {&layout.treble, &layout.bass}) {
        const art::Engraver e = staff->engraver();
        for (std::size_t i = 0; i < staff->columns.size(); ++i) {
            const auto& c = staff->columns[i];
            const QRectF box =
                e.noteBounds(staff->clef, c.stats.form.note, c.stats.form.accidental, c.x, art::NoteHead::Black);
            EXPECT_GE(box.left(), e.clefEnd(staff->clef)) << "clear of the clef";
            EXPECT_LE(box.right(), staff->lines.right());
            if (i > 0) {
                const auto& p = staff->columns[i - 1];
                const QRectF before =
                    e.noteBounds(staff->clef, p.stats.form.note, p.stats.form.accidental, p.x, art::NoteHead::Black);
                EXPECT_LE(before.right(), box.left() + 0.5)
                    << "note " << c.stats.form.note << " touches the one before";
            }
        }
    }
    const QImage image = picture::render(summary, QStringLiteral("all.csv"));
    EXPECT_FALSE(image.isNull());
}

TEST(ReportSummary, SaysItInFrench)
{
    std::string text = rows("r-1", T, 66, art::Accidental::Sharp, 4, 1);
    text += rows("r-2", B, 46, art::Accidental::Flat, 4, 3);
    text += "garbage\ngarbage\n";
    const auto summary = progress::summarize(text);
    const std::string out = progress::summaryText(summary, "eleve.csv", "/tmp/report.png");
    for (const char* expected :
         {"Bilan de eleve.csv", "fa dièse 3, clef de sol : 1 juste sur 4", "si bémol 1, clef de fa",
          "erreur la plus fréquente : octave", "2 lignes illisibles laissées de côté", "Image : /tmp/report.png",
          "Les cinq notes à travailler"}) {
        EXPECT_NE(out.find(expected), std::string::npos) << expected << "\n" << out;
    }
    const std::string empty = progress::summaryText(progress::summarize(""), "vide.csv", "");
    EXPECT_NE(empty.find("Aucun résultat"), std::string::npos) << empty;
}

// ---------------------------------------------------------------- the program

namespace {

struct Program {
    int status = -1;
    QString out;
    QString err;
};

Program runProgram(const QStringList& arguments)
{
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    // A desktop session has a runtime folder; without one Qt says so on standard error.
    static const QTemporaryDir runtime;
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime.path());
    p.setProcessEnvironment(env);
    p.setStandardInputFile(QProcess::nullDevice());
    p.start(QCoreApplication::applicationDirPath() + QStringLiteral("/tavelin-piano"), arguments);
    Program r;
    if (!p.waitForFinished(120000)) {
        p.kill();
        p.waitForFinished();
        return r;
    }
    r.status = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    r.out = QString::fromUtf8(p.readAllStandardOutput());
    r.err = QString::fromUtf8(p.readAllStandardError());
    return r;
}

}  // namespace

TEST(ReportProgram, ReadsAFileWithBadLinesAndLeavesItAsItWas)
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("eleve.csv"));
    std::string text = std::string(progress::csv::header) + "\n";
    text += rows("r-1", T, 64, art::Accidental::None, 5, 4);
    text += "2024-09-02T17:00:00+02:00,r-1,6,6,64,treble,none,rig\n";  // broken in two
    text += "ht,no,1500,\n";
    text += "Nom;Prénom;Classe\nDupont;Anne;CE2\n";  // foreign
    text += rows("r-2", B, 43, art::Accidental::None, 3, 3);
    text += "2024-09-03T17:00:00+02:00,r-3,3,1,43,bass,none,mis";  // truncated at the end
    {
        std::ofstream out(file.toStdString(), std::ios::binary);
        out << text;
    }
    const QDateTime modified = QFileInfo(file).lastModified();
    const QString png = dir.filePath(QStringLiteral("bilan.png"));

    const Program r = runProgram({QStringLiteral("--report"), file, QStringLiteral("--out"), png});
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    EXPECT_TRUE(r.out.contains(QStringLiteral("Bilan de"))) << r.out.toStdString();
    EXPECT_TRUE(r.out.contains(QStringLiteral("8 notes"))) << r.out.toStdString();
    EXPECT_TRUE(r.out.contains(QStringLiteral("5 lignes illisibles"))) << r.out.toStdString();
    EXPECT_TRUE(r.err.isEmpty()) << r.err.toStdString();
    EXPECT_EQ(readAll(file), text) << "the file is never changed";
    EXPECT_EQ(QFileInfo(file).lastModified(), modified);
    const QImage image(png);
    ASSERT_FALSE(image.isNull());
    EXPECT_EQ(image.size(), picture::size);
}

TEST(ReportProgram, ThePictureGoesBesideTheFileByDefault)
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("classe.csv"));
    {
        std::ofstream out(file.toStdString(), std::ios::binary);
        out << rows("r-1", T, 64, art::Accidental::None, 2, 1);
    }
    const Program r = runProgram({QStringLiteral("--report"), file});
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    EXPECT_TRUE(QFileInfo::exists(dir.filePath(QStringLiteral("classe.png"))));
    EXPECT_TRUE(r.out.contains(dir.filePath(QStringLiteral("classe.png")))) << r.out.toStdString();
}

TEST(ReportProgram, FailuresSayWhyOnStandardError)
{
    QTemporaryDir dir;
    const QString good = dir.filePath(QStringLiteral("good.csv"));
    {
        std::ofstream out(good.toStdString(), std::ios::binary);
        out << rows("r-1", T, 64, art::Accidental::None, 2, 1);
    }
    const struct {
        QStringList arguments;
        int status;
        const char* says;
    } cases[] = {
        {{QStringLiteral("--report"), dir.filePath(QStringLiteral("missing.csv"))}, 1, "cannot read"},
        {{QStringLiteral("--results"), dir.filePath(QStringLiteral("no/such/folder/results.csv"))},
         2,
         "No such file or directory"},
        {{QStringLiteral("--results"), dir.path()}, 2, "Is a directory"},
        {{QStringLiteral("--results"), QStringLiteral("/dev/full")}, 2, "is not a regular file"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.arguments.join(QLatin1Char(' ')).toStdString());
        const Program r = runProgram(c.arguments);
        EXPECT_EQ(r.status, c.status) << r.err.toStdString();
        EXPECT_TRUE(r.err.contains(QString::fromUtf8(c.says))) << r.err.toStdString();
        EXPECT_EQ(r.err.count(QLatin1Char('\n')), 1) << "one line: " << r.err.toStdString();
        EXPECT_TRUE(r.out.isEmpty()) << r.out.toStdString();
    }
    EXPECT_FALSE(QFileInfo::exists(dir.filePath(QStringLiteral("no"))));
}

namespace {

// n runs of two notes each, a minute apart, right more and more often: run i
// has its first note right unless i % 3 == 0, its second right from the
// middle on, and a response time that grows with i.
progress::ResultsSummary manyRuns(std::size_t n, std::vector<std::optional<double>>* scores,
                                  std::vector<std::optional<double>>* times)
{
    progress::SummaryBuilder builder;
    builder.addLine(progress::csv::header);
    for (std::size_t i = 0; i < n; ++i) {
        const QDateTime at = QDateTime(QDate(2024, 1, 1), QTime(8, 0)).addSecs(static_cast<qint64>(i) * 60);
        const std::string started = at.toString(QStringLiteral("yyyy-MM-ddTHH:mm:ss")).toStdString() + "+01:00";
        const std::string run = "r-" + std::to_string(i + 1);
        const bool first = i % 3 != 0;
        const bool second = i >= n / 2;
        const std::uint32_t ms = 500 + static_cast<std::uint32_t>(i % 1000);
        std::string text;
        for (const bool right : {first, second}) {
            NoteResult r;
            r.started = started;
            r.run = run;
            r.mode = 1;
            r.place = right == first ? 1 : 2;
            r.note = 64;
            r.clef = art::Clef::Treble;
            r.outcome = right ? Outcome::Right : Outcome::Missed;
            if (right) {
                r.responseMs = ms;
            }
            progress::appendCsvRow(text, r);
        }
        builder.addText(text);
        const int rights = (first ? 1 : 0) + (second ? 1 : 0);
        scores->push_back(100.0 * rights / 2.0);
        times->push_back(rights > 0 ? std::optional<double>(ms) : std::nullopt);
    }
    return builder.finish();
}

}  // namespace

TEST(ReportManyRuns, PastTheLimitPointsAreGroupsAndEveryTotalAndTrendStaysExact)
{
    for (const std::size_t n : {std::size_t{5000}, std::size_t{8192}, std::size_t{8193}, std::size_t{20001}}) {
        SCOPED_TRACE(n);
        std::vector<std::optional<double>> scores;
        std::vector<std::optional<double>> times;
        const progress::ResultsSummary s = manyRuns(n, &scores, &times);
        EXPECT_EQ(s.runCount, n);
        EXPECT_EQ(s.rows, 2 * n);
        int right = 0;
        for (const auto& v : scores) {
            right += static_cast<int>(std::lround(*v / 50.0));
        }
        EXPECT_EQ(s.right, right);

        // The points: equal groups of runs in a row, the last one maybe smaller.
        const bool grouped = n > 2 * progress::maxRunPoints - 1;
        EXPECT_EQ(s.runsPerPoint > 1, grouped);
        EXPECT_EQ(s.runsPerPoint & (s.runsPerPoint - 1), 0U) << "a power of two";
        EXPECT_LE(s.runs.size(), 2 * progress::maxRunPoints);
        std::size_t inPoints = 0;
        int rightInPoints = 0;
        for (std::size_t i = 0; i < s.runs.size(); ++i) {
            if (i + 1 < s.runs.size()) {
                EXPECT_EQ(s.runs[i].merged, s.runsPerPoint) << "point " << i;
            }
            inPoints += s.runs[i].merged;
            rightInPoints += s.runs[i].right;
        }
        EXPECT_EQ(inPoints, n);
        EXPECT_EQ(rightInPoints, s.right);
        EXPECT_EQ(s.runs.front().run, "r-1");

        // The trends are over every run, as if there were no groups.
        const auto score = progress::trendOf(scores);
        const auto time = progress::trendOf(times);
        ASSERT_TRUE(s.scoreTrend && s.timeTrend && score && time);
        EXPECT_EQ(s.scoreTrend->window, score->window);
        EXPECT_NEAR(s.scoreTrend->first, score->first, 1e-9);
        EXPECT_NEAR(s.scoreTrend->last, score->last, 1e-9);
        EXPECT_NEAR(s.scoreTrend->slope, score->slope, 1e-9);
        EXPECT_NEAR(s.timeTrend->first, time->first, 1e-9);
        EXPECT_NEAR(s.timeTrend->last, time->last, 1e-9);
        EXPECT_NEAR(s.timeTrend->slope, time->slope, 1e-9);

        // The summary says so, and the charts' caption says what a point is.
        const std::string text = progress::summaryText(s, "lea.csv", "lea.png");
        EXPECT_NE(text.find(progress::frenchNumber(static_cast<double>(n), 0) + " séances"), std::string::npos) << text;
        EXPECT_NE(text.find("Score : " + progress::frenchNumber(score->first, 0) + "\u00a0%"), std::string::npos)
            << text;
        const QString caption = progress::reportpicture::runAxisCaption(s);
        if (grouped) {
            EXPECT_TRUE(caption.contains(
                QStringLiteral("chaque point : %1 séances de suite")
                    .arg(QString::fromStdString(progress::frenchNumber(static_cast<double>(s.runsPerPoint), 0)))))
                << caption.toStdString();
        } else {
            EXPECT_FALSE(caption.contains(QStringLiteral("chaque point"))) << caption.toStdString();
        }
    }
}
