// The results file: new and existing files, two writers at once, paths that
// cannot be written, a disk that fills up during a session.
#include "progress/tests/progressrig.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <algorithm>
#include <barrier>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <map>
#include <sstream>
#include <thread>

#include <csignal>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

using progress::NoteResult;
using progress::Outcome;
using progress::ResultsFile;
using progress_testing::lines;
using progress_testing::ObservedRig;

namespace {

std::string readAll(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

void writeAll(const std::string& path, const std::string& text)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << text;
}

// The rows of one run of n notes, each line long enough to make a split visible.
std::string runRows(const std::string& run, int n)
{
    std::string text;
    for (int place = 1; place <= n; ++place) {
        NoteResult r;
        r.started = "2024-09-02T17:00:00+02:00";
        r.run = run;
        r.mode = 6;
        r.place = place;
        r.note = 60 + place % 20;
        r.accidental = art::pitch::isBlackKey(r.note) ? art::Accidental::Sharp : art::Accidental::None;
        r.outcome = Outcome::Missed;
        for (int k = 0; k < 12; ++k) {
            r.wrongKeys.push_back({40 + k, progress::MistakeKind::Other});
        }
        progress::appendCsvRow(text, r);
    }
    return text;
}

// Checks a file written by several writers: one header, on the first line;
// every other line a row; each run's rows together and complete.
void expectWhole(const std::string& text, std::size_t runs, int notes)
{
    const std::vector<std::string> all = lines(text);
    ASSERT_FALSE(all.empty());
    EXPECT_EQ(all[0], progress::csv::header);
    ASSERT_EQ(all.size(), 1 + runs * static_cast<std::size_t>(notes));
    std::map<std::string, int> seen;
    std::string current;
    int place = 0;
    for (std::size_t i = 1; i < all.size(); ++i) {
        const auto r = progress::parseCsvRow(all[i]);
        ASSERT_TRUE(r.has_value()) << "line " << i + 1 << ": " << all[i];
        if (r->run != current) {
            ASSERT_EQ(place, current.empty() ? 0 : notes) << "run " << current << " was cut";
            ASSERT_EQ(seen.count(r->run), 0U) << "run " << r->run << " comes back after another";
            current = r->run;
            place = 0;
            seen[current] = 1;
        }
        ++place;
        ASSERT_EQ(r->place, place) << "line " << i + 1;
    }
    EXPECT_EQ(seen.size(), runs);
}

struct Folder {
    QTemporaryDir dir;
    std::string path(const char* name) const { return dir.filePath(QString::fromLatin1(name)).toStdString(); }
};

}  // namespace

TEST(ResultsFile, ANewFileGetsTheHeaderOnce)
{
    Folder f;
    const std::string path = f.path("new.csv");
    ResultsFile file(path);
    EXPECT_EQ(file.append(std::string()), "");
    EXPECT_EQ(readAll(path), std::string(progress::csv::header) + "\n") << "the start-up check makes the file";
    EXPECT_EQ(file.append(runRows("a-1", 3)), "");
    ResultsFile again(path);  // another session
    EXPECT_EQ(again.append(std::string()), "");
    EXPECT_EQ(again.append(runRows("b-1", 2)), "");
    EXPECT_EQ(readAll(path), std::string(progress::csv::header) + "\n" + runRows("a-1", 3) + runRows("b-1", 2));
}

