// The options of pupils and adapted practice: what parseOptions makes of
// them, --pupil turned into a file inside the pupils' folder, and the window
// drawing with a range and with the pupil's records.
#include "app/options.h"
#include "app/pupiloptions.h"
#include "progress/computer.h"
#include "tests/support/formfixture.h"

#include <QDir>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <future>
#include <map>

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

TEST(PupilOptions, GoodValuesAreTaken)
{
    struct Case {
        std::initializer_list<const char*> args;
        Options::Action action;
        QStringList pupils;
        std::vector<std::string> reportFiles;
        bool focus;
        std::optional<exercise::NoteRange> range;
    };
    const Case cases[] = {
        {{"--pupil", "Léa"}, Options::Action::Run, {QStringLiteral("Léa")}, {}, false, {}},
        {{"--pupil", "  Léa Martin "}, Options::Action::Run, {QStringLiteral("Léa Martin")}, {}, false, {}},
        {{"--pupil",
          "Le\xcc\x81"
          "a"},
         Options::Action::Run,
         {QStringLiteral("Léa")},
         {},
         false,
         {}},  // é as e + accent
        {{"--pupil", "Léa", "--focus"}, Options::Action::Run, {QStringLiteral("Léa")}, {}, true, {}},
        {{"--results", "x.csv", "--focus"}, Options::Action::Run, {}, {}, true, {}},
        {{"--notes", "do3-sol3"}, Options::Action::Run, {}, {}, false, exercise::NoteRange{60, 67}},
        {{"--notes=48-72", "--pupil", "Hugo", "--focus"},
         Options::Action::Run,
         {QStringLiteral("Hugo")},
         {},
         true,
         exercise::NoteRange{48, 72}},
        {{"--report", "a.csv"}, Options::Action::Report, {}, {"a.csv"}, false, {}},
        {{"--report", "a.csv", "b.csv", "c.csv", "--out", "classe.pdf"},
         Options::Action::Report,
         {},
         {"a.csv", "b.csv", "c.csv"},
         false,
         {}},
        {{"--report", "--pupil", "Léa", "--pupil", "Hugo"},
         Options::Action::Report,
         {QStringLiteral("Léa"), QStringLiteral("Hugo")},
         {},
         false,
         {}},
        {{"--report", "a.csv", "--pupil", "Hugo"},
         Options::Action::Report,
         {QStringLiteral("Hugo")},
         {"a.csv"},
         false,
         {}},
        {{"--list-pupils"}, Options::Action::ListPupils, {}, {}, false, {}},
    };
    for (const Case& c : cases) {
        const QStringList args = argv(c.args);
        SCOPED_TRACE(args.join(QLatin1Char(' ')).toStdString());
        const Options o = parseOptions(args);
        EXPECT_EQ(o.action, c.action) << o.message.toStdString();
        EXPECT_EQ(o.pupils, c.pupils);
        EXPECT_EQ(o.reportFiles, c.reportFiles);
        EXPECT_EQ(o.focus, c.focus);
        EXPECT_EQ(o.noteRange, c.range);
    }
}

