#pragma once

#include "datafiles/ImageCache.h"
#include "places/Gazetteer.h"

#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <vector>

// The gazetteer's compact image in the data directory, made from the
// GeoNames places at build time, so that the programs read one file instead
// of starting the GeoNames library (and GLib) for every question.
inline constexpr const char* kPlacesFileName = "places.dat";

// The layout, little-endian:
//   header       uint32 place count N, uint32 text size T (bytes)
//   coordinates  N pairs of float32: longitude, latitude (degrees, east
//                and north positive), first so that the search for the
//                nearest place reads nothing else
//   records      N of PlaceImageRecord
//   text         T bytes of UTF-8 strings, each ending with a NUL, each
//                stored once; the records point into it
struct PlaceImageRecord {
    std::uint32_t population;
    std::uint32_t name;          // offsets into the text
    std::uint32_t state;
    std::uint32_t country;
    std::uint32_t countryCode;
    std::uint32_t timeZone;
};
static_assert(sizeof(PlaceImageRecord) == 24);

class PlaceImage final : public Gazetteer {
public:
    // The image of any gazetteer's places, in its order.
    static std::vector<std::uint8_t> Encode(const Gazetteer& source);

    // Reads the image at path and checks it, also against the data
    // directory's manifest. Raises CFileException naming the file when it
    // is missing, damaged or not an image of this layout.
    static std::shared_ptr<const PlaceImage> Load(const std::string& path);
    // Checks bytes read from fileName; raises CFileException as Load does.
    PlaceImage(const std::string& fileName, DataImage bytes);
    PlaceImage(const std::string& fileName, std::span<const std::uint8_t> bytes);

    std::size_t Size() const override { return m_count; }
    void ForEach(const std::function<void(const Place&)>& visit) const override;
    std::vector<Place> FindByName(std::string_view name) const override;
    std::optional<NearbyPlace> Nearest(double longitude, double latitude, double maximumKilometres) const override;

private:
    void ReadHeader(const std::string& fileName);
    void CheckRecords(const std::string& fileName) const;
    // The place nearest on an equirectangular map about the point.
    std::size_t RoughlyNearest(double longitude, double latitude) const;
    PlaceImageRecord RecordOf(std::size_t index) const;
    std::pair<float, float> CoordinatesOf(std::size_t index) const;
    std::string_view TextAt(std::uint32_t offset) const;
    void Fill(std::size_t index, Place& place) const;

    DataImage m_image;
    std::span<const std::uint8_t> m_bytes;
    std::size_t m_count = 0;
    std::size_t m_textSize = 0;
};
