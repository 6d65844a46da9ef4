#include "eclipse/uncertainty/ChancesAtPlace.h"

#include "core/WorkerPool.h"
#include "eclipse/ElementFitting.h"
#include "ephemeris/Ephemeris.h"

#include <optional>

namespace {

// Below this many eclipses a second thread costs more than it saves.
constexpr std::size_t kEclipsesPerThread = 8;

std::optional<EclipseChance> Weigh(const Ephemeris& ephemeris, const EclipseSummary& eclipse, const GeographicPlace& place,
                                   double minimumProbability)
{
    if (eclipse.type == EclipseType::Partial) {
        return std::nullopt;
    }
    const FittedElements elements = FitElements(ephemeris, eclipse.greatest).elements;
    CentralChance chance = ChanceOfCentral(elements, place, eclipse.deltaTSigma.value_or(0.0));
    if (!(chance.probability >= minimumProbability) || chance.ranges.empty()) {
        return std::nullopt;
    }
    return EclipseChance{eclipse, std::move(chance)};
}

} // namespace

std::vector<EclipseChance> CentralAtPlace(const Ephemeris& ephemeris, const std::vector<EclipseSummary>& eclipses,
                                          const GeographicPlace& place, double minimumProbability)
{
    std::vector<std::optional<EclipseChance>> results(eclipses.size());
    WorkerPool::Shared().ForEachIndex(
        eclipses.size(),
        [&](std::size_t i) { results[i] = Weigh(ephemeris, eclipses[i], place, minimumProbability); },
        kEclipsesPerThread);
    std::vector<EclipseChance> chances;
    for (std::optional<EclipseChance>& result : results) {
        if (result) {
            chances.push_back(std::move(*result));
        }
    }
    return chances;
}
