#include "progress/pupils.h"

#include "platform/messages.h"
#include "platform/files.h"
#include "progress/computer.h"
#include "progress/lines.h"
#include "progress/resultrow.h"

#include <QChar>

#include <algorithm>
#include <cerrno>
#include <map>
#include <set>
#include <unordered_set>

#include <sys/stat.h>

namespace progress {

using platform::message;

namespace {

constexpr std::string_view extension = ".csv";
constexpr char hexDigits[] = "0123456789ABCDEF";

// The length of the valid UTF-8 sequence at the start of s (its code point
// in cp), or 0 when s starts with a byte that is no part of one: a stray
// continuation byte, a sequence cut short, an overlong form, a surrogate or a
// code point past U+10FFFF.
std::size_t utf8Sequence(std::string_view s, char32_t* cp)
{
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(s[i]); };
    const unsigned char lead = byte(0);
    if (lead < 0x80) {
        *cp = lead;
        return 1;
    }
    std::size_t length = 0;
    char32_t value = 0;
    char32_t least = 0;
    if (lead >= 0xc2 && lead <= 0xdf) {
        length = 2;
        value = lead & 0x1fU;
        least = 0x80;
    } else if (lead >= 0xe0 && lead <= 0xef) {
        length = 3;
        value = lead & 0x0fU;
        least = 0x800;
    } else if (lead >= 0xf0 && lead <= 0xf4) {
        length = 4;
        value = lead & 0x07U;
        least = 0x10000;
    } else {
        return 0;
    }
    if (s.size() < length) {
        return 0;
    }
    for (std::size_t i = 1; i < length; ++i) {
        if ((byte(i) & 0xc0U) != 0x80) {
            return 0;
        }
        value = (value << 6U) | (byte(i) & 0x3fU);
    }
    if (value < least || value > 0x10ffff || (value >= 0xd800 && value <= 0xdfff)) {
        return 0;
    }
    *cp = value;
    return length;
}

void appendHex(std::string& out, const char* prefix, unsigned value, int digits)
{
    out += prefix;
    for (int shift = 4 * (digits - 1); shift >= 0; shift -= 4) {
        out += hexDigits[(value >> static_cast<unsigned>(shift)) & 0xfU];
    }
}

void appendUtf8(std::string& out, char32_t cp)
{
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xc0U | (cp >> 6U));
        out += static_cast<char>(0x80U | (cp & 0x3fU));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xe0U | (cp >> 12U));
        out += static_cast<char>(0x80U | ((cp >> 6U) & 0x3fU));
        out += static_cast<char>(0x80U | (cp & 0x3fU));
    } else {
        out += static_cast<char>(0xf0U | (cp >> 18U));
        out += static_cast<char>(0x80U | ((cp >> 12U) & 0x3fU));
        out += static_cast<char>(0x80U | ((cp >> 6U) & 0x3fU));
        out += static_cast<char>(0x80U | (cp & 0x3fU));
    }
}

bool escapedAscii(unsigned char c, bool first)
{
    return c < 0x20 || c == 0x7f || c == '%' || c == '/' || (first && c == '.');
}

// The file name's stem for the bytes of name. With escapeForeign false, the
// bytes that are not UTF-8 stay as they are, as the previous release wrote
// them.
std::string escapedStem(std::string_view name, bool escapeForeign)
{
    std::string out;
    for (std::size_t i = 0; i < name.size();) {
        const auto c = static_cast<unsigned char>(name[i]);
        char32_t cp = 0;
        const std::size_t length = utf8Sequence(name.substr(i), &cp);
        if ((length == 1 && escapedAscii(c, i == 0)) || (length == 0 && escapeForeign)) {
            appendHex(out, "%", c, 2);
            ++i;
        } else {
            const std::size_t n = std::max<std::size_t>(length, 1);
            out.append(name.substr(i, n));
            i += n;
        }
    }
    return out;
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

// Invisible or line-breaking characters, which a printed name shows as escapes.
bool unprintable(char32_t cp)
{
    if (cp < 0x20 || cp == 0x7f) {
        return true;
    }
    if (cp < 0x80) {
        return false;
    }
    switch (QChar::category(cp)) {
    case QChar::Other_Control:
    case QChar::Other_Format:
    case QChar::Separator_Line:
    case QChar::Separator_Paragraph:
        return true;
    default:
        return false;
    }
}

}  // namespace

