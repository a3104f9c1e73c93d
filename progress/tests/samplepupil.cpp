// tavelin-samplepupil OUT.csv [VARIANTS.csv VARIANTS.png]: the sample results
// file of the docs. A pupil, simulated from a fixed seed, works through twenty
// runs over a month in the real window on the virtual clock: the rows are
// what --results writes. Each run is a new session of the program, on its
// own day. Given the other two paths, the same pupil then plays the next
// weeks by ear and in two keys into VARIANTS.csv, and the report's page of
// those variants is drawn into VARIANTS.png.
//
// The pupil gets better run after run; notes on ledger lines, with signs, or
// in the bass clef (early on) are harder; a few notes are weak spots. Wrong
// keys are mostly a neighbouring line or space, then a missed sign, then the
// octave. Rebuild the docs with: ninja tavelin_progress_sample.
#include "picture/fonts.h"
#include "progress/reportpicture.h"
#include "progress/results.h"
#include "progress/statistics.h"
#include "progress/tests/progressrig.h"

#include <QApplication>
#include <QDate>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <map>
#include <random>

namespace {

constexpr std::uint32_t seed = 20240902;
constexpr int runCount = 20;
constexpr int speed3AnswerMs = 3800;  // the answer time at the speed bar's default

struct RunPlan {
    int day;  // after Monday 2 September 2024
    int mode;
    bool sound;
    int stopAt;  // place of the note during whose sound the pupil stops; 0 to play to the end
    exercise::Variant variant = {};
};

constexpr RunPlan plan[runCount] = {
    {0, 1, false, 0},  {1, 1, false, 0},  {3, 1, true, 0},   {4, 1, false, 0},  {7, 1, false, 0},
    {8, 3, false, 0},  {9, 3, true, 0},   {11, 3, false, 0}, {14, 3, false, 0}, {15, 5, false, 0},
    {16, 5, true, 27}, {18, 5, false, 0}, {21, 2, false, 0}, {22, 2, true, 0},  {23, 2, false, 0},
    {25, 2, false, 0}, {28, 6, false, 0}, {29, 6, false, 0}, {30, 6, true, 0},  {32, 6, false, 0},
};

// The weeks after: by ear (heard first), in D major and in B flat major.
constexpr exercise::Variant byEar{exercise::VariantKind::Ear};
constexpr exercise::Variant dMajor{exercise::VariantKind::Key, 2};
constexpr exercise::Variant bFlatMajor{exercise::VariantKind::Key, -2};
constexpr int variantRunCount = 6;
constexpr RunPlan variantPlan[variantRunCount] = {
    {35, 1, true, 0, byEar}, {36, 5, false, 0, dMajor}, {37, 6, false, 0, bFlatMajor},
    {39, 1, true, 0, byEar}, {42, 5, false, 0, dMajor}, {43, 6, false, 0, bFlatMajor},
};

// Notes this pupil finds harder than the rest: the extra chance of a miss.
const std::map<std::pair<art::Clef, int>, double> weakSpots = {
    {{art::Clef::Treble, 81}, 0.25},  // la 4, first ledger line up
    {{art::Clef::Treble, 84}, 0.2},   // do 5
    {{art::Clef::Treble, 53}, 0.15},  // fa 2, below the ledger lines
    {{art::Clef::Bass, 40}, 0.25},    // mi 1
    {{art::Clef::Bass, 57}, 0.2},     // la 2, the top line
    {{art::Clef::Bass, 62}, 0.15},    // ré 3, above the staff
};

bool onPiano(int key)
{
    return key >= 36 && key <= 89;
}

class Pupil {
public:
    explicit Pupil(std::mt19937& rng) : m_rng(rng) {}

    // What the pupil does with a note in run number run (0 based): the keys
    // to press, in order, with their times after the tick; the last is the
    // right one if the answer is right.
    std::vector<std::pair<std::uint32_t, int>> answer(int run, int note, art::Clef clef, art::Accidental sign,
                                                      bool sounded)
    {
        const double progress = std::min(1.0, run / static_cast<double>(runCount - 1));
        const int ledgers = static_cast<int>(art::pitch::ledgerSteps(clef, note, sign).size());
        double chance = 0.66 + 0.28 * progress;
        chance -= 0.07 * ledgers;
        chance -= sign == art::Accidental::Flat ? 0.12 : sign == art::Accidental::Sharp ? 0.07 : 0.0;
        chance -= clef == art::Clef::Bass ? 0.12 * (1.0 - progress) : 0.0;
        if (const auto weak = weakSpots.find({clef, note}); weak != weakSpots.end()) {
            chance -= weak->second;
        }
        chance = std::clamp(chance, 0.12, 0.98);

        std::vector<std::pair<std::uint32_t, int>> keys;
        const double medianMs = 2300.0 - 950.0 * progress + 260.0 * ledgers +
                                (sign != art::Accidental::None ? 320.0 : 0.0) + (sounded ? 250.0 : 0.0);
        std::lognormal_distribution<double> time(std::log(medianMs), 0.28);
        const auto rightAt = static_cast<std::uint32_t>(std::clamp(time(m_rng), 380.0, 9999.0));
        const bool right = uniform() < chance && rightAt < speed3AnswerMs - 60;
        if (right) {
            if (uniform() < 0.32 * (1.0 - 0.5 * progress)) {
                keys.emplace_back(rightAt * 6 / 10, wrongKey(note, sign));
            }
            keys.emplace_back(rightAt, note);
        } else if (uniform() < 0.65) {
            const int presses = uniform() < 0.3 ? 2 : 1;
            for (int i = 0; i < presses; ++i) {
                keys.emplace_back(static_cast<std::uint32_t>(900 + 1100 * i + 400 * uniform()), wrongKey(note, sign));
            }
        }
        return keys;
    }

private:
    double uniform() { return std::uniform_real_distribution<double>(0.0, 1.0)(m_rng); }

