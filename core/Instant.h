#pragma once

#include <compare>

// A moment of Terrestrial Time (TT), held as a Julian date in two parts: a
// whole day number and the fraction of the day in [0, 1). A double alone
// keeps about 40 microseconds at today's Julian dates; the two parts keep far
// better than a millisecond at any date of -2000..+3000 and beyond.
class Instant {
public:
    // J2000.0, 2000 January 1 at 12 h TT.
    Instant() = default;

    // From a Julian date (TT) given in any two parts whose sum is the date.
    static Instant FromJulianDate(double part1, double part2 = 0.0);

    double WholeDays() const { return m_day; }
    double DayFraction() const { return m_fraction; }
    // The Julian date in one double (rounded to some tens of microseconds).
    double JulianDate() const { return m_day + m_fraction; }

    // Days, Julian centuries and Julian millennia from J2000.0, the time
    // arguments of the theories (TT).
    double DaysSinceJ2000() const;
    double CenturiesSinceJ2000() const;
    double MillenniaSinceJ2000() const;

    Instant PlusSeconds(double seconds) const;
    Instant PlusDays(double days) const;
    // This instant minus other, in seconds.
    double SecondsSince(const Instant& other) const;

    friend bool operator==(const Instant&, const Instant&) = default;
    friend std::partial_ordering operator<=>(const Instant& a, const Instant& b)
    {
        if (const auto days = a.m_day <=> b.m_day; days != 0) {
            return days;
        }
        return a.m_fraction <=> b.m_fraction;
    }

private:
    Instant(double day, double fraction) : m_day(day), m_fraction(fraction) {}

    double m_day = 2451545.0;
    double m_fraction = 0.0;
};
