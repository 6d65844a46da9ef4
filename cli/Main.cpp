#include "cli/CommandRegistry.h"
#include "cli/OutputCheck.h"
#include "datafiles/FileException.h"

#include <exception>
#include <iostream>

namespace {

void PrintUsage(std::ostream& stream)
{
    stream << "usage: umbrant-cli COMMAND [OPTIONS]\n"
           << "       umbrant-cli --version\n";
    for (const auto& [name, entry] : Commands()) {
        stream << "  " << entry.usage << "\n";
    }
}

// What a command printed reached its reader, or the status is 1.
int FinishedOutputStatus(int status)
{
    try {
        FinishOutput(stdout);
    } catch (const std::exception& error) {
        std::cerr << "umbrant-cli: " << error.what() << "\n";
        return 1;
    }
    return status;
}

} // namespace

int main(int argc, char** argv)
{
    HoldClosedStandardStreams();
    if (argc == 2 && std::string(argv[1]) == "--version") {
        std::cout << "umbrant-cli " << UMBRANT_VERSION << "\n";
        return FinishedOutputStatus(0);
    }
    if (argc < 2 || std::string(argv[1]) == "--help" || std::string(argv[1]) == "help") {
        PrintUsage(argc < 2 ? std::cerr : std::cout);
        return argc < 2 ? 1 : FinishedOutputStatus(0);
    }
    const auto command = Commands().find(argv[1]);
    if (command == Commands().end()) {
        std::cerr << "umbrant-cli: unknown command " << argv[1] << "\n";
        PrintUsage(std::cerr);
        return 1;
    }
    try {
        const int status = command->second.run(CommandArguments(argv + 2, argv + argc));
        FinishOutput(stdout);
        return status;
    } catch (const UsageError& error) {
        std::cerr << "umbrant-cli: " << error.message << "\nusage: umbrant-cli " << command->second.usage << "\n";
    } catch (const CFileException& error) {
        std::cerr << "umbrant-cli: " << error.what() << "\n";
    } catch (const std::exception& error) {
        std::cerr << "umbrant-cli: " << error.what() << "\n";
    }
    return 1;
}