TEST(PupilOptions, BadCombinationsExitWithStatus2AndOneLine)
{
    const struct {
        std::initializer_list<const char*> args;
        const char* says;
    } cases[] = {
        {{"--notes", "70-80"}, "--notes 70-80 leaves exercise 3 with fewer than three notes"},
        {{"--notes", "do3-do#3"}, "leaves exercise 1 with fewer than three notes"},
        {{"--notes", "sol3-do3"}, "--notes takes LOW-HIGH"},
        {{"--notes", "grave"}, "--notes takes LOW-HIGH"},
        {{"--notes", "60-67", "--report", "a.csv"}, "--notes goes with playing"},
        {{"--focus"}, "--focus goes with --pupil or --results"},
        {{"--focus", "--report", "a.csv"}, "--focus goes with --pupil or --results"},
        {{"--pupil", "Léa", "--pupil", "Hugo"}, "several --pupil go with --report only"},
        {{"--pupil", "Léa", "--results", "x.csv"}, "give one"},
        {{"--pupil", "   "}, "--pupil needs a name"},
        {{"--pupil", "Léa", "--list-pupils"}, "--pupil goes with playing or with --report"},
        {{"--list-pupils", "--report", "a.csv"}, "go alone"},
        {{"--export-pupil", "Léa"}, "--export-pupil needs --out FILE"},
        {{"--export-pupil", "Léa", "--out", "x.txt", "--pupil", "Hugo"}, "go alone"},
        {{"--import", "x.txt", "--report", "a.csv"}, "go alone"},
        {{"--import", "x.txt", "--focus"}, "go alone"},
        {{"--out", "x.txt"}, "--out goes with --report or --export-pupil"},
        {{"a.csv"}, "unexpected argument 'a.csv'"},
    };
    for (const auto& c : cases) {
        const QStringList args = argv(c.args);
        SCOPED_TRACE(args.join(QLatin1Char(' ')).toStdString());
        const Options o = parseOptions(args);
        EXPECT_EQ(o.action, Options::Action::Exit);
        EXPECT_EQ(o.exitStatus, 2);
        EXPECT_TRUE(o.message.contains(QString::fromUtf8(c.says))) << o.message.toStdString();
        EXPECT_FALSE(o.message.contains(QLatin1Char('\n')));
    }
}

TEST(PupilOptions, APupilsFileIsMadeInsideThePupilsFolderWhateverTheName)
{
    QTemporaryDir data;
    const QByteArray saved = qgetenv("XDG_DATA_HOME");
    qputenv("XDG_DATA_HOME", QFile::encodeName(data.path()));
    const QString folder = QDir(data.filePath(QStringLiteral("tavelin-piano/pupils"))).absolutePath();
    for (const char* name : {"Léa Martin", "../../etc/passwd", "a/b", ".."}) {
        SCOPED_TRACE(name);
        Options o = parseOptions(argv({"--pupil", name}));
        ASSERT_EQ(o.action, Options::Action::Run);
        std::vector<progress::ReportSource> sources;
        EXPECT_TRUE(app::resolvePupils(o, &sources).isEmpty());
        const QString results = QFile::decodeName(QByteArray::fromStdString(o.resultsFile));
        // This computer's own file, in the pupil's folder, in the pupils' folder.
        const QFileInfo pupilFolder(QFileInfo(results).absolutePath());
        EXPECT_EQ(pupilFolder.absolutePath(), folder) << o.resultsFile;
        EXPECT_EQ(QFileInfo(QFileInfo(QDir::cleanPath(results)).absolutePath()).absolutePath(), folder);
        EXPECT_TRUE(pupilFolder.isDir()) << "made when new";
        EXPECT_EQ(o.computer.size(), progress::computerIdLength);
        EXPECT_EQ(QFileInfo(results).fileName(), QString::fromStdString(o.computer + ".csv"));
    }
    Options o = parseOptions(argv({"--pupil", "Léa Martin"}));
    std::vector<progress::ReportSource> sources;
    app::resolvePupils(o, &sources);
    EXPECT_EQ(
        QFileInfo(QFileInfo(QFile::decodeName(QByteArray::fromStdString(o.resultsFile))).absolutePath()).fileName(),
        QStringLiteral("Léa Martin"))
        << "readable in the folder";
    qputenv("XDG_DATA_HOME", saved);
}

