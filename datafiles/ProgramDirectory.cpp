#include "datafiles/ProgramDirectory.h"

#include <cstdlib>
#include <filesystem>
#include <system_error>
#include <unistd.h>

namespace {

std::string WithSeparator(std::string directory)
{
    if (directory.empty() || directory.back() != '/') {
        directory.push_back('/');
    }
    return directory;
}

std::string Environment(const char* name)
{
    const char* value = std::getenv(name);
    return value == nullptr ? std::string() : std::string(value);
}

bool IsDirectory(const std::string& path)
{
    std::error_code error;
    return std::filesystem::is_directory(path, error);
}

bool IsWritableDirectory(const std::string& path)
{
    return IsDirectory(path) && ::access(path.c_str(), W_OK | X_OK) == 0;
}

} // namespace

std::string GetProgramDirectory()
{
    std::error_code error;
    const std::filesystem::path executable = std::filesystem::read_symlink("/proc/self/exe", error);
    return WithSeparator(error ? std::filesystem::current_path().string() : executable.parent_path().string());
}

DataDirectoryPlaces CurrentDataDirectoryPlaces()
{
    return DataDirectoryPlaces{GetProgramDirectory(), Environment("XDG_DATA_HOME"), Environment("HOME")};
}

std::string UserDataDirectory(const DataDirectoryPlaces& places)
{
    // The XDG base directory rules ignore a relative XDG_DATA_HOME.
    if (!places.xdgDataHome.empty() && places.xdgDataHome.front() == '/') {
        return WithSeparator(places.xdgDataHome) + "umbrant/";
    }
    if (!places.home.empty()) {
        return WithSeparator(places.home) + ".local/share/umbrant/";
    }
    return "";
}

std::vector<std::string> DataDirectoryCandidates(const DataDirectoryPlaces& places)
{
    const std::filesystem::path shared = std::filesystem::path(places.programDirectory) / ".." / "share" / "umbrant";
    std::vector<std::string> candidates = {places.programDirectory + "data/",
                                           WithSeparator(shared.lexically_normal().string())};
    const std::string user = UserDataDirectory(places);
    if (!user.empty()) {
        candidates.push_back(user);
    }
    return candidates;
}

std::string FindDataDirectory(const DataDirectoryPlaces& places)
{
    const std::vector<std::string> candidates = DataDirectoryCandidates(places);
    for (const std::string& candidate : candidates) {
        if (IsDirectory(candidate)) {
            return candidate;
        }
    }
    return candidates.front();
}

std::string FindConversionDirectory(const DataDirectoryPlaces& places)
{
    const std::string data = FindDataDirectory(places);
    const std::string user = UserDataDirectory(places);
    if (IsWritableDirectory(data) || user.empty()) {
        return data;
    }
    return user;
}

std::string ConversionDirectoryFor(const std::string& named, const DataDirectoryPlaces& places)
{
    const std::string user = UserDataDirectory(places);
    if (!IsDirectory(named) || IsWritableDirectory(named) || user.empty()) {
        return named;
    }
    return user;
}

std::string GetDataDirectory()
{
    return FindDataDirectory(CurrentDataDirectoryPlaces());
}

std::string GetConversionDirectory()
{
    return FindConversionDirectory(CurrentDataDirectoryPlaces());
}

std::string JoinPath(const std::string& directory, const std::string& fileName)
{
    if (directory.empty()) {
        return fileName;
    }
    if (directory.back() == '/') {
        return directory + fileName;
    }
    return directory + "/" + fileName;
}
