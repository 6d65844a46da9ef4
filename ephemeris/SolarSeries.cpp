#include "ephemeris/SolarSeries.h"

#include "datafiles/RecordImage.h"
#include "datafiles/VsopImage.h"
#include "ephemeris/SineLanes.h"

#include <cmath>

namespace {

// Whether SineLanes reduces every angle exactly (false for a NaN).
bool WithinLimit(const DoubleLanes& angles)
{
    bool within = true;
    for (std::size_t lane = 0; lane < kLaneCount; ++lane) {
        within = within && std::fabs(angles[lane]) <= kSineLanesLimit;
    }
    return within;
}

// The terms from first on, up to four and before end, one per lane:
// amplitude times cosine; lanes past end hold zeros. Angles beyond the
// lanes' reduction take the standard library's cosine.
[[gnu::always_inline]] inline void TermsInLanes(std::span<const std::uint8_t> image, std::size_t first, std::size_t end,
                                                double millennia, DoubleLanes& terms)
{
    DoubleLanes amplitudes = {};
    DoubleLanes angles = {};
    for (std::size_t lane = 0; lane < kLaneCount && first + lane < end; ++lane) {
        const VsopTerm term = RecordAt<VsopTerm>(image, (first + lane) * sizeof(VsopTerm));
        amplitudes[lane] = term.amplitude;
        angles[lane] = term.phase + term.frequency * millennia;
    }
    if (WithinLimit(angles)) {
        SineLanes(angles, 1);
    } else {
        for (std::size_t lane = 0; lane < kLaneCount; ++lane) {
            angles[lane] = std::cos(angles[lane]);
        }
    }
    terms = amplitudes * angles;
}

// Four terms at a time, in four lanes added last, (0 + 1) + (2 + 3).
// Compiled for AVX2 and for SSE2 on x86-64, with the same operations lane by
// lane, so the same result on either; without FMA, so that no product is
// fused into a sum.
#if defined(__x86_64__)
[[gnu::target_clones("avx2", "default")]]
#endif
double SumSeries(std::span<const std::uint8_t> image, std::size_t firstTerm, std::size_t count, double millennia)
{
    const std::size_t end = firstTerm + count;
    DoubleLanes sums = {};
    for (std::size_t first = firstTerm; first < end; first += kLaneCount) {
        DoubleLanes terms;
        TermsInLanes(image, first, end, millennia, terms);
        sums += terms;
    }
    return (sums[0] + sums[1]) + (sums[2] + sums[3]);
}

} // namespace

Vector3 HeliocentricEarth(std::span<const std::uint8_t> vsopImage, double millennia)
{
    double earth[kVsopVariableCount] = {};
    for (std::size_t variable = 0; variable < kVsopVariableCount; ++variable) {
        double power = 1.0;
        for (std::size_t exponent = 0; exponent < kVsopPowerCount; ++exponent) {
            const std::size_t count = kVsopTermCounts[variable][exponent];
            earth[variable] += SumSeries(vsopImage, VsopSeriesStart(variable, exponent), count, millennia) * power;
            power *= millennia;
        }
    }
    return ToVector(earth);
}
