#pragma once

#include "core/LargePages.h"
#include "datafiles/ImageCache.h"

#include <cstdint>
#include <memory>
#include <span>
#include <vector>

// The terms of the 36 series of "Elp2000.dat", laid out once for summation.
// Every series is a sum of A sin(m1 a1 + m2 a2 + ... + phase); the main
// problem has no phase, its amplitudes corrected for the constants of the
// theory, and its distance series takes the cosine.
//
// Terms with the same non-zero multipliers are kept together, so that each
// argument is summed over the multipliers that occur, in the image's order:
// it rounds exactly as the term-by-term sum does (adding a zero product
// changes nothing). Eight terms are then evaluated at once (SineLanes.h), and
// the sum differs from the term-by-term sum only by the rounding of each sine
// (at most 2.3e-16 of its amplitude) and the order of the additions.
// Immutable once built; evaluated on any number of threads.
// Reference: Chapront-Touze & Chapront, A&A 190, 342 (1988), ELP 2000-82B as
//            distributed by the Bureau des longitudes (CDS VI/79): the series,
//            and the corrections of the constants of the main problem.
struct LunarTermsOfSeries; // one series laid out (LunarSeriesTerms.cpp)

class LunarSeriesTerms {
public:
    // Reads an image of kElpImageSize bytes; any values are accepted (NaN,
    // infinities and huge phases are summed with std::sin).
    explicit LunarSeriesTerms(std::span<const std::uint8_t> elpImage);
    ~LunarSeriesTerms();
    LunarSeriesTerms(const LunarSeriesTerms&) = delete;
    LunarSeriesTerms& operator=(const LunarSeriesTerms&) = delete;

    // The sum of one series.
    // Given:    series     1 to 36
    //           arguments  radians, one for each multiplier of the series'
    //                      records, in their order (datafiles/ElpImage.h)
    //           vectors    the fastest the processor has, or 4-lane vectors
    //                      whatever it has (the same sum to the last bit)
    // Returned: arcseconds for longitude and latitude, km for distance, as the
    //           series' amplitudes
    enum class Vectors { Fastest, FourLanes };
    double Sum(int series, std::span<const double> arguments, Vectors vectors = Vectors::Fastest) const;

private:
    std::vector<LunarTermsOfSeries> m_series;
    LargePageArray<double> m_values;  // of every series, in one piece
};

// The terms of an image, built once for each image and shared by all who
// hold it (the classic CLunarTheory and the shared EphemerisSeries alike).
std::shared_ptr<const LunarSeriesTerms> SharedLunarSeriesTerms(const DataImage& elpImage);
