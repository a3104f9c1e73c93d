// The recent records that --focus weights the draw by: which rows count, and
// a results file read with bounded memory, whatever it holds.
#include "exercise/focus.h"
#include "progress/recentstats.h"

#include <gtest/gtest.h>

#include <future>
#include <mutex>
#include <vector>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

constexpr const char* header = "started,run,mode,place,note,clef,accidental,outcome,sounded,response_ms,wrong_keys\n";

struct TempFolder {
    TempFolder()
    {
        std::string pattern = (fs::temp_directory_path() / "tavelin-recent-XXXXXX").string();
        path = ::mkdtemp(pattern.data());
    }
    ~TempFolder() { fs::remove_all(path); }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;
    fs::path path;
};

void writeFile(const fs::path& path, const std::string& text)
{
    std::ofstream out(path, std::ios::binary);
    out << text;
}

std::string row(const std::string& run, int place, int note, const char* outcome, const char* ms)
{
    return "2024-09-02T17:02:00+02:00," + run + ",1," + std::to_string(place) + "," + std::to_string(note) +
           ",treble,none," + outcome + ",no," + ms + ",\n";
}

// Two runs of mi 3 and fa 3 answered, slowly and quickly.
std::string answeredRuns()
{
    std::string text;
    text += row("aa-1", 1, 64, "right", "1000");
    text += row("aa-1", 2, 65, "missed", "");
    text += row("aa-1", 3, 64, "right", "2000");
    text += row("aa-2", 1, 65, "right", "1400");
    text += row("aa-2", 2, 64, "right", "1200");
    return text;
}

void expectSameRecords(const exercise::NoteRecords& a, const exercise::NoteRecords& b)
{
    ASSERT_EQ(a.size(), b.size());
    for (const auto& [note, r] : a) {
        SCOPED_TRACE(note);
        ASSERT_TRUE(b.count(note));
        EXPECT_DOUBLE_EQ(r.asked, b.at(note).asked);
        EXPECT_DOUBLE_EQ(r.missed, b.at(note).missed);
        EXPECT_DOUBLE_EQ(r.wrong, b.at(note).wrong);
        EXPECT_DOUBLE_EQ(r.slow, b.at(note).slow);
    }
}

}  // namespace

TEST(RecentRecords, NotesThePupilNeverSawSayNothing)
{
    // The rows of notes never answered (stopped on display, or whose picture
    // could not be put up) change neither their key's record nor the
    // pupil's usual time: a file with them reads as the file without them.
    TempFolder f;
    writeFile(f.path / "plain.csv", header + answeredRuns());
    std::string error;
    const auto plain = progress::readRecentRecords((f.path / "plain.csv").string(), &error);
    ASSERT_TRUE(plain) << error;
    for (const char* outcome : {"stopped", "unshown"}) {
        SCOPED_TRACE(outcome);
        std::string text = header + answeredRuns();
        for (int place = 3; place < 33; ++place) {
            text += row("aa-2", place, 52, outcome, "");
        }
        text += row("aa-2", 33, 64, "right", "1900");  // slow only against the answered notes
        std::string withSlow = header + answeredRuns() + row("aa-2", 33, 64, "right", "1900");
        writeFile(f.path / "with.csv", text);
        writeFile(f.path / "without.csv", withSlow);
        const auto with = progress::readRecentRecords((f.path / "with.csv").string(), &error);
        const auto without = progress::readRecentRecords((f.path / "without.csv").string(), &error);
        ASSERT_TRUE(with) << error;
        ASSERT_TRUE(without) << error;
        EXPECT_FALSE(with->count(52)) << "a note never answered has no record";
        expectSameRecords(*with, *without);
    }
}

