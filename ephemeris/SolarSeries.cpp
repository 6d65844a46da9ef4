#include "ephemeris/SolarSeries.h"

#include "datafiles/RecordImage.h"
#include "datafiles/VsopImage.h"

#include <cmath>

namespace {

double SumSeries(std::span<const std::uint8_t> image, std::size_t firstTerm, std::size_t count, double millennia)
{
    double sum = 0.0;
    for (std::size_t index = firstTerm; index < firstTerm + count; ++index) {
        const VsopTerm term = RecordAt<VsopTerm>(image, index * sizeof(VsopTerm));
        sum += term.amplitude * std::cos(term.phase + term.frequency * millennia);
    }
    return sum;
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
