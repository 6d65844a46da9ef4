#include "cli/DataOption.h"

#include "datafiles/ProgramDirectory.h"

#include <filesystem>
#include <system_error>

namespace {

std::string WithSeparator(std::string directory)
{
    if (directory.empty() || directory.back() != '/') {
        directory.push_back('/');
    }
    return directory;
}

} // namespace

std::string TakeDataDirectory(OptionReader& options)
{
    std::string directory;
    if (!options.Take("--data", directory)) {
        return GetDataDirectory();
    }
    return WithSeparator(directory);
}

std::string TakeConversionDirectory(OptionReader& options)
{
    std::string directory;
    directory = options.Take("--data", directory) ? WithSeparator(directory) : GetConversionDirectory();
    // A directory that cannot be made is reported by the first file written in it.
    std::error_code ignored;
    std::filesystem::create_directories(directory, ignored);
    return directory;
}