// A run by ear or in a key, between the drill's runs, neither counts in the
// drill's records nor makes its runs older: the file reads as without it.
TEST(RecentRecords, RunsOfAVariantLeaveTheDrillsRecordsAsTheyAre)
{
    TempFolder f;
    const std::string full =
        "started,run,mode,place,note,clef,accidental,outcome,sounded,response_ms,wrong_keys,variant,key,phrase_place\n";
    std::string drill = answeredRuns();
    std::string mixed;
    for (std::string line : {row("aa-1", 1, 64, "right", "1000"), row("aa-1", 2, 65, "missed", "")}) {
        mixed += line.insert(line.size() - 1, ",,,");
    }
    for (int place = 1; place <= 5; ++place) {
        std::string line = row("ee-1", place, 67, "missed", "");
        mixed += line.insert(line.size() - 1, ",ear,,");
        line = row("kk-1", place, 66, "missed", "");
        line.replace(line.find(",none,"), 6, ",sharp,");  // F sharp, as the signature writes it
        mixed += line.insert(line.size() - 1, ",key,2,");
    }
    for (std::string line : {row("aa-1", 3, 64, "right", "2000"), row("aa-2", 1, 65, "right", "1400"),
                             row("aa-2", 2, 64, "right", "1200")}) {
        mixed += line.insert(line.size() - 1, ",,,");
    }
    writeFile(f.path / "drill.csv", header + drill);
    writeFile(f.path / "mixed.csv", full + mixed);
    std::string error;
    const auto alone = progress::readRecentRecords((f.path / "drill.csv").string(), &error);
    const auto beside = progress::readRecentRecords((f.path / "mixed.csv").string(), &error);
    ASSERT_TRUE(alone) << error;
    ASSERT_TRUE(beside) << error;
    EXPECT_FALSE(beside->count(67) || beside->count(66)) << "the variants' notes have no drill record";
    expectSameRecords(*beside, *alone);

    // Each variant keeps its own: by ear, in a key; a note in a C clef is in
    // none, and ages none.
    std::string alto = row("aa-3", 1, 64, "missed", "");
    alto.replace(alto.find("treble"), 6, "alto");
    alto.insert(alto.size() - 1, ",,,");
    writeFile(f.path / "alto.csv", full + alto);
    const auto stats =
        progress::readRecentStats({(f.path / "mixed.csv").string(), (f.path / "alto.csv").string()}, &error, "");
    ASSERT_TRUE(stats) << error;
    using exercise::VariantKind;
    EXPECT_EQ(stats->runs(VariantKind::Drill), 2);
    EXPECT_EQ(stats->runs(VariantKind::Ear), 1);
    EXPECT_EQ(stats->runs(VariantKind::Key), 1);
    EXPECT_EQ(stats->runs(VariantKind::Phrase), 0);
    expectSameRecords(stats->records(), *alone);
    ASSERT_EQ(stats->records(VariantKind::Ear).size(), 1U);
    EXPECT_DOUBLE_EQ(stats->records(VariantKind::Ear).at(67).missed, 5.0);
    ASSERT_EQ(stats->records(VariantKind::Key).size(), 1U);
    EXPECT_DOUBLE_EQ(stats->records(VariantKind::Key).at(66).asked, 5.0);
    EXPECT_TRUE(stats->records(VariantKind::Phrase).empty());
}

TEST(RecentRecords, ALineTooLongIsUnreadableAndNeverKept)
{
    // A row of fa 3 whose wrong keys run on for a megabyte is no row the
    // program writes: not held, not counted, and the rows after it still are.
    TempFolder f;
    std::string wrong;
    while (wrong.size() < (1U << 20)) {
        wrong += "64:step ";
    }
    wrong += "64:step";
    std::string text = header + answeredRuns();
    text += "2024-09-02T17:02:00+02:00,aa-2,1,3,65,treble,none,right,no,1000," + wrong + "\n";
    text += row("aa-2", 4, 67, "missed", "");
    writeFile(f.path / "long.csv", text);
    writeFile(f.path / "short.csv", header + answeredRuns() + row("aa-2", 4, 67, "missed", ""));
    std::string error;
    std::size_t unreadable = 99;
    const auto withLong = progress::readRecentRecords((f.path / "long.csv").string(), &error, {}, &unreadable);
    ASSERT_TRUE(withLong) << error;
    EXPECT_EQ(unreadable, 1U) << "the long line, the header is no fault";
    const auto without = progress::readRecentRecords((f.path / "short.csv").string(), &error);
    ASSERT_TRUE(without) << error;
    expectSameRecords(*withLong, *without);
    EXPECT_DOUBLE_EQ(withLong->at(67).missed, 1.0) << "the row after the long line counts";
}

