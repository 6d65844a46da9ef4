#pragma once

#include "app/model/Observation.h"
#include "app/model/TimeTerms.h"
#include "datafiles/ImageCache.h"

#include <array>
#include <string>

// The Moon from the 36 series of the lunar theory ELP 2000-82B.
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
    void ComputePosition(CObservation observation, CTimeTerms terms, int options, double position[3]);

    // Recomputes the own time terms, the powers of time and the fundamental
    // arguments (radians) for the own observation.
    void ComputeArguments();

    // Of the last position: ecliptic longitude and latitude (radians) and
    // distance (km), and the ecliptic rectangular vector (km).
    double Longitude() const { return m_longitude; }
    double Latitude() const { return m_latitude; }
    double Distance() const { return m_distance; }
    const std::array<double, 3>& Ecliptic() const { return m_ecliptic; }

private:
    double SumSeries(int series) const;
    double SumMainProblem(int series) const;
    // Longitude, latitude or distance (coordinate 0, 1 or 2) from the sums of
    // its twelve series, before the mean longitude or scale is applied.
    static double CombineSeries(const std::array<double, 37>& sums, int coordinate, double t);
    double DistanceFromSeries() const;
    void ComputeLongitudeLatitudeDistance();

    CObservation m_observation;
    CTimeTerms m_terms;
    std::string m_dataDirectory;
    DataImage m_image;

    std::array<double, 5> m_powers = {};          // t^0 .. t^4, t in Julian centuries TT from J2000
    double m_meanLongitude = 0.0;                 // W1 to degree 4
    std::array<double, 4> m_delaunay = {};        // D, l', l, F to degree 4 (main problem)
    std::array<double, 5> m_figureArguments = {}; // zeta, D, l', l, F to degree 1
    std::array<double, 11> m_planetaryArguments1 = {}; // Me, V, T, Ma, J, S, U, N, D, l, F
    std::array<double, 11> m_planetaryArguments2 = {}; // Me, V, T, Ma, J, S, U, D, l', l, F
    std::array<double, 4> m_minorArguments = {};  // D, l', l, F to degree 1

    double m_longitude = 0.0; // V, radians
    double m_latitude = 0.0;  // U, radians
    double m_distance = 0.0;  // R, km
    std::array<double, 3> m_ecliptic = {};
};
