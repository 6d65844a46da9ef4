#pragma once

#include "eclipse/FittedElements.h"

#include <vector>

// A stretch of one parallel, degrees east: from west to east, west in
// [-180, 180), east - west below 360 (east may pass 180).
struct LongitudeInterval {
    double west = 0.0;
    double east = 0.0;
};

// Where along one parallel the central phase is seen under the elements'
// own Delta T: the places whose least distance from the shadow axis is
// below the radius of the umbra (antumbra) there, with the Sun above the
// geodetic horizon at that maximum, the maximum falling within the
// elements' window. These are the places that LocalCircumstancesAt calls
// total or annular with the maximum in sight.
struct CentralLongitudes {
    bool wholeParallel = false;
    std::vector<LongitudeInterval> intervals;  // from west to east, apart from one another

    bool Empty() const { return !wholeParallel && intervals.empty(); }
};

// The places of the parallel are first taken every degree of longitude;
// each change between seen and not seen is then found to a few millimetres
// (regula falsi on the margin of the umbra or on the Sun's altitude), and a
// stretch of the path narrower than the step is caught where the margin has
// a least value that the sampled ones do not rule out.
// Given:    the elements; the geodetic latitude (degrees) and the height
//           above the ellipsoid (metres) of the parallel
// Reference: Explanatory Supplement to the Astronomical Almanac (1992), 8.4
//            (the place's least distance from the axis and the radius of
//            the umbra at its height).
CentralLongitudes CentralLongitudesAt(const FittedElements& elements, double latitude, double height);
