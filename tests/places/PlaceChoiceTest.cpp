#include "places/PlaceChoice.h"

#include "tests/places/FakeGazetteer.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::string Title(const std::optional<Place>& place)
{
    return place ? PlaceTitle(*place) : std::string("none");
}

} // namespace

// A name shared by several towns takes the most populous; a state, a
// country or its code after a comma takes the one meant.
TEST(ChoosePlace, TakesTheMostPopulousTownOfTheNameOrTheOneQualified)
{
    const FakeGazetteer gazetteer(SampleTowns());
    const std::pair<std::string, std::string> cases[] = {
        {"Dallas", "Dallas, Texas, United States of America"},
        {"dallas", "Dallas, Texas, United States of America"},
        {"Dallas, Texas", "Dallas, Texas, United States of America"},
        {"Dallas, Oregon", "Dallas, Oregon, United States of America"},
        {"Dallas, Oregon, US", "Dallas, Oregon, United States of America"},
        {"Burgos, Spain", "Burgos, Castille and León, Spain"},
        {"Burgos, PH", "Burgos, Central Luzon, Philippines"},
        {"Burgos , castille and leon", "Burgos, Castille and León, Spain"},
        {"Montreal", "Montréal, Quebec, Canada"},
        {"winston salem", "Winston-Salem, North Carolina, United States of America"},
    };
    for (const auto& [text, title] : cases) {
        EXPECT_EQ(Title(ChoosePlace(gazetteer, text).chosen), title) << text;
    }
}

TEST(ChoosePlace, NamesTheOtherTownsOfAnAmbiguousName)
{
    const PlaceChoice choice = ChoosePlace(FakeGazetteer(SampleTowns()), "Dallas");
    ASSERT_EQ(choice.others.size(), 1u);
    EXPECT_EQ(choice.others[0].state, "Oregon");
    EXPECT_TRUE(choice.closest.empty());
    EXPECT_TRUE(ChoosePlace(FakeGazetteer(SampleTowns()), "Dallas, Texas").others.empty());
}

// An unknown name offers the names spelled nearly so, the nearest spelling
// first, then the most populous; a known name in the wrong state offers
// the towns of that name.
TEST(ChoosePlace, OffersTheClosestSpellingsOfAnUnknownName)
{
    const FakeGazetteer gazetteer(SampleTowns());
    struct Case {
        std::string text;
        std::vector<std::string> closest;
    };
    const Case cases[] = {
        {"Dalas", {"Dallas, Texas, United States of America", "Dallas, Oregon, United States of America"}},
        {"Burgas", {"Burgos, Castille and León, Spain", "Burgos, Central Luzon, Philippines"}},
        {"Dallas, Spain", {"Dallas, Texas, United States of America", "Dallas, Oregon, United States of America"}},
        {"Dalin", {"Dalian, Liaoning, China"}},
        {"Springfield", {}},
    };
    for (const Case& c : cases) {
        const PlaceChoice choice = ChoosePlace(gazetteer, c.text);
        EXPECT_FALSE(choice.chosen) << c.text;
        std::vector<std::string> closest;
        for (const Place& place : choice.closest) {
            closest.push_back(PlaceTitle(place));
        }
        EXPECT_EQ(closest, c.closest) << c.text;
    }
}

// Quotes, semicolons, a hundred kilobytes, bytes that are not UTF-8 and
// empty names answer to nothing, and offer nothing.
TEST(ChoosePlace, AnswersNothingToHostileNames)
{
    const FakeGazetteer gazetteer(SampleTowns());
    const std::string cases[] = {
        "",
        " ",
        ",",
        "Dallas,",
        ", Texas",
        "\"Dallas\"; DROP TABLE places; --",
        "'; rm -rf / #",
        std::string(100000, 'D'),
        "Dallas" + std::string(100000, ' '),
        "Dal\xff\xfelas",
        std::string("Dallas\0Texas", 12),
        "\x1b[31mDallas",
    };
    for (const std::string& text : cases) {
        const PlaceChoice choice = ChoosePlace(gazetteer, text);
        EXPECT_FALSE(choice.chosen) << text.substr(0, 40);
        EXPECT_TRUE(choice.others.empty()) << text.substr(0, 40);
        EXPECT_TRUE(choice.closest.empty()) << text.substr(0, 40);
    }
}

// The nearest town over the antimeridian and near a pole, and none beyond
// the distance asked.
TEST(GazetteerNearest, FindsTownsAcrossTheAntimeridianAndNearThePole)
{
    const FakeGazetteer gazetteer(SampleTowns());
    struct Case {
        double longitude, latitude, reach;
        const char* name;   // none: nullptr
    };
    const Case cases[] = {
        {-179.9, -16.5, 100.0, "Labasa"},   // 77 km east of Labasa, over the antimeridian
        {180.0, -16.4167, 100.0, "Labasa"},
        {-62.0, 83.0, 100.0, "Alert"},
        {0.0, 90.0, 1000.0, "Alert"},       // the pole: 838 km from Alert
        {0.0, 90.0, 100.0, nullptr},
        {-96.80, 32.78, 100.0, "Dallas"},
        {-30.0, 0.0, 100.0, nullptr},       // mid-Atlantic
    };
    for (const Case& c : cases) {
        const std::optional<NearbyPlace> nearest = gazetteer.Nearest(c.longitude, c.latitude, c.reach);
        EXPECT_EQ(nearest ? nearest->place.name : "none", c.name != nullptr ? c.name : "none")
            << c.longitude << ", " << c.latitude;
    }
}

// Distances on the sphere of mean radius, against the published geodesics
// (WGS 84, GeographicLib), within the half per cent a sphere is off.
TEST(GreatCircleKilometres, AgreesWithTheGeodesicsWithinHalfAPerCent)
{
    struct Case {
        double lon1, lat1, lon2, lat2, geodesicKm;
    };
    const Case cases[] = {
        {2.3488, 48.8534, -0.1257, 51.5085, 344.1},     // Paris - London
        {-96.8067, 32.7831, -73.5878, 45.5088, 2439.9}, // Dallas - Montreal
        {179.3833, -16.4167, -179.9, -16.5, 77.1},      // over the antimeridian
        {0.0, 90.0, -62.3481, 82.5018, 837.5},          // the pole - Alert
    };
    for (const Case& c : cases) {
        EXPECT_NEAR(GreatCircleKilometres(c.lon1, c.lat1, c.lon2, c.lat2), c.geodesicKm, 0.005 * c.geodesicKm);
    }
}
