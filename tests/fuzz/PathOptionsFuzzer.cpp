// The values of the commands' options, of any bytes: the first byte picks
// the reader (date and time, step, place, Delta T), the rest is the text. A
// place that is accepted is then seen through the 2006 eclipse.
#include "cli/Options.h"
#include "core/CalendarText.h"
#include "eclipse/local/LocalCircumstances.h"
#include "tests/eclipse/PublishedElements.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <stdexcept>
#include <string>

namespace {

void CheckDate(const std::string& text)
{
    const ParsedDateTime parsed = ParseIsoDateTime(text);
    if (parsed.error) {
        return;
    }
    const CivilDateTime& date = parsed.value;
    if (!IsCalendarDate(date.year, date.month, date.day) || date.hour < 0 || date.hour > 23 || date.minute < 0 ||
        date.minute > 59 || !(date.second >= 0.0 && date.second < 60.0)) {
        std::abort();
    }
}

void CheckStep(const std::string& text)
{
    const double step = ParseStep(text);
    if (!(step >= 1.0 && step <= 3600.0)) {
        std::abort();
    }
}

void CheckPlace(const std::string& text)
{
    const GeographicPlace place = ParsePlace(text);
    if (!(std::abs(place.latitude) <= 90.0 && std::abs(place.longitude) <= 180.0 && std::isfinite(place.height))) {
        std::abort();
    }
    static const FittedElements elements = published::Eclipse2006();
    const LocalCircumstances seen = LocalCircumstancesAt(elements, place);
    if (!std::isfinite(seen.magnitude) || !std::isfinite(seen.obscuration) || !std::isfinite(seen.durationSeconds)) {
        std::abort();
    }
    double previous = -1e9;
    for (const auto* contact : {&seen.c1, &seen.c2, &seen.maximum, &seen.c3, &seen.c4}) {
        if (contact->has_value()) {
            const double hours = elements.HoursOf((*contact)->time);
            if (!(hours >= previous) || !std::isfinite((*contact)->sunAltitude)) {
                std::abort();
            }
            previous = hours;
        }
    }
}

void CheckDeltaT(const std::string& text)
{
    const std::optional<double> seconds = ParseDeltaT(text);
    if (seconds && !(std::abs(*seconds) <= kLargestDeltaTSeconds)) {
        std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0) {
        return 0;
    }
    const std::string text(reinterpret_cast<const char*>(data) + 1, size - 1);
    try {
        switch (data[0] % 4) {
        case 0: CheckDate(text); break;
        case 1: CheckStep(text); break;
        case 2: CheckPlace(text); break;
        default: CheckDeltaT(text); break;
        }
    } catch (const CLI::ValidationError&) {
        // A malformed value is refused with its message: that is the point.
    }
    return 0;
}