    // A wrong key: mostly a neighbouring line or space, then a missed or
    // added sign, then the octave, now and then something else.
    int wrongKey(int note, art::Accidental sign)
    {
        const int letter = art::pitch::writtenKey(note, sign);
        const double pick = uniform();
        std::vector<int> candidates;
        if (pick < 0.5) {
            for (const int d : {-2, -1, 1, 2}) {
                if (!art::pitch::isBlackKey(letter + d) &&
                    progress::classifyMistake(note, sign, letter + d) == progress::MistakeKind::Step) {
                    candidates.push_back(letter + d);
                }
            }
        } else if (pick < 0.75) {
            for (const int d : {-1, 0, 1}) {
                if (letter + d != note &&
                    progress::classifyMistake(note, sign, letter + d) == progress::MistakeKind::Accidental) {
                    candidates.push_back(letter + d);
                }
            }
        } else if (pick < 0.9) {
            candidates = {note - 12, note + 12};
        } else {
            candidates = {note - 5, note + 5, note - 7, note + 7};
        }
        candidates.erase(std::remove_if(candidates.begin(), candidates.end(), [](int k) { return !onPiano(k); }),
                         candidates.end());
        if (candidates.empty()) {
            return note + (note < 60 ? 2 : -2);
        }
        return candidates[std::uniform_int_distribution<std::size_t>(0, candidates.size() - 1)(m_rng)];
    }

    std::mt19937& m_rng;
};

std::string sessionId(std::mt19937& rng)
{
    char text[9];
    std::snprintf(text, sizeof text, "%08x", static_cast<unsigned>(rng()));
    return text;
}

// Plays the runs of plan into the results file at path, run number first
// onwards; the number of messages of failure.
int playRuns(const std::string& path, const RunPlan* plan, int runs, int first, Pupil& pupil, std::mt19937& rng)
{
    int failures = 0;
    for (int run = 0; run < runs; ++run) {
        const RunPlan& p = plan[run];
        std::uniform_int_distribution<int> minute(0, 50);
        const QString started = QDate(2024, 9, 2).addDays(p.day).toString(QStringLiteral("yyyy-MM-dd")) +
                                QStringLiteral("T17:%1:00+02:00").arg(minute(rng), 2, 10, QLatin1Char('0'));
        progress::ResultsRecorder recorder(
            std::make_unique<progress::ResultsFile>(path),
            [&failures](const std::string& m) {
                std::fprintf(stderr, "%s\n", m.c_str());
                ++failures;
            },
            [started] { return started.toStdString(); }, sessionId(rng));
        if (const std::string error = recorder.check(); !error.empty()) {
            std::fprintf(stderr, "%s\n", error.c_str());
            return failures + 1;
        }
        progress_testing::Spy spy(recorder);
        const bool sound = exercise::soundsFirst(p.variant, p.sound);  // by ear, always
        progress_testing::ObservedRig rig(spy, p.sound, rng());
        if (!p.variant.isDrill()) {
            rig.form->setVariants(p.variant);
        }
        spy.setOnNote([&](int place, int note, const std::string& prefix) {
            const auto written = exercise::writtenFromPrefix(prefix, note);
            if (!written) {
                return;
            }
            if (place == p.stopAt) {
                rig.time.at(150, [&rig] { rig.form->stop1_Click(); });
                return;
            }
            for (const auto& [at, key] : pupil.answer(first + run, note, written->clef, written->accidental, sound)) {
                rig.time.at(at, [&rig, key = key] { rig.press(key); });
            }
        });
        rig.playWholeRun(p.mode);
    }
    return failures;
}

// The report's second page, the variants', for the results file at csv.
bool drawVariantsPage(const std::string& csv, const QString& png)
{
    QString why;
    if (!art::fonts::load(&why)) {
        std::fprintf(stderr, "%s\n", why.toLocal8Bit().constData());
        return false;
    }
    std::string error;
    const std::optional<progress::ResultsSummary> summary = progress::readResultsFile(csv, &error);
    if (!summary || progress::reportpicture::pageCount(*summary) < 2) {
        std::fprintf(stderr, "%s: no variants' page %s\n", csv.c_str(), error.c_str());
        return false;
    }
    QImage page = progress::reportpicture::paper();
    QPainter painter(&page);
    progress::reportpicture::paintPage(painter, *summary, QFileInfo(QString::fromStdString(csv)).fileName(), 1);
    painter.end();
    return page.save(png);
}

}  // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    if (argc != 2 && argc != 4) {
        std::fprintf(stderr, "usage: tavelin-samplepupil OUT.csv [VARIANTS.csv VARIANTS.png]\n");
        return 2;
    }
    QFile::remove(QString::fromLocal8Bit(argv[1]));
    std::mt19937 rng(seed);
    Pupil pupil(rng);
    int failures = playRuns(argv[1], plan, runCount, 0, pupil, rng);
    if (argc == 4) {
        QFile::remove(QString::fromLocal8Bit(argv[2]));
        failures += playRuns(argv[2], variantPlan, variantRunCount, runCount, pupil, rng);
        failures += drawVariantsPage(argv[2], QString::fromLocal8Bit(argv[3])) ? 0 : 1;
    }
    return failures == 0 ? 0 : 1;
}
