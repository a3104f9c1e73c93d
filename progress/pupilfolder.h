#pragma once

#include "progress/computer.h"

#include <QtGlobal>

#include <filesystem>
#include <limits>
#include <optional>
#include <string>
#include <vector>

// What the pupils window does to the pupils' folder: lists its files
// without reading them, adds, renames, archives and restores pupils. Files
// move with rename(2) and never replace one already there, so nothing is
// ever deleted or overwritten: an archived pupil is a pupil whose files sit
// in the folder's "archive" subfolder.
namespace progress::pupilfolder {

constexpr const char* archiveName = "archive";
constexpr const char* settingsExtension = ".ini";  // as long as ".csv": any pupil's name fits

// The problem of a .csv file of the folder that is named as no pupil is.
constexpr const char* foreignFileName = QT_TRANSLATE_NOOP("Messages", "nom de fichier qui n'est pas celui d'un élève");

// One pupil of the folder (pupils.h's layout), or one .csv file in it that
// is no pupil's.
struct Entry {
    std::string name;                          // the pupil's name, or the file's name when it is not one we write
    std::filesystem::path file;                // the first of files (the pupil's folder when none)
    std::vector<std::filesystem::path> files;  // every results file, as pupilFiles orders them
    std::string problem;                       // empty for a regular file named as we name them
};

// Every pupil of folder and every other .csv in it, by name (byte order); an
// absent folder has none. Nothing is opened. A folder that cannot be read
// gives its reason in error.
std::vector<Entry> list(const std::filesystem::path& folder, std::string* error);

// The pupil's files of the old layout in folder (NAME.csv, NAME.ini): read
// still, and moved with the pupil, but no longer written.
std::optional<std::filesystem::path> resultsPath(const std::filesystem::path& folder, const std::string& name);
std::optional<std::filesystem::path> settingsPath(const std::filesystem::path& folder, const std::string& name);

// A name as a pupil's name may be: trimmed, not empty, valid UTF-8 with no
// control character, short enough for its file. Returns the reason, in
// French, or an empty string.
std::string nameProblem(const std::string& name);

// Makes the pupil's folder (the pupils' folder too when new) and in it the
// name of this computer, for the reports of the others; *own is then this
// computer's results file for the pupil (it may not be there yet). Returns
// the reason, in French, or an empty string.
std::string prepare(const std::filesystem::path& folder, const std::string& name, const Computer& computer,
                    std::filesystem::path* own);

// A new pupil: prepare(), and this computer's results file with its header
// only. Refused while a pupil of that name has a file or a folder here.
// Returns the reason, in French, or an empty string.
std::string add(const std::filesystem::path& folder, const std::string& name, const Computer& computer);

// The pupil's files (the old layout's, their conflict copies and the
// pupil's folder) under a new name; every run stays. A pupil already
// called to is never replaced.
// The files move one after the other; stopped half-way (the program killed),
// the same rename again finishes it. stopAfter stops it after that many
// moves, as a kill would (for the tests).
std::string rename(const std::filesystem::path& folder, const std::string& from, const std::string& to,
                   std::size_t stopAfter = std::numeric_limits<std::size_t>::max());

// Moves the pupil's files into the archive. A name already in the archive
// gets " (2)", " (3)"... there, so an older archive is never replaced.
// *archivedAs is the name it has there.
std::string archive(const std::filesystem::path& folder, const std::string& name, std::string* archivedAs = nullptr);

// The archived pupils, by name.
std::vector<Entry> listArchive(const std::filesystem::path& folder, std::string* error);

// Moves an archived pupil's files back; refused while a pupil of that name
// is in the folder.
std::string restore(const std::filesystem::path& folder, const std::string& name);

}  // namespace progress::pupilfolder
