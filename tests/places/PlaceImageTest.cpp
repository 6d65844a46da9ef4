#include "places/PlaceImage.h"

#include "datafiles/FileException.h"
#include "datafiles/RecordImage.h"
#include "tests/TestDirectory.h"
#include "tests/places/FakeGazetteer.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <utility>
#include <vector>

namespace {

std::vector<Place> Listed(const Gazetteer& gazetteer)
{
    std::vector<Place> places;
    gazetteer.ForEach([&](const Place& place) { places.push_back(place); });
    return places;
}

} // namespace

// The image gives back every town as it was given, the coordinates to the
// float's precision (under 2 m), and searches as the interface does.
TEST(PlaceImage, GivesBackTheTownsItWasMadeFrom)
{
    const FakeGazetteer source(SampleTowns());
    const PlaceImage image("places.dat", PlaceImage::Encode(source));
    const std::vector<Place> expected = SampleTowns();
    const std::vector<Place> read = Listed(image);
    ASSERT_EQ(image.Size(), expected.size());
    ASSERT_EQ(read.size(), expected.size());
    for (std::size_t i = 0; i < read.size(); ++i) {
        EXPECT_EQ(PlaceTitle(read[i]), PlaceTitle(expected[i]));
        EXPECT_EQ(read[i].countryCode, expected[i].countryCode);
        EXPECT_EQ(read[i].timeZone, expected[i].timeZone);
        EXPECT_EQ(read[i].population, expected[i].population);
        EXPECT_NEAR(read[i].longitude, expected[i].longitude, 2e-5);
        EXPECT_NEAR(read[i].latitude, expected[i].latitude, 2e-5);
    }
    for (const char* name : {"dallas", "Montreal", "Springfield", ""}) {
        EXPECT_EQ(image.FindByName(name).size(), source.FindByName(name).size()) << name;
    }
    // The nearest place, from anywhere on the globe, is the one the full
    // search over the towns finds.
    std::vector<std::pair<double, double>> points = {{-179.9, -16.5}, {0.0, 90.0}, {-96.8, 32.8}};
    for (double longitude = -180.0; longitude < 180.0; longitude += 15.0) {
        for (double latitude = -90.0; latitude <= 90.0; latitude += 7.5) {
            points.emplace_back(longitude, latitude);
        }
    }
    for (const auto& [longitude, latitude] : points) {
        SCOPED_TRACE(testing::Message() << longitude << ", " << latitude);
        const std::optional<NearbyPlace> a = image.Nearest(longitude, latitude, 20100.0);
        const std::optional<NearbyPlace> b = source.Nearest(longitude, latitude, 20100.0);
        ASSERT_EQ(a.has_value(), b.has_value());
        if (a) {
            EXPECT_EQ(a->place.name, b->place.name);
            EXPECT_NEAR(a->distanceKilometres, b->distanceKilometres, 0.01);
        }
    }
}

class DamagedPlaceImage : public TemporaryDirectoryTest {};

// A damaged image is refused with the file's name, never read past its end.
TEST_F(DamagedPlaceImage, IsRefusedNamingTheFile)
{
    const std::vector<std::uint8_t> good = PlaceImage::Encode(FakeGazetteer(SampleTowns()));
    const std::size_t count = SampleTowns().size();
    const std::size_t records = 8 + count * 8;
    struct Damage {
        const char* what;
        std::function<void(std::vector<std::uint8_t>&)> apply;
    };
    const Damage damages[] = {
        {"empty", [](auto& bytes) { bytes.clear(); }},
        {"cut", [](auto& bytes) { bytes.resize(bytes.size() / 2); }},
        {"one byte more", [](auto& bytes) { bytes.push_back(0); }},
        {"more places announced", [](auto& bytes) { bytes[0] += 1; }},
        {"no final NUL", [](auto& bytes) { bytes.back() = 'x'; }},
        {"a latitude of NaN", [](auto& bytes) { StoreRecord(std::span(bytes), 12, std::nanf("")); }},
        {"a longitude of 200", [](auto& bytes) { StoreRecord(std::span(bytes), 8, 200.0f); }},
        {"a name beyond the text", [=](auto& bytes) { StoreRecord(std::span(bytes), records + 4, 0xFFFFFFF0u); }},
    };
    for (const Damage& damage : damages) {
        std::vector<std::uint8_t> bytes = good;
        damage.apply(bytes);
        const std::string path = WriteBytes("places.dat", bytes);
        try {
            PlaceImage::Load(path);
            ADD_FAILURE() << damage.what << " was read";
        } catch (const CFileException& error) {
            EXPECT_EQ(error.FileName(), path) << damage.what;
        }
    }
    EXPECT_THROW(PlaceImage::Load(PathOf("missing.dat")), CFileException);
}
