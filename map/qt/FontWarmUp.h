#pragma once

#include "core/WorkerPool.h"

// Opens the fonts of the map's texts on the worker pool, ahead, from the
// moment the GUI application exists: the first text drawn in a process waits
// about 10 ms for the font database and the font files, while the first map
// spends longer than that reading its data and drawing its shorelines.
// Waited for when destroyed, which must come before the application's end.
class CFontWarmUp {
public:
    CFontWarmUp();
    ~CFontWarmUp();
    CFontWarmUp(const CFontWarmUp&) = delete;
    CFontWarmUp& operator=(const CFontWarmUp&) = delete;

private:
    PoolTask<void> m_warmUp;
};
