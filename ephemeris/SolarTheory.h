#pragma once

#include "datafiles/ImageCache.h"
#include "model/Observation.h"
#include "model/TimeTerms.h"

#include <string>

// The Sun from the VSOP87 series of the Earth (version C: heliocentric
// rectangular coordinates, ecliptic and equinox of date), for the document's
// epochs: the light time is taken off the epoch's single-precision seconds,
// as the maps were always computed (SunAt in ephemeris/Ephemeris.h takes an
// Instant).
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
    // Reference: Bretagnon & Francou, A&A 202, 309 (1988), VSOP87 version C.
    void ComputePosition(CObservation observation, CTimeTerms terms, int options, double position[3]);

    // Heliocentric Earth by direct summation of the series.
    // Given:    millennia2000TT  Julian millennia from J2000, dynamical time
    // Returned: earth            (X, Y, Z) au, mean ecliptic and equinox of date
    // Reference: Bretagnon & Francou, A&A 202, 309 (1988).
    void ComputeHeliocentricEarth(double millennia2000TT, double earth[3]) const;

private:
    std::string m_dataDirectory;
    DataImage m_image;
};
