#pragma once

#include "app/controls.h"
#include "app/languagepictures.h"
#include "app/variantpictures.h"
#include "effects/steps.h"
#include "exercise/module2.h"
#include "exercise/notechoice.h"
#include "exercise/observer.h"
#include "exercise/picturenames.h"
#include "exercise/run.h"
#include "exercise/variant.h"
#include "exercise/variantchoice.h"
#include "keyboard/keybutton.h"
#include "keyboard/notesink.h"
#include "platform/midiout.h"
#include "platform/pictures.h"
#include "platform/timebase.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <QWidget>
#include <array>
#include <cstdint>
#include <functional>
#include <future>
#include <memory>
#include <optional>
#include <random>
#include <vector>

class HelpWindow;

// What the window is given from outside: its clock and timers, the MIDI
// outputs, where messages and error lines go, and the folder it reads its
// pictures from.
struct Form1Services {
    platform::TimeBase& time;
    midi::OutputSystem& midiOutputs;
    platform::MessageSink& messages;
    platform::PictureLoader::Report errorLine;
    QString programFolder;                           // as the platform reports it, no trailing separator
    std::uint32_t seed = 0;                          // of the note choice
    std::uint32_t deviceId = 0;                      // the MIDI output device to open
    exercise::ExerciseObserver* observer = nullptr;  // told of every run, if given
    // A teacher's note range (--notes): every mode keeps only its keys.
    std::optional<exercise::NoteRange> noteRange = std::nullopt;
    // The pupil's recent records (--focus), asked for at every run start;
    // the first ask may wait for the file's one read, off the window's
    // thread: the note choice is weighted by them from the first tick that
    // finds them ready. Nothing given, or nothing read: the even draw.
    using FocusRead = std::future<std::optional<exercise::NoteRecords>>;
    std::function<FocusRead()> focusRecords = nullptr;
    // The note range of whoever plays, asked at every run start before the
    // records; when given, it stands in for noteRange.
    std::function<std::optional<exercise::NoteRange>()> noteRangeAtStart = nullptr;
    // Opens the pupils window (F11, and the help window's button).
    std::function<void()> openPupils = nullptr;
};

// The exercise as a whole, derived from the timers and the note count.
enum class ExerciseState { Idle, Starting, NoteOpen, NoteClosed };

// The main window: the piano, the note panels, the exercise controls, and all
// of the program's state. Handlers are named after their control and event.
class Form1 final : public QWidget, public keyboard::NoteSink {
    Q_OBJECT

public:
    explicit Form1(const Form1Services& services);
    ~Form1() override;

    // What the six modes run from the next start on: fixed (--variant), or
    // what atStart says at every start (whoever plays) when given. The
    // drill until told otherwise.
    void setVariants(const exercise::Variant& fixed, std::function<exercise::Variant()> atStart = nullptr);

    // --- State (values after Form_Load in the comments) ---
    std::int32_t deviceid = 0;   // the MIDI output device opened: 0
    midi::Handle hmidiout = 0;   // its handle while open
    std::int32_t midirc = 0;     // result of the last open or close (or of a load that failed later)
    std::int16_t mode = 0;       // mode button (1 to 6) that started the last run
    std::int16_t interval = 0;   // ms period of Timer1: 4000 (speed 3)
    std::int16_t curnote = 0;    // MIDI note on display, = index of the key that answers it
    std::int16_t maxnotes = 0;   // notes in a run: 50
    std::int16_t notecount = 0;  // notes shown so far in this run: 0
    std::int16_t namestate = 0;  // 1 names hidden, -1 shown
    std::int16_t helpstate = 0;  // 1 reading help off, -1 on

    // --- Public operations ---
    void play1(std::int16_t note);
    void startplay(std::int16_t note);
    void stopplay(std::int16_t note);
    void startmusic();
    void pictureopen();
    void pictureclose();
    void windowadd();
    void windowcut();