TEST(PupilOptions, NamesThatAreNotUtf8GetFilesOfTheirOwn)
{
    QTemporaryDir data;
    const QByteArray saved = qgetenv("XDG_DATA_HOME");
    qputenv("XDG_DATA_HOME", QFile::encodeName(data.path()));
    std::map<std::string, std::string> files;  // file name by name typed
    for (const char* name : {"\xff", "\xfe", "\xef\xbf\xbd", "caf\xe9"}) {
        std::string program = "tavelin-piano";
        std::string option = "--pupil";
        std::string value = name;
        char* args[] = {program.data(), option.data(), value.data()};
        Options o = parseOptions(3, args);
        ASSERT_EQ(o.action, Options::Action::Run) << o.message.toStdString();
        std::vector<progress::ReportSource> sources;
        EXPECT_TRUE(app::resolvePupils(o, &sources).isEmpty());
        files[name] = std::filesystem::path(o.resultsFile).parent_path().filename().string();  // the pupil's folder
    }
    EXPECT_EQ(files["\xff"], "%FF");
    EXPECT_EQ(files["\xfe"], "%FE");
    EXPECT_EQ(files["\xef\xbf\xbd"], "\xef\xbf\xbd") << "U+FFFD typed is a name of its own, as before";
    EXPECT_EQ(files["caf\xe9"], "caf%E9");
    qputenv("XDG_DATA_HOME", saved);
}

TEST(PupilOptions, APupilsFileInAnotherFormIsReadAndOneFileOfThisComputersWritten)
{
    QTemporaryDir data;
    const QByteArray saved = qgetenv("XDG_DATA_HOME");
    qputenv("XDG_DATA_HOME", QFile::encodeName(data.path()));
    const std::filesystem::path folder =
        std::filesystem::path(QFile::encodeName(data.path()).toStdString()) / "tavelin-piano/pupils";
    std::filesystem::create_directories(folder);
    const std::string header = "started,run,mode,place,note,clef,accidental,outcome,sounded,response_ms,wrong_keys\n";
    auto playsInto = [](const char* typed) {
        Options o = parseOptions(argv({"--pupil", typed}));
        std::vector<progress::ReportSource> sources;
        EXPECT_TRUE(app::resolvePupils(o, &sources).isEmpty());
        const std::filesystem::path file(o.resultsFile);
        return file.parent_path().filename().string() + "/" + file.filename().string();
    };
    // Written on a Mac, or by a sync program: e and the combining accent.
    std::ofstream(folder /
                  "Le\xcc\x81"
                  "a.csv")
        << header;
    std::ofstream(folder / "Léa.csv") << header;
    const std::string own = playsInto("Léa");
    EXPECT_EQ(own.substr(0, own.find('/')), "Léa") << "this computer's file, in the folder of the name as typed";
    EXPECT_EQ(playsInto("Le\xcc\x81"
                        "a"),
              own)
        << "one pupil, one file of this computer's, whatever form the accents take";
    // To report, the files of both forms are the pupil's.
    Options report = parseOptions(argv({"--report", "--pupil", "Léa"}));
    std::vector<progress::ReportSource> sources;
    EXPECT_TRUE(app::resolvePupils(report, &sources).isEmpty());
    ASSERT_EQ(sources.size(), 1U);
    EXPECT_EQ(sources[0].name, "Léa");
    EXPECT_EQ(sources[0].files.size(), 2U);
    EXPECT_EQ(std::filesystem::path(sources[0].files[0]).filename(), "Léa.csv") << "the form written as typed first";
    qputenv("XDG_DATA_HOME", saved);
}

TEST(PupilOptions, TheWindowDrawsInTheRangeAndAsksForTheRecordsAtEveryStart)
{
    testing_support::FakeTimeBase time;
    testing_support::RecordingOutputSystem midi;
    testing_support::RecordingMessages messages;
    int asked = 0;
    Form1Services services{time, midi, messages, [](const QString&) {}, QCoreApplication::applicationDirPath(), 4, 0};
    services.noteRange = exercise::NoteRange{57, 67};  // la 2 to sol 3
    services.focusRecords = [&asked] {
        ++asked;
        exercise::NoteRecords records;
        for (const int key : {57, 59, 60, 62, 64, 65}) {
            records[key] = exercise::NoteRecord{30.0, 0.0, 0.0, 0.0};  // known
        }
        records[67] = exercise::NoteRecord{30.0, 30.0, 0.0, 0.0};  // always missed
        std::promise<std::optional<exercise::NoteRecords>> read;
        read.set_value(records);
        return read.get_future();
    };
    Form1 form(services);
    time.advance(25);
    time.advance(2000);
    std::map<int, int> counts;
    for (int run = 1; run <= 2; ++run) {
        form.m_Click(3);  // "Clef de fa"
        EXPECT_EQ(asked, run) << "once per run start";
        for (int note = 0; note < 50; ++note) {
            time.advance(static_cast<std::uint32_t>(form.interval));
            ASSERT_GE(form.curnote, 57);
            ASSERT_LE(form.curnote, 67);
            ASSERT_FALSE(keyboard::isBlack(form.curnote));
            ++counts[form.curnote];
        }
        time.advance(static_cast<std::uint32_t>(form.interval));  // the end of the run
        ASSERT_EQ(form.exerciseState(), ExerciseState::Idle);
    }
    EXPECT_GT(counts[67], 25) << "the note always missed comes back most, every other note at most";
    EXPECT_GT(counts[67], 2 * counts[60]);
}

