#pragma once

#include "map/MapFrame.h"
#include "map/MapScene.h"
#include "model/EclipseMap.h"

#include <QImage>

#include <string>
#include <vector>

class CMapTrace;
class Ephemeris;

// Draws maps into an image, keeping the static layers' picture (base map,
// graticule, eclipse path) for the viewport, centre, client size, choice of
// layers and data it was drawn with: when only the instant changes, the
// dynamic layers (terminator, shadow, observer, credit) are drawn again over
// a copy of it.
class CMapRenderer {
public:
    // The frame drawn with the trace's layers into image (resized to the
    // frame's client size when it differs).
    void Render(QImage& image, const CMapTrace& trace, const MapFrame& frame);

    // The whole map of the document with the shadow at its epoch under the
    // ephemeris's model (ComposeScene), into image (resized to the request's
    // size). Raises CFileException for a missing or bad data file, before
    // anything is drawn.
    void Render(QImage& image, const Ephemeris& ephemeris, const CEclipseMap& map, const std::string& dataDirectory,
                const SceneRequest& request);

    // Device pixels per unit of the frame, for a screen of high density: the
    // map is drawn at that many pixels per client unit, its text keeps its
    // size in points, and the image carries the ratio for display. 1 by
    // default.
    void SetPixelRatio(double ratio);

    // How many times the static layers were drawn (the cache's misses).
    int StaticDrawCount() const { return m_staticDrawCount; }
    // Forgets the static picture.
    void Clear();

private:
    struct StaticKey {
        CViewport viewport;
        CGeoPosition centre;
        int width = 0;
        int height = 0;
        double pixelRatio = 1.0;
        MapLayerChoice layers;
        const void* eclipse = nullptr;
        double timeOffsetHours = 0.0;  // the times written along the path
        std::vector<const void*> data;
        bool Matches(const StaticKey& other) const;
    };

    void DrawStatic(const CMapTrace& trace, const MapFrame& frame, const StaticKey& key);

    QImage NewPicture(int width, int height) const;

    QImage m_static;
    StaticKey m_key;
    double m_pixelRatio = 1.0;
    bool m_valid = false;
    int m_staticDrawCount = 0;
};
