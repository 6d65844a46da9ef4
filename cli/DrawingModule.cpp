#include "cli/DrawingModule.h"

#include "datafiles/ProgramDirectory.h"

#include <dlfcn.h>

#include <filesystem>
#include <stdexcept>
#include <string>

namespace {

// Beside the tool (the build tree), then where it is installed.
std::string ModulePath(const char* name)
{
    const std::string beside = JoinPath(GetProgramDirectory(), name);
    if (std::filesystem::exists(beside)) {
        return beside;
    }
    return JoinPath(GetProgramDirectory() + UMBRANT_MODULE_DIRECTORY, name);
}

void* LoadEntry(const char* name, const char* symbol)
{
    const std::string path = ModulePath(name);
    void* module = ::dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (module == nullptr) {
        const char* cause = ::dlerror();
        throw std::runtime_error("cannot load the drawing module " + path + ": " + (cause != nullptr ? cause : "unknown"));
    }
    // The module stays loaded for the life of the process: Qt's objects end with it.
    void* entry = ::dlsym(module, symbol);
    if (entry == nullptr) {
        throw std::runtime_error("the drawing module " + path + " has no " + symbol);
    }
    return entry;
}

} // namespace

void DrawThroughModule(const MapDrawingRequest& request)
{
    static const auto drawMap = reinterpret_cast<DrawMapFunction>(LoadEntry(kDrawingModuleName, kDrawMapSymbol));
    std::string error;
    if (const int status = drawMap(request, error); status != 0) {
        throw std::runtime_error(error.empty() ? "the map could not be drawn" : error);
    }
}

bool AnimateThroughModule(const AnimationDrawingRequest& request)
{
    static const auto drawAnimation =
        reinterpret_cast<DrawAnimationFunction>(LoadEntry(kAnimationModuleName, kDrawAnimationSymbol));
    std::string error;
    const int status = drawAnimation(request, error);
    if (status == kAnimationStopped) {
        return false;
    }
    if (status != 0) {
        throw std::runtime_error(error.empty() ? "the animation could not be made" : error);
    }
    return true;
}
