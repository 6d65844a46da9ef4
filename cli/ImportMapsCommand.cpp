#include "cli/CommandRegistry.h"
#include "cli/DataOption.h"
#include "datafiles/MapImport.h"

#include <cstdio>

namespace {

constexpr const char* kDefaultMapsDirectory = "/usr/share/maps/gshhs";

void PrintPolylines(const char* name, const PolylineImportSummary& summary)
{
    std::printf("%-13s %d segments joined into %d lines; %d longest kept, %d points", name, summary.segmentsRead,
                summary.linesJoined, summary.linesKept, summary.pointsKept);
    if (summary.tolerance > 0.0) {
        std::printf(" (simplified to %.4f degree)", summary.tolerance);
    }
    std::printf("\n");
}

int RunImportMaps(const CommandArguments& arguments)
{
    OptionReader options(arguments);
    const std::string dataDirectory = TakeConversionDirectory(options);
    std::string fromDirectory = kDefaultMapsDirectory;
    options.Take("--from", fromDirectory);
    if (!options.Positionals().empty()) {
        throw UsageError{"no argument expected"};
    }
    const MapImportSummary summary = ImportMaps(fromDirectory, dataDirectory);
    std::printf("gshhs_i.b     %d polygons, %lld points\n", summary.shorelines.polygons,
                static_cast<long long>(summary.shorelines.points));
    PrintPolylines("frontier.txt", summary.borders);
    PrintPolylines("fleuves.txt", summary.rivers);
    std::printf("Written to %s; run \"umbrant-cli convert maps\" to build the map files\n", dataDirectory.c_str());
    return 0;
}

const CommandRegistration kImportMaps(
    "import-maps", "import-maps [--from DIR] [--data DIR]   write gshhs_i.b, frontier.txt and fleuves.txt from xygrib-maps",
    RunImportMaps);

} // namespace
