#include "exercise/focus.h"

#include "keyboard/pitch.h"

#include <QString>

#include <algorithm>
#include <charconv>
#include <numeric>
#include <string>

namespace exercise {

double difficulty(const NoteRecord& r)
{
    const double trouble = r.missed + focus::wrongWeight * r.wrong + focus::slowWeight * r.slow;
    return std::clamp((trouble + focus::priorMisses) / (r.asked + focus::priorAsked), 0.0, 1.0);
}

std::vector<double> focusWeights(const std::vector<std::int16_t>& keys, const NoteRecords& records)
{
    std::vector<double> weights;
    if (keys.empty()) {
        return weights;
    }
    weights.reserve(keys.size());
    for (const std::int16_t key : keys) {
        const auto it = records.find(key);
        weights.push_back(difficulty(it == records.end() ? NoteRecord{} : it->second));
    }
    const double total = std::accumulate(weights.begin(), weights.end(), 0.0);
    const double even = 1.0 / static_cast<double>(keys.size());
    for (double& w : weights) {
        // A total of 0 cannot happen with the prior, but leaves an even draw if it did.
        const double share = total > 0.0 ? w / total : even;
        w = focus::floorShare * even + (1.0 - focus::floorShare) * share;
    }
    return weights;
}

std::size_t weightedPick(const std::vector<double>& weights, std::optional<std::size_t> exclude, std::mt19937& rng)
{
    if (weights.size() < 2) {
        return 0;
    }
    double total = 0.0;
    for (std::size_t i = 0; i < weights.size(); ++i) {
        if (i != exclude) {
            total += weights[i];
        }
    }
    if (total <= 0.0) {
        // Nothing weighs: every index but the excluded one is as likely.
        const std::size_t candidates = weights.size() - (exclude && *exclude < weights.size() ? 1 : 0);
        std::size_t pick = std::uniform_int_distribution<std::size_t>(0, candidates - 1)(rng);
        if (exclude && pick >= *exclude) {
            ++pick;
        }
        return pick;
    }
    const double r = std::uniform_real_distribution<double>(0.0, total)(rng);
    double sum = 0.0;
    std::size_t last = 0;
    for (std::size_t i = 0; i < weights.size(); ++i) {
        if (i == exclude || weights[i] <= 0.0) {
            continue;
        }
        sum += weights[i];
        last = i;
        if (r < sum) {
            return i;
        }
    }
    return last;  // r landed on the total itself through rounding
}

namespace {

// Case folded the Unicode way (every capital, "É" and "È" as "A"), the
// spaces taken out.
std::string lowered(std::string_view text)
{
    const QString folded = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())).toCaseFolded();
    std::string out = folded.toUtf8().toStdString();
    std::erase(out, ' ');
    return out;
}

bool eat(std::string_view& text, std::string_view word)
{
    if (text.substr(0, word.size()) == word) {
        text.remove_prefix(word.size());
        return true;
    }
    return false;
}

// Digits only, as a number; one too large for any note reads as 1000.
std::optional<int> number(std::string_view text)
{
    if (text.empty() || text.find_first_not_of("0123456789") != std::string_view::npos) {
        return std::nullopt;
    }
    const std::size_t first = std::min(text.find_first_not_of('0'), text.size());
    if (text.size() - first > 3) {
        return 1000;
    }
    int value = 0;
    std::from_chars(text.data() + first, text.data() + text.size(), value);
    return value;
}

// The note text names, whether or not it is one of 0 to 127.
std::optional<int> noteValue(std::string_view original)
{
    const std::string text = lowered(original);
    std::string_view rest = text;
    if (const auto midi = number(rest)) {
        return midi;
    }
    // The letters as they are printed, and "ré" without its accent too.
    int semitone = -1;
    for (std::size_t letter = 0; letter < keyboard::pitch::frenchLetters.size(); ++letter) {
        if (eat(rest, keyboard::pitch::frenchLetters[letter])) {
            semitone = keyboard::pitch::letterPitchClasses[letter];
            break;
        }
    }
    if (semitone < 0 && eat(rest, "re")) {
        semitone = keyboard::pitch::letterPitchClasses[1];
    }
    if (semitone < 0) {
        return std::nullopt;
    }
    if (eat(rest, "#") || eat(rest, "\xe2\x99\xaf") || eat(rest, keyboard::pitch::frenchSharp) || eat(rest, "diese")) {
        ++semitone;
    } else if (eat(rest, "\xe2\x99\xad") || eat(rest, keyboard::pitch::frenchFlat) || eat(rest, "bemol") ||
               eat(rest, "b")) {
        --semitone;
    }
    const auto octave = number(rest);
    if (!octave) {
        return std::nullopt;
    }
    // French octaves: middle C (60) is do 3, so do 0 is 24.
    return keyboard::pitch::fromFrenchOctave(semitone, *octave);
}

bool isNote(int value)
{
    return value >= 0 && value <= 127;
}

}  // namespace

std::optional<int> parseNoteName(std::string_view text)
{
    const std::optional<int> value = noteValue(text);
    return value && isNote(*value) ? value : std::nullopt;
}

NoteRangeRead readNoteRange(std::string_view text, const keyboard::naming::Naming* naming)
{
    const std::size_t dash = text.find('-');
    if (dash == std::string_view::npos) {
        return {std::nullopt, RangeFault::NotARange};
    }
    // A number or a French name, else a name of the language asked for.
    const auto value = [naming](std::string_view note) {
        const std::optional<int> french = noteValue(note);
        if (french || naming == nullptr) {
            return french;
        }
        const std::size_t first = std::min(note.find_first_not_of(' '), note.size());
        const std::size_t last = note.find_last_not_of(' ');
        return keyboard::naming::parseNoteName(
            note.substr(first, last == std::string_view::npos ? 0 : last + 1 - first), *naming);
    };
    const auto low = value(text.substr(0, dash));
    const auto high = value(text.substr(dash + 1));
    if (!low || !high) {
        return {std::nullopt, RangeFault::NotARange};
    }
    if (!isNote(*low) || !isNote(*high)) {
        return {std::nullopt, RangeFault::OutOfRange};
    }
    if (*low > *high) {
        return {std::nullopt, RangeFault::HighFirst};
    }
    return {NoteRange{*low, *high}, RangeFault::None};
}

std::optional<NoteRange> parseNoteRange(std::string_view text, const keyboard::naming::Naming* naming)
{
    return readNoteRange(text, naming).range;
}

}  // namespace exercise
