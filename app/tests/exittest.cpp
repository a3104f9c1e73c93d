// The real program, started as a user would start it, ended by the signal a
// desktop session sends on logout at different moments: each time the window
// closes through its own close path and the process ends with status 0.
#include <QCoreApplication>
#include <QProcess>
#include <QTemporaryDir>
#include <csignal>
#include <gtest/gtest.h>

class EndedBySignal : public ::testing::TestWithParam<int> {};

TEST_P(EndedBySignal, ExitsCleanlyWithStatusZero)
{
    QTemporaryDir work;
    QProcess program;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    // No sound card here: the synthesizer plays into a file instead.
    env.insert(QStringLiteral("TAVELIN_AUDIO_DRIVER"), QStringLiteral("file"));
    program.setProcessEnvironment(env);
    program.setWorkingDirectory(work.path());
    program.start(QCoreApplication::applicationDirPath() + QStringLiteral("/tavelin-piano"), {});
    ASSERT_TRUE(program.waitForStarted(10000));
    // Wait for the window; then the signal comes during the greeting scale
    // (its 1.8 s start about 20 ms after the first paint) or after it.
    EXPECT_FALSE(program.waitForFinished(GetParam()));
    ::kill(static_cast<pid_t>(program.processId()), SIGTERM);
    ASSERT_TRUE(program.waitForFinished(10000)) << "still running after SIGTERM";
    const QString errors = QString::fromLocal8Bit(program.readAllStandardError());
    EXPECT_EQ(program.exitStatus(), QProcess::NormalExit) << errors.toStdString();
    EXPECT_EQ(program.exitCode(), 0) << errors.toStdString();
    EXPECT_FALSE(errors.contains(QStringLiteral("Sanitizer"))) << errors.toStdString();
    EXPECT_FALSE(errors.contains(QStringLiteral("runtime error"))) << errors.toStdString();
}

INSTANTIATE_TEST_SUITE_P(AtDifferentMoments, EndedBySignal, ::testing::Values(1500, 2500, 5000));

// No SoundFont, so no MIDI out: the window's start-up shows a box and waits
// for its answer. A logout meanwhile must not wait for one.
TEST(EndedBySignalDuringStartUp, WhileAMessageBoxWaitsForItsAnswer)
{
    QTemporaryDir work;
    QProcess program;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.insert(QStringLiteral("TAVELIN_AUDIO_DRIVER"), QStringLiteral("file"));
    env.insert(QStringLiteral("TAVELIN_SOUNDFONT"), work.filePath(QStringLiteral("missing.sf2")));
    program.setProcessEnvironment(env);
    program.setWorkingDirectory(work.path());
    program.start(QCoreApplication::applicationDirPath() + QStringLiteral("/tavelin-piano"), {});
    ASSERT_TRUE(program.waitForStarted(10000));
    EXPECT_FALSE(program.waitForFinished(2500)) << "the box did not wait";
    ::kill(static_cast<pid_t>(program.processId()), SIGTERM);
    ASSERT_TRUE(program.waitForFinished(10000)) << "still waiting for the box after SIGTERM";
    const QString errors = QString::fromLocal8Bit(program.readAllStandardError());
    EXPECT_EQ(program.exitStatus(), QProcess::NormalExit) << errors.toStdString();
    EXPECT_EQ(program.exitCode(), 0) << errors.toStdString();
    EXPECT_FALSE(errors.contains(QStringLiteral("Sanitizer"))) << errors.toStdString();
}
