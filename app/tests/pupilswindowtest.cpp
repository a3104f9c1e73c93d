// The pupils window on the offscreen platform, beside a real main window on
// the virtual clock: named controls and their Tab order, F11, who plays and
// their settings in a run, the live report and the exports.
#include "app/helpwindow.h"
#include "app/pupilswindow.h"
#include "progress/pupilfolder.h"
#include "progress/report.h"
#include "progress/reportpicture.h"
#include "progress/tests/reportchecks.h"
#include "progress/transfer.h"
#include "tests/support/formfixture.h"

#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QSpinBox>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

#include <filesystem>
#include <set>
#include <fstream>

namespace fs = std::filesystem;

namespace {

std::string readAll(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// A pupils' folder with the docs' sample as three pupils.
struct Class {
    Class()
    {
        folder = fs::path(dir.path().toStdString()) / "pupils";
        fs::create_directories(folder);
        const std::string sample = readAll(fs::path(TAVELIN_SOURCE_DIR) / "docs" / "sample-results.csv");
        std::ofstream(folder / "Hugo.csv", std::ios::binary) << sample;
        std::ofstream(folder / "Zoé.csv", std::ios::binary) << sample.substr(0, sample.find("\n2024-09-10"));
        EXPECT_EQ(progress::pupilfolder::add(folder, "Léa", computer), "");
    }
    PupilsWindowServices services(progress::PlayingPupil* playing)
    {
        PupilsWindowServices s;
        s.folder = folder;
        s.applications = fs::path(dir.path().toStdString()) / "applications";
        s.program = QStringLiteral("/usr/bin/tavelin-piano");
        s.playing = playing;
        s.computer = computer;
        return s;
    }
    QTemporaryDir dir;
    fs::path folder;
    const progress::Computer computer{"0123456789abcdef", "salle 2"};
};

bool allRead(PupilsWindow& w)
{
    return QTest::qWaitFor([&] { return w.model()->rowCount() > 0 && w.model()->filesRead() == w.model()->rowCount(); },
                           20000);
}

}  // namespace

TEST(PupilsWindow, EveryControlIsNamedAndTabReachesEachOne)
{
    Class c;
    PupilsWindow w(c.services(nullptr), nullptr);
    w.show();
    ASSERT_TRUE(allRead(w));
    w.choosePupil(QStringLiteral("Hugo"));
    QSet<QWidget*> focusable;
    for (QWidget* child : w.findChildren<QWidget*>()) {
        if (!child->isVisibleTo(&w) || child->focusPolicy() == Qt::NoFocus || child->focusProxy() != nullptr ||
            qobject_cast<QWidget*>(child->parent()) == nullptr || child->parent()->inherits("QAbstractScrollArea")) {
            continue;
        }
        if (child->inherits("QScrollBar") || child->inherits("QHeaderView") || child->inherits("QSplitterHandle")) {
            continue;
        }
        QAccessibleInterface* a = QAccessible::queryAccessibleInterface(child);
        ASSERT_NE(a, nullptr);
        EXPECT_FALSE(a->text(QAccessible::Name).isEmpty())
            << child->metaObject()->className() << " " << child->objectName().toStdString();
        if (child->isEnabled()) {
            focusable.insert(child);
        }
    }
    EXPECT_GE(focusable.size(), 12);
    // The chain from "Qui joue" round to itself passes every control once.
    QWidget* start = w.playingBox();
    QSet<QWidget*> reached;
    QWidget* at = start;
    for (int i = 0; i < 100; ++i) {
        reached.insert(at);
        at = at->nextInFocusChain();
        if (at == start) {
            break;
        }
    }
    for (QWidget* f : focusable) {
        EXPECT_TRUE(reached.contains(f)) << f->objectName().toStdString();
    }
}

TEST(PupilsWindow, F11OpensItAndThePupilChosenPlaysWithTheirSettings)
{
    Class c;
    // Léa plays only do 3 to sol 3, saved beside her results.
    ASSERT_EQ(progress::practice::write(c.folder / "Léa.ini", {false, exercise::NoteRange{60, 67}, {}}), "");
    progress::PlayingPupil playing({}, nullptr);
    testing_support::FormRig rig;
    std::unique_ptr<PupilsWindow> window;
    Form1Services services{
        rig.time, rig.midi, rig.messages, [](const QString&) {}, QCoreApplication::applicationDirPath(),
        3,        0,        &playing};
    services.noteRangeAtStart = [&playing] { return playing.noteRange(); };
    services.openPupils = [&] {
        if (!window) {
            window = std::make_unique<PupilsWindow>(c.services(&playing), nullptr);
        }
        window->show();
    };
    rig.form = std::make_unique<Form1>(services);
    Form1& f = *rig.form;
    QObject::connect(&playing, &progress::PlayingPupil::chosenChanged, &f,
                     [&] { f.setPlayingDescription(playing.description()); });
    rig.startUp();
    f.activateWindow();
    ASSERT_TRUE(QTest::qWaitFor([&] { return QApplication::activeWindow() == &f; }));
    const QRect geometry = f.geometry();
    QTest::keyClick(&f, Qt::Key_F11);
    ASSERT_TRUE(window);
    EXPECT_TRUE(window->isVisible());
    EXPECT_FALSE(window->isModal());
    ASSERT_TRUE(allRead(*window));

    // Léa chosen in "Qui joue" (Personne, Hugo, Léa, Zoé).
    QComboBox* who = window->playingBox();
    const int lea = who->findText(QStringLiteral("Léa"));
    ASSERT_GT(lea, 0);
    who->setCurrentIndex(lea);
    emit who->activated(lea);
    EXPECT_EQ(playing.chosen().name, QStringLiteral("Léa"));
    EXPECT_TRUE(f.accessibleDescription().startsWith(QStringLiteral("Élève : Léa")))
        << f.accessibleDescription().toStdString();
    f.showHelp();
    EXPECT_TRUE(f.helpWindow()->playingLabel()->text().contains(QStringLiteral("Léa")));
    EXPECT_EQ(f.windowTitle(), QStringLiteral("Tavelin Piano 3.03"));
    EXPECT_EQ(f.geometry(), geometry);

    // A run as Léa: every note inside her range, and her report drawn again.
    window->choosePupil(QStringLiteral("Léa"));
    QSignalSpy shown(window.get(), &PupilsWindow::reportShown);
    f.m_Click(1);
    std::set<int> notes;
    for (int i = 0; i < 6; ++i) {
        rig.time.advance(f.interval);
        notes.insert(f.curnote);
        f.keyDown(f.curnote);
        f.keyUp(f.curnote);
    }
    f.stop1_Click();
    for (int n : notes) {
        EXPECT_TRUE(n >= 60 && n <= 67) << n;
    }
    ASSERT_TRUE(QTest::qWaitFor(
        [&] {
            const int row = window->model()->rowOf(QStringLiteral("Léa"));
            const auto& r = window->model()->rows()[static_cast<std::size_t>(row)];
            return r.line && r.line->runs == 1;
        },
        10000));
    ASSERT_TRUE(QTest::qWaitFor([&] { return !shown.isEmpty(); }, 10000));
    EXPECT_FALSE(window->reportImage().isNull());
    playing.finish();
    window.reset();
}

TEST(PupilsWindow, ExportsTheReportPageAndNeverOverAResultsFile)
{
    Class c;
    PupilsWindow w(c.services(nullptr), nullptr);
    w.show();
    ASSERT_TRUE(allRead(w));
    QSignalSpy shown(&w, &PupilsWindow::reportShown);
    w.choosePupil(QStringLiteral("Hugo"));
    ASSERT_TRUE(QTest::qWaitFor(
        [&] { return !shown.isEmpty() && shown.last().at(0).toString() == QStringLiteral("Hugo"); }, 20000));
    const QString png = c.dir.filePath(QStringLiteral("hugo.png"));
    ASSERT_EQ(w.exportReport(png).toStdString(), "");
    std::string error;
    const auto summary = progress::readResultsFile((c.folder / "Hugo.csv").string(), &error);
    ASSERT_TRUE(summary);
    const QImage page = progress::reportpicture::render(*summary, QStringLiteral("Hugo.csv"));
    EXPECT_EQ(QImage(png).convertToFormat(QImage::Format_RGB32), page.convertToFormat(QImage::Format_RGB32))
        << "the page --report draws";

    const std::string before = readAll(c.folder / "Zoé.csv");
    const QString results = QString::fromStdString((c.folder / "Zoé.csv").string());
    // A results file under any name: itself, ./, a symbolic link, a hard link.
    for (const QString& target : {results, QString::fromStdString((c.folder / "." / "Zoé.csv").string())}) {
        EXPECT_FALSE(w.copyResults(target).isEmpty());
    }
    fs::create_symlink(c.folder / "Zoé.csv", c.folder / "link.pdf");
    fs::create_hard_link(c.folder / "Zoé.csv", c.folder / "hard.png");
    for (const char* name : {"link.pdf", "hard.png"}) {
        EXPECT_FALSE(w.exportReport(QString::fromStdString((c.folder / name).string())).isEmpty()) << name;
    }
    EXPECT_EQ(readAll(c.folder / "Zoé.csv"), before);

    EXPECT_FALSE(w.exportClass(c.dir.filePath(QStringLiteral("classe.pdf"))).isEmpty()) << "nobody ticked";
    for (int row = 0; row < w.model()->rowCount(); ++row) {
        w.model()->setData(w.model()->index(row, 0), Qt::Checked, Qt::CheckStateRole);
    }
    ASSERT_EQ(w.exportClass(c.dir.filePath(QStringLiteral("classe.pdf"))).toStdString(), "");
    EXPECT_TRUE(readAll(c.dir.filePath(QStringLiteral("classe.pdf")).toStdString()).starts_with("%PDF"));
    const QString copy = c.dir.filePath(QStringLiteral("copie.csv"));
    ASSERT_EQ(w.copyResults(copy).toStdString(), "");
    EXPECT_EQ(readAll(copy.toStdString()), readAll(c.folder / "Hugo.csv"));
}

// A pupil who played by ear and in a key: the report in view has the
// variants' page below the drill's, a screen reader is told they are there,
// and the exported PDF has both pages.
TEST(PupilsWindow, AReportWithVariantsShowsAndExportsTheirPage)
{
    Class c;
    std::string rows = std::string(progress::csv::fullHeader) + "\n";
    const char* kinds[][2] = {{"", ""}, {"ear", ""}, {"key", "2"}};
    const int notes[] = {60, 62, 64, 65};
    for (int run = 0; run < 3; ++run) {
        for (int place = 1; place <= 4; ++place) {
            rows += "2024-09-1" + std::to_string(run) + "T17:00:00+02:00,in-" + std::to_string(run) + ",6," +
                    std::to_string(place) + "," + std::to_string(notes[place - 1]) + ",treble,none,right,no,1500,," +
                    kinds[run][0] + "," + kinds[run][1] + ",\n";
        }
    }
    std::ofstream(c.folder / "Inès.csv", std::ios::binary) << rows;
    PupilsWindow w(c.services(nullptr), nullptr);
    w.show();
    ASSERT_TRUE(allRead(w));
    QSignalSpy shown(&w, &PupilsWindow::reportShown);
    w.choosePupil(QStringLiteral("Inès"));
    ASSERT_TRUE(QTest::qWaitFor(
        [&] { return !shown.isEmpty() && shown.last().at(0).toString() == QStringLiteral("Inès"); }, 20000));
    std::string error;
    const auto summary = progress::readResultsFile((c.folder / "Inès.csv").string(), &error);
    ASSERT_TRUE(summary) << error;
    ASSERT_EQ(summary->variants.size(), 2U);
    ASSERT_EQ(progress::reportpicture::pageCount(*summary), 2U);
    EXPECT_EQ(w.reportImage().size(),
              QSize(progress::reportpicture::size.width(), 2 * progress::reportpicture::size.height()));

    QString description;
    for (const QLabel* label : w.findChildren<QLabel*>()) {
        if (label->accessibleDescription().startsWith(QStringLiteral("Bilan de Inès"))) {
            description = label->accessibleDescription();
        }
    }
    EXPECT_EQ(description.toStdString(),
              "Bilan de Inès : 3 séances, 12 notes, 100\u00a0% justes ; variantes : À l'oreille, Armure : 2 dièses");

    const QString pdf = c.dir.filePath(QStringLiteral("inès.pdf"));
    ASSERT_EQ(w.exportReport(pdf).toStdString(), "");
    EXPECT_EQ(progress_testing::pdfPages(pdf.toStdString()), 2);
}

TEST(PupilsWindow, ImportingAddsARecordOnceAndRefusesAForeignFileChangingNothing)
{
    Class c;
    PupilsWindow w(c.services(nullptr), nullptr);
    w.show();
    ASSERT_TRUE(allRead(w));
    // Hugo's record, as another computer exported it, comes in as "Hugo B".
    const std::string sample = readAll(fs::path(TAVELIN_SOURCE_DIR) / "docs" / "sample-results.csv");
    const fs::path other = fs::path(c.dir.path().toStdString()) / "other";
    fs::create_directories(other);
    std::ofstream(other / "Hugo B.csv", std::ios::binary) << sample;
    const QString record = c.dir.filePath(QStringLiteral("hugo.txt"));
    ASSERT_EQ(progress::transfer::exportPupil(other, "Hugo B", record.toStdString()), "");

    ASSERT_EQ(w.importResults(record).toStdString(), "");
    ASSERT_TRUE(allRead(w));
    const int row = w.model()->rowOf(QStringLiteral("Hugo B"));
    ASSERT_GE(row, 0) << "the pupil the record names";
    EXPECT_EQ(w.model()->rows()[static_cast<std::size_t>(row)].line->runs,
              w.model()->rows()[static_cast<std::size_t>(w.model()->rowOf(QStringLiteral("Hugo")))].line->runs);
    EXPECT_EQ(w.current(), QStringLiteral("Hugo B")) << "and chosen";

    const std::string own = readAll(c.folder / "Hugo B" / (c.computer.id + ".csv"));
    ASSERT_EQ(w.importResults(record).toStdString(), "");
    EXPECT_EQ(readAll(c.folder / "Hugo B" / (c.computer.id + ".csv")), own) << "twice: nothing more";

    const QString foreign = c.dir.filePath(QStringLiteral("notes.csv"));
    std::ofstream(foreign.toStdString(), std::ios::binary) << "nom,note\nHugo,12\n";
    const std::string hugo = readAll(c.folder / "Hugo.csv");
    w.choosePupil(QStringLiteral("Hugo"));
    EXPECT_NE(w.importResults(foreign).toStdString(), "");
    EXPECT_EQ(readAll(c.folder / "Hugo.csv"), hugo);
    EXPECT_FALSE(fs::exists(c.folder / "Hugo")) << "nothing made for a file refused";
}

// What the modes run for a pupil: saved in the pupil's settings as the
// window sets it, shown again when the pupil is chosen, and played by
// whoever plays.
TEST(PupilsWindow, ThePupilsVariantIsSavedShownAndPlayed)
{
    Class c;
    progress::PlayingPupil playing({}, nullptr);
    PupilsWindow window(c.services(&playing), nullptr);
    window.show();
    ASSERT_TRUE(allRead(window));
    auto* variant = window.findChild<QComboBox*>(QStringLiteral("variant"));
    auto* key = window.findChild<QComboBox*>(QStringLiteral("key"));
    ASSERT_NE(variant, nullptr);
    ASSERT_NE(key, nullptr);

    window.choosePupil(QStringLiteral("Léa"));
    EXPECT_EQ(variant->currentIndex(), 0) << "the drill, as for every pupil at first";
    EXPECT_FALSE(key->isEnabled());
    variant->setCurrentIndex(2);
    EXPECT_TRUE(key->isEnabled());
    key->setCurrentIndex(key->findData(-2));
    std::string error;
    const auto saved = progress::practice::readPupil(c.folder, "Léa", &error);
    ASSERT_TRUE(saved) << error;
    EXPECT_EQ(saved->variant, (exercise::Variant{exercise::VariantKind::Key, -2}));

    window.choosePupil(QStringLiteral("Hugo"));
    EXPECT_EQ(variant->currentIndex(), 0);
    variant->setCurrentIndex(1);  // Hugo by ear
    // Then in phrases of six, with the C clefs.
    auto* phraseNotes = window.findChild<QSpinBox*>(QStringLiteral("phraseNotes"));
    auto* cClefs = window.findChild<QCheckBox*>(QStringLiteral("cClefs"));
    ASSERT_NE(phraseNotes, nullptr);
    ASSERT_NE(cClefs, nullptr);
    EXPECT_FALSE(phraseNotes->isEnabled());
    variant->setCurrentIndex(3);
    EXPECT_TRUE(phraseNotes->isEnabled());
    phraseNotes->setValue(6);
    cClefs->setChecked(true);
    const auto hugo = progress::practice::readPupil(c.folder, "Hugo", &error);
    ASSERT_TRUE(hugo) << error;
    EXPECT_EQ(hugo->variant, (exercise::Variant{exercise::VariantKind::Phrase, 0, false, 6, true}));
    window.choosePupil(QStringLiteral("Léa"));
    EXPECT_EQ(variant->currentIndex(), 2);
    EXPECT_EQ(key->currentData().toInt(), -2);
    EXPECT_FALSE(cClefs->isChecked());
    window.choosePupil(QStringLiteral("Hugo"));
    EXPECT_EQ(variant->currentIndex(), 3);
    EXPECT_EQ(phraseNotes->value(), 6);
    EXPECT_TRUE(cClefs->isChecked());
    window.choosePupil(QStringLiteral("Léa"));

    // Léa chosen to play: her key is what the modes run.
    QComboBox* who = window.playingBox();
    const int lea = who->findText(QStringLiteral("Léa"));
    who->setCurrentIndex(lea);
    emit who->activated(lea);
    playing.noteRange();  // the run's start settles the choice
    EXPECT_EQ(playing.variant(), (exercise::Variant{exercise::VariantKind::Key, -2}));
    playing.finish();
}
