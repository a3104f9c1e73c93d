#include "exercise/notechoice.h"
#include "exercise/picturenames.h"

#include <gtest/gtest.h>

using exercise::Sign;

struct NamingRow {
    int note;
    const char* prefix;
    const char* notePicture;
    const char* namePicture;  // "" when the name box is cleared
    Sign sign;
};

class WorkedExamples : public ::testing::TestWithParam<NamingRow> {};

TEST_P(WorkedExamples, GiveTheirFileNames)
{
    const NamingRow row = GetParam();
    const std::string folder = "/opt/tavelin";
    EXPECT_EQ(exercise::notePicturePath(folder, row.prefix, row.note), folder + row.notePicture);
    const exercise::NamePicture name = exercise::namePicture(folder, row.prefix, row.note);
    EXPECT_EQ(name.path, *row.namePicture ? folder + row.namePicture : std::string());
    EXPECT_EQ(name.sign, row.sign);
}

INSTANTIATE_TEST_SUITE_P(Table, WorkedExamples,
                         ::testing::Values(NamingRow{52, "1", "/picture/152.jpg", "/picture/540.jpg", Sign::Hidden},
                                           NamingRow{60, "1", "/picture/160.jpg", "/picture/536.jpg", Sign::Hidden},
                                           NamingRow{79, "1", "/picture/179.jpg", "/picture/543.jpg", Sign::Hidden},
                                           NamingRow{89, "1", "/picture/189.jpg", "/picture/541.jpg", Sign::Hidden},
                                           NamingRow{61, "1", "/picture/161.jpg", "/picture/536.jpg", Sign::Sharp},
                                           NamingRow{68, "1", "/picture/168.jpg", "/picture/543p.jpg", Sign::Sharp},
                                           NamingRow{51, "3", "/picture/351.jpg", "/picture/538.jpg", Sign::Sharp},
                                           NamingRow{66, "2", "/picture/266.jpg", "/picture/543p.jpg", Sign::Flat},
                                           NamingRow{70, "2", "/picture/270.jpg", "/picture/547.jpg", Sign::Flat},
                                           NamingRow{46, "4", "/picture/446.jpg", "/picture/547.jpg", Sign::Flat},
                                           NamingRow{63, "", "/picture/63.jpg", "", Sign::Untouched},
                                           // Only G takes the "p" variant, and only beside a sign.
                                           NamingRow{67, "2", "/picture/267.jpg", "/picture/543.jpg", Sign::Hidden},
                                           NamingRow{56, "3", "/picture/356.jpg", "/picture/543p.jpg", Sign::Sharp},
                                           NamingRow{56, "4", "/picture/456.jpg", "/picture/545.jpg", Sign::Flat},
                                           NamingRow{61, "7", "/picture/761.jpg", "", Sign::Untouched}));

TEST(PictureNames, NumbersArePlainDigitsAndTheFolderIsTakenAsItIs)
{
    EXPECT_EQ(exercise::notePicturePath("/x", "1", 5), "/x/picture/15.jpg");
    EXPECT_EQ(exercise::notePicturePath("/x", "1", 100), "/x/picture/1100.jpg");
    // A folder reported with a trailing separator doubles it; nothing is mended.
    EXPECT_EQ(exercise::picturePath("/x/", "end.jpg"), "/x//picture/end.jpg");
    EXPECT_EQ(exercise::startupPicturePath("/x"), "/x/tvl.tv");
    EXPECT_EQ(exercise::signPicturePath("/x", Sign::Sharp), "/x/picture/up.jpg");
    EXPECT_EQ(exercise::signPicturePath("/x", Sign::Flat), "/x/picture/down.jpg");
}

TEST(PictureNames, EveryNoteOfEveryOctaveShowsTheNameOfItsTable)
{
    // The seven name pictures by pitch class, and the name each black key
    // takes written as a sharp (prefixes "1", "3") or a flat ("2", "4"),
    // as the design lists them; the same in every octave of 0 to 127.
    struct NameRow {
        const char* white;    // a white key of this pitch class; nullptr for a black one
        const char* asSharp;  // a black key written as the sharp of the key below
        const char* asFlat;   // ... as the flat of the key above
    };
    constexpr NameRow names[12] = {
        {"536.jpg", nullptr, nullptr},    {nullptr, "536.jpg", "538.jpg"},  // C, C#/Db
        {"538.jpg", nullptr, nullptr},    {nullptr, "538.jpg", "540.jpg"},  // D, D#/Eb
        {"540.jpg", nullptr, nullptr},    {"541.jpg", nullptr, nullptr},    // E, F
        {nullptr, "541.jpg", "543p.jpg"}, {"543.jpg", nullptr, nullptr},    // F#/Gb, G
        {nullptr, "543p.jpg", "545.jpg"}, {"545.jpg", nullptr, nullptr},    // G#/Ab, A
        {nullptr, "545.jpg", "547.jpg"},  {"547.jpg", nullptr, nullptr},    // A#/Bb, B
    };
    for (int note = 0; note <= 127; ++note) {
        const NameRow& row = names[note % 12];
        for (const char* prefix : {"1", "2", "3", "4"}) {
            const bool sharp = prefix[0] == '1' || prefix[0] == '3';
            const exercise::NamePicture name = exercise::namePicture("/f", prefix, note);
            const char* expected = row.white != nullptr ? row.white : sharp ? row.asSharp : row.asFlat;
            EXPECT_EQ(name.path, std::string("/f/picture/") + expected) << note << " " << prefix;
            EXPECT_EQ(name.sign, row.white != nullptr ? Sign::Hidden
                                 : sharp              ? Sign::Sharp
                                                      : Sign::Flat)
                << note << " " << prefix;
        }
    }
}
