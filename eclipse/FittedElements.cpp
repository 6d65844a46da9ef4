#include "eclipse/FittedElements.h"

#include "core/Units.h"

#include <cmath>

double Polynomial::At(double t) const
{
    double value = 0.0;
    for (std::size_t power = coefficients.size(); power-- > 0;) {
        value = value * t + coefficients[power];
    }
    return value;
}

double Polynomial::DerivativeAt(double t) const
{
    double value = 0.0;
    for (std::size_t power = coefficients.size(); power-- > 1;) {
        value = value * t + static_cast<double>(power) * coefficients[power];
    }
    return value;
}

BesselianElements FittedElements::At(double hours) const
{
    BesselianElements elements = UnwrappedAt(hours);
    const double reduced = std::fmod(elements.mu, kTwoPi);
    elements.mu = reduced < 0.0 ? reduced + kTwoPi : reduced;
    return elements;
}

BesselianElements FittedElements::UnwrappedAt(double hours) const
{
    BesselianElements elements;
    elements.x = x.At(hours);
    elements.y = y.At(hours);
    elements.d = d.At(hours);
    elements.mu = mu.At(hours);
    elements.l1 = l1.At(hours);
    elements.l2 = l2.At(hours);
    elements.tanF1 = tanF1;
    elements.tanF2 = tanF2;
    elements.deltaT = deltaT;
    // z is not part of the published set; l1 = z tan f1 + k1 / cos f1 gives it back.
    elements.z = (elements.l1 - kMoonRadiusPenumbral * std::sqrt(1.0 + tanF1 * tanF1)) / tanF1;
    return elements;
}

BesselianElements FittedElements::RatesAt(double hours) const
{
    BesselianElements rates;
    rates.x = x.DerivativeAt(hours);
    rates.y = y.DerivativeAt(hours);
    rates.d = d.DerivativeAt(hours);
    rates.mu = mu.DerivativeAt(hours);
    rates.l1 = l1.DerivativeAt(hours);
    rates.l2 = l2.DerivativeAt(hours);
    rates.z = rates.l1 / tanF1;
    return rates;
}

double FittedElements::HoursOf(const Instant& instant) const
{
    return instant.SecondsSince(t0) / kSecondsPerHour;
}

Instant FittedElements::InstantOf(double hours) const
{
    return t0.PlusSeconds(hours * kSecondsPerHour);
}
