#include "progress/pupilfolder.h"

#include "platform/messages.h"
#include "progress/pupils.h"
#include "progress/report.h"
#include "progress/results.h"

#include <QFile>
#include <QString>

#include <algorithm>
#include <limits>
#include <cerrno>
#include <cstdio>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace progress::pupilfolder {

using platform::message;

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

// What moves when a pupil moves: their results and settings files of the
// old layout, the conflict copies a sync program left beside them, and the
// pupil's folder with every computer's files in it.
std::vector<std::pair<fs::path, fs::path>> movesOf(const fs::path& fromFolder, const std::string& from,
                                                   const fs::path& toFolder, const std::string& to)
{
    std::vector<std::pair<fs::path, fs::path>> moves;
    const auto fromCsv = resultsPath(fromFolder, from);
    const auto toCsv = resultsPath(toFolder, to);
    const auto fromDir = pupilFolderName(from);
    const auto toDir = pupilFolderName(to);
    if (!fromCsv || !toCsv || !fromDir || !toDir) {
        return moves;
    }
    const std::string fromStem = stemOf(fromCsv->filename().string());
    const std::string toStem = stemOf(toCsv->filename().string());
    moves.emplace_back(*fromCsv, *toCsv);
    moves.emplace_back(*settingsPath(fromFolder, from), *settingsPath(toFolder, to));
    moves.emplace_back(fromFolder / *fromDir, toFolder / *toDir);
    std::error_code ec;
    for (fs::directory_iterator it(fromFolder, ec); !ec && it != fs::directory_iterator(); it.increment(ec)) {
        const std::string fileName = it->path().filename().string();
        const std::optional<std::string> original = conflictOriginal(fileName);
        if (original && (*original == fromStem + ".csv" || *original == fromStem + settingsExtension) &&
            fileName.starts_with(fromStem)) {
            moves.emplace_back(it->path(), toFolder / (toStem + fileName.substr(fromStem.size())));
        }
    }
    return moves;
}

// The mark of a move under way, beside the pupil's files: where they go.
// A move stopped half-way (the program killed) is known by it when done
// again, and only then may the pupil it goes to have some of the files.
fs::path markOf(const fs::path& fromFolder, const std::string& from)
{
    // Appended piece by piece: GCC 12 at -O3 takes "." + name for an
    // overlapping copy and warns (-Wrestrict), falsely.
    std::string name(".");
    name += stemOf(resultsPath(fromFolder, from)->filename().string());
    name += ".moving";
    return fromFolder / name;
}

std::string readMark(const fs::path& mark)
{
    QFile file(QString::fromLocal8Bit(mark.c_str()));
    return file.open(QIODevice::ReadOnly) ? file.read(8192).toStdString() : std::string();
}

// Whether the pupil called to has anything at toFolder, or moves would
// go over something.
bool taken(const fs::path& toFolder, const std::string& to, const std::vector<std::pair<fs::path, fs::path>>& moves,
           bool continuing)
{
    std::string listing;
    if (!continuing && (present(*resultsPath(toFolder, to)) || present(*settingsPath(toFolder, to)) ||
                        present(toFolder / *pupilFolderName(to)) || !pupilFiles(toFolder, to, &listing).empty())) {
        return true;
    }
    return std::any_of(moves.begin(), moves.end(), [](const auto& m) { return present(m.second); });
}

