#pragma once

#ifndef Q_MOC_RUN
#include "places/TimeZone.h"
#endif

#include <memory>
#include <string_view>

// The zone of that IANA name as Qt's database gives it (the system's, with
// the rules for the years beyond its tables); null when it has none. The
// desktop keeps to Qt's zones: the C library's (SystemTimeZone) would change
// the process's own local time under Qt.
std::shared_ptr<const TimeZone> QtTimeZone(std::string_view name);
