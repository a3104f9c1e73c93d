// Pupils by name: their file names, which never leave the pupils' folder,
// the listing; and the recent records that --focus weights the draw by.
#include "exercise/focus.h"
#include "progress/pupils.h"
#include "progress/recentstats.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>

namespace fs = std::filesystem;

namespace {

struct TempFolder {
    TempFolder()
    {
        std::string pattern = (fs::temp_directory_path() / "tavelin-pupils-XXXXXX").string();
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

}  // namespace

TEST(Pupils, NamesBecomeFileNamesThatStayInTheFolder)
{
    const struct {
        std::string name;
        const char* file;
    } cases[] = {
        {"Léa", "Léa.csv"},
        {"Léa Martin", "Léa Martin.csv"},
        {"Chloé (CE2) & Noé", "Chloé (CE2) & Noé.csv"},
        {"Zoë..", "Zoë...csv"},
        {"a/b", "a%2Fb.csv"},
        {"..", "%2E..csv"},
        {".", "%2E.csv"},
        {"../../etc/passwd", "%2E.%2F..%2Fetc%2Fpasswd.csv"},
        {".cachée", "%2Ecachée.csv"},
        {"50%", "50%25.csv"},
        {"tab\there", "tab%09here.csv"},
        {"line\nbreak", "line%0Abreak.csv"},
        {std::string("nul\0byte", 8), "nul%00byte.csv"},
        {"del\x7f", "del%7F.csv"},
    };
    const fs::path folder = "/data/tavelin-piano/pupils";
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file);
        const std::optional<std::string> file = progress::pupilFileName(c.name);
        ASSERT_TRUE(file);
        EXPECT_EQ(*file, c.file);
        EXPECT_EQ(file->find('/'), std::string::npos);
        EXPECT_NE(file->front(), '.');
        EXPECT_EQ((folder / *file).lexically_normal().parent_path(), folder) << "stays in the folder";
        EXPECT_EQ(progress::pupilNameOf(*file), c.name) << "and gives the name back";
    }
    EXPECT_FALSE(progress::pupilFileName(""));
    EXPECT_TRUE(progress::pupilFileName(std::string(251, 'x')));
    EXPECT_FALSE(progress::pupilFileName(std::string(252, 'x'))) << "a file name has at most 255 bytes";
    EXPECT_FALSE(progress::pupilFileName(std::string(100, '/'))) << "300 bytes once escaped";
}

TEST(Pupils, OnlyFilesWrittenAsPupilsAreRead)
{
    for (const char* file : {"notes.txt", ".csv", "a%2fb.csv", "a%2.csv", "a%zz.csv", "%41.csv", ".hidden.csv"}) {
        EXPECT_FALSE(progress::pupilNameOf(file)) << file;
    }
}

TEST(Pupils, TheFolderIsInTheUsersDataFolder)
{
    EXPECT_EQ(progress::pupilsFolder("/srv/data", "/home/anne"), fs::path("/srv/data/tavelin-piano/pupils"));
    EXPECT_EQ(progress::pupilsFolder(nullptr, "/home/anne"), fs::path("/home/anne/.local/share/tavelin-piano/pupils"));
    EXPECT_EQ(progress::pupilsFolder("", "/home/anne"), fs::path("/home/anne/.local/share/tavelin-piano/pupils"));
    EXPECT_EQ(progress::pupilsFolder("relative", "/home/anne"),
              fs::path("/home/anne/.local/share/tavelin-piano/pupils"))
        << "XDG_DATA_HOME counts only as an absolute path";
    EXPECT_FALSE(progress::pupilsFolder(nullptr, nullptr));
}

TEST(Pupils, TheListingCountsRunsAndTheLastDate)
{
    TempFolder f;
    const std::string header = "started,run,mode,place,note,clef,accidental,outcome,sounded,response_ms,wrong_keys\n";
    writeFile(f.path / *progress::pupilFileName("Léa Martin"),
              header +
                  "2024-09-02T17:02:00+02:00,aa-1,1,1,64,treble,none,right,no,1200,\n"
                  "2024-09-02T17:02:00+02:00,aa-1,1,2,65,treble,none,missed,no,,\n"
                  "2024-09-05T10:00:00+02:00,aa-2,1,1,64,treble,none,right,no,1100,\n"
                  "not a row\n");
    writeFile(f.path / *progress::pupilFileName("a/b"), header);
    writeFile(f.path / "notes.txt", "not a pupil");
    std::string error;
    const std::vector<progress::PupilEntry> list = progress::listPupils(f.path, &error);
    EXPECT_TRUE(error.empty()) << error;
    ASSERT_EQ(list.size(), 2U);
    EXPECT_EQ(list[0].name, "Léa Martin");
    EXPECT_EQ(list[0].runs, 2);
    EXPECT_EQ(list[0].lastStarted, "2024-09-05T10:00:00+02:00");
    EXPECT_EQ(list[1].name, "a/b");
    EXPECT_EQ(list[1].runs, 0);
    EXPECT_EQ(list[1].lastStarted, "");
    EXPECT_TRUE(progress::listPupils(f.path / "none yet", &error).empty());
    EXPECT_TRUE(error.empty()) << "no folder yet is no pupil yet";
}

