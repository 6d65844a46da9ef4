#pragma once

#include "map/MapFrame.h"

#include <QString>

// The desktop's own choices, kept in the program's settings between runs:
// the offset of local time from UT ("Décalage horaire"), the map's optional
// layers, the model of time and the language of the interface.
class CDesktopSettings {
public:
    enum class Model { Classic, Modern };

    static double TimeOffsetHours();
    static void SetTimeOffsetHours(double hours);

    // The observer's height above the ellipsoid, metres. The document's file
    // has no field for it: its reserved words must keep whatever they hold.
    static double ObserverHeightMetres();
    static void SetObserverHeightMetres(double metres);

    static MapLayerChoice Layers();
    static void SetLayers(const MapLayerChoice& layers);

    static Model TimeModel();
    static void SetTimeModel(Model model);

    // The language chosen with "Langue / Language" ("fr" or "en"); empty
    // until one is chosen. It applies from the next start.
    static QString LanguageCode();
    static void SetLanguageCode(const QString& code);
};
