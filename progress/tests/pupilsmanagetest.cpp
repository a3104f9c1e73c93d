// What the pupils window does to the pupils' folder, without a window: the
// list and its figures, adding, renaming, archiving and restoring, the
// practice settings, the launchers, and who plays.
#include "exercise/run.h"
#include "progress/classreport.h"
#include "progress/launcher.h"
#include "progress/playingpupil.h"
#include "progress/practice.h"
#include "progress/pupilfolder.h"
#include "progress/pupilstable.h"
#include "progress/resultrow.h"

#include <QCoreApplication>
#include <QProcess>
#include <QSignalSpy>
#include <QSortFilterProxyModel>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include <fstream>

#include <sys/stat.h>

namespace fs = std::filesystem;
using progress::NoteResult;
using progress::Outcome;
namespace folder = progress::pupilfolder;

namespace {

// Runs of ten notes, right more often run after run; `weak` missed always.
std::string pupilRows(const std::string& id, int runs, int weak)
{
    std::string s = std::string(progress::csv::header) + "\n";
    for (int run = 1; run <= runs; ++run) {
        for (int place = 1; place <= 10; ++place) {
            NoteResult r;
            r.started = "2024-09-" + std::string(run < 10 ? "0" : "") + std::to_string(run) + "T17:00:00+02:00";
            r.run = id + "-" + std::to_string(run);
            r.mode = 1;
            r.place = place;
            constexpr int others[] = {64, 65, 67};
            r.note = place % 2 == 0 ? weak : others[place % 3];
            r.outcome = (place <= run + 4 && r.note != weak) ? Outcome::Right : Outcome::Missed;
            if (r.outcome == Outcome::Right) {
                r.responseMs = 1200 + 100 * static_cast<std::uint32_t>(place + run);
            }
            progress::appendCsvRow(s, r);
        }
    }
    return s;
}

void writeFile(const fs::path& path, const std::string& text)
{
    std::ofstream out(path, std::ios::binary);
    out << text;
}

std::string readAll(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

fs::path pathOf(const QTemporaryDir& dir)
{
    return fs::path(dir.path().toStdString());
}

// The model after every file of folder has been read.
void loadAll(progress::PupilsTableModel& model, const fs::path& where)
{
    QSignalSpy spy(&model, &progress::PupilsTableModel::progressed);
    model.load(where);
    ASSERT_TRUE(QTest::qWaitFor([&] { return model.filesRead() == model.rowCount(); }, 20000));
}

}  // namespace

TEST(PupilFolder, AddRenameArchiveRestoreKeepEveryByte)
{
    QTemporaryDir dir;
    const fs::path p = pathOf(dir) / "pupils";
    const progress::Computer computer{"0123456789abcdef", "salle 2"};
    ASSERT_EQ(folder::add(p, "Léa", computer), "");
    EXPECT_EQ(readAll(p / "Léa" / "0123456789abcdef.csv"), std::string(progress::csv::header) + "\n")
        << "a new pupil's file, this computer's in their folder, has its header";
    EXPECT_EQ(readAll(p / "Léa" / "0123456789abcdef.host"), "salle 2\n") << "and the computer's name is beside it";
    EXPECT_NE(folder::add(p, "Léa", computer), "") << "a pupil is added once";

    const std::string runs = pupilRows("a", 4, 62);
    const std::string settings = progress::practice::text({true, exercise::NoteRange{60, 72}, {}});
    writeFile(p / "Léa.csv", runs);
    writeFile(p / "Léa.ini", settings);

    ASSERT_EQ(folder::rename(p, "Léa", "Léa Martin"), "");
    EXPECT_FALSE(fs::exists(p / "Léa.csv"));
    EXPECT_FALSE(fs::exists(p / "Léa"));
    EXPECT_EQ(readAll(p / "Léa Martin.csv"), runs);
    EXPECT_EQ(readAll(p / "Léa Martin.ini"), settings);
    EXPECT_TRUE(fs::exists(p / "Léa Martin" / "0123456789abcdef.csv")) << "the pupil's folder follows";

    std::string as;
    ASSERT_EQ(folder::archive(p, "Léa Martin", &as), "");
    EXPECT_EQ(as, "Léa Martin");
    EXPECT_TRUE(folder::list(p, nullptr).empty()) << "archived pupils leave the list";
    std::string error;
    const auto archived = folder::listArchive(p, &error);
    ASSERT_EQ(archived.size(), 1U);
    EXPECT_EQ(archived[0].name, "Léa Martin");

    ASSERT_EQ(folder::restore(p, "Léa Martin"), "");
    EXPECT_EQ(readAll(p / "Léa Martin.csv"), runs);
    EXPECT_EQ(readAll(p / "Léa Martin.ini"), settings);
    EXPECT_TRUE(folder::listArchive(p, &error).empty());
}

TEST(PupilFolder, NothingIsEverReplaced)
{
    QTemporaryDir dir;
    const fs::path p = pathOf(dir);
    const std::string a = pupilRows("a", 2, 62);
    const std::string b = pupilRows("b", 3, 64);
    writeFile(p / "A.csv", a);
    writeFile(p / "B.csv", b);
    EXPECT_NE(folder::rename(p, "A", "B"), "");
    EXPECT_EQ(readAll(p / "A.csv"), a);
    EXPECT_EQ(readAll(p / "B.csv"), b);

    // A name archived twice: the second gets " (2)" there, the first stays.
    std::string as;
    ASSERT_EQ(folder::archive(p, "A", &as), "");
    writeFile(p / "A.csv", b);
    ASSERT_EQ(folder::archive(p, "A", &as), "");
    EXPECT_EQ(as, "A (2)");
    EXPECT_EQ(readAll(p / "archive" / "A.csv"), a);
    EXPECT_EQ(readAll(p / "archive" / "A (2).csv"), b);
    // Restoring over a pupil of the same name is refused.
    writeFile(p / "A.csv", "x");
    EXPECT_NE(folder::restore(p, "A"), "");
    EXPECT_EQ(readAll(p / "A.csv"), "x");
    EXPECT_EQ(readAll(p / "archive" / "A.csv"), a);

    const struct {
        const char* name;
        bool ok;
    } names[] = {{"Hugo", true}, {"", false}, {" Hugo", false}, {"Hu\tgo", false}, {"a/b", true}, {"\xff", false}};
    for (const auto& n : names) {
        EXPECT_EQ(folder::nameProblem(n.name).empty(), n.ok) << n.name;
    }
    EXPECT_NE(folder::nameProblem(std::string(300, 'x')), "");
}

TEST(PupilsTable, FiguresEqualTheClassReportsAndEveryColumnSorts)
{
    QTemporaryDir dir;
    const fs::path p = pathOf(dir);
    const struct {
        const char* name;
        int runs;
        int weak;
    } pupils[] = {{"Léa", 3, 60}, {"Hugo", 5, 62}, {"Inès Martin", 7, 64}};
    for (const auto& pupil : pupils) {
        writeFile(p / (std::string(pupil.name) + ".csv"),
                  pupilRows("r" + std::to_string(pupil.runs), pupil.runs, pupil.weak));
    }
    progress::PupilsTableModel model;
    loadAll(model, p);
    ASSERT_EQ(model.rowCount(), 3);

    // The class report as the program prints it, over the same files.
    QProcess program;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.insert(QStringLiteral("XDG_DATA_HOME"), dir.path());
    env.insert(QStringLiteral("LANG"), QStringLiteral("C.UTF-8"));
    program.setProcessEnvironment(env);
    QStringList args{QStringLiteral("--report")};
    for (const auto& pupil : pupils) {
        args << QString::fromStdString((p / (std::string(pupil.name) + ".csv")).string());
    }
    args << QStringLiteral("--out") << dir.filePath(QStringLiteral("classe.pdf"));
    program.start(QCoreApplication::applicationDirPath() + QStringLiteral("/tavelin-piano"), args);
    ASSERT_TRUE(program.waitForFinished(120000));
    ASSERT_EQ(program.exitCode(), 0) << program.readAllStandardError().toStdString();
    const QStringList printed = QString::fromUtf8(program.readAllStandardOutput()).split(QLatin1Char('\n'));

    for (const progress::PupilRow& row : model.rows()) {
        SCOPED_TRACE(row.name.toStdString());
        ASSERT_TRUE(row.line.has_value()) << row.problem;
        std::string error;
        const auto summary = progress::readResultsFile(row.file.string(), &error);
        ASSERT_TRUE(summary) << error;
        const progress::classreport::PupilLine expected = progress::classreport::lineOf(row.name, *summary);
        EXPECT_EQ(row.line->runs, expected.runs);
        EXPECT_EQ(row.line->notes, expected.notes);
        EXPECT_EQ(row.line->score, expected.score);
        EXPECT_EQ(row.line->medianMs, expected.medianMs);
        EXPECT_EQ(row.line->last, expected.last);
        // The printed line of the class report shows the list's texts.
        QString line;
        for (const QString& l : printed) {
            if (l.trimmed().startsWith(row.name + QStringLiteral(" :"))) {
                line = l;
            }
        }
        ASSERT_FALSE(line.isEmpty());
        using C = progress::PupilsTableModel;
        EXPECT_TRUE(line.contains(C::cellText(row, C::Runs) + QStringLiteral(" séances, ") +
                                  C::cellText(row, C::Notes) + QStringLiteral(" notes")))
            << line.toStdString();
        EXPECT_TRUE(line.contains(C::cellText(row, C::Score) + QStringLiteral(" justes"))) << line.toStdString();
        EXPECT_TRUE(line.contains(C::cellText(row, C::Median))) << line.toStdString();
        EXPECT_TRUE(line.contains(QStringLiteral("tendance ") + C::cellText(row, C::Trend))) << line.toStdString();
    }

    // Each column sorts by its figure, not its text: "10" after "9".
    QSortFilterProxyModel sorted;
    sorted.setSourceModel(&model);
    sorted.setSortRole(progress::PupilsTableModel::sortRole);
    const auto firstAfterSort = [&](int column, Qt::SortOrder order) {
        sorted.sort(column, order);
        return sorted.data(sorted.index(0, progress::PupilsTableModel::Name)).toString();
    };
    EXPECT_EQ(firstAfterSort(progress::PupilsTableModel::Name, Qt::AscendingOrder), QStringLiteral("Hugo"));
    EXPECT_EQ(firstAfterSort(progress::PupilsTableModel::Runs, Qt::DescendingOrder), QStringLiteral("Inès Martin"));
    EXPECT_EQ(firstAfterSort(progress::PupilsTableModel::Notes, Qt::AscendingOrder), QStringLiteral("Léa"));
    EXPECT_EQ(firstAfterSort(progress::PupilsTableModel::Last, Qt::DescendingOrder), QStringLiteral("Inès Martin"));
    for (int column = 0; column < progress::PupilsTableModel::ColumnCount; ++column) {
        EXPECT_TRUE(model.data(model.index(0, column), progress::PupilsTableModel::sortRole).isValid()) << column;
    }
}

TEST(PupilsTable, ADamagedOrForeignFileIsListedWithItsReasonAndNeverChanged)
{
    QTemporaryDir dir;
    const fs::path p = pathOf(dir);
    const std::string good = pupilRows("g", 2, 60);
    const std::string foreign = "name,score\nZoé,12\n";
    writeFile(p / "Léa.csv", good);
    writeFile(p / "Zoé.csv", foreign);
    fs::create_directory(p / "Hugo.csv");
    ASSERT_EQ(::mkfifo((p / "Tube.csv").c_str(), 0600), 0);
    writeFile(p / "notes.txt", "not a pupil");
    progress::PupilsTableModel model;
    loadAll(model, p);
    ASSERT_EQ(model.rowCount(), 4) << "every .csv is a row";
    const struct {
        const char* name;
        const char* reason;  // empty: read
    } expected[] = {{"Léa", ""},
                    {"Zoé", "pas un fichier de résultats"},
                    {"Hugo", "un dossier"},
                    {"Tube", "pas un fichier ordinaire"}};
    for (const auto& e : expected) {
        const int row = model.rowOf(QString::fromUtf8(e.name));
        ASSERT_GE(row, 0) << e.name;
        const progress::PupilRow& r = model.rows()[static_cast<std::size_t>(row)];
        EXPECT_TRUE(r.read);
        if (e.reason[0] == '\0') {
            EXPECT_TRUE(r.problem.empty()) << r.problem;
            EXPECT_TRUE(r.line.has_value());
        } else {
            EXPECT_NE(r.problem.find(e.reason), std::string::npos) << e.name << ": " << r.problem;
            EXPECT_EQ(progress::PupilsTableModel::cellText(r, progress::PupilsTableModel::Remark).toStdString(),
                      r.problem);
        }
    }
    EXPECT_EQ(readAll(p / "Léa.csv"), good);
    EXPECT_EQ(readAll(p / "Zoé.csv"), foreign);
}

TEST(Practice, SettingsGoBackAndForthAndBadValuesAreRefused)
{
    const progress::practice::Settings settings[] = {{},
                                                     {true, std::nullopt, {}},
                                                     {false, exercise::NoteRange{52, 89}, {}},
                                                     {true, exercise::NoteRange{36, 60}, {}}};
    for (const auto& s : settings) {
        std::string error;
        EXPECT_EQ(progress::practice::parse(progress::practice::text(s), &error), s) << progress::practice::text(s);
    }
    const struct {
        const char* text;
        bool ok;
    } texts[] = {{"focus=oui\nnotes=do3-sol4\n", true},
                 {"later=1\nfocus=non\n", true},
                 {"focus=peut-être\n", false},
                 {"notes=72-60\n", false},
                 {"notes=60-61\n", false},
                 {"# rien\n\n", true}};
    for (const auto& t : texts) {
        std::string error;
        EXPECT_EQ(progress::practice::parse(t.text, &error).has_value(), t.ok) << t.text << error;
    }
    QTemporaryDir dir;
    const fs::path file = pathOf(dir) / "Léa.ini";
    std::string error;
    EXPECT_EQ(progress::practice::read(file, &error), progress::practice::Settings{}) << "no file: the defaults";
    ASSERT_EQ(progress::practice::write(file, settings[3]), "");
    EXPECT_EQ(progress::practice::read(file, &error), settings[3]);
    ASSERT_EQ(::mkfifo((pathOf(dir) / "Tube.ini").c_str(), 0600), 0);
    EXPECT_FALSE(progress::practice::read(pathOf(dir) / "Tube.ini", &error)) << "a pipe is refused, never waited on";
}

TEST(Launcher, EntriesAreValidAndTheirExecGivesBackTheName)
{
    QTemporaryDir dir;
    const fs::path apps = pathOf(dir) / "applications";
    const std::string program = (pathOf(dir) / "mon programme" / "tavelin-piano").string();
    const char* const names[] = {"Léa", "Hugo \"le grand\"", "50% $HOME `x` \\ fin", "Zoé; rm -rf ~"};
    for (const char* name : names) {
        SCOPED_TRACE(name);
        ASSERT_EQ(progress::launcher::write(apps, name, program), "");
        EXPECT_TRUE(progress::launcher::exists(apps, name));
        const fs::path entry = apps / progress::launcher::fileName(name);
        QProcess validate;
        validate.start(QStringLiteral("desktop-file-validate"), {QString::fromStdString(entry.string())});
        if (validate.waitForStarted(5000)) {
            ASSERT_TRUE(validate.waitForFinished(30000));
            EXPECT_EQ(validate.exitCode(), 0) << validate.readAllStandardOutput().toStdString();
        }
        const std::string text = readAll(entry);
        // The name as an entry's string writes it: a backslash doubled.
        std::string written;
        for (const char* c = name; *c != '\0'; ++c) {
            written += *c == '\\' ? std::string("\\\\") : std::string(1, *c);
        }
        EXPECT_NE(text.find("\nName=Piano — " + written + "\n"), std::string::npos) << text;
        // The Exec line's quoting is the shell's inside double quotes, once
        // the value's own escapes and the doubled % are undone.
        const std::size_t at = text.find("\nExec=") + 6;
        std::string exec = text.substr(at, text.find('\n', at) - at);
        std::string value;
        for (std::size_t i = 0; i < exec.size(); ++i) {
            if (exec[i] == '\\' && i + 1 < exec.size() && exec[i + 1] == '\\') {
                value += '\\';
                ++i;
            } else if (exec[i] == '%' && i + 1 < exec.size() && exec[i + 1] == '%') {
                value += '%';
                ++i;
            } else {
                value += exec[i];
            }
        }
        QProcess sh;
        sh.start(QStringLiteral("sh"),
                 {QStringLiteral("-c"),
                  QStringLiteral("for a in %1; do printf '%s\\n' \"$a\"; done").arg(QString::fromStdString(value))});
        ASSERT_TRUE(sh.waitForFinished(10000));
        const QStringList args =
            QString::fromUtf8(sh.readAllStandardOutput()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        EXPECT_EQ(args,
                  (QStringList{QString::fromStdString(program), QStringLiteral("--pupil"), QString::fromUtf8(name)}));
    }
    EXPECT_NE(progress::launcher::fileName("Léa"), progress::launcher::fileName("Lea"));
    ASSERT_EQ(progress::launcher::remove(apps, "Léa"), "");
    EXPECT_FALSE(progress::launcher::exists(apps, "Léa"));
    EXPECT_TRUE(progress::launcher::exists(apps, "Hugo \"le grand\"")) << "only that pupil's launcher goes";
}

TEST(PlayingPupil, AChoiceTakesEffectAtTheNextRunAndEachRunIsTold)
{
    QTemporaryDir dir;
    const fs::path p = pathOf(dir);
    progress::PlayingPupil playing({false, std::nullopt, {}}, nullptr);
    QSignalSpy recorded(&playing, &progress::PlayingPupil::runRecorded);
    const auto choice = [&](const char* name, progress::practice::Settings s = {}) {
        return progress::PlayingPupil::Choice{
            QString::fromUtf8(name), (p / (std::string(name) + ".csv")).string(), s, {}, {}};
    };
    exercise::Run exerciseRun(&playing);
    const auto run = [&](int notes) {
        exerciseRun.start(1, 0);
        for (int i = 1; i <= notes; ++i) {
            exerciseRun.show({64, "0"}, false, 1000 * static_cast<std::uint32_t>(i));
            exerciseRun.drawn(1000 * static_cast<std::uint32_t>(i) + 400);
            exerciseRun.answer(64, 1000 * static_cast<std::uint32_t>(i) + 500);
        }
    };
    const auto rowsIn = [&](const char* name) {
        std::string error;
        const auto s = progress::readResultsFile((p / (std::string(name) + ".csv")).string(), &error);
        return s ? s->rows : std::size_t(0);
    };
    EXPECT_TRUE(playing.chosen().nobody());
    EXPECT_TRUE(playing.description().startsWith(QStringLiteral("Aucun élève")));
    run(3);
    exerciseRun.end(true, 5000);  // nobody: nothing recorded, nothing told

    ASSERT_EQ(playing.choose(choice("Léa", {false, exercise::NoteRange{60, 72}, {}})), "");
    EXPECT_EQ(playing.noteRange(), (exercise::NoteRange{60, 72}));
    run(4);
    ASSERT_EQ(playing.choose(choice("Hugo")), "");
    EXPECT_EQ(playing.playing().name, QStringLiteral("Léa")) << "the run under way stays with Léa";
    EXPECT_TRUE(playing.description().contains(QStringLiteral("Hugo à partir du prochain exercice")));
    exerciseRun.end(false, 9000);
    ASSERT_TRUE(recorded.wait(10000));
    EXPECT_EQ(recorded.takeFirst().at(0).toString(), QStringLiteral("Léa"));
    EXPECT_EQ(rowsIn("Léa"), 4U);
    EXPECT_EQ(playing.playing().name, QStringLiteral("Hugo"));
    EXPECT_EQ(playing.noteRange(), std::nullopt);
    run(2);
    exerciseRun.end(true, 3000);
    ASSERT_TRUE(recorded.wait(10000));
    EXPECT_EQ(rowsIn("Hugo"), 2U);
    EXPECT_EQ(rowsIn("Léa"), 4U);
    // A note on the staff, unanswered when the run is stopped, is passed on
    // as seen: it is the run's last row.
    exerciseRun.start(1, 0);
    exerciseRun.show({64, "0"}, true, 1000);
    exerciseRun.drawn(1400);
    exerciseRun.end(true, 2000);
    ASSERT_TRUE(recorded.wait(10000));
    EXPECT_EQ(rowsIn("Hugo"), 3U);

    // The command line wins over the saved settings.
    progress::PlayingPupil withOptions({true, exercise::NoteRange{48, 60}, {}}, nullptr);
    ASSERT_EQ(withOptions.choose(choice("Léa", {false, exercise::NoteRange{60, 72}, {}})), "");
    EXPECT_EQ(withOptions.noteRange(), (exercise::NoteRange{48, 60}));
    EXPECT_TRUE(withOptions.focus());
    // A file that cannot be written is refused, and the choice stays.
    writeFile(p / "foreign.csv", "not,our,header\n");
    EXPECT_NE(withOptions.choose(
                  progress::PlayingPupil::Choice{QStringLiteral("X"), (p / "foreign.csv").string(), {}, {}, {}}),
              "");
    EXPECT_EQ(withOptions.chosen().name, QStringLiteral("Léa"));
    EXPECT_EQ(readAll(p / "foreign.csv"), "not,our,header\n");
}

TEST(PlayingPupil, FocusReadsTheFileOnceAndAddsEachRunFromMemory)
{
    QTemporaryDir dir;
    const fs::path file = pathOf(dir) / "Léa.csv";
    const auto append = [&](const std::string& text) {
        std::ofstream out(file, std::ios::app | std::ios::binary);
        out << text;
    };
    append(std::string(progress::csv::header) + "\n" +
           "2024-09-02T17:00:00+02:00,old-1,1,1,64,treble,none,missed,no,,\n");
    progress::PlayingPupil playing({true, std::nullopt, {}}, nullptr);
    ASSERT_EQ(playing.choose({QStringLiteral("Léa"), file.string(), {}, {}, {}}), "");
    auto first = playing.focusRecords();
    ASSERT_EQ(first.wait_for(std::chrono::seconds(10)), std::future_status::ready);
    const auto before = first.get();
    ASSERT_TRUE(before.has_value());
    EXPECT_DOUBLE_EQ(before->at(64).missed, 1.0);

    // A run of ours, missed on 67; another program's run written meanwhile.
    exercise::Run run(&playing);
    run.start(1, 0);
    run.show({67, "1"}, false, 100);
    run.drawn(500);
    run.timeUp(3900);
    run.end(false, 4000);
    ASSERT_NE(playing.recorder(), nullptr);
    ASSERT_TRUE(playing.recorder()->waitUntilTried());
    append("2024-09-02T18:00:00+02:00,other-1,1,1,72,treble,none,missed,no,,\n");

    auto second = playing.focusRecords();
    ASSERT_EQ(second.wait_for(std::chrono::seconds(0)), std::future_status::ready) << "from memory, at once";
    const auto after = second.get();
    ASSERT_TRUE(after.has_value());
    EXPECT_DOUBLE_EQ(after->at(67).missed, 1.0) << "our run counts once, though it is in the file too";
    EXPECT_DOUBLE_EQ(after->at(64).missed, progress::recent::decayPerRun) << "the older run weighs less";
    EXPECT_EQ(after->count(72), 0U) << "the file is not read again";
    playing.finish();
}

TEST(PlayingPupil, FocusRunsEndedBeforeTheReadIsTakenCountOnce)
{
    // Runs played before focus was asked for are in the file already, and
    // in memory: the read leaves this program's own rows out.
    QTemporaryDir dir;
    const fs::path file = pathOf(dir) / "Hugo.csv";
    progress::PlayingPupil playing({false, std::nullopt, {}}, nullptr);
    ASSERT_EQ(playing.choose({QStringLiteral("Hugo"), file.string(), {}, {}, {}}), "");
    exercise::Run run(&playing);
    for (int k = 0; k < 2; ++k) {
        run.start(1, 0);
        run.show({65, "1"}, false, 100);
        run.drawn(500);
        run.answer(67, 700);
        run.answer(65, 900);
        run.end(false, 4000);
    }
    ASSERT_TRUE(playing.recorder()->waitUntilTried());
    playing.setSettings(QStringLiteral("Hugo"), {true, std::nullopt, {}});
    auto records = playing.focusRecords();
    ASSERT_EQ(records.wait_for(std::chrono::seconds(10)), std::future_status::ready);
    const auto got = records.get();
    ASSERT_TRUE(got.has_value());
    EXPECT_DOUBLE_EQ(got->at(65).asked, 1.0 + progress::recent::decayPerRun);
    EXPECT_DOUBLE_EQ(got->at(65).wrong, 1.0 + progress::recent::decayPerRun);

    // By ear, the records are those of the runs by ear alone.
    playing.setSettings(QStringLiteral("Hugo"), {true, std::nullopt, {exercise::VariantKind::Ear}});
    auto ear = playing.focusRecords();
    ASSERT_EQ(ear.wait_for(std::chrono::seconds(10)), std::future_status::ready);
    const auto none = ear.get();
    ASSERT_TRUE(none.has_value());
    EXPECT_TRUE(none->empty()) << "the drill's runs say nothing of the ear";
    run.start(1, 0, exercise::VariantKind::Ear);
    run.show({65, "1"}, true, 100);
    run.drawn(500);
    run.end(false, 4000);
    auto missed = playing.focusRecords();
    ASSERT_EQ(missed.wait_for(std::chrono::seconds(10)), std::future_status::ready);
    const auto heard = missed.get();
    ASSERT_TRUE(heard.has_value());
    EXPECT_DOUBLE_EQ(heard->at(65).missed, 1.0);
    playing.finish();
}
