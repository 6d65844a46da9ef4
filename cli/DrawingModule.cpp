#include "cli/DrawingModule.h"

#include "datafiles/ProgramDirectory.h"

#include <dlfcn.h>

#include <filesystem>
#include <stdexcept>
#include <string>

namespace {

// Beside the tool (the build tree), then where it is installed.
std::string ModulePath()
{
    const std::string beside = JoinPath(GetProgramDirectory(), kDrawingModuleName);
    if (std::filesystem::exists(beside)) {
        return beside;
    }
    return JoinPath(GetProgramDirectory() + UMBRANT_MODULE_DIRECTORY, kDrawingModuleName);
}

DrawMapFunction LoadDrawMap()
{
    const std::string path = ModulePath();
    void* module = ::dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (module == nullptr) {
        const char* cause = ::dlerror();
        throw std::runtime_error("cannot load the drawing module " + path + ": " + (cause != nullptr ? cause : "unknown"));
    }
    // The module stays loaded for the life of the process: Qt's objects end with it.
    void* entry = ::dlsym(module, kDrawMapSymbol);
    if (entry == nullptr) {
        throw std::runtime_error("the drawing module " + path + " has no " + kDrawMapSymbol);
    }
    return reinterpret_cast<DrawMapFunction>(entry);
}

} // namespace

void DrawThroughModule(const MapDrawingRequest& request)
{
    static const DrawMapFunction drawMap = LoadDrawMap();
    std::string error;
    if (const int status = drawMap(request, error); status != 0) {
        throw std::runtime_error(error.empty() ? "the map could not be drawn" : error);
    }
}
