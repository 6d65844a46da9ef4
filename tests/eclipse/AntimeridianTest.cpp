// Lines cut for maps in longitude and latitude: where they cross the
// antimeridian, and where they pass over a pole.
#include "core/Calendar.h"
#include "eclipse/path/Antimeridian.h"
#include "eclipse/path/EclipsePath.h"
#include "tests/eclipse/PublishedElements.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

namespace {

const Instant kStart = Instant::FromJulianDate(2457987.25);

PathVertex At(double latitude, double longitude, double seconds)
{
    return {latitude, longitude, kStart.PlusSeconds(seconds)};
}

struct Expected {
    double latitude, longitude, seconds;
};

struct SplitCase {
    std::string name;
    PathLine line;
    std::vector<std::vector<Expected>> pieces;
};

const std::vector<SplitCase> kCases = {
    {"stays on one side", {At(10, 170, 0), At(11, 175, 60)}, {{{10, 170, 0}, {11, 175, 60}}}},
    {"eastward over 180", {At(10, 178, 0), At(12, -178, 60)},
     {{{10, 178, 0}, {11, 180, 30}}, {{11, -180, 30}, {12, -178, 60}}}},
    {"westward over 180", {At(-20, -179, 0), At(-23, 179, 120)},
     {{{-20, -179, 0}, {-21.5, -180, 60}}, {{-21.5, 180, 60}, {-23, 179, 120}}}},
    {"across Greenwich", {At(0, -1, 0), At(0, 1, 60)}, {{{0, -1, 0}, {0, 1, 60}}}},
    {"over the north pole", {At(89.5, 10, 0), At(89.6, -170, 60)},
     {{{89.5, 10, 0}, {90, 10, 30}, {90, -170, 30}, {89.6, -170, 60}}}},
    {"over the south pole", {At(-89.8, 100, 0), At(-89.9, -80, 60)},
     {{{-89.8, 100, 0}, {-90, 100, 30}, {-90, -80, 30}, {-89.9, -80, 60}}}},
};

TEST(SplitAtAntimeridian, CutsWhereTheLineCrossesAndGoesRoundThePoles)
{
    for (const SplitCase& split : kCases) {
        SCOPED_TRACE(split.name);
        const std::vector<PathLine> pieces = SplitAtAntimeridian(split.line);
        ASSERT_EQ(pieces.size(), split.pieces.size());
        for (std::size_t p = 0; p < pieces.size(); ++p) {
            ASSERT_EQ(pieces[p].size(), split.pieces[p].size());
            for (std::size_t v = 0; v < pieces[p].size(); ++v) {
                EXPECT_NEAR(pieces[p][v].latitude, split.pieces[p][v].latitude, 1e-9);
                EXPECT_NEAR(pieces[p][v].longitude, split.pieces[p][v].longitude, 1e-9);
                EXPECT_NEAR(pieces[p][v].time.SecondsSince(kStart), split.pieces[p][v].seconds, 1e-3);
            }
        }
    }
}

// The 2017 sunrise curves lie across the antimeridian in the Pacific.
TEST(SplitAtAntimeridian, LeavesNoStepAcrossTheMapInTheLinesOf2017)
{
    const EclipsePath path = ComputeEclipsePath(published::Eclipse2017(), 60.0);
    int crossings = 0;
    for (const auto* group : {&path.umbraNorth, &path.umbraSouth, &path.penumbraNorth, &path.penumbraSouth,
                              &path.riseSetContacts, &path.riseSetMaximum}) {
        for (const PathLine& line : *group) {
            const std::vector<PathLine> pieces = SplitAtAntimeridian(line);
            crossings += static_cast<int>(pieces.size()) - 1;
            std::size_t vertices = 0;
            for (const PathLine& piece : pieces) {
                vertices += piece.size();
                for (std::size_t i = 1; i < piece.size(); ++i) {
                    EXPECT_LE(std::abs(piece[i].longitude - piece[i - 1].longitude), 180.0);
                }
            }
            EXPECT_GE(vertices, line.size());
        }
    }
    EXPECT_GT(crossings, 0);
}

} // namespace
