// One pupil, several computers: each computer's own files in the pupil's
// folder, the conflict copies sync programs leave, every reader counting
// each run once, the settings changed last winning, and a record carried
// by hand (--export-pupil, --import).
#include "progress/classreport.h"
#include "progress/computer.h"
#include "progress/practice.h"
#include "progress/pupilfolder.h"
#include "progress/pupils.h"
#include "progress/pupilstable.h"
#include "progress/recentstats.h"
#include "progress/report.h"
#include "progress/resultrow.h"
#include "progress/transfer.h"

#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include <fstream>
#include <map>

namespace fs = std::filesystem;
using progress::NoteResult;
using progress::Outcome;
namespace folder = progress::pupilfolder;
namespace transfer = progress::transfer;

namespace {

constexpr const char* home = "aaaaaaaaaaaaaaaa";
constexpr const char* school = "bbbbbbbbbbbbbbbb";

// The rows of one run of five notes, with the header when asked.
std::string run(const std::string& id, int day, bool header = false)
{
    std::string s = header ? std::string(progress::csv::header) + "\n" : std::string();
    for (int place = 1; place <= 5; ++place) {
        NoteResult r;
        r.started = "2024-09-" + std::string(day < 10 ? "0" : "") + std::to_string(day) + "T17:00:00+02:00";
        r.run = id;
        r.mode = 1;
        r.place = place;
        constexpr int white[] = {60, 62, 64, 65, 67};
        r.note = white[place - 1];
        r.outcome = place % 2 == 0 ? Outcome::Missed : Outcome::Right;
        if (r.outcome == Outcome::Right) {
            r.responseMs = 1000 + 10 * static_cast<std::uint32_t>(place);
        }
        progress::appendCsvRow(s, r);
    }
    return s;
}

// A results file of the runs named, each "id@day".
std::string results(std::initializer_list<std::pair<const char*, int>> runs)
{
    std::string s = std::string(progress::csv::header) + "\n";
    for (const auto& [id, day] : runs) {
        s += run(id, day);
    }
    return s;
}

void writeFile(const fs::path& path, const std::string& text)
{
    fs::create_directories(path.parent_path());
    std::ofstream out(path, std::ios::binary);
    out << text;
}

std::string readAll(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Every file under folder, by its path there, with its bytes.
std::map<std::string, std::string> snapshot(const fs::path& where)
{
    std::map<std::string, std::string> files;
    for (const fs::directory_entry& e : fs::recursive_directory_iterator(where)) {
        if (e.is_regular_file()) {
            files[fs::relative(e.path(), where).string()] = readAll(e.path());
        }
    }
    return files;
}

std::vector<std::string> strings(const std::vector<fs::path>& paths)
{
    std::vector<std::string> out;
    for (const fs::path& p : paths) {
        out.push_back(p.string());
    }
    return out;
}

// Léa's record as two computers and three sync programs left it: ten runs,
// most of them in more than one file.
void conflictedClass(const fs::path& p, bool reversed)
{
    std::vector<std::pair<fs::path, std::string>> files = {
        {p / "Léa.csv", results({{"old-1", 1}, {"old-2", 2}, {"old-3", 3}})},
        {p / "Léa.sync-conflict-20240905-101500-ABCDEFG.csv", results({{"old-1", 1}, {"old-2", 2}, {"old-4", 4}})},
        {p / "Léa (conflicted copy 2024-09-05 101500).csv", results({{"old-1", 1}, {"old-5", 5}})},
        {p / "Léa (Marc's conflicted copy 2024-09-06).csv", results({{"old-2", 2}, {"old-6", 6}})},
        {p / "Léa" / (std::string(home) + ".csv"),
         results({{"aaaaaaaaaaaaaaaa.00000001-1", 7}, {"aaaaaaaaaaaaaaaa.00000001-2", 8}})},
        {p / "Léa" / (std::string(school) + ".csv"), results({{"bbbbbbbbbbbbbbbb.00000002-1", 9}})},
        {p / "Léa" / (std::string(school) + ".sync-conflict-20240910-090000-QRSTUVW.csv"),
         results({{"bbbbbbbbbbbbbbbb.00000002-1", 9}, {"bbbbbbbbbbbbbbbb.00000002-2", 10}})},
        {p / "Léa" / (std::string(home) + ".host"), "maison\n"},
        {p / "Léa" / (std::string(school) + ".host"), "école\n"},
        {p / "Hugo.csv", results({{"h-1", 1}})},
    };
    if (reversed) {
        std::reverse(files.begin(), files.end());  // another order of arrival
    }
    for (const auto& [path, text] : files) {
        writeFile(path, text);
    }
}

}  // namespace

TEST(SeveralComputers, ConflictCopiesAreKnownByTheNamesSyncProgramsGiveThem)
{
    const struct {
        const char* name;
        const char* original;  // nullptr: no conflict copy
    } cases[] = {
        {"Léa.sync-conflict-20240902-170531-ABCDEFG.csv", "Léa.csv"},
        {"Léa Martin.sync-conflict-20240902-170531-ABCDEFG.ini", "Léa Martin.ini"},
        {"J. Dupont.sync-conflict-20240902-170531-ABCDEFG.csv", "J. Dupont.csv"},
        {"aaaaaaaaaaaaaaaa.sync-conflict-20240902-170531-ABCDEFG.csv", "aaaaaaaaaaaaaaaa.csv"},
        {"Léa (conflicted copy 2024-09-02 170531).csv", "Léa.csv"},
        {"Léa (conflicted copy marc 2024-09-02 170531).csv", "Léa.csv"},
        {"Léa (Marc's conflicted copy 2024-09-02).csv", "Léa.csv"},
        {"Léa (Marc's conflicted copy 2024-09-02 (1)).csv", nullptr},
        {"Léa (conflict copy 2024-09-02 170531).csv", "Léa.csv"},
        {"Léa.csv", nullptr},
        {"Léa (CE2).csv", nullptr},
        {"Léa.sync-conflict-2024-ABCDEFG.csv", nullptr},
        {".sync-conflict-20240902-170531-ABCDEFG.csv", nullptr},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const std::optional<std::string> original = progress::conflictOriginal(c.name);
        if (c.original == nullptr) {
            EXPECT_FALSE(original);
        } else {
            EXPECT_EQ(original.value_or("(none)"), c.original);
        }
    }
}

TEST(SeveralComputers, EveryReaderCountsEachRunOnceWhateverTheCopiesAndTheirOrder)
{
    QTemporaryDir dir;
    std::string said[2];
    for (const bool reversed : {false, true}) {
        SCOPED_TRACE(reversed ? "files made in the other order" : "files made in order");
        const fs::path p = fs::path(dir.path().toStdString()) / (reversed ? "two" : "one");
        conflictedClass(p, reversed);
        std::string error;
        const std::vector<fs::path> files = progress::pupilFiles(p, "Léa", &error);
        ASSERT_EQ(error, "");
        ASSERT_EQ(files.size(), 7U) << "the old file, three conflict copies, two computers' and one copy of theirs";
        EXPECT_EQ(files.front(), p / "Léa.csv") << "the old layout's file first";
        EXPECT_TRUE(progress::conflictOriginal(files.back().filename().string())) << "conflict copies last";

        // --list-pupils
        const std::vector<progress::PupilEntry> listed = progress::listPupils(p, &error);
        ASSERT_EQ(listed.size(), 2U) << "Hugo and Léa: no conflict copy passes for a pupil";
        EXPECT_EQ(listed[1].name, "Léa");
        EXPECT_EQ(listed[1].runs, 10);
        // --report --pupil Léa
        const progress::ReportRun report = progress::readReport({"Léa", strings(files)}, (p / "x.png").string());
        ASSERT_EQ(report.status, 0) << report.error;
        EXPECT_EQ(report.summary.runCount, 10U);
        EXPECT_EQ(report.summary.rows, 50U);
        EXPECT_EQ(report.summary.skipped, 0U) << "a run read twice is no line skipped";
        said[reversed ? 1 : 0] = progress::summaryText(report.summary, "Léa", "", report.computers);
        // the pupils window
        const std::vector<folder::Entry> rows = folder::list(p, &error);
        ASSERT_EQ(rows.size(), 2U);
        const progress::PupilRead read = progress::readPupilFiles(rows[1].files);
        ASSERT_TRUE(read.summary) << read.problem;
        EXPECT_EQ(read.summary->runCount, 10U);
        // the class report
        const progress::ClassReportRun klass = progress::readClassReport(
            {{"Léa", strings(files)}, {"Hugo", {(p / "Hugo.csv").string()}}}, (p / "class.pdf").string());
        ASSERT_EQ(klass.pupils.size(), 2U);
        EXPECT_EQ(klass.pupils[0].summary.runCount, 10U);
        // --focus
        const std::optional<progress::RecentNoteStats> recent = progress::readRecentStats(strings(files), &error, "");
        ASSERT_TRUE(recent) << error;
        EXPECT_EQ(recent->runs(), 10);
    }
    EXPECT_EQ(said[0], said[1]) << "the same files, however they arrived, say the same";
    EXPECT_NE(said[0].find("Par ordinateur : sans ordinateur connu, 6 séances (60\u00a0%) ; maison, 2 séances "
                           "(60\u00a0%) ; école, 2 séances (60\u00a0%)."),
              std::string::npos)
        << said[0];
}

TEST(SeveralComputers, ThePupilsListTellsTheComputersApartInTheTipOfTheRuns)
{
    QTemporaryDir dir;
    const fs::path p = fs::path(dir.path().toStdString());
    conflictedClass(p, false);
    progress::PupilsTableModel model;
    model.load(p);
    ASSERT_TRUE(QTest::qWaitFor([&] { return model.filesRead() == model.rowCount(); }, 20000));
    const int lea = model.rowOf(QStringLiteral("Léa"));
    ASSERT_GE(lea, 0);
    EXPECT_EQ(model.data(model.index(lea, progress::PupilsTableModel::Runs)).toString(), QStringLiteral("10"));
    const QString tip = model.data(model.index(lea, progress::PupilsTableModel::Runs), Qt::ToolTipRole).toString();
    EXPECT_TRUE(tip.contains(QStringLiteral("maison, 2 séances")) && tip.contains(QStringLiteral("école, 2 séances")))
        << tip.toStdString();
    const int hugo = model.rowOf(QStringLiteral("Hugo"));
    EXPECT_FALSE(model.data(model.index(hugo, progress::PupilsTableModel::Runs), Qt::ToolTipRole).isValid())
        << "one computer: nothing more";

    // A run of another computer synced since the list was read: read again, it counts.
    writeFile(p / "Léa" / "cccccccccccccccc.csv", results({{"cccccccccccccccc.00000003-1", 11}}));
    model.reread(QStringLiteral("Léa"));
    ASSERT_TRUE(QTest::qWaitFor(
        [&] { return model.data(model.index(lea, progress::PupilsTableModel::Runs)).toString() == "11"; }, 20000));
}

TEST(SeveralComputers, OnePupilsRunsStayUnsplitWithOneComputer)
{
    QTemporaryDir dir;
    const fs::path p = fs::path(dir.path().toStdString());
    writeFile(p / "Léa" / (std::string(home) + ".csv"), results({{"aaaaaaaaaaaaaaaa.00000001-1", 7}}));
    std::string error;
    const progress::ReportRun report =
        progress::readReport({"Léa", strings(progress::pupilFiles(p, "Léa", &error))}, (p / "x.png").string());
    EXPECT_EQ(progress::summaryText(report.summary, "Léa", "", report.computers).find("Par ordinateur"),
              std::string::npos)
        << "one computer: the page says nothing of computers";
}

TEST(SeveralComputers, TheComputerIdIsMadeOnceAndKept)
{
    QTemporaryDir dir;
    const fs::path file = fs::path(dir.path().toStdString()) / "tavelin-piano" / "computer.ini";
    std::string error;
    const std::optional<progress::Computer> first = progress::thisComputer(file, &error);
    ASSERT_TRUE(first) << error;
    EXPECT_TRUE(progress::isComputerId(first->id));
    EXPECT_EQ(first->name, progress::hostName());
    EXPECT_EQ(progress::thisComputer(file, &error), first) << "kept, not made again";

    // Its owner names it.
    writeFile(file, "# Tavelin Piano : cet ordinateur\nid=" + first->id + "\nnom=à la maison\n");
    EXPECT_EQ(progress::thisComputer(file, &error)->name, "à la maison");

    writeFile(file, "id=not ours\n");
    EXPECT_FALSE(progress::thisComputer(file, &error)) << "a damaged file gives no id";
    EXPECT_NE(error, "");
    EXPECT_EQ(readAll(file), "id=not ours\n") << "and is left as it is";

    const fs::path other = fs::path(dir.path().toStdString()) / "other" / "computer.ini";
    EXPECT_NE(progress::thisComputer(other, &error)->id, first->id) << "two computers, two ids";
    EXPECT_EQ(progress::computerFile("/data", "/home/x"), fs::path("/data/tavelin-piano/computer.ini"));
    EXPECT_EQ(progress::computerFile("rel", "/home/x"), fs::path("/home/x/.local/share/tavelin-piano/computer.ini"));
}

TEST(SeveralComputers, TheSettingsChangedLastWinAndNothingHalfWrittenIsTaken)
{
    QTemporaryDir dir;
    const fs::path p = fs::path(dir.path().toStdString());
    const progress::practice::Settings old{false, exercise::NoteRange{60, 72}, {}};
    const progress::practice::Settings atHome{true, std::nullopt, {}};
    const progress::practice::Settings atSchool{false, exercise::NoteRange{52, 89}, {}};
    std::string error;
    EXPECT_EQ(progress::practice::readPupil(p, "Léa", &error), progress::practice::Settings{}) << "none: defaults";

    ASSERT_EQ(progress::practice::write(p / "Léa.ini", old), "");
    EXPECT_EQ(progress::practice::readPupil(p, "Léa", &error), old) << "the old layout's file still reads";

    ASSERT_EQ(progress::practice::writePupil(p, "Léa", home, atHome, "2024-09-02T15:05:31.204Z"), "");
    EXPECT_EQ(progress::practice::readPupil(p, "Léa", &error), atHome) << "a stamped change wins over the old file";
    // Changed at school while apart, later (the stamps are UTC: the time
    // zones do not matter).
    ASSERT_EQ(progress::practice::writePupil(p, "Léa", school, atSchool, "2024-09-02T15:06:00.000Z"), "");
    EXPECT_EQ(progress::practice::readPupil(p, "Léa", &error), atSchool);
    // A conflict copy of the school's file, older.
    writeFile(p / "Léa" / (std::string(school) + ".sync-conflict-20240902-170000-ABCDEFG.ini"),
              progress::practice::text(old) + "modifié=2024-09-01T10:00:00.000Z\n");
    EXPECT_EQ(progress::practice::readPupil(p, "Léa", &error), atSchool);
    // The home computer's file half there, as a sync program may leave it
    // for a moment, with a later stamp: passed over.
    writeFile(p / "Léa" / (std::string(home) + ".ini"), "focus=peut-être\nmodifié=2024-09-03T00:00:00.000Z\n");
    EXPECT_EQ(progress::practice::readPupil(p, "Léa", &error), atSchool);
    EXPECT_EQ(readAll(p / "Léa.ini"), progress::practice::text(old)) << "no file but this computer's is written";
    EXPECT_EQ(progress::practice::stampOf(progress::practice::text(old)), "");
    EXPECT_EQ(progress::practice::utcStamp().size(), 24U);
}

TEST(SeveralComputers, AnExportedRecordGoesBackEqualOnceAndAnythingElseChangesNothing)
{
    QTemporaryDir dir;
    const fs::path p = fs::path(dir.path().toStdString()) / "pupils";
    conflictedClass(p, false);
    ASSERT_EQ(progress::practice::writePupil(p, "Léa", home, {true, exercise::NoteRange{60, 72}, {}},
                                             "2024-09-02T15:05:31.204Z"),
              "");
    const progress::Computer here{"cccccccccccccccc", "salle 2"};
    const fs::path out = fs::path(dir.path().toStdString()) / "Léa.txt";
    std::size_t runs = 0;
    ASSERT_EQ(transfer::exportPupil(p, "Léa", out.string(), &runs), "");
    EXPECT_EQ(runs, 10U);
    EXPECT_NE(transfer::exportPupil(p, "Léa", (p / "Léa.csv").string()), "") << "never over one of her files";
    EXPECT_EQ(transfer::recordName(out.string()), "Léa");

    // Into a pupil of another class, and back out: equal.
    const fs::path other = fs::path(dir.path().toStdString()) / "other";
    transfer::Imported imported;
    ASSERT_EQ(transfer::importFile(other, out.string(), "", here, &imported), "");
    EXPECT_EQ(imported.pupil, "Léa");
    EXPECT_EQ(imported.added, 10U);
    std::string error;
    EXPECT_EQ(transfer::exportText(other, "Léa", &error), readAll(out)) << "the round trip gives the record back";
    EXPECT_EQ(progress::practice::readPupil(other, "Léa", &error),
              (progress::practice::Settings{true, exercise::NoteRange{60, 72}, {}}))
        << "her settings came along to a pupil who had none";

    // Twice: nothing added, nothing written.
    const auto before = snapshot(other);
    ASSERT_EQ(transfer::importFile(other, out.string(), "", here, &imported), "");
    EXPECT_EQ(imported.added, 0U);
    EXPECT_EQ(imported.known, 10U);
    EXPECT_EQ(snapshot(other), before);
    // Into the class it came from: every run is there already.
    const auto original = snapshot(p);
    ASSERT_EQ(transfer::importFile(p, out.string(), "", here, &imported), "");
    EXPECT_EQ(imported.added, 0U);
    EXPECT_EQ(snapshot(p), original);

    // A results file the program wrote merges too, into the pupil named.
    const fs::path csv = fs::path(dir.path().toStdString()) / "hugo.csv";
    writeFile(csv, results({{"h-1", 1}, {"h-2", 2}}));
    EXPECT_NE(transfer::importFile(p, csv.string(), "", here, &imported), "") << "a results file names no pupil";
    ASSERT_EQ(transfer::importFile(p, csv.string(), "Hugo", here, &imported), "");
    EXPECT_EQ(imported.added, 1U) << "h-1 was hers already";
    EXPECT_EQ(progress::listPupils(p, &error)[0].runs, 2);

    // Foreign, cut short, damaged: refused with the reason, nothing changed.
    const std::string record = readAll(out);
    const std::string cutAtLine = record.substr(0, record.rfind('\n', record.size() - 2) + 1);
    const std::size_t rowLine = record.find("\n2024") + 1;
    std::string damaged = record;
    damaged.replace(rowLine, 10, "2024-13-45");
    const struct {
        const char* what;
        std::string text;
        const char* reason;
    } refused[] = {
        {"foreign", "name,score\nLéa,12\n", "ni un dossier d'élève"},
        {"empty", "", "ni un dossier d'élève"},
        {"cut mid-line", record.substr(0, record.size() / 2), "coupée"},
        {"cut at a line's end", cutAtLine, "incomplet"},
        {"a row damaged", damaged, "abîmé"},
        {"a count that lies", record.substr(0, rowLine) + record.substr(record.find('\n', rowLine) + 1), "incomplet"},
        {"a results file cut mid-line", results({{"z-1", 1}}).substr(0, 150), "coupée"},
    };
    const auto class1 = snapshot(p);
    for (const auto& r : refused) {
        SCOPED_TRACE(r.what);
        const fs::path bad = fs::path(dir.path().toStdString()) / "bad.txt";
        writeFile(bad, r.text);
        const std::string why = transfer::importFile(p, bad.string(), "Léa", here, &imported);
        EXPECT_NE(why.find(r.reason), std::string::npos) << why;
        EXPECT_EQ(snapshot(p), class1) << "the pupils' files are byte for byte as they were";
    }
}

TEST(SeveralComputers, AnInterruptedRenameEndsWhenDoneAgainAndLosesNothing)
{
    // A rename moves the old file, its settings, the pupil's folder and a
    // conflict copy, one at a time. Stopped after any of them (as the
    // program killed there), the pupil's runs are all there under one name
    // or the other, and the same rename again finishes it.
    QTemporaryDir dir;
    for (std::size_t done = 0; done <= 4; ++done) {
        SCOPED_TRACE("stopped after " + std::to_string(done) + " moves");
        const fs::path p = fs::path(dir.path().toStdString()) / std::to_string(done);
        writeFile(p / "Léa.csv", results({{"old-1", 1}, {"old-2", 2}}));
        writeFile(p / "Léa.ini", progress::practice::text({true, std::nullopt, {}}));
        writeFile(p / "Léa.sync-conflict-20240905-101500-ABCDEFG.csv", results({{"old-1", 1}, {"old-3", 3}}));
        writeFile(p / "Léa" / (std::string(home) + ".csv"), results({{"aaaaaaaaaaaaaaaa.00000001-1", 7}}));
        const auto before = snapshot(p);
        ASSERT_EQ(folder::rename(p, "Léa", "Léa M", done), "");
        std::string error;
        int runs = 0;
        for (const progress::PupilEntry& e : progress::listPupils(p, &error)) {
            runs += e.runs;
        }
        EXPECT_GE(runs, 4) << "every run is still somewhere";
        const std::string again = folder::rename(p, "Léa", "Léa M");
        EXPECT_EQ(again, done < 4 ? "" : "pas d'élève « Léa »");
        const auto listed = progress::listPupils(p, &error);
        ASSERT_EQ(listed.size(), 1U);
        EXPECT_EQ(listed[0].name, "Léa M");
        EXPECT_EQ(listed[0].runs, 4);
        std::map<std::string, std::string> renamed;
        for (const auto& [file, bytes] : before) {
            std::string moved = file;
            moved.replace(0, std::string("Léa").size(), "Léa M");
            renamed[moved] = bytes;
        }
        EXPECT_EQ(snapshot(p), renamed) << "every byte under the new name, and nothing more";
    }
}

TEST(SeveralComputers, ARenameNeverJoinsTwoPupils)
{
    QTemporaryDir dir;
    const fs::path p = fs::path(dir.path().toStdString());
    writeFile(p / "Léa.csv", results({{"old-1", 1}}));
    writeFile(p / "Hugo" / (std::string(school) + ".csv"), results({{"h-1", 1}}));
    const auto before = snapshot(p);
    EXPECT_NE(folder::rename(p, "Léa", "Hugo"), "") << "Hugo has a folder and no old file: still Hugo";
    EXPECT_EQ(snapshot(p), before);
    EXPECT_EQ(folder::restore(p, "Hugo"), "pas d'élève « Hugo »") << "none archived";
    ASSERT_EQ(folder::archive(p, "Hugo"), "");
    writeFile(p / "Hugo" / (std::string(home) + ".csv"), results({{"h-2", 2}}));
    EXPECT_NE(folder::restore(p, "Hugo"), "") << "a Hugo came back meanwhile (a sync): the archived one waits";
    EXPECT_EQ(readAll(p / "archive" / "Hugo" / (std::string(school) + ".csv")),
              before.at("Hugo/" + std::string(school) + ".csv"));
}

TEST(SeveralComputers, APupilCalledArchiveKeepsAFolderOfTheirOwn)
{
    EXPECT_EQ(progress::pupilFolderName("archive"), "%61rchive");
    EXPECT_EQ(progress::pupilNameOfFolder("%61rchive"), "archive");
    EXPECT_FALSE(progress::pupilNameOfFolder("archive")) << "the archive is no pupil";
    EXPECT_EQ(progress::pupilFolderName("Léa Martin"), "Léa Martin");
    EXPECT_EQ(progress::pupilNameOfFolder("Léa Martin"), "Léa Martin");
    EXPECT_FALSE(progress::pupilNameOfFolder(".stfolder")) << "a sync program's own folder is no pupil";

    QTemporaryDir dir;
    const fs::path p = fs::path(dir.path().toStdString());
    const progress::Computer here{home, "maison"};
    ASSERT_EQ(folder::add(p, "archive", here), "");
    ASSERT_EQ(folder::add(p, "Léa", here), "");
    ASSERT_EQ(folder::archive(p, "Léa"), "");
    std::string error;
    const auto pupils = folder::list(p, &error);
    ASSERT_EQ(pupils.size(), 1U);
    EXPECT_EQ(pupils[0].name, "archive");
    const auto archived = folder::listArchive(p, &error);
    ASSERT_EQ(archived.size(), 1U);
    EXPECT_EQ(archived[0].name, "Léa");
    EXPECT_EQ(folder::restore(p, "Léa"), "");
    EXPECT_EQ(folder::list(p, &error).size(), 2U);
}
