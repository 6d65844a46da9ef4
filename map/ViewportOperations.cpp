#include "map/ViewportOperations.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace {

// 1/pi: the whole globe's diameter is 2/pi of the client width.
constexpr double kGlobalScalePerWidth = 0.3183098861837907;
// A zoom in never makes the globe's radius larger than this, in pixels.
constexpr double kMaximumScale = 500000000.0;
// A zoom out never makes it smaller: below a third of a pixel the limb's
// chord step is undefined, and a one-pixel globe is already a dot.
constexpr double kMinimumScale = 1.0;
// The whole globe's diameter is at most this part of the client height.
constexpr double kWholeGlobeHeightFraction = 0.9;
// Nor does a zoom out shrink the globe below this part of the whole globe
// the client shows: a smaller one is a dot that shows nothing.
constexpr double kSmallestWholeGlobeShare = 0.25;

// The smallest radius a zoom out leaves, for the viewport's client size.
double SmallestScale(const CViewport& viewport)
{
    const double wholeGlobe = std::min(viewport.m_width * kGlobalScalePerWidth,
                                       0.5 * kWholeGlobeHeightFraction * viewport.m_height);
    return std::max(kMinimumScale, kSmallestWholeGlobeShare * wholeGlobe);
}

bool IsFlat(DevicePoint start, DevicePoint end)
{
    return start.x == end.x || start.y == end.y;
}

bool HasClientSize(const CViewport& viewport)
{
    return viewport.m_width > 0 && viewport.m_height > 0;
}

double Midpoint(std::int32_t a, std::int32_t b)
{
    return (static_cast<double>(a) + static_cast<double>(b)) * 0.5;
}

double Span(std::int32_t a, std::int32_t b)
{
    return std::abs(static_cast<double>(a) - static_cast<double>(b));
}

} // namespace

void SetGlobalViewport(CViewport& viewport, int width, int height)
{
    viewport.m_width = width;
    viewport.m_height = height;
    viewport.m_scale = static_cast<float>(width * kGlobalScalePerWidth);
    viewport.m_originX = static_cast<float>(width / 2);
    viewport.m_originY = static_cast<float>(height / 2);
}

ZoomResult ZoomIn(CEclipseMap& map, DevicePoint start, DevicePoint end)
{
    CViewport& viewport = map.m_viewport;
    if (IsFlat(start, end) || !HasClientSize(viewport)) {
        return ZoomResult::Refused;
    }
    map.m_previousViewport = viewport;
    const double fx = viewport.m_width / Span(start.x, end.x);
    const double fy = viewport.m_height / Span(start.y, end.y);
    double factor = fy > fx ? fx : fy;
    const double scale = viewport.m_scale;
    if (scale * factor > kMaximumScale) {
        factor = kMaximumScale / scale;
    }
    viewport.m_scale = static_cast<float>(scale * factor);
    viewport.m_originX = static_cast<float>(factor * (viewport.m_originX - Midpoint(start.x, end.x)) + viewport.m_width / 2);
    viewport.m_originY = static_cast<float>(factor * (viewport.m_originY - Midpoint(start.y, end.y)) + viewport.m_height / 2);
    return ZoomResult::Done;
}

ZoomResult ZoomOut(CEclipseMap& map, DevicePoint start, DevicePoint end)
{
    CViewport& viewport = map.m_viewport;
    if (IsFlat(start, end) || !HasClientSize(viewport)) {
        return ZoomResult::Refused;
    }
    map.m_previousViewport = viewport;
    const double gx = Span(start.x, end.x) / viewport.m_width;
    const double gy = Span(start.y, end.y) / viewport.m_height;
    double factor = gx > gy ? gx : gy;
    const double scale = viewport.m_scale;
    const double smallest = std::min(SmallestScale(viewport), scale);
    if (scale * factor < smallest && scale > 0.0) {
        factor = smallest / scale;
    }
    viewport.m_scale = static_cast<float>(scale * factor);
    viewport.m_originX = static_cast<float>((static_cast<double>(viewport.m_originX) - viewport.m_width / 2) * factor + Midpoint(start.x, end.x));
    viewport.m_originY = static_cast<float>((static_cast<double>(viewport.m_originY) - viewport.m_height / 2) * factor + Midpoint(start.y, end.y));
    return ZoomResult::Done;
}

void Translate(CEclipseMap& map, DevicePoint start, DevicePoint end)
{
    map.m_previousViewport = map.m_viewport;
    CViewport& viewport = map.m_viewport;
    viewport.m_originX = static_cast<float>(static_cast<double>(end.x) + viewport.m_originX - start.x);
    viewport.m_originY = static_cast<float>(static_cast<double>(end.y) + viewport.m_originY - start.y);
}

void SetWholeGlobeViewport(CViewport& viewport, int width, int height)
{
    SetGlobalViewport(viewport, width, height);
    const double fitsHeight = 0.5 * kWholeGlobeHeightFraction * height;
    if (fitsHeight < viewport.m_scale) {
        viewport.m_scale = static_cast<float>(fitsHeight);
    }
}

void ZoomAbout(CEclipseMap& map, MapPoint about, double factor)
{
    CViewport& viewport = map.m_viewport;
    const double scale = viewport.m_scale;
    if (!(factor > 0.0) || !(scale > 0.0)) {
        return;
    }
    map.m_previousViewport = viewport;
    factor = std::clamp(scale * factor, std::min(SmallestScale(viewport), scale), kMaximumScale) / scale;
    viewport.m_scale = static_cast<float>(scale * factor);
    viewport.m_originX = static_cast<float>(about.x + (viewport.m_originX - about.x) * factor);
    viewport.m_originY = static_cast<float>(about.y + (viewport.m_originY - about.y) * factor);
}
