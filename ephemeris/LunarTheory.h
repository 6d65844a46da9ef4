#pragma once

#include "datafiles/ImageCache.h"
#include "ephemeris/LunarSeries.h"
#include "model/Observation.h"
#include "model/TimeTerms.h"

#include <array>
#include <memory>
#include <string>

// The Moon from the 36 series of the lunar theory ELP 2000-82B, for the
// document's epochs: the light time is taken off the epoch's single-precision
// seconds, as the maps were always computed (MoonAt in ephemeris/Ephemeris.h
// takes an Instant).
class CLunarTheory {
public:
    // Reads dataDirectory + "Elp2000.dat" (dataDirectory ends with "/"); the
    // nutation is read from the same directory. Raises CFileException for a
    // missing file or one shorter than its 1569672 bytes.
    explicit CLunarTheory(const std::string& dataDirectory);

    // Geocentric position of the Moon.
    // Given:    observation  epoch in UT with its Delta T choice (the caller's
    //                        copy is never changed); terms are recomputed here
    //           options      EQUATORIAL, NUTATION, LIGHT_TIME (PositionOptions.h)
    // Returned: position     km; with EQUATORIAL, rectangular equatorial of date
    //                        (true equator and equinox when NUTATION is set);
    //                        without it, rectangular ecliptic (of date with
    //                        NUTATION, of the fixed equinox J2000 without)
    // Reference: Chapront-Touze & Chapront, A&A 190, 342 (1988), ELP 2000-82B;
    //            Simon et al., A&A 282, 663 (1994), precession.
    void ComputePosition(CObservation observation, CTimeTerms terms, int options, double position[3]);

    // Of the last position: ecliptic longitude and latitude (radians) and
    // distance (km), and the ecliptic rectangular vector (km).
    double Longitude() const { return m_longitude; }
    double Latitude() const { return m_latitude; }
    double Distance() const { return m_distance; }
    const std::array<double, 3>& Ecliptic() const { return m_ecliptic; }

private:
    std::string m_dataDirectory;
    std::shared_ptr<const LunarSeriesTerms> m_terms;

    double m_longitude = 0.0; // V, radians
    double m_latitude = 0.0;  // U, radians
    double m_distance = 0.0;  // R, km
    std::array<double, 3> m_ecliptic = {};
};
