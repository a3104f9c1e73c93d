// The class report over several pupils' files, and pupils by name, as the
// program answers a teacher: --report over files or --pupil names, and
// --list-pupils.
#include "progress/classreport.h"
#include "progress/pupils.h"
#include "progress/resultrow.h"
#include "progress/tests/reportchecks.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <fstream>

#include <sys/resource.h>

using progress::NoteResult;
using progress::Outcome;

namespace {

// A pupil's file: runs of ten notes, right more often run after run; the
// note `weak` is missed more than the others.
std::string pupilRows(const std::string& id, int runs, int weak)
{
    std::string s = std::string(progress::csv::header) + "\n";
    for (int run = 1; run <= runs; ++run) {
        for (int place = 1; place <= 10; ++place) {
            NoteResult r;
            r.started = "2024-09-" + std::string(run < 10 ? "0" : "") + std::to_string(run) + "T17:00:00+02:00";
            r.run = id + "-" + std::to_string(run);
            r.mode = 1;
            r.place = place;
            constexpr int others[] = {64, 65, 67};
            r.note = place % 2 == 0 ? weak : others[place % 3];
            r.outcome = (place <= run + 4 && r.note != weak) ? Outcome::Right : Outcome::Missed;
            if (r.outcome == Outcome::Right) {
                r.responseMs = 1200 + 100 * static_cast<std::uint32_t>(place);
            }
            progress::appendCsvRow(s, r);
        }
    }
    return s;
}

void writeFile(const QString& path, const std::string& text)
{
    std::ofstream out(QFile::encodeName(path).toStdString(), std::ios::binary);
    out << text;
}

std::string readAll(const QString& path)
{
    std::ifstream in(QFile::encodeName(path).toStdString(), std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

struct Program {
    int status = -1;
    QString out;
    QString err;
};

Program runProgram(const QStringList& arguments, const QString& dataHome, const QString& workingFolder)
{
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    static const QTemporaryDir runtime;
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime.path());
    env.insert(QStringLiteral("XDG_DATA_HOME"), dataHome);
    p.setProcessEnvironment(env);
    p.setWorkingDirectory(workingFolder);
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

// Pages of a PDF: its page objects, counted in the file itself; and what
// pdfinfo says, where poppler's tools are installed.
int pdfPages(const QString& path)
{
    return progress_testing::pdfPages(path.toStdString());
}

std::optional<int> pdfinfoPages(const QString& path)
{
    QProcess p;
    p.start(QStringLiteral("pdfinfo"), {path});
    if (!p.waitForFinished(30000) || p.exitCode() != 0) {
        return std::nullopt;
    }
    static const QRegularExpression pages(QStringLiteral("^Pages:\\s+(\\d+)"), QRegularExpression::MultilineOption);
    const auto m = pages.match(QString::fromUtf8(p.readAllStandardOutput()));
    return m.hasMatch() ? std::optional<int>(m.captured(1).toInt()) : std::nullopt;
}

}  // namespace

TEST(ClassReport, ThreePupilsFilesGiveAComparisonAndOnePagePerPupil)
{
    QTemporaryDir dir;
    const QStringList names = {QStringLiteral("léa.csv"), QStringLiteral("hugo.csv"),
                               QStringLiteral("inès martin.csv")};
    QStringList files;
    std::vector<std::string> texts;
    for (int i = 0; i < 3; ++i) {
        files << dir.filePath(names[i]);
        texts.push_back(pupilRows("p" + std::to_string(i), 3 + 2 * i, 60 + 2 * i));
        writeFile(files.back(), texts.back());
    }
    const QString pdf = dir.filePath(QStringLiteral("classe.pdf"));
    const Program r = runProgram(QStringList{QStringLiteral("--report")} << files << QStringLiteral("--out") << pdf,
                                 dir.path(), dir.path());
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    EXPECT_EQ(pdfPages(pdf), 4) << "the comparison, then one page per pupil";
    if (const auto pages = pdfinfoPages(pdf)) {
        EXPECT_EQ(*pages, 4);
    }
    EXPECT_TRUE(r.out.contains(QStringLiteral("3 élèves"))) << r.out.toStdString();
    for (const char* pupil : {"léa : 3 séances, 30 notes", "hugo : 5 séances", "inès martin : 7 séances, 70 notes"}) {
        EXPECT_TRUE(r.out.contains(QString::fromUtf8(pupil))) << pupil << "\n" << r.out.toStdString();
    }
    EXPECT_TRUE(r.out.contains(QStringLiteral("PDF : ") + pdf)) << r.out.toStdString();
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(readAll(files[i]), texts[i]) << "the files are never changed";
    }

    // Two files and no --out: class.pdf where the teacher is; a picture is refused.
    const Program two = runProgram({QStringLiteral("--report"), files[0], files[1]}, dir.path(), dir.path());
    ASSERT_EQ(two.status, 0) << two.err.toStdString();
    EXPECT_EQ(pdfPages(dir.filePath(QStringLiteral("class.pdf"))), 3);
    const Program png = runProgram({QStringLiteral("--report"), files[0], files[1], QStringLiteral("--out"),
                                    dir.filePath(QStringLiteral("classe.png"))},
                                   dir.path(), dir.path());
    EXPECT_EQ(png.status, 2);
    EXPECT_TRUE(png.err.contains(QStringLiteral("one PDF"))) << png.err.toStdString();
    EXPECT_EQ(png.err.count(QLatin1Char('\n')), 1);
}

TEST(ClassReport, TheReadingSaysWhatItLeavesOutAndWhatItRefuses)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString lea = dir.filePath(QStringLiteral("lea.csv"));
    const QString tom = dir.filePath(QStringLiteral("tom.csv"));
    writeFile(lea, pupilRows("lea", 3, 60));
    writeFile(tom, pupilRows("tom", 2, 62));
    ASSERT_TRUE(QFile::link(lea, dir.filePath(QStringLiteral("again.csv"))));
    const auto bytes = [](const QString& path) { return QFile::encodeName(path).toStdString(); };
    const std::vector<progress::ReportSource> sources = {
        {{}, {bytes(lea)}},
        {{}, {bytes(dir.filePath(QStringLiteral("again.csv")))}},
        {{}, {bytes(dir.filePath(QStringLiteral("gone.csv")))}},
        {{}, {bytes(tom)}},
    };
    const std::string pdf = bytes(dir.filePath(QStringLiteral("class.pdf")));

