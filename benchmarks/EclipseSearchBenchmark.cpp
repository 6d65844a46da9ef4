// What an eclipse costs: one set of elements from the full ephemeris, the
// fitted elements of one eclipse, and the search of two centuries, with the
// series of the build's data directory (Delta T automatic).
#include "core/Calendar.h"
#include "datafiles/ProgramDirectory.h"
#include "eclipse/BesselianElements.h"
#include "eclipse/ElementFitting.h"
#include "eclipse/search/EclipseSearch.h"
#include "eclipse/uncertainty/CentralChance.h"
#include "ephemeris/Ephemeris.h"

#include <benchmark/benchmark.h>

#include <optional>

namespace {

const Ephemeris& TheEphemeris()
{
    static const Ephemeris ephemeris = Ephemeris::Load(GetDataDirectory());
    return ephemeris;
}

// 2024 April 8, near greatest eclipse (TT).
Instant Near2024()
{
    return Instant::FromJulianDate(JulianDateAtMidnight(2024, 4, 8), 18.3 / 24.0);
}

void ElementsAtOneInstant(benchmark::State& state)
{
    const Ephemeris& ephemeris = TheEphemeris();
    for (auto _ : state) {
        benchmark::DoNotOptimize(ElementsAt(ephemeris, Near2024()));
    }
}
BENCHMARK(ElementsAtOneInstant)->Unit(benchmark::kMillisecond);

void FittedElementsOfOneEclipse(benchmark::State& state)
{
    const Ephemeris& ephemeris = TheEphemeris();
    for (auto _ : state) {
        benchmark::DoNotOptimize(FitElements(ephemeris, Near2024()));
    }
}
BENCHMARK(FittedElementsOfOneEclipse)->Unit(benchmark::kMillisecond);

void EclipseOfOneDate(benchmark::State& state)
{
    const Ephemeris& ephemeris = TheEphemeris();
    for (auto _ : state) {
        benchmark::DoNotOptimize(FindEclipseOnUniversalDate(ephemeris, 2024, 4, 8));
    }
}
BENCHMARK(EclipseOfOneDate)->Unit(benchmark::kMillisecond);

// The probability of the central phase at a place and its contacts' sigmas:
// Babylon for the eclipse of -135 April 15, as local computes them.
void ChanceOfCentralAtBabylon(benchmark::State& state)
{
    const Ephemeris& ephemeris = TheEphemeris();
    const std::optional<EclipseSummary> eclipse = FindEclipseOnUniversalDate(ephemeris, -135, 4, 15);
    const FittedElements elements = FitElements(ephemeris, eclipse->greatest).elements;
    const GeographicPlace babylon{44.42, 32.55, 0.0};
    for (auto _ : state) {
        benchmark::DoNotOptimize(LocalUncertaintyAt(elements, babylon, eclipse->deltaTSigma.value_or(0.0)));
    }
}
BENCHMARK(ChanceOfCentralAtBabylon)->Unit(benchmark::kMillisecond);

void EclipsesFrom1900To2100(benchmark::State& state)
{
    const Ephemeris& ephemeris = TheEphemeris();
    const Instant from = Instant::FromJulianDate(JulianDateAtMidnight(1900, 1, 1));
    const Instant to = Instant::FromJulianDate(JulianDateAtMidnight(2101, 1, 1));
    for (auto _ : state) {
        benchmark::DoNotOptimize(FindEclipses(ephemeris, from, to));
    }
}
BENCHMARK(EclipsesFrom1900To2100)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1);

} // namespace

BENCHMARK_MAIN();
