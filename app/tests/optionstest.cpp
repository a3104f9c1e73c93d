// The command line: what parseOptions makes of it, what the program prints
// and the status it exits with, and --midi-out reaching the window.

#include "app/options.h"
#include "sound/outputsystem.h"
#include "tests/support/formfixture.h"

#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>

#include <filesystem>

using testing_support::FormRig;

namespace {

QStringList argv(std::initializer_list<const char*> arguments)
{
    QStringList list{QStringLiteral("tavelin-piano")};
    for (const char* a : arguments) {
        list << QString::fromUtf8(a);
    }
    return list;
}

}  // namespace

TEST(Options, NoneMeanTheProgramAsItAlwaysWas)
{
    const Options o = parseOptions(argv({}));
    EXPECT_EQ(o.action, Options::Action::Run);
    EXPECT_EQ(o.midiOut, 0U);
    EXPECT_TRUE(o.midiIn.isEmpty());  // every MIDI keyboard
    EXPECT_EQ(o.exitStatus, 0);
}

TEST(Options, GoodValuesAreTaken)
{
    struct Case {
        std::initializer_list<const char*> args;
        Options::Action action;
        std::uint32_t midiOut;
        const char* midiIn;
    };
    const Case cases[] = {
        {{"--midi-out", "3"}, Options::Action::Run, 3, ""},
        {{"--midi-out=12"}, Options::Action::Run, 12, ""},
        {{"--midi-out", "255"}, Options::Action::Run, 255, ""},
        {{"--midi-in", "none"}, Options::Action::Run, 0, "none"},
        {{"--midi-in", "20:0"}, Options::Action::Run, 0, "20:0"},
        {{"--midi-in=128:1", "--midi-out", "2"}, Options::Action::Run, 2, "128:1"},
        {{"--list-midi-in"}, Options::Action::ListMidiIn, 0, ""},
        {{"--list-midi-out"}, Options::Action::ListMidiOut, 0, ""},
    };
    for (const Case& c : cases) {
        const QStringList args = argv(c.args);
        SCOPED_TRACE(args.join(QLatin1Char(' ')).toStdString());
        const Options o = parseOptions(args);
        EXPECT_EQ(o.action, c.action);
        EXPECT_EQ(o.midiOut, c.midiOut);
        EXPECT_EQ(o.midiIn, QString::fromLatin1(c.midiIn));
        EXPECT_EQ(o.exitStatus, 0);
    }
}

TEST(Options, ABadOptionOrValueExitsWithStatus2AndSaysWhy)
{
    struct Case {
        std::initializer_list<const char*> args;
        const char* says;
    };
    const Case cases[] = {
        {{"--midi-out", "x"}, "--midi-out takes a device number, not 'x'"},
        {{"--midi-out", "-1"}, "--midi-out takes a device number, not '-1'"},
        {{"--midi-out", "256"}, "--midi-out takes a device number, not '256'"},
        {{"--midi-out", ""}, "--midi-out takes a device number, not ''"},
        {{"--midi-out"}, "midi-out"},
        {{"--midi-in", "usb"}, "--midi-in takes none or CLIENT:PORT, not 'usb'"},
        {{"--midi-in", "20"}, "--midi-in takes none or CLIENT:PORT, not '20'"},
        {{"--midi-in", "20:"}, "--midi-in takes none or CLIENT:PORT, not '20:'"},
        {{"--midi-in"}, "midi-in"},
        {{"--list-midi-in", "--list-midi-out"}, "go alone"},
        {{"--bogus"}, "bogus"},
        {{"keys"}, "unexpected argument 'keys'"},
    };
    for (const Case& c : cases) {
        const QStringList args = argv(c.args);
        SCOPED_TRACE(args.join(QLatin1Char(' ')).toStdString());
        const Options o = parseOptions(args);
        EXPECT_EQ(o.action, Options::Action::Exit);
        EXPECT_EQ(o.exitStatus, 2);
        EXPECT_TRUE(o.message.contains(QString::fromUtf8(c.says))) << o.message.toStdString();
        EXPECT_TRUE(o.message.startsWith(QStringLiteral("tavelin-piano: "))) << o.message.toStdString();
        EXPECT_TRUE(o.message.endsWith(QStringLiteral("(see --help)"))) << o.message.toStdString();
        EXPECT_FALSE(o.message.contains(QLatin1Char('\n')));
    }
}

