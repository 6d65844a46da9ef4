#include "QtTestRegistry.h"

#include <QApplication>

#include <cstdio>
#include <map>
#include <string>
#include <vector>

namespace {

std::map<std::string, QtTestRun>& Registry()
{
    static std::map<std::string, QtTestRun> registry;
    return registry;
}

void PrintClasses(const char* program)
{
    std::fprintf(stderr, "usage: %s TEST_CLASS [Qt Test options]\ntest classes:", program);
    for (const auto& [name, run] : Registry()) {
        std::fprintf(stderr, " %s", name.c_str());
    }
    std::fprintf(stderr, "\n");
}

} // namespace

QtTestRegistration::QtTestRegistration(const char* name, QtTestRun run)
{
    Registry().emplace(name, run);
}

// What QTEST_MAIN does for a widgets test, for the class named first; Qt
// Test sees the arguments after the name.
int main(int argc, char** argv)
{
    const auto test = argc > 1 ? Registry().find(argv[1]) : Registry().end();
    if (test == Registry().end()) {
        PrintClasses(argv[0]);
        return 2;
    }
    std::vector<char*> arguments{argv[0]};
    arguments.insert(arguments.end(), argv + 2, argv + argc);
    int count = static_cast<int>(arguments.size());
    arguments.push_back(nullptr);
    QApplication app(count, arguments.data());
    app.setAttribute(Qt::AA_Use96Dpi, true);
    return test->second(count, arguments.data());
}
