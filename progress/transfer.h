#pragma once

#include "progress/computer.h"

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>

// A pupil's record carried by hand, without a sync program: --export-pupil
// writes it into one file, --import (and the pupils window's "Importer…")
// merges it into a pupil on another computer. The file:
//
//   # Tavelin Piano : dossier d'élève
//   élève=Léa
//   focus=oui
//   notes=52-89
//   started,run,mode,...          the results header, then every run once
//   2024-09-02T17:02:00+02:00,...
//   # fin : 2 lignes
//
// The last line says how many rows come before it, so that a file cut short
// on its way (a full USB stick, a download that stopped) is told from a
// whole one and refused. Any results file the program wrote merges too.
namespace progress::transfer {

constexpr std::string_view title = "# Tavelin Piano : dossier d'élève";

// The pupil's record as one file's text: every run of every one of their
// files once (as the report counts them), with their practice settings.
// Nothing, with the reason, when the pupil has no file or one cannot be read.
std::optional<std::string> exportText(const std::filesystem::path& folder, const std::string& name, std::string* error,
                                      std::size_t* runs = nullptr);

// exportText written whole to out (never over one of the pupil's files).
// Returns the reason, or an empty string.
std::string exportPupil(const std::filesystem::path& folder, const std::string& name, const std::string& out,
                        std::size_t* runs = nullptr);

// The pupil an exported record names, or an empty string for any other file.
std::string recordName(const std::string& file);

// Every run of the pupil's files once, as a results file of its own.
std::optional<std::string> resultsText(const std::filesystem::path& folder, const std::string& name,
                                       std::string* error);

struct Imported {
    std::string pupil;      // who the runs went to
    std::size_t added = 0;  // runs added
    std::size_t known = 0;  // runs the pupil had already
};

// Merges the file into the pupil called name (or, when name is empty, the
// one the exported file names): the runs the pupil has not got yet (by id
// and start, in any of their files) are appended to this computer's file
// for them, in one write; settings come along only to a pupil who has none.
// Importing a file twice adds nothing the second time. A file that is
// neither ours nor a results file, is cut short or holds a line that is no
// row is refused, with the reason, and nothing is written anywhere.
// Returns the reason, or an empty string.
std::string importFile(const std::filesystem::path& folder, const std::string& file, const std::string& name,
                       const Computer& computer, Imported* imported);

}  // namespace progress::transfer
