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

INSTANTIATE_TEST_SUITE_P(
    Table, WorkedExamples,
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

TEST(PictureNames, EverySharpAndFlatIsNamedAfterItsNeighbour)
{
    // Across the whole MIDI range: a sharp names the white key below, a flat
    // the one above; the named key is always white, and "p" goes with G alone.
    for (int note = 0; note <= 127; ++note) {
        if (!exercise::isBlackKey(note)) {
            continue;
        }
        for (const char* prefix : {"1", "2", "3", "4"}) {
            const bool sharp = prefix[0] == '1' || prefix[0] == '3';
            const int named = sharp ? note - 1 : note + 1;
            const int pc = named % 12;
            ASSERT_FALSE(exercise::isBlackKey(named));
            const std::string expected =
                "/f/picture/5" + std::to_string(36 + pc) + (pc == 7 ? "p" : "") + ".jpg";
            EXPECT_EQ(exercise::namePicture("/f", prefix, note).path, expected) << note << " " << prefix;
        }
    }
}
