#include "eclipse/local/ShadowInstant.h"

#include <cmath>

ShadowInstant ShadowAt(const FittedElements& elements, double hours)
{
    ShadowInstant shadow;
    shadow.hours = hours;
    shadow.x = elements.x.At(hours);
    shadow.y = elements.y.At(hours);
    shadow.l1 = elements.l1.At(hours);
    shadow.l2 = elements.l2.At(hours);
    shadow.tanF1 = elements.tanF1;
    shadow.tanF2 = elements.tanF2;
    const double d = elements.d.At(hours);
    shadow.sinD = std::sin(d);
    shadow.cosD = std::cos(d);
    shadow.mu = elements.mu.At(hours);
    shadow.xRate = elements.x.DerivativeAt(hours);
    shadow.yRate = elements.y.DerivativeAt(hours);
    shadow.dRate = elements.d.DerivativeAt(hours);
    shadow.muRate = elements.mu.DerivativeAt(hours);
    return shadow;
}
