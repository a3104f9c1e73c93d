#include "app/pupiloptions.h"

#include "platform/messages.h"
#include "progress/computer.h"
#include "progress/pupilfolder.h"
#include "app/translation.h"
#include "progress/pupils.h"
#include "progress/transfer.h"

#include <QDir>
#include <QFile>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>

#include <sys/stat.h>

namespace app {

namespace {

std::optional<std::filesystem::path> folder()
{
    return progress::pupilsFolder(std::getenv("XDG_DATA_HOME"), std::getenv("HOME"));
}

// Said when there is no folder() for a command about pupils.
std::string noDataFolder()
{
    return platform::message(
        QT_TRANSLATE_NOOP("Messages", "no data folder for the pupils: neither XDG_DATA_HOME nor HOME is set"));
}

QString printable(const std::string& name)
{
    return QString::fromStdString(progress::printableName(name));
}

}  // namespace

QString resolvePupils(Options& options, std::vector<progress::ReportSource>* sources)
{
    for (const std::string& file : options.reportFiles) {
        sources->push_back({{}, {file}});
    }
    if (options.pupils.isEmpty()) {
        return {};
    }
    const std::optional<std::filesystem::path> pupils = folder();
    if (!pupils) {
        return app::commandLineText(
            QT_TRANSLATE_NOOP("CommandLine", "no data folder for the pupils: neither XDG_DATA_HOME nor HOME is set"));
    }
    const QString shownFolder = printable(pupils->string());
    std::string pictureBase;  // the first pupil's file name, safe as a name here too
    for (const QString& typed : options.pupils) {
        const std::string name = progress::pupilName(progress::pupilBytes(typed));
        std::string why;
        const std::optional<std::string> fileName = progress::pupilFileName(name, &why);
        if (!fileName) {
            return app::commandLineText(QT_TRANSLATE_NOOP("CommandLine", "the pupil's name '%1' cannot be kept: %2"))
                .arg(printable(name), QString::fromStdString(why));
        }
        std::string error;
        const std::vector<std::filesystem::path> files = progress::pupilFiles(*pupils, name, &error);
        if (!error.empty()) {
            return QString::fromStdString(error);
        }
        if (options.action == Options::Action::Report) {
            if (files.empty()) {
                return app::commandLineText(QT_TRANSLATE_NOOP("CommandLine", "no pupil called '%1' in %2"))
                    .arg(printable(name), shownFolder);
            }
            progress::ReportSource source{name, {}};
            for (const std::filesystem::path& file : files) {
                // Looked at without any call that throws: a loop of symbolic
                // links or a path too long is said as it is. A pupil's file is
                // a regular file: a FIFO or a device in its place would hold
                // the report, or never end. A class report reads each file so
                // that it cannot wait, and goes on past one that is no pupil's
                // file, saying it: only a report on one pupil stops here.
                if (options.pupils.size() + options.reportFiles.size() > 1) {
                    source.files.push_back(file.string());
                    continue;
                }
                struct stat st {};
                if (::stat(file.c_str(), &st) != 0) {
                    return app::commandLineText(
                               QT_TRANSLATE_NOOP("CommandLine", "cannot read the pupil's file '%1': %2"))
                        .arg(printable(file.string()), QString::fromLocal8Bit(std::strerror(errno)));
                }
                if (!S_ISREG(st.st_mode)) {
                    return app::commandLineText(
                               QT_TRANSLATE_NOOP("CommandLine", "the pupil's file '%1' is not a regular file"))
                        .arg(printable(file.string()));
                }
                source.files.push_back(file.string());
            }
            sources->push_back(std::move(source));
            if (pictureBase.empty()) {
                pictureBase = fileName->substr(0, fileName->size() - 4);
            }
        } else {
            // This computer's own file in the pupil's folder: the others'
            // files, and those from before, are only read.
            std::string why;
            const std::optional<progress::Computer> computer = progress::thisComputer(&why);
            if (!computer) {
                return app::commandLineText(
                           QT_TRANSLATE_NOOP("CommandLine", "this computer has no id for the pupils' files: %1"))
                    .arg(QString::fromStdString(why));
            }
            std::filesystem::path own;
            if (const std::string error = progress::pupilfolder::prepare(*pupils, name, *computer, &own);
                !error.empty()) {
                return app::commandLineText(
                           QT_TRANSLATE_NOOP("CommandLine", "cannot make the pupil's folder in %1: %2"))
                    .arg(shownFolder, QString::fromStdString(error));
            }
            options.resultsFile = own.string();
            options.computer = computer->id;
        }
    }
    if (options.action == Options::Action::Report) {
        options.reportFile = sources->empty() ? std::string() : sources->front().files.front();
        if (options.reportOut.empty() && sources->size() == 1 && !options.pupils.isEmpty()) {
            // A pupil's picture comes where the teacher is, not into the data folder.
            options.reportOut = QFile::encodeName(QDir::currentPath()).toStdString() + "/" + pictureBase + ".png";
        }
    }
    return {};
}

int listPupils()
{
    const std::optional<std::filesystem::path> pupils = folder();
    if (!pupils) {
        std::fprintf(stderr, "tavelin-piano: %s\n", noDataFolder().c_str());
        return 1;
    }
    std::string error;
    const std::vector<progress::PupilEntry> entries = progress::listPupils(*pupils, &error);
    if (!error.empty()) {
        std::fprintf(stderr, "tavelin-piano: %s\n", error.c_str());
        return 1;
    }
    for (const progress::PupilEntry& p : entries) {
        std::printf("%s\t%d\t%s\n", progress::printableName(p.name).c_str(), p.runs,
                    progress::printableName(p.lastStarted.substr(0, 10)).c_str());
    }
    return 0;
}

int exportPupil(const Options& options)
{
    const std::optional<std::filesystem::path> pupils = folder();
    if (!pupils) {
        std::fprintf(stderr, "tavelin-piano: %s\n", noDataFolder().c_str());
        return 1;
    }
    const std::string name = progress::pupilName(progress::pupilBytes(options.exportPupil));
    std::size_t runs = 0;
    if (const std::string error = progress::transfer::exportPupil(*pupils, name, options.reportOut, &runs);
        !error.empty()) {
        std::fprintf(stderr, "tavelin-piano: %s\n", error.c_str());
        return 1;
    }
    std::printf("%s\t%zu\t%s\n", progress::printableName(name).c_str(), runs,
                progress::printableName(options.reportOut).c_str());
    return 0;
}

int importPupil(const Options& options)
{
    const std::optional<std::filesystem::path> pupils = folder();
    std::string why;
    const std::optional<progress::Computer> computer = progress::thisComputer(&why);
    if (!pupils || !computer) {
        std::fprintf(stderr, "tavelin-piano: %s\n", (pupils ? why : noDataFolder()).c_str());
        return 1;
    }
    const std::string name =
        options.pupils.isEmpty() ? std::string() : progress::pupilName(progress::pupilBytes(options.pupils.front()));
    progress::transfer::Imported imported;
    if (const std::string error =
            progress::transfer::importFile(*pupils, options.importFile, name, *computer, &imported);
        !error.empty()) {
        std::fprintf(stderr, "tavelin-piano: %s\n",
                     platform::message(QT_TRANSLATE_NOOP("Messages", "%1; nothing was imported"), {error}).c_str());
        return 1;
    }
    // The pupil, the runs added, the runs the pupil had already.
    std::printf("%s\t%zu\t%zu\n", progress::printableName(imported.pupil).c_str(), imported.added, imported.known);
    return 0;
}

}  // namespace app
