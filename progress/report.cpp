#include "progress/report.h"

#include "platform/messages.h"
#include "picture/fonts.h"
#include "platform/version.h"
#include "progress/notenames.h"
#include "progress/pagetext.h"
#include "progress/pupils.h"
#include "progress/reportpicture.h"
#include "progress/wording.h"

#include <QBuffer>
#include <QFile>
#include <QImage>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace progress {

using platform::message;

namespace {

using pagetext::text;
using wording::counted;
using wording::number;
using wording::say;

QString percent(double value)
{
    return number(value, 0) + QStringLiteral("\u00a0%");
}

QString seconds(double ms)
{
    return number(ms / 1000.0, 1) + QStringLiteral("\u00a0s");
}

// A plus sign before a rise; none before a fall (its minus sign) or nothing.
QString signedNumber(double value, int decimals)
{
    const QString n = number(value, decimals);
    const bool zero = std::all_of(n.begin(), n.end(), [](QChar c) { return c == u'0' || c == u',' || c == u'.'; });
    return n.startsWith(u'\u2212') || zero ? n : QStringLiteral("+") + n;
}

// "sur les 4 premières séances" / "à la première séance".
QString window(std::size_t n, bool first)
{
    if (n == 1) {
        return first ? say(QT_TRANSLATE_NOOP("Report", "à la première séance"))
                     : say(QT_TRANSLATE_NOOP("Report", "à la dernière"));
    }
    return (first ? say(QT_TRANSLATE_NOOP("Report", "sur les %1 premières séances"))
                  : say(QT_TRANSLATE_NOOP("Report", "sur les %1 dernières")))
        .arg(number(static_cast<double>(n), 0));
}

QString scoreLine(const ResultsSummary& summary)
{
    if (const auto t = scoreTrendOf(summary); t && std::max(summary.runCount, summary.runs.size()) > 1) {
        const QString slope =
            (std::abs(std::round(t->slope * 10.0)) >= 20.0 ? say(QT_TRANSLATE_NOOP("Report", "%1 points"))
                                                           : say(QT_TRANSLATE_NOOP("Report", "%1 point")))
                .arg(signedNumber(t->slope, 1));
        return say(QT_TRANSLATE_NOOP("Report", "Score : %1 %2, %3 %4 (%5 par séance)."))
            .arg(percent(t->first), window(t->window, true), percent(t->last), window(t->window, false), slope);
    }
    if (const auto score = summary.score()) {
        return say(QT_TRANSLATE_NOOP("Report", "Score : %1.")).arg(percent(*score));
    }
    return {};
}

QString timeLine(const ResultsSummary& summary)
{
    if (const auto t = timeTrendOf(summary); t && std::max(summary.runCount, summary.runs.size()) > 1) {
        return say(QT_TRANSLATE_NOOP("Report", "Temps de réponse médian : %1 %2, %3 %4 (%5 par séance)."))
            .arg(seconds(t->first), window(t->window, true), seconds(t->last), window(t->window, false),
                 signedNumber(t->slope / 1000.0, 2) + QStringLiteral("\u00a0s"));
    }
    if (summary.medianMs) {
        return say(QT_TRANSLATE_NOOP("Report", "Temps de réponse médian : %1.")).arg(seconds(*summary.medianMs));
    }
    return {};
}

QString weakLines(const ResultsSummary& summary)
{
    const std::vector<NoteStats> weak = weakestNotes(summary, 5);
    if (weak.empty() && summary.notes.empty()) {
        return {};  // none of the drill: the variants' lines follow
    }
    if (weak.empty()) {
        return say(QT_TRANSLATE_NOOP("Report", "Aucune note manquée, aucune fausse touche.")) + u'\n';
    }
    QString out = say(QT_TRANSLATE_NOOP("Report", "Les cinq notes à travailler :")) + u'\n';
    for (std::size_t i = 0; i < weak.size(); ++i) {
        const NoteStats& n = weak[i];
        out += QStringLiteral("  %1. ").arg(i + 1) +
               say(QT_TRANSLATE_NOOP("Report", "%1, %2 : %3 sur %4"))
                   .arg(wording::noteName(n.form.note, n.form.accidental), wording::clefName(n.form.clef),
                        counted(QT_TRANSLATE_N_NOOP("Report", "%1 juste(s)"), n.right), number(n.asked(), 0));
        if (const auto kind = n.commonestMistake()) {
            out += say(QT_TRANSLATE_NOOP("Report", ", erreur la plus fréquente : %1 (%2)"))
                       .arg(wording::mistakeName(*kind), counted(QT_TRANSLATE_N_NOOP("Report", "%1 fois"),
                                                                 n.mistakes[static_cast<std::size_t>(*kind)]));
        } else {
            out += say(QT_TRANSLATE_NOOP("Report", ", aucune fausse touche : le temps a manqué"));
        }
        out += u'\n';
    }
    return out;
}

// A line for each variant the pupil played, after the drill's notes.
QString variantLines(const ResultsSummary& summary)
{
    if (summary.variants.empty()) {
        return {};
    }
    QString out = say(QT_TRANSLATE_NOOP("Report", "Les variantes :")) + u'\n';
    for (const VariantNotes& v : summary.variants) {
        out += QStringLiteral("  ") + wording::variantName(v.of.kind, v.of.fifths, v.of.cClef) + QStringLiteral(" — ") +
               reportpicture::variantFigures(v) + u'\n';
    }
    return out;
}

}  // namespace

