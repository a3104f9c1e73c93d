#include "progress/playingpupil.h"

#include "platform/messages.h"
#include "progress/pupils.h"
#include "progress/recentstats.h"

#include <QFileInfo>

#include <algorithm>

#include <thread>

namespace progress {

using platform::message;

PlayingPupil::PlayingPupil(CommandLine commandLine, Report report, QObject* parent)
    : QObject(parent), m_commandLine(commandLine), m_report(std::move(report))
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
            const std::string session =
                choice.computer.empty() ? newSessionId() : choice.computer + "." + newSessionId();
            auto recorder = std::make_shared<ResultsRecorder>(std::make_unique<ResultsFile>(choice.file), m_report,
                                                              localIsoNow, session);
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
    QString d = m_playing.nobody() ? tr("Aucun élève : les exercices ne sont pas enregistrés")
                                   : tr("Élève : %1, ses exercices sont enregistrés").arg(who(m_playing));
    if (m_running && !(m_chosen == m_playing)) {
        d += m_chosen.nobody() ? tr(" ; personne à partir du prochain exercice")
                               : tr(" ; %1 à partir du prochain exercice").arg(who(m_chosen));
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

exercise::Variant PlayingPupil::variant() const
{
    exercise::Variant variant;
    if (m_commandLine.variant) {
        variant = *m_commandLine.variant;
    } else if (!m_playing.nobody()) {
        variant = m_playing.settings.variant;
    }
    variant.cClefs = variant.cClefs || m_commandLine.cClefs;
    return variant;
}

bool PlayingPupil::focus() const
{
    return !m_playing.nobody() && (m_commandLine.focus || m_playing.settings.focus);
}

void PlayingPupil::startFocusRead(const std::string& file)
{
    FocusMemory& memory = m_focus[file];
    if (memory.stats || memory.read.valid()) {
        return;
    }
    // The rows of this program's runs come from memory, so the file's own
    // copy of them is left out: a run in both counts once.
    ResultsRecorder* rec = recorderFor(file);
    // Every computer's file of a pupil of the folder, looked for on the
    // reading thread; this computer's always, even before its first run.
    const Choice& who = m_playing.file == file ? m_playing : m_chosen;
    auto paths = [file, folder = who.folder, name = pupilBytes(who.name)] {
        std::vector<std::string> files;
        if (!folder.empty()) {
            for (const std::filesystem::path& f : pupilFiles(folder, name, nullptr)) {
                files.push_back(f.string());
            }
        }
        if (std::find(files.begin(), files.end(), file) == files.end()) {
            files.push_back(file);
        }
        return files;
    };
    memory.read = readRecentStatsAside(
        paths, rec != nullptr ? rec->session() : std::string(), [report = m_report](const std::string& why) {
            // Said from the reading thread: the report only prints.
            if (report) {
                report("tavelin-piano: " +
                       message(QT_TRANSLATE_NOOP("Messages", "%1; the notes are drawn evenly"), {why}));
            }
        });
}

std::future<std::optional<exercise::NoteRecords>> PlayingPupil::focusRecords()
{
    using Records = std::optional<exercise::NoteRecords>;
    settle();
    std::promise<Records> answer;
    if (!focus()) {
        answer.set_value(std::nullopt);
        return answer.get_future();
    }
    // The records of what the modes run: the drill's, or the variant's own.
    const exercise::VariantKind kind = variant().kind;
    FocusMemory& memory = m_focus[m_playing.file];
    if (!memory.stats && memory.read.valid() &&
        memory.read.wait_for(std::chrono::seconds(0)) == std::future_status::ready) {
        std::optional<RecentNoteStats> stats = memory.read.get();
        memory.read = {};
        if (stats) {
            for (const std::vector<NoteResult>& run : memory.runs) {
                for (const NoteResult& row : run) {
                    stats->add(row);
                }
            }
            memory.runs.clear();
            memory.stats = std::move(stats);
        }
        // Not read (said already): read again, now.
    }
    if (memory.stats) {
        answer.set_value(memory.stats->records(kind));
        return answer.get_future();
    }
    startFocusRead(m_playing.file);
    // Still reading: the records are ready when the read is, with the runs
    // ended so far added to it.
    std::future<Records> records = answer.get_future();
    std::thread([read = memory.read, runs = memory.runs, kind, answer = std::move(answer)]() mutable {
        std::optional<RecentNoteStats> stats = read.get();
        if (stats) {
            for (const std::vector<NoteResult>& run : runs) {
                for (const NoteResult& row : run) {
                    stats->add(row);
                }
            }
        }
        answer.set_value(stats ? Records(stats->records(kind)) : std::nullopt);
    }).detach();
    return records;
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

void PlayingPupil::runEnded(const exercise::FinishedRun& run, std::uint32_t /*now*/)
{
    m_running = false;
    if (ResultsRecorder* r = recorder()) {
        // Written to the file, and kept for the note choice of the runs to come.
        std::vector<NoteResult> rows = r->rowsOf(run);
        if (!rows.empty()) {
            FocusMemory& memory = m_focus[m_playing.file];
            if (memory.stats) {
                for (const NoteResult& row : rows) {
                    memory.stats->add(row);
                }
            } else {
                memory.runs.push_back(rows);
            }
            r->write(std::move(rows));
        }
        // Told once the writer has tried the run's rows, from a thread of the
        // pool, then on this thread by a queued call (the pupils window reads
        // the file again).
        std::shared_ptr<ResultsRecorder> held = m_recorders.at(m_playing.file);
        const QString name = m_playing.name;
        const QString file = QString::fromStdString(m_playing.file);
        m_waiters.start([this, held, name, file] {
            held->waitUntilTried(std::chrono::milliseconds(5000));
            QMetaObject::invokeMethod(
                this, [this, name, file] { emit runRecorded(name, file); }, Qt::QueuedConnection);
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
