#include "progress/transfer.h"

#include "platform/messages.h"
#include "platform/files.h"
#include "progress/lines.h"
#include "progress/practice.h"
#include "progress/pupilfolder.h"
#include "progress/pupils.h"
#include "progress/report.h"
#include "progress/resultrow.h"
#include "progress/results.h"

#include <QByteArray>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <string_view>
#include <unordered_set>
#include <vector>

#include <unistd.h>

namespace progress::transfer {

using platform::message;

namespace {

constexpr std::string_view endPrefix = "# fin : ";
constexpr std::string_view endSuffix = " lignes";
constexpr std::string_view nameKey = "élève=";
// An exported record holds a few hundred bytes a run: a lifetime of
// practice is far below this.
constexpr std::size_t largestFile = std::size_t{1} << 30;

std::string keyOf(const NoteResult& row)
{
    return row.run + ' ' + row.started;
}

// The header and rows of a record: the eleven columns while every row is a
// drill row (a record any earlier release imports), else all fourteen.
void appendResults(std::string& text, const std::vector<NoteResult>& rows)
{
    const bool drill = std::all_of(rows.begin(), rows.end(), isDrillRow);
    text += drill ? csv::header : csv::fullHeader;
    text += "\n";
    for (const NoteResult& row : rows) {
        appendCsvRow(text, row, drill ? RowWidth::Short : RowWidth::Full);
    }
}

// The lines of text, without their '\n' (or "\r\n").
std::vector<std::string_view> linesOf(std::string_view text)
{
    std::vector<std::string_view> lines;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        if (!line.empty() && line.back() == '\r') {
            line.remove_suffix(1);
        }
        lines.push_back(line);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    }
    return lines;
}

// The whole file, read without waiting; nothing, with the reason.
std::optional<std::string> readWhole(const std::string& file, std::string* error)
{
    const platform::ReadOnlyFile in(file);
    if (!in.isOpen()) {
        *error = in.why();
        return std::nullopt;
    }
    std::string text;
    std::vector<char> piece(1 << 20);
    for (;;) {
        const ssize_t got = ::read(in.fd(), piece.data(), piece.size());
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got < 0) {
            *error =
                message(QT_TRANSLATE_NOOP("Messages", "impossible de lire « %1 » : %2"), {file, std::strerror(errno)});
            return std::nullopt;
        }
        if (got == 0) {
            return text;
        }
        text.append(piece.data(), static_cast<std::size_t>(got));
        if (text.size() > largestFile) {
            *error = message(QT_TRANSLATE_NOOP("Messages", "« %1 » est trop grand pour le dossier d'un élève"), {file});
            return std::nullopt;
        }
    }
}

// The rows of the pupil's files, each run once (its first file's), in the
// order the report reads them, and the keys of their runs.
struct Record {
    std::vector<NoteResult> rows;
    std::unordered_set<std::string> runs;
};

std::optional<Record> readRecord(const std::filesystem::path& folder, const std::string& name, std::string* error)
{
    std::string listing;
    const std::vector<std::filesystem::path> files = pupilFiles(folder, name, &listing);
    if (!listing.empty()) {
        *error = listing;
        return std::nullopt;
    }
    Record record;
    for (const std::filesystem::path& file : files) {
        const platform::ReadOnlyFile in(file.string());
        if (!in.isOpen()) {
            *error = in.why();
            return std::nullopt;
        }
        std::unordered_set<std::string> here;
        const bool read = readLines(
            in.fd(),
            [&](std::string_view line) {
                std::optional<NoteResult> row = parseCsvRow(line);
                if (!row) {
                    return;
                }
                std::string key = keyOf(*row);
                if (!record.runs.contains(key)) {
                    here.insert(std::move(key));
                    record.rows.push_back(std::move(*row));
                }
            },
            [] {}, file.string(), error);
        if (!read) {
            return std::nullopt;
        }
        record.runs.merge(here);
    }
    return record;
}

}  // namespace

std::optional<std::string> resultsText(const std::filesystem::path& folder, const std::string& name, std::string* error)
{
    const std::optional<Record> record = readRecord(folder, name, error);
    if (!record) {
        return std::nullopt;
    }
    std::string text;
    appendResults(text, record->rows);
    return text;
}

