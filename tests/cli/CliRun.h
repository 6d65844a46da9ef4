#pragma once

// A program run as from a shell, its two streams caught in scratch files:
// the exit status and what it printed. For the tests that run the
// command-line tool (or ogrinfo and the like) once per case.

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

namespace cli_run {

struct CliRun {
    int status = -1;
    std::string out;
    std::string err;
};

inline std::string ReadAll(const std::string& path)
{
    std::ifstream stream(path);
    return std::string(std::istreambuf_iterator<char>(stream), std::istreambuf_iterator<char>());
}

// A file name in the temporary directory, this process's own.
inline std::string Scratch(const std::string& name)
{
    return std::filesystem::temp_directory_path() / ("umbrant-cli-test-" + std::to_string(::getpid()) + "-" + name);
}

inline CliRun RunProgram(const std::string& program, const std::string& arguments)
{
    const std::string base = Scratch("run");
    const std::string command = program + " " + arguments + " >" + base + ".out 2>" + base + ".err";
    const int raw = std::system(command.c_str());
    CliRun run;
    run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    run.out = ReadAll(base + ".out");
    run.err = ReadAll(base + ".err");
    std::filesystem::remove(base + ".out");
    std::filesystem::remove(base + ".err");
    return run;
}

inline CliRun RunCli(const std::string& arguments)
{
    return RunProgram(std::string(UMBRANT_BINARY_DIR) + "/umbrant-cli", arguments);
}

inline bool HaveEphemerisData()
{
    return std::filesystem::exists(std::string(UMBRANT_BINARY_DIR) + "/data/Elp2000.dat");
}

// Seconds of the day of an ISO 8601 instant, "YYYY-MM-DDTHH:MM:SS.s"
// followed by "Z" or an offset.
inline double SecondsOfDay(const std::string& iso)
{
    int hour = 0;
    int minute = 0;
    double second = 0.0;
    std::sscanf(iso.c_str() + 11, "%d:%d:%lf", &hour, &minute, &second);
    return hour * 3600.0 + minute * 60.0 + second;
}

inline double Hms(int hours, int minutes, double seconds)
{
    return hours * 3600.0 + minutes * 60.0 + seconds;
}

} // namespace cli_run
