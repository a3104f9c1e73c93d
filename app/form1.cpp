#include "app/form1.h"

#include "app/helpwindow.h"
#include "app/windowplacement.h"

#include "exercise/picturenames.h"
#include "exercise/speed.h"
#include "keyboard/keygeometry.h"
#include "platform/version.h"
#include "sound/shortmsg.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QPainter>
#include <QScreen>

namespace {

constexpr int clientWidthPx = 1018;
constexpr int clientHeightTwips = 7035;  // 469 px
constexpr int designTimer1Ms = 1000;
constexpr int designTimer3Ms = 20;
// The start-up sequence waits for the output to be able to sound, so that
// the greeting is heard whole, but never longer than this after the first
// painting: a synthesizer that takes longer greets silently, or late.
constexpr std::uint32_t startupWaitLimitMs = 3000;
constexpr int outputWatchMs = 20;  // how often an output that is getting ready is asked
constexpr int play1Ms = 400;

// The scale of the pictures the window draws: 2 where a screen's device
// pixel ratio is 1.5 or more, as the picture files are chosen there.
int pictureScale()
{
    qreal ratio = 1.0;
    for (const QScreen* screen : QGuiApplication::screens()) {
        ratio = std::max(ratio, screen->devicePixelRatio());
    }
    return ratio >= 1.5 ? 2 : 1;
}
constexpr int greetingStepMs = 200;

}  // namespace

Form1::Form1(const Form1Services& services)
    : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                           Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint),
      deviceid(static_cast<std::int32_t>(services.deviceId)), m_time(services.time), m_midi(services.midiOutputs),
      m_messages(services.messages), m_pictures(services.errorLine),
      m_languagePictures(app::noteNaming(), pictureScale()), m_folder(services.programFolder), m_rng(services.seed),
      m_notes(m_rng), m_module2(services.time, m_notes.treble(), [this](std::int16_t index) { return kkey(index); }),
      m_exercise(services.observer), m_focusRecords(services.focusRecords),
      m_noteRangeAtStart(services.noteRangeAtStart), m_openPupils(services.openPupils), m_variantNotes(m_rng),
      m_variantPictures(pictureScale()), m_clientHeight(clientHeightTwips)
{
    // Before the caption or any control: with a screen reader running, Qt
    // makes and keeps an object's accessible interface at its first event.
    installAccessibleRoles();
    setObjectName(QStringLiteral("Form1"));
    m_notes.setRange(services.noteRange);
    setWindowTitle(QString::fromLatin1(platform::programCaption));
    setWindowIcon(QIcon(picturePath(QStringLiteral("icon.png"))));
    setFixedSize(clientWidthPx, m_clientHeight.pixels());
    const std::optional<QPixmap> background = m_languagePictures.instead(QStringLiteral("background.jpg"));
    m_background = background ? *background : m_pictures.load(picturePath(QStringLiteral("background.jpg")));

    Timer1 = m_time.createTimer([this] {
        if (!closing()) {
            Timer1_Timer();
        }
    });
    Timer2 = m_time.createTimer([this] {
        if (!closing()) {
            Timer2_Timer();
        }
    });
    Timer3 = m_time.createTimer([this] {
        if (!closing()) {
            Timer3_Timer();
        }
    });
    Timer1->setInterval(designTimer1Ms);
    Timer3->setInterval(designTimer3Ms);
    Timer3->setEnabled(true);
    m_outputWatch = m_time.createTimer([this] {
        if (!closing()) {
            watchmidiout();
        }
    });
    m_outputWatch->setInterval(outputWatchMs);

    buildControls();
    buildShortcuts();
    buildAccessibility();

    // Centred on the screen; on one too small for it, with the title bar and
    // the mode buttons on it.
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        move(app::placeWindow(size(), screen->availableGeometry()));
    }

    Form_Load();
}

Form1::~Form1()
{
    // A run still going when the window goes (never closed, or closed by
    // the program's end) ends as stopped, so that its notes are kept.
    m_exercise.end(true, m_time.now());
}

// ---------------------------------------------------------------- layout

void Form1::buildControls()
{
    for (const app::ControlRow& row : app::controls()) {
        if (row.kind == app::ControlKind::Keys) {
            buildKeys();
        } else {
            makeControl(row, this);
        }
    }
    const auto child = [this]<typename T>(T*& member, const char* name) {
        member = findChild<T*>(QString::fromLatin1(name), Qt::FindDirectChildrenOnly);
        Q_ASSERT(member != nullptr);
    };
    child(label1, "label1");
    child(m_speedEnds[0], "Label2(0)");
    child(m_speedEnds[1], "Label2(1)");
    child(Label3, "Label3");
    child(Label4, "Label4");
    const std::vector<const app::ControlRow*> modes = app::modes();
    for (std::size_t i = 0; i < m_modes.size(); ++i) {
        child(m_modes[i], modes[i]->name);
    }
    child(text1, "text1");
    child(Command3, "Command3");
    child(Command4, "Command4");
    child(HScroll1, "HScroll1");
    child(stop1, "stop1");
    child(Check1, "Check1");
    child(Picture1, "Picture1");
    child(Picture2, "Picture2");
    child(Picture3, "Picture3");
    child(Picture4, "Picture4");
    child(Picture6, "Picture6");
    child(Picture7, "Picture7");
    setUpControls();
}

