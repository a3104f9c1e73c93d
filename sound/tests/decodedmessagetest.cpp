#include "sound/decodedmessage.h"
#include "sound/shortmsg.h"

#include <gtest/gtest.h>

namespace {

using sound::DecodedMessage;
using sound::decodeShortMessage;
using sound::MessageKind;

TEST(DecodedMessage, WindowNoteOnAndOffAreChannelOneVelocity127)
{
    EXPECT_EQ(decodeShortMessage(*sound::noteOnMessage(60)), (DecodedMessage{MessageKind::noteOn, 0, 60, 127}));
    EXPECT_EQ(decodeShortMessage(*sound::noteOffMessage(89)), (DecodedMessage{MessageKind::noteOff, 0, 89, 127}));
}

TEST(DecodedMessage, ChannelComesFromTheStatusLowNibble)
{
    EXPECT_EQ(decodeShortMessage(0x403C9FU), (DecodedMessage{MessageKind::noteOn, 15, 0x3C, 0x40}));
    EXPECT_EQ(decodeShortMessage(0x003C99U), (DecodedMessage{MessageKind::noteOn, 9, 0x3C, 0}));
}

TEST(DecodedMessage, EveryChannelMessageKind)
{
    EXPECT_EQ(decodeShortMessage(0x7F40B0U), (DecodedMessage{MessageKind::controller, 0, 64, 127}));
    EXPECT_EQ(decodeShortMessage(0x2030A1U), (DecodedMessage{MessageKind::keyPressure, 1, 0x30, 0x20}));
    EXPECT_EQ(decodeShortMessage(0x0005C2U), (DecodedMessage{MessageKind::programChange, 2, 5, 0}));
    EXPECT_EQ(decodeShortMessage(0x0033D3U), (DecodedMessage{MessageKind::channelPressure, 3, 0x33, 0}));
}

TEST(DecodedMessage, PitchBendJoinsTheTwoSevenBitHalves)
{
    EXPECT_EQ(decodeShortMessage(0x4000E0U).data1, 8192);   // centre
    EXPECT_EQ(decodeShortMessage(0x0000E0U).data1, 0);      // full down
    EXPECT_EQ(decodeShortMessage(0x7F7FE0U).data1, 16383);  // full up
    EXPECT_EQ(decodeShortMessage(0x0001E4U), (DecodedMessage{MessageKind::pitchBend, 4, 1, 0}));
}

TEST(DecodedMessage, SystemAndRunningStatusAreIgnored)
{
    for (std::uint32_t message : {0xF8U, 0xFEU, 0xFFU, 0xF0U, 0x7F3CU, 0x00U}) {
        EXPECT_EQ(decodeShortMessage(message).kind, MessageKind::other) << std::hex << message;
    }
}

TEST(DecodedMessage, DataBytesAreSevenBitsAndTheFourthByteIsUnused)
{
    EXPECT_EQ(decodeShortMessage(0xAAFFBC90U), (DecodedMessage{MessageKind::noteOn, 0, 0x3C, 0x7F}));
}

}  // namespace
