#include "cli/CommandRegistry.h"
#include "cli/Options.h"
#include "datafiles/MapImport.h"

#include <cstdio>
#include <memory>

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

struct ImportRequest {
    std::string from = kDefaultMapsDirectory;
    DataOption data;
};

void RunImportMaps(const ImportRequest& request)
{
    const std::string dataDirectory = request.data.WriteDirectory();
    const std::string& fromDirectory = request.from;
    const MapImportSummary summary = ImportMaps(fromDirectory, dataDirectory);
    std::printf("gshhs_i.b     %d polygons, %lld points\n", summary.shorelines.polygons,
                static_cast<long long>(summary.shorelines.points));
    PrintPolylines("frontier.txt", summary.borders);
    PrintPolylines("fleuves.txt", summary.rivers);
    std::printf("Written to %s; run \"umbrant-cli convert maps\" to build the map files\n", dataDirectory.c_str());
}

void DefineImportMaps(CLI::App& command)
{
    auto request = std::make_shared<ImportRequest>();
    command.add_option("--from", request->from, "the directory of the xygrib-maps files")
        ->type_name("DIR")
        ->default_str(kDefaultMapsDirectory);
    AddDataOption(command, request->data);
    command.callback([request] { RunImportMaps(*request); });
}

const CommandRegistration kImportMaps("import-maps", "write gshhs_i.b, frontier.txt and fleuves.txt from xygrib-maps",
                                      DefineImportMaps);

} // namespace
