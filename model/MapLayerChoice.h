#pragma once

// Which of the map's optional layers are shown. The document keeps the
// choice (DocumentOptions.h); the map's layers read it from their frame.
struct MapLayerChoice {
    bool path = true;             // central line, umbral band, greatest eclipse
    bool limits = true;           // penumbral limits, sunrise and sunset curves
    bool magnitudeCurves = true;
    bool graticule = false;
    bool terminator = false;      // the day/night line of the instant
    bool observer = true;
    bool legend = true;           // the key of the layers shown, and the map's title
    friend bool operator==(const MapLayerChoice&, const MapLayerChoice&) = default;
};
