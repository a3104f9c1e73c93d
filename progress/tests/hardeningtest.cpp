// The program's results file and report against what a hostile tester
// tries: files that must not change are compared byte for byte before and
// after. The program is started with its arguments as raw bytes, so names
// that are not valid UTF-8 reach it as the shell would give them.
#include "progress/report.h"
#include "progress/resultrow.h"
#include "progress/tests/reportchecks.h"

#include <QCoreApplication>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <chrono>
#include <csignal>
#include <cstring>
#include <fstream>
#include <functional>
#include <memory>
#include <optional>
#include <sstream>
#include <thread>

#include <dirent.h>
#include <fcntl.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

// Each case names only the parts of a Spawn it changes (designated
// initializers); the others keep their defaults.
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"

using progress_testing::pdfPages;

namespace {

std::string program()
{
    return QCoreApplication::applicationDirPath().toStdString() + "/tavelin-piano";
}

std::string readAll(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

void writeAll(const std::string& path, const std::string& text)
{
    std::ofstream out(path, std::ios::binary);
    out << text;
}

bool exists(const std::string& path)
{
    struct stat st {};
    return ::lstat(path.c_str(), &st) == 0;
}

std::vector<std::string> entries(const std::string& folder)
{
    std::vector<std::string> names;
    const std::unique_ptr<DIR, int (*)(DIR*)> d(::opendir(folder.c_str()), &::closedir);
    while (const dirent* e = d ? ::readdir(d.get()) : nullptr) {
        const std::string name = e->d_name;
        if (name != "." && name != "..") {
            names.push_back(name);
        }
    }
    std::sort(names.begin(), names.end());
    return names;
}

struct Outcome {
    int status = -1;  // exit status, or -1 for a signal
    std::string out;
    std::string err;
    bool timedOut = false;  // still running at Spawn::limit, and killed
    int signal = 0;         // the signal that ended it
};

struct Spawn {
    std::vector<std::string> args;    // after the program's name
    std::string cwd;                  // empty: the test's
    std::string input = "/dev/null";  // standard input
    std::string output;               // standard output; empty: captured
    std::vector<std::string> unset;   // environment variables taken away
    std::vector<std::string> set;     // NAME=VALUE added
    std::string shellPrefix;          // run under sh -c "PREFIX exec program ARGS..."
    std::chrono::seconds limit{0};    // killed after this long (0: waited for); Outcome::timedOut
};

// Starts the program, returns its pid; out and err go to files in work.
pid_t start(const Spawn& s, const std::string& work)
{
    std::vector<std::string> env;
    for (char** e = environ; *e != nullptr; ++e) {
        const std::string v = *e;
        bool drop = v.rfind("QT_QPA_PLATFORM=", 0) == 0;
        for (const std::string& name : s.unset) {
            drop = drop || v.rfind(name + "=", 0) == 0;
        }
        if (!drop) {
            env.push_back(v);
        }
    }
    env.emplace_back("QT_QPA_PLATFORM=offscreen");
    env.emplace_back("TAVELIN_AUDIO_DRIVER=file");
    env.emplace_back("ASAN_OPTIONS=detect_leaks=0");
    env.push_back("XDG_RUNTIME_DIR=" + work);  // a desktop session has one; without, Qt says so
    for (const std::string& name : s.unset) {
        std::erase_if(env, [&](const std::string& v) { return v.rfind(name + "=", 0) == 0; });
    }
    for (const std::string& v : s.set) {
        env.push_back(v);  // after what was taken away, so a test can give its own
    }
    std::vector<std::string> argv;
    if (!s.shellPrefix.empty()) {
        argv = {"/bin/sh", "-c", s.shellPrefix + " exec \"$0\" \"$@\"", program()};
    } else {
        argv = {program()};
    }
    argv.insert(argv.end(), s.args.begin(), s.args.end());

    std::vector<char*> a;
    for (std::string& x : argv) {
        a.push_back(x.data());
    }
    a.push_back(nullptr);
    std::vector<char*> e;
    for (std::string& x : env) {
        e.push_back(x.data());
    }
    e.push_back(nullptr);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 0, s.input.c_str(), O_RDONLY, 0);
    const std::string out = s.output.empty() ? work + "/.stdout" : s.output;
    posix_spawn_file_actions_addopen(&actions, 1, out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    const std::string err = work + "/.stderr";
    posix_spawn_file_actions_addopen(&actions, 2, err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    // The synthesizer's file driver writes where it runs: in work unless told.
    posix_spawn_file_actions_addchdir_np(&actions, s.cwd.empty() ? work.c_str() : s.cwd.c_str());
    pid_t pid = -1;
    const int rc = ::posix_spawn(&pid, argv[0].c_str(), &actions, nullptr, a.data(), e.data());
    posix_spawn_file_actions_destroy(&actions);
    return rc == 0 ? pid : -1;
}

Outcome wait(pid_t pid, const Spawn& s, const std::string& work)
{
    Outcome r;
    int status = 0;
    if (pid > 0 && s.limit.count() > 0) {
        const auto deadline = std::chrono::steady_clock::now() + s.limit;
        while (::waitpid(pid, &status, WNOHANG) == 0) {
            if (std::chrono::steady_clock::now() > deadline) {
                r.timedOut = true;
                ::kill(pid, SIGKILL);
                ::waitpid(pid, &status, 0);
                break;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        }
        if (!r.timedOut && WIFEXITED(status)) {
            r.status = WEXITSTATUS(status);
        }
    } else if (pid > 0 && ::waitpid(pid, &status, 0) == pid && WIFEXITED(status)) {
        r.status = WEXITSTATUS(status);
    }
    if (WIFSIGNALED(status)) {
        r.signal = WTERMSIG(status);
    }
    if (s.output.empty()) {
        r.out = readAll(work + "/.stdout");
    }
    r.err = readAll(work + "/.stderr");
    ::unlink((work + "/.stdout").c_str());
    ::unlink((work + "/.stderr").c_str());
    return r;
}

// The program's own files go in a folder apart, so the folders the tests
// look at hold only what the program made.
struct Work {
    QTemporaryDir logs;
    QTemporaryDir dir;
    std::string path(const std::string& name) const { return dir.path().toStdString() + "/" + name; }
    std::string folder() const { return dir.path().toStdString(); }
    Outcome run(const Spawn& s) const
    {
        return wait(start(s, logs.path().toStdString()), s, logs.path().toStdString());
    }
};

std::string row(const char* run, int place, int note, const char* outcome, const char* ms,
                const char* started = "2024-09-02T17:00:00+02:00")
{
    const bool black = art::pitch::isBlackKey(note);
    return std::string(started) + "," + run + ",6," + std::to_string(place) + "," + std::to_string(note) + "," +
           (note >= 60 ? "treble" : "bass") + "," + (black ? "sharp" : "none") + "," + outcome + ",no," + ms + ",\n";
}

std::string results()
{
    return std::string(progress::csv::header) + "\n" + row("a-1", 1, 64, "right", "1500") +
           row("a-1", 2, 65, "missed", "") + row("a-1", 3, 67, "right", "900");
}

int lineCount(const std::string& text)
{
    return static_cast<int>(std::count(text.begin(), text.end(), '\n'));
}

}  // namespace

TEST(ReportHardening, TheResultsFileIsNeverWrittenUnderAnyName)
{
    const struct {
        const char* name;
        std::function<std::string(const Work&)> out;  // what --out is given, after making it
        bool relative;                                // run in the folder
    } cases[] = {
        {"the same path", [](const Work& w) { return w.path("keep.csv"); }, false},
        {"./ before it", [](const Work&) { return std::string("./keep.csv"); }, true},
        {"a symbolic link",
         [](const Work& w) {
             EXPECT_EQ(::symlink("keep.csv", w.path("link.png").c_str()), 0);
             return w.path("link.png");
         },
         false},
        {"a hard link",
         [](const Work& w) {
             EXPECT_EQ(::link(w.path("keep.csv").c_str(), w.path("hard.png").c_str()), 0);
             return w.path("hard.png");
         },
         false},
        {"a folder's .. back to it",
         [](const Work& w) {
             EXPECT_EQ(::mkdir(w.path("sub").c_str(), 0700), 0);
             return w.path("sub/../keep.csv");
         },
         false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Work w;
        writeAll(w.path("keep.csv"), results());
        struct stat before {};
        ASSERT_EQ(::stat(w.path("keep.csv").c_str(), &before), 0);
        const std::string out = c.out(w);
        const std::vector<std::string> listed = entries(w.folder());
        const Outcome r = w.run({.args = {"--report", c.relative ? "keep.csv" : w.path("keep.csv"), "--out", out},
                                 .cwd = c.relative ? w.folder() : ""});
        EXPECT_EQ(r.status, 2) << r.err;
        EXPECT_EQ(lineCount(r.err), 1) << r.err;
        // Refused for what it would replace, or already for its name.
        EXPECT_TRUE(r.err.find("would replace the results file") != std::string::npos ||
                    r.err.find("--out takes a .png") != std::string::npos)
            << r.err;
        EXPECT_EQ(readAll(w.path("keep.csv")), results()) << "not one byte changed";
        struct stat after {};
        ASSERT_EQ(::stat(w.path("keep.csv").c_str(), &after), 0);
        EXPECT_EQ(after.st_mtim.tv_nsec, before.st_mtim.tv_nsec);
        EXPECT_EQ(after.st_mtim.tv_sec, before.st_mtim.tv_sec);
        EXPECT_EQ(entries(w.folder()), listed) << "no picture and no temporary file";
    }
    // A results file that ends in .png would be its own default picture.
    Work w;
    writeAll(w.path("lea.png"), results());
    const Outcome r = w.run({.args = {"--report", w.path("lea.png")}});
    EXPECT_EQ(r.status, 2) << r.err;
    EXPECT_EQ(readAll(w.path("lea.png")), results());
}

TEST(ReportHardening, APictureIsWhollyReplacedOrKept)
{
    Work w;
    writeAll(w.path("lea.csv"), results());
    const std::string old = "an old picture that must survive a failed write\n";
    writeAll(w.path("old.png"), old);
    // A full disk: files may grow to 8 kB, and the picture is far bigger.
    const Outcome full = w.run({.args = {"--report", w.path("lea.csv"), "--out", w.path("old.png")},
                                .shellPrefix = "trap '' XFSZ; ulimit -f 16;"});
    EXPECT_EQ(full.status, 1) << full.err;
    EXPECT_NE(full.err.find("cannot write the picture"), std::string::npos) << full.err;
    EXPECT_EQ(lineCount(full.err), 1) << full.err;
    EXPECT_NE(full.out.find("Bilan de"), std::string::npos) << "the summary is printed all the same";
    EXPECT_EQ(full.out.find("Image :"), std::string::npos) << full.out;
    EXPECT_EQ(readAll(w.path("old.png")), old) << "the old picture is kept whole";
    EXPECT_EQ(entries(w.folder()), (std::vector<std::string>{"lea.csv", "old.png"})) << "no temporary file left";

    const Outcome fine = w.run({.args = {"--report", w.path("lea.csv"), "--out", w.path("old.png")}});
    EXPECT_EQ(fine.status, 0) << fine.err;
    EXPECT_EQ(readAll(w.path("old.png")).substr(0, 4), "\x89PNG");
    EXPECT_EQ(entries(w.folder()), (std::vector<std::string>{"lea.csv", "old.png"}));
}

TEST(ReportHardening, ThePictureKindFollowsItsName)
{
    const struct {
        const char* name;
        int status;
        std::string magic;
    } cases[] = {
        {"bilan.png", 0, "\x89PNG"},
        {"bilan.jpg", 0, "\xff\xd8\xff"},
        {"bilan.JPEG", 0, "\xff\xd8\xff"},
        {"bilan.pdf", 0, "%PDF"},
        {"bilan.gif", 2, ""},
        {"bilan", 2, ""},
        {"bilan.csv", 2, ""},
    };
    Work w;
    writeAll(w.path("lea.csv"), results());
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const Outcome r = w.run({.args = {"--report", w.path("lea.csv"), "--out", w.path(c.name)}});
        EXPECT_EQ(r.status, c.status) << r.err;
        if (c.status == 0) {
            EXPECT_EQ(readAll(w.path(c.name)).substr(0, c.magic.size()), c.magic);
        } else {
            EXPECT_EQ(lineCount(r.err), 1) << r.err;
            EXPECT_FALSE(exists(w.path(c.name)));
        }
    }
}

TEST(ReportHardening, PicturesAreNamedAfterTheirFileAndPipesWork)
{
    Work w;
    writeAll(w.path("lea.csv"), results());
    writeAll(w.path("tom.csv"), results() + row("b-1", 1, 48, "missed", ""));
    EXPECT_EQ(w.run({.args = {"--report", w.path("lea.csv")}}).status, 0);
    EXPECT_EQ(w.run({.args = {"--report", w.path("tom.csv")}}).status, 0);
    EXPECT_TRUE(exists(w.path("lea.png")));
    EXPECT_TRUE(exists(w.path("tom.png")));
    EXPECT_NE(readAll(w.path("lea.png")), readAll(w.path("tom.png"))) << "two pupils, two pictures";

    // Standard input, from a file and from a pipe: the picture in the current folder.
    QTemporaryDir here;
    const Outcome fromFile =
        w.run({.args = {"--report", "/dev/stdin"}, .cwd = here.path().toStdString(), .input = w.path("lea.csv")});
    EXPECT_EQ(fromFile.status, 0) << fromFile.err;
    EXPECT_NE(fromFile.out.find("3 notes, 2 justes"), std::string::npos) << fromFile.out;
    EXPECT_TRUE(exists(here.path().toStdString() + "/report.png"));
    EXPECT_FALSE(exists("/dev/report.png"));
    const Outcome fromPipe = w.run({.args = {"--report", "/dev/stdin"},
                                    .cwd = here.path().toStdString(),
                                    .shellPrefix = "cat '" + w.path("tom.csv") + "' |"});
    EXPECT_EQ(fromPipe.status, 0) << fromPipe.err;
    EXPECT_NE(fromPipe.out.find("4 notes"), std::string::npos) << fromPipe.out;
}

TEST(ReportHardening, RowsTheProgramNeverWritesAreSkippedAndCounted)
{
    Work w;
    std::string text = results();
    text += row("x-1", 1, 35, "missed", "");                                   // below the piano
    text += row("x-1", 2, 90, "missed", "");                                   // above it
    text += row("x-2", 1, 64, "missed", "", "9999-99-99T00:00:00+02:00");      // no such date
    text += row("x-3", 1, 64, "missed", "", "2023-02-29T10:00:00+01:00");      // not a leap year
    text += row("x-4", 1, 64, "right", "4294967295");                          // 49 days
    text += row("x-4", 2, 64, "right", "3600000");                             // an hour
    text += "2024-09-02T17:00:00+02:00,x-5,7,1,64,treble,none,missed,no,,\n";  // no mode 7
    writeAll(w.path("lea.csv"), text);
    const Outcome r = w.run({.args = {"--report", w.path("lea.csv")}});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.out.find("du 02/09/2024 au 02/09/2024 : 3 notes"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("7 lignes illisibles"), std::string::npos) << r.out;
}

TEST(ReportHardening, AFullStandardOutputFails)
{
    Work w;
    writeAll(w.path("lea.csv"), results());
    // One pupil, so that --list-pupils has a line to write.
    ASSERT_EQ(::mkdir(w.path("data").c_str(), 0700), 0);
    ASSERT_EQ(::mkdir(w.path("data/tavelin-piano").c_str(), 0700), 0);
    ASSERT_EQ(::mkdir(w.path("data/tavelin-piano/pupils").c_str(), 0700), 0);
    writeAll(w.path("data/tavelin-piano/pupils/Lea.csv"), results());
    const std::vector<std::vector<std::string>> commands = {
        {"--help"}, {"--version"}, {"--list-midi-out"}, {"--list-pupils"}, {"--report", w.path("lea.csv")}};
    for (const auto& args : commands) {
        SCOPED_TRACE(args.front());
        const Outcome r = w.run({.args = args, .output = "/dev/full", .set = {"XDG_DATA_HOME=" + w.path("data")}});
        EXPECT_NE(r.status, 0) << r.err;
        EXPECT_NE(r.err.find("cannot write to standard output"), std::string::npos) << r.err;
    }
}

TEST(ResultsHardening, OnlyARegularFileOfOursIsTaken)
{
    Work w;
    ASSERT_EQ(::mkfifo(w.path("fifo.csv").c_str(), 0600), 0);
    const std::string png = std::string("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16);
    writeAll(w.path("victim.png"), png);
    writeAll(w.path("other.csv"), "Nom;Prénom\nDupont;Anne\n");
    const struct {
        std::string path;
        const char* says;
    } cases[] = {
        {w.path("fifo.csv"), "is not a regular file"},
        {"/dev/null", "is not a regular file"},
        {w.path("victim.png"), "is not a results file"},
        {w.path("other.csv"), "is not a results file"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.path);
        // A reader on the pipe, as `cat` would be: it must get nothing.
        const int reader = ::open(w.path("fifo.csv").c_str(), O_RDONLY | O_NONBLOCK);
        const auto began = std::chrono::steady_clock::now();
        const Outcome r = w.run({.args = {"--results", c.path}});
        EXPECT_LT(std::chrono::steady_clock::now() - began, std::chrono::seconds(60)) << "refused, not waited on";
        EXPECT_EQ(r.status, 2) << r.err;
        EXPECT_EQ(lineCount(r.err), 1) << r.err;
        EXPECT_NE(r.err.find(c.says), std::string::npos) << r.err;
        char byte = 0;
        EXPECT_LE(::read(reader, &byte, 1), 0) << "nothing written to the pipe";
        ::close(reader);
    }
    EXPECT_EQ(readAll(w.path("victim.png")), png);
    EXPECT_EQ(readAll(w.path("other.csv")), "Nom;Prénom\nDupont;Anne\n");
}

TEST(ResultsHardening, NoDisplayIsOneLineAndNoFile)
{
    const struct {
        const char* name;
        std::vector<std::string> set;
    } cases[] = {
        {"no DISPLAY", {}},
        {"a DISPLAY with no X server", {"DISPLAY=:987"}},
        {"xcb asked for, a DISPLAY with no X server", {"DISPLAY=:987", "QT_QPA_PLATFORM=xcb"}},
        {"a DISPLAY that is no display name", {"DISPLAY=nowhere"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Work w;
        const Outcome r = w.run({.args = {"--results", w.path("lea.csv")},
                                 .unset = {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "XDG_SESSION_TYPE"},
                                 .set = c.set});
        EXPECT_EQ(r.status, 1) << "no abort";
        EXPECT_EQ(r.err, "no display: set DISPLAY or run in a desktop session\n");
        EXPECT_TRUE(entries(w.folder()).empty()) << "no results file made";
    }
}

TEST(ResultsHardening, FileNamesAreBytes)
{
    const std::string name = "\xe9l\xe8ve.csv";  // Latin-1, not valid UTF-8
    Work w;
    // --results: the start-up check makes the file under that very name.
    const Spawn s{.args = {"--results", w.path(name)}};
    const pid_t pid = start(s, w.logs.path().toStdString());
    ASSERT_GT(pid, 0);
    for (int i = 0; i < 600 && !exists(w.path(name)); ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(50));  // a real program starting: no event to wait on
    }
    ::kill(pid, SIGTERM);  // it may not have its handler yet: only the name matters here
    wait(pid, s, w.logs.path().toStdString());
    EXPECT_EQ(entries(w.folder()), std::vector<std::string>{name});
    EXPECT_EQ(readAll(w.path(name)), std::string(progress::csv::header) + "\n");

    // --report reads it and names the picture after it.
    writeAll(w.path(name), results());
    const Outcome report = w.run({.args = {"--report", w.path(name)}});
    EXPECT_EQ(report.status, 0) << report.err;
    EXPECT_TRUE(exists(w.path("\xe9l\xe8ve.png")));

    // A class: every file after the first is read under its own bytes too,
    // and so is the PDF's name.
    const std::string second = "\xe9l\xe8ve2.csv";
    writeAll(w.path(second), results() + row("b-1", 1, 48, "missed", ""));
    const std::string pdf = "cl\xe0sse.pdf";
    const Outcome cls = w.run({.args = {"--report", w.path(name), w.path(second), "--out", w.path(pdf)}});
    EXPECT_EQ(cls.status, 0) << cls.err;
    EXPECT_EQ(readAll(w.path(pdf)).substr(0, 4), "%PDF");
    EXPECT_NE(cls.out.find("PDF : " + w.path(pdf)), std::string::npos) << cls.out;
    EXPECT_EQ(readAll(w.path(second)), results() + row("b-1", 1, 48, "missed", ""));

    // The PDF may not be one of the files, under any name.
    const std::string before = readAll(w.path(second));
    ASSERT_EQ(::link(w.path(second).c_str(), w.path("same.pdf").c_str()), 0);
    const Outcome same = w.run({.args = {"--report", w.path(name), w.path(second), "--out", w.path("same.pdf")}});
    EXPECT_EQ(same.status, 2) << same.err;
    EXPECT_EQ(lineCount(same.err), 1) << same.err;
    EXPECT_EQ(readAll(w.path(second)), before) << "not one byte changed";
}

TEST(ReportHardening, ADeviceThatNeverEndsIsRefused)
{
    Work w;
    for (const char* device : {"/dev/zero", "/dev/urandom"}) {
        SCOPED_TRACE(device);
        const auto began = std::chrono::steady_clock::now();
        const Outcome r = w.run({.args = {"--report", device}, .cwd = w.folder()});
        EXPECT_LT(std::chrono::steady_clock::now() - began, std::chrono::seconds(60)) << "refused, not read for ever";
        EXPECT_EQ(r.status, 2) << r.err;
        EXPECT_EQ(lineCount(r.err), 1) << r.err;
        EXPECT_TRUE(entries(w.folder()).empty()) << "no picture";
    }
}

TEST(OptionsHardening, OptionsThatDoNotGoTogetherAndNumbersOutOfRangeExit2)
{
    Work w;
    writeAll(w.path("lea.csv"), results());
    const std::string before = readAll(w.path("lea.csv"));
    const std::vector<std::vector<std::string>> commands = {
        {"--report", w.path("lea.csv"), "--results", w.path("y.csv"), "--midi-out", "7"},
        {"--report", w.path("lea.csv"), "--results", w.path("y.csv")},
        {"--report", w.path("lea.csv"), "--midi-in", "none"},
        {"--list-midi-out", "--results", w.path("y.csv")},
        {"--list-midi-in", "--midi-out", "1"},
        {"--list-pupils", "--results", w.path("y.csv")},
        {"--midi-in", "99999999999:0"},
        {"--midi-in", "256:0"},
        {"--midi-in", "0:256"},
    };
    for (const auto& args : commands) {
        std::string line;
        for (const std::string& a : args) {
            line += a + " ";
        }
        SCOPED_TRACE(line);
        const Outcome r = w.run({.args = args, .cwd = w.folder()});
        EXPECT_EQ(r.status, 2) << r.err;
        EXPECT_EQ(lineCount(r.err), 1) << r.err;
        EXPECT_TRUE(r.out.empty()) << r.out;
    }
    EXPECT_EQ(entries(w.folder()), std::vector<std::string>{"lea.csv"}) << "no results file, no picture";
    EXPECT_EQ(readAll(w.path("lea.csv")), before);
}

// ---------------------------------------------------------------- pupils' files

namespace {

// A data folder with the pupils' folder in it.
struct PupilsWork : Work {
    PupilsWork()
    {
        ::mkdir(path("data").c_str(), 0700);
        ::mkdir(path("data/tavelin-piano").c_str(), 0700);
        ::mkdir(pupils().c_str(), 0700);
    }
    std::string pupils() const { return path("data/tavelin-piano/pupils"); }
    std::string data() const { return "XDG_DATA_HOME=" + path("data"); }
};

}  // namespace

TEST(PupilsHardening, APupilsFileThatCannotBeLookedAtIsSaidNotThrown)
{
    // Every check of the pupil's file says what is wrong in one line and
    // status 2; none throws (status 134 was std::filesystem's error).
    PupilsWork w;
    writeAll(w.pupils() + "/Léa.csv", results());
    ASSERT_EQ(::symlink("Loop.csv", (w.pupils() + "/Loop.csv").c_str()), 0);  // a loop on the file
    const std::string long_(5000, 'x');
    ::mkdir(w.path("loop").c_str(), 0700);
    ASSERT_EQ(::symlink(w.path("loop/tavelin-piano").c_str(), w.path("loop/tavelin-piano").c_str()),
              0);  // on the folder
    const struct {
        const char* name;
        std::string data;
        const char* pupil;
        const char* says;
    } cases[] = {
        {"a loop of links on the file", w.data(), "Loop", "Too many levels of symbolic links"},
        {"a loop of links on the folder", "XDG_DATA_HOME=" + w.path("loop"), "Léa",
         "Too many levels of symbolic links"},
        {"a data folder over 4096 bytes", "XDG_DATA_HOME=/" + long_, "Léa", "File name too long"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const Outcome r =
            w.run({.args = {"--report", "--pupil", c.pupil}, .set = {c.data}, .limit = std::chrono::seconds(60)});
        EXPECT_EQ(r.signal, 0) << r.err;
        EXPECT_EQ(r.status, 2) << r.err;
        EXPECT_EQ(lineCount(r.err), 1) << r.err;
        EXPECT_NE(r.err.find(c.says), std::string::npos) << r.err;
    }
    // The listing of a folder that loops, or cannot be reached, fails in one line too.
    const Outcome listed =
        w.run({.args = {"--list-pupils"}, .set = {"XDG_DATA_HOME=/" + long_}, .limit = std::chrono::seconds(60)});
    EXPECT_EQ(listed.signal, 0) << listed.err;
    EXPECT_EQ(lineCount(listed.err), 1) << listed.err;
}

TEST(PupilsHardening, APipeInAPupilsPlaceIsRefusedAtOnce)
{
    // --report --pupil Fifo with Fifo.csv a FIFO nobody writes to: refused
    // at once, not waited on for ever (the limit is long only for a loaded
    // machine running the sanitizer build); the listing passes it over.
    PupilsWork w;
    ASSERT_EQ(::mkfifo((w.pupils() + "/Fifo.csv").c_str(), 0600), 0);
    writeAll(w.pupils() + "/Léa.csv", results());
    const Outcome r =
        w.run({.args = {"--report", "--pupil", "Fifo"}, .set = {w.data()}, .limit = std::chrono::seconds(60)});
    EXPECT_FALSE(r.timedOut) << "the report waited on the FIFO";
    EXPECT_EQ(r.status, 2) << r.err;
    EXPECT_NE(r.err.find("is not a regular file"), std::string::npos) << r.err;
    const Outcome listed = w.run({.args = {"--list-pupils"}, .set = {w.data()}, .limit = std::chrono::seconds(60)});
    EXPECT_FALSE(listed.timedOut);
    EXPECT_EQ(listed.status, 0) << listed.err;
    EXPECT_EQ(listed.out.find("Fifo"), std::string::npos) << listed.out;
    // A FIFO given by name to the report is read as a pipe: nobody writing
    // to it, it holds nothing.
    const Outcome named = w.run({.args = {"--report", w.pupils() + "/Fifo.csv", "--out", w.path("fifo.png")},
                                 .limit = std::chrono::seconds(60)});
    EXPECT_FALSE(named.timedOut) << "the report waited on the FIFO";
}

TEST(PupilsHardening, AFullDiskAtStartUpLeavesNoPupilBehind)
{
    // A file size limit of 0 stands for the full disk (it holds for the
    // program's own standard error too, so nothing is said there): the
    // start-up check cannot write the new pupil's header, the program ends
    // with status 2, and the listing shows no "Léa 0" afterwards.
    PupilsWork w;
    const Outcome r = w.run({.args = {"--pupil", "Léa"},
                             .set = {w.data()},
                             .shellPrefix = "trap '' XFSZ; ulimit -f 0;",
                             .limit = std::chrono::seconds(60)});
    EXPECT_EQ(r.status, 2) << r.err;
    EXPECT_EQ(entries(w.pupils()), std::vector<std::string>{}) << "no empty file left";
    const Outcome listed = w.run({.args = {"--list-pupils"}, .set = {w.data()}});
    EXPECT_EQ(listed.out, "") << listed.out;
}

// Pupils by name under names a hostile tester gives: accents written either
// way on disk, bytes that are not UTF-8, control characters, the longest
// names, files named twice, a pupil's file that cannot be read.
namespace {

const std::string nfcLea =
    "L\xc3\xa9"
    "a";  // é as one character
const std::string nfdLea =
    "Le\xcc\x81"
    "a";  // e and the combining accent

// A data folder of its own (XDG_DATA_HOME) with its pupils' folder, and a
// folder where the teacher is, for the pictures.
struct Pupils {
    Work w;
    Pupils()
    {
        for (const char* f : {"data", "data/tavelin-piano", "data/tavelin-piano/pupils", "here"}) {
            EXPECT_EQ(::mkdir(w.path(f).c_str(), 0700), 0);
        }
    }
    std::string file(const std::string& name) const { return w.path("data/tavelin-piano/pupils/" + name); }
    std::string here(const std::string& name) const { return w.path("here/" + name); }
    Outcome run(const std::vector<std::string>& args) const
    {
        return w.run({.args = args, .cwd = w.path("here"), .set = {"XDG_DATA_HOME=" + w.path("data")}});
    }
};

// runs runs of one note each, on the days from the first of September on.
std::string runsOf(const std::string& id, int runs, const char* hour = "17")
{
    std::string text = std::string(progress::csv::header) + "\n";
    for (int i = 1; i <= runs; ++i) {
        const std::string day = (i < 10 ? "0" : "") + std::to_string(i);
        const std::string started = "2024-09-" + day + "T" + hour + ":00:00+02:00";
        text += row((id + "-" + std::to_string(i)).c_str(), 1, 64, "right", "1000", started.c_str());
    }
    return text;
}

std::size_t occurrences(const std::string& text, const std::string& part)
{
    std::size_t n = 0;
    for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) {
        ++n;
    }
    return n;
}

}  // namespace

TEST(PupilFiles, AnAccentWrittenEitherWayOnDiskIsOnePupil)
{
    Pupils p;
    const std::string composed = runsOf("c", 2, "18");
    const std::string decomposed = runsOf("d", 20);
    writeAll(p.file(nfcLea + ".csv"), composed);
    writeAll(p.file(nfdLea + ".csv"), decomposed);

    const Outcome list = p.run({"--list-pupils"});
    EXPECT_EQ(list.status, 0) << list.err;
    EXPECT_EQ(list.out, nfcLea + "\t22\t2024-09-20\n") << "one pupil, every run of both files";
    for (const std::string& typed : {nfcLea, nfdLea}) {
        SCOPED_TRACE(typed);
        const Outcome report = p.run({"--report", "--pupil", typed});
        EXPECT_EQ(report.status, 0) << report.err;
        EXPECT_NE(report.out.find("22 séances"), std::string::npos) << report.out;
        EXPECT_TRUE(exists(p.here(nfcLea + ".png")));
    }
    EXPECT_EQ(readAll(p.file(nfcLea + ".csv")), composed) << "not one byte changed";
    EXPECT_EQ(readAll(p.file(nfdLea + ".csv")), decomposed) << "not one byte changed";
}

TEST(PupilFiles, NamesThatAreNotUtf8NeitherCollideNorVanish)
{
    Pupils p;
    const std::string latin1 = runsOf("l", 3);
    writeAll(p.file("caf\xe9.csv"), latin1);  // written by another program, in Latin-1
    writeAll(p.file("%FF.csv"), runsOf("f", 1));
    writeAll(p.file("%FE.csv"), runsOf("e", 2));

    const Outcome list = p.run({"--list-pupils"});
    EXPECT_EQ(list.status, 0) << list.err;
    EXPECT_EQ(list.out, "caf\\xE9\t3\t2024-09-03\n\\xFE\t2\t2024-09-02\n\\xFF\t1\t2024-09-01\n")
        << "listed as a shell's $'...' reads them back";
    const struct {
        std::string name;
        const char* runs;
    } cases[] = {{"caf\xe9", "3 séances"}, {"\xff", "1 séance "}, {"\xfe", "2 séances"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.runs);
        const Outcome report = p.run({"--report", "--pupil", c.name, "--out", p.here("bilan.png")});
        EXPECT_EQ(report.status, 0) << report.err;
        EXPECT_NE(report.out.find(c.runs), std::string::npos) << report.out;
    }
    EXPECT_EQ(readAll(p.file("caf\xe9.csv")), latin1) << "not one byte changed";
}

TEST(PupilFiles, TheClassReportCountsEachFileOnce)
{
    Work w;
    writeAll(w.path("a.csv"), results());
    ASSERT_EQ(::link(w.path("a.csv").c_str(), w.path("a_hard.csv").c_str()), 0);
    ASSERT_EQ(::symlink("a.csv", w.path("a_sym.csv").c_str()), 0);
    const Outcome files = w.run(
        {.args = {"--report", "a.csv", "a_hard.csv", "a_sym.csv", "./a.csv", "--out", "same.pdf"}, .cwd = w.folder()});
    EXPECT_EQ(files.status, 0) << files.err;
    EXPECT_NE(files.out.find("Bilan de la classe : 1 élève\n"), std::string::npos) << files.out;
    EXPECT_EQ(pdfPages(w.path("same.pdf")), 2) << "the comparison and one pupil's page";
    EXPECT_EQ(occurrences(files.err, "counted once"), 3U) << files.err;
    EXPECT_EQ(readAll(w.path("a.csv")), results());

    Pupils p;
    writeAll(p.file("L\xc3\xa9"
                    "a Martin.csv"),
             results());
    const Outcome names = p.run({"--report", "--pupil",
                                 "L\xc3\xa9"
                                 "a Martin",
                                 "--pupil",
                                 "L\xc3\xa9"
                                 "a Martin",
                                 "--pupil",
                                 "Le\xcc\x81"
                                 "a Martin",
                                 "--out", p.here("classe.pdf")});
    EXPECT_EQ(names.status, 0) << names.err;
    EXPECT_NE(names.out.find("Bilan de la classe : 1 élève\n"), std::string::npos) << names.out;
    EXPECT_EQ(pdfPages(p.here("classe.pdf")), 2);
}

TEST(PupilFiles, EveryNameIsPrintedOnOneLineAndReadsBack)
{
    Pupils p;
    writeAll(p.file("tab%09here.csv"), runsOf("t", 1));
    writeAll(p.file("line%0Abreak.csv"), runsOf("l", 2));
    writeAll(p.file("back\\slash.csv"), runsOf("b", 3));
    const Outcome list = p.run({"--list-pupils"});
    EXPECT_EQ(list.status, 0) << list.err;
    EXPECT_EQ(list.out, "back\\\\slash\t3\t2024-09-03\nline\\nbreak\t2\t2024-09-02\ntab\\there\t1\t2024-09-01\n");

    const Outcome cls = p.run({"--report", "--pupil", "tab\there", "--pupil", "line\nbreak", "--out", p.here("c.pdf")});
    EXPECT_EQ(cls.status, 0) << cls.err;
    EXPECT_EQ(lineCount(cls.out), 4) << "a line for the class, one a pupil, the PDF's\n" << cls.out;
    EXPECT_NE(cls.out.find("\n  tab\\there : 1 séance"), std::string::npos) << cls.out;
    EXPECT_NE(cls.out.find("\n  line\\nbreak : 2 séances"), std::string::npos) << cls.out;

    const Outcome one = p.run({"--report", "--pupil", "line\nbreak"});
    EXPECT_EQ(one.status, 0) << one.err;
    EXPECT_EQ(one.out.substr(0, one.out.find('\n') + 1), "Bilan de line\\nbreak\n") << one.out;
}

TEST(PupilFiles, TheLongestNameThatPlaysCanBeReported)
{
    Pupils p;
    const std::string longest(251, 'x');  // "NAME.csv" is 255 bytes, and so is "NAME.png"
    writeAll(p.file(longest + ".csv"), results());
    const Outcome r = p.run({"--report", "--pupil", longest});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(readAll(p.here(longest + ".png")).substr(0, 4), "\x89PNG");
    EXPECT_EQ(entries(p.w.path("here")), std::vector<std::string>{longest + ".png"}) << "no temporary file left";

    const Outcome tooLong = p.run({"--report", "--pupil", longest + "x"});
    EXPECT_EQ(tooLong.status, 2) << tooLong.err;
    EXPECT_EQ(lineCount(tooLong.err), 1) << tooLong.err;
    EXPECT_NE(tooLong.err.find("at most 255"), std::string::npos) << tooLong.err;
}

TEST(PupilFiles, AClassReportGoesPastABadPupilAndSaysIt)
{
    Pupils p;
    writeAll(p.file("L\xc3\xa9"
                    "a.csv"),
             runsOf("l", 2));
    ASSERT_EQ(::mkdir(p.file("Hugo.csv").c_str(), 0700), 0);
    const std::string damaged = runsOf("i", 1) + "garbage\nmore garbage\n,,,\n";
    writeAll(p.file("In\xc3\xa8s.csv"), damaged);
    const Outcome r = p.run({"--report", "--pupil",
                             "L\xc3\xa9"
                             "a",
                             "--pupil", "Hugo", "--pupil", "In\xc3\xa8s", "--out", p.here("classe.pdf")});
    EXPECT_EQ(r.status, 1) << "a pupil could not be read";
    EXPECT_NE(r.err.find("Hugo"), std::string::npos) << r.err;
    EXPECT_NE(r.err.find("Is a directory"), std::string::npos) << r.err;
    EXPECT_EQ(pdfPages(p.here("classe.pdf")), 3) << "the comparison, Léa's page and Inès's";
    EXPECT_NE(r.out.find("Bilan de la classe : 2 élèves\n"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("In\xc3\xa8s : 1 séance, 1 note"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("3 lignes illisibles"), std::string::npos) << r.out;
    EXPECT_EQ(readAll(p.file("In\xc3\xa8s.csv")), damaged);
}

TEST(PupilFiles, AFailureIsSaidOnce)
{
    Work w;
    writeAll(w.path("a.csv"), results());
    writeAll(w.path("b.csv"), results());
    ASSERT_EQ(::mkdir(w.path("dir.pdf").c_str(), 0700), 0);
    ASSERT_EQ(::mkdir(w.path("dir.png").c_str(), 0700), 0);
    const Outcome cls = w.run({.args = {"--report", "a.csv", "b.csv", "--out", "dir.pdf"}, .cwd = w.folder()});
    EXPECT_EQ(cls.status, 1);
    EXPECT_EQ(lineCount(cls.err), 1) << cls.err;
    EXPECT_EQ(occurrences(cls.err, "cannot write"), 1U) << cls.err;
    EXPECT_NE(cls.err.find("dir.pdf': Is a directory"), std::string::npos) << cls.err;
    const Outcome one = w.run({.args = {"--report", "a.csv", "--out", "dir.png"}, .cwd = w.folder()});
    EXPECT_EQ(one.status, 1);
    EXPECT_EQ(occurrences(one.err, "cannot write"), 1U) << one.err;
}

TEST(PupilFiles, APupilsReportGoesByTheirName)
{
    Pupils p;
    writeAll(p.file("a%2Fb.csv"), results());
    const Outcome r = p.run({"--report", "--pupil", "a/b"});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out.substr(0, r.out.find('\n') + 1), "Bilan de a/b\n") << r.out;
}