TEST(Options, HelpAndVersionExitWithStatus0)
{
    for (const char* help : {"--help", "-h"}) {
        const Options o = parseOptions(argv({help}));
        EXPECT_EQ(o.action, Options::Action::Exit) << help;
        EXPECT_EQ(o.exitStatus, 0);
        for (const char* option : {"--midi-in", "--list-midi-in", "--midi-out", "--list-midi-out", "--version"}) {
            EXPECT_TRUE(o.message.contains(QString::fromLatin1(option))) << option;
        }
    }
    for (const char* version : {"--version", "-v"}) {
        const Options o = parseOptions(argv({version}));
        EXPECT_EQ(o.action, Options::Action::Exit) << version;
        EXPECT_EQ(o.exitStatus, 0);
        EXPECT_EQ(o.message, QStringLiteral("Tavelin Piano 3.03"));
    }
}

// ---------------------------------------------------------------- --midi-out reaches the window

TEST(Options, MidiOutOpensThatDeviceAndAFailureIsSaidOnce)
{
    struct Case {
        const char* value;
        const char* shown;  // the window's message, or nothing
    };
    for (const Case c : {Case{"0", nullptr}, Case{"3", "Couldn't open midi out, rc = 2"}}) {
        SCOPED_TRACE(c.value);
        const Options o = parseOptions(argv({"--midi-out", c.value}));
        ASSERT_EQ(o.action, Options::Action::Run);
        testing_support::FakeTimeBase time;
        testing_support::RecordingOutputSystem midi;  // device 0 only
        testing_support::RecordingMessages messages;
        const Form1Services services{
            time, midi, messages, [](const QString&) {}, QCoreApplication::applicationDirPath(), 1, o.midiOut};
        const Form1 form(services);
        EXPECT_EQ(form.deviceid, static_cast<std::int32_t>(o.midiOut));
        if (c.shown == nullptr) {
            EXPECT_TRUE(messages.shown.isEmpty());
        } else {
            EXPECT_EQ(messages.shown, QStringList{QString::fromLatin1(c.shown)});
        }
    }
}

TEST(Options, AMidiOutNumberPastTheListIsABadDeviceOnThisMachine)
{
    sound::DefaultOutputSystem outputs;
    testing::internal::CaptureStderr();
    const std::size_t count = outputs.deviceNames().size();
    testing::internal::GetCapturedStderr();
    ASSERT_GE(count, 1U);  // the built-in synthesizer at least
    const Options o = parseOptions(argv({"--midi-out", std::to_string(count).c_str()}));
    ASSERT_EQ(o.action, Options::Action::Run);
    testing_support::FakeTimeBase time;
    testing_support::RecordingMessages messages;
    const Form1Services services{
        time, outputs, messages, [](const QString&) {}, QCoreApplication::applicationDirPath(), 1, o.midiOut};
    const Form1 form(services);
    EXPECT_EQ(form.midirc, static_cast<std::int32_t>(midi::rc::badDeviceId));
    EXPECT_EQ(messages.shown, QStringList{QStringLiteral("Couldn't open midi out, rc = 2")});
}

// ---------------------------------------------------------------- the program itself

