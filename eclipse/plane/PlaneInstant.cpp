#include "eclipse/plane/PlaneInstant.h"

#include "eclipse/FittedElements.h"

#include <cmath>

PlaneInstant PlaneOf(const BesselianElements& elements)
{
    return {0.0, elements, {}, std::sin(elements.d), std::cos(elements.d)};
}

PlaneInstant PlaneAt(const FittedElements& elements, double hours)
{
    PlaneInstant plane{hours, elements.UnwrappedAt(hours), elements.RatesAt(hours)};
    plane.sinD = std::sin(plane.elements.d);
    plane.cosD = std::cos(plane.elements.d);
    return plane;
}

double MagnitudeAt(double penumbraRadius, double umbraRadius, double distance)
{
    return (penumbraRadius - distance) / (penumbraRadius + umbraRadius);
}

double MoonSunRatio(double penumbraRadius, double umbraRadius)
{
    return (penumbraRadius - umbraRadius) / (penumbraRadius + umbraRadius);
}
