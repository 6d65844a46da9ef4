#include "datafiles/ProgramDirectory.h"

#include <filesystem>
#include <system_error>

std::string GetProgramDirectory()
{
    std::error_code error;
    const std::filesystem::path executable = std::filesystem::read_symlink("/proc/self/exe", error);
    std::string directory = error ? std::filesystem::current_path().string() : executable.parent_path().string();
    if (directory.empty() || directory.back() != '/') {
        directory.push_back('/');
    }
    return directory;
}

std::string GetDataDirectory()
{
    return GetProgramDirectory() + "data/";
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
