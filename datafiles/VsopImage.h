#pragma once

#include <array>
#include <cstddef>

// One term of a VSOP87 series: contributes amplitude * cos(phase + frequency * tau),
// amplitude in au, phase in radians, frequency in radians per Julian millennium.
struct VsopTerm {
    double amplitude = 0.0;
    double phase = 0.0;
    double frequency = 0.0;
};

static_assert(sizeof(VsopTerm) == 24);

// "VSOP87.dat" holds the Earth's series of version C (X, Y, Z heliocentric,
// ecliptic and equinox of date), series after series: X with powers of time
// 0 to 5, then Y, then Z. The counts are fixed here, shared by the converter
// and the evaluator; the file carries no index.
inline constexpr std::size_t kVsopVariableCount = 3;
inline constexpr std::size_t kVsopPowerCount = 6;

inline constexpr std::array<std::array<std::size_t, kVsopPowerCount>, kVsopVariableCount> kVsopTermCounts = {{
    {1007, 600, 248, 46, 20, 7}, // X
    {1007, 600, 248, 46, 20, 7}, // Y
    {178, 97, 47, 11, 5, 0},     // Z
}};

// Index of the first record of a series (variable 0 to 2, power 0 to 5).
constexpr std::size_t VsopSeriesStart(std::size_t variable, std::size_t power)
{
    std::size_t start = 0;
    for (std::size_t v = 0; v < kVsopVariableCount; ++v) {
        for (std::size_t p = 0; p < kVsopPowerCount; ++p) {
            if (v == variable && p == power) {
                return start;
            }
            start += kVsopTermCounts[v][p];
        }
    }
    return start;
}

inline constexpr std::size_t kVsopTermCount = VsopSeriesStart(kVsopVariableCount, 0);
inline constexpr std::size_t kVsopImageSize = kVsopTermCount * sizeof(VsopTerm);
static_assert(kVsopTermCount == 4194);
static_assert(kVsopImageSize == 100656);
static_assert(VsopSeriesStart(1, 0) == 1928 && VsopSeriesStart(2, 0) == 3856 && VsopSeriesStart(2, 4) == 4189);

inline constexpr const char* kVsopImageName = "VSOP87.dat";
inline constexpr const char* kVsopTextName = "VSOP87C.ear";