std::string recordName(const std::string& file)
{
    const platform::ReadOnlyFile in(file);
    std::string name;
    if (!in.isOpen()) {
        return name;
    }
    int line = 0;
    readLines(
        in.fd(),
        [&](std::string_view text) {
            ++line;
            if (line == 1 && text != title) {
                line = 3;
            } else if (line == 2 && text.starts_with(nameKey)) {
                name = pupilName(text.substr(nameKey.size()));
            }
        },
        [] {}, file, nullptr);
    return name;
}

std::optional<std::string> exportText(const std::filesystem::path& folder, const std::string& name, std::string* error,
                                      std::size_t* runs)
{
    std::string listing;
    if (pupilFiles(folder, name, &listing).empty()) {
        *error = listing.empty() ? "pas d'élève « " + printableName(name) + " »" : listing;
        return std::nullopt;
    }
    const std::optional<Record> record = readRecord(folder, name, error);
    if (!record) {
        return std::nullopt;
    }
    std::string settingsError;
    const practice::Settings settings =
        practice::readPupil(folder, name, &settingsError).value_or(practice::Settings{});
    std::string text(title);
    text += "\n";
    text += std::string(nameKey) + name + "\n";
    // The settings' lines, their own title left out.
    const std::string saved = practice::text(settings);
    text += saved.substr(saved.find('\n') + 1);
    appendResults(text, record->rows);
    text += std::string(endPrefix) + std::to_string(record->rows.size()) + std::string(endSuffix) + "\n";
    if (runs != nullptr) {
        *runs = record->runs.size();
    }
    return text;
}

std::string exportPupil(const std::filesystem::path& folder, const std::string& name, const std::string& out,
                        std::size_t* runs)
{
    std::string error;
    for (const std::filesystem::path& file : pupilFiles(folder, name, &error)) {
        if (const std::optional<FileId> id = fileIdOf(file.string())) {
            if (const auto refused = replacesResults(
                    QT_TRANSLATE_NOOP("Messages",
                                      "the record '%1' would replace the results file '%2'; give another --out"),
                    out, file.string(), *id)) {
                return *refused;
            }
        }
    }
    const std::optional<std::string> text = exportText(folder, name, &error, runs);
    if (!text) {
        return error;
    }
    if (const std::string why = replaceFile(out, QByteArray::fromStdString(*text)); !why.empty()) {
        return message(QT_TRANSLATE_NOOP("Messages", "impossible d'écrire « %1 » : %2"), {out, why});
    }
    return {};
}

