// The whole path of an eclipse: published figures of the canon, and each
// curve checked against the local circumstances of its own places.
#include "core/DeltaT.h"
#include "core/Units.h"
#include "eclipse/local/LocalCircumstances.h"
#include "eclipse/path/CentralLine.h"
#include "eclipse/path/EclipsePath.h"
#include "tests/eclipse/IndependentGeometry.h"
#include "tests/eclipse/PublishedElements.h"

#include "UtClock.h"

#include <gtest/gtest.h>

#include <cmath>
#include <algorithm>
#include <functional>
#include <map>
#include <string>
#include <vector>

namespace {

// Great-circle distance on the mean sphere, km.
double DistanceKm(double latitude1, double longitude1, double latitude2, double longitude2)
{
    const double p1 = latitude1 * kDegreesToRadians;
    const double p2 = latitude2 * kDegreesToRadians;
    const double dl = (longitude2 - longitude1) * kDegreesToRadians;
    const double a = std::pow(std::sin((p2 - p1) / 2), 2) + std::cos(p1) * std::cos(p2) * std::pow(std::sin(dl / 2), 2);
    return 2.0 * 6371.0 * std::asin(std::sqrt(std::min(1.0, a)));
}

double DistanceKm(const PathVertex& a, const PathVertex& b)
{
    return DistanceKm(a.latitude, a.longitude, b.latitude, b.longitude);
}

// The change of direction at b along a, b, c, degrees: the way from a
// arrives at b opposite to the way back to a.
double TurnDegrees(const PathVertex& a, const PathVertex& b, const PathVertex& c)
{
    const auto bearing = [](const PathVertex& from, const PathVertex& to) {
        const double p1 = from.latitude * kDegreesToRadians;
        const double p2 = to.latitude * kDegreesToRadians;
        const double dl = (to.longitude - from.longitude) * kDegreesToRadians;
        return std::atan2(std::sin(dl) * std::cos(p2), std::cos(p1) * std::sin(p2) - std::sin(p1) * std::cos(p2) * std::cos(dl));
    };
    return std::abs(std::remainder(bearing(b, c) - bearing(b, a) - kPi, kTwoPi)) * kRadiansToDegrees;
}

// The shortest distance from a place to a polyline, km (through its
// vertices, densely enough spaced for the kilometre).
double DistanceToLineKm(const PathVertex& place, const std::vector<PathLine>& lines)
{
    double least = 1e9;
    for (const PathLine& line : lines) {
        for (std::size_t i = 1; i < line.size(); ++i) {
            for (int k = 0; k <= 20; ++k) {
                const double f = k / 20.0;
                PathVertex point = line[i - 1];
                point.latitude += f * (line[i].latitude - line[i - 1].latitude);
                point.longitude += f * std::remainder(line[i].longitude - line[i - 1].longitude, 360.0);
                least = std::min(least, DistanceKm(place, point));
            }
        }
    }
    return least;
}

// A point moved from a place toward another, by a distance in km.
GeographicPlace Toward(const PathVertex& from, const PathVertex& to, double km)
{
    const double f = km / DistanceKm(from, to);
    return {from.longitude + f * std::remainder(to.longitude - from.longitude, 360.0),
            from.latitude + f * (to.latitude - from.latitude), 0.0};
}

struct Canon {
    std::string name;
    std::function<FittedElements()> elements;
    double greatestUt;      // seconds of the day
    double latitude;
    double longitude;
    double durationSeconds;
    double widthKm;
};

// Espenak, NASA GSFC: greatest eclipse, its place, the central duration and
// the path width there.
const std::vector<Canon> kCanon = {
    {"2006", published::Eclipse2006, Hms(10, 11, 18), 23.2, 16.7, 247.0, 184.0},
    {"2017", published::Eclipse2017, Hms(18, 25, 30), 37.0, -87.7, 160.0, 114.7},
    {"2024", published::Eclipse2024, Hms(18, 17, 20), 25.29, -104.15, 268.0, 198.0},
};

class EclipsePaths : public testing::Test {
protected:
    static const EclipsePath& PathOf(const std::string& name, const FittedElements& elements)
    {
        static std::map<std::string, EclipsePath> paths;
        auto found = paths.find(name);
        if (found == paths.end()) {
            found = paths.emplace(name, ComputeEclipsePath(elements, 60.0)).first;
        }
        return found->second;
    }
};

TEST_F(EclipsePaths, AgreeWithTheCanonAtGreatestEclipse)
{
    for (const Canon& canon : kCanon) {
        SCOPED_TRACE(canon.name);
        const FittedElements elements = canon.elements();
        const GreatestEclipse& greatest = PathOf(canon.name, elements).circumstances.greatest;
        EXPECT_NEAR(UtSecondsOfDay(greatest.time, elements.deltaT), canon.greatestUt, 10.0);
        EXPECT_LT(DistanceKm(greatest.latitude, greatest.longitude, canon.latitude, canon.longitude), 12.0);
        ASSERT_TRUE(greatest.durationSeconds && greatest.widthKm);
        EXPECT_NEAR(*greatest.durationSeconds, canon.durationSeconds, 2.0);
        EXPECT_NEAR(*greatest.widthKm, canon.widthKm, 3.0);
    }
}

struct PublishedPoint {
    std::string name;
    std::function<PathVertex(const EclipsePath&)> computed;
    double ut;          // seconds of the day
    double latitude;    // degrees
    double longitude;   // degrees east ("true longitude", for Delta T 64.9 s)
    double seconds;     // tolerance
    double km;          // tolerance
};

PathVertex ContactVertex(const std::optional<GlobalContact>& contact)
{
    return contact ? PathVertex{contact->latitude, contact->longitude, contact->time} : PathVertex{NAN, NAN, Instant()};
}

// Espenak & Anderson, Total Solar Eclipse of 2006 March 29 (NASA TP
// 2004-212762), table 3, "Shadow Contacts and Circumstances", TDT less 64.9 s.
// The penumbral limits end on the horizon, where an instant moves many
// seconds along the curve for a kilometre; the point where the penumbra
// touches the limb from inside (P2) slides along it.
const std::vector<PublishedPoint> kShadowContacts2006 = {
    {"P1", [](const EclipsePath& p) { return ContactVertex(p.circumstances.p1); }, Hms(7, 36, 48.5), -14.4583, -22.1167, 2, 10},
    {"P2", [](const EclipsePath& p) { return ContactVertex(p.circumstances.p2); }, Hms(9, 44, 37.2), 27.4767, -56.7150, 2, 25},
    {"P3", [](const EclipsePath& p) { return ContactVertex(p.circumstances.p3); }, Hms(10, 37, 28.0), 84.4617, 149.7383, 2, 10},
    {"P4", [](const EclipsePath& p) { return ContactVertex(p.circumstances.p4); }, Hms(12, 45, 40.6), 43.4417, 83.0417, 2, 10},
    {"penumbral N1", [](const EclipsePath& p) { return p.penumbraNorth.front().front(); }, Hms(9, 31, 44.9), 38.5333, -54.4333, 10, 5},
    {"penumbral S1", [](const EclipsePath& p) { return p.penumbraSouth.front().front(); }, Hms(8, 27, 14.4), -37.7550, -32.9783, 10, 5},
    {"penumbral N2", [](const EclipsePath& p) { return p.penumbraNorth.front().back(); }, Hms(10, 50, 11.6), 82.7500, -99.2933, 10, 5},
    {"penumbral S2", [](const EclipsePath& p) { return p.penumbraSouth.front().back(); }, Hms(11, 55, 29.7), 20.1667, 93.5867, 10, 5},
    {"U1", [](const EclipsePath& p) { return ContactVertex(p.circumstances.u1); }, Hms(8, 34, 24.4), -6.5183, -37.0017, 2, 5},
    {"U2", [](const EclipsePath& p) { return ContactVertex(p.circumstances.u2); }, Hms(8, 36, 28.6), -6.0767, -37.5467, 2, 5},
    {"U3", [](const EclipsePath& p) { return ContactVertex(p.circumstances.u3); }, Hms(11, 45, 54.5), 51.7833, 99.0833, 2, 5},
    {"U4", [](const EclipsePath& p) { return ContactVertex(p.circumstances.u4); }, Hms(11, 47, 56.4), 51.3533, 98.5083, 2, 5},
    {"umbral N1", [](const EclipsePath& p) { return p.umbraNorth.front().front(); }, Hms(8, 35, 52.1), -5.7250, -37.4150, 2, 3},
    {"umbral S1", [](const EclipsePath& p) { return p.umbraSouth.front().front(); }, Hms(8, 35, 1.6), -6.8717, -37.1367, 2, 3},
    {"umbral N2", [](const EclipsePath& p) { return p.umbraNorth.front().back(); }, Hms(11, 46, 30.1), 52.1250, 98.9900, 2, 3},
    {"umbral S2", [](const EclipsePath& p) { return p.umbraSouth.front().back(); }, Hms(11, 47, 20.2), 51.0100, 98.6083, 2, 3},
    {"C1", [](const EclipsePath& p) { return p.centralLine.front().front().place; }, Hms(8, 35, 26.4), -6.3000, -37.2733, 2, 3},
    {"C2", [](const EclipsePath& p) { return p.centralLine.front().back().place; }, Hms(11, 46, 55.5), 51.5667, 98.7950, 2, 3},
    {"G0", [](const EclipsePath& p) {
         const GreatestEclipse& g = p.circumstances.greatest;
         return PathVertex{g.latitude, g.longitude, g.time};
     }, Hms(10, 11, 17.7), 23.1517, 16.7483, 2, 3},
};

TEST_F(EclipsePaths, AgreeWithNasasTableOfShadowContactsFor2006)
{
    const FittedElements elements = published::Eclipse2006();
    const EclipsePath& path = PathOf("2006", elements);
    for (const PublishedPoint& point : kShadowContacts2006) {
        SCOPED_TRACE(point.name);
        const PathVertex vertex = point.computed(path);
        EXPECT_NEAR(UtSecondsOfDay(vertex.time, elements.deltaT), point.ut, point.seconds);
        EXPECT_LT(DistanceKm(vertex.latitude, vertex.longitude, point.latitude, point.longitude), point.km);
    }
}

TEST_F(EclipsePaths, TotalityFirstTouchesDownInBrazilForOneMinuteFiftyThreeSecondsIn2006)
{
    const FittedElements elements = published::Eclipse2006();
    const EclipsePath& path = PathOf("2006", elements);
    ASSERT_EQ(path.centralLine.size(), 1u);
    const CentralVertex& first = path.centralLine.front().front();
    EXPECT_NEAR(first.durationSeconds, 113.0, 3.0);
    EXPECT_NEAR(first.sunAltitude, 0.0, 0.05);
    EXPECT_NEAR(first.place.latitude, -6.3, 0.5);   // the coast of Brazil near Natal
    EXPECT_NEAR(first.place.longitude, -37.3, 0.5);
}

TEST_F(EclipsePaths, CentralLineLiesUnderTheAxisOnWholeMinutesOfUniversalTime)
{
    for (const Canon& canon : kCanon) {
        SCOPED_TRACE(canon.name);
        const FittedElements elements = canon.elements();
        const EclipsePath& path = PathOf(canon.name, elements);
        ASSERT_EQ(path.centralLine.size(), 1u);
        const std::vector<CentralVertex>& line = path.centralLine.front();
        int onTheMinute = 0;
        for (const CentralVertex& vertex : line) {
            const double hours = elements.HoursOf(vertex.place.time);
            const independent::Vector local = independent::InAxisFrame(
                elements, independent::EarthFixed(vertex.place.latitude, vertex.place.longitude, 0.0), hours);
            EXPECT_NEAR(local.x, elements.x.At(hours), 1e-7);
            EXPECT_NEAR(local.y, elements.y.At(hours), 1e-7);
            EXPECT_GE(independent::SunAltitude(elements, vertex.place.latitude, vertex.place.longitude, hours), -1e-3);
            const double seconds = UtSecondsOfDay(vertex.place.time, elements.deltaT);
            const bool wholeMinute = std::abs(seconds - 60.0 * std::round(seconds / 60.0)) < 1e-3;
            onTheMinute += wholeMinute;
            const bool end = &vertex == &line.front() || &vertex == &line.back();
            EXPECT_EQ(vertex.onStep, wholeMinute || end);
        }
        // Sunrise to sunset takes a little over three hours for these three.
        EXPECT_GE(onTheMinute, 180);
        EXPECT_NEAR(line.front().sunAltitude, 0.0, 0.05);
        EXPECT_NEAR(line.back().sunAltitude, 0.0, 0.05);
    }
}

TEST_F(EclipsePaths, CentralDurationIsWhatThePlaceUnderTheAxisSees)
{
    for (const Canon& canon : kCanon) {
        SCOPED_TRACE(canon.name);
        const FittedElements elements = canon.elements();
        const std::vector<CentralVertex>& line = PathOf(canon.name, elements).centralLine.front();
        for (std::size_t i = 0; i < line.size(); i += 15) {
            const CentralVertex& vertex = line[i];
            const LocalCircumstances seen =
                LocalCircumstancesAt(elements, {vertex.place.longitude, vertex.place.latitude, 0.0});
            EXPECT_NEAR(seen.durationSeconds, vertex.durationSeconds, 1.0);
            ASSERT_TRUE(seen.maximum);
            EXPECT_NEAR(seen.maximum->time.SecondsSince(vertex.place.time), 0.0, 1.0);
        }
    }
}

// The limits of totality, a limit point's own eclipse only grazes the Moon's
// limb; two kilometres toward the central line it is total.
TEST_F(EclipsePaths, UmbralLimitsBoundTotality)
{
    for (const Canon& canon : kCanon) {
        SCOPED_TRACE(canon.name);
        const FittedElements elements = canon.elements();
        const EclipsePath& path = PathOf(canon.name, elements);
        int checked = 0;
        for (const auto* limits : {&path.umbraNorth, &path.umbraSouth}) {
            ASSERT_EQ(limits->size(), 1u);
            for (std::size_t i = 0; i < limits->front().size(); i += 7) {
                const PathVertex& limit = limits->front()[i];
                const std::optional<CentralVertex> central = CentralVertexAt(elements, elements.HoursOf(limit.time));
                if (!central) {
                    continue;
                }
                const LocalCircumstances atLimit = LocalCircumstancesAt(elements, {limit.longitude, limit.latitude, 0.0});
                EXPECT_LT(atLimit.durationSeconds, 2.0);
                const LocalCircumstances inside = LocalCircumstancesAt(elements, Toward(limit, central->place, 2.0));
                EXPECT_GT(inside.durationSeconds, 0.0);
                ++checked;
            }
        }
        // The limits at the central line's own instants, as the CSV lists them.
        for (std::size_t i = 0; i < path.centralLine.front().size(); i += 20) {
            const CentralVertex& central = path.centralLine.front()[i];
            for (const auto* limit : {&central.northLimit, &central.southLimit}) {
                if (!limit->has_value()) {
                    continue;
                }
                const PathVertex& place = **limit;
                EXPECT_EQ(place.time, central.place.time);
                EXPECT_LT(LocalCircumstancesAt(elements, {place.longitude, place.latitude, 0.0}).durationSeconds, 2.0);
                EXPECT_GT(LocalCircumstancesAt(elements, Toward(place, central.place, 2.0)).durationSeconds, 0.0);
                ++checked;
            }
        }
        EXPECT_GT(checked, 60);
    }
}

TEST_F(EclipsePaths, WidthIsTheDistanceBetweenTheLimitsAcrossThePath)
{
    for (const Canon& canon : kCanon) {
        SCOPED_TRACE(canon.name);
        const FittedElements elements = canon.elements();
        const EclipsePath& path = PathOf(canon.name, elements);
        const std::vector<CentralVertex>& line = path.centralLine.front();
        for (std::size_t i = line.size() / 5; i < line.size() * 4 / 5; i += line.size() / 10) {
            const CentralVertex& vertex = line[i];
            const double across = DistanceToLineKm(vertex.place, path.umbraNorth) + DistanceToLineKm(vertex.place, path.umbraSouth);
            EXPECT_NEAR(vertex.widthKm, across, 0.01 * across);
        }
    }
}

// Where the eclipse begins or ends at sunrise or sunset, the penumbra's
// edge passes the place at the vertex' instant with the Sun on its horizon,
// and the place sees its first or last contact then; where the maximum
// happens at sunrise or sunset, the place sees its maximum then.
TEST_F(EclipsePaths, HorizonCurvesAreWhatTheirPlacesSeeAtSunriseOrSunset)
{
    for (const Canon& canon : kCanon) {
        SCOPED_TRACE(canon.name);
        const FittedElements elements = canon.elements();
        const EclipsePath& path = PathOf(canon.name, elements);
        int checked = 0;
        for (const PathLine& line : path.riseSetContacts) {
            for (std::size_t i = 0; i < line.size(); i += 11) {
                const PathVertex& vertex = line[i];
                const double hours = elements.HoursOf(vertex.time);
                const independent::Vector place = independent::EarthFixed(vertex.latitude, vertex.longitude, 0.0);
                EXPECT_NEAR(independent::DistanceFromAxis(elements, place, hours), independent::PenumbraAt(elements, place, hours), 1e-7);
                EXPECT_NEAR(independent::SunAltitude(elements, vertex.latitude, vertex.longitude, hours), 0.0, 0.01);
                const LocalCircumstances seen = LocalCircumstancesAt(elements, {vertex.longitude, vertex.latitude, 0.0});
                if (seen.c1 && seen.c4) {
                    EXPECT_LT(std::min(std::abs(seen.c1->time.SecondsSince(vertex.time)), std::abs(seen.c4->time.SecondsSince(vertex.time))), 1.0);
                    ++checked;
                }
            }
        }
        for (const PathLine& line : path.riseSetMaximum) {
            for (std::size_t i = 0; i < line.size(); i += 11) {
                const PathVertex& vertex = line[i];
                const independent::Scan scan = independent::ScanEclipse(elements, vertex.latitude, vertex.longitude, 0.0);
                EXPECT_NEAR(scan.maximumHours, elements.HoursOf(vertex.time), 1.0 / 3600.0);
                EXPECT_GE(scan.magnitude, -1e-6);
                const LocalCircumstances seen = LocalCircumstancesAt(elements, {vertex.longitude, vertex.latitude, 0.0});
                if (seen.maximum) {
                    EXPECT_NEAR(seen.maximum->time.SecondsSince(vertex.time), 0.0, 1.0);
                    EXPECT_NEAR(seen.maximum->sunAltitude, 0.0, 0.01);
                    ++checked;
                }
            }
        }
        EXPECT_GT(checked, 40);
    }
}

// The central line and every limit end where the maximum happens with the
// Sun on the horizon (on the curve of maximum at sunrise or sunset): the
// place's closest approach of the axis, scanned second by second, comes at
// the vertex' instant, with the Sun on the horizon then.
TEST_F(EclipsePaths, LinesEndWhereTheMaximumHappensOnTheHorizon)
{
    for (const Canon& canon : kCanon) {
        SCOPED_TRACE(canon.name);
        const FittedElements elements = canon.elements();
        const EclipsePath& path = PathOf(canon.name, elements);
        std::vector<PathVertex> ends{path.centralLine.front().front().place, path.centralLine.front().back().place};
        for (const auto* lines : {&path.umbraNorth, &path.umbraSouth, &path.penumbraNorth, &path.penumbraSouth}) {
            for (const PathLine& line : *lines) {
                ends.push_back(line.front());
                ends.push_back(line.back());
            }
        }
        for (const PathVertex& end : ends) {
            const independent::Scan scan = independent::ScanEclipse(elements, end.latitude, end.longitude, 0.0);
            EXPECT_NEAR(scan.maximumHours, elements.HoursOf(end.time), 1.0 / 3600.0);
            EXPECT_NEAR(independent::SunAltitude(elements, end.latitude, end.longitude, elements.HoursOf(end.time)), 0.0, 0.01);
        }
    }
}

// Consecutive vertices lie close together and the lines never turn sharply
// (the sunrise and sunset curves have narrow tips, bent through 30 degrees
// at most between vertices 10 km apart): no spikes, no jumps.
TEST_F(EclipsePaths, LinesAreSmooth)
{
    for (const Canon& canon : kCanon) {
        SCOPED_TRACE(canon.name);
        const EclipsePath& path = PathOf(canon.name, canon.elements());
        std::vector<PathLine> lines;
        for (const auto& run : path.centralLine) {
            PathLine line;
            for (const CentralVertex& vertex : run) {
                line.push_back(vertex.place);
            }
            lines.push_back(line);
        }
        for (const auto* group : {&path.umbraNorth, &path.umbraSouth, &path.penumbraNorth, &path.penumbraSouth,
                                  &path.riseSetContacts, &path.riseSetMaximum}) {
            lines.insert(lines.end(), group->begin(), group->end());
        }
        for (const PathLine& line : lines) {
            for (std::size_t i = 1; i < line.size(); ++i) {
                EXPECT_LT(DistanceKm(line[i - 1], line[i]), 150.0);
            }
            for (std::size_t i = 2; i < line.size(); ++i) {
                if (DistanceKm(line[i - 2], line[i - 1]) > 5.0 && DistanceKm(line[i - 1], line[i]) > 5.0) {
                    EXPECT_LT(TurnDegrees(line[i - 2], line[i - 1], line[i]), 45.0);
                }
            }
        }
    }
}

TEST(GlobalCircumstances, FirstAndLastContactsAreSeenAtSunriseAndSunset)
{
    for (const auto& make : {published::Eclipse2006, published::Eclipse2017, published::Eclipse2024}) {
        const FittedElements elements = make();
        const EclipsePath path = ComputeEclipsePath(elements, 60.0);
        const GlobalCircumstances& global = path.circumstances;
        ASSERT_TRUE(global.p1 && global.p4 && global.u1 && global.u2 && global.u3 && global.u4);
        EXPECT_LT(global.p1->time, global.u1->time);
        EXPECT_LT(global.u1->time, global.u2->time);
        EXPECT_LT(global.u2->time, global.greatest.time);
        EXPECT_LT(global.greatest.time, global.u3->time);
        EXPECT_LT(global.u3->time, global.u4->time);
        EXPECT_LT(global.u4->time, global.p4->time);
        const LocalCircumstances first = LocalCircumstancesAt(elements, {global.p1->longitude, global.p1->latitude, 0.0});
        const LocalCircumstances last = LocalCircumstancesAt(elements, {global.p4->longitude, global.p4->latitude, 0.0});
        ASSERT_TRUE(first.c1 && last.c4);
        EXPECT_NEAR(first.c1->time.SecondsSince(global.p1->time), 0.0, 5.0);
        EXPECT_NEAR(first.c1->sunAltitude, 0.0, 0.05);
        EXPECT_NEAR(last.c4->time.SecondsSince(global.p4->time), 0.0, 5.0);
        EXPECT_NEAR(last.c4->sunAltitude, 0.0, 0.05);
        // The umbra first meets the Earth where the central line begins.
        const PathVertex& sunrise = path.centralLine.front().front().place;
        EXPECT_LT(DistanceKm(global.u1->latitude, global.u1->longitude, sunrise.latitude, sunrise.longitude), 100.0);
    }
}

} // namespace

