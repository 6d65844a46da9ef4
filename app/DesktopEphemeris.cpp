#include "app/DesktopEphemeris.h"

#include "core/DeltaT.h"
#include "core/Units.h"
#include "ephemeris/ApparentPlaces.h"
#include "model/Observation.h"

#include <cmath>
#include <optional>

Ephemeris LoadDesktopEphemeris(const std::string& dataDirectory, const CObservation& epoch, CDesktopSettings::Model model)
{
    const std::optional<double> givenDeltaT =
        epoch.m_deltaTAuto ? std::nullopt : std::optional<double>(static_cast<double>(epoch.m_deltaT));
    return Ephemeris::Load(dataDirectory,
                           model == CDesktopSettings::Model::Modern ? ModernModel(givenDeltaT) : ClassicModel(givenDeltaT));
}

CGeoPosition SubsolarPoint(const Ephemeris& ephemeris, const Instant& instant)
{
    const ApparentPlace sun = ApparentSun(ephemeris, instant);
    const double siderealTime = GreenwichSiderealTime(ephemeris, instant, DeltaTAt(instant, ephemeris.DeltaT()));
    double longitude = std::remainder(sun.rightAscension - siderealTime, kTwoPi) * kRadiansToDegrees;
    if (longitude >= 180.0) {
        longitude -= 360.0;
    }
    return CGeoPosition(longitude, sun.declination * kRadiansToDegrees);
}
