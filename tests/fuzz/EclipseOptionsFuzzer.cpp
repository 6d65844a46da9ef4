// The command lines of the eclipse commands: the first byte chooses the
// command (even: eclipses, odd: besselian), the rest, cut at new lines, are
// its arguments. Whatever parses is computed on the published series (an
// eclipses range cut to its first year), and nothing printed may be NaN.
#include "FuzzSupport.h"

#include "cli/EclipseOptions.h"
#include "core/DeltaT.h"
#include "eclipse/ElementFitting.h"
#include "eclipse/search/EclipseSearch.h"

#include <cmath>
#include <cstdlib>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

constexpr double kLongestRangeDays = 400.0;

const fuzz::ScratchDirectory& Data()
{
    static const fuzz::ScratchDirectory directory("eclipse-options");
    return directory;
}

CommandArguments Arguments(const std::uint8_t* data, std::size_t size)
{
    CommandArguments arguments(1);
    for (std::size_t i = 0; i < size; ++i) {
        if (data[i] == '\n') {
            arguments.emplace_back();
        } else {
            arguments.back().push_back(static_cast<char>(data[i]));
        }
    }
    return arguments;
}

void RequireFinite(double value)
{
    if (!std::isfinite(value)) {
        std::abort();
    }
}

void Check(const EclipseSummary& e)
{
    for (const double value : {e.gamma, e.magnitude, e.latitude, e.longitude, e.sunAltitude, e.deltaT,
                               e.durationSeconds.value_or(0.0), e.widthKm.value_or(0.0)}) {
        RequireFinite(value);
    }
    if (IsoTime(e.greatest, e.deltaT).find("nan") != std::string::npos) {
        std::abort();
    }
}

void RunEclipses(const EclipsesRequest& request)
{
    const Ephemeris ephemeris = CommandEphemeris(Data().Path(), request.model, request.deltaT);
    const Instant from = InstantFromUniversal(UniversalDate{JulianDateOf(request.from), 0.0}, ephemeris.DeltaT());
    const double days = std::min(JulianDateOf(request.to) + 1.0 - JulianDateOf(request.from), kLongestRangeDays);
    for (const EclipseSummary& e : FindEclipses(ephemeris, from, from.PlusDays(days))) {
        Check(e);
    }
}

void RunBesselian(const BesselianRequest& request)
{
    const Ephemeris ephemeris = CommandEphemeris(Data().Path(), request.model, request.deltaT);
    const std::optional<EclipseSummary> e =
        FindEclipseOnUniversalDate(ephemeris, request.date.year, request.date.month, request.date.day);
    if (!e) {
        return;
    }
    Check(*e);
    const FittedElements fitted = FitElements(ephemeris, e->greatest).elements;
    for (const Polynomial* p : {&fitted.x, &fitted.y, &fitted.d, &fitted.l1, &fitted.l2, &fitted.mu}) {
        for (const double c : p->coefficients) {
            RequireFinite(c);
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    fuzz::ConvertEphemerisInto(Data());
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0) {
        return 0;
    }
    const CommandArguments arguments = Arguments(data + 1, size - 1);
    try {
        if (data[0] % 2 == 0) {
            RunEclipses(ParseEclipsesArguments(arguments));
        } else {
            RunBesselian(ParseBesselianArguments(arguments));
        }
    } catch (const UsageError&) {
    } catch (const CommandFailure&) {
    } catch (const std::out_of_range&) {
        // Delta T took the dates outside the years of the search: the commands say so.
    }
    return 0;
}
