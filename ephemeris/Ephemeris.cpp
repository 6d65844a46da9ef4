#include "ephemeris/Ephemeris.h"

#include "core/Units.h"
#include "ephemeris/LunarSeries.h"
#include "ephemeris/PlaceOfDate.h"
#include "ephemeris/PositionOptions.h"
#include "ephemeris/SolarSeries.h"
#include "ephemeris/TimeScales.h"

#include <cmath>
#include <utility>

Ephemeris::Ephemeris(std::shared_ptr<const EphemerisSeries> series, EphemerisModel model)
    : m_series(std::move(series)), m_model(std::move(model))
{
}

Ephemeris Ephemeris::Load(const std::string& dataDirectory, EphemerisModel model)
{
    return Ephemeris(LoadEphemerisSeries(dataDirectory), std::move(model));
}

NutationAngles NutationAt(const Ephemeris& ephemeris, const Instant& instant)
{
    return SumNutation(*ephemeris.Series().nutation, instant.CenturiesSinceJ2000());
}

Vector3 SunAt(const Ephemeris& ephemeris, const Instant& instant, int options)
{
    const std::span<const std::uint8_t> vsop(*ephemeris.Series().vsop);
    Instant emitted = instant;
    if ((options & LIGHT_TIME) != 0) {
        const double distance = Length(HeliocentricEarth(vsop, instant.MillenniaSinceJ2000()));
        emitted = instant.PlusSeconds(-distance * kAstronomicalUnitMetres * kSecondsPerMetreOfLight);
    }
    const Vector3 earth = HeliocentricEarth(vsop, emitted.MillenniaSinceJ2000());
    const NutationAngles nutation = (options & NUTATION) != 0 ? NutationAt(ephemeris, emitted) : NutationAngles{};
    return SunOfDate(earth, emitted.MillenniaSinceJ2000(), nutation, options).position;
}

Vector3 MoonAt(const Ephemeris& ephemeris, const Instant& instant, int options)
{
    const LunarSeriesTerms& elp = *ephemeris.Series().elpTerms;
    Instant emitted = instant;
    if ((options & LIGHT_TIME) != 0) {
        const double distance = SumLunarDistance(elp, ComputeLunarArguments(instant.CenturiesSinceJ2000()));
        emitted = instant.PlusSeconds(-distance * kSecondsPerKilometreOfLight);
    }
    const LunarSpherical moon = SumLunarSeries(elp, ComputeLunarArguments(emitted.CenturiesSinceJ2000()));
    const NutationAngles nutation = (options & NUTATION) != 0 ? NutationAt(ephemeris, emitted) : NutationAngles{};
    return MoonOfDate(moon, emitted.MillenniaSinceJ2000(), nutation, options).position;
}

double GreenwichSiderealTime(const Ephemeris&, const Instant& instant, double deltaTSeconds)
{
    const Instant universal = instant.PlusSeconds(-deltaTSeconds);
    // Newcomb's expression counts from 0 h of the Universal date.
    const double midnight = std::floor(universal.JulianDate() - 0.5) + 0.5;
    const double hours = (universal.WholeDays() - midnight + universal.DayFraction()) * kHoursPerDay;
    return NewcombSiderealHours((midnight - kJulianDate1900) / kDaysPerJulianCentury, hours) * kRadiansPerHour;
}
