#include "places/PlaceImage.h"

#include "core/Units.h"
#include "datafiles/FileException.h"
#include "datafiles/RecordImage.h"
#include "places/PlaceNames.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <limits>
#include <map>

namespace {

constexpr std::size_t kHeaderSize = 2 * sizeof(std::uint32_t);
// Along a meridian on the sphere of GreatCircleKilometres; less a margin for
// the rounding of either.
constexpr double kKilometresPerDegreeOfLatitude = kEarthMeanRadiusKilometres * kDegreesToRadians;
constexpr double kRounding = 1e-6;
constexpr std::size_t kCoordinatesSize = 2 * sizeof(float);

// Degrees of longitude from one meridian to another, -180 to 180: what
// std::remainder(difference, 360) gives, to the bit (the sum or difference
// with 360 is exact), without its cost for the differences of two
// longitudes of the globe, which lie within 360 degrees.
double EastwardDegrees(double difference)
{
    if (!(std::abs(difference) < 360.0)) {
        return std::remainder(difference, 360.0);
    }
    if (difference > 180.0) {
        return difference - 360.0;
    }
    return difference < -180.0 ? difference + 360.0 : difference;
}

std::size_t RecordsOffset(std::size_t count)
{
    return kHeaderSize + count * kCoordinatesSize;
}

std::size_t TextOffset(std::size_t count)
{
    return RecordsOffset(count) + count * sizeof(PlaceImageRecord);
}

// The text block under construction: each string once.
class TextBlock {
public:
    std::uint32_t Offset(const std::string& text)
    {
        const auto [entry, added] = m_offsets.try_emplace(text, static_cast<std::uint32_t>(m_bytes.size()));
        if (added) {
            m_bytes.insert(m_bytes.end(), text.begin(), text.end());
            m_bytes.push_back(0);
        }
        return entry->second;
    }
    const std::vector<std::uint8_t>& Bytes() const { return m_bytes; }

private:
    std::map<std::string, std::uint32_t> m_offsets;
    std::vector<std::uint8_t> m_bytes;
};

DataImage CopiedImage(std::span<const std::uint8_t> bytes)
{
    auto image = std::make_shared<ImageBytes>(bytes.size());
    std::copy(bytes.begin(), bytes.end(), image->data());
    return image;
}

bool Finite(float longitude, float latitude)
{
    return std::isfinite(longitude) && std::isfinite(latitude) && std::abs(longitude) <= 180.0f &&
           std::abs(latitude) <= 90.0f;
}

} // namespace

std::vector<std::uint8_t> PlaceImage::Encode(const Gazetteer& source)
{
    const std::size_t count = source.Size();
    std::vector<std::uint8_t> image(TextOffset(count));
    TextBlock text;
    std::size_t index = 0;
    source.ForEach([&](const Place& place) {
        if (index == count) {
            return;
        }
        StoreRecord(std::span(image), kHeaderSize + index * kCoordinatesSize, static_cast<float>(place.longitude));
        StoreRecord(std::span(image), kHeaderSize + index * kCoordinatesSize + sizeof(float),
                    static_cast<float>(place.latitude));
        const PlaceImageRecord record{place.population,          text.Offset(place.name),
                                      text.Offset(place.state),  text.Offset(place.country),
                                      text.Offset(place.countryCode), text.Offset(place.timeZone)};
        StoreRecord(std::span(image), RecordsOffset(count) + index * sizeof(PlaceImageRecord), record);
        ++index;
    });
    StoreRecord(std::span(image), 0, static_cast<std::uint32_t>(count));
    StoreRecord(std::span(image), sizeof(std::uint32_t), static_cast<std::uint32_t>(text.Bytes().size()));
    image.insert(image.end(), text.Bytes().begin(), text.Bytes().end());
    return image;
}

std::shared_ptr<const PlaceImage> PlaceImage::Load(const std::string& path)
{
    return std::make_shared<const PlaceImage>(path, LoadWholeImage(path));
}

PlaceImage::PlaceImage(const std::string& fileName, DataImage bytes) : m_image(std::move(bytes)), m_bytes(*m_image)
{
    ReadHeader(fileName);
    CheckRecords(fileName);
}

PlaceImage::PlaceImage(const std::string& fileName, std::span<const std::uint8_t> bytes)
    : PlaceImage(fileName, CopiedImage(bytes))
{
}

void PlaceImage::ReadHeader(const std::string& fileName)
{
    if (m_bytes.size() < kHeaderSize) {
        throw CFileException(fileName, m_bytes.size(), kHeaderSize);
    }
    const auto count = RecordAt<std::uint32_t>(m_bytes, 0);
    const auto textSize = RecordAt<std::uint32_t>(m_bytes, sizeof(std::uint32_t));
    const std::size_t expected = TextOffset(count) + textSize;
    if (m_bytes.size() != expected) {
        throw CFileException(fileName, "its header announces " + std::to_string(count) + " places and " +
                                           std::to_string(textSize) + " bytes of names, " + std::to_string(expected) +
                                           " bytes in all, but it has " + std::to_string(m_bytes.size()));
    }
    m_count = count;
    m_textSize = textSize;
    if (textSize == 0 || m_bytes.back() != 0) {
        throw CFileException(fileName, "its names do not end with a NUL");
    }
}

