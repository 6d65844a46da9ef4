#include "app/PlaceText.h"

#include "app/ToolTexts.h"
#include "core/Units.h"
#include "model/Observation.h"

#include <cmath>

namespace {

constexpr double kSecondsPerDegree = 3600.0;

QString AngleText(double degrees, const QString& positive, const QString& negative)
{
    const long long seconds = std::llround(std::fabs(degrees) * kSecondsPerDegree);
    return QStringLiteral("%1°%2'%3\" %4")
        .arg(seconds / 3600)
        .arg(seconds / 60 % 60, 2, 10, QLatin1Char('0'))
        .arg(seconds % 60, 2, 10, QLatin1Char('0'))
        .arg(degrees < 0.0 ? negative : positive);
}

} // namespace

QString PlaceText(const CGeoPosition& place)
{
    return AngleText(place.m_latitude, kNorthLetter, kSouthLetter) + QStringLiteral(", ") +
           AngleText(place.m_longitude, kEastLetter, kWestLetter);
}
