#include "exercise/notechoice.h"

#include <algorithm>
#include <array>

namespace exercise {

namespace {

using keyboard::pitch::middleC;
constexpr int trebleLow = keyboard::pitch::trebleRange.lowest;
constexpr int trebleHigh = keyboard::pitch::trebleRange.highest;
constexpr int bassLow = keyboard::pitch::bassRange.lowest;
constexpr int bassHigh = keyboard::pitch::bassRange.highest;

std::vector<std::int16_t> keysBetween(int low, int high, bool blackToo)
{
    std::vector<std::int16_t> keys;
    for (int n = low; n <= high; ++n) {
        if (blackToo || !isBlackKey(n)) {
            keys.push_back(static_cast<std::int16_t>(n));
        }
    }
    return keys;
}

// The ways a mode writes one of its keys: one, or two (sharps then flats,
// bass then treble clef).
struct Writings {
    std::array<const char*, 2> prefix{};
    int count = 0;
};

Writings writings(int mode, int note)
{
    Writings out;
    const bool black = isBlackKey(note);
    const bool treble = note >= trebleLow;
    const bool bass = note <= bassHigh;
    auto add = [&](const char* prefix) { out.prefix[static_cast<std::size_t>(out.count++)] = prefix; };
    switch (mode) {
    case 1:
        add("1");
        break;
    case 2:
        add("1");
        if (black) {
            add("2");
        }
        break;
    case 3:
        add("3");
        break;
    case 4:
        add("3");
        if (black) {
            add("4");
        }
        break;
    case 5:
        if (bass) {
            add("3");
        }
        if (treble) {
            add("1");
        }
        break;
    case 6:
        if (note >= middleC) {
            add("1");
            if (black) {
                add("2");
            }
        } else {
            add("3");
            if (black) {
                add("4");
            }
        }
        break;
    default:
        break;
    }
    return out;
}

}  // namespace

std::vector<std::int16_t> modeKeys(int mode)
{
    switch (mode) {
    case 1:
        return keysBetween(trebleLow, trebleHigh, false);
    case 2:
        return keysBetween(trebleLow, trebleHigh, true);
    case 3:
        return keysBetween(bassLow, bassHigh, false);
    case 4:
        return keysBetween(bassLow, bassHigh, true);
    case 5:
        return keysBetween(bassLow, trebleHigh, false);
    case 6:
        return keysBetween(bassLow, trebleHigh, true);
    default:
        return {};
    }
}

std::vector<std::int16_t> modeKeys(int mode, const std::optional<NoteRange>& range)
{
    std::vector<std::int16_t> keys = modeKeys(mode);
    if (range) {
        std::erase_if(keys, [&](std::int16_t key) { return !range->contains(key); });
    }
    return keys;
}

int modeLeftShort(const NoteRange& range)
{
    for (int mode = firstMode; mode <= lastMode; ++mode) {
        if (modeKeys(mode, range).size() < fewestKeys) {
            return mode;
        }
    }
    return 0;
}

std::vector<NoteChoice> modeChoices(int mode)
{
    std::vector<NoteChoice> out;
    for (const std::int16_t note : modeKeys(mode)) {
        const Writings ways = writings(mode, note);
        for (int i = 0; i < ways.count; ++i) {
            out.push_back({note, ways.prefix[static_cast<std::size_t>(i)]});
        }
    }
    return out;
}

bool NoteChooser::coin()
{
    return std::uniform_int_distribution<int>(0, 1)(m_rng) == 1;
}

// One of the ways the mode writes the note, as modeChoices() lists them: of
// two, the coin picks the second.
std::string NoteChooser::writtenAs(int mode, std::int16_t note)
{
    const Writings ways = writings(mode, note);
    if (ways.count == 0) {
        return "";
    }
    return ways.count > 1 && coin() ? ways.prefix[1] : ways.prefix[0];
}

NoteChoice NoteChooser::choose(int mode)
{
    if (m_range || m_records) {
        return chooseAdapted(mode);
    }
    if (mode == 1) {
        return {m_treble.randomnote(), "1"};
    }
    const std::vector<std::int16_t> keys = modeKeys(mode);
    if (keys.empty()) {
        return {};
    }
    // Uniform over the keys other than the one shown last.
    const auto last = std::find(keys.begin(), keys.end(), m_lastKey);
    const int candidates = static_cast<int>(keys.size()) - (last != keys.end() ? 1 : 0);
    int pick = std::uniform_int_distribution<int>(0, candidates - 1)(m_rng);
    if (last != keys.end() && pick >= static_cast<int>(last - keys.begin())) {
        ++pick;
    }
    const std::int16_t note = keys[static_cast<std::size_t>(pick)];
    m_lastKey = note;
    return {note, writtenAs(mode, note)};
}

// The draw with a range or the pupil's records: the same keys (those of the
// range), the same memory of the note shown last (mode 1 keeps its table
// index in lastpick, the others the key), weighted when there are records.
NoteChoice NoteChooser::chooseAdapted(int mode)
{
    if (m_planMode != mode) {
        m_planKeys = modeKeys(mode, m_range);
        m_planWeights = m_records ? focusWeights(m_planKeys, *m_records) : std::vector<double>(m_planKeys.size(), 1.0);
        m_planMode = mode;
    }
    const std::vector<std::int16_t>& keys = m_planKeys;
    if (keys.empty()) {
        return {};
    }
    const std::int16_t lastKey = mode == 1 ? trebleWhiteKeys[static_cast<std::size_t>(m_treble.lastpick)] : m_lastKey;
    std::optional<std::size_t> exclude;
    if (const auto last = std::find(keys.begin(), keys.end(), lastKey); last != keys.end()) {
        exclude = static_cast<std::size_t>(last - keys.begin());
    }
    const std::int16_t note = keys[weightedPick(m_planWeights, exclude, m_rng)];
    if (mode == 1) {
        const auto at = std::find(trebleWhiteKeys.begin(), trebleWhiteKeys.end(), note);
        m_treble.lastpick = static_cast<std::int16_t>(at - trebleWhiteKeys.begin());
    } else {
        m_lastKey = note;
    }
    return {note, writtenAs(mode, note)};
}

}  // namespace exercise