void PlaceImage::CheckRecords(const std::string& fileName) const
{
    for (std::size_t index = 0; index < m_count; ++index) {
        const auto [longitude, latitude] = CoordinatesOf(index);
        const PlaceImageRecord record = RecordOf(index);
        const bool inText = record.name < m_textSize && record.state < m_textSize && record.country < m_textSize &&
                            record.countryCode < m_textSize && record.timeZone < m_textSize;
        if (!Finite(longitude, latitude) || !inText) {
            throw CFileException(fileName, "place " + std::to_string(index) +
                                               (inText ? " lies off the globe" : " points outside the names"));
        }
    }
}

PlaceImageRecord PlaceImage::RecordOf(std::size_t index) const
{
    return RecordAt<PlaceImageRecord>(m_bytes, RecordsOffset(m_count) + index * sizeof(PlaceImageRecord));
}

std::pair<float, float> PlaceImage::CoordinatesOf(std::size_t index) const
{
    const std::size_t offset = kHeaderSize + index * kCoordinatesSize;
    return {RecordAt<float>(m_bytes, offset), RecordAt<float>(m_bytes, offset + sizeof(float))};
}

std::string_view PlaceImage::TextAt(std::uint32_t offset) const
{
    const char* text = reinterpret_cast<const char*>(m_bytes.data() + TextOffset(m_count) + offset);
    return {text, std::strlen(text)};
}

void PlaceImage::Fill(std::size_t index, Place& place) const
{
    const PlaceImageRecord record = RecordOf(index);
    const auto [longitude, latitude] = CoordinatesOf(index);
    place.name = TextAt(record.name);
    place.state = TextAt(record.state);
    place.country = TextAt(record.country);
    place.countryCode = TextAt(record.countryCode);
    place.timeZone = TextAt(record.timeZone);
    place.longitude = longitude;
    place.latitude = latitude;
    place.population = record.population;
}

void PlaceImage::ForEach(const std::function<void(const Place&)>& visit) const
{
    Place place;
    for (std::size_t index = 0; index < m_count; ++index) {
        Fill(index, place);
        visit(place);
    }
}

// Only the names are read until one matches.
std::vector<Place> PlaceImage::FindByName(std::string_view name) const
{
    std::vector<Place> found;
    const std::optional<std::string> key = FoldedName(name);
    if (!key || key->empty()) {
        return found;
    }
    for (std::size_t index = 0; index < m_count; ++index) {
        if (FoldsTo(TextAt(RecordOf(index).name), *key)) {
            Fill(index, found.emplace_back());
        }
    }
    return found;
}

std::size_t PlaceImage::RoughlyNearest(double longitude, double latitude) const
{
    const double shrink = std::cos(latitude * kDegreesToRadians);
    std::size_t nearest = m_count;
    double nearestSquare = std::numeric_limits<double>::infinity();
    for (std::size_t index = 0; index < m_count; ++index) {
        const auto [placeLongitude, placeLatitude] = CoordinatesOf(index);
        const double east = EastwardDegrees(placeLongitude - longitude) * shrink;
        const double north = placeLatitude - latitude;
        const double square = east * east + north * north;
        if (square < nearestSquare) {
            nearest = index;
            nearestSquare = square;
        }
    }
    return nearest;
}

std::optional<NearbyPlace> PlaceImage::Nearest(double longitude, double latitude, double maximumKilometres) const
{
    // Starting from the place nearest on a flat map about the observer, no
    // place is nearer than the arc between the two parallels: nearly all
    // are passed over without the trigonometry.
    std::size_t nearest = RoughlyNearest(longitude, latitude);
    double nearestDistance = std::numeric_limits<double>::infinity();
    if (nearest < m_count) {
        const auto [placeLongitude, placeLatitude] = CoordinatesOf(nearest);
        nearestDistance = GreatCircleKilometres(longitude, latitude, placeLongitude, placeLatitude);
    }
    for (std::size_t index = 0; index < m_count; ++index) {
        const auto [placeLongitude, placeLatitude] = CoordinatesOf(index);
        if (std::abs(placeLatitude - latitude) * kKilometresPerDegreeOfLatitude > nearestDistance + kRounding) {
            continue;
        }
        const double distance = GreatCircleKilometres(longitude, latitude, placeLongitude, placeLatitude);
        if (distance < nearestDistance || (distance == nearestDistance && index < nearest)) {
            nearest = index;
            nearestDistance = distance;
        }
    }
    if (nearest == m_count || nearestDistance > maximumKilometres) {
        return std::nullopt;
    }
    NearbyPlace found{Place{}, nearestDistance};
    Fill(nearest, found.place);
    return found;
}
