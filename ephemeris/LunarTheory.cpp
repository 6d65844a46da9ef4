#include "ephemeris/LunarTheory.h"

#include "datafiles/ElpImage.h"
#include "ephemeris/EpochPositions.h"
#include "ephemeris/NutationTheory.h"

CLunarTheory::CLunarTheory(const std::string& dataDirectory)
    : m_dataDirectory(dataDirectory),
      m_terms(SharedLunarSeriesTerms(LoadCachedImage(dataDirectory + kElpImageName, kElpImageSize)))
{
}

void CLunarTheory::ComputePosition(CObservation observation, CTimeTerms /*terms*/, int options, double position[3])
{
    const LunarPlaceOfDate moon = MoonAtEpoch(*m_terms, NutationReadOnDemand(m_dataDirectory), observation, options);
    m_longitude = moon.place.longitude;
    m_latitude = moon.series.latitude;
    m_distance = moon.series.distance;
    m_ecliptic = {moon.place.ecliptic.x, moon.place.ecliptic.y, moon.place.ecliptic.z};
    ToArray(moon.place.position, position);
}
