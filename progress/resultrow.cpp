#include "progress/resultrow.h"

#include "keyboard/pitch.h"

#include <algorithm>
#include <array>
#include <charconv>

namespace progress {

namespace {

constexpr std::array<std::string_view, 4> outcomeNames = {"right", "missed", "stopped", "unshown"};
constexpr int highestMidiNote = 127;

std::string_view clefName(const NoteResult& row)
{
    if (row.cClef == keyboard::pitch::StaffClef::Alto) {
        return "alto";
    }
    if (row.cClef == keyboard::pitch::StaffClef::Tenor) {
        return "tenor";
    }
    return row.clef == art::Clef::Treble ? "treble" : "bass";
}

std::string_view accidentalName(art::Accidental accidental)
{
    switch (accidental) {
    case art::Accidental::Sharp:
        return "sharp";
    case art::Accidental::Flat:
        return "flat";
    case art::Accidental::None:
        break;
    }
    return "none";
}

// A whole field as a number in [low, high]; nothing for anything else.
template<typename Int>
std::optional<Int> number(std::string_view field, Int low, Int high)
{
    Int value{};
    const char* end = field.data() + field.size();
    const auto [ptr, ec] = std::from_chars(field.data(), end, value);
    if (field.empty() || ec != std::errc() || ptr != end || value < low || value > high) {
        return std::nullopt;
    }
    return value;
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

// yyyy-MM-ddTHH:mm:ss, then nothing, Z, or an offset +HH:mm / -HH:mm.
bool isIsoDateTime(std::string_view s)
{
    constexpr std::string_view shape = "dddd-dd-ddTdd:dd:dd";
    if (s.size() < shape.size()) {
        return false;
    }
    for (std::size_t i = 0; i < shape.size(); ++i) {
        if (shape[i] == 'd' ? !isDigit(s[i]) : s[i] != shape[i]) {
            return false;
        }
    }
    auto two = [&s](std::size_t at) { return (s[at] - '0') * 10 + (s[at + 1] - '0'); };
    const int year = two(0) * 100 + two(2);
    const int month = two(5);
    const int day = two(8);
    if (year < 1970 || month < 1 || month > 12 || day < 1 || two(11) > 23 || two(14) > 59 || two(17) > 59) {
        return false;
    }
    constexpr std::array<int, 12> monthDays = {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    if (day > monthDays[static_cast<std::size_t>(month - 1)] || (month == 2 && day == 29 && !leap)) {
        return false;
    }
    const std::string_view zone = s.substr(shape.size());
    if (zone.empty() || zone == "Z") {
        return true;
    }
    return zone.size() == 6 && (zone[0] == '+' || zone[0] == '-') && isDigit(zone[1]) && isDigit(zone[2]) &&
           zone[3] == ':' && isDigit(zone[4]) && isDigit(zone[5]);
}

bool isRunId(std::string_view s)
{
    if (s.empty() || s.size() > 64) {
        return false;
    }
    for (const char c : s) {
        const bool ok =
            isDigit(c) || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '-' || c == '_' || c == '.';
        if (!ok) {
            return false;
        }
    }
    return true;
}

std::optional<std::vector<WrongKey>> parseWrongKeys(std::string_view field)
{
    std::vector<WrongKey> keys;
    while (!field.empty()) {
        const std::size_t space = field.find(' ');
        const std::string_view item = field.substr(0, space);
        const std::size_t colon = item.find(':');
        if (colon == std::string_view::npos) {
            return std::nullopt;
        }
        const auto key = number<int>(item.substr(0, colon), 0, highestMidiNote);
        const auto kind = mistakeFromName(item.substr(colon + 1));
        if (!key || !kind) {
            return std::nullopt;
        }
        keys.push_back({*key, *kind});
        if (space == std::string_view::npos) {
            break;
        }
        field.remove_prefix(space + 1);
        if (field.empty()) {
            return std::nullopt;  // a trailing space: not what the writer makes
        }
    }
    return keys;
}

// The clef and the sign of r's note: a white key is written plain and a
// black key always carries its sign.
bool readWriting(std::string_view clef, std::string_view accidental, NoteResult& r)
{
    if (clef == "treble") {
        r.clef = art::Clef::Treble;
    } else if (clef == "bass") {
        r.clef = art::Clef::Bass;
    } else if (clef == "alto" || clef == "tenor") {
        r.cClef = clef == "alto" ? keyboard::pitch::StaffClef::Alto : keyboard::pitch::StaffClef::Tenor;
        r.clef = keyboard::pitch::clefBySide(r.note);
    } else {
        return false;
    }
    if (accidental == "none") {
        r.accidental = art::Accidental::None;
    } else if (accidental == "sharp") {
        r.accidental = art::Accidental::Sharp;
    } else if (accidental == "flat") {
        r.accidental = art::Accidental::Flat;
    } else {
        return false;
    }
    return (r.accidental == art::Accidental::None) != art::pitch::isBlackKey(r.note);
}

// The outcome, whether it sounded, and the response time of a right one
// only.
bool readOutcome(std::string_view outcome, std::string_view sounded, std::string_view ms, NoteResult& r)
{
    const auto known = std::find(outcomeNames.begin(), outcomeNames.end(), outcome);
    if (known == outcomeNames.end()) {
        return false;
    }
    r.outcome = static_cast<Outcome>(known - outcomeNames.begin());
    if (sounded == "yes") {
        r.sounded = true;
    } else if (sounded != "no") {
        return false;
    }
    if (r.outcome == Outcome::Right) {
        r.responseMs = number<std::uint32_t>(ms, 0U, csv::maxResponseMs - 1);
        return r.responseMs.has_value();
    }
    return ms.empty();
}

// The variant's three fields: a kind's name, then a key only in a key and a
// phrase place only in a phrase, as the writer leaves them.
bool readVariant(std::string_view name, std::string_view key, std::string_view place, NoteResult& r)
{
    using exercise::VariantKind;
    const std::optional<VariantKind> kind = exercise::variantKindNamed(name);
    if (!kind) {
        return false;
    }
    r.variant = *kind;
    if (*kind == VariantKind::Key) {
        r.fifths = number<int>(key, -exercise::mostFifths, exercise::mostFifths);
        if (!r.fifths) {
            return false;
        }
    } else if (!key.empty()) {
        return false;
    }
    if (*kind == VariantKind::Phrase) {
        r.phrasePlace = number<int>(place, 1, exercise::mostPhraseNotes);
        if (!r.phrasePlace) {
            return false;
        }
    } else if (!place.empty()) {
        return false;
    }
    return true;
}

// The line's fields into f (a trailing '\r' left out); how many there are,
// or 0 for more than f holds.
std::size_t splitFields(std::string_view line, std::array<std::string_view, csv::fullColumns>& f)
{
    if (!line.empty() && line.back() == '\r') {
        line.remove_suffix(1);
    }
    std::size_t count = 0;
    while (true) {
        const std::size_t comma = line.find(',');
        if (count == f.size()) {
            return 0;  // too many fields
        }
        f[count++] = line.substr(0, comma);
        if (comma == std::string_view::npos) {
            return count;
        }
        line.remove_prefix(comma + 1);
    }
}

std::size_t fieldCount(std::string_view line)
{
    return static_cast<std::size_t>(std::count(line.begin(), line.end(), ',')) + 1;
}

// Calls each with every line of text, without its '\n'; a last line with no
// '\n' counts too.
template<typename Each>
void forEachLine(std::string_view text, Each each)
{
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        each(text.substr(0, end));
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    }
}

}  // namespace

std::string_view outcomeName(Outcome outcome)
{
    return outcomeNames[static_cast<std::size_t>(outcome)];
}

void appendCsvRow(std::string& out, const NoteResult& row, RowWidth width)
{
    out += row.started;
    out += ',';
    out += row.run;
    out += ',';
    out += std::to_string(row.mode);
    out += ',';
    out += std::to_string(row.place);
    out += ',';
    out += std::to_string(row.note);
    out += ',';
    out += clefName(row);
    out += ',';
    out += accidentalName(row.accidental);
    out += ',';
    out += outcomeName(row.outcome);
    out += ',';
    out += row.sounded ? "yes" : "no";
    out += ',';
    if (row.outcome == Outcome::Right && row.responseMs) {
        out += std::to_string(*row.responseMs);
    }
    out += ',';
    bool first = true;
    for (const WrongKey& w : row.wrongKeys) {
        if (!first) {
            out += ' ';
        }
        first = false;
        out += std::to_string(w.key);
        out += ':';
        out += mistakeName(w.kind);
    }
    if (width == RowWidth::Full || !isDrillRow(row)) {
        out += ',';
        out += exercise::variantName(row.variant);
        out += ',';
        if (row.variant == exercise::VariantKind::Key && row.fifths) {
            out += std::to_string(*row.fifths);
        }
        out += ',';
        if (row.variant == exercise::VariantKind::Phrase && row.phrasePlace) {
            out += std::to_string(*row.phrasePlace);
        }
    }
    out += '\n';
}

std::optional<NoteResult> parseCsvRow(std::string_view line)
{
    std::array<std::string_view, csv::fullColumns> f;
    const std::size_t count = splitFields(line, f);
    if (count != csv::columns && count != csv::fullColumns) {
        return std::nullopt;
    }

    NoteResult r;
    if (!isIsoDateTime(f[0]) || !isRunId(f[1])) {
        return std::nullopt;
    }
    r.started = f[0];
    r.run = f[1];
    const auto mode = number<int>(f[2], 1, 6);
    const auto place = number<int>(f[3], 1, csv::highestPlace);
    const auto note = number<int>(f[4], csv::lowestNote, csv::highestNote);
    if (!mode || !place || !note) {
        return std::nullopt;
    }
    r.mode = *mode;
    r.place = *place;
    r.note = *note;

    if (!readWriting(f[5], f[6], r)) {
        return std::nullopt;
    }

    if (!readOutcome(f[7], f[8], f[9], r)) {
        return std::nullopt;
    }
    auto wrong = parseWrongKeys(f[10]);
    if (!wrong) {
        return std::nullopt;
    }
    r.wrongKeys = std::move(*wrong);
    if (count == csv::fullColumns && !readVariant(f[11], f[12], f[13], r)) {
        return std::nullopt;
    }
    if (count == csv::columns && r.cClef) {
        return std::nullopt;  // the eleven columns know the treble and bass clefs only
    }
    return r;
}

bool isCsvHeader(std::string_view line)
{
    if (!line.empty() && line.back() == '\r') {
        line.remove_suffix(1);
    }
    return line == csv::header || line == csv::fullHeader;
}

std::string widenedRows(std::string_view rows)
{
    std::string out;
    out.reserve(rows.size() + rows.size() / 16);
    forEachLine(rows, [&out](std::string_view line) {
        const bool cr = !line.empty() && line.back() == '\r';
        const std::string_view bare = cr ? line.substr(0, line.size() - 1) : line;
        if (bare == csv::header) {
            out += csv::fullHeader;  // files joined end to end
        } else {
            out += bare;
            if (fieldCount(bare) == csv::columns) {
                out += ",,,";
            }
        }
        out += cr ? "\r\n" : "\n";
    });
    return out;
}

std::optional<std::string> shortenedRows(std::string_view rows)
{
    std::string out;
    out.reserve(rows.size());
    bool all = true;
    forEachLine(rows, [&](std::string_view line) {
        const bool cr = !line.empty() && line.back() == '\r';
        std::string_view bare = cr ? line.substr(0, line.size() - 1) : line;
        if (fieldCount(bare) == csv::fullColumns) {
            if (!bare.ends_with(",,,")) {
                all = false;
            }
            bare.remove_suffix(3);
        }
        out += bare;
        out += cr ? "\r\n" : "\n";
    });
    if (!all) {
        return std::nullopt;
    }
    return out;
}

}  // namespace progress
