// The variant, key and phrase place columns: rows of either width, files
// begun before them kept as they are for the drill and upgraded once for a
// variant, the readers and the record carried by hand reading both.
#include "progress/report.h"
#include "progress/resultrow.h"
#include "progress/results.h"
#include "progress/statistics.h"
#include "progress/transfer.h"
#include "progress/tests/progressrig.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <algorithm>
#include <barrier>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <thread>

#include <sys/stat.h>

namespace fs = std::filesystem;
using exercise::VariantKind;
using progress::NoteResult;
using progress::Outcome;
using progress::ResultsFile;

namespace {

std::string readAll(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

void writeFile(const fs::path& path, const std::string& text)
{
    fs::create_directories(path.parent_path());
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << text;
}

NoteResult note(const std::string& run, int place, VariantKind variant = VariantKind::Drill)
{
    NoteResult r;
    r.started = "2024-09-0" + std::to_string(1 + place % 9) + "T17:00:00+02:00";
    r.run = run;
    r.mode = 2;
    r.place = place;
    r.note = 60 + place % 12;
    r.accidental = art::pitch::isBlackKey(r.note) ? art::Accidental::Flat : art::Accidental::None;
    r.outcome = place % 3 == 0 ? Outcome::Missed : Outcome::Right;
    if (r.outcome == Outcome::Right) {
        r.responseMs = 900 + static_cast<std::uint32_t>(place);
    }
    r.variant = variant;
    if (variant == VariantKind::Key) {
        r.fifths = place % 9 - 4;
    } else if (variant == VariantKind::Phrase) {
        r.phrasePlace = 1 + (place - 1) % 8;
    }
    return r;
}

// One run of n notes, all started at once, as appendCsvRow writes them.
std::string runRows(const std::string& run, int n, VariantKind variant = VariantKind::Drill,
                    progress::RowWidth width = progress::RowWidth::Short)
{
    std::string text;
    for (int place = 1; place <= n; ++place) {
        NoteResult r = note(run, place, variant);
        r.started = "2024-09-02T17:00:00+02:00";
        progress::appendCsvRow(text, r, width);
    }
    return text;
}

std::string oldHeader()
{
    return std::string(progress::csv::header) + "\n";
}

std::string fullHeader()
{
    return std::string(progress::csv::fullHeader) + "\n";
}

ino_t inodeOf(const fs::path& path)
{
    struct stat st {};
    EXPECT_EQ(::stat(path.c_str(), &st), 0);
    return st.st_ino;
}

struct Folder {
    QTemporaryDir dir;
    fs::path path(const char* name) const { return fs::path(dir.path().toStdString()) / name; }
};

}  // namespace

TEST(VariantRows, EveryKindReadsBackInEitherWidth)
{
    using progress::RowWidth;
    for (const VariantKind kind : {VariantKind::Drill, VariantKind::Ear, VariantKind::Key, VariantKind::Phrase}) {
        for (const int place : {1, 4, 8, 9}) {
            for (const RowWidth width : {RowWidth::Short, RowWidth::Full}) {
                const NoteResult r = note("v-1", place, kind);
                std::string line;
                progress::appendCsvRow(line, r, width);
                const bool full = width == RowWidth::Full || kind != VariantKind::Drill;
                EXPECT_EQ(std::count(line.begin(), line.end(), ','), full ? 13 : 10) << line;
                line.pop_back();
                EXPECT_EQ(progress::parseCsvRow(line), r) << line;
                EXPECT_EQ(progress::parseCsvRow(line + "\r"), r) << line;
            }
        }
    }
    EXPECT_EQ(progress::parseCsvRow("2024-09-02T17:05:31+02:00,s-1,2,3,66,treble,sharp,missed,no,,,key,-4,")->fifths,
              -4);
    EXPECT_FALSE(progress::parseCsvRow(progress::csv::fullHeader).has_value());
    EXPECT_EQ(std::count(progress::csv::fullHeader.begin(), progress::csv::fullHeader.end(), ',') + 1,
              progress::csv::fullColumns);

    const std::string start = "2024-09-02T17:05:31+02:00,s-1,2,3,66,treble,sharp,missed,no,,";
    for (const char* bad :
         {",", ",,", ",,,,", ",ear,1,", ",ear,,1", ",key,,", ",key,5,", ",key,-5,", ",key,+1,", ",phrase,,",
          ",phrase,,0", ",phrase,,9", ",phrase,2,3", ",drill,,", ",Ear,,", ",,1,", ",,,1"}) {
        EXPECT_FALSE(progress::parseCsvRow(start + bad).has_value()) << bad;
    }
}

TEST(VariantRows, AnOldFileStaysByteForByteWhileOnlyDrillRowsGoIn)
{
    Folder f;
    const fs::path path = f.path("old.csv");
    const std::string before = oldHeader() + runRows("a-1", 3);
    writeFile(path, before);
    ResultsFile file(path.string());
    ASSERT_EQ(file.append({}), "");
    ASSERT_EQ(file.append(runRows("b-1", 2)), "");
    // Drill rows given in all fourteen columns go in as eleven all the same.
    ASSERT_EQ(file.append(runRows("c-1", 2, VariantKind::Drill, progress::RowWidth::Full)), "");
    EXPECT_EQ(readAll(path), before + runRows("b-1", 2) + runRows("c-1", 2));
}

TEST(VariantRows, ARowOfAVariantUpgradesAnOldFileOnceLosingNothing)
{
    Folder f;
    const fs::path path = f.path("old.csv");
    // Two files joined end to end, a line of something else, a CRLF row and
    // a last line cut short by a crash.
    const std::string damaged = "not a row, at all\n";
    std::string crlf = runRows("b-1", 1);
    crlf.insert(crlf.size() - 1, "\r");
    const std::string cut = "2024-09-02T17:00:00+02:00,c-1,2,1,6";
    writeFile(path, oldHeader() + runRows("a-1", 3) + oldHeader() + damaged + crlf + cut);
    ASSERT_EQ(::chmod(path.c_str(), 0640), 0);
    const ino_t old = inodeOf(path);
    const std::vector<NoteResult> before = [&] {
        std::vector<NoteResult> rows;
        for (const std::string& line : progress_testing::lines(readAll(path))) {
            if (auto r = progress::parseCsvRow(line)) {
                rows.push_back(*r);
            }
        }
        return rows;
    }();
    ASSERT_EQ(before.size(), 4U);

    ResultsFile file(path.string());
    ASSERT_EQ(file.append(runRows("k-1", 2, VariantKind::Key)), "");
    std::string widenedCrlf = runRows("b-1", 1, VariantKind::Drill, progress::RowWidth::Full);
    widenedCrlf.insert(widenedCrlf.size() - 1, "\r");
    const std::string upgraded = fullHeader() + runRows("a-1", 3, VariantKind::Drill, progress::RowWidth::Full) +
                                 fullHeader() + damaged + widenedCrlf + cut + "\n" +
                                 runRows("k-1", 2, VariantKind::Key);
    EXPECT_EQ(readAll(path), upgraded);
    EXPECT_NE(inodeOf(path), old) << "renamed into place";
    struct stat st {};
    ASSERT_EQ(::stat(path.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0640U) << "its mode kept";
    EXPECT_EQ(std::distance(fs::directory_iterator(f.path("")), fs::directory_iterator()), 1)
        << "no temporary file left";
    std::vector<NoteResult> after;
    for (const std::string& line : progress_testing::lines(readAll(path))) {
        if (auto r = progress::parseCsvRow(line)) {
            after.push_back(*r);
        }
    }
    ASSERT_EQ(after.size(), before.size() + 2);
    EXPECT_TRUE(std::equal(before.begin(), before.end(), after.begin())) << "every old row reads as it did";

    // Done once: later rows of either kind are added to, in fourteen columns.
    const ino_t now = inodeOf(path);
    ASSERT_EQ(file.append(runRows("d-1", 2) + runRows("p-1", 2, VariantKind::Phrase)), "");
    EXPECT_EQ(readAll(path), upgraded + runRows("d-1", 2, VariantKind::Drill, progress::RowWidth::Full) +
                                 runRows("p-1", 2, VariantKind::Phrase));
    EXPECT_EQ(inodeOf(path), now);
}

TEST(VariantRows, ANewFileOfTheDrillIsAsItWasAndOneOfAVariantHasTheFourteenColumns)
{
    Folder f;
    const fs::path path = f.path("new.csv");
    ResultsFile file(path.string());
    ASSERT_EQ(file.append({}), "");
    EXPECT_EQ(readAll(path), oldHeader()) << "a new file of the drill alone";
    ASSERT_EQ(file.append(runRows("a-1", 2)), "");
    EXPECT_EQ(readAll(path), oldHeader() + runRows("a-1", 2));

    const fs::path other = f.path("other.csv");
    ResultsFile variant(other.string());
    ASSERT_EQ(variant.append(runRows("e-1", 2, VariantKind::Ear)), "");
    ASSERT_EQ(variant.append(runRows("a-1", 2)), "");
    EXPECT_EQ(readAll(other), fullHeader() + runRows("e-1", 2, VariantKind::Ear) +
                                  runRows("a-1", 2, VariantKind::Drill, progress::RowWidth::Full));
}

// Writers of drill runs and of key runs at once on an old file: whichever
// upgrades it, the others find its name taken and go on in the new one.
TEST(VariantRows, WritersAtOnceOnAnOldFileKeepEveryRunWhole)
{
    Folder f;
    const fs::path path = f.path("shared.csv");
    writeFile(path, oldHeader() + runRows("z-1", 5));
    constexpr int writers = 4;
    constexpr int runs = 10;
    std::barrier start(writers);
    std::vector<std::thread> threads;
    threads.reserve(writers);
    for (int w = 0; w < writers; ++w) {
        threads.emplace_back([&, w] {
            ResultsFile file(path.string());
            start.arrive_and_wait();
            for (int i = 0; i < runs; ++i) {
                const VariantKind kind = w % 2 == 0 ? VariantKind::Drill : VariantKind::Key;
                EXPECT_EQ(file.append(runRows(std::to_string(w) + "-" + std::to_string(i), 5, kind)), "");
            }
        });
    }
    for (std::thread& t : threads) {
        t.join();
    }
    const std::vector<std::string> all = progress_testing::lines(readAll(path));
    ASSERT_EQ(all.size(), 1U + 5 * (1 + writers * runs));
    EXPECT_EQ(all[0], progress::csv::fullHeader);
    std::map<std::string, int> places;
    for (std::size_t i = 1; i < all.size(); ++i) {
        const auto r = progress::parseCsvRow(all[i]);
        ASSERT_TRUE(r.has_value()) << all[i];
        EXPECT_EQ(std::count(all[i].begin(), all[i].end(), ','), 13) << all[i];
        EXPECT_EQ(r->place, ++places[r->run]) << "run " << r->run << " cut or mixed";
    }
    EXPECT_EQ(places.size(), 1U + writers * runs);
    EXPECT_EQ(std::distance(fs::directory_iterator(f.path("")), fs::directory_iterator()), 1);
}

TEST(VariantRows, TheReportReadsOldFilesBesideAndJoinedToUpgradedOnes)
{
    Folder f;
    const fs::path copy = f.path("copy.csv");
    const fs::path path = f.path("mixed.csv");
    const std::string old = oldHeader() + runRows("a-1", 6) + runRows("b-1", 6);
    writeFile(copy, old);
    writeFile(path, old);
    ASSERT_EQ(ResultsFile(path.string()).append(runRows("k-1", 6, VariantKind::Key)), "");

    // An old file's text with the upgraded one's after it.
    const progress::ResultsSummary s = progress::summarize(oldHeader() + runRows("x-1", 6) + readAll(path));
    EXPECT_EQ(s.skipped, 0U) << "both headers are headers";
    EXPECT_EQ(s.runCount, 4U);
    EXPECT_EQ(s.rows, 24U);
    const progress::ResultsSummary drill = progress::summarize(old + runRows("x-1", 6) + runRows("k-1", 6));
    EXPECT_EQ(s.right, drill.right);
    EXPECT_EQ(s.missed, drill.missed);
    EXPECT_EQ(s.medianMs, drill.medianMs);

    // The old copy and the upgraded file as one pupil's: each run once.
    const progress::ReportRun report =
        progress::readReport({"Léa", {copy.string(), path.string()}}, f.path("r.png").string());
    EXPECT_EQ(report.status, 0) << report.error;
    EXPECT_EQ(report.summary.runCount, 3U);
    EXPECT_EQ(report.summary.repeated, 12U);
    EXPECT_EQ(report.summary.skipped, 0U);
}

TEST(VariantRows, RecordsCarryTheNewColumnsAndOldOnesStillImport)
{
    Folder f;
    const fs::path pupils = f.path("pupils");
    const progress::Computer here{"cccccccccccccccc", "salle 2"};
    // A record as the release before the variants exported it.
    const fs::path old = f.path("old.txt");
    const std::string oldRows = runRows("a-1", 3) + runRows("b-1", 2);
    writeFile(old, "# Tavelin Piano : dossier d'élève\nélève=Léa\nfocus=non\nnotes=36-89\n" + oldHeader() + oldRows +
                       "# fin : 5 lignes\n");
    progress::transfer::Imported imported;
    ASSERT_EQ(progress::transfer::importFile(pupils, old.string(), "", here, &imported), "");
    EXPECT_EQ(imported.added, 2U);
    std::string error;
    EXPECT_EQ(progress::transfer::resultsText(pupils, "Léa", &error), oldHeader() + oldRows)
        << "drill rows only: the eleven columns, as before";

    // A run in a key and one in phrases join them: the record has them all.
    const fs::path csv = f.path("more.csv");
    const std::string more = runRows("k-1", 2, VariantKind::Key) + runRows("p-1", 8, VariantKind::Phrase);
    writeFile(csv, fullHeader() + more);
    ASSERT_EQ(progress::transfer::importFile(pupils, csv.string(), "Léa", here, &imported), "");
    EXPECT_EQ(imported.added, 2U);
    const fs::path out = f.path("Léa.txt");
    ASSERT_EQ(progress::transfer::exportPupil(pupils, "Léa", out.string()), "");
    const std::string record = readAll(out);
    const std::string wideRows = runRows("a-1", 3, VariantKind::Drill, progress::RowWidth::Full) +
                                 runRows("b-1", 2, VariantKind::Drill, progress::RowWidth::Full) + more;
    EXPECT_NE(record.find(fullHeader() + wideRows + "# fin : 15 lignes\n"), std::string::npos) << record;

    // Into another class and out again: the same record.
    const fs::path other = f.path("other");
    ASSERT_EQ(progress::transfer::importFile(other, out.string(), "", here, &imported), "");
    EXPECT_EQ(imported.added, 4U);
    EXPECT_EQ(progress::transfer::exportText(other, "Léa", &error), record);
}

TEST(VariantRows, ALongOldFileIsUpgradedWhole)
{
    Folder f;
    const fs::path path = f.path("long.csv");
    std::string before = oldHeader();
    std::string after = fullHeader();
    for (int run = 1; run <= 6; ++run) {
        before += runRows("l-" + std::to_string(run), 999);
        after += runRows("l-" + std::to_string(run), 999, VariantKind::Drill, progress::RowWidth::Full);
    }
    ASSERT_GT(before.size(), std::size_t{4} << 16) << "read in several blocks";
    writeFile(path, before);
    ASSERT_EQ(ResultsFile(path.string()).append(runRows("e-1", 2, VariantKind::Ear)), "");
    EXPECT_EQ(readAll(path), after + runRows("e-1", 2, VariantKind::Ear));
}

TEST(VariantRows, TheCollectorWritesWhatTheRunSays)
{
    exercise::FinishedRun run;
    run.mode = 3;
    exercise::FinishedNote drill;
    drill.place = 1;
    drill.note = 64;
    exercise::FinishedNote key = drill;
    key.place = 2;
    key.variant = VariantKind::Key;
    key.fifths = -3;
    exercise::FinishedNote phrase = drill;
    phrase.place = 3;
    phrase.variant = VariantKind::Phrase;
    phrase.phrasePlace = 7;
    exercise::FinishedNote alto = drill;  // a drill note in a C clef
    alto.place = 4;
    alto.note = 55;
    alto.written.clef = keyboard::pitch::Clef::Bass;
    alto.cClef = keyboard::pitch::StaffClef::Alto;
    run.notes = {drill, key, phrase, alto};
    progress::RunCollector collector([] { return std::string("2024-09-02T17:00:00+02:00"); }, "s", {});
    collector.runStarted(3, 0);
    const std::vector<NoteResult> rows = collector.rowsOf(run);
    ASSERT_EQ(rows.size(), 4U);
    EXPECT_TRUE(progress::isDrillRow(rows[0]));
    EXPECT_FALSE(progress::isDrillRow(rows[3])) << "the drill's records are of the treble and bass clefs";
    EXPECT_EQ(rows[0].fifths, std::nullopt);
    EXPECT_EQ(rows[1].variant, VariantKind::Key);
    EXPECT_EQ(rows[1].fifths, -3);
    EXPECT_EQ(rows[2].variant, VariantKind::Phrase);
    EXPECT_EQ(rows[2].phrasePlace, 7);
    std::string text;
    for (const NoteResult& r : rows) {
        progress::appendCsvRow(text, r);
    }
    EXPECT_EQ(progress_testing::lines(text),
              (std::vector<std::string>{"2024-09-02T17:00:00+02:00,s-1,3,1,64,treble,none,missed,no,,",
                                        "2024-09-02T17:00:00+02:00,s-1,3,2,64,treble,none,missed,no,,,key,-3,",
                                        "2024-09-02T17:00:00+02:00,s-1,3,3,64,treble,none,missed,no,,,phrase,,7",
                                        "2024-09-02T17:00:00+02:00,s-1,3,4,55,alto,none,missed,no,,,,,"}));
    for (const NoteResult& r : rows) {
        std::string row;
        progress::appendCsvRow(row, r);
        row.pop_back();
        EXPECT_EQ(progress::parseCsvRow(row), r) << row;
    }
    EXPECT_EQ(progress::parseCsvRow("2024-09-02T17:00:00+02:00,s-1,5,4,70,tenor,flat,right,no,900,,,,")->cClef,
              keyboard::pitch::StaffClef::Tenor);
    EXPECT_EQ(progress::parseCsvRow("2024-09-02T17:00:00+02:00,s-1,5,4,70,soprano,flat,right,no,900,,,,"),
              std::nullopt);
}
