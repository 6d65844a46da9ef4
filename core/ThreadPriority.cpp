#include "core/ThreadPriority.h"

#include <cerrno>

#include <sys/resource.h>

void LowerThisThreadsPriority(int increment)
{
    // On Linux, PRIO_PROCESS with 0 names the calling thread, not the process.
    errno = 0;
    const int current = ::getpriority(PRIO_PROCESS, 0);
    if (current == -1 && errno != 0) {
        return;
    }
    ::setpriority(PRIO_PROCESS, 0, current + increment);
}
