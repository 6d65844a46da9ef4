#pragma once

// The command-line tool run as a user runs it, in a scratch directory of its
// own: its exit status, what it printed on each stream, and the files it left.
// UMBRANT_CLI_DIR chooses another build of the tool (an older one, to see a
// test fail before the change it checks).

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace cli_scratch {

namespace fs = std::filesystem;

struct Outcome {
    bool exited = false;  // false: killed by a signal
    int status = -1;
    std::string out;
    std::string err;
};

inline std::string ReadText(const fs::path& path)
{
    std::ifstream stream(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(stream), std::istreambuf_iterator<char>());
}

inline void WriteText(const fs::path& path, const std::string& text)
{
    std::ofstream(path, std::ios::binary | std::ios::trunc) << text;
}

inline int LineCount(const std::string& text)
{
    return static_cast<int>(std::count(text.begin(), text.end(), '\n'));
}

inline bool Contains(const std::string& text, const std::string& part)
{
    return text.find(part) != std::string::npos;
}

inline fs::path ToolDirectory()
{
    const char* other = std::getenv("UMBRANT_CLI_DIR");
    return other != nullptr && *other != '\0' ? fs::path(other) : fs::path(UMBRANT_BINARY_DIR);
}

// The converted data beside the tool of this build.
inline fs::path ConvertedData()
{
    return fs::path(UMBRANT_BINARY_DIR) / "data";
}

inline bool HaveConvertedData()
{
    for (const char* name : {"Elp2000.dat", "VSOP87.dat", "Nutation.dat", "gshhs_i.dat", "frontier.dat", "fleuves.dat"}) {
        if (!fs::exists(ConvertedData() / name)) {
            return false;
        }
    }
    return true;
}

inline fs::path PublishedSources()
{
    return UMBRANT_SOURCES_DIR;
}

inline bool HavePublishedSources()
{
    return fs::exists(PublishedSources() / "Nutation.txt") && fs::exists(PublishedSources() / "VSOP87C.ear");
}

// Environment that makes write() fail with errorNumber on files whose path
// contains pathText (tests/shim/FailingWrite.cpp).
inline std::string FailingWrites(const std::string& pathText, int errorNumber, const std::string& calls = "write")
{
    const char* asan = std::getenv("ASAN_OPTIONS");
    // A sanitized tool wants its runtime first among the loaded libraries.
    const std::string asanOptions = std::string(asan != nullptr ? asan : "") + (asan != nullptr && *asan ? ":" : "") +
                                    "verify_asan_link_order=0";
    return "env LD_PRELOAD=" UMBRANT_FAILING_WRITE " UMBRANT_FAIL_PATH=" + pathText +
           " UMBRANT_FAIL_ERRNO=" + std::to_string(errorNumber) + " UMBRANT_FAIL_CALLS=" + calls + " ASAN_OPTIONS=" + asanOptions;
}

inline std::string KilledInAWrite(const std::string& pathText)
{
    return FailingWrites(pathText, 0) + " UMBRANT_FAIL_KILL=1";
}

// Environment that sends the signal to the tool in its first write() on files
// whose path contains pathText.
inline std::string SignalledInAWrite(const std::string& pathText, int signalNumber)
{
    return FailingWrites(pathText, 0) + " UMBRANT_FAIL_SIGNAL=" + std::to_string(signalNumber);
}

// A prefix that runs the tool as an unprivileged user: the user "nobody"
// when the tests run as root (whom no permission stops), the tests' own
// user otherwise. Files the tool must reach are made so for that user.
inline std::string AsUnprivilegedUser()
{
    return ::geteuid() == 0 ? "setpriv --reuid=65534 --regid=65534 --clear-groups" : "";
}

class CliScratch : public ::testing::Test {
protected:
    void SetUp() override
    {
        const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
        m_directory = fs::temp_directory_path() /
                      ("umbrant-" + std::string(test->test_suite_name()) + "-" + test->name() + "-" + std::to_string(::getpid()));
        fs::remove_all(m_directory);
        fs::create_directories(m_directory / "data");
    }
    void TearDown() override
    {
        fs::permissions(m_directory / "data", fs::perms::owner_all, fs::perm_options::add);
        fs::remove_all(m_directory);
    }

    fs::path Path(const std::string& name) const { return m_directory / name; }
    fs::path Data(const std::string& name) const { return m_directory / "data" / name; }
    std::string DataOption() const { return " --data " + (m_directory / "data").string(); }

    // Runs "umbrant-cli arguments" after environment (a prefix such as
    // "env NAME=value" or "umask 027;"). Standard output goes to a file read
    // back, or to output when given: a path (a device, a FIFO), or a pipe
    // ("| cat >file", whose status is then the one returned).
    Outcome Run(const std::string& arguments, const std::string& environment = "", const std::string& output = "") const
    {
        const fs::path out = Path("stdout.txt");
        const fs::path err = Path("stderr.txt");
        fs::remove(out);
        const std::string redirection = output.empty() ? " >" + out.string() : output.front() == '|' ? " " + output : " >" + output;
        const std::string command =
            environment + " " + (ToolDirectory() / "umbrant-cli").string() + " " + arguments + " 2>" + err.string() + redirection;
        const int raw = std::system(command.c_str());
        Outcome outcome;
        outcome.exited = WIFEXITED(raw);
        outcome.status = outcome.exited ? WEXITSTATUS(raw) : -1;
        outcome.out = ReadText(out);
        outcome.err = ReadText(err);
        return outcome;
    }

    void CopyConvertedData(std::initializer_list<const char*> names) const
    {
        for (const char* name : names) {
            fs::copy_file(ConvertedData() / name, Data(name), fs::copy_options::overwrite_existing);
        }
    }

    void CopyPublishedSources(std::initializer_list<const char*> names) const
    {
        for (const char* name : names) {
            fs::copy_file(PublishedSources() / name, Data(name), fs::copy_options::overwrite_existing);
        }
    }

    void FlipByte(const fs::path& path, std::streamoff offset) const
    {
        std::fstream file(path, std::ios::binary | std::ios::in | std::ios::out);
        file.seekg(offset);
        const int byte = file.get();
        file.seekp(offset);
        file.put(static_cast<char>(byte ^ 0x5a));
    }

    fs::path m_directory;
};

} // namespace cli_scratch
