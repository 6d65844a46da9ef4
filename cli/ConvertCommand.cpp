#include "datafiles/Converters.h"
#include "cli/CommandRegistry.h"
#include "cli/ConverterRegistry.h"
#include "cli/DataOption.h"

#include <algorithm>
#include <cstdio>
#include <exception>
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

int RunConvert(const CommandArguments& arguments)
{
    OptionReader options(arguments);
    const std::string dataDirectory = TakeConversionDirectory(options);
    const std::vector<std::string> names = options.Positionals();
    if (names.size() != 1 || Selected(names.front()).empty()) {
        throw UsageError{"name one converter, a group or all"};
    }
    int exitStatus = 0;
    for (const ConverterEntry& entry : Selected(names.front())) {
        if (RunConverter(entry, dataDirectory) != ConversionStatus::Completed) {
            exitStatus = 1;
        }
    }
    return exitStatus;
}

const CommandRegistration kConvert(
    "convert", "convert nutation|vsop|elp|shorelines|borders|rivers|ephemeris|maps|all [--data DIR]   build the data files",
    RunConvert);

} // namespace
