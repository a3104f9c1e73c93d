#include "progress/computer.h"

#include "platform/messages.h"
#include "progress/pupils.h"

#include <array>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <random>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace progress {

using platform::message;

namespace {

constexpr std::size_t largestFile = 4096;  // bytes; the file is three short lines

std::string trimmed(std::string_view s)
{
    const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r'; };
    while (!s.empty() && blank(s.back())) {
        s.remove_suffix(1);
    }
    while (!s.empty() && blank(s.front())) {
        s.remove_prefix(1);
    }
    return std::string(s);
}

std::string newComputerId()
{
    std::random_device source;
    std::array<char, computerIdLength + 1> text{};
    std::snprintf(text.data(), text.size(), "%08x%08x", static_cast<unsigned>(source()),
                  static_cast<unsigned>(source()));
    return text.data();
}

// The whole file, at most largestFile bytes, read without waiting; nothing
// (errno set) when it cannot be read.
std::optional<std::string> readSmallFile(const std::filesystem::path& file)
{
    const int fd = ::open(file.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) {
        return std::nullopt;
    }
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        errno = EINVAL;
        return std::nullopt;
    }
    std::string bytes;
    std::array<char, 1024> buffer{};
    for (;;) {
        const ssize_t got = ::read(fd, buffer.data(), buffer.size());
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got <= 0 || bytes.size() > largestFile) {
            break;
        }
        bytes.append(buffer.data(), static_cast<std::size_t>(got));
    }
    ::close(fd);
    return bytes;
}

// Writes text to a new file beside file and links it into place: 0, EEXIST
// when a file is there already (it stays), or another errno.
int linkIntoPlace(const std::filesystem::path& file, const std::string& text)
{
    std::string temp = file.string() + ".XXXXXX";
    const int fd = ::mkostemp(temp.data(), O_CLOEXEC);
    if (fd < 0) {
        return errno;
    }
    const bool written = ::write(fd, text.data(), text.size()) == static_cast<ssize_t>(text.size()) && ::fsync(fd) == 0;
    int error = written ? 0 : (errno != 0 ? errno : EIO);
    ::close(fd);
    if (error == 0 && ::link(temp.c_str(), file.c_str()) != 0) {
        error = errno;
    }
    ::unlink(temp.c_str());
    return error;
}

}  // namespace

bool isComputerId(std::string_view text)
{
    if (text.size() != computerIdLength) {
        return false;
    }
    for (const char c : text) {
        if (!((c >= '0' && c <= '9') || (c >= 'a' && c <= 'f'))) {
            return false;
        }
    }
    return true;
}

std::optional<std::filesystem::path> computerFile(const char* xdgDataHome, const char* home)
{
    const std::optional<std::filesystem::path> data = dataFolder(xdgDataHome, home);
    if (!data) {
        return std::nullopt;
    }
    return *data / "computer.ini";
}

std::string hostName()
{
    std::array<char, 256> name{};
    if (::gethostname(name.data(), name.size() - 1) != 0 || name[0] == '\0') {
        return "ordinateur";
    }
    return name.data();
}

std::string computerText(const Computer& computer)
{
    return "# Tavelin Piano : cet ordinateur\nid=" + computer.id + "\nnom=" + computer.name + "\n";
}

std::optional<Computer> parseComputer(std::string_view text)
{
    Computer c;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        const std::string line = trimmed(text.substr(0, end));
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        const std::size_t eq = line.find('=');
        if (line.empty() || line.front() == '#' || eq == std::string::npos) {
            continue;
        }
        const std::string key = trimmed(std::string_view(line).substr(0, eq));
        const std::string value = trimmed(std::string_view(line).substr(eq + 1));
        if (key == "id") {
            c.id = value;
        } else if (key == "nom") {
            c.name = value;
        }
    }
    if (!isComputerId(c.id)) {
        return std::nullopt;
    }
    if (c.name.empty()) {
        c.name = c.id;
    }
    return c;
}

std::optional<Computer> thisComputer(const std::filesystem::path& file, std::string* error)
{
    for (int attempt = 0; attempt < 2; ++attempt) {
        if (const std::optional<std::string> text = readSmallFile(file)) {
            if (std::optional<Computer> c = parseComputer(*text)) {
                return c;
            }
            *error = message(QT_TRANSLATE_NOOP("Messages", "'%1' holds no computer id (id= followed by 16 hex digits)"),
                             {file.string()});
            return std::nullopt;
        }
        if (errno != ENOENT) {
            *error =
                message(QT_TRANSLATE_NOOP("Messages", "cannot read '%1': %2"), {file.string(), std::strerror(errno)});
            return std::nullopt;
        }
        std::error_code ec;
        std::filesystem::create_directories(file.parent_path(), ec);
        if (ec) {
            *error = message(QT_TRANSLATE_NOOP("Messages", "cannot make the folder '%1': %2"),
                             {file.parent_path().string(), ec.message()});
            return std::nullopt;
        }
        const Computer made{newComputerId(), hostName()};
        const int why = linkIntoPlace(file, computerText(made));
        if (why == 0) {
            return made;
        }
        if (why != EEXIST) {
            *error =
                message(QT_TRANSLATE_NOOP("Messages", "cannot write '%1': %2"), {file.string(), std::strerror(why)});
            return std::nullopt;
        }
        // Made by another program meanwhile: read again.
    }
    *error = message(QT_TRANSLATE_NOOP("Messages", "cannot read '%1'"), {file.string()});
    return std::nullopt;
}

std::optional<Computer> thisComputer(std::string* error)
{
    const auto file = computerFile(std::getenv("XDG_DATA_HOME"), std::getenv("HOME"));
    if (!file) {
        *error = message(QT_TRANSLATE_NOOP("Messages", "no data folder: neither XDG_DATA_HOME nor HOME is set"));
        return std::nullopt;
    }
    return thisComputer(*file, error);
}

}  // namespace progress
