// The eclipse from its fitted elements: one place's circumstances, the whole
// path at 60-second steps, and the curves of equal magnitude on a 0.5-degree
// grid. Elements as NASA publishes them (tests/eclipse/PublishedElements.h).
#include "eclipse/local/LocalCircumstances.h"
#include "eclipse/path/EclipsePath.h"
#include "eclipse/path/MagnitudeCurves.h"
#include "tests/eclipse/PublishedElements.h"

#include <benchmark/benchmark.h>

namespace {

const FittedElements& Elements(std::int64_t year)
{
    static const FittedElements e2006 = published::Eclipse2006();
    static const FittedElements e2017 = published::Eclipse2017();
    static const FittedElements e2024 = published::Eclipse2024();
    return year == 2006 ? e2006 : year == 2017 ? e2017 : e2024;
}

void LocalCircumstancesOfDallas(benchmark::State& state)
{
    const FittedElements& elements = Elements(2024);
    for (auto _ : state) {
        const LocalCircumstances seen = LocalCircumstancesAt(elements, {-96.797, 32.777, 0.0});
        benchmark::DoNotOptimize(seen.durationSeconds);
    }
}
BENCHMARK(LocalCircumstancesOfDallas)->Unit(benchmark::kMicrosecond);

void WholePath(benchmark::State& state)
{
    const FittedElements& elements = Elements(state.range(0));
    for (auto _ : state) {
        const EclipsePath path = ComputeEclipsePath(elements, 60.0);
        benchmark::DoNotOptimize(path.centralLine.data());
    }
}
BENCHMARK(WholePath)->Arg(2006)->Arg(2017)->Arg(2024)->Unit(benchmark::kMillisecond);

void MagnitudeCurves(benchmark::State& state)
{
    const FittedElements& elements = Elements(state.range(0));
    for (auto _ : state) {
        const auto curves = TraceMagnitudeCurves(elements, {0.2, 0.4, 0.6, 0.8});
        benchmark::DoNotOptimize(curves.data());
    }
}
BENCHMARK(MagnitudeCurves)->Arg(2006)->Arg(2024)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
