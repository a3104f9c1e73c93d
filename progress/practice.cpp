#include "progress/practice.h"

#include "platform/messages.h"
#include "exercise/notechoice.h"
#include "progress/pupils.h"
#include "progress/report.h"

#include <QByteArray>

#include <cerrno>
#include <cstring>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <sstream>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace progress::practice {

using platform::message;

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
    if (!settings.variant.isDrill()) {
        out += "variante=" + exercise::variantText(settings.variant) + "\n";
        out += std::string("clefs_ut=") + (settings.variant.cClefs ? "oui" : "non") + "\n";
    }
    return out;
}

namespace {

// One key=value line into s; false, with the reason, for a value not ours.
// Unknown keys are left aside.
bool readValue(const std::string& key, const std::string& value, Settings& s, std::string* error)
{
    if (key == "focus") {
        if (value == "oui") {
            s.focus = true;
        } else if (value == "non") {
            s.focus = false;
        } else {
            *error = message(QT_TRANSLATE_NOOP("Messages", "focus=%1 : ni oui ni non"), {value});
            return false;
        }
    } else if (key == "notes") {
        if (value.empty()) {
            s.range.reset();
            return true;
        }
        s.range = exercise::parseNoteRange(value);
        if (!s.range) {
            *error = message(QT_TRANSLATE_NOOP(
                                 "Messages", "notes=%1 : pas une étendue de notes (BAS-HAUT, comme 60-67 ou do3-sol3)"),
                             {value});
            return false;
        }
        if (const int mode = exercise::modeLeftShort(*s.range); mode != 0) {
            *error = message(QT_TRANSLATE_NOOP("Messages", "notes=%1 : l'exercice %2 aurait moins de deux notes"),
                             {value, std::to_string(mode)});
            return false;
        }
    } else if (key == "variante") {
        const bool cClefs = s.variant.cClefs;
        const std::optional<exercise::Variant> variant = exercise::parseVariant(value);
        if (!variant) {
            *error =
                message(QT_TRANSLATE_NOOP("Messages", "variante=%1 : pas un exercice que le piano connaît"), {value});
            return false;
        }
        s.variant = *variant;
        s.variant.cClefs = cClefs;
    } else if (key == "clefs_ut") {
        if (value != "oui" && value != "non") {
            *error = message(QT_TRANSLATE_NOOP("Messages", "clefs_ut=%1 : ni oui ni non"), {value});
            return false;
        }
        s.variant.cClefs = value == "oui";
    }
    return true;
}

}  // namespace

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
        if (!readValue(trimmed(line.substr(0, eq)), trimmed(line.substr(eq + 1)), s, error)) {
            return std::nullopt;
        }
    }
    return s;
}

namespace {

constexpr std::string_view stampKey = "modifié";

// The file's bytes, at most largestFile of them, read without waiting; a
// missing file gives an empty text.
std::optional<std::string> readText(const std::filesystem::path& path, std::string* error);

}  // namespace

std::string stampOf(const std::string& text)
{
    std::istringstream in(text);
    std::string line;
    while (std::getline(in, line)) {
        line = trimmed(line);
        const std::size_t eq = line.find('=');
        if (eq != std::string::npos && trimmed(line.substr(0, eq)) == stampKey) {
            return trimmed(line.substr(eq + 1));
        }
    }
    return {};
}

std::string utcStamp()
{
    const auto now = std::chrono::system_clock::now();
    const std::time_t seconds = std::chrono::system_clock::to_time_t(now);
    const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(now.time_since_epoch()).count() % 1000;
    std::tm utc{};
    gmtime_r(&seconds, &utc);
    char text[64];
    std::snprintf(text, sizeof text, "%04d-%02d-%02dT%02d:%02d:%02d.%03dZ", utc.tm_year + 1900, utc.tm_mon + 1,
                  utc.tm_mday, utc.tm_hour, utc.tm_min, utc.tm_sec, static_cast<int>(ms));
    return text;
}

std::optional<Settings> readPupil(const std::filesystem::path& folder, const std::string& name, std::string* error)
{
    std::string listing;
    const std::vector<std::filesystem::path> files = pupilSettingsFiles(folder, name, &listing);
    std::optional<Settings> best;
    std::string bestStamp;
    std::string firstError = listing;
    for (const std::filesystem::path& file : files) {
        std::string why;
        const std::optional<std::string> bytes = readText(file, &why);
        std::optional<Settings> s = bytes ? parse(*bytes, &why) : std::nullopt;
        if (!s) {
            if (firstError.empty()) {
                firstError = bytes ? message(QT_TRANSLATE_NOOP("Messages", "« %1 » : %2"), {file.string(), why}) : why;
            }
            continue;
        }
        const std::string stamp = stampOf(*bytes);
        if (!best || stamp > bestStamp) {
            best = s;
            bestStamp = stamp;
        }
    }
    if (!best && !files.empty()) {
        *error = firstError;
        return std::nullopt;
    }
    return best.value_or(Settings{});
}

std::string writePupil(const std::filesystem::path& folder, const std::string& name, const std::string& computerId,
                       const Settings& settings, const std::string& changed)
{
    const std::optional<std::filesystem::path> path = ownSettingsFile(folder, name, computerId);
    if (!path) {
        return message(QT_TRANSLATE_NOOP("Messages", "nom trop long"));
    }
    std::error_code ec;
    std::filesystem::create_directories(path->parent_path(), ec);
    std::string t = text(settings);
    t += std::string(stampKey) + "=" + changed + "\n";
    return replaceFile(path->string(), QByteArray(t.data(), static_cast<qsizetype>(t.size())));
}

namespace {

std::optional<std::string> readText(const std::filesystem::path& path, std::string* error)
{
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        if (errno == ENOENT) {
            return std::string();
        }
        *error = message(QT_TRANSLATE_NOOP("Messages", "impossible de lire « %1 » : %2"),
                         {path.string(), std::strerror(errno)});
        return std::nullopt;
    }
    std::string bytes;
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        *error = message(QT_TRANSLATE_NOOP("Messages", "« %1 » n'est pas un fichier ordinaire"), {path.string()});
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
        *error = message(QT_TRANSLATE_NOOP("Messages", "« %1 » est trop grand pour des réglages"), {path.string()});
        return std::nullopt;
    }
    return bytes;
}

}  // namespace

std::optional<Settings> read(const std::filesystem::path& path, std::string* error)
{
    const std::optional<std::string> bytes = readText(path, error);
    if (!bytes) {
        return std::nullopt;
    }
    std::string why;
    std::optional<Settings> s = parse(*bytes, &why);
    if (!s) {
        *error = message(QT_TRANSLATE_NOOP("Messages", "« %1 » : %2"), {path.string(), why});
    }
    return s;
}

std::string write(const std::filesystem::path& path, const Settings& settings)
{
    const std::string t = text(settings);
    return replaceFile(path.string(), QByteArray(t.data(), static_cast<qsizetype>(t.size())));
}

}  // namespace progress::practice
