#include "ephemeris/SolarTheory.h"

#include "datafiles/VsopImage.h"
#include "ephemeris/EpochPositions.h"
#include "ephemeris/NutationTheory.h"
#include "ephemeris/SolarSeries.h"

CSolarTheory::CSolarTheory(const std::string& dataDirectory)
    : m_dataDirectory(dataDirectory), m_image(LoadCachedImage(dataDirectory + kVsopImageName, kVsopImageSize))
{
}

void CSolarTheory::ComputeHeliocentricEarth(double millennia2000TT, double earth[3]) const
{
    ToArray(HeliocentricEarth(*m_image, millennia2000TT), earth);
}

void CSolarTheory::ComputePosition(CObservation observation, CTimeTerms /*terms*/, int options, double position[3])
{
    ToArray(SunAtEpoch(*m_image, NutationReadOnDemand(m_dataDirectory), observation, options).position, position);
}
