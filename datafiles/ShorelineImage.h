#pragma once

#include "datafiles/RecordImage.h"

#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <span>
#include <vector>

// "gshhs_i.dat": the shoreline polygons, one little-endian table of fixed
// size. The points of polygon i follow those of polygon i - 1 without gaps;
// coordinates are degrees.
static_assert(std::endian::native == std::endian::little, "the data images are little-endian");

struct ShorelinePoint {
    float longitude = 0.0f;  // degrees, east positive, in (-180, 180]
    float latitude = 0.0f;   // degrees
};

namespace ShorelineLayout {
inline constexpr std::int32_t kPolygonCapacity = 41519;
inline constexpr std::int32_t kPointCapacity = 450564;
inline constexpr std::size_t kPolygonCountOffset = 0;
inline constexpr std::size_t kPointCountOffset = 4;
inline constexpr std::size_t kPointCountsOffset = 8;
inline constexpr std::size_t kLevelsOffset = kPointCountsOffset + 4 * kPolygonCapacity;
inline constexpr std::size_t kPointsOffset = kLevelsOffset + 4 * kPolygonCapacity;
inline constexpr std::size_t kImageSize = kPointsOffset + sizeof(ShorelinePoint) * kPointCapacity;
static_assert(kLevelsOffset == 166084 && kPointsOffset == 332160 && kImageSize == 3936672);
} // namespace ShorelineLayout

// Shoreline levels.
inline constexpr std::int32_t kLandLevel = 1;
inline constexpr std::int32_t kIslandInLakeLevel = 3;

// The whole image as bytes; every field is read and written with memcpy so
// that no byte buffer is accessed through a pointer of another type.
class ShorelineImage {
public:
    // A zero-filled image: no polygon, no point.
    ShorelineImage() : m_bytes(ShorelineLayout::kImageSize, 0) {}
    // Wraps the content of a file; bytes must hold the whole image.
    explicit ShorelineImage(std::span<const std::uint8_t> bytes) : m_view(bytes) {}

    std::int32_t PolygonCount() const { return Get<std::int32_t>(ShorelineLayout::kPolygonCountOffset); }
    std::int32_t PointCount() const { return Get<std::int32_t>(ShorelineLayout::kPointCountOffset); }
    std::int32_t PointCountOf(std::int32_t polygon) const
    {
        return Get<std::int32_t>(ShorelineLayout::kPointCountsOffset + 4 * static_cast<std::size_t>(polygon));
    }
    std::int32_t LevelOf(std::int32_t polygon) const
    {
        return Get<std::int32_t>(ShorelineLayout::kLevelsOffset + 4 * static_cast<std::size_t>(polygon));
    }
    ShorelinePoint PointAt(std::int32_t point) const
    {
        return Get<ShorelinePoint>(ShorelineLayout::kPointsOffset + sizeof(ShorelinePoint) * static_cast<std::size_t>(point));
    }

    void SetCounts(std::int32_t polygons, std::int32_t points)
    {
        Set(ShorelineLayout::kPolygonCountOffset, polygons);
        Set(ShorelineLayout::kPointCountOffset, points);
    }
    void SetPolygon(std::int32_t polygon, std::int32_t pointCount, std::int32_t level)
    {
        Set(ShorelineLayout::kPointCountsOffset + 4 * static_cast<std::size_t>(polygon), pointCount);
        Set(ShorelineLayout::kLevelsOffset + 4 * static_cast<std::size_t>(polygon), level);
    }
    void SetPoint(std::int32_t point, ShorelinePoint value)
    {
        Set(ShorelineLayout::kPointsOffset + sizeof(ShorelinePoint) * static_cast<std::size_t>(point), value);
    }

    std::span<const std::uint8_t> Bytes() const { return m_bytes.empty() ? m_view : std::span<const std::uint8_t>(m_bytes); }

private:
    template <typename Field>
    Field Get(std::size_t offset) const
    {
        return RecordAt<Field>(Bytes(), offset);
    }
    template <typename Field>
    void Set(std::size_t offset, const Field& field)
    {
        StoreRecord(std::span<std::uint8_t>(m_bytes), offset, field);
    }

    std::vector<std::uint8_t> m_bytes;       // an image being built
    std::span<const std::uint8_t> m_view;    // or one read from a file
};
