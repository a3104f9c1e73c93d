// The real program, started as a user would start it, ended by the signal a
// desktop session sends on logout at different moments: each time the window
// closes through its own close path and the process ends with status 0.
#include <QCoreApplication>
#include <QProcess>
#include <QTemporaryDir>
#include <csignal>
#include <gtest/gtest.h>

namespace {

// The program offscreen in a folder of its own, the synthesizer playing into
// a file (there is no sound card here), with extra variables on top.
void start(QProcess& program, const QTemporaryDir& work, const QList<QPair<QString, QString>>& extra = {})
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.insert(QStringLiteral("TAVELIN_AUDIO_DRIVER"), QStringLiteral("file"));
    for (const auto& [name, value] : extra) {
        env.insert(name, value);
    }
    program.setProcessEnvironment(env);
    program.setWorkingDirectory(work.path());
    program.start(QCoreApplication::applicationDirPath() + QStringLiteral("/tavelin-piano"), {});
}

// SIGTERM now: the program must end within 10 s, normally, with status 0 and
// no sanitizer report.
void expectEndsCleanlyOnSigterm(QProcess& program, const char* stillRunning)
{
    ::kill(static_cast<pid_t>(program.processId()), SIGTERM);
    ASSERT_TRUE(program.waitForFinished(10000)) << stillRunning;
    const QString errors = QString::fromLocal8Bit(program.readAllStandardError());
    EXPECT_EQ(program.exitStatus(), QProcess::NormalExit) << errors.toStdString();
    EXPECT_EQ(program.exitCode(), 0) << errors.toStdString();
    EXPECT_FALSE(errors.contains(QStringLiteral("Sanitizer"))) << errors.toStdString();
    EXPECT_FALSE(errors.contains(QStringLiteral("runtime error"))) << errors.toStdString();
}

}  // namespace

class EndedBySignal : public ::testing::TestWithParam<int> {};

TEST_P(EndedBySignal, ExitsCleanlyWithStatusZero)
{
    QTemporaryDir work;
    QProcess program;
    start(program, work);
    ASSERT_TRUE(program.waitForStarted(10000));
    // Wait for the window; then the signal comes during the greeting scale
    // (its 1.8 s start about 20 ms after the first paint) or after it.
    EXPECT_FALSE(program.waitForFinished(GetParam()));
    expectEndsCleanlyOnSigterm(program, "still running after SIGTERM");
}

INSTANTIATE_TEST_SUITE_P(AtDifferentMoments, EndedBySignal, ::testing::Values(1500, 2500, 5000));

// No SoundFont, so no MIDI out: the window's start-up shows a box and waits
// for its answer. A logout meanwhile must not wait for one.
TEST(EndedBySignalDuringStartUp, WhileAMessageBoxWaitsForItsAnswer)
{
    QTemporaryDir work;
    QProcess program;
    start(program, work, {{QStringLiteral("TAVELIN_SOUNDFONT"), work.filePath(QStringLiteral("missing.sf2"))}});
    ASSERT_TRUE(program.waitForStarted(10000));
    EXPECT_FALSE(program.waitForFinished(2500)) << "the box did not wait";
    expectEndsCleanlyOnSigterm(program, "still waiting for the box after SIGTERM");
}
