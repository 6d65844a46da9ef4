#pragma once

#include "map/DrawingSurface.h"
#include "map/MapFrame.h"
#include "map/MapLayer.h"

#include <memory>
#include <string>
#include <vector>

// The map's layers in the order they are drawn: first the static ones (sky,
// globe disk and limb, shorelines, borders, rivers, then the graticule and
// the current eclipse's path), which do not change with the instant, then
// the dynamic ones (the terminator, the shadow, the observer, the title and
// key, the credit text), which a new instant redraws over them.
class CMapTrace {
public:
    // The layers of the data in dataDirectory (ending with a separator). A
    // missing or bad "gshhs_i.dat" raises CFileException; a missing border
    // or river file only leaves its layer out, a bad one raises.
    explicit CMapTrace(const std::string& dataDirectory);

    void DrawStatic(IDrawingSurface& surface, const MapFrame& frame) const;
    void DrawDynamic(IDrawingSurface& surface, const MapFrame& frame) const;
    void Draw(IDrawingSurface& surface, const MapFrame& frame) const;

    // The data the static layers draw: equal when they would draw the same.
    const std::vector<const void*>& StaticData() const { return m_staticData; }

private:
    std::vector<std::unique_ptr<const IMapLayer>> m_staticLayers;
    std::vector<std::unique_ptr<const IMapLayer>> m_dynamicLayers;
    std::vector<const void*> m_staticData;
};
