#include "eclipse/EclipseGeometry.h"

#include "ephemeris/LunarTheory.h"
#include "ephemeris/PositionOptions.h"
#include "ephemeris/SolarTheory.h"
#include "ephemeris/TimeScales.h"
#include "ephemeris/Vector3.h"

#include <cmath>
#include <utility>

namespace {

// 1 / 6378140 m: metres to Earth radii.
constexpr double kEarthRadiiPerMetre = 1.567856114959475e-7;

} // namespace

CEclipseGeometry::CEclipseGeometry(const CObservation& observation, const CTimeTerms& terms, const std::string& dataDirectory)
    : m_observation(observation), m_terms(terms), m_dataDirectory(dataDirectory)
{
    Compute(m_observation, m_terms, m_dataDirectory);
}

void CEclipseGeometry::Compute(CObservation observation, CTimeTerms terms, std::string dataDirectory)
{
    CLunarTheory lunarTheory(dataDirectory);
    CSolarTheory solarTheory(dataDirectory);
    lunarTheory.ComputePosition(observation, terms, kAllPositionOptions, m_moonPositionKm);
    solarTheory.ComputePosition(observation, terms, kAllPositionOptions, m_sunPositionAu);

    for (int i = 0; i < 3; ++i) {
        m_moonPosition[i] = m_moonPositionKm[i] * 1000.0;
        m_sunPosition[i] = m_sunPositionAu[i] * kAstronomicalUnitMetres;
        m_moonToSun[i] = m_sunPosition[i] - m_moonPosition[i];
    }
    const double* d = m_moonToSun;
    m_moonSunDistance = Length(d);
    m_axisRightAscension = std::atan2(d[1], d[0]);
    for (int i = 0; i < 3; ++i) {
        m_shadowAxis[i] = d[i] / m_moonSunDistance;
    }
    const double* u = m_shadowAxis;
    const double rho = std::sqrt(d[0] * d[0] + d[1] * d[1]);
    m_planeAxis1[0] = d[1] / rho;
    m_planeAxis1[1] = -d[0] / rho;
    m_planeAxis1[2] = 0.0;
    m_planeAxis2[0] = u[2] * d[0] / rho;
    m_planeAxis2[1] = u[2] * d[1] / rho;
    m_planeAxis2[2] = -(u[0] * d[0] + u[1] * d[1]) / rho;

    m_sunX = -Dot(m_planeAxis1, m_sunPosition) * kEarthRadiiPerMetre;
    m_sunY = -Dot(m_planeAxis2, m_sunPosition) * kEarthRadiiPerMetre;
    m_sunZ = Dot(m_shadowAxis, m_sunPosition) * kEarthRadiiPerMetre;
    m_moonX = -Dot(m_planeAxis1, m_moonPosition) * kEarthRadiiPerMetre;
    m_moonY = -Dot(m_planeAxis2, m_moonPosition) * kEarthRadiiPerMetre;
    m_moonZ = Dot(m_shadowAxis, m_moonPosition) * kEarthRadiiPerMetre;

    ComputeTimeTerms(observation, terms);
    m_axisHourAngle = terms.m_siderealTime - m_axisRightAscension;
    m_sinAxisDeclination = u[2];
    m_cosAxisDeclination = std::sqrt(1.0 - u[2] * u[2]);
}
