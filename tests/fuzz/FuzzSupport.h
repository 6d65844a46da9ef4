#pragma once

// What the fuzz targets share: a private scratch directory, writing an input
// as a file, the converted ephemeris series, and surfaces to draw on.

#include "datafiles/Converters.h"
#include "datafiles/FileException.h"
#include "map/DrawingSurface.h"

#include <algorithm>
#include <cerrno>
#include <signal.h>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <span>
#include <string>
#include <unistd.h>
#include <vector>

namespace fuzz {

// A directory of this process, removed when the process ends normally. Kept
// in memory when the machine has /dev/shm, since every input rewrites files.
class ScratchDirectory {
public:
    explicit ScratchDirectory(const std::string& name)
    {
        const std::filesystem::path shm("/dev/shm");
        const std::filesystem::path base = std::filesystem::is_directory(shm) ? shm : std::filesystem::temp_directory_path();
        RemoveStaleDirectories(base);
        m_path = base / (kPrefix + name + "-" + std::to_string(::getpid()));
        std::filesystem::remove_all(m_path);
        std::filesystem::create_directories(m_path);
    }
    ~ScratchDirectory()
    {
        std::error_code ignored;
        std::filesystem::remove_all(m_path, ignored);
    }
    ScratchDirectory(const ScratchDirectory&) = delete;
    ScratchDirectory& operator=(const ScratchDirectory&) = delete;

    // With a trailing separator, as the data directory is passed around.
    std::string Path() const { return m_path.string() + "/"; }
    std::string File(const std::string& name) const { return (m_path / name).string(); }

private:
    static constexpr const char* kPrefix = "umbrant-fuzz-";

    // libFuzzer ends its process without running destructors, on a finding and
    // at the end of a timed run: the directories of ended processes go here.
    static void RemoveStaleDirectories(const std::filesystem::path& base)
    {
        std::error_code ignored;
        for (const auto& entry : std::filesystem::directory_iterator(base, ignored)) {
            const std::string name = entry.path().filename().string();
            const std::size_t dash = name.rfind('-');
            if (name.rfind(kPrefix, 0) != 0 || dash == std::string::npos) {
                continue;
            }
            const long pid = std::strtol(name.c_str() + dash + 1, nullptr, 10);
            if (pid > 0 && ::kill(static_cast<pid_t>(pid), 0) != 0 && errno == ESRCH) {
                std::filesystem::remove_all(entry.path(), ignored);
            }
        }
    }

    std::filesystem::path m_path;
};

inline void WriteBytes(const std::string& path, std::span<const std::uint8_t> bytes)
{
    std::ofstream stream(path, std::ios::binary | std::ios::trunc);
    stream.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    if (!stream) {
        std::fprintf(stderr, "fuzz: cannot write %s\n", path.c_str());
        std::abort();
    }
}

inline void WriteBytes(const std::string& path, const std::uint8_t* data, std::size_t size)
{
    WriteBytes(path, std::span<const std::uint8_t>(data, size));
}

// Fills directory with valid "Nutation.dat", "VSOP87.dat" and "Elp2000.dat"
// converted from the published series in UMBRANT_SOURCES_DIR. A target that
// needs them cannot run without them, so their absence stops the process.
inline void ConvertEphemerisInto(const ScratchDirectory& directory)
{
    const std::filesystem::path sources(UMBRANT_SOURCES_DIR);
    if (!std::filesystem::exists(sources / "VSOP87C.ear")) {
        std::fprintf(stderr, "fuzz: the published series are not in %s\n", sources.c_str());
        std::exit(1);
    }
    std::vector<std::string> names{"Nutation.txt", "VSOP87C.ear"};
    for (int series = 1; series <= 36; ++series) {
        names.push_back("ELP" + std::to_string(series));
    }
    for (const std::string& name : names) {
        std::filesystem::copy_file(sources / name, directory.File(name), std::filesystem::copy_options::overwrite_existing);
    }
    try {
        if (ConvertNutation(directory.Path()) != ConversionStatus::Completed ||
            ConvertVsop(directory.Path()) != ConversionStatus::Completed ||
            ConvertElp(directory.Path()) != ConversionStatus::Completed) {
            std::fprintf(stderr, "fuzz: converting the published series failed\n");
            std::exit(1);
        }
    } catch (const CFileException& error) {
        std::fprintf(stderr, "fuzz: %s\n", error.what());
        std::exit(1);
    }
    for (const std::string& name : names) {
        std::filesystem::remove(directory.File(name));
    }
}

// A surface that draws nothing but touches every point it is given, so that
// a point list read past its end is seen by AddressSanitizer.
class NullSurface : public IDrawingSurface {
public:
    NullSurface(int width, int height) : m_width(width), m_height(height) {}

    int ClientWidth() const override { return m_width; }
    int ClientHeight() const override { return m_height; }
    void FillRectangle(double left, double top, double right, double bottom, RgbColour) override
    {
        Touch(left, top, right, bottom);
    }
    void FillPolygon(std::span<const DevicePoint> points, RgbColour) override { Touch(points); }
    void FillPolygon(std::span<const MapPoint> points, RgbColour) override { Touch(points); }
    void DrawPolyline(std::span<const DevicePoint> points, RgbColour) override { Touch(points); }
    void DrawPolyline(std::span<const MapPoint> points, RgbColour) override { Touch(points); }
    void DrawLine(MapPoint start, MapPoint end, RgbColour) override { Touch(start.x, start.y, end.x, end.y); }
    void SetPixel(double x, double y, RgbColour) override { Touch(x, y, 0, 0); }
    void DrawTextBottomRight(const std::string& text, double right, double bottom, RgbColour) override
    {
        Touch(static_cast<double>(text.size()), right, bottom, 0);
    }
    void StrokePolyline(std::span<const MapPoint> points, const LineStyle&) override { Touch(points); }
    void FillArea(std::span<const MapPoint> points, const AreaStyle&) override { Touch(points); }
    void DrawLabel(const std::string& text, MapPoint anchor, double size, RgbColour) override
    {
        Touch(static_cast<double>(text.size()), anchor.x, anchor.y, size);
    }

    std::uint64_t Checksum() const { return m_checksum; }

private:
    void Touch(std::span<const DevicePoint> points)
    {
        for (const DevicePoint& point : points) {
            Touch(point.x, point.y, 0, 0);
        }
    }
    void Touch(std::span<const MapPoint> points)
    {
        for (const MapPoint& point : points) {
            Touch(point.x, point.y, 0, 0);
        }
    }
    // Any bit pattern, NaN included, goes into the sum without a conversion.
    void Touch(double a, double b, double c, double d)
    {
        for (const double value : {a, b, c, d}) {
            std::uint64_t bits = 0;
            std::memcpy(&bits, &value, sizeof bits);
            m_checksum = m_checksum * 31u + bits;
        }
    }

    int m_width;
    int m_height;
    std::uint64_t m_checksum = 0;
};

// Reads a value of a trivially copyable type from raw bytes, zero past the end,
// so that NaN, infinities and every bit pattern reach the code under test.
template <typename Value>
Value TakeRaw(std::span<const std::uint8_t>& bytes)
{
    Value value{};
    const std::size_t count = std::min(sizeof(Value), bytes.size());
    if (count > 0) {
        std::memcpy(&value, bytes.data(), count);
    }
    bytes = bytes.subspan(count);
    return value;
}

} // namespace fuzz
