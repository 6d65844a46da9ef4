#pragma once

#include <cstdint>
#include <span>
#include <string>

// A device point: integer pixels of the client area, origin top left, y down.
// The map's raster layers compute in these, as the maps were always drawn.
struct DevicePoint {
    std::int32_t x = 0;
    std::int32_t y = 0;
    friend bool operator==(const DevicePoint&, const DevicePoint&) = default;
};

// A point of the surface in floating-point client units (pixels on a
// raster, points of the page on a vector surface); origin top left, y down.
struct MapPoint {
    double x = 0.0;
    double y = 0.0;
    friend bool operator==(const MapPoint&, const MapPoint&) = default;
};

struct RgbColour {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;
    friend bool operator==(const RgbColour&, const RgbColour&) = default;
};

// How the annotation layers (paths, markers) stroke and fill: any width,
// translucency and smoothing, unlike the one-pixel pens of the base map.
struct LineStyle {
    RgbColour colour;
    double width = 1.0;     // client units
    double opacity = 1.0;   // 0 transparent .. 1 opaque
    bool dashed = false;
};

struct AreaStyle {
    RgbColour colour;
    double opacity = 1.0;
    bool hatched = false;   // diagonal lines in the colour over the translucent fill
};

// What the map layers draw on. Nothing in a layer knows whether the surface is
// a window, an image, a printer page or a vector file. The base map's pens are
// solid and 1 pixel wide; outlines are black. Coordinates are floating-point;
// the integer overloads are the raster layers' own and a raster surface draws
// them exactly where a point at (x, y) lights the pixel whose top-left corner
// it is.
class IDrawingSurface {
public:
    virtual ~IDrawingSurface() = default;

    // The client rectangle is (0, 0) to (ClientWidth(), ClientHeight()).
    virtual int ClientWidth() const = 0;
    virtual int ClientHeight() const = 0;

    // Fills the rectangle [left, right) x [top, bottom) and outlines it in black.
    virtual void FillRectangle(double left, double top, double right, double bottom, RgbColour fill) = 0;
    // Fills a closed polygon by the even-odd rule and outlines it in black.
    virtual void FillPolygon(std::span<const MapPoint> points, RgbColour fill) = 0;
    // Strokes an open polyline through the points.
    virtual void DrawPolyline(std::span<const MapPoint> points, RgbColour pen) = 0;
    // Strokes a line from start towards end; the end pixel itself is not set.
    virtual void DrawLine(MapPoint start, MapPoint end, RgbColour pen) = 0;
    // Marks one pixel (a dot of one pixel's size on a vector surface).
    virtual void SetPixel(double x, double y, RgbColour colour) = 0;
    // Writes one line of text (UTF-8), transparent background, in the surface's
    // default font, with the text's bottom-right corner at (right, bottom).
    virtual void DrawTextBottomRight(const std::string& text, double right, double bottom, RgbColour colour) = 0;

    // The annotation layers' drawing: a smoothed polyline, and a filled area
    // without outline.
    virtual void StrokePolyline(std::span<const MapPoint> points, const LineStyle& style) = 0;
    virtual void FillArea(std::span<const MapPoint> points, const AreaStyle& style) = 0;
    // A short label (UTF-8) in the surface's default font at the given size
    // (points), its left end on the baseline at anchor, smoothed.
    virtual void DrawLabel(const std::string& text, MapPoint anchor, double pointSize, RgbColour colour) = 0;

    // The width and height (ascent plus descent) of a label that DrawLabel
    // would write, in client units. By default an estimate for a screen of
    // 96 dots to the inch; a surface that knows its fonts measures.
    virtual MapPoint LabelSize(const std::string& text, double pointSize) const;

    // The raster layers' integer drawing; a surface may draw it faster than
    // through the floating-point calls, never elsewhere.
    virtual void FillPolygon(std::span<const DevicePoint> points, RgbColour fill);
    virtual void DrawPolyline(std::span<const DevicePoint> points, RgbColour pen);
};

inline MapPoint ToMapPoint(DevicePoint point)
{
    return {static_cast<double>(point.x), static_cast<double>(point.y)};
}
