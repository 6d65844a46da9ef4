#include "datafiles/Converters.h"
#include "datafiles/DataManifest.h"

#include "datafiles/FileException.h"
#include "datafiles/FileIo.h"
#include "datafiles/ProgramDirectory.h"
#include "datafiles/ShorelineImage.h"

#include <cstdint>
#include <span>
#include <vector>

namespace {

// The published GSHHS layout: big-endian, a 36-byte header per polygon
// (id, n, level, west, east, south, north, area as int32; greenwich, source
// as int16), then n points of int32 x, y in millionths of a degree.
constexpr std::size_t kHeaderBytes = 36;
constexpr std::size_t kPointBytes = 8;
constexpr std::size_t kPointCountField = 1;
constexpr std::size_t kLevelField = 2;
constexpr double kMicroDegree = 1e-6;

std::int32_t BigEndianInt32(std::span<const std::uint8_t> bytes, std::size_t offset)
{
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(bytes[offset]) << 24 |
                                     static_cast<std::uint32_t>(bytes[offset + 1]) << 16 |
                                     static_cast<std::uint32_t>(bytes[offset + 2]) << 8 |
                                     static_cast<std::uint32_t>(bytes[offset + 3]));
}

// Longitudes east of 180 degrees are brought to the west (negative) side.
double ReducedLongitude(std::int32_t x)
{
    double longitude = x * kMicroDegree;
    if (longitude > 180.0) {
        longitude -= 360.0;
    }
    if (longitude > 180.0) {
        longitude -= 360.0;
    }
    return longitude;
}

// Fills the image from the GSHHS bytes; raises when a polygon is cut short by
// the end of the file or would not fit the image's capacities.
void FillShorelineImage(const std::string& path, std::span<const std::uint8_t> input, ShorelineImage& image)
{
    std::int32_t polygons = 0;
    std::int32_t points = 0;
    std::size_t offset = 0;
    while (offset < input.size()) {
        if (input.size() - offset < kHeaderBytes) {
            throw CFileException(path, "ends inside the header of polygon " + std::to_string(polygons));
        }
        if (polygons >= ShorelineLayout::kPolygonCapacity) {
            throw CFileException(path, "more than the image's " + std::to_string(ShorelineLayout::kPolygonCapacity) + " polygons");
        }
        const std::int32_t count = BigEndianInt32(input, offset + 4 * kPointCountField);
        const std::int32_t level = BigEndianInt32(input, offset + 4 * kLevelField);
        offset += kHeaderBytes;
        if (count < 0 || count > ShorelineLayout::kPointCapacity - points) {
            throw CFileException(path, "polygon " + std::to_string(polygons) + " announces " + std::to_string(count) +
                                           " points, beyond the image's " + std::to_string(ShorelineLayout::kPointCapacity));
        }
        if (static_cast<std::size_t>(count) * kPointBytes > input.size() - offset) {
            throw CFileException(path, "ends inside the points of polygon " + std::to_string(polygons));
        }
        for (std::int32_t i = 0; i < count; ++i, ++points, offset += kPointBytes) {
            const double longitude = ReducedLongitude(BigEndianInt32(input, offset));
            const double latitude = BigEndianInt32(input, offset + 4) * kMicroDegree;
            image.SetPoint(points, {static_cast<float>(longitude), static_cast<float>(latitude)});
        }
        image.SetPolygon(polygons++, count, level);
    }
    image.SetCounts(polygons, points);
}

} // namespace

void BuildShorelineImage(const std::string& dataDirectory)
{
    const std::string path = JoinPath(dataDirectory, "gshhs_i.b");
    ShorelineImage image;
    FillShorelineImage(path, ReadWholeFile(path), image);
    WriteDataImage(dataDirectory, "gshhs_i.dat", image.Bytes());
}
