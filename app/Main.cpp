#include "app/CommandLine.h"
#include "app/UmbrantApp.h"
#include "formats/ProgramNotice.h"

#include <QApplication>

#include <cstdio>
#include <cstring>

namespace {

// A print switch shows no window, so it needs no display either: without
// one it draws off screen, as the command-line tool does.
void PrintOffScreenWithoutDisplay(int argc, char** argv)
{
    QStringList arguments;
    for (int index = 0; index < argc; ++index) {
        arguments << QString::fromLocal8Bit(argv[index]);
    }
    const CommandLineRequest::Action action = ParseCommandLine(arguments).action;
    const bool printing = action == CommandLineRequest::Action::Print || action == CommandLineRequest::Action::PrintTo;
    if (printing && qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") &&
        qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
}

} // namespace

int main(int argc, char** argv)
{
    // Answered before Qt starts, so that it works without a display.
    if (argc == 2 && std::strcmp(argv[1], "--version") == 0) {
        std::printf("umbrant %s\n%s\n", UMBRANT_VERSION, kProgramNotice);
        return 0;
    }
    PrintOffScreenWithoutDisplay(argc, argv);
    QApplication application(argc, argv);
    CUmbrantApp program;
    if (!program.InitInstance(QCoreApplication::arguments())) {
        return program.ExitCode();
    }
    return QApplication::exec();
}
