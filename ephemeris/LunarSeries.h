#pragma once

#include "ephemeris/LunarSeriesTerms.h"

#include <array>

// The Moon from the 36 series of the lunar theory ELP 2000-82B, with the
// constants of the main problem corrected as its authors recommend.
// Reference: Chapront-Touze & Chapront, A&A 124, 50 (1983), "The lunar
//            ephemeris ELP 2000"; A&A 190, 342 (1988), "ELP 2000-85";
//            ELP 2000-82B as distributed by the Bureau des longitudes (CDS VI/79).

// The arguments of the series at one time, radians.
struct LunarArguments {
    std::array<double, 5> powers = {};          // t^0 .. t^4, t in Julian centuries TT from J2000
    double meanLongitude = 0.0;                 // W1 to degree 4
    std::array<double, 4> delaunay = {};        // D, l', l, F to degree 4 (main problem)
    std::array<double, 5> figure = {};          // zeta, D, l', l, F to degree 1
    std::array<double, 11> planetary1 = {};     // Me, V, T, Ma, J, S, U, N, D, l, F
    std::array<double, 11> planetary2 = {};     // Me, V, T, Ma, J, S, U, D, l', l, F
    std::array<double, 4> minor = {};           // D, l', l, F to degree 1
};

// The Moon's position from the series: ecliptic longitude and latitude
// (radians) and distance (km), referred to the mean ecliptic and the fixed
// equinox of J2000.
struct LunarSpherical {
    double longitude = 0.0;
    double latitude = 0.0;
    double distance = 0.0;
};

// Given: centuries  Julian centuries from J2000, dynamical time.
LunarArguments ComputeLunarArguments(double centuries);

// The distance alone (km), from the twelve distance series: what the light
// time needs.
// Given: elp  the terms of "Elp2000.dat" (SharedLunarSeriesTerms)
double SumLunarDistance(const LunarSeriesTerms& elp, const LunarArguments& arguments);

// Longitude, latitude and distance from all 36 series.
LunarSpherical SumLunarSeries(const LunarSeriesTerms& elp, const LunarArguments& arguments);

// General precession in longitude from J2000 to date, arcseconds.
// Given: tau  Julian millennia from J2000, dynamical time.
// Reference: Simon et al., A&A 282, 663 (1994), as used with ELP 2000-82B.
double GeneralPrecession(double tau);
