#pragma once

#include "model/Observation.h"
#include "model/Viewport.h"
#include "datafiles/ImageCache.h"
#include "datafiles/ShorelineImage.h"
#include "map/DrawingSurface.h"
#include "map/MapLayer.h"

#include <span>
#include <utility>
#include <vector>

// Land and water polygons of the shoreline image, projected, closed along the
// limb where they pass behind the globe, clipped to the window and filled in
// file order: land (levels 1 and 3) in the land colour, the rest in the sea
// colour, each outlined in black. Counts stored in the image are bounded by
// its capacities.
void DrawShorelines(IDrawingSurface& surface, const ShorelineImage& image, const CViewport& viewport,
                    const CGeoPosition& centre);
// The same for the content of "gshhs_i.dat" as the image cache keeps it; what
// does not depend on the map centre is computed once per content.
void DrawShorelines(IDrawingSurface& surface, const DataImage& image, const CViewport& viewport, const CGeoPosition& centre);
// Starts building, on the worker pool, what DrawShorelines derives from an
// image the first time it draws it (a dozen milliseconds for the world's
// shorelines), so that the drawing finds it ready. Nothing when it is built.
void PrepareShorelines(const DataImage& image);

// Appends the points of the shorter limb arc from exitPoint towards
// reentryPoint (exitPoint's angle included, reentryPoint's not).
void AddLimbArc(const IDrawingSurface& surface, DevicePoint exitPoint, DevicePoint reentryPoint,
                std::vector<DevicePoint>& points, const CViewport& viewport);

// Clips the polygon to the client rectangle and fills what remains in the
// colour of its level.
void ClipAndFillPolygon(IDrawingSurface& surface, std::span<const DevicePoint> polygon, std::int32_t level);

// The shoreline polygons of one "gshhs_i.dat" content, for the frame's
// viewport and centre.
class CShorelineLayer : public IMapLayer {
public:
    explicit CShorelineLayer(DataImage image) : m_image(std::move(image)) { PrepareShorelines(m_image); }
    void Draw(IDrawingSurface& surface, const MapFrame& frame) const override
    {
        DrawShorelines(surface, m_image, frame.viewport, frame.centre);
    }

private:
    DataImage m_image;
};
