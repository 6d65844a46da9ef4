#include "cli/OutputCheck.h"

#include <cerrno>
#include <cmath>
#include <cstring>
#include <stdexcept>
#include <string>

#include <fcntl.h>

void FinishOutput(std::FILE* stream, const char* name)
{
    errno = 0;
    const bool flushed = std::fflush(stream) == 0;
    const int error = errno;
    if (flushed && std::ferror(stream) == 0) {
        return;
    }
    // A failure before the flush left no error number that can be trusted.
    const std::string cause = !flushed && error != 0 ? std::strerror(error) : "a write failed";
    throw std::runtime_error(std::string("cannot write ") + name + ": " + cause);
}

void HoldClosedStandardStreams()
{
    for (int descriptor = 0; descriptor <= 2; ++descriptor) {
        if (::fcntl(descriptor, F_GETFD) == -1 && errno == EBADF) {
            // The lowest free descriptor: this very one.
            ::open("/dev/null", O_RDONLY);
        }
    }
}

void RequireFinite(std::initializer_list<double> values, const char* what)
{
    for (const double value : values) {
        if (!std::isfinite(value)) {
            throw std::runtime_error(std::string("the computation gave a non-finite ") + what +
                                     ": a data file may be damaged; run \"umbrant-cli convert ephemeris\" again");
        }
    }
}
