#include "platform/messages.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// The values go in as they are, in one pass: a file's name that is no
// UTF-8, or one that holds "%2" itself, comes out whole.
TEST(Messages, FillInPutsTheValuesInOnce)
{
    const std::string latin1 = "caf\xe9.csv";
    EXPECT_EQ(platform::fillIn("cannot read '%1': %2", {latin1, "No such file"}),
              "cannot read 'caf\xe9.csv': No such file");
    EXPECT_EQ(platform::fillIn("'%1' is '%2'", {"a%2b", "c"}), "'a%2b' is 'c'");
    EXPECT_EQ(platform::fillIn("%2 before %1", {"one", "two"}), "two before one");
    EXPECT_EQ(platform::fillIn("100% sure, %3 left", {"x"}), "100% sure, %3 left");
    EXPECT_EQ(platform::fillIn("at most %1 once '%', '/' count 3", {"255"}), "at most 255 once '%', '/' count 3");
}

// Untranslated, a counted line is English: no s for one, an s otherwise.
TEST(Messages, ACountedLineUntranslatedIsEnglish)
{
    const char* line = "%n row(s) of results could not be written to '%1' and are lost";
    EXPECT_EQ(platform::counted(line, 1, {"a.csv"}), "1 row of results could not be written to 'a.csv' and are lost");
    EXPECT_EQ(platform::counted(line, 3, {"a.csv"}), "3 rows of results could not be written to 'a.csv' and are lost");
    EXPECT_EQ(platform::message("no sound server (%1)", {"Connection refused"}),
              "no sound server (Connection refused)");
}

}  // namespace
