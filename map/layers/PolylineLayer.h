#pragma once

#include "model/Observation.h"
#include "model/Viewport.h"
#include "datafiles/ImageCache.h"
#include "datafiles/PolylineImage.h"
#include "map/DrawingSurface.h"
#include "map/MapLayer.h"

#include <string>
#include <utility>
#include <vector>

// Strokes the lines of a border or river image in the pen colour, point to
// point; a stretch that passes behind the globe is left out. Counts stored in
// the image are bounded by its capacities.
void DrawPolylines(IDrawingSurface& surface, const PolylineImage& image, RgbColour pen, const CViewport& viewport,
                   const CGeoPosition& centre);

// The same from the file layout.imageName in dataDirectory. A missing file
// leaves the layer out, silently; one that is there but unreadable, shorter
// than its image or damaged raises CFileException naming it.
void DrawPolylines(IDrawingSurface& surface, const std::string& dataDirectory, const PolylineLayout& layout, RgbColour pen,
                   const CViewport& viewport, const CGeoPosition& centre);

// The image of layout.imageName in dataDirectory; none when the file is
// missing. A file that is there but unreadable, shorter than its image or
// damaged raises CFileException naming it.
DataImage OptionalLineImage(const std::string& dataDirectory, const PolylineLayout& layout);

// The border and river images of dataDirectory that are missing, as paths:
// the layers that a trace leaves out, for the front ends to tell.
std::vector<std::string> MissingLineImages(const std::string& dataDirectory);

// The lines of one border or river image, in the pen colour, for the
// frame's viewport and centre.
class CPolylineLayer : public IMapLayer {
public:
    CPolylineLayer(DataImage image, const PolylineLayout& layout, RgbColour pen)
        : m_image(std::move(image)), m_layout(layout), m_pen(pen)
    {
    }
    void Draw(IDrawingSurface& surface, const MapFrame& frame) const override
    {
        DrawPolylines(surface, PolylineImage(m_layout, *m_image), m_pen, frame.viewport, frame.centre);
    }

private:
    DataImage m_image;
    PolylineLayout m_layout;
    RgbColour m_pen;
};
