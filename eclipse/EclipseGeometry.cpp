#include "eclipse/EclipseGeometry.h"

#include "eclipse/FundamentalPlane.h"
#include "eclipse/ShadowOutlines.h"
#include "ephemeris/EpochPositions.h"
#include "ephemeris/LunarTheory.h"
#include "ephemeris/PositionOptions.h"
#include "ephemeris/SolarTheory.h"
#include "ephemeris/TimeScales.h"

#include <cmath>

namespace {

ShadowAxis AxisOf(const CEclipseGeometry& geometry)
{
    return {geometry.m_moonX, geometry.m_moonY, geometry.m_moonZ, geometry.m_sinAxisDeclination,
            geometry.m_cosAxisDeclination, geometry.m_axisHourAngle};
}

} // namespace

CEclipseGeometry::CEclipseGeometry(const CObservation& observation, const CTimeTerms& terms, const std::string& dataDirectory)
    : m_observation(observation), m_terms(terms), m_dataDirectory(dataDirectory)
{
    Compute(m_observation, m_terms, m_dataDirectory);
}

CEclipseGeometry::CEclipseGeometry(const CObservation& observation, const EphemerisSeries& series)
    : m_observation(observation)
{
    ToArray(MoonAtEpoch(series, observation, kAllPositionOptions), m_moonPositionKm);
    ToArray(SunAtEpoch(series, observation, kAllPositionOptions), m_sunPositionAu);
    ComputeTimeTerms(observation, m_terms);
    ComputeGeometry(m_terms);
}

void CEclipseGeometry::Compute(CObservation observation, CTimeTerms terms, std::string dataDirectory)
{
    CLunarTheory lunarTheory(dataDirectory);
    CSolarTheory solarTheory(dataDirectory);
    lunarTheory.ComputePosition(observation, terms, kAllPositionOptions, m_moonPositionKm);
    solarTheory.ComputePosition(observation, terms, kAllPositionOptions, m_sunPositionAu);
    ComputeTimeTerms(observation, terms);
    ComputeGeometry(terms);
}

void CEclipseGeometry::ComputeGeometry(const CTimeTerms& terms)
{
    for (int i = 0; i < 3; ++i) {
        m_moonPosition[i] = m_moonPositionKm[i] * kMetresPerKilometre;
        m_sunPosition[i] = m_sunPositionAu[i] * kAstronomicalUnitMetres;
    }
    const FundamentalPlane plane = FundamentalPlaneOf(ToVector(m_sunPosition), ToVector(m_moonPosition));
    ToArray(plane.moonToSun, m_moonToSun);
    m_moonSunDistance = plane.moonSunDistance;
    m_axisRightAscension = plane.axisRightAscension;
    ToArray(plane.axis, m_shadowAxis);
    ToArray(plane.planeAxis1, m_planeAxis1);
    ToArray(plane.planeAxis2, m_planeAxis2);
    m_sunX = plane.sun.x;
    m_sunY = plane.sun.y;
    m_sunZ = plane.sun.z;
    m_moonX = plane.moon.x;
    m_moonY = plane.moon.y;
    m_moonZ = plane.moon.z;

    m_axisHourAngle = terms.m_siderealTime - m_axisRightAscension;
    m_deltaTOfComputation = terms.m_deltaTUsed;
    m_sinAxisDeclination = plane.axis.z;
    m_cosAxisDeclination = std::sqrt(1.0 - plane.axis.z * plane.axis.z);
}

void CEclipseGeometry::ShadowPointOnEarth(double vertexDepth, double sinHalfAngle, double positionAngle, ShadowPoint& point,
                                          bool& hit) const
{
    ::ShadowPointOnEarth(AxisOf(*this), ShadowCone{vertexDepth, sinHalfAngle}, positionAngle, point, hit);
}

ShadowOutlines CEclipseGeometry::Outlines() const
{
    // The difference of the geocentric distances stands for the Moon-Sun distance.
    const double moonSunDistance = Length(m_sunPosition) - Length(m_moonPosition);
    const double heightDifference = m_sunZ - m_moonZ;
    const ShadowCone umbra{heightDifference * kMoonRadiusMetres / (kSunRadiusMetres - kMoonRadiusMetres),
                           std::sin(std::atan((kMoonRadiusMetres - kSunRadiusMetres) / moonSunDistance))};
    const ShadowCone penumbra{-heightDifference * kMoonRadiusMetres / (kMoonRadiusMetres + kSunRadiusMetres),
                              std::sin(std::atan((kMoonRadiusMetres + kSunRadiusMetres) / moonSunDistance))};
    ShadowOutlines outlines = TraceShadowOutlines(AxisOf(*this), umbra, penumbra);
    outlines.rotationSeconds = m_deltaTOfComputation;
    return outlines;
}

void CEclipseGeometry::ComputeShadowOutlines(bool& axisHit, ShadowPoint& axisPoint, CGeoPointArray& umbra,
                                             CGeoPointArray& penumbra) const
{
    ShadowOutlines outlines = Outlines();
    axisHit = outlines.axisHit;
    if (axisHit) {
        axisPoint = outlines.axisPoint;
    }
    umbra = std::move(outlines.umbra);
    penumbra = std::move(outlines.penumbra);
}