    const progress::ClassReportRun run = progress::readClassReport(sources, pdf);
    EXPECT_EQ(run.status, 1);  // the missing file's pupil is left out
    ASSERT_EQ(run.pupils.size(), 2U);
    EXPECT_EQ(run.pupils[0].name, QStringLiteral("lea"));
    EXPECT_EQ(run.pupils[1].name, QStringLiteral("tom"));
    EXPECT_EQ(run.pdf, pdf);
    ASSERT_EQ(run.said.size(), 2U);
    EXPECT_NE(run.said[0].find("under another name: counted once"), std::string::npos) << run.said[0];
    EXPECT_NE(run.said[1].find("gone is left out of the class report"), std::string::npos) << run.said[1];
    EXPECT_FALSE(QFile::exists(dir.filePath(QStringLiteral("class.pdf"))));  // reading writes nothing

    // A PDF that is one of the files, under any name, is refused before anything is read.
    ASSERT_TRUE(QFile::link(tom, dir.filePath(QStringLiteral("tom.pdf"))));
    const progress::ClassReportRun over =
        progress::readClassReport(sources, bytes(dir.filePath(QStringLiteral("tom.pdf"))));
    EXPECT_EQ(over.status, 2);
    EXPECT_TRUE(over.pupils.empty());
    ASSERT_FALSE(over.said.empty());
    EXPECT_NE(over.said.back().find("would replace the results file"), std::string::npos) << over.said.back();
    EXPECT_EQ(progress::readClassReport(sources, "class.png").status, 2);
}