std::string computersText(const ResultsSummary& summary, const std::map<std::string, std::string>& computers)
{
    if (summary.computers.size() < 2) {
        return {};
    }
    QString out;
    for (const auto& [id, runs] : summary.computers) {
        const auto named = computers.find(id);
        out += out.isEmpty() ? QString() : say(QT_TRANSLATE_NOOP("Report", " ; "));
        out += id.empty() ? say(QT_TRANSLATE_NOOP("Report", "sans ordinateur connu"))
               : named != computers.end()
                   ? text(printableName(named->second))
                   : say(QT_TRANSLATE_NOOP("Report", "ordinateur %1")).arg(text(id.substr(0, 6)));
        out += QStringLiteral(", ") + counted(QT_TRANSLATE_N_NOOP("Report", "%1 séance(s)"), runs.runs);
        if (const auto score = runs.score()) {
            out += QStringLiteral(" (%1)").arg(percent(*score));
        }
    }
    return out.toStdString();
}

std::string summaryText(const ResultsSummary& summary, const std::string& source, const std::string& picture,
                        const std::map<std::string, std::string>& computers)
{
    // The file names go in as bytes, as they are on the disk.
    const std::string title = wording::withBytes(say(QT_TRANSLATE_NOOP("Report", "Bilan de %1")), source) + "\n";
    QString out;
    if (summary.rows == 0) {
        out += say(QT_TRANSLATE_NOOP("Report", "Aucun résultat dans ce fichier.")) + u'\n';
    } else {
        QString totals = say(QT_TRANSLATE_NOOP("Report", "%1 du %2 au %3 : %4"))
                             .arg(counted(QT_TRANSLATE_N_NOOP("Report", "%1 séance(s)"), summary.runCount),
                                  wording::date(summary.firstStarted), wording::date(summary.lastStarted),
                                  counted(QT_TRANSLATE_N_NOOP("Report", "%1 note(s)"), summary.rows));
        if (const auto score = summary.score()) {
            totals += QStringLiteral(", %1 (%2)")
                          .arg(counted(QT_TRANSLATE_N_NOOP("Report", "%1 juste(s)"), summary.right), percent(*score));
        }
        out += totals + QStringLiteral(".\n");
        if (const std::string where = computersText(summary, computers); !where.empty()) {
            out += say(QT_TRANSLATE_NOOP("Report", "Par ordinateur : %1.")).arg(text(where)) + u'\n';
        }
        // Over every run, however many: the trends are the builder's.
        for (const QString& line : {scoreLine(summary), timeLine(summary)}) {
            if (!line.isEmpty()) {
                out += line + u'\n';
            }
        }
        out += weakLines(summary);
        out += variantLines(summary);
    }
    if (summary.skipped > 0) {
        out += counted(QT_TRANSLATE_N_NOOP("Report", "%1 ligne(s) illisible(s) laissée(s) de côté."), summary.skipped) +
               u'\n';
    }
    if (summary.unshown > 0) {
        out +=
            counted(QT_TRANSLATE_N_NOOP("Report", "%1 note(s) non affichée(s) laissée(s) de côté (image manquante)."),
                    summary.unshown) +
            u'\n';
    }
    if (!picture.empty()) {
        return title + out.toStdString() + wording::withBytes(say(QT_TRANSLATE_NOOP("Report", "Image : %1")), picture) +
               "\n";
    }
    return title + out.toStdString();
}

