#pragma once

#include "exercise/focus.h"
#include "exercise/variant.h"

#include <filesystem>
#include <optional>
#include <string>

// A pupil's practice settings, kept in the pupils' folder beside their
// results (NAME.ini): weak-note focus and the note range. A small text file
// of "key=value" lines that a teacher can read:
//
//   # Tavelin Piano : réglages de l'élève
//   focus=oui
//   notes=52-89
//   variante=key=-2
//   clefs_ut=non
//
// (variante= as --variant writes it, empty for the drill; the last two are
// written only when they are not the drill, so a drill pupil's file is as
// it always was.)
namespace progress::practice {

struct Settings {
    bool focus = false;
    std::optional<exercise::NoteRange> range;
    exercise::Variant variant;  // the drill unless the teacher chose more
    bool operator==(const Settings&) const = default;
};

// The file's text for these settings.
std::string text(const Settings& settings);

// The settings a text holds; unknown keys are left aside, so that a later
// program's file still reads. Nothing, with the reason, for a value that is
// not ours (a range out of order or one that leaves a mode short).
std::optional<Settings> parse(const std::string& text, std::string* error);

// Reads path without blocking on it (a pipe or a device is refused) and at
// most 64 kB of it. An absent file gives the defaults.
std::optional<Settings> read(const std::filesystem::path& path, std::string* error);

// Writes the settings whole or not at all (a new file renamed into place).
std::string write(const std::filesystem::path& path, const Settings& settings);

// Settings saved on several computers: each computer writes its own file in
// the pupil's folder (pupils.h), stamped with the time of the change,
//
//   modifié=2024-09-02T15:05:31.204Z
//
// in UTC, so that stamps compare as text whatever the time zones. The
// pupil's settings are those of the file changed last; a file with no stamp
// (of the old layout, or from before) comes after every stamped one, and of
// those the first pupilSettingsFiles gives. A file that cannot be read or
// holds values not ours is passed over (a sync program may be halfway
// through it); nothing, with its reason, only when no file reads. No file:
// the defaults.
std::optional<Settings> readPupil(const std::filesystem::path& folder, const std::string& name, std::string* error);

// Saves the settings in this computer's file for the pupil, stamped with
// changed (utcStamp() by default).
std::string writePupil(const std::filesystem::path& folder, const std::string& name, const std::string& computerId,
                       const Settings& settings, const std::string& changed);

// Now, in UTC to the millisecond: 2024-09-02T15:05:31.204Z.
std::string utcStamp();

// The stamp of a settings file's text, or an empty string.
std::string stampOf(const std::string& text);

// The range as --notes takes it, by MIDI numbers ("52-89").
std::string rangeText(const exercise::NoteRange& range);

}  // namespace progress::practice
