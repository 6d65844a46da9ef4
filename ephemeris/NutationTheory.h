#pragma once

#include "app/model/Observation.h"
#include "app/model/TimeTerms.h"
#include "datafiles/ImageCache.h"

#include <string>

// The IAU 1980 theory of nutation, from the 106 terms of "Nutation.dat".
class CNutationTheory {
public:
    // Reads dataDirectory + "Nutation.dat" (dataDirectory ends with "/").
    // Raises CFileException for a missing file or one shorter than its 2544 bytes.
    explicit CNutationTheory(const std::string& dataDirectory);

    // Nutation of the instant that terms describe.
    // Given:    observation, terms  an epoch whose terms are current (they are
    //                               used as given, not recomputed)
    // Returned: nutationInLongitude, nutationInObliquity  radians, referred to
    //                               the ecliptic of date, summed in single precision
    void ComputeNutation(CObservation observation, CTimeTerms terms, float& nutationInLongitude,
                         float& nutationInObliquity) const;

private:
    DataImage m_image;
};

// Mean obliquity of the ecliptic of date, radians.
// Given: millennia2000TT  Julian millennia from J2000, dynamical time.
double MeanObliquity(double millennia2000TT);

// Rotation from ecliptic to equatorial rectangular coordinates of date.
// Given:    ecliptic  (x, y, z) referred to the ecliptic and equinox of date, any unit
//           length    the length of that vector, same unit
//           obliquity radians (mean, or true when nutation is applied)
// Returned: equatorial (x, y, z), same unit, x toward the equinox and z toward
//           the celestial pole of date
void EclipticToEquatorial(const double ecliptic[3], double length, double obliquity, double equatorial[3]);
