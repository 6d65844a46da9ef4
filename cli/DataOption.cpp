#include "cli/DataOption.h"

#include "datafiles/ProgramDirectory.h"

std::string TakeDataDirectory(OptionReader& options)
{
    std::string directory;
    if (!options.Take("--data", directory)) {
        return GetDataDirectory();
    }
    // An empty name would become "/", the root: a slip, not a wish.
    if (directory.empty()) {
        throw UsageError{"--data wants a directory, not an empty name"};
    }
    if (directory.back() != '/') {
        directory.push_back('/');
    }
    return directory;
}
