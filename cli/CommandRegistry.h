#pragma once

#include <CLI/CLI.hpp>

#include <string>
#include <vector>

// The tool's commands. A command's file declares a CommandRegistration at
// namespace scope, so that linking the file is all it takes to add the
// command: its name, one line saying what it does, and the function that
// gives the parser's subcommand its options and what it runs.
using CommandDefinition = void (*)(CLI::App& command);

struct CommandEntry {
    std::string name;
    std::string description;
    CommandDefinition define = nullptr;
};

// Every command, in the order of their names.
std::vector<CommandEntry> Commands();

struct CommandRegistration {
    CommandRegistration(std::string name, std::string description, CommandDefinition define);
};

// The status a command that ran to its end leaves to the shell (convert
// with a converter that failed: 1); errors are thrown and make it 1 anyway.
void SetExitStatus(int status);
int ExitStatus();
