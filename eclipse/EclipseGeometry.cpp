#include "eclipse/EclipseGeometry.h"

#include "eclipse/ShadowOutlines.h"
#include "eclipse/plane/FundamentalPlane.h"
#include "ephemeris/EpochPositions.h"
#include "ephemeris/LunarTheory.h"
#include "ephemeris/PositionOptions.h"
#include "ephemeris/SolarTheory.h"
#include "ephemeris/TimeScales.h"

#include <cmath>

namespace {

// The plane as the document's geometry holds it: the declination's sine
// straight from the axis, its cosine from that sine.
PlaneInstant PlaneOfGeometry(const CEclipseGeometry& geometry)
{
    PlaneInstant plane;
    plane.elements.x = geometry.m_moonX;
    plane.elements.y = geometry.m_moonY;
    plane.elements.z = geometry.m_moonZ;
    plane.elements.d = std::asin(geometry.m_sinAxisDeclination);
    plane.elements.mu = geometry.m_axisHourAngle;
    plane.sinD = geometry.m_sinAxisDeclination;
    plane.cosD = geometry.m_cosAxisDeclination;
    return plane;
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
    ::ShadowPointOnEarth(PlaneOfGeometry(*this), ConeShape{vertexDepth, sinHalfAngle}, positionAngle, point, hit);
}

ShadowOutlines CEclipseGeometry::Outlines() const
{
    // The difference of the geocentric distances stands for the Moon-Sun distance.
    const double moonSunDistance = Length(m_sunPosition) - Length(m_moonPosition);
    const double heightDifference = m_sunZ - m_moonZ;
    const ConeShape umbra{heightDifference * kMoonRadiusMetres / (kSunRadiusMetres - kMoonRadiusMetres),
                          std::sin(std::atan((kMoonRadiusMetres - kSunRadiusMetres) / moonSunDistance))};
    const ConeShape penumbra{-heightDifference * kMoonRadiusMetres / (kMoonRadiusMetres + kSunRadiusMetres),
                             std::sin(std::atan((kMoonRadiusMetres + kSunRadiusMetres) / moonSunDistance))};
    ShadowOutlines outlines = TraceShadowOutlines(PlaneOfGeometry(*this), umbra, penumbra);
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
