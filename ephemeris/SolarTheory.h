#pragma once

#include "app/model/Observation.h"
#include "app/model/TimeTerms.h"
#include "datafiles/ImageCache.h"

#include <string>

// The Sun from the VSOP87 series of the Earth (version C: heliocentric
// rectangular coordinates, ecliptic and equinox of date).
class CSolarTheory {
public:
    // Reads dataDirectory + "VSOP87.dat" (dataDirectory ends with "/"); the
    // nutation is read from the same directory. Raises CFileException for a
    // missing file or one shorter than its 100656 bytes.
    explicit CSolarTheory(const std::string& dataDirectory);

    // Geocentric position of the Sun.
    // Given:    observation  epoch in UT with its Delta T choice (the caller's
    //                        copy is never changed); terms are recomputed here
    //           options      EQUATORIAL, NUTATION, LIGHT_TIME (PositionOptions.h)
    // Returned: position     au; with EQUATORIAL, rectangular equatorial of date
    //                        (true equator and equinox when NUTATION is set);
    //                        without it, rectangular ecliptic of date
    void ComputePosition(CObservation observation, CTimeTerms terms, int options, double position[3]);

    // Heliocentric Earth by direct summation of the series.
    // Given:    millennia2000TT  Julian millennia from J2000, dynamical time
    // Returned: earth            (X, Y, Z) au, mean ecliptic and equinox of date
    void ComputeHeliocentricEarth(double millennia2000TT, double earth[3]) const;

private:
    CObservation m_observation;
    CTimeTerms m_terms;
    std::string m_dataDirectory;
    DataImage m_image;
};
