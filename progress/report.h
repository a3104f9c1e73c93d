#pragma once

#include "progress/statistics.h"

#include <QByteArray>
#include <QImage>
#include <QString>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// tavelin-piano --report FILE [--out PNG]: the summary on standard output and
// the picture, with no window.
namespace progress {

// The summary, in French, as printed: runs, score and response time then and
// now, the five weakest notes with their commonest mistake, lines skipped.
std::string summaryText(const ResultsSummary& summary, const std::string& source, const std::string& picture);

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
// an empty string.
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

// Reads the source's files (opened for reading only, never written under any
// name) as one pupil's, prints the summary, writes the picture to out (or
// the default: beside a file given by its path). Starts its own
// QGuiApplication, on the offscreen platform unless QT_QPA_PLATFORM says
// otherwise. Returns the exit status: 0; 2 when the picture would be one of
// the results files itself; 1 when a file cannot be read, the picture cannot
// be written (the summary is still printed) or standard output cannot be
// written. Every failure is one line on standard error.
int runReport(const ReportSource& source, const std::string& out, int argc, char** argv);
int runReport(const std::string& file, const std::string& out, int argc, char** argv);

}  // namespace progress