    // --- Event handlers ---
    void Form_Load();
    void Form_Unload(int& cancel);
    void kkey_MouseDown(std::int16_t index, int button, int shift, int x, int y);
    void kkey_MouseUp(std::int16_t index, int button, int shift, int x, int y);
    void Command3_Click();
    void Command4_Click();
    void m_Click(std::int16_t index);
    void Timer1_Timer();
    void stop1_Click();
    void HScroll1_Change();
    void Timer2_Timer();
    void Timer3_Timer();

    // --- One path for every press: mouse, MIDI keyboard, computer keyboard ---
    // A press sounds the note (0 to 127) at the given velocity unless it is
    // not audible here (the instrument it came from plays it itself); a note
    // on the piano (36 to 89) shows its key pressed and is the answer check
    // during a run.
    void keyDown(std::int16_t note, std::uint8_t velocity = 127, bool audible = true);
    void keyUp(std::int16_t note, bool audible = true);
    // Any other short message for the output (a sustain pedal, say).
    void sendShortMessage(std::uint32_t message);
    // The MIDI keyboards and the computer keyboard play through keyDown and
    // keyUp; their controllers go to the output on channel 1.
    void noteDown(std::int16_t note, std::uint8_t velocity, bool audible) override;
    void noteUp(std::int16_t note, bool audible) override;
    void controller(std::uint8_t number, std::uint8_t value) override;

    // --- Key flashes and the treble note choice (the shared procedures) ---
    void flashkey(std::int16_t index) { m_module2.flashkey(index); }
    void flashcorrect(std::int16_t index) { m_module2.flashcorrect(index); }
    std::int16_t& lastpick() { return m_module2.lastpick(); }  // table index picked last: 0

    // --- Controls ---
    PictureBox* Picture1 = nullptr;  // note panel
    PictureBox* Picture2 = nullptr;  // note-name panel, under Picture1 until opened
    PictureBox* Picture3 = nullptr;  // note-name strip under the keys
    PictureBox* Picture4 = nullptr;  // start-up picture
    PictureBox* Picture6 = nullptr;  // sharp or flat sign beside the name
    PictureBox* Picture7 = nullptr;  // cover over the name panel while pictures change
    CommandButton* stop1 = nullptr;
    CommandButton* Command3 = nullptr;
    CommandButton* Command4 = nullptr;
    QScrollBar* HScroll1 = nullptr;
    QCheckBox* Check1 = nullptr;
    QLineEdit* text1 = nullptr;
    QLabel* label1 = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* Label4 = nullptr;
    std::unique_ptr<platform::Timer> Timer1;  // note tick
    std::unique_ptr<platform::Timer> Timer2;  // answer time limit, one-shot
    std::unique_ptr<platform::Timer> Timer3;  // start-up sequence, one-shot

    KeyButton* kkey(int index) const;   // 36 to 89
    CommandButton* m(int index) const;  // 1 to 6
    QLabel* Label2(int index) const;    // 0 "Lent", 1 "Rapide"

    // --- Derived views, for tests and tools ---
    ExerciseState exerciseState() const;
    // The run the exercise controls show: mode, curnote, notecount, text1
    // and Timer2's state are what it says.
    exercise::Run& exerciseRun() { return m_exercise; }
    // Outer height of the window in twips. The window manager draws the
    // frame outside the client area, so the height we own is the client's.
    int heightTwips() const;
    void setHeightTwips(int twips);
    QString programFolder() const { return m_folder; }
    bool closing() const { return m_time.isShutDown(); }

    // Absolute path of a file in the picture folder.
    QString picturePath(const QString& file) const;

    // --- Help (F1), a window of its own; nullptr until first opened ---
    void showHelp();
    HelpWindow* helpWindow() const { return m_help; }

