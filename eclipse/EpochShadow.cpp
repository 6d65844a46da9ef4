#include "eclipse/EpochShadow.h"

#include "eclipse/EclipseGeometry.h"

#include <cmath>

EpochShadow ComputeEpochShadow(const EphemerisSeries& series, const CObservation& observation)
{
    const CEclipseGeometry geometry(observation, series);
    EpochShadow shadow;
    shadow.terms = geometry.m_terms;
    shadow.outlines = geometry.Outlines();
    shadow.axisDeclination = std::asin(geometry.m_sinAxisDeclination);
    shadow.axisHourAngle = geometry.m_axisHourAngle;
    shadow.moonX = geometry.m_moonX;
    shadow.moonY = geometry.m_moonY;
    shadow.moonZ = geometry.m_moonZ;
    return shadow;
}
