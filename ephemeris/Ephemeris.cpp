#include "ephemeris/Ephemeris.h"

#include "core/Units.h"
#include "ephemeris/LunarSeries.h"
#include "ephemeris/PlaceOfDate.h"
#include "ephemeris/PositionOptions.h"
#include "ephemeris/SolarSeries.h"
#include "ephemeris/TimeScales.h"

#include <cmath>
#include <utility>

namespace {

double ReducedAngle(double angle)
{
    const double reduced = std::fmod(angle, kTwoPi);
    return reduced < 0.0 ? reduced + kTwoPi : reduced;
}

} // namespace

Ephemeris::Ephemeris(std::shared_ptr<const EphemerisSeries> series, TimeModel model)
    : m_series(std::move(series)), m_model(std::move(model))
{
}

Ephemeris Ephemeris::Load(const std::string& dataDirectory, TimeModel model)
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
    LunarSpherical moon = SumLunarSeries(elp, ComputeLunarArguments(emitted.CenturiesSinceJ2000()));
    if (ephemeris.Model().CorrectsLunarAcceleration()) {
        moon.longitude += LunarAccelerationCorrection(emitted.CenturiesSinceJ2000(), ephemeris.DeltaT().LunarAcceleration()) *
                          kArcsecondsToRadians;
    }
    const NutationAngles nutation = (options & NUTATION) != 0 ? NutationAt(ephemeris, emitted) : NutationAngles{};
    return MoonOfDate(moon, emitted.MillenniaSinceJ2000(), nutation, options).position;
}

double LunarAccelerationCorrection(double centuries, double lunarAcceleration)
{
    return 0.5 * (lunarAcceleration - kElpLunarAcceleration) * centuries * centuries;
}

double EquationOfTheEquinoxes(const Ephemeris& ephemeris, const Instant& instant)
{
    const NutationAngles nutation = NutationAt(ephemeris, instant);
    const double trueObliquity = MeanObliquity(instant.MillenniaSinceJ2000()) + static_cast<double>(nutation.obliquity);
    return static_cast<double>(nutation.longitude) * std::cos(trueObliquity);
}

double GreenwichSiderealTime(const Ephemeris& ephemeris, const Instant& instant, double deltaTSeconds)
{
    const Instant universal = instant.PlusSeconds(-deltaTSeconds);
    if (ephemeris.Model().SiderealTime() == SiderealTimeModel::Apparent) {
        return ReducedAngle(MeanSiderealTime1982(universal.WholeDays(), universal.DayFraction()) +
                            EquationOfTheEquinoxes(ephemeris, instant));
    }
    // Newcomb's expression counts from 0 h of the Universal date.
    const double midnight = std::floor(universal.JulianDate() - 0.5) + 0.5;
    const double hours = (universal.WholeDays() - midnight + universal.DayFraction()) * kHoursPerDay;
    return NewcombSiderealHours((midnight - kJulianDate1900) / kDaysPerJulianCentury, hours) * kRadiansPerHour;
}

Instant InstantOfObservation(const Ephemeris& ephemeris, const CObservation& observation)
{
    const double seconds = observation.m_hour * kSecondsPerHour + observation.m_minute * kSecondsPerMinute +
                           static_cast<double>(observation.m_second);
    const UniversalDate universal{JulianDateAtMidnight(observation.m_year, observation.m_month, observation.m_day),
                                  seconds / kSecondsPerDay};
    return InstantFromUniversal(universal, ephemeris.DeltaT());
}
