#include "progress/pupils.h"

#include "platform/files.h"
#include "progress/lines.h"
#include "progress/resultrow.h"

#include <algorithm>
#include <unordered_set>

namespace progress {

namespace {

constexpr std::string_view extension = ".csv";
constexpr std::size_t longestFileName = 255;  // bytes, on every Linux file system

bool escaped(unsigned char c, bool first)
{
    return c < 0x20 || c == 0x7f || c == '%' || c == '/' || (first && c == '.');
}

int hexValue(char c)
{
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    return -1;
}

}  // namespace

std::optional<std::filesystem::path> pupilsFolder(const char* xdgDataHome, const char* home)
{
    std::filesystem::path base;
    if (xdgDataHome != nullptr && xdgDataHome[0] == '/') {
        base = xdgDataHome;
    } else if (home != nullptr && home[0] != '\0') {
        base = std::filesystem::path(home) / ".local" / "share";
    } else {
        return std::nullopt;
    }
    return base / "tavelin-piano" / "pupils";
}

std::optional<std::string> pupilFileName(std::string_view name)
{
    if (name.empty()) {
        return std::nullopt;
    }
    static constexpr char hex[] = "0123456789ABCDEF";
    std::string out;
    for (std::size_t i = 0; i < name.size(); ++i) {
        const auto c = static_cast<unsigned char>(name[i]);
        if (escaped(c, i == 0)) {
            out += '%';
            out += hex[c >> 4U];
            out += hex[c & 0xfU];
        } else {
            out += static_cast<char>(c);
        }
    }
    out += extension;
    if (out.size() > longestFileName) {
        return std::nullopt;
    }
    return out;
}

std::optional<std::string> pupilNameOf(std::string_view fileName)
{
    if (fileName.size() <= extension.size() || !fileName.ends_with(extension)) {
        return std::nullopt;
    }
    fileName.remove_suffix(extension.size());
    std::string name;
    for (std::size_t i = 0; i < fileName.size(); ++i) {
        if (fileName[i] != '%') {
            name += fileName[i];
            continue;
        }
        if (i + 2 >= fileName.size()) {
            return std::nullopt;
        }
        const int high = hexValue(fileName[i + 1]);
        const int low = hexValue(fileName[i + 2]);
        if (high < 0 || low < 0) {
            return std::nullopt;
        }
        name += static_cast<char>(high * 16 + low);
        i += 2;
    }
    // Only what pupilFileName writes: the same name gives back the same file.
    if (pupilFileName(name) != std::string(fileName) + std::string(extension)) {
        return std::nullopt;
    }
    return name;
}

std::vector<PupilEntry> listPupils(const std::filesystem::path& folder, std::string* error)
{
    std::vector<PupilEntry> pupils;
    std::error_code ec;
    std::filesystem::directory_iterator it(folder, ec);
    if (ec) {
        if (ec != std::errc::no_such_file_or_directory && error != nullptr) {
            *error = "cannot read the folder '" + folder.string() + "': " + ec.message();
        }
        return pupils;
    }
    // Stepped with an error code: a folder that fails half-way ends the
    // listing there instead of throwing.
    for (; !ec && it != std::filesystem::directory_iterator(); it.increment(ec)) {
        const std::filesystem::directory_entry& entry = *it;
        std::optional<std::string> name = pupilNameOf(entry.path().filename().string());
        std::error_code kind;
        if (!name || !entry.is_regular_file(kind)) {
            continue;
        }
        PupilEntry pupil{std::move(*name), entry.path(), 0, {}};
        // Opened so that it cannot wait, and read a bounded line at a time.
        const platform::ReadOnlyFile in(entry.path().string());
        std::unordered_set<std::string> runs;
        if (in.isOpen()) {
            readLines(
                in.fd(),
                [&](std::string_view line) {
                    const std::optional<NoteResult> row = parseCsvRow(line);
                    if (!row) {
                        return;
                    }
                    runs.insert(row->run + ' ' + row->started);
                    if (row->started > pupil.lastStarted) {
                        pupil.lastStarted = row->started;
                    }
                },
                [] {}, entry.path().string(), nullptr);
        }
        pupil.runs = static_cast<int>(runs.size());
        pupils.push_back(std::move(pupil));
    }
    if (ec && error != nullptr) {
        *error = "cannot read the folder '" + folder.string() + "': " + ec.message();
    }
    std::sort(pupils.begin(), pupils.end(),
              [](const PupilEntry& a, const PupilEntry& b) { return a.name < b.name; });
    return pupils;
}

}  // namespace progress