TEST(ClassReport, EachPupilsLineSaysWhatToWorkOnAndWhereItGoes)
{
    const progress::ResultsSummary summary = progress::summarize(pupilRows("p", 6, 62));
    const progress::classreport::PupilLine line = progress::classreport::lineOf(QStringLiteral("Léa"), summary);
    EXPECT_EQ(line.runs, 6U);
    EXPECT_EQ(line.notes, 60U);
    ASSERT_FALSE(line.toWork.empty());
    EXPECT_EQ(line.toWork.front().form.note, 62) << "never right: first to work on";
    EXPECT_LE(line.toWork.size(), 3U);
    ASSERT_TRUE(line.trend);
    EXPECT_GT(line.trend->slope, 0.0) << "right more often run after run";
    ASSERT_TRUE(line.score);
    EXPECT_NEAR(*line.score, 100.0 * summary.right / 60.0, 1e-9);
}

TEST(ClassReport, TheNotesToWorkOnSayTheirClef)
{
    // fa 2 missed in the treble clef (on ledger lines) and in the bass, la 2 in the bass.
    std::string rows = std::string(progress::csv::header) + "\n";
    for (const char* note : {"53,treble", "53,bass", "57,bass", "53,treble", "53,bass", "64,treble"}) {
        const bool right = std::string(note) == "64,treble";
        rows += std::string("2024-09-02T17:00:00+02:00,a-1,6,1,") + note + ",none," +
                (right ? "right,no,900," : "missed,no,,") + "\n";
    }
    const progress::ResultsSummary summary = progress::summarize(rows);
    const progress::classreport::PupilLine line = progress::classreport::lineOf(QStringLiteral("Léa"), summary);
    ASSERT_EQ(line.toWork.size(), 3U);
    QStringList onPage;
    for (const progress::NoteStats& n : line.toWork) {
        onPage << progress::classreport::workName(n, true);
    }
    onPage.removeDuplicates();
    EXPECT_EQ(onPage.size(), 3) << onPage.join(QStringLiteral(", ")).toStdString();
    const std::string text = progress::classreport::summaryText({line}, "/tmp/classe.pdf");
    EXPECT_NE(text.find("à travailler : fa 2 en clef de sol, fa 2 en clef de fa, la 2 en clef de fa"),
              std::string::npos)
        << text;
}

TEST(ClassReport, AComparisonPastOnePageGoesOnToTheNext)
{
    EXPECT_EQ(progress::classreport::comparisonPages(0), 1U);
    EXPECT_EQ(progress::classreport::comparisonPages(1), 1U);
    EXPECT_EQ(progress::classreport::comparisonPages(progress::classreport::rowsPerPage), 1U);
    EXPECT_EQ(progress::classreport::comparisonPages(progress::classreport::rowsPerPage + 1), 2U);
    EXPECT_EQ(progress::classreport::comparisonPages(300),
              (300 + progress::classreport::rowsPerPage - 1) / progress::classreport::rowsPerPage);
}

TEST(ClassReport, ThreeHundredPupilsStayReadableSmallAndQuick)
{
    QTemporaryDir dir;
    QStringList files;
    for (int i = 0; i < 300; ++i) {
        files << dir.filePath(QStringLiteral("pupil%1.csv").arg(i, 3, 10, QLatin1Char('0')));
        writeFile(files.back(), pupilRows("p" + std::to_string(i), 3, 60 + 2 * (i % 5)));
    }
    const QString pdf = dir.filePath(QStringLiteral("classe.pdf"));
    // The program's own processor time, which other programs on the machine
    // do not stretch as they stretch the time on the clock.
    auto childrenSeconds = [] {
        struct rusage usage {};
        ::getrusage(RUSAGE_CHILDREN, &usage);
        return static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
               static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
    };
    const double before = childrenSeconds();
    const Program r = runProgram(QStringList{QStringLiteral("--report")} << files << QStringLiteral("--out") << pdf,
                                 dir.path(), dir.path());
    const double seconds = childrenSeconds() - before;
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    const int comparison = static_cast<int>(progress::classreport::comparisonPages(300));
    EXPECT_GT(comparison, 1) << "rows of a readable height, on pages that follow";
    EXPECT_EQ(pdfPages(pdf), comparison + 300);
    // Every page its own picture made it 129 MB in 43 s (release build);
    // drawn over one shared paper it is a small part of that.
    EXPECT_LT(QFileInfo(pdf).size(), 16 * 1024 * 1024) << "bytes";
    EXPECT_LT(seconds, 60.0) << "processor seconds, in the sanitizer build";
}