TEST(ResultsFile, AnExistingFileIsOnlyAddedTo)
{
    const struct {
        const char* name;
        std::string before;
        std::string after;  // what the file holds once one run is added
    } cases[] = {
        {"rows already", std::string(progress::csv::header) + "\n" + runRows("a-1", 2),
         std::string(progress::csv::header) + "\n" + runRows("a-1", 2) + runRows("z-1", 2)},
        {"last line cut short", std::string(progress::csv::header) + "\n2024-09-02T17:00:00+02:00,a-1,6,1,6",
         std::string(progress::csv::header) + "\n2024-09-02T17:00:00+02:00,a-1,6,1,6\n" + runRows("z-1", 2)},
        {"header with CRLF", std::string(progress::csv::header) + "\r\n",
         std::string(progress::csv::header) + "\r\n" + runRows("z-1", 2)},
        {"empty", "", std::string(progress::csv::header) + "\n" + runRows("z-1", 2)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Folder f;
        const std::string path = f.path("old.csv");
        writeAll(path, c.before);
        ResultsFile file(path);
        EXPECT_EQ(file.append(std::string()), "");
        if (!c.before.empty()) {
            EXPECT_EQ(readAll(path), c.before) << "the start-up check changes nothing";
        }
        EXPECT_EQ(file.append(runRows("z-1", 2)), "");
        EXPECT_EQ(readAll(path), c.after);
    }
}

TEST(ResultsFile, AFileThatIsNotOursIsRefusedAndKeptByteForByte)
{
    const struct {
        const char* name;
        std::string before;
    } cases[] = {
        {"notes of a teacher", "notes of the teacher\n"},
        {"a picture", std::string("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16)},
        {"another CSV", "Nom;Prénom;Classe\nDupont;Anne;CE2\n"},
        {"our header cut short", "started,run,mode"},
        {"our header and more on its line", std::string(progress::csv::header) + ",extra\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Folder f;
        const std::string path = f.path("victim.png");
        writeAll(path, c.before);
        ResultsFile file(path);
        const std::string error = file.append(std::string());
        EXPECT_NE(error.find("is not a results file"), std::string::npos) << error;
        EXPECT_NE(file.append(runRows("z-1", 2)), "");
        EXPECT_EQ(readAll(path), c.before) << "not one byte changed";
    }
}

TEST(ResultsFile, PipesDevicesAndSocketsAreRefusedWithoutWaiting)
{
    Folder f;
    const std::string fifo = f.path("fifo.csv");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    const std::string socket = f.path("socket.csv");
    const int s = ::socket(AF_UNIX, SOCK_STREAM, 0);
    ASSERT_GE(s, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    ASSERT_LT(socket.size(), sizeof(address.sun_path));
    std::copy(socket.begin(), socket.end(), address.sun_path);
    ASSERT_EQ(::bind(s, reinterpret_cast<sockaddr*>(&address), sizeof(address)), 0);
    // No reader on the pipe: an open for writing that waited would hang here.
    for (const std::string& path : {fifo, socket, std::string("/dev/null"), std::string("/dev/full")}) {
        SCOPED_TRACE(path);
        ResultsFile file(path);
        EXPECT_NE(file.append(std::string()).find("is not a regular file"), std::string::npos);
        EXPECT_NE(file.append(runRows("z-1", 2)).find("is not a regular file"), std::string::npos);
    }
    ::close(s);
}

TEST(ResultsFile, TwoThreadsAppendingAtOnceNeverMixTheirRows)
{
    // Each round starts both writers together on a file that does not exist
    // yet, so both may find it empty: the lock lets only one write the header.
    constexpr int rounds = 20;
    constexpr int runsEach = 15;
    constexpr int notes = 50;
    Folder f;
    for (int round = 0; round < rounds; ++round) {
        const std::string path = f.path(("both" + std::to_string(round) + ".csv").c_str());
        std::barrier go(2);
        auto writer = [&](char who) {
            ResultsFile file(path);
            go.arrive_and_wait();
            for (int i = 1; i <= runsEach; ++i) {
                ASSERT_EQ(file.append(runRows(std::string(1, who) + "-" + std::to_string(i), notes)), "");
            }
        };
        std::thread a(writer, 'a');
        std::thread b(writer, 'b');
        a.join();
        b.join();
        SCOPED_TRACE(round);
        expectWhole(readAll(path), 2 * runsEach, notes);
    }
}

TEST(ResultsFile, TwoProgramsAppendingAtOnceNeverMixTheirRows)
{
    constexpr int programs = 3;
    constexpr int runsEach = 40;
    constexpr int notes = 50;
    Folder f;
    const std::string path = f.path("shared.csv");
    std::vector<pid_t> children;
    int ready[2];
    ASSERT_EQ(::pipe(ready), 0);
    for (int p = 0; p < programs; ++p) {
        const pid_t pid = ::fork();
        ASSERT_GE(pid, 0);
        if (pid == 0) {
            // The child: wait for the start, append, and leave at once.
            ::close(ready[1]);
            char go = 0;
            const bool started = ::read(ready[0], &go, 1) == 0;  // the parent closes its end
            ResultsFile file(path);
            bool ok = started;
            for (int i = 1; i <= runsEach && ok; ++i) {
                ok = file.append(runRows("p" + std::to_string(p) + "-" + std::to_string(i), notes)).empty();
            }
            ::_exit(ok ? 0 : 1);
        }
        children.push_back(pid);
    }
    ::close(ready[0]);
    ::close(ready[1]);  // all children start now
    for (const pid_t pid : children) {
        int status = 0;
        ASSERT_EQ(::waitpid(pid, &status, 0), pid);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    }
    expectWhole(readAll(path), programs * runsEach, notes);
}

TEST(ResultsFile, PathsThatCannotBeWrittenAreRefusedAtStartUp)
{
    Folder f;
    const std::string plainFile = f.path("plain");
    writeAll(plainFile, "x");
    const struct {
        std::string path;
        const char* why;
    } cases[] = {
        {f.path("missing/folder/results.csv"), "No such file or directory"},
        {plainFile + "/results.csv", "Not a directory"},
        {f.path(""), "Is a directory"},
        {"/dev/full", "is not a regular file"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.path);
        std::vector<std::string> reports;
        progress::ResultsRecorder recorder(std::make_unique<ResultsFile>(c.path),
                                           [&](const std::string& m) { reports.push_back(m); });
        const std::string error = recorder.check();
        EXPECT_NE(error.find(c.why), std::string::npos) << error;
        EXPECT_NE(error.find(c.path), std::string::npos) << error;
        EXPECT_TRUE(reports.empty()) << "start-up says it itself, once";
    }
    EXPECT_EQ(readAll(plainFile), "x");
}

TEST(ResultsFile, ADiskThatFillsUpDuringASessionIsReportedOnce)
{
    // The file is fine at start-up; then it is replaced by a link to a device
    // (refused), then by a folder (it cannot be opened at all), then it is a
    // file again. A real full disk is tried on the program itself (a file
    // size limit), in the tests of the program's results.
    Folder f;
    const std::string path = f.path("session.csv");
    std::vector<std::string> reports;
    progress::ResultsRecorder recorder(
        std::make_unique<ResultsFile>(path), [&](const std::string& m) { reports.push_back(m); },
        [] { return std::string("2024-09-02T17:00:00+02:00"); }, "s");
    ASSERT_EQ(recorder.check(), "");
    ObservedRig rig(recorder);
    rig.playWholeRun(1);
    ASSERT_TRUE(recorder.waitUntilTried());
    ASSERT_EQ(lines(readAll(path)).size(), 51U);
    ASSERT_TRUE(QFile::remove(QString::fromStdString(path)));
    ASSERT_EQ(::symlink("/dev/full", path.c_str()), 0);

    rig.playWholeRun(1);
    EXPECT_FALSE(recorder.waitUntilTried());
    ASSERT_EQ(reports.size(), 1U);
    EXPECT_NE(reports[0].find("is not a regular file"), std::string::npos) << reports[0];
    EXPECT_EQ(rig.form->exerciseState(), ExerciseState::Idle);

    ASSERT_EQ(::unlink(path.c_str()), 0);
    ASSERT_TRUE(QDir().mkdir(QString::fromStdString(path)));
    rig.playWholeRun(2);
    EXPECT_FALSE(recorder.waitUntilTried());
    EXPECT_EQ(reports.size(), 1U) << "said once only";
    EXPECT_EQ(rig.form->notecount, 0);
    EXPECT_GT(recorder.pendingBytes(), 0U);

    ASSERT_TRUE(QDir().rmdir(QString::fromStdString(path)));
    rig.playWholeRun(1);
    EXPECT_TRUE(recorder.waitUntilTried());
    EXPECT_EQ(recorder.pendingBytes(), 0U);
    const auto all = lines(readAll(path));
    ASSERT_EQ(all.size(), 1U + 3U * 50U) << "the runs kept back go out with the next one";
    EXPECT_EQ(all[0], progress::csv::header);
    EXPECT_EQ(progress::parseCsvRow(all[1])->run, "s-2");
    EXPECT_EQ(progress::parseCsvRow(all[51])->run, "s-3");
    EXPECT_EQ(progress::parseCsvRow(all[101])->run, "s-4");
    EXPECT_EQ(progress::parseCsvRow(all[150])->run, "s-4");
    EXPECT_EQ(reports.size(), 1U);
}

TEST(ResultsFile, AWriteThatFailsHalfWayLeavesNothingBehind)
{
    // A file size limit stands for a disk that fills up in the middle of a
    // run's rows: the first part goes in, the rest fails. The limit is set in
    // a child process, which then tries to add a run.
    Folder f;
    const std::string path = f.path("kept.csv");
    ResultsFile file(path);
    ASSERT_EQ(file.append(runRows("a-1", 2)), "");
    const std::string before = readAll(path);
    const std::string big = runRows("a-2", 50);
    ASSERT_GT(big.size(), 4000U);
    const pid_t pid = ::fork();
    ASSERT_GE(pid, 0);
    if (pid == 0) {
        std::signal(SIGXFSZ, SIG_IGN);  // a write past the limit fails with EFBIG instead
        const rlimit limit{static_cast<rlim_t>(before.size() + 1000), static_cast<rlim_t>(before.size() + 1000)};
        ::setrlimit(RLIMIT_FSIZE, &limit);
        ResultsFile child(path);
        const std::string error = child.append(big);
        ::_exit(error.find("File too large") != std::string::npos ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(pid, &status, 0), pid);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "the write failed with EFBIG";
    EXPECT_EQ(readAll(path), before) << "the part that went in was cut off again";
    // And the next run goes in whole.
    ASSERT_EQ(file.append(runRows("a-3", 2)), "");
    EXPECT_EQ(readAll(path), before + runRows("a-3", 2));
}

TEST(ResultsFile, AFileThatCouldNotGetItsHeaderIsNotLeftBehind)
{
    // A full disk at start-up (a file size limit of 0 stands for it, in a
    // child process): the start-up check of a new pupil's file fails, and no
    // empty file is left for the listing to show as a pupil with 0 runs. A
    // file that was there before, empty or not, stays as it was.
    Folder f;
    writeAll(f.path("empty.csv"), "");
    ResultsFile kept(f.path("kept.csv"));
    ASSERT_EQ(kept.append(runRows("a-1", 2)), "");
    const std::string before = readAll(f.path("kept.csv"));
    const pid_t pid = ::fork();
    ASSERT_GE(pid, 0);
    if (pid == 0) {
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{0, 0};
        ::setrlimit(RLIMIT_FSIZE, &limit);
        int failed = 0;
        for (const char* name : {"new.csv", "empty.csv"}) {
            ResultsFile file(f.path(name));
            failed += file.append(std::string()).find("File too large") != std::string::npos ? 1 : 0;
        }
        ResultsFile again(f.path("kept.csv"));
        failed += again.append(runRows("a-2", 2)).find("File too large") != std::string::npos ? 1 : 0;
        ::_exit(failed == 3 ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(pid, &status, 0), pid);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "every write failed with EFBIG";
    struct stat st {};
    EXPECT_NE(::lstat(f.path("new.csv").c_str(), &st), 0) << "the file made for nothing is gone";
    ASSERT_EQ(::lstat(f.path("empty.csv").c_str(), &st), 0) << "a file that was there stays";
    EXPECT_EQ(st.st_size, 0);
    EXPECT_EQ(readAll(f.path("kept.csv")), before);
}

namespace {

// Another program holding the results file's lock: a child process that
// takes it, says so, and keeps it until release() (or its end).
class LockHolder {
public:
    explicit LockHolder(const std::string& path)
    {
        int ready[2];
        int hold[2];
        if (::pipe(ready) != 0 || ::pipe(hold) != 0) {
            return;
        }
        m_pid = ::fork();
        if (m_pid == 0) {
            ::close(ready[0]);
            ::close(hold[1]);
            const int fd = ::open(path.c_str(), O_RDWR);
            const bool locked = fd >= 0 && ::flock(fd, LOCK_EX) == 0;
            const char byte = locked ? 'y' : 'n';
            [[maybe_unused]] const ssize_t said = ::write(ready[1], &byte, 1);
            char end = 0;
            [[maybe_unused]] const ssize_t got = ::read(hold[0], &end, 1);  // until release()
            ::_exit(0);
        }
        ::close(ready[1]);
        ::close(hold[0]);
        m_hold = hold[1];
        char byte = 0;
        m_locked = ::read(ready[0], &byte, 1) == 1 && byte == 'y';
        ::close(ready[0]);
    }
    ~LockHolder() { release(); }
    LockHolder(const LockHolder&) = delete;
    LockHolder& operator=(const LockHolder&) = delete;
    bool locked() const { return m_locked; }
    void release()
    {
        if (m_hold >= 0) {
            ::close(m_hold);
            m_hold = -1;
            ::waitpid(m_pid, nullptr, 0);
        }
    }

private:
    pid_t m_pid = -1;
    int m_hold = -1;
    bool m_locked = false;
};

}  // namespace

TEST(ResultsFile, ALockHeldByAnotherProgramNeverHoldsTheWindow)
{
    Folder f;
    const std::string path = f.path("locked.csv");
    std::vector<std::string> reports;
    progress::ResultsRecorder recorder(
        std::make_unique<ResultsFile>(path), [&](const std::string& m) { reports.push_back(m); },
        [] { return std::string("2024-09-02T17:00:00+02:00"); }, "s");
    ASSERT_EQ(recorder.check(), "");
    ObservedRig rig(recorder);
    rig.playWholeRun(1);
    ASSERT_TRUE(recorder.waitUntilTried());
    const std::string first = readAll(path);
    ASSERT_EQ(lines(first).size(), 51U);

    LockHolder holder(path);
    ASSERT_TRUE(holder.locked());
    // Two whole runs while the writer waits for the lock: the window's timers
    // tick through all their notes (a window held in flock would never come
    // back from playWholeRun), and a run stopped half-way ends as usual.
    rig.playWholeRun(2);
    EXPECT_EQ(rig.form->exerciseState(), ExerciseState::Idle);
    rig.form->m_Click(1);
    rig.time.advance(3 * rig.interval());
    EXPECT_EQ(rig.form->notecount, 3) << "the third run goes on note by note";
    rig.form->stop1_Click();
    EXPECT_EQ(rig.form->exerciseState(), ExerciseState::Idle);
    EXPECT_FALSE(recorder.waitUntilTried(std::chrono::milliseconds(200))) << "still waiting for the lock";
    EXPECT_EQ(readAll(path), first) << "nothing written under another program's lock";
    EXPECT_EQ(recorder.pendingRows(), 53U);
    EXPECT_TRUE(reports.empty()) << "waiting is no failure";

    holder.release();
    ASSERT_TRUE(recorder.waitUntilTried());
    const auto all = lines(readAll(path));
    ASSERT_EQ(all.size(), 1U + 50U + 50U + 3U) << "every row once";
    EXPECT_EQ(std::count(all.begin(), all.end(), std::string(progress::csv::header)), 1);
    std::map<std::string, int> perRun;
    for (std::size_t i = 1; i < all.size(); ++i) {
        ++perRun[progress::parseCsvRow(all[i])->run];
    }
    EXPECT_EQ(perRun, (std::map<std::string, int>{{"s-1", 50}, {"s-2", 50}, {"s-3", 3}}));
    EXPECT_EQ(progress::parseCsvRow(all.back())->outcome, Outcome::Stopped);
    EXPECT_EQ(recorder.pendingRows(), 0U);
}

TEST(ResultsFile, AtTheEndALockThatStaysHeldIsGivenUpOnAndCounted)
{
    Folder f;
    const std::string path = f.path("held.csv");
    const auto started = std::chrono::steady_clock::now();
    {
        progress::ResultsRecorder recorder(
            std::make_unique<ResultsFile>(path), {}, [] { return std::string("2024-09-02T17:00:00+02:00"); }, "s");
        ASSERT_EQ(recorder.check(), "");
        const std::string header = readAll(path);
        LockHolder holder(path);
        ASSERT_TRUE(holder.locked());
        {
            ObservedRig rig(recorder);
            rig.playWholeRun(1);
            rig.form->m_Click(2);
            rig.time.advance(2 * rig.interval());
        }  // the window closes during the second run
        EXPECT_EQ(recorder.finish(std::chrono::milliseconds(300)), 52U) << "a whole run and the stopped one";
        EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::seconds(30)) << "given up, not waited on";
        holder.release();
        EXPECT_EQ(recorder.finish(), 52U) << "a second call says the same";
        EXPECT_EQ(readAll(path), header) << "nothing written once given up";
    }
    EXPECT_EQ(lines(readAll(path)).size(), 1U);
}
