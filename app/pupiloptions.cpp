#include "app/pupiloptions.h"

#include "progress/pupils.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

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

}  // namespace

QString resolvePupils(Options& options, QStringList* names)
{
    for (const std::string& file : options.reportFiles) {
        names->append(QFileInfo(QFile::decodeName(QByteArray::fromStdString(file))).completeBaseName());
    }
    if (options.pupils.isEmpty()) {
        return {};
    }
    const std::optional<std::filesystem::path> pupils = folder();
    if (!pupils) {
        return QStringLiteral("no data folder for the pupils: neither XDG_DATA_HOME nor HOME is set");
    }
    QString pictureBase;  // the first pupil's file name, safe as a name here too
    for (const QString& name : options.pupils) {
        const std::optional<std::string> fileName = progress::pupilFileName(name.toStdString());
        if (!fileName) {
            return QStringLiteral("the pupil's name '%1' is too long").arg(name);
        }
        const std::string path = (*pupils / *fileName).string();
        if (options.action == Options::Action::Report) {
            // Looked at without any call that throws: a folder that cannot be
            // read, a loop of symbolic links or a path too long is said as it is.
            struct stat st {};
            if (::stat(path.c_str(), &st) != 0) {
                if (errno == ENOENT || errno == ENOTDIR) {
                    return QStringLiteral("no pupil called '%1' in %2").arg(name, QFile::decodeName((*pupils).c_str()));
                }
                return QStringLiteral("cannot read the pupil's file '%1': %2")
                    .arg(QFile::decodeName(path.c_str()), QString::fromLocal8Bit(std::strerror(errno)));
            }
            // A pupil's file is a regular file: a FIFO or a device in its place
            // would hold the report, or never end.
            if (!S_ISREG(st.st_mode)) {
                return QStringLiteral("the pupil's file '%1' is not a regular file").arg(QFile::decodeName(path.c_str()));
            }
            options.reportFiles.push_back(path);
            names->append(name);
            pictureBase = QString::fromStdString(fileName->substr(0, fileName->size() - 4));
        } else {
            std::error_code ec;
            std::filesystem::create_directories(*pupils, ec);
            if (ec) {
                return QStringLiteral("cannot make the pupils' folder '%1': %2")
                    .arg(QFile::decodeName((*pupils).c_str()), QString::fromStdString(ec.message()));
            }
            options.resultsFile = path;
        }
    }
    if (options.action == Options::Action::Report) {
        options.reportFile = options.reportFiles.empty() ? std::string() : options.reportFiles.front();
        if (options.reportOut.empty() && options.reportFiles.size() == 1 && !options.pupils.isEmpty()) {
            // A pupil's picture comes where the teacher is, not into the data folder.
            options.reportOut = QFile::encodeName(QDir::current().filePath(pictureBase + QStringLiteral(".png"))).toStdString();
        }
    }
    return {};
}

int listPupils()
{
    const std::optional<std::filesystem::path> pupils = folder();
    if (!pupils) {
        std::fprintf(stderr, "tavelin-piano: no data folder for the pupils: neither XDG_DATA_HOME nor HOME is set\n");
        return 1;
    }
    std::string error;
    const std::vector<progress::PupilEntry> entries = progress::listPupils(*pupils, &error);
    if (!error.empty()) {
        std::fprintf(stderr, "tavelin-piano: %s\n", error.c_str());
        return 1;
    }
    for (const progress::PupilEntry& p : entries) {
        std::printf("%s\t%d\t%s\n", p.name.c_str(), p.runs, p.lastStarted.substr(0, 10).c_str());
    }
    return 0;
}

}  // namespace app
