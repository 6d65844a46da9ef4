#include "cli/CommandRegistry.h"
#include "cli/Options.h"
#include "datafiles/NutationImage.h"
#include "datafiles/NutationTable.h"

#include <cstdio>
#include <memory>

namespace {

// The nutation series is short and fixed, so it ships with the program: the
// converter's input is written from the table instead of being downloaded.
void RunWriteNutationTable(const DataOption& data)
{
    const std::string dataDirectory = data.WriteDirectory();
    WriteNutationText(dataDirectory);
    std::printf("%s%s: the %zu terms of the IAU 1980 nutation (Seidelmann 1982)\n", dataDirectory.c_str(),
                kNutationTextName, kIau1980Nutation.size());
}

void DefineWriteNutationTable(CLI::App& command)
{
    auto data = std::make_shared<DataOption>();
    AddDataOption(command, *data);
    command.callback([data] { RunWriteNutationTable(*data); });
}

const CommandRegistration kWriteNutationTable("write-nutation-table",
                                              "write Nutation.txt, the IAU 1980 nutation series, for the converter",
                                              DefineWriteNutationTable);

} // namespace
