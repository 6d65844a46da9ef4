#pragma once

#include "map/MapFrame.h"

// The desktop's own choices, kept in the program's settings between runs:
// the offset of local time from UT ("Décalage horaire"), the map's optional
// layers and the model of time.
class CDesktopSettings {
public:
    enum class Model { Classic, Modern };

    static double TimeOffsetHours();
    static void SetTimeOffsetHours(double hours);

    static MapLayerChoice Layers();
    static void SetLayers(const MapLayerChoice& layers);

    static Model TimeModel();
    static void SetTimeModel(Model model);
};
