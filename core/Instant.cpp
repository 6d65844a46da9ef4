#include "core/Instant.h"

#include "core/Units.h"

#include <cmath>

Instant Instant::FromJulianDate(double part1, double part2)
{
    // Whole days of each part first, so that no fraction is lost to a large sum.
    const double whole1 = std::floor(part1);
    const double whole2 = std::floor(part2);
    double fraction = (part1 - whole1) + (part2 - whole2);
    double day = whole1 + whole2;
    const double carry = std::floor(fraction);
    day += carry;
    fraction -= carry;
    if (fraction >= 1.0) {  // a fraction that rounded up to one whole day
        day += 1.0;
        fraction = 0.0;
    }
    return Instant(day, fraction);
}

double Instant::DaysSinceJ2000() const
{
    return (m_day - kJulianDateJ2000) + m_fraction;
}

double Instant::CenturiesSinceJ2000() const
{
    return DaysSinceJ2000() / kDaysPerJulianCentury;
}

double Instant::MillenniaSinceJ2000() const
{
    return DaysSinceJ2000() / kDaysPerJulianMillennium;
}

Instant Instant::PlusSeconds(double seconds) const
{
    return PlusDays(seconds / kSecondsPerDay);
}

Instant Instant::PlusDays(double days) const
{
    const double whole = std::floor(days);
    return FromJulianDate(m_day + whole, m_fraction + (days - whole));
}

double Instant::SecondsSince(const Instant& other) const
{
    return ((m_day - other.m_day) + (m_fraction - other.m_fraction)) * kSecondsPerDay;
}
