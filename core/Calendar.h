#pragma once

// Civil dates and Julian dates. The Julian calendar runs up to 1582 October 4
// and the Gregorian from October 15; years are numbered astronomically (the
// year 0 is 1 BC).

// The years whose instants the program computes, those of the canons of
// eclipses.
inline constexpr int kFirstComputedYear = -1999;
inline constexpr int kLastComputedYear = 3000;

struct CivilDateTime {
    int year = 2000;
    int month = 1;
    int day = 1;
    int hour = 0;
    int minute = 0;
    double second = 0.0;
};

// Julian date at 0 h of a civil date (its fraction is .5). Days beyond the
// month run on into the next.
// Reference: Meeus, Astronomical Algorithms (2nd ed., 1998), chapter 7.
double JulianDateAtMidnight(int year, int month, int day);

// A Julian date in two parts, as a civil date and time of the same scale. The
// seconds are below 60.
// Reference: Meeus, Astronomical Algorithms (2nd ed., 1998), chapter 7.
CivilDateTime CivilFromJulianDate(double part1, double part2);

// Day of the year's start as a decimal year, for the Delta T tables:
// 2024.5 is about 2024 July 2.
double DecimalYear(double julianDate);
