#include "cli/CommandLine.h"
#include "cli/OutputCheck.h"

int main(int argc, char** argv)
{
    HoldClosedStandardStreams();
    return RunCommandLine(argc, argv);
}
