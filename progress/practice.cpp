#include "progress/practice.h"

#include "exercise/notechoice.h"
#include "progress/report.h"

#include <QByteArray>

#include <cerrno>
#include <cstring>
#include <sstream>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace progress::practice {

namespace {

constexpr std::size_t largestFile = std::size_t{64} * 1024;  // bytes; a settings file is a few lines

std::string trimmed(std::string s)
{
    const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r'; };
    while (!s.empty() && blank(s.back())) {
        s.pop_back();
    }
    std::size_t start = 0;
    while (start < s.size() && blank(s[start])) {
        ++start;
    }
    return s.substr(start);
}

}  // namespace

std::string rangeText(const exercise::NoteRange& range)
{
    return std::to_string(range.low) + "-" + std::to_string(range.high);
}

std::string text(const Settings& settings)
{
    std::string out = "# Tavelin Piano : réglages de l'élève\n";
    out += std::string("focus=") + (settings.focus ? "oui" : "non") + "\n";
    out += "notes=" + (settings.range ? rangeText(*settings.range) : std::string()) + "\n";
    return out;
}

std::optional<Settings> parse(const std::string& text, std::string* error)
{
    Settings s;
    std::istringstream in(text);
    std::string line;
    while (std::getline(in, line)) {
        line = trimmed(line);
        if (line.empty() || line.front() == '#') {
            continue;
        }
        const std::size_t eq = line.find('=');
        if (eq == std::string::npos) {
            continue;
        }
        const std::string key = trimmed(line.substr(0, eq));
        const std::string value = trimmed(line.substr(eq + 1));
        if (key == "focus") {
            if (value == "oui") {
                s.focus = true;
            } else if (value == "non") {
                s.focus = false;
            } else {
                *error = "focus=" + value + " : ni oui ni non";
                return std::nullopt;
            }
        } else if (key == "notes") {
            if (value.empty()) {
                s.range.reset();
                continue;
            }
            s.range = exercise::parseNoteRange(value);
            if (!s.range) {
                *error = "notes=" + value + " : pas une étendue de notes (BAS-HAUT, comme 60-67 ou do3-sol3)";
                return std::nullopt;
            }
            if (const int mode = exercise::modeLeftShort(*s.range); mode != 0) {
                *error = "notes=" + value + " : l'exercice " + std::to_string(mode) + " aurait moins de deux notes";
                return std::nullopt;
            }
        }
    }
    return s;
}

std::optional<Settings> read(const std::filesystem::path& path, std::string* error)
{
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        if (errno == ENOENT) {
            return Settings{};
        }
        *error = "impossible de lire « " + path.string() + " » : " + std::strerror(errno);
        return std::nullopt;
    }
    std::string bytes;
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        *error = "« " + path.string() + " » n'est pas un fichier ordinaire";
        return std::nullopt;
    }
    char buffer[4096];
    while (bytes.size() <= largestFile) {
        const ssize_t got = ::read(fd, buffer, sizeof buffer);
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got <= 0) {
            break;
        }
        bytes.append(buffer, static_cast<std::size_t>(got));
    }
    ::close(fd);
    if (bytes.size() > largestFile) {
        *error = "« " + path.string() + " » est trop grand pour des réglages";
        return std::nullopt;
    }
    std::string why;
    std::optional<Settings> s = parse(bytes, &why);
    if (!s) {
        *error = "« " + path.string() + " » : " + why;
    }
    return s;
}

std::string write(const std::filesystem::path& path, const Settings& settings)
{
    const std::string t = text(settings);
    return replaceFile(path.string(), QByteArray(t.data(), static_cast<qsizetype>(t.size())));
}

}  // namespace progress::practice