std::optional<PictureFormat> pictureFormatOf(std::string_view fileName)
{
    // No extension on a name that starts with its only dot (".png").
    const std::string extension = std::filesystem::path(fileName).extension().string();
    if (extension.empty()) {
        return std::nullopt;
    }
    std::string ext = extension.substr(1);
    for (char& c : ext) {
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    if (ext == "png") {
        return PictureFormat::Png;
    }
    if (ext == "jpg" || ext == "jpeg") {
        return PictureFormat::Jpeg;
    }
    if (ext == "pdf") {
        return PictureFormat::Pdf;
    }
    return std::nullopt;
}

std::string defaultReportPicture(const std::string& file, bool regularFile)
{
    if (!regularFile) {
        return "report.png";
    }
    return std::filesystem::path(file).replace_extension(".png").string();
}

std::string replaceFile(const std::string& path, const QByteArray& bytes)
{
    std::string target = path;
    struct stat link {};
    if (::lstat(path.c_str(), &link) == 0 && S_ISLNK(link.st_mode)) {
        const std::unique_ptr<char, void (*)(void*)> real(::realpath(path.c_str(), nullptr), &std::free);
        if (real) {
            target = real.get();
        }
    }
    const std::filesystem::path parent = std::filesystem::path(target).parent_path();
    const std::string folder = parent.empty() ? std::string(".") : parent.string();
    const std::string base = std::filesystem::path(target).filename().string();
    // "." + base + ".XXXXXX" passes the longest name the folder takes when
    // base is near it: the start of base is kept, cut between characters.
    constexpr std::size_t added = 8;  // "." and ".XXXXXX"
    const long folderLongest = ::pathconf(folder.c_str(), _PC_NAME_MAX);
    const std::size_t longest = folderLongest > 0 ? static_cast<std::size_t>(folderLongest) : 255;
    std::size_t kept = base.size();
    if (kept + added > longest) {
        kept = longest > added ? longest - added : 0;
        while (kept > 0 && (static_cast<unsigned char>(base[kept]) & 0xc0U) == 0x80) {
            --kept;
        }
    }
    std::string temp = folder + "/." + base.substr(0, kept) + ".XXXXXX";
    const int fd = ::mkostemp(temp.data(), O_CLOEXEC);
    if (fd < 0) {
        return std::strerror(errno);
    }
    // The mode a new file would get (rw-rw-rw- less the umask), or the old one's.
    const mode_t mask = ::umask(0);
    ::umask(mask);
    mode_t mode = 0666 & ~mask;
    struct stat old {};
    if (::stat(target.c_str(), &old) == 0 && S_ISREG(old.st_mode)) {
        mode = old.st_mode & 07777;
    }
    const char* data = bytes.constData();
    std::size_t left = static_cast<std::size_t>(bytes.size());
    int error = 0;
    while (left > 0 && error == 0) {
        const ssize_t n = ::write(fd, data, left);
        if (n < 0 && errno != EINTR) {
            error = errno;
        } else if (n > 0) {
            data += n;
            left -= static_cast<std::size_t>(n);
        }
    }
    if (error == 0 && ::fchmod(fd, mode) != 0) {
        error = errno;
    }
    if (error == 0 && ::fsync(fd) != 0) {
        error = errno;
    }
    if (::close(fd) != 0 && error == 0) {
        error = errno;
    }
    if (error == 0 && ::rename(temp.c_str(), target.c_str()) != 0) {
        error = errno;
    }
    if (error != 0) {
        ::unlink(temp.c_str());
        return std::strerror(error);
    }
    return {};
}

namespace {

// The report pages a picture holds one under the other (reportpicture::render):
// as many as fit whole in its height when it is a page wide and that many
// high, or else the picture is one page.
int pagesIn(const QImage& image)
{
    const QSize page = reportpicture::size;
    if (image.width() != page.width() || image.height() <= page.height() || image.height() % page.height() != 0) {
        return 1;
    }
    return image.height() / page.height();
}

}  // namespace

QByteArray encodePicture(const QImage& image, PictureFormat format)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    switch (format) {
    case PictureFormat::Png:
        image.save(&buffer, "PNG");
        break;
    case PictureFormat::Jpeg:
        image.save(&buffer, "JPEG", 92);
        break;
    case PictureFormat::Pdf: {
        // One page the shape of a report page, at 150 dpi, for each page the
        // picture holds one under the other.
        const int pages = pagesIn(image);
        const int height = image.height() / pages;
        QPdfWriter pdf(&buffer);
        setUpPdf(pdf, say(QT_TRANSLATE_NOOP("Report", "Bilan de lecture de notes")));
        pdf.setPageMargins(QMarginsF());
        pdf.setPageSize(
            QPageSize(QSizeF(image.width() * 25.4 / pdfDpi, height * 25.4 / pdfDpi), QPageSize::Millimeter));
        QPainter p(&pdf);
        for (int page = 0; page < pages; ++page) {
            if (page > 0) {
                pdf.newPage();
            }
            p.drawImage(QRect(QPoint(0, 0), QSize(pdf.width(), pdf.height())),
                        pages == 1 ? image : image.copy(0, page * height, image.width(), height));
        }
        p.end();
        break;
    }
    }
    return bytes;
}