TEST(Pupils, NamesThatAreNotUtf8KeepTheirBytesAndTheirOwnFile)
{
    const struct {
        std::string name;
        std::string file;
    } cases[] = {
        {"\xff", "%FF.csv"},
        {"\xfe", "%FE.csv"},
        {"\xef\xbf\xbd", "\xef\xbf\xbd.csv"},      // U+FFFD typed as such: a name of its own
        {"caf\xe9", "caf%E9.csv"},                 // Latin-1
        {"\xc3", "%C3.csv"},                       // a sequence cut short
        {"\xc0\xaf", "%C0%AF.csv"},                // an overlong '/'
        {"\xed\xa0\x80", "%ED%A0%80.csv"},         // a surrogate written in UTF-8
        {"\xf4\x90\x80\x80", "%F4%90%80%80.csv"},  // past U+10FFFF
        {"\xf0\x9f\x8e\xb9 piano", "\xf0\x9f\x8e\xb9 piano.csv"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file);
        EXPECT_EQ(progress::pupilFileName(c.name), c.file);
        EXPECT_EQ(progress::pupilNameOf(c.file), c.name) << "and back";
        EXPECT_EQ(progress::pupilBytes(progress::pupilText(c.name)), c.name) << "every byte kept in a QString";
        EXPECT_EQ(progress::pupilName(c.name), c.name) << "composing the accents leaves the other bytes";
    }
    // A file written by another program (or the previous release) with the
    // bytes as they are: the same pupil.
    EXPECT_EQ(progress::pupilNameOf("caf\xe9.csv"), "caf\xe9");
    EXPECT_EQ(progress::pupilNameOf("\xff.csv"), "\xff");
}

TEST(Pupils, OneNameWhateverTheFormOfItsAccents)
{
    const std::string nfc =
        "L\xc3\xa9"
        "a";
    const std::string nfd =
        "Le\xcc\x81"
        "a";
    EXPECT_EQ(progress::pupilName(nfd), nfc);
    EXPECT_EQ(progress::pupilName("  " + nfd + "\t"), nfc);
    EXPECT_EQ(progress::pupilName(nfd + "\xff"), nfc + "\xff") << "composed around a byte that is not UTF-8";
    EXPECT_EQ(progress::pupilNameOf(nfd + ".csv"), nfc);
    EXPECT_EQ(progress::pupilFileName(progress::pupilName(nfd)), nfc + ".csv");

    TempFolder f;
    const std::string header = "started,run,mode,place,note,clef,accidental,outcome,sounded,response_ms,wrong_keys\n";
    writeFile(f.path / (nfd + ".csv"), header + "2024-09-02T17:02:00+02:00,d-1,1,1,64,treble,none,right,no,1200,\n");
    std::string error;
    // Only the other form there: that is the pupil's file.
    EXPECT_EQ(progress::pupilFiles(f.path, nfc, &error), std::vector<fs::path>{f.path / (nfd + ".csv")});
    writeFile(f.path / (nfc + ".csv"), header + "2024-09-03T17:02:00+02:00,c-1,1,1,64,treble,none,right,no,1200,\n");
    EXPECT_EQ(progress::pupilFiles(f.path, nfd, &error),
              (std::vector<fs::path>{f.path / (nfc + ".csv"), f.path / (nfd + ".csv")}))
        << "both, the name as written first";
    EXPECT_TRUE(error.empty()) << error;
    const std::vector<progress::PupilEntry> list = progress::listPupils(f.path, &error);
    ASSERT_EQ(list.size(), 1U);
    EXPECT_EQ(list[0].name, nfc);
    EXPECT_EQ(list[0].runs, 2);
    EXPECT_EQ(list[0].lastStarted, "2024-09-03T17:02:00+02:00");
    EXPECT_TRUE(progress::pupilFiles(f.path, "Hugo", &error).empty());
    EXPECT_TRUE(error.empty()) << "no file yet is a new pupil";
}

TEST(Pupils, PrintedNamesStayOnOneLineAndReadBack)
{
    const struct {
        std::string name;
        const char* printed;
    } cases[] = {
        {"L\xc3\xa9"
         "a Martin",
         "L\xc3\xa9"
         "a Martin"},
        {"tab\there", "tab\\there"},
        {"line\nbreak\r", "line\\nbreak\\r"},
        {"back\\slash", "back\\\\slash"},
        {std::string("nul\0", 4), "nul\\x00"},
        {"bell\a del\x7f", "bell\\x07 del\\x7F"},
        {"caf\xe9", "caf\\xE9"},
        {"\xc2\x85next line", "\\u0085next line"},
        {"\xe2\x80\xaeright to left", "\\u202Eright to left"},
        {"a\xe2\x80\xa8"
         "b",
         "a\\u2028b"},
        {"\xf3\xa0\x80\x81tag", "\\U000E0001tag"},
        {"\xf0\x9f\x8e\xb9", "\xf0\x9f\x8e\xb9"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.printed);
        EXPECT_EQ(progress::printableName(c.name), c.printed);
    }
}

