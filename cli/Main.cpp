#include "cli/CommandRegistry.h"
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

} // namespace

int main(int argc, char** argv)
{
    if (argc == 2 && std::string(argv[1]) == "--version") {
        std::cout << "umbrant-cli " << UMBRANT_VERSION << "\n";
        return 0;
    }
    if (argc < 2 || std::string(argv[1]) == "--help" || std::string(argv[1]) == "help") {
        PrintUsage(argc < 2 ? std::cerr : std::cout);
        return argc < 2 ? 1 : 0;
    }
    const auto command = Commands().find(argv[1]);
    if (command == Commands().end()) {
        std::cerr << "umbrant-cli: unknown command " << argv[1] << "\n";
        PrintUsage(std::cerr);
        return 1;
    }
    try {
        return command->second.run(CommandArguments(argv + 2, argv + argc));
    } catch (const UsageError& error) {
        std::cerr << "umbrant-cli: " << error.message << "\nusage: umbrant-cli " << command->second.usage << "\n";
    } catch (const CFileException& error) {
        std::cerr << "umbrant-cli: " << error.what() << "\n";
    } catch (const std::exception& error) {
        std::cerr << "umbrant-cli: " << error.what() << "\n";
    }
    return 1;
}