void Form1::buildKeys()
{
    for (int pass = 0; pass < 2; ++pass) {
        const bool black = pass == 1;  // black keys above the white ones
        for (int note = keyboard::firstKey; note <= keyboard::lastKey; ++note) {
            if (keyboard::isBlack(note) != black) {
                continue;
            }
            auto* key = new KeyButton(static_cast<std::int16_t>(note), this);
            const keyboard::Rect r = keyboard::keyRect(note);
            key->setGeometry(r.x, r.y, r.w, r.h);
            connect(key, &KeyButton::mouseDown, this,
                    [this](std::int16_t index, Qt::MouseButton button, Qt::KeyboardModifiers shift, QPoint at) {
                        kkey_MouseDown(index, static_cast<int>(button), static_cast<int>(shift), at.x(), at.y());
                    });
            connect(key, &KeyButton::mouseUp, this,
                    [this](std::int16_t index, Qt::MouseButton button, Qt::KeyboardModifiers shift, QPoint at) {
                        kkey_MouseUp(index, static_cast<int>(button), static_cast<int>(shift), at.x(), at.y());
                    });
            m_keys[static_cast<std::size_t>(note - keyboard::firstKey)] = key;
        }
    }
}

// What the controls start as, and the handlers they call.
void Form1::setUpControls()
{
    Label3->hide();
    for (int i = 1; i <= 6; ++i) {
        connect(m(i), &QPushButton::clicked, this, [this, i] { m_Click(static_cast<std::int16_t>(i)); });
    }
    connect(Command3, &QPushButton::clicked, this, &Form1::Command3_Click);
    connect(Command4, &QPushButton::clicked, this, &Form1::Command4_Click);
    loadInto(Picture3, picturePath(QStringLiteral("namestrip.jpg")));

    HScroll1->setRange(exercise::slowestSpeed, exercise::fastestSpeed);
    HScroll1->setSingleStep(1);
    HScroll1->setPageStep(1);
    HScroll1->setValue(3);
    HScroll1->setTracking(false);  // a drag applies once, when the thumb is let go
    connect(HScroll1, &QScrollBar::valueChanged, this, &Form1::HScroll1_Change);

    stop1->setEnabled(false);
    connect(stop1, &QPushButton::clicked, this, &Form1::stop1_Click);
    Check1->setChecked(true);
    Picture6->hide();
    Picture7->hide();
}

KeyButton* Form1::kkey(int index) const
{
    return keyboard::isKey(index) ? m_keys[static_cast<std::size_t>(index - keyboard::firstKey)] : nullptr;
}

CommandButton* Form1::m(int index) const
{
    return (index >= 1 && index <= 6) ? m_modes[static_cast<std::size_t>(index - 1)] : nullptr;
}

QLabel* Form1::Label2(int index) const
{
    return (index == 0 || index == 1) ? m_speedEnds[static_cast<std::size_t>(index)] : nullptr;
}

QString Form1::picturePath(const QString& file) const
{
    return QString::fromStdString(exercise::picturePath(m_folder.toStdString(), file.toStdString()));
}

void Form1::loadInto(PictureBox* box, const QString& path)
{
    const QString folder = picturePath(QString());
    const std::optional<QPixmap> drawn =
        path.startsWith(folder) ? m_languagePictures.instead(path.mid(folder.size())) : std::nullopt;
    box->setPicture(drawn ? *drawn : m_pictures.load(path), path);
    if (box == Picture1) {
        describeNotePanel(path);
    }
}

void Form1::paintEvent(QPaintEvent* /*event*/)
{
    QPainter p(this);
    if (m_background.isNull()) {
        p.fillRect(rect(), QColor(0x2A, 0x24, 0x22));
    } else {
        p.drawPixmap(0, 0, m_background);  // unscaled; only the top left shows
    }
    if (!m_shown) {
        // The start-up sequence follows the first painting by 20 ms, never
        // less: Timer3's ticks before it wait for it (Timer3_Timer).
        m_shown = true;
        m_paintedAt = m_time.now();
        if (Timer3->isEnabled()) {
            Timer3->setEnabled(true);
        }
    }
}

int Form1::heightTwips() const
{
    return m_clientHeight.twips();
}

void Form1::setHeightTwips(int twips)
{
    m_clientHeight.setTwips(twips);
    setFixedSize(clientWidthPx, m_clientHeight.pixels());
}

