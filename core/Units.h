#pragma once

// Units and physical constants, each defined once for the whole program. The
// values are those the maps and the published examples were computed with;
// they stay exactly as given.

#include <numbers>

// Angles.
inline constexpr double kPi = std::numbers::pi;
inline constexpr double kTwoPi = 2.0 * std::numbers::pi;
// The program-wide degree-to-radian factor, pi / 180.
inline constexpr double kDegreesToRadians = 0.017453292519943295;
inline constexpr double kRadiansToDegrees = 57.29577951308232;
inline constexpr double kArcsecondsPerDegree = 3600.0;
inline constexpr double kArcsecondsPerRadian = 206264.80624709636;
inline constexpr double kArcsecondsToRadians = kDegreesToRadians / kArcsecondsPerDegree;
// Hour angle and right ascension: 15 degrees an hour.
inline constexpr double kRadiansPerHour = 0.2617993877991494;

// Time.
inline constexpr double kSecondsPerMinute = 60.0;
inline constexpr double kSecondsPerHour = 3600.0;
inline constexpr double kSecondsPerDay = 86400.0;
inline constexpr double kHoursPerDay = 24.0;
inline constexpr double kDaysPerJulianCentury = 36525.0;
inline constexpr double kDaysPerJulianMillennium = 365250.0;
inline constexpr double kHoursPerJulianMillennium = 8766000.0;
inline constexpr double kCenturiesPerMillennium = 10.0;
// Julian dates of the epochs the theories count from.
inline constexpr double kJulianDateJ2000 = 2451545.0;   // 2000 January 1.5 TT
inline constexpr double kJulianDate1900 = 2415020.0;    // 1899 December 31.5
inline constexpr double kJulianDatePosixEpoch = 2440587.5; // 1970 January 1.0 UT, the count of the time zones

// Lengths.
// Metres in one astronomical unit (IAU 1976), as the Sun's distance is converted.
inline constexpr double kAstronomicalUnitMetres = 149597870691.0;
inline constexpr double kMetresPerKilometre = 1000.0;
// Light: seconds it takes to travel one metre, and one kilometre.
inline constexpr double kSecondsPerMetreOfLight = 3.3356409519815204e-9;
inline constexpr double kSecondsPerKilometreOfLight = 3.3356409519815205e-6;

// The Earth (IAU 1976 ellipsoid): equatorial radius, the ratio of the polar
// radius to it, that ratio's inverse, and the flattening 1 - ratio.
inline constexpr double kEarthEquatorialRadiusMetres = 6378140.0;
inline constexpr double kEarthEquatorialRadiusKilometres = 6378.140;
inline constexpr double kEarthPolarRatio = 0.9966471868221031;
inline constexpr double kEarthInversePolarRatio = 1.0033640923510632;
inline constexpr double kEarthFlattening = 1.0 - kEarthPolarRatio;
// 1 / 6378140 m: metres to equatorial Earth radii.
inline constexpr double kEarthRadiiPerMetre = 1.567856114959475e-7;
// The Earth's mean radius, (2a + b) / 3 of the WGS 84 ellipsoid: the sphere
// on which distances between towns are measured.
inline constexpr double kEarthMeanRadiusKilometres = 6371.0088;
// The Earth's rotation seen from the Sun, degrees of longitude per second of
// time (the sidereal rate of the shadow's placement).
inline constexpr double kEarthRotationDegreesPerSecond = 0.004178075;

// The Moon and the Sun. The Moon's radius is k = 0.2725076 equatorial Earth
// radii, the value of the published eclipse canons for the penumbra (and of
// the maps for both shadows); the canons use k = 0.2722810 for the umbra, the
// Moon's mean radius between the peaks of its limb.
inline constexpr double kMoonRadiusMetres = 1738090.6155858801;
inline constexpr double kMoonRadiusPenumbral = 0.2725076;  // Earth radii
inline constexpr double kMoonRadiusUmbral = 0.2722810;     // Earth radii
inline constexpr double kSunRadiusMetres = 6.96e8;
