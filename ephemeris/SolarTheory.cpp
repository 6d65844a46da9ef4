#include "ephemeris/SolarTheory.h"

#include "datafiles/RecordImage.h"
#include "datafiles/VsopImage.h"
#include "ephemeris/NutationTheory.h"
#include "ephemeris/PositionOptions.h"
#include "ephemeris/TimeScales.h"
#include "ephemeris/Vector3.h"

#include <cmath>
#include <span>

namespace {

constexpr double kSecondsPerMetre = 3.3356409519815204e-9; // 1 / speed of light

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

CSolarTheory::CSolarTheory(const std::string& dataDirectory)
    : m_dataDirectory(dataDirectory), m_image(LoadCachedImage(dataDirectory + kVsopImageName, kVsopImageSize))
{
}

void CSolarTheory::ComputeHeliocentricEarth(double millennia2000TT, double earth[3]) const
{
    const std::span<const std::uint8_t> image(*m_image);
    for (std::size_t variable = 0; variable < kVsopVariableCount; ++variable) {
        earth[variable] = 0.0;
        double power = 1.0;
        for (std::size_t exponent = 0; exponent < kVsopPowerCount; ++exponent) {
            const std::size_t count = kVsopTermCounts[variable][exponent];
            earth[variable] += SumSeries(image, VsopSeriesStart(variable, exponent), count, millennia2000TT) * power;
            power *= millennia2000TT;
        }
    }
}

void CSolarTheory::ComputePosition(CObservation observation, CTimeTerms terms, int options, double position[3])
{
    m_observation = observation;
    m_terms = terms;
    double earth[3];
    if ((options & LIGHT_TIME) != 0) {
        ComputeTimeTerms(m_observation, m_terms);
        ComputeHeliocentricEarth(m_terms.m_millennia2000TT, earth);
        const double lightTimeSeconds = Length(earth) * kAstronomicalUnitMetres * kSecondsPerMetre;
        m_observation.m_second = static_cast<float>(m_observation.m_second - lightTimeSeconds);
    }
    ComputeTimeTerms(m_observation, m_terms);
    ComputeHeliocentricEarth(m_terms.m_millennia2000TT, earth);

    const double distance = Length(earth);
    const double latitude = std::asin(-earth[2] / distance);
    double longitude = std::atan2(-earth[1] / distance, -earth[0] / distance);
    float nutationInLongitude = 0.0f;
    float nutationInObliquity = 0.0f;
    if ((options & NUTATION) != 0) {
        CNutationTheory(m_dataDirectory).ComputeNutation(m_observation, m_terms, nutationInLongitude, nutationInObliquity);
        longitude += nutationInLongitude;
    }
    const double ecliptic[3] = {distance * std::cos(latitude) * std::cos(longitude),
                                distance * std::cos(latitude) * std::sin(longitude), distance * std::sin(latitude)};
    if ((options & EQUATORIAL) == 0) {
        position[0] = ecliptic[0];
        position[1] = ecliptic[1];
        position[2] = ecliptic[2];
        return;
    }
    const double obliquity = MeanObliquity(m_terms.m_millennia2000TT) + nutationInObliquity;
    EclipticToEquatorial(ecliptic, distance, obliquity, position);
}
