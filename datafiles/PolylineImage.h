#pragma once

#include "datafiles/RecordImage.h"

#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <span>
#include <vector>

// "frontier.dat" and "fleuves.dat": open lines (borders, rivers), one
// little-endian table whose size depends only on its two capacities:
// longitudes float32[P], latitudes float32[P] (radians), pointCounts int32[S],
// lineCount int32. The points of line m follow those of line m - 1.
static_assert(std::endian::native == std::endian::little, "the data images are little-endian");

struct PolylineLayout {
    const char* textName;     // converter input
    const char* imageName;    // converter output, read by the map
    std::int32_t pointCapacity;
    std::int32_t lineCapacity;

    constexpr std::size_t LongitudesOffset() const { return 0; }
    constexpr std::size_t LatitudesOffset() const { return 4 * static_cast<std::size_t>(pointCapacity); }
    constexpr std::size_t PointCountsOffset() const { return 8 * static_cast<std::size_t>(pointCapacity); }
    constexpr std::size_t LineCountOffset() const { return PointCountsOffset() + 4 * static_cast<std::size_t>(lineCapacity); }
    constexpr std::size_t ImageSize() const { return LineCountOffset() + 4; }
    // The converter reads exactly this many lines after the header line.
    constexpr std::int32_t TextLinesRead() const { return pointCapacity + lineCapacity; }
};

inline constexpr PolylineLayout kBorderLayout{"frontier.txt", "frontier.dat", 22358, 302};
inline constexpr PolylineLayout kRiverLayout{"fleuves.txt", "fleuves.dat", 28193, 197};
static_assert(kBorderLayout.LatitudesOffset() == 89432 && kBorderLayout.LineCountOffset() == 180072 &&
              kBorderLayout.ImageSize() == 180076);
static_assert(kRiverLayout.LatitudesOffset() == 112772 && kRiverLayout.PointCountsOffset() == 225544 &&
              kRiverLayout.ImageSize() == 226336);

// The whole image as bytes; fields are read and written with memcpy.
class PolylineImage {
public:
    // A zero-filled image.
    explicit PolylineImage(const PolylineLayout& layout) : m_layout(layout), m_bytes(layout.ImageSize(), 0) {}
    // Wraps the content of a file; bytes must hold the whole image.
    PolylineImage(const PolylineLayout& layout, std::span<const std::uint8_t> bytes) : m_layout(layout), m_view(bytes) {}

    const PolylineLayout& Layout() const { return m_layout; }

    float LongitudeAt(std::int32_t point) const { return Get<float>(m_layout.LongitudesOffset() + 4 * Index(point)); }
    float LatitudeAt(std::int32_t point) const { return Get<float>(m_layout.LatitudesOffset() + 4 * Index(point)); }
    std::int32_t PointCountOf(std::int32_t line) const { return Get<std::int32_t>(m_layout.PointCountsOffset() + 4 * Index(line)); }
    std::int32_t LineCount() const { return Get<std::int32_t>(m_layout.LineCountOffset()); }

    void SetPoint(std::int32_t point, float longitude, float latitude)
    {
        Set(m_layout.LongitudesOffset() + 4 * Index(point), longitude);
        Set(m_layout.LatitudesOffset() + 4 * Index(point), latitude);
    }
    void SetPointCount(std::int32_t line, std::int32_t count) { Set(m_layout.PointCountsOffset() + 4 * Index(line), count); }
    void SetLineCount(std::int32_t count) { Set(m_layout.LineCountOffset(), count); }

    std::span<const std::uint8_t> Bytes() const { return m_bytes.empty() ? m_view : std::span<const std::uint8_t>(m_bytes); }

private:
    static std::size_t Index(std::int32_t index) { return static_cast<std::size_t>(index); }
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

    PolylineLayout m_layout;
    std::vector<std::uint8_t> m_bytes;
    std::span<const std::uint8_t> m_view;
};
