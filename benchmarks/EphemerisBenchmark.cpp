#include "datafiles/Converters.h"
#include "datafiles/ElpImage.h"
#include "ephemeris/Ephemeris.h"
#include "ephemeris/LunarSeriesTerms.h"
#include "ephemeris/LunarTheory.h"
#include "ephemeris/PositionOptions.h"
#include "ephemeris/SolarTheory.h"
#include "ephemeris/TimeScales.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>
#include <unistd.h>

namespace {

// A scratch data directory holding copies of the published inputs and the
// images converted from them; removed at exit.
class PublishedData {
public:
    PublishedData()
    {
        const std::filesystem::path sources(UMBRANT_SOURCES_DIR);
        if (!std::filesystem::exists(sources / "VSOP87C.ear")) {
            return;
        }
        m_directory = std::filesystem::temp_directory_path() / ("umbrant-ephemeris-benchmark-" + std::to_string(::getpid()));
        std::filesystem::create_directories(m_directory);
        for (const auto& entry : std::filesystem::directory_iterator(sources)) {
            std::filesystem::copy_file(entry.path(), m_directory / entry.path().filename(),
                                       std::filesystem::copy_options::overwrite_existing);
        }
        m_available = ConvertAll();
    }
    ~PublishedData()
    {
        if (!m_directory.empty()) {
            std::error_code ignored;
            std::filesystem::remove_all(m_directory, ignored);
        }
    }

    bool ConvertAll() const
    {
        return ConvertNutation(Directory()) == ConversionStatus::Completed &&
               ConvertVsop(Directory()) == ConversionStatus::Completed &&
               ConvertElp(Directory()) == ConversionStatus::Completed;
    }
    bool Available() const { return m_available; }
    std::string Directory() const { return m_directory.string() + "/"; }

private:
    std::filesystem::path m_directory;
    bool m_available = false;
};

const PublishedData& Data()
{
    static const PublishedData data;
    return data;
}

CObservation EclipseEpoch()
{
    CObservation observation;
    observation.m_hour = 10;
    observation.m_minute = 11;
    observation.m_second = 17.9f;
    observation.m_deltaTAuto = false;
    observation.m_deltaT = 64.9f;
    return observation;
}

// As the shadow geometry asks for it: a new theory object, one position with
// light time, nutation and the equatorial rotation.
template <typename Theory>
void Position(benchmark::State& state)
{
    if (!Data().Available()) {
        state.SkipWithError("published series not found in " UMBRANT_SOURCES_DIR);
        return;
    }
    const CObservation observation = EclipseEpoch();
    CTimeTerms terms;
    ComputeTimeTerms(observation, terms);
    for (auto _ : state) {
        double position[3];
        Theory(Data().Directory()).ComputePosition(observation, terms, kAllPositionOptions, position);
        benchmark::DoNotOptimize(position);
    }
}
BENCHMARK(Position<CLunarTheory>)->Name("MoonPosition")->Unit(benchmark::kMillisecond);
BENCHMARK(Position<CSolarTheory>)->Name("SunPosition")->Unit(benchmark::kMillisecond);

// As the eclipse search asks for it: the Moon at an instant (TT) from the
// shared series, with light time, nutation and the equatorial rotation.
void MoonAtInstant(benchmark::State& state)
{
    if (!Data().Available()) {
        state.SkipWithError("published series not found in " UMBRANT_SOURCES_DIR);
        return;
    }
    const Ephemeris ephemeris = Ephemeris::Load(Data().Directory());
    // 2006 March 29, 10:12:22.8 TT.
    const Instant instant = Instant::FromJulianDate(2453823.5, 36742.8 / 86400.0);
    for (auto _ : state) {
        benchmark::DoNotOptimize(MoonAt(ephemeris, instant, kAllPositionOptions));
    }
}
BENCHMARK(MoonAtInstant)->Name("MoonAt")->Unit(benchmark::kMillisecond);

// What the first position from a newly read "Elp2000.dat" costs beyond the
// others: laying its terms out for summation.
void LayOutLunarSeriesTerms(benchmark::State& state)
{
    if (!Data().Available()) {
        state.SkipWithError("published series not found in " UMBRANT_SOURCES_DIR);
        return;
    }
    const DataImage image = LoadCachedImage(Data().Directory() + kElpImageName, kElpImageSize);
    for (auto _ : state) {
        const LunarSeriesTerms terms(*image);
        benchmark::DoNotOptimize(&terms);
    }
}
BENCHMARK(LayOutLunarSeriesTerms)->Unit(benchmark::kMillisecond);

void ConvertNutationVsopAndElp(benchmark::State& state)
{
    if (!Data().Available()) {
        state.SkipWithError("published series not found in " UMBRANT_SOURCES_DIR);
        return;
    }
    for (auto _ : state) {
        benchmark::DoNotOptimize(Data().ConvertAll());
    }
}
BENCHMARK(ConvertNutationVsopAndElp)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