TEST(RecentRecords, WeightsComeFromAKnownResultsFile)
{
    TempFolder f;
    const fs::path file = f.path / "pupil.csv";
    writeFile(file,
              "started,run,mode,place,note,clef,accidental,outcome,sounded,response_ms,wrong_keys\n"
              // The older run: mi 3 right, fa 3 missed.
              "2024-09-02T17:02:00+02:00,aa-1,1,1,64,treble,none,right,no,1000,\n"
              "2024-09-02T17:02:00+02:00,aa-1,1,2,65,treble,none,missed,no,,\n"
              // The latest: mi 3 right; fa 3 right after a wrong key; sol 3 right
              // but four times as slow as usual; do 3 on display when stopped.
              "2024-09-03T17:02:00+02:00,aa-2,1,1,64,treble,none,right,no,1000,\n"
              "2024-09-03T17:02:00+02:00,aa-2,1,2,65,treble,none,right,no,1000,64:step\n"
              "2024-09-03T17:02:00+02:00,aa-2,1,3,67,treble,none,right,no,4000,\n"
              "2024-09-03T17:02:00+02:00,aa-2,1,4,60,treble,none,stopped,no,,\n");
    std::string error;
    const std::optional<exercise::NoteRecords> records = progress::readRecentRecords(file.string(), &error);
    ASSERT_TRUE(records) << error;
    ASSERT_EQ(records->size(), 3U) << "a stopped note says nothing";
    const double older = progress::recent::decayPerRun;
    EXPECT_DOUBLE_EQ(records->at(64).asked, older + 1.0);
    EXPECT_DOUBLE_EQ(records->at(65).missed, older);
    EXPECT_DOUBLE_EQ(records->at(65).wrong, 1.0);
    EXPECT_DOUBLE_EQ(records->at(67).slow, 1.0);
    EXPECT_DOUBLE_EQ(records->at(64).slow, 0.0);

    const std::vector<double> w = exercise::focusWeights({60, 64, 65, 67}, *records);
    // Difficulties: do 3 unknown 1/2; mi 3 1/3.85; fa 3 (0.85 + 0.5 + 1)/3.85; sol 3 (0.25 + 1)/3.
    const double d[] = {0.5, 1.0 / 3.85, 2.35 / 3.85, 1.25 / 3.0};
    const double total = d[0] + d[1] + d[2] + d[3];
    for (std::size_t i = 0; i < 4; ++i) {
        EXPECT_NEAR(w[i], 0.05 + 0.8 * d[i] / total, 1e-12) << i;
    }
    EXPECT_GT(w[2], w[0]) << "the note missed lately comes back most";
    EXPECT_LT(w[1], w[3]) << "the note always right quickly least";

    // A pupil's first run: no file yet, no records.
    const auto none = progress::readRecentRecords((f.path / "new.csv").string(), &error);
    ASSERT_TRUE(none);
    EXPECT_TRUE(none->empty());
    EXPECT_FALSE(progress::readRecentRecords(f.path.string() + "/pupil.csv/x", &error));
    EXPECT_NE(error.find("cannot read"), std::string::npos) << error;
}

TEST(RecentRecords, TheLatestRunsCountMost)
{
    // The same note missed long ago and right lately weighs less than the
    // other way round.
    auto row = [](const char* run, int place, const char* outcome) {
        progress::NoteResult r;
        r.started = "2024-09-02T17:02:00+02:00";
        r.run = run;
        r.mode = 1;
        r.place = place;
        r.note = 64;
        r.outcome = std::string(outcome) == "right" ? progress::Outcome::Right : progress::Outcome::Missed;
        if (r.outcome == progress::Outcome::Right) {
            r.responseMs = 1000;
        }
        return r;
    };
    progress::RecentNoteStats improving;
    progress::RecentNoteStats worsening;
    for (int run = 0; run < 10; ++run) {
        const std::string id = "r-" + std::to_string(run);
        improving.add(row(id.c_str(), 1, run < 5 ? "missed" : "right"));
        worsening.add(row(id.c_str(), 1, run < 5 ? "right" : "missed"));
    }
    EXPECT_EQ(improving.runs(), 10);
    EXPECT_LT(exercise::difficulty(improving.records().at(64)), 0.4);
    EXPECT_GT(exercise::difficulty(worsening.records().at(64)), 0.6);
}
