// Stand-in until the library defines the eclipse search (see README.md).
#include "core/DeltaT.h"
#include "core/Units.h"
#include "eclipse/BesselianElements.h"
#include "eclipse/search/EclipseSearch.h"
#include "ephemeris/Ephemeris.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double kScanStepHours = 1.0;
constexpr double kToleranceSeconds = 0.5;
// The penumbra's radius on the fundamental plane never exceeds this.
constexpr double kLargestPenumbra = 0.58;

double AxisDistance(const Ephemeris& ephemeris, const Instant& instant)
{
    const BesselianElements elements = ElementsAt(ephemeris, instant);
    return std::hypot(elements.x, elements.y);
}

} // namespace

std::optional<EclipseSummary> FindEclipseOnUniversalDate(const Ephemeris& ephemeris, int year, int month, int day)
{
    const Instant midnight = InstantFromUniversal(CivilDateTime{year, month, day, 0, 0, 0.0}, ephemeris.DeltaT());
    // The least axis distance of the day, then golden-section search around it.
    double bestHours = 0.0;
    double best = AxisDistance(ephemeris, midnight);
    for (double hours = kScanStepHours; hours <= 24.0; hours += kScanStepHours) {
        const double distance = AxisDistance(ephemeris, midnight.PlusSeconds(hours * kSecondsPerHour));
        if (distance < best) {
            best = distance;
            bestHours = hours;
        }
    }
    const auto distanceAt = [&](double seconds) { return AxisDistance(ephemeris, midnight.PlusSeconds(seconds)); };
    const double ratio = 0.5 * (std::sqrt(5.0) - 1.0);
    double low = (bestHours - kScanStepHours) * kSecondsPerHour;
    double high = (bestHours + kScanStepHours) * kSecondsPerHour;
    double a = high - ratio * (high - low);
    double b = low + ratio * (high - low);
    double atA = distanceAt(a);
    double atB = distanceAt(b);
    while (high - low > kToleranceSeconds) {
        if (atA < atB) {
            high = b;
            b = a;
            atB = atA;
            a = high - ratio * (high - low);
            atA = distanceAt(a);
        } else {
            low = a;
            a = b;
            atA = atB;
            b = low + ratio * (high - low);
            atB = distanceAt(b);
        }
    }
    const double seconds = 0.5 * (low + high);
    if (seconds < 0.0 || seconds >= kSecondsPerDay) {
        return std::nullopt;
    }
    const Instant greatest = midnight.PlusSeconds(seconds);
    const BesselianElements elements = ElementsAt(ephemeris, greatest);
    if (!(std::hypot(elements.x, elements.y) < 1.0 + std::min(elements.l1, kLargestPenumbra))) {
        return std::nullopt;
    }
    EclipseSummary summary;
    summary.greatest = greatest;
    summary.deltaT = elements.deltaT;
    summary.gamma = std::copysign(std::hypot(elements.x, elements.y), elements.y);
    return summary;
}