TEST(RecentRecords, APipeOrADeviceIsRefusedAtOnce)
{
    // Opened blocking, a FIFO nobody writes to would hold the reader for
    // good, and a device such as /dev/zero never ends: each is refused at
    // once as no regular file. A writer comes to the FIFO after 5 s, so a
    // reader that waits still ends, and fails the time bound.
    TempFolder f;
    const std::string fifo = (f.path / "fifo.csv").string();
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    std::thread rescue([fifo] {
        std::this_thread::sleep_for(std::chrono::seconds(5));
        const int fd = ::open(fifo.c_str(), O_WRONLY | O_NONBLOCK);
        if (fd >= 0) {
            ::close(fd);
        }
    });
    for (const std::string& path : {fifo, std::string("/dev/zero"), (f.path).string()}) {
        SCOPED_TRACE(path);
        const auto began = std::chrono::steady_clock::now();
        std::string error;
        const auto records = progress::readRecentRecords(path, &error);
        EXPECT_LT(std::chrono::steady_clock::now() - began, std::chrono::seconds(4));
        EXPECT_FALSE(records);
        EXPECT_NE(error.find("not a regular file"), std::string::npos) << error;
    }
    rescue.join();
}

TEST(RecentRecords, RowsOnTheirWayCountOnceWhereverTheyAre)
{
    // The run of rows still waiting for the writer counts once, whether the
    // writer has put it in the file by the time of the read or not.
    TempFolder f;
    const std::string waiting = row("bb-1", 1, 69, "missed", "") + row("bb-1", 2, 71, "right", "900");
    writeFile(f.path / "before.csv", header + answeredRuns());
    writeFile(f.path / "after.csv", header + answeredRuns() + waiting);
    std::string error;
    const auto before = progress::readRecentRecords((f.path / "before.csv").string(), &error, waiting);
    const auto after = progress::readRecentRecords((f.path / "after.csv").string(), &error, waiting);
    ASSERT_TRUE(before) << error;
    ASSERT_TRUE(after) << error;
    EXPECT_DOUBLE_EQ(after->at(69).asked, 1.0);
    expectSameRecords(*before, *after);
}

TEST(RecentRecordsReader, ReadsOffTheCallersThreadAndSaysWhatFailed)
{
    TempFolder f;
    writeFile(f.path / "lea.csv", header + answeredRuns());
    std::vector<std::string> said;
    std::mutex saying;
    const struct {
        std::string path;
        bool read;
    } cases[] = {
        {(f.path / "lea.csv").string(), true},
        {(f.path / "new.csv").string(), true},  // a new pupil: empty records
        {"/dev/zero", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.path);
        progress::RecentRecordsReader reader(c.path, [&](const std::string& why) {
            const std::lock_guard<std::mutex> lock(saying);
            said.push_back(why);
        });
        auto read = reader.start(row("bb-1", 1, 69, "missed", ""));
        ASSERT_EQ(read.wait_for(std::chrono::seconds(5)), std::future_status::ready);
        const auto records = read.get();
        EXPECT_EQ(records.has_value(), c.read);
        if (records) {
            EXPECT_DOUBLE_EQ(records->at(69).missed, 1.0) << "the rows on their way count";
        }
    }
    const std::lock_guard<std::mutex> lock(saying);
    ASSERT_EQ(said.size(), 1U);
    EXPECT_NE(said.front().find("'/dev/zero' is not a regular file"), std::string::npos) << said.front();
}
