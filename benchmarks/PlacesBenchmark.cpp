// The towns: reading the gazetteer's image, finding a town by name (the
// most populous of its namesakes, or the closest spellings of an unknown
// one), the nearest town of a place, and every town's view of the 2024
// eclipse, with the library's own first question beside them.
#include "datafiles/ProgramDirectory.h"
#include "eclipse/ElementFitting.h"
#include "eclipse/search/EclipseSearch.h"
#include "ephemeris/Ephemeris.h"
#include "places/EclipseTowns.h"
#include "places/PlaceChoice.h"
#include "places/PlaceImage.h"
#include "places/TimeZone.h"
#include "places/geonames/GeonamesGazetteer.h"

#include <benchmark/benchmark.h>

namespace {

std::string PlacesPath()
{
    return JoinPath(GetDataDirectory(), kPlacesFileName);
}

void ReadGazetteer(benchmark::State& state)
{
    for (auto _ : state) {
        benchmark::DoNotOptimize(PlaceImage::Load(PlacesPath()));
    }
}
BENCHMARK(ReadGazetteer)->Unit(benchmark::kMillisecond);

void ChooseTown(benchmark::State& state, const char* name)
{
    const std::shared_ptr<const PlaceImage> gazetteer = PlaceImage::Load(PlacesPath());
    for (auto _ : state) {
        benchmark::DoNotOptimize(ChoosePlace(*gazetteer, name));
    }
}
BENCHMARK_CAPTURE(ChooseTown, Dallas, "Dallas")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(ChooseTown, BurgosSpain, "Burgos, Spain")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(ChooseTown, UnknownDalas, "Dalas")->Unit(benchmark::kMillisecond);

void NearestTown(benchmark::State& state)
{
    const std::shared_ptr<const PlaceImage> gazetteer = PlaceImage::Load(PlacesPath());
    for (auto _ : state) {
        benchmark::DoNotOptimize(gazetteer->Nearest(-96.80, 32.78, 100.0));
    }
}
BENCHMARK(NearestTown)->Unit(benchmark::kMicrosecond);

void ZoneOfTheDay(benchmark::State& state)
{
    for (auto _ : state) {
        benchmark::DoNotOptimize(SystemTimeZone("America/Chicago")->OffsetAt(1712601643));
    }
}
BENCHMARK(ZoneOfTheDay)->Unit(benchmark::kMicrosecond);

void TownsSeeing2024(benchmark::State& state)
{
    const std::shared_ptr<const PlaceImage> gazetteer = PlaceImage::Load(PlacesPath());
    const Ephemeris ephemeris = Ephemeris::Load(GetDataDirectory(), ModernModel());
    const FittedElements elements =
        FitElements(ephemeris, FindEclipseOnUniversalDate(ephemeris, 2024, 4, 8)->greatest).elements;
    for (auto _ : state) {
        benchmark::DoNotOptimize(TownsSeeingEclipse(*gazetteer, elements, {}));
    }
}
BENCHMARK(TownsSeeing2024)->Unit(benchmark::kMillisecond);

// The GeoNames library's first question loads its whole table (and starts
// GLib) in the process; each of its searches then scans every town.
void GeonamesEveryTown(benchmark::State& state)
{
    const GeonamesGazetteer geonames;
    for (auto _ : state) {
        std::size_t count = 0;
        geonames.ForEach([&](const Place&) { ++count; });
        benchmark::DoNotOptimize(count);
    }
}
BENCHMARK(GeonamesEveryTown)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
