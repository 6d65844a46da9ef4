#pragma once

// Series texts in the published layouts, with numbers of the tests' own: the
// columns and Fortran formats of the distributions (VSOP87, ELP 2000-82B)
// and of the program's nutation table, so that a converter that takes only
// those layouts can be fed without the published files.

#include "datafiles/ElpImage.h"
#include "datafiles/NutationImage.h"
#include "datafiles/VsopImage.h"

#include <cstdio>
#include <string>
#include <vector>

namespace series_text {

// A nutation term line: multipliers of l, l', F, D, Omega, then the period
// (days), the longitude coefficient and its rate, the obliquity coefficient
// and its rate: (i2, 4i3, f7.1, f9.4, f7.1, f8.4, f5.1).
inline std::string NutationLine(const int (&multipliers)[5], double longitude, double longitudeRate = 0.0,
                                double obliquity = 0.0, double obliquityRate = 0.0)
{
    char line[96];
    std::snprintf(line, sizeof line, "%2d%3d%3d%3d%3d%7.1f%9.4f%7.1f%8.4f%5.1f", multipliers[0], multipliers[1],
                  multipliers[2], multipliers[3], multipliers[4], 6798.4, longitude, longitudeRate, obliquity, obliquityRate);
    return line;
}

inline constexpr const char* kNutationHeader = "  l l'  F  D Om  Period  Psi(\")   dPsi   Eps(\") dEps";

// The 106 lines after the header; term i has the longitude coefficient i + 0.5.
inline std::vector<std::string> NutationTermLines()
{
    std::vector<std::string> lines;
    for (std::size_t term = 0; term < kNutationTermCount; ++term) {
        lines.push_back(NutationLine({0, 0, 0, 0, 1}, static_cast<double>(term) + 0.5));
    }
    return lines;
}

inline std::string Joined(const std::string& header, const std::vector<std::string>& lines)
{
    std::string text = header + "\n";
    for (const std::string& line : lines) {
        text += line + "\n";
    }
    return text;
}

inline std::string NutationText()
{
    return Joined(kNutationHeader, NutationTermLines());
}

// A VSOP87 header line of version C, the Earth.
inline std::string VsopHeader(int variable, int power, int count)
{
    char line[160];
    std::snprintf(line, sizeof line,
                  " VSOP87 VERSION C3    EARTH     VARIABLE %d (XYZ)       *T**%d %6d TERMS    HELIOCENTRIC DYNAMICAL "
                  "ECLIPTIC AND EQUINOX OF THE DATE",
                  variable, power, count);
    return line;
}

// A VSOP87 term line: (1x, 4i1, i5, 12i3, f15.11, 2f18.11, f14.11, f20.11),
// the version, body, variable and power, the rank, twelve multipliers, S, K,
// then the amplitude, phase and frequency that the converter reads.
inline std::string VsopLine(int variable, int power, int rank, double amplitude, double phase, double frequency)
{
    char line[160];
    std::snprintf(line, sizeof line, " 33%d%d%5d  0  0  0  0  0  0  0  0  1  0  0 -1%15.11f%18.11f%18.11f%14.11f%20.11f ",
                  variable, power, rank, 0.0, amplitude, amplitude, phase, frequency);
    return line;
}

// Every series in the image's order; the terms carry the series' identity in
// their amplitude (10 * variable + power) and their rank in their phase.
inline std::vector<std::string> VsopLines()
{
    std::vector<std::string> lines;
    for (std::size_t variable = 0; variable < kVsopVariableCount; ++variable) {
        for (std::size_t power = 0; power < kVsopPowerCount; ++power) {
            const int count = static_cast<int>(kVsopTermCounts[variable][power]);
            if (count == 0) {
                continue;
            }
            const int v = static_cast<int>(variable) + 1;
            const int p = static_cast<int>(power);
            lines.push_back(VsopHeader(v, p, count));
            for (int rank = 1; rank <= count; ++rank) {
                lines.push_back(VsopLine(v, p, rank, 10.0 * v + p, rank % 6, 0.5));
            }
        }
    }
    return lines;
}

inline std::string VsopText()
{
    std::string text;
    for (const std::string& line : VsopLines()) {
        text += line + "\n";
    }
    return text;
}

// An ELP 2000-82B term line of the series' kind whose amplitude is value:
// main problem (4i3, 2x, f13.5, 6f12.2); figure, planetary and minor terms
// (5i3 or 11i3, 1x, f9.5, 1x, f9.5, 1x, f9.3), the phase in degrees.
inline std::string ElpLine(int series, double amplitude, double phase = 0.0)
{
    char line[128];
    switch (ElpKindOfSeries(series)) {
    case ElpRecordKind::Main:
        std::snprintf(line, sizeof line, "  0  0  0  1  %13.5f%12.2f%12.2f%12.2f%12.2f%12.2f%12.2f", amplitude, 168.48, -18433.81,
                      -121.62, 0.40, -0.18, 0.07);
        break;
    case ElpRecordKind::Planetary:
        std::snprintf(line, sizeof line, "  0  0  0  0  0  0  0  0  0  0  1 %9.5f %9.5f %9.3f", phase, amplitude, 0.074);
        break;
    default:
        std::snprintf(line, sizeof line, "  0  0  0  0  1 %9.5f %9.5f %9.3f", phase, amplitude, 0.075);
        break;
    }
    return line;
}

// The amplitude of term j (from 0) in ElpTermLines: (j + 1) / 10000, which
// the narrowest field prints exactly.
inline double ElpAmplitude(std::size_t term)
{
    return static_cast<double>(term + 1) * 1e-4;
}

// The series' count of term lines.
inline std::vector<std::string> ElpTermLines(int series)
{
    std::vector<std::string> lines;
    for (std::size_t term = 0; term < ElpTermCount(series); ++term) {
        lines.push_back(ElpLine(series, ElpAmplitude(term)));
    }
    return lines;
}

inline std::string ElpText(int series)
{
    return Joined("SERIES " + std::to_string(series) + " OF ELP 2000-82B", ElpTermLines(series));
}

} // namespace series_text