void setUpPdf(QPdfWriter& pdf, const QString& title)
{
    pdf.setTitle(title);
    pdf.setCreator(QString::fromLatin1(platform::programCaption));
    pdf.setResolution(pdfDpi);
}

std::optional<FileId> fileIdOf(const std::string& path)
{
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) {
        return std::nullopt;
    }
    return FileId{static_cast<std::uint64_t>(st.st_dev), static_cast<std::uint64_t>(st.st_ino)};
}

std::optional<std::string> replacesResults(const char* sentence, const std::string& out, const std::string& file,
                                           const FileId& fileId)
{
    if (fileIdOf(out) != fileId) {
        return std::nullopt;
    }
    return message(sentence, {out, file});
}

QString sourceLabel(const ReportSource& source)
{
    if (!source.name.empty()) {
        return QString::fromStdString(printableName(source.name));
    }
    const std::string file = source.files.empty() ? std::string() : source.files.front();
    return QString::fromStdString(printableName(std::filesystem::path(file).filename().string()));
}

namespace {

// A report's results files, open for reading while it lasts.
struct Inputs {
    struct Input {
        std::string file;
        int fd = -1;
        struct stat st {};
    };
    std::vector<Input> files;

    Inputs() = default;
    Inputs(const Inputs&) = delete;
    Inputs& operator=(const Inputs&) = delete;
    ~Inputs()
    {
        for (const Input& i : files) {
            ::close(i.fd);
        }
    }

