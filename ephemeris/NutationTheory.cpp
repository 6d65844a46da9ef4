#include "ephemeris/NutationTheory.h"

#include "datafiles/NutationImage.h"

CNutationTheory::CNutationTheory(const std::string& dataDirectory)
    : m_image(LoadCachedImage(dataDirectory + kNutationImageName, kNutationImageSize))
{
}

void CNutationTheory::ComputeNutation(CObservation /*observation*/, CTimeTerms terms, float& nutationInLongitude,
                                      float& nutationInObliquity) const
{
    const NutationAngles nutation = SumNutation(*m_image, 10.0 * terms.m_millennia2000TT);
    nutationInLongitude = nutation.longitude;
    nutationInObliquity = nutation.obliquity;
}

EpochNutation NutationReadOnDemand(const std::string& dataDirectory)
{
    return [dataDirectory](const CObservation& observation, const CTimeTerms& terms) {
        NutationAngles angles;
        CNutationTheory(dataDirectory).ComputeNutation(observation, terms, angles.longitude, angles.obliquity);
        return angles;
    };
}
