#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Pupils by name: each pupil's results file in the user's data folder,
// $XDG_DATA_HOME/tavelin-piano/pupils/NAME.csv.
namespace progress {

// The pupils' folder: $XDG_DATA_HOME (when it is an absolute path) or
// $HOME/.local/share, then tavelin-piano/pupils. Nothing without either.
std::optional<std::filesystem::path> pupilsFolder(const char* xdgDataHome, const char* home);

// The file name of a pupil (UTF-8 name, as typed): the name itself where it
// is safe, so that "Léa Martin" is "Léa Martin.csv"; '%', '/', a control
// character (NUL too) and a leading '.' are written %XX, so the name can
// never reach outside the folder or hide there. Nothing for an empty name or
// one whose file name would pass the 255 bytes a file name can have.
std::optional<std::string> pupilFileName(std::string_view name);

// The pupil's name back from the file name; nothing for a file that is not
// one (no ".csv", or not written as pupilFileName writes).
std::optional<std::string> pupilNameOf(std::string_view fileName);

struct PupilEntry {
    std::string name;
    std::filesystem::path file;
    int runs = 0;
    std::string lastStarted;  // as in the file; empty when it has no run
};

// Every pupil in folder, by name (byte order), with the number of runs in
// their file and the start of the latest. An absent folder has none.
std::vector<PupilEntry> listPupils(const std::filesystem::path& folder, std::string* error);

}  // namespace progress