ExerciseState Form1::exerciseState() const
{
    if (!Timer1->isEnabled()) {
        return ExerciseState::Idle;
    }
    if (Timer2->isEnabled()) {
        return ExerciseState::NoteOpen;
    }
    return notecount == 0 ? ExerciseState::Starting : ExerciseState::NoteClosed;
}

// ---------------------------------------------------------------- lifecycle

void Form1::Form_Load()
{
    openmidiout();
    lastpick() = 0;
    interval = exercise::intervalForSpeed(3);
    Timer1->setInterval(interval);
    Timer2->setInterval(interval - exercise::answerMarginMs);
    namestate = 1;
    helpstate = 1;
    notecount = 0;
    maxnotes = static_cast<std::int16_t>(m_exercise.maxnotes());
    loadInto(Picture4, QString::fromStdString(exercise::startupPicturePath(m_folder.toStdString())));
}

void Form1::Form_Unload(int& /*cancel*/)
{
    // A run still going ends here as stopped, so that its notes are kept.
    m_exercise.end(true, m_time.now());
    // A key still held gets no note-off: closing the device ends its sound.
    midirc = static_cast<std::int32_t>(m_midi.close(hmidiout));
    // Every wait in progress returns now, and no later one waits: the
    // handlers nested in them unwind at once and nothing outlives the window.
    m_time.shutDown();
}

void Form1::closeEvent(QCloseEvent* event)
{
    if (!closing()) {
        int cancel = 0;
        Form_Unload(cancel);
    }
    if (m_help != nullptr) {
        m_help->close();
    }
    event->accept();
}

// ---------------------------------------------------------------- MIDI

void Form1::openmidiout()
{
    midirc = static_cast<std::int32_t>(m_midi.close(hmidiout));  // nothing open yet: fails harmlessly
    midirc = static_cast<std::int32_t>(m_midi.open(&hmidiout, static_cast<std::uint32_t>(deviceid)));
    if (midirc != static_cast<std::int32_t>(midi::rc::noError)) {
        showmidirc();
        return;
    }
    watchmidiout();
}

void Form1::showmidirc()
{
    showMessage(QStringLiteral("Couldn't open midi out, rc = %1").arg(midirc));
}

// Every box of the window goes through here, so that what must never start
// under one (a run, the start-up sequence) knows when one is up.
void Form1::showMessage(const QString& text)
{
    ++m_boxesUp;
    m_messages.show(text);
    --m_boxesUp;
}

bool Form1::underMessageBox() const
{
    return m_boxesUp > 0 || QApplication::activeModalWidget() != nullptr;
}

// An output may open at once and be able to sound only later (the built-in
// synthesizer reads its SoundFont meanwhile), or find only then that it never
// will (a damaged SoundFont). Such a failure is the open's failure come late:
// it is reported in the same words, once, and the window works on silently.
void Form1::watchmidiout()
{
    if (m_outputSettled) {
        return;
    }
    const midi::Result state = hmidiout == 0 ? midi::rc::invalidHandle : m_midi.state(hmidiout);
    if (state == midi::rc::notReady) {
        if (!m_outputWatch->isEnabled()) {
            m_outputWatch->setEnabled(true);
        }
        return;
    }
    m_outputSettled = true;
    m_outputWatch->setEnabled(false);
    if (hmidiout != 0 && state != midi::rc::noError) {
        midirc = static_cast<std::int32_t>(state);
        showmidirc();
    }
}

// The start-up sequence runs once the window has been painted with the
// start-up picture and the output can sound (or has failed, or has kept us
// waiting startupWaitLimitMs), and never behind a message box.
bool Form1::startupready()
{
    if (!m_shown || underMessageBox()) {
        return false;
    }
    watchmidiout();
    return m_outputSettled || m_time.now() - m_paintedAt >= startupWaitLimitMs;
}

void Form1::send(std::optional<std::uint32_t> message)
{
    if (message) {
        m_midi.shortMsg(hmidiout, *message);  // a failed send is not looked at
    }
}

void Form1::sendShortMessage(std::uint32_t message)
{
    m_midi.shortMsg(hmidiout, message);
}

void Form1::startplay(std::int16_t note)
{
    send(sound::noteOnMessage(note));
}

void Form1::stopplay(std::int16_t note)
{
    send(sound::noteOffMessage(note));
}

void Form1::play1(std::int16_t note)
{
    startplay(note);
    m_module2.waitms(play1Ms);
    stopplay(note);
}

void Form1::startmusic()
{
    // C major upward from middle C; the last note lasts two steps.
    static constexpr std::int16_t scale[] = {60, 62, 64, 65, 67, 69, 71, 72};
    for (const std::int16_t note : scale) {
        startplay(note);
        m_module2.waitms(note == 72 ? 2 * greetingStepMs : greetingStepMs);
        stopplay(note);
    }
}