namespace {

struct ProgramRun {
    int status = -1;
    QString out;
    QString err;
};

ProgramRun runProgram(const QStringList& arguments)
{
    QProcess process;
    process.start(QCoreApplication::applicationDirPath() + QStringLiteral("/tavelin-piano"), arguments);
    ProgramRun r;
    if (!process.waitForFinished(60000)) {
        process.kill();
        process.waitForFinished();
        return r;
    }
    r.status = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    r.out = QString::fromLocal8Bit(process.readAllStandardOutput());
    r.err = QString::fromLocal8Bit(process.readAllStandardError());
    return r;
}

QStringList lines(const QString& text)
{
    return text.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

bool haveSequencer()
{
    std::error_code ec;
    return std::filesystem::exists("/dev/snd/seq", ec);
}

class Program : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!QFileInfo::exists(QCoreApplication::applicationDirPath() + QStringLiteral("/tavelin-piano"))) {
            GTEST_FAIL() << "tavelin-piano is not built beside the tests";
        }
    }
};

}  // namespace

TEST_F(Program, AnswersBadOptionsWithStatus2AndOneLineOnStderr)
{
    for (const QStringList& args : {QStringList{"--midi-out", "abc"}, QStringList{"--midi-in", "usb"},
                                    QStringList{"--list-midi-in", "--list-midi-out"}, QStringList{"--nope"}}) {
        SCOPED_TRACE(args.join(QLatin1Char(' ')).toStdString());
        const ProgramRun r = runProgram(args);
        EXPECT_EQ(r.status, 2);
        EXPECT_TRUE(r.out.isEmpty()) << r.out.toStdString();
        ASSERT_EQ(lines(r.err).size(), 1) << r.err.toStdString();
        EXPECT_TRUE(r.err.startsWith(QStringLiteral("tavelin-piano: "))) << r.err.toStdString();
    }
}

TEST_F(Program, PrintsHelpAndVersion)
{
    const ProgramRun help = runProgram({QStringLiteral("--help")});
    EXPECT_EQ(help.status, 0);
    EXPECT_TRUE(help.out.contains(QStringLiteral("--list-midi-in"))) << help.out.toStdString();
    // Read before any QCoreApplication exists, where Qt would not know the name.
    EXPECT_TRUE(help.out.startsWith(QStringLiteral("Usage: tavelin-piano [options]\n"))) << help.out.toStdString();
    const ProgramRun version = runProgram({QStringLiteral("--version")});
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.out, QStringLiteral("Tavelin Piano 3.03\n"));
}

TEST_F(Program, ListsTheMidiOutputsNumberedFromTheBuiltInSynthesizer)
{
    const ProgramRun r = runProgram({QStringLiteral("--list-midi-out")});
    EXPECT_EQ(r.status, 0);
    const QStringList out = lines(r.out);
    ASSERT_FALSE(out.isEmpty());
    EXPECT_EQ(out.front(), QStringLiteral("0\t") + QString::fromUtf8(sound::outputnames::builtInSynthesizer));
    for (int i = 0; i < out.size(); ++i) {
        EXPECT_TRUE(out[i].startsWith(QString::number(i) + QLatin1Char('\t'))) << out[i].toStdString();
    }
    if (!haveSequencer()) {
        EXPECT_EQ(out.size(), 1);
        EXPECT_EQ(lines(r.err).size(), 1) << r.err.toStdString();  // why there is nothing else
    }
}

TEST_F(Program, ListsTheMidiKeyboardsAsClientPortAndName)
{
    const ProgramRun r = runProgram({QStringLiteral("--list-midi-in")});
    EXPECT_EQ(r.status, 0);
    static const QRegularExpression line(QStringLiteral("^\\d+:\\d+\\t.+$"));
    for (const QString& l : lines(r.out)) {
        EXPECT_TRUE(line.match(l).hasMatch()) << l.toStdString();
    }
    if (!haveSequencer()) {
        EXPECT_TRUE(r.out.isEmpty()) << r.out.toStdString();
        ASSERT_EQ(lines(r.err).size(), 1) << r.err.toStdString();
        EXPECT_TRUE(r.err.contains(QStringLiteral("sequencer"))) << r.err.toStdString();
    }
}
