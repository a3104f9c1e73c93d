#include "keyboard/flashmark.h"
#include "keyboard/keybutton.h"
#include "keyboard/keygeometry.h"

#include <QImage>
#include <QWidget>
#include <gtest/gtest.h>

using namespace keyboard;

namespace {

bool dark(const QImage& image, PointF at)
{
    const QColor c = image.pixelColor(static_cast<int>(at.x), static_cast<int>(at.y));
    return c.red() < 80 && c.green() < 80 && c.blue() < 80;
}

PointF middle(const Stroke& s)
{
    return {(s.from.x + s.to.x) / 2.0, (s.from.y + s.to.y) / 2.0};
}

}  // namespace

TEST(FlashMarks, OnlyTheTwoFlashColoursCarryAShape)
{
    EXPECT_EQ(flashMarkFor(65280), FlashMark::Tick);
    EXPECT_EQ(flashMarkFor(255), FlashMark::Cross);
    for (const std::uint32_t rest : {16777215U, 0U, 0x123456U, 65281U, 254U}) {
        EXPECT_EQ(flashMarkFor(rest), FlashMark::None) << rest;
    }
}

TEST(FlashMarks, EveryMarkStandsInsideItsKeyWhereTheKeyIsSeen)
{
    for (int note = firstKey; note <= lastKey; ++note) {
        const Rect r = keyRect(note);
        const bool black = isBlack(note);
        const MarkBox box = flashMarkBox(r.w, r.h, black);
        const double pen = flashMarkPenWidth(black) + 3.0;  // with its halo
        for (const FlashMark mark : {FlashMark::Tick, FlashMark::Cross}) {
            for (const Stroke& s : flashMarkStrokes(mark, box)) {
                for (const PointF p : {s.from, s.to}) {
                    EXPECT_GE(p.x - pen / 2, 0.0) << note;
                    EXPECT_LE(p.x + pen / 2, r.w) << note;
                    EXPECT_GE(p.y - pen / 2, 0.0) << note;
                    EXPECT_LE(p.y + pen / 2, r.h) << note;
                    // A white key's mark lies below the black keys beside it.
                    if (!black) {
                        EXPECT_GT(p.y - pen / 2, keyRect(37).h) << note;
                    }
                }
            }
        }
    }
}

TEST(FlashMarks, AFlashingKeyDrawsATickOrACrossAndARestingKeyNeither)
{
    QWidget parent;
    for (const int note : {60, 61}) {
        KeyButton key(static_cast<std::int16_t>(note), &parent);
        const Rect r = keyRect(note);
        key.resize(r.w, r.h);
        const MarkBox box = flashMarkBox(r.w, r.h, isBlack(note));
        const auto tick = flashMarkStrokes(FlashMark::Tick, box);
        const auto cross = flashMarkStrokes(FlashMark::Cross, box);
        const PointF crossOnly = middle(cross[0]);  // the cross's centre: off the tick
        const PointF tickOnly = tick[0].from;       // the tick's short arm's end: off the cross

        key.setBackColor(flashcolour::right);
        QImage shot = key.grab().toImage();
        EXPECT_TRUE(dark(shot, middle(tick[0])) && dark(shot, middle(tick[1]))) << note;
        EXPECT_FALSE(dark(shot, crossOnly)) << note;
        const QColor besideTick = shot.pixelColor(r.w / 2, static_cast<int>(box.top) - 6);  // still green above it
        EXPECT_TRUE(besideTick.green() > 200 && besideTick.red() < 100 && besideTick.blue() < 100) << note;

        key.setBackColor(flashcolour::missed);
        shot = key.grab().toImage();
        EXPECT_TRUE(dark(shot, crossOnly) && dark(shot, middle({cross[1].from, crossOnly}))) << note;
        EXPECT_FALSE(dark(shot, tickOnly)) << note;
        const QColor besideCross = shot.pixelColor(r.w / 2, static_cast<int>(box.top) - 6);
        EXPECT_TRUE(besideCross.red() > 200 && besideCross.green() < 100 && besideCross.blue() < 100) << note;

        if (!isBlack(note)) {  // a black key at rest is dark all over
            key.setBackColor(16777215);
            shot = key.grab().toImage();
            EXPECT_FALSE(dark(shot, crossOnly) || dark(shot, middle(tick[1])));
        }
    }
}
