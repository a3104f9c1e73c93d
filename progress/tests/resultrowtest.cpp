#include "progress/notenames.h"
#include "progress/resultrow.h"

#include <gtest/gtest.h>

using progress::NoteResult;
using progress::Outcome;

namespace {

NoteResult sample()
{
    NoteResult r;
    r.started = "2024-09-02T17:05:31+02:00";
    r.run = "0a1b2c3d-4";
    r.mode = 6;
    r.place = 12;
    r.note = 66;
    r.clef = art::Clef::Treble;
    r.accidental = art::Accidental::Flat;
    r.outcome = Outcome::Right;
    r.sounded = true;
    r.responseMs = 1234;
    r.wrongKeys = {{67, progress::MistakeKind::Accidental}, {78, progress::MistakeKind::Octave}};
    return r;
}

std::string row(const NoteResult& r)
{
    std::string s;
    progress::appendCsvRow(s, r);
    return s;
}

}  // namespace

TEST(ResultRow, WritesTheColumnsInOrder)
{
    EXPECT_EQ(row(sample()),
              "2024-09-02T17:05:31+02:00,0a1b2c3d-4,6,12,66,treble,flat,right,yes,1234,"
              "67:accidental 78:octave\n");
    NoteResult missed = sample();
    missed.outcome = Outcome::Missed;
    missed.responseMs.reset();
    missed.wrongKeys.clear();
    missed.clef = art::Clef::Bass;
    missed.note = 45;
    missed.accidental = art::Accidental::None;
    missed.sounded = false;
    EXPECT_EQ(row(missed), "2024-09-02T17:05:31+02:00,0a1b2c3d-4,6,12,45,bass,none,missed,no,,\n");
    // The header names every column.
    EXPECT_EQ(std::count(progress::csv::header.begin(), progress::csv::header.end(), ',') + 1, progress::csv::columns);
}

TEST(ResultRow, ReadsBackWhatItWrites)
{
    for (const Outcome o : {Outcome::Right, Outcome::Missed, Outcome::Stopped}) {
        NoteResult r = sample();
        r.outcome = o;
        if (o != Outcome::Right) {
            r.responseMs.reset();
        }
        std::string line = row(r);
        line.pop_back();
        const auto back = progress::parseCsvRow(line);
        ASSERT_TRUE(back.has_value()) << line;
        EXPECT_EQ(*back, r) << line;
        EXPECT_TRUE(progress::parseCsvRow(line + "\r").has_value()) << "a CRLF line end is fine";
    }
}

TEST(ResultRow, RefusesLinesThatAreNotRows)
{
    const std::string good = "2024-09-02T17:05:31+02:00,s-1,2,3,66,treble,sharp,missed,no,,65:accidental";
    ASSERT_TRUE(progress::parseCsvRow(good).has_value());
    const struct {
        std::string line;
        const char* why;
    } bad[] = {
        {std::string(progress::csv::header), "the header"},
        {"", "empty"},
        {"2024-09-02T17:05:31+02:00,s-1,2,3,66,treble,sharp,missed,no,", "truncated: a field short"},
        {"2024-09-02T17:05:31+02:00,s-1,2,3,66,treble,sharp,missed,no,,65:accid", "truncated inside a mistake"},
        {"2024-09-02T17:05:31+02:00,s-1,2,3,66,treble,sharp,missed,no,,65:", "truncated after a key"},
        {"2024-09-02T17:05:31+02:00,s-1,2,3,6", "truncated early"},
        {good + ",extra", "a field too many"},
        {"2024-09-02 17:05:31,s-1,2,3,66,treble,sharp,missed,no,,", "not ISO 8601"},
        {"2024-09-02T17:05:31+02:00,,2,3,66,treble,sharp,missed,no,,", "no run id"},
        {"2024-09-02T17:05:31+02:00,s 1,2,3,66,treble,sharp,missed,no,,", "a space in the run id"},
        {"2024-09-02T17:05:31+02:00,s-1,7,3,66,treble,sharp,missed,no,,", "mode 7"},
        {"2024-09-02T17:05:31+02:00,s-1,2,0,66,treble,sharp,missed,no,,", "place 0"},
        {"2024-09-02T17:05:31+02:00,s-1,2,3,128,treble,sharp,missed,no,,", "note 128"},
        {"2024-09-02T17:05:31+02:00,s-1,2,3,-1,treble,sharp,missed,no,,", "note -1"},
        {"2024-09-02T17:05:31+02:00,s-1,2,3,66,alto,sharp,missed,no,,", "an alto clef"},
        {"2024-09-02T17:05:31+02:00,s-1,2,3,66,treble,none,missed,no,,", "a black key written plain"},
        {"2024-09-02T17:05:31+02:00,s-1,2,3,65,treble,sharp,missed,no,,", "a white key with a sign"},
        {"2024-09-02T17:05:31+02:00,s-1,2,3,66,treble,sharp,late,no,,", "an unknown outcome"},
        {"2024-09-02T17:05:31+02:00,s-1,2,3,66,treble,sharp,right,no,,", "right without a time"},
        {"2024-09-02T17:05:31+02:00,s-1,2,3,66,treble,sharp,missed,no,800,", "a time for a miss"},
        {"2024-09-02T17:05:31+02:00,s-1,2,3,66,treble,sharp,right,no,12x,", "a time that is not a number"},
        {"2024-09-02T17:05:31+02:00,s-1,2,3,66,treble,sharp,missed,maybe,,", "sounded maybe"},
        {"2024-09-02T17:05:31+02:00,s-1,2,3,66,treble,sharp,missed,no,,65:guess", "an unknown kind"},
        {"2024-09-02T17:05:31+02:00,s-1,2,3,66,treble,sharp,missed,no,,65:step ", "a trailing space"},
        {"name,age,town", "a foreign CSV"},
        {"<html><body>", "not CSV at all"},
    };
    for (const auto& b : bad) {
        EXPECT_FALSE(progress::parseCsvRow(b.line).has_value()) << b.why << ": " << b.line;
    }
}

