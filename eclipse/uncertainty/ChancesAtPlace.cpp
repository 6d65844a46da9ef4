#include "eclipse/uncertainty/ChancesAtPlace.h"

#include "eclipse/ElementFitting.h"
#include "ephemeris/Ephemeris.h"

#include <algorithm>
#include <atomic>
#include <exception>
#include <optional>
#include <thread>

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
    std::atomic<std::size_t> next{0};
    const std::size_t threadCount = std::clamp<std::size_t>(
        std::min<std::size_t>(std::thread::hardware_concurrency(), eclipses.size() / kEclipsesPerThread), 1, 64);
    std::vector<std::exception_ptr> failures(threadCount);
    const auto work = [&](std::size_t thread) {
        try {
            for (std::size_t i = next++; i < eclipses.size(); i = next++) {
                results[i] = Weigh(ephemeris, eclipses[i], place, minimumProbability);
            }
        } catch (...) {
            failures[thread] = std::current_exception();
            next = eclipses.size();
        }
    };
    std::vector<std::thread> helpers;
    for (std::size_t thread = 1; thread < threadCount; ++thread) {
        helpers.emplace_back(work, thread);
    }
    work(0);
    for (std::thread& helper : helpers) {
        helper.join();
    }
    for (const std::exception_ptr& failure : failures) {
        if (failure) {
            std::rethrow_exception(failure);
        }
    }
    std::vector<EclipseChance> chances;
    for (std::optional<EclipseChance>& result : results) {
        if (result) {
            chances.push_back(std::move(*result));
        }
    }
    return chances;
}
