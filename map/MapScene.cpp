#include "map/MapScene.h"

#include "ephemeris/ApparentPlaces.h"
#include "ephemeris/Ephemeris.h"

#include <cstdio>
#include <utility>

MapFrame BaseFrame(const CEclipseMap& map, const SceneRequest& request)
{
    MapFrame frame;
    frame.viewport = map.m_viewport;
    frame.centre = map.m_observation.m_centre;
    frame.width = request.width;
    frame.height = request.height;
    frame.layers = request.layers;
    frame.eclipse = request.eclipse;
    if (request.layers.observer) {
        frame.observer = CGeoPosition(map.m_observation.m_longitude, map.m_observation.m_latitude);
    }
    return frame;
}

MapScene ComposeScene(const Ephemeris& ephemeris, const CEclipseMap& map, const SceneRequest& request)
{
    return ComposeScene(ephemeris, std::make_shared<const EpochSky>(SkyAtEpoch(ephemeris, map.m_observation)), map,
                        request);
}

MapScene ComposeScene(const Ephemeris& ephemeris, std::shared_ptr<const EpochSky> sky, const CEclipseMap& map,
                      const SceneRequest& request)
{
    MapScene scene{std::move(sky), BaseFrame(map, request)};
    scene.frame.shadow = &scene.sky->outlines;
    scene.frame.timeNote = TimeNote(*scene.sky);
    if (request.layers.terminator) {
        scene.frame.subsolarPoint = SubsolarPoint(Ephemeris(ephemeris.SharedSeries(), scene.sky->model), scene.sky->instant);
    }
    return scene;
}

std::string TimeNote(const EpochSky& sky)
{
    char text[64];
    std::snprintf(text, sizeof text, "\xCE\x94T %.1f s (%s)", sky.deltaT, sky.model.Name());
    return text;
}
