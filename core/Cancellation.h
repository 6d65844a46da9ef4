#pragma once

#include <stdexcept>
#include <stop_token>

// Raised by a computation that stopped because the one who started it asked
// it to (std::stop_source::request_stop): it has no result, and the caller
// who abandoned it wants none.
class OperationCancelled : public std::runtime_error {
public:
    OperationCancelled() : std::runtime_error("computation cancelled") {}
};

// Raises OperationCancelled once a stop has been requested; for the points
// between the steps of a long computation where it may end early.
inline void ThrowIfStopRequested(const std::stop_token& stop)
{
    if (stop.stop_requested()) {
        throw OperationCancelled();
    }
}
