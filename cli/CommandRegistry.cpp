#include "cli/CommandRegistry.h"

#include <algorithm>
#include <utility>

std::map<std::string, CommandEntry>& Commands()
{
    static std::map<std::string, CommandEntry> commands;
    return commands;
}

CommandRegistration::CommandRegistration(const std::string& name, const std::string& usage, CommandFunction run)
{
    Commands()[name] = CommandEntry{usage, std::move(run)};
}

bool OptionReader::Take(const std::string& name, std::string& value)
{
    const auto found = std::find(m_arguments.begin(), m_arguments.end(), name);
    if (found == m_arguments.end()) {
        return false;
    }
    if (found + 1 == m_arguments.end()) {
        throw UsageError{name + " needs a value"};
    }
    value = *(found + 1);
    m_arguments.erase(found, found + 2);
    RefuseRepetition(name);
    return true;
}

bool OptionReader::TakeFlag(const std::string& name)
{
    const auto found = std::find(m_arguments.begin(), m_arguments.end(), name);
    if (found == m_arguments.end()) {
        return false;
    }
    m_arguments.erase(found);
    RefuseRepetition(name);
    return true;
}

void OptionReader::RefuseRepetition(const std::string& name) const
{
    if (std::find(m_arguments.begin(), m_arguments.end(), name) != m_arguments.end()) {
        throw UsageError{name + " given twice"};
    }
}

std::vector<std::string> OptionReader::Positionals() const
{
    for (const std::string& argument : m_arguments) {
        if (argument.size() > 1 && argument.front() == '-') {
            throw UsageError{"unknown option " + argument};
        }
    }
    return m_arguments;
}
