#include "progress/resultrow.h"

#include "keyboard/pitch.h"

#include <array>
#include <charconv>

namespace progress {

namespace {

constexpr std::array<std::string_view, 4> outcomeNames = {"right", "missed", "stopped", "unshown"};
constexpr int highestMidiNote = 127;

std::string_view clefName(art::Clef clef)
{
    return clef == art::Clef::Treble ? "treble" : "bass";
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

}  // namespace

std::string_view outcomeName(Outcome outcome)
{
    return outcomeNames[static_cast<std::size_t>(outcome)];
}

void appendCsvRow(std::string& out, const NoteResult& row)
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
    out += clefName(row.clef);
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
    out += '\n';
}

std::optional<NoteResult> parseCsvRow(std::string_view line)
{
    if (!line.empty() && line.back() == '\r') {
        line.remove_suffix(1);
    }
    std::array<std::string_view, csv::columns> f;
    std::size_t count = 0;
    while (true) {
        const std::size_t comma = line.find(',');
        if (count == f.size()) {
            return std::nullopt;  // too many fields
        }
        f[count++] = line.substr(0, comma);
        if (comma == std::string_view::npos) {
            break;
        }
        line.remove_prefix(comma + 1);
    }
    if (count != f.size()) {
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

    if (f[5] == "treble") {
        r.clef = art::Clef::Treble;
    } else if (f[5] == "bass") {
        r.clef = art::Clef::Bass;
    } else {
        return std::nullopt;
    }
    if (f[6] == "none") {
        r.accidental = art::Accidental::None;
    } else if (f[6] == "sharp") {
        r.accidental = art::Accidental::Sharp;
    } else if (f[6] == "flat") {
        r.accidental = art::Accidental::Flat;
    } else {
        return std::nullopt;
    }
    // A white key is written plain and a black key always carries its sign.
    if ((r.accidental == art::Accidental::None) == art::pitch::isBlackKey(r.note)) {
        return std::nullopt;
    }

    bool known = false;
    for (std::size_t i = 0; i < outcomeNames.size(); ++i) {
        if (f[7] == outcomeNames[i]) {
            r.outcome = static_cast<Outcome>(i);
            known = true;
        }
    }
    if (!known) {
        return std::nullopt;
    }
    if (f[8] == "yes") {
        r.sounded = true;
    } else if (f[8] != "no") {
        return std::nullopt;
    }
    if (r.outcome == Outcome::Right) {
        r.responseMs = number<std::uint32_t>(f[9], 0U, csv::maxResponseMs - 1);
        if (!r.responseMs) {
            return std::nullopt;
        }
    } else if (!f[9].empty()) {
        return std::nullopt;
    }
    auto wrong = parseWrongKeys(f[10]);
    if (!wrong) {
        return std::nullopt;
    }
    r.wrongKeys = std::move(*wrong);
    return r;
}

}  // namespace progress
