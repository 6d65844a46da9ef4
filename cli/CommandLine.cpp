#include "cli/CommandLine.h"

#include "cli/CommandRegistry.h"
#include "cli/Messages.h"
#include "cli/OutputCheck.h"
#include "core/ProgramBuild.h"
#include "formats/ProgramNotice.h"

#include <algorithm>
#include <exception>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

namespace {

constexpr const char* kProgram = "umbrant-cli";
constexpr const char* kDescription =
    "umbrant-cli: maps and circumstances of solar eclipses (VSOP87, ELP 2000-82B, GSHHS, WDB II; towns from "
    "GeoNames, CC-BY-4.0). Free software under the GNU GPL version 3 or later";

struct Parser {
    CLI::App app{kDescription, kProgram};
    std::string helpTopic;
};

std::vector<std::string> CommandNames(const CLI::App& app)
{
    std::vector<std::string> names;
    for (const CLI::App* command : app.get_subcommands([](const CLI::App*) { return true; })) {
        names.push_back(command->get_name());
    }
    return names;
}

void DefineHelp(Parser& parser)
{
    CLI::App* help = parser.app.add_subcommand("help", "print the commands, or one command's options");
    help->add_option("command", parser.helpTopic, "the command whose options to print");
    help->callback([&parser] {
        if (parser.helpTopic.empty()) {
            std::cout << parser.app.help();
            return;
        }
        const std::vector<std::string> names = CommandNames(parser.app);
        if (std::find(names.begin(), names.end(), parser.helpTopic) == names.end()) {
            throw CLI::ValidationError("unknown command " + parser.helpTopic + "; " + kProgram + " --help lists them");
        }
        std::cout << parser.app.get_subcommand(parser.helpTopic)->help(kProgram);
    });
}

// The command that the line names first, when it is one of ours but help:
// only that one needs its options, whose definition costs about half a
// millisecond for all commands together. Empty otherwise: every command is
// defined, for the lists of commands and the suggestions.
std::string CommandToRun(const std::vector<CommandEntry>& commands, int argc, char** argv)
{
    if (argc < 2) {
        return {};
    }
    const bool ours = std::any_of(commands.begin(), commands.end(),
                                  [&](const CommandEntry& command) { return command.name == argv[1]; });
    return ours ? argv[1] : std::string();
}

void DefineCommands(Parser& parser, int argc, char** argv)
{
    // The build ID names this very build: the one the stored eclipses it
    // reads must come from, and the one to quote in a report.
    parser.app.set_version_flag("--version", [] {
        return std::string(kProgram) + " " + UMBRANT_VERSION + "\n" + kProgramNotice + "\nbuild ID " + ProgramBuildId();
    });
    parser.app.require_subcommand(1);
    const std::vector<CommandEntry> commands = Commands();
    const std::string only = CommandToRun(commands, argc, argv);
    for (const CommandEntry& command : commands) {
        CLI::App& subcommand = *parser.app.add_subcommand(command.name, command.description);
        if (only.empty() || only == command.name) {
            command.define(subcommand);
        }
    }
    DefineHelp(parser);
}

std::vector<std::string> OptionNames(const CLI::App& command)
{
    std::vector<std::string> names;
    for (const CLI::Option* option : command.get_options()) {
        for (const std::string& name : option->get_lnames()) {
            names.push_back("--" + name);
        }
        for (const std::string& name : option->get_snames()) {
            names.push_back("-" + name);
        }
    }
    return names;
}

std::string Suggestion(std::string_view word, const std::vector<std::string>& names)
{
    const std::string closest = ClosestName(word, names);
    return closest.empty() ? std::string() : " (did you mean " + closest + "?)";
}

// An unknown command or option is named before anything else is checked:
// "--date is required" says nothing useful to whoever typed --dat.
std::optional<std::string> UnknownWord(const CLI::App& app, int argc, char** argv)
{
    if (argc < 2 || std::string_view(argv[1]).starts_with('-')) {
        return std::nullopt;
    }
    const std::string name = argv[1];
    const std::vector<std::string> commands = CommandNames(app);
    if (std::find(commands.begin(), commands.end(), name) == commands.end()) {
        return "unknown command " + name + Suggestion(name, commands) + "; " + kProgram + " --help lists them";
    }
    const CLI::App* command = app.get_subcommand(name);
    const std::vector<std::string> options = OptionNames(*command);
    std::vector<std::string> given;
    for (int i = 2; i < argc; ++i) {
        const std::string_view word(argv[i]);
        const std::string option(word.substr(0, word.find('=')));
        const bool known = std::find(options.begin(), options.end(), option) != options.end();
        if (word.starts_with("--") && word != "--" && !known) {
            return "unknown option " + option + " of " + name + Suggestion(option, options) + "; " + kProgram + " " + name +
                   " --help lists them";
        }
        if (known && std::find(given.begin(), given.end(), option) != given.end()) {
            return option + " given twice";
        }
        if (known) {
            given.push_back(option);
        }
    }
    return std::nullopt;
}

int Fail(std::string_view message)
{
    std::cerr << kProgram << ": " << PrintableMessage(message) << "\n";
    return 1;
}

// What a command printed reached its reader, or the status is 1.
int FinishedOutputStatus(int status)
{
    try {
        FinishOutput(stdout);
    } catch (const std::exception& error) {
        return Fail(error.what());
    }
    return status;
}

int Run(Parser& parser, int argc, char** argv)
{
    if (argc < 2) {
        std::cerr << parser.app.help();
        return 1;
    }
    if (const std::optional<std::string> unknown = UnknownWord(parser.app, argc, argv)) {
        return Fail(*unknown);
    }
    try {
        parser.app.parse(argc, argv);
    } catch (const CLI::ParseError& error) {
        if (error.get_exit_code() == 0) {
            parser.app.exit(error, std::cout, std::cerr);
            return FinishedOutputStatus(0);
        }
        return Fail(error.what());
    }
    return FinishedOutputStatus(ExitStatus());
}

} // namespace

int RunCommandLine(int argc, char** argv)
{
    SetExitStatus(0);
    Parser parser;
    DefineCommands(parser, argc, argv);
    try {
        return Run(parser, argc, argv);
    } catch (const std::exception& error) {
        return Fail(error.what());
    }
}
