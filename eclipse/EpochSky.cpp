#include "eclipse/EpochSky.h"

#include "core/Units.h"
#include "eclipse/BesselianElements.h"
#include "eclipse/EclipseGeometry.h"
#include "ephemeris/PositionOptions.h"

#include <cmath>

namespace {

EpochSky ClassicSky(const Ephemeris& ephemeris, const CObservation& epoch)
{
    const CEclipseGeometry geometry(epoch, ephemeris.Series());
    const CTimeTerms& terms = geometry.m_terms;
    EpochSky sky;
    sky.model = ephemeris.Model().ForEpoch(epoch);
    sky.instant = Instant::FromJulianDate(kJulianDateJ2000, terms.m_millennia2000TT * kDaysPerJulianMillennium);
    sky.deltaT = static_cast<double>(terms.m_deltaTUsed);
    sky.siderealTime = terms.m_siderealTime;
    sky.sun = ToVector(geometry.m_sunPositionAu);
    sky.moon = ToVector(geometry.m_moonPositionKm);
    sky.nutation = SumNutation(*ephemeris.Series().nutation, kCenturiesPerMillennium * terms.m_millennia2000TT);
    sky.outlines = geometry.Outlines();
    sky.axisDeclination = std::asin(geometry.m_sinAxisDeclination);
    sky.axisHourAngle = geometry.m_axisHourAngle;
    sky.moonOnPlane = {geometry.m_moonX, geometry.m_moonY, geometry.m_moonZ};
    return sky;
}

EpochSky ModernSky(const Ephemeris& ephemeris, const CObservation& epoch)
{
    const Ephemeris ofEpoch(ephemeris.SharedSeries(), ephemeris.Model().ForEpoch(epoch));
    const Instant instant = InstantOfObservation(ofEpoch, epoch);
    const BesselianElements elements = ElementsAt(ofEpoch, instant);
    EpochSky sky;
    sky.model = ofEpoch.Model();
    sky.instant = instant;
    sky.deltaT = elements.deltaT;
    sky.siderealTime = GreenwichSiderealTime(ofEpoch, instant, elements.deltaT);
    sky.sun = SunAt(ofEpoch, instant, kAllPositionOptions);
    sky.moon = MoonAt(ofEpoch, instant, kAllPositionOptions);
    sky.nutation = NutationAt(ofEpoch, instant);
    sky.outlines = OutlinesFromElements(elements);
    sky.axisDeclination = elements.d;
    sky.axisHourAngle = elements.mu;
    sky.moonOnPlane = {elements.x, elements.y, elements.z};
    return sky;
}

} // namespace

EpochSky SkyAtEpoch(const Ephemeris& ephemeris, const CObservation& epoch)
{
    return ephemeris.Model().IsClassic() ? ClassicSky(ephemeris, epoch) : ModernSky(ephemeris, epoch);
}
