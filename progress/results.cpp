#include "progress/results.h"

#include "platform/messages.h"
#include <array>
#include <cerrno>
#include <condition_variable>
#include <mutex>
#include <thread>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <random>
#include <string_view>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace progress {

using platform::message;

namespace {

constexpr mode_t newFileMode = 0644;  // rw-r--r--, less the umask

// sentence: a marked line with the file's name for %1 and errno's reason for %2.
std::string systemError(const char* sentence, const std::string& path, int error)
{
    return message(sentence, {path, std::strerror(error)});
}

// An open file descriptor, closed (and so unlocked) when it goes.
class Descriptor {
public:
    explicit Descriptor(int fd) : m_fd(fd) {}
    ~Descriptor()
    {
        if (m_fd >= 0) {
            ::close(m_fd);
        }
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int get() const { return m_fd; }

private:
    int m_fd;
};

// Writes all of text, going on after a short write; errno is left set on failure.
bool writeAll(int fd, const std::string& text)
{
    const char* data = text.data();
    std::size_t left = text.size();
    while (left > 0) {
        const ssize_t n = ::write(fd, data, left);
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        if (n == 0) {
            errno = EIO;
            return false;
        }
        data += n;
        left -= static_cast<std::size_t>(n);
    }
    return true;
}

}  // namespace

std::string localIsoNow()
{
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    // The offset in ISO 8601's extended form, +02:00 (strftime's %z gives +0200).
    const int offsetMinutes = static_cast<int>(local.tm_gmtoff / 60);  // within a day either way
    const int away = offsetMinutes < 0 ? -offsetMinutes : offsetMinutes;
    std::array<char, 96> text{};
    std::snprintf(text.data(), text.size(), "%04d-%02d-%02dT%02d:%02d:%02d%c%02d:%02d", local.tm_year + 1900,
                  local.tm_mon + 1, local.tm_mday, local.tm_hour, local.tm_min, local.tm_sec,
                  offsetMinutes < 0 ? '-' : '+', away / 60 % 24, away % 60);
    return text.data();
}

std::string newSessionId()
{
    std::random_device source;
    std::array<char, 9> text{};
    std::snprintf(text.data(), text.size(), "%08x", static_cast<unsigned>(source()));
    return text.data();
}

// ---------------------------------------------------------------- collector

RunCollector::RunCollector(WallClock clock, std::string session, Finished finished)
    : m_clock(std::move(clock)), m_session(std::move(session)), m_finished(std::move(finished))
{
}

void RunCollector::runStarted(int /*mode*/, std::uint32_t /*now*/)
{
    ++m_runCount;
    m_started = m_clock();
    m_runId = m_session + "-" + std::to_string(m_runCount);
}

void RunCollector::runEnded(const exercise::FinishedRun& run, std::uint32_t /*now*/)
{
    std::vector<NoteResult> rows = rowsOf(run);
    if (!rows.empty() && m_finished) {
        m_finished(std::move(rows));
    }
}

std::vector<NoteResult> RunCollector::rowsOf(const exercise::FinishedRun& run) const
{
    std::vector<NoteResult> rows;
    rows.reserve(run.notes.size());
    for (const exercise::FinishedNote& n : run.notes) {
        NoteResult row;
        row.started = m_started;
        row.run = m_runId;
        row.mode = run.mode;
        row.place = n.place;
        row.note = n.note;
        row.clef = n.written.clef;
        row.accidental = n.written.accidental;
        row.outcome = n.outcome;
        row.sounded = n.sounded;
        row.responseMs = n.responseMs;
        row.variant = n.variant;
        row.fifths = n.fifths;
        row.phrasePlace = n.phrasePlace;
        row.cClef = n.cClef;
        for (const int key : n.wrongKeys) {
            row.wrongKeys.push_back({key, classifyMistake(n.note, n.written.accidental, key)});
        }
        rows.push_back(std::move(row));
    }
    return rows;
}

// ---------------------------------------------------------------- file

ResultsFile::ResultsFile(std::string path) : m_path(std::move(path))
{
}

std::string ResultsFile::append(const std::string& rows)
{
    // A file taken away while we waited for its lock (another program made
    // it and could not write its header) is opened again, by its name.
    constexpr int tries = 8;
    std::string result;
    for (int attempt = 0; attempt < tries; ++attempt) {
        bool again = false;
        result = appendOnce(rows, &again);
        if (!again) {
            break;
        }
    }
    return result;
}

// Not a regular file: refused before it is opened, as opening a device can
// itself do something. (A folder goes on to fail to open, which says why.)
// Opened for reading too: the first line is read back to check it is our
// header, and the last byte to see whether the file ends its last line. A
// file we may write but not read is written without those checks. Returns
// the descriptor, or -1 with the reason in error.
int ResultsFile::openForAppend(Opened* opened, std::string* error) const
{
    struct stat before {};
    opened->existed = ::stat(m_path.c_str(), &before) == 0;
    if (opened->existed && !S_ISREG(before.st_mode) && !S_ISDIR(before.st_mode)) {
        *error = message(QT_TRANSLATE_NOOP("Messages", "'%1' is not a regular file"), {m_path});
        return -1;
    }
    constexpr int flags = O_APPEND | O_CREAT | O_CLOEXEC | O_NONBLOCK | O_NOCTTY;
    int fd = ::open(m_path.c_str(), O_RDWR | flags, newFileMode);
    opened->readable = fd >= 0;
    if (!opened->readable && errno == EACCES) {
        fd = ::open(m_path.c_str(), O_WRONLY | flags, newFileMode);
    }
    if (fd < 0) {
        *error = systemError(QT_TRANSLATE_NOOP("Messages", "cannot open '%1': %2"), m_path, errno);
    }
    return fd;
}

// Held until the descriptor closes. The lock is on the open file, so it
// keeps out other programs and other opens in this one alike. Asked without
// waiting, and again every 20 ms, so that abandon() can end the wait;
// nothing of this runs on the window's thread. Returns why it failed, or an
// empty string.
std::string ResultsFile::lockExclusive(int fd) const
{
    while (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        if (errno == EINTR) {
            continue;
        }
        if (errno != EWOULDBLOCK) {
            return systemError(QT_TRANSLATE_NOOP("Messages", "cannot lock '%1': %2"), m_path, errno);
        }
        if (m_abandoned) {
            return message(QT_TRANSLATE_NOOP("Messages", "'%1' stayed locked by another program"), {m_path});
        }
        const timespec pause{0, 20'000'000};
        ::nanosleep(&pause, nullptr);
    }
    return {};
}

namespace {

// Whether the file on fd starts with header, then '\n' or "\r\n" (or
// nothing more).
bool startsWith(int fd, std::string_view header)
{
    std::array<char, csv::fullHeader.size() + 2> first{};
    const ssize_t got = ::pread(fd, first.data(), first.size(), 0);
    const std::string_view head(first.data(), got > 0 ? static_cast<std::size_t>(got) : 0);
    const std::size_t n = header.size();
    return head.substr(0, n) == header &&
           (head.size() == n || head[n] == '\n' || (head[n] == '\r' && (head.size() == n + 1 || head[n + 1] == '\n')));
}

// Which of our headers the file on fd starts with.
enum class FileHeader { None, Short, Full };
FileHeader headerOf(int fd)
{
    if (startsWith(fd, csv::fullHeader)) {
        return FileHeader::Full;
    }
    return startsWith(fd, csv::header) ? FileHeader::Short : FileHeader::None;
}

// A file name made for the upgrade, taken away again unless it was renamed.
class TemporaryName {
public:
    explicit TemporaryName(std::string name) : m_name(std::move(name)) {}
    ~TemporaryName()
    {
        if (!m_kept) {
            ::unlink(m_name.c_str());
        }
    }
    TemporaryName(const TemporaryName&) = delete;
    TemporaryName& operator=(const TemporaryName&) = delete;
    const std::string& name() const { return m_name; }
    void keep() { m_kept = true; }

private:
    std::string m_name;
    bool m_kept = false;
};

}  // namespace

std::string ResultsFile::appendOnce(const std::string& rows, bool* again)
{
    Opened opened;
    std::string error;
    const Descriptor fd(openForAppend(&opened, &error));
    if (fd.get() < 0) {
        return error;
    }
    struct stat st {};
    if (::fstat(fd.get(), &st) != 0) {
        return systemError(QT_TRANSLATE_NOOP("Messages", "cannot read the size of '%1': %2"), m_path, errno);
    }
    if (!S_ISREG(st.st_mode)) {
        return message(QT_TRANSLATE_NOOP("Messages", "'%1' is not a regular file"),
                       {m_path});  // put in the file's place since the check above
    }
    if (error = lockExclusive(fd.get()); !error.empty()) {
        return error;
    }
    if (m_abandoned && !rows.empty()) {
        return message(QT_TRANSLATE_NOOP("Messages", "gave up writing to '%1'"), {m_path});
    }
    if (::fstat(fd.get(), &st) != 0) {
        return systemError(QT_TRANSLATE_NOOP("Messages", "cannot read the size of '%1': %2"), m_path, errno);
    }
    // Still the file of that name? (One made and taken away again by
    // another program while we waited is no longer anyone's.)
    struct stat named {};
    if (::stat(m_path.c_str(), &named) != 0 || named.st_dev != st.st_dev || named.st_ino != st.st_ino) {
        *again = true;
        return message(QT_TRANSLATE_NOOP("Messages", "'%1' was taken away while it was written"), {m_path});
    }
    return addRows(fd.get(), opened, st.st_size, st.st_mode, rows);
}

// The file on fd is locked and still the file of its name, of that size and mode.
std::string ResultsFile::addRows(int fd, const Opened& opened, off_t size, mode_t mode, const std::string& rows) const
{
    std::string text;
    text.reserve(rows.size() + rows.size() / 16 + csv::fullHeader.size() + 2);
    if (size > 0) {
        // A file we may not read is added to as the rows come: every reader
        // takes rows of either width.
        const FileHeader header = opened.readable ? headerOf(fd) : FileHeader::Full;
        if (header == FileHeader::None) {
            return message(
                QT_TRANSLATE_NOOP("Messages", "'%1' is not a results file: its first line is not the header %2"),
                {m_path, csv::fullHeader});
        }
        if (rows.empty()) {
            return {};  // the start-up check leaves a file with rows as it is
        }
        char last = '\n';
        if (opened.readable && ::pread(fd, &last, 1, size - 1) == 1 && last != '\n') {
            text += '\n';
        }
        if (header == FileHeader::Short) {
            // A file begun before the variants gets the drill's rows as it
            // always did, and is upgraded at its first row of a variant.
            const std::optional<std::string> shortened = shortenedRows(rows);
            if (!shortened) {
                return upgrade(fd, size, mode, rows);
            }
            text += *shortened;
        } else {
            text += opened.readable ? widenedRows(rows) : rows;
        }
    } else if (const std::optional<std::string> shortened = shortenedRows(rows)) {
        // A new file of the drill alone is what it always was; its first
        // row of a variant upgrades it, as any older file.
        text += csv::header;
        text += '\n';
        text += *shortened;
    } else {
        text += csv::fullHeader;
        text += '\n';
        text += widenedRows(rows);
    }
    return writeWhole(fd, text, size, opened.existed);
}

// The file on fd (locked, still the file of its name, of that size and mode) has
// the eleven columns' header, and rows of a variant are to go in: it is
// written anew with the fourteen columns' header, every row it had given
// three empty columns at its end, then rows.
//
// Into a temporary file in its folder, renamed over it, not rewritten in
// place: a crash or a full disk half-way through a rewrite in place would
// lose rows already in the file, while the rename puts the new file in the
// old one's place in one step, so the name always holds the old text or the
// new one whole, with the run in it. Other programs waiting for the old
// file's lock then find its name taken by another file and open that one
// again (appendOnce's again), and one reading it reads on in the old text.
// A file reached through a symbolic link is replaced where it is. Another
// hard link to it keeps the old text.
std::string ResultsFile::upgrade(int fd, off_t size, mode_t mode, const std::string& rows) const
{
    std::string target = m_path;
    if (char* real = ::realpath(m_path.c_str(), nullptr)) {
        target = real;
        std::free(real);  // NOLINT(cppcoreguidelines-no-malloc): realpath's own
    }
    const std::size_t slash = target.rfind('/');
    const std::string folder = slash == std::string::npos ? std::string(".") : target.substr(0, slash + 1);
    const std::string base = slash == std::string::npos ? target : target.substr(slash + 1);
    // Hidden and not ending in .csv: no reader takes it for a pupil's file.
    std::string pattern = folder + (slash == std::string::npos ? "/." : ".") + base + ".upgrade-XXXXXX";
    const Descriptor out(::mkostemp(pattern.data(), O_CLOEXEC));
    if (out.get() < 0) {
        return systemError(QT_TRANSLATE_NOOP("Messages", "cannot write to '%1': %2"), m_path, errno);
    }
    TemporaryName temporary(pattern);
    const auto failed = [this](int error) {
        return systemError(QT_TRANSLATE_NOOP("Messages", "cannot write to '%1': %2"), m_path, error);
    };
    if (::fchmod(out.get(), mode & 07777) != 0) {
        return failed(errno);
    }

    std::string text;
    if (std::string why = copyWidened(fd, size, out.get(), &text); !why.empty()) {
        return why;
    }
    text += widenedRows(rows);
    // Once for the file's life: its text is on the disk before its name is.
    if (!writeAll(out.get(), text) || ::fsync(out.get()) != 0) {
        return failed(errno);
    }
    if (::rename(temporary.name().c_str(), target.c_str()) != 0) {
        return failed(errno);
    }
    temporary.keep();
    const Descriptor directory(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (directory.get() >= 0) {
        ::fsync(directory.get());
    }
    return {};
}

// One write(2) with nothing held back in the program: once it returns, the
// rows are the kernel's and a crash of the program cannot lose them. No
// fdatasync: on a spinning disk it costs tens of milliseconds, and a power
// cut in the seconds before the kernel writes back would lose one run at
// most. size is the file's size before; existed, whether it was there
// before this append opened it.
std::string ResultsFile::writeWhole(int fd, const std::string& text, off_t size, bool existed) const
{
    if (writeAll(fd, text)) {
        return {};
    }
    const int error = errno;
    // Whatever part did go in comes off again: a run is in the file whole or not at all.
    [[maybe_unused]] const int cut = ::ftruncate(fd, size);
    // A file this call made and could not give even its header (a full
    // disk) goes again: no empty file is left to pass for a pupil's. It is
    // still locked, and still ours by its name (checked before).
    if (!existed && size == 0) {
        ::unlink(m_path.c_str());
    }
    return systemError(QT_TRANSLATE_NOOP("Messages", "cannot write to '%1': %2"), m_path, error);
}

// Writes to out the file on fd (of that size) under the fourteen columns'
// header, its rows widened. The last lines are left in tail, for the caller
// to write with its own.
std::string ResultsFile::copyWidened(int fd, off_t size, int out, std::string* tail) const
{
    // Read a block at a time and written a block of whole lines at a time:
    // a file of years of practice need not fit in memory.
    std::string& text = *tail;
    text.assign(csv::fullHeader);
    text += '\n';
    std::string piece(std::size_t{1} << 16, '\0');
    std::string carry;  // the start of a line the block ended in
    off_t at = 0;
    bool header = true;  // still in the first line, which the new header replaces
    while (at < size) {
        const ssize_t got = ::pread(fd, piece.data(), piece.size(), at);
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got <= 0) {
            return systemError(QT_TRANSLATE_NOOP("Messages", "impossible de lire « %1 » : %2"), m_path,
                               got < 0 ? errno : EIO);
        }
        at += got;
        std::string_view block(piece.data(), static_cast<std::size_t>(got));
        if (header) {
            const std::size_t end = block.find('\n');
            if (end == std::string_view::npos) {
                continue;
            }
            header = false;
            block.remove_prefix(end + 1);
        }
        const std::size_t lastEnd = block.rfind('\n');
        if (lastEnd == std::string_view::npos) {
            carry += block;
            continue;
        }
        carry += block.substr(0, lastEnd + 1);
        text += widenedRows(carry);
        carry.assign(block.substr(lastEnd + 1));
        if (text.size() >= piece.size()) {
            if (!writeAll(out, text)) {
                return systemError(QT_TRANSLATE_NOOP("Messages", "cannot write to '%1': %2"), m_path, errno);
            }
            text.clear();
        }
    }
    text += widenedRows(carry);  // a last line cut short is ended
    return {};
}

// ---------------------------------------------------------------- recorder

// What the window's thread and the writer thread share. Everything but the
// sink (the writer's alone, once started) is under mutex.
struct ResultsRecorder::Writer {
    std::unique_ptr<ResultsSink> sink;
    Report report;
    std::mutex mutex;
    std::condition_variable changed;
    std::string pending;  // whole rows, in the order of their runs
    std::size_t pendingRows = 0;
    bool due = false;       // pending is to be tried (new rows, a retry, the end)
    bool busy = false;      // an append is going on, of a prefix of pending
    bool stopping = false;  // finish(): one more try, then the thread ends
    bool ended = false;     // the thread has returned
    bool reported = false;
    std::uint64_t attempts = 0;
    std::thread thread;

