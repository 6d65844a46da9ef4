#pragma once

// Civil dates and Julian dates. The Julian calendar runs up to 1582 October 4
// and the Gregorian from October 15; years are numbered astronomically (the
// year 0 is 1 BC).

// The years whose instants the program computes, those of the canons of
// eclipses.
inline constexpr int kFirstComputedYear = -1999;
inline constexpr int kLastComputedYear = 3000;

// A day of the calendar.
struct CivilDate {
    int year = 2000;
    int month = 1;
    int day = 1;
    friend bool operator==(const CivilDate&, const CivilDate&) = default;
};

struct CivilDateTime {
    int year = 2000;
    int month = 1;
    int day = 1;
    int hour = 0;
    int minute = 0;
    double second = 0.0;
};

// Days in a month of the calendar (February has 29 in the Julian calendar's
// years divisible by 4, in the Gregorian's by the Gregorian rule).
int DaysInMonth(int year, int month);

// Whether the calendar has the day: a month of 1 to 12, a day of the month,
// not one of 1582 October 5 to 14.
bool IsCalendarDate(int year, int month, int day);

// 1582 October 5 to 14, the days the reform left out.
bool InGregorianGap(int year, int month, int day);

// Julian date at 0 h of a civil date (its fraction is .5): the Julian
// calendar up to 1582 October 4, the Gregorian from October 15. Days beyond
// the month run on into the next; any year is taken (the arithmetic is done
// in doubles).
// Reference: Meeus, Astronomical Algorithms (2nd ed., 1998), chapter 7.
double JulianDateAtMidnight(int year, int month, int day);

// A Julian date in two parts, as a civil date and time of the same scale
// (the inverse of JulianDateAtMidnight). The seconds are below 60. Dates
// before the Julian Day's origin (-4712) are counted back in whole cycles of
// four Julian years.
// Reference: Meeus, Astronomical Algorithms (2nd ed., 1998), chapter 7.
CivilDateTime CivilFromJulianDate(double part1, double part2);

// Day of the year's start as a decimal year, for the Delta T tables:
// 2024.5 is about 2024 July 2.
double DecimalYear(double julianDate);
