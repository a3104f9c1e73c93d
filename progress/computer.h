#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

// This computer, as the pupils' files tell computers apart: an id made at
// first use and kept in the user's own data folder, with the name the
// computer goes by in the reports. School computers are often copies of one
// disk image, so the system's machine id (/etc/machine-id) may be shared by a
// whole room: the id is made by the program, for this user, on this
// computer. The file, $XDG_DATA_HOME/tavelin-piano/computer.ini:
//
//   # Tavelin Piano : cet ordinateur
//   id=3fa2b1c4d5e6f708
//   nom=maison
//
// "nom" is the host name at first use; its owner may write another
// ("à la maison") and the reports show that. The pupils' folder, which a sync
// program may share, sits beside this file, never around it.
namespace progress {

struct Computer {
    std::string id;    // computerIdLength lowercase hex digits
    std::string name;  // as the reports show it; never empty
    bool operator==(const Computer&) const = default;
};

constexpr std::size_t computerIdLength = 16;

// Whether text is an id as we make them.
bool isComputerId(std::string_view text);

// $XDG_DATA_HOME (absolute) or $HOME/.local/share, then tavelin-piano/computer.ini.
std::optional<std::filesystem::path> computerFile(const char* xdgDataHome, const char* home);

// The host name (gethostname), or "ordinateur" when the system has none.
std::string hostName();

// This computer as file says, made there (with hostName()) when it is not
// there yet. Two programs starting at once make one id between them: the
// file is written whole under a name of its own, then linked into place,
// which never replaces; the one that comes second reads the first's. A file
// that is there but unreadable or damaged is left as it is, and nothing is
// given, with the reason in error: a new id would make this computer another.
std::optional<Computer> thisComputer(const std::filesystem::path& file, std::string* error);

// The computer from the environment's data folder ($XDG_DATA_HOME, $HOME).
std::optional<Computer> thisComputer(std::string* error);

// The text of a computer file, and the computer it holds (nothing when the
// id is missing or not ours).
std::string computerText(const Computer& computer);
std::optional<Computer> parseComputer(std::string_view text);

}  // namespace progress
