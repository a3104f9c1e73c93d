#include "exercise/variant.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using exercise::Variant;
using exercise::VariantKind;

TEST(Variant, ReadsWhatItWritesAndTheShortForms)
{
    struct Case {
        const char* text;
        Variant variant;
        const char* written;
    };
    const Case cases[] = {
        {"", {}, ""},
        {"drill", {}, ""},
        {"ear", {VariantKind::Ear}, "ear"},
        {"key", {VariantKind::Key}, "key=0"},
        {"key=-4", {VariantKind::Key, -4}, "key=-4"},
        {"key=+3", {VariantKind::Key, 3}, "key=3"},
        {"key=new", {VariantKind::Key, 0, true}, "key=new"},
        {"phrase", {VariantKind::Phrase}, "phrase=4"},
        {"phrase=8", {VariantKind::Phrase, 0, false, 8}, "phrase=8"},
    };
    for (const Case& c : cases) {
        const auto read = exercise::parseVariant(c.text);
        ASSERT_TRUE(read) << c.text;
        EXPECT_EQ(*read, c.variant) << c.text;
        EXPECT_EQ(exercise::variantText(*read), c.written) << c.text;
        EXPECT_EQ(exercise::parseVariant(exercise::variantText(*read)), read) << c.text;
    }
    EXPECT_TRUE(Variant{}.isDrill());
    EXPECT_FALSE((Variant{VariantKind::Drill, 0, false, 4, true}).isDrill());  // the C clefs are no drill
}

TEST(Variant, RefusesWhatNoExerciseRuns)
{
    for (const char* text : {"ears", "key=5", "key=-5", "key=x", "key=", "key=1.5", "phrase=3", "phrase=9",
                             "phrase=", "ear=1", "drill=1", "=ear", "KEY=1", " ear"}) {
        EXPECT_FALSE(exercise::parseVariant(text)) << text;
    }
}

TEST(Variant, ByEarAlwaysSoundsTheDrillWhenAsked)
{
    EXPECT_TRUE(exercise::soundsFirst({VariantKind::Ear}, false));
    EXPECT_FALSE(exercise::soundsFirst({}, false));
    EXPECT_TRUE(exercise::soundsFirst({}, true));
    EXPECT_FALSE(exercise::soundsFirst({VariantKind::Key}, false));
}

}  // namespace