// No caller can ask for unbounded work: a step that would put more than
// kMostRegularPathVertices regular vertices on a curve is refused before any
// is computed, and the shortest step the command line allows, one second, is
// far from that bound.
TEST(EclipsePathStep, AStepThatWouldGiveUnboundedWorkIsRefused)
{
    const FittedElements elements = published::Eclipse2024();
    const double shortestStep = (elements.validTo - elements.validFrom) * kSecondsPerHour / kMostRegularPathVertices;
    ASSERT_LT(shortestStep, 1.0);
    for (const double step : {1e-9, 5e-324, 0.0, -60.0, std::nan(""), shortestStep * 0.99}) {
        SCOPED_TRACE(step);
        EXPECT_THROW(ComputeEclipsePath(elements, step), std::invalid_argument);
    }
    // Between its exact ends, the central line has a vertex on every second.
    const EclipsePath path = ComputeEclipsePath(elements, 1.0);
    ASSERT_FALSE(path.centralLine.empty());
    for (const auto& run : path.centralLine) {
        std::vector<double> seconds;
        for (const CentralVertex& vertex : run) {
            if (vertex.onStep) {
                seconds.push_back(vertex.place.time.SecondsSince(run.front().place.time));
            }
        }
        ASSERT_GT(seconds.size(), 3u);
        for (std::size_t i = 2; i + 1 < seconds.size(); ++i) {
            EXPECT_NEAR(seconds[i] - seconds[i - 1], 1.0, 1e-3) << "vertex " << i;
        }
    }
}
