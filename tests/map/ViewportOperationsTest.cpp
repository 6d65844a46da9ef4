#include "map/ViewportOperations.h"
#include "app/ViewMessages.h"

#include <gtest/gtest.h>

namespace {

CEclipseMap GlobalMap800x600()
{
    CEclipseMap map;
    SetGlobalViewport(map.m_viewport, 800, 600);
    return map;
}

void ExpectSameViewport(const CViewport& a, const CViewport& b)
{
    EXPECT_EQ(a.m_scale, b.m_scale);
    EXPECT_EQ(a.m_originX, b.m_originX);
    EXPECT_EQ(a.m_originY, b.m_originY);
    EXPECT_EQ(a.m_width, b.m_width);
    EXPECT_EQ(a.m_height, b.m_height);
}

} // namespace

TEST(GlobalViewportTest, FitsTheGlobeToTheWidthAndCentresIt)
{
    const CEclipseMap map = GlobalMap800x600();
    EXPECT_EQ(map.m_viewport.m_scale, 254.6479034423828f);
    EXPECT_EQ(map.m_viewport.m_originX, 400.0f);
    EXPECT_EQ(map.m_viewport.m_originY, 300.0f);
    EXPECT_EQ(map.m_viewport.m_width, 800);
    EXPECT_EQ(map.m_viewport.m_height, 600);
}

TEST(GlobalViewportTest, OddWidthCentresOnTheIntegerHalf)
{
    CViewport viewport;
    SetGlobalViewport(viewport, 801, 601);
    EXPECT_EQ(viewport.m_originX, 400.0f);
    EXPECT_EQ(viewport.m_originY, 300.0f);
}

TEST(ZoomInTest, EnlargesTheRectangleUntilItsRelativelyLargerSideFillsTheWindow)
{
    CEclipseMap map = GlobalMap800x600();
    // 100 x 50 in 800 x 600: fx = 8, fy = 12, f = 8; the centre (150, 125) moves to (400, 300).
    ASSERT_EQ(ZoomIn(map, {100, 100}, {200, 150}), ZoomResult::Done);
    EXPECT_FLOAT_EQ(map.m_viewport.m_scale, 254.6479034423828f * 8.0f);
    EXPECT_EQ(map.m_viewport.m_originX, 2400.0f);  // 8 * (400 - 150) + 400
    EXPECT_EQ(map.m_viewport.m_originY, 1700.0f);  // 8 * (300 - 125) + 300
    EXPECT_EQ(map.m_previousViewport.m_scale, 254.6479034423828f);
}

TEST(ZoomInTest, ReversedDragGivesTheSameViewport)
{
    CEclipseMap forward = GlobalMap800x600();
    CEclipseMap backward = GlobalMap800x600();
    ZoomIn(forward, {100, 100}, {200, 150});
    ZoomIn(backward, {200, 150}, {100, 100});
    ExpectSameViewport(forward.m_viewport, backward.m_viewport);
}

TEST(ZoomInTest, CapsTheRadiusAtFiveHundredMillionPixels)
{
    CEclipseMap map = GlobalMap800x600();
    map.m_viewport.m_scale = 3.0e8f;
    // 200 x 150 asks for f = 4; it becomes 5/3.
    ZoomIn(map, {300, 225}, {500, 375});
    EXPECT_EQ(map.m_viewport.m_scale, 5.0e8f);
    EXPECT_EQ(map.m_viewport.m_originX, 400.0f);  // the rectangle was centred already
}

TEST(ZoomInTest, RectangleWithoutWidthOrHeightIsRefusedAndChangesNothing)
{
    CEclipseMap map = GlobalMap800x600();
    map.m_previousViewport.m_scale = 7.0f;
    const CEclipseMap before = map;
    EXPECT_EQ(ZoomIn(map, {100, 100}, {100, 200}), ZoomResult::Refused);
    EXPECT_EQ(ZoomIn(map, {100, 100}, {300, 100}), ZoomResult::Refused);
    EXPECT_EQ(ZoomOut(map, {100, 100}, {300, 100}), ZoomResult::Refused);
    ExpectSameViewport(map.m_viewport, before.m_viewport);
    ExpectSameViewport(map.m_previousViewport, before.m_previousViewport);
}

TEST(ZoomInTest, RefusedZoomMessagesAreTheProgramsOwn)
{
    EXPECT_STREQ(kZoomRefusedText, "Les points origine et extrémité ont\nla même abscisse ou ordonnée");
    EXPECT_STREQ(kZoomInRefusedCaption, "Fonction Zoom+ impossible");
    EXPECT_STREQ(kZoomOutRefusedCaption, "Fonction Zoom- impossible");
}

TEST(ZoomOutTest, UndoesTheZoomInOfTheSameRectangle)
{
    CEclipseMap map = GlobalMap800x600();
    ZoomIn(map, {100, 100}, {200, 175});  // fx = 8, fy = 8
    ZoomOut(map, {100, 100}, {200, 175});
    EXPECT_FLOAT_EQ(map.m_viewport.m_scale, 254.6479034423828f);
    EXPECT_FLOAT_EQ(map.m_viewport.m_originX, 400.0f);
    EXPECT_FLOAT_EQ(map.m_viewport.m_originY, 300.0f);
}

// The whole globe of 800 x 600 has a radius of 800/pi = 254.65 pixels (the
// height would allow 0.45 x 600 = 270): a quarter of it is 63.66.
TEST(ZoomOutTest, NeverShrinksTheGlobeBelowAQuarterOfTheWholeGlobe)
{
    CEclipseMap map = GlobalMap800x600();
    for (int i = 0; i < 10; ++i) {
        ZoomOut(map, {0, 0}, {8, 6});  // f = 1/100 each time
    }
    EXPECT_FLOAT_EQ(map.m_viewport.m_scale, 63.66197723675813f);
    ZoomAbout(map, {400.0, 300.0}, 0.01);
    EXPECT_FLOAT_EQ(map.m_viewport.m_scale, 63.66197723675813f);
}

TEST(TranslateTest, MovesTheMapWithTheMouseEvenAlongOneAxis)
{
    CEclipseMap map = GlobalMap800x600();
    Translate(map, {100, 100}, {130, 100});
    EXPECT_EQ(map.m_viewport.m_originX, 430.0f);
    EXPECT_EQ(map.m_viewport.m_originY, 300.0f);
    EXPECT_EQ(map.m_previousViewport.m_originX, 400.0f);
}
