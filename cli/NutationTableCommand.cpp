#include "cli/CommandRegistry.h"
#include "cli/DataOption.h"
#include "datafiles/NutationImage.h"
#include "datafiles/NutationTable.h"

#include <cstdio>

namespace {

// The nutation series is short and fixed, so it ships with the program: the
// converter's input is written from the table instead of being downloaded.
int RunWriteNutationTable(const CommandArguments& arguments)
{
    OptionReader options(arguments);
    const std::string dataDirectory = TakeConversionDirectory(options);
    if (!options.Positionals().empty()) {
        throw UsageError{"no argument expected"};
    }
    WriteNutationText(dataDirectory);
    std::printf("%s%s: the %zu terms of the IAU 1980 nutation (Seidelmann 1982)\n", dataDirectory.c_str(),
                kNutationTextName, kIau1980Nutation.size());
    return 0;
}

const CommandRegistration kWriteNutationTable(
    "write-nutation-table",
    "write-nutation-table [--data DIR]   write Nutation.txt, the IAU 1980 nutation series, for the converter",
    RunWriteNutationTable);

} // namespace
