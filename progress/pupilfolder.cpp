#include "progress/pupilfolder.h"

#include "progress/pupils.h"
#include "progress/results.h"

#include <QString>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace progress::pupilfolder {

namespace fs = std::filesystem;

namespace {

std::string stemOf(const std::string& fileName)
{
    return fileName.substr(0, fileName.size() - 4);
}

bool endsWithCsv(const std::string& name)
{
    return name.size() > 4 && name.ends_with(".csv");
}

bool present(const fs::path& path)
{
    struct stat st {};
    return ::lstat(path.c_str(), &st) == 0;
}

// rename(2) that never replaces: renameat2's RENAME_NOREPLACE, or where the
// file system has no such thing, a hard link then the old name unlinked
// (link(2) never replaces either). 0 or an errno.
int moveNoReplace(const fs::path& from, const fs::path& to)
{
    if (::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0) {
        return 0;
    }
    if (errno != EINVAL && errno != ENOSYS) {
        return errno;
    }
    if (::link(from.c_str(), to.c_str()) != 0) {
        return errno;
    }
    if (::unlink(from.c_str()) != 0) {
        const int error = errno;
        ::unlink(to.c_str());
        return error;
    }
    return 0;
}

QString q(const std::string& s)
{
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

std::string text(const QString& s)
{
    return s.toStdString();
}

std::string why(int error)
{
    return std::strerror(error);
}

// Moves the pupil's files (results, then settings if any) from one folder
// and name to another; the results file must be there, and nothing at the
// destination. When the settings cannot follow, the results go back.
std::string moveFiles(const fs::path& fromFolder, const std::string& from, const fs::path& toFolder,
                      const std::string& to)
{
    const auto fromCsv = resultsPath(fromFolder, from);
    const auto toCsv = resultsPath(toFolder, to);
    const auto fromIni = settingsPath(fromFolder, from);
    const auto toIni = settingsPath(toFolder, to);
    if (!fromCsv || !toCsv || !fromIni || !toIni) {
        return "nom trop long";
    }
    if (!present(*fromCsv)) {
        return text(QStringLiteral("pas d'élève « %1 »").arg(q(from)));
    }
    if (present(*toCsv) || present(*toIni)) {
        return text(QStringLiteral("un élève s'appelle déjà « %1 »").arg(q(to)));
    }
    if (const int error = moveNoReplace(*fromCsv, *toCsv); error != 0) {
        return text(QStringLiteral("impossible de déplacer « %1 » : %2").arg(q(fromCsv->string()), q(why(error))));
    }
    if (present(*fromIni)) {
        if (const int error = moveNoReplace(*fromIni, *toIni); error != 0) {
            moveNoReplace(*toCsv, *fromCsv);
            return text(QStringLiteral("impossible de déplacer « %1 » : %2").arg(q(fromIni->string()), q(why(error))));
        }
    }
    return {};
}

std::vector<Entry> listIn(const fs::path& folder, std::string* error)
{
    std::vector<Entry> out;
    std::error_code ec;
    fs::directory_iterator it(folder, ec);
    if (ec) {
        if (ec != std::errc::no_such_file_or_directory && error != nullptr) {
            *error =
                text(QStringLiteral("impossible de lire le dossier « %1 » : %2")
                         .arg(QString::fromLocal8Bit(folder.c_str()), QString::fromLocal8Bit(ec.message().c_str())));
        }
        return out;
    }
    for (; it != fs::directory_iterator(); it.increment(ec)) {
        if (ec) {
            break;
        }
        const std::string fileName = it->path().filename().string();
        if (!endsWithCsv(fileName) || fileName.front() == '.') {
            continue;
        }
        Entry entry;
        entry.file = it->path();
        const std::optional<std::string> name = pupilNameOf(fileName);
        entry.name = name ? *name : stemOf(fileName);
        if (!name) {
            entry.problem = "nom de fichier qui n'est pas celui d'un élève";
        }
        struct stat st {};
        if (::stat(it->path().c_str(), &st) != 0) {
            entry.problem = text(QStringLiteral("illisible : %1").arg(q(why(errno))));
        } else if (!S_ISREG(st.st_mode)) {
            entry.problem = S_ISDIR(st.st_mode) ? "un dossier, pas un fichier de résultats"
                                                : "pas un fichier ordinaire (tube, appareil ou prise)";
        }
        out.push_back(std::move(entry));
    }
    std::sort(out.begin(), out.end(), [](const Entry& a, const Entry& b) { return a.name < b.name; });
    return out;
}

}  // namespace

std::vector<Entry> list(const fs::path& folder, std::string* error)
{
    return listIn(folder, error);
}

std::optional<fs::path> resultsPath(const fs::path& folder, const std::string& name)
{
    const std::optional<std::string> file = pupilFileName(name);
    if (!file) {
        return std::nullopt;
    }
    return folder / *file;
}

std::optional<fs::path> settingsPath(const fs::path& folder, const std::string& name)
{
    const std::optional<std::string> file = pupilFileName(name);
    if (!file) {
        return std::nullopt;
    }
    return folder / (stemOf(*file) + settingsExtension);
}

std::string nameProblem(const std::string& name)
{
    const QString s = QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
    if (s.trimmed().isEmpty()) {
        return "le nom est vide";
    }
    if (s.toStdString() != name || s.contains(QChar::ReplacementCharacter)) {
        return "le nom n'est pas du texte lisible (UTF-8)";
    }
    if (s.trimmed() != s) {
        return "le nom commence ou finit par une espace";
    }
    for (const QChar c : s) {
        if (c.category() == QChar::Other_Control) {
            return "le nom contient un caractère de contrôle";
        }
    }
    if (!pupilFileName(name)) {
        return "le nom est trop long";
    }
    return {};
}

std::string add(const fs::path& folder, const std::string& name)
{
    if (std::string problem = nameProblem(name); !problem.empty()) {
        return problem;
    }
    std::error_code ec;
    fs::create_directories(folder, ec);
    if (ec) {
        return text(QStringLiteral("impossible de créer le dossier « %1 » : %2")
                        .arg(QString::fromLocal8Bit(folder.c_str()), QString::fromLocal8Bit(ec.message().c_str())));
    }
    const fs::path file = *resultsPath(folder, name);
    // O_EXCL: a pupil of that name, or any file in its place, stays as it is.
    const int fd = ::open(file.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0666);
    if (fd < 0) {
        if (errno == EEXIST) {
            return text(QStringLiteral("un élève s'appelle déjà « %1 »").arg(q(name)));
        }
        return text(QStringLiteral("impossible de créer « %1 » : %2").arg(q(file.string()), q(why(errno))));
    }
    ::close(fd);
    if (std::string error = ResultsFile(file.string()).append({}); !error.empty()) {
        ::unlink(file.c_str());
        return error;
    }
    return {};
}

std::string rename(const fs::path& folder, const std::string& from, const std::string& to)
{
    if (std::string problem = nameProblem(to); !problem.empty()) {
        return problem;
    }
    if (from == to) {
        return {};
    }
    return moveFiles(folder, from, folder, to);
}

std::string archive(const fs::path& folder, const std::string& name, std::string* archivedAs)
{
    const fs::path archived = folder / archiveName;
    std::error_code ec;
    fs::create_directories(archived, ec);
    if (ec) {
        return text(QStringLiteral("impossible de créer le dossier « %1 » : %2")
                        .arg(QString::fromLocal8Bit(archived.c_str()), QString::fromLocal8Bit(ec.message().c_str())));
    }
    std::string as = name;
    for (int n = 2; n < 1000; ++n) {
        const auto csv = resultsPath(archived, as);
        const auto ini = settingsPath(archived, as);
        if (csv && ini && !present(*csv) && !present(*ini)) {
            break;
        }
        as = text(QStringLiteral("%1 (%2)").arg(q(name)).arg(n));
    }
    if (!resultsPath(archived, as)) {
        return "nom trop long pour les archives";
    }
    if (std::string error = moveFiles(folder, name, archived, as); !error.empty()) {
        return error;
    }
    if (archivedAs != nullptr) {
        *archivedAs = as;
    }
    return {};
}

std::vector<Entry> listArchive(const fs::path& folder, std::string* error)
{
    return listIn(folder / archiveName, error);
}

std::string restore(const fs::path& folder, const std::string& name)
{
    return moveFiles(folder / archiveName, name, folder, name);
}

}  // namespace progress::pupilfolder