// Moves the pupil's files (movesOf) from one folder and name to another,
// at most stopAfter of them; the pupil must be there (a results file or a
// folder), and nothing of the pupil called to unless this very move put it
// there before it stopped. When one cannot move, those moved go back.
std::string moveFiles(const fs::path& fromFolder, const std::string& from, const fs::path& toFolder,
                      const std::string& to, std::size_t stopAfter = std::numeric_limits<std::size_t>::max())
{
    std::vector<std::pair<fs::path, fs::path>> moves = movesOf(fromFolder, from, toFolder, to);
    if (moves.empty()) {
        return message(QT_TRANSLATE_NOOP("Messages", "nom trop long"));
    }
    std::erase_if(moves, [](const auto& m) { return !present(m.first); });
    const fs::path mark = markOf(fromFolder, from);
    if (moves.empty()) {
        // Stopped after its last move: only its mark is left.
        if (present(mark) && readMark(mark) == (toFolder / *pupilFolderName(to)).string()) {
            ::unlink(mark.c_str());
            return {};
        }
        return text(platform::messageText(QT_TRANSLATE_NOOP("Messages", "pas d'élève « %1 »")).arg(q(from)));
    }
    const std::string where = (toFolder / *pupilFolderName(to)).string();
    if (taken(toFolder, to, moves, readMark(mark) == where)) {
        return text(platform::messageText(QT_TRANSLATE_NOOP("Messages", "un élève s'appelle déjà « %1 »")).arg(q(to)));
    }
    if (const std::string why = replaceFile(mark.string(), QByteArray::fromStdString(where)); !why.empty()) {
        return text(platform::messageText(QT_TRANSLATE_NOOP("Messages", "impossible d'écrire « %1 » : %2"))
                        .arg(q(mark.string()), q(why)));
    }
    for (std::size_t i = 0; i < moves.size(); ++i) {
        if (i == stopAfter) {
            return {};  // as if the program were killed here: the mark stays
        }
        if (const int error = moveNoReplace(moves[i].first, moves[i].second); error != 0) {
            const QString failed = q(moves[i].first.string());
            while (i-- > 0) {
                moveNoReplace(moves[i].second, moves[i].first);
            }
            ::unlink(mark.c_str());
            return text(platform::messageText(QT_TRANSLATE_NOOP("Messages", "impossible de déplacer « %1 » : %2"))
                            .arg(failed, q(why(error))));
        }
    }
    ::unlink(mark.c_str());
    return {};
}

std::string problemOf(const fs::path& file)
{
    struct stat st {};
    if (::stat(file.c_str(), &st) != 0) {
        return text(platform::messageText(QT_TRANSLATE_NOOP("Messages", "illisible : %1")).arg(q(why(errno))));
    }
    if (!S_ISREG(st.st_mode)) {
        return S_ISDIR(st.st_mode)
                   ? message(QT_TRANSLATE_NOOP("Messages", "un dossier, pas un fichier de résultats"))
                   : message(QT_TRANSLATE_NOOP("Messages", "pas un fichier ordinaire (tube, appareil ou prise)"));
    }
    return {};
}

// The .csv files of folder that are no pupil's, each with its problem.
void listForeign(const fs::path& folder, std::vector<Entry>& out)
{
    std::error_code ec;
    for (fs::directory_iterator it(folder, ec); !ec && it != fs::directory_iterator(); it.increment(ec)) {
        const std::string fileName = it->path().filename().string();
        if (!endsWithCsv(fileName) || fileName.front() == '.' || pupilNameOf(fileName) ||
            pupilNameOf(conflictOriginal(fileName).value_or(std::string()))) {
            continue;
        }
        Entry entry;
        entry.file = it->path();
        entry.files = {it->path()};
        entry.name = stemOf(fileName);
        entry.problem = message(foreignFileName);
        if (std::string problem = problemOf(it->path()); !problem.empty()) {
            entry.problem = std::move(problem);
        }
        out.push_back(std::move(entry));
    }
}

std::vector<Entry> listIn(const fs::path& folder, std::string* error)
{
    std::vector<Entry> out;
    std::string found;
    const std::vector<PupilEntry> pupils = findPupils(folder, &found);
    if (!found.empty()) {
        if (error != nullptr) {
            std::error_code ec;
            fs::directory_iterator it(folder, ec);
            *error =
                text(platform::messageText(QT_TRANSLATE_NOOP("Messages", "impossible de lire le dossier « %1 » : %2"))
                         .arg(QString::fromLocal8Bit(folder.c_str()), QString::fromLocal8Bit(ec.message().c_str())));
        }
        return out;
    }
    for (const PupilEntry& pupil : pupils) {
        Entry entry;
        entry.name = pupil.name;
        entry.files = pupil.files;
        entry.file = pupil.files.empty() ? pupil.folders.front() : pupil.files.front();
        if (!pupil.files.empty()) {
            entry.problem = problemOf(entry.file);
        }
        out.push_back(std::move(entry));
    }
    listForeign(folder, out);
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
        return message(QT_TRANSLATE_NOOP("Messages", "le nom est vide"));
    }
    if (s.toStdString() != name || s.contains(QChar::ReplacementCharacter)) {
        return message(QT_TRANSLATE_NOOP("Messages", "le nom n'est pas du texte lisible (UTF-8)"));
    }
    if (s.trimmed() != s) {
        return message(QT_TRANSLATE_NOOP("Messages", "le nom commence ou finit par une espace"));
    }
    for (const QChar c : s) {
        if (c.category() == QChar::Other_Control) {
            return message(QT_TRANSLATE_NOOP("Messages", "le nom contient un caractère de contrôle"));
        }
    }
    if (!pupilFileName(name)) {
        return message(QT_TRANSLATE_NOOP("Messages", "le nom est trop long"));
    }
    return {};
}

