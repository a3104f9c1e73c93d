#include "tests/support/pitchtrack.h"

#include <algorithm>
#include <cmath>

namespace testing_support {

namespace {

// The difference at the period found must be this small against its mean
// below that lag to count as a pitch (YIN's absolute threshold); with none
// below it, the deepest dip still counts if it is below the second value.
constexpr double dipThreshold = 0.15;
constexpr double weakDipThreshold = 0.35;
constexpr double onsetWindowMs = 10.0;
constexpr double onsetSearchBeforeMs = 30.0;
constexpr double onsetSearchAfterMs = 40.0;

struct Run {
    std::size_t first;  // frame index
    std::size_t count;
    int note;
};

double median(std::vector<double> values)
{
    if (values.empty()) {
        return 0.0;
    }
    const auto middle = values.begin() + static_cast<std::ptrdiff_t>(values.size() / 2);
    std::nth_element(values.begin(), middle, values.end());
    return *middle;
}

}  // namespace

int nearestNote(double frequency)
{
    return static_cast<int>(std::lround(69.0 + 12.0 * std::log2(frequency / 440.0)));
}

double estimatePitch(const float* samples, std::size_t count, double sampleRate, double lowestHz, double highestHz)
{
    const auto maxLag = static_cast<std::size_t>(sampleRate / lowestHz);
    const auto minLag = std::max<std::size_t>(2, static_cast<std::size_t>(sampleRate / highestHz));
    if (count < 2 * maxLag + 2 || minLag + 2 >= maxLag) {
        return 0.0;
    }
    const std::size_t width = count - maxLag - 1;
    std::vector<double> d(maxLag + 2, 0.0);
    for (std::size_t lag = 1; lag <= maxLag + 1; ++lag) {
        double sum = 0.0;
        for (std::size_t j = 0; j < width; ++j) {
            const double diff = double(samples[j]) - double(samples[j + lag]);
            sum += diff * diff;
        }
        d[lag] = sum;
    }
    // Normalised by the running mean, so that lag 0's trivial dip is gone and
    // one threshold serves loud and quiet sound alike.
    std::vector<double> n(maxLag + 2, 1.0);
    double running = 0.0;
    for (std::size_t lag = 1; lag <= maxLag + 1; ++lag) {
        running += d[lag];
        n[lag] = running > 0.0 ? d[lag] * static_cast<double>(lag) / running : 1.0;
    }
    std::size_t found = 0;
    for (std::size_t lag = minLag; lag <= maxLag; ++lag) {
        if (n[lag] < dipThreshold) {
            while (lag + 1 <= maxLag && n[lag + 1] < n[lag]) {
                ++lag;
            }
            found = lag;
            break;
        }
    }
    if (found == 0) {
        const auto deepest = std::min_element(n.begin() + static_cast<std::ptrdiff_t>(minLag),
                                              n.begin() + static_cast<std::ptrdiff_t>(maxLag + 1));
        if (*deepest > weakDipThreshold) {
            return 0.0;
        }
        found = static_cast<std::size_t>(deepest - n.begin());
    }
    // The dip's bottom between samples, from a parabola through its three.
    double lag = static_cast<double>(found);
    if (found > minLag && found < maxLag) {
        const double a = n[found - 1];
        const double b = n[found];
        const double c = n[found + 1];
        const double bend = a - 2.0 * b + c;
        if (bend > 0.0) {
            lag += 0.5 * (a - c) / bend;
        }
    }
    return sampleRate / lag;
}

std::vector<HeardNote> trackNotes(const std::vector<float>& samples, double sampleRate,
                                  const PitchTrackSettings& settings)
{
    const auto hop = static_cast<std::size_t>(sampleRate * settings.hopMs / 1000.0);
    const auto maxLag = static_cast<std::size_t>(sampleRate / settings.lowestHz);
    const std::size_t frameLength = static_cast<std::size_t>(sampleRate * settings.windowMs / 1000.0) + maxLag + 1;
    std::vector<HeardNote> notes;
    if (hop == 0 || samples.size() < frameLength) {
        return notes;
    }
    const std::size_t frames = (samples.size() - frameLength) / hop + 1;

    std::vector<double> level(frames, 0.0);
    for (std::size_t f = 0; f < frames; ++f) {
        double sum = 0.0;
        for (std::size_t j = 0; j < frameLength; ++j) {
            const double x = samples[f * hop + j];
            sum += x * x;
        }
        level[f] = std::sqrt(sum / static_cast<double>(frameLength));
    }
    const double loudest = *std::max_element(level.begin(), level.end());
    const double floor = loudest * std::pow(10.0, settings.silenceDb / 20.0);

    std::vector<int> noteOf(frames, -1);
    std::vector<double> pitchOf(frames, 0.0);
    for (std::size_t f = 0; f < frames; ++f) {
        if (loudest <= 0.0 || level[f] < floor) {
            continue;
        }
        const double pitch =
            estimatePitch(samples.data() + f * hop, frameLength, sampleRate, settings.lowestHz, settings.highestHz);
        if (pitch > 0.0) {
            pitchOf[f] = pitch;
            noteOf[f] = nearestNote(pitch);
        }
    }

    // Runs of one note; runs too short to be notes are dropped, and what they
    // split (one note with a glitch in it) is joined again.
    std::vector<Run> runs;
    for (std::size_t f = 0; f < frames; ++f) {
        if (noteOf[f] < 0) {
            continue;
        }
        if (!runs.empty() && runs.back().note == noteOf[f] && runs.back().first + runs.back().count == f) {
            ++runs.back().count;
        } else {
            runs.push_back({f, 1, noteOf[f]});
        }
    }
    const auto shortest = static_cast<std::size_t>(std::ceil(settings.shortestMs / settings.hopMs));
    std::vector<Run> kept;
    for (const Run& r : runs) {
        if (r.count < shortest) {
            continue;
        }
        if (!kept.empty() && kept.back().note == r.note &&
            r.first - (kept.back().first + kept.back().count) < shortest) {
            kept.back().count = r.first + r.count - kept.back().first;
        } else {
            kept.push_back(r);
        }
    }

    // The onset: where the sound of the next 10 ms is loudest against that
    // of the 10 ms before, stepping by 1 ms. Windows of whole periods, so
    // that a low note's phase does not look like a rise.
    std::vector<double> energySum(samples.size() + 1, 0.0);
    for (std::size_t i = 0; i < samples.size(); ++i) {
        energySum[i + 1] = energySum[i] + double(samples[i]) * double(samples[i]);
    }
    const auto span = static_cast<std::size_t>(sampleRate * onsetWindowMs / 1000.0);
    const auto step = std::max<std::size_t>(1, static_cast<std::size_t>(sampleRate / 1000.0));
    const auto energyAt = [&](std::size_t from) { return energySum[from + span] - energySum[from]; };

    for (const Run& r : kept) {
        const double runStartMs = static_cast<double>(r.first) * settings.hopMs;
        const auto toSample = [sampleRate](double ms) {
            return static_cast<std::size_t>(std::max(0.0, ms) * sampleRate / 1000.0);
        };
        std::size_t from = toSample(runStartMs - onsetSearchBeforeMs);
        const std::size_t to = std::min(samples.size() - span, toSample(runStartMs + onsetSearchAfterMs));
        double onsetMs = runStartMs;
        double sharpest = 0.0;
        for (; from < to; from += step) {
            // Before the first sample there is silence.
            const double before = from >= span ? energyAt(from - span) : energySum[from];
            const double rise = (energyAt(from) + 1e-9) / (before + 1e-9);
            if (rise > sharpest) {
                sharpest = rise;
                onsetMs = 1000.0 * static_cast<double>(from) / sampleRate;
            }
        }
        std::vector<double> pitches;
        for (std::size_t f = r.first; f < r.first + r.count; ++f) {
            if (noteOf[f] == r.note) {
                pitches.push_back(pitchOf[f]);
            }
        }
        notes.push_back({onsetMs, r.note, median(pitches), static_cast<double>(r.count) * settings.hopMs});
    }
    return notes;
}

}  // namespace testing_support
