#include "cli/CommandRegistry.h"

#include <algorithm>
#include <utility>

namespace {

std::vector<CommandEntry>& Registered()
{
    static std::vector<CommandEntry> commands;
    return commands;
}

int& Status()
{
    static int status = 0;
    return status;
}

} // namespace

std::vector<CommandEntry> Commands()
{
    std::vector<CommandEntry> commands = Registered();
    std::sort(commands.begin(), commands.end(), [](const auto& a, const auto& b) { return a.name < b.name; });
    return commands;
}

CommandRegistration::CommandRegistration(std::string name, std::string description, CommandDefinition define)
{
    Registered().push_back(CommandEntry{std::move(name), std::move(description), define});
}

void SetExitStatus(int status)
{
    Status() = status;
}

int ExitStatus()
{
    return Status();
}
