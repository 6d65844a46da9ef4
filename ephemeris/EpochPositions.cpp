#include "ephemeris/EpochPositions.h"

#include "core/Units.h"
#include "ephemeris/PositionOptions.h"
#include "ephemeris/SolarSeries.h"
#include "ephemeris/TimeScales.h"

namespace {

NutationAngles NutationIfAsked(const EpochNutation& nutation, const CObservation& observation, const CTimeTerms& terms,
                               int options)
{
    return (options & NUTATION) != 0 ? nutation(observation, terms) : NutationAngles{};
}

EpochNutation NutationOf(const EphemerisSeries& series)
{
    return [&series](const CObservation&, const CTimeTerms& terms) {
        return SumNutation(*series.nutation, kCenturiesPerMillennium * terms.m_millennia2000TT);
    };
}

} // namespace

PlaceOfDate SunAtEpoch(std::span<const std::uint8_t> vsop, const EpochNutation& nutation, CObservation observation,
                       int options)
{
    CTimeTerms terms;
    if ((options & LIGHT_TIME) != 0) {
        ComputeTimeTerms(observation, terms);
        const double lightTimeSeconds =
            Length(HeliocentricEarth(vsop, terms.m_millennia2000TT)) * kAstronomicalUnitMetres * kSecondsPerMetreOfLight;
        observation.m_second = static_cast<float>(observation.m_second - lightTimeSeconds);
    }
    ComputeTimeTerms(observation, terms);
    const Vector3 earth = HeliocentricEarth(vsop, terms.m_millennia2000TT);
    return SunOfDate(earth, terms.m_millennia2000TT, NutationIfAsked(nutation, observation, terms, options), options);
}

LunarPlaceOfDate MoonAtEpoch(const LunarSeriesTerms& elp, const EpochNutation& nutation, CObservation observation,
                             int options)
{
    CTimeTerms terms;
    if ((options & LIGHT_TIME) != 0) {
        ComputeTimeTerms(observation, terms);
        const double distance = SumLunarDistance(elp, ComputeLunarArguments(kCenturiesPerMillennium * terms.m_millennia2000TT));
        observation.m_second = static_cast<float>(observation.m_second - distance * kSecondsPerKilometreOfLight);
    }
    ComputeTimeTerms(observation, terms);
    const LunarSpherical moon = SumLunarSeries(elp, ComputeLunarArguments(kCenturiesPerMillennium * terms.m_millennia2000TT));
    return {MoonOfDate(moon, terms.m_millennia2000TT, NutationIfAsked(nutation, observation, terms, options), options), moon};
}

Vector3 SunAtEpoch(const EphemerisSeries& series, const CObservation& observation, int options)
{
    return SunAtEpoch(*series.vsop, NutationOf(series), observation, options).position;
}

Vector3 MoonAtEpoch(const EphemerisSeries& series, const CObservation& observation, int options)
{
    return MoonAtEpoch(*series.elpTerms, NutationOf(series), observation, options).place.position;
}
