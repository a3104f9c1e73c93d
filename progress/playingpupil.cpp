#include "progress/playingpupil.h"

#include "progress/recentstats.h"

#include <QFileInfo>

namespace progress {

PlayingPupil::PlayingPupil(CommandLine commandLine, Report report, QObject* parent)
    : QObject(parent), m_commandLine(std::move(commandLine)), m_report(std::move(report))
{
}

PlayingPupil::~PlayingPupil()
{
    finish();
}

std::string PlayingPupil::choose(const Choice& choice)
{
    if (!choice.nobody()) {
        const auto found = m_recorders.find(choice.file);
        if (found == m_recorders.end()) {
            auto recorder = std::make_shared<ResultsRecorder>(std::make_unique<ResultsFile>(choice.file), m_report);
            if (std::string error = recorder->check(); !error.empty()) {
                return error;
            }
            m_recorders.emplace(choice.file, std::move(recorder));
        }
    }
    m_chosen = choice;
    if (!m_running) {
        m_playing = m_chosen;
    }
    emit chosenChanged();
    return {};
}

void PlayingPupil::setSettings(const QString& name, const practice::Settings& settings)
{
    if (!name.isEmpty() && m_chosen.name == name) {
        m_chosen.settings = settings;
        if (!m_running) {
            m_playing.settings = settings;
        }
    }
}

QString PlayingPupil::description() const
{
    const auto who = [](const Choice& c) {
        return c.name.isEmpty() ? QFileInfo(QString::fromStdString(c.file)).fileName() : c.name;
    };
    QString d = m_playing.nobody() ? QStringLiteral("Aucun élève : les exercices ne sont pas enregistrés")
                                   : QStringLiteral("Élève : %1, ses exercices sont enregistrés").arg(who(m_playing));
    if (m_running && !(m_chosen == m_playing)) {
        d += m_chosen.nobody() ? QStringLiteral(" ; personne à partir du prochain exercice")
                               : QStringLiteral(" ; %1 à partir du prochain exercice").arg(who(m_chosen));
    }
    return d;
}

void PlayingPupil::settle()
{
    if (!m_running && !(m_playing == m_chosen)) {
        m_playing = m_chosen;
        emit chosenChanged();
    }
}

std::optional<exercise::NoteRange> PlayingPupil::noteRange()
{
    settle();
    if (m_commandLine.range) {
        return m_commandLine.range;
    }
    return m_playing.nobody() ? std::nullopt : m_playing.settings.range;
}

bool PlayingPupil::focus() const
{
    return !m_playing.nobody() && (m_commandLine.focus || m_playing.settings.focus);
}

std::future<std::optional<exercise::NoteRecords>> PlayingPupil::focusRecords()
{
    settle();
    if (!focus()) {
        std::promise<std::optional<exercise::NoteRecords>> none;
        none.set_value(std::nullopt);
        return none.get_future();
    }
    std::unique_ptr<RecentRecordsReader>& reader = m_readers[m_playing.file];
    if (!reader) {
        // Said from the reading thread: the report only prints.
        reader = std::make_unique<RecentRecordsReader>(m_playing.file, [report = m_report](const std::string& why) {
            if (report) {
                report("tavelin-piano: " + why + "; the notes are drawn evenly");
            }
        });
    }
    // The file, and the rows still on their way to it: a run in both counts once.
    ResultsRecorder* rec = recorder();
    return reader->start(rec != nullptr ? rec->pendingText() : std::string());
}

ResultsRecorder* PlayingPupil::recorderFor(const std::string& file)
{
    const auto found = m_recorders.find(file);
    return found == m_recorders.end() ? nullptr : found->second.get();
}

ResultsRecorder* PlayingPupil::recorder()
{
    return m_playing.nobody() ? nullptr : recorderFor(m_playing.file);
}

void PlayingPupil::runStarted(int mode, std::uint32_t now)
{
    settle();
    m_running = true;
    if (ResultsRecorder* r = recorder()) {
        r->runStarted(mode, now);
    }
}

void PlayingPupil::noteShown(int place, int note, const std::string& prefix, bool sounded, std::uint32_t now)
{
    if (ResultsRecorder* r = recorder()) {
        r->noteShown(place, note, prefix, sounded, now);
    }
}

void PlayingPupil::noteDrawn(std::uint32_t now)
{
    if (ResultsRecorder* r = recorder()) {
        r->noteDrawn(now);
    }
}

void PlayingPupil::noteUnshown(std::uint32_t now)
{
    if (ResultsRecorder* r = recorder()) {
        r->noteUnshown(now);
    }
}

void PlayingPupil::answered(int key, bool right, std::uint32_t now)
{
    if (ResultsRecorder* r = recorder()) {
        r->answered(key, right, now);
    }
}

void PlayingPupil::missed(std::uint32_t now)
{
    if (ResultsRecorder* r = recorder()) {
        r->missed(now);
    }
}

void PlayingPupil::runEnded(bool stopped, std::uint32_t now)
{
    m_running = false;
    if (ResultsRecorder* r = recorder()) {
        r->runEnded(stopped, now);
        // Told once the writer has tried the run's rows, from a thread of the
        // pool, then on this thread by a queued call (the pupils window reads
        // the file again).
        std::shared_ptr<ResultsRecorder> held = m_recorders.at(m_playing.file);
        const QString name = m_playing.name;
        const QString file = QString::fromStdString(m_playing.file);
        m_waiters.start([this, held, name, file] {
            held->waitUntilTried(std::chrono::milliseconds(5000));
            QMetaObject::invokeMethod(this, [this, name, file] { emit runRecorded(name, file); }, Qt::QueuedConnection);
        });
    }
    settle();
}

std::size_t PlayingPupil::finish(std::string* file)
{
    std::size_t lost = 0;
    for (auto& [path, recorder] : m_recorders) {
        const std::size_t n = recorder->finish();
        if (n > 0 && lost == 0 && file != nullptr) {
            *file = path;
        }
        lost += n;
    }
    // The writers have ended: every waiter returns.
    m_waiters.waitForDone();
    return lost;
}

}  // namespace progress
