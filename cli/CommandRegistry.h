#pragma once

#include <functional>
#include <map>
#include <string>
#include <vector>

// Arguments after the command's name.
using CommandArguments = std::vector<std::string>;
// A command returns the process's exit status.
using CommandFunction = std::function<int(const CommandArguments&)>;

struct CommandEntry {
    std::string usage;
    CommandFunction run;
};

std::map<std::string, CommandEntry>& Commands();

// Declared at namespace scope in a command's file, so that linking the file
// is all it takes to add the command.
struct CommandRegistration {
    CommandRegistration(const std::string& name, const std::string& usage, CommandFunction run);
};

// Thrown for a wrong command line; main prints it with the usage.
struct UsageError {
    std::string message;
};

// Small helpers for the commands' options.
class OptionReader {
public:
    explicit OptionReader(const CommandArguments& arguments) : m_arguments(arguments) {}

    // The value after option name, if the option is present; removes both.
    // An option given twice is a UsageError saying so.
    bool Take(const std::string& name, std::string& value);
    // True if the flag is present; removes it. Twice is a UsageError.
    bool TakeFlag(const std::string& name);
    // What is left once the options have been taken; an unknown option is a UsageError.
    std::vector<std::string> Positionals() const;

private:
    void RefuseRepetition(const std::string& name) const;

    CommandArguments m_arguments;
};