std::optional<std::filesystem::path> dataFolder(const char* xdgDataHome, const char* home)
{
    if (xdgDataHome != nullptr && xdgDataHome[0] == '/') {
        return std::filesystem::path(xdgDataHome) / "tavelin-piano";
    }
    if (home != nullptr && home[0] != '\0') {
        return std::filesystem::path(home) / ".local" / "share" / "tavelin-piano";
    }
    return std::nullopt;
}

std::optional<std::filesystem::path> pupilsFolder(const char* xdgDataHome, const char* home)
{
    const std::optional<std::filesystem::path> data = dataFolder(xdgDataHome, home);
    if (!data) {
        return std::nullopt;
    }
    return *data / "pupils";
}

QString pupilText(std::string_view bytes)
{
    QString text;
    for (std::size_t i = 0; i < bytes.size();) {
        char32_t cp = 0;
        const std::size_t length = utf8Sequence(bytes.substr(i), &cp);
        if (length == 0) {
            text += QChar(static_cast<char16_t>(0xdc00U + static_cast<unsigned char>(bytes[i])));
            ++i;
        } else {
            text += QString::fromUcs4(&cp, 1);
            i += length;
        }
    }
    return text;
}

std::string pupilBytes(const QString& text)
{
    std::string bytes;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t unit = text[i].unicode();
        if (QChar::isHighSurrogate(unit) && i + 1 < text.size() && QChar::isLowSurrogate(text[i + 1].unicode())) {
            appendUtf8(bytes, QChar::surrogateToUcs4(unit, text[i + 1].unicode()));
            ++i;
        } else if (unit >= 0xdc80 && unit <= 0xdcff) {
            bytes += static_cast<char>(unit - 0xdc00);
        } else if (QChar::isSurrogate(unit)) {
            appendUtf8(bytes, 0xfffd);
        } else {
            appendUtf8(bytes, unit);
        }
    }
    return bytes;
}

QString cleanPupilName(const QString& typed)
{
    return typed.normalized(QString::NormalizationForm_C).trimmed();
}

std::string pupilName(std::string_view typed)
{
    return pupilBytes(cleanPupilName(pupilText(typed)));
}

std::string printableName(std::string_view name)
{
    std::string out;
    for (std::size_t i = 0; i < name.size();) {
        char32_t cp = 0;
        const std::size_t length = utf8Sequence(name.substr(i), &cp);
        if (length == 0) {
            appendHex(out, "\\x", static_cast<unsigned char>(name[i]), 2);
            ++i;
            continue;
        }
        if (cp == '\\') {
            out += "\\\\";
        } else if (cp == '\t') {
            out += "\\t";
        } else if (cp == '\n') {
            out += "\\n";
        } else if (cp == '\r') {
            out += "\\r";
        } else if (cp < 0x80 && unprintable(cp)) {
            appendHex(out, "\\x", cp, 2);
        } else if (unprintable(cp)) {
            if (cp > 0xffff) {
                appendHex(out, "\\U", cp, 8);
            } else {
                appendHex(out, "\\u", cp, 4);
            }
        } else {
            out.append(name.substr(i, length));
        }
        i += length;
    }
    return out;
}

