#include "exercise/variantchoice.h"

#include "exercise/notechoice.h"

#include <algorithm>

namespace exercise {

std::vector<StaffClef> modeClefs(int mode, bool cClefs)
{
    switch (mode) {
    case 1:
    case 2:
        return {StaffClef::Treble};
    case 3:
    case 4:
        return {StaffClef::Bass};
    default:
        break;
    }
    if (cClefs) {
        return {StaffClef::Treble, StaffClef::Bass, StaffClef::Alto, StaffClef::Tenor};
    }
    return {StaffClef::Treble, StaffClef::Bass};
}

std::string writtenPrefix(StaffClef clef, keyboard::pitch::Accidental spelling)
{
    const bool flat = spelling == keyboard::pitch::Accidental::Flat;
    if (clef == StaffClef::Bass) {
        return flat ? "4" : "3";
    }
    return flat ? "2" : "1";
}

void VariantChooser::start(int mode, const Variant& variant, const std::optional<NoteRange>& range)
{
    if (variant.newKeyEachRun) {
        std::uniform_int_distribution<int> fifths(-mostFifths, mostFifths);
        m_key = *KeySignature::ofFifths(fifths(m_rng));
    } else {
        m_key = KeySignature::ofFifths(variant.kind == VariantKind::Key ? variant.fifths : 0).value_or(KeySignature());
    }
    m_clefs = modeClefs(mode, variant.cClefs);
    const std::vector<std::int16_t> keys = modeKeys(mode, range);
    m_notes.clear();
    if (keys.empty()) {
        return;
    }
    for (int note = keys.front(); note <= keys.back(); ++note) {
        if (m_key.contains(note) && !clefsFor(static_cast<std::int16_t>(note)).empty()) {
            m_notes.push_back(static_cast<std::int16_t>(note));
        }
    }
    m_last = 0;
}

std::vector<StaffClef> VariantChooser::clefsFor(std::int16_t note) const
{
    std::vector<StaffClef> out;
    const bool both = std::count(m_clefs.begin(), m_clefs.end(), StaffClef::Bass) > 0 &&
                      std::count(m_clefs.begin(), m_clefs.end(), StaffClef::Treble) > 0;
    for (const StaffClef clef : m_clefs) {
        if (!keyboard::pitch::clefRange(clef).contains(note)) {
            continue;
        }
        // Where the treble and bass clefs meet, the drill's rule: treble
        // from middle C up, bass below.
        if (both && ((clef == StaffClef::Treble && note < keyboard::pitch::middleC) ||
                     (clef == StaffClef::Bass && note >= keyboard::pitch::middleC))) {
            continue;
        }
        out.push_back(clef);
    }
    return out;
}

VariantNote VariantChooser::next()
{
    if (m_notes.empty()) {
        return {};
    }
    std::vector<std::int16_t> pool;
    std::copy_if(m_notes.begin(), m_notes.end(), std::back_inserter(pool),
                 [this](std::int16_t n) { return n != m_last; });
    if (pool.empty()) {
        pool = m_notes;
    }
    std::uniform_int_distribution<std::size_t> pick(0, pool.size() - 1);
    const std::int16_t note = pool[pick(m_rng)];
    m_last = note;
    const std::vector<StaffClef> clefs = clefsFor(note);
    std::uniform_int_distribution<std::size_t> clef(0, clefs.size() - 1);
    return {note, clefs.size() == 1 ? clefs.front() : clefs[clef(m_rng)]};
}

}  // namespace exercise
