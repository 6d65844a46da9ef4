#include "datafiles/Converters.h"
#include "cli/CommandRegistry.h"
#include "cli/ConverterRegistry.h"
#include "cli/Options.h"

#include <algorithm>
#include <cstdio>
#include <exception>
#include <memory>
#include <string>

std::vector<ConverterEntry>& Converters()
{
    static std::vector<ConverterEntry> converters;
    return converters;
}

namespace {

// The end messages of a conversion, as the desktop shows them in English.
const char* ConversionMessage(ConversionStatus status)
{
    return status == ConversionStatus::Completed ? "Operation completed" : "An error occurred during the conversion";
}

// Runs one converter and prints its end message; the cause of a failure goes
// to standard error, and the next converter runs all the same.
ConversionStatus RunConverter(const ConverterEntry& entry, const std::string& dataDirectory)
{
    std::string cause;
    try {
        entry.build(dataDirectory);
    } catch (const std::exception& error) {
        cause = error.what();
    }
    const ConversionStatus status = cause.empty() ? ConversionStatus::Completed : ConversionStatus::Failed;
    std::printf("%s: %s\n", entry.name.c_str(), ConversionMessage(status));
    if (status == ConversionStatus::Failed) {
        std::fflush(stdout);
        std::fprintf(stderr, "umbrant-cli: %s: %s\n", entry.name.c_str(), cause.c_str());
    }
    return status;
}

std::vector<ConverterEntry> Selected(const std::string& what)
{
    std::vector<ConverterEntry> selected;
    for (const ConverterEntry& entry : Converters()) {
        if (what == "all" || what == entry.name || what == entry.group) {
            selected.push_back(entry);
        }
    }
    std::sort(selected.begin(), selected.end(), [](const auto& a, const auto& b) { return a.order < b.order; });
    return selected;
}

struct ConvertRequest {
    std::string what;
    DataOption data;
};

int RunConvert(const ConvertRequest& request)
{
    const std::string dataDirectory = request.data.WriteDirectory();
    int exitStatus = 0;
    for (const ConverterEntry& entry : Selected(request.what)) {
        if (RunConverter(entry, dataDirectory) != ConversionStatus::Completed) {
            exitStatus = 1;
        }
    }
    return exitStatus;
}

void DefineConvert(CLI::App& command)
{
    auto request = std::make_shared<ConvertRequest>();
    command
        .add_option_function<std::string>(
            "what",
            [request](const std::string& what) {
                if (Selected(what).empty()) {
                    throw CLI::ValidationError("name one converter, a group or all, not \"" + what + "\"");
                }
                request->what = what;
            },
            "one converter, a group of them (ephemeris, maps), the eclipses of every date computed in advance from "
            "the series (eclipses), or all")
        ->type_name("nutation|vsop|elp|shorelines|borders|rivers|ephemeris|maps|eclipses|all")
        ->required();
    AddDataOption(command, request->data);
    command.callback([request] { SetExitStatus(RunConvert(*request)); });
}

const CommandRegistration kConvert("convert", "build the data files from the published inputs, and the eclipses from the series",
                                   DefineConvert);

} // namespace
