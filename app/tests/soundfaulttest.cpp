// The window on the real sound backends when they cannot sound: no SoundFont,
// a damaged one, no audio device. Start-up says so once, in the words the
// user expects, and the piano and the exercise work on in silence.
#include "sound/outputsystem.h"
#include "tests/support/formfixture.h"
#include "tests/support/reportlines.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>

using testing_support::FakeTimeBase;
using testing_support::RecordingMessages;

namespace {

struct Fault {
    const char* name;
    std::function<sound::SynthConfig(const QString& dir)> config;
};

sound::SynthConfig silentConfig()
{
    sound::SynthConfig c;
    c.audioDrivers = {"pulseaudio", "alsa"};
    c.pulseServer = "unix:/nonexistent/pulse/native";  // no sound server
    c.alsaDevice = "hw:99,0";                          // and no sound card
    return c;
}

}  // namespace

class SoundFaults : public ::testing::TestWithParam<Fault> {};

TEST_P(SoundFaults, AreReportedOnceAndThePianoWorksOnInSilence)
{
    QTemporaryDir dir;
    sound::SynthConfig config = GetParam().config(dir.path());
    testing_support::ReportLines report;
    config.report = report.callback();
    sound::DefaultOutputSystem outputs(config);
    FakeTimeBase time;
    RecordingMessages messages;
    QStringList errors;
    testing::internal::CaptureStderr();
    Form1 form(Form1Services{time, outputs, messages, [&](const QString& l) { errors << l; },
                             QCoreApplication::applicationDirPath(), 9, 0});
    form.show();
    // Some faults show at the open, a damaged SoundFont only once the
    // loader has read it, on its own thread and in real time.
    EXPECT_TRUE(QTest::qWaitFor(
        [&] {
            time.advance(20);
            return !messages.shown.isEmpty();
        },
        10000));
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "");  // said to the report, not printed
    const std::string printed = report.text();
    ASSERT_EQ(messages.shown.size(), 1);
    EXPECT_EQ(messages.shown[0], QStringLiteral("Couldn't open midi out, rc = 1"));
    EXPECT_EQ(form.midirc, 1);
    // The reason, on one line.
    EXPECT_EQ(std::count(printed.begin(), printed.end(), '\n'), 1) << printed;
    time.advance(3000);  // the greeting scale, silently
    QTest::mousePress(form.kkey(60), Qt::LeftButton);
    QTest::mouseRelease(form.kkey(60), Qt::LeftButton);
    form.m_Click(1);
    for (int k = 0; k < 3; ++k) {
        time.advance(4000);
        form.kkey_MouseDown(form.curnote, 1, 0, 0, 0);
        form.kkey_MouseUp(form.curnote, 1, 0, 0, 0);
    }
    EXPECT_EQ(form.text1->text(), QStringLiteral("3"));
    EXPECT_EQ(messages.shown.size(), 1);  // no second message, ever
    form.close();
}

INSTANTIATE_TEST_SUITE_P(Sound, SoundFaults,
                         ::testing::Values(Fault{"MissingSoundFont",
                                                 [](const QString& dir) {
                                                     sound::SynthConfig c;
                                                     c.startAudio = false;
                                                     c.soundFont = (dir + QStringLiteral("/none.sf2")).toStdString();
                                                     return c;
                                                 }},
                                           Fault{"CorruptSoundFont",
                                                 [](const QString& dir) {
                                                     const QString path = dir + QStringLiteral("/broken.sf2");
                                                     QFile f(path);
                                                     f.open(QIODevice::WriteOnly);
                                                     f.write("RIFF\x10\x00\x00\x00sfbkLIST", 16);
                                                     sound::SynthConfig c;
                                                     c.startAudio = false;
                                                     c.soundFont = path.toStdString();
                                                     return c;
                                                 }},
                                           Fault{"DamagedSoundFont",
                                                 [](const QString& dir) {
                                                     // A sound header of the right size; garbage where its
                                                     // chunks should be. Only reading it all can tell.
                                                     const QString path = dir + QStringLiteral("/damaged.sf2");
                                                     QByteArray body(8000, '\0');
                                                     for (int i = 0; i < body.size(); ++i) {
                                                         body[i] = static_cast<char>((i * 37 + 11) & 0xFF);
                                                     }
                                                     const auto size = static_cast<std::uint32_t>(body.size() + 4);
                                                     QByteArray file("RIFF");
                                                     for (int i = 0; i < 4; ++i) {
                                                         file.append(static_cast<char>((size >> (8 * i)) & 0xFFU));
                                                     }
                                                     file.append("sfbk").append(body);
                                                     QFile f(path);
                                                     f.open(QIODevice::WriteOnly);
                                                     f.write(file);
                                                     sound::SynthConfig c;
                                                     c.startAudio = false;
                                                     c.soundFont = path.toStdString();
                                                     return c;
                                                 }},
                                           Fault{"NoAudioDevice", [](const QString&) { return silentConfig(); }}),
                         [](const ::testing::TestParamInfo<Fault>& info) { return std::string(info.param.name); });
