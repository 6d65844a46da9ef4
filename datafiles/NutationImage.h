#pragma once

#include <cstddef>
#include <cstdint>

// One periodic term of the IAU 1980 nutation series, as stored in
// "Nutation.dat". The reals keep the units of the published table: the
// coefficients in arcseconds, their rates in 0.00001 arcsecond per century.
struct NutationTerm {
    // Multipliers of l, l', F, D and Omega, in this order.
    std::int8_t multipliers[5] = {};
    std::uint8_t padding[3] = {};
    float longitudeCoefficient = 0.0f;
    float longitudeRate = 0.0f;
    float obliquityCoefficient = 0.0f;
    float obliquityRate = 0.0f;
};

static_assert(sizeof(NutationTerm) == 24);
static_assert(offsetof(NutationTerm, longitudeCoefficient) == 8);
static_assert(offsetof(NutationTerm, longitudeRate) == 12);
static_assert(offsetof(NutationTerm, obliquityCoefficient) == 16);
static_assert(offsetof(NutationTerm, obliquityRate) == 20);

// "Nutation.dat": exactly kNutationTermCount records, nothing else.
inline constexpr std::size_t kNutationTermCount = 106;
inline constexpr std::size_t kNutationImageSize = kNutationTermCount * sizeof(NutationTerm);
static_assert(kNutationImageSize == 2544);

inline constexpr const char* kNutationImageName = "Nutation.dat";
inline constexpr const char* kNutationTextName = "Nutation.txt";