    // Opens every one; the exit status and why not, if one cannot be read.
    std::optional<std::pair<int, std::string>> open(const std::vector<std::string>& names)
    {
        for (const std::string& file : names) {
            // Read only: nothing below ever opens a results file for writing.
            // Opening never waits (a FIFO nobody writes to opens at once, and then
            // reads as empty); a pipe that is given is then read as it comes.
            const int fd = ::open(file.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
            if (fd < 0) {
                return std::make_pair(
                    1, message(QT_TRANSLATE_NOOP("Messages", "cannot read '%1': %2"), {file, std::strerror(errno)}));
            }
            files.push_back({file, fd, {}});
            struct stat& input = files.back().st;
            if (::fstat(fd, &input) != 0) {
                return std::make_pair(
                    1, message(QT_TRANSLATE_NOOP("Messages", "cannot read '%1': %2"), {file, std::strerror(errno)}));
            }
            // A device other than a terminal (/dev/zero, /dev/urandom) never ends
            // and holds no rows: refused rather than read for ever.
            if ((S_ISCHR(input.st_mode) || S_ISBLK(input.st_mode)) && ::isatty(fd) == 0) {
                return std::make_pair(
                    2, message(QT_TRANSLATE_NOOP("Messages", "'%1' is a device, not a results file"), {file}));
            }
            if (const int flags = ::fcntl(fd, F_GETFL); flags >= 0) {
                ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK);
            }
        }
        return std::nullopt;
    }
};

}  // namespace

ReportRun readReport(const ReportSource& source, const std::string& out)
{
    ReportRun run;
    auto fail = [&run](int status, const std::string& why) {
        run.status = status;
        run.error = why;
        return run;
    };
    if (source.files.empty()) {
        return fail(1, message(QT_TRANSLATE_NOOP("Messages", "no results file to report on")));
    }
    Inputs inputs;
    if (const auto refused = inputs.open(source.files)) {
        return fail(refused->first, refused->second);
    }
    const std::string& file = source.files.front();
    // /dev/stdin and the like name no folder of the pupil's, even when they
    // lead to a regular file.
    const bool beside =
        S_ISREG(inputs.files.front().st.st_mode) && file.rfind("/dev/", 0) != 0 && file.rfind("/proc/", 0) != 0;
    run.picture = out.empty() ? defaultReportPicture(file, beside) : out;
    const std::optional<PictureFormat> format = pictureFormatOf(run.picture);
    if (!format) {
        return fail(2, message(QT_TRANSLATE_NOOP("Messages", "the picture '%1' must end in .png, .jpg, .jpeg or .pdf"),
                               {run.picture}));
    }
    run.format = *format;
    for (const Inputs::Input& input : inputs.files) {
        const FileId id{static_cast<std::uint64_t>(input.st.st_dev), static_cast<std::uint64_t>(input.st.st_ino)};
        if (const auto refused = replacesResults(
                QT_TRANSLATE_NOOP("Messages",
                                  "the picture '%1' would replace the results file '%2'; give another --out"),
                run.picture, input.file, id)) {
            return fail(2, *refused);
        }
    }

    std::string error;
    SummaryBuilder builder;
    for (const Inputs::Input& input : inputs.files) {
        if (!readResults(input.fd, builder, input.file, &error)) {
            return fail(1, error);
        }
    }
    run.summary = builder.finish();
    run.label = sourceLabel(source);
    run.shown = source.name.empty() ? file : run.label.toStdString();
    if (run.summary.computers.size() > 1) {
        run.computers = computerNamesBeside(source.files);
    }
    return run;
}

std::string writeReportPicture(const ReportRun& run)
{
    const QImage image = reportpicture::render(run.summary, run.label);
    if (const std::string why = replaceFile(run.picture, encodePicture(image, run.format)); !why.empty()) {
        return message(QT_TRANSLATE_NOOP("Messages", "cannot write the picture '%1': %2"), {run.picture, why});
    }
    return {};
}

}  // namespace progress
