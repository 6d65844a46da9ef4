// Loaded with LD_PRELOAD into a program under test, this makes write() (or
// fsync(), or both) fail on the files whose path contains a chosen text, the
// way a full disk or a failing device does:
//   UMBRANT_FAIL_PATH   text the file's path must contain (nothing fails without it)
//   UMBRANT_FAIL_ERRNO  the error number to give (default ENOSPC)
//   UMBRANT_FAIL_CALLS  "write", "fsync" or "write,fsync" (default "write")
//   UMBRANT_FAIL_KILL   when set, the process is killed (SIGKILL) instead, as
//                       a user's kill or a crash ends it in the middle of a write
//   UMBRANT_FAIL_SIGNAL a signal number sent to the process instead (an
//                       interrupt, a termination, a hang-up); the call goes on
//                       as usual if the process survives it
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include <dlfcn.h>
#include <unistd.h>

namespace {

bool Chosen(int descriptor, const char* call)
{
    const char* text = std::getenv("UMBRANT_FAIL_PATH");
    const char* calls = std::getenv("UMBRANT_FAIL_CALLS");
    if (text == nullptr || *text == '\0' || std::strstr(calls != nullptr ? calls : "write", call) == nullptr) {
        return false;
    }
    char link[64];
    std::snprintf(link, sizeof link, "/proc/self/fd/%d", descriptor);
    char path[4096];
    const ssize_t length = ::readlink(link, path, sizeof path - 1);
    if (length <= 0) {
        return false;
    }
    path[length] = '\0';
    return std::strstr(path, text) != nullptr;
}

// Never returns when the process is to be killed.
int ChosenError()
{
    if (std::getenv("UMBRANT_FAIL_KILL") != nullptr) {
        ::kill(::getpid(), SIGKILL);
    }
    const char* number = std::getenv("UMBRANT_FAIL_ERRNO");
    return number != nullptr ? std::atoi(number) : ENOSPC;
}

template <typename Function>
Function Next(const char* name)
{
    return reinterpret_cast<Function>(::dlsym(RTLD_NEXT, name));
}

// The signal chosen, or 0.
int ChosenSignal()
{
    const char* number = std::getenv("UMBRANT_FAIL_SIGNAL");
    return number != nullptr ? std::atoi(number) : 0;
}

} // namespace

extern "C" ssize_t write(int descriptor, const void* buffer, size_t size)
{
    static const auto next = Next<ssize_t (*)(int, const void*, size_t)>("write");
    if (ChosenSignal() != 0 && Chosen(descriptor, "write")) {
        ::kill(::getpid(), ChosenSignal());
        return next(descriptor, buffer, size);
    }
    if (Chosen(descriptor, "write")) {
        errno = ChosenError();
        return -1;
    }
    return next(descriptor, buffer, size);
}

extern "C" int fsync(int descriptor)
{
    static const auto next = Next<int (*)(int)>("fsync");
    if (Chosen(descriptor, "fsync")) {
        errno = ChosenError();
        return -1;
    }
    return next(descriptor);
}
