#pragma once

#include "exercise/focus.h"
#include "exercise/observer.h"
#include "progress/practice.h"
#include "progress/recentstats.h"
#include "progress/results.h"

#include <QObject>
#include <QString>
#include <QThreadPool>

#include <future>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

// Who is playing: the pupil whose runs are recorded, chosen at start-up
// (--pupil, --results) or in the pupils window, or nobody (then nothing is
// recorded). A new choice made during a run takes effect at the next run's
// start: the run under way stays with the pupil it began with. The window's
// observer; every call comes on the window's thread.
namespace progress {

class PlayingPupil final : public QObject, public exercise::ExerciseObserver {
    Q_OBJECT

public:
    using Report = ResultsRecorder::Report;

    struct Choice {
        QString name;                 // the pupil's name; empty for a file given by --results, or nobody
        std::string file;             // the results file; empty for nobody
        practice::Settings settings;  // the pupil's saved practice settings
        // For a pupil of the pupils' folder: the folder, whose files of the
        // pupil --focus reads (every computer's), and this computer's id,
        // which starts the id of every run recorded, so that no two
        // computers ever share one. Both empty for --results.
        std::string folder;
        std::string computer;
        bool operator==(const Choice&) const = default;
        bool nobody() const { return file.empty(); }
    };

    // What the command line says, which wins over a pupil's settings while
    // the program runs.
    struct CommandLine {
        bool focus = false;
        std::optional<exercise::NoteRange> range;
        std::optional<exercise::Variant> variant;  // --variant
        bool cClefs = false;                       // --c-clefs: the C clefs join modes 5 and 6
    };

    PlayingPupil(CommandLine commandLine, Report report, QObject* parent = nullptr);
    ~PlayingPupil() override;

    // Chooses who plays from the next run on (at once when no run is going).
    // The file is checked as --results checks it, and made when new; returns
    // why it cannot be written (the choice is then unchanged), or an empty
    // string.
    std::string choose(const Choice& choice);
    // The settings of the pupil chosen changed (saved by the window).
    void setSettings(const QString& name, const practice::Settings& settings);

    const Choice& chosen() const { return m_chosen; }    // from the next run on
    const Choice& playing() const { return m_playing; }  // the run under way, or the last one
    bool running() const { return m_running; }
    // In French, for the window's accessible description and the help.
    QString description() const;

    // At a run's start, before its first note: the range and the records
    // of the pupil who plays it (the choice takes effect here), those of the
    // variant the modes run (the drill's, or by ear, in a key, in phrases:
    // variant().kind). The pupil's
    // file is read once, off the caller's thread, and every run played
    // since is added from memory; the future is ready when the read is
    // done (at once after that), and at once with nothing when focus is off.
    std::optional<exercise::NoteRange> noteRange();
    // What the modes run: the command line's variant, else the pupil's; the
    // drill for nobody. Asked after noteRange(), which settles the choice.
    exercise::Variant variant() const;
    std::future<std::optional<exercise::NoteRecords>> focusRecords();
    bool focus() const;

    // The recorder of the one who plays, if anybody does.
    ResultsRecorder* recorder();

    void runStarted(int mode, std::uint32_t now) override;
    void runEnded(const exercise::FinishedRun& run, std::uint32_t now) override;

    // The end of the program: every recorder's rows tried once more. Returns
    // the rows that could not be written, with the file of the first.
    std::size_t finish(std::string* file = nullptr);

signals:
    void chosenChanged();
    // A run of this file's pupil has been written (or tried) to their file.
    void runRecorded(const QString& name, const QString& file);

private:
    void settle();  // the choice becomes the one who plays
    ResultsRecorder* recorderFor(const std::string& file);

    CommandLine m_commandLine;
    Report m_report;
    Choice m_chosen;
    Choice m_playing;
    bool m_running = false;
    // One recorder per file ever played into, kept to the end: rows waiting
    // for a retry are never dropped by a change of pupil.
    std::map<std::string, std::shared_ptr<ResultsRecorder>> m_recorders;
    // What --focus knows of each file played into: the file as one read
    // found it, this program's runs left out, then every run of this
    // program since, as they end.
    struct FocusMemory {
        std::shared_future<std::optional<RecentNoteStats>> read;  // the read going, until taken
        std::optional<RecentNoteStats> stats;                     // once the read is taken
        std::vector<std::vector<NoteResult>> runs;                // runs ended before that, in order
    };
    std::map<std::string, FocusMemory> m_focus;
    void startFocusRead(const std::string& file);
    // Waits for each run's rows to be tried; finish() waits for it, so it
    // never outlives this object.
    QThreadPool m_waiters;
};

}  // namespace progress
