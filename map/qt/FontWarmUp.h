#pragma once

#include <thread>

// Opens the fonts of the map's texts on a thread of its own, from the moment
// the GUI application exists: the first text drawn in a process waits about
// 10 ms for the font database and the font files, while the first map spends
// longer than that reading its data and drawing its shorelines. Joined when
// destroyed, which must come before the application's end. Not on the worker
// pool: Qt keeps a cache of fonts per thread that draws text, and a pool
// thread would keep it past the application's end.
class CFontWarmUp {
public:
    CFontWarmUp();
    ~CFontWarmUp();
    CFontWarmUp(const CFontWarmUp&) = delete;
    CFontWarmUp& operator=(const CFontWarmUp&) = delete;

private:
    std::thread m_thread;
};