TEST(PupilOptions, OptionsAfterReportGoInAnyOrder)
{
    const struct {
        std::initializer_list<const char*> args;
        QStringList pupils;
        std::vector<std::string> reportFiles;
        std::string out;
    } cases[] = {
        {{"--report", "--out", "classe.pdf", "--pupil", "A", "--pupil", "B"},
         {QStringLiteral("A"), QStringLiteral("B")},
         {},
         "classe.pdf"},
        {{"--report", "--pupil", "A", "--out", "classe.pdf", "--pupil", "B"},
         {QStringLiteral("A"), QStringLiteral("B")},
         {},
         "classe.pdf"},
        {{"--report", "--out=classe.pdf", "--pupil=A"}, {QStringLiteral("A")}, {}, "classe.pdf"},
        {{"--report", "--out", "classe.pdf", "a.csv", "b.csv"}, {}, {"a.csv", "b.csv"}, "classe.pdf"},
        {{"--report", "a.csv", "--out", "classe.pdf", "b.csv"}, {}, {"a.csv", "b.csv"}, "classe.pdf"},
        {{"--out", "classe.pdf", "--report", "a.csv", "b.csv"}, {}, {"a.csv", "b.csv"}, "classe.pdf"},
    };
    for (const auto& c : cases) {
        const QStringList args = argv(c.args);
        SCOPED_TRACE(args.join(QLatin1Char(' ')).toStdString());
        const Options o = parseOptions(args);
        ASSERT_EQ(o.action, Options::Action::Report) << o.message.toStdString();
        EXPECT_EQ(o.pupils, c.pupils);
        EXPECT_EQ(o.reportFiles, c.reportFiles);
        EXPECT_EQ(o.reportOut, c.out);
    }
    const Options none = parseOptions(argv({"--report", "--out", "classe.pdf"}));
    EXPECT_EQ(none.action, Options::Action::Exit);
    EXPECT_TRUE(none.message.contains(QStringLiteral("--report needs a file"))) << none.message.toStdString();
}

TEST(PupilOptions, AnOptionIsNeverTakenForAnotherOptionsValue)
{
    const struct {
        std::initializer_list<const char*> args;
        const char* says;
    } cases[] = {
        {{"--pupil", "--focus"}, "--pupil needs a name before --focus"},
        {{"--focus", "--pupil", "--notes=60-72"}, "--pupil needs a name before --notes=60-72"},
        {{"--results", "--focus"}, "--results needs a file name before --focus"},
        {{"--pupil", "Léa", "--notes", "--focus"}, "--notes needs LOW-HIGH before --focus"},
        {{"--midi-in", "--pupil", "Léa"}, "--midi-in needs none or CLIENT:PORT before --pupil"},
        {{"--report", "a.csv", "--out", "-h"}, "--out needs a picture file name before -h"},
    };
    for (const auto& c : cases) {
        const QStringList args = argv(c.args);
        SCOPED_TRACE(args.join(QLatin1Char(' ')).toStdString());
        const Options o = parseOptions(args);
        EXPECT_EQ(o.action, Options::Action::Exit);
        EXPECT_EQ(o.exitStatus, 2);
        EXPECT_TRUE(o.message.contains(QString::fromUtf8(c.says))) << o.message.toStdString();
    }
    // Given with '=', a name may look like an option; other values may start
    // with a dash.
    const Options named = parseOptions(argv({"--pupil=--focus"}));
    EXPECT_EQ(named.action, Options::Action::Run) << named.message.toStdString();
    EXPECT_EQ(named.pupils, QStringList{QStringLiteral("--focus")});
    const Options dash = parseOptions(argv({"--pupil", "-Léa-"}));
    EXPECT_EQ(dash.pupils, QStringList{QStringLiteral("-Léa-")});
}