std::string prepare(const fs::path& folder, const std::string& name, const Computer& computer, fs::path* own)
{
    if (computer.id.empty()) {
        return message(QT_TRANSLATE_NOOP("Messages", "cet ordinateur n'a pas d'identifiant (computer.ini illisible)"));
    }
    const std::optional<fs::path> file = ownResultsFile(folder, name, computer.id);
    if (!file) {
        return message(QT_TRANSLATE_NOOP("Messages", "le nom est trop long"));
    }
    std::error_code ec;
    fs::create_directories(file->parent_path(), ec);
    if (ec) {
        return text(platform::messageText(QT_TRANSLATE_NOOP("Messages", "impossible de créer le dossier « %1 » : %2"))
                        .arg(QString::fromLocal8Bit(file->parent_path().c_str()),
                             QString::fromLocal8Bit(ec.message().c_str())));
    }
    // The computer's name beside its files, for the reports of the others;
    // written again only when it changed.
    const fs::path host = file->parent_path() / (computer.id + ".host");
    const std::string line = computer.name + "\n";
    QFile current(QString::fromLocal8Bit(host.c_str()));
    if (!current.open(QIODevice::ReadOnly) || current.read(4096).toStdString() != line) {
        current.close();
        if (const std::string why = replaceFile(host.string(), QByteArray::fromStdString(line)); !why.empty()) {
            return text(platform::messageText(QT_TRANSLATE_NOOP("Messages", "impossible d'écrire « %1 » : %2"))
                            .arg(q(host.string()), q(why)));
        }
    }
    *own = *file;
    return {};
}

std::string add(const fs::path& folder, const std::string& name, const Computer& computer)
{
    if (std::string problem = nameProblem(name); !problem.empty()) {
        return problem;
    }
    const fs::path legacy = *resultsPath(folder, name);
    std::string error;
    if (present(legacy) || present(folder / *pupilFolderName(name)) || !pupilFiles(folder, name, &error).empty()) {
        return text(
            platform::messageText(QT_TRANSLATE_NOOP("Messages", "un élève s'appelle déjà « %1 »")).arg(q(name)));
    }
    fs::path file;
    if (error = prepare(folder, name, computer, &file); !error.empty()) {
        return error;
    }
    if (error = ResultsFile(file.string()).append({}); !error.empty()) {
        return error;
    }
    return {};
}

std::string rename(const fs::path& folder, const std::string& from, const std::string& to, std::size_t stopAfter)
{
    if (std::string problem = nameProblem(to); !problem.empty()) {
        return problem;
    }
    if (from == to) {
        return {};
    }
    return moveFiles(folder, from, folder, to, stopAfter);
}

std::string archive(const fs::path& folder, const std::string& name, std::string* archivedAs)
{
    const fs::path archived = folder / archiveName;
    std::error_code ec;
    fs::create_directories(archived, ec);
    if (ec) {
        return text(platform::messageText(QT_TRANSLATE_NOOP("Messages", "impossible de créer le dossier « %1 » : %2"))
                        .arg(QString::fromLocal8Bit(archived.c_str()), QString::fromLocal8Bit(ec.message().c_str())));
    }
    std::string as = name;
    for (int n = 2; n < 1000; ++n) {
        const auto csv = resultsPath(archived, as);
        const auto ini = settingsPath(archived, as);
        const auto own = pupilFolderName(as);
        if (csv && ini && own && !present(*csv) && !present(*ini) && !present(archived / *own)) {
            break;
        }
        as = text(QStringLiteral("%1 (%2)").arg(q(name)).arg(n));
    }
    if (!resultsPath(archived, as)) {
        return message(QT_TRANSLATE_NOOP("Messages", "nom trop long pour les archives"));
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
