#pragma once

#include "progress/statistics.h"

#include <QByteArray>
#include <QImage>
#include <QString>
#include <optional>
#include <string>
#include <string_view>

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
// link at path is followed, so the file it points to is replaced. Returns
// why it failed, or an empty string.
std::string replaceFile(const std::string& path, const QByteArray& bytes);

// The report picture in a file format's bytes: PNG, JPEG, or a one-page PDF
// the shape of the picture at 150 dpi. --report and the pupils window's
// export both write these.
QByteArray encodePicture(const QImage& image, PictureFormat format);

// Reads file (opened for reading only, never written under any name),
// prints the summary, writes the picture to out (or the default). Starts its
// own QGuiApplication, on the offscreen platform unless QT_QPA_PLATFORM says
// otherwise. Returns the exit status: 0; 2 when the picture would be the
// results file itself; 1 when the file cannot be read, the picture cannot be
// written (the summary is still printed) or standard output cannot be
// written. Every failure is one line on standard error.
int runReport(const std::string& file, const std::string& out, int argc, char** argv);

}  // namespace progress
