// The shadow computation for any observation: any date (years of +-24999 and
// beyond, months 0 and 13, minutes 75, NaN seconds), any Delta T, given or
// automatic, then its outlines placed and drawn on a small surface.
#include "FuzzSupport.h"

#include "eclipse/EclipseGeometry.h"
#include "eclipse/EpochSky.h"
#include "ephemeris/Ephemeris.h"
#include "eclipse/ShadowPlacement.h"
#include "ephemeris/EphemerisSeries.h"
#include "ephemeris/TimeScales.h"
#include "map/layers/ShadowLayer.h"
#include "map/ViewportOperations.h"

#include <cmath>
#include <type_traits>
#include <fuzzer/FuzzedDataProvider.h>

namespace {

constexpr std::size_t kMostUmbraPoints = 360;
constexpr std::size_t kMostPenumbraPoints = 7200;

const fuzz::ScratchDirectory& Data()
{
    static const fuzz::ScratchDirectory directory("shadow");
    return directory;
}

template <typename Value>
Value TakeValue(FuzzedDataProvider& provider, Value low, Value high)
{
    // Half the time a value of the range the dialogs suggest, otherwise any bit pattern.
    if (provider.ConsumeBool()) {
        if constexpr (std::is_floating_point_v<Value>) {
            return provider.ConsumeFloatingPointInRange<Value>(low, high);
        } else {
            return provider.ConsumeIntegralInRange<Value>(low, high);
        }
    }
    const std::vector<std::uint8_t> bytes = provider.ConsumeBytes<std::uint8_t>(sizeof(Value));
    std::span<const std::uint8_t> rest(bytes);
    return fuzz::TakeRaw<Value>(rest);
}

CObservation TakeObservation(FuzzedDataProvider& provider)
{
    CObservation observation;
    observation.m_day = TakeValue<std::int32_t>(provider, 0, 32);
    observation.m_month = TakeValue<std::int32_t>(provider, 0, 13);
    observation.m_year = TakeValue<std::int32_t>(provider, -24999, 24999);
    observation.m_hour = TakeValue<std::int32_t>(provider, 0, 24);
    observation.m_minute = TakeValue<std::int32_t>(provider, 0, 75);
    observation.m_second = TakeValue<float>(provider, 0.0f, 75.0f);
    observation.m_deltaTAuto = provider.ConsumeBool();
    observation.m_deltaT = TakeValue<float>(provider, -1e6f, 1e6f);
    observation.m_centre = CGeoPosition(TakeValue<double>(provider, -360.0, 360.0), TakeValue<double>(provider, -90.0, 90.0));
    return observation;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    fuzz::ConvertEphemerisInto(Data());
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzedDataProvider provider(data, size);
    const CObservation observation = TakeObservation(provider);
    CTimeTerms terms;
    ComputeTimeTerms(observation, terms);

    const CEclipseGeometry geometry(observation, terms, Data().Path());
    bool axisHit = false;
    ShadowPoint axis;
    CGeoPointArray umbra, penumbra;
    geometry.ComputeShadowOutlines(axisHit, axis, umbra, penumbra);
    if (umbra.size() > kMostUmbraPoints || penumbra.size() > kMostPenumbraPoints) {
        std::abort();
    }
    volatile double placed = 0.0;
    for (const ShadowPoint& point : penumbra) {
        placed = placed + PlacedEastLongitudeDegrees(point.m_longitude, terms.m_deltaTUsed);
    }

    fuzz::NullSurface surface(64, 48);
    CViewport viewport;
    SetGlobalViewport(viewport, 64, 48);
    const CGeoPosition& centre = observation.m_centre;
    const double centreLatitude = centre.m_latitude * 0.017453292519943295;
    // Both models: the document's own arithmetic and the modern one.
    for (const TimeModel& model : {ClassicModel(), ModernModel()}) {
        const EpochSky sky = SkyAtEpoch(Ephemeris(LoadEphemerisSeries(Data().Path()), model), observation);
        DrawShadow(surface, sky.outlines, viewport, centre, std::sin(centreLatitude), std::cos(centreLatitude));
    }
    return 0;
}
