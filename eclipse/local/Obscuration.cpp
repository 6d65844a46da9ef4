#include "eclipse/local/Obscuration.h"

#include "core/Units.h"

#include <algorithm>
#include <cmath>

double Obscuration(double sunRadius, double moonRadius, double separation)
{
    if (!(sunRadius > 0.0) || !(moonRadius > 0.0) || !(separation < sunRadius + moonRadius)) {
        return 0.0;
    }
    if (separation <= std::abs(moonRadius - sunRadius)) {
        return moonRadius >= sunRadius ? 1.0 : (moonRadius * moonRadius) / (sunRadius * sunRadius);
    }
    const double sunAngle = std::acos(std::clamp(
        (separation * separation + sunRadius * sunRadius - moonRadius * moonRadius) / (2.0 * separation * sunRadius), -1.0, 1.0));
    const double moonAngle = std::acos(std::clamp(
        (separation * separation + moonRadius * moonRadius - sunRadius * sunRadius) / (2.0 * separation * moonRadius), -1.0, 1.0));
    const double kite = std::sqrt(std::max(0.0, (-separation + sunRadius + moonRadius) * (separation + sunRadius - moonRadius) *
                                                    (separation - sunRadius + moonRadius) * (separation + sunRadius + moonRadius)));
    const double area = sunRadius * sunRadius * sunAngle + moonRadius * moonRadius * moonAngle - 0.5 * kite;
    return std::clamp(area / (kPi * sunRadius * sunRadius), 0.0, 1.0);
}
