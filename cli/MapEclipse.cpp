#include "cli/MapEclipse.h"

#include "cli/EclipseOfDate.h"
#include "eclipse/ElementFitting.h"

#include <cmath>
#include <stdexcept>

namespace {

// Two solar eclipses are at least a lunation apart: within half of one, the
// nearest is the one at hand.
constexpr double kFortnightDays = 15.0;

MapEclipse Compose(const Ephemeris& ephemeris, const EclipseSummary& summary)
{
    const FittedElements elements = FitElements(ephemeris, summary.greatest).elements;
    return {ComposeEclipseOverlay(elements, summary.type, summary.deltaTSigma), summary.greatest};
}

} // namespace

MapEclipse EclipseOfDay(const Ephemeris& ephemeris, const CivilDate& day)
{
    const EclipseOfDate eclipse = FindEclipseOfDate(ephemeris, day);
    return {ComposeEclipseOverlay(eclipse.fit.elements, eclipse.summary.type, eclipse.summary.deltaTSigma),
            eclipse.summary.greatest};
}

std::optional<MapEclipse> EclipseAround(const Ephemeris& ephemeris, const Instant& instant)
{
    std::vector<EclipseSummary> eclipses;
    try {
        eclipses = FindEclipses(ephemeris, instant.PlusDays(-kFortnightDays), instant.PlusDays(kFortnightDays));
    } catch (const std::exception&) {
        return std::nullopt;
    }
    const EclipseSummary* nearest = nullptr;
    for (const EclipseSummary& eclipse : eclipses) {
        if (nearest == nullptr ||
            std::abs(eclipse.greatest.SecondsSince(instant)) < std::abs(nearest->greatest.SecondsSince(instant))) {
            nearest = &eclipse;
        }
    }
    if (nearest == nullptr) {
        return std::nullopt;
    }
    return Compose(ephemeris, *nearest);
}
