#pragma once

#include "model/Observation.h"
#include "model/TimeTerms.h"
#include "datafiles/ImageCache.h"
#include "ephemeris/EpochPositions.h"
#include "ephemeris/Nutation.h"

#include <string>

// The IAU 1980 theory of nutation, from the 106 terms of "Nutation.dat", for
// the document's epochs (NutationAt in ephemeris/Ephemeris.h takes an Instant).
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
    // Reference: Seidelmann, Celestial Mechanics 27, 79 (1982), IAU 1980 theory.
    void ComputeNutation(CObservation observation, CTimeTerms terms, float& nutationInLongitude,
                         float& nutationInObliquity) const;

private:
    DataImage m_image;
};

// The nutation of an epoch from dataDirectory's "Nutation.dat", read only
// when a position asks for nutation.
EpochNutation NutationReadOnDemand(const std::string& dataDirectory);
