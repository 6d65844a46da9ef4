#include "map/Trace.h"

#include "datafiles/ImageCache.h"
#include "datafiles/ProgramDirectory.h"
#include "datafiles/ShorelineImage.h"
#include "map/MapColours.h"
#include "map/layers/AnnotationLayers.h"
#include "map/layers/BackgroundLayer.h"
#include "map/layers/CreditLayer.h"
#include "map/layers/EclipsePathLayer.h"
#include "map/layers/GlobeLayer.h"
#include "map/layers/PolylineLayer.h"
#include "map/layers/ShadowLayer.h"
#include "map/layers/ShorelineLayer.h"

CMapTrace::CMapTrace(const std::string& dataDirectory)
{
    const DataImage shorelines = LoadCachedImage(JoinPath(dataDirectory, "gshhs_i.dat"), ShorelineLayout::kImageSize);
    m_staticLayers.push_back(std::make_unique<CBackgroundLayer>());
    m_staticLayers.push_back(std::make_unique<CGlobeLayer>());
    m_staticLayers.push_back(std::make_unique<CShorelineLayer>(shorelines));
    m_staticData.push_back(shorelines.get());
    for (const auto& [layout, pen] : {std::pair(kBorderLayout, kBorderColour), std::pair(kRiverLayout, kRiverColour)}) {
        if (DataImage lines = OptionalLineImage(dataDirectory, layout)) {
            m_staticData.push_back(lines.get());
            m_staticLayers.push_back(std::make_unique<CPolylineLayer>(std::move(lines), layout, pen));
        } else {
            m_staticData.push_back(nullptr);
        }
    }
    m_staticLayers.push_back(std::make_unique<CGraticuleLayer>());
    m_staticLayers.push_back(std::make_unique<CEclipsePathLayer>());
    m_dynamicLayers.push_back(std::make_unique<CTerminatorLayer>());
    m_dynamicLayers.push_back(std::make_unique<CShadowLayer>());
    m_dynamicLayers.push_back(std::make_unique<CObserverLayer>());
    m_dynamicLayers.push_back(std::make_unique<CInstantLayer>());
    m_dynamicLayers.push_back(std::make_unique<CCreditLayer>());
}

void CMapTrace::DrawStatic(IDrawingSurface& surface, const MapFrame& frame) const
{
    for (const auto& layer : m_staticLayers) {
        layer->Draw(surface, frame);
    }
}

void CMapTrace::DrawDynamic(IDrawingSurface& surface, const MapFrame& frame) const
{
    for (const auto& layer : m_dynamicLayers) {
        layer->Draw(surface, frame);
    }
}

void CMapTrace::Draw(IDrawingSurface& surface, const MapFrame& frame) const
{
    DrawStatic(surface, frame);
    DrawDynamic(surface, frame);
}
