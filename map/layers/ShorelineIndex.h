#pragma once

#include "core/LargePages.h"
#include "datafiles/ShorelineImage.h"

#include <cstdint>
#include <atomic>
#include <cstddef>
#include <memory>
#include <span>
#include <vector>

// Single-precision sine and cosine of a point's latitude.
struct LatitudeTrigonometry {
    float sine;
    float cosine;
};

// What the shoreline layer derives once from a shoreline image: each
// polygon's points (counts bounded by the image's capacities) and the box of
// latitudes and longitudes they span, so that a polygon wholly behind the
// globe costs nothing; and the sines and cosines of the latitudes, computed
// the first time a polygon may be seen.
class ShorelineIndex {
public:
    struct Polygon {
        std::int32_t first = 0;   // index of its first point
        std::int32_t count = 0;
        std::int32_t level = 0;
        float minimumLatitude = 0.0f;  // degrees
        float maximumLatitude = 0.0f;
        float minimumLongitude = 0.0f;
        float maximumLongitude = 0.0f;
    };

    // The image must outlive the index.
    explicit ShorelineIndex(const ShorelineImage& image);

    std::span<const Polygon> Polygons() const { return m_polygons; }
    // The latitudes' sines and cosines of one polygon's points; safe to call
    // from several threads.
    const LatitudeTrigonometry* LatitudesOf(std::size_t polygon) const;
    // Every polygon's, ahead of drawing: from the last polygon back, since a
    // drawing under way takes them from the first on.
    void FillAllLatitudes() const;

private:
    const ShorelineImage& m_image;
    // Megabytes each, filled while the first map is drawn: on huge pages.
    std::vector<Polygon, LargePageAllocator<Polygon>> m_polygons;
    LargePageArray<LatitudeTrigonometry> m_latitudes;  // filled polygon by polygon
    // Per polygon: 0 not filled, 1 being filled, 2 filled. (std::call_once
    // costs a system call per flag, more than the sines themselves.)
    std::unique_ptr<std::atomic<std::uint8_t>[]> m_state;
};

// Whether any point of a polygon's box could lie on the visible side of the
// globe centred on the given point (degrees). Conservative: a polygon it
// refuses has every point behind the limb.
class HemisphereTest {
public:
    HemisphereTest(double centreLongitude, double centreLatitude);
    bool MayBeVisible(const ShorelineIndex::Polygon& polygon) const;

private:
    double m_centreLongitude;  // degrees
    double m_sinCentre;
    double m_cosCentre;
};
