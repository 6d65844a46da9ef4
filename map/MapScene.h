#pragma once

#include "eclipse/EpochSky.h"
#include "map/MapFrame.h"
#include "model/EclipseMap.h"

#include <memory>
#include <string>

class Ephemeris;
struct EclipseOverlay;

// What a map is asked to show besides the document: its client size, the
// layers and the current eclipse's path.
struct SceneRequest {
    int width = 0;
    int height = 0;
    MapLayerChoice layers;
    const EclipseOverlay* eclipse = nullptr;
};

// Everything one map of a document shows: the sky at its epoch and the frame
// the layers draw, which points into that sky (shared, so that the scene may
// be moved and kept).
struct MapScene {
    std::shared_ptr<const EpochSky> sky;
    MapFrame frame;
};

// The frame of the document's map without anything of its epoch: what the
// static layers need, known before the sky is computed.
MapFrame BaseFrame(const CEclipseMap& map, const SceneRequest& request);

// The scene of the document's map at its epoch, under the ephemeris's time
// model: the one way from a document, a time model and the data to what
// the map draws, for the window, printing, exports and the command line.
MapScene ComposeScene(const Ephemeris& ephemeris, const CEclipseMap& map, const SceneRequest& request);

// The same from a sky already computed (SkyAtEpoch) for the map's epoch.
MapScene ComposeScene(const Ephemeris& ephemeris, std::shared_ptr<const EpochSky> sky, const CEclipseMap& map,
                      const SceneRequest& request);

// The words the credit line adds about time: "ΔT 69.2 s (modern)".
std::string TimeNote(const EpochSky& sky);
