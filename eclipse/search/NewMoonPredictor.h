#pragma once

// New moons from the mean elements of the Sun and the Moon and their largest
// periodic terms: where a solar eclipse may occur, cheaply, before the full
// ephemeris is asked.

// One new moon as the mean-element theory sees it.
struct PredictedNewMoon {
    int lunation = 0;            // k: new moons counted from 2000 January 6 (0)
    double julianDate = 0.0;     // TT, greatest eclipse (an ordinary new moon when far from a node)
    double gamma = 0.0;          // least distance of the shadow axis from the Earth's centre, equatorial Earth radii, north positive
    double umbralRadius = 0.0;   // u, radius of the umbral cone on the fundamental plane, Earth radii
    bool nearNode = false;       // the Moon's argument of latitude allows an eclipse (|sin F| <= 0.36)
};

// The new moon of lunation k.
// Given:    lunation   k, whole; 0 is the new moon of 2000 January 6
// Returned: its instant (TT, Julian date), gamma and u at greatest eclipse;
//           the time is good to a few minutes, gamma to about 0.01
// Reference: Meeus, Astronomical Algorithms (2nd ed., 1998), chapters 49
//            (mean phases, 49.1-49.7) and 54 (solar eclipses).
PredictedNewMoon PredictNewMoon(int lunation);

// Whether the penumbra may reach the Earth at that new moon, with a margin
// for the approximations of the mean-element theory (|gamma| < 1.5433 + u,
// Meeus ch. 54, widened).
bool MayBeSolarEclipse(const PredictedNewMoon& newMoon);

// The lunation whose mean new moon lies nearest a Julian date (TT).
// Reference: Meeus, Astronomical Algorithms (2nd ed., 1998), 49.1.
int LunationNearest(double julianDate);
