#include "cli/DataOption.h"

#include "datafiles/ProgramDirectory.h"

#include <filesystem>
#include <system_error>

namespace {

// --data DIR with a separator appended. An empty name would become "/", the
// root: a slip, not a wish.
std::string GivenDirectory(const std::string& directory)
{
    if (directory.empty()) {
        throw UsageError{"--data wants a directory, not an empty name"};
    }
    return directory.back() == '/' ? directory : directory + '/';
}

} // namespace

std::string TakeDataDirectory(OptionReader& options)
{
    std::string directory;
    return options.Take("--data", directory) ? GivenDirectory(directory) : GetDataDirectory();
}

std::string TakeConversionDirectory(OptionReader& options)
{
    std::string directory;
    directory = options.Take("--data", directory) ? GivenDirectory(directory) : GetConversionDirectory();
    // A directory that cannot be made is reported by the first file written in it.
    std::error_code ignored;
    std::filesystem::create_directories(directory, ignored);
    return directory;
}
