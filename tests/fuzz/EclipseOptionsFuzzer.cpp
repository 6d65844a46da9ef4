// The command lines of the commands that compute one eclipse, through the
// tool's own parser and commands: the first byte chooses the command
// (besselian, local or path), the rest, cut at new lines, are its arguments,
// with --data naming the published series. Whatever parses is computed;
// nothing may crash, and what is printed may hold no NaN.
#include "FuzzSupport.h"

#include "cli/CommandLine.h"

#include <cstdio>
#include <fcntl.h>
#include <cstdlib>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

constexpr const char* kCommands[] = {"besselian", "local", "path"};

const fuzz::ScratchDirectory& Data()
{
    static const fuzz::ScratchDirectory directory("eclipse-options");
    return directory;
}

std::vector<std::string> Arguments(const std::uint8_t* data, std::size_t size)
{
    std::vector<std::string> arguments{"umbrant-cli", kCommands[data[0] % std::size(kCommands)], "--data", Data().Path()};
    arguments.emplace_back();
    for (std::size_t i = 1; i < size; ++i) {
        if (data[i] == '\n') {
            arguments.emplace_back();
        } else {
            arguments.back().push_back(static_cast<char>(data[i]));
        }
    }
    return arguments;
}

// The commands print on the standard output: into a file read back.
std::FILE* Output()
{
    static std::FILE* output = [] {
        const std::string path = Data().Path() + "output.txt";
        std::FILE* file = std::freopen(path.c_str(), "w+", stdout);
        return file;
    }();
    return output;
}

bool PrintedNaN()
{
    std::fflush(stdout);
    std::rewind(Output());
    std::string printed;
    char buffer[4096];
    while (const std::size_t read = std::fread(buffer, 1, sizeof buffer, Output())) {
        printed.append(buffer, read);
    }
    std::rewind(Output());
    ::ftruncate(::fileno(Output()), 0);
    return printed.find("nan") != std::string::npos || printed.find("inf,") != std::string::npos;
}

// The commands' refusals would fill the log; libFuzzer's own report and any
// sanitizer's must still reach the standard error, so it is silenced only
// while a command runs.
class SilencedErrors {
public:
    SilencedErrors() : m_saved(::dup(STDERR_FILENO))
    {
        std::fflush(stderr);
        const int null = ::open("/dev/null", O_WRONLY);
        ::dup2(null, STDERR_FILENO);
        ::close(null);
    }
    ~SilencedErrors()
    {
        std::fflush(stderr);
        ::dup2(m_saved, STDERR_FILENO);
        ::close(m_saved);
    }
    SilencedErrors(const SilencedErrors&) = delete;
    SilencedErrors& operator=(const SilencedErrors&) = delete;

private:
    int m_saved;
};

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    fuzz::ConvertEphemerisInto(Data());
    Output();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0) {
        return 0;
    }
    std::vector<std::string> arguments = Arguments(data, size);
    std::vector<char*> argv;
    for (std::string& argument : arguments) {
        argv.push_back(argument.data());
    }
    argv.push_back(nullptr);
    {
        const SilencedErrors silenced;
        RunCommandLine(static_cast<int>(arguments.size()), argv.data());
    }
    if (PrintedNaN()) {
        std::abort();
    }
    return 0;
}