    void run();
};

void ResultsRecorder::Writer::run()
{
    std::unique_lock lock(mutex);
    for (;;) {
        if (pending.empty() || !due) {
            if (stopping) {
                break;
            }
            if (pending.empty()) {
                changed.wait(lock, [this] { return stopping || !pending.empty(); });
                due = due || !pending.empty();
            } else if (!changed.wait_for(lock, retryInterval, [this] { return stopping || due; })) {
                due = true;  // rows kept back after a failure: time for another try
            }
            continue;
        }
        due = false;
        busy = true;
        const std::string batch = pending;
        const std::size_t rows = pendingRows;
        lock.unlock();
        const std::string error = sink->append(batch);
        lock.lock();
        busy = false;
        ++attempts;
        if (error.empty()) {
            pending.erase(0, batch.size());
            pendingRows -= rows;
            due = !pending.empty();  // rows that came during the write
        } else if (!reported && report) {
            reported = true;
            const Report say = report;
            lock.unlock();
            say("tavelin-piano: " +
                message(
                    QT_TRANSLATE_NOOP("Messages", "%1; the results are kept for the next try, the exercise goes on"),
                    {error}));
            lock.lock();
        }
        changed.notify_all();
    }
    ended = true;
    changed.notify_all();
}

ResultsRecorder::ResultsRecorder(std::unique_ptr<ResultsSink> sink, Report report, WallClock clock, std::string session)
    : m_writer(std::make_shared<Writer>()),
      m_collector(std::move(clock), std::move(session),
                  [this](std::vector<NoteResult>&& rows) { write(std::move(rows)); })
{
    m_writer->sink = std::move(sink);
    m_writer->report = std::move(report);
    // The thread keeps its own hold on the shared part.
    m_writer->thread = std::thread([writer = m_writer] { writer->run(); });
}

ResultsRecorder::~ResultsRecorder()
{
    finish();
}

std::size_t ResultsRecorder::finish(std::chrono::milliseconds timeout)
{
    Writer& w = *m_writer;
    std::unique_lock lock(w.mutex);
    if (w.thread.joinable()) {
        w.stopping = true;
        w.due = !w.pending.empty();  // every row waiting, tried once more
        w.changed.notify_all();
        if (!w.changed.wait_for(lock, timeout, [&w] { return w.ended; })) {
            // Still waiting for a lock or a disk: told to give up, it ends
            // at its next look; one stuck in the system is left behind.
            w.sink->abandon();
            w.report = nullptr;  // whatever it refers to may go before the thread does
            w.changed.wait_for(lock, std::chrono::seconds(1), [&w] { return w.ended; });
        }
        if (w.ended) {
            lock.unlock();
            w.thread.join();
            lock.lock();
        } else {
            w.thread.detach();
        }
    }
    return w.pendingRows;
}

std::string ResultsRecorder::check()
{
    return m_writer->sink->append(std::string());
}

std::size_t ResultsRecorder::pendingBytes() const
{
    const std::lock_guard lock(m_writer->mutex);
    return m_writer->pending.size();
}

std::size_t ResultsRecorder::pendingRows() const
{
    const std::lock_guard lock(m_writer->mutex);
    return m_writer->pendingRows;
}

std::string ResultsRecorder::pendingText() const
{
    const std::lock_guard lock(m_writer->mutex);
    return m_writer->pending;
}

std::uint64_t ResultsRecorder::attempts() const
{
    const std::lock_guard lock(m_writer->mutex);
    return m_writer->attempts;
}

bool ResultsRecorder::waitUntilTried(std::chrono::milliseconds timeout)
{
    Writer& w = *m_writer;
    std::unique_lock lock(w.mutex);
    w.changed.wait_for(lock, timeout, [&w] { return w.ended || (!w.busy && (w.pending.empty() || !w.due)); });
    return w.pending.empty();
}

void ResultsRecorder::write(std::vector<NoteResult>&& rows)
{
    std::string text;
    for (const NoteResult& row : rows) {
        appendCsvRow(text, row);
    }
    const std::lock_guard lock(m_writer->mutex);
    m_writer->pending += text;
    m_writer->pendingRows += rows.size();
    m_writer->due = true;
    m_writer->changed.notify_all();
}

}  // namespace progress
