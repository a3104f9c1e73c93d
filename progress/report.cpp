#include "progress/report.h"

#include "picture/fonts.h"
#include "progress/notenames.h"
#include "progress/reportpicture.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>

#include <cmath>
#include <cstdio>
#include <optional>

namespace progress {

namespace {

std::string plural(std::size_t n, const std::string& word)
{
    return frenchNumber(static_cast<double>(n), 0) + " " + word + (n > 1 ? "s" : "");
}

std::string dateOf(const std::string& started)
{
    if (started.size() < 10) {
        return started;
    }
    return started.substr(8, 2) + "/" + started.substr(5, 2) + "/" + started.substr(0, 4);
}

std::string seconds(double ms)
{
    return frenchNumber(ms / 1000.0, 1) + "\u00a0s";
}

std::string signedNumber(double value, int decimals)
{
    const std::string n = frenchNumber(value, decimals);
    return (n.rfind("\u2212", 0) == 0 || n.find_first_not_of("0,") == std::string::npos) ? n : "+" + n;
}

// "sur les 4 premières séances" / "sur la première séance".
std::string window(std::size_t n, bool first)
{
    if (n == 1) {
        return first ? "à la première séance" : "à la dernière";
    }
    return std::string("sur les ") + std::to_string(n) + (first ? " premières séances" : " dernières");
}

void print(std::FILE* stream, const std::string& text)
{
    std::fputs(text.c_str(), stream);
    std::fflush(stream);
}

}  // namespace

std::string summaryText(const ResultsSummary& summary, const std::string& source, const std::string& picture)
{
    std::string out = "Bilan de " + source + "\n";
    if (summary.rows == 0) {
        out += "Aucun résultat dans ce fichier.\n";
    } else {
        out += plural(summary.runs.size(), "séance");
        out += " du " + dateOf(summary.runs.front().started) + " au " + dateOf(summary.runs.back().started);
        out += " : " + plural(summary.rows, "note");
        if (const auto score = summary.score()) {
            out += ", " + frenchNumber(summary.right, 0) + " justes (" + frenchNumber(*score, 0) + "\u00a0%)";
        }
        out += ".\n";

        std::vector<std::optional<double>> scores;
        std::vector<std::optional<double>> times;
        for (const RunStats& r : summary.runs) {
            scores.push_back(r.score());
            times.push_back(r.medianMs);
        }
        if (const auto t = trendOf(scores); t && summary.runs.size() > 1) {
            out += "Score : " + frenchNumber(t->first, 0) + "\u00a0% " + window(t->window, true) + ", " +
                   frenchNumber(t->last, 0) + "\u00a0% " + window(t->window, false) + " (" + signedNumber(t->slope, 1) +
                   (std::abs(std::round(t->slope * 10.0)) >= 20.0 ? " points" : " point") + " par séance).\n";
        } else if (const auto score = summary.score()) {
            out += "Score : " + frenchNumber(*score, 0) + "\u00a0%.\n";
        }
        if (const auto t = trendOf(times); t && summary.runs.size() > 1) {
            out += "Temps de réponse médian : " + seconds(t->first) + " " + window(t->window, true) + ", " +
                   seconds(t->last) + " " + window(t->window, false) + " (" + signedNumber(t->slope / 1000.0, 2) +
                   "\u00a0s par séance).\n";
        } else if (summary.medianMs) {
            out += "Temps de réponse médian : " + seconds(*summary.medianMs) + ".\n";
        }

        const std::vector<NoteStats> weak = weakestNotes(summary, 5);
        if (weak.empty()) {
            out += "Aucune note manquée, aucune fausse touche.\n";
        } else {
            out += "Les cinq notes à travailler :\n";
            for (std::size_t i = 0; i < weak.size(); ++i) {
                const NoteStats& n = weak[i];
                out += "  " + std::to_string(i + 1) + ". " + frenchNoteName(n.form.note, n.form.accidental) + ", " +
                       frenchClefName(n.form.clef) + " : " + std::to_string(n.right) + " juste" +
                       (n.right > 1 ? "s" : "") + " sur " + std::to_string(n.asked());
                if (const auto kind = n.commonestMistake()) {
                    out += ", erreur la plus fréquente : " + std::string(mistakeFrenchName(*kind)) + " (" +
                           std::to_string(n.mistakes[static_cast<std::size_t>(*kind)]) + " fois)";
                } else {
                    out += ", aucune fausse touche : le temps a manqué";
                }
                out += "\n";
            }
        }
    }
    if (summary.skipped > 0) {
        out += plural(summary.skipped, "ligne") + (summary.skipped > 1 ? " illisibles laissées" : " illisible laissée") +
               " de côté.\n";
    }
    if (!picture.empty()) {
        out += "Image : " + picture + "\n";
    }
    return out;
}

QString defaultReportPicture(const QString& file)
{
    return QFileInfo(file).absoluteDir().filePath(QStringLiteral("report.png"));
}

int runReport(const QString& file, const QString& out, int argc, char** argv)
{
    std::string error;
    const std::optional<ResultsSummary> summary = readResultsFile(QFile::encodeName(file).toStdString(), &error);
    if (!summary) {
        print(stderr, "tavelin-piano: " + error + "\n");
        return 1;
    }

    // No window: the picture is drawn in memory, so any display will do and
    // none is needed.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    const QGuiApplication app(argc, argv);
    QString fontError;
    if (!art::fonts::load(&fontError)) {
        print(stderr, "tavelin-piano: " + fontError.toStdString() + "\n");
        return 1;
    }
    const QString picture = out.isEmpty() ? defaultReportPicture(file) : out;
    const QImage image = reportpicture::render(*summary, QFileInfo(file).fileName());
    if (!image.save(picture, "PNG")) {
        print(stderr, "tavelin-piano: cannot write the picture '" + picture.toStdString() + "'\n");
        return 1;
    }
    print(stdout, summaryText(*summary, file.toStdString(), QFileInfo(picture).absoluteFilePath().toStdString()));
    return 0;
}

}  // namespace progress