    // --- Pupils (F11), a window of its own that the program opens ---
    void showPupils();
    // Who is playing, in words: the window's accessible description and
    // the help window say it; the caption stays as it is.
    void setPlayingDescription(const QString& description);

protected:
    void paintEvent(QPaintEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void openmidiout();
    void watchmidiout();
    void showmidirc();
    void showMessage(const QString& text);
    bool underMessageBox() const;
    bool startupready();
    void buildControls();
    void buildKeys();
    void setUpControls();
    void buildShortcuts();
    static void installAccessibleRoles();
    void buildAccessibility();
    void describeNotePanel(const QString& path);
    void endOfRun(bool stopped);
    void prepareNoteChoice();
    void takeFocusRecords();
    void setModeButtonsEnabled(bool enabled);
    void loadInto(PictureBox* box, const QString& path);
    void showSign(const exercise::NamePicture& name, const QPixmap* blank);
    void send(std::optional<std::uint32_t> message);
    // Of a tick: a stop during its sound ended it, or a new run began (the
    // new run is not this tick's).
    bool tickCut(std::uint32_t run) const { return run != m_run || !Timer1->isEnabled() || closing(); }
    // The note panel's picture is up: the run's note (or phrase) drawn, or
    // never seen when there was none; then the count of notes shown.
    void notePutUp();
    // The variants' note tick, and the note heard by ear drawn once
    // answered or missed.
    void variantTick(std::uint32_t run);
    struct Reveal;
    Reveal nextVariantNote(exercise::NoteChoice& choice);
    void nameOf(const exercise::NoteChoice& choice, Reveal& shown) const;
    void reveal();
    void showName(const Reveal& shown);
    // A phrase's tick; the phrase drawn with its marker under the note that
    // waits, moved on at every right key.
    void phraseTick(std::uint32_t run);
    void showPhrase();
    void phraseAnswered();
    // notes: 0 while a note is heard, else how many are on the staff.
    void describeVariantPanel(keyboard::pitch::StaffClef clef, keyboard::pitch::KeySignature key, int notes);

    platform::TimeBase& m_time;
    midi::MidiOut m_midi;
    platform::MessageSink& m_messages;
    platform::PictureLoader m_pictures;
    app::LanguagePictures m_languagePictures;  // drawn in the window's language in the French files' stead
    QString m_folder;
    std::mt19937 m_rng;
    exercise::NoteChooser m_notes;
    exercise::Module2 m_module2;
    exercise::Run m_exercise;
    std::function<Form1Services::FocusRead()> m_focusRecords;
    Form1Services::FocusRead m_focusRead;  // the records asked for at this run's start, until taken
    std::function<std::optional<exercise::NoteRange>()> m_noteRangeAtStart;
    std::function<void()> m_openPupils;
    exercise::Variant m_variantSetting;                   // --variant, when no one asks for the pupil's
    std::function<exercise::Variant()> m_variantAtStart;  // the pupil's, at every start
    exercise::Variant m_variant;                          // what the run under way (or the last) runs
    exercise::VariantChooser m_variantNotes;
    app::VariantPictures m_variantPictures;
    // A note heard by ear, drawn on the staff once answered or missed.
    struct Reveal {
        bool pending = false;
        QPixmap picture;  // a note of a key or in a C clef, drawn here, or
        QString path;     // the drill's picture file
        exercise::NamePicture name;
        std::optional<app::LanguagePictures::BlackKeyName> ownName;
        keyboard::pitch::StaffClef clef = keyboard::pitch::StaffClef::Treble;
        keyboard::pitch::KeySignature key;
    } m_reveal;
    // The phrase on the staff.
    struct {
        keyboard::pitch::StaffClef clef = keyboard::pitch::StaffClef::Treble;
        keyboard::pitch::KeySignature key;
        std::vector<exercise::NoteChoice> choices;
    } m_phrase;
    QString m_playingDescription;
    effects::TwipsHeight m_clientHeight;
    bool m_shown = false;
    std::uint32_t m_paintedAt = 0;  // now() at the first painting
    // Watches an output that opened but cannot sound yet, until it can or
    // fails; then settled.
    std::unique_ptr<platform::Timer> m_outputWatch;
    bool m_outputSettled = false;
    int m_boxesUp = 0;                   // message boxes up, waiting for their OK
    bool m_toldPicturesMissing = false;  // the missing pictures are said once
    std::uint32_t m_run = 0;             // changes at every start and end of a run
    QPixmap m_background;
    std::array<KeyButton*, 54> m_keys{};
    std::array<CommandButton*, 6> m_modes{};
    std::array<QLabel*, 2> m_speedEnds{};
    HelpWindow* m_help = nullptr;  // child window, made on first use
};
