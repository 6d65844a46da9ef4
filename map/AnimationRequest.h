#pragma once

#include "ephemeris/TimeModel.h"
#include "map/AnimationTimes.h"
#include "map/MapScene.h"
#include "model/EclipseMap.h"

#include <string>

// What an animation shows: the document's map (viewport, centre, observer,
// its Delta T choice) with the scene's size, layers and eclipse, at each of
// the times, so many pictures a second; the map's epoch is that of each
// picture in turn.
struct AnimationRequest {
    CEclipseMap map;
    std::string dataDirectory;
    TimeModel model;
    SceneRequest scene;
    AnimationTimes times;
    int framesPerSecond = 30;
};