TEST(ResultRow, ThePrefixSaysTheClefAndTheSign)
{
    const struct {
        const char* prefix;
        int note;
        art::Clef clef;
        art::Accidental accidental;
    } cases[] = {
        {"1", 66, art::Clef::Treble, art::Accidental::Sharp}, {"2", 66, art::Clef::Treble, art::Accidental::Flat},
        {"3", 49, art::Clef::Bass, art::Accidental::Sharp},   {"4", 49, art::Clef::Bass, art::Accidental::Flat},
        {"1", 64, art::Clef::Treble, art::Accidental::None},  {"4", 43, art::Clef::Bass, art::Accidental::None},
    };
    for (const auto& c : cases) {
        const auto w = exercise::writtenFromPrefix(c.prefix, c.note);
        ASSERT_TRUE(w.has_value()) << c.prefix << c.note;
        EXPECT_EQ(w->clef, c.clef) << c.prefix << c.note;
        EXPECT_EQ(w->accidental, c.accidental) << c.prefix << c.note;
    }
    EXPECT_FALSE(exercise::writtenFromPrefix("", 60).has_value());
    EXPECT_FALSE(exercise::writtenFromPrefix("5", 60).has_value());
}

TEST(NoteNames, FrenchNamesWithTheirOctave)
{
    const struct {
        int note;
        art::Accidental accidental;
        const char* words;
        const char* signs;
    } cases[] = {
        {60, art::Accidental::None, "do 3", "do3"},
        {59, art::Accidental::None, "si 2", "si2"},
        {62, art::Accidental::None, "ré 3", "ré3"},
        {61, art::Accidental::Sharp, "do dièse 3", "do\u266f3"},
        {61, art::Accidental::Flat, "ré bémol 3", "ré\u266d3"},
        {70, art::Accidental::Flat, "si bémol 3", "si\u266d3"},
        {66, art::Accidental::Sharp, "fa dièse 3", "fa\u266f3"},
        {36, art::Accidental::None, "do 1", "do1"},
        {89, art::Accidental::None, "fa 5", "fa5"},
        {67, art::Accidental::None, "sol 3", "sol3"},
        {69, art::Accidental::None, "la 3", "la3"},
        {64, art::Accidental::None, "mi 3", "mi3"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(progress::frenchNoteName(c.note, c.accidental), c.words) << c.note;
        EXPECT_EQ(progress::frenchNoteName(c.note, c.accidental, true), c.signs) << c.note;
    }
}

TEST(NoteNames, FrenchNumbers)
{
    EXPECT_EQ(progress::frenchNumber(1.44, 1), "1,4");
    EXPECT_EQ(progress::frenchNumber(81.0, 0), "81");
    // One grouping for every number, by a narrow no-break space.
    EXPECT_EQ(progress::frenchNumber(1000.0, 0), "1\u202f000");
    EXPECT_EQ(progress::frenchNumber(500000.0, 0), "500\u202f000");
    EXPECT_EQ(progress::frenchNumber(-1234567.25, 2), "\u22121\u202f234\u202f567,25");
    EXPECT_EQ(progress::frenchNumber(-0.04, 1), "0,0");
    EXPECT_EQ(progress::frenchNumber(-1.5, 1), "\u22121,5");
}