std::optional<std::string> pupilFileName(std::string_view name, std::string* why)
{
    if (name.empty()) {
        if (why != nullptr) {
            *why = message(QT_TRANSLATE_NOOP("Messages", "a pupil's name cannot be empty"));
        }
        return std::nullopt;
    }
    std::string out = escapedStem(name, true);
    out += extension;
    if (out.size() > longestFileName) {
        if (why != nullptr) {
            *why = message(QT_TRANSLATE_NOOP("Messages",
                                             "its file name would take %1 bytes, and a file name has at most %2 "
                                             "(the name takes %3 bytes: at most %4 once '%', '/', control "
                                             "characters and bytes that are not UTF-8 count 3 each)"),
                           {std::to_string(out.size()), std::to_string(longestFileName), std::to_string(name.size()),
                            std::to_string(longestFileName - extension.size())});
        }
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
    // Only what a name's own escapes give: one pupil never has two files
    // that differ only in how a safe byte is written.
    if (escapedStem(name, true) != fileName && escapedStem(name, false) != fileName) {
        return std::nullopt;
    }
    std::string kept = pupilName(name);
    if (kept.empty()) {
        return std::nullopt;
    }
    return kept;
}

std::optional<std::string> pupilFolderName(std::string_view name)
{
    std::optional<std::string> file = pupilFileName(name);
    if (!file) {
        return std::nullopt;
    }
    file->resize(file->size() - extension.size());
    if (*file == "archive") {
        return std::string("%61rchive");
    }
    return file;
}

std::optional<std::string> pupilNameOfFolder(std::string_view folderName)
{
    if (folderName == "%61rchive") {
        return std::string("archive");
    }
    if (folderName == "archive") {
        return std::nullopt;
    }
    return pupilNameOf(std::string(folderName) + std::string(extension));
}

namespace {

bool allDigits(std::string_view s, std::size_t n)
{
    return s.size() == n && std::all_of(s.begin(), s.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// "NAME.sync-conflict-YYYYMMDD-HHMMSS-DEVICE" + the extension, Syncthing's.
std::optional<std::string> syncthingOriginal(std::string_view fileName)
{
    constexpr std::string_view marker = ".sync-conflict-";
    const std::size_t at = fileName.rfind(marker);
    if (at == std::string_view::npos || at == 0) {
        return std::nullopt;
    }
    std::string_view rest = fileName.substr(at + marker.size());
    const std::size_t dot = rest.find('.');
    const std::string_view ext = dot == std::string_view::npos ? std::string_view() : rest.substr(dot);
    rest = rest.substr(0, dot);
    // 20240902-170531-ABCDEFG
    if (rest.size() < 17 || !allDigits(rest.substr(0, 8), 8) || rest[8] != '-' || !allDigits(rest.substr(9, 6), 6) ||
        (rest.size() > 15 && rest[15] != '-')) {
        return std::nullopt;
    }
    return std::string(fileName.substr(0, at)) + std::string(ext);
}

// "NAME (... conflicted copy ...)" + the extension: Nextcloud's and
// ownCloud's "(conflicted copy DATE)", Dropbox's "(WHO's conflicted copy
// DATE)", and "(conflict copy ...)" of newer clients.
std::optional<std::string> bracketOriginal(std::string_view fileName)
{
    const std::size_t close = fileName.rfind(')');
    if (close == std::string_view::npos) {
        return std::nullopt;
    }
    const std::string_view ext = fileName.substr(close + 1);
    if (!ext.empty() && (ext.front() != '.' || ext.find(' ') != std::string_view::npos)) {
        return std::nullopt;
    }
    const std::size_t open = fileName.rfind(" (", close);
    if (open == std::string_view::npos || open == 0) {
        return std::nullopt;
    }
    const std::string_view inside = fileName.substr(open + 2, close - open - 2);
    if (inside.find("conflicted copy") == std::string_view::npos &&
        inside.find("conflict copy") == std::string_view::npos) {
        return std::nullopt;
    }
    return std::string(fileName.substr(0, open)) + std::string(ext);
}

}  // namespace

std::optional<std::string> conflictOriginal(std::string_view fileName)
{
    if (std::optional<std::string> original = syncthingOriginal(fileName)) {
        return original;
    }
    return bracketOriginal(fileName);
}

std::optional<std::filesystem::path> ownResultsFile(const std::filesystem::path& folder, std::string_view name,
                                                    const std::string& computerId)
{
    const std::optional<std::string> own = pupilFolderName(pupilName(name));
    if (!own) {
        return std::nullopt;
    }
    return folder / *own / (computerId + ".csv");
}

std::optional<std::filesystem::path> ownSettingsFile(const std::filesystem::path& folder, std::string_view name,
                                                     const std::string& computerId)
{
    const std::optional<std::string> own = pupilFolderName(pupilName(name));
    if (!own) {
        return std::nullopt;
    }
    return folder / *own / (computerId + ".ini");
}

namespace {

// The order in which a pupil's files are read.
enum Rank { Canonical, OtherForm, OfComputer, Conflict };

struct Found {
    Rank rank = Canonical;
    std::string key;  // the path from the pupils' folder: the same on every computer
    std::filesystem::path path;
};

struct PupilScan {
    std::vector<Found> results;
    std::vector<Found> settings;
    std::vector<std::filesystem::path> folders;
};

using Scan = std::map<std::string, PupilScan>;

std::vector<std::filesystem::path> inOrder(std::vector<Found> found)
{
    std::sort(found.begin(), found.end(),
              [](const Found& a, const Found& b) { return a.rank != b.rank ? a.rank < b.rank : a.key < b.key; });
    std::vector<std::filesystem::path> paths;
    paths.reserve(found.size());
    for (Found& f : found) {
        paths.push_back(std::move(f.path));
    }
    return paths;
}

// A name and its extension: "Léa.csv" gives "Léa" and ".csv".
std::pair<std::string, std::string> splitExtension(const std::string& name)
{
    const std::size_t dot = name.rfind('.');
    if (dot == std::string::npos || dot == 0) {
        return {name, {}};
    }
    return {name.substr(0, dot), name.substr(dot)};
}

// The files of one computer in a pupil's folder (conflict copies of them too).
void scanPupilFolder(const std::filesystem::path& dir, const std::string& dirName, PupilScan& pupil)
{
    std::error_code ec;
    std::filesystem::directory_iterator it(dir, ec);
    for (; !ec && it != std::filesystem::directory_iterator(); it.increment(ec)) {
        const std::string fileName = it->path().filename().string();
        const std::optional<std::string> original = conflictOriginal(fileName);
        const auto [stem, ext] = splitExtension(original.value_or(fileName));
        if (!isComputerId(stem)) {
            continue;
        }
        Found f{original ? Conflict : OfComputer, std::string(dirName).append("/").append(fileName), it->path()};
        if (ext == ".csv") {
            pupil.results.push_back(std::move(f));
        } else if (ext == ".ini") {
            pupil.settings.push_back(std::move(f));
        }
    }
}

// One entry of the pupils' folder, into the scan of its pupil if it is one's.
void scanEntry(const std::filesystem::directory_entry& entry, Scan& scan)
{
    const std::string fileName = entry.path().filename().string();
    const std::optional<std::string> original = conflictOriginal(fileName);
    const std::string base = original.value_or(fileName);
    const auto [stem, ext] = splitExtension(base);
    if (ext == extension || ext == ".ini") {
        const std::optional<std::string> name = pupilNameOf(stem + std::string(extension));
        if (!name) {
            return;
        }
        const std::optional<std::string> canonical = pupilFileName(*name);
        const bool first = canonical && splitExtension(*canonical).first == stem;
        Found f{original ? Conflict : (first ? Canonical : OtherForm), fileName, entry.path()};
        PupilScan& pupil = scan[*name];
        (ext == extension ? pupil.results : pupil.settings).push_back(std::move(f));
        return;
    }
    std::error_code ec;
    if (original || !entry.is_directory(ec)) {
        return;
    }
    if (const std::optional<std::string> name = pupilNameOfFolder(fileName)) {
        PupilScan& pupil = scan[*name];
        pupil.folders.push_back(entry.path());
        scanPupilFolder(entry.path(), fileName, pupil);
    }
}

// Every pupil's files in folder, by pupil; false, with the reason in ec,
// when the folder cannot be read (an absent folder has none).
bool scanFolder(const std::filesystem::path& folder, Scan& scan, std::error_code& ec)
{
    std::filesystem::directory_iterator it(folder, ec);
    if (ec) {
        return ec == std::errc::no_such_file_or_directory;
    }
    // Stepped with an error code: a folder that fails half-way is said
    // instead of throwing.
    for (; !ec && it != std::filesystem::directory_iterator(); it.increment(ec)) {
        scanEntry(*it, scan);
    }
    return !ec;
}

std::string folderError(const std::filesystem::path& folder, const std::error_code& ec)
{
    return message(QT_TRANSLATE_NOOP("Messages", "cannot read the folder '%1': %2"), {folder.string(), ec.message()});
}

}  // namespace

std::vector<std::filesystem::path> pupilFiles(const std::filesystem::path& folder, std::string_view name,
                                              std::string* error)
{
    const std::string key = pupilName(name);
    Scan scan;
    std::error_code ec;
    if (!scanFolder(folder, scan, ec)) {
        // A folder that can be entered but not listed: the file of the name as
        // written is still found, though another form of it could hide there.
        struct stat st {};
        const std::optional<std::string> canonical = pupilFileName(key);
        if (canonical && ::stat((folder / *canonical).c_str(), &st) == 0) {
            return {folder / *canonical};
        }
        if (error != nullptr) {
            *error = folderError(folder, ec);
        }
        return {};
    }
    return inOrder(std::move(scan[key].results));
}

std::vector<std::filesystem::path> pupilSettingsFiles(const std::filesystem::path& folder, std::string_view name,
                                                      std::string* error)
{
    Scan scan;
    std::error_code ec;
    if (!scanFolder(folder, scan, ec) && error != nullptr) {
        *error = folderError(folder, ec);
    }
    return inOrder(std::move(scan[pupilName(name)].settings));
}

std::map<std::string, std::string> computerNamesBeside(const std::vector<std::string>& files)
{
    std::set<std::filesystem::path> folders;
    for (const std::string& file : files) {
        folders.insert(std::filesystem::path(file).parent_path());
    }
    std::map<std::string, std::string> names;
    for (const std::filesystem::path& folder : folders) {
        std::error_code ec;
        for (std::filesystem::directory_iterator it(folder, ec); !ec && it != std::filesystem::directory_iterator();
             it.increment(ec)) {
            const std::filesystem::path& file = it->path();
            const std::string id = file.stem().string();
            if (file.extension() != ".host" || !isComputerId(id) || names.contains(id)) {
                continue;
            }
            const platform::ReadOnlyFile in(file.string());
            std::string first;
            if (in.isOpen()) {
                readLines(
                    in.fd(), [&first](std::string_view line) { first = first.empty() ? std::string(line) : first; },
                    [] {}, file.string(), nullptr);
            }
            if (!first.empty()) {
                names[id] = first.substr(0, 64);
            }
        }
    }
    return names;
}

std::vector<PupilEntry> findPupils(const std::filesystem::path& folder, std::string* error)
{
    Scan scan;
    std::error_code ec;
    if (!scanFolder(folder, scan, ec)) {
        if (error != nullptr) {
            *error = folderError(folder, ec);
        }
        return {};
    }
    std::vector<PupilEntry> pupils;
    for (auto& [name, found] : scan) {
        if (found.results.empty() && found.folders.empty()) {
            continue;  // settings alone: no pupil
        }
        PupilEntry pupil;
        pupil.name = name;
        pupil.files = inOrder(std::move(found.results));
        pupil.folders = std::move(found.folders);
        std::sort(pupil.folders.begin(), pupil.folders.end());
        if (!pupil.files.empty()) {
            pupil.file = pupil.files.front();
        }
        pupils.push_back(std::move(pupil));
    }
    return pupils;
}

std::vector<PupilEntry> listPupils(const std::filesystem::path& folder, std::string* error)
{
    std::vector<PupilEntry> found = findPupils(folder, error);
    std::vector<PupilEntry> pupils;
    for (PupilEntry& pupil : found) {
        std::vector<std::filesystem::path> files;
        for (const std::filesystem::path& file : pupil.files) {
            std::error_code typeError;
            if (std::filesystem::is_regular_file(file, typeError)) {
                files.push_back(file);
            }
        }
        if (files.empty()) {
            continue;
        }
        pupil.files = std::move(files);
        pupil.file = pupil.files.front();
        // Runs are told apart by their id and start, so the same run in two
        // files (a computer's and a conflict copy, or one copied into the
        // other) counts once.
        std::unordered_set<std::string> runs;
        for (const std::filesystem::path& file : pupil.files) {
            // Opened so that it cannot wait, and read a bounded line at a time.
            const platform::ReadOnlyFile in(file.string());
            if (!in.isOpen()) {
                continue;
            }
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
                [] {}, file.string(), nullptr);
        }
        pupil.runs = static_cast<int>(runs.size());
        pupils.push_back(std::move(pupil));
    }
    return pupils;
}

}  // namespace progress
