// The recent records that --focus weights the draw by: which rows count, and
// a results file read with bounded memory, whatever it holds.
#include "exercise/focus.h"
#include "progress/recentstats.h"

#include <gtest/gtest.h>


#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

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
