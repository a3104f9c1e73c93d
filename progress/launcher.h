#pragma once

#include <filesystem>
#include <optional>
#include <string>

// A pupil's own launcher: a desktop entry "Piano — NAME" in the user's
// applications folder that starts the program for that pupil, so that a
// child starts from their own icon.
namespace progress::launcher {

// $XDG_DATA_HOME/applications (when absolute), else $HOME/.local/share/applications.
std::optional<std::filesystem::path> applicationsFolder(const char* xdgDataHome, const char* home);

// The entry's file name: the program's id, then a digest of the pupil's
// name, which any name gives and which desktop ids allow
// ("org.tavelin.TavelinPiano.pupil-0123456789abcdef.desktop").
std::string fileName(const std::string& pupil);

// One argument of an Exec line: quoted, with '"', '`', '$' and '\' escaped
// inside the quotes, '%' doubled, and the whole then escaped as a desktop
// entry string ('\' doubled, line ends written \n), so that the launcher
// passes back exactly these bytes.
std::string execArgument(const std::string& argument);

// The entry's text: program is the absolute path of the program to start.
std::string entryText(const std::string& pupil, const std::string& program);

// Writes the entry whole or not at all; the folder is made when new.
// Returns the reason, or an empty string.
std::string write(const std::filesystem::path& folder, const std::string& pupil, const std::string& program);

// Whether the pupil has a launcher there, and its removal (nothing else is
// removed). remove returns the reason, or an empty string.
bool exists(const std::filesystem::path& folder, const std::string& pupil);
std::string remove(const std::filesystem::path& folder, const std::string& pupil);

}  // namespace progress::launcher
