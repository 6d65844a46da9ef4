#include "cli/CommandLine.h"
#include "cli/OutputCheck.h"
#include "core/LargePages.h"

int main(int argc, char** argv)
{
    PlaceHeapOnLargePages();
    HoldClosedStandardStreams();
    return RunCommandLine(argc, argv);
}
