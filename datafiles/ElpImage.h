#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

// Records of "Elp2000.dat", one kind per group of ELP 2000-82B series. Phases
// are in radians (converted from the degrees of the text); amplitudes and
// coefficients as printed: arcseconds for longitude and latitude, kilometres
// for distance.

// Series 1 to 3, the main problem: multipliers of D, l', l, F.
struct ElpMainTerm {
    std::int8_t multipliers[4] = {};
    std::uint8_t padding[4] = {};
    double amplitude = 0.0;
    double b1 = 0.0;
    double b2 = 0.0;
    double b3 = 0.0;
    double b4 = 0.0;
    double b5 = 0.0;
    double b6 = 0.0;
};

// Series 4 to 9, figure of the Earth: multipliers of zeta, D, l', l, F.
struct ElpFigureTerm {
    std::int8_t multipliers[5] = {};
    std::uint8_t padding[3] = {};
    double phase = 0.0;
    double amplitude = 0.0;
    double period = 0.0;
};

// Series 10 to 21, planetary perturbations: eleven multipliers (planets'
// mean longitudes, then Delaunay arguments; which ones depends on the table).
struct ElpPlanetaryTerm {
    std::int8_t multipliers[11] = {};
    std::uint8_t padding[5] = {};
    double phase = 0.0;
    double amplitude = 0.0;
    double period = 0.0;
};

// Series 22 to 36 (tides, Moon's figure, relativity, solar eccentricity):
// multipliers of D, l', l, F.
struct ElpMinorTerm {
    std::int8_t multipliers[4] = {};
    std::uint8_t padding[4] = {};
    double phase = 0.0;
    double amplitude = 0.0;
    double period = 0.0;
};

static_assert(sizeof(ElpMainTerm) == 64 && offsetof(ElpMainTerm, amplitude) == 8 && offsetof(ElpMainTerm, b6) == 56);
static_assert(sizeof(ElpFigureTerm) == 32 && offsetof(ElpFigureTerm, phase) == 8 && offsetof(ElpFigureTerm, period) == 24);
static_assert(sizeof(ElpPlanetaryTerm) == 40 && offsetof(ElpPlanetaryTerm, phase) == 16 &&
              offsetof(ElpPlanetaryTerm, period) == 32);
static_assert(sizeof(ElpMinorTerm) == 32 && offsetof(ElpMinorTerm, phase) == 8 && offsetof(ElpMinorTerm, period) == 24);

enum class ElpRecordKind { Main, Figure, Planetary, Minor };

inline constexpr int kElpSeriesCount = 36;

// Terms of each series, indexed by series number - 1; shared by the converter
// and the evaluator.
inline constexpr std::array<std::size_t, kElpSeriesCount> kElpTermCounts = {
    1023, 918, 704, 347, 316, 237, 14, 11, 8, 14328, 5233, 6631, 4384, 833, 1715, 170, 150, 114,
    226,  188, 169, 3,   2,   2,   6,  4,  5, 20,    12,   14,   11,   4,   10,  28,   13,   19};

// Series are numbered from 1 to 36, as the files ELP1 to ELP36.
constexpr ElpRecordKind ElpKindOfSeries(int series)
{
    if (series <= 3) {
        return ElpRecordKind::Main;
    }
    if (series <= 9) {
        return ElpRecordKind::Figure;
    }
    if (series <= 21) {
        return ElpRecordKind::Planetary;
    }
    return ElpRecordKind::Minor;
}

constexpr std::size_t ElpRecordSize(int series)
{
    switch (ElpKindOfSeries(series)) {
    case ElpRecordKind::Main:
        return sizeof(ElpMainTerm);
    case ElpRecordKind::Figure:
        return sizeof(ElpFigureTerm);
    case ElpRecordKind::Planetary:
        return sizeof(ElpPlanetaryTerm);
    case ElpRecordKind::Minor:
        return sizeof(ElpMinorTerm);
    }
    return 0;
}

constexpr std::size_t ElpTermCount(int series)
{
    return kElpTermCounts[static_cast<std::size_t>(series - 1)];
}

// Byte offset of a series' region; ElpSeriesOffset(37) is the image size.
constexpr std::size_t ElpSeriesOffset(int series)
{
    std::size_t offset = 0;
    for (int before = 1; before < series; ++before) {
        offset += ElpTermCount(before) * ElpRecordSize(before);
    }
    return offset;
}

inline constexpr std::size_t kElpImageSize = ElpSeriesOffset(kElpSeriesCount + 1);
static_assert(kElpImageSize == 1569672);
static_assert(ElpSeriesOffset(4) == 169280 && ElpSeriesOffset(10) == 199136 && ElpSeriesOffset(22) == 1564776 &&
              ElpSeriesOffset(36) == 1569064);

inline constexpr const char* kElpImageName = "Elp2000.dat";
// The published series are the files ELP1 to ELP36, without extension.
inline constexpr const char* kElpTextPrefix = "ELP";
