#pragma once

// Which of the map's optional layers are shown. The document keeps the
// choice (DocumentOptions.h); the map's layers read it from their frame.
struct MapLayerChoice {
    bool shadow = true;           // the Moon's shadow at the instant: umbra, penumbra, axis cross
    bool path = true;             // umbral band and central line with its ticks of time
    bool uncertainty = true;      // with the path, where Delta T's uncertainty may move the band
    bool umbraLimits = true;      // the lines that bound the umbral band
    bool penumbraLimits = true;   // the northern and southern limits of the partial eclipse
    bool riseSet = true;          // where the eclipse begins, ends or is greatest at sunrise or sunset
    bool magnitudeCurves = true;
    bool graticule = false;
    bool terminator = false;      // the day/night line of the instant
    bool observer = true;
    bool greatest = true;         // the star at greatest eclipse
    bool labels = true;           // the times along the central line, the magnitudes of the curves
    bool legend = true;           // the key of the layers shown, and the map's title
    bool towns = false;           // the names of the largest towns inside the path
    friend bool operator==(const MapLayerChoice&, const MapLayerChoice&) = default;
};