TEST(Pupils, TheProgramKeepsEachPupilInTheDataFolder)
{
    QTemporaryDir data;
    QTemporaryDir work;
    const QString folder = data.filePath(QStringLiteral("tavelin-piano/pupils"));
    // No pupil yet: an empty list, and a report on one is refused.
    const Program empty = runProgram({QStringLiteral("--list-pupils")}, data.path(), work.path());
    EXPECT_EQ(empty.status, 0) << empty.err.toStdString();
    EXPECT_TRUE(empty.out.isEmpty()) << empty.out.toStdString();
    const Program unknown = runProgram({QStringLiteral("--report"), QStringLiteral("--pupil"), QStringLiteral("Léa")},
                                       data.path(), work.path());
    EXPECT_EQ(unknown.status, 2);
    EXPECT_TRUE(unknown.err.contains(QStringLiteral("no pupil called 'Léa'"))) << unknown.err.toStdString();

    ASSERT_TRUE(QDir().mkpath(folder));
    const QStringList pupils = {QStringLiteral("Léa Martin"), QStringLiteral("../Hugo"), QStringLiteral("Inès")};
    for (int i = 0; i < pupils.size(); ++i) {
        const auto file = progress::pupilFileName(pupils[i].toStdString());
        ASSERT_TRUE(file);
        writeFile(folder + QLatin1Char('/') + QString::fromStdString(*file),
                  pupilRows("q" + std::to_string(i), i + 2, 65));
    }
    const Program list = runProgram({QStringLiteral("--list-pupils")}, data.path(), work.path());
    ASSERT_EQ(list.status, 0) << list.err.toStdString();
    EXPECT_EQ(list.out, QStringLiteral("../Hugo\t3\t2024-09-03\nInès\t4\t2024-09-04\nLéa Martin\t2\t2024-09-02\n"));

    const Program one = runProgram({QStringLiteral("--report"), QStringLiteral("--pupil"), QStringLiteral("../Hugo")},
                                   data.path(), work.path());
    ASSERT_EQ(one.status, 0) << one.err.toStdString();
    EXPECT_TRUE(QFileInfo::exists(work.filePath(QStringLiteral("%2E.%2FHugo.png"))))
        << "the picture comes where the teacher is, named safely";

    const Program all = runProgram(
        {QStringLiteral("--report"), QStringLiteral("--pupil"), pupils[0], QStringLiteral("--pupil"), pupils[1],
         QStringLiteral("--pupil"), pupils[2], QStringLiteral("--out"), QStringLiteral("classe.pdf")},
        data.path(), work.path());
    ASSERT_EQ(all.status, 0) << all.err.toStdString();
    EXPECT_EQ(pdfPages(work.filePath(QStringLiteral("classe.pdf"))), 4);
    EXPECT_TRUE(all.out.contains(QStringLiteral("Léa Martin : 2 séances"))) << all.out.toStdString();
    EXPECT_TRUE(all.out.contains(QStringLiteral("../Hugo : 3 séances"))) << all.out.toStdString();
    EXPECT_FALSE(QFileInfo::exists(data.filePath(QStringLiteral("tavelin-piano/Hugo.csv"))));
}
