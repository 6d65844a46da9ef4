#include "cli/DataOption.h"

#include "datafiles/ProgramDirectory.h"

std::string TakeDataDirectory(OptionReader& options)
{
    std::string directory;
    if (!options.Take("--data", directory)) {
        return GetDataDirectory();
    }
    if (directory.empty() || directory.back() != '/') {
        directory.push_back('/');
    }
    return directory;
}
