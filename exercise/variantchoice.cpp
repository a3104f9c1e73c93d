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

NoteChoice choiceIn(StaffClef clef, std::int16_t note, keyboard::pitch::Accidental spelling)
{
    if (!keyboard::pitch::isCClef(clef)) {
        return {note, writtenPrefix(clef, spelling)};
    }
    return {note, writtenPrefix(keyboard::pitch::staffClef(keyboard::pitch::clefBySide(note)), spelling), clef};
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
    m_notes = keyNotes(modeKeys(mode, range));
    if (m_notes.size() < fewestKeys) {
        // A teacher's range that holds (almost) none of the key's notes:
        // the mode's whole span, rather than a run of one note or none.
        m_notes = keyNotes(modeKeys(mode));
    }
    m_last = 0;
}

std::vector<std::int16_t> VariantChooser::keyNotes(const std::vector<std::int16_t>& keys) const
{
    std::vector<std::int16_t> notes;
    if (keys.empty()) {
        return notes;
    }
    for (int note = keys.front(); note <= keys.back(); ++note) {
        if (m_key.contains(note) && !clefsFor(static_cast<std::int16_t>(note)).empty()) {
            notes.push_back(static_cast<std::int16_t>(note));
        }
    }
    return notes;
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

std::int16_t VariantChooser::draw(const std::vector<std::int16_t>& among)
{
    const auto last = std::find(among.begin(), among.end(), m_last);
    const std::optional<std::size_t> exclude =
        last == among.end() ? std::nullopt : std::optional(static_cast<std::size_t>(last - among.begin()));
    const std::vector<double> weights =
        m_focus ? focusWeights(among, *m_focus) : std::vector<double>(among.size(), 1.0);
    m_last = among[weightedPick(weights, exclude, m_rng)];
    return m_last;
}

VariantNote VariantChooser::next()
{
    if (m_notes.empty()) {
        return {};
    }
    const std::int16_t note = draw(m_notes);
    const std::vector<StaffClef> clefs = clefsFor(note);
    std::uniform_int_distribution<std::size_t> clef(0, clefs.size() - 1);
    return {note, clefs.size() == 1 ? clefs.front() : clefs[clef(m_rng)]};
}

VariantChooser::Phrase VariantChooser::nextPhrase(int count)
{
    Phrase phrase;
    if (m_notes.empty() || count < 1) {
        return phrase;
    }
    const VariantNote first = next();
    phrase.clef = first.clef;
    phrase.notes.push_back(first.note);
    std::vector<std::int16_t> inClef;
    for (const std::int16_t n : m_notes) {
        const std::vector<StaffClef> clefs = clefsFor(n);
        if (std::find(clefs.begin(), clefs.end(), phrase.clef) != clefs.end()) {
            inClef.push_back(n);
        }
    }
    while (static_cast<int>(phrase.notes.size()) < count && inClef.size() > 1) {
        phrase.notes.push_back(draw(inClef));
    }
    return phrase;
}

StaffClef VariantChooser::clefOf(std::int16_t note, StaffClef drillClef)
{
    std::vector<StaffClef> clefs = {drillClef};
    for (const StaffClef clef : m_clefs) {
        if (keyboard::pitch::isCClef(clef) && keyboard::pitch::clefRange(clef).contains(note)) {
            clefs.push_back(clef);
        }
    }
    std::uniform_int_distribution<std::size_t> pick(0, clefs.size() - 1);
    return clefs[pick(m_rng)];
}

}  // namespace exercise
