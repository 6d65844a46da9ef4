#include "cli/DataOption.h"

#include "datafiles/ProgramDirectory.h"

#include <cstdio>
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

// A named directory that may not be written gives way to the user's own, as
// the README promises; the user is told where the files go.
std::string ConversionDirectoryInstead(const std::string& named)
{
    const std::string directory = ConversionDirectoryFor(named, CurrentDataDirectoryPlaces());
    if (directory != named) {
        std::fprintf(stderr, "umbrant-cli: %s may not be written; using %s\n", named.c_str(), directory.c_str());
    }
    return directory;
}

std::string TakeConversionDirectory(OptionReader& options)
{
    std::string directory;
    directory = options.Take("--data", directory) ? ConversionDirectoryInstead(GivenDirectory(directory)) : GetConversionDirectory();
    // A directory that cannot be made is reported by the first file written in it.
    std::error_code ignored;
    std::filesystem::create_directories(directory, ignored);
    return directory;
}