TEST(PupilOptions, NotesOutOfRangeInCapitalsAndTooFewAreToldApart)
{
    const struct {
        const char* value;
        const char* says;  // nothing: taken
    } cases[] = {
        {"FA DIÈSE 2-SI BÉMOL 3", nullptr},
        {"128-130", "--notes takes notes from 0 to 127"},
        {"do3-sol9", "--notes takes notes from 0 to 127"},
        {"sol3-do3", "the low note first"},
        // Two notes and the no-repeat rule: each note would tell the next.
        {"60-62", "--notes 60-62 leaves exercise 1 with fewer than three notes: two would only take turns"},
        {"60-64", nullptr},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.value);
        const Options o = parseOptions(argv({"--notes", c.value}));
        if (c.says == nullptr) {
            EXPECT_EQ(o.action, Options::Action::Run) << o.message.toStdString();
            continue;
        }
        EXPECT_EQ(o.action, Options::Action::Exit);
        EXPECT_TRUE(o.message.contains(QString::fromUtf8(c.says))) << o.message.toStdString();
    }
}

TEST(PupilOptions, TheWindowNeverWaitsForTheRecordsAndTakesThemWhenRead)
{
    // The records of a results file that is slow to read (or never answers)
    // come when they come: the run starts and its notes come on time; from
    // the first tick after they are read, the draw follows them.
    testing_support::FakeTimeBase time;
    testing_support::RecordingOutputSystem midi;
    testing_support::RecordingMessages messages;
    std::vector<std::promise<std::optional<exercise::NoteRecords>>> reads;
    Form1Services services{time, midi, messages, [](const QString&) {}, QCoreApplication::applicationDirPath(), 4, 0};
    services.noteRange = exercise::NoteRange{57, 67};
    services.focusRecords = [&reads] {
        reads.emplace_back();
        return reads.back().get_future();
    };
    Form1 form(services);
    time.advance(25);
    time.advance(2000);
    form.Check1->setChecked(false);
    const auto interval = static_cast<std::uint32_t>(form.interval);
    form.m_Click(3);
    ASSERT_EQ(reads.size(), 1U);
    for (int note = 1; note <= 10; ++note) {
        time.advance(interval);
        ASSERT_EQ(form.notecount, note) << "the notes come on time while the read goes on";
    }
    exercise::NoteRecords records;
    for (const int key : {57, 59, 60, 62, 64, 65}) {
        records[key] = exercise::NoteRecord{30.0, 0.0, 0.0, 0.0};
    }
    records[67] = exercise::NoteRecord{30.0, 30.0, 0.0, 0.0};
    reads.back().set_value(records);
    int missedNote = 0;
    for (int note = 11; note <= 50; ++note) {
        time.advance(interval);
        ASSERT_EQ(form.notecount, note);
        missedNote += form.curnote == 67 ? 1 : 0;
    }
    EXPECT_GT(missedNote, 10) << "from the read on, the note always missed comes back most (even: 6 of 40)";
    // The next run asks again; a read that gives nothing draws evenly.
    time.advance(interval);
    ASSERT_EQ(form.exerciseState(), ExerciseState::Idle);
    form.m_Click(3);
    ASSERT_EQ(reads.size(), 2U);
    reads.back().set_value(std::nullopt);
    std::map<int, int> counts;
    for (int note = 1; note <= 50; ++note) {
        time.advance(interval);
        ++counts[form.curnote];
    }
    EXPECT_LT(counts[67], 20) << "evenly over seven keys";
}
