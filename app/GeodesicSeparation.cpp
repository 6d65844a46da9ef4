#include "app/GeodesicSeparation.h"

#include "core/Units.h"
#include "model/Observation.h"

#include <GeographicLib/Geodesic.hpp>

#include <cmath>

namespace {

double FullCircle(double degrees)
{
    const double wrapped = std::fmod(degrees, 360.0);
    return wrapped < 0.0 ? wrapped + 360.0 : wrapped;
}

} // namespace

GeodesicSeparation SeparationBetween(const CGeoPosition& from, const CGeoPosition& to)
{
    double metres = 0.0;
    double initial = 0.0;
    double final = 0.0;
    GeographicLib::Geodesic::WGS84().Inverse(from.m_latitude, from.m_longitude, to.m_latitude, to.m_longitude, metres,
                                             initial, final);
    return {metres / kMetresPerKilometre, FullCircle(initial), FullCircle(final)};
}
