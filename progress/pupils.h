#pragma once

#include <QString>

#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Pupils by name: each pupil's results files in the user's data folder,
// $XDG_DATA_HOME/tavelin-piano/pupils (the layout is below).
//
// A name is bytes, as the shell gives it: UTF-8 as a rule, but a byte that
// is no part of valid UTF-8 (a Latin-1 terminal, a file copied from another
// system) stays itself, so that two such names never become one. One pupil
// is one name on disk whatever the form its accents take: "Léa" with a
// composed é (NFC, as typed on Linux) and with e and a combining accent
// (NFD, as a Mac or a sync program may write it) are the same pupil.
namespace progress {

// The longest file name, in bytes, on every Linux file system.
constexpr std::size_t longestFileName = 255;

// The program's data folder: $XDG_DATA_HOME (when it is an absolute path) or
// $HOME/.local/share, then tavelin-piano. Nothing without either.
std::optional<std::filesystem::path> dataFolder(const char* xdgDataHome, const char* home);

// The pupils' folder: pupils in the data folder.
std::optional<std::filesystem::path> pupilsFolder(const char* xdgDataHome, const char* home);

// A name's bytes in a QString that keeps every one of them: a byte that is no
// part of valid UTF-8 becomes the lone surrogate U+DC00 + byte (U+DC80 to
// U+DCFF), which valid UTF-8 never holds; pupilBytes gives the bytes back.
QString pupilText(std::string_view bytes);
std::string pupilBytes(const QString& text);

// A name as it is kept: the spaces around it dropped and its accents
// composed (NFC), the bytes that are not UTF-8 left as they are.
QString cleanPupilName(const QString& typed);
std::string pupilName(std::string_view typed);

// A name (or any text of bytes) as printed, on one line and readable back:
// '\' is "\\", a tab "\t", a line end "\n" or "\r", any other control or
// invisible formatting character "\uHHHH" (or "\xHH" below 0x80), and a byte
// that is not UTF-8 "\xHH", as a shell reads them inside $'...'. Everything
// else is as it is.
std::string printableName(std::string_view name);

// The file name of a pupil (name as pupilName keeps it): the name itself
// where it is safe, so that "Léa Martin" is "Léa Martin.csv"; '%', '/', a
// control character (NUL too), a leading '.' and a byte that is not UTF-8
// are written %XX, so the name can never reach outside the folder or hide
// there, and two names never share a file. Nothing for an empty name or one
// whose file name would pass longestFileName bytes; why (with the length it
// would have) then goes to why.
std::optional<std::string> pupilFileName(std::string_view name, std::string* why = nullptr);

// The pupil's name (as pupilName keeps it) back from a file name; nothing for
// a file that is not one. Taken: what pupilFileName writes, a name with its
// accents in another form, and one whose bytes that are not UTF-8 were
// written as they are (as the previous release, or another program, wrote
// them). Refused: no ".csv", an escape pupilFileName never writes.
std::optional<std::string> pupilNameOf(std::string_view fileName);

// Several computers, one pupil. A sync program (Syncthing, a cloud drive's
// client) that carries the pupils' folder between computers sees a file
// changed on two of them as a conflict: it keeps one and sets the other
// aside. So no computer writes a file another one writes: each pupil has a
// folder of their own beside their old results file, and in it each
// computer writes its own files, named by its id (computer.h):
//
//   pupils/Léa.csv                     results from before, still read
//   pupils/Léa/3fa2b1c4d5e6f708.csv    the results played on one computer
//   pupils/Léa/3fa2b1c4d5e6f708.ini    the practice settings saved there
//   pupils/Léa/3fa2b1c4d5e6f708.host   the name of that computer
//
// Every reader takes the union of a pupil's files, each run once (by its
// id and start), the conflict copies a sync program left beside any of
// them too.

// The name of the pupil's folder: the stem of their results file, except
// for a pupil called "archive", whose folder is "%61rchive" (the archive has
// that name). Nothing as for pupilFileName.
std::optional<std::string> pupilFolderName(std::string_view name);
// The pupil whose folder this is; nothing for any other name.
std::optional<std::string> pupilNameOfFolder(std::string_view folderName);

// The file a conflict copy was set aside from: Syncthing's
// "Léa.sync-conflict-20240902-170531-ABCDEFG.csv", Nextcloud's
// "Léa (conflicted copy 2024-09-02 170531).csv" and Dropbox's
// "Léa (Marc's conflicted copy 2024-09-02).csv" all give "Léa.csv".
// Nothing for a name that is no conflict copy.
std::optional<std::string> conflictOriginal(std::string_view fileName);

// This computer's results file and settings file for the pupil, in the
// pupil's folder (which may not be there yet).
std::optional<std::filesystem::path> ownResultsFile(const std::filesystem::path& folder, std::string_view name,
                                                    const std::string& computerId);
std::optional<std::filesystem::path> ownSettingsFile(const std::filesystem::path& folder, std::string_view name,
                                                     const std::string& computerId);

// Every results file of the pupil called name in folder, whatever its form,
// in an order that depends only on their names (so that two computers that
// hold the same files read them in the same order): the one pupilFileName
// names first when it is there, the others of the old layout after it in
// byte order, then the files of the pupil's folder by name, then every
// conflict copy by name. Empty, with error empty, when the pupil has no file
// yet; empty with the reason in error when the folder cannot be looked into.
// Never throws.
std::vector<std::filesystem::path> pupilFiles(const std::filesystem::path& folder, std::string_view name,
                                              std::string* error);

// The same for the pupil's practice settings files (.ini).
std::vector<std::filesystem::path> pupilSettingsFiles(const std::filesystem::path& folder, std::string_view name,
                                                      std::string* error);

// The computers' names kept beside files (ID.host in the same folders), by
// computer id.
std::map<std::string, std::string> computerNamesBeside(const std::vector<std::string>& files);

struct PupilEntry {
    std::string name;
    std::filesystem::path file;  // the first of files
    std::vector<std::filesystem::path> files;
    std::vector<std::filesystem::path> folders;  // the pupil's folders (one as a rule)
    int runs = 0;
    std::string lastStarted;  // as in the file; empty when it has no run
};

// Every pupil in folder, by name, with their files (as pupilFiles orders
// them), nothing read. A pupil with a folder and no file yet is one too.
std::vector<PupilEntry> findPupils(const std::filesystem::path& folder, std::string* error);

// Every pupil in folder, by name (byte order), with the number of runs in
// their files and the start of the latest: one entry a pupil, however many
// files their name has. An absent folder has none.
std::vector<PupilEntry> listPupils(const std::filesystem::path& folder, std::string* error);

}  // namespace progress