namespace {

// What a file to import holds, once it is known to be whole.
struct Incoming {
    std::string name;  // the exported record's pupil; empty for a results file
    std::optional<practice::Settings> settings;
    std::vector<NoteResult> rows;
};

// The rows from lines[from] to lines[to), each a row, or the reason.
std::string readRows(const std::vector<std::string_view>& lines, std::size_t from, std::size_t to,
                     const std::string& file, Incoming& in)
{
    for (std::size_t i = from; i < to; ++i) {
        if (lines[i].empty()) {
            continue;
        }
        std::optional<NoteResult> row = parseCsvRow(lines[i]);
        if (!row) {
            return message(QT_TRANSLATE_NOOP("Messages", "« %1 » est abîmé : sa ligne %2 n'est pas un résultat"),
                           {file, std::to_string(i + 1)});
        }
        in.rows.push_back(std::move(*row));
    }
    return {};
}

// An exported record: its name and settings, its header, its rows, its end line.
std::string readExported(const std::vector<std::string_view>& lines, const std::string& file, Incoming& in)
{
    std::size_t i = 1;
    std::string settings;
    for (; i < lines.size() && !isCsvHeader(lines[i]); ++i) {
        if (lines[i].starts_with(nameKey)) {
            in.name = pupilName(lines[i].substr(nameKey.size()));
        } else {
            settings += std::string(lines[i]) + "\n";
        }
    }
    if (i == lines.size()) {
        return message(QT_TRANSLATE_NOOP("Messages", "« %1 » est incomplet : il s'arrête avant ses résultats"), {file});
    }
    std::string why;
    in.settings = practice::parse(settings, &why);
    if (!in.settings) {
        return message(QT_TRANSLATE_NOOP("Messages", "« %1 » est abîmé : %2"), {file, why});
    }
    const std::string_view last = lines.back();
    if (!last.starts_with(endPrefix) || !last.ends_with(endSuffix)) {
        return message(QT_TRANSLATE_NOOP("Messages",
                                         "« %1 » est incomplet : sa dernière ligne n'est pas « # fin : N lignes », "
                                         "il a été coupé en route"),
                       {file});
    }
    const std::string_view count = last.substr(endPrefix.size(), last.size() - endPrefix.size() - endSuffix.size());
    if (why = readRows(lines, i + 1, lines.size() - 1, file, in); !why.empty()) {
        return why;
    }
    if (std::to_string(in.rows.size()) != count) {
        return message(QT_TRANSLATE_NOOP("Messages", "« %1 » est incomplet : %2 lignes au lieu de %3"),
                       {file, std::to_string(in.rows.size()), count});
    }
    return {};
}

std::string readIncoming(const std::string& file, Incoming& in)
{
    std::string error;
    const std::optional<std::string> text = readWhole(file, &error);
    if (!text) {
        return error;
    }
    const std::vector<std::string_view> lines = linesOf(*text);
    if (lines.empty() || (lines.front() != title && !isCsvHeader(lines.front()))) {
        return message(
            QT_TRANSLATE_NOOP("Messages",
                              "« %1 » n'est ni un dossier d'élève ni un fichier de résultats de Tavelin Piano"),
            {file});
    }
    if (text->back() != '\n') {
        return message(QT_TRANSLATE_NOOP("Messages", "« %1 » est incomplet : sa dernière ligne est coupée"), {file});
    }
    if (isCsvHeader(lines.front())) {
        return readRows(lines, 1, lines.size(), file, in);
    }
    return readExported(lines, file, in);
}

// The runs of rows not in known, as CSV text; counts them into imported.
std::string newRuns(const std::vector<NoteResult>& rows, std::unordered_set<std::string> known, Imported& imported)
{
    std::string text;
    std::string current;
    bool keep = false;
    for (const NoteResult& row : rows) {
        std::string key = keyOf(row);
        if (key != current) {
            // A run seen again further down the file is one run already had.
            keep = known.insert(key).second;
            ++(keep ? imported.added : imported.known);
            current = std::move(key);
        }
        if (keep) {
            appendCsvRow(text, row);
        }
    }
    return text;
}

}  // namespace

std::string importFile(const std::filesystem::path& folder, const std::string& file, const std::string& name,
                       const Computer& computer, Imported* imported)
{
    Incoming in;
    if (std::string why = readIncoming(file, in); !why.empty()) {
        return why;
    }
    const std::string pupil = name.empty() ? in.name : pupilName(name);
    if (pupil.empty()) {
        return message(QT_TRANSLATE_NOOP("Messages",
                                         "« %1 » ne dit pas de quel élève il est : nommez-le (--pupil NOM) ou "
                                         "choisissez-le dans la liste"),
                       {file});
    }
    if (std::string problem = pupilfolder::nameProblem(pupil); !problem.empty()) {
        return problem;
    }
    std::string error;
    const std::optional<Record> record = readRecord(folder, pupil, &error);
    if (!record) {
        return error;
    }
    Imported result;
    result.pupil = pupil;
    const std::string rows = newRuns(in.rows, record->runs, result);
    if (!rows.empty()) {
        std::filesystem::path own;
        if (error = pupilfolder::prepare(folder, pupil, computer, &own); !error.empty()) {
            return error;
        }
        if (error = ResultsFile(own.string()).append(rows); !error.empty()) {
            return error;
        }
        std::string settingsError;
        if (in.settings && pupilSettingsFiles(folder, pupil, &settingsError).empty() && settingsError.empty()) {
            practice::writePupil(folder, pupil, computer.id, *in.settings, practice::utcStamp());
        }
    }
    if (imported != nullptr) {
        *imported = result;
    }
    return {};
}

}  // namespace progress::transfer
