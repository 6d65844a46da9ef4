// A full shadow computation as one trace makes it: both positions with light
// time, the geometry and the 7561 intersections, with the series images cached.
#include "datafiles/ProgramDirectory.h"
#include "eclipse/EclipseGeometry.h"
#include "ephemeris/TimeScales.h"

#include <benchmark/benchmark.h>

namespace {

void ShadowComputation(benchmark::State& state)
{
    CObservation observation;
    observation.m_hour = 10;
    observation.m_minute = 11;
    observation.m_second = 18.0f;
    const std::string dataDirectory = GetDataDirectory();
    for (auto _ : state) {
        CTimeTerms terms;
        ComputeTimeTerms(observation, terms);
        const CEclipseGeometry geometry(observation, terms, dataDirectory);
        bool axisHit = false;
        ShadowPoint axis;
        CGeoPointArray umbra, penumbra;
        geometry.ComputeShadowOutlines(axisHit, axis, umbra, penumbra);
        benchmark::DoNotOptimize(penumbra.data());
    }
}
BENCHMARK(ShadowComputation)->Unit(benchmark::kMillisecond);

void ShadowOutlinesOnly(benchmark::State& state)
{
    CObservation observation;
    observation.m_hour = 10;
    observation.m_minute = 11;
    CTimeTerms terms;
    ComputeTimeTerms(observation, terms);
    const CEclipseGeometry geometry(observation, terms, GetDataDirectory());
    for (auto _ : state) {
        bool axisHit = false;
        ShadowPoint axis;
        CGeoPointArray umbra, penumbra;
        geometry.ComputeShadowOutlines(axisHit, axis, umbra, penumbra);
        benchmark::DoNotOptimize(penumbra.data());
    }
}
BENCHMARK(ShadowOutlinesOnly)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
