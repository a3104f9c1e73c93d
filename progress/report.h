#pragma once

#include "progress/statistics.h"

#include <QByteArray>
#include <QPdfWriter>
#include <QImage>
#include <QString>
#include <compare>
#include <map>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// tavelin-piano --report FILE [--out PNG]: the summary and the picture of one
// pupil's results (app/reportcommand.h prints and writes them).
namespace progress {

// The summary, in French, as printed: runs, score and response time then and
// now, the five weakest notes with their commonest mistake, lines skipped.
// When the runs come from more than one computer, a line says how many each
// played, by the names computers gives (by id; pupils.h's computerNamesBeside).
std::string summaryText(const ResultsSummary& summary, const std::string& source, const std::string& picture,
                        const std::map<std::string, std::string>& computers = {});

// "maison, 12 séances (80 %) ; école, 8 séances (75 %)": the runs of each
// computer, or an empty string when they all come from one.
std::string computersText(const ResultsSummary& summary, const std::map<std::string, std::string>& computers);

// The picture's kinds, by the extension of its name (any case).
enum class PictureFormat { Png, Jpeg, Pdf };
std::optional<PictureFormat> pictureFormatOf(std::string_view fileName);

// Where the picture goes when --out is not given: beside a regular file,
// named after it (lea.csv gives lea.png); for a pipe or a device (standard
// input), report.png in the current folder. Names are bytes, as given.
std::string defaultReportPicture(const std::string& file, bool regularFile);

// Writes bytes to path through a new file in the same folder, renamed into
// place: an old file at path is either kept or wholly replaced. A symbolic
// link at path is followed, so the file it points to is replaced. The new
// file's name fits wherever path's does: past the longest name a folder
// takes, the start of path's own name is what it keeps. Returns why it failed
// (the system's reason, for the caller to say what could not be written), or
// an empty string. Every file the program writes whole goes through here.
// QSaveFile does most of this but names its new file after path's whole
// name, which fails for a name near the longest the folder takes, and gives
// the reason only as text of its own.
std::string replaceFile(const std::string& path, const QByteArray& bytes);

// The report picture in a file format's bytes: PNG, JPEG, or a one-page PDF
// the shape of the picture at 150 dpi. --report and the pupils window's
// export both write these.
QByteArray encodePicture(const QImage& image, PictureFormat format);

// What one report is about: a pupil by name (bytes, as pupils.h keeps it)
// and every file their name has (one as a rule; two when their name is on
// disk in two forms), or, with name empty, one file given by its path.
struct ReportSource {
    std::string name;
    std::vector<std::string> files;  // bytes, as the system names them
};

// The name a source's page goes by: the pupil's name, or the file's name;
// printable (pupils.h's printableName).
QString sourceLabel(const ReportSource& source);

// A file's identity: the same file under any name (./, a symbolic link, a
// hard link) has the same device and inode.
struct FileId {
    std::uint64_t device = 0;
    std::uint64_t inode = 0;
    auto operator<=>(const FileId&) const =
        default;  // NOLINT(modernize-use-nullptr): clang-tidy 14 sees a 0 in the defaulted comparison
};

// The identity of the file at path, links followed; none when there is no file.
std::optional<FileId> fileIdOf(const std::string& path);

// The refusal when writing what (a picture, a PDF) to out would replace the
// results file read from file, whose identity is given: the whole line, or
// nothing when out is another file or none.
std::optional<std::string> replacesResults(const char* sentence, const std::string& out, const std::string& file,
                                           const FileId& fileId);

// A PDF of ours: its title, the program as its creator, at pdfDpi.
constexpr int pdfDpi = 150;
void setUpPdf(QPdfWriter& pdf, const QString& title);

// One pupil's report, read: what --report prints and draws.
struct ReportRun {
    int status = 0;  // 0, or the exit status of a report that goes no further: error says why
    std::string error;
    ResultsSummary summary;
    std::string picture;  // where the picture goes, as given or by default
    PictureFormat format = PictureFormat::Png;
    QString label;                                 // the name on the picture (sourceLabel)
    std::string shown;                             // the source as the summary names it
    std::map<std::string, std::string> computers;  // the names kept beside the files, by id
};

// Reads the source's files as one pupil's: opened for reading only (never
// written under any name) and without waiting (a FIFO nobody writes to reads
// as empty). The picture goes to out, or by default beside a file given by
// its path. Status 2 when the picture would be one of the results files, out
// names no picture or a file is a device; 1 when a file cannot be read.
ReportRun readReport(const ReportSource& source, const std::string& out);

// Draws the report's picture and puts it in place (replaceFile). Needs
// art::fonts::load() first. Returns the failure, as a line, or an empty string.
std::string writeReportPicture(const ReportRun& run);

}  // namespace progress
