#include "map/layers/ShorelineIndex.h"

#include "core/Units.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <thread>

namespace {

// Rounding in the single-precision projection may call a point a hair
// behind the limb visible; a polygon is left out only well behind it.
constexpr double kVisibilityMargin = 1e-4;

constexpr std::uint8_t kNotFilled = 0;
constexpr std::uint8_t kFilling = 1;
constexpr std::uint8_t kFilled = 2;

ShorelineIndex::Polygon BoxOf(const ShorelineImage& image, std::int32_t first, std::int32_t count, std::int32_t level)
{
    // This runs over every point of the world before the first map can be
    // drawn: straight from the bytes, the bounds in locals that stay in
    // registers.
    const std::uint8_t* bytes = image.Bytes().data() + ShorelineLayout::kPointsOffset +
                                sizeof(ShorelinePoint) * static_cast<std::size_t>(first);
    float south = 90.0f;
    float north = -90.0f;
    float west = 180.0f;
    float east = -180.0f;
    for (std::int32_t point = 0; point < count; ++point, bytes += sizeof(ShorelinePoint)) {
        ShorelinePoint p;
        std::memcpy(&p, bytes, sizeof p);
        south = std::min(south, p.latitude);
        north = std::max(north, p.latitude);
        west = std::min(west, p.longitude);
        east = std::max(east, p.longitude);
    }
    return {first, count, level, south, north, west, east};
}

// The smallest longitude difference, degrees in [0, 180], between a
// meridian and a span of longitudes; 0 when the span holds it.
double LongitudeGap(double longitude, double west, double east)
{
    if (east - west >= 180.0) {
        return 0.0;
    }
    const auto wrapped = [](double degrees) { return std::abs(degrees - 360.0 * std::round(degrees / 360.0)); };
    const double middle = 0.5 * (west + east);
    return std::max(0.0, wrapped(longitude - middle) - 0.5 * (east - west));
}

} // namespace

ShorelineIndex::ShorelineIndex(const ShorelineImage& image) : m_image(image)
{
    const std::int32_t polygonCount = std::clamp(image.PolygonCount(), 0, ShorelineLayout::kPolygonCapacity);
    m_polygons.reserve(static_cast<std::size_t>(polygonCount));
    std::int32_t next = 0;
    for (std::int32_t polygon = 0; polygon < polygonCount; ++polygon) {
        const std::int32_t count = std::clamp(image.PointCountOf(polygon), 0, ShorelineLayout::kPointCapacity - next);
        m_polygons.push_back(BoxOf(image, next, count, image.LevelOf(polygon)));
        next += count;
    }
    m_latitudes = LargePageArray<LatitudeTrigonometry>(static_cast<std::size_t>(std::max(next, 1)));
    m_state.reset(new std::atomic<std::uint8_t>[m_polygons.size() + 1]);
    for (std::size_t polygon = 0; polygon <= m_polygons.size(); ++polygon) {
        m_state[polygon].store(kNotFilled, std::memory_order_relaxed);
    }
}

const LatitudeTrigonometry* ShorelineIndex::LatitudesOf(std::size_t polygon) const
{
    const Polygon& p = m_polygons[polygon];
    LatitudeTrigonometry* latitudes = m_latitudes.data() + p.first;
    std::atomic<std::uint8_t>& state = m_state[polygon];
    if (state.load(std::memory_order_acquire) == kFilled) {
        return latitudes;
    }
    std::uint8_t expected = kNotFilled;
    if (state.compare_exchange_strong(expected, kFilling, std::memory_order_acquire)) {
        for (std::int32_t i = 0; i < p.count; ++i) {
            const float latitude = static_cast<float>(m_image.PointAt(p.first + i).latitude * kDegreesToRadians);
            latitudes[i] = {std::sin(latitude), std::cos(latitude)};
        }
        state.store(kFilled, std::memory_order_release);
        return latitudes;
    }
    // Another thread fills this polygon; it takes microseconds.
    while (state.load(std::memory_order_acquire) != kFilled) {
        std::this_thread::yield();
    }
    return latitudes;
}

void ShorelineIndex::FillAllLatitudes() const
{
    for (std::size_t polygon = m_polygons.size(); polygon-- > 0;) {
        LatitudesOf(polygon);
    }
}

HemisphereTest::HemisphereTest(double centreLongitude, double centreLatitude)
    : m_centreLongitude(centreLongitude), m_sinCentre(std::sin(centreLatitude * kDegreesToRadians)),
      m_cosCentre(std::cos(centreLatitude * kDegreesToRadians))
{
}

bool HemisphereTest::MayBeVisible(const ShorelineIndex::Polygon& polygon) const
{
    if (polygon.count == 0) {
        return false;
    }
    // Hostile images and centres are drawn point by point, as they come.
    if (!std::isfinite(m_centreLongitude) || !std::isfinite(m_sinCentre) || !(polygon.minimumLatitude >= -90.0f) ||
        !(polygon.maximumLatitude <= 90.0f)) {
        return true;
    }
    // The cosine of the angular distance from the centre, sin(lat) sin(latc) +
    // cos(lat) cos(latc) cos(dlon), is at most a sinusoid in latitude with
    // cos(dlon) at its largest over the box; its largest value over the
    // latitudes is at an end or at its crest.
    const double gap = LongitudeGap(m_centreLongitude, polygon.minimumLongitude, polygon.maximumLongitude);
    const double a = m_sinCentre;
    const double b = m_cosCentre * std::cos(gap * kDegreesToRadians);
    const auto height = [&](double latitude) {
        return a * std::sin(latitude * kDegreesToRadians) + b * std::cos(latitude * kDegreesToRadians);
    };
    double highest = std::max(height(polygon.minimumLatitude), height(polygon.maximumLatitude));
    const double crest = std::atan2(a, b) * kRadiansToDegrees;
    if (crest >= polygon.minimumLatitude && crest <= polygon.maximumLatitude) {
        highest = std::hypot(a, b);
    }
    return !(highest < -kVisibilityMargin);
}
