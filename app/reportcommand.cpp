#include "app/reportcommand.h"

#include "platform/messages.h"
#include "app/translation.h"

#include "picture/fonts.h"
#include "progress/classreport.h"

#include <QGuiApplication>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <optional>
#include <system_error>

namespace app {

namespace {

void say(const std::string& line)
{
    std::fputs(("tavelin-piano: " + line + "\n").c_str(), stderr);
    std::fflush(stderr);
}

// Did everything printed reach standard output?
bool printOut(const std::string& text)
{
    std::fputs(text.c_str(), stdout);
    return std::fflush(stdout) == 0 && std::ferror(stdout) == 0;
}

// No window: the pages are drawn in memory, so any display will do and none
// is needed. The fonts the pages are drawn with are loaded; why not, if not.
class ReportApplication {
public:
    ReportApplication(int& argc, char** argv) : m_app(offscreenUnlessTold(argc), argv)
    {
        installTranslation(m_app);  // the summary and the pages in the desktop's language
    }

    std::optional<std::string> fontError() const
    {
        QString why;
        if (art::fonts::load(&why)) {
            return std::nullopt;
        }
        return why.toStdString();
    }

private:
    // Before the application reads it.
    static int& offscreenUnlessTold(int& argc)
    {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
            qputenv("QT_QPA_PLATFORM", "offscreen");
        }
        return argc;
    }

    QGuiApplication m_app;
};

std::string absolute(const std::string& path)
{
    std::error_code ignored;
    const std::filesystem::path full = std::filesystem::absolute(path, ignored);
    return full.empty() ? path : full.string();
}

}  // namespace

int runReport(const progress::ReportSource& source, const std::string& out, int argc, char** argv)
{
    const progress::ReportRun run = progress::readReport(source, out);
    if (run.status != 0) {
        say(run.error);
        return run.status;
    }
    const ReportApplication app(argc, argv);
    int status = 0;
    std::string written;
    if (const auto why = app.fontError()) {
        say(*why);
        status = 1;
    } else if (const std::string error = progress::writeReportPicture(run); !error.empty()) {
        say(error);
        status = 1;
    } else {
        written = absolute(run.picture);
    }
    if (!printOut(progress::summaryText(run.summary, run.shown, written, run.computers))) {
        say(platform::message(QT_TRANSLATE_NOOP("Messages", "cannot write to standard output: %1"),
                              {std::strerror(errno)}));
        return 1;
    }
    return status;
}

int runClassReport(const std::vector<progress::ReportSource>& sources, const std::string& out, int argc, char** argv)
{
    const progress::ClassReportRun run = progress::readClassReport(sources, out);
    for (const std::string& line : run.said) {
        say(line);
    }
    if (run.pupils.empty()) {
        return run.status;
    }
    const ReportApplication app(argc, argv);
    if (const auto why = app.fontError()) {
        say(*why);
        return 1;
    }
    if (const std::string error = progress::classreport::writePdf(run.pdf, run.pupils); !error.empty()) {
        say(error);
        return 1;
    }
    std::vector<progress::classreport::PupilLine> lines;
    for (const progress::classreport::Pupil& pupil : run.pupils) {
        lines.push_back(progress::classreport::lineOf(pupil.name, pupil.summary));
    }
    std::fputs(progress::classreport::summaryText(lines, run.pdf).c_str(), stdout);
    return run.status;
}

}  // namespace app
